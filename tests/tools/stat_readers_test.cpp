// The rosters, players, salaries, personnel and season-rosters readers: the
// columns each takes, how a line finds its player or club, the lines passed
// over, and each missing file's one message.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../tools/reader_files.h"
#include "base/text_utils.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_text.h"
#include "league/team.h"
#include "platform/errors.h"
#include "season/season_cycle_fixture.h"
#include "season/season_files.h"
#include "season/stat_file_layouts.h"
#include "test_support.h"
#include "tools/stat_readers.h"

namespace {

constexpr const char* ROSTER_HEADER =
    "CorvelID,PlayerID,FirstName,LastName,2016_Team,Position,Height,Weight,BirthMonth,BirthDate,BirthYear,WeeksOut,"
    "Reason,Starter\r\n";
constexpr const char* PLAYERS_HEADER =
    "Kelvo ID,Corvel ID,Player ID,Team,Uniform,First Name,Last Name,Nickname,Position,,Height,Weight,College,NFL "
    "Seasons,Full Name [Not Used],Given Name [Not Used],,Draft Team,Draft Year,Draft Round,Overall Pick,Undrafted,"
    "Feet,Inches,Birth Month,Birth Date,Birth Year\r\n";

// A players.csv row from its columns 2-3, 5-7, 9, 11-14, 18-22 and 25-27.
std::string Player_Row(const char* szKey, const char* szNumber, const char* szUniform, const char* szFirst,
                       const char* szLast, const char* szPosition, const char* szHeight, const char* szWeight,
                       const char* szCollege, const char* szSeasons, const char* szDraftTeam, const char* szDraftYear,
                       const char* szRound, const char* szPick, const char* szUndrafted, const char* szMonth,
                       const char* szDay, const char* szYear)
{
    return std::string(",") + szKey + "," + szNumber + ",," + szUniform + "," + szFirst + "," + szLast + ",," +
           szPosition + ",," + szHeight + "," + szWeight + "," + szCollege + "," + szSeasons + ",,,," + szDraftTeam +
           "," + szDraftYear + "," + szRound + "," + szPick + "," + szUndrafted + ",0,0," + szMonth + "," + szDay +
           "," + szYear + "\r\n";
}

class StatReadersTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        season_cycle::Build_League(3);
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2016);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        const char* CODES[3] = {"AAA", "BBB", "CCC"};
        for (int t = 0; t < 3; ++t)
            Set_Team_String(CODES[t], t, TEAM_STRING_ABBREVIATION);
        Clear_Roster_Table();
    }

    static std::string Text(void (*pGet)(int, int, char*, size_t), int t, int s)
    {
        char sz[64];
        pGet(t, s, sz, sizeof(sz));
        return sz;
    }
    static int Vital(int t, int s, int n) { return Get_Player_Stored_Vital_Stat(t, s, n); }
    static bool Recent_Error(const char* szText) { return std::string(Get_Recent_Errors()).find(szText) != std::string::npos; }

    // The rosters and players files of the file tests.
    static void Write_Rosters_And_Players()
    {
        Write_Input_File("input/stats/2016_rosters.csv",
                         std::string("\xEF\xBB\xBF") + ROSTER_HEADER +
                             "SmitJo00,1001,John,Smith,AAA,QB,6-2,220,3,15,1993,0,,Y\r\n"
                             "DoeJa00,1002,Jane,Doe,BBB,DB,,,,,,2,sprained ankle,N,\"Jane \"\"Q.\"\" Doe\"\r\n"
                             "LowrCa00,1003,Low,Case,City0 Nick0,WR,,,,,,,,\r\n"
                             "NoTeam00,1004,No,Team,ZZZ,WR,,,,,,,,\r\n"
                             "Bad/Id,1005,Bad,Id,AAA,WR,,,,,,,,\r\n"
                             "ReneJo00,1006,Jos\xC3\xA9,Ren\xC3\xA9,CCC,RB,,,,,,3,strained knee,N\r\n"
                             "FreeAg00,1007,Free,Agent,FA,K,,,,,,,,\r\n"
                             "BadPos00,1010,Bad,Pos,AAA,QB,,,,,,,,");
        Write_Input_File("input/stats/players.csv",
                         std::string("\xEF\xBB\xBF") + PLAYERS_HEADER +
                             Player_Row("SmitJo00*", "1001", "12", "John", "Smith", "QB", "6'2\"", "220",
                                        "<b>State</b> U", "5", "BBB", "2015", "1", "12", "FALSE", "3", "15", "1993") +
                             Player_Row("DoeJa00", "1002", "24", "Jane", "Doe", "DB", "5'9\"", "190", "Tech", "2",
                                        "ZZZ", "2018", "", "", "true", "0", "0", "0") +
                             // A second line for the same roster entry is passed over.
                             Player_Row("DoeJa00", "1002", "31", "Jane", "Again", "DB", "5'9\"", "190", "Tech", "2",
                                        "", "", "", "", "", "", "", "") +
                             Player_Row("ReneJo00", "1006", "44", "Jos\xC3\xA9", "Ren\xC3\xA9", "RB", "5'11\"",
                                        "\"210\"", "\"College, The\"", "40", "", "", "", "", "", "13", "40", "1990") +
                             Player_Row("FreeAg00", "0", "3", "Free", "Agent", "K", "6'0\"", "180", "", "1", "", "",
                                        "", "", "", "1", "2", "1994") +
                             Player_Row("BadPos00", "1010", "9", "Bad", "Pos", "XYZ", "6'0\"", "200", "", "1", "", "",
                                        "", "", "", "1", "1", "1995") +
                             Player_Row("NoEntry00", "1099", "9", "No", "Entry", "QB", "6'0\"", "200", "", "1", "", "",
                                        "", "", "", "1", "1", "1995"));
    }
};

