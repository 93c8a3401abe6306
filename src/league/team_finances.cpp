// Team finances: prices, demand, franchise value, the money of games and
// weeks, the set-up of a new league's finances and the season's loyalty.
#include "league/team_finances.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "engine/stadium_score.h"
#include "frontoffice/contracts.h"
#include "league/cities.h"
#include "league/finance_basics.h"
#include "league/inflation.h"
#include "base/int_math.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "base/random.h"
#include "league/salary_cap.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_schedule.h"
#include "platform/errors.h"

namespace {

constexpr int OWNER_MODE_ON = 1;
constexpr int LAST_STORING_TEAM = FREE_AGENT_TEAM;   // financial stats are stored for 0-36

// Reference amounts at the 2023 money level.
constexpr int FAN_INCOME_REFERENCE = 112260;         // fan income of an average market
constexpr int CITY_INCOME_REFERENCE = 25000;         // dollars of per-capita income
constexpr int FRANCHISE_VALUE_BASE = 1573600;        // $K
constexpr int LEAGUE_PAYROLL_LEVEL = 146120000;      // dollars: below it a club's demand rises
constexpr int TICKET_BASE_PRICE = 5000;              // cents
constexpr int MEDICAL_BUDGET_BASE = 250000;          // dollars per game at level 1000
constexpr int SCOUTING_BUDGET_BASE = 120000;         // dollars per game at level 1000
constexpr int RICH_CASH = 100000000;                 // above it the fans expect less
constexpr int STADIUM_TYPE_PREMIUM = 2;              // stadium stat 1: earns 10% more
constexpr int STADIUM_STAT_TYPE = 1;

constexpr int POPULATION_BOOST = 3500000;
constexpr int RIVAL_DISTANCE = 2000;                 // |dx| + |dy| in thousandths of a degree
constexpr int RIVAL_SHARE = 500;
constexpr int LOYALTY_DRAW_RANGE = 1000;
constexpr int NO_SALE_RATIO = 1750;                  // price / reference per mille that sells nothing

constexpr int HOME_GATE_SHARE = 66;                  // per cent of the gate
constexpr int VISITOR_GATE_SHARE = 34;

constexpr int DIFFICULTY_MAXIMUM = 3;

// ---------------------------------------------------------------------------
// Arithmetic

// nearest(a x b / c): the product in 128 bits, rounded half away from zero
// (as Mul_Div_Rounded, without its cut to 32 bits, so that money figures
// combine before they are stored).
int64_t Nearest(int64_t a, int64_t b, int64_t c)
{
    return Divide_Rounded(static_cast<__int128>(a) * b, c);
}

int Inflation_Factor()
{
    return League.Universe.nStat[INFLATION_FACTOR];
}

int64_t Inflate(int64_t nAmount)
{
    return Nearest(nAmount, Inflation_Factor(), 1000);
}

// x cut down to a multiple of nStep (> 0).
int64_t Cut_To_Step(int64_t x, int64_t nStep)
{
    int64_t nRemainder = x % nStep;
    if (nRemainder < 0)
        nRemainder += nStep;
    return x - nRemainder;
}

// ---------------------------------------------------------------------------
// Reading and writing the financial stats

int64_t F(int nTeam, int nCode)
{
    return Get_Team_Financial_Stat(nTeam, nCode);
}

void Store(int nTeam, int nCode, int64_t nValue)
{
    Set_Team_Financial_Stat(nTeam, nCode, Clamp_To_Int(nValue));
}

void Add(int nTeam, int nCode, int64_t nAmount)
{
    Store(nTeam, nCode, F(nTeam, nCode) + nAmount);
}

bool Is_Owner_Mode()
{
    return League.Preferences.nInt[PREF_OWNER_MODE] == OWNER_MODE_ON;
}

bool Is_Human_Team(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES &&
           League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] == CONTROLLER_USER &&
           League.Preferences.nInt[PREF_ALL_COMPUTER_TEAMS] == 0;
}

// Preference 25, 0 (easiest) to 3; a damaged value is held to that range.
int Difficulty()
{
    return std::clamp(League.Preferences.nInt[PREF_DIFFICULTY], 0, DIFFICULTY_MAXIMUM);
}

int City_Income(int nTeam)
{
    return Get_Team_City_Stat(nTeam, CITY_STAT_INCOME);
}

