#include "league/league_structure.h"

#include "league/human_teams.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "frontoffice/depth_chart.h"
#include "base/int_math.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/rating_spread.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "base/text_utils.h"
#include "league/league_text.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "platform/files.h"
#include "season/draft_state.h"
#include "season/standings.h"

namespace {

int Team_Division(int nTeam)
{
    return League.Team[nTeam].nTeamStat[TEAM_STAT_DIVISION];
}

// Teams in use per division, over every franchise slot. Refreshes the shared
// team count first, as every loop over teams does.
int Count_Teams_Per_Division(int nCount[NUMBER_OF_DIVISIONS])
{
    int nTeams = Count_Teams();
    for (int d = 0; d < NUMBER_OF_DIVISIONS; d++)
        nCount[d] = 0;
    for (int t = 0; t < MAX_FRANCHISES; t++) {
        if (!Is_Team_Slot_Used(t))
            continue;
        int d = Team_Division(t);
        if (d >= 0 && d < NUMBER_OF_DIVISIONS)
            nCount[d]++;
    }
    return nTeams;
}

int League_Divisions(const int nCount[NUMBER_OF_DIVISIONS], int nLeague)
{
    int n = 0;
    for (int d = nLeague * 4; d < nLeague * 4 + 4; d++)
        if (nCount[d] > 0)
            n++;
    return n;
}

// The first league that holds no division: the leagues in use are 0 .. n - 1.
int Leagues_In_Use(const int nCount[NUMBER_OF_DIVISIONS])
{
    int l = 0;
    while (l < NUMBER_OF_LEAGUES && League_Divisions(nCount, l) > 0)
        l++;
    return l;
}

// Copies at most nField - 1 bytes of szName into a fixed field and zero-fills
// the rest, so no stale bytes of a longer old name survive.
void Copy_Into_Field(char* pField, int nField, const char* szName)
{
    std::memset(pField, 0, static_cast<size_t>(nField));
    if (szName == nullptr)
        return;
    for (int i = 0; i < nField - 1 && szName[i] != '\0'; i++)
        pField[i] = szName[i];
}

// Whether a pick of the current draft has already been made: while the
// college draft runs, every pick of an earlier round and the first
// preference-37 picks of the current round.
bool Pick_Already_Made(bool bDraftRunning, int nRound, int nOrderIndex)
{
    if (!bDraftRunning)
        return false;
    int nCurrentRound = Get_User_Preference(PREF_DRAFT_ROUND);
    if (nRound < nCurrentRound)
        return true;
    return nRound == nCurrentRound && nOrderIndex < Get_User_Preference(PREF_DRAFT_PICKS_MADE);
}

}  // namespace

// ---------------------------------------------------------------------------
// Counting

int Count_Teams()
{
    int n = 0;
    for (int t = 0; t < MAX_FRANCHISES; t++)
        if (League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] != CONTROLLER_NOT_IN_USE)
            n++;
    League.Universe.nStat[SHARED_TEAM_COUNT] = n;
    return n;
}

bool Is_Team_Slot_Used(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES &&
           League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] != CONTROLLER_NOT_IN_USE;
}

int Count_Division_Teams(int nDivision)
{
    int nCount[NUMBER_OF_DIVISIONS];
    Count_Teams_Per_Division(nCount);
    if (nDivision < 0 || nDivision >= NUMBER_OF_DIVISIONS)
        return 0;
    return nCount[nDivision];
}

int Count_League_Teams(int nLeague)
{
    int nCount[NUMBER_OF_DIVISIONS];
    Count_Teams_Per_Division(nCount);
    if (nLeague < 0 || nLeague >= NUMBER_OF_LEAGUES)
        return 0;
    int n = 0;
    for (int d = nLeague * 4; d < nLeague * 4 + 4; d++)
        n += nCount[d];
    return n;
}

