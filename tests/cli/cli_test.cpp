#include "bend_calculation.h"
#include "correction.h"
#include "number_text.h"
#include "quantities.h"
#include "quantity_lines.h"
#include "row_names.h"
#include "stored_value.h"
#include "value_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kantrix::cli {
namespace {

using test::PrintTo;
using testing::HasSubstr;

struct Outcome
{
    std::string out;
    std::string err;
    int status = -1;
};

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string scratch(const std::string& name)
{
    return testing::TempDir() + "kantrix_cli_" + std::to_string(getpid()) + "_" + name;
}

std::string writeScratch(const std::string& name, const std::string& text)
{
    const std::string path = scratch(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Runs the installed-to-be program with `arguments`, `input` on its standard input (or the file
// `in`), and its standard output into a scratch file (or into `out`).
Outcome run(std::vector<std::string> arguments, const std::string& input = {}, std::string out = {},
            std::string in = {})
{
    if (in.empty())
        in = writeScratch("stdin", input);
    const bool outToScratch = out.empty();
    if (outToScratch)
        out = scratch("stdout");
    const std::string err = scratch("stderr");
    arguments.insert(arguments.begin(), KANTRIX_CLI);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        dup2(open(in.c_str(), O_RDONLY), 0);
        dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return {outToScratch ? readFile(out) : std::string(), readFile(err),
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    return parts;
}

// A random value as a script might write it; now and then out of range, so that the window's
// corrections come into play.
class RandomBends
{
public:
    std::string value()
    {
        std::ostringstream text;
        text.precision(std::uniform_int_distribution(1, 6)(m_random));
        text << std::pow(10.0, m_magnitude(m_random)) * (m_negative(m_random) ? -1 : 1);
        return text.str();
    }
    std::array<std::optional<std::string>, inputFields.size()> bend()
    {
        std::array<std::optional<std::string>, inputFields.size()> texts;
        for (auto& text : texts)
            if (m_given(m_random))
                text = value();
        return texts;
    }
    static constexpr unsigned seed = 20261208;

private:
    std::mt19937 m_random{seed};
    std::uniform_real_distribution<double> m_magnitude{-2, 3};
    std::bernoulli_distribution m_negative{0.05};
    std::bernoulli_distribution m_given{0.8};
};

BendEntry entryOf(const std::array<std::optional<std::string>, inputFields.size()>& texts)
{
    BendEntry entry;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i])
            entry[i] = *texts[i];
    return entry;
}

TEST(KantrixCli, OneBendShowsTheTextsAndValuesOfTheCore)
{
    RandomBends random;
    BendCalculation core;
    for (int i = 0; i < 25; ++i) {
        const auto texts = random.bend();
        std::vector<std::string> arguments;
        for (std::size_t f = 0; f < texts.size(); ++f)
            if (texts[f])
                arguments.push_back(std::string(inputKeys[f]) + "=" + *texts[f]);
        core.calculate(entryOf(texts));
        SCOPED_TRACE(testing::PrintToString(arguments) + ", seed " +
                     std::to_string(RandomBends::seed));

        const Outcome lines = run(arguments);
        ASSERT_EQ(lines.status, 0) << lines.err;
        EXPECT_EQ(lines.out, quantityLines(core.fields()));

        arguments.push_back("--json");
        const Outcome asJson = run(arguments);
        ASSERT_EQ(asJson.status, 0) << asJson.err;
        EXPECT_EQ(asJson.err, lines.err);
        const nlohmann::json result = nlohmann::json::parse(asJson.out);
        for (const Quantity& quantity : quantities) {
            const nlohmann::json& field = result.at(std::string(quantity.key));
            EXPECT_EQ(field.at("text"), core.fields().text(quantity.field)) << quantity.key;
            EXPECT_EQ(field.at("value").get<double>(),
                      storedValue(core.form().state(), quantity.field))
                << quantity.key;
            // and the text shows that value, rounded to its decimals
            const double value = field.at("value").get<double>();
            EXPECT_NEAR(value, ParseNumber(field.at("text").get<std::string>()),
                        std::max(0.005, 1e-14 * std::fabs(value)))
                << quantity.key;
        }
        const std::vector<Correction> corrections = core.form().corrections();
        EXPECT_EQ(result.at("corrections").size(), corrections.size());
        for (std::size_t c = 0; c < corrections.size(); ++c) {
            const Correction& correction = corrections[c];
            const nlohmann::json& shown = result.at("corrections").at(c);
            const auto input = std::find(inputFields.begin(), inputFields.end(), correction.field);
            EXPECT_EQ(shown.at("field"), inputKeys[input - inputFields.begin()]);
            EXPECT_EQ(shown.at("typed"), correction.typed);
            EXPECT_EQ(shown.at("replacement"), correction.replacement);
            EXPECT_EQ(shown.at("note"), correctionNote(correction));
        }
        // As nlohmann writes it, indented by two and ending in a newline.
        EXPECT_EQ(asJson.out, nlohmann::ordered_json::parse(asJson.out).dump(2) + '\n');
    }
}

TEST(KantrixCli, ABatchShowsTheTextsOfTheCoreWithoutGroupBlanks)
{
    RandomBends random;
    std::string input = "b,a,beta,s,r\n"; // any order
    std::vector<std::array<std::optional<std::string>, inputFields.size()>> bends;
    // Enough rows to be shared out among threads, in runs of unequal length.
    for (int i = 0; i < 4100; ++i) {
        const auto& texts = bends.emplace_back(random.bend());
        for (std::size_t f = inputFields.size(); f-- > 0;)
            input += texts[f].value_or("") + (f > 0 ? "," : "\n");
    }
    const Outcome batch = run({"--csv", writeScratch("random.csv", input)});
    ASSERT_EQ(batch.status, 0) << batch.err;
    const std::vector<std::string> rows = split(batch.out, '\n');
    ASSERT_EQ(rows.size(), bends.size() + 1);
    EXPECT_EQ(rows[0], "r,s,beta,alpha,k,n,v,bz,a,b,a',b',L,error");

    BendCalculation core;
    for (std::size_t i = 0; i < bends.size(); ++i) {
        core.calculate(entryOf(bends[i]));
        std::string expected;
        for (const Quantity& quantity : quantities) {
            std::string text = core.fields().text(quantity.field);
            std::erase(text, ' ');
            expected += text + ",";
        }
        ASSERT_EQ(rows[i + 1], expected) << "row " << i + 2 << ", seed " << RandomBends::seed;
    }
}

struct CallCase
{
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::string err; // exactly, or for refusals the part that names value and field
    std::string input = {};
};

class Calls : public testing::TestWithParam<CallCase>
{};

TEST_P(Calls, ReportOnStandardErrorWithTheirStatus)
{
    const Outcome result = run(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.status, GetParam().status);
    if (GetParam().status == 0) {
        EXPECT_EQ(result.err, GetParam().err);
    } else {
        EXPECT_THAT(result.err, HasSubstr(GetParam().err));
        EXPECT_EQ(result.out, "");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Notes, Calls, testing::Values(
    CallCase{"RadiusZero", {"r=0"}, 0, "r auf 0.00001 korrigiert (eingegeben: „0“): der Biegeradius muss größer als 0 sein\n"},
    CallCase{"ThicknessNegative", {"s=-1"}, 0, "s auf 0.00001 korrigiert (eingegeben: „-1“): die Blechdicke muss größer als 0 sein\n"},
    CallCase{"AngleZero", {"beta=0"}, 0, "β auf 1 korrigiert (eingegeben: „0“): der Öffnungswinkel muss größer als 0° sein\n"},
    CallCase{"Angle180", {"beta=180"}, 0, "β auf 179 korrigiert (eingegeben: „180“): der Öffnungswinkel muss kleiner als 180° sein\n"},
    CallCase{"FlangeShort", {"a=5"}, 0, "a auf 8 korrigiert (eingegeben: „5“): minimale Schenkellänge = 4*r\n"},
    CallCase{"FlangeNotGiven", {"r=30", "b=1e3"}, 0, "a auf 120 korrigiert (eingegeben: „100“): minimale Schenkellänge = 4*r\n"},
    CallCase{"NoneInRange", {"r=0.000001", "beta=179.99"}, 0, ""},
    CallCase{"TableKeepsTheFlangesQuiet", {"tabelle", "-s", "1", "-r", "30"}, 0, ""},
    CallCase{"TableOfTheMostCells", {"tabelle", "-s", "1:100:1", "-r", "1:1000:1"}, 0, ""},
    CallCase{"EndOfOptions", {"--", "r=2"}, 0, ""},
    CallCase{"BatchOfNoRows", {"--csv", "-"}, 0, "", "r,s\n"},
    CallCase{"BatchOfOneByte", {"--csv", "-"}, 0, "", "r"}));

INSTANTIATE_TEST_SUITE_P(Refusals, Calls, testing::Values(
    CallCase{"DecimalComma", {"r=1,5"}, 2, "„1,5“ für r"},
    CallCase{"Unit", {"s=12mm"}, 2, "„12mm“ für s"},
    CallCase{"Blank", {"beta= 90"}, 2, "„ 90“ für beta"},
    CallCase{"Empty", {"a="}, 2, "„“ für a"},
    CallCase{"Hexadecimal", {"r=2", "b=0x10"}, 2, "„0x10“ für b"},
    CallCase{"Infinity", {"r=inf"}, 2, "„inf“ für r"},
    CallCase{"Twice", {"r=2", "r=3"}, 2, "r ist mehr als einmal angegeben\n"},
    CallCase{"UnknownKey", {"x=3"}, 2, "Unbekanntes Argument „x=3“"},
    CallCase{"UnknownOption", {"--yaml"}, 2, "Unbekanntes Argument „--yaml“\nHilfe: kantrix-cli --help\n"},
    CallCase{"OptionWithoutValue", {"--csv"}, 2, "Option --csv: der Wert fehlt oder sie ist mehr als einmal angegeben\n"},
    CallCase{"FlagWithValue", {"--json=abc"}, 2, "Aufruf nicht verstanden (Could not convert: --json = abc)\n"},
    CallCase{"DirectoryAsBatch", {"--csv", "/"}, 2, "„/“ kann nicht gelesen werden: "},
    CallCase{"MissingFile", {"--csv", "/nonexistent/bends.csv"}, 2, "„/nonexistent/bends.csv“ kann nicht gelesen werden"},
    CallCase{"CsvWithValues", {"--csv", "-", "r=2"}, 2, "--csv nimmt weder"},
    CallCase{"CsvWithJson", {"--csv", "-", "--json"}, 2, "--csv nimmt weder"},
    CallCase{"EmptyBatch", {"--csv", "-"}, 2, "Die Eingabe ist leer: erwartet wird eine Kopfzeile mit r, s, beta, a oder b\n", ""},
    CallCase{"UnknownColumn", {"--csv", "-"}, 2, "Unbekannte Spalte „x“ in der Kopfzeile: erwartet werden r, s, beta, a und b\n", "r,x\n2,3\n"},
    CallCase{"OnlyResultColumns", {"--csv", "-"}, 2, "Die Kopfzeile nennt keine der Spalten r, s, beta, a, b\n", "alpha,L\n"},
    CallCase{"ColumnTwice", {"--csv", "-"}, 2, "Die Spalte „r“ steht mehr als einmal in der Kopfzeile\n", "r,s,r\n"},
    CallCase{"EmptyFirstColumn", {"--csv", "-"}, 2, "Unbekannte Spalte „“", ";r\n"},
    CallCase{"TableWithValues", {"r=2", "tabelle", "-s", "1", "-r", "2"}, 2, "tabelle nimmt weder"},
    CallCase{"TableWithJson", {"--json", "tabelle", "-s", "1", "-r", "2"}, 2, "tabelle nimmt weder"},
    CallCase{"TableWithCsv", {"--csv", "-", "tabelle", "-s", "1", "-r", "2"}, 2, "tabelle nimmt weder"},
    CallCase{"TableWithoutRadius", {"tabelle", "-s", "1"}, 2, "tabelle braucht --dicke und --radius"},
    CallCase{"TableWithoutThickness", {"tabelle", "-r", "1"}, 2, "tabelle braucht --dicke und --radius"},
    CallCase{"SemicolonWithoutCsv", {"tabelle", "-s", "1", "-r", "2", "--semikolon"}, 2, "--semikolon gilt nur zusammen mit --csv"},
    CallCase{"WordAfterTable", {"tabelle", "-s", "1", "-r", "2", "extra"}, 2, "Unbekanntes Argument „extra“"},
    CallCase{"TableTwoThicknesses", {"tabelle", "-s", "1", "2", "-r", "2"}, 2, "Unbekanntes Argument „2“"},
    CallCase{"TableTwoRadii", {"tabelle", "-s", "1", "-r", "2", "3"}, 2, "Unbekanntes Argument „3“"},
    CallCase{"TableTwoAngles", {"tabelle", "-s", "1", "-r", "2", "--beta", "90", "120"}, 2, "Unbekanntes Argument „120“"},
    CallCase{"TableComma", {"tabelle", "-s", "1,5", "-r", "2"}, 2, "„1,5“ für --dicke"},
    CallCase{"TableRadiusComma", {"tabelle", "-s", "1", "-r", "1,5"}, 2, "„1,5“ für --radius"},
    CallCase{"TableAngleComma", {"tabelle", "-s", "1", "-r", "2", "--beta", "1,5"}, 2, "„1,5“ für --beta"},
    CallCase{"TableDown", {"tabelle", "-s", "3:1:0.5", "-r", "2"}, 2, "„3:1:0.5“ für --dicke"},
    CallCase{"TableTooLarge", {"tabelle", "-s", "1:999:1", "-r", "1:999:1"}, 2, "998001 Zellen"},
    CallCase{"TablesTooMany", {"tabelle", "-s", "1:1000:1", "-r", "1:10:1", "--beta", "1:11:1"}, 2, "Die Tabellen hätten 110000 Zellen, mehr als 100000\n"}));

INSTANTIATE_TEST_SUITE_P(Faults, Calls, testing::Values(
    CallCase{"FlangeMinimum", {"r=1e308"}, 3, "Rechenfehler: Überlauf\n"},
    CallCase{"Ratio", {"r=1e300", "s=1e-300"}, 3, "Rechenfehler: Überlauf\n"},
    CallCase{"RatioUnderflow", {"r=1e-300", "s=1e300"}, 3, "Rechenfehler: Ungültiger Prozeduraufruf oder ungültiges Argument\n"},
    CallCase{"DigitsBeyondRange", {"a=1" + std::string(309, '0')}, 3, "Rechenfehler: Überlauf\n"}),
    test::rowName<CallCase>);
// clang-format on

struct BatchCase
{
    const char* name;
    std::string input;
    std::string output;
    std::string err;
    // A row with too few cells is written with all its columns, and read back it is computed.
    bool readsBack = true;
};

class Batches : public testing::TestWithParam<BatchCase>
{};

// A faulting row and a refused one in the middle keep their inputs, name the fault, and the
// batch goes on; the result reads back as input to the same result.
TEST_P(Batches, GoOnPastFaultsAndReadBackTheirOwnOutput)
{
    const Outcome batch = run({"--csv", "-"}, GetParam().input);
    EXPECT_EQ(batch.status, 3);
    EXPECT_EQ(batch.out, GetParam().output);
    EXPECT_EQ(batch.err, GetParam().err);

    if (GetParam().readsBack) {
        const Outcome again = run({"--csv", writeScratch("again.csv", batch.out)});
        EXPECT_EQ(again.out, batch.out);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Conventions, Batches, testing::Values(
    BatchCase{"Point",
        "r,s,beta,a,b\n"
        "2,2,120,5,100\n"
        "1e300,1e-300,90,,\n"
        "2,2,90,12 mm,\n"
        "10,1.5,90,12345.678,\n",
        "r,s,beta,alpha,k,n,v,bz,a,b,a',b',L,error\n"
        "2.00,2.00,120.00,60.00,0.650,0.325,-1.844,2.775,8,100,7.078,99.078,106.156,\n"
        "1e300,1e-300,90,,,,,,,,,,,Rechenfehler: Überlauf\n"
        "2,2,90,,,,,,12 mm,,,,,\"Ungültiger Wert „12 mm“ für a: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\"\n"
        "10.00,1.50,90.00,90.00,1.000,0.500,-6.114,16.886,12345.678,100,12342.621,96.943,12439.564,\n",
        "Zeile 2: a auf 8 korrigiert (eingegeben: „5“): minimale Schenkellänge = 4*r\n"
        "Zeile 3: Rechenfehler: Überlauf\n"
        "Zeile 4: Ungültiger Wert „12 mm“ für a: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\n"},
    BatchCase{"Comma",
        "\xEF\xBB\xBF" "beta;r;s\r\n"
        "120;2;2\r\n"
        "90;1.5;2\r\n"
        "90;1e300;1e-300\r\n"
        "90;1234,5;2\r\n",
        "r;s;beta;alpha;k;n;v;bz;a;b;a';b';L;error\n"
        "2,00;2,00;120,00;60,00;0,650;0,325;-1,844;2,775;100;100;99,078;99,078;198,156;\n"
        "1.5;2;90;;;;;;;;;;;Ungültiger Wert „1.5“ für r: erwartet wird eine Zahl wie 1,5, -2 oder 4e-3 (ohne Tausenderpunkt)\n"
        "1e300;1e-300;90;;;;;;;;;;;Rechenfehler: Überlauf\n"
        "1234,50;2,00;90,00;90,00;1,000;0,500;-532,281;1940,719;4938;4938;4671,859;4671,859;9343,719;\n",
        "Zeile 3: Ungültiger Wert „1.5“ für r: erwartet wird eine Zahl wie 1,5, -2 oder 4e-3 (ohne Tausenderpunkt)\n"
        "Zeile 4: Rechenfehler: Überlauf\n"
        "Zeile 5: a auf 4938 korrigiert (eingegeben: „100“): minimale Schenkellänge = 4*r\n"
        "Zeile 5: b auf 4938 korrigiert (eingegeben: „100“): minimale Schenkellänge = 4*r\n"},
    BatchCase{"Ragged",
        "r,s\n"
        "2\n"
        "1;5,1\n"
        "2,1\"\n",
        "r,s,beta,alpha,k,n,v,bz,a,b,a',b',L,error\n"
        "2,,,,,,,,,,,,,\"Die Zeile hat 1 Zellen, die Kopfzeile 2\"\n"
        "1;5,1,,,,,,,,,,,,\"Ungültiger Wert „1;5“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\"\n"
        "2,\"1\"\"\",,,,,,,,,,,,\"Ungültiger Wert „1\"\"“ für s: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\"\n",
        "Zeile 2: Die Zeile hat 1 Zellen, die Kopfzeile 2\n"
        "Zeile 3: Ungültiger Wert „1;5“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\n"
        "Zeile 4: Ungültiger Wert „1\"“ für s: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\n",
        false},
    // Cells that a reader would split or trim are quoted when they are written back.
    BatchCase{"Blanks",
        "r,s\n"
        "\" 1\",1\n"
        "\"1 \",1\n"
        "\"\t1\",1\n"
        "\"1\t\",1\n"
        "\"1\n2\",1\n",
        "r,s,beta,alpha,k,n,v,bz,a,b,a',b',L,error\n"
        "\" 1\",1,,,,,,,,,,,,\"Ungültiger Wert „ 1“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\"\n"
        "\"1 \",1,,,,,,,,,,,,\"Ungültiger Wert „1 “ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\"\n"
        "\"\t1\",1,,,,,,,,,,,,\"Ungültiger Wert „\t1“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\"\n"
        "\"1\t\",1,,,,,,,,,,,,\"Ungültiger Wert „1\t“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\"\n"
        "\"1\n2\",1,,,,,,,,,,,,\"Ungültiger Wert „1\n2“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\"\n",
        "Zeile 2: Ungültiger Wert „ 1“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\n"
        "Zeile 3: Ungültiger Wert „1 “ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\n"
        "Zeile 4: Ungültiger Wert „\t1“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\n"
        "Zeile 5: Ungültiger Wert „1\t“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\n"
        "Zeile 6: Ungültiger Wert „1\n2“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)\n"}),
    test::rowName<BatchCase>);
// clang-format on

TEST(KantrixCli, StandardStreamsThatFailAreNoSuccess)
{
    EXPECT_EQ(run({"r=2"}, {}, "/dev/full").status, 1);
    const Outcome directory = run({"--csv", "-"}, {}, {}, "/");
    EXPECT_EQ(directory.status, 2);
    EXPECT_THAT(directory.err, HasSubstr("Die Standardeingabe kann nicht gelesen werden: "));
}

TEST(KantrixCli, BothConventionsGiveTheSameNumbers)
{
    const std::string point = run({"--csv", "-"}, "r,s,beta,a,b\n2.5,1.5,135,1e3,20\n").out;
    std::string comma = run({"--csv", "-"}, "r;s;beta;a;b\n2,5;1,5;135;1e3;20\n").out;
    std::replace(comma.begin(), comma.end(), ',', '.');
    std::replace(comma.begin(), comma.end(), ';', ',');
    EXPECT_EQ(comma, point);
}

TEST(KantrixCli, TablesShowTheDeductionOfTheWindow)
{
    const Outcome text = run({"tabelle", "--dicke", "1:2:0.5", "-r", "2/10", "--beta", "90/0"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out,
              "Verkürzung v in mm nach DIN 6935 bei Öffnungswinkel β = 90.00° (Biegewinkel α = "
              "90.00°)\n"
              "Zeilen: Blechdicke s in mm, Spalten: Biegeradius r in mm\n\n"
              "s \\ r     2.00    10.00\n"
              " 1.00   -2.230   -5.507\n"
              " 1.50   -3.019   -6.114\n"
              " 2.00   -3.837   -6.721\n\n"
              "Verkürzung v in mm nach DIN 6935 bei Öffnungswinkel β = 1.00° (Biegewinkel α = "
              "179.00°)\n"
              "Zeilen: Blechdicke s in mm, Spalten: Biegeradius r in mm\n\n"
              "s \\ r     2.00    10.00\n"
              " 1.00    1.499   10.803\n"
              " 1.50    0.918   10.584\n"
              " 2.00    0.279   10.366\n");
    EXPECT_EQ(text.err,
              "β auf 1 korrigiert (eingegeben: „0“): der Öffnungswinkel muss größer als 0° sein\n");

    const Outcome csv =
        run({"tabelle", "-s", "1e-300", "-r", "2", "-r", "1e300", "--csv", "--semikolon"});
    EXPECT_EQ(csv.status, 3);
    EXPECT_EQ(csv.out, "beta;s;r=2,00;r=1e300\n90,00;0,00;-0,858;\n");
    EXPECT_EQ(csv.err, "Rechenfehler: Überlauf bei r = 1e300, s = 1e-300, β = 90\n");
}

struct LayoutCase
{
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
};

class TableLayouts : public testing::TestWithParam<LayoutCase>
{};

// A column is as wide as its widest heading or cell and the first as its widest thickness; a cell
// that faults reads "Fehler", and a table none of whose cells was computed keeps the typed texts.
TEST_P(TableLayouts, AlignUnderTheWidestText)
{
    EXPECT_EQ(run(GetParam().arguments).out, GetParam().out);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, TableLayouts, testing::Values(
    LayoutCase{"EveryCellFaults", {"tabelle", "-s", "1e-300", "-r", "1e300"},
        "Verkürzung v in mm nach DIN 6935 bei Öffnungswinkel β = 90° (Biegewinkel α = ?°)\n"
        "Zeilen: Blechdicke s in mm, Spalten: Biegeradius r in mm\n\n"
        "s \\ r     1e300\n"
        "1e-300   Fehler\n"},
    LayoutCase{"RadiusWiderThanTheCells", {"tabelle", "-s", "1", "-r", "1000", "--beta", "179"},
        "Verkürzung v in mm nach DIN 6935 bei Öffnungswinkel β = 179.00° (Biegewinkel α = 1.00°)\n"
        "Zeilen: Blechdicke s in mm, Spalten: Biegeradius r in mm\n\n"
        "s \\ r   1 000.00\n"
        " 1.00     -0.009\n"},
    LayoutCase{"CsvWithPoint", {"tabelle", "-s", "1", "-r", "2", "--csv"},
        "beta,s,r=2.00\n90.00,1.00,-2.230\n"}),
    test::rowName<LayoutCase>);
// clang-format on

struct ListCase
{
    const char* name;
    const char* list;
    std::vector<std::string> values; // empty: refused
};

class ValueLists : public testing::TestWithParam<ListCase>
{};

TEST_P(ValueLists, ExpandToTheTextsToType)
{
    std::vector<std::string> values;
    const std::optional<std::string> refusal = expandValues("--radius", GetParam().list, values);
    EXPECT_EQ(refusal.has_value(), GetParam().values.empty()) << refusal.value_or("");
    if (!refusal) {
        EXPECT_EQ(values, GetParam().values);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Specs, ValueLists, testing::Values(
    ListCase{"List", "1/2.5/-4", {"1", "2.5", "-4"}},
    ListCase{"Range", "1:3:0.5", {"1", "1.5", "2", "2.5", "3"}},
    ListCase{"TenthsEndOnTheBound", "0.1:0.5:0.1", {"0.1", "0.2", "0.3", "0.4", "0.5"}},
    ListCase{"StepPastTheEnd", "1:2:0.4", {"1", "1.4", "1.8"}},
    ListCase{"Mixed", "0.5/1:2:1", {"0.5", "1", "2"}},
    ListCase{"DecimalComma", "1,5", {}},
    ListCase{"EmptyItem", "1//2", {}},
    ListCase{"TwoBounds", "1:3", {}},
    ListCase{"ZeroStep", "1:3:0", {}},
    ListCase{"Downwards", "3:1:1", {}},
    ListCase{"TooMany", "0:1000:1", {}},
    ListCase{"Unbounded", "-1e308:1e308:1", {}}),
    test::rowName<ListCase>);
// clang-format on

TEST(KantrixCli, HelpNamesTheExitStatusesAndTheListSyntax)
{
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("Rückgabewert:\n  0  alles berechnet\n  2  Aufruf"));
    EXPECT_THAT(help.out, HasSubstr("--dicke 1:3:0.5 --radius 1/2/4/6"));
    EXPECT_THAT(run({"tabelle", "--help"}).out, HasSubstr("--dicke 1:3:0.5"));
    EXPECT_EQ(run({"--version"}).out, "kantrix-cli 1.00\n");
}

} // namespace
} // namespace kantrix::cli
