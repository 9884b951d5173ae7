#pragma once

// The window as a user meets it: on the offscreen platform, in the form's style, shown and active
// before the first key. Keys go to the window that has the keyboard and clicks go through the
// window system to the widget under the pointer, so a modal message box blocks both, as it does
// for the user.

#include "bend_state.h"
#include "field_set.h"
#include "row_names.h"
#include "verdano.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <ostream>
#include <string>

class QLineEdit;
class QMessageBox;

// Readable failure messages for the Qt values the tests compare.
void PrintTo(const QRect& rect, std::ostream* out);
void PrintTo(const QColor& colour, std::ostream* out);

namespace kantrix::test {

// What the user sees of the bend, and the bend itself.
struct Shown
{
    std::array<QString, fieldCount> texts;
    QColor vBackground;
    BendState state;
};

class WindowTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    Verdano& window() { return *m_window; }
    QWidget* control(const char* name);
    QLineEdit* text(Field field);
    std::string textOf(Field field);
    // The object name of the widget with the keyboard focus.
    std::string focusName() const;
    const BendState& state() const { return m_window->form().state(); }
    Shown shown();
    testing::AssertionResult shows(const Shown& expected);

    // The user's hands.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Types over the selection; an empty text deletes it.
    void typeOver(const std::string& text);
    void click(QWidget* widget);
    // Tabs forward until the field has the focus, then types over its selected text.
    void enterText(Field field, const std::string& text);

    // Processes pending events; a modal dialog is then a failure unless faults are expected.
    void settle();
    void expectFaults() { m_faultsExpected = true; }
    // The fault message, once it is open; nullptr if none opens.
    QMessageBox* awaitFaultMessage();
    // Clicks the message's OK button; the window manager then gives the window back the keyboard.
    void dismiss(QMessageBox* box);

private:
    QString m_styleName;
    QPalette m_palette;
    QFont m_font;
    std::unique_ptr<Verdano> m_window;
    bool m_faultsExpected = false;
};

// The colour a widget paints at the left of its interior, where a right-aligned text leaves room.
QColor paintedBackground(QWidget* widget);

} // namespace kantrix::test
