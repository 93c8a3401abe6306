// The league, teams, caproom, combine and wins tables of the database build,
// each with a byte-order mark, CRLF, a quoted field and a UTF-8 name, and
// each missing file's one message.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../tools/reader_files.h"
#include "base/text_utils.h"
#include "league/cities.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_text.h"
#include "league/stadium_value.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "season/season_cycle_fixture.h"
#include "season/team_records_file.h"
#include "test_support.h"
#include "tools/input_readers.h"

namespace {

class InputReadersTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(0);   // a cleared league: no franchise in use
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2020);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);   // amounts as written; price step 100
        Set_City_Name(0, "Alpha City");
        Set_City_Name(1, "Bravo");
    }

    static std::string Team_String(int t, int s)
    {
        char sz[32];
        Get_Team_String(sz, t, s);
        return sz;
    }
};

// ---- League structure --------------------------------------------------------------

TEST_F(InputReadersTest, LeagueFileNamesLeaguesAndDivisionsAndCutsLongNames)
{
    SCRATCH_FOLDER Scratch("league_file");
    Write_Input_File("input/stats/leagues/2020_league.csv",
                     "\xEF\xBB\xBFLeague,D1,D2,D3,D4\r\n"
                     "Alpha League,North,South,\"East, Far\",West\r\n"
                     "Beta Conference Long,N\xC3\xB6rd,Sud,Est,Ouest Division Long");
    EXPECT_EQ(Read_League_File(), 2);
    char sz[32];
    Get_League_Name(0, sz);
    EXPECT_STREQ(sz, "Alpha League");
    Get_League_Name(1, sz);
    EXPECT_STREQ(sz, "Beta Conference");   // 15 characters kept
    Get_Division_Name(2, sz);
    EXPECT_STREQ(sz, "East, Far");
    Get_Division_Name(4, sz);
    EXPECT_STREQ(sz, "N\xF6rd");
    Get_Division_Name(7, sz);
    EXPECT_STREQ(sz, "Ouest Divis");        // 11 characters kept
    EXPECT_EQ(Errors_Reported(), 2);        // each cut logged
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// In a build the league file is taken whole or refused: a line cut short (the
// last, or another) or a NUL byte names the file and the line, and no name is
// changed; so does a line one name short, or longer than the reader keeps.
// An empty file, and a last line of five names without its line feed, are
// read.
TEST_F(InputReadersTest, InABuildADamagedLeagueFileIsRefusedAndAnEmptyOneKeepsTheNames)
{
    SCRATCH_FOLDER Scratch("league_damaged");
    const std::string Header = "League,Division 1,Division 2,Division 3,Division 4\n";
    const std::string File = "\"input/stats/leagues/2020_league.csv\"";
    // Line 2 of nLength characters, empty fields after its five names.
    const auto Padded = [](size_t nLength) {
        const std::string Names = "North League,East,West,South,Far";
        return Names + std::string(nLength - Names.size(), ',');
    };
    const struct {
        std::string Bytes;
        int nRead;
        std::string Problem;
    } CASES[] = {
        {Header + "North League,East,West,South,Far\nSouth League,East,N", -1,
         File + ": line 3 holds 3 of the header's 5 fields: the file ends inside it (cut short)"},
        {Header + "North League,East,West\nSouth League,A,B,C,D\n", -1,
         File + ": line 2 holds 3 of the header's 5 fields"},
        {Header + "North League,East,West,South,Far\nSouth League,A,B,C,D\nExtra\n", -1,
         File + ": line 4 holds 1 of the header's 5 fields"},
        {Header + "North League,East,West,So" + std::string(1, '\0') + "uth,Far\nSouth League,A,B,C,D\n", -1,
         File + ": line 2 holds a NUL byte at character 26 (a text file holds none)"},
        {"League,Division\nNorth League,East\nSouth League,A\n", -1,
         File + " line 2 holds 2 of the 5 fields of a league"},
        // One name short: against the header line, and against the five
        // names where the header line is one short too.
        {Header + "North League,East,West,South\nSouth League,A,B,C,D\n", -1,
         File + ": line 2 holds 4 of the header's 5 fields"},
        {"League,Division 1,Division 2,Division 3\nNorth League,East,West,South\nSouth League,A,B,C\n", -1,
         File + " line 2 holds 4 of the 5 fields of a league"},
        // A line longer than the 2,047 characters the reader keeps would be
        // read cut; one of 2,047 and its CR is whole.
        {Header + Padded(2048) + "\nSouth League,A,B,C,D\n", -1,
         File + ": line 2 holds 2048 characters, more than the 2047 a line may hold"},
        {Header + Padded(2047) + "\r\nSouth League,A,B,C,D\r\n", 2,
         ""},
        {"", 0, ""},
        {Header, 0, ""},
        {Header + "North League,East,West,South,Far\r\nSouth League,A,B,C,D", 2, ""},
    };
    for (const auto& Case : CASES) {
        SCOPED_TRACE(Case.Bytes);
        Set_League_Abbreviation(1, "Kept League");
        Set_Division_Name(5, "Kept");
        Write_Input_File("input/stats/leagues/2020_league.csv", Case.Bytes);
        std::string Problem;
        EXPECT_EQ(Read_League_File(&Problem), Case.nRead);
        EXPECT_EQ(Problem, Case.Problem);
        char sz[32];
        Get_League_Name(1, sz);
        EXPECT_STREQ(sz, Case.nRead == 2 ? "South League" : "Kept League");
        Get_Division_Name(5, sz);
        EXPECT_STREQ(sz, Case.nRead == 2 ? "B" : "Kept");
    }
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// ---- Franchises --------------------------------------------------------------------

TEST_F(InputReadersTest, CitiesAreFoundByNameInAnyCaseAmongThoseInUse)
{
    EXPECT_EQ(Find_City_By_Name("ALPHA CITY"), 0);
    EXPECT_EQ(Find_City_By_Name("bravo"), 1);
    EXPECT_EQ(Find_City_By_Name("Bravo "), -1);
    EXPECT_EQ(Find_City_By_Name(""), -1);
    EXPECT_EQ(Find_City_By_Name(nullptr), -1);
    // A name past the first empty entry is not in use.
    Set_City_Name(3, "Delta");
    EXPECT_EQ(Find_City_By_Name("Delta"), -1);
    Clear_City(0);
    EXPECT_EQ(Find_City_By_Name("Bravo"), -1);
}

TEST_F(InputReadersTest, TeamsFileFillsFranchisesAndRefusesLinesThatBreakTheLeague)
{
    SCRATCH_FOLDER Scratch("teams_file");
    Write_Input_File("input/stats/2020_teams.csv",
                     "\xEF\xBB\xBF"
                     "Abbr,City,Nickname,Stadium,Capacity,Roof,Surface,Built,Value,Conv,Comfort,Sight,F0,Ticket,Div,"
                     "CityName\r\n"
                     "ALP,Alpha,Aces,Ace Field,65000,domed,Field Turf,1990,\"$250,000,000\",1100,900,1000,3,\"7,551\",0,"
                     "alpha city\r\n"
                     "BRV,Br\xC3\xA4vo,Bears,Bear Park,70000,CONVERTIBLE,Natural Grass,2001,1000,1,2,3,4,5049,4,BRAVO\r\n"
                     "1XX,Digit,Ones,Park,1,DOMED,,1,1,1,1,1,1,1,1,Bravo\r\n"
                     "x,y\r\n"
                     "CHA,Charlie,Cats,Cat Bowl,50000,open air,,1970,1,1,1,1,1,100,5,Nowhere\r\n"
                     "DEFGH,Long,Longs,Park,1,,,1,1,1,1,1,1,1,1,Bravo\r\n"
                     "ALP,Again,Others,Park,1,,,1,1,1,1,1,1,1,1,Bravo\r\n"
                     "DUP,Dup,aces,Park,1,,,1,1,1,1,1,1,1,1,Bravo\r\n"
                     "DIV,Div,Divs,Park,1,,,1,1,1,1,1,1,1,9,Bravo\r\n"
                     "PTH,Path,../Logos,Park,1,,,1,1,1,1,1,1,1,1,Bravo\r\n"
                     "NON,None,,Park,1,,,1,1,1,1,1,1,1,1,Bravo\r\n");
    EXPECT_EQ(Read_Teams_File(), 3);
    EXPECT_EQ(Count_Teams(), 3);

    EXPECT_EQ(Team_String(0, TEAM_STRING_ABBREVIATION), "ALP");
    EXPECT_EQ(Team_String(0, TEAM_STRING_CITY), "Alpha");
    EXPECT_EQ(Team_String(0, TEAM_STRING_NICKNAME), "Aces");
    EXPECT_EQ(Team_String(0, TEAM_STRING_STADIUM), "Ace Field");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_CONTROLLER), CONTROLLER_COMPUTER);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_CAPACITY), 65000);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_STRUCTURE), 1);   // "domed", any case
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_SURFACE), 1);     // turf
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_YEAR_BUILT), 1990);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_VALUE), 250000000);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_CONVENIENCE), 1100);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_COMFORT), 900);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_SIGHT_LINES), 1000);
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(0, 0), 3);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_TICKET_PRICE), 7600);   // 7,551 to the step of 100
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(0, FINANCE_CASH), 28100000);      // the base amount at 1000 per mille
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_DIVISION), 0);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_CITY), 0);                      // "alpha city", any case

    EXPECT_EQ(Team_String(1, TEAM_STRING_CITY), "Br\xE4vo");
    EXPECT_EQ(Get_Team_Stadium_Stat(1, STADIUM_STAT_STRUCTURE), 2);
    EXPECT_EQ(Get_Team_Stadium_Stat(1, STADIUM_STAT_SURFACE), 0);        // grass
    EXPECT_EQ(Get_Team_Financial_Stat(1, FINANCE_TICKET_PRICE), 5000);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_DIVISION), 4);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_CITY), 1);

    EXPECT_EQ(Team_String(2, TEAM_STRING_ABBREVIATION), "CHA");
    EXPECT_EQ(Get_Team_Stadium_Stat(2, STADIUM_STAT_STRUCTURE), 0);
    EXPECT_EQ(Get_Team_Stadium_Stat(2, STADIUM_STAT_SURFACE), 0);        // empty: grass
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_CITY), 0);

    // One box for the unknown city, one warning for each refused line.
    ASSERT_EQ(ui::Shown_Boxes().size(), 7u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Invalid City Name");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Can't find 'Nowhere' among City Names. Using first city in list.");
    EXPECT_EQ(Count_Boxes("Import Warning"), 6);
    EXPECT_NE(ui::Shown_Boxes()[1].Text.find("DEFGH"), std::string::npos);
    EXPECT_NE(ui::Shown_Boxes()[2].Text.find("abbreviation already in use"), std::string::npos);
    EXPECT_NE(ui::Shown_Boxes()[3].Text.find("nickname already in use"), std::string::npos);
    EXPECT_NE(ui::Shown_Boxes()[4].Text.find("division outside 0-7"), std::string::npos);
    EXPECT_EQ(ui::Shown_Boxes()[5].Text, "Team PTH ../Logos refused: not a plain name.");
    EXPECT_NE(ui::Shown_Boxes()[6].Text.find("NON"), std::string::npos);
}

