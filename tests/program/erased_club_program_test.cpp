// A club erased in the League Editor once the 2019 season was played through
// its final, the real program run headless. The season is played once for
// the whole suite (saved as "Played", exported into "Before") and each case
// works on a copy of that data folder: the champion, the losing finalist or
// a club that missed the playoffs, each with the season's length kept and
// set to 14. Saved and resumed, every other club's results, finish code,
// seed, bracket slot and place in the next draft are those of the save made
// before the erase; the encyclopedia exported after it lists the season's 32
// clubs and gives every other club's season page the rows it had, the erased
// club named as it was, and links every game page; the front page names
// the eight division leaders it named before, an erased one too; the
// off-season and the next season are played. The Champions page and the front page name the
// champion over the runner-up at once, in the off-season and once 2020 is
// set up, a look at the Champions page leaves nothing to save, and the
// encyclopedia exported in 2020 tells 2019 as played: its 32 clubs and its
// three finals, between the clubs that met.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/front_page_texts.h"
#include "pages/page_layout.h"
#include "pages/page_stats.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "season/playoffs.h"
#include "test_support.h"
#include "title_pages.h"

namespace fs = std::filesystem;

namespace {

using program_support::Count_Files;
using program_support::Contains;
using program_support::Title_Pages;

std::string Club_Name(int nTeam)
{
    char szCity[32];
    char szNick[32];
    Get_Team_String(szCity, nTeam, TEAM_STRING_CITY);
    Get_Team_String(szNick, nTeam, TEAM_STRING_NICKNAME);
    return std::string(szCity) + " " + szNick;
}

// One season of every club in use of a saved game, by name: wins, losses,
// ties, at home, in the playoffs and the finish code; and, while the
// season's bracket stands, each club's seed and the bracket by slot (a slot
// named by its club's name, an erased club's too).
struct PLAYED_SEASON {
    std::map<std::string, std::vector<int>> Results;
    std::map<std::string, int> Seeds;
    std::vector<std::string> Bracket;
    std::vector<std::string> DraftOrder;
    int nYear = 0;
    int nTeams = 0;
    int nGames = 0;
};

PLAYED_SEASON Read_Season(const std::string& Saved, int nSeason)
{
    PLAYED_SEASON Season;
    SCRATCH_FOLDER Here{"erased_load"};
    EXPECT_TRUE(Here.Ready());
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database(Saved.c_str()), 1) << Saved;
    ui::Reset();
    Season.nYear = Get_Current_Year();
    Season.nTeams = Count_Teams();
    Season.nGames = Get_Games_Per_Season();
    for (int t = 0; t < Season.nTeams; ++t) {
        std::vector<int>& Row = Season.Results[Club_Name(t)];
        for (int n : {YEARLY_WINS, YEARLY_LOSSES, YEARLY_TIES, YEARLY_HOME_WINS, YEARLY_HOME_LOSSES, YEARLY_HOME_TIES,
                      YEARLY_PLAYOFF_WINS, YEARLY_PLAYOFF_LOSSES})
            Row.push_back(Get_Team_Yearly_Char(t, nSeason, n));
        Row.push_back(Get_Team_Yearly_Int(t, nSeason, YEARLY_INT_FINISH));
        Season.Seeds[Club_Name(t)] = Get_Team_Stat(t, TEAM_STAT_PLAYOFF_SEED);
    }
    for (int s = 0; s < PLAYOFF_SLOTS; ++s) {
        const int nTeam = Get_Playoff_Team(s);
        Season.Bracket.push_back(nTeam == NO_TEAM ? "-" : Club_Name(nTeam));
    }
    for (int i = 0; i < Season.nTeams; ++i)
        Season.DraftOrder.push_back(Club_Name(Get_Draft_Order_Team(i)));
    return Season;
}

// The front page's division-leader lines of a saved game ("American North:
// Cincinnati Riverboats 13-3"): the texts under its "Division Leaders"
// heading, the page's last column.
std::vector<std::string> Division_Leaders(const std::string& Saved)
{
    SCRATCH_FOLDER Here{"erased_leaders"};
    EXPECT_TRUE(Here.Ready());
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database(Saved.c_str()), 1) << Saved;
    ui::Reset();
    return Front_Page_Division_Leaders();
}

