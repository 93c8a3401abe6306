// Files of older versions: the two old layouts turned into the current one,
// the layout chosen by the version, misfit old files refused with the league
// untouched, the fix-ups of a version-1100 file and the rookie contracts they
// hand out.

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "gamefile/old_files.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/files.h"
#include "season/fantasy_draft.h"
#include "season/player_generation.h"
#include "season/salaries.h"
#include "league/league_fixture.h"
#include "test_support.h"

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

// A game file of the given version digits whose 100 blocks hold the bytes,
// cut as evenly as they go (the last block takes the rest).
BYTES Make_Game_File(const char* szDigits, const BYTES& Region)
{
    std::string Head = std::string("RIRARUVAZAVIZ") + szDigits + "    Cc";
    BYTES Data(Head.begin(), Head.end());
    Data.resize(Data.size() + 2, 0);
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
    Put_Text(Region, 2384, "East");
}

// Team t of an old layout with records of nTeamSize bytes: strings, players
// 0-79, then the fields that both old records keep 15,120 bytes early. The
// values tell team and field apart.
void Put_Old_Team(BYTES& Region, size_t nTeamSize, int t)
{
    const size_t b = HEAD + nTeamSize * t;
    Put_Text(Region, b + 32, t == 0 ? "Albany" : "Boston");
    for (int s = 0; s < 80; ++s) {
        const size_t p = b + 256 + PLAYER_SIZE * s;
        Put32(Region, p + 48, 1000 * (t + 1) + s);      // player ID
        Put32(Region, p + 52, s % 14);                  // position in the old codes
        Put32(Region, p + 68, 19950101);                // birth date
    }
    Region[b + 60736] = 3;                              // kick-off returner
    Put32(Region, b + 60740 + 1916, 200 + t);           // totals [7][2][19]
    Put32(Region, b + 62660 + 0, 4 * t);                // division
    Put32(Region, b + 62660 + 8, t == 0 ? 1 : 0);       // controller
    Put32(Region, b + 62660 + 12, t);                   // city
    Put32(Region, b + 62660 + 40, 13);                  // run/pass balance
    Put32(Region, b + 62660 + 236, 300 + t);            // team stat 59
    Put32(Region, b + 62900, 60000 + t);                // stadium capacity
    Put32(Region, b + 62900 + 76, 400 + t);             // stadium stat 19
    Put32(Region, b + 62980 + 316, 500 + t);            // financial stat 79
    Region[b + 63300 + 3199] = static_cast<unsigned char>(7 + t);   // yearly byte [99][31]
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
        Region[b + 68540 + 19679] = 0x12;               // offensive playbook, last byte
        Region[b + 88220 + 2111] = 0x22;                // the 528 words, last byte
        Region[b + 99847] = 0x32;                       // defensive playbook, last byte
    }
    Region[4096248 + 7199] = 0x41;                      // last byte of CITY 99
    Region[4104204 + 31] = 5;                           // draft order byte 31
    Region[4104236 + 3] = 6;                            // draft order byte 35
    Region[4104240 + 14612399] = 0x51;                  // last byte of GAME 299
    Put32(Region, 18716640 + 4 * 22, 3);                // season index
    Put32(Region, 18716640 + 4 * 36, 2);                // draft round
    Region[18716640 + 1198] = 0x61;                     // 16-bit slot 359
    Region[18717944] = 0x63;                            // after division row 7
    Region[18717979] = 0x77;                            // the old padding byte
    Put32(Region, 18717980 + 120, 31);                  // playoff score 30
    Put32(Region, 18718104, 17);                        // regular-season weeks
    Put32(Region, 18718104 + 20, 21);                   // calendar word 5
    Put32(Region, 18718128 + 3014652, 88);              // season line 32767, last word
    Region[18718128 + 3014656] = 0x71;                  // the old bookkeeping: not carried
    Region[22257072 + 98279] = 0x82;                    // leader tables, last byte
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
    Region[2809012 + 7199] = 0x41;                      // last byte of CITY 99
    Region[2817000 + 3] = 6;                            // draft order byte 35
    Region[2817004] = 0x55;                             // old game records: not carried
    Put32(Region, 3159004 + 4 * 22, 2);                 // season index
    Put32(Region, 3159004 + 4 * 99, 99);                // preference 99
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
    return std::all_of(q, q + n, [](unsigned char c) { return c == 0; });
}