// ---- Rosters -------------------------------------------------------------------

TEST_F(StatReadersTest, RostersFileFillsTheTableAndPassesOverLinesWithoutAClub)
{
    SCRATCH_FOLDER Scratch("rosters");
    Write_Rosters_And_Players();
    EXPECT_EQ(Read_Rosters_File(2016), 5);
    const ROSTER_ENTRY* E = Get_Roster_Entry(0);
    ASSERT_NE(E, nullptr);
    EXPECT_STREQ(E->szKey, "SmitJo00");
    EXPECT_EQ(E->nNumber, 1001);
    EXPECT_EQ(E->nTeam, 0);
    EXPECT_STREQ(E->szName, "John Smith");
    EXPECT_EQ(E->nPosition, POSITION_QB);
    E = Get_Roster_Entry(1);
    EXPECT_STREQ(E->szName, "Jane \"Q.\" Doe");   // the 15th column, quoted
    EXPECT_EQ(E->nTeam, 1);
    EXPECT_EQ(E->nPosition, POSITION_S);
    EXPECT_EQ(E->nWeeksOut, 2);
    EXPECT_EQ(E->nInjury, 11);                 // "sprained ankle"
    E = Get_Roster_Entry(2);
    EXPECT_STREQ(E->szName, "Jos\xE9 Ren\xE9");
    EXPECT_EQ(E->nTeam, 2);
    EXPECT_EQ(Get_Roster_Entry(3)->nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Roster_Entry(5), nullptr);

    EXPECT_EQ(Find_Roster_Entry_By_Key("smitjo00"), 0);
    EXPECT_EQ(Find_Roster_Entry_By_Key(""), -1);
    EXPECT_EQ(Find_Roster_Entry_By_Number(1006), 2);
    EXPECT_EQ(Find_Roster_Entry_By_Number(0), -1);
    EXPECT_EQ(Find_Roster_Entry(1002, "SmitJo00"), 1);
    EXPECT_EQ(Find_Roster_Entry(5555, "SmitJo00"), 0);
    EXPECT_EQ(Has_Lowercase_Letter("AAA"), 0);
    EXPECT_EQ(Has_Lowercase_Letter("AaA"), 1);
}

TEST_F(StatReadersTest, RosterTableStopsAtTenThousandAndSaysHowManyWereLeftOut)
{
    SCRATCH_FOLDER Scratch("rosters_full");
    std::string File = ROSTER_HEADER;
    for (int i = 0; i < ROSTER_TABLE_SIZE + 3; ++i)
        File += "P" + std::to_string(i) + "," + std::to_string(i + 1) + ",A,B,AAA,WR\n";
    Write_Input_File("input/stats/2016_rosters.csv", File);
    EXPECT_EQ(Read_Rosters_File(2016), ROSTER_TABLE_SIZE);
    EXPECT_EQ(Get_Roster_Entry(ROSTER_TABLE_SIZE - 1)->nNumber, ROSTER_TABLE_SIZE);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Recent_Error("3 lines of input/stats/2016_rosters.csv left out"));
}

