// The franchise history replayed by the real program, headless, on leagues
// not shaped like the one it was written for, and the wild cards of a new
// game whose league allows fewer than its year's rule.
//
// The fictional history's leagues have two leagues ("American" and
// "National") from their first season, and none named "AFL" or "NFL": the
// 1960 new league and its division's name, and the 1970 rename, fit none of
// them and change nothing. Their 1960 expansion club still joins, and in
// the 32-club league, which has its own club of Houston on "HOU", takes
// another abbreviation. Every season's saved league has clubs of distinct
// abbreviations and leagues whose divisions have distinct names, and the
// log holds no error. The encyclopedia exported in 1960 gives the
// expansion club a row in the 1960 standings only: none in 1959's, and its
// own page has no row for a season before it joined.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Contains;
using program_support::Count_Text;
using program_support::Play_Seasons;
using program_support::Save_As;

// A new game of nYear in the league built from the data folder's history.
std::string New_Game(int nYear)
{
    const std::string Year = std::to_string(nYear);
    return "tool Create_Universe_Database " + Year +
           "\n"
           "welcome new\n"
           "dialog 105 select 1089 \"" + Year +
           "\"\n"
           "dialog 105 set 1013 \"Pat\"\n"
           "dialog 105 press 1391\n";
}

std::string Abbreviation_Of(int nTeam)
{
    char szText[TEAM_STRING_SIZE + 1] = {};
    Get_Team_String(szText, nTeam, TEAM_STRING_ABBREVIATION);
    return szText;
}

// The club of City and Nickname; -1 when none is.
int Find_Team_Named(const std::string& City, const std::string& Nickname)
{
    for (int t = 0; t < Count_Teams(); ++t) {
        char szCity[TEAM_STRING_SIZE + 1] = {};
        char szNickname[TEAM_STRING_SIZE + 1] = {};
        Get_Team_String(szCity, t, TEAM_STRING_CITY);
        Get_Team_String(szNickname, t, TEAM_STRING_NICKNAME);
        if (City == szCity && Nickname == szNickname)
            return t;
    }
    return -1;
}

std::string Division_Name(int nDivision)
{
    char szText[DIVISION_NAME_SIZE + 1] = {};
    Get_Division_Name(nDivision, szText);
    return szText;
}

std::string League_Name(int nLeague)
{
    char szText[LEAGUE_NAME_SIZE + 1] = {};
    Get_League_Name(nLeague, szText);
    return szText;
}

// The loaded league: every club's abbreviation its own, and no two
// divisions of one league (named division slots, with clubs or not) of
// one name.
void Check_Names_Unique()
{
    std::set<std::string> Abbreviations;
    for (int t = 0; t < Count_Teams(); ++t)
        EXPECT_TRUE(Abbreviations.insert(Abbreviation_Of(t)).second) << "club " << t << ": " << Abbreviation_Of(t);
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l) {
        std::set<std::string> Names;
        for (int d = 4 * l; d < 4 * l + 4; ++d) {
            const std::string Name = Division_Name(d);
            if (!Name.empty()) {
                EXPECT_TRUE(Names.insert(Name).second) << "division " << d << ": " << Name;
            }
        }
    }
}

// The lines of debug.txt that report an error.
std::vector<std::string> Error_Lines(const std::string& Log)
{
    std::vector<std::string> Lines;
    std::istringstream In(Log);
    std::string Line;
    while (std::getline(In, Line))
        if (Contains(Line, "ERROR"))
            Lines.push_back(Line);
    return Lines;
}

class FranchiseHistoryProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"history_data", false};
    SCRATCH_FOLDER Output{"history_out", false};

    // The data folder with the fictional history of nFirst-nLast for
    // nTeams clubs.
    void Make_History(int nTeams, int nFirst, int nLast)
    {
        ASSERT_TRUE(Data.Ready() && Output.Ready());
        program_support::Copy_Data_With_History(Data.Path(), Output.Path(), nFirst, nLast, nTeams);
    }

    process_runner::RUN_RESULT Run_Script(const std::string& Script, int nSeconds)
    {
        return program_support::Run_Headless_Script(
            {Data.Path(), Output.Path(), "history.kelvo", std::chrono::seconds(nSeconds)}, Script);
    }

    // A new game of 1959 in the league of nTeams clubs built from the
    // fictional history, played one season at a time into 1972 and saved
    // at the start of each season as "Roll YEAR". The log holds no error,
    // and every season's league has distinct club abbreviations and
    // distinct division names within each league.
    process_runner::RUN_RESULT Roll_1959_Into_1972(int nTeams)
    {
        process_runner::RUN_RESULT Run;
        Make_History(nTeams, 1956, 1962);
        if (HasFatalFailure())
            return Run;
        std::string Script = New_Game(1959);
        for (int nYear = 1960; nYear <= 1972; ++nYear) {
            Script += Play_Seasons(1) + Save_As("Roll " + std::to_string(nYear));
            if (nYear == 1960)
                Script += "tool Export_Html_Encyclopedia \"Site 1960\"\n";
        }
        Run = Run_Script(Script + "quit\n", 300);
        EXPECT_FALSE(Run.bTimedOut);
        EXPECT_EQ(Run.nExitCode, 0) << Run.Out << Run.Err;
        const std::vector<std::string> Errors = Error_Lines(Read_Text_File(Data.Path() + "/debug.txt"));
        EXPECT_TRUE(Errors.empty()) << Errors.front();
        for (int nYear = 1960; nYear <= 1972; ++nYear) {
            SCOPED_TRACE(nYear);
            Load("Roll " + std::to_string(nYear));
            if (HasFatalFailure())
                return Run;
            EXPECT_EQ(Get_Current_Year(), nYear);
            Check_Names_Unique();
        }
        return Run;
    }

    // The saved game Name loaded into this process.
    void Load(const std::string& Name)
    {
        SCRATCH_FOLDER Here{"history_load"};
        ASSERT_TRUE(Here.Ready());
        Zero_League_Data();
        ASSERT_EQ(Load_Universe_Database((Data.Path() + "/" + Name + ".zrt").c_str()), 1) << Name;
        ui::Reset();
    }
};

// The clubs of an exported season page's standings rows, by full name.
std::vector<std::string> Standings_Clubs(const std::string& Page)
{
    std::vector<std::string> Clubs;
    const std::regex Row("<td class=\"name\"><a [^>]*>([^<]*)</a>");
    for (auto It = std::sregex_iterator(Page.begin(), Page.end(), Row); It != std::sregex_iterator(); ++It)
        Clubs.push_back((*It)[1]);
    return Clubs;
}

// The years of an exported club page's season-by-season rows.
std::vector<std::string> Summary_Years(const std::string& Page)
{
    std::vector<std::string> Years;
    const std::regex Row("<tr><td>(\\d{4})</td>");
    for (auto It = std::sregex_iterator(Page.begin(), Page.end(), Row); It != std::sregex_iterator(); ++It)
        Years.push_back((*It)[1]);
    return Years;
}

// The playoff results the season's standings file lists (" A defeat B,
// n-m" lines; the division tables have none).
size_t Count_Playoff_Results(const std::string& Standings)
{
    return Count_Text(Standings, " defeat ");
}

}  // namespace

TEST_F(FranchiseHistoryProgramTest, TwelveClubsOf1959KeepTheirNamesInto1972)
{
    const process_runner::RUN_RESULT Run = Roll_1959_Into_1972(12);
    if (HasFatalFailure())
        return;
    // 1970 asks a wild card a conference, which two divisions a conference
    // do not allow: said once, in 1970 (the seasons before had none by
    // their rule), and every season is played without: the two division
    // winners of each league meet, then, from 1966, the leagues' champions.
    EXPECT_EQ(Count_Text(Run.Out, "Box [Playoff Format Change] \"The 1970 playoffs take 0 wild-card teams per "
                                  "conference instead of 1"),
              1u)
        << Run.Out;
    EXPECT_EQ(Count_Text(Run.Out, "Playoff Format Change"), 1u) << Run.Out;
    // Exported in 1960: the Houston Oilers, who joined that year, stand in
    // its standings beside the twelve, not in 1959's; their page has a row
    // for 1960 alone, a club of 1959 rows for both.
    const std::string Site = Data.Path() + "/Site 1960/";
    const std::vector<std::string> Then = Standings_Clubs(Read_Text_File(Site + "Season summary 1959.htm", "missing"));
    const std::vector<std::string> Now = Standings_Clubs(Read_Text_File(Site + "Season summary.htm", "missing"));
    EXPECT_EQ(Then.size(), 12u);
    EXPECT_EQ(std::count(Then.begin(), Then.end(), "Houston Oilers"), 0);
    EXPECT_EQ(Now.size(), 13u);
    EXPECT_EQ(std::count(Now.begin(), Now.end(), "Houston Oilers"), 1);
    EXPECT_EQ(Summary_Years(Read_Text_File(Site + "teams/Houston Oilers.htm", "missing")),
              (std::vector<std::string>{"1960"}));
    ASSERT_FALSE(Then.empty());
    const std::vector<std::string> Years = Summary_Years(Read_Text_File(Site + "teams/" + Then.front() + ".htm"));
    ASSERT_GE(Years.size(), 2u) << Then.front();
    EXPECT_EQ(Years[0], "1960");
    EXPECT_EQ(Years[1], "1959");
    for (int nYear = 1960; nYear <= 1971; ++nYear) {
        const std::string Standings =
            Read_Text_File(Data.Path() + "/Output/Stndng" + std::to_string(nYear % 100) + ".txt");
        EXPECT_EQ(Count_Playoff_Results(Standings), nYear < 1966 ? 2u : 3u) << nYear << "\n" << Standings;
    }

    for (int nYear = 1960; nYear <= 1972; ++nYear) {
        SCOPED_TRACE(nYear);
        Load("Roll " + std::to_string(nYear));
        if (HasFatalFailure())
            return;
        ASSERT_EQ(Count_Teams(), 13);   // the twelve and the Houston Oilers
        // No league was made, renamed or given a division name: the
        // leagues change places in 1970, their division slots keep theirs.
        EXPECT_EQ(League_Name(nYear < 1970 ? 0 : 1), "American");
        EXPECT_EQ(League_Name(nYear < 1970 ? 1 : 0), "National");
        EXPECT_EQ(Division_Name(1), "North");
        EXPECT_EQ(Division_Name(5), "North");
    }
}

