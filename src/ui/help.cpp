#include "ui/help.h"

namespace gs {

void connectHelp(Editor&) {}

}  // namespace gs