// ---- Players -------------------------------------------------------------------

TEST_F(StatReadersTest, PlayersFileMakesEachRosteredPlayerOnce)
{
    SCRATCH_FOLDER Scratch("players");
    // Player ID 1006 is held already: the file's player gets a new one.
    season_cycle::Put_Signed_Player(2, 0, 1006, POSITION_WR, 60.0f, 1990, 1);
    Write_Rosters_And_Players();
    ASSERT_EQ(Read_Rosters_File(2016), 5);
    EXPECT_EQ(Read_Players_File(), 4);

    // John Smith: height 6'2" is 74, the college without its tags, drafted by
    // club 1 in 2015, round 1 pick 12.
    EXPECT_EQ(Vital(0, 0, VITAL_PLAYER_ID), 1001);
    EXPECT_EQ(Text(Get_Player_Corvel_ID, 0, 0), "SmitJo00");
    EXPECT_EQ(Text(Get_Player_Last_Name, 0, 0), "Smith");
    EXPECT_EQ(Get_Player_Byte_Stat(0, 0, BYTE_STAT_UNIFORM), 12);
    EXPECT_EQ(Vital(0, 0, VITAL_POSITION), POSITION_QB);
    EXPECT_EQ(Vital(0, 0, VITAL_HEIGHT), 74);
    EXPECT_EQ(Vital(0, 0, VITAL_WEIGHT), 220);
    EXPECT_EQ(Text(Get_Player_College, 0, 0), "State U");
    EXPECT_EQ(Vital(0, 0, VITAL_SEASONS_PLAYED), 5);
    EXPECT_EQ(Vital(0, 0, VITAL_DRAFTED_BY), 22015);
    EXPECT_EQ(Vital(0, 0, VITAL_DRAFT_PICK), 100012);
    EXPECT_EQ(Vital(0, 0, VITAL_BIRTH_DATE), 19930315);
    EXPECT_GE(Get_Player_Rating(0, 0, RATING_ACCURACY), MINIMUM_RATING);   // the position's defaults

    // Jane Doe: "DB" in 24 is a CB; undrafted; an unknown draft team leaves the
    // year alone; no birth date: January 1 of the draft year less 22.
    EXPECT_EQ(Vital(1, 0, VITAL_PLAYER_ID), 1002);
    EXPECT_EQ(Vital(1, 0, VITAL_POSITION), POSITION_CB);
    EXPECT_EQ(Vital(1, 0, VITAL_DRAFT_PICK), -1);
    EXPECT_EQ(Vital(1, 0, VITAL_DRAFTED_BY), 2018);
    EXPECT_EQ(Vital(1, 0, VITAL_BIRTH_DATE), 19960101);
    EXPECT_FALSE(Is_Player_Slot_Used(1, 1));   // her second line was passed over

    // José René: an RB in 44 is an FB; UTF-8 names become Windows-1252; a
    // month of 13 and a day of 40 read as January 1; seasons held to 30.
    EXPECT_NE(Vital(2, 1, VITAL_PLAYER_ID), 1006);
    EXPECT_GT(Vital(2, 1, VITAL_PLAYER_ID), 0);
    EXPECT_EQ(Text(Get_Player_Last_Name, 2, 1), "Ren\xE9");
    EXPECT_EQ(Vital(2, 1, VITAL_POSITION), POSITION_FB);
    EXPECT_EQ(Get_Player_Byte_Stat(2, 1, BYTE_STAT_DEPTH_SLOT), POSITION_FB);
    EXPECT_EQ(Vital(2, 1, VITAL_HEIGHT), 71);
    EXPECT_EQ(Vital(2, 1, VITAL_WEIGHT), 210);
    EXPECT_EQ(Text(Get_Player_College, 2, 1), "College, The");
    EXPECT_EQ(Vital(2, 1, VITAL_SEASONS_PLAYED), 30);
    EXPECT_EQ(Vital(2, 1, VITAL_BIRTH_DATE), 19900101);
    EXPECT_TRUE(Recent_Error("Player ID 1006"));

    // The free agent: no number, so a new ID; placed with the free agents.
    EXPECT_GT(Vital(FREE_AGENT_TEAM, 0, VITAL_PLAYER_ID), 0);
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, 0, VITAL_POSITION), POSITION_K);

    // An unknown position clears the slot, with its report.
    EXPECT_FALSE(Is_Player_Slot_Used(0, 1));
    EXPECT_TRUE(Recent_Error("Unrecognized position abbreviation (\"XYZ\") in \"Players.csv\" file for Bad Pos."));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(StatReadersTest, FromTwentySeventeenTheRosterGivesPositionAndInjury)
{
    SCRATCH_FOLDER Scratch("players_2017");
    Write_Rosters_And_Players();
    ASSERT_EQ(Read_Rosters_File(2016), 5);
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2017);
    EXPECT_EQ(Read_Players_File(), 4);
    // Jane's roster says "DB" (a safety) and two weeks of a sprained ankle.
    EXPECT_EQ(Vital(1, 0, VITAL_POSITION), POSITION_S);
    EXPECT_EQ(Vital(1, 0, VITAL_INJURY), 11);
    EXPECT_EQ(Vital(1, 0, VITAL_INJURY_WEEKS), 2);
    // José's roster says "RB".
    EXPECT_EQ(Vital(2, 0, VITAL_POSITION), POSITION_RB);
    EXPECT_EQ(Vital(2, 0, VITAL_INJURY), 20);
    EXPECT_EQ(Vital(2, 0, VITAL_INJURY_WEEKS), 3);
}