TEST_F(InputReadersTest, ThirtyThirdFranchiseStopsTheFile)
{
    SCRATCH_FOLDER Scratch("teams_full");
    season_cycle::Build_League(31);
    Write_Input_File("input/stats/2020_teams.csv",
                     "header line\n"
                     "LST,Last,Lasts,Park,1,,,1,1,1,1,1,1,1,1,Bravo\n"
                     "OVR,Over,Overs,Park,1,,,1,1,1,1,1,1,1,1,Bravo\n"
                     "MOR,More,Mores,Park,1,,,1,1,1,1,1,1,1,1,Bravo\n");
    // The club after the 32nd would be lost: the file is refused, naming the
    // line (the header is line 1) and the club.
    std::string Problem;
    EXPECT_EQ(Read_Teams_File(&Problem), -1);
    EXPECT_EQ(Count_Teams(), MAX_BUILT_TEAMS);
    EXPECT_EQ(Team_String(31, TEAM_STRING_ABBREVIATION), "LST");
    EXPECT_EQ(Problem, "\"input/stats/2020_teams.csv\" line 3: a club beyond the 32 a league can have (OVR Overs)");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Too Many Teams");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "input/stats/2020_teams.csv line 3 holds a club beyond the 32 a league can have (OVR Overs).");
}

