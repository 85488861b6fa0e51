// RK.cfg: Quillmap's folder, the author's name and running index, and the
// premade item lists offered in cboQuillmapItem.
#pragma once

#include "model/load.h"

namespace gs {

// Reads RK.cfg into the configuration values (no controls are touched).
LoadStatus readConfig(Editor& e);
// Rewrites RK.cfg with the author index advanced by one and shows the new
// index in txtAuthorIndex; reports its own failure.
void WriteConfig(Editor& e);
// Asks for Quillmap's executable and stores its folder.
void LocateQuillmap(Editor& e);

}  // namespace gs
