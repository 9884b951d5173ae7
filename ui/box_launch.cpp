#include "box_launch.h"

#include "module_loader.h"

#include <QMessageBox>

namespace kantrix {

namespace {

const BoxWindows* chosenWindows = nullptr;

const BoxWindows* boxWindows(QWidget* parent)
{
    static const BoxWindows* const loaded =
        chosenWindows ? chosenWindows
                      : moduleInterface<BoxWindows>("kantrix_profile_window", "kantrixBoxWindows");
    if (!loaded) {
        QMessageBox::warning(parent, QStringLiteral("Kantrix"),
                             QStringLiteral("Das Kastenfenster kann nicht geöffnet werden: ein "
                                            "Teil von Kantrix fehlt (kantrix_profile_window)."));
    }
    return loaded;
}

} // namespace

void openNewBox(QWidget* parent)
{
    if (const BoxWindows* windows = boxWindows(parent))
        windows->openNew();
}

void useBoxWindows(const BoxWindows& windows)
{
    chosenWindows = &windows;
}

} // namespace kantrix