// A build takes the teams file whole or not at all (the whole-table check
// of its lines cut short is the program test's): a club line short of the
// 16 fields where the header line is too, or one refused for what it holds,
// refuses the file, naming the line and why, without a box; so does a line
// longer than the reader keeps. Lines of empty fields (a spreadsheet's empty
// rows) and blank lines pass.
TEST_F(InputReadersTest, InABuildALineThatGivesNoClubRefusesTheTeamsFile)
{
    SCRATCH_FOLDER Scratch("teams_refused");
    const std::string Header = "Abbr,City,Nickname,Stadium,Capacity,Roof,Surface,Built,Value,Conv,Comfort,Sight,F0,"
                               "Ticket,Div,CityName\n";
    const std::string Alpha = "ALP,Alpha,Aces,Ace Field,65000,,,1990,1,1,1,1,1,1,0,Alpha City\n";
    const std::string Fifteen = "BRV,Bravo,Bears,Park,1,,,1,1,1,1,1,1,1,4";
    const std::string File = "\"input/stats/2020_teams.csv\" line 3";
    // Bravo's club on a line of nLength characters, its stadium's name
    // padded.
    const auto Long_Bravo = [](size_t nLength) {
        const std::string Head = "BRV,Bravo,Bears,Park";
        const std::string Tail = ",1,,,1,1,1,1,1,1,1,4,Bravo";
        return Head + std::string(nLength - Head.size() - Tail.size(), 'x') + Tail;
    };
    const struct {
        std::string Text;
        std::string Problem;   // "" when the file is taken
        int nClubs;            // read
    } CASES[] = {
        {Header + Alpha + ",,,,,,,,,,,,,,,\n\r\n" + Fifteen + ",Bravo\n", "", 2},
        {"Abbr,City\n" + Alpha + Fifteen + "\n", File + " holds 15 of the 16 fields of a club", 1},
        {"Abbr,City\n" + Alpha + Fifteen, File + " holds 15 of the 16 fields of a club: the file ends inside it (cut "
                                                 "short)", 1},
        {Header + Alpha + "ALP,Again,Others,Park,1,,,1,1,1,1,1,1,1,1,Bravo\n",
         File + ": the club ALP Others is refused: abbreviation already in use", 1},
        {Header + Alpha + "PTH,Path,../Logos,Park,1,,,1,1,1,1,1,1,1,1,Bravo\n",
         File + ": the club PTH ../Logos is refused: not a plain name", 1},
        {Header + Alpha + "1XX,Digit,Ones,Park,1,,,1,1,1,1,1,1,1,1,Bravo\n",
         File + ": the abbreviation \"1XX\" does not begin with a letter", 1},
        // A line the reader would cut (its city "Brav") is refused by its
        // length before any club is read; 2,047 characters and a CR are whole.
        {Header + Alpha + Long_Bravo(2048) + "\n",
         "\"input/stats/2020_teams.csv\": line 3 holds 2048 characters, more than the 2047 a line may hold", 0},
        {Header + Alpha + Long_Bravo(5000) + "\n",
         "\"input/stats/2020_teams.csv\": line 3 holds 5000 characters, more than the 2047 a line may hold", 0},
        {Header + Alpha + Long_Bravo(2047) + "\r\n", "", 2},
    };
    for (const auto& Case : CASES) {
        SCOPED_TRACE(Case.Text);
        Use_Franchises(0);
        ui::Clear_Shown_Boxes();
        Write_Input_File("input/stats/2020_teams.csv", Case.Text);
        std::string Problem;
        EXPECT_EQ(Read_Teams_File(&Problem), Case.Problem.empty() ? Case.nClubs : -1);
        EXPECT_EQ(Problem, Case.Problem);
        EXPECT_EQ(Count_Teams(), Case.nClubs);
        if (Case.nClubs == 2) {
            EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_CITY), 1);   // Bravo
        }
        EXPECT_TRUE(ui::Shown_Boxes().empty()) << ui::Shown_Boxes()[0].Text;
    }
    // Outside a build the long line is read cut, as it always was: its city
    // is not found, and the club takes the first.
    Use_Franchises(0);
    ui::Clear_Shown_Boxes();
    Reset_Line_Limit_Warning();
    Write_Input_File("input/stats/2020_teams.csv", Header + Alpha + Long_Bravo(2048) + "\n");
    EXPECT_EQ(Read_Teams_File(), 2);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_CITY), 0);
    EXPECT_EQ(Count_Boxes("Read_Line_Limit"), 1);
    EXPECT_EQ(Count_Boxes("Invalid City Name"), 1);
}

