#include "window/version.h"

namespace gs {

const char* const kProgramVersion = GS_VERSION;

}  // namespace gs
