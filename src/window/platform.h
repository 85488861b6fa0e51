// Everything the editor asks of the system beyond its own windows: message
// boxes, file dialogs, the browser, pictures, the program folder and a clock
// that runs work between the user's actions. The Qt
// view implements it; tests use a fake that records messages and answers
// dialogs from a script.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace gs {

struct DialogRequest {
    std::string title;
    std::string fileName;  // initial file name
    std::string initDir;   // initial folder
    std::string filter;    // "description|pattern|description|pattern..."
    int filterIndex = 1;   // 1-based
};

struct PictureSize {
    int width = 0;   // pixels
    int height = 0;  // pixels
};

class Platform {
public:
    virtual ~Platform() = default;
    // A modal box with an OK button and no icon. `detail` (may be empty) is
    // shown below the text as the box's informative text.
    virtual void messageBox(const std::string& text, const std::string& title, const std::string& detail = {}) = 0;
    // A modal question with two buttons, `accept` and `reject` (the default,
    // also what closing the box means); true when the user chose `accept`.
    virtual bool questionBox(const std::string& text, const std::string& title, const std::string& accept,
                             const std::string& reject) = 0;
    // The Open and Save dialogs; nullopt when the user cancels.
    virtual std::optional<std::string> openFileDialog(const DialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileDialog(const DialogRequest& request) = 0;
    // Hands a web address to the user's browser; the result is not examined.
    virtual void openUrl(const std::string& address) = 0;
    // The size of the picture in an image file, nullopt when it cannot be read.
    virtual std::optional<PictureSize> pictureSize(const std::string& path) = 0;
    // The folder of the running executable, without a trailing separator.
    virtual std::string programFolder() = 0;
    // Runs `task` every `milliseconds` from now on, on the thread of the
    // windows and between two of the user's actions, never inside one.
    virtual void repeat(int milliseconds, std::function<void()> task) = 0;
};

}  // namespace gs