// The moved team fields shared by both layouts.
void Expect_Team_Fields(const LEAGUE_DATA& L, int t)
{
    const TEAM& Team = L.Team[t];
    EXPECT_STREQ(Team.szString[TEAM_STRING_CITY], t == 0 ? "Albany" : "Boston");
    EXPECT_EQ(Team.Player[79].nVital[VITAL_PLAYER_ID], 1000 * (t + 1) + 79);
    EXPECT_TRUE(All_Zero(&Team.Player[80], sizeof(PLAYER) * (PLAYERS_PER_TEAM - 80)));
    EXPECT_EQ(Team.bReturner[RETURNER_KICKOFF], 3);
    EXPECT_EQ(Team.nTotals[7][2][19], 200 + t);
    EXPECT_EQ(Team.nTeamStat[TEAM_STAT_DIVISION], 4 * t);
    EXPECT_EQ(Team.nTeamStat[59], 300 + t);
    EXPECT_EQ(Team.nStadiumStat[19], 400 + t);
    EXPECT_EQ(Team.nFinancialStat[79], 500 + t);
    EXPECT_EQ(Team.bYearly[99][31], 7 + t);
    EXPECT_EQ(Team.nYearly[99][3], 5555 + t);
}

class OldFilesTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"oldfiles"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
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
};

}  // namespace

// ---------------------------------------------------------------------------
// The two converters

TEST_F(OldFilesTest, OldUniverseLayoutMovesEveryAreaToItsCurrentOffset)
{
    std::unique_ptr<LEAGUE_DATA> pBlock = Scratch_From(Old_Universe_Region());
    ASSERT_EQ(Convert_Old_Universe(pBlock.get()), 1);
    const LEAGUE_DATA& L = *pBlock;

    EXPECT_STREQ(L.szDivisionName[0], "East");
    for (int t = 0; t < 2; ++t) {
        Expect_Team_Fields(L, t);
        const TEAM& Team = L.Team[t];
        EXPECT_EQ(Team.nSchedule[3][1], 1);          // the watch flag stays
        EXPECT_EQ(Team.OffensivePlaybook[OFFENSIVE_PLAYBOOK_SIZE - 1], 0x12);
        EXPECT_EQ(Team.DepthChart[DEPTH_CHART_SIZE - 1], 0x22);
        EXPECT_EQ(Team.DefensivePlaybook[DEFENSIVE_PLAYBOOK_SIZE - 1], 0x32);
    }
    EXPECT_EQ(L.Team[2].nTeamStat[TEAM_STAT_CONTROLLER], CONTROLLER_NOT_IN_USE);
    EXPECT_TRUE(All_Zero(&L.Team[36], sizeof(TEAM) * (TOTAL_NUMBER_OF_TEAMS - 36)));

    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&L.City[99])[71], 0x41);
    EXPECT_EQ(L.Draft.DraftOrder[31], 5);
    EXPECT_EQ(L.Draft.DraftOrder[35], 6);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&L.Game[299])[GAME_RECORD_SIZE - 1], 0x51);
    EXPECT_EQ(L.Preferences.nInt[PREF_SEASON_INDEX], 3);
    EXPECT_EQ(L.Preferences.nInt[PREF_DRAFT_ROUND], 2);
    EXPECT_EQ(static_cast<unsigned char>(L.Preferences.nShort[119]), 0x61);
    EXPECT_EQ(static_cast<unsigned char>(L.StandingsArea.nReserved), 0x63);
    EXPECT_EQ(L.StandingsArea.Padding, 0);           // the old padding byte is not carried
    EXPECT_EQ(L.StandingsArea.nPlayoffScore[30], 31);
    EXPECT_EQ(L.StandingsArea.nPlayoffDay[5], 21);
    EXPECT_EQ(L.SeasonLines[SEASON_LINE_COUNT - 1][SEASON_LINE_WORDS - 1], 88);
    EXPECT_TRUE(All_Zero(L.SeasonBookkeeping, sizeof(L.SeasonBookkeeping)));
    EXPECT_EQ(L.LeaderTables[LEADER_TABLES_SIZE - 1], 0x82);
}

