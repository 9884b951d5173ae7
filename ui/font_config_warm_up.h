#pragma once

// Reading the system's font configuration is the largest single step of the start: fontconfig
// parses every file under /etc/fonts and the caches of every installed font, about a third of the
// instructions up to the first frame. Nothing of it needs the display, so it runs on a thread of
// its own while Qt connects to the display and loads its platform plugin; Qt's own font database
// then finds the configuration already loaded.
//
// The thread runs on idle processor time only, so that it never holds up the window's thread or
// the display server that thread waits on. Should it not be done when the window needs the
// fonts, it gets an ordinary share of the processor where the system allows, and is waited for a
// little; after that, Qt reads the configuration itself and the thread's copy is dropped.

#include <memory>
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
    struct Progress;
    std::shared_ptr<Progress> m_progress;
    std::thread m_reader;
};

} // namespace kantrix
