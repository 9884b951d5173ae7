#pragma once

// A picture box: a sunken frame that draws an SVG image at its natural size at the top-left of its
// client area, clipped by it, never scaled to fit. The image is rendered for the screen's device
// pixel ratio so that it stays crisp on a high-density screen.

#include <QFrame>
#include <QPixmap>
#include <QString>

class QSvgRenderer;

namespace kantrix {

class PictureBox : public QFrame
{
    Q_OBJECT

public:
    PictureBox(const QString& svgResource, QWidget* parent);

    // False when the image could not be loaded or parsed; the box then shows its background.
    bool hasImage() const { return m_imageValid; }
    QSize imageSize() const { return m_imageSize; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const QPixmap& pixmapFor(qreal devicePixelRatio);

    QSvgRenderer* m_renderer;
    bool m_imageValid = false;
    QSize m_imageSize;
    QPixmap m_cache;
};

} // namespace kantrix
