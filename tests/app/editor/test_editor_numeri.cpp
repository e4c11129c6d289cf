// The one conversion between texts and numbers of the editor's numeric fields.
#include "calcolo/Numeri.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

TEST(Numeri, ReadsDecimalTextsAndRefusesTheRest)
{
    struct Caso { const char* testo; std::optional<double> valore; };
    const Caso casi[] = {
        {"12,5", 12.5},   {"12.5", 12.5},   {"  7 ", 7.0},    {"-3,25", -3.25}, {"+4", 4.0},
        {",5", 0.5},      {"5,", 5.0},      {"0", 0.0},       {"-0", 0.0},      {"007", 7.0},
        {"", {}},         {"   ", {}},      {"abc", {}},      {"12a", {}},      {"1.234,5", {}},
        {"1,234.5", {}},  {"1.200.000", {}}, {"1 000", {}},   {"1e3", {}},      {"--1", {}},
        {"+", {}},        {",", {}},        {"- 5", {}},      {"5-", {}},       {"0x10", {}},
    };
    for (const Caso& c : casi) {
        const std::optional<double> letto = Numeri::Leggi(QString::fromLatin1(c.testo));
        ASSERT_EQ(letto.has_value(), c.valore.has_value()) << '"' << c.testo << '"';
        if (c.valore) {
            EXPECT_DOUBLE_EQ(*letto, *c.valore) << '"' << c.testo << '"';
        }
        EXPECT_EQ(Numeri::EUnNumero(QString::fromLatin1(c.testo)), c.valore.has_value()) << c.testo;
    }
}

TEST(Numeri, FloatBeyondItsRangeIsNotANumber)
{
    EXPECT_FALSE(Numeri::LeggiFloat(QStringLiteral("1") + QString(60, QLatin1Char('0'))).has_value());
    EXPECT_EQ(Numeri::LeggiFloat(QStringLiteral("0,1")), 0.1f);
}

TEST(Numeri, ShowsFloatsWithDecimalCommaAndNoExponent)
{
    struct Caso { float valore; const char* testo; };
    const Caso casi[] = {
        {12.5f, "12,5"}, {25.0f, "25"},          {0.1f, "0,1"},        {-25.0f, "-25"},
        {-0.0f, "0"},    {314.1593f, "314,1593"}, {7853.982f, "7853,982"}, {1234567.0f, "1234567"},
        {0.00001f, "0,00001"}, {2.5e-7f, "0,00000025"},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(Numeri::Testo(c.valore), QString::fromLatin1(c.testo)) << c.testo;
    // Whatever the magnitude, the text reads back through the same conversion.
    for (float v : {1e20f, -3.4e38f, 1e-20f, 123456789.0f}) {
        const std::optional<float> letto = Numeri::LeggiFloat(Numeri::Testo(v));
        ASSERT_TRUE(letto.has_value()) << Numeri::Testo(v).toStdString();
        EXPECT_NEAR(*letto, v, std::fabs(v) * 1e-6f);
    }
}

TEST(Numeri, TwoDecimalsWithComma)
{
    EXPECT_EQ(Numeri::TestoDueDecimali(21), QStringLiteral("21,00"));
    EXPECT_EQ(Numeri::TestoDueDecimali(3.456), QStringLiteral("3,46"));
    EXPECT_EQ(Numeri::TestoDueDecimali(11600), QStringLiteral("11600,00"));
    EXPECT_EQ(Numeri::TestoDueDecimali(-0.001), QStringLiteral("0,00"));
    EXPECT_EQ(Numeri::TestoDueDecimali(-1.5), QStringLiteral("-1,50"));
}

TEST(Numeri, LeadingWholeNumber)
{
    struct Caso { const char* testo; int valore; };
    const Caso casi[] = {
        {"12", 12}, {" 7abc", 7}, {"abc", 0}, {"", 0}, {"-3", -3},
        {"2,5", 2}, {"3,5", 4},   {"12.7", 13}, {"99999999999", 0},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(Numeri::NumeroIniziale(QString::fromLatin1(c.testo)), c.valore) << c.testo;
}
