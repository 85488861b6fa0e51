#include "model/tables.h"

namespace gs {

LoadStatus loadNations(Editor&) { return LoadStatus::failure("not read yet"); }
LoadStatus loadNameList(Editor&) { return LoadStatus::failure("not read yet"); }
LoadStatus loadPopTypes(Editor&) { return LoadStatus::failure("not read yet"); }
LoadStatus loadSites(Editor&) { return LoadStatus::failure("not read yet"); }
LoadStatus loadItems(Editor&) { return LoadStatus::failure("not read yet"); }
LoadStatus loadUnits(Editor&) { return LoadStatus::failure("not read yet"); }

}  // namespace gs