bool Check_Team(const char* szFunction, int nTeam, int nLast)
{
    if (nTeam >= 0 && nTeam <= nLast)
        return true;
    Report_Error("nTeam out of bounds in %s([%d])", szFunction, nTeam);
    return false;
}

// The weeks of the regular season are over: past max(2, regular weeks).
bool Is_Past_Regular_Season()
{
    return Get_Current_Week() > std::max(2, Get_First_Playoff_Week());
}

// ---------------------------------------------------------------------------
// The demand figure's adjustments

// Rich clubs' fans expect less of them, clubs deep in debt are pitied.
int64_t Adjust_Demand_By_Cash(int64_t d, int nTeam)
{
    int64_t nCash = F(nTeam, FINANCE_CASH);
    int64_t B = Get_Inflated_Base_Amount();
    if (nCash > RICH_CASH)
        return Nearest(d, Nearest(RICH_CASH, 1000, nCash), 1000);
    if (nCash < -B)
        return Nearest(d, Nearest(nCash, 1000, -B), 1000);
    return d;
}

// A computer-run club with a payroll below the league level asks more.
int64_t Adjust_Demand_By_League_Level(int64_t d, int nTeam)
{
    int64_t L = Apply_Inflation(LEAGUE_PAYROLL_LEVEL) / 1000;
    int64_t nPayroll = F(nTeam, FINANCE_PAYROLL);
    if (nPayroll >= L || Is_Human_Team(nTeam))
        return d;
    return Nearest(d, Nearest(2 * L, 1000, L + nPayroll), 1000);
}

// Medical and scouting budgets of one game; with bLevels the levels too.
void Set_Team_Budgets(int nTeam, bool bLevels)
{
    int64_t nStep = Get_Price_Step(Inflation_Factor());
    int64_t nPayrollIndex = F(nTeam, FINANCE_PAYROLL_INDEX);
    int64_t nMedicalLevel = Nearest(nPayrollIndex + 2000, 1000, 3000);
    int64_t nValueIndex = F(nTeam, FINANCE_VALUE_INDEX);
    if (bLevels) {
        Store(nTeam, FINANCE_MEDICAL_LEVEL, nMedicalLevel);
        Store(nTeam, FINANCE_SCOUTING_LEVEL, nValueIndex);
    }
    Store(nTeam, FINANCE_MEDICAL_BUDGET, Cut_To_Step(Inflate(Nearest(nMedicalLevel, MEDICAL_BUDGET_BASE, 1000)), nStep));
    Store(nTeam, FINANCE_SCOUTING_BUDGET, Cut_To_Step(Inflate(Nearest(nValueIndex, SCOUTING_BUDGET_BASE, 1000)), nStep));
}

// Cash of a new franchise: half the base and 0.5% of its value.
void Set_Opening_Cash(int nTeam)
{
    Store(nTeam, FINANCE_CASH, Get_Inflated_Base_Amount() / 2 + 5 * F(nTeam, FINANCE_FRANCHISE_VALUE));
}

// ---------------------------------------------------------------------------
// One game

struct CONCESSION_ITEM {
    int nPriceCode;
    int nReferenceDivisor;   // of the reference price
    int nUnitCost;           // cents at the 2023 level
    int nGameCode;           // net of the latest game
    int nSeasonCode;         // net of the season
    int nUnitsPercent;       // of the units sold
};

// Each item is booked under its own price block.
constexpr CONCESSION_ITEM CONCESSION_ITEMS[] = {
    {FINANCE_BEVERAGE_PRICE, 5, 75, FINANCE_BEVERAGE_GAME, FINANCE_BEVERAGE_SEASON, 200},
    {FINANCE_FOOD_PRICE, 3, 125, FINANCE_FOOD_GAME, FINANCE_FOOD_SEASON, 100},
    {FINANCE_SOUVENIR_PRICE, 2, 250, FINANCE_SOUVENIR_GAME, FINANCE_SOUVENIR_SEASON, 100},
};

// One running expense of a team: the per-game figure, the season total and
// the cash carried through the game.
void Pay_Expense(int nTeam, int nGameCode, int nSeasonCode, int64_t nAmount, int64_t* pCash)
{
    if (nGameCode >= 0)
        Store(nTeam, nGameCode, nAmount);
    Add(nTeam, nSeasonCode, nAmount);
    *pCash -= nAmount;
}

