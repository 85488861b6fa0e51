// The site finder: ten filters over the site table, the site description and
// the links to the site's recruitable and summonable units.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "finders/common.h"
#include "finders/site_finder.h"

namespace gs {

using finders::Fragment;
using finders::Value;
using finders::When;

namespace {

using S = SiteRecord;
using SiteFilter = finders::Filter<SiteRecord>;
using RowTest = SiteFilter::RowTest;

RowTest nothing() {
    return [](const SiteRecord&) { return false; };
}

// Passes when any of the text columns is filled.
RowTest anyPresent(std::vector<text SiteRecord::*> columns) {
    return [columns = std::move(columns)](const SiteRecord& s) {
        for (auto c : columns)
            if (s.*c != kAbsentText) return true;
        return false;
    };
}

RowTest atLeastOne(i16 SiteRecord::*column) {
    return [column](const SiteRecord& s) { return s.*column >= 1; };
}

// "Plains" ... "DeepSea", then "Unique".
constexpr std::array<text SiteRecord::*, 10> kTerrainFlags = {
    &S::TerrainPlains, &S::TerrainForest, &S::TerrainMountain, &S::TerrainWaste,   &S::TerrainFarm,
    &S::TerrainSea,    &S::TerrainCoast,  &S::TerrainSwamp,    &S::TerrainDeepSea, &S::Unique};

constexpr std::array<i16 SiteRecord::*, 8> kGems = {&S::GemsFire,   &S::GemsAir,   &S::GemsWater,  &S::GemsEarth,
                                                    &S::GemsAstral, &S::GemsDeath, &S::GemsNature, &S::GemsBlood};

const std::array<SiteFilter, 10> kSiteFilters = {{
    {&Form1::chkSTerrain, &Form1::cboSTerrain,
     [](int i, const std::string&) -> RowTest {
         if (i < 0 || i >= 10) return nothing();
         return [flag = kTerrainFlags[i]](const SiteRecord& s) { return s.*flag == "Yes"; };
     }},
    {&Form1::chkSType, &Form1::cboSType,
     [](int, const std::string& item) -> RowTest {
         return [item](const SiteRecord& s) { return s.MagicType == item; };
     }},
    {&Form1::chkSGems, &Form1::cboSGems,
     [](int i, const std::string&) -> RowTest {
         if (i < 0 || i >= 8) return nothing();
         return atLeastOne(kGems[i]);
     }},
    {&Form1::chkSStruct, &Form1::cboSStruct,
     [](int i, const std::string&) -> RowTest {
         if (i == 0) return [](const SiteRecord& s) { return s.Laboratory == "TRUE"; };
         if (i == 1) return atLeastOne(&S::Fort);
         return nothing();
     }},
    {&Form1::chkSRUnits, nullptr,
     [](int, const std::string&) -> RowTest { return [](const SiteRecord& s) { return s.RecUnitNumber[0] >= 1; }; }},
    {&Form1::chkSSUnits, nullptr,
     [](int, const std::string&) -> RowTest { return [](const SiteRecord& s) { return s.SumUnitNumber[0] >= 1; }; }},
    {&Form1::chkSPBonus, nullptr,
     [](int, const std::string&) {
         return anyPresent({&S::Conjuration, &S::Alteration, &S::Evocation, &S::Construction, &S::Enchantment,
                            &S::Thaumaturgy, &S::BloodResearch});
     }},
    {&Form1::chkSSBonus, nullptr, [](int, const std::string&) { return atLeastOne(&S::Supply); }},
    {&Form1::chkSGBonus, nullptr, [](int, const std::string&) { return atLeastOne(&S::Gold); }},
    {&Form1::chkSScales, nullptr,
     [](int, const std::string&) {
         return anyPresent({&S::Scale1, &S::Scale2});
     }},
}};

using F = Fragment<SiteRecord>;

// The line after the first; it ends without a line break.
const F kSiteFragments[] = {
    {"frq ", &S::Frequency, When::NotNegative, Value::Signed},
    {", lvl ", &S::Level, When::NotNegative, Value::Signed},
    {", type ", &S::MagicType, When::Present, Value::Text},
    {", F", &S::GemsFire, When::Positive, Value::Plain},
    {", A", &S::GemsAir, When::Positive, Value::Plain},
    {", W", &S::GemsWater, When::Positive, Value::Plain},
    {", E", &S::GemsEarth, When::Positive, Value::Plain},
    {", S", &S::GemsAstral, When::Positive, Value::Plain},
    {", D", &S::GemsDeath, When::Positive, Value::Plain},
    {", N", &S::GemsNature, When::Positive, Value::Plain},
    {", B", &S::GemsBlood, When::Positive, Value::Plain},
    {", gold ", &S::Gold, When::Positive, Value::Signed},
    {", res ", &S::Resources, When::Positive, Value::Signed},
    {", sup ", &S::Supply, When::Positive, Value::Signed},
    {", unr ", &S::Unrest, When::Positive, Value::Signed},
    {", exp ", &S::Experience, When::Positive, Value::Signed},
    {", lab", &S::Laboratory, When::NotFalse},
    {", fort ", &S::Fort, When::Positive, Value::Signed},
    {", sumpath ", &S::SummonPath, When::Present, Value::Text},
    {", ", &S::Scale1, When::Present, Value::Text},
    {", ", &S::Scale2, When::Present, Value::Text},
    {", conj ", &S::Conjuration, When::Present, Value::Text},
    {", alter ", &S::Alteration, When::Present, Value::Text},
    {", evo ", &S::Evocation, When::Present, Value::Text},
    {", const ", &S::Construction, When::Present, Value::Text},
    {", ench ", &S::Enchantment, When::Present, Value::Text},
    {", thau ", &S::Thaumaturgy, When::Present, Value::Text},
    {", blood ", &S::BloodResearch, When::Present, Value::Text},
    {", heal ", &S::Heal, When::Present, Value::Text},
    {", disease ", &S::Disease, When::Present, Value::Text},
    {", curse ", &S::Curse, When::Present, Value::Text},
    {", horror ", &S::Horror, When::Present, Value::Text},
    {", holyfire ", &S::HolyFire, When::Present, Value::Text},
    {", holypow ", &S::HolyPower, When::Present, Value::Text},
    {", scry ", &S::Scry, When::Present, Value::Text},
    {", adventure ", &S::Adventure, When::Present, Value::Text},
};

}  // namespace

void finders::connectSiteFilterBoxes(Editor& e) { connectFilterBoxes<SiteRecord>(e.f, kSiteFilters); }

void finders::emptySiteLinks(Form1& f) {
    for (auto& l : f.lblRecUnit) showEmptyLink(l);
    for (auto& l : f.lblSumUnit) showEmptyLink(l);
}

void cmdSApplyFilters_Click(Editor& e) {
    finders::applyFilters<SiteRecord>(e.f, kSiteFilters, e.Sites, kSiteRows - 1, e.SiteIndex, e.f.cboFeature);
    // Ends on "None": no site shown, the links empty.
    e.f.cboFeature.setListIndex(0);
}

void cboFeature_Click(Editor& e) {
    const int k = e.f.cboFeature.listIndex();
    const int n = (k >= 0 && k < kSiteRows) ? e.SiteIndex[k] : -1;
    ShowSiteDetail(e, finders::lastSiteRow(e, n));
}

void ShowSiteDetail(Editor& e, int row) {
    if (row < 0 || row >= kSiteRows) {
        e.f.txtSiteDescription.setText("NO SITE SELECTED.");
        finders::emptySiteLinks(e.f);
        return;
    }
    const SiteRecord& s = e.Sites[row];
    std::string description = finders::headLine(s);
    finders::appendFragments<SiteRecord>(description, s, kSiteFragments);
    e.f.txtSiteDescription.setText(description);

    for (int i = 0; i < 4; ++i) {
        if (s.RecUnitNumber[i] < 1)
            finders::showEmptyLink(e.f.lblRecUnit[i]);
        else
            finders::showLink(e.f.lblRecUnit[i], s.RecUnitNumber[i], s.RecUnitName[i]);
    }
    for (int i = 0; i < 3; ++i) {
        if (s.SumUnitNumber[i] < 1)
            finders::showEmptyLink(e.f.lblSumUnit[i]);
        else
            finders::showLink(e.f.lblSumUnit[i], s.SumUnitNumber[i], s.SumUnitName[i]);
    }
}

void lblRecUnit_Click(Editor& e, int i) { finders::openUnitLink(e, e.f.lblRecUnit.at(i)); }
void lblSumUnit_Click(Editor& e, int i) { finders::openUnitLink(e, e.f.lblSumUnit.at(i)); }

}  // namespace gs
