// Usage: kantrix_window_probe startup|bare|leave [iterations]
//   startup  shows the Kantrix window and exits as soon as its first frame is painted
//   bare     the same for a bare window that draws what every such window must: a bold group
//            box, a label and a line edit in the same face and style
//   leave    shows the Kantrix window, then times leaving a field by the tab key, rule,
//            recalculation and repaint included, and prints the median in microseconds
//   sheet    shows the Kantrix window, then times saving the bend sheet as PDF, from the file
//            name accepted in the file dialog to the file in place, and prints the median

#include "form_commands.h"
#include "form_style.h"
#include "text_field.h"
#include "verdano.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Ends the process right after the first paint of `window` has been flushed, skipping teardown,
// which neither program would do before its first frame either.
class FirstPaintExit : public QObject
{
public:
    explicit FirstPaintExit(QWidget* window) : m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::quick_exit(0); });
        return false;
    }

private:
    QWidget* m_window;
};

QWidget* bareWindow()
{
    auto* window = new QWidget;
    window->setFixedSize(469, 442);
    auto* frame = new QGroupBox(QStringLiteral("Biege-Info"), window);
    frame->setFont(kantrix::style::formFont(true));
    frame->setGeometry(8, 8, 289, 121);
    auto* label = new QLabel(QStringLiteral("Biegeradius r ="), frame);
    label->setFont(kantrix::style::formFont());
    label->setGeometry(8, 25, 127, 17);
    auto* edit = new QLineEdit(QStringLiteral("2.00"), frame);
    edit->setFont(kantrix::style::formFont());
    edit->setGeometry(145, 24, 100, 19);
    return window;
}

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

} // namespace

int main(int argc, char* argv[])
{
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("startup");
    QApplication application(argc, argv);
    kantrix::style::applyFormStyle(application);

    if (mode == QLatin1String("leave") || mode == QLatin1String("sheet")) {
        kantrix::Verdano window;
        window.show();
        window.activateWindow();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 500)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        if (mode == QLatin1String("sheet"))
            return measureSheet(window, argc > 2 ? std::atoi(argv[2]) : 21);
        return measureLeaveRule(window, argc > 2 ? std::atoi(argv[2]) : 1000);
    }

    QWidget* window = nullptr;
    if (mode == QLatin1String("bare"))
        window = bareWindow();
    else
        window = new kantrix::Verdano;
    FirstPaintExit exitOnPaint(window);
    window->installEventFilter(&exitOnPaint);
    window->move(0, 0);
    window->show();
    return QApplication::exec();
}
