// The editor's working state: its two windows, the platform, the data tables
// with their index arrays, the configuration values and the few flags of the
// main window. Every handler takes the Editor it works on.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/records.h"
#include "window/forms.h"
#include "window/platform.h"

namespace gs {

struct Editor {
    Editor(Form1& form, Form2& splash, Platform& platform) : f(form), splash(splash), platform(platform) {}

    Form1& f;
    Form2& splash;
    Platform& platform;

    // Data tables (fixed capacities; the last row of each stays empty).
    std::vector<UnitRecord> Units = std::vector<UnitRecord>(kUnitRows);
    std::vector<ItemRecord> Items = std::vector<ItemRecord>(kItemRows);
    std::vector<SiteRecord> Sites = std::vector<SiteRecord>(kSiteRows);
    std::vector<NationRecord> Nations = std::vector<NationRecord>(kNationRows);
    std::vector<PopTypeRecord> PopTypes = std::vector<PopTypeRecord>(kPopTypeRows);
    // The bytes their text cells view.
    TableBytes UnitBytes, ItemBytes, SiteBytes, NationBytes, PopTypeBytes;

    // Picker position -> record number.
    std::vector<std::int16_t> UnitIndex = std::vector<std::int16_t>(kUnitRows);
    std::vector<std::int16_t> ItemIndex = std::vector<std::int16_t>(kItemRows);
    std::vector<std::int16_t> SiteIndex = std::vector<std::int16_t>(kSiteRows);
    std::vector<std::int16_t> NationIndex = std::vector<std::int16_t>(kNationRows);

    // Configuration (RK.cfg).
    std::string QuillmapFolder;
    std::string AuthorName;
    std::int16_t AuthorIndex = 0;
    std::string QuillmapItems;  // extra item lists, each followed by a Tab
    // True once RK.cfg has been read whole; only then may it be rewritten,
    // so a file that failed to load is never replaced by half of it.
    bool ConfigReadWhole = false;
    // RK.cfg's bytes as last read or written: a save that finds other bytes
    // there knows that another program changed the file.
    std::string ConfigBytes;

    // Main-window flags.
    bool Loading = false;
    bool AppendingGarrison = false;

    // The god file last opened ("" when the window holds none): "Save As"
    // and "Load" start in its folder.
    std::string OpenedFile;
    // Each god file this run read or wrote, with a hash of its bytes as they
    // were then: a save that finds other bytes there asks before it replaces
    // another program's change.
    std::vector<std::pair<std::string, std::size_t>> GodFilesSeen;

    // Site numbers parallel to the entries of lstFeatureList(0..3).
    std::array<std::vector<std::int16_t>, 4> SiteListNumbers;
};

}  // namespace gs
