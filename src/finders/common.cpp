#include "finders/common.h"

#include "model/table_reader.h"
#include "window/shell.h"

namespace gs::finders {

namespace {

// The last row numbered n that a read filled: the spare row after the
// table's lines, and rows a failed read left, hold no unit or site (their
// number 0 is nobody's). -1 is what "None" carries and names no row.
template <class Table>
int lastRow(const Table& rows, int n) {
    int found = -1;
    if (n == -1) return found;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        if (rows[r].Number == n && !unreadRow(rows[r])) found = r;
    return found;
}

}  // namespace

int lastUnitRow(const Editor& e, int n) { return lastRow(e.Units, n); }
int lastSiteRow(const Editor& e, int n) { return lastRow(e.Sites, n); }

void showEmptyLink(Label& l) {
    l.setCaption("-1");
    l.setForeColor(std::nullopt);
    l.setUnderline(false);
    l.setToolTip("");
}

void showLink(Label& l, int unitNumber, const std::string& name) {
    l.setCaption(plainNumber(unitNumber));
    l.setForeColor(Rgb{0, 0, 255});
    l.setUnderline(true);
    l.setToolTip(name);
}

void openUnitReference(Editor& e, int unitNumber) {
    e.f.lblURL.setCaption(unitReferenceAddress(unitNumber));
    lblURL_Click(e.f, e.platform);
}

void openUnitLink(Editor& e, const Label& l) {
    if (l.caption() == "-1") return;
    const NumberResult n = toInt16(l.caption());
    if (n.ok()) openUnitReference(e, static_cast<int>(n.value));
}

}  // namespace gs::finders
