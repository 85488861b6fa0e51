#include "document/assembly.h"

#include "document/form_io.h"
#include "document/saving.h"

namespace gs {

namespace {

constexpr int kStep4 = 3;

}  // namespace

void AssembleFinalText(Editor& e) { e.f.txtGanFileFinal.setText(render(fromForm(e))); }

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
