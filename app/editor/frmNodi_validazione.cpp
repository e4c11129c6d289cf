// Joint data validation, the key table of the input fields and the change handling.
#include "editor/frmNodi.h"

#include "editor/Numeri.h"
#include "shell/ModuloTrevon.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using ModuloTrevon::SelezionaTesto;

namespace {

// Bar numbers in messages read "Asta N. 2".
QString numeroAsta(int i) { return QLatin1Char(' ') + QString::number(i); }

bool invio(int tasto) { return tasto == Qt::Key_Return || tasto == Qt::Key_Enter; }

}  // namespace

void frmNodi::controlladati(bool& procedi, QString& msg)
{
    procedi = true;
    auto rifiuta = [&](const QString& testo) {
        ModuloTrevon::Beep();
        msg = testo;
        procedi = false;
    };

    // 1. Joint type.
    if (cmbTipoNodo->currentIndex() < 0) {
        rifiuta(QStringLiteral("Selezionare Tipo Unione"));
        cmbTipoNodo->setFocus();
        return;
    }
    const QString tipo = cmbTipoNodo->currentText();

    // 2. Notch measures that the type asks for.
    for (int i = 1; i <= 4; ++i) {
        QLineEdit* campo = txtMis[static_cast<std::size_t>(i)];
        if (!Mostrato(campo))
            continue;
        const QString didascalia = lblMis[static_cast<std::size_t>(i)]->text();
        const std::optional<float> v = Numeri::LeggiFloat(campo->text());
        if (!v || !(*v > 0.0f)) {
            rifiuta(QStringLiteral("Inserire Misura Intaglio ") + didascalia +
                    (v ? QStringLiteral(" >0.") : QStringLiteral(", con formato Numerico Corretto.")));
            SelezionaTesto(campo);
            return;
        }
    }

    // 3. Support values, for every type: an empty field means no support.
    if (txtReaz->text().trimmed().isEmpty())
        txtReaz->setText(QStringLiteral("0"));
    if (txtLapp->text().trimmed().isEmpty())
        txtLapp->setText(QStringLiteral("0"));
    if (!Numeri::EUnNumero(txtReaz->text())) {
        rifiuta(QStringLiteral("Inserire Reazione Vincolare con formato Numerico Corretto."));
        SelezionaTesto(txtReaz);
        return;
    }
    if (!Numeri::EUnNumero(txtLapp->text())) {
        rifiuta(QStringLiteral("Inserire Lunghezza Appoggio con formato Numerico Corretto."));
        SelezionaTesto(txtLapp);
        return;
    }

    // 4. Bars of the available tabs.
    for (int i = 1; i <= SSTab2->count() && i <= NumAste; ++i) {
        if (!SchedaDisponibile(i - 1))
            continue;
        const auto ii = static_cast<std::size_t>(i);
        const QString n = numeroAsta(i);
        auto rifiutaAsta = [&](const QString& testo, QLineEdit* campo) {
            rifiuta(testo);
            SelezionaScheda(i - 1);
            SelezionaTesto(campo);
        };

        if (ComboAsta[ii]->currentIndex() < 0) {
            rifiuta(QStringLiteral("Selezionare Tipo Sezione Asta N.") + n);
            SelezionaScheda(i - 1);
            ComboAsta[ii]->setFocus();
            return;
        }
        const QString sezione = ComboAsta[ii]->currentText();
        const QString prefisso = sezione == QStringLiteral("Circolare")
                                     ? QStringLiteral("Inserire Raggio Sezione Asta N.")
                                     : QStringLiteral("Inserire Base Sezione Asta N.");
        const std::optional<float> b = Numeri::LeggiFloat(txtBAsta[ii]->text());
        if (!b || !(*b > 0.0f)) {
            rifiutaAsta(prefisso + n + (b ? QStringLiteral(" >0.") : QStringLiteral(" con formato Numerico Corretto.")),
                        txtBAsta[ii]);
            return;
        }
        if (sezione == QStringLiteral("Rettangolare")) {
            const std::optional<float> h = Numeri::LeggiFloat(txtHAsta[ii]->text());
            if (!h || !(*h > 0.0f)) {
                rifiutaAsta(QStringLiteral("Inserire Altezza Sezione Asta N.") + n +
                                (h ? QStringLiteral(" >0.") : QStringLiteral(" con formato Numerico Corretto.")),
                            txtHAsta[ii]);
                return;
            }
        }
        if (!txtAngAsta[ii]->text().isEmpty()) {
            const std::optional<float> a = Numeri::LeggiFloat(txtAngAsta[ii]->text());
            QString errore;
            if (!a)
                errore = QStringLiteral("Inserire Angolo Asta N.") + n + QStringLiteral(" con formato Numerico Corretto.");
            else if (*a < 0.0f)
                errore = QStringLiteral("Inserire Angolo Asta N.") + n + QStringLiteral(" positivo.");
            else if (*a != 0.0f && i == 1 && tipo == TipiNodo().at(0))
                errore = QStringLiteral("L'Angolo dell'Asta N.") + n +
                         QStringLiteral(", Ossia della catena deve essere ZERO.");
            if (!errore.isEmpty()) {
                rifiutaAsta(errore, txtAngAsta[ii]);
                return;
            }
        }
        if (!txtNAsta[ii]->text().isEmpty() && !Numeri::EUnNumero(txtNAsta[ii]->text())) {
            rifiutaAsta(QStringLiteral("Inserire Sforzo Assiale Asta N.") + n +
                            QStringLiteral(" con formato Numerico Corretto."),
                        txtNAsta[ii]);
            return;
        }
        if (NumeroMateriale(i) < 1) {
            rifiutaAsta(QStringLiteral("Specificare Materiale Asta N.") + n, txtMatAsta);
            return;
        }
    }

    // 5. The notch may take less than half the depth of the notched bar. A circular bar's
    // depth is its diameter, twice the radius held in its width field.
    const int intagliata = IndiceTipo(tipo) >= 2 ? 2 : 1;
    const auto ai = static_cast<std::size_t>(intagliata);
    const bool circolare = ComboAsta[ai]->currentText() == QStringLiteral("Circolare");
    const std::optional<float> tv = Numeri::LeggiFloat(txtMis[1]->text());
    std::optional<float> h = Numeri::LeggiFloat(circolare ? txtBAsta[ai]->text() : txtHAsta[ai]->text());
    if (h && circolare)
        *h *= 2.0f;
    if (tv && h && !(*tv < *h / 2.0f)) {
        static const char* const nomi[4] = {"della Catena", "del Puntone", "del Monaco", "del Monaco"};
        rifiuta(QStringLiteral("La Misura dell'Intaglio tv deve essere MINORE della metà dell'Altezza ") +
                QString::fromLatin1(nomi[IndiceTipo(tipo)]));
        SelezionaTesto(txtMis[1]);
        return;
    }
}

