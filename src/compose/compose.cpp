#include "compose/compose.h"

namespace gs {

void connectCompose(Editor&) {}
void ApplyItemFilter(Editor&) {}

}  // namespace gs