// Level moved towards the budget's index: weights nKeep and 100 - nKeep.
void Smooth_Level(int nTeam, int nLevelCode, int64_t nBudget, int nBase, int nKeep)
{
    int64_t nIndex = Nearest(nBudget, 1000, Apply_Inflation(nBase));
    int64_t nLevel = (F(nTeam, nLevelCode) * nKeep + nIndex * (100 - nKeep) + 50) / 100;
    Store(nTeam, nLevelCode, nLevel);
}

bool Is_Game_Team(int nTeam)
{
    return Is_Team_Slot_Used(nTeam) != 0;
}

}  // namespace

// ---------------------------------------------------------------------------
// Price steps

int Get_Price_Step(int n)
{
    if (n > 1500)
        return 200;
    if (n > 750)
        return 100;
    if (n > 375)
        return 50;
    if (n > 150)
        return 25;
    if (n > 75)
        return 10;
    if (n > 35)
        return 5;
    if (n > 15)
        return 2;
    return 1;
}

int Round_To_Price_Step(int x)
{
    int64_t s = Get_Price_Step(Inflation_Factor());
    // A floored remainder, so that a negative amount rounds like a positive one.
    int64_t nRemainder = (s / 2 + x) % s;
    if (nRemainder < 0)
        nRemainder += s;
    return Clamp_To_Int(x + s / 2 - nRemainder);
}

// ---------------------------------------------------------------------------
// League figures

int Get_League_Finance_Index()
{
    if (!Is_Owner_Mode())
        return STANDARD_FINANCE_INDEX;
    int nIndex = 0;
    if (Count_Teams() > 0) {
        int64_t nAverageCash = F(ALL_TEAMS, FINANCE_CASH);
        nIndex = Clamp_To_Int(std::clamp<int64_t>(Nearest(nAverageCash, 1000, Get_Inflated_Base_Amount()),
                                                  FINANCE_INDEX_MINIMUM, FINANCE_INDEX_MAXIMUM));
    }
    Set_Universe_Stat(FINANCE_INDEX, nIndex);
    return nIndex;
}

int Get_Cached_Finance_Index()
{
    if (!Is_Owner_Mode())
        return STANDARD_FINANCE_INDEX;
    int nIndex = League.Universe.nStat[FINANCE_INDEX];
    if (nIndex >= FINANCE_INDEX_MINIMUM && nIndex <= FINANCE_INDEX_MAXIMUM)
        return nIndex;
    return Get_League_Finance_Index();
}

int Get_Per_Game_Base_Revenue()
{
    // A season without games (only a damaged file holds one) shares the whole
    // amount instead of dividing by zero.
    int nGames = Get_Games_Per_Season();
    int64_t nShare = nGames > 0 ? BASE_SALARY_CAP / nGames : BASE_SALARY_CAP;
    int64_t nAmount = Nearest(nShare + 370000, 1000, Get_Cached_Finance_Index());
    nAmount = Nearest(nAmount, 100 + static_cast<int64_t>(League.Universe.nStat[REVENUE_ADJUSTMENT]), 100);
    int nResult = Clamp_To_Int(Inflate(nAmount));
    Set_Universe_Stat(LEAGUE_PER_GAME_AMOUNT, nResult);
    return nResult;
}

// ---------------------------------------------------------------------------
// A team's market

int Compute_Team_Fan_Income(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_TEAM))
        return 0;
    int64_t m = (static_cast<int64_t>(Get_Team_City_Stat(nTeam, CITY_STAT_REGION_POPULATION)) +
                 Get_Team_City_Stat(nTeam, CITY_STAT_POPULATION) + POPULATION_BOOST) / 2;
    m = std::clamp<int64_t>(m, -1000000000, 1000000000);

    // Franchises in near cities share the market.
    int64_t nX = Get_Team_City_Stat(nTeam, CITY_STAT_LONGITUDE);
    int64_t nY = Get_Team_City_Stat(nTeam, CITY_STAT_LATITUDE);
    int64_t nShare = 0;
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; t++) {
        if (t == nTeam)
            continue;
        int64_t d = std::llabs(Get_Team_City_Stat(t, CITY_STAT_LONGITUDE) - nX) +
                    std::llabs(Get_Team_City_Stat(t, CITY_STAT_LATITUDE) - nY);
        if (d < RIVAL_DISTANCE)
            nShare += Nearest(RIVAL_DISTANCE - d, RIVAL_SHARE, RIVAL_DISTANCE);
    }
    int64_t c = Nearest(1500000, 1, 1500 + nShare);
    return Clamp_To_Int(Nearest(static_cast<int64_t>(Get_Rounded_Sqrt(static_cast<int>(m))) * 70, c, 1000));
}

