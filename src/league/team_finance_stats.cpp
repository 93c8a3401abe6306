// Financial stats and team totals of the team records, their computed codes,
// the league totals and the ranks among teams.
#include "league/team_finance_stats.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>

#include "league/finance_basics.h"
#include "league/inflation.h"
#include "base/int_math.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "base/random.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"

namespace {

constexpr int LAST_STORING_TEAM = FREE_AGENT_TEAM;           // setters: franchises and the pool
constexpr int FIRST_COMPUTED_CODE = 50;
constexpr int OWNER_MODE_ON = 1;

// The per-player averages divide by 51 roster places whatever the roster
// size: the figure shown is "per active-roster place".
constexpr int AVERAGE_SLOTS = 51;
constexpr int PAYROLL_PLAYERS = 51;                          // code 89: the best-paid 51

// Reference amounts of the indexes, at the 2023 money level.
constexpr int PAYROLL_INDEX_BASE = 219180;                   // $K
constexpr int VALUE_INDEX_BASE = 2360400;                    // $K

// In the all-slots payroll mode a player belongs to the team named by the
// byte right after his vital stats (byte stat 4), wherever his record sits.
constexpr int PAYROLL_TEAM_BYTE_STAT = 4;

// This season's running figures, zeroed when a new season starts.
constexpr int SEASON_RUNNING_CODES[] = {
    FINANCE_BROADCAST, FINANCE_TICKETS, FINANCE_HOME_ATTENDANCE, FINANCE_ROAD_ATTENDANCE,
    FINANCE_FOOD_SEASON, FINANCE_BEVERAGE_SEASON, FINANCE_SOUVENIR_SEASON, FINANCE_OPERATING_SEASON,
    FINANCE_SALARIES_SEASON, FINANCE_DIVIDENDS_SEASON, FINANCE_SCOUTING_SEASON, FINANCE_MEDICAL_SEASON,
    FINANCE_HOME_GAMES, FINANCE_GAMES,
};
static_assert(sizeof(SEASON_RUNNING_CODES) / sizeof(SEASON_RUNNING_CODES[0]) == 14);

// nNumerator / nDivisor rounded half away from zero, held within the int
// range: the rounding of every ratio of this file. The numerator is already
// the 64-bit product a x k.
int Rounded_Quotient(int64_t nNumerator, int64_t nDivisor)
{
    return Clamp_To_Int(Divide_Rounded(nNumerator, nDivisor));
}

int64_t Stored_Financial(int nTeam, int nStat)
{
    return League.Team[nTeam].nFinancialStat[nStat];
}

int64_t F(int nTeam, int nStat)
{
    return Get_Team_Financial_Stat(nTeam, nStat);
}

bool All_Slots_Payroll_Mode()
{
    return Get_Universe_Word(FINANCE_SLOT_MODE_WORD) >= 1;
}

int Payroll_Team_Byte(const PLAYER& Player)
{
    return Player.bStatHigh[PAYROLL_TEAM_BYTE_STAT - 4];
}

// Calls fAdd(team, slot) for every player counted in the team's payroll in
// the all-slots mode: any record of a team that holds players whose team
// byte names nTeam.
template <typename FUNCTION>
void For_Each_Payroll_Player(int nTeam, FUNCTION fAdd)
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; t++) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; s++) {
            const PLAYER& Player = League.Team[t].Player[s];
            if (Player.nVital[VITAL_PLAYER_ID] != 0 && Payroll_Team_Byte(Player) == nTeam)
                fAdd(t, s);
        }
    }
}

// Code 88: the prorated signing bonuses (vital stat 102), $K.
int64_t Bonus_Payroll(int nTeam)
{
    int64_t nSum = 0;
    auto fAdd = [&nSum](int t, int s) { nSum += Get_Player_Vital_Stat(t, s, VITAL_PRORATED_BONUS); };
    if (All_Slots_Payroll_Mode()) {
        For_Each_Payroll_Player(nTeam, fAdd);
        return nSum;
    }
    for (int s = 0; s < PLAYERS_PER_TEAM; s++)
        if (League.Team[nTeam].Player[s].nVital[VITAL_PLAYER_ID] != 0)
            fAdd(nTeam, s);
    return nSum;
}

