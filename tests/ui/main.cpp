// One QApplication for every widget test of the binary.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // No display is needed, and every run sees the same screen, fonts and window activation.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
