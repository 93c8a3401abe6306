// The Champions page and the front page of a league whose first seasons
// have no final between its two leagues: the fictional 12-club history of
// 1956-1967, the 1959 database built by the program's tool line, a new game
// of 1959 played through its playoffs, its off-season begun, and the league
// rolled on into 1967 by Play Multiple Seasons. The champion of each season
// is the club the season's standings report names as winning its title game
// (the first league's final, or from 1966 the final between the leagues);
// the front page hails it at the season's end and through its off-season,
// and the Champions page lists every season, 1959 on, with it.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "pages/page_layout.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace {

// What the Champions page says of each year (champion, "over ..."), and the
// front page's headline, of a saved game.
struct TITLE_PAGES {
    std::map<std::string, std::vector<std::string>> Years;
    std::string Headline;
    std::map<std::string, std::string> FullNames;   // by nickname
};

TITLE_PAGES Read_Title_Pages(const std::string& Saved)
{
    TITLE_PAGES Pages;
    SCRATCH_FOLDER Here{"champions_pages"};
    EXPECT_TRUE(Here.Ready());
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database(Saved.c_str()), 1) << Saved;
    ui::Reset();
    const std::vector<PAGE_TEXT> Texts = Layout_Champions_Page().Texts;
    for (size_t i = 0; i + 2 < Texts.size(); ++i)
        if (Texts[i].Text.size() == 4 && Texts[i].Text.rfind("19", 0) == 0)
            Pages.Years[Texts[i].Text] = {Texts[i + 1].Text, Texts[i + 2].Text};
    for (const PAGE_TEXT& Text : Layout_Front_Page().Texts)
        if (Text.nType == TYPE_HEADLINE)
            Pages.Headline = Text.Text;
    for (int t = 0; t < Count_Teams(); ++t) {
        char szNickname[TEAM_STRING_SIZE];
        Get_Team_String(szNickname, t, TEAM_STRING_NICKNAME);
        Pages.FullNames[szNickname] = Page_Team_Name(t);
    }
    return Pages;
}

// The title game of a season's standings report: the final between the
// leagues when it was played, else the first league's final. Winner and
// loser by nickname.
std::pair<std::string, std::string> Title_Game(const std::string& Report)
{
    std::ifstream File(Report);
    std::string Line;
    std::string Section;
    std::pair<std::string, std::string> Title;
    while (std::getline(File, Line)) {
        if (Line == "LEAGUE CHAMPIONSHIPS" || Line == "SUPER BOWL") {
            Section = Line;
            continue;
        }
        // The first league's final, unless a final between the leagues follows.
        const size_t nAt = Line.find(" defeat ");
        if (nAt != std::string::npos &&
            (Section == "SUPER BOWL" || (Section == "LEAGUE CHAMPIONSHIPS" && Title.first.empty())))
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
    if (HasFatalFailure())
        return;
    process_runner::RUN_OPTIONS Options;
    Options.Folder = Output.Path();
    Options.Output = Output.Path();
    const process_runner::RUN_RESULT History = process_runner::Run(
        KELVO_HISTORY_GENERATOR_PATH, {Data.Path(), "--first", "1956", "--last", "1967", "--teams", "12"}, Options);
    ASSERT_EQ(History.nExitCode, 0) << History.Out << History.Err;
    const auto Run = [&](const std::string& Script) {
        return program_support::Run_Headless_Script(
            {Data.Path(), Output.Path(), "champions.kelvo", std::chrono::seconds(300)}, Script);
    };
    // Play Multiple Seasons for n seasons: its dialog opens at 5.
    const auto Seasons = [](int n) {
        std::string Lines;
        for (int k = 5; k > n; --k)
            Lines += "dialog 179 spin 1138 down\n";
        return Lines + "dialog 179 press 1\ncommand \"Play Multiple Seasons\"\n";
    };
    const process_runner::RUN_RESULT Played = Run(
        "tool Create_Universe_Database 1959\nwelcome new\ndialog 105 select 1089 \"1959\"\n"
        "dialog 105 set 1013 \"Pat\"\ndialog 105 press 1391\n"
        "command \"Through Playoffs\"\ncommand \"Through Playoffs\"\n" +
        program_support::Save_As("1959 Final") + Seasons(1) + Seasons(5) + Seasons(2) +
        program_support::Save_As("1967") + "quit\n");
    ASSERT_EQ(Played.nExitCode, 0) << Played.Out << Played.Err;
    // The 1959 off-season begun, its college draft waiting for the user.
    const process_runner::RUN_RESULT Turn =
        Run("welcome resume\ndialog 118 select 1077 \"1959 Final\"\ndialog 118 press 1\ncommand \"One Week\"\n" +
            program_support::Save_As("1959 Off") + "quit\n");
    ASSERT_EQ(Turn.nExitCode, 0) << Turn.Out << Turn.Err;

    const TITLE_PAGES Now = Read_Title_Pages(Data.Path() + "/1967.zrt");
    EXPECT_EQ(Now.Headline, "The 1967 Season Awaits");
    EXPECT_EQ(Now.Years.count("1967"), 0u);
    for (int nYear = 1959; nYear <= 1966; ++nYear) {
        SCOPED_TRACE(nYear);
        const auto [Winner, Loser] =
            Title_Game(Data.Path() + "/Output/Stndng" + std::to_string(nYear % 100) + ".txt");
        ASSERT_EQ(Now.FullNames.count(Winner), 1u) << Winner;
        ASSERT_EQ(Now.FullNames.count(Loser), 1u) << Loser;
        const std::vector<std::string> Row = {Now.FullNames.at(Winner), "over " + Now.FullNames.at(Loser)};
        ASSERT_EQ(Now.Years.count(std::to_string(nYear)), 1u);
        EXPECT_EQ(Now.Years.at(std::to_string(nYear)), Row);
        if (nYear > 1959)
            continue;
        // At the season's end and in its off-season alike.
        for (const char* szSave : {"/1959 Final.zrt", "/1959 Off.zrt"}) {
            const TITLE_PAGES Then = Read_Title_Pages(Data.Path() + szSave);
            EXPECT_EQ(Then.Headline, Row[0] + " Are Champions!") << szSave;
            EXPECT_EQ(Then.Years.at("1959"), Row) << szSave;
        }
    }
}
