#pragma once

// A single-line text field of the form. An input field reports when the focus moves into it or
// out of it within the window; a result field never takes the focus, cannot be clicked into,
// edited or selected, and only the program writes it.
//
// A text wider than the field shows its start, where the sign and the leading digits stand, and
// ends in an ellipsis; the field's tooltip then holds the whole text. An input field that has the
// focus scrolls as usual instead.

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

    // The tooltip the field shows while its whole text fits.
    void setHint(const QString& hint);
    // The text as it is drawn: the whole text, or its start cut with an ellipsis.
    QString shownText() const;

Q_SIGNALS:
    // Only for moves of the focus between the controls of the window: activating another
    // window, or a message box that opens, is not entering or leaving a field.
    void entered();
    void left();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
    bool isCut() const;
    void updateToolTip();

    Role m_role;
    QString m_hint;
    // Set while the click that brought the focus here is held: it must not place the caret.
    bool m_focusClick = false;
};

} // namespace kantrix