int Count_League_Divisions(int nLeague)
{
    int nCount[NUMBER_OF_DIVISIONS];
    Count_Teams_Per_Division(nCount);
    if (nLeague < 0 || nLeague >= NUMBER_OF_LEAGUES)
        return 0;
    return League_Divisions(nCount, nLeague);
}

int Count_Leagues()
{
    // The leagues in use are always 0 .. n - 1: callers loop over them from
    // league 0 and give a new league the number n. A league 1 without a
    // league 0 therefore counts as none, never as league 0.
    int nCount[NUMBER_OF_DIVISIONS];
    Count_Teams_Per_Division(nCount);
    return Leagues_In_Use(nCount);
}

int Get_Largest_Division_Size()
{
    int nCount[NUMBER_OF_DIVISIONS];
    Count_Teams_Per_Division(nCount);
    int nLargest = 0;
    for (int d = 0; d < NUMBER_OF_DIVISIONS; d++)
        if (nCount[d] > nLargest)
            nLargest = nCount[d];
    return nLargest;
}

// ---------------------------------------------------------------------------
// Names

void Set_League_Abbreviation(int nLeague, const char* szName)
{
    if (nLeague < 0 || nLeague >= NUMBER_OF_LEAGUES) {
        Report_Error("Invalid %s(%d) call.", __func__, nLeague);
        return;
    }
    Copy_Into_Field(League.szLeagueName[nLeague], LEAGUE_NAME_SIZE, szName);
}

void Get_League_Name(int nLeague, char* szBuffer, size_t nSize)
{
    if (nLeague < 0 || nLeague >= NUMBER_OF_LEAGUES || szBuffer == nullptr || nSize == 0) {
        Report_Error("Invalid %s(%d) call.", __func__, nLeague);
        return;
    }
    Copy_From_Record_Field(szBuffer, nSize, League.szLeagueName[nLeague], LEAGUE_NAME_SIZE);
}

void Set_Division_Name(int nDivision, const char* szName)
{
    if (nDivision < 0 || nDivision >= NUMBER_OF_DIVISIONS) {
        Report_Error("Invalid %s(%d) call.", __func__, nDivision);
        return;
    }
    Copy_Into_Field(League.szDivisionName[nDivision], DIVISION_NAME_SIZE, szName);
}

void Get_Division_Name(int nDivision, char* szBuffer, size_t nSize)
{
    if (nDivision < 0 || nDivision >= NUMBER_OF_DIVISIONS || szBuffer == nullptr || nSize == 0) {
        Report_Error("Invalid %s(%d) call.", __func__, nDivision);
        return;
    }
    Copy_From_Record_Field(szBuffer, nSize, League.szDivisionName[nDivision], DIVISION_NAME_SIZE);
}

void Set_Default_League_Names()
{
    int nCount[NUMBER_OF_DIVISIONS];
    Count_Teams_Per_Division(nCount);
    for (int l = 0; l < NUMBER_OF_LEAGUES; l++)
        if (League_Divisions(nCount, l) == 0)
            std::memset(League.szLeagueName[l], 0, LEAGUE_NAME_SIZE);
    for (int d = 0; d < NUMBER_OF_DIVISIONS; d++)
        if (nCount[d] == 0)
            std::memset(League.szDivisionName[d], 0, DIVISION_NAME_SIZE);
}

// ---------------------------------------------------------------------------
// Wild-card limits and season readers

int Get_Wild_Card_Maximum(int nDivisions)
{
    static const int nMaximum[5] = {0, 0, 0, 5, 4};   // by division count 1-4
    if (nDivisions < 1)
        nDivisions = 1;
    if (nDivisions > 4)
        nDivisions = 4;
    return nMaximum[nDivisions];
}

int Get_Wild_Card_Minimum(int nDivisions)
{
    if (nDivisions < 1)
        nDivisions = 1;
    if (nDivisions > 4)
        nDivisions = 4;
    return nDivisions == 3 ? 1 : 0;
}