TEST_F(OldFilesTest, OldGameLayoutMovesItsAreasAndRebuildsTheWeeks)
{
    std::unique_ptr<LEAGUE_DATA> pBlock = Scratch_From(Old_Game_Region());
    ASSERT_EQ(Convert_Old_Game(pBlock.get()), 1);
    const LEAGUE_DATA& L = *pBlock;

    EXPECT_EQ(L.Universe.nStat[FIRST_SEASON_YEAR], 1995);
    for (int t = 0; t < 2; ++t) {
        Expect_Team_Fields(L, t);
        const TEAM& Team = L.Team[t];
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            EXPECT_EQ(Team.nSchedule[w][1], 0);      // no watch flag in the old weeks
            EXPECT_EQ(Team.nSchedule[w][2], 1300 + w);
            EXPECT_EQ(Team.nSchedule[w][3], -1);
            EXPECT_EQ(Team.nSchedule[w][4], w % 7);
        }
        EXPECT_TRUE(All_Zero(Team.OffensivePlaybook, sizeof(TEAM) - offsetof(TEAM, OffensivePlaybook)));
    }
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&L.City[99])[71], 0x41);
    EXPECT_EQ(L.Draft.DraftOrder[35], 6);
    EXPECT_EQ(L.Preferences.nInt[PREF_SEASON_INDEX], 2);
    EXPECT_EQ(L.Preferences.nInt[99], 99);
    EXPECT_TRUE(All_Zero(&L.Preferences.nInt[100], sizeof(L.Preferences) - 400));
    EXPECT_EQ(L.StandingsArea.PlayoffTeam[0], 1);
    EXPECT_EQ(L.StandingsArea.nPlayoffScore[0], 24);
    EXPECT_EQ(L.StandingsArea.nPlayoffDay[0], 17);
    // No game records, season lines, bookkeeping or leader tables.
    EXPECT_TRUE(All_Zero(L.Game, sizeof(L.Game)));
    EXPECT_TRUE(All_Zero(L.SeasonLines, sizeof(L.SeasonLines) + sizeof(L.SeasonBookkeeping) + sizeof(L.LeaderTables)));
}

// ---------------------------------------------------------------------------
// Every byte of every area, the old layouts filled with a pattern

