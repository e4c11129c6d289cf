#pragma once
#include "calcolo/Coefficienti.h"
#include "calcolo/DatiNodo.h"
#include "calcolo/DurateCarico.h"

#include "QOR_TRVSL10.h"

#include <QString>

#include <cstdint>

// Registration of a joint's data into the register, and its verification by its type.

// Area, second moment and section modulus of a bar from its section (cm): each power in
// double precision, each result a float before the next one; piGreco is the program's float π.
void CalcolaSezione(clsAsta& a, float piGreco);

// The γM a bar of this timber type is computed with (a factor that is not positive counts as
// 1). A stated type the code's table has no row for gives NaN: strengths that never pass.
float GammaMUsato(const Coefficienti& c, int tipologia);

// Design strengths characteristic × kmod / γM (after the material and the axial force), γM of
// the material's timber type, kmod of the service class and the joint's load-duration class.
void CalcolaResistenzeProgetto(clsAsta& a, const Coefficienti& c, int tipologia,
                               int durata = DurataCarico::Permanente);
// The same with the type the material's description names.
void CalcolaResistenzeProgetto(clsAsta& a, const Coefficienti& c);

// After a change of the coefficients: every registered bar's design strengths again from its
// characteristic values, and every registered joint verified again. The joints whose
// verification now fails or is refused are left not verified.
void RicalcolaCalcolo(clsGenVerNodi& registro, const Coefficienti& c, const TipologieMateriali& tipologie,
                      const DurateCarico& durate = {});

// Copies validated data into joint nodo (number n of the register): type, the measures the
// type uses, every bar with its section values, material and design strengths. Bars the type
// no longer has leave the joint. False, changing nothing, for a type of no table row.
// The timber type of each bar's material is recorded in tipologie, the joint's load-duration
// class in durate, when given.
bool RegistraNodo(clsGenVerNodi& registro, std::int16_t n, clsNodo& nodo, const DatiNodo& dati,
                  const Coefficienti& c, float piGreco, TipologieMateriali* tipologie = nullptr,
                  DurateCarico* durate = nullptr);

// The timber type of a bar's material that the code's γM table has no row for (CLT under
// NTC 2008), with the message that refuses it; empty when every type has its row.
QString TipologiaSenzaRiga(const DatiNodo& dati, const Coefficienti& c);

// The message for a joint whose type has no verification.
QString TestoTipoNonImplementato();

// The outcome of a verification, as the program tells it.
struct EsitoVerifica {
    bool eseguita = false;   // verified: not refused, no error, every result valid
    bool tipoNoto = true;    // the joint's type has a verification
    QString errore;          // an arithmetic or position error of the library, as it says it
    QString nonValido;       // a result that is negative or not finite (RisultatoNonValido)
    // The reason the joint is not verified, for the report box; empty when verified or when
    // the library refused it with its own message.
    QString Motivo() const;
};

// Verifies joint n by its type; every failure comes back in the outcome, none is raised.
EsitoVerifica EseguiVerifica(clsGenVerNodi& registro, std::int16_t n, Normativa normativa = Normativa::NTC2008);

// Runs the verification of joint n's type. procedi False when the library refused the joint
// or the type has none (then tipoNoto is false). ErroreCalcolo and std::out_of_range pass on.
// Under NTC 2018 the heel shear is computed over lv,ef = min(lv, 8·tv); the joint's stored
// heel lengths are left as typed.
void VerificaNodo(clsGenVerNodi& registro, std::int16_t n, bool& procedi, bool* tipoNoto = nullptr,
                  Normativa normativa = Normativa::NTC2008);
