#pragma once

// The ways into the profile windows, for the main window and for the program's start. Only these
// plain functions are declared here, so that the main window does not build, or even include,
// anything of the profile windows before one is opened.

#include <QStringList>

class QWidget;

namespace kantrix {

struct BendState;

// A new profile window with the bend the main window shows: its r, s and beta as the one bend,
// its flanges a and b as the two legs, and a width of 100 mm.
void openProfileOfBend(const BendState& bend);

// Asks for a .kprofil file and opens it in a window of its own. A refused file is named in a
// message over `parent`, and nothing else changes.
void askForProfile(QWidget* parent);

// Opens a window for each file, for the command line `kantrix TEIL.kprofil …`; the number of
// windows opened. A file that is refused is reported in a message of its own.
int openProfileFiles(const QStringList& paths);

} // namespace kantrix