// ---- Cap room ----------------------------------------------------------------------

class CaproomTest : public InputReadersTest {
protected:
    void SetUp() override
    {
        InputReadersTest::SetUp();
        season_cycle::Build_League(2);
        Set_Universe_Stat(SALARY_CAP, 40000000);
        // Club 0: cap charges 11,000 + 20,000 + 32,000 = $63,000K.
        Put(0, 0, 101, 10000, 4000, 1, 12000000);
        Put(0, 1, 102, 20000, 0, 3, 15000000);
        Put(0, 2, 103, 30000, 8000, 2, 0);
        // Club 1: $3,000K.
        Put(1, 0, 201, 2000, 0, 2, 5000000);
        Put(1, 1, 202, 1000, 0, 2, 3000000);
    }
    // Salary and bonus in $K over a four-year contract, the cap figure in dollars.
    static void Put(int t, int s, int nID, int nSalary, int nBonus, int nYearsLeft, int nCapFigure)
    {
        season_cycle::Put_Signed_Player(t, s, nID, POSITION_WR, 60.0f, 1995, nYearsLeft);
        Set_Player_Vital_Stat(t, s, VITAL_SALARY, nSalary);
        Set_Player_Vital_Stat(t, s, VITAL_SIGNING_BONUS, nBonus);
        Set_Player_Vital_Stat(t, s, VITAL_CONTRACT_LENGTH, 4);
        Set_Player_Vital_Stat(t, s, VITAL_CAP_HIT, nCapFigure);
    }
    static int Vital(int t, int s, int n) { return Get_Player_Vital_Stat(t, s, n); }
};

