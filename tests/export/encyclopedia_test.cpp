// The whole encyclopedia of the default league after one simulated regular
// season: the page count and folders the export promises, every link of
// every page resolving to a file that exists, and pages that parse.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../test_support.h"
#include "../tools/default_league_inputs.h"
#include "export_page_reading.h"
#include "export_settings_fixture.h"
#include "scratch_folder.h"
#include "base/html_text.h"
#include "export/encyclopedia.h"
#include "export/html_template.h"
#include "export/page_links.h"
#include "league/game_record.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "tools/default_league/default_league.h"

namespace fs = std::filesystem;

namespace {

using export_pages::Links_Of;
using export_pages::Parse_Problem;
using export_pages::Resolve_Link;
using EncyclopediaTest = ExportSettingsTest;

}  // namespace

TEST_F(EncyclopediaTest, TheDefaultLeagueAfterASeasonExportsWholeWithEveryLinkResolving)
{
    SCRATCH_FOLDER Scratch("encyclopedia");
    ASSERT_TRUE(Scratch.Ready());
    Build_Default_League_To_Export();
    if (HasFatalFailure())
        return;
    Advance_Day(22);   // the regular season

    const int nTeams = Count_Teams();
    const int nWeek = Get_Current_Week();
    const int nGames = Count_Game_Records();
    int nPlayers = 0;
    for (int t = 0; t <= FREE_AGENT_TEAM; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            nPlayers += (t < nTeams || t == FREE_AGENT_TEAM) && Is_Player_Slot_Used(t, s) ? 1 : 0;
    ASSERT_EQ(nTeams, 32);
    ASSERT_EQ(Count_Leagues(), 2);
    ASSERT_GT(nGames, 200);

    ui::Reset();
    ASSERT_EQ(Export_Html_Encyclopedia("Encyclopedia", nullptr), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty()) << "no earlier export: no question";

    // One season (S 1), two leagues and both together: the pages of the table.
    const int nWeekPages = std::min(nWeek + 1, 22) - 1;
    const int nExpected = 1 + 1 + nWeekPages + nTeams + nTeams + nPlayers + 3 * 2 + 3 * 1 + 1 + 8 + nTeams + 26 +
                          nGames;
    EXPECT_EQ(Count_Html_Pages_Written(), nExpected);
    int nFiles = 0;
    for (const auto& Entry : fs::recursive_directory_iterator("Encyclopedia"))
        nFiles += Entry.is_regular_file() && Entry.path().extension() == ".htm" ? 1 : 0;
    EXPECT_EQ(nFiles, nExpected);
    for (const char* szFolder : {"teams", "players", "leagueleaders", "SeasonDetail", "TeamsDetail", "Images",
                                 "SortedPlayers", "GameDetails", "Logos"})
        EXPECT_TRUE(fs::is_directory(fs::path("Encyclopedia") / szFolder)) << szFolder;
    EXPECT_TRUE(fs::is_regular_file("Encyclopedia/Images/default.css"));
    EXPECT_TRUE(fs::is_regular_file("Encyclopedia/index.htm"));
    EXPECT_TRUE(fs::is_regular_file("Encyclopedia/Season summary.htm"));
    EXPECT_TRUE(fs::is_regular_file("Encyclopedia/Player Summary.htm"));
    EXPECT_TRUE(fs::is_regular_file("Encyclopedia/NFL Leaders.htm"));
    EXPECT_TRUE(fs::is_regular_file("Encyclopedia/NFL Leaders By Season.htm"));
    EXPECT_TRUE(fs::is_regular_file("Encyclopedia/SeasonDetail/Season details.htm"));
    EXPECT_TRUE(fs::is_regular_file("Encyclopedia/SortedPlayers/qbindex.htm"));
    EXPECT_FALSE(fs::exists("Encyclopedia/SortedPlayers/fbindex.htm"));
    EXPECT_TRUE(fs::is_regular_file("Encyclopedia/SortedPlayers/Zindex.htm"));
    char szGame[64];
    std::snprintf(szGame, sizeof szGame, "Encyclopedia/GameDetails/G-%02d-000.htm", Get_Current_Year() % 100);
    EXPECT_TRUE(fs::is_regular_file(szGame));
    EXPECT_TRUE(Get_Template_Problems().empty()) << Get_Template_Problems().front();

    // Every link of every page names a file that exists; every page parses.
    int nLinks = 0;
    std::map<std::string, std::string> Broken;
    for (const auto& Entry : fs::recursive_directory_iterator("Encyclopedia")) {
        if (!Entry.is_regular_file() || Entry.path().extension() != ".htm")
            continue;
        const std::string Page = Read_Text_File(Entry.path());
        const std::string Why = Parse_Problem(Page);
        EXPECT_TRUE(Why.empty()) << Entry.path() << ": " << Why;
        for (const std::string& Link : Links_Of(Page)) {
            ++nLinks;
            const std::string Target = Resolve_Link(Entry.path().parent_path(), Link);
            if (Target.empty() || !fs::is_regular_file(Target))
                Broken.emplace(Link, Entry.path().string());
        }
    }
    EXPECT_GT(nLinks, nExpected);
    EXPECT_TRUE(Broken.empty()) << Broken.size() << " broken links, as " << Broken.begin()->first << " on "
                                << Broken.begin()->second;

    // The leader pages list players with their figures: the season's page
    // and the all-time page every row of their nine tables (far more than
    // ten players have a figure in each after a season), the best-season
    // page each with its year. A row names the player's club as he stands
    // now, with a link to its page; a leader released since is a free agent
    // and his row names no club and links nowhere.
    const std::regex FilledRow("<td class=\"name\"><a href=\"[^\"]*\\\\players\\\\[^\"]* ([0-9]+)\\.htm\">[^<]+</a>"
                               "</td><td><a( href=\"[^\"]*\")?>([^<]+)</a></td><td>[0-9]+ (\\([0-9]{4}\\))?</td>");
    char szFreeAgents[TEAM_STRING_SIZE];
    Get_Team_String(szFreeAgents, FREE_AGENT_TEAM, TEAM_STRING_ABBREVIATION);
    const std::string ThisYear = std::to_string(Get_Current_Year());
    for (const std::string& Leaders : {"Encyclopedia/leagueleaders/NFL Leaders " + ThisYear + ".htm",
                                       std::string("Encyclopedia/NFL Leaders.htm"),
                                       std::string("Encyclopedia/NFL Leaders By Season.htm")}) {
        const std::string Page = Read_Text_File(Leaders);
        int nRows = 0;
        for (auto It = std::sregex_iterator(Page.begin(), Page.end(), FilledRow); It != std::sregex_iterator(); ++It) {
            ++nRows;
            const std::smatch& Row = *It;
            PLAYER_LOCATION Where;
            ASSERT_TRUE(Find_Player_By_ID(&Where, std::stoi(Row[1]))) << Leaders << ": " << Row[0];
            const bool bFreeAgent = Where.nTeam == FREE_AGENT_TEAM;
            char szClub[TEAM_STRING_SIZE];
            Get_Team_String(szClub, Where.nTeam, TEAM_STRING_ABBREVIATION);
            EXPECT_EQ(Row[2].matched, !bFreeAgent) << Leaders << ": " << Row[0];
            EXPECT_EQ(Row[3].str(), bFreeAgent ? szFreeAgents : szClub) << Leaders << ": " << Row[0];
        }
        EXPECT_EQ(nRows, 90) << Leaders;
    }
    EXPECT_NE(Read_Text_File("Encyclopedia/NFL Leaders By Season.htm").find("(" + ThisYear + ")"), std::string::npos);

    // Each quarter's heading is a row of the play-by-play, before its first play.
    const std::string Game = Read_Text_File(szGame);
    for (const char* szQuarter : {"First quarter", "Second quarter", "Third quarter", "Fourth quarter"}) {
        const size_t nAt = Game.find(szQuarter);
        ASSERT_NE(nAt, std::string::npos) << szQuarter;
        EXPECT_NE(Game.find(std::string("<tr class=\"quarter\"><th colspan=\"7\">") + szQuarter + "</th></tr>"),
                  std::string::npos)
            << Game.substr(nAt > 80 ? nAt - 80 : 0, 200);
    }

    // "Overtime" heads the page of a game that went past 60:00 and no other
    // (a try after a touchdown at 0:00 is still the fourth quarter's).
    int nTriesAtTheGun = 0;
    for (int g = 0; g < nGames; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        char szPage[64];
        std::snprintf(szPage, sizeof szPage, "Encyclopedia/GameDetails/G-%02d-%03d.htm", Get_Current_Year() % 100, g);
        if (!fs::is_regular_file(szPage))
            continue;
        const bool bOvertime = pGame->nClock > 3600;
        for (int p = 0; p < pGame->nPlays && p < PLAY_LOG_SIZE; ++p)
            nTriesAtTheGun += pGame->PlayLog[p].nClock == 3600 && pGame->PlayLog[p].nSnapDown == CONVERSION_ATTEMPT;
        EXPECT_EQ(Read_Text_File(szPage).find(">Overtime<") != std::string::npos, bOvertime) << szPage;
    }
    EXPECT_GT(nTriesAtTheGun, 0);

    // A second export asks first; Cancel leaves the pages as they are.
    ui::Queue_Answer(ID_CANCEL);
    EXPECT_EQ(Export_Html_Encyclopedia("Encyclopedia", nullptr), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Caution");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "This will overwrite any existing HTML Encyclopedia files");
}

TEST_F(EncyclopediaTest, WithOneLeagueTheBothLeaguesPagesTheLinksNameAreWrittenToo)
{
    SCRATCH_FOLDER Scratch("encyclopedia_one_league");
    ASSERT_TRUE(Scratch.Ready());
    ASSERT_TRUE(Copy_Html_Templates());
    // Four clubs of one league; the league names of both slots stored.
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, t < 4 ? CONTROLLER_COMPUTER : CONTROLLER_NOT_IN_USE);
    for (int t = 0; t < 4; ++t) {
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t / 2);
        Set_Team_String("Town", t, TEAM_STRING_CITY);
        Set_Team_String(t == 3 ? "Slash/Dots.." : "Club", t, TEAM_STRING_NICKNAME);
    }
    Count_Teams();
    ASSERT_EQ(Count_Leagues(), 1);
    ASSERT_EQ(Export_Html_Encyclopedia("Site", nullptr), 1);
    char szName[64];
    Get_League_Name(0, szName);
    EXPECT_TRUE(fs::is_regular_file(fs::path("Site") / (Sanitise_File_Name(szName) + " Leaders.htm"))) << szName;
    Get_League_Name(1, szName);
    EXPECT_TRUE(fs::is_regular_file(fs::path("Site") / (Sanitise_File_Name(szName) + " Leaders.htm"))) << szName;
    EXPECT_TRUE(fs::is_regular_file("Site/NFL Leaders.htm"));
    EXPECT_TRUE(fs::is_regular_file("Site/NFL Leaders By Season.htm"));
    // A name holding a slash stays one file in its folder.
    EXPECT_TRUE(fs::is_regular_file("Site/teams/Town Slash_Dots...htm"));
    EXPECT_FALSE(fs::exists("Site/teams/Town Slash"));
}

