// Team finances: every expected value below is worked out by hand from the
// formulas (the arithmetic is in the comments).
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "engine/stadium_score.h"
#include "league/cities.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "base/random.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "test_support.h"

namespace {

class TeamFinancesTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Clear_League_Data();
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2019);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        Set_Universe_Stat(GAMES_PER_SEASON, 16);
        League.StandingsArea.nPlayoffDay[0] = 17;   // regular-season weeks
        Set_User_Preference(PREF_CURRENT_WEEK, 3);
        // Two cities alike but far apart: no shared market.
        Make_City(0, "Alpha", 114000, 42000);
        Make_City(1, "Beta", 80000, 40000);
        Make_Team(0, 0, 0);
        Make_Team(1, 1, 4);
        Count_Teams();
        Errors_Reported();
    }

    static void Make_City(int nCity, const char* szName, int nLongitude, int nLatitude)
    {
        Set_City_Name(nCity, szName);
        Set_City_Index_Stat(nCity, CITY_STAT_POPULATION, 1000000);
        Set_City_Index_Stat(nCity, CITY_STAT_REGION_POPULATION, 2500000);
        Set_City_Index_Stat(nCity, CITY_STAT_INCOME, 25000);
        Set_City_Index_Stat(nCity, CITY_STAT_LONGITUDE, nLongitude);
        Set_City_Index_Stat(nCity, CITY_STAT_LATITUDE, nLatitude);
    }

    static void Make_Team(int nTeam, int nCity, int nDivision)
    {
        Set_Team_Stat(nTeam, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nDivision);
        Set_Team_Stat(nTeam, TEAM_STAT_CITY, nCity);
        Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY, 60000);
        for (int n = 5; n <= 7; n++)
            Set_Team_Stadium_Stat(nTeam, n, 1000);
    }

    static void Owner_Mode() { Set_User_Preference(PREF_OWNER_MODE, 1); }

    static int Stored(int nTeam, int nCode) { return League.Team[nTeam].nFinancialStat[nCode]; }
    static void Expect_Stored(int nTeam, std::initializer_list<std::pair<int, int>> Codes)
    {
        for (auto [nCode, nValue] : Codes)
            EXPECT_EQ(Stored(nTeam, nCode), nValue) << "team " << nTeam << " code " << nCode;
    }
};

