// The unit detail view: the description of the picked unit, its number, its
// sprite and the link to its reference page; and the RPS panel of "Step 3".
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "finders/common.h"
#include "finders/unit_detail.h"
#include "model/paths.h"

namespace gs {

using finders::Fragment;
using finders::Value;
using finders::When;

namespace {

using U = UnitRecord;
using F = Fragment<UnitRecord>;

const text& randMagicTag(const UnitRecord& u) { return u.RandMagicTag[0]; }

// Everything after the first line; each line break is written always.
const F kUnitFragments[] = {
    {"unique", &U::Unique},
    {", mounted", &U::Mounted},
    {", sacred", &U::Sacred},
    {", female", &U::Female},
    {", GOD", &U::God},
    {", size ", &U::Size, When::Present, Value::Signed},
    {", hp ", &U::HitPoints, When::Present, Value::Signed},
    {", mor ", &U::Morale, When::Present, Value::Signed},
    {", mr ", &U::MagicResistance, When::Present, Value::Signed},
    {"\r\n", {}, When::Always},
    {", normal ldr ", &U::LeaderNormal, When::Present, Value::Signed},
    {", undead ldr ", &U::LeaderUndead, When::Present, Value::Signed},
    {", magic ldr ", &U::LeaderMagic, When::Present, Value::Signed},
    {"\r\n", {}, When::Always},
    {", hand ", &U::SlotsHand, When::Present, Value::Signed},
    {", head ", &U::SlotsHead, When::Present, Value::Signed},
    {", body ", &U::SlotsBody, When::Present, Value::Signed},
    {", foot ", &U::SlotsFoot, When::Present, Value::Signed},
    {", misc ", &U::SlotsMisc, When::Present, Value::Signed},
    {"\r\n", {}, When::Always},
    {", F", &U::PathFire, When::Positive, Value::Plain},
    {", A", &U::PathAir, When::Positive, Value::Plain},
    {", W", &U::PathWater, When::Positive, Value::Plain},
    {", E", &U::PathEarth, When::Positive, Value::Plain},
    {", S", &U::PathAstral, When::Positive, Value::Plain},
    {", D", &U::PathDeath, When::Positive, Value::Plain},
    {", N", &U::PathNature, When::Positive, Value::Plain},
    {", B", &U::PathBlood, When::Positive, Value::Plain},
    {", H", &U::PathHoly, When::Positive, Value::Plain},
    {"+ rand magic", &randMagicTag},
    {"\r\n", {}, When::Always},
    {", undead", &U::Undead},
    {", demon", &U::Demon},
    {", magic being", &U::MagicBeing},
    {", animal", &U::Animal},
    {", spy", &U::Spy},
    {", assassin", &U::Assassin},
    {", glamour", &U::Glamour},
    {", stealth ", &U::Stealth, When::Present, Value::Signed},
    {", resist lght", &U::ResistLightning},
    {", resist fire", &U::ResistFire},
    {", resist cold", &U::ResistCold},
    {", resist poison", &U::ResistPoison},
    {", dark vision", &U::DarkVision},
    {", regen", &U::Regeneration},
    {", forge", &U::Forge},
    {", heal", &U::Heal},
    {", alch", &U::Alchemy},
    {", luck", &U::Luck},
    {", insane", &U::Insane},
    {", std ", &U::Standard, When::Positive, Value::Signed},
    {", awe ", &U::Awe, When::Positive, Value::Signed},
    {", fear ", &U::Fear, When::Positive, Value::Signed},
    {", brsrk ", &U::Berserk, When::Positive, Value::Signed},
    {", chill ", &U::Chill, When::Positive, Value::Signed},
    {", heat ", &U::Heat, When::Positive, Value::Signed},
    {", fshld ", &U::FireShield, When::Positive, Value::Signed},
    {", bfshld ", &U::BanefireShield, When::Positive, Value::Signed},
    {", bldvng ", &U::BloodVengeance, When::Positive, Value::Signed},
    {", dcloud ", &U::DiseaseCloud, When::Positive, Value::Signed},
    {", pcloud ", &U::PoisonCloud, When::Positive, Value::Signed},
    {", ice armor", &U::IceArmor},
    {", pllg ", &U::Pillage, When::Positive, Value::Signed},
    {", ptrl ", &U::Patrol, When::Positive, Value::Signed},
    {", gold ", &U::CastleDefence, When::Positive, Value::Signed},
    {", siege ", &U::Siege, When::Positive, Value::Signed},
    {", sup ", &U::Supply, When::Positive, Value::Signed},
    {", sage ", &U::Sage, When::Positive, Value::Signed},
    {", hunt ", &U::BloodHunt, When::Positive, Value::Signed},
    {", void ", &U::VoidSummoning, When::Positive, Value::Signed},
    {", srv:forest", &U::SurviveForest},
    {", srv:mountain", &U::SurviveMountain},
    {", srv:waste", &U::SurviveWaste},
    {", srv:swamp", &U::SurviveSwamp},
    {", aquatic", &U::MoveAquatic},
    {", amphibious", &U::MoveAmphibian},
    {", poor amphib", &U::MovePoorAmphibian},
    {", flying", &U::MoveFlying},
    {", stormflyer", &U::MoveStormflyer},
    {", sailing", &U::MoveSailing},
    {", coldblood", &U::ColdBlooded},
    {", ethereal", &U::Ethereal},
    {", true ethereal", &U::TrueEthereal},
    {", trample", &U::Trample},
    {", blind", &U::Blind},
    {", recuperation", &U::Recuperation},
    {", immortal", &U::Immortal},
    {", mindless", &U::Mindless},
    {", lifeless", &U::Lifeless},
    {", noeat", &U::NoEat},
    {", noheal", &U::NoHeal},
    {", poison armor", &U::PoisonArmor},
    {", seduce", &U::Seduce},
    {", succubus", &U::Succubus},
    {", petrify", &U::Petrify},
    {", eyeloss", &U::Eyeloss},
    {", inquisitor", &U::Inquisitor},
    {", str of winter", &U::WinterStrength},
    {", str of spring", &U::SpringStrength},
    {", str of summer", &U::SummerStrength},
    {", str of fall", &U::FallStrength},
    {", reanimator", &U::Reanimator},
    {", sum ", &U::Summon, When::Positive, Value::Signed},
    {", autosum ", &U::AutoSummon, When::Positive, Value::Signed},
    {", batsum ", &U::BattleSummon, When::Positive, Value::Signed},
    {", domsum ", &U::DomSummon, When::Positive, Value::Signed},
    {", shpchng ", &U::ShapeChange, When::Positive, Value::Signed},
    {", shp1 ", &U::FirstShape, When::Positive, Value::Signed},
    {", shp2 ", &U::SecondShape, When::Positive, Value::Signed},
    {", tmp2nd ", &U::SecondTmpShape, When::Positive, Value::Signed},
    {", lshape ", &U::LandShape, When::Positive, Value::Signed},
    {", sshape ", &U::SeaShape, When::Positive, Value::Signed},
    {"\r\n", {}, When::Always},
    {", uniquename ", &U::UniqueName, When::Present, Value::Text},
    {", special ", &U::Special, When::Present, Value::Text},
};

// At least `digits` digits, zero-padded; a minus sign goes before them
// (-5 with four digits is "-0005").
std::string padded(int n, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s%0*d", n < 0 ? "-" : "", digits, n < 0 ? -n : n);
    return buf;
}

}  // namespace

void cboUnitFound_Click(Editor& e) {
    const int k = e.f.cboUnitFound.listIndex();
    const int n = (k >= 0 && k < kUnitRows) ? e.UnitIndex[k] : -1;
    ShowUnitDetail(e, finders::lastUnitRow(e, n));
}

void ShowUnitDetail(Editor& e, int row) {
    std::string description = "NO UNIT SELECTED.";
    if (row < 0 || row >= kUnitRows) {
        e.f.lblUnitNumber.setCaption("");
        e.f.lblUnitNumber.setToolTip("");
    } else {
        const UnitRecord& u = e.Units[row];
        e.f.lblUnitNumber.setCaption(plainNumber(u.Number));
        e.f.lblUnitNumber.setToolTip(u.Name);
        description = finders::headLine(u);
        finders::appendFragments<UnitRecord>(description, u, kUnitFragments);
    }
    e.f.txtUnitDescription.setText(description);
}

void lblUnitNumber_Change(Editor& e) {
    const NumberResult n = toInt16(e.f.lblUnitNumber.caption());
    if (!n.ok()) return;
    const std::string path =
        appendPath(e.platform.programFolder(), "\\RKsprites\\" + padded(static_cast<int>(n.value), 4) + ".jpg");
    // A unit without a sprite shows none, never the previous unit's.
    if (const auto size = e.platform.pictureSize(path))
        e.f.picUnit.setPicture(path, size->width, size->height);
    else
        e.f.picUnit.setPicture("", 0, 0);
    placeUnitPicture(e);
}

void placeUnitPicture(Editor& e) {
    const Geometry frame = e.f.shpUnit.geometry();
    const Geometry pic = e.f.picUnit.geometry();
    const int w = pic.width;
    int left = pic.left;
    if (frame.width == 4 * w)
        left = frame.left + static_cast<int>(std::lround(1.5 * w));
    else if (frame.width == 2 * w)
        left = frame.left + static_cast<int>(std::lround(0.5 * w));
    else if (frame.width == w)
        left = frame.left;
    e.f.picUnit.move(left, frame.top + frame.height - pic.height);
}

void lblUnitNumber_Click(Editor& e) {
    const NumberResult n = toInt16(e.f.lblUnitNumber.caption());
    if (n.ok()) finders::openUnitReference(e, static_cast<int>(n.value));
}

void SSTab2_Click(Editor& e, int) { e.f.fraBeginSiege.setVisible(e.f.SSTab2.tab() == 0); }

}  // namespace gs
