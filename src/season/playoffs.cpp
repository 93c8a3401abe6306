#include "season/playoffs.h"

#include <climits>
#include <cstdint>

#include "base/int_math.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"

namespace {

constexpr int SECOND_ROUND_FIRST_SLOT = 16;
constexpr int THIRD_ROUND_FIRST_SLOT = 24;
constexpr int LEAGUE_0_CHAMPION_SLOT = 28;
constexpr int LEADER_BONUS = 10000000;
constexpr int PLAYOFF_ROUNDS = 4;
constexpr int MAX_SEEDS = 8;
// Each round's first slot and its pairs.
constexpr int ROUND_FIRST_SLOT[PLAYOFF_ROUNDS] = {0, 16, 24, 28};
constexpr int ROUND_GAMES[PLAYOFF_ROUNDS] = {8, 4, 2, 1};

bool Is_Slot(int nSlot)
{
    return In_Range(nSlot, 0, PLAYOFF_SLOTS - 1);
}

int Team_In(int nSlot)
{
    return Get_Playoff_Team(nSlot);
}

bool Holds_Team(int nSlot)
{
    return Team_In(nSlot) != NO_TEAM;
}

// A slot that holds a team or will: a later-round slot whose feeding pair
// holds two teams (or will) gets the winner of their game.
bool Will_Hold_Team(int nSlot)
{
    if (Holds_Team(nSlot))
        return true;
    if (nSlot < SECOND_ROUND_FIRST_SLOT || nSlot >= PLAYOFF_CHAMPION_SLOT)
        return false;
    const int nFeed = 2 * nSlot - 32;
    return Will_Hold_Team(nFeed) && Will_Hold_Team(nFeed + 1);
}

bool Is_Rule_On(int nWord)
{
    return Get_Universe_Word(nWord) != 0;
}

// The playoff round due today: 0-3 from the first playoff day P2 on.
int Current_Round()
{
    return Get_Current_Week() - Get_Playoff_Start_Day();
}

// Playoff teams of a league: its divisions holding a team plus the wild
// cards, at most 8.
int League_Playoff_Teams(int nLeague)
{
    int nWildCards = Get_Universe_Stat(WILD_CARD_TEAMS);
    if (nWildCards < 0)
        nWildCards = 0;
    int n = Count_League_Divisions(nLeague) + nWildCards;
    return n < MAX_SEEDS ? n : MAX_SEEDS;
}

// The last slot of the season: the final's winner (30) with two leagues and
// the inter-league final on, else league 0's champion (28).
int Last_Slot_Of_Season()
{
    if (Is_Rule_On(INTER_LEAGUE_FINAL_WORD) && Count_Leagues() >= 2)
        return PLAYOFF_CHAMPION_SLOT;
    return LEAGUE_0_CHAMPION_SLOT;
}

// Adds bits to a club's yearly byte n of the season being played.
void Add_Yearly_Bits(int nTeam, int n, int nBits)
{
    const int nSeason = Get_Current_Season_Index();
    Set_Team_Yearly_Char(nTeam, nSeason, n, Get_Team_Yearly_Char(nTeam, nSeason, n) | nBits);
}

// The season's finals in its clubs' yearly records, so that its pages tell
// them as played whatever happens to the bracket and the clubs later: the
// game that filled bracket slot nNext (28 and 29 the leagues' finals, 30 the
// final between them), and when it decided the season's title, the title on
// every club of the season.
void Record_Finals(int nNext, int nWinner, int nLoser)
{
    static constexpr int WON[3] = {FINALS_WON_LEAGUE_0, FINALS_WON_LEAGUE_1, FINALS_WON_FINAL};
    static constexpr int LOST[3] = {FINALS_LOST_LEAGUE_0, FINALS_LOST_LEAGUE_1, FINALS_LOST_FINAL};
    if (nNext < LEAGUE_0_CHAMPION_SLOT || nNext > PLAYOFF_CHAMPION_SLOT)
        return;
    Add_Yearly_Bits(nWinner, YEARLY_FINALS, WON[nNext - LEAGUE_0_CHAMPION_SLOT]);
    Add_Yearly_Bits(nLoser, YEARLY_FINALS, LOST[nNext - LEAGUE_0_CHAMPION_SLOT]);
    if (nNext != Last_Slot_Of_Season())
        return;
    const int nSeasonBits = TITLE_DECIDED | (nNext == PLAYOFF_CHAMPION_SLOT ? TITLE_BY_FINAL : 0);
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t)
        Add_Yearly_Bits(t, YEARLY_TITLE, nSeasonBits);
    Add_Yearly_Bits(nWinner, YEARLY_TITLE, nSeasonBits | TITLE_WON);
    Add_Yearly_Bits(nLoser, YEARLY_TITLE, nSeasonBits | TITLE_LOST);
}

