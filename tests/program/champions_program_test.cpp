// The Champions page and the front page of a league whose first seasons
// have no final between its two leagues: the fictional 12-club history of
// 1956-1967, the 1959 database built by the program's tool line, a new game
// of 1959 played through its playoffs, its off-season begun, and the league
// rolled on into 1967 by Play Multiple Seasons. Each season's champion is
// the winner of its title game as its standings report names it (the first
// league's final, or from 1966 the final between the leagues); the front
// page hails it at the season's end and in its off-season, and the
// Champions page lists every season, 1959 on, with it.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <string>

#include "gamefile/game_file.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "pages/page_layout.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"
#include "title_pages.h"

namespace {

using program_support::Play_Seasons;
using program_support::Title_Pages;

// The winner and loser (nicknames) of the title game of a standings report:
// the final between the leagues when one was played, else the first
// league's final.
std::pair<std::string, std::string> Title_Game(const std::string& Report)
{
    std::ifstream File(Report);
    std::string Line, Section;
    std::pair<std::string, std::string> Title;
    while (std::getline(File, Line)) {
        if (Line == "LEAGUE CHAMPIONSHIPS" || Line == "SUPER BOWL")
            Section = Line;
        const size_t nAt = Line.find(" defeat ");
        if (nAt != std::string::npos && (Section == "SUPER BOWL" || (!Section.empty() && Title.first.empty())))
            Title = {Line.substr(1, nAt - 1), Line.substr(nAt + 8, Line.find(',', nAt) - nAt - 8)};
    }
    return Title;
}

}  // namespace

TEST(ChampionsProgramTest, EverySeasonsChampionIsListedAsTheFrontPageHailedIt)
{
    SCRATCH_FOLDER Data{"champions_data", false};
    SCRATCH_FOLDER Output{"champions_out", false};
    ASSERT_TRUE(Data.Ready() && Output.Ready());
    program_support::Copy_Data_With_History(Data.Path(), Output.Path(), 1956, 1967, 12);
    if (HasFatalFailure())
        return;
    const auto Run = [&](const std::string& Script) {
        const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
            {Data.Path(), Output.Path(), "champions.kelvo", std::chrono::seconds(300)}, Script);
        EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    };
    Run("tool Create_Universe_Database 1959\nwelcome new\ndialog 105 select 1089 \"1959\"\n"
        "dialog 105 set 1013 \"Pat\"\ndialog 105 press 1391\ncommand \"Through Playoffs\"\n"
        "command \"Through Playoffs\"\n" + program_support::Save_As("1959 Final") + Play_Seasons(1) +
        Play_Seasons(5) + Play_Seasons(2) + program_support::Save_As("1967") + "quit\n");
    // The 1959 off-season begun, its college draft waiting for the user.
    Run("welcome resume\ndialog 118 select 1077 \"1959 Final\"\ndialog 118 press 1\ncommand \"One Week\"\n" +
        program_support::Save_As("1959 Off") + "quit\n");
    if (HasFailure())
        return;

    std::map<std::string, std::string> Names;
    const std::string Now = Title_Pages(Data.Path() + "/1967.zrt", &Names);
    EXPECT_NE(Now.find("|The 1967 Season Awaits|"), std::string::npos) << Now;
    EXPECT_EQ(Now.find("|1967|"), std::string::npos) << "no 1967 champion yet";
    std::string Row1959;
    for (int nYear = 1966; nYear >= 1959; --nYear) {
        const auto [Winner, Loser] = Title_Game(Data.Path() + "/Output/Stndng" + std::to_string(nYear % 100) + ".txt");
        Row1959 = "|" + std::to_string(nYear) + "|" + Names[Winner] + "|over " + Names[Loser] + "|";
        EXPECT_NE(Now.find(Row1959), std::string::npos) << Row1959 << "\n" << Now;
    }
    // 1959 at the season's end and in its off-season alike.
    const std::string Headline = Row1959.substr(6, Row1959.find("|over") - 6) + " Are Champions!|";
    for (const char* szSave : {"/1959 Final.zrt", "/1959 Off.zrt"}) {
        const std::string Then = Title_Pages(Data.Path() + szSave);
        EXPECT_NE(Then.find(Row1959), std::string::npos) << szSave << "\n" << Then;
        EXPECT_NE(Then.find("|" + Headline), std::string::npos) << szSave << "\n" << Then;
    }
}
