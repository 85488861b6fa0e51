#include "model/fixed_lists.h"

#include "model/number.h"

namespace gs::lists {

List numbered(int first, int last) {
    List out;
    for (int n = first; n <= last; ++n) out.push_back(signedNumber(n));
    return out;
}

namespace {
const List kPaths = {"Fire", "Air", "Water", "Earth", "Astral", "Death", "Nature", "Blood", "Holy"};
const List kGems = {"Fire", "Air", "Water", "Earth", "Astral", "Death", "Nature", "Blood"};
const List kNotIs = {"Not", "Is"};
const List kPathLetters = {"F", "A", "W", "E", "S", "D", "N", "B"};
}  // namespace

const List Era = {"Early", "Middle", "Late"};
const List Method = {"Add", "Replace"};

const List STerrain = {"Plains", "Forest", "Mountain", "Waste", "Farm", "Sea", "Coast", "Swamp", "DeepSea", "Unique"};
const List SType = kPaths;
const List SGems = kGems;
const List SStruct = {"Lab", "Fort"};

const List UGod = kNotIs;
const List USize = numbered(1, 6);
const List UMagic = kPaths;
const List URMagic = kPaths;
const List ULead = {"Normal", "Magic", "Undead"};
const List UCType = {"Normal", "Undead", "Demon", "Magic being", "Animal"};
const List UStealth = {"None", "Spy", "Assassin", "Glamour", "Stealthy"};
const List UResist = {"Fire", "Cold", "Lightning", "Poison"};
const List UMisc = {"DarkVision",
                    "Regenerate",
                    "Forge",
                    "Heal",
                    "Alchemy",
                    "Luck",
                    "Insane",
                    "Standard",
                    "Awe",
                    "Fear",
                    "Berserk",
                    "Chill",
                    "Heat",
                    "Fire Shield",
                    "Banefire Shield",
                    "Blood Veng",
                    "Disease Cloud",
                    "Poison Cloud",
                    "Ice Armor",
                    "Pillage",
                    "Patrol",
                    "Castle Def",
                    "Siege",
                    "Supply",
                    "Sage",
                    "Blood Hunt",
                    "Void Summ",
                    "Cold Blooded",
                    "Ethereal",
                    "True Ethereal",
                    "Trample",
                    "Blind",
                    "Recuperation",
                    "Immortal",
                    "Mindless",
                    "Lifeless",
                    "No Eat",
                    "No Heal",
                    "Poison Armor",
                    "Seduce",
                    "Succubus",
                    "Petrify",
                    "Eyeloss",
                    "Inquisitor",
                    "Winter Strength",
                    "Spring Strength",
                    "Summer Strength",
                    "Fall Strength",
                    "Reanimate",
                    "Summons Other",
                    "Shape Changer"};
const List USurvival = {"Forest", "Mountain", "Waste", "Swamp"};
const List UMove = {"Aquatic", "Amphibian", "Poor Amphi", "Flying", "Stormflyer", "Sailing"};
const List UHero = kNotIs;

const List CommanderNameDataList = {"Velm generated.", "Quillmap generated."};
const List ItemCategory = {"None", "1-h wpn", "2-h wpn", "shield", "helm", "armor", "boots", "misc"};
const List IP = kPathLetters;
const List IL = numbered(1, 6);
const List GameRandomItem = numbered(0, 4);
const List Magic = {"-- no Magic", "#mag_fire",  "#mag_air",    "#mag_water", "#mag_earth",
                    "#mag_astral", "#mag_death", "#mag_nature", "#mag_blood", "#mag_priest"};
const List Scales = {"-- no Scales", "#scale_chaos",  "#scale_lazy",   "#scale_cold",
                     "#scale_death", "#scale_unluck", "#scale_unmagic"};

}  // namespace gs::lists
