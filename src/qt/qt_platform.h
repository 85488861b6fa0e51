// The editor's system services on Qt: message boxes, the Open and Save
// dialogs, the browser, picture sizes and the program folder.
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
};

}  // namespace gs::qt
