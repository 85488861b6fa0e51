// The editor's system services on Qt: message boxes, the Open and Save
// dialogs, the browser, picture sizes, the program folder and a timer.
#pragma once

#include <QString>

#include "window/platform.h"

namespace gs::qt {

// File and folder names are the system's own bytes, not window text: the
// editor opens them with exactly these bytes.
QString pathToQt(const std::string& path);
std::string pathFromQt(const QString& path);

// "desc|pattern|desc|pattern" -> "desc (pattern);;desc (pattern)".
QStringList dialogFilters(const std::string& filter);

class QtPlatform : public Platform {
public:
    void messageBox(const std::string& text, const std::string& title, const std::string& detail = {}) override;
    bool questionBox(const std::string& text, const std::string& title, const std::string& accept,
                     const std::string& reject) override;
    std::optional<std::string> openFileDialog(const DialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const DialogRequest& request) override;
    void openUrl(const std::string& address) override;
    std::optional<PictureSize> pictureSize(const std::string& path) override;
    std::string programFolder() override;
    void repeat(int milliseconds, std::function<void()> task) override;
};

// A timer that runs `task` every `milliseconds` while the application runs,
// skipped while a modal box or dialog waits for the user (an action is
// under way then).
void repeatEvery(int milliseconds, std::function<void()> task);

}  // namespace gs::qt
