#include "document/assembly.h"

namespace gs {

void connectAssembly(Editor&) {}

}  // namespace gs
