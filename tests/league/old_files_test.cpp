// Files of older versions: the two old layouts turned into the current one,
// damaged old files refused with the league untouched, the fix-ups chosen by
// the version (at the edges of their gates) and the services those fix-ups
// call.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editors/list_columns.h"
#include "engine/playbooks.h"
#include "league/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/old_files.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/files.h"
#include "season/fantasy_draft.h"
#include "season/player_generation.h"
#include "season/position_scan.h"
#include "season/salaries.h"
#include "league_fixture.h"
#include "test_support.h"
#include "tools/downloads.h"

namespace {

using BYTES = std::vector<unsigned char>;

// ---------------------------------------------------------------------------
// Files

void Write_File(const std::string& Path, const BYTES& Data)
{
    FILE* pFile = std::fopen(Path.c_str(), "wb");
    ASSERT_NE(pFile, nullptr) << Path;
    ASSERT_EQ(std::fwrite(Data.data(), 1, Data.size(), pFile), Data.size());
    std::fclose(pFile);
}

BYTES Read_File(const std::string& Path)
{
    BYTES Data;
    EXPECT_TRUE(files::Read_Whole_File(Path.c_str(), Data)) << Path;
    return Data;
}

bool Exists(const std::string& Path)
{
    return std::filesystem::exists(Path);
}

// A game file of the given version digits whose 100 blocks hold the bytes,
// cut as evenly as they go (the last block takes the rest).
BYTES Make_Game_File(const char* szDigits, const BYTES& Region)
{
    std::string Head = std::string("RIRARUVAZAVIZ") + szDigits + "    Cc";
    BYTES Data(Head.begin(), Head.end());
    Data.push_back(0);
    Data.push_back(0);
    const size_t nPiece = Region.size() / 100;
    for (int k = 0; k < 100; ++k) {
        size_t nAt = nPiece * k;
        size_t n = k == 99 ? Region.size() - nAt : nPiece;
        uLongf nOut = compressBound(n);
        BYTES Block(nOut);
        EXPECT_EQ(compress2(Block.data(), &nOut, Region.data() + nAt, n, 1), Z_OK);
        for (int i = 0; i < 4; ++i)
            Data.push_back(static_cast<unsigned char>(nOut >> (8 * i)));
        Data.insert(Data.end(), Block.begin(), Block.begin() + static_cast<long>(nOut));
    }
    return Data;
}

// ---------------------------------------------------------------------------
// Old layouts, written byte by byte at their old offsets

void Put32(BYTES& Region, size_t nAt, int32_t nValue)
{
    std::memcpy(Region.data() + nAt, &nValue, sizeof(nValue));
}

void Put_Text(BYTES& Region, size_t nAt, const char* szText)
{
    std::memcpy(Region.data() + nAt, szText, std::strlen(szText));
}

constexpr size_t HEAD = 2480;
constexpr size_t PLAYER_SIZE = 756;

// The first 2,480 bytes, the same in every layout.
void Put_Head(BYTES& Region, int nFirstYear)
{
    Put_Text(Region, 832, "earth");
    Put32(Region, 2112, 16);            // games per season
    Put32(Region, 2124, nFirstYear);
    Put32(Region, 2148, 1000);          // inflation
    Put_Text(Region, 2352, "American");
    Put_Text(Region, 2368, "National");
    Put_Text(Region, 2384, "East");
}

// Team t of an old layout with records of nTeamSize bytes: strings, players
// 0-79, then the fields that both old records keep 15,120 bytes early. The
// values tell team and field apart.
void Put_Old_Team(BYTES& Region, size_t nTeamSize, int t)
{
    const size_t b = HEAD + nTeamSize * t;
    const char* Cities[2] = {"Albany", "Boston"};
    Put_Text(Region, b + 0, t == 0 ? "ALB" : "BOS");
    Put_Text(Region, b + 32, Cities[t]);
    Put_Text(Region, b + 64, t == 0 ? "Bears" : "Lions");
    for (int s = 0; s < 80; ++s) {
        const size_t p = b + 256 + PLAYER_SIZE * s;
        Put_Text(Region, p, "Old");
        Put32(Region, p + 48, 1000 * (t + 1) + s);      // player ID
        Put32(Region, p + 52, s % 14);                  // position in the old codes
        Put32(Region, p + 68, 19950101);                // birth date
        for (int r = 0; r < 27; ++r) {
            float f = 60.0f;
            std::memcpy(Region.data() + p + 624 + 4 * r, &f, sizeof(f));
        }
    }
    Region[b + 60736] = 3;                              // kick-off returner
    Region[b + 60737] = 2;                              // punt returner
    Put32(Region, b + 60740, 100 + t);                  // totals [0][0][0]
    Put32(Region, b + 60740 + 1916, 200 + t);           // totals [7][2][19]
    Put32(Region, b + 62660 + 0, 4 * t);                // division
    Put32(Region, b + 62660 + 8, t == 0 ? 1 : 0);       // controller
    Put32(Region, b + 62660 + 12, t);                   // city
    Put32(Region, b + 62660 + 40, 13);                  // run/pass balance
    Put32(Region, b + 62660 + 236, 300 + t);            // team stat 59
    Put32(Region, b + 62900, 60000 + t);                // stadium capacity
    Put32(Region, b + 62900 + 76, 400 + t);             // stadium stat 19
    Put32(Region, b + 62980 + 272, 5000000 + t);        // cash (financial stat 68)
    Put32(Region, b + 62980 + 316, 500 + t);            // financial stat 79
    Region[b + 63300] = static_cast<unsigned char>(9 + t);          // yearly byte [0][0]
    Region[b + 63300 + 3199] = static_cast<unsigned char>(7 + t);   // yearly byte [99][31]
    Put32(Region, b + 66500, 4444 + t);                 // yearly int [0][0]
    Put32(Region, b + 66500 + 1596, 5555 + t);          // yearly int [99][3]
}

// Franchise slots 2-35 are not in use (controller -1).
void Put_Unused_Slots(BYTES& Region, size_t nTeamSize)
{
    for (int t = 2; t < MAX_FRANCHISES; ++t)
        Put32(Region, HEAD + nTeamSize * t + 62660 + 8, -1);
}

BYTES Old_Universe_Region()
{
    BYTES Region(OLD_UNIVERSE_REGION_SIZE, 0);
    Put_Head(Region, 2000);
    Put_Unused_Slots(Region, OLD_UNIVERSE_TEAM_SIZE);
    for (int t = 0; t < 2; ++t) {
        Put_Old_Team(Region, OLD_UNIVERSE_TEAM_SIZE, t);
        const size_t b = HEAD + OLD_UNIVERSE_TEAM_SIZE * t;
        for (int w = 0; w < 22; ++w) {                  // 22 weeks of 5 words
            const size_t e = b + 68100 + 20 * w;
            Put32(Region, e, t == 0 ? 2 : -1);
            Put32(Region, e + 4, w == 3 ? 1 : 0);       // watch flag
            Put32(Region, e + 8, 1300);
            Put32(Region, e + 12, w < 5 ? w : -1);
            Put32(Region, e + 16, 6);
        }
        Region[b + 68540] = 0x11;                       // offensive playbook, first byte
        Region[b + 68540 + 19679] = 0x12;               // and last
        Region[b + 88220] = 0x21;                       // the 528 words: first byte
        Region[b + 88220 + 2111] = 0x22;
        Region[b + 90332] = 0x31;                       // defensive playbook
        Region[b + 99847] = 0x32;
    }
    Put_Text(Region, 4096248, "Albany");                // CITY 0
    Region[4096248 + 7199] = 0x41;                      // last byte of CITY 99
    Region[4103448] = 1;                                // draft-pick owner [0][0][0]
    Region[4104204 + 31] = 5;                           // draft order byte 31
    Region[4104236 + 3] = 6;                            // draft order byte 35
    Region[4104240] = 1;                                // GAME 0: away team
    Region[4104240 + 1] = 0;                            // home team
    Region[4104240 + 14612399] = 0x51;                  // last byte of GAME 299
    Put32(Region, 18716640 + 4 * 22, 3);                // season index
    Put32(Region, 18716640 + 4 * 23, 5);                // week
    Put32(Region, 18716640 + 4 * 36, 2);                // draft round
    Put32(Region, 18716640 + 4 * 90, 0);
    Region[18716640 + 1198] = 0x61;                     // 16-bit slot 359
    Region[18717840] = 1;                               // division row 0, place 0
    Region[18717840 + 103] = 0x62;                      // division row 7, place 12
    Region[18717944] = 0x63;
    Region[18717948] = 1;                               // playoff slot 0
    Region[18717978] = 0;                               // playoff slot 30
    Region[18717979] = 0x77;                            // the old padding byte
    Put32(Region, 18717980, 27);                        // playoff score 0
    Put32(Region, 18717980 + 120, 31);                  // playoff score 30
    Put32(Region, 18718104, 17);                        // regular-season weeks
    Put32(Region, 18718104 + 20, 21);                   // calendar word 5
    Put32(Region, 18718128, 2000);                      // season line 0: year
    Put32(Region, 18718128 + 3014652, 88);              // season line 32767, last word
    Region[18718128 + 3014656] = 0x71;                  // the old bookkeeping: not carried
    Region[22257072] = 0x81;                            // leader tables, first byte
    Region[22257072 + 98279] = 0x82;                    // and last
    return Region;
}

BYTES Old_Game_Region()
{
    BYTES Region(OLD_GAME_REGION_SIZE, 0);
    Put_Head(Region, 1995);
    Put_Unused_Slots(Region, OLD_GAME_TEAM_SIZE);
    for (int t = 0; t < 2; ++t) {
        Put_Old_Team(Region, OLD_GAME_TEAM_SIZE, t);
        const size_t b = HEAD + OLD_GAME_TEAM_SIZE * t;
        for (int w = 0; w < 22; ++w) {                  // 22 weeks of 4 words
            const size_t e = b + 68100 + 16 * w;
            Put32(Region, e, t == 0 ? 2 : -1);
            Put32(Region, e + 4, 1300 + w);
            Put32(Region, e + 8, -1);
            Put32(Region, e + 12, w % 7);
        }
    }
    Put_Text(Region, 2809012, "Albany");                // CITY 0
    Region[2809012 + 7199] = 0x41;
    Region[2816212] = 1;                                // draft-pick owner [0][0][0]
    Region[2816968 + 31] = 5;                           // draft order byte 31
    Region[2817000 + 3] = 6;                            // draft order byte 35
    Region[2817004] = 0x55;                             // old game records: not carried
    Put32(Region, 3159004 + 4 * 22, 2);                 // season index
    Put32(Region, 3159004 + 4 * 23, 4);                 // week
    Put32(Region, 3159004 + 4 * 99, 99);                // preference 99
    Region[3159404] = 1;                                // division row 0
    Region[3159512] = 1;                                // playoff slot 0
    Region[3159543] = 0x77;                             // the old padding byte
    Put32(Region, 3159544, 24);                         // playoff score 0
    Put32(Region, 3159668, 17);                         // regular-season weeks
    Region[3159692] = 0x71;                             // old season lines: not carried
    Region[OLD_GAME_REGION_SIZE - 1] = 0x72;
    return Region;
}

// A scratch league block holding an old region, as the loader hands it over.
std::unique_ptr<LEAGUE_DATA> Scratch_From(const BYTES& Region)
{
    std::unique_ptr<LEAGUE_DATA> pBlock(new LEAGUE_DATA());
    std::memcpy(pBlock.get(), Region.data(), Region.size());
    return pBlock;
}

bool All_Zero(const void* p, size_t n)
{
    const unsigned char* q = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) {
        if (q[i] != 0)
            return false;
    }
    return true;
}