int Get_League_Structure_Code()
{
    int nCount[NUMBER_OF_DIVISIONS];
    int nTeams = Count_Teams_Per_Division(nCount);
    int nLargest = 0;
    int nLeagues = Leagues_In_Use(nCount);
    for (int l = 0; l < nLeagues; l++) {
        int k = League_Divisions(nCount, l);
        int nMax = Get_Wild_Card_Maximum(k);
        if (nMax > nLargest)
            nLargest = nMax;
    }
    if (nLargest > 2 && nTeams > 32) {
        int& nGames = League.Universe.nStat[GAMES_PER_SEASON];
        if (nGames > MAX_GAMES_PER_SEASON) {
            nGames = MAX_GAMES_PER_SEASON;
            return 2;
        }
        if (nGames == MAX_GAMES_PER_SEASON)
            return 2;
    }
    return nLargest;
}

int Get_Minimum_Wild_Card_Teams()
{
    int nCount[NUMBER_OF_DIVISIONS];
    Count_Teams_Per_Division(nCount);
    int nSmallest = 1000;
    int nLeagues = Leagues_In_Use(nCount);
    for (int l = 0; l < nLeagues; l++) {
        int k = League_Divisions(nCount, l);
        int nMin = Get_Wild_Card_Minimum(k);
        if (nMin < nSmallest)
            nSmallest = nMin;
    }
    return nSmallest;
}

void Recount_Wild_Card_Teams()
{
    // With no league in use there are no limits to apply: the minimum's
    // "none" marker (1000) must never be stored as a wild-card count.
    if (Count_Leagues() == 0)
        return;
    int nCurrent = League.Universe.nStat[WILD_CARD_TEAMS];
    int nValue = Get_League_Structure_Code();
    if (nCurrent < nValue)
        nValue = nCurrent;
    int nMinimum = Get_Minimum_Wild_Card_Teams();
    if (nValue < nMinimum)
        nValue = nMinimum;
    if (nValue == nCurrent)
        return;
    Set_Universe_Stat(WILD_CARD_TEAMS, nValue);
    Update_Standings();
}

void Recount_Wild_Card_Teams_And_Tell(int nLastAsked, int nLastPlayed)
{
    const int nAsked = League.Universe.nStat[WILD_CARD_TEAMS];
    Recount_Wild_Card_Teams();
    const int nNow = League.Universe.nStat[WILD_CARD_TEAMS];
    // The same count held the same way last season was said then (or the
    // user chose it); a hold of another count, or of the same count from
    // another asked one, is news.
    if (nNow == nAsked || (nAsked == nLastAsked && nNow == nLastPlayed))
        return;
    char szText[256];
    std::snprintf(szText, sizeof(szText),
                  "The %d playoffs take %d wild-card %s per conference instead of %d, as the league's clubs, "
                  "divisions and season length allow.",
                  Get_Current_Year(), nNow, nNow == 1 ? "team" : "teams", nAsked);
    Show_Message_Box(szText, "Playoff Format Change", BOX_OK | BOX_ICON_INFORMATION);
}

void Refresh_Standings()
{
    Clear_Standings_Order();
    int nFirstPlayoffWeek = Get_First_Playoff_Week();
    if (nFirstPlayoffWeek < 2)
        nFirstPlayoffWeek = 2;
    if (Get_User_Preference(PREF_CURRENT_WEEK) < nFirstPlayoffWeek)
        Update_Standings();
}

void Set_Current_Day(int nWeek)
{
    Set_User_Preference(PREF_CURRENT_WEEK, nWeek);
    Refresh_Main_Window_Title();
}

int Get_Games_Per_Season()
{
    int& nGames = League.Universe.nStat[GAMES_PER_SEASON];
    if (nGames > MAX_GAMES_PER_SEASON)
        nGames = MAX_GAMES_PER_SEASON;
    return nGames;
}

int Get_Current_Season_Index()
{
    return League.Preferences.nInt[PREF_SEASON_INDEX];
}

int Get_Current_Year()
{
    // Both words come from the file: a damaged one must not overflow the sum.
    return Clamp_To_Int(static_cast<int64_t>(League.Universe.nStat[FIRST_SEASON_YEAR]) +
                        League.Preferences.nInt[PREF_SEASON_INDEX]);
}

