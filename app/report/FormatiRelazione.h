#pragma once
#include <QString>

// Number formats of the verification report: decimal comma, no thousands separator,
// halves rounded away from zero.
namespace FormatiRelazione {
QString Fixed2(float valore);    // two decimals, e.g. "9,50", "-0,25", "123,46"
QString Right5(float valore);    // Fixed2 right-aligned in 5 characters, never cut
QString Right6(float valore);    // Fixed2 right-aligned in 6 characters, never cut
QString Right2(int valore);
QString Percento(double valore);   // a utilisation, one decimal: "262,9 %"; "n.d." when not finite      // decimal integer right-aligned in 2 characters, never cut
}