// The moved team fields shared by both layouts.
void Expect_Team_Fields(const LEAGUE_DATA& L, int t)
{
    const TEAM& Team = L.Team[t];
    EXPECT_STREQ(Team.szString[TEAM_STRING_CITY], t == 0 ? "Albany" : "Boston");
    EXPECT_STREQ(Team.szString[TEAM_STRING_NICKNAME], t == 0 ? "Bears" : "Lions");
    EXPECT_EQ(Team.Player[0].nVital[VITAL_PLAYER_ID], 1000 * (t + 1));
    EXPECT_EQ(Team.Player[79].nVital[VITAL_PLAYER_ID], 1000 * (t + 1) + 79);
    EXPECT_EQ(Team.Player[79].fRating[26], 60.0f);
    for (int s = 80; s < PLAYERS_PER_TEAM; ++s)
        EXPECT_TRUE(All_Zero(&Team.Player[s], sizeof(PLAYER))) << "player " << s;
    EXPECT_EQ(Team.bReturner[RETURNER_KICKOFF], 3);
    EXPECT_EQ(Team.bReturner[RETURNER_PUNT], 2);
    EXPECT_EQ(Team.bReturner[2], 0);
    EXPECT_EQ(Team.nTotals[0][0][0], 100 + t);
    EXPECT_EQ(Team.nTotals[7][2][19], 200 + t);
    EXPECT_EQ(Team.nTeamStat[TEAM_STAT_DIVISION], 4 * t);
    EXPECT_EQ(Team.nTeamStat[TEAM_STAT_CONTROLLER], t == 0 ? 1 : 0);
    EXPECT_EQ(Team.nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 13);
    EXPECT_EQ(Team.nTeamStat[59], 300 + t);
    EXPECT_EQ(Team.nStadiumStat[STADIUM_STAT_CAPACITY], 60000 + t);
    EXPECT_EQ(Team.nStadiumStat[19], 400 + t);
    EXPECT_EQ(Team.nFinancialStat[FINANCE_CASH], 5000000 + t);
    EXPECT_EQ(Team.nFinancialStat[79], 500 + t);
    EXPECT_EQ(Team.bYearly[0][0], 9 + t);
    EXPECT_EQ(Team.bYearly[99][31], 7 + t);
    EXPECT_EQ(Team.nYearly[0][0], 4444 + t);
    EXPECT_EQ(Team.nYearly[99][3], 5555 + t);
}

class OldFilesTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"oldfiles"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Set_Load_Sequence_Enabled(true);
        Set_Old_File_Allocation_Fault(false);
    }
    void TearDown() override
    {
        Set_Load_Sequence_Enabled(true);
        Set_Old_File_Allocation_Fault(false);
    }

    static void Add_Player(int nTeam, int nSlot, int nID, int nPosition)
    {
        PLAYER& Player = Put_Player(nTeam, nSlot, nID, nPosition, 60.0f);
        Player.nVital[VITAL_BIRTH_DATE] = 19950101;
        Player.nVital[VITAL_HEIGHT] = 74;
        Player.nVital[VITAL_WEIGHT] = 220;
        Player.bStat[2] = static_cast<uint8_t>(nPosition);
    }

    // Two franchises of the 2019 season, the cities in slot order so that the
    // load's sort by city keeps them where they are.
    static void Build_League()
    {
        Clear_All_Teams();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        League.Universe.nStat[GAMES_PER_SEASON] = 16;
        League.Universe.nStat[INFLATION_FACTOR] = 1000;
        std::strcpy(League.szSkinName, "earth");
        std::strcpy(League.szLeagueName[0], "American");
        std::strcpy(League.szLeagueName[1], "National");
        const char* Cities[2] = {"Albany", "Boston"};
        const char* Nicknames[2] = {"Bears", "Lions"};
        const char* Abbreviations[2] = {"ALB", "BOS"};
        for (int t = 0; t < 2; ++t) {
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, t == 0 ? CONTROLLER_USER : CONTROLLER_COMPUTER);
            Set_Team_Stat(t, TEAM_STAT_DIVISION, 4 * t);
            Set_Team_String(Cities[t], t, TEAM_STRING_CITY);
            Set_Team_String(Nicknames[t], t, TEAM_STRING_NICKNAME);
            Set_Team_String(Abbreviations[t], t, TEAM_STRING_ABBREVIATION);
            Set_Team_Stadium_Stat(t, STADIUM_STAT_CAPACITY, 60000);
            for (int s = 0; s < 8; ++s)
                Add_Player(t, s, 100 * (t + 1) + s, s);
            for (int w = 0; w < SCHEDULE_WEEKS; ++w)
                League.Team[t].nSchedule[w][3] = -1;
        }
        Add_Player(FIRST_DRAFT_POOL_TEAM, 0, 9001, POSITION_QB);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Set_User_Preference(PREF_CURRENT_WEEK, 3);
        League.StandingsArea.nPlayoffDay[0] = 17;
        // Leader tables hold data, as in any league once loaded: the last
        // bytes of the block tell this layout from the shorter old one.
        League.LeaderTables[100] = 1;
    }

    static PLAYER& Player_Of(int nID)
    {
        for (TEAM& Team : League.Team) {
            for (PLAYER& Player : Team.Player) {
                if (Player.nVital[VITAL_PLAYER_ID] == nID)
                    return Player;
            }
        }
        ADD_FAILURE() << "no player " << nID;
        return League.Team[0].Player[0];
    }

    static void Patch_Version(const std::string& Path, const char* szDigits)
    {
        BYTES Data = Read_File(Path);
        ASSERT_GT(Data.size(), 17u);
        std::memcpy(Data.data() + 13, szDigits, 4);
        Write_File(Path, Data);
    }

    static bool Read_Error_Shown(const std::string& Path)
    {
        for (const SHOWN_BOX& Box : ui::Shown_Boxes()) {
            if (Box.Caption == "Read Error" &&
                Box.Text == "Couldn't load the game \"" + Path + "\".\n\nThere was an error in reading the file.")
                return true;
        }
        return false;
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// The two converters

TEST_F(OldFilesTest, OldUniverseLayoutMovesEveryAreaToItsCurrentOffset)
{
    const BYTES Region = Old_Universe_Region();
    std::unique_ptr<LEAGUE_DATA> pBlock = Scratch_From(Region);
    ASSERT_EQ(Convert_Old_Universe(pBlock.get()), 1);
    const LEAGUE_DATA& L = *pBlock;

    EXPECT_STREQ(L.szSkinName, "earth");
    EXPECT_EQ(L.Universe.nStat[FIRST_SEASON_YEAR], 2000);
    EXPECT_STREQ(L.szLeagueName[1], "National");
    EXPECT_STREQ(L.szDivisionName[0], "East");
    for (int t = 0; t < 2; ++t) {
        Expect_Team_Fields(L, t);
        const TEAM& Team = L.Team[t];
        EXPECT_EQ(Team.nSchedule[0][0], t == 0 ? 2 : -1);
        EXPECT_EQ(Team.nSchedule[3][1], 1);          // the watch flag stays
        EXPECT_EQ(Team.nSchedule[4][3], 4);
        EXPECT_EQ(Team.nSchedule[21][4], 6);
        EXPECT_EQ(Team.OffensivePlaybook[0], 0x11);
        EXPECT_EQ(Team.OffensivePlaybook[OFFENSIVE_PLAYBOOK_SIZE - 1], 0x12);
        EXPECT_EQ(Team.DepthChart[0], 0x21);
        EXPECT_EQ(Team.DepthChart[DEPTH_CHART_SIZE - 1], 0x22);
        EXPECT_EQ(Team.DefensivePlaybook[0], 0x31);
        EXPECT_EQ(Team.DefensivePlaybook[DEFENSIVE_PLAYBOOK_SIZE - 1], 0x32);
    }
    EXPECT_EQ(L.Team[2].nTeamStat[TEAM_STAT_CONTROLLER], CONTROLLER_NOT_IN_USE);
    EXPECT_TRUE(All_Zero(&L.Team[36], sizeof(TEAM) * (TOTAL_NUMBER_OF_TEAMS - 36)));

    EXPECT_STREQ(L.City[0].szName, "Albany");
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&L.City[99])[71], 0x41);
    EXPECT_EQ(L.Draft.DraftPickOwner[0][0][0], 1);
    EXPECT_EQ(L.Draft.DraftOrder[31], 5);
    EXPECT_EQ(L.Draft.DraftOrder[35], 6);
    EXPECT_EQ(L.Game[0].nAwayTeam, 1);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&L.Game[299])[GAME_RECORD_SIZE - 1], 0x51);
    EXPECT_EQ(L.Preferences.nInt[PREF_SEASON_INDEX], 3);
    EXPECT_EQ(L.Preferences.nInt[PREF_CURRENT_WEEK], 5);
    EXPECT_EQ(L.Preferences.nInt[PREF_DRAFT_ROUND], 2);
    EXPECT_EQ(static_cast<unsigned char>(L.Preferences.nShort[119]), 0x61);
    EXPECT_EQ(L.StandingsArea.DivisionRow[0][0], 1);
    EXPECT_EQ(L.StandingsArea.DivisionRow[7][12], 0x62);
    EXPECT_EQ(static_cast<unsigned char>(L.StandingsArea.nReserved), 0x63);
    EXPECT_EQ(L.StandingsArea.PlayoffTeam[0], 1);
    EXPECT_EQ(L.StandingsArea.Padding, 0);           // the old padding byte is not carried
    EXPECT_EQ(L.StandingsArea.nPlayoffScore[0], 27);
    EXPECT_EQ(L.StandingsArea.nPlayoffScore[30], 31);
    EXPECT_EQ(L.StandingsArea.nPlayoffDay[0], 17);
    EXPECT_EQ(L.StandingsArea.nPlayoffDay[5], 21);
    EXPECT_EQ(L.SeasonLines[0][0], 2000);
    EXPECT_EQ(L.SeasonLines[SEASON_LINE_COUNT - 1][SEASON_LINE_WORDS - 1], 88);
    EXPECT_TRUE(All_Zero(L.SeasonBookkeeping, sizeof(L.SeasonBookkeeping)));
    EXPECT_EQ(L.LeaderTables[0], 0x81);
    EXPECT_EQ(L.LeaderTables[LEADER_TABLES_SIZE - 1], 0x82);
}