// The payrolls kept while a contract pass runs (Begin_Payroll_Memo): each
// club's is worked out again only after a vital stat of its roster was
// stored. Only the own-roster rule is kept; the all-slots mode reads other
// teams' records.
struct PAYROLL_MEMO {
    int nDepth = 0;
    bool bKnown[TOTAL_NUMBER_OF_TEAMS] = {};
    unsigned nChanges[TOTAL_NUMBER_OF_TEAMS] = {};
    int64_t nPayroll[TOTAL_NUMBER_OF_TEAMS] = {};
};
PAYROLL_MEMO g_PayrollMemo;

int64_t Roster_Payroll(int nTeam, int nLeftOut = -1);

// Code 89: the cap charges (vital stat 100), $K. On the team's own roster the
// 51 largest of its 100 places count (empty places as 0); in the all-slots
// mode every player assigned to the team counts.
int64_t Payroll(int nTeam)
{
    int64_t nSum = 0;
    if (All_Slots_Payroll_Mode()) {
        For_Each_Payroll_Player(nTeam, [&nSum](int t, int s) { nSum += Get_Player_Vital_Stat(t, s, VITAL_CAP_CHARGE); });
        return nSum;
    }
    if (g_PayrollMemo.nDepth == 0)
        return Roster_Payroll(nTeam);
    const unsigned nChanges = Get_Team_Vital_Changes(nTeam);
    if (!g_PayrollMemo.bKnown[nTeam] || g_PayrollMemo.nChanges[nTeam] != nChanges) {
        g_PayrollMemo.nPayroll[nTeam] = Roster_Payroll(nTeam);
        g_PayrollMemo.nChanges[nTeam] = nChanges;
        g_PayrollMemo.bKnown[nTeam] = true;
    }
    return g_PayrollMemo.nPayroll[nTeam];
}

// nLeftOut: a roster place read as empty (-1 none).
int64_t Roster_Payroll(int nTeam, int nLeftOut)
{
    int64_t nSum = 0;
    int nCharge[PLAYERS_PER_TEAM];
    for (int s = 0; s < PLAYERS_PER_TEAM; s++)
        nCharge[s] = League.Team[nTeam].Player[s].nVital[VITAL_PLAYER_ID] != 0 && s != nLeftOut
                         ? Get_Player_Vital_Stat(nTeam, s, VITAL_CAP_CHARGE)
                         : 0;
    std::partial_sort(nCharge, nCharge + PAYROLL_PLAYERS, nCharge + PLAYERS_PER_TEAM, std::greater<int>());
    for (int i = 0; i < PAYROLL_PLAYERS; i++)
        nSum += nCharge[i];
    return nSum;
}

// A vital stat summed over roster places 0-50 (empty places read 0), / 51.
int64_t Average_Over_Slots(int nTeam, int nVital)
{
    int64_t nSum = 0;
    for (int s = 0; s < AVERAGE_SLOTS; s++)
        nSum += League.Team[nTeam].Player[s].nVital[nVital];
    return nSum / AVERAGE_SLOTS;
}

// Code 95 in tenths of a year. Empty places count with the age the age
// reader figures for them; it does not store a birth date into them.
int64_t Average_Age(int nTeam)
{
    int64_t nSum = 0;
    for (int s = 0; s < AVERAGE_SLOTS; s++)
        nSum += Get_Player_Exact_Age(nTeam, s);
    return (nSum * 10 + 25) / AVERAGE_SLOTS;
}

