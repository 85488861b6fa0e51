// RK.cfg: Quillmap's folder, the author's name and running index, and the
// premade item lists offered in cboQuillmapItem.
#pragma once

#include <optional>
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
// index in txtAuthorIndex. On failure the file and the index are kept and
// the cause returned.
std::optional<std::string> advanceConfig(Editor& e);
// advanceConfig after a file was saved: a failure still uses the index up
// for this run, so that the next file gets a new name and never replaces
// the one just saved.
std::optional<std::string> advanceConfigAfterSave(Editor& e);
// The message box of a failed advanceConfig.
void reportConfigFailure(Editor& e, const std::string& why);
// advanceConfig, reporting its failure.
void WriteConfig(Editor& e);
// Asks for Quillmap's executable and stores its folder.
void LocateQuillmap(Editor& e);

}  // namespace gs
