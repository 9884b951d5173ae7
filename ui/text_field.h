#pragma once

// A single-line text field of the form. An input field reports when the focus moves into it or
// out of it within the window; a result field never takes the focus, cannot be clicked into,
// edited or selected, and only the program writes it.

#include <QLineEdit>

namespace kantrix {

class TextField : public QLineEdit
{
    Q_OBJECT

public:
    enum class Role
    {
        Input,
        Result
    };

    TextField(Role role, QWidget* parent);

    Role role() const { return m_role; }

Q_SIGNALS:
    // Only for moves of the focus between the controls of the window: activating another
    // window, or a message box that opens, is not entering or leaving a field.
    void entered();
    void left();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Role m_role;
};

} // namespace kantrix