// Code 102: the rest of the season's expenses projected from the games
// played so far and the per-game budgets of the games still to come.
int64_t Projected_Expenses(int nTeam)
{
    int nSeasonGames = Get_Games_Per_Season();
    int g = Get_Team_Games_Played(nTeam);
    int64_t nOperating;
    int64_t nDividends;
    if (g > 0) {
        nOperating = Mul_Div_Rounded(Clamp_To_Int(F(nTeam, FINANCE_OPERATING_SEASON)), nSeasonGames, g);
        nDividends = Mul_Div_Rounded(Clamp_To_Int(F(nTeam, FINANCE_DIVIDENDS_SEASON)), nSeasonGames, g);
    } else {
        nOperating = F(nTeam, FINANCE_OPERATING_GAME);
        nDividends = F(nTeam, FINANCE_DIVIDENDS_GAME);
    }
    // A team that has played more games than the season holds has none to come.
    int64_t r = std::max(nSeasonGames - g, 0);
    return nOperating + nDividends + F(nTeam, FINANCE_SALARIES_SEASON) + Get_Team_Per_Game_Payroll(nTeam) * r
         + F(nTeam, FINANCE_MEDICAL_SEASON) + F(nTeam, FINANCE_MEDICAL_BUDGET) * r
         + F(nTeam, FINANCE_SCOUTING_SEASON) + F(nTeam, FINANCE_SCOUTING_BUDGET) * r;
}

