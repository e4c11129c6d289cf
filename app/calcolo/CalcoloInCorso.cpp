#include "calcolo/CalcoloInCorso.h"

#include "calcolo/RegistrazioneNodo.h"

CalcoloInCorso& CalcoloInCorso::Istanza()
{
    // Never destroyed: it may be reached until the very end of the program.
    static CalcoloInCorso* c = new CalcoloInCorso;
    return *c;
}

namespace ModuloTrevon {
std::shared_ptr<clsGenVerNodi>& GenVerNodi = CalcoloInCorso::Istanza().registro;
std::shared_ptr<clsNodo>& NodoCorrente = CalcoloInCorso::Istanza().corrente;
float& PiGreco = CalcoloInCorso::Istanza().piGreco;
}  // namespace ModuloTrevon

std::shared_ptr<clsGenVerNodi> CalcoloInCorso::NuovoRegistro()
{
    GestoreAvvisi avvisi = avvisi_;
    return std::make_shared<clsGenVerNodi>([this, avvisi](const std::string& testo, bool beep) {
        ultimoAvviso_ = QString::fromStdString(testo);
        if (avvisi && !silenzioso_)
            avvisi(testo, beep);
    });
}

void CalcoloInCorso::Nuovo()
{
    registro = NuovoRegistro();
    corrente.reset();
    durate_.Cancella();
    progetto_ = {};
    DimenticaFile();
    emit registroCambiato();
}

void CalcoloInCorso::ImpostaRegistro(std::shared_ptr<clsGenVerNodi> r)
{
    registro = std::move(r);
    corrente = registro && registro->Nodi->Count() > 0 ? registro->Nodi->Item(1) : nullptr;
    emit registroCambiato();
    emit nodiCambiati(TotaleNodi());
}

void CalcoloInCorso::Rilascia()
{
    corrente.reset();
    registro.reset();
    emit registroCambiato();
}

void CalcoloInCorso::NuovoNodo()
{
    registro->CreaNodo(std::string());
    const int totale = registro->Nodi->Count();
    corrente = registro->Nodi->Item(totale);
    emit nodiCambiati(totale);
}

void CalcoloInCorso::RimuoviNodo(int n)
{
    registro->Nodi->Remove(n);
    emit nodiCambiati(registro->Nodi->Count());
}

int CalcoloInCorso::TotaleNodi() const { return registro ? registro->Nodi->Count() : 0; }

void CalcoloInCorso::ImpostaCoefficienti(const Coefficienti& c)
{
    if (c == coefficienti_)
        return;
    coefficienti_ = c;
    if (registro) {
        silenzioso_ = true;
        RicalcolaCalcolo(*registro, coefficienti_, tipologie_, durate_);
        silenzioso_ = false;
    }
    emit coefficientiCambiati();
}

FileCalcolo::Calcolo CalcoloInCorso::Dati() const
{
    FileCalcolo::Calcolo c;
    if (registro) {
        for (int n = 1; n <= registro->Nodi->Count(); ++n)
            c.nodi.push_back(registro->Nodi->Item(n));
    }
    c.coefficienti = coefficienti_;
    c.tipologie = tipologie_;
    c.durate = durate_;
    c.progetto = progetto_;
    return c;
}

void CalcoloInCorso::SegnaSalvato(const QString& percorso, const QByteArray& dati)
{
    percorso_ = percorso;
    salvato_ = dati;
    emit fileCambiato(percorso_);
}

void CalcoloInCorso::DimenticaFile()
{
    percorso_.clear();
    salvato_.clear();
    emit fileCambiato(percorso_);
}

void CalcoloInCorso::AccettaModifiche()
{
    salvato_ = FileCalcolo::Scrivi(Dati());
    emit modificato();
}

bool CalcoloInCorso::HaNodiRegistrati() const
{
    if (!registro)
        return false;
    for (int n = 1; n <= registro->Nodi->Count(); ++n) {
        if (!registro->Nodi->Item(n)->TipoNodo.empty())
            return true;
    }
    return false;
}

bool CalcoloInCorso::DaSalvare() const { return HaNodiRegistrati() && FileCalcolo::Scrivi(Dati()) != salvato_; }
