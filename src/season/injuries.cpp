// Injuries on a play, their codes and lengths, lasting damage, healing,
// suspensions, the stop of a run and the notice that follows it.
#include "season/injuries.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/playoffs.h"
#include "season/player_development.h"
#include "season/player_generation.h"
#include "season/predicted_fixup.h"

namespace {

constexpr int SETTING_LIMIT = 100;
constexpr int FIRST_NOTICE_PREF = PREF_DAY_ADVANCE_FIRST;   // 210-214: pending notices
constexpr int LAST_NOTICE_PREF = PREF_DAY_ADVANCE_LAST;
constexpr int SUSPENSION_CODES[] = {180, 181, 182, 184};
constexpr int LAST_SEASON_WEEK = SCHEDULE_WEEKS - 1;         // 21
constexpr int OFFSEASON_SIDELINE_WEEKS = 19;
constexpr int SEASON_END_SIDELINE_BASE = 52;
constexpr int NOTICE_TEXT_SIZE = 2048;

// Squared weights summed code by code, built once (no allocation).
const std::array<int, INJURY_CODE_COUNT>& Cumulative_Weights()
{
    static const std::array<int, INJURY_CODE_COUNT> Table = [] {
        std::array<int, INJURY_CODE_COUNT> Sum{};
        int nTotal = 0;
        for (int i = 0; i < INJURY_CODE_COUNT; ++i) {
            nTotal += INJURY_TABLE[i].nWeight * INJURY_TABLE[i].nWeight;
            Sum[i] = nTotal;
        }
        return Sum;
    }();
    return Table;
}

bool Is_Player_Address(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

int Clamp_Setting(int nValue)
{
    return std::clamp(nValue, -SETTING_LIMIT, SETTING_LIMIT);
}

int Player_Weeks(int nTeam, int nSlot)
{
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS);
}

// Every player the healing passes visit: the franchises in use and the five
// special slots, in team then slot order.
template <typename F> void For_Each_Healed_Player(F f)
{
    for (int t = 0; t <= LAST_TEAM; ++t) {
        if (t < MAX_FRANCHISES && Get_Team_Stat(t, TEAM_STAT_CONTROLLER) == CONTROLLER_NOT_IN_USE)
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Get_Player_ID(t, s) != 0)
                f(t, s);
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Table and settings

int Get_Injury_Cumulative_Weight(int nCode)
{
    if (nCode < 0 || nCode >= INJURY_CODE_COUNT)
        return 0;
    return Cumulative_Weights()[nCode];
}

int Get_Injury_Frequency()
{
    return Clamp_Setting(Get_Universe_Stat(INJURY_FREQUENCY_STAT));
}

int Get_Injury_Severity()
{
    return Clamp_Setting(Get_Universe_Stat(INJURY_SEVERITY_STAT));
}

void Set_Injury_Frequency(int nValue)
{
    Set_Universe_Stat(INJURY_FREQUENCY_STAT, Clamp_Setting(nValue));
}

void Set_Injury_Severity(int nValue)
{
    Set_Universe_Stat(INJURY_SEVERITY_STAT, Clamp_Setting(nValue));
}

int Get_Injury_Weeks(int nCode, int nWhich)
{
    if (nCode < 0 || nCode >= INJURY_CODE_COUNT)
        return 0;
    return nWhich == 0 ? INJURY_TABLE[nCode].nMinWeeks : INJURY_TABLE[nCode].nMaxWeeks;
}

// ---------------------------------------------------------------------------
// A new injury

int Check_Player_Injury(int nTeam, int nSlot)
{
    if (!Is_Player_Address(nTeam, nSlot)) {
        Report_Error("Invalid player in %s(%d,%d)", __func__, nTeam, nSlot);
        return 0;
    }
    const int s = Get_Injury_Frequency() + SETTING_LIMIT;
    int c = (s + 1) * 50 / 100;
    const int r1 = Get_Random_Below(1000);
    const bool bReplay = Get_Universe_Word(REPLAY_MODE_WORD) != 0;
    if (bReplay && Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED) <=
                       Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, STAT_GAMES_PLAYED))
        return 0;
    if (Player_Weeks(nTeam, nSlot) > 0)
        return 0;
    if (bReplay)
        c *= 5;
    if (r1 >= c)
        return 0;
    // The best-paid medical staff heads off about 40 % of injuries.
    const int n = Count_Teams();
    const int k = Get_Team_Financial_Stat_Rank(nTeam, FINANCE_MEDICAL_LEVEL);
    const int m = n > 0 ? ((n - k) * 400 + n / 2) / n : 0;
    const int r2 = Get_Random_Below(1000);
    if (r2 < m)
        return 0;
    Injure_Player(nTeam, nSlot);
    return 1;
}

