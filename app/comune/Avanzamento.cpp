#include "comune/Avanzamento.h"

#include <QApplication>
#include <QProgressDialog>

namespace {
Avanzamento::Risponditore& risponditore()
{
    static Avanzamento::Risponditore r;
    return r;
}
}  // namespace

Avanzamento::Avanzamento(const QString& testo, int totale) : totale_(totale)
{
    if (risponditore() || totale < Minimo)
        return;
    dialogo_ = std::make_unique<QProgressDialog>(testo, QStringLiteral("Annulla"), 0, totale,
                                                 QApplication::activeWindow());
    dialogo_->setWindowTitle(QApplication::applicationName());
    dialogo_->setWindowModality(Qt::ApplicationModal);
    dialogo_->setMinimumDuration(500);
    dialogo_->setAutoClose(false);
    dialogo_->setAutoReset(false);
}

Avanzamento::~Avanzamento() = default;

bool Avanzamento::Passo(int fatti)
{
    if (risponditore())
        return risponditore()(fatti, totale_);
    if (!dialogo_)
        return true;
    dialogo_->setValue(fatti);   // a modal dialog lets its Cancel button be pressed here
    return !dialogo_->wasCanceled();
}

void Avanzamento::ImpostaRisponditore(Risponditore r) { risponditore() = std::move(r); }