TEST_F(CaproomTest, SalariesMoveToTheirCapFiguresAndShortBonusesGo)
{
    SCRATCH_FOLDER Scratch("caproom");
    ASSERT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 63000);
    Set_Team_String("B\xE4ren", 1, TEAM_STRING_NICKNAME);   // UTF-8 in the file
    // No header line: the first line is a club's. Club 0 aims at 40M - 1M.
    Write_Input_File("input/stats/2020_caproom.csv",
                     "\xEF\xBB\xBF"
                     "City0 Nick0,\"$1,000,000\"\r\n"
                     "Nowhere Club,5\r\n"
                     "Free Agents,5\r\n"
                     "City1 B\xC3\xA4ren,\"$20,000,000\"\r\n"
                     "Last Unknown,1\r\n");
    EXPECT_EQ(Read_Caproom_File(), 2);
    // Over the target: the second player falls to his cap figure (63M -> 58M);
    // the first, whose figure is above his charge, keeps his salary.
    EXPECT_EQ(Vital(0, 0, VITAL_SALARY), 10000);
    EXPECT_EQ(Vital(0, 1, VITAL_SALARY), 15000);
    EXPECT_EQ(Vital(0, 2, VITAL_SALARY), 30000);
    // Still above the cap (40M): one-year bonuses go (57M), then two-year
    // ones (55M); the payroll stays above the cap, nothing else has a bonus.
    EXPECT_EQ(Vital(0, 0, VITAL_SIGNING_BONUS), 0);
    EXPECT_EQ(Vital(0, 2, VITAL_SIGNING_BONUS), 0);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 55000);
    // Club 1 aims at 20M, far above 3M: both rise to their figures.
    EXPECT_EQ(Vital(1, 0, VITAL_SALARY), 5000);
    EXPECT_EQ(Vital(1, 1, VITAL_SALARY), 3000);
    // A warning for the unknown club and one for the free agents, which are
    // no franchise; the unknown club on the last line brings none.
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Import Warning");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Error in input/stats/2020_caproom.csv. Can't find team name: Nowhere Club");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Error in input/stats/2020_caproom.csv. Can't find team name: Free Agents");
}