TEST_F(OldFilesTest, OldGameLayoutMovesItsAreasAndRebuildsTheWeeks)
{
    const BYTES Region = Old_Game_Region();
    std::unique_ptr<LEAGUE_DATA> pBlock = Scratch_From(Region);
    ASSERT_EQ(Convert_Old_Game(pBlock.get()), 1);
    const LEAGUE_DATA& L = *pBlock;

    EXPECT_EQ(L.Universe.nStat[FIRST_SEASON_YEAR], 1995);
    for (int t = 0; t < 2; ++t) {
        Expect_Team_Fields(L, t);
        const TEAM& Team = L.Team[t];
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            EXPECT_EQ(Team.nSchedule[w][0], t == 0 ? 2 : -1);
            EXPECT_EQ(Team.nSchedule[w][1], 0);      // no watch flag in the old weeks
            EXPECT_EQ(Team.nSchedule[w][2], 1300 + w);
            EXPECT_EQ(Team.nSchedule[w][3], -1);
            EXPECT_EQ(Team.nSchedule[w][4], w % 7);
        }
        EXPECT_TRUE(All_Zero(Team.OffensivePlaybook, sizeof(TEAM) - offsetof(TEAM, OffensivePlaybook)));
    }
    EXPECT_STREQ(L.City[0].szName, "Albany");
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&L.City[99])[71], 0x41);
    EXPECT_EQ(L.Draft.DraftPickOwner[0][0][0], 1);
    EXPECT_EQ(L.Draft.DraftOrder[31], 5);
    EXPECT_EQ(L.Draft.DraftOrder[35], 6);
    EXPECT_EQ(L.Preferences.nInt[PREF_SEASON_INDEX], 2);
    EXPECT_EQ(L.Preferences.nInt[PREF_CURRENT_WEEK], 4);
    EXPECT_EQ(L.Preferences.nInt[99], 99);
    EXPECT_TRUE(All_Zero(&L.Preferences.nInt[100], sizeof(L.Preferences) - 400));
    EXPECT_EQ(L.StandingsArea.DivisionRow[0][0], 1);
    EXPECT_EQ(L.StandingsArea.PlayoffTeam[0], 1);
    EXPECT_EQ(L.StandingsArea.Padding, 0);
    EXPECT_EQ(L.StandingsArea.nPlayoffScore[0], 24);
    EXPECT_EQ(L.StandingsArea.nPlayoffDay[0], 17);
    // No game records, season lines, bookkeeping or leader tables.
    EXPECT_TRUE(All_Zero(L.Game, sizeof(L.Game)));
    EXPECT_TRUE(All_Zero(L.SeasonLines, sizeof(L.SeasonLines) + sizeof(L.SeasonBookkeeping) + sizeof(L.LeaderTables)));
}

TEST_F(OldFilesTest, ConverterRefusesABlockThatDoesNotFitItsLayout)
{
    // Data past the old layout: the file is not of that layout.
    BYTES Region = Old_Universe_Region();
    std::unique_ptr<LEAGUE_DATA> pBlock = Scratch_From(Region);
    reinterpret_cast<unsigned char*>(pBlock.get())[OLD_UNIVERSE_REGION_SIZE + 10] = 1;
    const std::string Before(reinterpret_cast<const char*>(pBlock.get()), sizeof(LEAGUE_DATA));
    EXPECT_EQ(Convert_Old_Universe(pBlock.get()), 0);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Convert_Old_Universe(): the file holds data past the 22355352 bytes"));
    EXPECT_TRUE(Before == std::string(reinterpret_cast<const char*>(pBlock.get()), sizeof(LEAGUE_DATA)));

    pBlock = Scratch_From(Old_Game_Region());
    reinterpret_cast<unsigned char*>(pBlock.get())[LEAGUE_DATA_SIZE - 1] = 1;
    EXPECT_EQ(Convert_Old_Game(pBlock.get()), 0);
    EXPECT_TRUE(Last_Error_Contains("Convert_Old_Game(): the file holds data past the 6796916 bytes"));

    EXPECT_EQ(Convert_Old_Universe(nullptr), 0);
}

// ---------------------------------------------------------------------------
// Old files loaded whole