int Compute_Team_Stadium_Income(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_TEAM))
        return 0;
    int64_t d = Nearest(City_Income(nTeam), 10000, CITY_INCOME_REFERENCE);
    d = Nearest(d, F(nTeam, FINANCE_LOYALTY), 1000);
    if (Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_TYPE) == STADIUM_TYPE_PREMIUM)
        d = Nearest(d, 1100, 1000);
    if (Is_Human_Team(nTeam))
        d = Nearest(d, (11 - Difficulty()) * 100, 1000);
    d = Adjust_Demand_By_Cash(d, nTeam);
    d = Adjust_Demand_By_League_Level(d, nTeam);
    d = Nearest(d, 1000, Get_Cached_Finance_Index());
    d = Nearest(d, static_cast<int64_t>(League.Universe.nStat[REVENUE_ADJUSTMENT]) + 100, 100);
    d = Inflate(d);
    return Clamp_To_Int(std::max<int64_t>(1, d));
}

int Compute_Franchise_Value(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_TEAM))
        return 0;
    int64_t a = Nearest(Compute_Team_Fan_Income(nTeam), 1000, FAN_INCOME_REFERENCE);
    int64_t b = Nearest(City_Income(nTeam), 1000, CITY_INCOME_REFERENCE);
    int64_t L = F(nTeam, FINANCE_LOYALTY);
    int64_t s = Get_Team_Stadium_Score(nTeam);
    int64_t v = Nearest(a + 500, FRANCHISE_VALUE_BASE, 1500);
    v = Nearest(v, b + 500, 1500);
    v = Nearest(v, L, 1000);
    v = Nearest(v, s + 500, 1500);
    if (Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_TYPE) == STADIUM_TYPE_PREMIUM)
        v = Nearest(v, 1100, 1000);
    int nValue = Clamp_To_Int(Inflate(v + Get_Team_Contract_Total(nTeam) / 1000));
    if (nTeam <= LAST_STORING_TEAM)
        Set_Team_Financial_Stat(nTeam, FINANCE_FRANCHISE_VALUE, nValue);
    return nValue;
}

int Get_Team_Owner_Dividends(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_TEAM))
        return 0;
    int64_t V = Compute_Franchise_Value(nTeam);
    int64_t nBase = Apply_Inflation(FRANCHISE_VALUE_BASE);
    int64_t nCash = F(nTeam, FINANCE_CASH);
    int64_t B = Get_Inflated_Base_Amount();
    int nGames = Get_Games_Per_Season();
    // A season without games pays nothing per game.
    if (nGames <= 0)
        return 0;
    int64_t nAmount = (20 * V + 30 * nBase) / nGames;
    if (nCash < B) {
        int64_t f = std::max<int64_t>(0, Nearest(nCash + B, 900, 2 * B)) + 100;
        if (Is_Human_Team(nTeam)) {
            int nDifficulty = Difficulty();
            f = (nDifficulty * 1000 + (3 - nDifficulty) * f) / 3;
        }
        nAmount = Nearest(nAmount, f, 1000);
    }
    // Cash above 2% of the value is paid out in proportion; a worthless
    // franchise (value 0) pays nothing, as the zero divisor gives 0. A
    // negative value (a damaged record) has no such mark: it would turn the
    // dividends into payments to the club.
    if (V >= 0 && nCash > 20 * V)
        nAmount = Nearest(nAmount, Nearest(nCash, 1000, 20 * V), 1000);
    return Clamp_To_Int(nAmount);
}

int Get_Team_Payroll_Budget(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_TEAM))
        return 0;
    int64_t nRevenue = F(nTeam, FINANCE_PROJECTED_REVENUE);
    int64_t nCash = F(nTeam, FINANCE_CASH);
    return Clamp_To_Int((nRevenue + Apply_Inflation(BASE_SALARY_CAP)) / 2 + (nCash - Get_Inflated_Base_Amount()) / 4);
}

