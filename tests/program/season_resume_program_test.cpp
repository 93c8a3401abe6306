// A save and its resume through the real program run headless, at five
// moments of a season of the 2019 league as the Oakland club: New Game,
// after one week, mid-season, the end of the regular season and the
// off-season's day 100 with the college draft waiting. At each moment what a
// player reads before the save (the exported site, the main window's pages,
// every player's stored ratings and the room a Contract Offer keeps for the
// rookies) is read again
// right after the resume in a new run, before any day is played, and must be
// the same. On day 100 the part kept for the rookies must also be the price
// of the club's picks at their places in the Draft page's order, and the
// college draft that follows must pick in that order.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "pages/page_layout.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "season/salaries.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using process_runner::RUN_RESULT;
using program_support::Contains;
using program_support::Save_As;

constexpr const char* NEW_GAME_AS_OAKLAND =
    "welcome new\n"
    "dialog 105 select 1089 \"2019\"\n"
    "dialog 105 select 1010 \"Oakland Stevedores\"\n"
    "dialog 105 set 1013 \"Pat\"\n"
    "dialog 105 press 1391\n";

// The folder the site of one reading is exported to, inside the data folder.
std::string Site_Name(const std::string& Tag)
{
    return "Site " + Tag;
}

// What a player reads: the exported site, every player's ratings, and the
// Contract Offer of the first free agent, declined.
std::string Readings(const std::string& Tag)
{
    return "tool Export_Html_Encyclopedia \"" + Site_Name(Tag) +
           "\"\n"
           "tool Export_Current_Player_Ratings 15\n"
           "dialog 130 select 1124 @0\n"
           "dialog 186 press 2\n"
           "dialog 130 press 1044\n"
           "command \"Free Agents\"\n";
}

std::string Resume(const std::string& Name)
{
    return "welcome resume\n"
           "dialog 118 select 1077 \"" +
           Name +
           "\"\n"
           "dialog 118 press 1\n";
}

// The room and the part of it kept for the rookies as the Contract Offer
// made from the Free Agents list showed them, by the run's log ("" when no
// offer was made there).
std::string Offer_Figures(const std::string& Log)
{
    const size_t nList = Log.rfind("Command 40038 \"Free Agents\"");
    if (nList == std::string::npos)
        return "";
    const std::string Mark = "Contract Offer to ";
    const size_t nAt = Log.find(Mark, nList);
    if (nAt == std::string::npos)
        return "";
    const size_t nEnd = Log.find('\n', nAt);
    const std::string Line = Log.substr(nAt, nEnd == std::string::npos ? std::string::npos : nEnd - nAt);
    const size_t nRoom = Line.find(": room ");
    return nRoom == std::string::npos ? "" : Line.substr(nRoom + 2);
}

// The dollars of the part kept for the rookies in Offer_Figures' text
// ("... kept for the rookies: $13,793,000 of it"); -1 when none is named.
int64_t Reserve_Dollars(const std::string& Figures)
{
    const std::string Mark = "kept for the rookies: $";
    const size_t nAt = Figures.find(Mark);
    if (nAt == std::string::npos)
        return -1;
    int64_t nDollars = 0;
    for (size_t i = nAt + Mark.size(); i < Figures.size() && Figures[i] != ' '; ++i)
        if (Figures[i] >= '0' && Figures[i] <= '9')
            nDollars = nDollars * 10 + (Figures[i] - '0');
    return nDollars;
}

// Every file below Folder by its path relative to it.
std::map<std::string, std::string> Files_Below(const std::string& Folder)
{
    std::map<std::string, std::string> Files;
    std::error_code Error;
    for (const auto& Entry : fs::recursive_directory_iterator(Folder, Error))
        if (Entry.is_regular_file())
            Files[fs::relative(Entry.path(), Folder).string()] = Read_Text_File(Entry.path().string());
    return Files;
}

