#pragma once

// A picture box: a sunken frame that draws an SVG image at its natural size at the top-left of its
// client area, clipped by it, never scaled to fit. The image is drawn for the screen's device
// pixel ratio so that it stays crisp on a high-density screen: at the ratios 1 and 2 from raw
// pictures rendered from the SVG while building (raw_picture.h), so that start-up neither parses
// nor renders SVG; at any other ratio from the SVG, rendered when first painted.

#include <QFrame>
#include <QImage>
#include <QString>

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
    const QImage& imageFor(qreal devicePixelRatio);

    QString m_source;
    bool m_imageValid = false;
    QSize m_imageSize;
    QImage m_cache;
};

} // namespace kantrix
