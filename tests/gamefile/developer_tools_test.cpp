// The developer data tools on a small league: the fractions table, the
// multiplier report, the duplicate-name report, the free-agent list and the
// loops over the league databases.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/defense_calling.h"
#include "gamefile/developer_tools.h"
#include "gamefile/game_file.h"
#include "gamefile/game_file_fixture.h"
#include "league/player_stats.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "test_support.h"

namespace {

std::vector<std::string> Lines_Of(const std::string& Text)
{
    std::vector<std::string> Lines;
    std::istringstream In(Text);
    for (std::string Line; std::getline(In, Line);)
        Lines.push_back(Line);
    return Lines;
}

bool Has_Line(const std::vector<std::string>& Lines, const std::string& Line)
{
    return std::find(Lines.begin(), Lines.end(), Line) != Lines.end();
}

void Write_File(const char* szPath, const std::string& Text)
{
    std::filesystem::path Path(szPath);
    if (Path.has_parent_path())
        std::filesystem::create_directories(Path.parent_path());
    std::ofstream(szPath, std::ios::binary) << Text;
}

class DeveloperToolsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"developer_tools"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
    }
    void TearDown() override { ui::Reset(); }

    static void Name(int nTeam, int nSlot, const char* szFirst, const char* szLast)
    {
        std::memset(League.Team[nTeam].Player[nSlot].szFirstName, 0, sizeof(League.Team[nTeam].Player[nSlot].szFirstName));
        std::memset(League.Team[nTeam].Player[nSlot].szLastName, 0, sizeof(League.Team[nTeam].Player[nSlot].szLastName));
        std::strcpy(League.Team[nTeam].Player[nSlot].szFirstName, szFirst);
        std::strcpy(League.Team[nTeam].Player[nSlot].szLastName, szLast);
    }

    // The small league saved as the database of a year, its first season that year.
    static void Write_Database(int nYear)
    {
        Build_Game_File_League();
        League.Universe.nStat[FIRST_SEASON_YEAR] = nYear;
        ASSERT_TRUE(files::Create_Folders("databases"));
        ASSERT_EQ(Save_Game(Get_Developer_Database_Path(nYear).c_str()), SAVE_GAME_OK);
    }

    // A loaded league with nothing unsaved, so the save offer asks nothing.
    static void Load_Clean_League()
    {
        Build_Game_File_League();
        ASSERT_EQ(Save_Game("seed.zrt"), SAVE_GAME_OK);
        ASSERT_EQ(Load_Universe_Database("seed.zrt"), 1);
        ui::Clear_Shown_Boxes();
    }
};

TEST_F(DeveloperToolsTest, FractionsTableLinesWorkedByHand)
{
    Write_File("Fractions.txt", "old contents\n");
    const int nLines = Write_Fractions_Table();
    const std::vector<std::string> Lines = Lines_Of(Read_Text_File("Fractions.txt"));
    ASSERT_EQ(static_cast<int>(Lines.size()), nLines);
    EXPECT_FALSE(Has_Line(Lines, "old contents"));
    EXPECT_EQ(Lines[0], " AVG  H-for-AB");
    // 1/2 = .500 is above .333, so the at-bats rise: 1/3 rounds to .333, and
    // neither 1/4 (.250) nor 2/3 (.667) does.
    EXPECT_TRUE(Has_Line(Lines, ".333   1-for-3"));
    EXPECT_TRUE(Has_Line(Lines, ".500   1-for-2"));
    EXPECT_TRUE(Has_Line(Lines, ".250   1-for-4"));
    EXPECT_TRUE(Has_Line(Lines, ".200   1-for-5"));
    EXPECT_TRUE(Has_Line(Lines, ".667   2-for-3"));
    EXPECT_TRUE(Has_Line(Lines, ".400   2-for-5"));   // 1/2, 1/3, 2/3, 2/4, then 2/5
    // .010 is first reached at 1-for-96 (10.4), and 1-for-97 (10.3) rounds
    // to it as well: not written.
    for (const std::string& Line : Lines)
        EXPECT_NE(Line.substr(0, 4), ".010") << Line;

    const auto Era = std::find(Lines.begin(), Lines.end(), "ERA    ER    IP");
    ASSERT_NE(Era, Lines.end());
    EXPECT_EQ(*(Era - 1), "");
    // 1 run in 27 outs is 1.00; 1 in 28 gives 0.96 and 2 in 27 gives 2.00.
    EXPECT_TRUE(Has_Line(Lines, "1.00     1   9.0"));
    EXPECT_TRUE(Has_Line(Lines, "2.00     2   9.0"));
    EXPECT_TRUE(Has_Line(Lines, "9.00     9   9.0"));
    // 2 runs: 2.00 at 27 outs is above 1.50, so the outs rise to 36 (1.50).
    EXPECT_TRUE(Has_Line(Lines, "1.50     2   12.0"));
    // 5 runs: 5.00 at 27, 4.82 at 28, 4.66 at 29, 4.50 at 30 outs.
    EXPECT_TRUE(Has_Line(Lines, "4.50     5   10.0"));
    // 0.10 takes 1 run in 258 outs, and 1 in 259 rounds to 0.10 as well.
    for (auto It = Era; It != Lines.end(); ++It)
        EXPECT_NE(It->substr(0, 5), "0.10 ") << *It;
}

