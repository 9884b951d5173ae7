#include "bend_calculation.h"
#include "box_calculation.h"
#include "box_drawing.h"
#include "box_file.h"
#include "correction.h"
#include "materials_file.h"
#include "number_text.h"
#include "profile_calculation.h"
#include "profile_drawing.h"
#include "profile_file.h"
#include "quantities.h"
#include "quantity_lines.h"
#include "row_names.h"
#include "stored_value.h"
#include "value_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
// `in`), and its standard output into a scratch file (or into `out`), under a file size limit of
// `fileSizeLimit` bytes.
Outcome run(std::vector<std::string> arguments, const std::string& input = {}, std::string out = {},
            std::string in = {}, rlim_t fileSizeLimit = RLIM_INFINITY)
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
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        // A call that blocks (on a FIFO, say) fails the test instead of holding it up for ever.
        alarm(60);
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
    CallCase{"EndlessBatch", {"--csv", "/dev/zero"}, 2, "„/dev/zero“ kann nicht gelesen werden: ist ein Gerät, keine gewöhnliche Datei"},
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

std::vector<std::string> profil(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "profil");
    return arguments;
}

const std::vector<std::string> channel = {"--dicke",    "2",         "--radius", "2",
                                          "--schenkel", "50/100/50", "--winkel", "90/90"};

