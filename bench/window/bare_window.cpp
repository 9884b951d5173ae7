// Usage: kantrix_bare_window
// A bare Qt window that draws what every such window must, in the form's face and style: a bold
// group box, a label and a line edit. It links Qt Widgets and the style alone, so that
// scripts/measure-ui compares the Kantrix window's start-up with what any Qt window pays, the
// libraries included. It exits as soon as its first frame is painted.

#include "first_paint_exit.h"
#include "form_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    kantrix::style::applyFormStyle(application);

    QWidget window;
    window.setFixedSize(469, 442);
    auto* frame = new QGroupBox(QStringLiteral("Biege-Info"), &window);
    frame->setFont(kantrix::style::formFont(true));
    frame->setGeometry(8, 8, 289, 121);
    auto* label = new QLabel(QStringLiteral("Biegeradius r ="), frame);
    label->setFont(kantrix::style::formFont());
    label->setGeometry(8, 25, 127, 17);
    auto* edit = new QLineEdit(QStringLiteral("2.00"), frame);
    edit->setFont(kantrix::style::formFont());
    edit->setGeometry(145, 24, 100, 19);

    const kantrix::probe::FirstPaintExit exitOnPaint(&window);
    window.move(0, 0);
    window.show();
    return QApplication::exec();
}