TEST_F(StatReadersTest, PositionTextsByUniform)
{
    season_cycle::Put_Signed_Player(0, 0, 77, POSITION_QB, 60.0f, 1990, 1);
    Set_Player_First_Name(0, 0, "Ann");
    Set_Player_Last_Name(0, 0, "Lee");
    auto With_Uniform = [](int nUniform, const char* szText) {
        Set_Player_Byte_Stat(0, 0, BYTE_STAT_UNIFORM, nUniform);
        return Set_Player_Position_From_Text(0, 0, szText);
    };
    EXPECT_EQ(With_Uniform(24, "DB"), POSITION_CB);
    EXPECT_EQ(Vital(0, 0, VITAL_POSITION), POSITION_CB);
    EXPECT_EQ(With_Uniform(20, "db"), POSITION_CB);
    EXPECT_EQ(With_Uniform(29, "DB"), POSITION_CB);
    EXPECT_EQ(With_Uniform(31, "DB"), POSITION_S);
    EXPECT_EQ(With_Uniform(19, "DB"), POSITION_S);
    EXPECT_EQ(With_Uniform(44, "RB"), POSITION_FB);
    EXPECT_EQ(With_Uniform(40, "RB"), POSITION_FB);
    EXPECT_EQ(With_Uniform(39, "RB"), POSITION_RB);
    EXPECT_EQ(With_Uniform(50, "RB"), POSITION_RB);
    EXPECT_EQ(Vital(0, 0, VITAL_POSITION), POSITION_RB);
    // An empty text changes nothing; an unknown one clears the slot.
    EXPECT_EQ(With_Uniform(50, ""), -1);
    EXPECT_EQ(Vital(0, 0, VITAL_POSITION), POSITION_RB);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(With_Uniform(50, "Goalie"), -1);
    EXPECT_FALSE(Is_Player_Slot_Used(0, 0));
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Recent_Error("(\"Goalie\") in \"Players.csv\" file for Ann Lee."));
}

// ---- Salaries ------------------------------------------------------------------

