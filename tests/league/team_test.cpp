// The team record: argument checks of every accessor, the per-field ranges,
// the roster finders, and the whole-record operations (erase, swap, compact,
// free-agent moves) keeping every team reference right.

#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

int g_nNextPlayerID = 1000;

void Use_Franchise(int nTeam, const char* szCity, int nController = CONTROLLER_COMPUTER)
{
    League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] = nController;
    std::strcpy(League.Team[nTeam].szString[TEAM_STRING_CITY], szCity);
}

// Puts a new player of a position into the slot, every rating at fRating;
// returns his ID.
int Add_Player(int nTeam, int nSlot, int nPosition, float fRating = 70.0f, int nInjuryWeeks = 0)
{
    PLAYER& Player = Put_Player(nTeam, nSlot, ++g_nNextPlayerID, nPosition, fRating);
    Player.nVital[VITAL_INJURY_WEEKS] = nInjuryWeeks;
    return Player.nVital[VITAL_PLAYER_ID];
}

void Fill_Roster(int nTeam, int nCount, int nPosition = POSITION_LB, float fRating = 70.0f)
{
    for (int s = 0; s < nCount; ++s)
        Add_Player(nTeam, s, nPosition, fRating);
}

int Roster_Size(int nTeam)
{
    int n = 0;
    while (n < PLAYERS_PER_TEAM && League.Team[nTeam].Player[n].nVital[VITAL_PLAYER_ID] != 0)
        ++n;
    return n;
}

std::set<int> Roster_IDs(int nTeam)
{
    std::set<int> IDs;
    for (const PLAYER& Player : League.Team[nTeam].Player)
        if (Player.nVital[VITAL_PLAYER_ID] != 0)
            IDs.insert(Player.nVital[VITAL_PLAYER_ID]);
    return IDs;
}

// The players a test put in the pool (the pool's top-up adds new ones).
int Own_Pool_Players(const std::set<int>& Own)
{
    int n = 0;
    for (int nID : Roster_IDs(FREE_AGENT_TEAM))
        n += Own.count(nID) != 0 ? 1 : 0;
    return n;
}

// Every position the pool keeps at least its target of.
bool Pool_Meets_Its_Targets()
{
    constexpr int TARGET[NUMBER_OF_POSITIONS] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
        if (Count_Position_Players(FREE_AGENT_TEAM, p) < TARGET[p])
            return false;
    return true;
}

std::string Team_String(int nTeam, int nString)
{
    char szText[TEAM_STRING_SIZE];
    Get_Team_String(szText, nTeam, nString);
    return szText;
}

// A league with every franchise slot free; tests take the slots they use.
class TeamTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(0);
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// Strings

