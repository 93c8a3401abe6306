// The settings every new game starts from.
#pragma once

#include <cstddef>

// Writes the default settings of a new game into the preferences block:
// the column choices of the standings, statistics and information pages,
// the news bar, the statistics period, the shown game, the text speed, the
// user's team and conference, the league's owner text (the owner of the
// user's team, also remembered as the last owner's name), the rule switches
// of the season year (Apply_Season_Rule_Changes), the skin "earth" and the
// current game name (the game's summary line).
void Set_Default_Settings();

// The skin name := "earth", the rest of its field zero.
void Set_Default_Skin();

// The last owner's name is kept in the owners' hall-of-fame file, whose
// layout is the shell's. The shell installs what reads and writes it; until
// then the name reads "" and a write is dropped.
struct OWNER_NAME_STORE {
    // Copies the last owner's name into szName (cut to nSize, terminated);
    // false when there is none.
    bool (*pRead)(char* szName, size_t nSize) = nullptr;
    void (*pWrite)(const char* szName) = nullptr;
};
// Installs the store (a copy is kept); null removes it.
void Install_Owner_Name_Store(const OWNER_NAME_STORE* pStore);
// The last owner's name; "" when there is none.
void Read_Last_Owner_Name(char* szName, size_t nSize);
void Write_Last_Owner_Name(const char* szName);
