// A new game's league: the set-up chain on the default league, its
// variations, the league's title history and the refusal of a season that
// does not fit the GAME records.

#include <gtest/gtest.h>

#include "editors/options_dialog.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "base/random.h"
#include "gamefile/load_repair_check.h"
#include "gamefile/new_universe.h"
#include "gamefile/title_games.h"
#include "league/cities.h"
#include "league/default_settings.h"
#include "league/league_fixture.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_fixture.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/finance_basics.h"
#include "league/salary_cap.h"
#include <algorithm>
#include <cmath>
#include "platform/dialogs.h"
#include "schedule/schedule_driver.h"
#include "season/player_value.h"
#include "test_support.h"
#include "tools/default_league/default_league.h"
#include "tools/ratings_loader.h"

namespace {

namespace fs = std::filesystem;

void Copy_Generator_Inputs()
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    const fs::path Data = fs::path(szSource != nullptr ? szSource : ".") / "data";
    for (const char* szFolder : {"league", "names", "Input"}) {
        std::error_code Error;
        if (fs::exists(Data / szFolder))
            fs::copy(Data / szFolder, szFolder, fs::copy_options::recursive, Error);
        ASSERT_FALSE(Error) << Error.message();
    }
}

class NewUniverseTest : public PlayerTest {};

// The default league built in a scratch folder of the test's own.
class DefaultLeagueSetupTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(m_Scratch.Ready());
        Copy_Generator_Inputs();
        std::string Problem;
        ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
        Clear_Recent_Errors();
        Reset_Error_Count();
    }
    SCRATCH_FOLDER m_Scratch{"new_universe"};
};

// Team and ID of every player of the shuffled slots (franchises and 36-40,
// not the hall of fame).
std::map<int, int> Players_By_Id()
{
    std::map<int, int> Teams;
    For_Each_Player_In_Use([&](int t, int s) {
        if (t != HALL_OF_FAME_TEAM)
            Teams[Get_Player_ID(t, s)] = t;
    });
    return Teams;
}

}  // namespace

// ---------------------------------------------------------------------------
// Rules by hand

TEST_F(NewUniverseTest, TitlesCountedBeforeTheFirstSeason)
{
    // Row 0: the game of season 1966, the Rainmakers over the Tides.
    Set_Team_String("Rainmakers", 0, TEAM_STRING_NICKNAME);
    Set_Team_String("tides", 1, TEAM_STRING_NICKNAME);
    for (int t = 2; t < MAX_FRANCHISES; ++t)
        Set_Team_Not_In_Use(t);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1966;
    Count_Team_Titles();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_PRIOR_PLAYOFFS), 0);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_PRIOR_PLAYOFFS), 0);

    League.Universe.nStat[FIRST_SEASON_YEAR] = 1967;
    Count_Team_Titles();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_PRIOR_PLAYOFFS), 1);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_PRIOR_PLAYOFFS), 0);

    // Later first seasons count the lists to their end, as 2023 does.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2023;
    Count_Team_Titles();
    const int nWins = Get_Team_Stat(0, TEAM_STAT_PRIOR_PLAYOFFS);
    const int nTitles = Get_Team_Stat(0, TEAM_STAT_PRIOR_TITLES);
    EXPECT_GE(nWins, 1);
    EXPECT_GE(nTitles, nWins) << "every title-game winner was his league's champion";
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2040;
    Count_Team_Titles();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_PRIOR_PLAYOFFS), nWins);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_PRIOR_TITLES), nTitles);
}

TEST_F(NewUniverseTest, TitleGameTexts)
{
    char szText[256];
    Format_Title_Game_Text(1965, szText, sizeof szText);
    EXPECT_STREQ(szText, "");
    Format_Title_Game_Text(1966, szText, sizeof szText);
    EXPECT_STREQ(szText, "Super Bowl I: Seattle Rainmakers defeat Miami Tides (Arroyo Stadium, Los Angeles)");
    Format_Title_Game_Number(2022, szText, sizeof szText);
    EXPECT_STREQ(szText, "LVII");
    Format_Title_Game_Number(1969, szText, sizeof szText);
    EXPECT_STREQ(szText, "IV");
    Format_Title_Game_Text(2023, szText, sizeof szText);
    const std::string Coming = szText;
    EXPECT_EQ(Coming.rfind("Super Bowl LVIII: ", 0), 0u) << Coming;
    EXPECT_EQ(Coming.find("defeat"), std::string::npos);
    Format_Title_Game_Text(2031, szText, sizeof szText);
    EXPECT_EQ(Coming, szText);

    TITLE_GAME_RECORD Game;
    ASSERT_TRUE(Get_Title_Game_Record(0, &Game));
    EXPECT_STREQ(Game.szDate, "01967-01-08 January 8");
    EXPECT_STREQ(Game.szYear, "1967");
    EXPECT_STREQ(Game.szState, "California");
    EXPECT_FALSE(Get_Title_Game_Record(-1, &Game));
    EXPECT_FALSE(Get_Title_Game_Record(58, &Game));
}