std::vector<std::string> channelWith(std::vector<std::string> more)
{
    std::vector<std::string> arguments = profil(channel);
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// "50/50/…/50", `count` items.
std::string repeated(const std::string& item, int count)
{
    std::string list = item;
    for (int i = 1; i < count; ++i)
        list += "/" + item;
    return list;
}

struct ProfileCall
{
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::vector<std::string> shown; // on standard output for 0, else on standard error
};

class ProfileCalls : public testing::TestWithParam<ProfileCall>
{};

TEST_P(ProfileCalls, AnswerOrRefuseWithTheirStatus)
{
    const Outcome result = run(GetParam().arguments);
    EXPECT_EQ(result.status, GetParam().status) << result.err;
    if (GetParam().status != 0) {
        EXPECT_EQ(result.out, "");
    }
    for (const std::string& text : GetParam().shown)
        EXPECT_THAT(GetParam().status == 0 ? result.out : result.err, HasSubstr(text));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Parts, ProfileCalls, testing::Values(
    ProfileCall{"U", profil(channel), 0, {"Profil U 50-100-50\n", "Gestreckte Länge L = 192.325 mm\n", "   48.081\n", "  144.244\n"}},
    ProfileCall{"ZWithMinusFirst", profil({"-s", "2", "-r", "2", "--schenkel", "30/60/30", "--winkel", "90/90", "--richtung", "-/+"}), 0,
        {"Profil Z 30-60-30\n", "L = 112.325 mm", "      1          -   90.00"}},
    ProfileCall{"Hat", profil({"--dicke", "2", "--radius", "2", "--schenkel", "20/30/40/30/20", "--winkel", "90/90/90/90"}), 0,
        {"Profil 20-30-40-30-20\n", "L = 124.650 mm"}},
    ProfileCall{"UMeasuredInside", profil({"--dicke", "2", "--radius", "2", "--schenkel", "48/96/48", "--winkel", "90/90", "--innen", "1/2/3"}), 0,
        {"L = 192.325 mm", "       2   innen       96.000   100.000   92.000\n"}},
    ProfileCall{"OwnRadiusAndNote", channelWith({"--radien", "/30"}), 0, {"\nHinweise:\n- Biegung 2: k = 1: ", "\n- Schenkel 3 ist kürzer als 4 · r = 120.000 mm"}}));

INSTANTIATE_TEST_SUITE_P(Refusals, ProfileCalls, testing::Values(
    ProfileCall{"DecimalComma", profil({"--dicke", "1,5", "--radius", "2", "--schenkel", "50/100/50", "--winkel", "90/90"}), 2, {"„1,5“ für Blechdicke s (--dicke)"}},
    ProfileCall{"Unit", profil({"--dicke", "2", "--radius", "2", "--schenkel", "50/12 mm/50", "--winkel", "90/90"}), 2, {"„12 mm“ für Schenkel 2 (--schenkel)"}},
    ProfileCall{"RadiusZero", profil({"--dicke", "2", "--radius", "0", "--schenkel", "50/100/50", "--winkel", "90/90"}), 2, {"Biegeradius r = 0: muss eine Zahl größer als 0 sein\n"}},
    ProfileCall{"NegativeWidth", channelWith({"--breite", "-300"}), 2, {"Breite W = -300: muss eine Zahl größer als 0 sein\n"}},
    ProfileCall{"Angle180", profil({"--dicke", "2", "--radius", "2", "--schenkel", "50/100/50", "--winkel", "90/180"}), 2, {"Öffnungswinkel β von Biegung 2 = 180"}},
    ProfileCall{"AnglesTooFew", profil({"--dicke", "2", "--radius", "2", "--schenkel", "50/100/50", "--winkel", "90"}), 2, {"3 Schenkel brauchen 2 Öffnungswinkel in --winkel, angegeben sind 1\n"}},
    ProfileCall{"DirectionsTooMany", channelWith({"--richtung", "-/+/-"}), 2, {"3 Schenkel brauchen 2 Richtungen in --richtung, angegeben sind 3\n"}},
    ProfileCall{"LegTooShort", profil({"--dicke", "2", "--radius", "2", "--schenkel", "50/6/50", "--winkel", "90/90"}), 2, {"Schenkel 2 ist zu kurz für seine Biegungen: mindestens 8.000 mm\n"}},
    ProfileCall{"TooManyBends", profil({"--dicke", "2", "--radius", "2", "--schenkel", repeated("50", 102), "--winkel", "90"}), 2, {"Ein Profil hat 2 bis 101 Schenkel (höchstens 100 Biegungen), --schenkel nennt 102\n"}},
    ProfileCall{"OptionTwice", channelWith({"--dicke", "3"}), 2, {"Option --dicke: der Wert fehlt oder sie ist mehr als einmal angegeben"}},
    ProfileCall{"ValuesMissing", profil({"--dicke", "2"}), 2, {"profil braucht --dicke, --radius (oder --matrize), --schenkel und --winkel"}},
    ProfileCall{"FileAndValues", profil({"teil.kprofil", "--dicke", "2"}), 2, {"nicht beides"}},
    ProfileCall{"FileMissing", profil({"/nonexistent/teil.kprofil"}), 2, {"„/nonexistent/teil.kprofil“ kann nicht gelesen werden"}},
    ProfileCall{"EndlessFile", profil({"/dev/zero"}), 2, {"„/dev/zero“ kann nicht gelesen werden: ist ein Gerät, keine gewöhnliche Datei"}},
    ProfileCall{"BlankWithoutWidth", channelWith({"--svg", "/nonexistent/z.svg"}), 2, {"--svg zeichnet den Zuschnitt und braucht dessen Breite W: --breite"}},
    ProfileCall{"SameFileTwice", channelWith({"--schnitt", "a.svg", "--speichern", "a.svg"}), 2, {"Die Datei „a.svg“ ist für zwei Ausgaben angegeben"}},
    ProfileCall{"JsonBeforeProfil", [] { auto a = profil(channel); a.insert(a.begin(), "--json"); return a; }(), 2, {"--json steht nach profil"}},
    ProfileCall{"Overflow", profil({"--dicke", "2", "--radius", "1e300", "--schenkel", "1e308/1e308", "--winkel", "90"}), 3, {"Rechenfehler: Überlauf\n"}}),
    test::rowName<ProfileCall>);
// clang-format on

std::vector<std::string> kasten(std::vector<std::string> more, const char* heights = "50")
{
    std::vector<std::string> arguments = {"kasten", "--dicke",  "1.5",  "--radius",
                                          "1.5",    "--laenge", "300",  "--breite",
                                          "200",    "--hoehe",  heights};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, ProfileCalls, testing::Values(
    ProfileCall{"WorkedFigure", kasten({}), 0, {"Kasten 300x200x50\n", "Gestreckte Länge L = 394.244 mm\n", "Gestreckte Länge L = 294.244 mm\n",
        "vorne    außen       50.000   50.000   47.000       48.561   50.122   344.122      294.000      50.122     344.122\n", "Zuschnitt 394.244 × 294.244 mm, Fläche 105 955.0 mm²\n"}},
    ProfileCall{"Stumpf", kasten({"--ecken", "stumpf", "--spalt", "0.2"}), 0, {"Ecken stumpf (vorne-hinten durchgehend, Spalt g = 0.200 mm)",
        "links    außen       50.000   50.000   47.000       48.561   50.122   244.122      194.000      48.822     245.422\n"}},
    ProfileCall{"TwoWallsAndSteel", {"kasten", "-s", "2", "--werkstoff", "S235JR", "--matrize", "16", "--laenge", "400", "--breite", "250", "--hoehe", "60//60/"}, 0,
        {"Profil U 60-250-60\n", "Masse ", "Größte Kraft F = "}},
    ProfileCall{"Json", kasten({"--json"}), 0, {"\"zuschnitt\": {\n    \"laenge\": {\n      \"text\": \"394.244\"", "\"kante_von\"", "\"schnitte\": {\n    \"x\": {"}},
    ProfileCall{"HeightsOfThree", kasten({}, "50/50/50"), 2, {"--hoehe nennt die Höhen vorne/rechts/hinten/links oder eine für alle vier, angegeben sind 3\n"}},
    ProfileCall{"NoWall", kasten({}, "///"), 2, {"Ein Kasten braucht mindestens eine Wand\n"}},
    ProfileCall{"UnknownCorners", kasten({"--ecken", "rund"}), 2, {"Ungültige Angabe „rund“ für --ecken: erwartet wird offen oder stumpf\n"}},
    ProfileCall{"UnknownRelief", kasten({"--freistich", "oval:3"}), 2, {"„oval:3“ für --freistich: erwartet wird eckig oder rund:D\n"}},
    ProfileCall{"ReliefDiameter", kasten({"--freistich", "rund:x"}), 2, {"„x“ für Durchmesser d des Freistichs (--freistich)"}},
    ProfileCall{"InnenTwice", kasten({"--innen", "hoehe/hoehe"}), 2, {"hoehe steht mehr als einmal in --innen\n"}},
    ProfileCall{"GapWithoutStumpf", kasten({"--spalt", "0.5"}), 2, {"--spalt gilt nur für stumpfe Ecken"}},
    ProfileCall{"ValuesMissing", {"kasten", "--dicke", "2"}, 2, {"kasten braucht --dicke, --radius (oder --matrize), --laenge, --breite und --hoehe"}},
    ProfileCall{"WallTooLow", kasten({}, "2"), 2, {"Höhe H der Wand links = 2.000 mm ist zu niedrig für ihre Biegung"}},
    ProfileCall{"ProfileBlankMass", profil({"--dicke", "1.5", "--werkstoff", "S235JR", "--matrize", "12", "--schenkel", "50/100/50", "--winkel", "90/90", "--breite", "1000"}), 0,
        {"Gestreckte Länge L = 194.010 mm\n", "Masse des Zuschnitts m = 2.284 kg\n"}},
    ProfileCall{"SameFileTwice", kasten({"--ansicht", "a.svg", "--svg", "a.svg"}), 2, {"Die Datei „a.svg“ ist für zwei Ausgaben angegeben"}},
    ProfileCall{"SaveOntoTheMaterialsFileItReads", kasten({"--werkstoff", "S235JR", "--werkstoffe", "/nonexistent/w.json", "--speichern", "/nonexistent/./w.json"}), 2, {"Die Datei „/nonexistent/./w.json“ ist die Werkstoffdatei; sie würde überschrieben"}}),
    test::rowName<ProfileCall>);
// clang-format on

// State: none. Action: kasten writes its drawings and file, then reads the file back and is asked
// to draw onto it. Expected: the library's texts, the same answer from the file, the file kept.
TEST(KantrixCliBox, WritesTheLibrarysFilesAndReadsItsOwnBack)
{
    const std::string dxf = scratch("kasten.dxf");
    const std::string svg = scratch("kasten.svg");
    const std::string folded = scratch("kasten-ansicht.svg");
    const std::string saved = scratch("kasten.kkasten");
    for (const std::string& path : {dxf, svg, folded, saved})
        std::remove(path.c_str());
    const Outcome written = run(kasten({"--ecken", "stumpf", "--freistich", "rund:6", "--dxf", dxf,
                                        "--svg", svg, "--ansicht", folded, "--speichern", saved}));
    ASSERT_EQ(written.status, 0) << written.err;
    box::Box part;
    part.thickness = 1.5;
    part.radius = 1.5;
    part.length = 300;
    part.width = 200;
    for (box::Side side : box::allSides)
        part.wall(side) = box::Wall{50, box::Measure::Aussen};
    part.corners = box::CornerStyle::Stumpf;
    part.relief = box::Relief::Rund;
    part.reliefDiameter = 6;
    const box::BoxResult result = box::computeBox(part);
    EXPECT_EQ(readFile(dxf), box::blankDxf(part, result));
    EXPECT_EQ(readFile(svg), box::blankSvg(part, result));
    EXPECT_EQ(readFile(folded), box::foldedSvg(part, result));
    EXPECT_EQ(readFile(saved), box::writeBoxFile(part));
    EXPECT_EQ(run({"kasten", saved}).out, written.out);
    const Outcome onto = run({"kasten", saved, "--dxf", saved});
    EXPECT_EQ(onto.status, 2);
    EXPECT_THAT(onto.err,
                HasSubstr("ist die Kastendatei, die gelesen wird; sie würde überschrieben"));
    EXPECT_EQ(readFile(saved), box::writeBoxFile(part));
}

profile::Profile channelProfile(std::optional<double> width)
{
    profile::Profile part;
    part.width = width;
    part.legs = {{50, profile::Measure::Aussen},
                 {100, profile::Measure::Aussen},
                 {50, profile::Measure::Aussen}};
    part.bends = {{90, std::nullopt, profile::Direction::Plus},
                  {90, std::nullopt, profile::Direction::Plus}};
    return part;
}

TEST(KantrixCliProfile, WritesItsFilesWholeOrNone)
{
    const std::string dxf = scratch("u.dxf");
    const std::string svg = scratch("u.svg");
    const std::string section = scratch("schnitt.svg");
    const std::string saved = scratch("u.kprofil");
    for (const std::string& path : {dxf, svg, section, saved})
        std::remove(path.c_str());
    // Refused: nothing is written.
    EXPECT_EQ(run(channelWith({"--dxf", dxf, "--speichern", saved})).status, 2);
    EXPECT_FALSE(std::ifstream(dxf).good());
    EXPECT_FALSE(std::ifstream(saved).good());

    const Outcome written = run(channelWith({"--breite", "300", "--dxf", dxf, "--svg", svg,
                                             "--schnitt", section, "--speichern", saved}));
    ASSERT_EQ(written.status, 0) << written.err;
    const profile::Profile part = channelProfile(300);
    const profile::ProfileResult result = profile::computeProfile(part);
    EXPECT_EQ(readFile(dxf), profile::blankDxf(part, result));
    EXPECT_EQ(readFile(svg), profile::blankSvg(part, result));
    EXPECT_EQ(readFile(section), profile::sectionSvg(part, result));
    EXPECT_EQ(readFile(saved), profile::writeProfileFile(part));

    // The last output cannot be written: exit 1, and the ones before keep their old text.
    std::ofstream(section, std::ios::binary) << "alt";
    const Outcome failed =
        run(channelWith({"--schnitt", section, "--speichern", "/nonexistent/u.kprofil"}));
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_THAT(failed.err,
                HasSubstr("Die Datei „/nonexistent/u.kprofil“ kann nicht geschrieben werden: "));
    EXPECT_EQ(readFile(section), "alt");

    // Past the file size limit, as on a full disk: the same, and no temporary file is left.
    std::ofstream(dxf, std::ios::binary) << "alt";
    const Outcome tooLarge = run(channelWith({"--breite", "300", "--dxf", dxf}), {}, {}, {}, 1000);
    EXPECT_EQ(tooLarge.status, 1);
    EXPECT_THAT(tooLarge.err, HasSubstr("Die Datei „" + dxf + "“ kann nicht geschrieben werden: "));
    EXPECT_EQ(readFile(dxf), "alt");
    const std::filesystem::path folder = std::filesystem::path(dxf).parent_path();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_FALSE(entry.path().string().starts_with(dxf + ".kantrix-")) << entry.path();
}

struct OutputCall
{
    const char* name;
    // The options that write, for a part read from `part` in a folder of its own.
    std::function<std::vector<std::string>(const std::string& part)> outputs;
    const char* refusal;
};

// The user's configuration folder is the test's own, so that an output onto the user's materials
// file, were it not refused, would land there.
class OutputsOntoOneFile : public testing::TestWithParam<OutputCall>
{
protected:
    void SetUp() override
    {
        if (const char* before = std::getenv("XDG_CONFIG_HOME"))
            m_before = before;
        setenv("XDG_CONFIG_HOME", scratch(std::string(GetParam().name) + "/config").c_str(), 1);
    }
    void TearDown() override
    {
        if (m_before)
            setenv("XDG_CONFIG_HOME", m_before->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

private:
    std::optional<std::string> m_before;
};

// State: a part's file. Action: read it and write onto it, or twice onto one file, by other
// paths. Expected: refused as a call, and the part's file is still there.
TEST_P(OutputsOntoOneFile, AreRefusedWhateverThePath)
{
    const std::filesystem::path folder = scratch(GetParam().name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "d");
    const std::string part = (folder / "teil.kprofil").string();
    const std::string text = profile::writeProfileFile(channelProfile(300));
    std::ofstream(part, std::ios::binary) << text;
    std::vector<std::string> arguments = profil({part});
    for (const std::string& output : GetParam().outputs(part))
        arguments.push_back(output);
    const Outcome refused = run(arguments);
    EXPECT_EQ(refused.status, 2);
    EXPECT_THAT(refused.err, HasSubstr(GetParam().refusal));
    EXPECT_EQ(readFile(part), text);
    std::filesystem::remove_all(folder);
}

const char* const ontoThePart = "ist die Profildatei, die gelesen wird; sie würde überschrieben";
const char* const ontoTheMaterials = "ist die Werkstoffdatei; sie würde überschrieben";

// The user's materials file with a material in it, as the configuration folder holds it.
std::string usersMaterials()
{
    const std::string path = press::defaultMaterialsPath();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << R"({"format": "kantrix-werkstoffe", "version": 1,
        "werkstoffe": [{"name": "DC01", "probebiegungen": []}]})";
    return path;
}

std::string linked(const std::string& part, bool hard)
{
    const std::string link = part + (hard ? ".hart" : ".symbolisch");
    if (hard)
        std::filesystem::create_hard_link(part, link);
    else
        std::filesystem::create_symlink(part, link);
    return link;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Paths, OutputsOntoOneFile, testing::Values(
    OutputCall{"DxfOnThePart", [](const std::string& part) { return std::vector<std::string>{"--dxf", part}; }, ontoThePart},
    OutputCall{"SvgThroughDot", [](const std::string& part) { return std::vector<std::string>{"--svg", std::filesystem::path(part).replace_filename("./teil.kprofil").string()}; }, ontoThePart},
    OutputCall{"SectionThroughAFolderAndBack", [](const std::string& part) { return std::vector<std::string>{"--schnitt", std::filesystem::path(part).replace_filename("d/../teil.kprofil").string()}; }, ontoThePart},
    OutputCall{"DxfOnAHardLink", [](const std::string& part) { return std::vector<std::string>{"--dxf", linked(part, true)}; }, ontoThePart},
    OutputCall{"SectionOnASymbolicLink", [](const std::string& part) { return std::vector<std::string>{"--schnitt", linked(part, false)}; }, ontoThePart},
    OutputCall{"SaveOntoTheUsersMaterials", [](const std::string&) { return std::vector<std::string>{"--speichern", usersMaterials()}; }, ontoTheMaterials},
    OutputCall{"SectionOntoTheUsersMaterialsNotYetThere", [](const std::string&) { return std::vector<std::string>{"--schnitt", press::defaultMaterialsPath()}; }, ontoTheMaterials},
    OutputCall{"DxfOntoTheUsersMaterialsByALink", [](const std::string& part) { return std::vector<std::string>{"--dxf", linked(usersMaterials(), false), "--svg", std::filesystem::path(part).replace_filename("a.svg").string()}; }, ontoTheMaterials},
    OutputCall{"TwoOutputsByTwoPaths", [](const std::string& part) { const auto svg = std::filesystem::path(part).replace_filename("a.svg"); return std::vector<std::string>{"--svg", svg.string(), "--schnitt", (svg.parent_path() / "d/../a.svg").string()}; }, "ist für zwei Ausgaben angegeben"}),
    test::rowName<OutputCall>);
// clang-format on

struct FileFault
{
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::string err;
};

// Under the C locale the system names the causes in English.
class FileFaults : public testing::TestWithParam<FileFault>
{
protected:
    void SetUp() override
    {
        if (const char* before = std::getenv("LC_ALL"))
            m_before = before;
        setenv("LC_ALL", "C", 1);
    }
    void TearDown() override
    {
        if (m_before)
            setenv("LC_ALL", m_before->c_str(), 1);
        else
            unsetenv("LC_ALL");
    }

private:
    std::optional<std::string> m_before;
};

TEST_P(FileFaults, NameTheirCauseInGermanWhateverTheLocale)
{
    const Outcome result = run(GetParam().arguments);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_THAT(result.err, HasSubstr(GetParam().err));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Causes, FileFaults, testing::Values(
    FileFault{"WriteIntoAMissingFolder", channelWith({"--schnitt", "/nonexistent/s.svg"}), 1, "„/nonexistent/s.svg“ kann nicht geschrieben werden: Datei oder Ordner nicht gefunden\n"},
    FileFault{"WriteOntoAFolder", channelWith({"--schnitt", "/"}), 1, "„/“ kann nicht geschrieben werden: ist ein Ordner\n"},
    FileFault{"ReadAMissingFile", profil({"/nonexistent/teil.kprofil"}), 2, "„/nonexistent/teil.kprofil“ kann nicht gelesen werden: Datei oder Ordner nicht gefunden\n"},
    FileFault{"ReadAFolder", {"--csv", "/"}, 2, "„/“ kann nicht gelesen werden: ist ein Ordner\n"}),
    test::rowName<FileFault>);
// clang-format on

TEST(KantrixCliProfile, ReadsBackTheFileItSaved)
{
    const std::string saved = scratch("z.kprofil");
    const std::vector<std::string> z =
        profil({"--dicke", "1.5", "--radius", "2", "--schenkel", "30/60.25/30", "--winkel",
                "90/120", "--radien", "/3", "--innen", "2", "--richtung", "-/+", "--json"});
    std::vector<std::string> saving = z;
    saving.insert(saving.end(), {"--speichern", saved});
    const Outcome first = run(saving);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(run(profil({saved, "--json"})).out, first.out);
    EXPECT_EQ(run(profil({"-", "--json"}), readFile(saved)).out, first.out);
    const Outcome broken = run(profil({"-"}), "{}");
    EXPECT_EQ(broken.status, 2);
    EXPECT_THAT(broken.err, HasSubstr("Die Profildatei „Standardeingabe“ wird nicht geöffnet: "));
}

// Every number is an object of the text shown and the double itself, and the text shows that
// double to its decimals.
void expectShownNumbers(const nlohmann::json& value, const std::string& where, int& numbers)
{
    if (value.is_object() && value.contains("text")) {
        ++numbers;
        EXPECT_EQ(value.size(), 2u) << where;
        EXPECT_NEAR(value.at("value").get<double>(),
                    ParseNumber(value.at("text").get<std::string>()), 0.005)
            << where;
        return;
    }
    if (value.is_structured())
        for (const auto& [key, item] : value.items())
            expectShownNumbers(item, where + "/" + key, numbers);
}

TEST(KantrixCliProfile, JsonKeysHoldTextAndValue)
{
    const Outcome answer = run(channelWith({"--breite", "300", "--json"}));
    ASSERT_EQ(answer.status, 0) << answer.err;
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(answer.out);
    auto keys = [](const nlohmann::ordered_json& object) {
        std::vector<std::string> names;
        for (const auto& [key, item] : object.items())
            names.push_back(key);
        return names;
    };
    using Keys = std::vector<std::string>;
    EXPECT_EQ(keys(json), (Keys{"dicke", "breite", "L", "schenkel", "biegungen", "hinweise"}));
    EXPECT_EQ(keys(json.at("schenkel").at(0)), (Keys{"mass", "eingegeben", "aussen", "gerade"}));
    EXPECT_EQ(keys(json.at("biegungen").at(1)),
              (Keys{"winkel", "alpha", "radius", "k", "n", "v", "bz", "biegelinie", "richtung"}));
    EXPECT_EQ(json.at("L").at("value").get<double>(),
              profile::computeProfile(channelProfile(300)).developedLength);
    EXPECT_EQ(json.at("L").at("text"), "192.325");
    EXPECT_EQ(json.at("dicke").at("text"), "2.00");
    int numbers = 0;
    expectShownNumbers(json, "", numbers);
    EXPECT_EQ(numbers, 3 + 3 * 3 + 2 * 8);
}

TEST(KantrixCli, HelpNamesTheExitStatusesAndTheListSyntax)
{
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("Rückgabewert:\n  0  alles berechnet\n  2  Aufruf"));
    EXPECT_THAT(help.out, HasSubstr("--dicke 1:3:0.5 --radius 1/2/4/6"));
    EXPECT_THAT(run({"tabelle", "--help"}).out, HasSubstr("--dicke 1:3:0.5"));
    EXPECT_THAT(help.out, HasSubstr("kantrix-cli profil --help"));
    EXPECT_THAT(run({"profil", "--help"}).out,
                HasSubstr("  --richtung LISTE   + oder - je Biegung"));
    EXPECT_EQ(run({"--version"}).out, "kantrix-cli 1.00\n");
}