TEST_F(OldFilesTest, OldFilesLoadWholeWithTheOlderLineFixUps)
{
    // 4102 (2003 season): players 0-79 kept, 80-99 empty, and the older
    // line's steps have acted.
    Write_File("v4102.zrt", Make_Game_File("4102", Old_Universe_Region()));
    ASSERT_EQ(Load_Universe_Database("v4102.zrt"), 1);
    EXPECT_EQ(Count_Teams(), 2);
    for (int t = 0; t < 2; ++t) {
        EXPECT_EQ(Count_Team_Players(t), 80);
        EXPECT_EQ(League.Team[t].Player[79].nVital[VITAL_PLAYER_ID], 1000 * (t + 1) + 79);
        EXPECT_EQ(League.Team[t].Player[80].nVital[VITAL_PLAYER_ID], 0);
        EXPECT_EQ(League.Team[t].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 10);   // the defaults of 6520
        EXPECT_STREQ(reinterpret_cast<const char*>(League.Team[t].OffensivePlaybook), "Inside Runs");
        EXPECT_STREQ(reinterpret_cast<const char*>(League.Team[t].DefensivePlaybook + 64), "Pass Defense");
    }
    EXPECT_EQ(Player_Of(1002).nVital[VITAL_POSITION], 3);   // old code 2 moved up
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 7);
    EXPECT_EQ(Get_User_Preference(PREF_SEASON_RULE_174), 1);
    EXPECT_EQ(Get_User_Preference(PREF_AUTO_FILL_ROSTERS), 1);
    EXPECT_EQ(Get_User_Preference(PREF_FIELD_RULE_199), 0);   // the 2003 rules of the season roll
    EXPECT_EQ(Get_User_Preference(PREF_OVERTIME_RULE_2), 2);
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 16);
    EXPECT_TRUE(Exists("Calibrate_Player_Ratings (2003).csv"));

    // 3000 (1997 season): no games or season lines, weeks without the watch
    // flag, and the default settings of a new game.
    Write_File("v3000.zrt", Make_Game_File("3000", Old_Game_Region()));
    ASSERT_EQ(Load_Universe_Database("v3000.zrt"), 1);
    EXPECT_EQ(Count_Teams(), 2);
    EXPECT_EQ(League.Team[0].Player[79].nVital[VITAL_PLAYER_ID], 1079);
    EXPECT_EQ(League.Team[1].nSchedule[6][2], 1306);
    EXPECT_EQ(Get_User_Preference(105), 46);      // the default settings
    EXPECT_EQ(Get_User_Preference(PREF_TEXT_SPEED), 300);
    EXPECT_EQ(Get_User_Preference(PREF_SEASON_RULE_175), 1);

    // A 1970 season past the first: the leagues are exchanged once, not
    // exchanged and exchanged back.
    BYTES Region = Old_Game_Region();
    Put32(Region, 2124, 1969);
    Put32(Region, 3159004 + 4 * 22, 1);
    Write_File("v1970.zrt", Make_Game_File("3000", Region));
    ASSERT_EQ(Load_Universe_Database("v1970.zrt"), 1);
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_DIVISION], 4);
    EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_DIVISION], 0);
}

TEST_F(OldFilesTest, DamagedOldFilesAreRefusedAndTheLeagueStays)
{
    Build_League();
    const BYTES Universe = Old_Universe_Region();

    // Too short for its layout.
    BYTES Short(Old_Game_Region());
    Short.resize(OLD_GAME_REGION_SIZE - 1000);
    Write_File("short.zrt", Make_Game_File("3000", Short));
    // (Damaged blocks are refused by the reader all versions share.)
    // A league of the current layout under an older version: data past the layout.
    ASSERT_EQ(Save_Game("current.zrt", nullptr), SAVE_GAME_OK);
    BYTES Current = Read_File("current.zrt");
    std::memcpy(Current.data() + 13, "3000", 4);
    Write_File("as3000.zrt", Current);
    std::memcpy(Current.data() + 13, "6000", 4);
    Write_File("as6000.zrt", Current);
    const LEAGUE_SNAPSHOT Saved;

    for (const char* szPath : {"short.zrt", "as3000.zrt", "as6000.zrt"}) {
        ui::Clear_Shown_Boxes();
        EXPECT_EQ(Load_Universe_Database(szPath), 0) << szPath;
        EXPECT_TRUE(Read_Error_Shown(szPath)) << szPath;
        EXPECT_TRUE(Saved.Unchanged()) << szPath;
    }
    EXPECT_TRUE(Last_Error_Contains("Convert_Old_Universe(): the file holds data past the 22355352 bytes"));

    // No memory for the working copy.
    Write_File("v5000.zrt", Make_Game_File("5000", Universe));
    Set_Old_File_Allocation_Fault(true);
    EXPECT_EQ(Load_Universe_Database("v5000.zrt"), 0);
    EXPECT_TRUE(Last_Error_Contains("Unable to allocate memory to convert old UNIVERSE file! 12"));
    EXPECT_TRUE(Saved.Unchanged());
}

TEST_F(OldFilesTest, VersionEdgesChooseTheLayout)
{
    Set_Load_Sequence_Enabled(false);
    Build_League();
    ASSERT_EQ(Save_Game("current.zrt", nullptr), SAVE_GAME_OK);
    const LEAGUE_SNAPSHOT Saved;
    const BYTES Current = Read_File("current.zrt");
    auto Load_As = [&](const char* szDigits) {
        BYTES Data = Current;
        std::memcpy(Data.data() + 13, szDigits, 4);
        Write_File("edge.zrt", Data);
        return Load_Universe_Database("edge.zrt");
    };
    // "2179" reads as 2170, the current line; 2180 is the old game layout.
    EXPECT_EQ(Load_As("2179"), 1);
    EXPECT_TRUE(Saved.Unchanged());
    EXPECT_EQ(Load_As("2180"), 0);
    EXPECT_TRUE(Saved.Unchanged());
    // 7800 is the current layout again, its stored checksum compared.
    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Load_As("7800"), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Load_As("7799"), 0);
    EXPECT_EQ(Load_As("4101"), 0);   // between the two old layouts
    EXPECT_TRUE(Saved.Unchanged());

    // Old layouts at the edges of their ranges.
    const BYTES Game = Old_Game_Region();
    for (const char* szDigits : {"2180", "4100"}) {
        Write_File("old.zrt", Make_Game_File(szDigits, Game));
        ASSERT_EQ(Load_Universe_Database("old.zrt"), 1) << szDigits;
        EXPECT_EQ(League.Team[1].Player[79].nVital[VITAL_PLAYER_ID], 2079);
        EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_DIVISION], 4);
    }
    const BYTES Universe = Old_Universe_Region();
    for (const char* szDigits : {"4102", "7799"}) {
        Write_File("old.zrt", Make_Game_File(szDigits, Universe));
        ASSERT_EQ(Load_Universe_Database("old.zrt"), 1) << szDigits;
        EXPECT_EQ(League.Team[1].DefensivePlaybook[DEFENSIVE_PLAYBOOK_SIZE - 1], 0x32);
        EXPECT_EQ(League.LeaderTables[0], 0x81);
    }
    // The old universe layout under 7800 is too short for the current one.
    const LEAGUE_SNAPSHOT Loaded;
    Write_File("old.zrt", Make_Game_File("7800", Universe));
    EXPECT_EQ(Load_Universe_Database("old.zrt"), 0);
    EXPECT_TRUE(Loaded.Unchanged());
}

