#pragma once
#include <QString>
#include <optional>

// The one conversion between numbers and texts for every numeric field of the editor
// (validation, registration, coefficients, material rows), so that they never disagree.
namespace Numeri {

// A decimal number: optional blanks, optional sign, digits with at most one decimal separator
// (comma or point, so a pasted "12.5" reads 12.5), optional blanks. No thousands separators,
// no exponent, no letters; the empty text is not a number.
std::optional<double> Leggi(const QString& testo);

// Leggi as a 32-bit float, the precision the records store.
std::optional<float> LeggiFloat(const QString& testo);

// True when Leggi accepts the text.
bool EUnNumero(const QString& testo);

// A float in the general format: up to seven significant digits, no trailing zeros, decimal
// comma, never an exponent (so the text always reads back through Leggi).
QString Testo(float valore);

// The shortest decimal text that reads back as exactly this double, decimal comma, never an
// exponent: what a box shows of a stored value so that saving it again changes nothing.
QString TestoEsatto(double valore);

// Two decimals with the decimal comma (pattern "0.00").
QString TestoDueDecimali(double valore);

// The leading whole number of a text (blanks, sign, digits), rounded half to even when a
// decimal part follows; 0 when the text does not start with a number.
int NumeroIniziale(const QString& testo);

}  // namespace Numeri