TEST_F(TeamTest, SetTeamStringIsBoundedAndZeroFilled)
{
    const char* szLong = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";   // 36 characters
    Set_Team_String(szLong, 4, TEAM_STRING_NICKNAME);
    EXPECT_EQ(Team_String(4, 2), std::string(szLong, 31));
    EXPECT_EQ(League.Team[4].szString[3][0], '\0');   // the next field is untouched

    // A shorter text leaves no old bytes behind the terminator.
    Set_Team_String("Ox", 4, TEAM_STRING_NICKNAME);
    for (int i = 2; i < TEAM_STRING_SIZE; ++i)
        EXPECT_EQ(League.Team[4].szString[2][i], '\0') << i;
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Stats

TEST_F(TeamTest, YearlyRecordRangesPerField)
{
    Use_Franchise(5, "Five");
    Set_Team_Yearly_Char(5, 99, 28, 127);
    EXPECT_EQ(Get_Team_Yearly_Char(5, 99, 28), 127);
    Set_Team_Yearly_Int(5, 3, 3, -70000);
    EXPECT_EQ(Get_Team_Yearly_Int(5, 3, 3), -70000);
    League.Preferences.nInt[PREF_SEASON_INDEX] = 12;
    Set_Team_Record_Char(5, YEARLY_WINS, 9);
    Set_Team_Record_Int(5, YEARLY_INT_FINISH, 8);
    EXPECT_EQ(League.Team[5].bYearly[12][0], 9);
    EXPECT_EQ(League.Team[5].nYearly[12][3], 8);
    League.Team[6].bYearly[0][0] = 4;   // a slot not in use reads 0
    EXPECT_EQ(Get_Team_Yearly_Char(6, 0, 0), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

// Each setter and reader refuses a bad index, a bad value or a slot out of
// its range: one report (with its message where given), its marker
// returned, nothing written.
TEST_F(TeamTest, AccessorsRefuseBadIndexesWithoutWriting)
{
    Use_Franchise(0, "Zero");
    Use_Franchise(2, "Two");
    Use_Franchise(5, "Five");
    Add_Player(2, 0, POSITION_CB);
    const REFUSAL_CASE CASES[] = {
        {[] { char sz[TEAM_STRING_SIZE]; Get_Team_String(sz, 41, 0); return std::strcmp(sz, "OUTOFRANGE"); }, 0,
         "nTeam >= TOTAL_NUMBER_OF_TEAMS in Get_Team_String(st, [41], 0)"},
        {[] { char sz[TEAM_STRING_SIZE]; Get_Team_String(sz, 3, 8); return static_cast<int>(sz[0]); }, 0,
         "nString out of bounds in Get_Team_String(st, 3, [8])"},
        {[] { Set_Team_String("x", 41, 1); return 0; }, 0, "nTeam out of bounds in Set_Team_String()"},
        {[] { Set_Team_String("x", 4, 8); return 0; }, 0, nullptr},
        {[] { Set_Team_String(nullptr, 4, 1); return 0; }, 0, nullptr},
        {[] { Set_Team_Stat(41, 2, 1); return 0; }, 0, "nTeam out of bounds in Set_Team_Stat(<41>,2,1)"},
        {[] { Set_Team_Stat(3, 60, 1); return 0; }, 0, nullptr},
        {[] { return Get_Team_Stat(3, 60); }, 0, "nStat out of bounds in Get_Team_Stat(3,[60])"},
        {[] { Set_Team_Stadium_Stat(37, 0, 1); return 0; }, 0, "nTeam out of bounds in Set_Team_Stadium_Stat(37,0,1)"},
        {[] { Set_Team_Stadium_Stat(2, 20, 1); return 0; }, 0, nullptr},
        {[] { return Get_Team_Stadium_Stat(41, 0); }, 0, "nTeam out of bounds in Get_Team_Stadium_Stat(41,0)"},
        {[] { Set_Team_Yearly_Char(36, 0, 0, 1); return 0; }, 0, "nTeam out of bounds in Set_Team_Yearly_Char()"},
        {[] { Set_Team_Yearly_Char(5, 0, 32, 1); return 0; }, 0, nullptr},
        {[] { Set_Team_Yearly_Char(5, 100, 0, 1); return 0; }, 0, nullptr},
        {[] { Set_Team_Yearly_Char(5, 0, 0, 128); return 0; }, 0, "cValue out of bounds in Set_Team_Yearly_Char()"},
        {[] { Set_Team_Record_Char(36, 0, 1); return 0; }, 0, "nTeam out of bounds in Set_Team_Record_Char()"},
        {[] { Set_Team_Yearly_Int(36, 0, 0, 1); return 0; }, 0, "nTeam out of bounds in Set_Team_Yearly_Int()"},
        {[] { Set_Team_Yearly_Int(5, 0, 4, 1); return 0; }, 0, nullptr},
        {[] { Set_Team_Yearly_Int(5, -1, 0, 1); return 0; }, 0, nullptr},
        {[] { Set_Team_Record_Int(NO_TEAM, 0, 1); return 0; }, 0, "nTeam out of bounds in Set_Team_Record_Int()"},
        {[] { Set_Team_Returner(41, 0, 1); return 0; }, 0, "nTeam out of bounds in Set_Team_Returner(41,0,1)"},
        {[] { Set_Team_Returner(2, 2, 1); return 0; }, 0, nullptr},
        {[] { Set_Team_Returner(2, 0, 100); return 0; }, 0, nullptr},
        {[] { return Get_Team_Returner(41, 0); }, 0, "nTeam out of bounds in Get_Team_Returner(41,0)"},
        {[] { return Count_Team_Position_Players(0, 43); }, 0,
         "nPosition out of bounds in Count_Team_Position_Players(0,[43])"},
        {[] { return Count_Team_Side_Players(0, 3); }, 0, nullptr},
        {[] { return Find_Team_Position_Player(0, -1, 0); }, -1, nullptr},
        {[] { return Get_Team_Uninjured_Position_Player(41, POSITION_K, 0); }, -1,
         "nTeam out of bounds in Get_Team_Uninjured_Position_Player([41],13)"},
        {[] { return Find_Free_Agent_Slot(2, 5); }, -1, nullptr},   // an empty slot
        {[] { return Find_Free_Agent_Slot(41, 0); }, -1, nullptr},
        {[] { return Get_Or_Create_Team_Side_Player(6, SIDE_OFFENSE); }, -1, nullptr},   // not in use
        {[] { return Get_Or_Create_Team_Side_Player(2, 3); }, -1, nullptr},
        {[] { Swap_Teams(3, 36); return 0; }, 0, "nTeam out of bounds in Swap_Teams(3,36)"},
        {[]() -> int { return Erase_Team(1, 0); }, 0, "Invalid nTeam passed to Erase_Team()."},
        {[]() -> int { return Erase_Team(36, 0); }, 0, nullptr},
        {[] { Clear_Team(41); return 0; }, 0, nullptr},
        {[]() -> int { std::vector<unsigned char> Buffer(TEAM_RECORD_SIZE); return Backup_Team_Structure(Buffer.data(), 37); }, 0,
         "nTeam too large in Backup_Team_Structure()"},
    };
    Expect_Refusals(CASES);
}

// ---------------------------------------------------------------------------
// Returners

TEST_F(TeamTest, ReturnersKeepBacksAndReplaceOthers)
{
    Use_Franchise(2, "Two");
    Add_Player(2, 0, POSITION_QB);
    Add_Player(2, 1, POSITION_T);
    Add_Player(2, 2, POSITION_CB);
    Add_Player(2, 3, POSITION_WR);
    // Kind 0 points at slot 0, a quarterback: the first back takes over.
    EXPECT_EQ(Get_Team_Returner(2, RETURNER_KICKOFF), 2);

    // A returner byte left on an empty slot whose stale bytes still say
    // "receiver" is replaced, not handed to the engine.
    PLAYER& Stale = League.Team[2].Player[7];
    Stale.nVital[VITAL_POSITION] = POSITION_WR;
    League.Team[2].bReturner[RETURNER_PUNT] = 7;
    EXPECT_EQ(Get_Team_Returner(2, RETURNER_PUNT), 2);
    EXPECT_EQ(League.Team[2].bReturner[RETURNER_PUNT], 2);
}

TEST_F(TeamTest, ReturnerBytesPastTheRosterAreReplacedWithoutReadingThere)
{
    Use_Franchise(2, "Two");
    Add_Player(2, 0, POSITION_QB);
    Add_Player(2, 1, POSITION_WR);
    // The words after the roster hold a played season's totals; a reader that
    // took slot 100-102 for a player would find an ID and a receiver's code
    // there.
    for (int32_t& nTotal : std::span(&League.Team[2].nTotals[0][0][0], sizeof(League.Team[2].nTotals) / 4))
        nTotal = POSITION_WR;
    for (int nKind : {RETURNER_KICKOFF, RETURNER_PUNT}) {
        for (int nByte = PLAYERS_PER_TEAM; nByte <= 255; ++nByte) {
            League.Team[2].bReturner[nKind] = static_cast<uint8_t>(nByte);
            ASSERT_EQ(Get_Team_Returner(2, nKind), 1) << nKind << " " << nByte;
            ASSERT_EQ(League.Team[2].bReturner[nKind], 1) << nKind << " " << nByte;
        }
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Roster finders

TEST_F(TeamTest, PositionCountsUseGroupCodesAndExpandedPositions)
{
    Use_Franchise(0, "Zero");
    Use_Franchise(1, "One");
    const int nPositions[] = {POSITION_QB, POSITION_RB, POSITION_WR, POSITION_T, POSITION_G,
                              POSITION_DE, POSITION_LB, POSITION_CB, POSITION_K, POSITION_WR};
    for (int s = 0; s < 10; ++s)
        Add_Player(0, s, nPositions[s]);
    Add_Player(1, 0, POSITION_WR);
    Add_Player(1, 1, POSITION_S);

    EXPECT_EQ(Count_Team_Position_Players(0, POSITION_GROUP_DEFENDER), 3);
    EXPECT_EQ(Count_Team_Position_Players(0, POSITION_GROUP_OFFENSIVE_LINE), 2);
    EXPECT_EQ(Count_Team_Position_Players(0, 15), 2);   // "#1 Receiver" is a receiver
    EXPECT_EQ(Count_Team_Side_Players(0, SIDE_OFFENSE), 6);
    EXPECT_EQ(Find_Team_Position_Player(0, POSITION_WR, 2), -1);
    EXPECT_EQ(Find_Team_Position_Player(0, POSITION_GROUP_DEFENDER, 2), 7);
    EXPECT_EQ(Find_Last_Team_Side_Player(0, SIDE_OFFENSE), 9);
    EXPECT_EQ(Count_Position_Players(ALL_TEAMS, POSITION_GROUP_DEFENDER), 4);
    EXPECT_EQ(Errors_Reported(), 0);

    int nTeam = 0, nSlot = 0;
    EXPECT_EQ(Get_N_Universe_Player(11, &nTeam, &nSlot), 1);
    EXPECT_EQ(nTeam * 100 + nSlot, 101);
    EXPECT_EQ(Get_N_Universe_Player(12, &nTeam, &nSlot), 0);
    EXPECT_TRUE(Last_Error_Contains("NO_PLAYER returned in Get_N_Universe_Player(12)"));
    EXPECT_EQ(nTeam, NO_TEAM);
    EXPECT_EQ(Errors_Reported(), 1);
}

TEST_F(TeamTest, AvailablePlayersByInjuryLimitOfTheWeek)
{
    Use_Franchise(3, "Three");
    const int nWeeksOut[] = {0, 1, 5, 18, 19, 40};
    for (int s = 0; s < 6; ++s)
        Add_Player(3, s, POSITION_RB, 70.0f, nWeeksOut[s]);
    Set_Regular_Season_Weeks(17);

    League.Preferences.nInt[PREF_CURRENT_WEEK] = 3;     // in season: only the healthy
    EXPECT_EQ(Count_Team_Available_Position_Players(3, POSITION_RB), 1);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 100;   // off-season: below 19 weeks
    EXPECT_EQ(Count_Team_Available_Position_Players(3, POSITION_RB), 4);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 23;    // season over: below 52 - 23 = 29
    League.StandingsArea.PlayoffTeam[28] = 3;           // the last slot filled
    League.StandingsArea.PlayoffTeam[30] = 3;
    EXPECT_EQ(Count_Team_Available_Position_Players(3, POSITION_RB), 5);

    EXPECT_EQ(Get_Team_Uninjured_Position_Player(3, POSITION_RB, 0), 0);
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(3, POSITION_RB, 1), -1);
    EXPECT_EQ(Errors_Reported(), 0);   // running out is logged, not reported
}

TEST_F(TeamTest, GetOrCreateSidePlayerMakesAMissingKicker)
{
    Use_Franchise(4, "Four");
    Add_Player(4, 0, POSITION_QB);
    Add_Player(4, 1, POSITION_DE);
    EXPECT_EQ(Get_Or_Create_Team_Side_Player(4, SIDE_DEFENSE), 1);   // the one there
    EXPECT_EQ(Get_Or_Create_Team_Side_Player(4, SIDE_KICKERS), 2);
    int nPosition = League.Team[4].Player[2].nVital[VITAL_POSITION];
    EXPECT_TRUE(nPosition == POSITION_K || nPosition == POSITION_P) << nPosition;
    EXPECT_EQ(Roster_Size(4), 3);

    // A full roster has no room: the marker, nothing written.
    Use_Franchise(5, "Five");
    Fill_Roster(5, 100, POSITION_LB);
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Get_Or_Create_Team_Side_Player(5, SIDE_OFFENSE), 100);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Free-agent moves

TEST_F(TeamTest, FreeAgentMoveKeepsBothRostersCompact)
{
    Use_Franchise(0, "Zero");
    int nA = Add_Player(0, 0, POSITION_QB, 60.0f);
    int nB = Add_Player(0, 1, POSITION_RB, 80.0f);
    int nC = Add_Player(0, 2, POSITION_WR, 60.0f);
    Add_Player(36, 0, POSITION_QB, 90.0f);
    Add_Player(36, 1, POSITION_QB, 50.0f);

    std::set<int> Own = Roster_IDs(36);
    Own.insert(nB);
    int nNew = Find_Free_Agent_Slot(0, 1);
    ASSERT_GE(nNew, 0);
    EXPECT_EQ(League.Team[36].Player[nNew].nVital[VITAL_PLAYER_ID], nB);
    EXPECT_EQ(Own_Pool_Players(Own), 3);
    EXPECT_EQ(Roster_Size(36), static_cast<int>(Roster_IDs(36).size()));   // no gap
    EXPECT_TRUE(Pool_Meets_Its_Targets());
    EXPECT_EQ(Roster_Size(0), 2);
    EXPECT_EQ(League.Team[0].Player[0].nVital[VITAL_PLAYER_ID], nA);
    EXPECT_EQ(League.Team[0].Player[1].nVital[VITAL_PLAYER_ID], nC);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamTest, FullPoolReleasesOnlyItsWeakestPlayer)
{
    Use_Franchise(0, "Zero");
    int nMoved = Add_Player(0, 0, POSITION_LB, 75.0f);
    Fill_Roster(36, 100, POSITION_LB, 70.0f);
    int nWeakest = Add_Player(36, 99, POSITION_LB, 30.0f);
    std::set<int> Expected = Roster_IDs(36);
    Expected.erase(nWeakest);
    Expected.insert(nMoved);

    int nNew = Find_Free_Agent_Slot(0, 0);
    ASSERT_GE(nNew, 0);
    EXPECT_EQ(League.Team[36].Player[nNew].nVital[VITAL_PLAYER_ID], nMoved);
    EXPECT_EQ(Roster_Size(0), 0);
    // The weakest made room for him; the top-up of the other positions then
    // let more of the 70-rated linebackers go, never him.
    const std::set<int> After = Roster_IDs(36);
    EXPECT_EQ(After.count(nWeakest), 0u);
    EXPECT_EQ(After.count(nMoved), 1u);
    for (int nID : After)
        EXPECT_TRUE(Expected.count(nID) != 0 || nID > 1200) << nID;   // kept, or made by the top-up
    EXPECT_LE(Roster_Size(36), PLAYERS_PER_TEAM);
    EXPECT_TRUE(Pool_Meets_Its_Targets());
}

// ---------------------------------------------------------------------------
// Erasing, swapping, compacting

TEST_F(TeamTest, EraseTeamAsksWhenThePoolLacksRoom)
{
    Use_Franchise(0, "Zero");
    Use_Franchise(1, "One");
    Fill_Roster(0, 45, POSITION_LB, 70.0f);
    Fill_Roster(36, 80, POSITION_LB, 72.0f);
    LEAGUE_SNAPSHOT Before;
    ui::Queue_Answer(ID_CANCEL);
    EXPECT_EQ(Erase_Team(0, 0), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Not Enough Room");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "There is not enough room for 45 players on the Free Agent list. "
              "The least valuable 25 players will be eliminated.");
    EXPECT_TRUE(Before.Unchanged());

    ui::Queue_Answer(ID_OK);
    EXPECT_EQ(Erase_Team(0, 0), 1);
    EXPECT_GE(Roster_Size(36), 97);   // full, less the room the top-up makes
    EXPECT_TRUE(Pool_Meets_Its_Targets());
    EXPECT_EQ(Team_String(0, 1), "One");   // the former team 1 moved down
}

TEST_F(TeamTest, EraseTeamMovesPlayersAndCompactsSlots)
{
    Use_Franchise(0, "Zero", CONTROLLER_USER);
    Use_Franchise(1, "One");
    Use_Franchise(2, "Two");
    Fill_Roster(1, 5, POSITION_G);
    Add_Player(36, 0, POSITION_QB);
    League.Team[0].nSchedule[0][0] = 3;    // at home to team 2
    League.Team[2].nSchedule[0][0] = -1;
    League.Preferences.nInt[PREF_CURRENT_TEAM] = 0;

    std::set<int> Own = Roster_IDs(1);
    Own.insert(*Roster_IDs(36).begin());
    EXPECT_EQ(Erase_Team(1, 0), 1);
    EXPECT_EQ(Own_Pool_Players(Own), 6);
    EXPECT_EQ(Team_String(1, 1), "Two");
    EXPECT_EQ(League.Team[0].nSchedule[0][0], 2);   // team 2 is team 1 now
    EXPECT_EQ(League.Team[1].nSchedule[0][0], -1);
}

TEST_F(TeamTest, ErasingTheUsersFirstTeamLeavesAValidTeam)
{
    Use_Franchise(0, "Zero", CONTROLLER_USER);
    Use_Franchise(1, "One", CONTROLLER_USER);
    League.Preferences.nInt[PREF_CURRENT_TEAM] = 0;
    League.Preferences.nInt[PREF_SELECTED_TEAM] = 0;
    EXPECT_EQ(Erase_Team(0, 1), 1);
    EXPECT_EQ(League.Preferences.nInt[PREF_CURRENT_TEAM], 0);
    EXPECT_EQ(Team_String(0, 1), "One");

    // The last franchise gone: still a team number, never -1.
    EXPECT_EQ(Erase_Team(0, 1), 1);
    EXPECT_EQ(Count_Teams(), 0);
    EXPECT_GE(League.Preferences.nInt[PREF_CURRENT_TEAM], 0);
}

TEST_F(TeamTest, SwapTeamsRemapsEveryTeamReference)
{
    for (int t = 0; t < 6; ++t)
        Use_Franchise(t, t == 2 ? "Two" : t == 5 ? "Five" : "Other");
    League.Team[2].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    int nPlayerOfTwo = Add_Player(2, 0, POSITION_QB);

    // Schedule entries {team, week, entry}: opponent + 1, negative away.
    // Team 0 away at 2, 2 at home to 0; 1 at home to 5; 4's game is unrelated.
    const int nSchedule[5][3] = {{0, 3, -3}, {2, 3, 1}, {1, 4, 6}, {5, 4, -2}, {4, 5, 5}};
    for (const auto& E : nSchedule)
        League.Team[E[0]].nSchedule[E[1]][0] = E[2];
    // Season lines 10-13: teams 5, 2, a college line, a free line (year 0).
    const int nLineYear[4] = {2019, 2019, 2019, 0}, nLineTeam[4] = {5, 2, NO_TEAM, 2};
    for (int i = 0; i < 4; ++i) {
        League.SeasonLines[10 + i][0] = nLineYear[i];
        League.SeasonLines[10 + i][2] = nLineTeam[i];
    }

    PLAYER& Drafted = League.Team[1].Player[0];
    Add_Player(1, 0, POSITION_WR);
    Drafted.nVital[VITAL_DRAFTED_BY] = (5 + 1) * 10000 + 2015;
    Drafted.bStatHigh[0] = 2;
    PLAYER& Other = League.Team[37].Player[0];
    Add_Player(37, 0, POSITION_WR);
    Other.nVital[VITAL_DRAFTED_BY] = (2 + 1) * 10000 + 1990;
    Other.bStatHigh[0] = NO_TEAM;

    League.Draft.DraftPickOwner[0][0][2] = 2;   // team 2 owns its own pick
    League.Draft.DraftPickOwner[0][0][5] = 1;   // team 1 owns team 5's pick
    League.Draft.DraftPickOwner[1][3][0] = 5;   // team 5 owns team 0's pick
    League.Draft.DraftOrder[0] = 5;
    League.Draft.DraftOrder[1] = 2;
    League.Draft.DraftOrder[2] = 4;

    // Preferences {slot, before, after}; the selected team follows the user's.
    const int nPrefs[4][3] = {{PREF_CURRENT_TEAM, 2, 5}, {PREF_CARD_TEAM, 5, 2}, {PREF_TRADE_PARTNER, 2, 5},
                              {PREF_SELECTED_TEAM, 0, 5}};
    for (const auto& P : nPrefs)
        League.Preferences.nInt[P[0]] = P[1];

    Swap_Teams(2, 5);
    EXPECT_EQ(Errors_Reported(), 0);

    EXPECT_EQ(Team_String(5, 1), "Two");
    EXPECT_EQ(Team_String(2, 1), "Five");
    EXPECT_EQ(League.Team[5].Player[0].nVital[VITAL_PLAYER_ID], nPlayerOfTwo);
    const int nScheduleAfter[5][3] = {{0, 3, -6}, {5, 3, 1}, {1, 4, 3}, {2, 4, -2}, {4, 5, 5}};
    for (const auto& E : nScheduleAfter)
        EXPECT_EQ(League.Team[E[0]].nSchedule[E[1]][0], E[2]) << E[0] << " " << E[1];
    const int nLineAfter[4] = {2, 5, NO_TEAM, 2};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(League.SeasonLines[10 + i][2], nLineAfter[i]) << i;

    EXPECT_EQ(League.Team[1].Player[0].nVital[VITAL_DRAFTED_BY], 32015);
    EXPECT_EQ(League.Team[1].Player[0].bStatHigh[0], 5);
    EXPECT_EQ(League.Team[37].Player[0].nVital[VITAL_DRAFTED_BY], 61990);
    EXPECT_EQ(League.Team[37].Player[0].bStatHigh[0], NO_TEAM);

    EXPECT_EQ(League.Draft.DraftPickOwner[0][0][5], 5);   // still owns its own pick
    EXPECT_EQ(League.Draft.DraftPickOwner[0][0][2], 1);   // team 1 still owns the old 5's pick
    EXPECT_EQ(League.Draft.DraftPickOwner[1][3][0], 2);
    EXPECT_EQ(League.Draft.DraftOrder[0] * 100 + League.Draft.DraftOrder[1] * 10 + League.Draft.DraftOrder[2], 254);

    for (const auto& P : nPrefs)
        EXPECT_EQ(League.Preferences.nInt[P[0]], P[2]) << P[0];

    // Swapping back restores the block exactly, except the selected team.
    League.Preferences.nInt[PREF_SELECTED_TEAM] = 0;
    LEAGUE_SNAPSHOT Swapped;
    Swap_Teams(5, 2);
    Swap_Teams(2, 5);
    EXPECT_EQ(League.Preferences.nInt[PREF_SELECTED_TEAM], 5);
    League.Preferences.nInt[PREF_SELECTED_TEAM] = 0;
    EXPECT_TRUE(Swapped.Unchanged());
}

// The exchanges made in one pass leave the block exactly as the same
// exchanges made one by one: the user's team taking part (and returning to
// its own slot), every kind of team reference, and franchise numbers past
// the league's teams.
TEST_F(TeamTest, SwapTeamsInTurnEqualsSwapTeamsOneByOne)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        Use_Franchise(t, "City");
    League.Team[1].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    for (int t = 0; t < 8; ++t) {
        std::snprintf(League.Team[t].szString[TEAM_STRING_CITY], TEAM_STRING_SIZE, "City %d", t);
        Add_Player(t, 0, POSITION_QB);
        PLAYER& Player = League.Team[t].Player[0];
        Player.nVital[VITAL_DRAFTED_BY] = ((t + 3) % 8 + 1) * 10000 + 2010 + t;
        Player.bStatHigh[0] = static_cast<uint8_t>((t + 5) % 8);
        for (int w = 0; w < 4; ++w)
            League.Team[t].nSchedule[w][0] = (w % 2 == 0 ? 1 : -1) * ((t + w + 1) % 8 + 1);
        League.SeasonLines[20 + t][0] = 2019;
        League.SeasonLines[20 + t][2] = 0x1200 | ((t + 2) % 8);
        League.Draft.DraftPickOwner[0][1][t] = static_cast<uint8_t>((t + 1) % 8);
        League.Draft.DraftOrder[t] = static_cast<uint8_t>(7 - t);
        League.Game[t].nAwayTeam = static_cast<uint8_t>(t);
        League.Game[t].nHomeTeam = static_cast<uint8_t>((t + 4) % 8);
        League.Game[t].nOffense = static_cast<uint8_t>((t + 6) % 8);
        League.StandingsArea.PlayoffTeam[t] = static_cast<uint8_t>((t + 3) % 8);
        League.StandingsArea.DivisionRow[0][t] = static_cast<uint8_t>((7 * t) % 8);
    }
    League.Team[9].nSchedule[0][0] = -MAX_FRANCHISES;
    League.Team[9].nSchedule[1][0] = MAX_FRANCHISES + 1;
    League.StandingsArea.PlayoffTeam[9] = NO_TEAM;
    League.Preferences.nInt[PREF_CURRENT_TEAM] = 1;
    League.Preferences.nInt[PREF_CARD_TEAM] = 4;
    League.Preferences.nInt[PREF_TRADE_PARTNER] = 6;
    League.Preferences.nInt[PREF_SELECTED_TEAM] = 3;

    // Team 1 goes to slot 0 and comes back; 2, 3 and 4 rotate; 35 and 6 trade.
    const TEAM_PAIR Pairs[] = {{0, 1}, {2, 3}, {3, 4}, {1, 0}, {35, 6}, {5, 5}};
    LEAGUE_SNAPSHOT Before;
    for (const TEAM_PAIR& Pair : Pairs)
        Swap_Teams(Pair.nTeamA, Pair.nTeamB);
    LEAGUE_SNAPSHOT OneByOne;
    EXPECT_EQ(League.Preferences.nInt[PREF_SELECTED_TEAM], 1);

    std::memcpy(&League, Before.Bytes.data(), sizeof(League));
    Swap_Teams_In_Turn(Pairs, static_cast<int>(std::size(Pairs)));
    EXPECT_TRUE(OneByOne.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);
}
