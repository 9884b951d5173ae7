#include "accessibility.h"
#include "form_style.h"
#include "profile_launch.h"
#include "verdano.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kantrix"));
    QApplication::setApplicationVersion(QStringLiteral(KANTRIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.kantrix.Kantrix"));
    kantrix::style::applyFormStyle(application);

    // The file and print dialogs in German, where Qt's translations are installed.
    QTranslator dialogs;
    if (dialogs.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&dialogs);

    kantrix::accessibility::startBeforeTheWindow();
    // `kantrix TEIL.kprofil …` opens the profiles, each in a window of its own, and no bend.
    QStringList files = QApplication::arguments().mid(1);
    files.removeIf([](const QString& argument) { return argument.startsWith(QLatin1Char('-')); });
    if (!files.isEmpty())
        return kantrix::openProfileFiles(files) > 0 ? QApplication::exec() : 1;
    kantrix::Verdano window;
    window.move(0, 0);
    window.show();
    return QApplication::exec();
}