// Codes 50-109 of a team 0-40.
int64_t Computed_Financial(int nTeam, int nStat)
{
    switch (nStat) {
    case FINANCE_OPERATING_GAME: {
        int64_t nStored = Stored_Financial(nTeam, nStat);
        return nStored != 0 ? nStored : Get_Stadium_Scaled_Amount(nTeam);
    }
    case FINANCE_SALARIES_GAME: {
        int64_t nStored = Stored_Financial(nTeam, nStat);
        return nStored != 0 ? nStored : Get_Team_Per_Game_Payroll(nTeam);
    }
    case FINANCE_EXPENSES:
        return F(nTeam, FINANCE_RUNNING_COSTS) + F(nTeam, FINANCE_DIVIDENDS_SEASON);
    case FINANCE_EXPENSES_LAST:
        return F(nTeam, FINANCE_RUNNING_COSTS_LAST) + F(nTeam, FINANCE_DIVIDENDS_LAST);
    case FINANCE_REVENUE:
        return F(nTeam, FINANCE_TICKETS) + F(nTeam, FINANCE_BROADCAST) + F(nTeam, FINANCE_FOOD_SEASON)
             + F(nTeam, FINANCE_BEVERAGE_SEASON) + F(nTeam, FINANCE_SOUVENIR_SEASON);
    case FINANCE_REVENUE_LAST:
        return F(nTeam, FINANCE_TICKETS_LAST) + F(nTeam, FINANCE_BROADCAST_LAST) + F(nTeam, FINANCE_FOOD_LAST)
             + F(nTeam, FINANCE_BEVERAGE_LAST) + F(nTeam, FINANCE_SOUVENIR_LAST);
    case FINANCE_PROFIT:
        return F(nTeam, FINANCE_REVENUE) - F(nTeam, FINANCE_EXPENSES);
    case FINANCE_PROFIT_LAST:
        return F(nTeam, FINANCE_REVENUE_LAST) - F(nTeam, FINANCE_EXPENSES_LAST);
    case FINANCE_RUNNING_COSTS:
        return F(nTeam, FINANCE_OPERATING_SEASON) + F(nTeam, FINANCE_SALARIES_SEASON)
             + F(nTeam, FINANCE_SCOUTING_SEASON) + F(nTeam, FINANCE_MEDICAL_SEASON);
    case FINANCE_RUNNING_COSTS_LAST:
        return F(nTeam, FINANCE_OPERATING_LAST) + F(nTeam, FINANCE_SALARIES_LAST)
             + F(nTeam, FINANCE_SCOUTING_LAST) + F(nTeam, FINANCE_MEDICAL_LAST);
    case FINANCE_BONUS_PAYROLL:
        return Bonus_Payroll(nTeam);
    case FINANCE_PAYROLL:
        return Payroll(nTeam);
    case FINANCE_CAP_ROOM:
        return League.Universe.nStat[SALARY_CAP] / 1000 - F(nTeam, FINANCE_PAYROLL);
    case FINANCE_OVERHEAD:
        return F(nTeam, FINANCE_OPERATING_SEASON) + F(nTeam, FINANCE_DIVIDENDS_SEASON);
    case FINANCE_AVERAGE_ATTENDANCE: {
        int64_t nGames = F(nTeam, FINANCE_HOME_GAMES);
        int64_t nAttendance = F(nTeam, FINANCE_HOME_ATTENDANCE);
        return nGames < 1 ? nAttendance : nAttendance / nGames;
    }
    case FINANCE_AVERAGE_ROAD_ATTENDANCE: {
        int64_t nGames = F(nTeam, FINANCE_GAMES) - F(nTeam, FINANCE_HOME_GAMES);
        int64_t nAttendance = F(nTeam, FINANCE_ROAD_ATTENDANCE);
        return nGames < 1 ? nAttendance : nAttendance / nGames;
    }
    case FINANCE_AVERAGE_SALARY:
        return Average_Over_Slots(nTeam, VITAL_SALARY);
    case FINANCE_AVERAGE_AGE:
        return Average_Age(nTeam);
    case FINANCE_AVERAGE_CONTRACT:
        return Average_Over_Slots(nTeam, VITAL_CONTRACT_YEARS_LEFT);
    case FINANCE_LIQUIDITY: {
        int64_t nValue = F(nTeam, FINANCE_FRANCHISE_VALUE);
        if (nValue == 0)
            return 0;
        // Cash in whole thousands, as the franchise value is.
        return Rounded_Quotient(F(nTeam, FINANCE_CASH) / 1000 * 1000, nValue);
    }
    case FINANCE_CASH_INDEX:
        return std::max(Rounded_Quotient(F(nTeam, FINANCE_CASH) * 1000, Get_Inflated_Base_Amount()), 0);
    case FINANCE_PAYROLL_INDEX:
        return Rounded_Quotient(F(nTeam, FINANCE_PAYROLL) * 1000, Apply_Inflation(PAYROLL_INDEX_BASE));
    case FINANCE_VALUE_INDEX:
        return Rounded_Quotient(F(nTeam, FINANCE_FRANCHISE_VALUE) * 1000, Apply_Inflation(VALUE_INDEX_BASE));
    case FINANCE_PROJECTED_REVENUE: {
        int g = Get_Team_Games_Played(nTeam);
        if (g <= 0)
            return F(nTeam, FINANCE_REVENUE_LAST);
        return Mul_Div_Rounded(Clamp_To_Int(F(nTeam, FINANCE_REVENUE)), Get_Games_Per_Season(), g);
    }
    case FINANCE_PROJECTED_EXPENSES:
        return Projected_Expenses(nTeam);
    case FINANCE_PROJECTED_PROFIT:
        return F(nTeam, FINANCE_PROJECTED_REVENUE) - F(nTeam, FINANCE_PROJECTED_EXPENSES);
    case FINANCE_AVERAGE_BONUS:
        return Average_Over_Slots(nTeam, VITAL_SIGNING_BONUS);
    case FINANCE_CONCESSIONS_GAME:
        return F(nTeam, FINANCE_SOUVENIR_GAME) + F(nTeam, FINANCE_FOOD_GAME) + F(nTeam, FINANCE_BEVERAGE_GAME);
    case FINANCE_CONCESSIONS:
        return F(nTeam, FINANCE_SOUVENIR_SEASON) + F(nTeam, FINANCE_FOOD_SEASON) + F(nTeam, FINANCE_BEVERAGE_SEASON);
    case FINANCE_CONCESSIONS_LAST:
        return F(nTeam, FINANCE_SOUVENIR_LAST) + F(nTeam, FINANCE_FOOD_LAST) + F(nTeam, FINANCE_BEVERAGE_LAST);
    case FINANCE_MEDICAL_SEASON_BUDGET:
        return F(nTeam, FINANCE_MEDICAL_BUDGET) * Get_Games_Per_Season();
    case FINANCE_SCOUTING_SEASON_BUDGET:
        return F(nTeam, FINANCE_SCOUTING_BUDGET) * Get_Games_Per_Season();
    default:
        // 51-79 but 53 are stored.
        if (nStat < FINANCIAL_STAT_COUNT)
            return Stored_Financial(nTeam, nStat);
        return 0;
    }
}

