// Hostile sizes met through the user's actions: a Submit of thousands of
// commander names, picking a unit whose cells hold a megabyte each, and the
// failure box of a save to a path of megabytes. Each must take time linear
// in its size; the fitted complexity shows a slower one as a number.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/app.h"
#include "finders/unit_detail.h"
#include "support/fake_platform.h"

namespace {

using namespace gs;

struct Editor {
    test::FakePlatform platform;
    App app{platform};
};

// Submit of a commander-name list of n entries, appended to txtGarrison.
void submitNames(benchmark::State& state) {
    Editor ed;
    Form1& f = ed.app.form;
    const std::vector<std::string> names(static_cast<std::size_t>(state.range(0)), "#name \"Orlan of the Fen\"");
    for (auto _ : state) {
        f.txtGarrison.setText("");
        f.lstCommanderNameList.clear();
        f.lstCommanderNameList.addItems(names);
        f.cmdAddCommanderName.setEnabled(true);
        f.cmdAddCommanderName.click();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(submitNames)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// Picking a unit whose name, unique name and special text hold n bytes each,
// up to the most a text cell holds.
void pickHugeUnit(benchmark::State& state) {
    Editor ed;
    UnitRecord& u = ed.app.editor.Units[0];
    const std::string cell(static_cast<std::size_t>(state.range(0)), 'w');
    u.Number = 1;
    u.Name = u.UniqueName = u.Special = ed.app.editor.UnitBytes.copy(cell);
    for (auto _ : state) {
        ShowUnitDetail(ed.app.editor, -1);
        ShowUnitDetail(ed.app.editor, 0);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(pickHugeUnit)
    ->Arg(4000)
    ->Arg(16000)
    ->Arg(text::kMaxTextLength)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// "Save and Add" into a Quillmap folder named by n bytes: the failure box.
void saveToHugePath(benchmark::State& state) {
    Editor ed;
    ed.app.editor.QuillmapFolder = "/" + std::string(static_cast<std::size_t>(state.range(0)), 'q');
    ed.app.form.txtGanFileName.setText("God");
    for (auto _ : state) {
        ed.platform.messages.clear();
        ed.app.form.cmdSaveAndAdd.click();
    }
    if (ed.platform.messages.size() != 1 || ed.platform.messages[0].detail.size() > 200)
        state.SkipWithError("expected one short failure box");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(saveToHugePath)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