// The names of the files that two folders do not hold alike, at most ten of
// them and then how many more; empty when they are the same.
std::string Differing_Files(const std::string& Before, const std::string& After)
{
    const std::map<std::string, std::string> A = Files_Below(Before);
    const std::map<std::string, std::string> B = Files_Below(After);
    std::vector<std::string> Names;
    for (const auto& [Name, Text] : A) {
        const auto It = B.find(Name);
        if (It == B.end() || It->second != Text)
            Names.push_back(Name);
    }
    for (const auto& [Name, Text] : B)
        if (A.find(Name) == A.end())
            Names.push_back(Name + " (only after)");
    if (A.empty())
        Names.push_back("(nothing exported before)");
    std::string Text;
    for (size_t i = 0; i < Names.size() && i < 10; ++i)
        Text += Names[i] + "\n";
    if (Names.size() > 10)
        Text += "and " + std::to_string(Names.size() - 10) + " more\n";
    return Text;
}

// The first line in which two texts differ, both sides; empty when alike.
std::string First_Differing_Line(const std::string& Before, const std::string& After)
{
    std::istringstream A(Before);
    std::istringstream B(After);
    std::string a, b;
    for (int n = 1;; ++n) {
        const bool bA = static_cast<bool>(std::getline(A, a));
        const bool bB = static_cast<bool>(std::getline(B, b));
        if (!bA && !bB)
            return "";
        if (!bA || !bB || a != b)
            return "line " + std::to_string(n) + ":\n  before: " + (bA ? a : "(none)") +
                   "\n  after:  " + (bB ? b : "(none)");
    }
}

// One reading of a run: the offer's figures and the ratings file; the site
// stays in its folder.
struct READING {
    bool bRan = false;   // the run ended well
    std::string Offer;
    std::string Ratings;
};

class SeasonResumeProgramTest : public program_support::HEADLESS_PROGRAM_TEST {
protected:
    SeasonResumeProgramTest() : HEADLESS_PROGRAM_TEST("season_resume_data", "season_resume_out", "resume.kelvo") {}

    // Runs the script, which must end well, and takes the reading it made
    // in the season of nYear.
    READING Run_And_Read(const std::string& Script, int nYear, const std::string& What)
    {
        const RUN_RESULT Run = program_support::Run_Headless_Script(
            {Data.Path(), Output.Path(), "resume.kelvo", std::chrono::seconds(600)}, Script);
        EXPECT_FALSE(Run.bTimedOut) << What;
        EXPECT_EQ(Run.nExitCode, 0) << What << "\n" << Run.Out << Run.Err;
        READING Reading;
        Reading.bRan = !Run.bTimedOut && Run.nExitCode == 0;
        Reading.Offer = Offer_Figures(Read_Text_File(Data.Path() + "/debug.txt"));
        const std::string Ratings = Data.Path() + "/Output/Ratings/" + std::to_string(nYear) + "_Player_Ratings.csv";
        Reading.Ratings = Read_Text_File(Ratings, "(no ratings file)");
        std::error_code Error;
        fs::remove(Ratings, Error);
        return Reading;
    }

    // The reading before the save against the one after the resume.
    void Expect_Alike(const std::string& Moment, const READING& Before, const READING& After)
    {
        EXPECT_NE(Before.Offer, "") << Moment << ": no Contract Offer was shown before the save";
        EXPECT_EQ(After.Offer, Before.Offer) << Moment << ": the Contract Offer's room";
        EXPECT_NE(Before.Ratings, "(no ratings file)") << Moment;
        EXPECT_TRUE(After.Ratings == Before.Ratings)
            << Moment << ": players' ratings differ at " << First_Differing_Line(Before.Ratings, After.Ratings);
        const std::string SiteBefore = Data.Path() + "/" + Site_Name(Moment + " before");
        const std::string SiteAfter = Data.Path() + "/" + Site_Name(Moment + " after");
        const std::string Differing = Differing_Files(SiteBefore, SiteAfter);
        EXPECT_EQ(Differing, "") << Moment << ": exported files that differ";
        std::error_code Error;
        fs::remove_all(SiteBefore, Error);
        fs::remove_all(SiteAfter, Error);
    }

    // The saved game read into this process as it was written: no load
    // repairs, no recounts. Whether it loaded.
    bool Read_As_Saved(const std::string& Name)
    {
        SCRATCH_FOLDER Here{"season_resume_read"};
        Zero_League_Data();
        ui::Reset();
        Set_Load_Sequence_Enabled(false);
        const int nLoaded = Load_Universe_Database((Data.Path() + "/" + Name + ".zrt").c_str());
        Set_Load_Sequence_Enabled(true);
        return nLoaded == 1;
    }

