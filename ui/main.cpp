#include "accessibility.h"
#include "font_config_warm_up.h"
#include "profile_launch.h"
#include "program.h"
#include "verdano.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    kantrix::FontConfigWarmUp fontConfig;
    QApplication application(argc, argv);
    kantrix::setUpApplication(application);
    fontConfig.finish();
    // `kantrix TEIL.kprofil …` opens the profiles, each in a window of its own, and no bend.
    QStringList files = QApplication::arguments().mid(1);
    files.removeIf([](const QString& argument) { return argument.startsWith(QLatin1Char('-')); });
    if (!files.isEmpty()) {
        kantrix::installDialogTranslations();
        kantrix::accessibility::startBeforeTheWindow();
        return kantrix::openProfileFiles(files) > 0 ? QApplication::exec() : 1;
    }
    kantrix::Verdano window;
    kantrix::showWindow(window);
    return QApplication::exec();
}