int Get_Current_Week()
{
    return League.Preferences.nInt[PREF_CURRENT_WEEK];
}

// ---------------------------------------------------------------------------
// Teams and selection

int Get_Selected_Team()
{
    int nTeam = Get_User_Preference(PREF_SELECTED_TEAM);
    if (Is_Team_Slot_Used(nTeam) || (nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM))
        return nTeam;
    return 0;
}

void Set_Selected_Team(int nTeam)
{
    // The club the dialogs and pages show; a club the user runs becomes the
    // user's own as well, a computer club leaves the user's alone.
    Set_User_Preference(PREF_CURRENT_TEAM, nTeam);
    if (Is_Human_Team(nTeam))
        Set_User_Preference(PREF_SELECTED_TEAM, nTeam);
}

void Set_Team_Defense_Alignment(int nTeam, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        // Refused with the team-stat setter's own report.
        Set_Team_Stat(nTeam, TEAM_STAT_DEFENSE_ALIGNMENT, nValue);
        return;
    }
    if (League.Team[nTeam].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT] == nValue)
        return;
    Set_Team_Stat(nTeam, TEAM_STAT_DEFENSE_ALIGNMENT, nValue);
    Check_Defensive_Playbook(nTeam);
    Auto_Set_Depth_Chart(nTeam, 1, 0);
    Sort_Depth_Chart_Backups(nTeam, 1);
}

void Sort_Teams_By_City()
{
    // The exchanges are worked out on the slot numbers first and then made
    // in one pass: each exchange of whole records walks the league.
    int nTeams = Count_Teams();
    int nOrder[MAX_FRANCHISES];
    for (int t = 0; t < MAX_FRANCHISES; t++)
        nOrder[t] = t;
    std::vector<TEAM_PAIR> Exchanges;
    for (int nPass = 0; nPass < nTeams; nPass++) {
        for (int t = 0; t + 1 < nTeams; t++) {
            const TEAM& First = League.Team[nOrder[t]];
            const TEAM& Second = League.Team[nOrder[t + 1]];
            // strncmp compares as unsigned bytes, case-sensitive; the bound
            // keeps an unterminated field inside its record.
            int nCity = std::strncmp(First.szString[TEAM_STRING_CITY], Second.szString[TEAM_STRING_CITY],
                                     TEAM_STRING_SIZE);
            bool bSwap = nCity > 0;
            if (nCity == 0)
                bSwap = std::strncmp(First.szString[TEAM_STRING_NICKNAME], Second.szString[TEAM_STRING_NICKNAME],
                                     TEAM_STRING_SIZE) > 0;
            if (bSwap) {
                std::swap(nOrder[t], nOrder[t + 1]);
                Exchanges.push_back({t, t + 1});
            }
        }
    }
    Swap_Teams_In_Turn(Exchanges.data(), static_cast<int>(Exchanges.size()));
}

int Add_To_League_Balance(int nAmount)
{
    int64_t nBalance = static_cast<int64_t>(League.Universe.nStat[LEAGUE_TRADE_BALANCE]) + nAmount;
    if (nBalance > LEAGUE_BALANCE_LIMIT)
        nBalance = LEAGUE_BALANCE_LIMIT;
    if (nBalance < -LEAGUE_BALANCE_LIMIT)
        nBalance = -LEAGUE_BALANCE_LIMIT;
    League.Universe.nStat[LEAGUE_TRADE_BALANCE] = static_cast<int32_t>(nBalance);
    return static_cast<int>(nBalance);
}

// ---------------------------------------------------------------------------
// Draft picks