TEST_F(NewUniverseTest, EqualCitiesAndFinances)
{
    Set_City_Name(0, "Alpha");
    Set_City_Name(12, "Beta");
    Equalize_Cities();
    const int nBeta[CITY_STAT_COUNT] = {1000000, 2500000, 20000, 25000, 0, 74000, 29000, 114000, 42000, 3};
    const int nAlpha[CITY_STAT_COUNT] = {1000000, 2500000, 20000, 25000, 0, 70000, 25000, 114000, 42000, 3};
    for (int n = 0; n < CITY_STAT_COUNT; ++n) {
        EXPECT_EQ(Get_City_Stat(12, n), nBeta[n]) << n;
        EXPECT_EQ(Get_City_Stat(0, n), nAlpha[n]) << n;
        EXPECT_EQ(Get_City_Stat(5, n), 0) << "an unnamed city is left alone";
    }

    for (int t = 2; t < MAX_FRANCHISES; ++t)
        Set_Team_Not_In_Use(t);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 5);
    Reset_Team_Finances_Equal();
    for (int t = 0; t < 2; ++t) {
        EXPECT_EQ(Get_Team_Stored_Financial_Stat(t, FINANCE_LOYALTY), 1000);
        EXPECT_EQ(Get_Team_Stored_Financial_Stat(t, FINANCE_SCOUTING_LEVEL), 1000);
        EXPECT_EQ(Get_Team_Stored_Financial_Stat(t, FINANCE_MEDICAL_LEVEL), 1000);
        EXPECT_EQ(Get_Team_Stored_Financial_Stat(t, FINANCE_SCOUTING_BUDGET), 120000);
        EXPECT_EQ(Get_Team_Stored_Financial_Stat(t, FINANCE_MEDICAL_BUDGET), 250000);
        // Inflation factor 1000: 28,100,000.
        EXPECT_EQ(Get_Team_Stored_Financial_Stat(t, FINANCE_CASH), 28100000);
    }
}

TEST_F(NewUniverseTest, DifficultyVariesTheChosenPlayersByTheRule)
{
    // (2d - 2019 - 0 + birth year) x 10 - 75 x min(seasons, 3) + 535.
    EXPECT_EQ(Get_Difficulty_Variation_Threshold(0, 1997, 0), 315);   // a 22-year-old rookie: 31.5%
    EXPECT_EQ(Get_Difficulty_Variation_Threshold(2, 1994, 5), 40 - 250 - 225 + 535);
    EXPECT_FLOAT_EQ(Get_Difficulty_Variation_Target(9), 0.027f);
    Set_Universe_Word(RATING_TUNING_WORD, -50);
    EXPECT_FLOAT_EQ(Get_Difficulty_Variation_Target(4), 0.006f);
    Set_Universe_Word(RATING_TUNING_WORD, 0);

    // Young players, so that many are chosen.
    for (int t = 1; t < MAX_FRANCHISES; ++t)
        Set_Team_Not_In_Use(t);
    for (int s = 0; s < 40; ++s) {
        Add_Player(0, s, 100 + s, POSITION_RB);
        Generate_Player_Ratings(0, s);
        Set_Player_Vital_Stat(0, s, VITAL_BIRTH_DATE, 1997 * 10000 + 101);
        Set_Development_Values(0, s);
    }
    PLAYER Before[40];
    for (int s = 0; s < 40; ++s)
        Before[s] = League.Team[0].Player[s];

    // The draws by hand: u for each player in slot order, and g only for a
    // chosen one.
    Seed_Random_Numbers(777);
    int nChosen = 0, nMoved = 0;
    float fExpected[40];
    for (int s = 0; s < 40; ++s) {
        fExpected[s] = 0.0f;
        const int u = Get_Random_Below(1000);
        if (u >= 315)
            continue;
        ++nChosen;
        int b = 0;
        const float fPeak = Compute_Player_Potential(0, s);
        const int BANDS[] = {59, 63, 66, 69, 75, 80, 85, 90, 93};
        while (b < 9 && !(static_cast<float>(BANDS[b]) > fPeak))
            ++b;
        const float f = static_cast<float>(b * 0.003);
        const float g = static_cast<float>(Random_Word_To_Fraction(Generate_Random_Number()) * 0.025);
        if (std::fabs(g - f) > 0.01f) {
            fExpected[s] = g - f;
            ++nMoved;
        }
    }
    ASSERT_GT(nChosen, 3);
    ASSERT_GT(nMoved, 0);
    Seed_Random_Numbers(777);
    Vary_Player_Ratings_By_Difficulty();
    for (int s = 0; s < 40; ++s) {
        SCOPED_TRACE(s);
        const float* f = League.Team[0].Player[s].fRating;
        if (fExpected[s] == 0.0f) {
            EXPECT_TRUE(std::equal(f, f + NUMBER_OF_RATINGS, Before[s].fRating));
            continue;
        }
        // A fall multiplies every rating of a runner by 1 + (g - f); a rise
        // adds (99 - r) / 29 x 70 (g - f).
        const float x = fExpected[s];
        const float r = Before[s].fRating[RATING_SPEED];
        const float fWant = x < 0.0f ? r * (1.0f + x) : r + (99.0f - r) / 29.0f * (x * 70.0f);
        EXPECT_NEAR(f[RATING_SPEED], fWant, 0.01f);
    }
}