// Every text of the Standings page of a saved game, with its figure column
// on the statistic nStat (preference 100).
std::vector<std::string> Standings_Texts(const std::string& Saved, int nStat)
{
    SCRATCH_FOLDER Here{"erased_standings"};
    EXPECT_TRUE(Here.Ready());
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database(Saved.c_str()), 1) << Saved;
    ui::Reset();
    Set_User_Preference(STANDINGS_STAT_SLOT, nStat);
    std::vector<std::string> Texts;
    for (const PAGE_TEXT& Text : Layout_Standings_Page().Texts)
        Texts.push_back(Text.Text);
    return Texts;
}

// The texts (tags as spaces, spaces run together) of the pieces of a page
// the pattern's first group matches: a season summary's standings rows
// ("<td class=\"name\">(.*?)</tr>": "Club * 13 3 0 13-3") or its playoff
// results ("<li>(.+?)</li>": "Club 35, Club 17", a past season's
// "Club W, Club L").
std::vector<std::string> Page_Pieces(const std::string& Page, const char* szPattern)
{
    std::vector<std::string> Pieces;
    const std::regex Piece(szPattern);
    for (auto It = std::sregex_iterator(Page.begin(), Page.end(), Piece); It != std::sregex_iterator(); ++It) {
        const std::string Text = std::regex_replace(std::string((*It)[1]), std::regex("(<[^>]*>|\\s)+"), " ");
        Pieces.push_back(std::regex_replace(Text, std::regex("^ | $"), ""));
    }
    return Pieces;
}
constexpr const char* STANDINGS_ROW = "<td class=\"name\">(.*?)</tr>";
constexpr const char* PLAYOFF_GAME = "<li>(.+?)</li>";

// The season's finals as a later season's page tells them: the last three
// results of its own page, the winner first ("Club W, Club L").
std::vector<std::string> Finals_As_Played(const std::string& Page)
{
    std::vector<std::string> Finals;
    const std::vector<std::string> Games = Page_Pieces(Page, PLAYOFF_GAME);
    const std::regex Game("(.+) (\\d+), (.+) (\\d+)");
    std::smatch Match;
    for (size_t i = Games.size() < 3 ? 0 : Games.size() - 3; i < Games.size(); ++i)
        if (std::regex_match(Games[i], Match, Game)) {
            const bool bFirst = std::stoi(Match[2]) > std::stoi(Match[4]);
            Finals.push_back(std::string(Match[bFirst ? 1 : 3]) + " W, " + std::string(Match[bFirst ? 3 : 1]) + " L");
        }
    return Finals;
}

// The clubs to erase, read from the played season: the champion, the club
// it beat in the final, and the first club in the list that missed the
// playoffs.
struct TARGETS {
    std::string Champion;
    std::string Finalist;
    std::string Missed;
};

TARGETS Read_Targets(const std::string& Saved)
{
    TARGETS Targets;
    SCRATCH_FOLDER Here{"erased_targets"};
    EXPECT_TRUE(Here.Ready());
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database(Saved.c_str()), 1) << Saved;
    ui::Reset();
    const int nLast = Get_Season_Last_Playoff_Slot();
    const int nChampion = Get_Playoff_Team(nLast);
    const int nFirstFinalSlot = nLast == PLAYOFF_CHAMPION_SLOT ? 28 : 24;
    for (int s : {nFirstFinalSlot, nFirstFinalSlot + 1}) {
        const int nTeam = Get_Playoff_Team(s);
        if (nTeam != nChampion && nTeam != NO_TEAM)
            Targets.Finalist = Club_Name(nTeam);
    }
    Targets.Champion = Club_Name(nChampion);
    for (int t = 0; t < Count_Teams() && Targets.Missed.empty(); ++t)
        if (Get_Team_Playoff_Slot(t) < 0)
            Targets.Missed = Club_Name(t);
    return Targets;
}