int Count_Team_Remaining_Draft_Picks(int nTeam)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES) {
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return 0;
    }
    int nTeams = Count_Teams();
    bool bRunning = Is_College_Draft_Running() != 0;
    int nPicks = 0;
    for (int r = 0; r < DRAFT_ROUNDS; r++) {
        for (int i = 0; i < nTeams; i++) {
            int nFranchise = League.Draft.DraftOrder[i];
            if (nFranchise >= MAX_FRANCHISES || Pick_Already_Made(bRunning, r, i))
                continue;
            if (League.Draft.DraftPickOwner[0][r][nFranchise] == nTeam)
                nPicks++;
        }
    }
    return nPicks;
}

int Get_Nth_Owned_Draft_Pick(int nTeam, int n, int* pDraft, int* pRound, int* pPick)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, n);
        return 0;
    }
    if (pDraft == nullptr || pRound == nullptr || pPick == nullptr) {
        Report_Error("Missing output in %s(%d,%d)", __func__, nTeam, n);
        return 0;
    }
    int nTeams = Count_Teams();
    bool bRunning = Is_College_Draft_Running() != 0;
    int nFound = 0;
    for (int d = 0; d < DRAFT_YEARS; d++) {
        for (int r = 0; r < DRAFT_ROUNDS; r++) {
            for (int i = 0; i < nTeams; i++) {
                int nFranchise = League.Draft.DraftOrder[i];
                if (nFranchise >= MAX_FRANCHISES)
                    continue;
                if (League.Draft.DraftPickOwner[d][r][nFranchise] != nTeam)
                    continue;
                if (d == 0 && Pick_Already_Made(bRunning, r, i))
                    continue;
                if (nFound == n) {
                    *pDraft = d;
                    *pRound = r;
                    *pPick = nTeam * 256 + nFranchise;
                    return 1;
                }
                nFound++;
            }
        }
    }
    return 0;
}

int Get_Draft_Pick_Owner(int nDraft, int nRound, int nTeam)
{
    if (nDraft < 0 || nDraft >= DRAFT_YEARS) {
        Report_Error("nDraft out of bounds in %s([%d],%d,%d)", __func__, nDraft, nRound, nTeam);
        return NO_TEAM;
    }
    if (nRound < 0 || nRound >= DRAFT_ROUNDS) {
        Report_Error("nRound out of bounds in %s(%d,[%d],%d)", __func__, nDraft, nRound, nTeam);
        return NO_TEAM;
    }
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES) {
        Report_Error("nTeam out of bounds in %s(%d,%d,[%d])", __func__, nDraft, nRound, nTeam);
        return NO_TEAM;
    }
    return League.Draft.DraftPickOwner[nDraft][nRound][nTeam];
}

void Set_Draft_Pick_Owner(int nDraft, int nRound, int nTeam, int nOwner)
{
    if (nDraft < 0 || nDraft >= DRAFT_YEARS) {
        Report_Error("nDraft out of bounds in %s([%d],%d,%d,%d)", __func__, nDraft, nRound, nTeam, nOwner);
        return;
    }
    if (nRound < 0 || nRound >= DRAFT_ROUNDS) {
        Report_Error("nRound out of bounds in %s(%d,[%d],%d,%d)", __func__, nDraft, nRound, nTeam, nOwner);
        return;
    }
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES) {
        Report_Error("nTeam out of bounds in %s(%d,%d,[%d],%d)", __func__, nDraft, nRound, nTeam, nOwner);
        return;
    }
    if (nOwner < 0 || nOwner > 255) {
        Report_Error("nOwner out of bounds in %s(%d,%d,%d,[%d])", __func__, nDraft, nRound, nTeam, nOwner);
        return;
    }
    League.Draft.DraftPickOwner[nDraft][nRound][nTeam] = static_cast<uint8_t>(nOwner);
}

int Get_Draft_Order_Team(int nIndex)
{
    if (nIndex < 0 || nIndex >= MAX_FRANCHISES) {
        Report_Error("nIndex out of bounds in %s([%d])", __func__, nIndex);
        return NO_TEAM;
    }
    return League.Draft.DraftOrder[nIndex];
}