TEST_F(TeamFinancesTest, FanIncomeAndFranchiseValue)
{
    // m = (2,500,000 + 1,000,000 + 3,500,000) / 2 = 3,500,000; root 1,870.8 -> 1,871;
    // no near rival: 1,871 x 70 = 130,970.
    EXPECT_EQ(Compute_Team_Fan_Income(0), 130970);

    // a = nearest(130,970,000 / 112,260) = 1,167; v = nearest(1,667 x 1,573,600 / 1500)
    // = 1,748,794; b, loyalty and stadium factors are all neutral.
    EXPECT_EQ(Compute_Franchise_Value(0), 1748794);

    // Owner mode reads the stored loyalty: 1,748,794 x 1.2 = 2,098,552.8.
    Owner_Mode();
    Set_Team_Financial_Stat(0, FINANCE_LOYALTY, 1200);
    EXPECT_EQ(Compute_Franchise_Value(0), 2098553);

    // A rival 1,000 away (|dx| 500 + |dy| 500): share nearest(1000 x 500 / 2000) = 250;
    // c = nearest(1,500,000 / 1750) = 857; 130,970 x 857 / 1000 = 112,241.29.
    Set_City_Index_Stat(1, CITY_STAT_LONGITUDE, 114500);
    Set_City_Index_Stat(1, CITY_STAT_LATITUDE, 42500);
    EXPECT_EQ(Compute_Team_Fan_Income(0), 112241);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinancesTest, TicketDemandFigure)
{
    // d = 25,000 x 10,000 / 25,000 = 10,000; a computer team with no payroll
    // doubles it (F = 2 x 146,120 x 1000 / 146,120 = 2000).
    EXPECT_EQ(Compute_Team_Stadium_Income(0), 20000);

    // Owner mode: cash 200,000,000 -> F = 1e11 / 2e8 = 500 -> 5,000, then x 2.
    Owner_Mode();
    Set_Universe_Stat(FINANCE_INDEX, 1000);
    Set_Team_Financial_Stat(0, FINANCE_LOYALTY, 1000);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 200000000);
    EXPECT_EQ(Compute_Team_Stadium_Income(0), 10000);
    // Cash of -2 x the base (-56,200,000): F = 2000 -> 20,000, then x 2.
    Set_Team_Financial_Stat(0, FINANCE_CASH, -56200000);
    EXPECT_EQ(Compute_Team_Stadium_Income(0), 40000);

    // Never below 1, even with a negative income.
    Set_City_Index_Stat(0, CITY_STAT_INCOME, -50000);
    EXPECT_EQ(Compute_Team_Stadium_Income(0), 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinancesTest, TicketAndConcessionPrices)
{
    // Income 31,337: d = 12,535 (12,534.8), x 2 = 25,070; p = 12,535 -> 12,500.
    // q = 12,535 x 1000 / 5000 = 2,507 -> 1,504 -> 1,500 (step 25); 1,880 -> 1,875;
    // 2,507 -> 2,500.
    Set_City_Index_Stat(0, CITY_STAT_INCOME, 31337);
    Update_Team_Ticket_Finances(0);
    Expect_Stored(0, {{FINANCE_TICKET_PRICE, 12500}, {FINANCE_BEVERAGE_PRICE, 1500}, {FINANCE_FOOD_PRICE, 1875},
                      {FINANCE_SOUVENIR_PRICE, 2500}});

    // A poor market for a human club at half the base cash (index 500),
    // difficulty 1: d = 3,200 -> (11,000 - 500) x 3,200 / 10,000 = 3,360;
    // p = 1,680 is below the base 5,000:
    Owner_Mode();
    Set_Universe_Stat(FINANCE_INDEX, 1000);
    Set_User_Preference(PREF_DIFFICULTY, 1);
    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_Financial_Stat(0, FINANCE_LOYALTY, 1000);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 14050000);
    // (1,680 + 20,000) / 5 = 4,336 -> 4,300; q = 867 -> 520 -> 500; 650; 867 -> 850.
    Set_City_Index_Stat(0, CITY_STAT_INCOME, 8000);
    Update_Team_Ticket_Finances(0);
    Expect_Stored(0, {{FINANCE_TICKET_PRICE, 4300}, {FINANCE_BEVERAGE_PRICE, 500}, {FINANCE_FOOD_PRICE, 650},
                      {FINANCE_SOUVENIR_PRICE, 850}});
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinancesTest, OwnerDividends)
{
    // V = 1,748,794; (20 V + 30 x 1,573,600) / 16 = 82,183,880 / 16 = 5,136,492.
    // Owner mode off: the cash reads as the base, so nothing is cut.
    EXPECT_EQ(Get_Team_Owner_Dividends(0), 5136492);

    Owner_Mode();
    Set_Team_Financial_Stat(0, FINANCE_LOYALTY, 1000);
    // Cash B / 2: f = nearest(42,150,000 x 900 / 56,200,000) + 100 = 775.
    Set_Team_Financial_Stat(0, FINANCE_CASH, 14050000);
    EXPECT_EQ(Get_Team_Owner_Dividends(0), 3980781);

    // Loyalty 0 makes the franchise worthless (V = 0): (30 x 1,573,600) / 16
    // = 2,950,500. Cash 0 is not above 20 V: f = 450 + 100, 1,622,775.
    // Any cash above it divides by the zero mark, which gives 0.
    Set_Team_Financial_Stat(0, FINANCE_LOYALTY, 0);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 0);
    EXPECT_EQ(Get_Team_Owner_Dividends(0), 1622775);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 1000);
    EXPECT_EQ(Get_Team_Owner_Dividends(0), 0);

    // No games in the season: nothing per game, and no division by zero.
    Set_Universe_Stat(GAMES_PER_SEASON, 0);
    EXPECT_EQ(Get_Team_Owner_Dividends(0), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinancesTest, NewLeagueFinances)
{
    Set_Universe_Stat(LEAGUE_PER_GAME_AMOUNT, 14420000);
    Set_Team_Stadium_Stat(1, 1, 2);   // team 1: a premium stadium
    Init_All_Team_Finances();

    EXPECT_EQ(Stored(1, FINANCE_FRANCHISE_VALUE), 1923673);
    // Levels: medical nearest(2000 x 1000 / 3000) = 667 -> 166,750 -> 166,700; scouting
    // = value index nearest(1,748,794,000 / 2,360,400) = 741 -> 88,920 cut to 100s.
    // Cash: 28,100,000 / 2 + 5 x 1,748,794.
    Expect_Stored(0, {{FINANCE_MEDICAL_LEVEL, 667}, {FINANCE_SCOUTING_LEVEL, 741}, {FINANCE_MEDICAL_BUDGET, 166700},
                      {FINANCE_SCOUTING_BUDGET, 88900}, {FINANCE_CASH, 22793970}, {FINANCE_TICKET_PRICE, 10000}});

    // Projection: price 10,000 - 303 = 9,697 -> 9,700; crowd
    // min(60,000, 940 x 60) = 56,400, x 8 home games = 451,200.
    // Concessions t = 10,941,600; total = t x 15,000 / 10,000 = 16,412,400; food 35 %.
    Expect_Stored(0, {{FINANCE_HOME_ATTENDANCE_LAST, 451200}, {FINANCE_TICKETS_LAST, 43766400},
                      {FINANCE_FOOD_LAST, 5744340}, {FINANCE_DIVIDENDS_LAST, 82183872}, {FINANCE_GAMES_LAST, 16}});

    // Bonus points: roots 1,322 and 1,387: the poorer gets 100, the richer -100.
    EXPECT_EQ(Stored(0, FINANCE_BONUS_POINTS), 100);
    EXPECT_EQ(Stored(1, FINANCE_BONUS_POINTS), -100);
    // Equal roots: everyone gets 100 (no division by the zero spread).
    Set_Team_Stadium_Stat(1, 1, 0);
    Init_All_Team_Finances();
    EXPECT_EQ(Stored(0, FINANCE_BONUS_POINTS), 100);
    EXPECT_EQ(Stored(1, FINANCE_BONUS_POINTS), 100);

    // A season without games projects nothing and divides by nothing.
    Set_Universe_Stat(GAMES_PER_SEASON, 0);
    Project_Team_Season_Finances(0);
    Expect_Stored(0, {{FINANCE_HOME_ATTENDANCE_LAST, 0}, {FINANCE_GAMES_LAST, 0}});
    EXPECT_EQ(Errors_Reported(), 0);
}