// The difficulty's variation lowers some players a little: a runner just
// fast enough is left as a load would leave him. (From 2023 a new game keeps
// the database's ratings, with no calibration after the variation.)
TEST_F(NewUniverseTest, TheDifficultysVariationLeavesPlayersAsALoadWould)
{
    for (int t = 1; t < MAX_FRANCHISES; ++t)
        Set_Team_Not_In_Use(t);
    // Young, good runners (so that many are chosen, and many lowered) whose
    // speed is just above the least a load lets a back have.
    for (int s = 0; s < 40; ++s) {
        PLAYER& Runner = Add_Player(0, s, 100 + s, POSITION_RB);
        for (float& fRating : Runner.fRating)
            fRating = 90.0f;
        Runner.fRating[RATING_SPEED] = 40.3f;
        Set_Player_Vital_Stat(0, s, VITAL_BIRTH_DATE, 1997 * 10000 + 101);
        Set_Development_Values(0, s);
    }
    Seed_Random_Numbers(777);
    Vary_Player_Ratings_By_Difficulty();
    int nLowered = 0;
    for (int s = 0; s < 40; ++s)
        nLowered += League.Team[0].Player[s].fRating[RATING_HEALTH] < 90.0f ? 1 : 0;
    EXPECT_GT(nLowered, 0);
    EXPECT_EQ(Players_Changed_By_Load_Repairs(), "");
}

TEST_F(NewUniverseTest, FreeAgentsPulledTowardTheMiddle)
{
    // Average 70 (above 62): factor 12 / 20 = 0.6, so 80 -> 68 and 60 -> 56.
    Add_Player(FREE_AGENT_TEAM, 0, 21, POSITION_RB);
    Add_Player(FREE_AGENT_TEAM, 1, 22, POSITION_RB);
    Generate_Player_Ratings(FREE_AGENT_TEAM, 0);
    Generate_Player_Ratings(FREE_AGENT_TEAM, 1);
    Scale_Player_To_Overall(FREE_AGENT_TEAM, 0, 80.0f);
    Scale_Player_To_Overall(FREE_AGENT_TEAM, 1, 60.0f);
    const float f0 = Get_Player_Overall_Rating(FREE_AGENT_TEAM, 0);
    const float f1 = Get_Player_Overall_Rating(FREE_AGENT_TEAM, 1);
    const float fFactor = 12.0f / ((f0 + f1) / 2.0f - 50.0f);
    Scale_First_Season_Ratings();
    EXPECT_NEAR(Get_Player_Overall_Rating(FREE_AGENT_TEAM, 0), (f0 - 50.0f) * fFactor + 50.0f, 0.5f);
    EXPECT_NEAR(Get_Player_Overall_Rating(FREE_AGENT_TEAM, 1), (f1 - 50.0f) * fFactor + 50.0f, 0.5f);
    EXPECT_NEAR(Get_Player_Overall_Rating(FREE_AGENT_TEAM, 0), 68.0f, 1.0f);

    // An average of 62 or less leaves them alone.
    Scale_Player_To_Overall(FREE_AGENT_TEAM, 0, 62.0f);
    Scale_Player_To_Overall(FREE_AGENT_TEAM, 1, 60.0f);
    const PLAYER Before = League.Team[FREE_AGENT_TEAM].Player[0];
    Scale_First_Season_Ratings();
    EXPECT_TRUE(std::equal(Before.fRating, Before.fRating + NUMBER_OF_RATINGS,
                           League.Team[FREE_AGENT_TEAM].Player[0].fRating));
}