namespace {

// A byte of the pattern at old offset i: never 0, so an area left behind shows
// as zeros, and unlike its neighbours, so an area taken from a shifted offset
// shows too.
unsigned char Pattern_Byte(size_t i)
{
    uint32_t h = static_cast<uint32_t>(i) * 2654435761u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<unsigned char>(1 + h % 255);
}

struct BYTE_RANGE {
    size_t nFrom;
    size_t nTo;   // one past the last byte
};

// What one old layout is and which of its bytes it leaves behind: the ranges
// are counted by hand from the layout, not taken from the converter.
struct OLD_LAYOUT_CASE {
    const char* szName;
    int (*Convert)(void*);
    OLD_LAYOUT_AREAS Areas;
    size_t nRegionSize;
    size_t nTeamSize;
    size_t nTeamCarried;                       // bytes of each record the areas cover, from 0
    std::vector<BYTE_RANGE> TeamLeft;          // inside those, not carried
    std::vector<BYTE_RANGE> RegionCarried;     // after the TEAM records
    std::vector<BYTE_RANGE> RegionLeft;        // inside those, not carried
};

bool In_Ranges(const std::vector<BYTE_RANGE>& Ranges, size_t i)
{
    return std::any_of(Ranges.begin(), Ranges.end(), [i](const BYTE_RANGE& r) { return i >= r.nFrom && i < r.nTo; });
}

// Marks the old and the new bytes of the moves; an old or new byte moved
// twice counts as a fault.
void Mark_Moves(std::span<const OLD_AREA_MOVE> Moves, size_t nOldBase, size_t nNewBase, std::vector<bool>& OldMoved,
                std::vector<bool>& NewMoved, int& nTwice)
{
    for (const OLD_AREA_MOVE& m : Moves) {
        for (int k = 0; k < m.nSize; ++k) {
            const size_t o = nOldBase + static_cast<size_t>(m.nOld + k);
            const size_t n = nNewBase + static_cast<size_t>(m.nNew + k);
            nTwice += OldMoved[o] ? 1 : 0;
            nTwice += NewMoved[n] ? 1 : 0;
            OldMoved[o] = true;
            NewMoved[n] = true;
        }
    }
}

void Expect_Every_Area_Moved(const OLD_LAYOUT_CASE& c)
{
    SCOPED_TRACE(c.szName);
    BYTES Region(c.nRegionSize);
    for (size_t i = 0; i < Region.size(); ++i)
        Region[i] = Pattern_Byte(i);
    std::unique_ptr<LEAGUE_DATA> pBlock = Scratch_From(Region);
    ASSERT_EQ(c.Convert(pBlock.get()), 1);
    const unsigned char* pNew = reinterpret_cast<const unsigned char*>(pBlock.get());
    const size_t nHead = offsetof(LEAGUE_DATA, Team);

    // Each area's every byte holds the pattern of its old offset.
    size_t nWrong = 0;
    size_t nFirstWrong = 0;
    auto Expect_Area = [&](std::span<const OLD_AREA_MOVE> Moves, size_t nOldBase, size_t nNewBase) {
        for (const OLD_AREA_MOVE& m : Moves) {
            for (int k = 0; k < m.nSize; ++k) {
                const size_t n = nNewBase + static_cast<size_t>(m.nNew + k);
                if (pNew[n] != Pattern_Byte(nOldBase + static_cast<size_t>(m.nOld + k)) && nWrong++ == 0)
                    nFirstWrong = n;
            }
        }
    };
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        const size_t nOldTeam = nHead + c.nTeamSize * static_cast<size_t>(t);
        const size_t nNewTeam = offsetof(LEAGUE_DATA, Team) + sizeof(TEAM) * static_cast<size_t>(t);
        Expect_Area(c.Areas.TeamFields, nOldTeam, nNewTeam);
        Expect_Area(c.Areas.TeamTail, nOldTeam, nNewTeam);
    }
    Expect_Area(c.Areas.Region, 0, 0);
    EXPECT_EQ(nWrong, 0u) << "first wrong byte at " << nFirstWrong;

    // The areas cover the old layout but for the bytes it leaves behind, and
    // no byte is moved twice.
    std::vector<bool> OldMoved(c.nRegionSize, false);
    std::vector<bool> NewMoved(LEAGUE_DATA_SIZE, false);
    int nTwice = 0;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        const size_t nOldTeam = nHead + c.nTeamSize * static_cast<size_t>(t);
        const size_t nNewTeam = offsetof(LEAGUE_DATA, Team) + sizeof(TEAM) * static_cast<size_t>(t);
        Mark_Moves(c.Areas.TeamFields, nOldTeam, nNewTeam, OldMoved, NewMoved, nTwice);
        Mark_Moves(c.Areas.TeamTail, nOldTeam, nNewTeam, OldMoved, NewMoved, nTwice);
    }
    Mark_Moves(c.Areas.Region, 0, 0, OldMoved, NewMoved, nTwice);
    EXPECT_EQ(nTwice, 0);
    for (size_t i = 0; i < c.nTeamSize; ++i) {
        const bool bCarried = i < c.nTeamCarried && !In_Ranges(c.TeamLeft, i);
        ASSERT_EQ(OldMoved[nHead + i], bCarried) << "team record byte " << i;
    }
    const size_t nRegionStart = nHead + c.nTeamSize * TOTAL_NUMBER_OF_TEAMS;
    for (size_t i = nRegionStart; i < c.nRegionSize; ++i) {
        const bool bCarried = In_Ranges(c.RegionCarried, i) && !In_Ranges(c.RegionLeft, i);
        ASSERT_EQ(OldMoved[i], bCarried) << "region byte " << i;
    }

    // The head stays as read; every byte no area reaches starts empty, but
    // for the weeks the older record's words are rebuilt into.
    EXPECT_EQ(std::memcmp(pNew, Region.data(), nHead), 0);
    size_t nStray = 0;
    size_t nFirstStray = 0;
    for (size_t n = nHead; n < LEAGUE_DATA_SIZE; ++n) {
        if (NewMoved[n] || pNew[n] == 0)
            continue;
        const size_t nInTeam = (n - nHead) % sizeof(TEAM);
        const bool bWeeks = c.Areas.TeamTail.empty() && n < offsetof(LEAGUE_DATA, City) &&
                            nInTeam >= offsetof(TEAM, nSchedule) && nInTeam < offsetof(TEAM, nSchedule) + sizeof(TEAM::nSchedule);
        if (!bWeeks && nStray++ == 0)
            nFirstStray = n;
    }
    EXPECT_EQ(nStray, 0u) << "first stray byte at " << nFirstStray;
}

}  // namespace