const std::vector<std::string> pressChannel = {
    "profil",     "--dicke",   "1.5",      "--werkstoff", "S235JR",   "--matrize", "12",
    "--schenkel", "50/100/50", "--winkel", "90/90",       "--breite", "1000"};

std::vector<std::string> pressChannelWith(std::vector<std::string> more)
{
    std::vector<std::string> arguments = pressChannel;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PressBrake, ProfileCalls, testing::Values(
    ProfileCall{"S235OnV12", pressChannel, 0, {"Werkstoff S235JR (1.0038), Rm = 510 N/mm², f = 0.16", "   1.92   0.704   -2.995", "   DIN 6935   0.704   143.4        143.4                8.485            1.60", "Größte Kraft F = 143.4 kN\n"}},
    ProfileCall{"ShortLegAndWeakPress", profil({"--dicke", "1.5", "--matrize", "12", "--schenkel", "50/100/8", "--winkel", "90/90", "--breite", "1000", "--werkstoff", "1.0038", "--presse", "100"}), 0,
        {"- Biegungen 1, 2: die Kraft 143.4 kN übersteigt die Presse mit 100.0 kN.\n", "- Schenkel 3 ist kürzer als der kleinste Schenkel 8.485 mm an Biegung 2 (Matrize V 12).\n"}},
    ProfileCall{"UnknownMaterial", profil({"--dicke", "1.5", "--matrize", "12", "--schenkel", "50/100/50", "--winkel", "90/90", "--werkstoff", "Gold"}), 2, {"Unbekannter Werkstoff „Gold“; bekannt sind: S235JR, S275JR"}},
    ProfileCall{"DieZero", profil({"--dicke", "1.5", "--matrize", "0", "--schenkel", "50/100/50", "--winkel", "90/90"}), 2, {"Matrizenöffnung V = 0: muss eine Zahl größer als 0 sein"}},
    ProfileCall{"PressZero", pressChannelWith({"--presse", "-1"}), 2, {"Presse = -1: muss eine Zahl größer als 0 sein"}},
    ProfileCall{"RadiusWithDie", pressChannelWith({"--radius", "2"}), 2, {"--radius und --matrize zusammen"}},
    ProfileCall{"SectionOntoTheMaterialsFileItReads", pressChannelWith({"--werkstoffe", "/nonexistent/w.json", "--schnitt", "/nonexistent/./w.json"}), 2, {"Die Datei „/nonexistent/./w.json“ ist die Werkstoffdatei; sie würde überschrieben"}},
    ProfileCall{"MistypedMaterialsFile", pressChannelWith({"--werkstoffe", "/nirgends/werkstofe.json"}), 2, {"Die Werkstoffdatei „/nirgends/werkstofe.json“ (--werkstoffe) gibt es nicht"}},
    ProfileCall{"EscapeNeverPrinted", profil({"--dicke", "1.5", "--matrize", "12", "--schenkel", "50/100/50", "--winkel", "90/90", "--werkstoff", "\x1b[31mGold"}), 2, {"Unbekannter Werkstoff „\uFFFD[31mGold“"}},
    ProfileCall{"MaterialsFileWithoutMaterial", channelWith({"--werkstoffe", "w.json"}), 2, {"--werkstoffe gilt nur zusammen mit --werkstoff"}},
    ProfileCall{"TestBendTooSharp", {"probebiegung", "--werkstoff", "DC01", "--dicke", "2", "--radius", "2", "--winkel", "30", "--zuschnitt", "200", "--schenkel", "100/100"}, 2, {"Öffnungswinkel β = 30: eine Probebiegung braucht 45 bis 135 Grad"}},
    ProfileCall{"TestBendRadiusAndDie", {"probebiegung", "--werkstoff", "DC01", "--dicke", "2", "--radius", "2", "--matrize", "16", "--winkel", "90", "--zuschnitt", "200", "--schenkel", "100/100"}, 2, {"probebiegung braucht --werkstoff, --dicke, --radius oder --matrize (eines davon)"}}),
    test::rowName<ProfileCall>);
