#pragma once

// The ways into the box windows, for the bend and profile windows and for the program's start.
// They live in the part windows' module with the profile windows (profile_launch.h says why),
// loaded when the first is opened.

#include <QStringList>

class QWidget;

namespace kantrix {

struct BoxWindows
{
    void (*openNew)();
};

// An empty box window; tells the user, over `parent`, if the module is missing.
void openNewBox(QWidget* parent);

// Takes `windows` instead of loading the module, for the tests, which link the windows in.
void useBoxWindows(const BoxWindows& windows);

} // namespace kantrix