TEST_F(OldFilesTest, OldUniverseLayoutCarriesEveryByteOfEveryArea)
{
    // Each record leaves the two bytes after the 16-bit returner word; the
    // region leaves the byte after the bracket's champion slot and the old
    // season bookkeeping, 524,288 bytes from 21,732,784.
    Expect_Every_Area_Moved({"old universe", Convert_Old_Universe, Get_Old_Universe_Areas(),
                             OLD_UNIVERSE_REGION_SIZE, OLD_UNIVERSE_TEAM_SIZE, OLD_UNIVERSE_TEAM_SIZE,
                             {{60738, 60740}},
                             {{4096248, OLD_UNIVERSE_REGION_SIZE}},
                             {{18717979, 18717980}, {21732784, 22257072}}});
}

TEST_F(OldFilesTest, OldGameLayoutCarriesEveryByteOfEveryArea)
{
    // The record's areas end where its 22 weeks of four words begin; after
    // the records, the cities to the draft order and the preferences to the
    // calendar words are carried, but for the byte after the champion slot.
    Expect_Every_Area_Moved({"old game", Convert_Old_Game, Get_Old_Game_Areas(), OLD_GAME_REGION_SIZE,
                             OLD_GAME_TEAM_SIZE, 68100,
                             {{60738, 60740}},
                             {{2809012, 2817004}, {3159004, 3159692}},
                             {{3159543, 3159544}}});
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
        EXPECT_EQ(League.Team[t].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 10);   // the defaults of 6520
    }
    EXPECT_EQ(Player_Of(1002).nVital[VITAL_POSITION], 3);   // old code 2 moved up
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 7);

    // The old game layout, 4100 (a 1970 season past the first): the leagues
    // are exchanged once, not exchanged and exchanged back.
    BYTES Region = Old_Game_Region();
    Put32(Region, 2124, 1969);
    Put32(Region, 3159004 + 4 * 22, 1);
    Write_File("v1970.zrt", Make_Game_File("4100", Region));
    ASSERT_EQ(Load_Universe_Database("v1970.zrt"), 1);
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_DIVISION], 4);
    EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_DIVISION], 0);
}