TEST_F(CaproomTest, MissingCaproomFileChangesNothingSilently)
{
    SCRATCH_FOLDER Scratch("caproom_missing");
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Read_Caproom_File(), -1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_TRUE(Before.Unchanged());
}

// ---- Combine -----------------------------------------------------------------------

TEST_F(InputReadersTest, TimedRunSpeedFallsWithAgeAndIsPulledUpWhenLow)
{
    EXPECT_NEAR(Get_Timed_Run_Speed(4.40, 23), 87.96, 1e-9);
    EXPECT_NEAR(Get_Timed_Run_Speed(4.40, 28), 81.96, 1e-9);
    EXPECT_NEAR(Get_Timed_Run_Speed(5.0, 23), 48.0, 1e-9);
    EXPECT_NEAR(Get_Timed_Run_Speed(5.2, 30), 32.34, 1e-9);    // (24.68 + 40) / 2
    EXPECT_NEAR(Get_Timed_Run_Speed(6.0, 23), 17.675, 1e-9);   // -18.6 -> 10.7 -> 17.675
}

TEST_F(InputReadersTest, CombineTimesSetSpeedAndKeepTheOverall)
{
    SCRATCH_FOLDER Scratch("combine");
    season_cycle::Build_League(1);
    const int BIRTH[5] = {1997, 1992, 1997, 1997, 1997};
    const char* ID[5] = {"AaaA00", "BbbB00", "CccC00", "DddD00", "EeeE00"};
    for (int s = 0; s < 5; ++s) {
        season_cycle::Put_Signed_Player(0, s, 301 + s, POSITION_WR, 60.0f, BIRTH[s], 2);
        Set_Player_Corvel_ID(0, s, ID[s]);
    }
    const int nOverall0 = static_cast<int>(Get_Position_Overall_Rating(0, 0, POSITION_WR));
    const std::string Pad = "x,x,x,x,x,x,x,";   // columns 1-7
    Write_Input_File("Input/Stats/Combine_Results.csv",
                     "\xEF\xBB\xBFYear,Name,Pos,School,Ht,Wt,Hand,Forty,a,b,c,d,e,f,ID\r\n" +
                         std::string("2020,Jos\xC3\xA9,WR,x,x,x,x,\"4.40\",,,,,,,AaaA00\r\n") + Pad +
                         "4.40,,,,,,,BbbB00\r\n" + Pad + "4.0,,,,,,,CccC00\r\n" + Pad + "44.0,,,,,,,DddD00\r\n" +
                         Pad + "6.0,,,,,,,EeeE00\r\n" + Pad + "4.5,,,,,,,NoSuch1");
    EXPECT_EQ(Read_Combine_Results_File(), 3);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, 4), 440);
    EXPECT_NEAR(Get_Player_Rating(0, 0, RATING_SPEED), (60.0 + 87.96) / 2, 1e-4);
    EXPECT_NEAR(Get_Player_Rating(0, 1, RATING_SPEED), (60.0 + 81.96) / 2, 1e-4);   // 28 years old
    EXPECT_NEAR(Get_Player_Rating(0, 4, RATING_SPEED), (60.0 + 17.675) / 2, 1e-4);
    // 4.0 and below, and a slip of 44 seconds, change nothing.
    for (int s : {2, 3}) {
        EXPECT_EQ(Get_Player_Vital_Stat(0, s, 4), 0);
        EXPECT_FLOAT_EQ(Get_Player_Rating(0, s, RATING_SPEED), 60.0f);
    }
    EXPECT_EQ(static_cast<int>(Get_Position_Overall_Rating(0, 0, POSITION_WR)), nOverall0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// ---- Wins --------------------------------------------------------------------------

TEST_F(InputReadersTest, WinsAreStoredInTenths)
{
    SCRATCH_FOLDER Scratch("wins");
    season_cycle::Build_League(4);
    const char* CODES[4] = {"AAA", "BBB", "CCC", "DDD"};
    for (int t = 0; t < 4; ++t) {
        Set_Team_String(CODES[t], t, TEAM_STRING_ABBREVIATION);
        Set_Team_Stat(t, TEAM_STAT_PROJECTED_WINS, 7);
    }
    Write_Input_File("input/stats/2020_Wins.csv",
                     "\xEF\xBB\xBFTeam,Wins\r\nAAA,9.5\r\nBBB,\"8.7\"\r\nCCC,0\r\nZZZ,5\r\nDDD,-3");
    EXPECT_EQ(Read_Wins_File(), 2);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_PROJECTED_WINS), 95);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_PROJECTED_WINS), 87);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_PROJECTED_WINS), 7);
    EXPECT_EQ(Get_Team_Stat(3, TEAM_STAT_PROJECTED_WINS), 7);
}

