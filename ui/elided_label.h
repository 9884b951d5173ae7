#pragma once

// A label for a result that may be any length (a leg of 1e308 gives an L of 309 digits): it asks
// the layout for its whole text's width where there is room and otherwise shows the text's start
// with an ellipsis, the whole text as its tooltip, so that no number widens its window.

#include <QLabel>

namespace kantrix {

class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setWholeText(const QString& text);
    QString wholeText() const { return m_whole; }
    // The text the label keeps room for at the window's smallest: an ordinary result then shows
    // whole there, and only a longer one is elided.
    void setLeastText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString m_whole;
    QString m_least = QStringLiteral("0…");
};

} // namespace kantrix