// ---------------------------------------------------------------------------
// The current line's fix-ups

TEST_F(OldFilesTest, Version1100FileRunsEveryCurrentLineFixUp)
{
    Build_League();
    // Steps 1, 7, 11: rule preferences of older files.
    Set_User_Preference(PREF_OVERTIME_RULE, 0);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 12);
    Set_User_Preference(PREF_FIELD_RULE_200, 7);
    Set_User_Preference(PREF_FIELD_RULE_202, 7);
    // Step 3: a missing height; step 9: a stale position byte; step 15: an
    // impossible birth date; step 16: a missing weight.
    Player_Of(101).nVital[VITAL_HEIGHT] = 0;
    Player_Of(102).bStat[2] = 9;
    Player_Of(104).nVital[VITAL_BIRTH_DATE] = 19000315;
    Player_Of(105).nVital[VITAL_WEIGHT] = 0;
    // Step 4: owner mode with every team's cash at 1.5 times the base.
    Set_User_Preference(PREF_OWNER_MODE, 1);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 42150000);
    Set_Team_Financial_Stat(1, FINANCE_CASH, 42150000);
    // Step 5: a fantasy draft under way, its state in "%s.draft".
    League.Universe.nStat[FANTASY_DRAFT_RUNNING] = 1;
    Set_Current_Game_Path("Fantasy League");
    BYTES Draft(FANTASY_DRAFT_STATE_SIZE, 0);
    Draft[0] = 4;
    Draft[FANTASY_DRAFT_STATE_SIZE - 1] = 0x5A;
    Write_File("Fantasy League.draft", Draft);
    // Step 8: a layout of list kind 0 with stale codes.
    for (int i = 0; i < 20; ++i)
        Set_User_Preference(240 + i, 50 + i);
    // Step 10: a stored photo and two stored logos, one already copied.
    std::memcpy(Player_Of(100).szCorvelID, "AB12", 4);
    std::memcpy(Player_Of(200).szCorvelID, "../x", 4);
    ASSERT_TRUE(files::Create_Folders("Input/Stats/Players"));
    ASSERT_TRUE(files::Create_Folders("Input/Stats/Historical"));
    ASSERT_TRUE(files::Create_Folders("Logos/Downloads"));
    Write_File("Input/Stats/Players/AB12.dat", BYTES{'j', 'p', 'g'});
    Write_File("Input/Stats/Players/../x.dat", BYTES{'x'});
    Write_File("Input/Stats/Historical/52019.gz", BYTES{'b', 'e', 'a', 'r'});   // "Bears": 5
    Write_File("Input/Stats/Historical/102019.gz", BYTES{'n', 'e', 'w'});       // "Lions": 10
    Write_File("Logos/Downloads/BOS-2019.png", BYTES{'o', 'l', 'd'});
    // Step 14: a rookie of the 2021 draft without his rookie contract.
    Player_Of(103).nVital[VITAL_DRAFTED_BY] = 12021;
    Player_Of(103).nVital[VITAL_CONTRACT_LENGTH] = 1;
    Player_Of(103).nVital[VITAL_SIGNING_BONUS] = 5;

    ASSERT_EQ(Save_Game("v1100.zrt", nullptr), SAVE_GAME_OK);
    Patch_Version("v1100.zrt", "1100");
    ASSERT_FALSE(Exists("Calibrate_Player_Ratings (2019).csv"));
    ASSERT_EQ(Load_Universe_Database("v1100.zrt"), 1);
    EXPECT_EQ(Get_User_Preference(PREF_OVERTIME_RULE), 1);                           // 1: 2019 is after 2013
    EXPECT_TRUE(Exists("Calibrate_Player_Ratings (2019).csv"));                      // 2 and 6
    EXPECT_EQ(Player_Of(101).nVital[VITAL_HEIGHT],                                   // 3
              Get_Average_Player_Height(POSITION_RB) + (220 - Get_Average_Player_Weight(POSITION_RB)) / 10);
    EXPECT_EQ(League.Universe.nStat[FINANCE_INDEX], 1500);                           // 4
    // nearest((224,800,000 / 16 + 370,000) x 1000 / 1500) = nearest(9,613,333.3)
    EXPECT_EQ(League.Universe.nStat[LEAGUE_PER_GAME_AMOUNT], 9613333);
    EXPECT_EQ(League.SeasonBookkeeping[0], 4);                                       // 5
    EXPECT_EQ(League.SeasonBookkeeping[FANTASY_DRAFT_STATE_SIZE - 1], 0x5A);
    EXPECT_EQ(Get_User_Preference(PREF_MINUTES_PER_PERIOD), 10);                     // 7
    const int nColumns[][2] = {{240, 9}, {241, 0}, {250, 96}, {251, -1}, {259, -1}, {286, 97}};   // 8
    for (const auto& c : nColumns)   // 286: the draft pool's CSS column
        EXPECT_EQ(Get_User_Preference(c[0]), c[1]) << c[0];
    EXPECT_EQ(Player_Of(102).bStat[2], POSITION_FB);                                 // 9
    EXPECT_EQ(Read_File("Photos/Downloads/AB12.jpg"), (BYTES{'j', 'p', 'g'}));       // 10
    EXPECT_FALSE(Exists("Photos/x.jpg"));
    EXPECT_EQ(Read_File("Logos/Downloads/ALB-2019.png"), (BYTES{'b', 'e', 'a', 'r'}));
    EXPECT_EQ(Read_File("Logos/Downloads/BOS-2019.png"), (BYTES{'o', 'l', 'd'}));
    EXPECT_EQ(ui::Progress().Title, "Downloading Player Photos and Team Logos");
    EXPECT_EQ(ui::Progress().Steps, 75);
    EXPECT_EQ(ui::Progress().Position, 70);
    EXPECT_EQ(Get_User_Preference(PREF_FIELD_RULE_200), 1);                          // 11
    EXPECT_EQ(Get_User_Preference(PREF_FIELD_RULE_202), 0);
    EXPECT_STREQ(League.szLeagueName[0], "AFC");                                     // 12
    EXPECT_STREQ(League.szLeagueName[1], "NFC");
    EXPECT_EQ(Player_Of(103).nVital[VITAL_CONTRACT_LENGTH], 4);                      // 14
    EXPECT_EQ(Player_Of(103).nVital[VITAL_CONTRACT_YEARS_LEFT], 2);
    EXPECT_EQ(Player_Of(103).nVital[VITAL_SIGNING_BONUS], 5);
    EXPECT_EQ(Player_Of(104).nVital[VITAL_BIRTH_DATE], 19970315);                    // 15
    EXPECT_GT(Player_Of(105).nVital[VITAL_WEIGHT], 0);                               // 16
    // The common tail of files this old.
    EXPECT_EQ(Get_User_Preference(65), 20);
    EXPECT_EQ(Get_Universe_Word(CLICK_TO_CONTINUE_WORD), 1);
}

