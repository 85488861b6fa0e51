#include "document/assembly.h"

#include <string>

#include "document/saving.h"
#include "model/number.h"

namespace gs {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kStep4 = 3;

// Every CR LF followed by "--", so that each line of the description becomes
// a comment line.
std::string commentLines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\n--";
            ++i;
        }
    }
    return out;
}

// A list of candidates: one entry goes on the keyword's own line
// ("#feature X"), several under a count line ("@2 feature") unless
// `alwaysCounted` (province names always take the count line).
void appendCandidates(std::string& out, const ListControl& list, const std::string& keyword, bool alwaysCounted) {
    const int n = list.listCount();
    if (n == 0) return;
    if (n == 1 && !alwaysCounted) {
        out += "#" + keyword + " " + list.item(0) + kCrLf;
        return;
    }
    out += "@" + plainNumber(n) + " " + keyword + kCrLf;
    for (const std::string& entry : list.items()) out += entry + kCrLf;
}

}  // namespace

void AssembleFinalText(Editor& e) {
    Form1& f = e.f;
    std::string out;

    const std::string& description = f.txtGanFileDesc.text();
    if (!description.empty()) {
        out += std::string("--Description: ") + kCrLf + "--" + commentLines(description) + kCrLf + kCrLf;
    }

    if (f.lstNameList.listCount() > 0) {
        appendCandidates(out, f.lstNameList, "landname", true);
    } else if (f.cboNameDataList.listIndex() >= 1) {
        out += "@RANDOM landname " + f.cboNameDataList.text() + kCrLf;
    }

    if (!f.txtPopulation.text().empty()) out += "#population " + f.txtPopulation.text() + kCrLf;

    const int p = f.cboPopType.listIndex();
    if (p >= 1 && p <= static_cast<int>(e.PopTypes.size())) {
        const PopTypeRecord& r = e.PopTypes[static_cast<std::size_t>(p - 1)];
        out += "#poptype " + plainNumber(r.Number) + " --" + std::string(r.Name) + kCrLf;
    }

    if (f.chkKillFeatures.value() == CheckBox::Checked) out += std::string("#killfeatures") + kCrLf;

    for (int i = 0; i < 4; ++i) {
        const bool known = f.chkKnown[i].value() != CheckBox::Unchecked;
        appendCandidates(out, f.lstFeatureList[i], known ? "knownfeature" : "feature", false);
    }

    out += f.txtGarrison.text();
    f.txtGanFileFinal.setText(out);
}

void SSTab1_Click(Editor& e, int /*previousTab*/) {
    if (e.f.SSTab1.tab() != kStep4) return;
    e.f.txtGanFileName.setText(e.f.txtFileNamePreview.text());
    AssembleFinalText(e);
}

void connectAssembly(Editor& e) {
    e.f.SSTab1.Click = [&e](int previous) { SSTab1_Click(e, previous); };
    connectSaving(e);
}

}  // namespace gs
