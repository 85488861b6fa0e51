// The fixed choices of the window's drop-down lists, in the order the
// handlers rely on (several map a position to a table column).
#pragma once

#include <string>
#include <vector>

namespace gs::lists {

using List = std::vector<std::string>;

// " 1" .. " 6": numbers keep a blank in the sign's place.
List numbered(int first, int last);

extern const List Era, Method;
extern const List STerrain, SType, SGems, SStruct;
extern const List UGod, USize, UMagic, URMagic, ULead, UCType, UStealth, UResist, UMisc, USurvival, UMove, UHero;
extern const List CommanderNameDataList, ItemCategory, IP, IL, GameRandomItem, Magic, Scales;

}  // namespace gs::lists
