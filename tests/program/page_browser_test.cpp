// The exported pages in a real browser: the program exports the league after
// a week, then headless Chromium opens the index, a team, a player, a game's
// play-by-play and a leaders page; their text is read back through the DOM,
// and a screenshot of each goes to "page_screenshots" in the build folder
// for a person to look at. Without Chromium the test is skipped with a
// message, except under CI=true, where a missing browser fails.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::PROGRAM;
using program_support::Contains;

const std::string CHROMIUM = "/usr/lib/chromium/chromium";

// The first file of a folder whose name ends in the suffix.
std::string First_File(const std::string& Folder, const std::string& Suffix)
{
    std::vector<std::string> Names;
    for (const auto& Entry : fs::directory_iterator(Folder)) {
        const std::string Name = Entry.path().string();
        if (Name.size() >= Suffix.size() && Name.compare(Name.size() - Suffix.size(), Suffix.size(), Suffix) == 0)
            Names.push_back(Name);
    }
    std::sort(Names.begin(), Names.end());
    return Names.empty() ? std::string() : Names.front();
}

}  // namespace

TEST(PageBrowserTest, ChromiumShowsTheExportedPages)
{
    const char* szCi = std::getenv("CI");
    if (::access(CHROMIUM.c_str(), X_OK) != 0) {
        if (szCi != nullptr && std::string(szCi) == "true")
            FAIL() << CHROMIUM << " is missing; scripts/setup installs the package chromium";
        GTEST_SKIP() << "no Chromium at " << CHROMIUM << " (scripts/setup installs it); the pages were not opened";
    }
    SCRATCH_FOLDER Data("browser_data", false);
    SCRATCH_FOLDER Work("browser_work", false);
    ASSERT_TRUE(Data.Ready());
    ASSERT_TRUE(Work.Ready());
    program_support::Copy_Built_Data(Data.Path());

    // Export after a week of games.
    const std::string Script = Work.Path() + "/export.kelvo";
    {
        FILE* pFile = std::fopen(Script.c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs("welcome new\n"
                   "dialog 105 select 1089 \"2019\"\n"
                   "dialog 105 select 1010 \"Buffalo Frost\"\n"
                   "dialog 105 press 1391\n"
                   "command \"One Week\"\n"
                   "tool Export_Html_Encyclopedia\n"
                   "answer no\n"
                   "quit\n",
                   pFile);
        std::fclose(pFile);
    }
    process_runner::RUN_OPTIONS Options;
    Options.Env = {"KELVO_DATA=" + Data.Path()};
    Options.Folder = Work.Path();
    Options.Output = Work.Path();
    Options.Limit = std::chrono::seconds(100);
    const process_runner::RUN_RESULT Export =
        process_runner::Run(PROGRAM, {"--headless", "--script", Script, "IS_NOT_RANDOM"}, Options);
    ASSERT_EQ(Export.nExitCode, 0) << Export.Out << Export.Err;
    const std::string Root = Data.Path() + "/HTML_Export";

    struct PAGE {
        const char* szName;
        std::string Path;
        std::vector<std::string> Texts;
    };
    const std::vector<PAGE> Pages = {
        {"index", Root + "/index.htm", {"League Encyclopedia", "Standings", "Buffalo Frost"}},
        {"team", Root + "/TeamsDetail/Buffalo Frost 2019.htm", {"Buffalo Frost 2019", "Schedule", "Roster"}},
        {"player", First_File(Root + "/players", ".htm"), {"Statistics", "Position"}},
        {"game", Root + "/GameDetails/G-19-000.htm", {"Play by play"}},
        {"leaders", Root + "/NFL Leaders.htm", {"leaders", "Rushing yards"}},
        {"season_leaders", Root + "/leagueleaders/NFL Leaders 2019.htm", {"leaders", "Rushing yards"}},
        {"best_seasons", Root + "/NFL Leaders By Season.htm", {"Best Season", "Rushing yards"}},
    };
    // A leaders row as the browser holds it: a linked name, a linked club and a figure.
    const std::regex FilledRow("<td class=\"name\"><a href=\"[^\"]*\">[^<]+</a></td><td><a href=\"[^\"]*\">[^<]+"
                               "</a></td><td>[0-9]+ ");
    const fs::path Shots = fs::path(PROGRAM).parent_path() / "page_screenshots";
    std::error_code Error;
    fs::create_directories(Shots, Error);
    process_runner::RUN_OPTIONS Browser;
    Browser.Env = {"XDG_CONFIG_HOME=" + Work.Path() + "/config", "XDG_CACHE_HOME=" + Work.Path() + "/cache"};
    Browser.Folder = Work.Path();
    Browser.Output = Work.Path();
    Browser.Limit = std::chrono::seconds(60);
    const std::vector<std::string> Common = {"--headless=new", "--no-sandbox", "--disable-gpu", "--log-level=3",
                                             "--user-data-dir=" + Work.Path() + "/profile"};
    for (const PAGE& Page : Pages) {
        ASSERT_TRUE(fs::is_regular_file(Page.Path)) << Page.szName << ": " << Page.Path;
        const std::string Url = "file://" + Page.Path;
        std::vector<std::string> Args = Common;
        Args.push_back("--dump-dom");
        Args.push_back(Url);
        const process_runner::RUN_RESULT Dom = process_runner::Run(CHROMIUM, Args, Browser);
        ASSERT_EQ(Dom.nExitCode, 0) << Page.szName << ": " << Dom.Err;
        for (const std::string& Text : Page.Texts)
            EXPECT_TRUE(Contains(Dom.Out, Text)) << Page.szName << " lacks \"" << Text << "\"";
        // The page's style sheet was found and applied: its band is there.
        EXPECT_TRUE(Contains(Dom.Out, "class=\"band\"")) << Page.szName;
        EXPECT_FALSE(Contains(Dom.Out, "qlv:")) << Page.szName;
        // The leader pages list players with their figures (after a week a
        // few rows of the touchdown tables may stay empty).
        const std::string Name = Page.szName;
        if (Name == "leaders" || Name == "season_leaders" || Name == "best_seasons") {
            const auto nRows =
                std::distance(std::sregex_iterator(Dom.Out.begin(), Dom.Out.end(), FilledRow), std::sregex_iterator());
            EXPECT_GE(nRows, 60) << Page.szName;
        }
        if (Name == "best_seasons") {
            EXPECT_TRUE(Contains(Dom.Out, " (2019)</td>")) << "the best seasons show their year";
        }
        // The quarters head their plays inside the play-by-play table, none
        // stray above it.
        if (Name == "game") {
            const size_t nTable = Dom.Out.find("<table class=\"stats plays\">");
            ASSERT_NE(nTable, std::string::npos);
            EXPECT_EQ(Dom.Out.find("quarter", 0), Dom.Out.find("quarter", nTable)) << "a heading outside the table";
            for (const char* szQuarter : {"First quarter", "Second quarter", "Third quarter", "Fourth quarter"}) {
                EXPECT_TRUE(Contains(Dom.Out, std::string("<tr class=\"quarter\"><th colspan=\"7\">") + szQuarter +
                                                  "</th></tr>"))
                    << szQuarter;
            }
        }

        Args = Common;
        Args.push_back("--screenshot=" + (Shots / (std::string(Page.szName) + ".png")).string());
        Args.push_back("--window-size=1280,800");
        Args.push_back(Url);
        const process_runner::RUN_RESULT Shot = process_runner::Run(CHROMIUM, Args, Browser);
        EXPECT_EQ(Shot.nExitCode, 0) << Page.szName << ": " << Shot.Err;
        EXPECT_GT(fs::file_size(Shots / (std::string(Page.szName) + ".png"), Error), 1000u) << Page.szName;
    }
}