class TeamFinancesGameDayTest : public TeamFinancesTest {
protected:
    void SetUp() override
    {
        TeamFinancesTest::SetUp();
        GAME& Game = League.Game[0];
        Game.nAwayTeam = 1;
        Game.nHomeTeam = 0;
        Game.nAttendance = 60000;
        Set_Team_Financial_Stat(0, FINANCE_TICKET_PRICE, 9000);
        Set_Team_Financial_Stat(0, FINANCE_BEVERAGE_PRICE, 1200);
        Set_Team_Financial_Stat(0, FINANCE_FOOD_PRICE, 1500);
        Set_Team_Financial_Stat(0, FINANCE_SOUVENIR_PRICE, 2000);
        for (int t = 0; t < 2; t++) {
            Set_Team_Financial_Stat(t, FINANCE_MEDICAL_BUDGET, 100000);
            Set_Team_Financial_Stat(t, FINANCE_SCOUTING_BUDGET, 50000);
        }
    }

    // The two draws the game's money makes (concessions, then loyalty).
    static void Predict_Draws(uint32_t nSeed, int* pConcessions, int* pLoyalty)
    {
        Seed_Random_Numbers(nSeed);
        *pConcessions = static_cast<int>(Random_Word_To_Fraction(Generate_Random_Number()) * 1000);
        *pLoyalty = static_cast<int>(Random_Word_To_Fraction(Generate_Random_Number()) * 1000);
        Seed_Random_Numbers(nSeed);
    }
};

