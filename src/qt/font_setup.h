// The system's font set-up, where the system has fontconfig: reading its
// configuration and its font caches is the largest single step of a start
// (about a quarter of it), and nothing the toolkit does before the first font
// is asked for needs it. Begun on a second thread, it runs while the toolkit
// starts on the first; Qt's font database then finds the work done.
#pragma once

#include <thread>

namespace gs::qt {

class FontSetupAhead {
public:
    FontSetupAhead();
    ~FontSetupAhead() { wait(); }
    FontSetupAhead(const FontSetupAhead&) = delete;
    FontSetupAhead& operator=(const FontSetupAhead&) = delete;

    // Waits for the set-up: before the first font is asked for.
    void wait() {
        if (setup_.joinable()) setup_.join();
    }

private:
    std::thread setup_;
};

}  // namespace gs::qt
