#include "program.h"

#include "accessibility.h"
#include "form_style.h"
#include "verdano.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <csignal>

namespace kantrix {

namespace {

// Waits for the window's first paint, then loads the translations once that frame is flushed.
// The dialogs, message boxes and edit menus that use them can only open after it.
class TranslationsAfterFirstFrame : public QObject
{
public:
    explicit TranslationsAfterFirstFrame(QWidget* window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                installDialogTranslations();
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

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
    window.installEventFilter(new TranslationsAfterFirstFrame(&window));
    window.move(0, 0);
    window.show();
}

} // namespace kantrix
