// Number formats of the report.
#include "RunsAttesi.h"

#include "report/FormatiRelazione.h"

#include <gtest/gtest.h>

using namespace FormatiRelazione;

namespace {

struct CasoFixed2 {
    const char* nome;
    float valore;
    const char* atteso;
};

TEST(FormatiRelazione, Fixed2)
{
    const CasoFixed2 casi[] = {
        {"whole number", 12, "12,00"},
        {"zero", 0, "0,00"},
        {"below one keeps a leading zero", 0.5f, "0,50"},
        {"rounded down", 9.564f, "9,56"},
        {"rounded up", 9.566f, "9,57"},
        {"exact half rounds away from zero", 0.125f, "0,13"},
        {"exact half of an odd hundredth", 0.375f, "0,38"},
        {"negative exact half", -0.125f, "-0,13"},
        {"negative", -2.5f, "-2,50"},
        {"negative that rounds to zero has no minus", -0.001f, "0,00"},
        {"no thousands separator", 45869.25f, "45869,25"},
        {"carry into the integer part", 9.999f, "10,00"},
        {"large float keeps its exact digits", 1180591620717411303424.0f, "1180591620717411303424,00"},  // 2^70
    };
    for (const auto& caso : casi)
        EXPECT_EQ(Fixed2(caso.valore), QString::fromUtf8(caso.atteso)) << caso.nome;
}

TEST(FormatiRelazione, RightAlignedFieldsPadButNeverCut)
{
    EXPECT_EQ(Right5(123.456f), QStringLiteral("123,46"));   // six characters, not cut
    EXPECT_EQ(Right5(9.5f), QStringLiteral(" 9,50"));
    EXPECT_EQ(Right5(21), QStringLiteral("21,00"));
    EXPECT_EQ(Right6(9.5652f), QStringLiteral("  9,57"));
    EXPECT_EQ(Right6(45.869f), QStringLiteral(" 45,87"));
    EXPECT_EQ(Right6(0), QStringLiteral("  0,00"));
    EXPECT_EQ(Right6(-12.5f), QStringLiteral("-12,50"));
    EXPECT_EQ(Right6(1234.5f), QStringLiteral("1234,50"));
    EXPECT_EQ(Right2(1), QStringLiteral(" 1"));
    EXPECT_EQ(Right2(12), QStringLiteral("12"));
    EXPECT_EQ(Right2(123), QStringLiteral("123"));
}

}
