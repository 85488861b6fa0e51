// RK.cfg: Quillmap's folder, the author's name and running index, and the
// premade item lists offered in cboQuillmapItem.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/load.h"

namespace gs {

// Reads RK.cfg into the configuration values (no controls are touched).
LoadStatus readConfig(Editor& e);
// The same from RK.cfg's bytes; `path` only names the file in a failure's
// cause. Values before a failing line are stored, later ones keep theirs.
LoadStatus parseConfig(std::string_view bytes, const std::string& path, Editor& e);
// The extra item lists of RK.cfg: the non-empty Tab-separated pieces of
// QuillmapItems, in order.
std::vector<std::string> quillmapItemLists(const Editor& e);
// Rewrites RK.cfg with the author index advanced by one and shows the new
// index in txtAuthorIndex; reports its own failure.
void WriteConfig(Editor& e);
// Asks for Quillmap's executable and stores its folder.
void LocateQuillmap(Editor& e);

}  // namespace gs