    // The texts of every main-window page, as the league in this process
    // lays them out.
    static std::string Main_Page_Texts()
    {
        const int PAGES[] = {MAIN_PAGE_FRONT,    MAIN_PAGE_STANDINGS, MAIN_PAGE_CALENDAR, MAIN_PAGE_GAMES,
                             MAIN_PAGE_PLAYOFFS, MAIN_PAGE_CHAMPIONS, MAIN_PAGE_DRAFT};
        std::string Texts;
        for (const int nPage : PAGES) {
            Texts += "[page " + std::to_string(nPage) + "]\n";
            for (const PAGE_TEXT& Text : Layout_Main_Page(nPage).Texts)
                Texts += Text.Text + "\n";
        }
        return Texts;
    }

    // The saved game resumed into this process as the program resumes it.
    bool Resume_Here(const std::string& Name)
    {
        SCRATCH_FOLDER Here{"season_resume_load"};
        Zero_League_Data();
        ui::Reset();
        return Load_Universe_Database((Data.Path() + "/" + Name + ".zrt").c_str()) == 1;
    }

    void TearDown() override
    {
        Set_Load_Sequence_Enabled(true);
        Zero_League_Data();
        ui::Reset();
    }
};

int User_Club()
{
    for (int t = 0; t < Count_Teams(); ++t)
        if (Get_Team_Stat(t, TEAM_STAT_CONTROLLER) == CONTROLLER_USER)
            return t;
    return NO_TEAM;
}

// The lines of the first round in the college draft's report.
std::vector<std::string> First_Round_Lines(const std::string& Report)
{
    std::vector<std::string> Lines;
    std::istringstream In(Report);
    std::string Line;
    bool bInRound = false;
    while (std::getline(In, Line)) {
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (Contains(Line, "================= First ROUND")) {
            bInRound = true;
            continue;
        }
        if (!bInRound)
            continue;
        if (Line.empty() || Contains(Line, "ROUND ="))
            break;
        Lines.push_back(Line);
    }
    return Lines;
}

}  // namespace

