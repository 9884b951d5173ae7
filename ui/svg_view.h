#pragma once

// A drawing of the library shown as it is written: the SVG text rendered as vectors, scaled to
// fit the widget with its proportions kept and centred, so that it stays crisp at any screen
// scale. Without a drawing it shows a German line that says why there is none.

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace kantrix {

class SvgView : public QWidget
{
    Q_OBJECT

public:
    explicit SvgView(QWidget* parent = nullptr);

    // Shows the drawing; an empty `svg` shows `why` instead.
    void show(const QByteArray& svg, const QString& why = {});
    // Greys the drawing out, for results that are not current.
    void setStale(bool stale);

    const QByteArray& svg() const { return m_svg; }
    QString absence() const { return m_why; }

    QSize sizeHint() const override { return {320, 200}; }
    QSize minimumSizeHint() const override { return {120, 80}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* m_renderer;
    QByteArray m_svg;
    QString m_why;
    bool m_stale = false;
};

} // namespace kantrix
