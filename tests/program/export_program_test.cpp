// The headless program exports the league: "tool Export_Html_Encyclopedia"
// after a simulated week writes the site into the data folder's
// "HTML_Export" and prints its index page; a second export asks first; an
// unknown tool stops the run with exit status 2. After two seasons, in the
// off-season before the draft, the site files the games under the season
// they were played in and lists every wild-card game on its week's page.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Contains;
using program_support::NEW_GAME;

class ExportProgramTest : public program_support::HEADLESS_PROGRAM_TEST {
protected:
    ExportProgramTest() : HEADLESS_PROGRAM_TEST("export_data", "export_out", "export.kelvo") {}
};

}  // namespace

TEST_F(ExportProgramTest, AToolLineExportsTheLeagueAfterAWeekAndPrintsTheIndexPage)
{
    const process_runner::RUN_RESULT Result = Run_Script(std::string(NEW_GAME) +
                                                         "command \"One Week\"\n"
                                                         "tool export_html_encyclopedia\n"
                                                         "answer ok\n"
                                                         "tool Export_Html_Encyclopedia\n"
                                                         "answer no\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    const std::string Root = Data.Path() + "/HTML_Export";
    EXPECT_TRUE(Contains(Result.Out, "Tool export_html_encyclopedia: HTML encyclopedia: ")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "pages, index " + Root + "/index.htm\n")) << Result.Out;
    // The second export asked before it overwrote.
    EXPECT_TRUE(Contains(Result.Out, "Box [Caution] \"This will overwrite any existing HTML Encyclopedia files\" -> OK"))
        << Result.Out;
    EXPECT_TRUE(fs::is_regular_file(Root + "/index.htm"));
    EXPECT_TRUE(fs::is_regular_file(Root + "/Images/default.css"));
    EXPECT_TRUE(fs::is_regular_file(Root + "/SeasonDetail/Season details.htm"));
    // A week of 32 clubs: 16 game pages.
    size_t nGames = 0;
    for (const auto& Entry : fs::directory_iterator(Root + "/GameDetails"))
        nGames += Entry.path().filename().string().rfind("G-19-", 0) == 0 ? 1 : 0;
    EXPECT_EQ(nGames, 16u);
    const std::string Index = Read_Text_File(Root + "/index.htm");
    EXPECT_TRUE(Contains(Index, "<meta charset=\"windows-1252\">"));
    EXPECT_FALSE(Contains(Index, "qlv:"));
}

TEST_F(ExportProgramTest, AfterTwoSeasonsTheOffSeasonExportFilesTheGamesUnderTheirSeason)
{
    // 2019 through its draft, 2020 through its playoffs, then the off-season
    // with the draft left waiting.
    const process_runner::RUN_RESULT Result =
        program_support::Run_Headless_Script({Data.Path(), Output.Path(), "export.kelvo", std::chrono::seconds(400)},
                                             std::string(NEW_GAME) +
                                                 "command \"Through Playoffs\"\n"
                                                 "command \"Through Playoffs\"\n"
                                                 "command \"One Week\"\n"
                                                 "answer yes\n"
                                                 "command \"End Draft\"\n"
                                                 "command \"Through Playoffs\"\n"
                                                 "command \"Through Playoffs\"\n"
                                                 "answer no\n"
                                                 "command \"One Week\"\n"
                                                 "tool Export_Html_Encyclopedia\n"
                                                 "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    ASSERT_TRUE(Contains(Result.Out, "Box [College Draft] \"To start the College Draft")) << Result.Out;
    const std::string Root = Data.Path() + "/HTML_Export";

    // The games of 2020, and none of 2021, which has played nothing.
    size_t nGames = 0;
    std::vector<std::string> Elsewhere;
    for (const auto& Entry : fs::directory_iterator(Root + "/GameDetails")) {
        const std::string Name = Entry.path().filename().string();
        if (Name.rfind("G-20-", 0) != 0)
            Elsewhere.push_back(Name);
        ++nGames;
    }
    EXPECT_GT(nGames, 250u);
    EXPECT_TRUE(Elsewhere.empty()) << Elsewhere.size() << " game pages filed elsewhere, as " << Elsewhere.front();
    EXPECT_TRUE(fs::is_regular_file(Root + "/TeamsDetail/Buffalo Frost 2020.htm"));
    EXPECT_FALSE(fs::exists(Root + "/TeamsDetail/Buffalo Frost 2021.htm"));

    // Seven clubs a league from 2020: six wild-card games on the page of
    // week 18, each linked.
    const std::string WildCards = Read_Text_File(Root + "/SeasonDetail/Season details week18.htm");
    EXPECT_TRUE(Contains(WildCards, "Wildcard Games"));
    std::set<std::string> Linked;
    static const std::regex GAME_LINK(R"rx(href="\.\.\\GameDetails\\(G-20-[0-9]{3})\.htm")rx");
    for (auto It = std::sregex_iterator(WildCards.begin(), WildCards.end(), GAME_LINK); It != std::sregex_iterator();
         ++It)
        Linked.insert((*It)[1].str());
    EXPECT_EQ(Linked.size(), 6u) << WildCards;

    // The new season's standings mark nobody; 2020's its fourteen playoff
    // clubs.
    const std::string NewSeason = Read_Text_File(Root + "/Season summary.htm");
    EXPECT_FALSE(Contains(NewSeason, "</a> *</td>"));
    const std::string Played = Read_Text_File(Root + "/Season summary 2020.htm");
    size_t nMarked = 0;
    for (size_t n = Played.find("</a> *</td>"); n != std::string::npos; n = Played.find("</a> *</td>", n + 1))
        ++nMarked;
    EXPECT_EQ(nMarked, 14u);
}

