#pragma once

// A picture box: a sunken frame that draws an SVG image at its natural size at the top-left of its
// client area, clipped by it, never scaled to fit. The image is drawn for the screen's device
// pixel ratio so that it stays crisp on a high-density screen: at the ratios 1 and 2 from PNGs
// rendered from the SVG while building (":/rendered/<path>@1x.png", "@2x.png"), so that start-up
// neither parses nor renders SVG; at any other ratio from the SVG, rendered when first painted.

#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace kantrix {

// Reads a PNG of the resources with Qt's built-in reader alone. Without a format named, Qt asks
// every image plug-in installed whether it reads the file, loading each one to ask.
QImage readPng(const QString& resource);

// The PNG rendered while building from an SVG of the resources, at a device pixel ratio of 1 or 2.
QString renderedPicture(const QString& svgResource, int ratio);

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

    QString m_source;
    bool m_imageValid = false;
    QSize m_imageSize;
    QPixmap m_cache;
};

} // namespace kantrix