TEST_F(DeveloperToolsTest, MultiplierFileHoldsThreeAverages)
{
    Build_Game_File_League();   // four clubs: 0 and 2 against 1 and 3
    Write_File("Play_Multipliers.csv", "Pass Rush: 1\nold\n");
    // The engine's own multipliers, summed here over the same cases.
    double fRush = 0.0;
    double fCoverage = 0.0;
    long nRun = 0;
    for (int o : {0, 2}) {
        for (int d : {1, 3}) {
            for (int j = 0; j < 50; ++j) {
                for (int i = 0; i < 30; ++i) {
                    fRush += Get_Pass_Rush_Multiplier(o, i, d, j) * 1000.0;
                    fCoverage += Get_Pass_Coverage_Multiplier(o, i, d, j) * 1000.0;
                    nRun += Get_Run_Defense_Multiplier(o, i, d, j);
                }
            }
        }
    }
    EXPECT_EQ(Output_Play_Selection_Multipliers(), 4 * 1500);
    const std::vector<std::string> Lines = Lines_Of(Read_Text_File("Play_Multipliers.csv"));
    ASSERT_EQ(Lines.size(), 3u);
    EXPECT_EQ(Lines[0], "Pass Rush: " + std::to_string(static_cast<long>(fRush / 6000.0)));
    EXPECT_EQ(Lines[1], "Pass Coverage: " + std::to_string(static_cast<long>(fCoverage / 6000.0)));
    EXPECT_EQ(Lines[2], "Rush Play: " + std::to_string(nRun / 6000));
    // The run-defence multiplier is at least 100 per mille, the others at least 0.1.
    EXPECT_GE(nRun / 6000, 100);
    EXPECT_GE(static_cast<long>(fRush / 6000.0), 100);
    EXPECT_FALSE(ui::Progress().Open);
    EXPECT_EQ(ui::Progress().Title, "Output_Play_Selection_Multipliers()");

    // One club: no pair, no case, and zeros rather than a division by zero.
    Use_Franchises(1);
    EXPECT_EQ(Output_Play_Selection_Multipliers(), 0);
    EXPECT_EQ(Read_Text_File("Play_Multipliers.csv"), "Pass Rush: 0\nPass Coverage: 0\nRush Play: 0\n");
}

