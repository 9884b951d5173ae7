#pragma once

// What the program does around its window at start-up, shared by main() and the start-up probe so
// that the probe times the very start the program makes. Only what the first frame needs runs
// before it: the names, the style and, with a screen reader about, the accessibility bridge; the
// German texts of Qt's own dialogs and menus are loaded once the first frame is out.

class QApplication;

namespace kantrix {

class Verdano;

// Names the program, applies the form's style and asks whether a screen reader waits for the
// accessibility bridge. Call before the window is built.
void setUpApplication(QApplication& application);

// Starts the accessibility bridge where a screen reader waits for it, then shows the window at
// the screen's top left corner; after its first frame, installs Qt's German translations where
// they are installed.
void showWindow(Verdano& window);

// Installs Qt's German translations at once, for a start that opens profile windows and no bend.
void installDialogTranslations();

} // namespace kantrix