// ---------------------------------------------------------------------------
// Set-up and prices

void Init_Team_Budgets(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_STORING_TEAM))
        return;
    Set_Team_Budgets(nTeam, true);
}

void Init_Team_Stadium_Finances(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_STORING_TEAM))
        return;
    Compute_Franchise_Value(nTeam);
    Set_Team_Budgets(nTeam, true);
    Store(nTeam, FINANCE_DIVIDENDS_GAME, Get_Team_Owner_Dividends(nTeam));
    Set_Opening_Cash(nTeam);
}

void Init_All_Team_Finances()
{
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; t++) {
        Compute_Franchise_Value(t);
        Set_Team_Budgets(t, true);
        Store(t, FINANCE_DIVIDENDS_GAME, Get_Team_Owner_Dividends(t));
        Set_Opening_Cash(t);
    }
    for (int t = 0; t < nTeams; t++)
        Update_Team_Ticket_Finances(t);
    for (int t = 0; t < nTeams; t++)
        Project_Team_Season_Finances(t);

    // Bonus points: a handicap by the root of the franchise value, 100 for
    // the poorest franchise down to -100 for the richest.
    int nRoot[MAX_FRANCHISES] = {};
    int nMinimum = std::numeric_limits<int>::max();
    int nMaximum = std::numeric_limits<int>::min();
    for (int t = 0; t < nTeams; t++) {
        nRoot[t] = Get_Rounded_Sqrt(Get_Team_Financial_Stat(t, FINANCE_FRANCHISE_VALUE));
        nMinimum = std::min(nMinimum, nRoot[t]);
        nMaximum = std::max(nMaximum, nRoot[t]);
    }
    for (int t = 0; t < nTeams; t++)
        Store(t, FINANCE_BONUS_POINTS,
              100 - Nearest(static_cast<int64_t>(nRoot[t]) - nMinimum, 200, static_cast<int64_t>(nMaximum) - nMinimum));
}

void Update_Team_Ticket_Finances(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_STORING_TEAM))
        return;
    int64_t c = F(nTeam, FINANCE_CASH_INDEX);
    int64_t d = Compute_Team_Stadium_Income(nTeam);
    int64_t nBase = Apply_Inflation(TICKET_BASE_PRICE);
    // A club short of cash asks more.
    if (c < 1000)
        d = Nearest(11000 - c, d, 10000);
    int64_t p = Nearest(d, 500, 1000);
    if (p < nBase)
        p = (p + 4 * nBase) / 5;
    p = std::max(nBase / 2, p);
    Store(nTeam, FINANCE_TICKET_PRICE, Cut_To_Step(p, Get_Price_Step(Inflation_Factor())));

    int64_t q = Nearest(p, 1000, TICKET_BASE_PRICE);
    int64_t nStep = Get_Price_Step(Inflation_Factor() / 4);
    Store(nTeam, FINANCE_BEVERAGE_PRICE, Cut_To_Step(Nearest(q, 600, 1000), nStep));
    Store(nTeam, FINANCE_FOOD_PRICE, Cut_To_Step(Nearest(q, 750, 1000), nStep));
    Store(nTeam, FINANCE_SOUVENIR_PRICE, Cut_To_Step(q, nStep));

    Set_Team_Budgets(nTeam, false);
}

void Update_Computer_Team_Ticket_Finances(int bComputerOnly)
{
    if (League.Preferences.nInt[PREF_COMMISSIONER_MODE] != 0)
        return;
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; t++)
        if (!bComputerOnly || !Is_Human_Team(t))
            Update_Team_Ticket_Finances(t);
}