void Set_Draft_Order_Team(int nIndex, int nTeam)
{
    if (nIndex < 0 || nIndex >= MAX_FRANCHISES) {
        Report_Error("nIndex out of bounds in %s([%d],%d)", __func__, nIndex, nTeam);
        return;
    }
    if (nTeam < 0 || nTeam > 255) {
        Report_Error("nTeam out of bounds in %s(%d,[%d])", __func__, nIndex, nTeam);
        return;
    }
    League.Draft.DraftOrder[nIndex] = static_cast<uint8_t>(nTeam);
}

// ---------------------------------------------------------------------------
// Depth slots

int Get_Depth_Slot_Position(int nSlot)
{
    // Group of each slot: -1 any position, 4 quarterbacks, 0 backs and
    // receivers, 1 offensive line, 2 defence, 3 kickers.
    static const int8_t nGroup[DEPTH_SLOT_GROUP_COUNT] = {
        -1, -1, 4, 4, 4, 4, 4, -1,      // 0-7
        0,  0,  0, 0, 0, 0, 0,          // 8-14
        1,  1,  1,                      // 15-17
        2,  2,  2, 2, 2,                // 18-22
        3,  3,  3, 3,                   // 23-26
    };
    static_assert(sizeof(nGroup) == DEPTH_SLOT_GROUP_COUNT);
    if (nSlot < 0 || nSlot >= DEPTH_SLOT_GROUP_COUNT) {
        Report_Error("nSlot out of bounds in %s([%d])", __func__, nSlot);
        return -1;
    }
    return nGroup[nSlot];
}

// ---------------------------------------------------------------------------
// Calibration

namespace {

// Target mean and mean absolute deviation of each rating 0-26.
constexpr float TARGET_MEAN[NUMBER_OF_RATINGS] = {
    70, 70, 72, 72, 72, 72, 72, 70, 72,     // 0-8
    72, 72, 72, 72, 55, 55, 72, 72, 72,     // 9-17
    70, 70, 70, 70, 70, 75, 75, 75, 75,     // 18-26
};
constexpr float TARGET_SPREAD[NUMBER_OF_RATINGS] = {
    5, 5, 7, 8, 8, 8, 8, 10, 8,             // 0-8
    8, 8, 8, 8, 5, 5, 9, 9, 9,              // 9-17
    8, 7, 7.5f, 7.5f, 7.5f, 7, 7, 7, 7,     // 18-26
};

// Teams whose players the shift and scaling move: the franchises in use and
// the free agents.
bool Is_Calibrated_Team(int nTeam)
{
    return nTeam <= FREE_AGENT_TEAM && Is_Valid_Team(nTeam);
}

// Applies fn(x) to rating r of every player of the teams selected, storing
// each result through the rating setter.
template <typename SELECT, typename FN>
void For_Each_Rating(int nRating, SELECT Select, FN Fn)
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; t++) {
        // Every team selected is a valid one, so a slot is in use when it
        // holds a player ID.
        if (!Select(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; s++) {
            if (League.Team[t].Player[s].nVital[VITAL_PLAYER_ID] == 0)
                continue;
            float fValue = League.Team[t].Player[s].fRating[nRating];
            float fNew;
            if (Fn(fValue, fNew))
                Set_Player_Rating(t, s, nRating, fNew);
        }
    }
}

// Step 4: pulls the extremes back towards the usable range. A value that is
// corrupt (not a number, or far outside any rating) becomes 60.
float Curtail_Rating(float fValue, int& nCurtailed)
{
    if (std::isnan(fValue) || fValue > 1000.0f || fValue < -100.0f)
        return 60.0f;
    if (fValue > 95.0f) {
        fValue = (fValue + 95.0f) * 0.5f;
        nCurtailed++;
    } else if (fValue < 20.0f) {
        fValue = (fValue + 20.0f) * 0.5f;
    }
    if (fValue > 99.0f)
        fValue = 99.0f;
    if (fValue < 1.0f)
        fValue = 1.0f;
    return fValue;
}

}  // namespace