// clang-format on

// The user's configuration folder is a scratch folder of the test's own.
class MaterialsFileCalls : public testing::Test
{
protected:
    void SetUp() override
    {
        if (const char* before = std::getenv("XDG_CONFIG_HOME"))
            m_before = before;
        m_config = scratch("config");
        std::filesystem::remove_all(m_config);
        setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
    }
    void TearDown() override
    {
        if (m_before)
            setenv("XDG_CONFIG_HOME", m_before->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(m_config);
    }
    std::string materialsFile() const { return m_config + "/kantrix/werkstoffe.json"; }

private:
    std::optional<std::string> m_before;
    std::string m_config;
};

const std::vector<std::string> testBend = {"probebiegung",
                                           "--werkstoff",
                                           "s235jr",
                                           "--dicke",
                                           "1.5",
                                           "--matrize",
                                           "12",
                                           "--winkel",
                                           "90",
                                           "--zuschnitt",
                                           "100",
                                           "--schenkel",
                                           "51.5/51.7",
                                           "--winkel-eingestellt",
                                           "88"};

// State: no materials file / Action: a test bend entered twice, then the part made like it /
// Expected: the file made with it once, and the part's bends get the measured deduction.
TEST_F(MaterialsFileCalls, TestBendsEnteredGiveThePartTheirDeduction)
{
    std::vector<std::string> entering = testBend;
    entering.push_back("--eintragen");
    const Outcome first = run(entering);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_THAT(first.out, HasSubstr("gemessen   0.530   -3.200\nDIN 6935   0.704   -2.995\n"));
    EXPECT_THAT(first.out, HasSubstr("Rückfederung K = 0.978\n"));
    EXPECT_THAT(first.out, HasSubstr("S235JR hat dort 1 Probebiegung.\n"));
    // The same strip again: measured once, it counts once.
    const Outcome again = run(entering);
    EXPECT_EQ(again.status, 0);
    EXPECT_THAT(again.out, HasSubstr("Diese Probebiegung steht schon in „" + materialsFile() +
                                     "“ und ist nicht noch einmal eingetragen: S235JR hat dort 1 "
                                     "Probebiegung.\n"));
    const nlohmann::json file = nlohmann::json::parse(readFile(materialsFile()));
    EXPECT_EQ(file.at("werkstoffe").at(0).at("probebiegungen").size(), 1u);

    const Outcome part = run(pressChannel);
    EXPECT_THAT(part.out, HasSubstr("1.92   0.530   -3.200"));
    EXPECT_THAT(part.out, HasSubstr("Probebiegungen   0.704   143.4        143.4                "
                                    "8.485            1.60            88.00\n"));
    EXPECT_THAT(part.out, HasSubstr("- k aus 1 Probebiegung (S235JR).\n"));
    EXPECT_THAT(run({"werkstoffe"}).out, HasSubstr("S235JR            1.0038   360–510"));

    std::vector<std::string> json = testBend;
    json.push_back("--json");
    const nlohmann::json answer = nlohmann::json::parse(run(json).out);
    EXPECT_EQ(answer.at("k").at("text"), "0.530");
    EXPECT_EQ(answer.at("L_din").at("text"), "100.205");
    EXPECT_EQ(answer.at("abweichung").at("text"), "-0.205");
}

// State: one test bend entered / Action: a file from another computer imported, then a broken
// one / Expected: its test bend joins the user's, the one both have stays once; the broken file is
// refused by name and the user's file stays as it was.
TEST_F(MaterialsFileCalls, AnImportMergesAndABrokenOneChangesNothing)
{
    std::vector<std::string> entering = testBend;
    entering.push_back("--eintragen");
    ASSERT_EQ(run(entering).status, 0);
    nlohmann::json other = nlohmann::json::parse(readFile(materialsFile()));
    other["werkstoffe"][0]["probebiegungen"].push_back({{"dicke", 1.5},
                                                        {"radius", 1.92},
                                                        {"matrize", nullptr},
                                                        {"winkel", 90},
                                                        {"winkel_eingestellt", nullptr},
                                                        {"zuschnitt", 100.2},
                                                        {"schenkel", {51.6, 51.6}}});
    const std::string fromThere = writeScratch("dort.json", other.dump());

    const Outcome merged = run({"werkstoffe", "--importieren", fromThere});
    ASSERT_EQ(merged.status, 0) << merged.err;
    EXPECT_THAT(merged.out, testing::StartsWith("„" + fromThere +
                                                "“ übernommen: 1 Probebiegung dazu, 1 "
                                                "Probebiegung war schon da.\n\nWerkstoff"));
    const std::string after = readFile(materialsFile());
    EXPECT_EQ(nlohmann::json::parse(after), other);

    std::filesystem::remove(scratch("fehlt.json"));
    for (const std::string& broken :
         {writeScratch("kaputt.json", "{\"format\": 1"), scratch("fehlt.json")}) {
        const Outcome refused = run({"werkstoffe", "--importieren", broken});
        EXPECT_EQ(refused.status, 2);
        EXPECT_THAT(refused.err, HasSubstr("„" + broken + "“"));
        EXPECT_EQ(readFile(materialsFile()), after);
    }
}

// A file the program cannot read whole is refused by name and never written over.
TEST_F(MaterialsFileCalls, ABrokenFileIsRefusedAndKept)
{
    std::filesystem::create_directories(std::filesystem::path(materialsFile()).parent_path());
    for (const std::string broken :
         {"{\"format\": \"kantrix-werkstoffe\",\n \"version\": 1, \"werkstoffe\": [,]}",
          R"({"format": "kantrix-werkstoffe", "version": 9, "werkstoffe": []})"}) {
        std::ofstream(materialsFile(), std::ios::binary) << broken;
        std::vector<std::string> entering = testBend;
        entering.push_back("--eintragen");
        const Outcome refused = run(entering);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.out, "");
        EXPECT_THAT(refused.err,
                    HasSubstr("Die Werkstoffdatei „" + materialsFile() + "“ wird nicht gelesen: "));
        EXPECT_EQ(run(pressChannel).status, 2);
        EXPECT_EQ(readFile(materialsFile()), broken);
    }
    EXPECT_THAT(run({"werkstoffe"}).err, HasSubstr("Version 9 des Werkstoffformats"));
}