void Injure_Player(int nTeam, int nSlot)
{
    if (!Is_Player_Address(nTeam, nSlot)) {
        Report_Error("Invalid player in %s(%d,%d)", __func__, nTeam, nSlot);
        return;
    }
    const int nCode = Choose_Injury_Code(nTeam, nSlot);
    const int lo = Get_Injury_Weeks(nCode, 0);
    const int hi = Get_Injury_Weeks(nCode, 1);
    const int nWeeks = std::max(1, lo + Get_Random_Below(hi - lo + 1));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, nCode);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, nWeeks);

    // Lasting damage: the longer the injury, the likelier, up to twice its
    // weeks in per cent of his ratings.
    if (Get_Random_Below(100) >= nWeeks)
        return;
    const float x = Get_Random_Float(static_cast<float>(2 * nWeeks));
    const float a = -x;
    const int n = static_cast<int>(a * 10.0f);
    if (n != 0) {
        for (int nStat = 0; nStat < PLAYER_BYTE_STAT_COUNT; ++nStat)
            Modify_Predicted_Player_Stats(nTeam, nSlot, STAT_PERIOD_PREDICTED, nStat, n, nCode / INJURY_REGION_SIZE, 1);
        Fix_Predicted_Player_Stats(nTeam, nSlot);
    }
    Modify_Player_Ratings(nTeam, nSlot, 0, a / 100.0f);
    Modify_Player_Ratings(nTeam, nSlot, 1, a / 100.0f);
    Settle_Player_Ratings(nTeam, nSlot);
}

int Choose_Injury_Code(int nTeam, int nSlot)
{
    const int nPrevious = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY);
    const int r = Get_Random_Below(100);
    const int p = ((Get_Injury_Severity() + SETTING_LIMIT) * 30 + 50) / 100;
    // An old injury flares up (an unknown stored code never does).
    if (r < 50 && nPrevious >= 0 && nPrevious < INJURY_CODE_COUNT)
        return nPrevious;

    const auto& Sum = Cumulative_Weights();
    const int T = Sum[INJURY_CODE_COUNT - 1];
    int nCandidate[2];
    int nLength[2];
    for (int i = 0; i < 2; ++i) {
        // A draw of the very top would pass every running sum: it takes the last.
        const int x = std::min(Get_Random_Below(T), T - 1);
        const int nCode = static_cast<int>(std::upper_bound(Sum.begin(), Sum.end(), x) - Sum.begin());
        nCandidate[i] = std::min(nCode, INJURY_CODE_COUNT - 1);
        nLength[i] = Get_Injury_Weeks(nCandidate[i], 0) + Get_Injury_Weeks(nCandidate[i], 1);
    }
    const int r2 = Get_Random_Below(100);
    // p is the per-cent chance of taking the more severe of the two.
    if (nLength[1] > nLength[0])
        return r2 < p ? nCandidate[1] : nCandidate[0];
    return r2 < p ? nCandidate[0] : nCandidate[1];
}

// ---------------------------------------------------------------------------
// Stopping a run and the notice

void Stop_Simulation_For_Injury(int nTeam, int nSlot, int, int nWeeks)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return;
    if (Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) != CONTROLLER_USER)
        return;
    if (Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0)
        return;
    const int N = Get_User_Preference(PREF_INJURY_CONTINGENCY);
    if (N < 1 || nWeeks - 1 < N)
        return;
    for (int nPref = FIRST_NOTICE_PREF; nPref <= LAST_NOTICE_PREF; ++nPref) {
        if (Get_User_Preference(nPref) == 0) {
            Set_User_Preference(nPref, Get_Player_ID(nTeam, nSlot));
            break;
        }
    }
    // The run ends after today, as the Stop command ends it.
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, Get_Current_Week() + 1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Set_User_Preference(PREF_TRADE_ATTEMPTS, 0);
}

void Format_Injury_Notices(char* szOut, size_t nSize)
{
    if (!szOut || nSize == 0)
        return;
    szOut[0] = '\0';
    size_t nUsed = 0;
    const int nLastPlayoffWeek = Get_First_Playoff_Week() + 4;
    for (int nPref = FIRST_NOTICE_PREF; nPref <= LAST_NOTICE_PREF; ++nPref) {
        PLAYER_LOCATION Where;
        if (!Find_Player_By_ID(&Where, Get_User_Preference(nPref)))
            continue;
        const int w = Player_Weeks(Where.nTeam, Where.nSlot);
        if (w <= 0)
            continue;
        char szName[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(Where.nTeam, Where.nSlot, szName);
        char szInjury[INJURY_NAME_SIZE];
        Get_Injury_Name(Get_Player_Vital_Stat(Where.nTeam, Where.nSlot, VITAL_INJURY), szInjury);
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(szInjury[0])));
        const char* szArticle = (c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u') ? "an" : "a";
        int nWritten;
        if (w > nLastPlayoffWeek - Get_Current_Week() + 1)
            nWritten = std::snprintf(szOut + nUsed, nSize - nUsed, "%s will be injured for the rest of the year due to %s %s.\n",
                                     szName, szArticle, szInjury);
        else
            nWritten = std::snprintf(szOut + nUsed, nSize - nUsed, "%s will be injured for %d week%s due to %s %s.\n", szName, w,
                                     w > 1 ? "s" : "", szArticle, szInjury);
        if (nWritten < 0 || static_cast<size_t>(nWritten) >= nSize - nUsed) {
            szOut[nSize - 1] = '\0';
            return;
        }
        nUsed += static_cast<size_t>(nWritten);
    }
}