TEST_F(StatReadersTest, SalariesFileSetsContractsAndListsThePlayersItCannotFind)
{
    SCRATCH_FOLDER Scratch("salaries");
    Write_Rosters_And_Players();
    ASSERT_EQ(Read_Rosters_File(2016), 5);
    ASSERT_EQ(Read_Players_File(), 4);
    Set_Player_Vital_Stat(0, 0, VITAL_CONTRACT_LENGTH, 4);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 999);
    Write_Input_File("Input/Stats/Salaries-Missing.csv", "FirstName,LastName,Team,Position\n");
    Write_Input_File("input/stats/2016_salaries.csv",
                     "\xEF\xBB\xBF"
                     "CorvelID,PlayerID,2016 Team,Uniform,FirstName,LastName,Position,Depth Chart,Weeks Out,Reason "
                     "Out,Years Remaining,Average Salary,Signing Bonus,Contract Years,Cap Hit\r\n"
                     // By ID text: $1,250,000 stores 1250, a bonus of -5 stores 0, the
                     // empty contract years leave the field.
                     "smitjo00,,AAA,12,John,Smith,QB,1,0,,3,\"$1,250,000\",-5,,\"$1,300,000\"\r\n"
                     // By number, with weeks out and their injury.
                     ",1002,BBB,24,Jane,Doe,CB,,2,strained knee,0,\"$500,000\",\"$2,000,000\",0,0\r\n"
                     // By name and club (UTF-8 in the file).
                     ",,CCC,44,Jos\xC3\xA9,Ren\xC3\xA9,RB,,,,2,900000,-25000,,\r\n"
                     "Nobody01,,AAA,1,No,\"Body, Jr.\",WR,,,,1,1,1,1,1");
    EXPECT_EQ(Read_Salaries_File(), 3);

    EXPECT_EQ(Vital(0, 0, VITAL_CONTRACT_YEARS_LEFT), 3);
    EXPECT_EQ(Vital(0, 0, VITAL_SALARY), 1250);
    EXPECT_EQ(Vital(0, 0, VITAL_SIGNING_BONUS), 0);
    EXPECT_EQ(Vital(0, 0, VITAL_CONTRACT_LENGTH), 4);
    EXPECT_EQ(Vital(0, 0, VITAL_CAP_HIT), 1300000);
    EXPECT_EQ(Vital(0, 0, VITAL_FLAGS) & PLAYER_FLAG_SALARIED, PLAYER_FLAG_SALARIED);

    EXPECT_EQ(Vital(1, 0, VITAL_INJURY_WEEKS), 2);
    EXPECT_EQ(Vital(1, 0, VITAL_INJURY), 20);
    EXPECT_EQ(Vital(1, 0, VITAL_CONTRACT_YEARS_LEFT), 1);   // at least 1
    EXPECT_EQ(Vital(1, 0, VITAL_SALARY), 500);
    EXPECT_EQ(Vital(1, 0, VITAL_SIGNING_BONUS), 2000);
    EXPECT_EQ(Vital(1, 0, VITAL_CONTRACT_LENGTH), 1);

    EXPECT_EQ(Vital(2, 0, VITAL_SALARY), 900);
    EXPECT_EQ(Vital(2, 0, VITAL_CONTRACT_YEARS_LEFT), 2);
    EXPECT_EQ(Vital(2, 0, VITAL_SIGNING_BONUS), 0);   // a negative bonus is none

    // Every salary was cleared first: the free agent has none, and no mark.
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, 0, VITAL_SALARY), 0);
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, 0, VITAL_FLAGS) & PLAYER_FLAG_SALARIED, 0);

    EXPECT_EQ(Read_Text_File("Input/Stats/Salaries-Missing.csv"),
              "FirstName,LastName,Team,Position\nNo,Body  Jr.,AAA,WR\n");
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(StatReadersTest, MissingSalariesFileLeavesEverySalaryAtZeroSilently)
{
    SCRATCH_FOLDER Scratch("salaries_missing");
    season_cycle::Put_Signed_Player(0, 0, 1, POSITION_QB, 60.0f, 1990, 1);
    Set_Player_Vital_Stat(0, 0, VITAL_SALARY, 700);
    Set_Player_Vital_Stat(0, 0, VITAL_FLAGS, PLAYER_FLAG_SALARIED);
    EXPECT_EQ(Read_Salaries_File(), -1);
    EXPECT_EQ(Vital(0, 0, VITAL_SALARY), 0);
    EXPECT_EQ(Vital(0, 0, VITAL_FLAGS), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// ---- Personnel -----------------------------------------------------------------

TEST_F(StatReadersTest, PersonnelOfTheCurrentYearSetsTheSchemes)
{
    SCRATCH_FOLDER Scratch("personnel");
    for (int t = 0; t < 3; ++t) {
        Set_Team_Stat(t, TEAM_STAT_OFFENSIVE_SYSTEM, 3);
        Set_Team_Stat(t, TEAM_STAT_DEFENSE_ALIGNMENT, 0);
    }
    Set_Team_String("N\xFCsse", 2, TEAM_STRING_NICKNAME);
    Write_Input_File("Input/Stats/Personnel.csv",
                     "\xEF\xBB\xBFYear,Team,Offensive Personnel,Defensive Personnel\r\n"
                     "'2016,'Nick0,'3 Wideouts,'3-4\r\n"
                     "'2015,'Nick1,'2 Tight Ends,'3-4\r\n"
                     "\"'2016\",'BBB,'Wishbone,'3-4\r\n"
                     "'2016,'N\xC3\xBCsse,'traditional,'4-3\r\n"
                     "'2016,'Nowhere,'Traditional,'3-4");
    EXPECT_EQ(Read_Personnel_File(), 3);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM), 1);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_DEFENSE_ALIGNMENT), 1);
    // An unknown offence leaves the club's own, and is logged.
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_OFFENSIVE_SYSTEM), 3);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_DEFENSE_ALIGNMENT), 1);
    EXPECT_TRUE(Recent_Error("Wishbone"));
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_OFFENSIVE_SYSTEM), 0);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_DEFENSE_ALIGNMENT), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// ---- Season rosters ------------------------------------------------------------