// The rows of a club's season page that show a game: each row's text, tags
// left out, with the game page it links to.
std::vector<std::string> Game_Rows(const std::string& Page)
{
    std::vector<std::string> Rows;
    size_t nAt = Page.find("<tr");
    while (nAt != std::string::npos) {
        const size_t nNext = Page.find("<tr", nAt + 3);
        const std::string Row = Page.substr(nAt, nNext == std::string::npos ? std::string::npos : nNext - nAt);
        nAt = nNext;
        const size_t nLink = Row.find("GameDetails\\G-");
        if (nLink == std::string::npos)
            continue;
        std::string Text;
        bool bInTag = false;
        for (char c : Row) {
            if (c == '<')
                bInTag = true;
            else if (c == '>')
                bInTag = false;
            else if (!bInTag && c != '\n' && c != '\r')
                Text += c;
        }
        Rows.push_back(Row.substr(nLink, 24) + " " + Text);
    }
    return Rows;
}

// The game pages ("G-19-042") the pages of a folder link to.
void Add_Game_Links(const std::string& Folder, std::set<std::string>& Links)
{
    std::error_code Error;
    for (const auto& Entry : fs::directory_iterator(Folder, Error)) {
        const std::string Page = Read_Text_File(Entry.path().string());
        for (size_t nAt = Page.find("G-19-"); nAt != std::string::npos; nAt = Page.find("G-19-", nAt + 1))
            Links.insert(Page.substr(nAt, 8));
    }
}

// The script run headless on a data folder, its output going to Folder.
process_runner::RUN_RESULT Run_In(const std::string& Data, const std::string& Folder, const std::string& Script)
{
    return program_support::Run_Headless_Script({Data, Folder, "erase.kelvo", std::chrono::seconds(400)}, Script);
}

class ErasedClubProgramTest : public ::testing::Test {
protected:
    // The season every case erases a club of, played once for the suite: a
    // new game of 2019 played through its final, saved as "Played" and
    // exported into "Before", in a data folder each case copies.
    static inline SCRATCH_FOLDER* s_pPlayed = nullptr;
    static inline std::string s_Failure;

    static void SetUpTestSuite()
    {
        s_pPlayed = new SCRATCH_FOLDER("erased_played", false);
        SCRATCH_FOLDER Folder{"erased_play", false};
        if (!s_pPlayed->Ready() || !Folder.Ready()) {
            s_Failure = "no scratch folder";
            return;
        }
        program_support::Copy_Built_Data(s_pPlayed->Path());
        const process_runner::RUN_RESULT Run =
            Run_In(s_pPlayed->Path(), Folder.Path(),
                   std::string(program_support::NEW_GAME) + "command \"Through Playoffs\"\n"
                   "command \"Through Playoffs\"\n" + program_support::Save_As("Played") +
                   "tool Export_Html_Encyclopedia \"Before\"\nquit\n");
        if (Run.bTimedOut || Run.nExitCode != 0)
            s_Failure = "the season was not played: " + Run.Out + Run.Err;
    }

    static void TearDownTestSuite()
    {
        delete s_pPlayed;
        s_pPlayed = nullptr;
    }

    SCRATCH_FOLDER Data{"erased_data", false};
    SCRATCH_FOLDER Output{"erased_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(s_Failure.empty()) << s_Failure;
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        std::error_code Error;
        fs::copy(s_pPlayed->Path(), Data.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing,
                 Error);
        ASSERT_FALSE(Error) << Error.message();
    }

    process_runner::RUN_RESULT Run_Script(const std::string& Script)
    {
        return Run_In(Data.Path(), Output.Path(), Script);
    }

