// A long random session at the window, step by step against a reference: the form over fields in
// memory, driven by the same moves of the focus and made all-or-nothing in the same way.

#include "bend_error.h"
#include "bend_form.h"
#include "memory_field_set.h"
#include "picture_box.h"
#include "session_plan.h"
#include "test_scale.h"
#include "window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

#include <array>
#include <optional>
#include <string>

namespace kantrix::test {
namespace {

constexpr std::uint32_t seed = sessionSeed;

// The stops of the tab order: the five input fields, then the logo.
constexpr const auto& inputs = inputFields;
constexpr int logo = logoStop;
constexpr int stops = stopCount;

class Reference
{
public:
    Reference()
    {
        m_form.Form_Load();
        m_lastCompleted = m_form.snapshot();
    }

    int focus() const { return m_focus; }
    std::string focusName() const
    {
        return m_focus == logo ? "Picture1" : std::string(controlName(inputs[m_focus]));
    }
    Shown shown() const
    {
        Shown expected{{}, {}, m_form.state()};
        for (Field field : allFields) {
            expected.texts[static_cast<std::size_t>(field)] =
                QString::fromStdString(m_fields.text(field));
        }
        const OleColor colour = m_fields.backColor(Field::Txt_v);
        expected.vBackground = QColor(redOf(colour), greenOf(colour), blueOf(colour));
        return expected;
    }

    // The rules of a move of the focus; returns the fault of the leave rule, if there is one.
    std::optional<FaultKind> move(int to)
    {
        std::optional<FaultKind> fault;
        if (m_focus != logo)
            fault = run([&] { m_form.leaveField(inputs[static_cast<std::size_t>(m_focus)]); });
        if (to != logo)
            run([&] { m_form.enterField(inputs[static_cast<std::size_t>(to)]); });
        m_focus = to;
        return fault;
    }
    void type(const std::string& text) { m_fields.setText(inputs[m_focus], text); }

private:
    template <typename Rule> std::optional<FaultKind> run(Rule rule)
    {
        try {
            rule();
            m_lastCompleted = m_form.snapshot();
            return std::nullopt;
        } catch (const BendError& error) {
            m_form.restore(m_lastCompleted);
            return error.kind();
        }
    }

    MemoryFieldSet m_fields;
    BendForm m_form{m_fields};
    FormSnapshot m_lastCompleted;
    int m_focus = 0;
};

class RandomSession : public WindowTest
{
protected:
    QWidget* stop(int index)
    {
        return index == logo ? static_cast<QWidget*>(window().logo()) : text(inputs[index]);
    }

    // Follows a move of the focus in the reference; a fault there must bring its message.
    void moved(int to)
    {
        const std::optional<FaultKind> fault = m_reference.move(to);
        settle();
        QMessageBox* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!fault) {
            ASSERT_EQ(box, nullptr) << "a message without a fault";
            return;
        }
        ASSERT_NE(box, nullptr) << "no message for " << faultMessage(*fault);
        EXPECT_TRUE(box->text().contains(QString::fromUtf8(faultMessage(*fault).data())));
        dismiss(box);
    }
    void pressTab(Qt::Key key)
    {
        press(key);
        moved((m_reference.focus() + (key == Qt::Key_Tab ? 1 : stops - 1)) % stops);
    }
    void clickStop(int index)
    {
        click(stop(index));
        if (index != m_reference.focus())
            moved(index);
    }

    SessionPlan m_session{seed};
    Reference m_reference;
};

TEST_F(RandomSession, EveryStepMatchesTheReferenceForm)
{
    expectFaults();
    // For each of its mutants the mutation pass plays only the start of the session.
    const int steps = scaledCount(sessionSteps);
    for (int step = 0; step < steps; ++step) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << step);

        const SessionStep move = m_session.next();

        // Into an input field: by a click, or by tabbing there through the stops between.
        const int target = move.target;
        bool selectedOnEntry = false;
        if (move.entry == Move::Click) {
            ASSERT_NO_FATAL_FAILURE(clickStop(target));
        } else {
            const Qt::Key key = move.entry == Move::Tab ? Qt::Key_Tab : Qt::Key_Backtab;
            for (; m_reference.focus() != target; selectedOnEntry = true)
                ASSERT_NO_FATAL_FAILURE(pressTab(key));
        }

        QLineEdit* field = text(inputs[target]);
        if (move.typed) {
            if (selectedOnEntry)
                EXPECT_EQ(field->selectedText(), field->text());
            else
                press(Qt::Key_A, Qt::ControlModifier);
            typeOver(*move.typed);
            m_reference.type(*move.typed);
            ASSERT_EQ(field->text().toStdString(), *move.typed);
        }
        if (move.inert) {
            // A click on a result field or the sketch changes nothing.
            const std::array<QWidget*, 3> inert = {text(Field::Txt_v), text(Field::Txt_l3),
                                                   window().sketch()};
            click(inert[static_cast<std::size_t>(*move.inert)]);
        }

        // Away from it: by a key, or by a click on another input field or the logo.
        if (move.away == Move::Click)
            ASSERT_NO_FATAL_FAILURE(clickStop(move.clickedStop));
        else
            ASSERT_NO_FATAL_FAILURE(
                pressTab(move.away == Move::Tab ? Qt::Key_Tab : Qt::Key_Backtab));

        ASSERT_EQ(focusName(), m_reference.focusName());
        ASSERT_TRUE(shows(m_reference.shown()));
    }
}

} // namespace
} // namespace kantrix::test
