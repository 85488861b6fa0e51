// Caret positions: the model counts bytes with CR LF, a multi-line widget
// counts characters with "\n".
#pragma once

#include <string>

namespace gs::qt {

// The widget's position for a byte position in the model's text.
int shownPosition(const std::string& text, int bytes);
// The byte position in the model's text for the widget's position.
int bytePosition(const std::string& text, int shown);

}  // namespace gs::qt