bool Same_Division(int nSlotA, int nSlotB)
{
    const int a = Team_In(nSlotA);
    const int b = Team_In(nSlotB);
    if (a == NO_TEAM || b == NO_TEAM)
        return false;
    const int nDivision = Get_Team_Division(a);
    return In_Range(nDivision, 0, NUMBER_OF_DIVISIONS - 1) && nDivision == Get_Team_Division(b);
}

// The rematch swap of slot nSlot (16 or 20) with nSlot + 2, the rivals being
// in the pair that starts at nRivals: made only when the other pair holds
// two teams or will, so that no team is moved next to a slot that stays
// empty.
void Swap_If_Both_Pairs_Play(int nSlot, int nRivals)
{
    const int nOther = nRivals == nSlot ? nSlot + 2 : nSlot;
    if (Will_Hold_Team(nOther) && Will_Hold_Team(nOther + 1))
        Swap_Playoff_Slots(nSlot, nSlot + 2);
}

// Seed slots by number of teams a league (1-8), league 0 then league 1. With
// three teams the first seed waits in the third round and the other two play
// for the place beside him.
constexpr int SEED_SLOT[MAX_SEEDS][NUMBER_OF_LEAGUES][MAX_SEEDS] = {
    {{28}, {29}},
    {{24, 25}, {26, 27}},
    {{24, 18, 19}, {26, 22, 23}},
    {{17, 19, 18, 16}, {21, 23, 22, 20}},
    {{17, 19, 18, 1, 0}, {21, 23, 22, 9, 8}},
    {{17, 19, 5, 1, 0, 4}, {21, 23, 13, 9, 8, 12}},
    {{19, 3, 5, 1, 0, 4, 2}, {23, 11, 13, 9, 8, 12, 10}},
    {{7, 3, 5, 1, 0, 4, 2, 6}, {15, 11, 13, 9, 8, 12, 10, 14}},
};

}  // namespace

int Get_Playoff_Start_Day()
{
    const int P = Get_First_Playoff_Week();
    return P > 2 ? P : 2;
}

int Get_League_Playoff_Seeds(int nLeague)
{
    if (!In_Range(nLeague, 0, NUMBER_OF_LEAGUES - 1) || nLeague >= Count_Leagues())
        return 0;
    // Never more seeds than clubs: an empty seed leaves its pair of the
    // bracket without a game, and the club beside it would wait for ever.
    const int n = League_Playoff_Teams(nLeague);
    const int nClubs = Count_League_Teams(nLeague);
    return n < nClubs ? n : nClubs;
}

int Count_Bracket_Round_Games(int nRound)
{
    if (!In_Range(nRound, 0, PLAYOFF_ROUNDS - 1))
        return 0;
    if (nRound == PLAYOFF_ROUNDS - 1 && !Is_Rule_On(INTER_LEAGUE_FINAL_WORD))
        return 0;
    bool bHolds[PLAYOFF_SLOTS] = {};
    for (int nLeague = 0; nLeague < NUMBER_OF_LEAGUES; ++nLeague) {
        const int n = Get_League_Playoff_Seeds(nLeague);
        for (int s = 0; s < n; ++s)
            bHolds[SEED_SLOT[n - 1][nLeague][s]] = true;
    }
    // A later slot is filled by the game of the pair that feeds it.
    for (int nSlot = SECOND_ROUND_FIRST_SLOT; nSlot < PLAYOFF_SLOTS; ++nSlot)
        if (!bHolds[nSlot])
            bHolds[nSlot] = bHolds[2 * nSlot - 32] && bHolds[2 * nSlot - 31];
    int nGames = 0;
    for (int i = 0; i < ROUND_GAMES[nRound]; ++i) {
        const int a = ROUND_FIRST_SLOT[nRound] + 2 * i;
        if (bHolds[a] && bHolds[a + 1])
            ++nGames;
    }
    return nGames;
}