// An export killed partway through a page leaves no start page, so the
// site does not look whole, and no empty or half page under a page's name;
// the next export into the folder removes what the killed one left and
// finishes the site, start page last.
TEST_F(ExportProgramTest, AKilledExportLeavesNoStartPageAndNoHalfPage)
{
    const std::string Root = Data.Path() + "/HTML_Export";
    fs::create_directories(Root);
    program_support::SCRIPT_RUN Killed{Data.Path(), Output.Path(), "export.kelvo", std::chrono::seconds(100)};
    // The 300th file of the site: the style sheets, the season and club
    // pages, then some 230 player pages.
    Killed.Env = program_support::Write_Faults_Env(Root, "KELVO_FAULT_KILL_AT=300");
    const process_runner::RUN_RESULT Result =
        program_support::Run_Headless_Script(Killed, std::string(NEW_GAME) + "tool Export_Html_Encyclopedia\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, -1) << "the export was not killed\n" << Result.Out << Result.Err;

    // Every page there is whole; the page being written when the kill came
    // is only a temporary, half written.
    const auto Walk = [&Root](size_t& nPages, std::vector<std::string>& Temporaries) {
        nPages = 0;
        Temporaries.clear();
        for (const auto& Entry : fs::recursive_directory_iterator(Root)) {
            const std::string Name = Entry.path().filename().string();
            if (Name.rfind(".kelvo-save-", 0) == 0) {
                Temporaries.push_back(Entry.path().string());
                continue;
            }
            if (Entry.path().extension() != ".htm")
                continue;
            ++nPages;
            const std::string Page = Read_Text_File(Entry.path().string());
            EXPECT_TRUE(Page.size() > 7 && Page.compare(Page.size() - 8, 8, "</html>\n") == 0) << Entry.path();
        }
    };
    size_t nPages = 0;
    std::vector<std::string> Temporaries;
    Walk(nPages, Temporaries);
    EXPECT_FALSE(fs::exists(Root + "/index.htm")) << "a killed export left a start page";
    EXPECT_GT(nPages, 250u);
    ASSERT_EQ(Temporaries.size(), 1u);
    EXPECT_GT(fs::file_size(Temporaries[0]), 0u);

    const process_runner::RUN_RESULT Again =
        Run_Script(std::string(NEW_GAME) + "tool Export_Html_Encyclopedia\nquit\n");
    ASSERT_FALSE(Again.bTimedOut);
    ASSERT_EQ(Again.nExitCode, 0) << Again.Out << Again.Err;
    EXPECT_TRUE(Contains(Again.Out, "Box [Caution] \"This will overwrite any existing HTML Encyclopedia files\" -> OK"))
        << Again.Out;
    Walk(nPages, Temporaries);
    EXPECT_TRUE(fs::is_regular_file(Root + "/index.htm"));
    EXPECT_TRUE(Temporaries.empty()) << Temporaries.front();
    EXPECT_GT(nPages, 1500u);
}

TEST_F(ExportProgramTest, AnUnknownToolOrBadArgumentsStopTheRunWithStatusTwo)
{
    const process_runner::RUN_RESULT Unknown = Run_Script(std::string(NEW_GAME) + "tool Export_Everything\nquit\n");
    ASSERT_FALSE(Unknown.bTimedOut);
    EXPECT_EQ(Unknown.nExitCode, 2) << Unknown.Out << Unknown.Err;
    EXPECT_TRUE(Contains(Unknown.Out + Unknown.Err, "no tool \"Export_Everything\"")) << Unknown.Out << Unknown.Err;
    EXPECT_FALSE(fs::exists(Data.Path() + "/HTML_Export"));

    const process_runner::RUN_RESULT Bad = Run_Script(std::string(NEW_GAME) + "tool Export_Player_Ratings QB 2019\nquit\n");
    ASSERT_FALSE(Bad.bTimedOut);
    EXPECT_EQ(Bad.nExitCode, 2);
    EXPECT_TRUE(Contains(Bad.Out + Bad.Err, "\"QB\" is not a whole number")) << Bad.Out << Bad.Err;
}