TEST_F(DeveloperToolsTest, DuplicateNamesAreReportedByPair)
{
    Use_Franchises(3);
    const char* Codes[3] = {"AAA", "BBB", "CCC"};
    for (int t = 0; t < 3; ++t) {
        Set_Team_String(Codes[t], t, TEAM_STRING_ABBREVIATION);
        for (int s = 0; s < 3; ++s) {
            Put_Player(t, s, 100 * t + s + 1, POSITION_QB);
            const std::string Last = "Unique" + std::to_string(t) + std::to_string(s);
            Name(t, s, "Al", Last.c_str());
        }
    }
    Name(0, 1, "John", "Smith");
    Name(2, 0, "John", "Smith");
    Put_Player(FREE_AGENT_TEAM, 4, 999, POSITION_RB);
    Name(FREE_AGENT_TEAM, 4, "John", "Smith");
    Name(1, 2, "Jon", "Smith");   // not the same name
    // A club not in use is not looked at.
    Put_Player(5, 0, 555, POSITION_QB);
    Name(5, 0, "John", "Smith");
    Errors_Reported();
    Clear_Recent_Errors();

    EXPECT_EQ(Check_Duplicate_Player_Names(), 3);
    EXPECT_EQ(Errors_Reported(), 3);
    // The free agents' abbreviation is the en dash of the Windows-1252 text.
    const std::string Recent = Get_Recent_Errors();
    EXPECT_NE(Recent.find("Duplicate player name found: John Smith (AAA, CCC)"), std::string::npos) << Recent;
    EXPECT_NE(Recent.find("Duplicate player name found: John Smith (AAA, \x96)"), std::string::npos) << Recent;
    EXPECT_NE(Recent.find("Duplicate player name found: John Smith (CCC, \x96)"), std::string::npos) << Recent;

    Name(2, 0, "Jim", "Smith");
    Name(FREE_AGENT_TEAM, 4, "Joe", "Smith");
    EXPECT_EQ(Check_Duplicate_Player_Names(), 0);
}

TEST_F(DeveloperToolsTest, FreeAgentListMatchesTheWholeFirstField)
{
    Write_File("input/stats/2022_rosters.csv", "A1,Able,QB\nA12,Baker,RB\r\nB2,Cole,WR\nC3,Dunn,TE\n,Empty,K\n");
    // A12 plays on; "A1" is only the start of "A12", "B2" only inside a line,
    // and "C3x" is another ID.
    Write_File("input/stats/2023_rosters.csv", "A12,Baker,RB\nX9,B2 is here,QB\nC3x,Dunn,TE");
    Write_File("Free-Agents.csv", "stale\n");
    EXPECT_EQ(Write_Free_Agents_List(), 4);
    EXPECT_EQ(Read_Text_File("Free-Agents.csv"), "A1,Able,QB\nB2,Cole,WR\nC3,Dunn,TE\n,Empty,K\n");
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // The substring test of a single file is still offered.
    EXPECT_EQ(File_Contains_Text("input/stats/2023_rosters.csv", "B2 is"), 1);
    EXPECT_EQ(File_Contains_Text("input/stats/2023_rosters.csv", "Zed"), 0);
    // A file that cannot be read answers neither yes nor no.
    EXPECT_EQ(File_Contains_Text("input/stats/none.csv", "A"), -1);
    EXPECT_EQ(File_Contains_Text("input/stats", "A"), -1);

    // Without either file: its box, the file named, and the old list kept
    // (without the 2023 file every player would be listed).
    const std::string List = Read_Text_File("Free-Agents.csv");
    std::filesystem::remove("input/stats/2023_rosters.csv");
    std::string Unread;
    EXPECT_EQ(Write_Free_Agents_List(&Unread), -1);
    EXPECT_EQ(Unread, "input/stats/2023_rosters.csv");
    std::filesystem::remove("input/stats/2022_rosters.csv");
    EXPECT_EQ(Write_Free_Agents_List(&Unread), -1);
    EXPECT_EQ(Unread, "input/stats/2022_rosters.csv");
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Read Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unable to open input/stats/2023_rosters.csv.");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Unable to open input/stats/2022_rosters.csv.");
    EXPECT_EQ(Read_Text_File("Free-Agents.csv"), List);

    // A 2022 file with no player's line (empty, its heading alone, blank
    // lines) would list nobody: refused, naming it, the list kept.
    const std::string HEADING = "CorvelID,PlayerID,FirstName,LastName,2022_Team,Position\n";
    struct CASE {
        std::string Old;
        std::string New;
        const char* szNamed;
    };
    const CASE CASES[] = {
        {"", "A12,Baker,RB\n", "input/stats/2022_rosters.csv"},
        {HEADING, HEADING + "A12,Baker,RB\n", "input/stats/2022_rosters.csv"},
        {HEADING + "\n\r\n", "A12,Baker,RB\n", "input/stats/2022_rosters.csv"},
        {"corvelid,x\n", "", "input/stats/2022_rosters.csv"},
    };
    for (const CASE& Case : CASES) {
        Write_File("input/stats/2022_rosters.csv", Case.Old.c_str());
        Write_File("input/stats/2023_rosters.csv", Case.New.c_str());
        ui::Clear_Shown_Boxes();
        Unread.clear();
        EXPECT_EQ(Write_Free_Agents_List(&Unread), -3) << Case.Old << "|" << Case.New;
        EXPECT_EQ(Unread, Case.szNamed);
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Read Error");
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, std::string(Case.szNamed) + " holds no player line.");
        EXPECT_EQ(Read_Text_File("Free-Agents.csv"), List);
    }
    // A 2023 file of its heading alone leaves every 2022 player listed.
    Write_File("input/stats/2022_rosters.csv", (HEADING + "A12,Baker,RB\n").c_str());
    Write_File("input/stats/2023_rosters.csv", HEADING.c_str());
    EXPECT_EQ(Write_Free_Agents_List(), 1);
    EXPECT_EQ(Read_Text_File("Free-Agents.csv", "(none)"), "A12,Baker,RB\n");
    // Two files that list the same players give a true empty list.
    Write_File("input/stats/2022_rosters.csv", (HEADING + "A12,Baker,RB\n").c_str());
    Write_File("input/stats/2023_rosters.csv", (HEADING + "A12,Baker,RB\n").c_str());
    EXPECT_EQ(Write_Free_Agents_List(), 0);
    EXPECT_EQ(Read_Text_File("Free-Agents.csv", "(none)"), "");
}

