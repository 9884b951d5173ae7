#pragma once

// The ways into the profile windows, for the main window and for the program's start. The
// windows live in a module of their own, kantrix_profile_window, that the program loads when the
// first is opened: they need Qt Svg and Qt Print Support and the profile library, which a start
// that shows only the bend would otherwise load and relocate for nothing.

#include <QStringList>

class QWidget;

namespace kantrix {

struct BendState;

// What the module offers, one function for each way in below.
struct ProfileWindows
{
    void (*openOfBend)(const BendState& bend);
    void (*askAndOpen)(QWidget* parent);
    int (*openFiles)(const QStringList& paths);
};

// A new profile window with the bend the main window shows: its r, s and beta as the one bend,
// its flanges a and b as the two legs, and a width of 100 mm. Each of these functions tells the
// user, over `parent`, if the module is missing.
void openProfileOfBend(const BendState& bend, QWidget* parent);

// Asks for a .kprofil file and opens it in a window of its own. A refused file is named in a
// message over `parent`, and nothing else changes.
void askForProfile(QWidget* parent);

// Opens a window for each file, for the command line `kantrix TEIL.kprofil …`; the number of
// windows opened. A file that is refused is reported in a message of its own.
int openProfileFiles(const QStringList& paths);

// Takes `windows` instead of loading the module, for the tests, which link the windows in.
void useProfileWindows(const ProfileWindows& windows);

} // namespace kantrix