struct SpecialFile
{
    const char* name;
    // The call on a special file made in `folder`.
    std::function<std::vector<std::string>(const std::string& folder)> call;
    const char* refusal;
};

class SpecialFiles : public testing::TestWithParam<SpecialFile>
{};

std::string fifo(const std::string& folder)
{
    const std::string path = folder + "/fifo";
    mkfifo(path.c_str(), 0600);
    return path;
}

std::string socketFile(const std::string& folder)
{
    const std::string path = folder + "/socket";
    static int listening = -1;
    if (listening >= 0)
        close(listening);
    listening = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return path;
}

// State: a FIFO, a socket, a device or a folder where a file is to be read. Action: each reader
// of the command line on it. Expected: refused at once by name and kind, nothing written; a FIFO
// never holds the call up.
TEST_P(SpecialFiles, AreRefusedAtOnceByName)
{
    const std::string folder = scratch(GetParam().name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const Outcome refused = run(GetParam().call(folder));
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_THAT(refused.err, HasSubstr(GetParam().refusal));
    std::filesystem::remove_all(folder);
}

const char* const aFifo =
    "“ kann nicht gelesen werden: ist eine FIFO (benannte Pipe), keine gewöhnliche Datei\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFiles, testing::Values(
    SpecialFile{"BatchFromAFifo", [](const std::string& folder) { return std::vector<std::string>{"--csv", fifo(folder)}; }, aFifo},
    SpecialFile{"PartFromAFifo", [](const std::string& folder) { return profil({fifo(folder)}); }, aFifo},
    SpecialFile{"PartFromASocket", [](const std::string& folder) { return profil({socketFile(folder)}); }, "/socket“ kann nicht gelesen werden: ist ein Socket, keine gewöhnliche Datei\n"},
    SpecialFile{"MaterialsFromAFifo", [](const std::string& folder) { return std::vector<std::string>{"werkstoffe", "--werkstoffe", fifo(folder)}; }, aFifo},
    SpecialFile{"MaterialsFromADevice", [](const std::string&) { return pressChannelWith({"--werkstoffe", "/dev/null"}); }, "„/dev/null“ kann nicht gelesen werden: ist ein Gerät, keine gewöhnliche Datei\n"},
    SpecialFile{"TestBendIntoAFifo", [](const std::string& folder) { auto call = testBend; call.insert(call.end(), {"--eintragen", "--werkstoffe", fifo(folder)}); return call; }, "/fifo“ wird nicht gelesen: ist eine FIFO (benannte Pipe), keine gewöhnliche Datei\n"},
    SpecialFile{"ImportFromAFifo", [](const std::string& folder) { return std::vector<std::string>{"werkstoffe", "--werkstoffe", folder + "/w.json", "--importieren", fifo(folder)}; }, aFifo}),
    test::rowName<SpecialFile>);
// clang-format on

} // namespace
} // namespace kantrix::cli