bool Is_Financial_Team(int nTeam)
{
    return In_Range(nTeam, 0, LAST_TEAM) || nTeam == NO_TEAM || nTeam == ALL_TEAMS;
}

// ---------------------------------------------------------------------------
// Team totals

int64_t Stored_Total(int nTeam, int nCategory, int nSeason, int nStat)
{
    return League.Team[nTeam].nTotals[nCategory][nSeason][nStat];
}

// The same stat of the quarterbacks' category (c + 3). Only categories 0 and
// 4 have it within the block; higher ones add nothing rather than read
// outside it.
int64_t Quarterback_Total(int nTeam, int nCategory, int nSeason, int nStat)
{
    int nOther = nCategory + TOTALS_QUARTERBACK_OFFSET;
    if (nOther >= TEAM_TOTAL_CATEGORIES)
        return 0;
    return Stored_Total(nTeam, nOther, nSeason, nStat);
}

int64_t Computed_Team_Total(int nTeam, int nCategory, int nSeason, int nStat)
{
    auto S = [&](int n) { return Stored_Total(nTeam, nCategory, nSeason, n); };
    auto Q = [&](int n) { return Quarterback_Total(nTeam, nCategory, nSeason, n); };
    switch (nStat) {
    case 101:
        return Rounded_Quotient(S(3) * 1000, S(2));
    case 103:
        return Rounded_Quotient(Stored_Total(nTeam, TOTALS_QUARTERBACKS, nSeason, 5) * 10,
                                Stored_Total(nTeam, TOTALS_QUARTERBACKS, nSeason, 2));
    case 112:
        return Rounded_Quotient((S(8) + Q(8)) * 100, S(7) + Q(7));
    case 113:
        return Rounded_Quotient(S(11) * 10, S(10));
    case 131:
        // A quarterback's catches (one lined up as a receiver) are yards from scrimmage too.
        return S(8) + Q(8) + S(11) + Q(11);
    case 132:
        return S(12) + S(9) + Q(9);
    case 133:
        return Rounded_Quotient((S(8) + Q(8) + S(11) + Q(11)) * 10, Get_Team_Games_Played(nTeam));
    case 134:
        return Rounded_Quotient((S(8) + Q(8)) * 10, Get_Team_Games_Played(nTeam));
    case 135:
        return Rounded_Quotient(S(11) * 10, Get_Team_Games_Played(nTeam));
    case 143:
        return S(4) * 5;
    case 147:
        return S(2) + S(3);
    case 148:
        return std::min(Rounded_Quotient(S(10) * 1000, S(4)), 1000);
    case 153:
        return Rounded_Quotient(S(11) * 1000, S(10));
    default:
        // 107, 111 and 122-124 are league codes only; the rest are unknown.
        return 0;
    }
}

int64_t League_Sum(int nCategory, int nSeason, int nStat)
{
    int nTeams = Count_Teams();
    int64_t nSum = 0;
    for (int t = 0; t < nTeams; t++)
        nSum += Stored_Total(t, nCategory, nSeason, nStat);
    return nSum;
}

// Field goals made (odd stats 11-17) or tried (even stats 10-16) over the
// four distance bands.
int64_t League_Field_Goals(int nSeason, int nFirstStat)
{
    int64_t nSum = 0;
    for (int n = nFirstStat; n <= nFirstStat + 6; n += 2)
        nSum += League_Sum(TOTALS_KICKERS, nSeason, n);
    return nSum;
}