void Show_Injury_Notices()
{
    char szText[NOTICE_TEXT_SIZE];
    Format_Injury_Notices(szText, sizeof(szText));
    Show_Formatted_Message("Injury", "%s", szText);
}

void Show_Injury_Notices(int, int)
{
    Show_Injury_Notices();
}

// ---------------------------------------------------------------------------
// Names

int Get_Injury_Name(int nCode, char* szBuffer, size_t nSize)
{
    if (!szBuffer || nSize == 0)
        return 0;
    const char* szName = "";
    if (nCode == NO_INJURY)
        szName = "NO INJURY";
    else if (nCode >= 0 && nCode < INJURY_CODE_COUNT)
        szName = INJURY_TABLE[nCode].szName;
    std::snprintf(szBuffer, nSize, "%s", szName);
    return szBuffer[0] != '\0' ? 1 : 0;
}

void Get_Player_Health_Text(int nTeam, int nSlot, char* szBuffer, size_t nSize)
{
    if (!szBuffer || nSize == 0)
        return;
    if (Player_Weeks(nTeam, nSlot) == 0) {
        std::snprintf(szBuffer, nSize, "%s", "Healthy");
        return;
    }
    Get_Injury_Name(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY), szBuffer, nSize);
}

int Find_Injury_By_Name(const char* szName)
{
    if (!szName || szName[0] == '\0')
        return 0;
    for (int i = 0; i < INJURY_CODE_COUNT; ++i)
        if (strcasecmp(INJURY_TABLE[i].szName, szName) == 0)
            return i;
    Report_Error("Injury String Not Found: %s", szName);
    return 0;
}

// ---------------------------------------------------------------------------
// Tests on a player's health

bool Is_Player_Injured(int nTeam, int nSlot)
{
    return Player_Weeks(nTeam, nSlot) > 0;
}

bool Is_Player_Holding_Out(int nTeam, int nSlot)
{
    return Player_Weeks(nTeam, nSlot) > 0 && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY) == INJURY_HOLDOUT;
}

bool Is_Suspension_Code(int nCode)
{
    return std::find(std::begin(SUSPENSION_CODES), std::end(SUSPENSION_CODES), nCode) != std::end(SUSPENSION_CODES);
}

int Get_Sidelined_Threshold(int nWeek, bool bSeasonComplete)
{
    if (nWeek == OFFSEASON_WEEK)
        return OFFSEASON_SIDELINE_WEEKS;
    if (bSeasonComplete)
        return SEASON_END_SIDELINE_BASE - nWeek;
    return 1;
}

int Is_Player_Sidelined(int nTeam, int nSlot)
{
    const int w = Player_Weeks(nTeam, nSlot);
    if (w < 1)
        return 0;
    const int d = Get_Current_Week();
    const int t = Get_Sidelined_Threshold(d, d != OFFSEASON_WEEK && Is_Season_Complete());
    return w >= t ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Healing

void Heal_Player_Injury_Week(int nTeam, int nSlot)
{
    if (!Is_Player_Address(nTeam, nSlot)) {
        Report_Error("Invalid player in %s(%d,%d)", __func__, nTeam, nSlot);
        return;
    }
    int w = Player_Weeks(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEEK_COUNTER, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEEK_COUNTER) + 1);
    if (w == 0)
        return;
    if (w > 0 && Is_Suspension_Code(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY))) {
        // A suspension is served only in weeks his team plays.
        const int nWeek = Get_Current_Week();
        if (nWeek < 0 || nWeek > LAST_SEASON_WEEK || Get_Team_Schedule_Stat(nTeam, nWeek, 0) == 0)
            return;
    }
    --w;
    if (w <= 0)
        Clear_Player_Injury(nTeam, nSlot);
    else
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, w);
}

void Heal_All_Injuries_One_Week()
{
    For_Each_Healed_Player([](int t, int s) { Heal_Player_Injury_Week(t, s); });
}

void Heal_All_Injuries(int nWeeks)
{
    for (int i = 0; i < nWeeks; ++i)
        Heal_All_Injuries_One_Week();
}

void Clear_Suspensions_At_Season_End()
{
    For_Each_Healed_Player([](int t, int s) {
        if (Player_Weeks(t, s) > 0 && Is_Suspension_Code(Get_Player_Vital_Stat(t, s, VITAL_INJURY)))
            Clear_Player_Injury(t, s);
    });
}

void Clear_Player_Injury(int nTeam, int nSlot)
{
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, NO_INJURY);
}