int Get_Playoff_Seed_Slot(int nLeague, int nTeams, int nSeed)
{
    if (!In_Range(nLeague, 0, NUMBER_OF_LEAGUES - 1) || !In_Range(nTeams, 1, MAX_SEEDS) ||
        !In_Range(nSeed, 0, nTeams - 1)) {
        Report_Error("Invalid argument in %s(%d,%d,%d)", __func__, nLeague, nTeams, nSeed);
        return -1;
    }
    return SEED_SLOT[nTeams - 1][nLeague][nSeed];
}

void Clear_Playoff_Slots()
{
    for (int s = 0; s < PLAYOFF_SLOTS; ++s) {
        Set_Playoff_Team(s, NO_TEAM);
        Set_Playoff_Score(s, 0);
    }
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t)
        Set_Team_Stat(t, TEAM_STAT_PLAYOFF_SEED, 0);
}

int Get_Playoff_Seed_Key(int nTeam)
{
    if (nTeam == NO_TEAM)
        return UNUSED_TEAM_STANDINGS_KEY;
    const int nKey = Get_Team_Standings_Key(nTeam);
    // Get_Team_Division_Place reports a team missing from every row.
    if (Get_Team_Division_Place(nTeam) == 0)
        return nKey + LEADER_BONUS;
    return nKey;
}

void Swap_Playoff_Slots(int nSlotA, int nSlotB)
{
    if (!Is_Slot(nSlotA) || !Is_Slot(nSlotB)) {
        Report_Error("Invalid playoff slot in %s(%d,%d)", __func__, nSlotA, nSlotB);
        return;
    }
    if (nSlotA == nSlotB)
        return;
    auto Swap_One = [](int a, int b) {
        const int nTeam = Team_In(a);
        const int nScore = Get_Playoff_Score(a);
        Set_Playoff_Team(a, Team_In(b));
        Set_Playoff_Score(a, Get_Playoff_Score(b));
        Set_Playoff_Team(b, nTeam);
        Set_Playoff_Score(b, nScore);
    };
    Swap_One(nSlotA, nSlotB);
    // The games that led to the two slots move with them.
    if (nSlotA >= SECOND_ROUND_FIRST_SLOT && nSlotB >= SECOND_ROUND_FIRST_SLOT &&
        nSlotA < PLAYOFF_CHAMPION_SLOT && nSlotB < PLAYOFF_CHAMPION_SLOT) {
        Swap_One(2 * nSlotA - 32, 2 * nSlotB - 32);
        Swap_One(2 * nSlotA - 31, 2 * nSlotB - 31);
    }
}

void Avoid_Division_Rematch()
{
    // Each check sees the bracket as the one before left it.
    if (Same_Division(16, 17))
        Swap_If_Both_Pairs_Play(16, 16);
    if (Same_Division(18, 19))
        Swap_If_Both_Pairs_Play(16, 18);
    if (Same_Division(20, 21))
        Swap_If_Both_Pairs_Play(20, 20);
    if (Same_Division(22, 23))
        Swap_If_Both_Pairs_Play(20, 22);
}

void Reseed_Conference_Playoff_Slots(int nLeague)
{
    if (!In_Range(nLeague, 0, NUMBER_OF_LEAGUES - 1)) {
        Report_Error("nLeague out of bounds in %s([%d])", __func__, nLeague);
        return;
    }
    const int nFirst = SECOND_ROUND_FIRST_SLOT + 4 * nLeague;
    // Only a full second round is paired anew: a league with fewer teams
    // keeps its byes where the seeding put them.
    for (int s = nFirst; s < nFirst + 4; ++s)
        if (!Holds_Team(s))
            return;
    RESULTS_HOLD Hold;
    int nBest = nFirst;
    int nBestKey = INT_MIN;
    for (int s = nFirst; s < nFirst + 4; ++s) {
        const int nKey = Get_Playoff_Seed_Key(Team_In(s));
        if (nKey > nBestKey) {
            nBest = s;
            nBestKey = nKey;
        }
    }
    Swap_Playoff_Slots(nBest, nFirst + 3);
    int nLowest = nFirst;
    int nLowestKey = INT_MAX;
    for (int s = nFirst; s < nFirst + 4; ++s) {
        const int nKey = Get_Playoff_Seed_Key(Team_In(s));
        if (nKey < nLowestKey) {
            nLowest = s;
            nLowestKey = nKey;
        }
    }
    Swap_Playoff_Slots(nLowest, nFirst + 2);
}

