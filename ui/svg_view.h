#pragma once

// A drawing of the library shown as it is written: the SVG text rendered as vectors, scaled to
// fit the widget with its proportions kept and centred, so that it stays crisp at any screen
// scale. A drawing given as a function of its text height is written again for the widget's size,
// its texts as high as the widget's font whatever the part's proportions. Without a drawing it
// shows a German line that says why there is none.

#include "fitted_drawing.h"

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace kantrix {

class SvgView : public QWidget
{
    Q_OBJECT

public:
    explicit SvgView(QWidget* parent = nullptr);

    // Shows the drawing as it is; an empty `svg` shows `why` instead.
    void show(const QByteArray& svg, const QString& why = {});
    // Shows the drawing written for the view's size. Exceptions of `draw` pass through, and the
    // view is unchanged then.
    void show(DrawingAt draw);
    // Greys the drawing out, for results that are not current.
    void setStale(bool stale);

    // The drawing as the library writes it for files; shown() is the one on screen.
    const QByteArray& svg() const { return m_svg; }
    const QByteArray& shown() const { return m_shown; }
    QString absence() const { return m_why; }
    // Where the drawing goes, inside a small border.
    QRectF room() const;

    QSize sizeHint() const override { return {320, 200}; }
    QSize minimumSizeHint() const override { return {120, 80}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QSvgRenderer* m_renderer;
    DrawingAt m_draw;
    QByteArray m_svg;
    QByteArray m_shown;
    QString m_why;
    bool m_stale = false;
};

} // namespace kantrix
