// The finders over the sample installation on the headless window model: the
// unit and site "Apply Filters" and the unit description of every unit.
#include <benchmark/benchmark.h>

#include <string>

#include "finders/site_finder.h"
#include "finders/unit_detail.h"
#include "finders/unit_finder.h"
#include "sample_data.h"
#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"
#include "app/startup.h"

namespace {

using namespace gs;

// The sample installation, started: every table loaded and every fixed list
// filled, as the user finds the editor.
struct Finders {
    test::FakePlatform platform{folder()};
    App app{platform};
    Editor& e = app.editor;
    Form1& f = app.form;

    Finders() { InitializeAll(e); }

    static std::string folder() {
        static const std::string path = [] {
            const std::string p = test::makeTempFolder();
            sample::writeFiles(p, sample::makeTables());
            return p;
        }();
        return path;
    }

    void tick(CheckBox& box, ComboBox* combo, int item) {
        box.setValue(CheckBox::Checked);
        if (combo) combo->setListIndex(item);
    }
};

Finders& finders() {
    static auto* world = new Finders();
    return *world;
}

void BM_UnitApplyFiltersNone(benchmark::State& state) {
    Finders& w = finders();
    for (auto _ : state) {
        cmdUApplyFilters_Click(w.e);
        benchmark::DoNotOptimize(w.f.cboUnitFound.listCount());
    }
}
BENCHMARK(BM_UnitApplyFiltersNone)->Unit(benchmark::kMicrosecond);

void BM_UnitApplyFiltersSeveral(benchmark::State& state) {
    Finders w;
    w.tick(w.f.chkUGod, &w.f.cboUGod, 0);          // "Not"
    w.tick(w.f.chkUSize, &w.f.cboUSize, 1);        // 2
    w.tick(w.f.chkUCType, &w.f.cboUCType, 0);      // "Normal"
    w.tick(w.f.chkUStealth, &w.f.cboUStealth, 4);  // "Stealthy"
    w.tick(w.f.chkUMisc, &w.f.cboUMisc, 50);       // "Shape Changer"
    w.tick(w.f.chkUHero, &w.f.cboUHero, 0);        // "Not"
    for (auto _ : state) {
        cmdUApplyFilters_Click(w.e);
        benchmark::DoNotOptimize(w.f.cboUnitFound.listCount());
    }
    state.counters["listed"] = w.f.cboUnitFound.listCount() - 1;
}
BENCHMARK(BM_UnitApplyFiltersSeveral)->Unit(benchmark::kMicrosecond);

void BM_SiteApplyFilters(benchmark::State& state) {
    Finders w;
    w.tick(w.f.chkSTerrain, &w.f.cboSTerrain, 1);
    w.tick(w.f.chkSGems, &w.f.cboSGems, 0);
    for (auto _ : state) {
        cmdSApplyFilters_Click(w.e);
        benchmark::DoNotOptimize(w.f.cboFeature.listCount());
    }
    state.counters["listed"] = w.f.cboFeature.listCount() - 1;
}
BENCHMARK(BM_SiteApplyFilters)->Unit(benchmark::kMicrosecond);

void BM_ShowUnitDetailEveryUnit(benchmark::State& state) {
    Finders& w = finders();
    for (auto _ : state) {
        for (int r = 0; r < kUnitRows - 1; ++r) ShowUnitDetail(w.e, r);
        benchmark::DoNotOptimize(w.f.txtUnitDescription.text().size());
    }
}
BENCHMARK(BM_ShowUnitDetailEveryUnit)->Unit(benchmark::kMillisecond);

}  // namespace
