#include "accessibility.h"
#include "form_style.h"
#include "verdano.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kantrix"));
    QApplication::setApplicationVersion(QStringLiteral(KANTRIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.kantrix.Kantrix"));
    kantrix::style::applyFormStyle(application);

    kantrix::accessibility::startBeforeTheWindow();
    kantrix::Verdano window;
    window.move(0, 0);
    window.show();
    return QApplication::exec();
}
