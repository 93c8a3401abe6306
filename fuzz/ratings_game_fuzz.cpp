// Fuzz target of the player ratings file through what uses it: the input's
// bytes become a few lines of "Input/Ratings/Simulation/2020_Player_Ratings.csv"
// (the file New Game and `tool Load_Year_Player_Ratings` read) over the
// two-club league of the game tests, each value extreme but parseable: a
// bound of the reader or of the ratings (19.99, 20, 99, 1000, 1000.5, the
// largest number read), a 16-bit number, a decimal or an ordinary rating,
// and any position texts. The file is loaded by year, the ratings repaired,
// the depth charts set again, every player's computed values made, and one
// game is played. Whatever the values, every player keeps a position 0-14
// and finite ratings within their storage bound, the contracts made from
// them stay within what a loaded file keeps, the game ends with sound
// scores (libFuzzer's time-out finds one that does not end), and the log
// stays small.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "../tests/engine/game_fixture.h"
#include "frontoffice/depth_chart.h"
#include "fuzz_input_file.h"
#include "fuzz_league.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/salary_finance.h"
#include "tools/ratings_loader.h"

namespace {

constexpr int MOST_LINES = 8;
// OVERALL, PEAK, the 25 ratings Accuracy to Punt Power, Durability.
constexpr int VALUE_COLUMNS = 28;

// Texts at the edges of what the reader takes and the ratings hold.
constexpr const char* EDGE_VALUES[] = {
    "0",      "19.99",   "20",          "25",          "35",           "49.99",  "50",     "95",
    "95.01",  "99",      "99.5",        "100",         "105",          "999.99", "1000",   "1000.5",
    "1001",   "32767",   "1000000000",  "2000000000",  "1e9",          "1e308",  "-1",     "-20",
    "-1000",  "-1e9",    "0.0000001",   "20.0000001",  "999.9999999",  "",       "-0",     "00099",
};

constexpr const char* POSITION_TEXTS[] = {
    "QB", "RB", "FB", "TE", "WR", "C",  "G",  "T",   "DE",    "DT",  "LB", "CB", "S", "K",
    "P",  "LT", "RG", "OLB", "ILB", "SS", "FS", "NT", "QB/K", "K-P", "",   "XX", "qb",
};

// The next byte, 0 past the end.
uint8_t Next_Byte(const uint8_t*& p, const uint8_t* pEnd)
{
    return p < pEnd ? *p++ : 0;
}

// The next value's text: one byte tells its kind, one or two more give it.
std::string Next_Value(const uint8_t*& p, const uint8_t* pEnd)
{
    const uint8_t nHow = Next_Byte(p, pEnd);
    const uint8_t a = Next_Byte(p, pEnd);
    switch (nHow % 4) {
    case 0:
        return EDGE_VALUES[a % std::size(EDGE_VALUES)];
    case 1: {
        const int16_t nRaw = static_cast<int16_t>(a | (Next_Byte(p, pEnd) << 8));
        return std::to_string(nRaw);
    }
    case 2: {
        const int16_t nRaw = static_cast<int16_t>(a | (Next_Byte(p, pEnd) << 8));
        char szText[32];
        std::snprintf(szText, sizeof(szText), "%.2f", nRaw / 100.0);
        return szText;
    }
    default:
        return std::to_string(20 + a % 80);   // an ordinary rating
    }
}

// The contracts made from the ratings stay within what a loaded file keeps
// (Repair_Absurd_Contracts puts anything larger right as corrupt).
void Check_Contracts()
{
    for (int t = 0; t < 2; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) == 0)
                continue;
            for (int nField : {VITAL_SALARY, VITAL_SIGNING_BONUS}) {
                const int nValue = Get_Player_Vital_Stat(t, s, nField);
                if (nValue < 0 || nValue > ABSURD_CONTRACT_FIELD)
                    std::abort();
            }
        }
    }
}

void Check_Players()
{
    for (int t = 0; t < 2; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const PLAYER& Player = League.Team[t].Player[s];
            if (Player.nVital[VITAL_PLAYER_ID] != 0)
                Check_Fuzz_Player_Codes(Player);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    // The league is built once and put back before every input.
    static std::unique_ptr<uint8_t[]> Built;
    if (!Built) {
        Make_Fuzz_Folder("Input");
        Make_Fuzz_Folder("Input/Ratings");
        Make_Fuzz_Folder("Input/Ratings/Simulation");
        game_fixture::Build_Two_Team_League(7);
        // Ages 21-35, so that the ratings, not the age, drive the values;
        // each club's last player keeps no birth date (an age of 2020 years,
        // as a record without one reads).
        for (int t = 0; t < 2; ++t)
            for (int s = 0; s + 1 < game_fixture::ROSTER_SIZE; ++s)
                Set_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE, (1985 + s % 15) * 10000 + 101);
        Built.reset(new uint8_t[LEAGUE_DATA_SIZE]);
        std::memcpy(Built.get(), &League, LEAGUE_DATA_SIZE);
    }
    std::memcpy(static_cast<void*>(&League), Built.get(), LEAGUE_DATA_SIZE);
    Build_Player_ID_Hash();

    const uint8_t* p = pData;
    const uint8_t* pEnd = pData + nSize;
    const uint8_t nSeed = Next_Byte(p, pEnd);
    std::string File = "PlayerID,2020_Team,First,Last,Position,Expanded,OVERALL,PEAK\n";
    for (int nLine = 0; nLine < MOST_LINES && p < pEnd; ++nLine) {
        const uint8_t nWho = Next_Byte(p, pEnd);
        const int nTeam = nWho & 1;
        const int nSlot = (nWho >> 1) % game_fixture::ROSTER_SIZE;
        File += std::to_string(Get_Player_ID(nTeam, nSlot)) + ",Club,First,Last,";
        File += std::string(POSITION_TEXTS[Next_Byte(p, pEnd) % std::size(POSITION_TEXTS)]) + ",";
        File += POSITION_TEXTS[Next_Byte(p, pEnd) % std::size(POSITION_TEXTS)];
        for (int k = 0; k < VALUE_COLUMNS; ++k)
            File += "," + Next_Value(p, pEnd);
        File += "\n";
    }
    char szPath[96];
    Get_Year_Player_Ratings_Path(szPath, sizeof(szPath));
    Write_Fuzz_File(szPath, reinterpret_cast<const uint8_t*>(File.data()), File.size());
    ::remove(DEBUG_LOG_FILE);

    if (Load_Year_Player_Ratings(0) != 1)
        std::abort();
    Repair_Player_Ratings();
    Check_Players();
    Auto_Set_All_Depth_Charts(0);
    Update_All_Player_Computed_Values(1);
    Check_Players();
    Check_Contracts();
    game_fixture::Play_Fixture_Game(nSeed + 1u);
    const GAME& Game = League.Game[0];
    if (Game.nScore[0] < 0 || Game.nScore[1] < 0 || Game.nPlays < 0)
        std::abort();
    Check_Players();

    Check_Fuzz_Log_Small();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}