void Project_Team_Season_Finances(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_STORING_TEAM))
        return;
    int64_t g = Get_Games_Per_Season();
    int64_t nPrice = F(nTeam, FINANCE_TICKET_PRICE);
    nPrice = Round_To_Price_Step(Clamp_To_Int(nPrice - nPrice / 33));

    int64_t nCapacity = Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY);
    int64_t nCrowd = std::min(nCapacity, Nearest(F(nTeam, FINANCE_LOYALTY) / 5 + 740, nCapacity, 1000));
    int64_t nAttendance = nCrowd * (g / 2);
    Store(nTeam, FINANCE_HOME_ATTENDANCE_LAST, nAttendance);
    int64_t nTickets = Nearest(nAttendance, nPrice, 100);
    Store(nTeam, FINANCE_TICKETS_LAST, nTickets);

    int64_t nBase = Apply_Inflation(TICKET_BASE_PRICE);
    int64_t t = Nearest(nTickets, 25, 100);
    int64_t nTotal = Nearest(t, nBase + Compute_Team_Stadium_Income(nTeam) / 2, 2 * nBase);
    Store(nTeam, FINANCE_FOOD_LAST, Nearest(nTotal, 35, 100));
    Store(nTeam, FINANCE_BEVERAGE_LAST, Nearest(nTotal, 45, 100));
    Store(nTeam, FINANCE_SOUVENIR_LAST, Nearest(nTotal, 20, 100));

    Store(nTeam, FINANCE_BROADCAST_LAST, League.Universe.nStat[LEAGUE_PER_GAME_AMOUNT] * g);
    Store(nTeam, FINANCE_SALARIES_LAST, Get_Team_Per_Game_Payroll(nTeam) * g);
    Store(nTeam, FINANCE_DIVIDENDS_LAST, F(nTeam, FINANCE_DIVIDENDS_GAME) * g);
    Store(nTeam, FINANCE_OPERATING_LAST, 2 * g * City_Income(nTeam));
    Store(nTeam, FINANCE_SCOUTING_LAST, F(nTeam, FINANCE_SCOUTING_BUDGET) * g);
    Store(nTeam, FINANCE_MEDICAL_LAST, F(nTeam, FINANCE_MEDICAL_BUDGET) * g);
    Store(nTeam, FINANCE_HOME_GAMES_LAST, g / 2);
    Store(nTeam, FINANCE_GAMES_LAST, g);
}

// ---------------------------------------------------------------------------
// The season

void Update_Team_Preseason_Finances()
{
    if (Is_Past_Regular_Season())
        return;
    int nAmount = League.Universe.nStat[LEAGUE_PER_GAME_AMOUNT];
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; t++) {
        Store(t, FINANCE_WEEK_BROADCAST, nAmount);
        Add(t, FINANCE_BROADCAST, nAmount);
        Add(t, FINANCE_CASH, nAmount);
    }
}

int Compute_Game_Concessions(int nHome, int nGame)
{
    if (!Is_Game_Team(nHome)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nHome, nGame);
        return 0;
    }
    if (nGame < 0 || nGame >= NUMBER_OF_GAMES) {
        Report_Error("nGame out of bounds in %s(%d,[%d])", __func__, nHome, nGame);
        return 0;
    }
    int64_t A = League.Game[nGame].nAttendance;
    int64_t nCost[3];
    for (int i = 0; i < 3; i++)
        nCost[i] = Apply_Inflation(CONCESSION_ITEMS[i].nUnitCost);
    int u = Get_Random_Below(LOYALTY_DRAW_RANGE);
    int64_t D = Compute_Team_Stadium_Income(nHome);
    int64_t nReference = std::max(D / 10, D - F(nHome, FINANCE_TICKET_PRICE) / 2);
    int64_t nIncome = City_Income(nHome);
    int64_t nPenalty = 0;
    int64_t nNetTotal = 0;
    for (int i = 0; i < 3; i++) {
        const CONCESSION_ITEM& Item = CONCESSION_ITEMS[i];
        int64_t nPrice = F(nHome, Item.nPriceCode);
        int64_t nItemReference = nReference / Item.nReferenceDivisor;
        // Fans who accept no price at all buy nothing that costs something;
        // only a free item goes to everyone.
        int64_t r = nItemReference <= 0 && nPrice > 0 ? NO_SALE_RATIO : Nearest(nPrice, 1000, nItemReference);
        // A quarter of the crowd buys at 75% of the reference price; the
        // slope flattens above it and nobody buys at 175% or more.
        int64_t q = r < 750 ? Nearest(1000 - r, A, 1000) : Nearest(1750 - r, A / 4, 1000);
        if (r > 500)
            nPenalty += r / 10;
        q = std::max<int64_t>(0, q);
        q = Nearest(q, Item.nUnitsPercent, 100);
        int64_t nGross = Nearest(q, nPrice, 100);
        int64_t nUnitCost = Nearest(nCost[i], nIncome, CITY_INCOME_REFERENCE);
        int64_t nNet = nGross - Nearest(q, nUnitCost, 100);
        Store(nHome, Item.nGameCode, nNet);
        Add(nHome, Item.nSeasonCode, nNet);
        nNetTotal += nNet;
    }
    // Prices far above what the fans think fair cost some goodwill.
    if (u < nPenalty)
        Store(nHome, FINANCE_LOYALTY, std::max<int64_t>(FAN_LOYALTY_MINIMUM, F(nHome, FINANCE_LOYALTY) - 1));
    return Clamp_To_Int(nNetTotal);
}

