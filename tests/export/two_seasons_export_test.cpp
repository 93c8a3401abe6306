// The encyclopedia of the default league after two seasons played through
// the season's own code (regular season, playoffs, off-season, the next
// season and its playoffs), exported once when the second season is over and
// again in the off-season that follows, before the draft. What a reader
// checks: every game page is reached from its week's page and from both of
// its clubs' season pages, each game once and in its own part of the
// season; each season's standings mark that season's playoff clubs; past
// seasons name the clubs that played their finals; the pages carry the year
// the games were played; links have one separator between their steps.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "../test_support.h"
#include "../tools/default_league_inputs.h"
#include "export_page_reading.h"
#include "export_settings_fixture.h"
#include "engine/game_report.h"
#include "export/encyclopedia.h"
#include "league/game_record.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "season/playoffs.h"
#include "tools/default_league/default_league.h"

namespace fs = std::filesystem;

namespace {

using export_pages::Links_Of;
using export_pages::Resolve_Link;

// A season's playoff bracket as the league kept it when its final was over.
struct BRACKET {
    int nTeam[PLAYOFF_SLOTS];
    std::set<std::string> Clubs() const
    {
        std::set<std::string> Names;
        for (int nSlot : nTeam)
            if (nSlot != NO_TEAM)
                Names.insert(Name_Of(nSlot));
        return Names;
    }
    // The other club of the pair feeding slot nWinnerSlot (24-30).
    int Loser_Into(int nWinnerSlot) const
    {
        const int nFeed = 2 * nWinnerSlot - 32;
        return nTeam[nFeed] == nTeam[nWinnerSlot] ? nTeam[nFeed + 1] : nTeam[nFeed];
    }
    int Games() const
    {
        int n = 0;
        for (int s = 0; s < PLAYOFF_CHAMPION_SLOT; s += 2)
            n += nTeam[s] != NO_TEAM && nTeam[s + 1] != NO_TEAM ? 1 : 0;
        return n;
    }
    static std::string Name_Of(int nTeam)
    {
        char szName[64];
        Get_Team_Full_Name(nTeam, szName);
        return szName;
    }
};

BRACKET Take_Bracket()
{
    BRACKET Bracket{};
    for (int s = 0; s < PLAYOFF_SLOTS; ++s)
        Bracket.nTeam[s] = Get_Playoff_Team(s);
    return Bracket;
}

std::string Game_File(int nYear, int nGame)
{
    char szName[32];
    std::snprintf(szName, sizeof szName, "G-%02d-%03d.htm", nYear % 100, nGame);
    return szName;
}

// The game page a link leads to ("G-20-017.htm"), empty for any other link.
std::string Game_Page_Of_Link(const std::string& Link)
{
    static const std::regex GAME(R"rx(GameDetails[\\/](G-[0-9]{2}-[0-9]{3}\.htm)$)rx");
    std::smatch Match;
    return std::regex_search(Link, Match, GAME) ? Match[1].str() : std::string();
}

// The clubs a season page marks as playoff clubs, and every club it lists.
void Read_Standings(const std::string& Page, std::set<std::string>& Marked, int& nListed)
{
    static const std::regex ROW(R"rx(<td class="name"><a href="[^"]*">([^<]+)</a> (\*?)</td>)rx");
    Marked.clear();
    nListed = 0;
    for (auto It = std::sregex_iterator(Page.begin(), Page.end(), ROW); It != std::sregex_iterator(); ++It) {
        ++nListed;
        if ((*It)[2].str() == "*")
            Marked.insert((*It)[1].str());
    }
}

// The playoff results a season page lists (its non-empty items).
std::vector<std::string> Playoff_Items(const std::string& Page)
{
    std::vector<std::string> Items;
    const size_t nList = Page.find("<ol class=\"playoffs\">");
    if (nList == std::string::npos)
        return Items;
    static const std::regex ITEM(R"rx(<li>(.*)</li>)rx");
    const std::string List = Page.substr(nList, Page.find("</ol>", nList) - nList);
    for (auto It = std::sregex_iterator(List.begin(), List.end(), ITEM); It != std::sregex_iterator(); ++It)
        if (!(*It)[1].str().empty())
            Items.push_back((*It)[1].str());
    return Items;
}

// A past season's final as its page gives it: the winner and the loser.
std::set<std::pair<std::string, std::string>> Past_Finals(const std::string& Page)
{
    static const std::regex FINAL(R"rx(^<b><a href="[^"]*">([^<]+)</a> W, </b><a href="[^"]*">([^<]+)</a> L$)rx");
    std::set<std::pair<std::string, std::string>> Finals;
    for (const std::string& Item : Playoff_Items(Page)) {
        std::smatch Match;
        if (std::regex_match(Item, Match, FINAL))
            Finals.emplace(Match[1].str(), Match[2].str());
        else
            Finals.emplace("?", Item);
    }
    return Finals;
}

std::set<std::pair<std::string, std::string>> Expected_Finals(const BRACKET& B)
{
    return {{BRACKET::Name_Of(B.nTeam[28]), BRACKET::Name_Of(B.Loser_Into(28))},
            {BRACKET::Name_Of(B.nTeam[29]), BRACKET::Name_Of(B.Loser_Into(29))},
            {BRACKET::Name_Of(B.nTeam[30]), BRACKET::Name_Of(B.Loser_Into(30))}};
}

// The rows of a club's history page: year to its points-for cell.
std::map<int, std::string> History_Points(const std::string& Page)
{
    static const std::regex ROW(
        R"rx(<tr><td>([0-9]{4})</td><td>[^<]*</td><td>[0-9]+</td><td>[0-9]+</td><td>[0-9]+</td><td>([^<]*)</td>)rx");
    std::map<int, std::string> Rows;
    for (auto It = std::sregex_iterator(Page.begin(), Page.end(), ROW); It != std::sregex_iterator(); ++It)
        Rows[std::stoi((*It)[1].str())] = (*It)[2].str();
    return Rows;
}

// A club's points in the league's game records, as the records hold them.
int Points_In_Records(int nTeam)
{
    int nPoints = 0;
    for (int g = 0; g < Count_Game_Records(); ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (pGame->nAwayTeam == nTeam)
            nPoints += pGame->nScore[0];
        else if (pGame->nHomeTeam == nTeam)
            nPoints += pGame->nScore[1];
    }
    return nPoints;
}

// The checks both exports share. nPlayedYear: the year of the games the
// league's records hold.
void Check_Games_And_Links(const fs::path& Root, int nPlayedYear, int nPlayedIndex)
{
    const int nGames = Count_Game_Records();
    ASSERT_GT(nGames, 250);

    // The game pages carry the year the games were played, and only it.
    std::set<std::string> GamePages;
    for (const auto& Entry : fs::directory_iterator(Root / "GameDetails"))
        GamePages.insert(Entry.path().filename().string());
    std::set<std::string> Expected;
    for (int g = 0; g < nGames; ++g)
        Expected.insert(Game_File(nPlayedYear, g));
    EXPECT_EQ(GamePages, Expected) << GamePages.size() << " game pages, " << *GamePages.begin() << " first";

    // Each game on exactly one week's page.
    std::map<std::string, int> OnWeekPages;
    for (const auto& Entry : fs::directory_iterator(Root / "SeasonDetail")) {
        std::set<std::string> OnThisPage;
        for (const std::string& Link : Links_Of(Read_Text_File(Entry.path())))
            if (const std::string Game = Game_Page_Of_Link(Link); !Game.empty())
                OnThisPage.insert(Game);
        for (const std::string& Game : OnThisPage)
            ++OnWeekPages[Game];
    }
    std::vector<std::string> NotOnOneWeek;
    for (const std::string& Game : Expected)
        if (OnWeekPages[Game] != 1)
            NotOnOneWeek.push_back(Game + " on " + std::to_string(OnWeekPages[Game]) + " week pages");
    EXPECT_TRUE(NotOnOneWeek.empty()) << NotOnOneWeek.size() << " games, as " << NotOnOneWeek.front();

    // Each club's season page: every game it played once, the regular
    // season's in the schedule and the playoffs' in their rows.
    std::vector<std::string> ClubProblems;
    for (int t = 0; t < Count_Teams(); ++t) {
        const std::string Name = BRACKET::Name_Of(t);
        const fs::path PagePath = Root / "TeamsDetail" / (Name + " " + std::to_string(nPlayedYear) + ".htm");
        ASSERT_TRUE(fs::is_regular_file(PagePath)) << PagePath;
        const std::string Page = Read_Text_File(PagePath);
        std::map<std::string, int> Links;
        int nRegularRows = 0;
        int nPlayoffRows = 0;
        size_t nAt = 0;
        while ((nAt = Page.find("<tr", nAt)) != std::string::npos) {
            const size_t nEnd = Page.find("</tr>", nAt);
            const std::string Row = Page.substr(nAt, nEnd - nAt);
            nAt = nEnd;
            std::set<std::string> InRow;
            for (const std::string& Link : Links_Of(Row))
                if (const std::string Game = Game_Page_Of_Link(Link); !Game.empty())
                    InRow.insert(Game);
            for (const std::string& Game : InRow)
                ++Links[Game];
            if (!InRow.empty())
                ++(Row.rfind("<tr class=\"playoff\">", 0) == 0 ? nPlayoffRows : nRegularRows);
        }
        std::map<std::string, int> Played;
        for (int g = 0; g < nGames; ++g) {
            const GAME* pGame = Get_Game_Record(g);
            if (pGame->nAwayTeam == t || pGame->nHomeTeam == t)
                Played[Game_File(nPlayedYear, g)] = 1;
        }
        if (Links != Played)
            ClubProblems.push_back(Name + ": " + std::to_string(Links.size()) + " games linked, " +
                                   std::to_string(Played.size()) + " played");
        for (const auto& [Game, nTimes] : Links)
            if (nTimes != 1 || Played.count(Game) == 0)
                ClubProblems.push_back(Name + ": " + Game + " in " + std::to_string(nTimes) + " rows");
        const int nRegular = Get_Team_Yearly_Char(t, nPlayedIndex, YEARLY_WINS) +
                             Get_Team_Yearly_Char(t, nPlayedIndex, YEARLY_LOSSES) +
                             Get_Team_Yearly_Char(t, nPlayedIndex, YEARLY_TIES);
        const int nPlayoff = Get_Team_Yearly_Char(t, nPlayedIndex, YEARLY_PLAYOFF_WINS) +
                             Get_Team_Yearly_Char(t, nPlayedIndex, YEARLY_PLAYOFF_LOSSES);
        if (nRegularRows != nRegular || nPlayoffRows != nPlayoff)
            ClubProblems.push_back(Name + ": " + std::to_string(nRegularRows) + " schedule rows for " +
                                   std::to_string(nRegular) + " games, " + std::to_string(nPlayoffRows) +
                                   " playoff rows for " + std::to_string(nPlayoff));
    }
    EXPECT_TRUE(ClubProblems.empty()) << ClubProblems.size() << " faults, as " << ClubProblems.front();
    // One season page per club: the one of the games it lists.
    int nClubPages = 0;
    for (const auto& Entry : fs::directory_iterator(Root / "TeamsDetail"))
        nClubPages += Entry.path().filename().string().find(" " + std::to_string(nPlayedYear) + ".htm") !=
                              std::string::npos
                          ? 1
                          : 0;
    EXPECT_EQ(nClubPages, Count_Teams());

    // Every link leads to a page that exists, with one separator per step.
    std::map<std::string, std::string> Broken;
    std::map<std::string, std::string> Doubled;
    for (const auto& Entry : fs::recursive_directory_iterator(Root)) {
        if (!Entry.is_regular_file() || Entry.path().extension() != ".htm")
            continue;
        for (const std::string& Link : Links_Of(Read_Text_File(Entry.path()))) {
            const std::string Target = Resolve_Link(Entry.path().parent_path(), Link);
            if (Target.empty() || !fs::is_regular_file(Target))
                Broken.emplace(Link, Entry.path().string());
            if (Link.find("\\\\") != std::string::npos || Link.find("//") != std::string::npos ||
                Link.find("\\/") != std::string::npos || Link.find("/\\") != std::string::npos)
                Doubled.emplace(Link, Entry.path().string());
        }
    }
    EXPECT_TRUE(Broken.empty()) << Broken.size() << " broken links, as " << Broken.begin()->first << " on "
                                << Broken.begin()->second;
    EXPECT_TRUE(Doubled.empty()) << Doubled.size() << " links with a doubled separator, as " << Doubled.begin()->first
                                 << " on " << Doubled.begin()->second;
}

using TwoSeasonsExportTest = ExportSettingsTest;

}  // namespace

TEST_F(TwoSeasonsExportTest, EveryGameIsListedOnceInItsSeasonAndEachSeasonNamesItsOwnPlayoffClubs)
{
    SCRATCH_FOLDER Scratch("two_seasons_export");
    ASSERT_TRUE(Scratch.Ready());
    Build_Default_League_To_Export();
    if (HasFatalFailure())
        return;
    Set_Game_Pages_Enabled(false);
    const int nFirstYear = Get_Current_Year();

    // Two seasons with their playoffs; the brackets as each final left them.
    BRACKET Brackets[2];
    for (int n = 0; n < 2; ++n) {
        if (n == 1) {
            Advance_Day(22);   // the off-season, the draft and the next season's start
            ASSERT_EQ(Get_Current_Week(), 0);
        }
        Advance_Day(22);   // the regular season
        Advance_Day(22);   // the playoffs
        ASSERT_TRUE(Is_Season_Complete()) << "week " << Get_Current_Week();
        Brackets[n] = Take_Bracket();
    }
    Set_Game_Pages_Enabled(true);
    ASSERT_EQ(Get_Current_Year(), nFirstYear + 1);
    const int nPlayedYear = nFirstYear + 1;
    // Fourteen playoff clubs: six wild-card games among the thirteen.
    ASSERT_EQ(Brackets[1].Clubs().size(), 14u);
    ASSERT_EQ(Brackets[1].Games(), 13);
    const std::string Year0 = std::to_string(nFirstYear);
    const std::string Year1 = std::to_string(nPlayedYear);

    // The second season just over.
    ui::Reset();
    ASSERT_EQ(Export_Html_Encyclopedia("Over", nullptr), 1);
    {
        SCOPED_TRACE("the season just over");
        Check_Games_And_Links("Over", nPlayedYear, 1);
        std::set<std::string> Marked;
        int nListed = 0;
        const std::string ThisSeason = Read_Text_File("Over/Season summary.htm");
        Read_Standings(ThisSeason, Marked, nListed);
        EXPECT_EQ(nListed, 32);
        EXPECT_EQ(Marked, Brackets[1].Clubs());
        EXPECT_EQ(Playoff_Items(ThisSeason).size(), 13u);
        const std::string LastSeason = Read_Text_File("Over/Season summary " + Year0 + ".htm");
        Read_Standings(LastSeason, Marked, nListed);
        EXPECT_EQ(nListed, 32);
        EXPECT_EQ(Marked, Brackets[0].Clubs());
        EXPECT_EQ(Past_Finals(LastSeason), Expected_Finals(Brackets[0]));
        for (int t = 0; t < Count_Teams(); ++t) {
            const auto Rows = History_Points(Read_Text_File("Over/teams/" + BRACKET::Name_Of(t) + ".htm"));
            EXPECT_EQ(Rows.size(), 2u);
            EXPECT_EQ(Rows.count(nPlayedYear) ? Rows.at(nPlayedYear) : "", std::to_string(Points_In_Records(t)));
        }
    }

    // The off-season after it, the draft not begun: the new season's
    // standings are empty and its playoffs far off; the season just played
    // keeps its games, its marks and its points.
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    ui::Queue_Answer(ID_NO);   // "Begin College Draft?"
    Advance_Day(22);
    ASSERT_EQ(Get_Current_Week(), OFFSEASON_WEEK);
    ASSERT_EQ(Get_Current_Year(), nPlayedYear + 1);
    ASSERT_GT(Count_Game_Records(), 250);
    ui::Reset();
    ASSERT_EQ(Export_Html_Encyclopedia("Off", nullptr), 1);
    {
        SCOPED_TRACE("the off-season");
        Check_Games_And_Links("Off", nPlayedYear, 1);
        std::set<std::string> Marked;
        int nListed = 0;
        const std::string NewSeason = Read_Text_File("Off/Season summary.htm");
        Read_Standings(NewSeason, Marked, nListed);
        EXPECT_EQ(nListed, 32);
        EXPECT_TRUE(Marked.empty()) << Marked.size() << " marked, as " << *Marked.begin();
        EXPECT_TRUE(Playoff_Items(NewSeason).empty()) << Playoff_Items(NewSeason).front();
        const std::string Played = Read_Text_File("Off/Season summary " + Year1 + ".htm");
        Read_Standings(Played, Marked, nListed);
        EXPECT_EQ(Marked, Brackets[1].Clubs());
        EXPECT_EQ(Playoff_Items(Played).size(), 13u);
        const std::string First = Read_Text_File("Off/Season summary " + Year0 + ".htm");
        Read_Standings(First, Marked, nListed);
        EXPECT_EQ(Marked, Brackets[0].Clubs());
        EXPECT_EQ(Past_Finals(First), Expected_Finals(Brackets[0]));
        for (int t = 0; t < Count_Teams(); ++t) {
            const auto Rows = History_Points(Read_Text_File("Off/teams/" + BRACKET::Name_Of(t) + ".htm"));
            EXPECT_EQ(Rows.size(), 3u);
            EXPECT_EQ(Rows.count(nPlayedYear) ? Rows.at(nPlayedYear) : "", std::to_string(Points_In_Records(t)));
            EXPECT_EQ(Rows.count(nPlayedYear + 1) ? Rows.at(nPlayedYear + 1) : "", "0");
        }
    }
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
}