TEST_F(OldFilesTest, VersionEdgesChooseTheLayoutAndMisfitFilesAreRefused)
{
    Build_League();
    ASSERT_EQ(Save_Game("current.zrt"), SAVE_GAME_OK);
    const BYTES Current = Read_File("current.zrt");
    BYTES Short(Old_Game_Region());
    Short.resize(OLD_GAME_REGION_SIZE - 1000);
    // The current layout loads as 2109 (2100, this program's own) and from
    // 7800 to 8510, the old game layout from 2180, the old universe layout up
    // to 7799. A layout under another's version, too short for its own, or
    // under a version this program does not know (a newer one of its own
    // line, or past 8510), is refused with the league untouched.
    const char* szPastGame = "Convert_Old_Game(): the file holds data past the 6796916 bytes";
    const char* szPastUniverse = "Convert_Old_Universe(): the file holds data past the 22355352 bytes";
    const struct {
        const char* szDigits;
        int nLayout;   // 0 current, 1 old game, 2 old universe, 3 old game cut short
        int nLoaded;
        const char* szError;
    } Edges[] = {{"2109", 0, 1, nullptr}, {"2110", 0, 0, nullptr}, {"2179", 0, 0, nullptr},
                 {"2180", 0, 0, szPastGame}, {"4101", 0, 0, nullptr}, {"7799", 0, 0, szPastUniverse},
                 {"7800", 0, 1, nullptr}, {"8510", 0, 1, nullptr}, {"8511", 0, 0, nullptr},
                 {"2180", 1, 1, nullptr}, {"7799", 2, 1, nullptr}, {"7800", 2, 0, nullptr},
                 {"3000", 3, 0, nullptr}};
    for (const auto& e : Edges) {
        BYTES Data = e.nLayout == 0 ? Current
                                    : Make_Game_File(e.szDigits, e.nLayout == 2 ? Old_Universe_Region()
                                                                 : e.nLayout == 1 ? Old_Game_Region() : Short);
        std::memcpy(Data.data() + 13, e.szDigits, 4);
        Write_File("edge.zrt", Data);
        const LEAGUE_SNAPSHOT Before;
        EXPECT_EQ(Load_Universe_Database("edge.zrt"), e.nLoaded) << e.szDigits << " " << e.nLayout;
        EXPECT_TRUE(e.nLoaded == 1 || Before.Unchanged()) << e.szDigits;
        EXPECT_TRUE(e.szError == nullptr || Last_Error_Contains(e.szError)) << e.szDigits;
    }
    EXPECT_EQ(Convert_Old_Universe(nullptr), 0);

    // No memory for the working copy.
    const LEAGUE_SNAPSHOT Loaded;
    Write_File("v5000.zrt", Make_Game_File("5000", Old_Universe_Region()));
    Set_Old_File_Allocation_Fault(true);
    EXPECT_EQ(Load_Universe_Database("v5000.zrt"), 0);
    EXPECT_TRUE(Last_Error_Contains("Unable to allocate memory to convert old UNIVERSE file! 12"));
    EXPECT_TRUE(Loaded.Unchanged());
}

// ---------------------------------------------------------------------------
// The current line's fix-ups