// ---- Missing files -----------------------------------------------------------------

TEST_F(InputReadersTest, EachMissingFileGivesItsOwnMessageOnce)
{
    SCRATCH_FOLDER Scratch("missing_inputs");
    struct CASE {
        int (*pRead)();
        const char* szCaption;
        const char* szText;
    };
    const CASE CASES[] = {
        {Read_League_File, "Read Error",
         "Unable to open input/stats/leagues/2020_league.csv. The statistics files of that year are not in the "
         "data folder (they do not ship with the program)."},
        {Read_Teams_File, "File Read Error",
         "Can't open input file: input/stats/2020_teams.csv\nThe statistics files of that year are not in the data "
         "folder (they do not ship with the program).\n\n(Kelvo Error #535)"},
        {Read_Combine_Results_File, "Read Error", "Unable to open Input/Stats/Combine_Results.csv."},
        {Read_Wins_File, "File Read Error",
         "Can't open input file: input/stats/2020_Wins.csv\nThe statistics files of that year are not in the data "
         "folder (they do not ship with the program).\n\n(Kelvo Error #536)"},
    };
    for (const CASE& Case : CASES) {
        ui::Clear_Shown_Boxes();
        EXPECT_EQ(Case.pRead(), -1) << Case.szText;
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u) << Case.szText;
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, Case.szCaption);
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, Case.szText);
    }
    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Read_One_Team_Line(nullptr), 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Read Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "I can't read from an input file!\n\nKelvo Error #533");
}

}  // namespace