    // The played season resumed, Club erased with its players in the League
    // Editor (nGames: the season's length typed too, 0 for none), saved as
    // Name and exported into "<Name> Export".
    void Erase_Club(const std::string& Club, int nGames, const std::string& Name)
    {
        const std::string Length = nGames > 0 ? "dialog 159 set 1315 " + std::to_string(nGames) + "\n" : "";
        const process_runner::RUN_RESULT Run = Run_Script("welcome resume\n"
                                                          "dialog 118 select 1077 \"Played\"\n"
                                                          "dialog 118 press 1\n"
                                                          "command Standings\n"
                                                          "answer yes\n"
                                                          "answer yes\n"
                                                          "dialog 159 select 1132 \"" + Club + "\"\n"
                                                          "dialog 159 press 10\n" + Length +
                                                          "dialog 159 press 1\n"
                                                          "command \"League Editor\"\n"
                                                          "dialog 120 set 1082 \"" + Name + "\"\n"
                                                          "dialog 120 press 1\n"
                                                          "command \"Save Game\"\n"
                                                          "tool Export_Html_Encyclopedia \"" + Name + " Export\"\n"
                                                          "quit\n");
        ASSERT_FALSE(Run.bTimedOut);
        ASSERT_EQ(Run.nExitCode, 0) << Run.Out << Run.Err;
        EXPECT_TRUE(Contains(Run.Out, "Box [Erase Team]")) << Run.Out;
    }

    // The edited save resumed and nSeasons played on by Play Multiple
    // Seasons (the off-season first), then nWeeks more, saved as Name (and
    // exported into "<Name> Export" when asked).
    void Play_On(const std::string& From, int nSeasons, int nWeeks, const std::string& Name, bool bExport = false)
    {
        std::string Script = "welcome resume\n"
                             "dialog 118 select 1077 \"" + From + "\"\n"
                             "dialog 118 press 1\n"
                             "command Standings\n" +
                             program_support::Play_Seasons(nSeasons);
        for (int w = 0; w < nWeeks; ++w)
            Script += "command \"One Week\"\n";
        Script += program_support::Save_As(Name);
        if (bExport)
            Script += "tool Export_Html_Encyclopedia \"" + Name + " Export\"\n";
        Script += "quit\n";
        const process_runner::RUN_RESULT Run = Run_Script(Script);
        ASSERT_FALSE(Run.bTimedOut);
        ASSERT_EQ(Run.nExitCode, 0) << Run.Out << Run.Err;
        EXPECT_FALSE(Contains(Run.Out, "without a champion")) << Run.Out;
    }

