#include "profile_launch.h"

#include "module_loader.h"

#include <QMessageBox>

namespace kantrix {

namespace {

const ProfileWindows* chosenWindows = nullptr;

// The module's functions, loaded at the first call; nullptr after telling the user, over
// `parent`, that the windows are missing.
const ProfileWindows* profileWindows(QWidget* parent)
{
    static const ProfileWindows* const loaded =
        chosenWindows
            ? chosenWindows
            : moduleInterface<ProfileWindows>("kantrix_profile_window", "kantrixProfileWindows");
    if (!loaded) {
        QMessageBox::warning(parent, QStringLiteral("Kantrix"),
                             QStringLiteral("Das Profilfenster kann nicht geöffnet werden: ein "
                                            "Teil von Kantrix fehlt (kantrix_profile_window)."));
    }
    return loaded;
}

} // namespace

void openProfileOfBend(const BendState& bend, QWidget* parent)
{
    if (const ProfileWindows* windows = profileWindows(parent))
        windows->openOfBend(bend);
}

void askForProfile(QWidget* parent)
{
    if (const ProfileWindows* windows = profileWindows(parent))
        windows->askAndOpen(parent);
}

int openProfileFiles(const QStringList& paths)
{
    const ProfileWindows* windows = profileWindows(nullptr);
    return windows ? windows->openFiles(paths) : 0;
}

void useProfileWindows(const ProfileWindows& windows)
{
    chosenWindows = &windows;
}

} // namespace kantrix