TEST_F(StatReadersTest, SeasonRostersComeFromTheSeasonsLinesOfTheYear)
{
    SCRATCH_FOLDER Scratch("season_rosters");
    Write_Input_File("Input/Stats/Seasons.csv",
                     "\xEF\xBB\xBFID,Number,x,Year,Team,x,Name\r\n"
                     "SmitJo00,1001,x,2015,AAA,x,John Smith*+\r\n"
                     "OldGuy00,1009,x,2014,AAA,x,Old Guy\r\n"
                     "LongIdentifier1,5,x,2015,\"BBB\",x,\"Long+Name*, Jr.\"\r\n"
                     "ReneJo00,1006,x,2015,City2 Nick2,x,Jos\xC3\xA9 Ren\xC3\xA9\r\n"
                     "Nobody00,7,x,2015,ZZZ,x,No Body");
    EXPECT_EQ(Read_Season_Rosters(2015), 3);
    EXPECT_EQ(Get_Universe_Stat(FIRST_SEASON_YEAR), 2016);   // restored
    EXPECT_STREQ(Get_Roster_Entry(0)->szName, "John Smith");
    EXPECT_EQ(Get_Roster_Entry(0)->nTeam, 0);
    EXPECT_STREQ(Get_Roster_Entry(1)->szKey, "LongIdentif");
    EXPECT_STREQ(Get_Roster_Entry(1)->szName, "Long");
    EXPECT_EQ(Get_Roster_Entry(1)->nNumber, 5);
    EXPECT_STREQ(Get_Roster_Entry(2)->szName, "Jos\xE9 Ren\xE9");
    EXPECT_EQ(Get_Roster_Entry(2)->nTeam, 2);
}

// ---- Missing files -------------------------------------------------------------

// ---- Lines too long for the readers --------------------------------------------

// The reader keeps 2,047 characters of a line; its end (LF, CRLF, or a CR
// that ends the file) is not counted, a CR inside it is.
TEST_F(StatReadersTest, AnOverLongLineIsFoundAsTheReaderWouldCutIt)
{
    SCRATCH_FOLDER Scratch("over_long");
    const std::string Full(2047, 'x');
    const struct {
        std::string Bytes;
        std::string Problem;
    } CASES[] = {
        {"head\r\n" + Full + "\r\n" + Full, ""},
        {"head\n" + Full + "\r", ""},
        {"head\n" + Full + "y\n", "line 2 holds 2048 characters, more than the 2047 a line may hold"},
        {"head\n" + Full + "\ry\r\n", "line 2 holds 2049 characters, more than the 2047 a line may hold"},
        {"head\nshort\n" + Full + "yz", "line 3 holds 2049 characters, more than the 2047 a line may hold"},
    };
    for (const auto& Case : CASES) {
        Write_Input_File("table.csv", Case.Bytes);
        FILE* pFile = std::fopen("table.csv", "rb");
        ASSERT_NE(pFile, nullptr);
        EXPECT_EQ(Over_Long_Line_Problem(pFile, STAT_TABLE_LINE_SIZE), Case.Problem) << Case.Bytes.size();
        EXPECT_EQ(std::ftell(pFile), 0);   // rewound for the reader
        std::fclose(pFile);
    }
}