TEST_F(DeveloperToolsTest, RefitSkipsAYearThatDoesNotLoad)
{
    Write_Database(1951);
    Write_Database(1953);
    Write_File("databases/universe-1952.dat", "not a database");
    const std::string Before1951 = Read_Text_File("databases/universe-1951.dat");
    Load_Clean_League();

    const DATABASE_LOOP_RESULT Result = Refit_All_Universe_Databases();
    EXPECT_FALSE(Result.bCancelled);
    EXPECT_EQ(Result.nDone, 2);
    EXPECT_EQ(Result.nSkipped, 2022 - 1951 + 1 - 2);
    // The unreadable year is left as it was, and no missing year is made.
    EXPECT_EQ(Read_Text_File("databases/universe-1952.dat"), "not a database");
    EXPECT_FALSE(std::filesystem::exists("databases/universe-1954.dat"));
    EXPECT_NE(Read_Text_File("databases/universe-1951.dat"), Before1951);   // refitted and saved
    // Each neighbour holds its own league.
    for (int nYear : {1951, 1953}) {
        ASSERT_EQ(Load_Universe_Database(Get_Developer_Database_Path(nYear).c_str()), 1);
        EXPECT_EQ(League.Universe.nStat[FIRST_SEASON_YEAR], nYear);
    }
}