    // Everything of the played season that the erase of Club must leave as
    // it was, read from the save Name and its export against "Played" and
    // "Before".
    void Check_Season_As_Played(const std::string& Club, const std::string& Name, int nGames)
    {
        SCOPED_TRACE(Name + ": " + Club + " erased");
        const PLAYED_SEASON Before = Read_Season(Data.Path() + "/Played.zrt", 0);
        const PLAYED_SEASON After = Read_Season(Data.Path() + "/" + Name + ".zrt", 0);
        ASSERT_EQ(After.nTeams, Before.nTeams - 1);
        EXPECT_EQ(After.nYear, 2019);
        EXPECT_EQ(After.nGames, nGames);
        ASSERT_EQ(Before.Results.count(Club), 1u);
        EXPECT_EQ(After.Results.count(Club), 0u);
        for (const auto& [Other, Row] : Before.Results) {
            if (Other == Club)
                continue;
            const auto Found = After.Results.find(Other);
            ASSERT_NE(Found, After.Results.end()) << Other;
            EXPECT_EQ(Found->second, Row) << Other;
            EXPECT_EQ(After.Seeds.at(Other), Before.Seeds.at(Other)) << Other;
        }
        // The bracket names every club where it stood, the erased one too;
        // the next draft keeps the order the season gave it, ties too.
        EXPECT_EQ(After.Bracket, Before.Bracket);
        std::vector<std::string> Order = Before.DraftOrder;
        std::erase(Order, Club);
        EXPECT_EQ(After.DraftOrder, Order);

        // Every other club's season page shows each game it showed, the
        // erased club named as it was, and every game page is linked.
        const std::string Old = Data.Path() + "/Before";
        const std::string New = Data.Path() + "/" + Name + " Export";
        size_t nPages = 0;
        for (const auto& Entry : fs::directory_iterator(Old + "/TeamsDetail")) {
            const std::string File = Entry.path().filename().string();
            if (File == Club + " 2019.htm")
                continue;
            ++nPages;
            const std::vector<std::string> Rows = Game_Rows(Read_Text_File(Entry.path().string()));
            EXPECT_GE(Rows.size(), 16u) << File;
            EXPECT_EQ(Game_Rows(Read_Text_File(New + "/TeamsDetail/" + File, "missing")), Rows) << File;
        }
        EXPECT_EQ(nPages, static_cast<size_t>(Before.nTeams - 1));
        // The erased club has no page, and no page links to one.
        EXPECT_FALSE(fs::exists(New + "/TeamsDetail/" + Club + " 2019.htm"));
        EXPECT_FALSE(fs::exists(New + "/teams/" + Club + ".htm"));
        for (const char* szFolder : {"/TeamsDetail", "/SeasonDetail", "/GameDetails"})
            for (const auto& Entry : fs::directory_iterator(New + szFolder)) {
                const std::string Page = Read_Text_File(Entry.path().string());
                EXPECT_FALSE(Contains(Page, "\\" + Club + ".htm") || Contains(Page, "\\" + Club + " 2019.htm"))
                    << Entry.path();
            }
        std::set<std::string> Linked;
        Add_Game_Links(New + "/TeamsDetail", Linked);
        Add_Game_Links(New + "/SeasonDetail", Linked);
        EXPECT_EQ(Linked.size(), Count_Files(New + "/GameDetails", "G-19-"));
        EXPECT_EQ(Count_Files(New + "/GameDetails", "G-19-"), Count_Files(Old + "/GameDetails", "G-19-"));
        bool bInBracket = false;
        for (const std::string& Slot : Before.Bracket)
            bInBracket = bInBracket || Slot == Club;
        if (bInBracket) {
            EXPECT_TRUE(Contains(Read_Text_File(New + "/Season summary.htm"), Club)) << "the bracket names " << Club;
        }
        // The season's standings list its 32 clubs as they finished.
        const std::vector<std::string> Standings = Page_Pieces(Read_Text_File(Old + "/Season summary.htm"), STANDINGS_ROW);
        EXPECT_EQ(Standings.size(), static_cast<size_t>(Before.nTeams));
        EXPECT_EQ(Page_Pieces(Read_Text_File(New + "/Season summary.htm"), STANDINGS_ROW), Standings);
        // The front page names the eight division leaders it named before,
        // an erased leader with its record.
        const std::vector<std::string> Leaders = Division_Leaders(Data.Path() + "/Played.zrt");
        EXPECT_EQ(Leaders.size(), 8u);
        EXPECT_EQ(Division_Leaders(Data.Path() + "/" + Name + ".zrt"), Leaders);
    }