void Update_Team_Fan_Loyalty(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_STORING_TEAM))
        return;
    int64_t r = Nearest(F(nTeam, FINANCE_TICKET_PRICE), 1000, Apply_Inflation(TICKET_BASE_PRICE));
    int64_t i = Nearest(City_Income(nTeam), 1000, CITY_INCOME_REFERENCE);
    int64_t t = Nearest(r, 1000, i);
    int64_t p = 1000 - t;
    int u = Get_Random_Below(LOYALTY_DRAW_RANGE);
    int64_t L = F(nTeam, FINANCE_LOYALTY);
    // The end of the season brings a drift past the limits back.
    if (p >= 0 && u < p)
        Store(nTeam, FINANCE_LOYALTY, L + 1);
    else if (p < 0 && u < -p)
        Store(nTeam, FINANCE_LOYALTY, L - 1);
}

void Compute_Game_Day_Finances(int nGame)
{
    if (nGame < 0 || nGame >= NUMBER_OF_GAMES) {
        Report_Error("nGame out of bounds in %s([%d])", __func__, nGame);
        return;
    }
    const GAME& Game = League.Game[nGame];
    int H = Game.nHomeTeam;
    int V = Game.nAwayTeam;
    if (!Is_Game_Team(H) || !Is_Game_Team(V) || H == V) {
        Report_Error("Bad teams %d,%d in %s(%d)", V, H, __func__, nGame);
        return;
    }
    int64_t A = Game.nAttendance;
    bool bLate = Is_Past_Regular_Season();

    Store(H, FINANCE_GAME_ATTENDANCE, A);
    Add(H, FINANCE_HOME_ATTENDANCE, A);
    Add(V, FINANCE_ROAD_ATTENDANCE, A);

    // The cash is carried through the game and stored once at its end, so
    // the demand figure and the dividends below see the cash before it.
    int64_t nCashH = F(H, FINANCE_CASH);
    int64_t nCashV = F(V, FINANCE_CASH);

    int64_t nGate = Nearest(F(H, FINANCE_TICKET_PRICE), A, 100);
    if (bLate)
        nGate *= 2;
    Store(H, FINANCE_GAME_GATE, nGate);
    int64_t nHomeGate = Nearest(nGate, HOME_GATE_SHARE, 100);
    int64_t nVisitorGate = Nearest(nGate, VISITOR_GATE_SHARE, 100);
    Add(H, FINANCE_TICKETS, nHomeGate);
    nCashH += nHomeGate;
    Add(V, FINANCE_TICKETS, nVisitorGate);
    nCashV += nVisitorGate;

    nCashH += Compute_Game_Concessions(H, nGame);
    Update_Team_Fan_Loyalty(H);

    const int nTeam[2] = {V, H};
    int64_t* pCash[2] = {&nCashV, &nCashH};
    for (int i = 0; i < 2; i++)
        Pay_Expense(nTeam[i], FINANCE_OPERATING_GAME, FINANCE_OPERATING_SEASON, Get_Stadium_Scaled_Amount(nTeam[i]),
                    pCash[i]);

    // Late playoff games are extra: the season's salaries, dividends and
    // budgets are paid by then.
    if (!bLate) {
        for (int i = 0; i < 2; i++)
            Pay_Expense(nTeam[i], FINANCE_SALARIES_GAME, FINANCE_SALARIES_SEASON,
                        Get_Team_Per_Game_Payroll(nTeam[i]), pCash[i]);
        for (int i = 0; i < 2; i++)
            Pay_Expense(nTeam[i], FINANCE_DIVIDENDS_GAME, FINANCE_DIVIDENDS_SEASON,
                        Get_Team_Owner_Dividends(nTeam[i]), pCash[i]);
        for (int i = 0; i < 2; i++) {
            int64_t m = F(nTeam[i], FINANCE_MEDICAL_BUDGET);
            Pay_Expense(nTeam[i], -1, FINANCE_MEDICAL_SEASON, m, pCash[i]);
            Smooth_Level(nTeam[i], FINANCE_MEDICAL_LEVEL, m, MEDICAL_BUDGET_BASE, 93);
        }
        for (int i = 0; i < 2; i++) {
            int64_t s = F(nTeam[i], FINANCE_SCOUTING_BUDGET);
            Pay_Expense(nTeam[i], -1, FINANCE_SCOUTING_SEASON, s, pCash[i]);
            Smooth_Level(nTeam[i], FINANCE_SCOUTING_LEVEL, s, SCOUTING_BUDGET_BASE, 90);
        }
    }

    Store(V, FINANCE_CASH, std::clamp<int64_t>(nCashV, FINANCE_CASH_MINIMUM, FINANCE_CASH_MAXIMUM));
    Store(H, FINANCE_CASH, std::clamp<int64_t>(nCashH, FINANCE_CASH_MINIMUM, FINANCE_CASH_MAXIMUM));
    Add(H, FINANCE_HOME_GAMES, 1);
    Add(V, FINANCE_GAMES, 1);
    Add(H, FINANCE_GAMES, 1);
}