TEST_F(DeveloperToolsTest, RefitWaitsForTheSaveOffer)
{
    Write_Database(1951);
    const std::string Before = Read_Text_File("databases/universe-1951.dat");
    Load_Clean_League();
    League.Team[0].Player[0].nVital[VITAL_PLAYER_ID] = 4321;   // an unsaved change
    ui::Queue_Answer(ID_CANCEL);
    const DATABASE_LOOP_RESULT Result = Refit_All_Universe_Databases();
    EXPECT_TRUE(Result.bCancelled);
    EXPECT_EQ(Result.nDone, 0);
    ASSERT_GE(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Game Not Saved");
    EXPECT_EQ(Read_Text_File("databases/universe-1951.dat"), Before);
    EXPECT_EQ(League.Team[0].Player[0].nVital[VITAL_PLAYER_ID], 4321);   // still the user's league
}

TEST_F(DeveloperToolsTest, ReplayExportWritesOneFilePerYearWithEveryPosition)
{
    // Year y reads the database of y + 1: 1951 and 1953 have one, 1952 none.
    Write_Database(1952);
    Write_Database(1954);
    Load_Clean_League();

    const DATABASE_LOOP_RESULT Result = Export_Replay_Mode_Player_Ratings();
    EXPECT_EQ(Result.nDone, 2);
    EXPECT_FALSE(std::filesystem::exists("Output/Ratings/1952_Player_Ratings.csv"));
    for (int nYear : {1951, 1953}) {
        const std::vector<std::string> Lines =
            Lines_Of(Read_Text_File("Output/Ratings/" + std::to_string(nYear) + "_Player_Ratings.csv"));
        // The header once, then the 120 players of the four clubs (the draft
        // pool is not written): 15 positions, eight players each.
        ASSERT_EQ(Lines.size(), 121u) << nYear;
        EXPECT_EQ(Lines[0].rfind("PlayerID," + std::to_string(nYear) + "_Team,", 0), 0u);
        int nHeaders = 0;
        std::vector<int> nPerPosition(15, 0);
        for (size_t k = 1; k < Lines.size(); ++k) {
            nHeaders += Lines[k].rfind("PlayerID,", 0) == 0;
            // The fifth field is the position's abbreviation.
            std::vector<std::string> Fields;
            std::istringstream In(Lines[k]);
            for (std::string Field; std::getline(In, Field, ',');)
                Fields.push_back(Field);
            ASSERT_GT(Fields.size(), 4u) << Lines[k];
            const char* const Codes[15] = {"QB", "RB", "FB", "TE", "WR", "T", "G", "C",
                                           "DE", "DT", "LB", "CB", "S",  "K",  "P"};
            const int nPosition = static_cast<int>(std::find(Codes, Codes + 15, Fields[4]) - Codes);
            ASSERT_LT(nPosition, 15) << Lines[k];
            ++nPerPosition[nPosition];
            // The linemen (positions 5-7) come first, as loaded.
            if (k <= 24)
                EXPECT_TRUE(nPosition >= 5 && nPosition <= 7) << Lines[k];
            else
                EXPECT_FALSE(nPosition >= 5 && nPosition <= 7) << Lines[k];
        }
        EXPECT_EQ(nHeaders, 0);
        EXPECT_EQ(nPerPosition, std::vector<int>(15, 8)) << nYear;
    }
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Do_Special_Tool()");
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "Export_Replay_Mode_Player_Ratings(1951-2019) completed.");
    // The ratings were worked over for the files only: the league is its
    // last database as stored, with nothing to save.
    EXPECT_EQ(Has_League_Changed(), 0);
}

TEST_F(DeveloperToolsTest, AveragePeriodStatsByPosition)
{
    Use_Franchises(1);
    Put_Player(0, 0, 1, POSITION_QB);
    Put_Player(0, 1, 2, POSITION_K);
    Put_Player(5, 0, 3, POSITION_QB);   // a club not in use
    Set_Player_Stat(0, 0, STAT_PERIOD_PREDICTED, 0, 321);
    Set_Average_Period_Stats();
    for (int s : {0, 1}) {
        const int nPosition = s == 0 ? POSITION_QB : POSITION_K;
        for (int nStat : {4, 7, 8, 10, 11})
            EXPECT_EQ(Get_Player_Stat(0, s, STAT_PERIOD_PREDICTED, nStat), Get_Average_Stat(nPosition, nStat))
                << s << " " << nStat;
    }
    EXPECT_EQ(Get_Player_Stat(0, 0, STAT_PERIOD_PREDICTED, 0), 321);   // the others are kept
    EXPECT_EQ(League.Team[5].Player[0].nStat[STAT_PERIOD_PREDICTED][4], 0);
}

TEST_F(DeveloperToolsTest, StatColumns)
{
    const int Expected[16] = {0, 8, 1, 2, 8, 3, 8, 8, 4, 8, 5, 8, 6, 8, 8, 7};
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(Map_Stat_Column(c), Expected[c]) << c;
    EXPECT_EQ(Map_Stat_Column(-1), 8);
    EXPECT_EQ(Map_Stat_Column(16), 8);
}

}  // namespace