TEST_F(OldFilesTest, CurrentLineGatesAtTheirEdges)
{
    Build_League();
    Set_User_Preference(PREF_OWNER_MODE, 1);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 42150000);
    Set_Team_Financial_Stat(1, FINANCE_CASH, 42150000);
    League.Universe.nStat[FANTASY_DRAFT_RUNNING] = 1;
    Set_Current_Game_Path("Edge");
    Write_File("Edge.draft", BYTES(FANTASY_DRAFT_STATE_SIZE, 7));
    Set_User_Preference(240, 50);
    Player_Of(103).nVital[VITAL_DRAFTED_BY] = 12021;

    Run_Current_Line_Fix_Ups(1901);
    EXPECT_EQ(League.Universe.nStat[FINANCE_INDEX], 0);
    EXPECT_EQ(League.SeasonBookkeeping[0], 0);
    EXPECT_EQ(Get_User_Preference(240), 50);
    EXPECT_EQ(ui::Progress().TimesOpened, 0);
    EXPECT_EQ(Player_Of(103).nVital[VITAL_CONTRACT_LENGTH], 0);
    Run_Current_Line_Fix_Ups(1900);
    EXPECT_EQ(Player_Of(103).nVital[VITAL_CONTRACT_LENGTH], 4);
    Run_Current_Line_Fix_Ups(1600);
    EXPECT_EQ(ui::Progress().TimesOpened, 0);
    Run_Current_Line_Fix_Ups(1599);
    EXPECT_EQ(ui::Progress().TimesOpened, 1);
    EXPECT_EQ(Get_User_Preference(240), 50);
    Run_Current_Line_Fix_Ups(1490);
    EXPECT_EQ(Get_User_Preference(240), 9);
    EXPECT_EQ(League.SeasonBookkeeping[0], 0);
    Run_Current_Line_Fix_Ups(1306);
    EXPECT_EQ(League.SeasonBookkeeping[0], 0);
    Run_Current_Line_Fix_Ups(1305);
    EXPECT_EQ(League.SeasonBookkeeping[0], 7);
    EXPECT_EQ(League.Universe.nStat[FINANCE_INDEX], 0);
    Run_Current_Line_Fix_Ups(1287);
    EXPECT_EQ(League.Universe.nStat[FINANCE_INDEX], 0);
    Run_Current_Line_Fix_Ups(1286);
    EXPECT_EQ(League.Universe.nStat[FINANCE_INDEX], 1500);
}

// ---------------------------------------------------------------------------
// The older line's fix-ups

TEST_F(OldFilesTest, OlderLineGatesAtTheirEdges)
{
    Build_League();
    Player_Of(101).nVital[VITAL_FIELD_6] = 5;
    Player_Of(102).nVital[VITAL_POSITION] = POSITION_TE - 1;   // an old code 2
    League.Team[0].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE] = 3;
    League.Team[1].OffensivePlaybook[192] = 0x44;               // a play of its own
    League.Team[1].OffensivePlaybook[OFFENSIVE_TALLIES_OFFSET] = 9;
    Set_User_Preference(PREF_FIELD_RULE_199, 0);
    League.Game[0].nWeek = 0;
    uint8_t* pGame = reinterpret_cast<uint8_t*>(&League.Game[0]);
    pGame[52] = 0x21;
    Player_Of(100).nVital[VITAL_SALARY] = 80000;                 // above a third of the cap

    ui::Queue_Answer(ID_NO);
    Run_Older_Line_Fix_Ups(8050);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    Run_Older_Line_Fix_Ups(8049);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Fix salary data?");
    EXPECT_EQ(Player_Of(100).nVital[VITAL_SALARY], 80000);

    Player_Of(100).nVital[VITAL_SALARY] = 0;
    Run_Older_Line_Fix_Ups(7700);
    EXPECT_EQ(Get_User_Preference(PREF_FIELD_RULE_199), 0);
    EXPECT_EQ(pGame[42], 0);
    Run_Older_Line_Fix_Ups(7699);
    EXPECT_EQ(Get_User_Preference(PREF_FIELD_RULE_199), 1);      // 2019: from 2015
    EXPECT_EQ(pGame[42], 0x21);

    Run_Older_Line_Fix_Ups(6540);
    EXPECT_EQ(Player_Of(102).nVital[VITAL_POSITION], POSITION_TE - 1);
    Run_Older_Line_Fix_Ups(6539);
    EXPECT_EQ(Player_Of(102).nVital[VITAL_POSITION], POSITION_TE);
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 3);
    Run_Older_Line_Fix_Ups(6520);
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 3);
    EXPECT_EQ(League.Team[1].OffensivePlaybook[0], 0);
    Run_Older_Line_Fix_Ups(6519);
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 10);
    Run_Older_Line_Fix_Ups(6501);
    EXPECT_EQ(League.Team[1].OffensivePlaybook[0], 0);
    EXPECT_EQ(Player_Of(101).nVital[VITAL_FIELD_6], 5);
    Run_Older_Line_Fix_Ups(6500);
    EXPECT_STREQ(reinterpret_cast<const char*>(League.Team[1].OffensivePlaybook + 160), "Trick/Special");
    EXPECT_EQ(League.Team[1].OffensivePlaybook[192], 0x44);
    EXPECT_EQ(League.Team[1].OffensivePlaybook[OFFENSIVE_TALLIES_OFFSET], 0);
    Run_Older_Line_Fix_Ups(6010);
    EXPECT_EQ(Player_Of(101).nVital[VITAL_FIELD_6], 5);
    Run_Older_Line_Fix_Ups(6009);
    EXPECT_EQ(Player_Of(101).nVital[VITAL_FIELD_6], 22);
}

// ---------------------------------------------------------------------------
// The services the fix-ups call

