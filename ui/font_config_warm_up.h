#pragma once

// Reading the system's font configuration is the largest single step of the start: fontconfig
// parses every file under /etc/fonts and the caches of every installed font, about a third of the
// instructions up to the first frame. Nothing of it needs the display, so it runs on a thread of
// its own while Qt connects to the display and loads its platform plugin; Qt's own font database
// then finds the configuration already loaded.
//
// The thread keeps an ordinary priority. In the idle class it yielded better to the display
// server, but a busy machine starved it while it held fontconfig's locks, and the window then
// waited on it for up to a second.

#include <thread>

namespace kantrix {

class FontConfigWarmUp
{
public:
    // Starts reading the configuration. Construct before the QApplication.
    FontConfigWarmUp();
    // Waits for the configuration: call before the first widget measures a text.
    void finish();
    ~FontConfigWarmUp();

    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

private:
    std::thread m_reader;
};

} // namespace kantrix