TEST_F(OldFilesTest, Version1100FileRunsEveryCurrentLineFixUp)
{
    Build_League();
    // Steps 1, 7, 11: rule preferences of older files.
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, 0);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 12);
    Set_User_Preference(PREF_KICKOFF_SPOT_RULE, 7);
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
    Draft[FANTASY_DRAFT_STATE_SIZE - 1] = 1;   // the last order place: club 1 of the two
    Write_File("Fantasy League.draft", Draft);
    // Step 8: a layout of list kind 0 with stale codes.
    for (int i = 0; i < 20; ++i)
        Set_User_Preference(240 + i, 50 + i);
    // Step 10: a stored photo and a stored logo.
    std::memcpy(Player_Of(100).szCorvelID, "AB12", 4);
    std::memcpy(Player_Of(200).szCorvelID, "../x", 4);
    ASSERT_TRUE(files::Create_Folders("Input/Stats/Players"));
    ASSERT_TRUE(files::Create_Folders("Input/Stats/Historical"));
    ASSERT_TRUE(files::Create_Folders("Logos/Downloads"));
    Write_File("Input/Stats/Players/AB12.dat", BYTES{'j', 'p', 'g'});
    Write_File("Input/Stats/Players/../x.dat", BYTES{'x'});
    Write_File("Input/Stats/Historical/52019.gz", BYTES{'b', 'e', 'a', 'r'});   // "Bears": 5
    // Step 14: a rookie of the 2021 draft without his rookie contract.
    Player_Of(103).nVital[VITAL_DRAFTED_BY] = 12021;
    Player_Of(103).nVital[VITAL_CONTRACT_LENGTH] = 1;

    ASSERT_EQ(Save_Game("v1100.zrt"), SAVE_GAME_OK);
    BYTES File = Read_File("v1100.zrt");
    std::memcpy(File.data() + 13, "1100", 4);
    Write_File("v1100.zrt", File);
    ASSERT_EQ(Load_Universe_Database("v1100.zrt"), 1);
    EXPECT_EQ(Get_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE), 1);                           // 1: 2019 is after 2013
    EXPECT_TRUE(std::filesystem::exists("Calibrate_Player_Ratings (2019).csv"));                      // 2 and 6
    EXPECT_EQ(Player_Of(101).nVital[VITAL_HEIGHT],                                   // 3
              Get_Typical_Player_Height(POSITION_RB) + (220 - Get_Average_Player_Weight(POSITION_RB)) / 10);
    EXPECT_EQ(League.Universe.nStat[FINANCE_INDEX], 1500);                           // 4
    // nearest((224,800,000 / 16 + 370,000) x 1000 / 1500) = nearest(9,613,333.3)
    EXPECT_EQ(League.Universe.nStat[LEAGUE_PER_GAME_AMOUNT], 9613333);
    EXPECT_EQ(League.SeasonBookkeeping[0], 4);                                       // 5
    EXPECT_EQ(League.SeasonBookkeeping[FANTASY_DRAFT_STATE_SIZE - 1], 1);
    EXPECT_EQ(Get_User_Preference(PREF_MINUTES_PER_PERIOD), 10);                     // 7
    const int nColumns[][2] = {{240, 9}, {241, 0}, {250, 96}, {251, -1}, {259, -1}, {286, 97}};   // 8
    for (const auto& c : nColumns)   // 286: the draft pool's CSS column
        EXPECT_EQ(Get_User_Preference(c[0]), c[1]) << c[0];
    EXPECT_EQ(Player_Of(102).bStat[2], POSITION_FB);                                 // 9
    EXPECT_EQ(Read_File("Photos/Downloads/AB12.jpg"), (BYTES{'j', 'p', 'g'}));       // 10
    EXPECT_FALSE(std::filesystem::exists("Photos/x.jpg"));
    EXPECT_EQ(Read_File("Logos/Downloads/ALB-2019.png"), (BYTES{'b', 'e', 'a', 'r'}));
    EXPECT_EQ(Get_User_Preference(PREF_KICKOFF_SPOT_RULE), 1);                          // 11
    EXPECT_STREQ(League.szLeagueName[0], "AFC");                                     // 12
    EXPECT_EQ(Player_Of(103).nVital[VITAL_CONTRACT_LENGTH], 4);                      // 14
    EXPECT_EQ(Player_Of(104).nVital[VITAL_BIRTH_DATE], 19970315);                    // 15
    EXPECT_GT(Player_Of(105).nVital[VITAL_WEIGHT], 0);                               // 16
    EXPECT_EQ(Get_Universe_Word(CLICK_TO_CONTINUE_WORD), 1);   // the common tail of files this old
}

// ---------------------------------------------------------------------------
// Rookie contracts, which the fix-ups hand out

TEST_F(OldFilesTest, RookieContractsAndTheirRefusals)
{
    Build_League();
    // 2 teams: round 0 pick 0 is 6675 x 224.8 / 55 = 27,283; past the rounds, nothing.
    EXPECT_EQ(Get_Draft_Slot_Bonus(0, 0), 27283);
    EXPECT_EQ(Get_Draft_Slot_Bonus(7, 0), 0);
    PLAYER& Rookie = Player_Of(103);
    Rookie.nVital[VITAL_DRAFTED_BY] = 22022;
    Rookie.nVital[VITAL_DRAFT_PICK] = 101000;       // round 1, pick 1
    EXPECT_EQ(Update_Rookie_Contract(0, 3, 1), 1);
    EXPECT_EQ(Rookie.nVital[VITAL_SIGNING_BONUS], 27283 - 5456);   // four fifths, the fifth truncated
    const LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Update_Rookie_Contract(41, 0, 1), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Update_Rookie_Contract([41],0,1)"));
    EXPECT_EQ(Update_Rookie_Contract(0, 100, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Update_Rookie_Contract(0,[100],0)"));
    EXPECT_TRUE(Before.Unchanged());
}