// In a build a line the reader would cut refuses the rosters, players or
// seasons table, naming it and the line: read short, it would lose the
// player or his season behind a box that says only that characters were
// ignored. Read outside a build, the line is still cut after that box.
TEST_F(StatReadersTest, InABuildALineTooLongRefusesTheRostersPlayersAndSeasonsTables)
{
    SCRATCH_FOLDER Scratch("too_long");
    const std::string Rostered = "LongLi00,1020,Long,Line,AAA,QB,,,,,,,,,";
    const std::string Exact = Rostered + std::string(2047 - Rostered.size(), 'N');
    Write_Input_File("input/stats/2016_rosters.csv", std::string(ROSTER_HEADER) + Exact + "\r\n");
    std::string Problem;
    EXPECT_EQ(Read_Rosters_File(2016, &Problem), 1);
    EXPECT_EQ(Problem, "");

    Write_Input_File("input/stats/2016_rosters.csv",
                     std::string(ROSTER_HEADER) + "SmitJo00,1001,John,Smith,AAA,QB,,,,,,,,\n" + Exact + "N\n");
    EXPECT_EQ(Read_Rosters_File(2016, &Problem), -1);
    EXPECT_EQ(Problem, "\"input/stats/2016_rosters.csv\": line 3 holds 2048 characters, more than the 2047 a line "
                       "may hold");
    EXPECT_EQ(Count_Boxes("Read_Line_Limit"), 0);
    Reset_Line_Limit_Warning();
    EXPECT_EQ(Read_Rosters_File(2016), 2);
    EXPECT_EQ(Count_Boxes("Read_Line_Limit"), 1);

    Write_Input_File("input/stats/players.csv",
                     std::string(PLAYERS_HEADER) +
                         Player_Row("SmitJo00", "1001", "12", "John", "Smith", "QB", "6'2\"", "220",
                                    std::string(5000, 'U').c_str(), "5", "", "", "", "", "", "3", "15", "1993"));
    Problem.clear();
    EXPECT_EQ(Read_Players_File(&Problem), -1);
    // The college's 5,000 characters, the row's other 40 and its 26 commas and
    // 2 noughts.
    EXPECT_EQ(Problem, "\"input/stats/players.csv\": line 2 holds 5068 characters, more than the 2047 a line may "
                       "hold");

    std::string Season = "SmitJo00,1001,,2015,AAA,12,John Smith,QB";
    for (int c = 9; c <= 97; ++c)
        Season += ",1";
    Write_Input_File("input/stats/seasons.csv", std::string(SEASONS_CSV_HEADER) + "\n" + Season + "\n" + Season +
                                                    std::string(3000, ' ') + "\n");
    Problem.clear();
    Read_Seasons_File(0, &Problem);
    EXPECT_EQ(Problem, "\"input/stats/seasons.csv\": line 3 holds " + std::to_string(Season.size() + 3000) +
                           " characters, more than the 2047 a line may hold");
    EXPECT_EQ(Count_Boxes("Read_Line_Limit"), 1);
}

TEST_F(StatReadersTest, EachMissingFileGivesItsOwnMessageOnce)
{
    SCRATCH_FOLDER Scratch("stat_missing");
    struct CASE {
        int (*pRead)();
        const char* szText;
    };
    const CASE CASES[] = {
        {[] { return Read_Rosters_File(2016); }, "Unable to open input/stats/2016_rosters.csv."},
        {[] { return Read_Season_Rosters(2015); }, "Unable to open Input/Stats/Seasons.csv."},
        {Read_Players_File,
         "Unable to open input/stats/players.csv. Please read the Help Files for a complete list of required files "
         "for the 'Import Stats' feature."},
        {Read_Personnel_File, "Unable to open Input/Stats/Personnel.csv."},
    };
    LEAGUE_SNAPSHOT Before;
    for (const CASE& Case : CASES) {
        ui::Clear_Shown_Boxes();
        EXPECT_EQ(Case.pRead(), -1) << Case.szText;
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u) << Case.szText;
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Read Error");
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, Case.szText);
    }
    EXPECT_TRUE(Before.Unchanged());
}

}  // namespace
