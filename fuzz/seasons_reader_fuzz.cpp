// Fuzz target of the seasons table reader (the database build's past seasons
// and a replay's season start): the first byte picks the mode (even: a build,
// odd: a replay), the rest is "input/stats/seasons.csv". Each input starts
// from the same small league of two clubs; whatever the file holds, every
// player keeps a base position and an expanded code of the tables and a
// uniform of 0-99, and his season links name lines of the table.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "fuzz_input_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_text.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/season_files.h"

namespace {

constexpr int CLUBS = 2;
const char* const CODES[CLUBS] = {"AAA", "BBB"};
const int POSITIONS[] = {POSITION_QB, POSITION_RB, POSITION_G, POSITION_LB, POSITION_K, POSITION_CB};

void Set_Up_League()
{
    Zero_League_Data();
    Clear_League_Data();
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2010);
    Set_Universe_Stat(INFLATION_FACTOR, 1000);
    for (int t = 0; t < CLUBS; ++t) {
        char szText[16];
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_String(CODES[t], t, TEAM_STRING_ABBREVIATION);
        snprintf(szText, sizeof(szText), "City%d", t);
        Set_Team_String(szText, t, TEAM_STRING_CITY);
        snprintf(szText, sizeof(szText), "Nick%d", t);
        Set_Team_String(szText, t, TEAM_STRING_NICKNAME);
        for (int s = 0; s < 6; ++s) {
            Clear_Player(t, s);
            Set_Player_Vital_Stat(t, s, VITAL_PLAYER_ID, 1 + t * 10 + s);
            Set_Player_Vital_Stat(t, s, VITAL_POSITION, POSITIONS[s]);
            Set_Player_Byte_Stat(t, s, BYTE_STAT_DEPTH_SLOT, POSITIONS[s]);
            Set_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE, 19850101);
            snprintf(szText, sizeof(szText), "Id%d%d", t, s);
            Set_Player_Corvel_ID(t, s, szText);
            Set_Player_First_Name(t, s, "First");
            Set_Player_Last_Name(t, s, szText);
        }
    }
    Count_Teams();
}

void Check_League()
{
    for (int t = 0; t <= LAST_TEAM; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            const int nPosition = Get_Player_Stored_Vital_Stat(t, s, VITAL_POSITION);
            if (nPosition < 0 || nPosition > POSITION_P)
                std::abort();
            if (Get_Player_Byte_Stat(t, s, BYTE_STAT_DEPTH_SLOT) >= NUMBER_OF_EXPANDED_POSITIONS)
                std::abort();
            if (Get_Player_Byte_Stat(t, s, BYTE_STAT_UNIFORM) > 99)
                std::abort();
            for (int n = 0; n < SEASON_LINK_COUNT; ++n) {
                const int nLine = Get_Player_Season_Line_Index(t, s, n);
                if (nLine < -1 || nLine > 32767)
                    std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static std::unique_ptr<LEAGUE_DATA> pStart;
    if (!pStart) {
        Make_Fuzz_Folder("input");
        Make_Fuzz_Folder("input/stats");
        Set_Up_League();
        pStart = std::make_unique<LEAGUE_DATA>();
        std::memcpy(pStart.get(), &League, sizeof(League));
    }
    if (nSize == 0)
        return 0;
    std::memcpy(&League, pStart.get(), sizeof(League));
    Write_Fuzz_File("input/stats/seasons.csv", pData + 1, nSize - 1);
    Read_Seasons_File(pData[0] & 1);
    Check_League();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}
