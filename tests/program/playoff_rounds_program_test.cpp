// The playoff rounds a league of another era does not play, as a user meets
// them: the fictional history written by its generator, the year's database
// built by the program's tool line, a new game started in it and saved, and
// the saved game's Calendar and week names read here. A league of 1961 ends
// with its leagues' title games (the final between the leagues comes in
// 1966); a league of 1968 has no wild cards, so its fields of four start in
// the division round.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "pages/page_layout.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace {

// The texts of the saved game's Calendar page of the user's club; the week
// names (short, long) of its four playoff days, wild card first.
struct SEASON_SEEN {
    std::vector<std::string> Calendar;
    std::vector<std::string> Short;
    std::vector<std::string> Long;
};

SEASON_SEEN New_Game_Of(int nFirst, int nYear, int nClubs)
{
    SEASON_SEEN Seen;
    SCRATCH_FOLDER Data{"rounds_data", false};
    SCRATCH_FOLDER Output{"rounds_out", false};
    EXPECT_TRUE(Data.Ready() && Output.Ready());
    program_support::Copy_Data_With_History(Data.Path(), Output.Path(), nFirst, nYear, nClubs);
    if (::testing::Test::HasFatalFailure())
        return Seen;
    const std::string Year = std::to_string(nYear);
    const process_runner::RUN_RESULT Run = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "rounds.kelvo", std::chrono::seconds(200)},
        "tool Create_Universe_Databases_Range " + Year + " " + Year +
            "\nwelcome new\ndialog 105 select 1089 \"" + Year +
            "\"\ndialog 105 set 1013 \"Pat\"\ndialog 105 press 1391\n"
            "dialog 120 set 1082 \"Rounds\"\ndialog 120 press 1\ncommand \"Save Game\"\nquit\n");
    EXPECT_FALSE(Run.bTimedOut);
    EXPECT_EQ(Run.nExitCode, 0) << Run.Out << Run.Err;

    SCRATCH_FOLDER Here{"rounds_load"};
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database((Data.Path() + "/Rounds.zrt").c_str()), 1);
    ui::Reset();
    EXPECT_EQ(Get_Current_Year(), nYear);
    for (const PAGE_TEXT& Text : Layout_Calendar_Page().Texts)
        Seen.Calendar.push_back(Text.Text);
    // Playoff round r is played on day max(first playoff week, 2) + r.
    const int nWildCard = std::max(Get_First_Playoff_Week(), 2);
    for (int r = 0; r < 4; ++r) {
        char szName[64];
        Get_Week_Name(nWildCard + r, szName);
        Seen.Short.push_back(szName);
        Get_Week_Name_Long(nWildCard + r, szName);
        Seen.Long.push_back(szName);
    }
    return Seen;
}

bool Has(const std::vector<std::string>& Texts, const std::string& Text)
{
    return std::find(Texts.begin(), Texts.end(), Text) != Texts.end();
}

}  // namespace

TEST(PlayoffRoundsProgram, TheCalendarHasNoRowForARoundTheLeagueDoesNotPlay)
{
    // 1961: no final between the leagues, so no "Super Bowl" row; the
    // leagues' finals are the title games.
    const SEASON_SEEN Early = New_Game_Of(1958, 1961, 14);
    if (HasFatalFailure())
        return;
    EXPECT_FALSE(Has(Early.Calendar, "Super Bowl"));
    EXPECT_TRUE(Has(Early.Calendar, "Title Game"));
    EXPECT_TRUE(Has(Early.Calendar, "Week 1"));
    ASSERT_EQ(Early.Short.size(), 4u);
    EXPECT_EQ(Early.Short[2], "Title Game");
    EXPECT_EQ(Early.Short[3], "Super Bowl");

    // 1968: no wild cards. The wild-card day keeps its short name, the long
    // one says nobody plays it, and the Calendar leaves it out; the final
    // between the leagues is played.
    const SEASON_SEEN Late = New_Game_Of(1966, 1968, 26);
    if (HasFatalFailure())
        return;
    ASSERT_EQ(Late.Short.size(), 4u);
    EXPECT_EQ(Late.Short[0], "Wild Card");
    EXPECT_EQ(Late.Long[0], "Bye Week");
    EXPECT_EQ(Late.Short[1], "Division Round");
    EXPECT_EQ(Late.Long[1], "Division");
    EXPECT_FALSE(Has(Late.Calendar, "Wild Card"));
    EXPECT_FALSE(Has(Late.Calendar, "Bye Week"));
    EXPECT_TRUE(Has(Late.Calendar, "Division Round"));
    EXPECT_TRUE(Has(Late.Calendar, "Super Bowl"));
}