TEST_F(NewUniverseTest, TitleComboAndAdvancedOptionsFromTheDialog)
{
    Set_User_Preference(PREF_DIFFICULTY, 1);
    DIALOG Dialog(105, "Advanced", nullptr, nullptr);
    Fill_Title_Combo(Dialog);
    const DIALOG_CONTROL* pCombo = Dialog.Find(IDC_TITLE_COMBO);
    ASSERT_NE(pCombo, nullptr);
    ASSERT_EQ(pCombo->Items.size(), 4u);
    EXPECT_EQ(pCombo->Items[3], "Kelvo");
    EXPECT_EQ(pCombo->nSelected, 1);

    // No box checked: only the difficulty's variation, and the flag is 0.
    Set_Universe_Word(FICTIONAL_PLAYERS_WORD, 1);
    Set_City_Name(3, "Gamma");
    Apply_Advanced_Options(Dialog);
    EXPECT_EQ(Get_Universe_Word(FICTIONAL_PLAYERS_WORD), 0);
    EXPECT_EQ(Get_City_Stat(3, 0), 0);
    Dialog.Add(IDC_EQUALIZE_CITIES, CONTROL_CHECK).bChecked = true;
    Apply_Advanced_Options(Dialog);
    EXPECT_EQ(Get_City_Stat(3, 0), 1000000);
}

// ---------------------------------------------------------------------------
// On the default league

TEST_F(DefaultLeagueSetupTest, ShuffleMovesPlayersKeepsRostersAndOnlyTheValueTwoMark)
{
    const std::map<int, int> Before = Players_By_Id();
    std::map<int, int> Flags;
    // Give some players the per-game and expansion marks, and one the
    // placed mark already: the shuffle must leave 4 and 8 as they are.
    int k = 0;
    For_Each_Player_In_Use([&](int t, int s) {
        int f = Get_Player_Vital_Stat(t, s, VITAL_FLAGS);
        if (++k % 3 == 0)
            f |= 4;
        if (k % 5 == 0)
            f |= 8;
        if (k % 7 == 0)
            f |= PLACED_PLAYER_FLAG;
        Set_Player_Vital_Stat(t, s, VITAL_FLAGS, f);
        Flags[Get_Player_ID(t, s)] = f & ~PLACED_PLAYER_FLAG;
    });
    Shuffle_Players("Shuffling Players...");
    EXPECT_EQ(Get_Universe_Word(PLAYERS_SHUFFLED_WORD), 1);
    EXPECT_EQ(ui::Progress().Title, "Shuffling Players...");

    const std::map<int, int> After = Players_By_Id();
    int nMoved = 0;
    for (const auto& [nID, nTeam] : Before) {
        auto It = After.find(nID);
        ASSERT_NE(It, After.end()) << "player " << nID << " lost";
        nMoved += It->second != nTeam;
    }
    EXPECT_EQ(After.size(), Before.size());
    EXPECT_GT(nMoved, static_cast<int>(Before.size()) / 2);
    EXPECT_EQ(Check_All_Players_Vital_Flag(), 1);
    std::set<int> IDs;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        // Compact rosters within 100, every ID once.
        const int nEnd = Find_Roster_End(t);
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nID = Get_Player_ID(t, s);
            EXPECT_EQ(nID != 0, s < nEnd) << t << "/" << s;
            if (nID == 0)
                continue;
            EXPECT_TRUE(IDs.insert(nID).second);
            EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_FLAGS) & ~PLACED_PLAYER_FLAG, Flags[nID]) << nID;
            if (t < MAX_FRANCHISES || t == FREE_AGENT_TEAM) {
                EXPECT_EQ(Get_Player_Byte_Stat(t, s, 4), t) << "placed at his target";
            }
        }
    }
}