void frmNodi::CampoModificato()
{
    ModifNodo = 1;
    Command8->setEnabled(true);
}

void frmNodi::FocusPulsanteRegistra()
{
    if (Command8->isEnabled())
        Command8->setFocus();
    else
        Command9->setFocus();
}

void frmNodi::InvioAngolo(int i)
{
    const auto ii = static_cast<std::size_t>(i);
    if (Mostrato(txtNAsta[ii]))
        SelezionaTesto(txtNAsta[ii]);
    else
        InvioSforzo(i);
}

void frmNodi::InvioSforzo(int i)
{
    if (i < NumAste && SchedaDisponibile(i)) {
        SelezionaScheda(i);
        txtMatAsta->setFocus();
    } else {
        FocusPulsanteRegistra();
    }
}

bool frmNodi::TastoPremuto(QObject* oggetto, int tasto, const QString& testo)
{
    const bool punto = testo == QStringLiteral(".");
    auto virgola = [&](QLineEdit* box) {
        if (!punto)
            return false;
        box->insert(QStringLiteral(","));
        return true;
    };

    if (oggetto == cmbTipoNodo) {
        // The list takes no typed keys; Enter goes on to the first notch field.
        if (invio(tasto))
            SelezionaTesto(txtMis[1]);
        return !testo.isEmpty() || invio(tasto);
    }
    if (oggetto == SSTab2->tabBar()) {
        if (testo.isEmpty() && !invio(tasto))
            return false;
        SelezionaTesto(txtMatAsta);
        return true;
    }
    if (oggetto == txtMatAsta) {
        if (testo == QStringLiteral(".") || testo == QStringLiteral(","))
            return true;
        if (invio(tasto)) {
            SelezionaTesto(txtBAsta[static_cast<std::size_t>(AstaSelezionata())]);
            return true;
        }
        return false;
    }
    for (int i = 1; i <= 4; ++i) {
        if (oggetto != txtMis[static_cast<std::size_t>(i)])
            continue;
        if (invio(tasto)) {
            if (i < 4 && Mostrato(txtMis[static_cast<std::size_t>(i + 1)]))
                SelezionaTesto(txtMis[static_cast<std::size_t>(i + 1)]);
            else if (Mostrato(txtReaz))
                SelezionaTesto(txtReaz);
            else
                SelezionaTesto(txtMatAsta);
            return true;
        }
        return virgola(txtMis[static_cast<std::size_t>(i)]);
    }
    if (oggetto == txtReaz) {
        if (invio(tasto)) {
            SelezionaTesto(txtLapp);
            return true;
        }
        return virgola(txtReaz);
    }
    if (oggetto == txtLapp) {
        if (invio(tasto)) {
            SelezionaScheda(0);
            txtMatAsta->setFocus();
            return true;
        }
        return virgola(txtLapp);
    }
    for (int i = 1; i <= NumAste; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        if (oggetto == ComboAsta[ii]) {
            if (!invio(tasto))
                return false;
            SelezionaTesto(txtBAsta[ii]);
            return true;
        }
        if (oggetto == txtBAsta[ii]) {
            if (!invio(tasto))
                return virgola(txtBAsta[ii]);
            if (Mostrato(txtHAsta[ii]))
                SelezionaTesto(txtHAsta[ii]);
            else if (Mostrato(txtAngAsta[ii]))
                SelezionaTesto(txtAngAsta[ii]);
            else
                InvioAngolo(i);   // never into a hidden field
            return true;
        }
        if (oggetto == txtHAsta[ii]) {
            if (!invio(tasto))
                return virgola(txtHAsta[ii]);
            if (Mostrato(txtAngAsta[ii]))
                SelezionaTesto(txtAngAsta[ii]);
            else
                InvioAngolo(i);
            return true;
        }
        if (oggetto == txtAngAsta[ii]) {
            if (!invio(tasto))
                return virgola(txtAngAsta[ii]);
            InvioAngolo(i);
            return true;
        }
        if (oggetto == txtNAsta[ii]) {
            if (!invio(tasto))
                return virgola(txtNAsta[ii]);
            InvioSforzo(i);
            return true;
        }
    }
    for (int i = 1; i <= 3; ++i) {
        QLineEdit* box = txtCoefCar[static_cast<std::size_t>(i)];
        if (oggetto == box)
            return virgola(box) || TastoCoefficiente(box, tasto);
    }
    for (int i = 1; i <= 6; ++i) {
        QLineEdit* box = txtCoefMat[static_cast<std::size_t>(i)];
        if (oggetto == box)
            return virgola(box) || TastoCoefficiente(box, tasto);
    }
    return false;
}

bool frmNodi::eventFilter(QObject* oggetto, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::KeyPress: {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (TastoPremuto(oggetto, tasto->key(), tasto->text()))
            return true;
        break;
    }
    case QEvent::FocusOut:
        for (int i = 1; i <= 3; ++i) {
            if (oggetto == txtCoefCar[static_cast<std::size_t>(i)])
                CoefficienteLasciato(txtCoefCar[static_cast<std::size_t>(i)]);
        }
        for (int i = 1; i <= 6; ++i) {
            if (oggetto == txtCoefMat[static_cast<std::size_t>(i)])
                CoefficienteLasciato(txtCoefMat[static_cast<std::size_t>(i)]);
        }
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::Leave:
        if (EventoImmagine(oggetto, evento))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(oggetto, evento);
}
