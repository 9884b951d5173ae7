// The module kantrix_profile_window: the part windows (profiles and boxes), with the profile and
// box libraries and the Qt libraries they need, loaded by the program when the first window is
// opened (profile_launch.h, box_launch.h).

#include "box_launch.h"
#include "box_window.h"
#include "profile_launch.h"
#include "profile_window.h"

extern "C" Q_DECL_EXPORT const kantrix::ProfileWindows* kantrixProfileWindows()
{
    return &kantrix::ProfileWindow::waysIn();
}

extern "C" Q_DECL_EXPORT const kantrix::BoxWindows* kantrixBoxWindows()
{
    return &kantrix::BoxWindow::waysIn();
}
