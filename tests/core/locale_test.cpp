#include "bend_form.h"
#include "memory_field_set.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

namespace kantrix {
namespace {

// A C++ locale with the separators swapped, so that any use of the global locale shows.
class GermanPunctuation : public std::numpunct<char>
{
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// Runs each test under a German C locale (where the system has it) and a hostile C++ global
// locale, and puts both back afterwards.
class HostileLocale : public testing::Test
{
protected:
    void SetUp() override
    {
        m_previousC = std::setlocale(LC_ALL, nullptr);
        m_germanC = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        m_previousGlobal =
            std::locale::global(std::locale(std::locale::classic(), new GermanPunctuation));
    }
    void TearDown() override
    {
        std::locale::global(m_previousGlobal);
        std::setlocale(LC_ALL, m_previousC.c_str());
    }

    bool m_germanC = false;

private:
    std::string m_previousC;
    std::locale m_previousGlobal;
};

TEST_F(HostileLocale, ChangesNoNumberText)
{
    if (m_germanC) {
        ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
    }
    EXPECT_EQ(ParseNumber("1.5"), 1.5);
    EXPECT_EQ(ParseNumber("1,5"), 1);
    EXPECT_EQ(ParseNumber("0.00001"), 0.00001);
    EXPECT_EQ(FormatNumber(1234.5, twoDecimals), "1 234.50");
    EXPECT_EQ(FormatNumber(-3.83739, threeDecimals), "-3.837");
    EXPECT_EQ(NumberToText(1.2), "1.2");
    EXPECT_EQ(NumberToText(1234567.25), "1234567.25");
    EXPECT_EQ(NumberToText(4e-6), "4E-06");
}

TEST_F(HostileLocale, StartUpShowsPointsNotCommas)
{
    MemoryFieldSet fields;
    BendForm form(fields);
    form.Form_Load();
    EXPECT_EQ(fields.text(Field::Txt_l5), "196.163");
    EXPECT_EQ(fields.text(Field::Txt_Beta), "90.00");
}

} // namespace
} // namespace kantrix