void Update_Team_Season_Finances(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_STORING_TEAM))
        return;
    int64_t g = Get_Games_Per_Season();
    int64_t P = Get_Team_Current_Yearly_Char(nTeam, YEARLY_PLAYOFF_WINS);
    int64_t W = Get_Team_Current_Yearly_Char(nTeam, YEARLY_WINS);
    int64_t nFinish = Get_Team_Yearly_Int(nTeam, League.Preferences.nInt[PREF_SEASON_INDEX], YEARLY_INT_FINISH);

    int64_t a = Nearest(P * 1000, 1000, 366);
    int64_t nPlayoffPart = Nearest(a, 30, 1000);
    // A season without games (a damaged file) gives the wins no weight.
    int64_t w = Nearest(W * 10, 1000, g * 10 / 2);
    int64_t nWinsPart = Nearest(w, 840, 1000);
    int64_t y = Nearest(nFinish * 10, 1000, 26);
    int64_t nFinishPart = Nearest(y, 130, 1000);

    int64_t nTarget = std::clamp<int64_t>(nPlayoffPart + nFinishPart + nWinsPart, 571, 1750);
    int64_t nLoyalty = Nearest(nTarget, 250, 1000) + Nearest(F(nTeam, FINANCE_LOYALTY), 750, 1000);
    Store(nTeam, FINANCE_LOYALTY, std::clamp<int64_t>(nLoyalty, FAN_LOYALTY_MINIMUM, FAN_LOYALTY_MAXIMUM));
}

int Record_Team_Division_Finish(int nTeam)
{
    if (!Check_Team(__func__, nTeam, LAST_TEAM))
        return 0;
    // A club added after the season was played has no finish in it.
    if (Sat_Out_Regular_Season(nTeam))
        return 0;
    int nPlace = Get_Team_Division_Place(nTeam);
    if (nPlace >= 0)
        Set_Team_Record_Char(nTeam, YEARLY_DIVISION_PLACE, nPlace);
    int nCode;
    switch (nPlace) {
    case 0:
        nCode = 5;
        break;
    case 1:
        nCode = 3;
        break;
    case 2:
        nCode = 2;
        break;
    case 3:
        nCode = 1;
        break;
    default:
        nCode = 0;
        break;
    }
    // The highest slot a club reached is the round it went out in (or is
    // still playing). Only the conference final, the final and the title
    // have codes of their own; a club out before its conference final keeps
    // how it got in, the division's first place (5) or a wild card (4),
    // whatever slot the seeding gave it or the round it lost in.
    int nSlot = Get_Team_Playoff_Slot(nTeam);
    if (nSlot >= 0 && nPlace != 0)
        nCode = 4;
    if (nSlot == PLAYOFF_CHAMPION_SLOT)
        nCode = 8;
    else if (nSlot >= 28 && nSlot <= 29)
        nCode = 7;
    else if (nSlot >= 24 && nSlot <= 27)
        nCode = 6;
    return nCode;
}
