#pragma once

// A field and a combo box of the profile window and its dialogs whose text may be any length (r
// of a die of 1e308, a material's long name): where the text is wider than the box, it shows its
// start, where the sign, the leading digits and the name's first words stand, and ends in an
// ellipsis, with the whole text as tooltip. A field being typed in scrolls as usual instead.

#include <QComboBox>
#include <QLineEdit>

namespace kantrix {

class StartField : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

    // The text as it is drawn: the whole text, or its start cut with an ellipsis.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
};

class StartComboBox : public QComboBox
{
public:
    using QComboBox::QComboBox;

    // The current item's text as it is drawn.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
};

} // namespace kantrix