    // The season's titles after Club (a finalist) was erased, saved as Name:
    // the Champions page and the front page name the champion over the
    // runner-up at once, in the off-season and once 2020 is set up; a look
    // at the Champions page leaves nothing to save; the encyclopedia
    // exported in 2020 tells 2019 as played.
    void Check_Titles(const TARGETS& Targets, const std::string& Name)
    {
        SCOPED_TRACE(Name + " and the titles");
        const std::string Row = "|2019|" + Targets.Champion + "|over " + Targets.Finalist + "|";
        const std::string Headline = "|" + Targets.Champion + " Are Champions!|";
        std::string Pages = Title_Pages(Data.Path() + "/" + Name + ".zrt");
        EXPECT_TRUE(Contains(Pages, Row) && Contains(Pages, Headline)) << Pages;

        const std::string Resume = "welcome resume\ndialog 118 select 1077 \"" + Name + "\"\ndialog 118 press 1\n";
        const process_runner::RUN_RESULT Look = Run_Script(Resume + "command Champions\nquit\n");
        EXPECT_EQ(Look.nExitCode, 0) << Look.Out << Look.Err;
        EXPECT_FALSE(Contains(Look.Out, "Game Not Saved")) << Look.Out;
        // The off-season begun (Commissioner Mode left, the draft held).
        const process_runner::RUN_RESULT Turn = Run_Script(Resume + "answer yes\nanswer no\ncommand \"One Week\"\n" +
                                                           program_support::Save_As(Name + " Off") + "quit\n");
        ASSERT_EQ(Turn.nExitCode, 0) << Turn.Out << Turn.Err;
        Pages = Title_Pages(Data.Path() + "/" + Name + " Off.zrt");
        EXPECT_TRUE(Contains(Pages, Row) && Contains(Pages, Headline)) << Pages;

        Play_On(Name, 1, 0, Name + " 2020", true);
        if (HasFatalFailure())
            return;
        Pages = Title_Pages(Data.Path() + "/" + Name + " 2020.zrt");
        EXPECT_TRUE(Contains(Pages, Row) && Contains(Pages, "|The 2020 Season Awaits|") &&
                    Contains(Pages, "|2019 Champions: " + Targets.Champion + "|"))
            << Pages;
        const std::string Before = Read_Text_File(Data.Path() + "/Before/Season summary.htm");
        const std::string Past = Read_Text_File(Data.Path() + "/" + Name + " 2020 Export/Season summary 2019.htm");
        EXPECT_EQ(Page_Pieces(Past, STANDINGS_ROW), Page_Pieces(Before, STANDINGS_ROW));
        const std::vector<std::string> Finals = Finals_As_Played(Before);
        EXPECT_EQ(Finals.size(), 3u);
        EXPECT_EQ(Page_Pieces(Past, PLAYOFF_GAME), Finals);
    }

    // After the off-season the played season is last season: every other
    // club keeps its results and finish code of it in the save Name, which
    // holds nYear with one club fewer.
    void Check_Last_Season_Kept(const std::string& Club, const std::string& Name, int nYear)
    {
        SCOPED_TRACE(Name + ": " + Club + " erased");
        const PLAYED_SEASON Before = Read_Season(Data.Path() + "/Played.zrt", 0);
        const PLAYED_SEASON After = Read_Season(Data.Path() + "/" + Name + ".zrt", 0);
        EXPECT_EQ(After.nYear, nYear);
        EXPECT_EQ(After.nTeams, Before.nTeams - 1);
        for (const auto& [Other, Row] : Before.Results) {
            if (Other == Club)
                continue;
            const auto Found = After.Results.find(Other);
            ASSERT_NE(Found, After.Results.end()) << Other;
            EXPECT_EQ(Found->second, Row) << Other;
        }
    }

    // A club of the played season: erased once with the season's length
    // kept and once with 14 games; both are checked, and each league plays
    // on into the next season.
    void Erase_Both_Ways(const std::string& Club)
    {
        Erase_Club(Club, 0, "Kept");
        Erase_Club(Club, 14, "Fourteen");
        if (HasFatalFailure())
            return;
        Check_Season_As_Played(Club, "Kept", 16);
        Check_Season_As_Played(Club, "Fourteen", 14);
        // The off-season, then a week of 2020 (whose length is its year's
        // rule again): its games are played (box scores of 2020), and 2019
        // stands as played.
        Play_On("Fourteen", 1, 1, "Fourteen On");
        if (HasFatalFailure())
            return;
        EXPECT_GE(Count_Files(Data.Path() + "/Output", "Box-20-"), 15u);
        Check_Last_Season_Kept(Club, "Fourteen On", 2020);
    }
};

}  // namespace

