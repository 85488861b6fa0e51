// The application object opens the display. Without a display Qt would
// abort the program; the editor says so in one line instead and ends with
// exit code 1, before it has touched its installation.
#pragma once

#include <memory>

class QApplication;

namespace gs::qt {

// The application on the display Qt chooses; argc must outlive it.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

}  // namespace gs::qt
