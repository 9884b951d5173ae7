// Usage: kantrix_window_probe startup|leave|sheet [iterations]
//   startup  starts as the program does and exits as soon as the window's first frame is painted
//            (the bare window to compare with is kantrix_bare_window)
//   leave    shows the Kantrix window, then times leaving a field by the tab key, rule,
//            recalculation and repaint included, and prints the median in microseconds
//   sheet    shows the Kantrix window, then times saving the bend sheet as PDF, from the file
//            name accepted in the file dialog to the file in place, and prints the median
//   profile  shows the Kantrix window, then opens the first profile window as Ctrl+N does, its
//            module loaded then, and prints the milliseconds to that window's first frame
//   box      the same for the first box window, as Ctrl+Shift+N opens it

#include "box_launch.h"
#include "first_paint_exit.h"
#include "font_config_warm_up.h"
#include "form_commands.h"
#include "profile_launch.h"
#include "program.h"
#include "text_field.h"
#include "verdano.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

int measureLeaveRule(kantrix::Verdano& window, int iterations)
{
    using kantrix::Field;
    const char* const radii[] = {"2", "3.5", "0.7", "12", "abc", "2.346"};
    std::vector<double> microseconds;
    microseconds.reserve(static_cast<std::size_t>(iterations));
    for (int i = 0; i < iterations; ++i) {
        window.field(Field::Txt_Radius)->setFocus(Qt::TabFocusReason);
        window.field(Field::Txt_Radius)->setText(QString::fromLatin1(radii[i % 6]));
        QElapsedTimer timer;
        timer.start();
        window.field(Field::Txt_Dicke)->setFocus(Qt::TabFocusReason);
        window.repaint();
        microseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(microseconds.begin(), microseconds.end());
    std::printf("leave rule with repaint: median %.1f us, 90th percentile %.1f us over %d\n",
                microseconds[microseconds.size() / 2], microseconds[microseconds.size() * 9 / 10],
                iterations);
    return 0;
}

int measureSheet(kantrix::Verdano& window, int iterations)
{
    auto* commands = window.findChild<kantrix::FormCommands*>();
    QTemporaryDir folder;
    QElapsedTimer timer;
    std::vector<double> milliseconds;
    QObject::connect(commands, &kantrix::FormCommands::pdfWritten, [&] {
        milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    });
    for (int i = 0; i < iterations; ++i) {
        commands->saveAsPdf();
        QFileDialog* dialog = nullptr;
        while (!(dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())))
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        dialog->selectFile(folder.filePath(QStringLiteral("sheet-%1.pdf").arg(i)));
        timer.start();
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
        QApplication::processEvents();
    }
    if (milliseconds.size() != static_cast<std::size_t>(iterations)) {
        std::fprintf(stderr, "only %zu of %d sheets written\n", milliseconds.size(), iterations);
        return 1;
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("bend sheet as PDF, file name accepted to file in place: median %.1f ms, "
                "fastest %.1f ms, slowest %.1f ms over %d\n",
                milliseconds[milliseconds.size() / 2], milliseconds.front(), milliseconds.back(),
                iterations);
    return 0;
}

// Opens the first part window from the shown bend window and exits at its first painted frame.
int measureFirstPartWindow(kantrix::Verdano& window, bool box)
{
    QElapsedTimer timer;
    timer.start();
    if (box)
        kantrix::openNewBox(&window);
    else
        kantrix::openProfileOfBend(window.form().state(), &window);
    const QString name = box ? QStringLiteral("Kasten") : QStringLiteral("Profil");
    QWidget* opened = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            opened = top;
    if (!opened) {
        std::fprintf(stderr, "no %s window opened\n", qPrintable(name));
        return 1;
    }
    struct FirstFrame : QObject
    {
        QWidget* watched;
        QElapsedTimer* timer;
        bool eventFilter(QObject* object, QEvent* event) override
        {
            if (object == watched && event->type() == QEvent::Paint)
                QTimer::singleShot(0, [this] {
                    std::printf("%.1f\n", static_cast<double>(timer->nsecsElapsed()) / 1e6);
                    std::fflush(stdout);
                    std::quick_exit(0);
                });
            return false;
        }
    };
    auto* frame = new FirstFrame;
    frame->watched = opened;
    frame->timer = &timer;
    opened->installEventFilter(frame);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("startup");
    kantrix::FontConfigWarmUp fontConfig;
    QApplication application(argc, argv);
    kantrix::setUpApplication(application);
    fontConfig.finish();
    kantrix::Verdano window;

    if (mode == QLatin1String("leave") || mode == QLatin1String("sheet") ||
        mode == QLatin1String("profile") || mode == QLatin1String("box")) {
        window.show();
        window.activateWindow();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 500)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        if (mode == QLatin1String("profile") || mode == QLatin1String("box"))
            return measureFirstPartWindow(window, mode == QLatin1String("box"));
        if (mode == QLatin1String("sheet"))
            return measureSheet(window, argc > 2 ? std::atoi(argv[2]) : 21);
        return measureLeaveRule(window, argc > 2 ? std::atoi(argv[2]) : 1000);
    }

    kantrix::showWindow(window);
    const kantrix::probe::FirstPaintExit exitOnPaint(&window);
    return QApplication::exec();
}
