// A rule that faults is undone, the fault is named in a message, and the program goes on.

#include "window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;

using test::PrintTo; // names the rows of the tables below

struct Fault
{
    const char* name;
    // Completed entries before; each set up so that a leave rule of the field that receives the
    // focus would change the bend.
    std::vector<std::pair<Field, std::string>> before;
    Field field;
    std::string typed;
    Qt::Key leaveKey;
    Field next;
};

class FaultMend : public WindowTest, public testing::WithParamInterface<Fault>
{
protected:
    void clickAndType(Field field, const std::string& typed)
    {
        click(text(field));
        press(Qt::Key_A, Qt::ControlModifier);
        typeOver(typed);
    }
};

TEST_P(FaultMend, RestoresTheLastCompletedRuleAndNamesTheFault)
{
    const Fault& fault = GetParam();
    expectFaults();
    QSignalSpy reported(&window(), &Verdano::faultReported);
    for (const auto& [field, typed] : fault.before)
        clickAndType(field, typed);
    click(text(fault.field));
    settle();
    const Shown lastCompleted = shown();
    press(Qt::Key_A, Qt::ControlModifier);
    typeOver(fault.typed);

    // Straight to the field, with no event processed after it: the message has to wait until the
    // focus has arrived.
    QTest::keyClick(QApplication::focusWidget(), fault.leaveKey);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "opened amid the move of the focus";
    EXPECT_EQ(focusName(), controlName(fault.next));
    EXPECT_TRUE(shows(lastCompleted));

    QMessageBox* box = awaitFaultMessage();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->objectName().toStdString(), "FaultMessage");
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    // It names the fault and says that the entry is gone.
    EXPECT_TRUE(box->text().startsWith(QStringLiteral("Rechenfehler: Überlauf.")))
        << box->text().toStdString();
    EXPECT_TRUE(box->text().endsWith(QStringLiteral(
        "Die Eingabe wurde verworfen; alle Felder zeigen wieder die zuletzt gültigen Werte.")))
        << box->text().toStdString();
    ASSERT_EQ(reported.count(), 1);
    EXPECT_TRUE(reported.at(0).at(0).toString().contains(QStringLiteral("Überlauf")));
    EXPECT_EQ(window().focusWidget(), text(fault.next));

    // The window is blocked: neither a click into another field nor a key reaches it.
    click(text(fault.field == Field::Txt_Radius ? Field::Txt_Beta : Field::Txt_Radius));
    press(Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(shows(lastCompleted));
    EXPECT_EQ(window().focusWidget(), text(fault.next));

    dismiss(box);
    settle();
    EXPECT_EQ(focusName(), controlName(fault.next));
    EXPECT_TRUE(shows(lastCompleted));
    EXPECT_EQ(reported.count(), 1);

    press(Qt::Key_Tab);
    settle();
    EXPECT_FALSE(state() == lastCompleted.state) << "the rules no longer run";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, FaultMend, testing::Values(
    Fault{"HugeRadiusOverflowsTheDeduction", {{Field::Txt_Dicke, "2.346"}},
          Field::Txt_Radius, "1" + std::string(308, '0'), Qt::Key_Tab, Field::Txt_Dicke},
    Fault{"FourHundredDigitFlange", {{Field::Txt_Radius, "30"}},
          Field::Txt_l1, std::string(400, '9'), Qt::Key_Tab, Field::Txt_l2},
    Fault{"FlangesOverflowTheDevelopedLength",
          {{Field::Txt_Beta, "179.996"}, {Field::Txt_l2, "1.7e308"}},
          Field::Txt_l1, "1.7e308", Qt::Key_Backtab, Field::Txt_Beta}),
    rowName<Fault>);
// clang-format on

} // namespace
} // namespace kantrix::test