TEST_F(OldFilesTest, ServicesOfTheFixUps)
{
    Build_League();
    // Positions before the fullback code.
    // A blocking back becomes a fullback; codes 13 and above move up to 14.
    Set_Player_Rating(0, 1, RATING_RUN_BLOCKING, 99.0f);
    Set_Player_Rating(0, 1, RATING_RECEIVING, 20.0f);
    Set_Player_Rating(1, 1, RATING_RUN_BLOCKING, 20.0f);
    const int nPositions[][3] = {{101, POSITION_RB, POSITION_FB}, {201, POSITION_RB, POSITION_RB},
                                 {200, POSITION_QB, POSITION_QB}, {107, 13, 14}, {106, 14, 14}};   // ID, before, after
    for (const auto& p : nPositions)
        Player_Of(p[0]).nVital[VITAL_POSITION] = p[1];
    Scan_Player_Records_On_Load();
    for (const auto& p : nPositions)
        EXPECT_EQ(Player_Of(p[0]).nVital[VITAL_POSITION], p[2]) << p[0];

    // List columns: every kind, unused code slots -1.
    EXPECT_EQ(Get_Default_List_Column(2, 8), 98);
    EXPECT_EQ(Get_Default_List_Column(2, 9), -1);
    EXPECT_EQ(Get_Default_List_Column(0, 12), -1);
    EXPECT_EQ(Get_Default_List_Column(4, 0), -1);
    Reset_List_Columns();
    // Kind 1 is row 0 without Team; kind 3 as kind 0.
    const int nColumns[][2] = {{260, 8}, {262, 0}, {263, 2}, {270, -1}, {300, 9}, {310, 96}, {319, -1}};
    for (const auto& c : nColumns)
        EXPECT_EQ(Get_User_Preference(c[0]), c[1]) << c[0];

    // Rookie contracts, 2 teams: round 0 pick 0 is 6675 x 224.8 / 55 = 27,283.
    EXPECT_EQ(Get_Draft_Slot_Bonus(0, 0), 27283);
    EXPECT_EQ(Get_Draft_Slot_Bonus(0, 1), 8972);    // the middle anchor 2195
    EXPECT_EQ(Get_Draft_Slot_Bonus(0, 2), 0);
    EXPECT_EQ(Get_Draft_Slot_Bonus(7, 0), 0);
    EXPECT_EQ(Scale_From_Base_Cap(-1), -4);
    EXPECT_EQ(Scale_From_Base_Cap(0), 0);
    EXPECT_EQ(Get_Inflated_Cap_Third(), 74933);
    PLAYER& Rookie = Player_Of(103);
    Rookie.nVital[VITAL_DRAFTED_BY] = 12019;
    EXPECT_EQ(Update_Rookie_Contract(0, 3, 1), 0);  // drafted before 2020
    Rookie.nVital[VITAL_DRAFTED_BY] = 22022;
    Rookie.nVital[VITAL_DRAFT_PICK] = 101000;       // round 1, pick 1
    Rookie.nVital[VITAL_SIGNING_BONUS] = 100;
    EXPECT_EQ(Update_Rookie_Contract(0, 3, 1), 1);
    EXPECT_EQ(Rookie.nVital[VITAL_CONTRACT_LENGTH], 4);
    EXPECT_EQ(Rookie.nVital[VITAL_CONTRACT_YEARS_LEFT], 3);
    EXPECT_EQ(Rookie.nVital[VITAL_SIGNING_BONUS], 27283 - 5456);   // four fifths, the fifth truncated
    EXPECT_EQ(Update_Rookie_Contract(0, 3, 1), 0);  // already has it
    EXPECT_EQ(Errors_Reported(), 0);
    const LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Update_Rookie_Contract(41, 0, 1), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Update_Rookie_Contract([41],0,1)"));
    EXPECT_EQ(Update_Rookie_Contract(0, 100, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Update_Rookie_Contract(0,[100],0)"));
    EXPECT_TRUE(Before.Unchanged());

    // Corrupt salaries: asked twice, repaired on Yes.
    Player_Of(104).nVital[VITAL_SALARY] = 74933;    // at the limit: sound
    Player_Of(204).nVital[VITAL_SALARY] = 90000;
    League.Team[0].nFinancialStat[FINANCE_CASH] = -5;
    League.Team[1].nFinancialStat[FINANCE_CASH] = 7;
    ui::Queue_Answer(ID_YES);
    ui::Queue_Answer(ID_YES);
    Check_Fix_Salary_Data();
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Vazarudu Kelvo has found corrupt salary data, due to a bug in a previous version of Vazarudu Kelvo.\n\n"
              "Would you like Vazarudu Kelvo to automatically fix this data?");
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "Fix cash levels?");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Fix negative team cash levels caused by corrupt salary data?");
    EXPECT_EQ(Player_Of(104).nVital[VITAL_SALARY], 74933);
    EXPECT_EQ(Player_Of(204).nVital[VITAL_SALARY], Get_Player_Minimum_Salary(1, 4));
    EXPECT_EQ(League.Team[0].nFinancialStat[FINANCE_CASH], 28100000);
    EXPECT_EQ(League.Team[1].nFinancialStat[FINANCE_CASH], 7);
    ui::Clear_Shown_Boxes();
    Check_Fix_Salary_Data();                        // nothing corrupt any more
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // The fantasy-draft file: missing or short changes nothing.
    Set_Current_Game_Path("Draft Test");
    EXPECT_EQ(Load_Fantasy_Draft_File(), 0);
    Write_File("Draft Test.draft", BYTES(FANTASY_DRAFT_STATE_SIZE - 1, 3));
    EXPECT_EQ(Load_Fantasy_Draft_File(), 0);
    EXPECT_EQ(League.SeasonBookkeeping[0], 0);
    ASSERT_FALSE(Read_Debug_Log_Lines(true).empty());
    EXPECT_EQ(Read_Debug_Log_Lines(true).back(), "Draft Test.draft holds 18015 of the 18016 bytes of a fantasy draft; not read");
    Write_File("Draft Test.draft", BYTES(FANTASY_DRAFT_STATE_SIZE + 5, 3));
    EXPECT_EQ(Load_Fantasy_Draft_File(), 1);
    EXPECT_EQ(League.SeasonBookkeeping[FANTASY_DRAFT_STATE_SIZE - 1], 3);
    EXPECT_EQ(League.SeasonBookkeeping[FANTASY_DRAFT_STATE_SIZE], 0);

    // Logos by nickname and season (the 1962 Oilers are Titans, then Jets; the
    // early Texans are the Chiefs).
    const struct {
        const char* szNickname;
        int nYear, nLogo;
    } Logos[] = {{"Raiders", 2021, 16},   {"Raiders", 2020, 24}, {"Commanders", 2022, 31}, {"Commanders", 2020, -1},
                 {"redskins", 1990, 31},  {"Oilers", 1962, 23},  {"Texans", 1962, 15},     {"Texans", 2005, 12},
                 {"Owls", 2005, -1}};
    for (const auto& l : Logos)
        EXPECT_EQ(Get_Logo_Index(l.szNickname, l.nYear), l.nLogo) << l.szNickname << " " << l.nYear;
}