// The league codes; false for a code the league does not know.
bool Computed_League_Total(int nCategory, int nSeason, int nStat, int64_t* pValue)
{
    auto S = [&](int n) { return League_Sum(nCategory, nSeason, n); };
    switch (nStat) {
    case 101:
        *pValue = Rounded_Quotient(S(3) * 1000, S(2));
        return true;
    case 107:
        *pValue = nCategory == TOTALS_QUARTERBACKS ? Rounded_Quotient(S(4) * 1000, S(2)) : 0;
        return true;
    case 111:
        *pValue = nCategory == TOTALS_QUARTERBACKS ? Rounded_Quotient(S(14) * 1000, S(2) + S(14)) : 0;
        return true;
    case 112:
        *pValue = Rounded_Quotient(S(8) * 100, S(7));
        return true;
    case 113:
        *pValue = Rounded_Quotient(S(11) * 10, S(10));
        return true;
    case 122:
        *pValue = nCategory == TOTALS_KICKERS ? League_Field_Goals(nSeason, 11) : 0;
        return true;
    case 123:
        *pValue = nCategory == TOTALS_KICKERS ? League_Field_Goals(nSeason, 10) : 0;
        return true;
    case 124:
        *pValue = nCategory == TOTALS_KICKERS
                      ? Rounded_Quotient(League_Field_Goals(nSeason, 11) * 1000, League_Field_Goals(nSeason, 10))
                      : 0;
        return true;
    case 131:
        *pValue = S(11) + S(8);
        return true;
    case 132:
        *pValue = S(12) + S(9);
        return true;
    case 133:
        *pValue = Rounded_Quotient((S(11) + S(8)) * 10, Count_League_Games());
        return true;
    case 134:
        *pValue = Rounded_Quotient(S(8) * 10, Count_League_Games());
        return true;
    case 135:
        *pValue = Rounded_Quotient(S(11) * 10, Count_League_Games());
        return true;
    case 143:
        *pValue = S(4) * 5;
        return true;
    case 147:
        *pValue = S(2) + S(3);
        return true;
    case 148:
        *pValue = std::min(Rounded_Quotient(S(10) * 1000, S(4)), 1000);
        return true;
    case 153:
        *pValue = Rounded_Quotient(S(11) * 1000, S(10));
        return true;
    default:
        return false;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Financial stats

void Begin_Payroll_Memo()
{
    if (g_PayrollMemo.nDepth++ == 0)
        std::fill(std::begin(g_PayrollMemo.bKnown), std::end(g_PayrollMemo.bKnown), false);
}

void End_Payroll_Memo()
{
    if (g_PayrollMemo.nDepth > 0)
        --g_PayrollMemo.nDepth;
}

int Get_Team_Financial_Stat(int nTeam, int nStat)
{
    if (!Is_Financial_Team(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nStat);
        return 0;
    }
    if (!In_Range(nStat, 0, LAST_FINANCIAL_CODE)) {
        Report_Error("nStat out of bounds in %s(%d,[%d])", __func__, nTeam, nStat);
        return 0;
    }
    // Without owner mode the levels and the cash are the league standard, so
    // the money model runs without depending on the user's choices.
    if (League.Preferences.nInt[PREF_OWNER_MODE] != OWNER_MODE_ON) {
        switch (nStat) {
        case FINANCE_LOYALTY:
        case FINANCE_SCOUTING_LEVEL:
        case FINANCE_MEDICAL_LEVEL:
        case FINANCE_FOURTH_LEVEL:
            return FINANCE_LEVEL_STANDARD;
        case FINANCE_CASH:
            return Get_Inflated_Base_Amount();
        default:
            break;
        }
    }
    if (nTeam == ALL_TEAMS) {
        int nTeams = Count_Teams();
        if (nTeams <= 0)
            return 0;
        int64_t nSum = 0;
        for (int t = 0; t < nTeams; t++)
            nSum += Get_Team_Financial_Stat(t, nStat);
        return Clamp_To_Int(nSum / nTeams);
    }
    if (nTeam == NO_TEAM)
        return 0;
    if (nStat >= FIRST_COMPUTED_CODE)
        return Clamp_To_Int(Computed_Financial(nTeam, nStat));
    return League.Team[nTeam].nFinancialStat[nStat];
}

void Set_Team_Financial_Stat(int nTeam, int nStat, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_STORING_TEAM)) {
        Report_Error("nTeam out of bounds in %s(%d,%d,%d)", __func__, nTeam, nStat, nValue);
        return;
    }
    if (!In_Range(nStat, 0, FINANCIAL_STAT_COUNT - 1)) {
        Report_Error("nStat out of bounds in %s(%d,[%d],%d)", __func__, nTeam, nStat, nValue);
        return;
    }
    if (nStat == FINANCE_CASH)
        nValue = std::clamp(nValue, FINANCE_CASH_MINIMUM, FINANCE_CASH_MAXIMUM);
    League.Team[nTeam].nFinancialStat[nStat] = nValue;
}

