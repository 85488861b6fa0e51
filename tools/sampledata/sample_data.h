// The sample installation laid beside the built editor: invented data tables
// varied enough that every finder and filter choice finds some rows and not
// all, RK.cfg, and a demo Quillmap folder. Everything is deterministic. This
// part needs no toolkit; main.cpp draws the sprites that sprites() lists.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace gs::sample {

using Row = std::vector<std::string>;

struct Tables {
    std::vector<Row> units, items, sites, nations, popTypes;
};

// The five tables at their files' exact line counts.
Tables makeTables();

// A unit sprite to draw: RKsprites/<number, four digits>.jpg.
struct Sprite {
    int number;
    int width;
    int height;
    std::string file;  // "1822.jpg"
};
std::vector<Sprite> sprites(const Tables& tables);

// Fields joined by Tab, every line ended by CR LF.
std::string tableText(const std::vector<Row>& rows);

// Writes RKdata/*.txt, RK.cfg (only when missing), and the demo Quillmap
// folder "Quillmap" (Quillmap.exe placeholder, LIST_CRATE/NameList.txt,
// LIST_CRATE/GodList.txt only when missing, GOD_BIN/) into `folder`, and
// creates RKsprites/. Throws std::runtime_error when a file cannot be written.
// A movable installation's RK.cfg names the Quillmap folder relative to
// `folder` (the editor works in its own folder), otherwise by its full path.
void writeFiles(const std::filesystem::path& folder, const Tables& tables, bool movable = false);

}  // namespace gs::sample
