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

namespace {

// The texts of the Champions page and the front page of a saved game, each
// followed by '|', and each club's full name by its nickname.
std::string Title_Pages(const std::string& Saved, std::map<std::string, std::string>* pNames = nullptr)
{
    SCRATCH_FOLDER Here{"champions_pages"};
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database(Saved.c_str()), 1) << Saved;
    ui::Reset();
    std::string Texts;
    for (const PAGE_LAYOUT& Page : {Layout_Champions_Page(), Layout_Front_Page()})
        for (const PAGE_TEXT& Text : Page.Texts)
            Texts += Text.Text + "|";
    for (int t = 0; pNames != nullptr && t < Count_Teams(); ++t) {
        char szNickname[TEAM_STRING_SIZE];
        Get_Team_String(szNickname, t, TEAM_STRING_NICKNAME);
        (*pNames)[szNickname] = Page_Team_Name(t);
    }
    return Texts;
}

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
    program_support::Copy_Built_Data(Data.Path());
    process_runner::RUN_OPTIONS Options;
    Options.Folder = Options.Output = Output.Path();
    const process_runner::RUN_RESULT History = process_runner::Run(
        KELVO_HISTORY_GENERATOR_PATH, {Data.Path(), "--first", "1956", "--last", "1967", "--teams", "12"}, Options);
    ASSERT_EQ(History.nExitCode, 0) << History.Out << History.Err;
    const auto Run = [&](const std::string& Script) {
        const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
            {Data.Path(), Output.Path(), "champions.kelvo", std::chrono::seconds(300)}, Script);
        EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    };
    // Play Multiple Seasons for n seasons (its dialog opens at 5).
    const auto Seasons = [](int n) {
        std::string Lines;
        for (int k = 5; k > n; --k)
            Lines += "dialog 179 spin 1138 down\n";
        return Lines + "dialog 179 press 1\ncommand \"Play Multiple Seasons\"\n";
    };
    Run("tool Create_Universe_Database 1959\nwelcome new\ndialog 105 select 1089 \"1959\"\n"
        "dialog 105 set 1013 \"Pat\"\ndialog 105 press 1391\ncommand \"Through Playoffs\"\n"
        "command \"Through Playoffs\"\n" + program_support::Save_As("1959 Final") + Seasons(1) + Seasons(5) +
        Seasons(2) + program_support::Save_As("1967") + "quit\n");
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