TEST_F(TeamFinancesGameDayTest, RegularSeasonGame)
{
    int u1, u2;
    Predict_Draws(12345, &u1, &u2);
    Compute_Game_Day_Finances(0);
    // Gate 9,000 x 60,000 / 100 = 5,400,000: 66% (3,564,000) and 34% (1,836,000).

    // Concessions: demand 20,000, ref = max(2,000, 20,000 - 4,500) = 15,500.
    // Item priced by code 27: ref 3,100, r = 387, q = 613 x 60 = 36,780, doubled
    // 73,560; 882,720 - 55,170 = 827,550. Code 20: ref 5,166, r = 290, q = 42,600;
    // 639,000 - 53,250 = 585,750. Code 34: ref 7,750, r = 258, q = 44,520;
    // 890,400 - 111,300 = 779,100. Each under its own block.
    Expect_Stored(0, {{FINANCE_BEVERAGE_GAME, 827550}, {FINANCE_FOOD_GAME, 585750},
                      {FINANCE_SOUVENIR_GAME, 779100}});

    // Loyalty: r = 1,800 against i = 1,000: p = -800; a draw below 800 loses one
    // (from the 1000 that owner mode off reads). No concession penalty.
    EXPECT_EQ(Stored(0, FINANCE_LOYALTY), u2 < 800 ? 999 : 0);

    // Levels: medical (1000 x 93 + 400 x 7 + 50) / 100 = 958; scouting
    // (1000 x 90 + 417 x 10 + 50) / 100 = 942.
    for (int t = 0; t < 2; t++)
        Expect_Stored(t, {{FINANCE_MEDICAL_LEVEL, 958}, {FINANCE_SCOUTING_LEVEL, 942}, {FINANCE_GAMES, 1}});
    // Expenses: operating (25,000 + 25,000) x 20 = 1,000,000 each; no payroll;
    // dividends 5,136,492 each; medical 100,000 and scouting 50,000 each.    // Cash from the base 28,100,000 (owner mode off):
    // home + 3,564,000 + 2,192,400 - 1,000,000 - 5,136,492 - 150,000;
    // visitors + 1,836,000 - 1,000,000 - 5,136,492 - 150,000.
    EXPECT_EQ(Stored(0, FINANCE_CASH), 27569908);
    EXPECT_EQ(Stored(1, FINANCE_CASH), 23649508);
}

TEST_F(TeamFinancesGameDayTest, LatePlayoffGameAndGateSplit)
{
    Set_User_Preference(PREF_CURRENT_WEEK, 20);   // past max(2, 17)
    Compute_Game_Day_Finances(0);
    // The gate doubles: 10,800,000, split 7,128,000 / 3,672,000; of the
    // expenses only the operating ones.
    EXPECT_EQ(Stored(0, FINANCE_CASH), 28100000 + 7128000 + 2192400 - 1000000);
    EXPECT_EQ(Stored(1, FINANCE_CASH), 28100000 + 3672000 - 1000000);

    // A gate of $1,000,001 gives $660,001 and $340,000.
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    Clear_Previous_Financial_Stats(0);
    Clear_Previous_Financial_Stats(1);
    Set_Team_Financial_Stat(0, FINANCE_TICKET_PRICE, 100);
    League.Game[0].nAttendance = 1000001;
    Compute_Game_Day_Finances(0);
    EXPECT_EQ(Stored(0, FINANCE_TICKETS), 660001);
    EXPECT_EQ(Stored(1, FINANCE_TICKETS), 340000);
}

