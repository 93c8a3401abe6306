// The settings every new game starts from.
#pragma once

// Writes the default settings of a new game into the preferences block:
// the column choices of the standings, statistics and information pages,
// the news bar, the statistics period, the shown game, the text speed, the
// user's team and conference, the rule switches of the season year
// (Apply_Season_Rule_Changes) and the skin "earth".
void Set_Default_Settings();

// The skin name := "earth", the rest of its field zero.
void Set_Default_Skin();
