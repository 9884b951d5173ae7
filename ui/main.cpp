#include "program.h"
#include "verdano.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    kantrix::setUpApplication(application);
    kantrix::Verdano window;
    kantrix::showWindow(window);
    return QApplication::exec();
}