// The must-show case: the champion erased after the final, saved and
// resumed; its titles stand through the turn of the season; the league goes
// on through its off-season and plays the whole of 2020 (31 clubs of 16
// games: 248 games and the playoffs), and 2019 stands as played.
TEST_F(ErasedClubProgramTest, TheChampionErasedAfterTheFinalLeavesTheSeasonAsPlayedAndTheLeaguePlaysOn)
{
    const TARGETS Targets = Read_Targets(Data.Path() + "/Played.zrt");
    ASSERT_FALSE(Targets.Champion.empty());
    Erase_Both_Ways(Targets.Champion);
    if (HasFatalFailure())
        return;
    Check_Titles(Targets, "Kept");
    for (const auto& Entry : fs::directory_iterator(Data.Path() + "/Output"))
        if (Entry.path().filename().string().rfind("Box-20-", 0) == 0)
            fs::remove(Entry.path());
    Play_On("Kept", 2, 0, "Kept On");
    if (HasFatalFailure())
        return;
    EXPECT_GE(Count_Files(Data.Path() + "/Output", "Box-20-"), 200u);
    Check_Last_Season_Kept(Targets.Champion, "Kept On", 2021);
}

// The champion erased after the final and a club added in its place: the
// season's Standings read as before the erase, the champion's streak and
// points too, and neither they nor the exported season summary give the new
// club, which never played the season, a row.
TEST_F(ErasedClubProgramTest, TheChampionErasedAndAClubAddedLeaveTheStandingsAsTheSeasonEnded)
{
    const TARGETS Targets = Read_Targets(Data.Path() + "/Played.zrt");
    ASSERT_FALSE(Targets.Champion.empty());
    const process_runner::RUN_RESULT Run = Run_Script("welcome resume\n"
                                                      "dialog 118 select 1077 \"Played\"\n"
                                                      "dialog 118 press 1\n"
                                                      "command Standings\n"
                                                      "answer yes\n"
                                                      "answer yes\n"
                                                      "dialog 159 select 1132 \"" + Targets.Champion + "\"\n"
                                                      "dialog 159 press 10\n"
                                                      "dialog 159 press 11\n"
                                                      "dialog 159 press 1\n"
                                                      "command \"League Editor\"\n" +
                                                      program_support::Save_As("Added") +
                                                      "tool Export_Html_Encyclopedia \"Added Export\"\n"
                                                      "quit\n");
    ASSERT_FALSE(Run.bTimedOut);
    ASSERT_EQ(Run.nExitCode, 0) << Run.Out << Run.Err;
    const PLAYED_SEASON Before = Read_Season(Data.Path() + "/Played.zrt", 0);
    const PLAYED_SEASON After = Read_Season(Data.Path() + "/Added.zrt", 0);
    ASSERT_EQ(After.nTeams, Before.nTeams);
    EXPECT_EQ(After.Results.count(Targets.Champion), 0u);
    EXPECT_EQ(After.Results.count("[Empty Team]"), 1u);
    // Streak (2) and Points Scored (7).
    for (int nStat : {2, 7}) {
        const std::vector<std::string> Texts = Standings_Texts(Data.Path() + "/Played.zrt", nStat);
        EXPECT_GE(Texts.size(), static_cast<size_t>(Before.nTeams * 6)) << nStat;
        EXPECT_EQ(Standings_Texts(Data.Path() + "/Added.zrt", nStat), Texts) << nStat;
    }
    const std::string Summary = Read_Text_File(Data.Path() + "/Added Export/Season summary.htm");
    EXPECT_FALSE(Contains(Summary, "[Empty Team]"));
    EXPECT_EQ(Page_Pieces(Summary, STANDINGS_ROW),
              Page_Pieces(Read_Text_File(Data.Path() + "/Before/Season summary.htm"), STANDINGS_ROW));
}

TEST_F(ErasedClubProgramTest, TheLosingFinalistErasedAfterTheFinalLeavesTheSeasonAsPlayed)
{
    const TARGETS Targets = Read_Targets(Data.Path() + "/Played.zrt");
    ASSERT_FALSE(Targets.Finalist.empty());
    Erase_Both_Ways(Targets.Finalist);
    if (!HasFatalFailure())
        Check_Titles(Targets, "Kept");
}

TEST_F(ErasedClubProgramTest, AClubThatMissedThePlayoffsErasedAfterTheFinalLeavesTheSeasonAsPlayed)
{
    const TARGETS Targets = Read_Targets(Data.Path() + "/Played.zrt");
    ASSERT_FALSE(Targets.Missed.empty());
    Erase_Both_Ways(Targets.Missed);
}