int Get_Team_Financial_Stat_Rank(int nTeam, int nStat)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nStat);
        return 0;
    }
    if (!In_Range(nStat, 0, LAST_FINANCIAL_CODE)) {
        Report_Error("nStat out of bounds in %s(%d,[%d])", __func__, nTeam, nStat);
        return 0;
    }
    int nValue = Get_Team_Financial_Stat(nTeam, nStat);
    int nTeams = Count_Teams();
    int nGreater = 0;
    int nEqual = 1;   // this team itself
    for (int t = 0; t < nTeams; t++) {
        if (t == nTeam)
            continue;
        int nOther = Get_Team_Financial_Stat(t, nStat);
        if (nOther > nValue)
            nGreater++;
        else if (nOther == nValue)
            nEqual++;
    }
    return (2 * nGreater + nEqual) / 2;
}

void Clear_Previous_Financial_Stats(int nTeam)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_STORING_TEAM)) {
        Report_Error("nTeam out of bounds in %s", __func__);
        return;
    }
    for (int nCode : SEASON_RUNNING_CODES)
        League.Team[nTeam].nFinancialStat[nCode] = 0;
}

// ---------------------------------------------------------------------------
// Team totals

int Read_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat)
{
    constexpr const char* szFunction = "Get_Team_Totals_Stat";
    if (nTeam == NO_TEAM)
        return 0;
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d,%d)", szFunction, nTeam, nCategory, nSeason, nStat);
        return 0;
    }
    if (!In_Range(nCategory, 0, TEAM_TOTAL_CATEGORIES - 1)) {
        Report_Error("nCategory out of bounds in %s(%d,[%d],%d,%d)", szFunction, nTeam, nCategory, nSeason, nStat);
        return 0;
    }
    if (!In_Range(nSeason, 0, TEAM_TOTAL_SEASONS - 1)) {
        Report_Error("nSeason out of bounds in %s(%d,%d,[%d],%d)", szFunction, nTeam, nCategory, nSeason, nStat);
        return 0;
    }
    if (nStat < 0) {
        Report_Error("nStat out of bounds in %s(%d,%d,%d,[%d])", szFunction, nTeam, nCategory, nSeason, nStat);
        return 0;
    }
    if (nStat < STATS_PER_PERIOD)
        return League.Team[nTeam].nTotals[nCategory][nSeason][nStat];
    return Clamp_To_Int(Computed_Team_Total(nTeam, nCategory, nSeason, nStat));
}

void Store_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat, int nValue)
{
    constexpr const char* szFunction = "Set_Team_Totals_Stat";
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d,%d,%d)", szFunction, nTeam, nCategory, nSeason, nStat, nValue);
        return;
    }
    if (!In_Range(nCategory, 0, TEAM_TOTAL_CATEGORIES - 1)) {
        Report_Error("nCategory out of bounds in %s(%d,[%d],%d,%d,%d)", szFunction, nTeam, nCategory, nSeason, nStat, nValue);
        return;
    }
    if (!In_Range(nSeason, 0, TEAM_TOTAL_SEASONS - 1)) {
        Report_Error("nSeason out of bounds in %s(%d,%d,[%d],%d,%d)", szFunction, nTeam, nCategory, nSeason, nStat, nValue);
        return;
    }
    if (!In_Range(nStat, 0, STATS_PER_PERIOD - 1)) {
        Report_Error("nStat out of bounds in %s(%d,%d,%d,[%d],%d)", szFunction, nTeam, nCategory, nSeason, nStat, nValue);
        return;
    }
    League.Team[nTeam].nTotals[nCategory][nSeason][nStat] = nValue;
}

