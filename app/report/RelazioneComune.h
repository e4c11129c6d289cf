#pragma once
#include "report/FonteCoefficienti.h"
#include "report/SuperficieRelazione.h"

#include "QOR_TRVSL10.h"

#include <QString>

// The verification report of one joint, composed run by run on a surface. The composer only
// reads the joint, its bars and the coefficients; it changes no record.
//
// A property that cannot be read (a joint of a known type without bar 1) raises the
// collection's std::out_of_range to the caller; the runs already appended stay.
namespace Relazione {

// Clears the surface and writes the whole report: title with the joint number as the
// editor's counter shows it (numeroNodo), joint type, and for the four single-step types the
// step-joint section.
void CreaRelVerNodi(SuperficieRelazione& box, const clsNodo& nodo, const QString& numeroNodo,
                    const FonteCoefficienti& coefficienti);

// Clears the surface and writes the title and "Nodo non verificato", then, when given, the
// reason (one line each): what a joint not verified shows instead of its checks.
// The title names the code as a verified joint's report does.
void CreaRelNonVerificato(SuperficieRelazione& box, const QString& numeroNodo, const QString& motivo = QString(),
                          Normativa normativa = Normativa::NTC2008);

// An NTC 2018 report is a calculation record: besides the text of an NTC 2008 report it
// prints the joint's drawing, the inclination and thrust of each bar, the support's data,
// the utilisation and reference of each check and the joint's verdict. An NTC 2008 report
// keeps exactly the text it always had.
bool RelazioneEstesa(const FonteCoefficienti& coefficienti);

// Appends the normative coefficients section (γM of the joint's bar 1).
void CreaRelValNorm(SuperficieRelazione& box, const clsNodo& nodo,
                    const FonteCoefficienti& coefficienti);

// Appends the bar parameters section, one block per bar in collection order; with ingressi,
// each bar's inclination and axial force where its joint type asks for them.
void CreaRelParamAste(SuperficieRelazione& box, const clsNodo& nodo, bool ingressi = false);

}
