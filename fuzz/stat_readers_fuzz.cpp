// Fuzz target of the CSV readers of the database build: the first byte picks
// the reader (league, teams, caproom, team records, combine, wins, rosters,
// players, salaries, personnel, season rosters, teams as a build reads
// them), the rest is its file, which
// the whole-table check of a build also reads first. Each
// input starts from the same small league of four clubs; whatever the file
// holds, the clubs stay within their slots, every player in use has a base
// position and an expanded code of the tables, and his ratings are numbers.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz_input_file.h"
#include "base/input_file.h"
#include "league/cities.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_text.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/team_records_file.h"
#include "tools/input_readers.h"
#include "tools/stat_readers.h"

namespace {

constexpr int CLUBS = 4;
const char* const CODES[CLUBS] = {"AAA", "BBB", "CCC", "DDD"};

struct READER {
    const char* szFile;
    int (*pRead)();
};

const READER READERS[] = {
    {"input/stats/leagues/2016_league.csv", Read_League_File},
    {"input/stats/2016_teams.csv", Read_Teams_File},
    {"input/stats/2016_caproom.csv", Read_Caproom_File},
    {"input/stats/team_records.csv", [] { Read_Team_Records_File(); return 0; }},
    {"input/stats/Combine_Results.csv", Read_Combine_Results_File},
    {"input/stats/2016_Wins.csv", Read_Wins_File},
    {"input/stats/2016_rosters.csv", [] { return Read_Rosters_File(2016); }},
    {"input/stats/players.csv", Read_Players_File},
    {"input/stats/2016_salaries.csv", Read_Salaries_File},
    {"input/stats/Personnel.csv", Read_Personnel_File},
    {"input/stats/Seasons.csv", [] { return Read_Season_Rosters(2015); }},
    // As a build reads it: checked whole, and refused at its first line
    // that gives no club.
    {"input/stats/2016_teams.csv", [] {
         std::string Problem;
         return Read_Teams_File(&Problem);
     }},
};
constexpr size_t READER_COUNT = sizeof(READERS) / sizeof(READERS[0]);

// The roster table the players reader matches against.
const char* const ROSTERS =
    "CorvelID,PlayerID,FirstName,LastName,2016_Team,Position\n"
    "AaaA00,1001,Ann,Able,AAA,QB\nBbbB00,1002,Bob,Best,BBB,DB\nCccC00,1003,Cy,Cole,CCC,RB\n"
    "DddD00,0,Di,Dunn,FA,K\n";

void Set_Up_League()
{
    Zero_League_Data();
    Clear_League_Data();
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2016);
    Set_Universe_Stat(INFLATION_FACTOR, 1000);
    Set_Universe_Stat(SALARY_CAP, 155000000);
    for (int t = 0; t < CLUBS; ++t) {
        char szText[16];
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_String(CODES[t], t, TEAM_STRING_ABBREVIATION);
        snprintf(szText, sizeof(szText), "City%d", t);
        Set_Team_String(szText, t, TEAM_STRING_CITY);
        Set_City_Name(t, szText);
        snprintf(szText, sizeof(szText), "Nick%d", t);
        Set_Team_String(szText, t, TEAM_STRING_NICKNAME);
        for (int s = 0; s < 3; ++s) {
            Clear_Player(t, s);
            Set_Player_Vital_Stat(t, s, VITAL_PLAYER_ID, 1 + t * 10 + s);
            Set_Player_Vital_Stat(t, s, VITAL_POSITION, (t * 3 + s) % 15);
            Set_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE, 19930101);
            Set_Player_Vital_Stat(t, s, VITAL_SALARY, 1000 * (s + 1));
            Set_Player_Vital_Stat(t, s, VITAL_CAP_HIT, 900000 * (s + 1));
            Set_Player_Vital_Stat(t, s, VITAL_CONTRACT_YEARS_LEFT, s + 1);
            Set_Player_Vital_Stat(t, s, VITAL_CONTRACT_LENGTH, 3);
            snprintf(szText, sizeof(szText), "Id%d%d", t, s);
            Set_Player_Corvel_ID(t, s, szText);
            Set_Player_First_Name(t, s, "First");
            Set_Player_Last_Name(t, s, szText);
            for (int r = 0; r < 27; ++r)
                Set_Player_Rating(t, s, r, 55.0f);
        }
    }
    Count_Teams();
}

void Check_League()
{
    if (Count_Teams() > MAX_FRANCHISES)
        std::abort();
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
            for (int r = 0; r < 27; ++r)
                if (!std::isfinite(Get_Player_Rating(t, s, r)))
                    std::abort();
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
        Make_Fuzz_Folder("input/stats/leagues");
        Set_Up_League();
        pStart = std::make_unique<LEAGUE_DATA>();
        std::memcpy(pStart.get(), &League, sizeof(League));
    }
    if (nSize == 0)
        return 0;
    std::memcpy(&League, pStart.get(), sizeof(League));
    const READER& Reader = READERS[pData[0] % READER_COUNT];
    if (std::strcmp(Reader.szFile, "input/stats/players.csv") == 0) {
        Write_Fuzz_File("input/stats/2016_rosters.csv", reinterpret_cast<const uint8_t*>(ROSTERS), strlen(ROSTERS));
        Read_Rosters_File(2016);
    }
    Write_Fuzz_File(Reader.szFile, pData + 1, nSize - 1);
    std::remove("input/stats/Salaries-Missing.csv");
    // The whole-table check a build makes first reads any file as a table.
    if (FILE* pFile = Open_Input_File(Reader.szFile)) {
        std::string Problem;
        int nLines = 0;
        if (Check_Input_Table(pFile, "CorvelID,PlayerID,FirstName", 3, Problem, &nLines) == !Problem.empty() ||
            nLines < 0 || std::ftell(pFile) != 0)
            std::abort();
        std::fclose(pFile);
    }
    Reader.pRead();
    Check_League();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}
