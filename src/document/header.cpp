#include "document/header.h"

#include <array>
#include <regex>

#include "model/number.h"

namespace gs {

namespace {

// Era codes by the position of cboEra; any other position has none.
constexpr std::array<const char*, 3> kEraCodes{"EA", "MA", "LA"};
// Rows of the nation table that the header examines.
constexpr int kNationRowsRead = kNationRows - 1;

const char* eraCode(int position) {
    return position >= 0 && position < static_cast<int>(kEraCodes.size()) ? kEraCodes[position] : nullptr;
}

// chkSea is the editor's to set, never the user's: it is enabled only while
// its value changes.
void setSea(CheckBox& chkSea, bool sea) {
    chkSea.setEnabled(true);
    chkSea.setValue(sea ? CheckBox::Checked : CheckBox::Unchecked);
    chkSea.setEnabled(false);
}

}  // namespace

void txtAuthor_Change(Editor& e) {
    e.AuthorName = e.f.txtAuthor.text();
    UpdateFileNamePreview(e);
}

void txtAuthorIndex_Change(Editor& e) {
    // Text that is no 16-bit whole number keeps the previous index; the
    // preview still shows the text as typed.
    const NumberResult index = toInt16(e.f.txtAuthorIndex.text());
    if (index.ok()) e.AuthorIndex = static_cast<std::int16_t>(index.value);
    UpdateFileNamePreview(e);
}

void cboMethod_Click(Editor& e) { UpdateFileNamePreview(e); }

void cboNation_Click(Editor& e) { UpdateFileNamePreview(e); }

void cboEra_Click(Editor& e) {
    if (!e.Loading) UpdateEraCode(e);
}

void UpdateEraCode(Editor& e) {
    ComboBox& nations = e.f.cboNation;
    nations.clear();
    const char* code = eraCode(e.f.cboEra.listIndex());
    int k = -1;
    for (int i = 0; code && i < kNationRowsRead; ++i) {
        const NationRecord& row = e.Nations[i];
        if (row.Era != code) continue;
        nations.addItem(row.Name);
        e.NationIndex[++k] = row.Number;
    }
    if (nations.listCount() > 0)
        nations.setListIndex(0);  // refreshes the preview through cboNation_Click
    else
        UpdateFileNamePreview(e);  // an era without nations: nothing to select
}

void UpdateFileNamePreview(Editor& e) {
    Form1& f = e.f;
    std::string name = f.txtAuthor.text() + f.txtAuthorIndex.text() + "_";

    const int position = f.cboNation.listIndex();
    const bool hasNation = position >= 0 && position < kNationRows;
    const std::int16_t nation = hasNation ? e.NationIndex[position] : 0;
    if (hasNation) name += plainNumber(nation);
    name += "_";

    switch (f.cboMethod.listIndex()) {
        case 0:
            name += "A_";
            break;
        case 1:
            name += "R_";
            break;
        default:
            break;
    }
    if (const char* code = eraCode(f.cboEra.listIndex())) name += std::string(code) + "_";

    // The nation's row decides the sea tag and the box alike: the first row
    // with its number (two rows of one number would otherwise tag a name
    // twice, or tag it with the box clear).
    bool sea = false;
    if (hasNation) {
        for (int i = 0; i < kNationRowsRead; ++i) {
            if (e.Nations[i].Number != nation) continue;
            sea = e.Nations[i].Sea == "SEA";
            break;
        }
    }
    setSea(f.chkSea, sea);
    if (sea) name += "SEA_";

    f.txtFileNamePreview.setText(name);
}

void ShowFileNameTags(Editor& e, const std::string& name) {
    // author and index, "_", the nation, "_", then the tags, each ended by "_".
    static const std::regex kTags("^.*_(-?[0-9]+)_(A_|R_)?(EA_|MA_|LA_)?(SEA_)?$");
    std::smatch m;
    if (!std::regex_match(name, m, kTags)) return;
    Form1& f = e.f;
    if (m[2].matched) f.cboMethod.setListIndex(m[2] == "A_" ? 0 : 1);
    if (m[3].matched) {
        for (int era = 0; era < static_cast<int>(kEraCodes.size()); ++era)
            if (m[3].str().starts_with(kEraCodes[era])) f.cboEra.setListIndex(era);
    }
    const NumberResult nation = toInt16(m[1].str());
    for (int k = 0; nation.ok() && k < f.cboNation.listCount() && k < kNationRows; ++k) {
        if (e.NationIndex[k] == nation.value) {
            f.cboNation.setListIndex(k);
            break;
        }
    }
}

void connectHeader(Editor& e) {
    Form1& f = e.f;
    f.txtAuthor.Change = [&e] { txtAuthor_Change(e); };
    f.txtAuthorIndex.Change = [&e] { txtAuthorIndex_Change(e); };
    f.cboMethod.Click = [&e] { cboMethod_Click(e); };
    f.cboNation.Click = [&e] { cboNation_Click(e); };
    f.cboEra.Click = [&e] { cboEra_Click(e); };
}

}  // namespace gs