void Clear_Team_Totals(int nTeam)
{
    if (nTeam == NO_TEAM) {
        Report_Error("'NO_TEAM' passed to %s()", __func__);
        return;
    }
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s(%d)", __func__, nTeam);
        return;
    }
    memset(League.Team[nTeam].nTotals, 0, sizeof(League.Team[nTeam].nTotals));
}

void Clear_Team_Totals_Season(int nTeam)
{
    if (nTeam == NO_TEAM || !Check_Team_Index(__func__, nTeam))
        return;
    for (auto& Category : League.Team[nTeam].nTotals)
        for (int32_t& nValue : Category[TOTALS_THIS_SEASON])
            nValue = 0;
}

void Copy_Team_Totals_To_Last_Season(int nTeam)
{
    if (nTeam == NO_TEAM || !Check_Team_Index(__func__, nTeam))
        return;
    for (auto& Category : League.Team[nTeam].nTotals)
        for (int n = 0; n < STATS_PER_PERIOD; n++)
            Category[TOTALS_LAST_SEASON][n] = Category[TOTALS_THIS_SEASON][n];
}

int Get_League_Total(int nCategory, int nSeason, int nStat)
{
    if (!In_Range(nCategory, 0, TEAM_TOTAL_CATEGORIES - 1)) {
        Report_Error("nCategory out of bounds in %s([%d], %d, %d)", __func__, nCategory, nSeason, nStat);
        return 0;
    }
    if (!In_Range(nSeason, 0, TEAM_TOTAL_SEASONS - 1)) {
        Report_Error("nSeason out of bounds in %s(%d, [%d], %d)", __func__, nCategory, nSeason, nStat);
        return 0;
    }
    if (In_Range(nStat, 0, STATS_PER_PERIOD - 1))
        return Clamp_To_Int(League_Sum(nCategory, nSeason, nStat));
    int64_t nValue = 0;
    if (!Computed_League_Total(nCategory, nSeason, nStat, &nValue)) {
        Report_Error("Unrecognized nStat in %s(%d, %d, [%d])", __func__, nCategory, nSeason, nStat);
        return 0;
    }
    return Clamp_To_Int(nValue);
}

int Get_Team_Totals_Stat_Rank(int nTeam, int nCategory, int nStat)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d)", __func__, nTeam, nCategory, nStat);
        return 0;
    }
    if (!In_Range(nCategory, 0, TEAM_TOTAL_CATEGORIES - 1)) {
        Report_Error("nCategory out of bounds in %s(%d,[%d],%d)", __func__, nTeam, nCategory, nStat);
        return 0;
    }
    if (nStat < 0) {
        Report_Error("nStat out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nCategory, nStat);
        return 0;
    }
    int nValue = Get_Team_Totals_Stat(nTeam, nCategory, TOTALS_THIS_SEASON, nStat);
    int nTeams = Count_Teams();
    int nRank = 0;
    for (int t = 0; t < nTeams; t++)
        if (Get_Team_Totals_Stat(t, nCategory, TOTALS_THIS_SEASON, nStat) > nValue)
            nRank++;
    return nRank;
}

int Get_Team_Stored_Financial_Stat(int nTeam, int nStat)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nStat);
        return 0;
    }
    if (!In_Range(nStat, 0, FINANCIAL_STAT_COUNT - 1)) {
        Report_Error("nStat out of bounds in %s(%d,[%d])", __func__, nTeam, nStat);
        return 0;
    }
    return League.Team[nTeam].nFinancialStat[nStat];
}

int64_t Get_Team_Payroll_Without_Player(int nTeam, int nSlot)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM) {
        Report_Error("Bad address in %s(%d,%d)", __func__, nTeam, nSlot);
        return 0;
    }
    if (All_Slots_Payroll_Mode()) {
        int64_t nSum = 0;
        For_Each_Payroll_Player(nTeam, [&nSum, nTeam, nSlot](int t, int s) {
            if (t != nTeam || s != nSlot)
                nSum += Get_Player_Vital_Stat(t, s, VITAL_CAP_CHARGE);
        });
        return nSum;
    }
    return Roster_Payroll(nTeam, nSlot);
}