TEST_F(FranchiseHistoryProgramTest, ThirtyTwoClubsOf1959KeepTheirNamesInto1972)
{
    Roll_1959_Into_1972(32);
    if (HasFatalFailure())
        return;
    for (int nYear = 1960; nYear <= 1972; ++nYear) {
        SCOPED_TRACE(nYear);
        Load("Roll " + std::to_string(nYear));
        if (HasFatalFailure())
            return;
        ASSERT_EQ(Count_Teams(), 33);
        EXPECT_EQ(League_Name(nYear < 1970 ? 0 : 1), "American");
        EXPECT_EQ(Division_Name(1), "North");
        // The Houston Oilers joined beside the league's own Houston club,
        // under a code of their own.
        const int nOilers = Find_Team_Named("Houston", "Oilers");
        const int nGushers = Find_Team_Named("Houston", "Gushers");
        ASSERT_GE(nOilers, 0);
        ASSERT_GE(nGushers, 0);
        EXPECT_EQ(Abbreviation_Of(nGushers), "HOU");
        EXPECT_EQ(Abbreviation_Of(nOilers), "HOO");
    }
}

// New games of leagues of two divisions a conference, which allow no wild
// card: 15 clubs in 1995 (the year's rule three) and 13 in 1970 (one). The
// box says the count is held to none, once, and the first season's
// playoffs and the next season's are played without wild cards: the two
// division winners of each conference meet, then the final.
TEST_F(FranchiseHistoryProgramTest, ANewGamePlaysTheWildCardsItsBoxSaid)
{
    struct CASE {
        int nTeams;
        int nYear;
        int nRule;
    };
    for (const CASE& Case : {CASE{15, 1995, 3}, CASE{13, 1970, 1}}) {
        SCOPED_TRACE(std::to_string(Case.nTeams) + " clubs, " + std::to_string(Case.nYear));
        fs::remove_all(Data.Path());
        fs::create_directories(Data.Path());
        Make_History(Case.nTeams, Case.nYear - 2, Case.nYear + 1);
        if (HasFatalFailure())
            return;
        const std::string Next = "Next " + std::to_string(Case.nYear + 1);
        const process_runner::RUN_RESULT Run = Run_Script(New_Game(Case.nYear) + Play_Seasons(1) + Save_As(Next) +
                                                              Play_Seasons(1) + Save_As("After") + "quit\n",
                                                          300);
        ASSERT_FALSE(Run.bTimedOut);
        ASSERT_EQ(Run.nExitCode, 0) << Run.Out << Run.Err;
        const std::string Said = "Box [Playoff Format Change] \"The " + std::to_string(Case.nYear) +
                                 " playoffs take 0 wild-card teams per conference instead of " +
                                 std::to_string(Case.nRule) + ", as the league's clubs, divisions and season length "
                                                              "allow.\"";
        EXPECT_EQ(Count_Text(Run.Out, Said), 1u) << Run.Out;
        EXPECT_EQ(Count_Text(Run.Out, "Playoff Format Change"), 1u) << Run.Out;
        for (int nYear : {Case.nYear, Case.nYear + 1}) {
            const std::string Standings =
                Read_Text_File(Data.Path() + "/Output/Stndng" + std::to_string(nYear % 100) + ".txt");
            EXPECT_EQ(Count_Playoff_Results(Standings), 3u) << nYear << "\n" << Standings;
        }
        Load(Next);
        if (HasFatalFailure())
            return;
        EXPECT_EQ(Count_Teams(), Case.nTeams);
        EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 0);
    }
}