TEST_F(TeamFinancesGameDayTest, CashStaysWithinItsLimits)
{
    // A late playoff game (no dividends): the home club's gate lifts it past
    // the top; the visitors' operating costs in a city of enormous income,
    // (10,000,000 + 25,000) x 20, take them past the bottom.
    Owner_Mode();
    Set_Universe_Stat(FINANCE_INDEX, 1000);
    Set_User_Preference(PREF_CURRENT_WEEK, 20);
    Set_Team_Financial_Stat(0, FINANCE_LOYALTY, 1000);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 999000000);
    Set_Team_Financial_Stat(1, FINANCE_CASH, -99900000);
    Set_City_Index_Stat(1, CITY_STAT_INCOME, 10000000);
    Compute_Game_Day_Finances(0);
    EXPECT_EQ(Stored(0, FINANCE_CASH), FINANCE_CASH_MAXIMUM);
    Expect_Stored(1, {{FINANCE_CASH, FINANCE_CASH_MINIMUM}, {FINANCE_OPERATING_GAME, 200500000}});
}

TEST_F(TeamFinancesGameDayTest, ConcessionLimitsAndLoyaltyBounds)
{
    // Ticket price 0: ref = demand 20,000; references 4,000 / 6,666 / 10,000.
    Set_Team_Financial_Stat(0, FINANCE_TICKET_PRICE, 0);
    Set_Team_Financial_Stat(0, FINANCE_BEVERAGE_PRICE, 3000);    // r = 750
    Set_Team_Financial_Stat(0, FINANCE_FOOD_PRICE, 0);           // r = 0
    Set_Team_Financial_Stat(0, FINANCE_SOUVENIR_PRICE, 17500);   // r = 1750
    int u1, u2;
    Predict_Draws(777, &u1, &u2);
    // r = 750 sells a quarter of 60,000 = 15,000, doubled: 30,000 x 30.00 =
    // 900,000 - 22,500; price 0 sells 60,000 at a loss of 75,000; r = 1750
    // sells nothing. Penalty 75 + 175 = 250.
    EXPECT_EQ(Compute_Game_Concessions(0, 0), 877500 - 75000);
    Expect_Stored(0, {{FINANCE_BEVERAGE_GAME, 877500}, {FINANCE_FOOD_GAME, -75000}, {FINANCE_SOUVENIR_GAME, 0},
                      {FINANCE_LOYALTY, u1 < 250 ? 999 : 0}});

    // The penalty never takes the loyalty below 700 (a seed whose draw is
    // below 250: the ~25% case is forced by trying seeds).
    Owner_Mode();
    Set_Universe_Stat(FINANCE_INDEX, 1000);
    uint32_t nSeed = 1;
    for (;; nSeed++) {
        Predict_Draws(nSeed, &u1, &u2);
        if (u1 < 250)
            break;
    }
    Set_Team_Financial_Stat(0, FINANCE_LOYALTY, 701);
    Compute_Game_Concessions(0, 0);
    EXPECT_EQ(Stored(0, FINANCE_LOYALTY), 700);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinancesTest, PerGameAmountAndFinanceIndex)
{
    // 224,800,000 / 16 + 370,000 = 14,420,000.
    EXPECT_EQ(Get_Per_Game_Base_Revenue(), 14420000);
    // No games: the whole 224,800,000 + 370,000, no division by zero.
    Set_Universe_Stat(GAMES_PER_SEASON, 0);
    EXPECT_EQ(Get_Per_Game_Base_Revenue(), 225170000);

    // Finance index: 1000 with owner mode off, nothing stored.
    EXPECT_EQ(Get_League_Finance_Index(), 1000);
    // Owner mode: average cash over the base 28,100,000; rich clubs are held
    // to 2000, poor ones to 500.
    Owner_Mode();
    Set_Team_Financial_Stat(0, FINANCE_CASH, 80000000);
    Set_Team_Financial_Stat(1, FINANCE_CASH, 60000000);
    EXPECT_EQ(Get_League_Finance_Index(), 2000);
    Set_Team_Financial_Stat(0, FINANCE_CASH, -50000000);
    EXPECT_EQ(Get_League_Finance_Index(), 500);
    // No team in use: 0, and the per-game amount does not divide by it.
    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, CONTROLLER_NOT_IN_USE);
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_NOT_IN_USE);
    EXPECT_EQ(Get_League_Finance_Index(), 0);
    EXPECT_EQ(Get_Per_Game_Base_Revenue(), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinancesTest, SeasonLoyaltyAndPayrollBudget)
{
    Owner_Mode();
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    League.Team[0].bYearly[1][YEARLY_PLAYOFF_WINS] = 2;
    League.Team[0].bYearly[1][YEARLY_WINS] = 12;
    League.Team[0].nYearly[1][YEARLY_INT_FINISH] = 5;
    Set_Team_Financial_Stat(0, FINANCE_LOYALTY, 1100);
    // A = 164 (a = 5,464), C = 1,260 (w = 1,500), B = 250 (y = 1,923): 1,674;
    // nearest(418.5) = 419 + 825 = 1,244.
    Update_Team_Season_Finances(0);
    EXPECT_EQ(Stored(0, FINANCE_LOYALTY), 1244);
    // A loyalty drifted to 1301 returns within.
    League.Team[1].bYearly[1][YEARLY_PLAYOFF_WINS] = 4;
    League.Team[1].bYearly[1][YEARLY_WINS] = 17;
    League.Team[1].nYearly[1][YEARLY_INT_FINISH] = 8;
    Set_Team_Financial_Stat(1, FINANCE_LOYALTY, 1301);
    Update_Team_Season_Finances(1);
    EXPECT_EQ(Stored(1, FINANCE_LOYALTY), 1300);   // 438 + 976 = 1,414 held to 1,300
    // No games in the season: no division by zero.
    Set_Universe_Stat(GAMES_PER_SEASON, 0);
    Update_Team_Season_Finances(0);

    // Payroll budget: (last season's revenue + 224,800,000) / 2 + (cash - base) / 4,
    // last season's revenue while no game of this season has been played.
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    League.Team[0].bYearly[1][YEARLY_WINS] = 0;
    Set_Team_Financial_Stat(0, FINANCE_TICKETS_LAST, 60000000);
    Set_Team_Financial_Stat(0, FINANCE_BROADCAST_LAST, 200000000);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 38100000);
    EXPECT_EQ(Get_Team_Payroll_Budget(0), 242400000 + 2500000);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinancesTest, RefusedArgumentsWriteNothing)
{
    League.Game[1].nAwayTeam = NO_TEAM;
    League.Game[1].nHomeTeam = 0;
    LEAGUE_SNAPSHOT Before;

    int (*const Readers[])(int) = {Compute_Franchise_Value, Compute_Team_Stadium_Income, Compute_Team_Fan_Income,
                                   Get_Team_Owner_Dividends, Get_Team_Payroll_Budget, Record_Team_Division_Finish,
                                   Get_Team_Stadium_Score};
    for (auto Read : Readers)
        EXPECT_EQ(Read(41), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Stadium_Score([41])"));
    void (*const Writers[])(int) = {Init_Team_Budgets, Init_Team_Stadium_Finances, Update_Team_Ticket_Finances,
                                    Project_Team_Season_Finances, Update_Team_Season_Finances, Update_Team_Fan_Loyalty};
    for (auto Write : Writers)
        Write(41);
    Compute_Game_Day_Finances(300);
    EXPECT_TRUE(Last_Error_Contains("nGame out of bounds in Compute_Game_Day_Finances([300])"));
    Compute_Game_Day_Finances(1);
    EXPECT_TRUE(Last_Error_Contains("Bad teams 128,0 in Compute_Game_Day_Finances(1)"));
    EXPECT_EQ(Compute_Game_Concessions(0, 300), 0);
    EXPECT_EQ(Compute_Game_Concessions(41, 0), 0);

    EXPECT_EQ(Errors_Reported(), 17);
    EXPECT_TRUE(Before.Unchanged());
}

}  // namespace
