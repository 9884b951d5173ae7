// The materials file under many writers at once: thirty command lines entering test bends while
// the window's test-bend dialog enters its own, as a shop with several press brakes does. Each
// writer that says it entered its test bend must find it in the file afterwards. Not timed: it
// counts what the file keeps.

#include "materials_file.h"
#include "test_bend_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kantrix::test {
namespace {

constexpr int processes = 30;

// The cut length that tells this writer's test bend from every other's: the command lines take
// 100.00 … 100.29, the window 99.500 … 99.599 (each a k the library takes).
std::string cutLength(int writer)
{
    const auto digits = [](int value) {
        return std::to_string(value / 10 % 10) + std::to_string(value % 10);
    };
    return writer < processes ? "100." + digits(writer) : "99.5" + digits(writer - processes);
}

// The same as a number, read as the program reads it, whatever the locale.
double cutLengthValue(int writer)
{
    const std::string text = cutLength(writer);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

pid_t enterFromTheCommandLine(int writer, const std::string& log)
{
    // Another build of the command line, an older one say, can be put to the same test.
    const char* other = std::getenv("KANTRIX_STRESS_CLI");
    const std::string program = other ? other : KANTRIX_CLI;
    std::vector<std::string> arguments = {
        program,       "probebiegung",    "--werkstoff", "S235JR",    "--dicke",
        "1.5",         "--matrize",       "12",          "--winkel",  "90",
        "--zuschnitt", cutLength(writer), "--schenkel",  "51.5/51.7", "--eintragen"};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(output, 1);
        dup2(output, 2);
        alarm(120);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return child;
}

// The command lines' configuration folder is the test's own.
class MaterialsFileUnderLoad : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        m_before = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", (m_home.path() + QStringLiteral("/config")).toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_before); }

    QTemporaryDir m_home;

private:
    QByteArray m_before;
};

// State: no materials file. Action: 30 command lines entering distinct test bends at once, and
// the dialog entering its own while they run. Expected: every test bend a writer reported as
// entered is in the file, and nothing else; a writer that did not get the lock said so.
TEST_F(MaterialsFileUnderLoad, KeepsEveryTestBendThatWasReported)
{
    const QTemporaryDir& home = m_home;
    const QString path = home.path() + QStringLiteral("/config/kantrix/werkstoffe.json");

    std::vector<pid_t> children;
    for (int writer = 0; writer < processes; ++writer)
        children.push_back(enterFromTheCommandLine(
            writer, home.filePath(QStringLiteral("log%1").arg(writer)).toStdString()));

    // The dialog's own path to the file, as "Eintragen" takes it, while the processes run.
    TestBendDialog dialog(readUserMaterials(path), QStringLiteral("S235JR"), QStringLiteral("1.5"),
                          QStringLiteral("12"), nullptr);
    const char* fields[] = {"1.5", "12", "", "90", "", "", "51.5", "51.7"};
    for (int i = 0; i < TestBendDialog::FieldCount; ++i)
        dialog.field(TestBendDialog::Field(i))->setText(QString::fromLatin1(fields[i]));
    std::set<double> reported;
    std::vector<int> statuses(processes, -1);
    int running = processes;
    const auto reap = [&](int options) {
        for (int i = 0; i < processes; ++i) {
            int status = 0;
            if (statuses[i] == -1 && waitpid(children[i], &status, options) == children[i]) {
                statuses[i] = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
                --running;
            }
        }
    };
    for (int writer = processes;
         writer < processes + 100 && (running > 0 || writer < processes + 10); ++writer) {
        dialog.field(TestBendDialog::CutLength)->setText(QString::fromStdString(cutLength(writer)));
        if (dialog.enterTestBend())
            reported.insert(cutLengthValue(writer));
        else
            EXPECT_TRUE(dialog.message()->text().contains(
                QStringLiteral("ein anderes Programm ändert sie gerade")))
                << dialog.message()->text().toStdString();
        reap(WNOHANG);
    }
    reap(0);
    for (int writer = 0; writer < processes; ++writer) {
        std::ifstream file(home.filePath(QStringLiteral("log%1").arg(writer)).toStdString());
        const std::string log{std::istreambuf_iterator<char>(file), {}};
        if (statuses[writer] == 0)
            reported.insert(cutLengthValue(writer));
        else
            EXPECT_NE(log.find("ein anderes Programm ändert sie gerade"), std::string::npos)
                << statuses[writer] << ": " << log;
    }

    std::ifstream file(path.toStdString());
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    const press::MaterialsFile kept = press::readMaterialsFile(text, "werkstoffe.json");
    std::multiset<double> inTheFile;
    for (const press::UserMaterial& material : kept.materials)
        for (const press::TestBend& bend : material.testBends)
            inTheFile.insert(bend.cutLength);
    EXPECT_EQ(inTheFile, std::multiset<double>(reported.begin(), reported.end()));
    EXPECT_GE(reported.size(), std::size_t{processes + 10});
    std::cout << "[ stress   ] " << reported.size() << " test bends reported, " << inTheFile.size()
              << " kept\n";
}

} // namespace
} // namespace kantrix::test