TEST_F(EncyclopediaTest, APageWithoutAPathIsPassedOverAndTheExportGoesOn)
{
    SCRATCH_FOLDER Scratch("encyclopedia_gap");
    ASSERT_TRUE(Scratch.Ready());
    ASSERT_TRUE(Copy_Html_Templates());
    // Clubs in slots 0, 1, 2 and 4: the club pages of slot 3 name no file.
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER,
                      (t <= 2 || t == 4) ? CONTROLLER_COMPUTER : CONTROLLER_NOT_IN_USE);
    for (int t : {0, 1, 2, 4}) {
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t / 2);
        Set_Team_String("Town", t, TEAM_STRING_CITY);
        Set_Team_String("Club", t, TEAM_STRING_NICKNAME);
    }
    ASSERT_EQ(Count_Teams(), 4);
    ASSERT_EQ(Export_Html_Encyclopedia("Site", nullptr), 1);
    // Pages after the gap are written all the same.
    EXPECT_TRUE(fs::is_regular_file("Site/Player Summary.htm"));
    EXPECT_TRUE(fs::is_regular_file("Site/SortedPlayers/qbindex.htm"));
    EXPECT_TRUE(fs::is_regular_file("Site/SortedPlayers/Zindex.htm"));
    EXPECT_TRUE(fs::is_regular_file("Site/NFL Leaders.htm"));
}