void Reseed_Playoffs()
{
    if (Current_Round() != 1)
        return;
    const int nMost = League_Playoff_Teams(0) > League_Playoff_Teams(1) ? League_Playoff_Teams(0)
                                                                        : League_Playoff_Teams(1);
    if (nMost <= 4)
        return;
    Reseed_Conference_Playoff_Slots(0);
    Reseed_Conference_Playoff_Slots(1);
}

int Schedule_Playoff_Games()
{
    const int r = Current_Round();
    if (r < 0 || r >= PLAYOFF_ROUNDS)
        return 0;
    if (r == 3 && !Is_Rule_On(INTER_LEAGUE_FINAL_WORD))
        return 0;
    Reseed_Playoffs();
    if (r == 1 && Is_Rule_On(SECOND_ROUND_DIVISION_RULE_WORD))
        Avoid_Division_Rematch();

    const int nDay = Get_Current_Week();
    RESULTS_HOLD Hold;
    int nScheduled = 0;
    for (int i = 0; i < ROUND_GAMES[r]; ++i) {
        const int a = ROUND_FIRST_SLOT[r] + 2 * i;
        const int nTeamA = Team_In(a);
        const int nTeamB = Team_In(a + 1);
        // A pair with an empty slot is a bye.
        if (nTeamA == NO_TEAM || nTeamB == NO_TEAM)
            continue;
        const bool bHomeA = Get_Playoff_Seed_Key(nTeamA) >= Get_Playoff_Seed_Key(nTeamB);
        const int nHome = bHomeA ? nTeamA : nTeamB;
        const int nVisitor = bHomeA ? nTeamB : nTeamA;
        const int nWeekday = r <= 1 && (i / 2) % 2 == 1 ? 5 : 6;
        const int nKickoff = i % 2 == 0 ? 1630 : 1305;
        if (Schedule_Game(nHome, nVisitor, nDay, nWeekday, nKickoff))
            ++nScheduled;
    }
    return nScheduled;
}

void Record_Playoff_Result(const GAME* pGame)
{
    if (!pGame) {
        Report_Error("NULL pGame in %s()", __func__);
        return;
    }
    const int nFirst = pGame->nAwayTeam;
    const int nSecond = pGame->nHomeTeam;
    const int s0 = pGame->nScore[GAME_SIDE_AWAY];
    const int s1 = pGame->nScore[GAME_SIDE_HOME];
    const int nSlotFirst = Get_Team_Playoff_Slot(nFirst);
    const int nSlotSecond = Get_Team_Playoff_Slot(nSecond);
    // Both teams must face each other in one pair of the bracket; anything
    // else (a game booked twice, a team not in the bracket) changes nothing.
    if (nSlotFirst < 0 || nSlotSecond < 0 || nSlotFirst == nSlotSecond || nSlotFirst / 2 != nSlotSecond / 2 ||
        nSlotFirst >= PLAYOFF_CHAMPION_SLOT) {
        Report_Error("Teams not paired in the bracket in %s(%d,%d)", __func__, nFirst, nSecond);
        return;
    }
    // A tied game (an overtime rule that allows ties) sends the home team on:
    // the scheduler gives home to the better seed.
    const bool bSecondWins = s1 >= s0;
    const int nWinner = bSecondWins ? nSecond : nFirst;
    const int nWinnerSlot = bSecondWins ? nSlotSecond : nSlotFirst;
    const int nLoserSlot = bSecondWins ? nSlotFirst : nSlotSecond;
    Set_Playoff_Score(nLoserSlot, bSecondWins ? s0 : s1);
    Set_Playoff_Score(nWinnerSlot, bSecondWins ? s1 : s0);
    const int nNext = nWinnerSlot / 2 + 16;
    Set_Playoff_Team(nNext, nWinner);
    const int nLoser = bSecondWins ? nFirst : nSecond;
    Record_Finals(nNext, nWinner, nLoser);
    if (nNext == Last_Slot_Of_Season())
        Credit_Team_Championship(nWinner);
}

int Get_Season_Last_Playoff_Slot()
{
    return Last_Slot_Of_Season();
}

bool Is_Season_Complete()
{
    const int nDay = Get_Current_Week();
    if (nDay == 0 || nDay == OFFSEASON_WEEK || nDay < Get_First_Playoff_Week())
        return false;
    // The champion's slot names a club: one still in the league, or one
    // erased from it since the final (its season stays played).
    const int nChampion = Get_Playoff_Team(Last_Slot_Of_Season());
    return In_Range(nChampion, 0, MAX_FRANCHISES - 1);
}