void Calibrate_Player_Ratings()
{
    Auto_Set_All_Depth_Charts(1);

    float fMeanBefore[NUMBER_OF_RATINGS], fMeanAfter[NUMBER_OF_RATINGS];
    float fSpreadBefore[NUMBER_OF_RATINGS], fSpreadAfter[NUMBER_OF_RATINGS];
    int nCurtailed[NUMBER_OF_RATINGS] = {};

    for (int r = 0; r < NUMBER_OF_RATINGS; r++) {
        // Shift to the target mean.
        float fMean = Get_Regular_Rating_Mean(r);
        float fShift = TARGET_MEAN[r] - fMean;
        For_Each_Rating(r, Is_Calibrated_Team, [&](float x, float& fNew) {
            if (std::isnan(x))
                return false;   // left for the curtailing pass
            fNew = x + fShift;
            return true;
        });

        // Scale to the target spread; a large stretch is damped.
        float fSpread = Get_Regular_Rating_Spread(r);
        if (fSpread > 0.0f) {
            float fShiftedMean = Get_Regular_Rating_Mean(r);
            float fFactor = TARGET_SPREAD[r] / fSpread;
            if (fFactor > 2.0f)
                fFactor = static_cast<float>(std::sqrt(static_cast<double>(fFactor)) * std::sqrt(2.0));
            For_Each_Rating(r, Is_Calibrated_Team, [&](float x, float& fNew) {
                if (std::isnan(x))
                    return false;
                fNew = (x - fShiftedMean) * fFactor + fShiftedMean;
                if (fNew >= 99.0f)
                    fNew = 99.0f;
                else if (fNew < 20.0f)
                    fNew = 20.0f;
                return true;
            });
        }

        // Curtail the extremes of every player of every team.
        For_Each_Rating(r, Is_Valid_Team, [&](float x, float& fNew) {
            fNew = Curtail_Rating(x, nCurtailed[r]);
            return true;
        });

        fMeanBefore[r] = fMean;
        fSpreadBefore[r] = fSpread;
        fMeanAfter[r] = Get_Regular_Rating_Mean(r);
        fSpreadAfter[r] = Get_Regular_Rating_Spread(r);
    }
    // The curtailing can leave a rating between 1 and 20, and the shift a
    // back slower than a load lets him be: every player it touched is left
    // as a load would leave him.
    For_Each_Player_In_Use(Settle_Player_Ratings);

    // The report is written whole: a disk that fills keeps the old one and
    // is told, and the calibration stands all the same.
    char szPath[64];
    std::snprintf(szPath, sizeof(szPath), "Calibrate_Player_Ratings (%d).csv", Get_Current_Year());
    std::string Report = "Rating,Avg (Before),Avg (After),Var (Before),Var (After),Curtailed,,Diff (Avg),Diff (Var)\n";
    for (int r = 0; r < NUMBER_OF_RATINGS; r++) {
        char szName[TEXT_BUFFER_SIZE];
        char szLine[TEXT_BUFFER_SIZE];
        Get_Rating_Name(r, szName);
        Format_Text_Bounded(szLine, sizeof(szLine), "%s,%.1f,%.1f,%.1f,%.1f,%d,,%.1f,%.1f", szName,
                      static_cast<double>(fMeanBefore[r]), static_cast<double>(fMeanAfter[r]),
                      static_cast<double>(fSpreadBefore[r]), static_cast<double>(fSpreadAfter[r]), nCurtailed[r],
                      static_cast<double>(fMeanAfter[r] - fMeanBefore[r]),
                      static_cast<double>(fSpreadAfter[r] - fSpreadBefore[r]));
        Report += szLine;
        Report += '\n';
    }
    if (!files::Write_Whole_File(szPath, Report.data(), Report.size())) {
        const int nError = errno;
        Write_Notice("The calibration report \"%s\" could not be written (%s); the ratings were calibrated all the "
                     "same.",
                     files::Resolve_Path(szPath).c_str(), files::Error_Text(nError));
    }
}
