// One QApplication for every widget test of the binary.

#include "profile_launch.h"
#include "profile_window.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // No display is needed, and every run sees the same screen, fonts and window activation.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The profile windows are linked in here, so that the tests reach into the very windows
    // that the commands open, instead of a second copy loaded from the module.
    kantrix::useProfileWindows(kantrix::ProfileWindow::waysIn());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