TEST_F(SeasonResumeProgramTest, EveryMomentOfASeasonReadsAlikeBeforeASaveAndAfterItsResume)
{
    struct MOMENT {
        const char* szName;
        std::string Play;   // from the moment before (the first: a new game)
        int nYear;          // the season the ratings file is named for
    };
    const MOMENT Moments[] = {
        {"New Game", NEW_GAME_AS_OAKLAND, 2019},
        {"Week 1", "command \"One Week\"\n", 2019},
        {"Mid-Season", "command \"Half Season\"\n", 2019},
        {"Regular Season Over", "command \"Through Playoffs\"\n", 2019},
        // The playoffs, then the off-season up to the draft, left waiting.
        {"Day 100", "command \"Through Playoffs\"\nanswer no\ncommand \"One Week\"\n", 2020},
    };
    const int nMoments = static_cast<int>(std::size(Moments));
    std::string Previous;
    for (int m = 0; m < nMoments; ++m) {
        const MOMENT& Moment = Moments[m];
        const std::string Name = Moment.szName;
        const std::string Saved = "Moment " + std::to_string(m);
        const bool bDay100 = m == nMoments - 1;
        // Before: played on from the save of the moment before and saved,
        // then read (the Free Agents list the offer is made from orders and
        // tops up the pool: that is read alike after the resume), and saved
        // again as the reading left it. On day 100 the college draft then
        // runs, the computer making every pick.
        const std::string Read = "Read " + std::to_string(m);
        std::string Script = (Previous.empty() ? std::string() : Resume(Previous)) + Moment.Play + Save_As(Saved) +
                             Readings(Name + " before") + Save_As(Read);
        if (bDay100)
            Script += "command \"Start Draft\"\n"
                      "answer yes\n"
                      "command \"End Draft\"\n"
                      "answer no\n";
        const READING Before = Run_And_Read(Script + "quit\n", Moment.nYear, Name + ", before the save");
        if (!Before.bRan)
            return;
        // After: resumed in a new run and read at once.
        const READING After = Run_And_Read(Resume(Saved) + Readings(Name + " after") + Save_As("Resumed " + Saved) +
                                               "quit\n",
                                           Moment.nYear, Name + ", after the resume");
        Expect_Alike(Name, Before, After);
        Previous = Saved;

        // The moment is the one it is named for.
        ASSERT_TRUE(Read_As_Saved(Saved)) << Saved;
        const int nWeeks[] = {0, 1, 9, Get_First_Playoff_Week(), OFFSEASON_WEEK};
        EXPECT_EQ(Get_Current_Week(), nWeeks[m]) << Name;
        EXPECT_EQ(Get_Current_Year(), Moment.nYear) << Name;
        // Every main-window page reads after the resume as the league held
        // in memory when it was saved (the block as written) lays it out.
        const std::string PagesAsSaved = Main_Page_Texts();
        ASSERT_TRUE(Resume_Here(Saved)) << Saved;
        const std::string PagesResumed = Main_Page_Texts();
        EXPECT_TRUE(PagesResumed == PagesAsSaved)
            << Name << ": the pages differ at " << First_Differing_Line(PagesAsSaved, PagesResumed);
        if (!bDay100)
            continue;

        // Day 100, as the offer left it: the Draft page's first round.
        ASSERT_TRUE(Read_As_Saved(Read)) << Read;
        ASSERT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), DRAFT_OVER_ROUND) << "the draft has not begun";
        const int nClub = User_Club();
        ASSERT_NE(nClub, NO_TEAM);
        const int nTeams = Count_Teams();
        Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, 1);
        const PAGE_LAYOUT Page = Layout_Draft_Page();
        std::string PageText;
        for (const PAGE_TEXT& Text : Page.Texts)
            PageText += Text.Text + "|";
        EXPECT_TRUE(Contains(PageText, "2020 Draft, Round 1|")) << PageText;
        std::vector<int> PageOrder;
        for (const PAGE_ROW& Row : Page.Rows) {
            EXPECT_EQ(Row.nGroup, static_cast<int>(PageOrder.size()) + 1);
            EXPECT_TRUE(Contains(PageText, std::to_string(Row.nGroup) + ".|" + Page_Team_Name(Row.nTeam) + "|"))
                << Row.nGroup << " " << PageText;
            PageOrder.push_back(Row.nTeam);
        }
        ASSERT_EQ(static_cast<int>(PageOrder.size()), nTeams) << PageText;
        // It lists the holders of the round's picks in the stored order.
        for (int i = 0; i < nTeams; ++i)
            EXPECT_EQ(PageOrder[static_cast<size_t>(i)], Get_Draft_Pick_Owner(0, 0, Get_Draft_Order_Team(i))) << i;

        // The part kept for the rookies is what the club's picks cost at the
        // places the page gives them: the slot's salary and a quarter of its
        // bonus, in every round.
        int64_t nPrice = 0;
        int nPicks = 0;
        for (int r = 0; r < DRAFT_ROUNDS; ++r)
            for (int i = 0; i < nTeams; ++i)
                if (Get_Draft_Pick_Owner(0, r, Get_Draft_Order_Team(i)) == nClub) {
                    nPrice += Get_Draft_Slot_Salary(r, i) + Get_Draft_Slot_Bonus(r, i) / 4;
                    ++nPicks;
                }
        EXPECT_GT(nPicks, 0);
        EXPECT_EQ(Reserve_Dollars(Before.Offer), nPrice * 1000) << Before.Offer;

        // The draft that followed the save picked in the page's order: the
        // report's first round names the page's clubs one after the other.
        const std::vector<std::string> Picks =
            First_Round_Lines(Read_Text_File(Data.Path() + "/Output/College-Draft-2020.txt"));
        ASSERT_EQ(static_cast<int>(Picks.size()), nTeams);
        for (int i = 0; i < nTeams; ++i) {
            char szNickname[TEAM_STRING_SIZE];
            Get_Team_String(szNickname, PageOrder[static_cast<size_t>(i)], TEAM_STRING_NICKNAME);
            EXPECT_EQ(Picks[static_cast<size_t>(i)].rfind(std::string(" ") + szNickname + " ", 0), 0u)
                << "pick " << i + 1 << ": " << Picks[static_cast<size_t>(i)] << ", the page says "
                << Page_Team_Name(PageOrder[static_cast<size_t>(i)]);
        }
    }
}
