#include "program.h"

#include "accessibility.h"
#include "event_hook.h"
#include "form_style.h"
#include "verdano.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <csignal>

namespace kantrix {

void installDialogTranslations()
{
    auto* dialogs = new QTranslator(qApp);
    if (dialogs->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(dialogs);
    else
        delete dialogs;
}

void setUpApplication(QApplication& application)
{
    // Past the file size limit a save fails, says so and keeps the old file, instead of the signal
    // ending the program with every unsaved change in it.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication::setApplicationName(QStringLiteral("Kantrix"));
    QApplication::setApplicationVersion(QStringLiteral(KANTRIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.kantrix.Kantrix"));
    style::applyFormStyle(application);
    accessibility::askForScreenReader();
}

void showWindow(Verdano& window)
{
    accessibility::startBeforeTheWindow();
    // The dialogs, message boxes and edit menus that use the translations can only open after
    // the first frame, so they are loaded once that frame is out.
    afterEvent(&window, QEvent::Paint, HookRepeat::Once, installDialogTranslations);
    window.move(0, 0);
    window.show();
}

} // namespace kantrix
