#include "form_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace kantrix::style {

QFont formFont(bool bold)
{
    QFont font(QString::fromLatin1(form::faceFamily.data(),
                                   static_cast<qsizetype>(form::faceFamily.size())));
    font.setPixelSize(form::facePixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void applyFormStyle(QApplication& application)
{
    // The classic Windows style draws the sunken 3D borders and etched frames of the layout;
    // it is built into Qt on every platform.
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows")))
        application.setStyle(classic);

    QPalette palette = application.style()->standardPalette();
    palette.setColor(QPalette::Window, buttonFace);
    palette.setColor(QPalette::Button, buttonFace);
    palette.setColor(QPalette::WindowText, captionText);
    palette.setColor(QPalette::Text, captionText);
    palette.setColor(QPalette::Base, fieldBackground);
    application.setPalette(palette);
    application.setFont(formFont());
}

} // namespace kantrix::style