TEST_F(DefaultLeagueSetupTest, SetUpGivesDayZeroWithItsScheduleAndTheUsersTeam)
{
    Set_All_Teams_Controller(CONTROLLER_COMPUTER);
    Set_Team_Stat(7, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_User_Preference(PREF_CURRENT_WEEK, 5);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    Set_User_Preference(PREF_PERFECT_SCOUTING, 1);

    ASSERT_TRUE(Setup_New_Universe(0));
    EXPECT_FALSE(ui::Progress().Open);
    EXPECT_EQ(Get_Current_Week(), 0);
    EXPECT_EQ(Get_Current_Season_Index(), 0);
    EXPECT_EQ(Get_Current_Year(), 2019);
    EXPECT_TRUE(Is_Schedule_Complete(Get_Games_Per_Season()));
    EXPECT_EQ(Get_Team_Stat(7, TEAM_STAT_CONTROLLER), CONTROLLER_USER);
    EXPECT_EQ(Get_Team_Stat(6, TEAM_STAT_CONTROLLER), CONTROLLER_COMPUTER);
    EXPECT_EQ(Get_User_Preference(PREF_COMMISSIONER_MODE), 0);
    EXPECT_EQ(Get_User_Preference(PREF_PERFECT_SCOUTING), 0);
    EXPECT_EQ(Get_User_Preference(PREF_SOUND_ON), 1);
    EXPECT_EQ(Get_User_Preference(PREF_SHOWN_GAME), -1);
    EXPECT_STREQ(League.szSkinName, "earth");
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), Get_Season_Salary_Cap(2019));
    // The rosters still hold a playable league: no young player above his
    // cap, and the franchises' average overall a sound figure.
    float fSum = 0.0f;
    int n = 0;
    for (int t = 0; t < Count_Teams(); ++t) {
        for (int s = 0; s < Count_Team_Players(t); ++s) {
            fSum += Get_Player_Overall_Rating(t, s);
            ++n;
        }
    }
    ASSERT_GT(n, 32 * 45);
    EXPECT_GT(fSum / n, 45.0f);
    EXPECT_LT(fSum / n, 85.0f);
    // Under the cap every club's payroll was brought to 92-97 % of it (a
    // round ends within 2 per mille of its aim), so each has room to sign.
    const int64_t nCap = Get_Universe_Stat(SALARY_CAP);
    for (int t = 0; t < Count_Teams(); ++t) {
        const int64_t nPayroll = static_cast<int64_t>(Get_Team_Financial_Stat(t, FINANCE_PAYROLL)) * 1000;
        EXPECT_GE(nPayroll * 1000, nCap * 917) << t;
        EXPECT_LE(nPayroll * 1000, nCap * 973) << t;
        EXPECT_GT(Get_Team_Financial_Stat(t, FINANCE_CAP_ROOM), 0) << t;
    }
}

// A new game played as the New Game dialog plays it, from the database as
// its load leaves it: the calibration, the difficulty's variation, the
// young players' cap, the free agents' pull and the draft pool leave every
// player as a load would, so that a save and a resume change none of them.
// Then the same with fictional players, who are made afresh.
TEST_F(DefaultLeagueSetupTest, ANewGameLeavesEveryPlayerAsALoadWould)
{
    for (const bool bFictional : {false, true}) {
        if (bFictional) {
            std::string Problem;
            ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
        }
        Players_Changed_By_Load_Repairs();   // the database's load
        Set_All_Teams_Controller(CONTROLLER_COMPUTER);
        Set_Team_Stat(7, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
        Set_User_Preference(PREF_DIFFICULTY, 2);
        Load_Year_Player_Ratings(0);
        Apply_Advanced_Options(bFictional, false, false, false);
        Set_Default_Settings();
        ASSERT_TRUE(Setup_New_Universe(0));
        EXPECT_EQ(Players_Changed_By_Load_Repairs(), "") << (bFictional ? "fictional" : "as built");
    }
}

TEST_F(DefaultLeagueSetupTest, SeasonThatDoesNotFitTheGameRecordsIsRefusedUnchanged)
{
    // 36 clubs of 17 games: 306 regular-season records and 12 - 1 playoff
    // games, 317 of 300.
    for (int t = 32; t < MAX_FRANCHISES; ++t) {
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t - 32);
    }
    Set_Universe_Stat(GAMES_PER_SEASON, 17);
    ui::Clear_Shown_Boxes();
    // The count of teams in use is kept in the league by every count.
    ASSERT_EQ(Count_Teams(), 36);
    const int nOpened = ui::Progress().TimesOpened;
    const LEAGUE_SNAPSHOT Snapshot;
    EXPECT_FALSE(Setup_New_Universe(1));
    EXPECT_TRUE(Snapshot.Unchanged());
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "New Game");
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("needs 317 game records"), std::string::npos) << ui::Shown_Boxes()[0].Text;
    EXPECT_EQ(ui::Progress().TimesOpened, nOpened);
}
