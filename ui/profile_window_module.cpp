// The module kantrix_profile_window: the profile windows, with the profile library and the Qt
// libraries they need, loaded by the program when the first window is opened (profile_launch.h).

#include "profile_launch.h"
#include "profile_window.h"

extern "C" Q_DECL_EXPORT const kantrix::ProfileWindows* kantrixProfileWindows()
{
    return &kantrix::ProfileWindow::waysIn();
}
