// Reading a ratings file back: the 34 columns into the right ratings, players
// found by number or by ID text, the duplicate warning, OVERALL and PEAK, and
// the file itself (missing, not a file, byte-order mark, CRLF, UTF-8 names,
// quoted fields, a last line without its end).
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "gamefile/load_repair_check.h"
#include "league/league_fixture.h"
#include "league/player_hash.h"
#include "season/player_value.h"
#include "test_support.h"
#include "tools/ratings_loader.h"

namespace {

constexpr const char* HEADER =
    "PlayerID,2010_Team,First,Last,Position,Expanded,OVERALL,PEAK,Accuracy,Distance,Control,Red Zone,Mobility,"
    "Speed,Power,Quickness,Vision,Receiving,Hands,Kick Returns,Punt Returns,Pass Blocking,Run Blocking,Discipline,"
    "Run Defense,Pass Rush,Coverage,Turnovers,Tackling,FG Accuracy,FG Power,Punt Accuracy,Punt Power,Durability";
constexpr const char* PATH = "ratings.csv";

class RatingsLoaderTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"ratings_loader"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2010);
        Use_Franchises(2);
        Put_Player(0, 0, 101, POSITION_WR, 70.0f);
        Put_Player(0, 1, 102, POSITION_WR, 70.0f);
        Put_Player(1, 5, 103, POSITION_LB, 70.0f);
        std::strcpy(League.Team[0].Player[0].szCorvelID, "SmitJo01");
        std::strcpy(League.Team[1].Player[5].szCorvelID, "LeeAn02");
        Build_Player_ID_Hash();
    }

    static void Write(const char* szPath, const std::string& Text)
    {
        std::ofstream(szPath, std::ios::binary) << Text;
    }

    // A line: ID, team, names, positions, OVERALL, PEAK, then the 26 rating
    // columns all szRating but those given by column (0 = Accuracy .. 25 = Durability).
    static std::string Line(const std::string& ID, const std::string& Positions, const std::string& Overall,
                            const std::string& Peak, const char* szRating,
                            std::initializer_list<std::pair<int, const char*>> Columns = {})
    {
        std::string Text = ID + ",AAA,Jo,Smith," + Positions + "," + Overall + "," + Peak;
        for (int k = 0; k < 26; ++k) {
            const char* szValue = szRating;
            for (const auto& [nColumn, szGiven] : Columns) {
                if (nColumn == k)
                    szValue = szGiven;
            }
            Text += std::string(",") + szValue;
        }
        return Text;
    }

    static float Rating(int nTeam, int nSlot, int n) { return League.Team[nTeam].Player[nSlot].fRating[n]; }
    static int Flags(int nTeam, int nSlot) { return League.Team[nTeam].Player[nSlot].nVital[VITAL_FLAGS]; }
};

// A receiver the file makes slow, and a linebacker it makes a slow running
// back, are stored as a load would leave them: the whole part + 40 and + 30.
TEST_F(RatingsLoaderTest, SlowBacksOfTheFileAreStoredAsALoadWouldLeaveThem)
{
    Write(PATH, std::string(HEADER) + "\n" + Line("101", "WR,WR", "0", "0", "", {{5, "30.5"}}) + "\n" +
                    Line("LeeAn02", "RB,RB", "0", "0", "", {{5, "35"}}) + "\n");
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    EXPECT_EQ(Rating(0, 0, RATING_SPEED), 70.0f);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 5, VITAL_POSITION), POSITION_RB);
    EXPECT_EQ(Rating(1, 5, RATING_SPEED), 65.0f);
    EXPECT_EQ(Players_Changed_By_Load_Repairs(), "");
}

TEST_F(RatingsLoaderTest, ColumnsReachTheirRatingsAndWeakOrHugeValuesAreLeftOut)
{
    Write(PATH, std::string(HEADER) + "\n" +
                    Line("101", "LB,OLB/R", "0", "0", "",
                         {{0, "45"}, {1, "19.9"}, {5, "88.5"}, {9, "1500"}, {10, "-2000"}, {24, "66"}, {25, "77"}}) +
                    "\n");
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    EXPECT_EQ(Rating(0, 0, RATING_ACCURACY), 45.0f);
    EXPECT_EQ(Rating(0, 0, RATING_DISTANCE), 70.0f);   // below 20: kept
    EXPECT_EQ(Rating(0, 0, RATING_CONTROL), 70.0f);    // empty: kept
    EXPECT_EQ(Rating(0, 0, RATING_SPEED), 88.5f);
    EXPECT_EQ(Rating(0, 0, RATING_RECEIVING), 70.0f);  // 1500: reported, not stored
    EXPECT_EQ(Rating(0, 0, RATING_HANDS), 70.0f);      // -2000: below 20
    EXPECT_EQ(Rating(0, 0, 26), 66.0f);
    EXPECT_EQ(Rating(0, 0, RATING_DURABILITY), 77.0f);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_NE(std::string(Get_Recent_Errors()).find("fValue out of bounds in Set_Player_Rating(0,0,11,[1500.000000])"),
              std::string::npos)
        << Get_Recent_Errors();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_POSITION), POSITION_LB);
    EXPECT_EQ(Get_Player_Byte_Stat(0, 0, BYTE_STAT_DEPTH_SLOT), 37);
    EXPECT_EQ(Flags(0, 0), RATINGS_FILE_MET_FLAG);   // OVERALL 0: no overall flag
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(RatingsLoaderTest, PlayersAreFoundByNumberElseByIdTextAndStrangersAreSkipped)
{
    LEAGUE_SNAPSHOT Before;
    Write(PATH, std::string(HEADER) + "\n" + Line("999", "QB,QB", "0", "0", "50") + "\n" +
                    Line("nobody", "QB,QB", "0", "0", "50") + "\n" + Line("", "QB,QB", "0", "0", "50") + "\n");
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Count_Player_Ratings_Changed(), 0);
    EXPECT_EQ(Get_Player_Ratings_Unchanged_Reason().rfind("no line names a player of the league", 0), 0u);

    Write(PATH, std::string(HEADER) + "\n" + Line("102", "XX,", "0", "0", "51") + "\n" +
                    Line("smitjo01", "CB,", "0", "0", "52") + "\n" + Line("LEEAN02", ",NT", "0", "0", "53") + "\n");
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    EXPECT_EQ(Rating(0, 1, RATING_VISION), 51.0f);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 1, VITAL_POSITION), POSITION_WR);   // "XX": kept
    EXPECT_EQ(Rating(0, 0, RATING_VISION), 52.0f);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_POSITION), POSITION_CB);
    EXPECT_EQ(Rating(1, 5, RATING_VISION), 53.0f);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 5, VITAL_POSITION), POSITION_LB);   // empty: kept
    EXPECT_EQ(Get_Player_Byte_Stat(1, 5, BYTE_STAT_DEPTH_SLOT), 28);
    EXPECT_EQ(Count_Player_Ratings_Changed(), 3);

    // A player named twice counts once; one whose line gives what he has
    // already is not changed.
    Write(PATH, std::string(HEADER) + "\n" + Line("102", ",", "0", "0", "54") + "\n" +
                    Line("102", ",", "0", "0", "55") + "\n" + Line("smitjo01", "CB,", "0", "0", "52") + "\n");
    ui::Queue_Answer(ID_CANCEL);   // "Ignore Duplicate IDs"
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    EXPECT_EQ(Count_Player_Ratings_Changed(), 1);
    EXPECT_EQ(Count_Player_Ratings_Matched(), 3);
}

// Salaried players of a built league carry bit 2 before any load: that is no
// duplicate. A player met twice in one load is.
TEST_F(RatingsLoaderTest, OnlyAPlayerMetTwiceInOneLoadIsADuplicate)
{
    League.Team[0].Player[0].nVital[VITAL_FLAGS] = 2;
    League.Team[0].Player[1].nVital[VITAL_FLAGS] = 2;
    Write(PATH, std::string(HEADER) + "\n" + Line("101", ",", "0", "0", "") + "\n" + Line("102", ",", "0", "0", "") +
                    "\n");
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    Write(PATH, std::string(HEADER) + "\n" + Line("101", ",", "0", "0", "") + "\n" + Line("LeeAn02", ",", "0", "0", "") +
                    "\n" + Line("101", ",", "0", "0", "") + "\n" + Line("leean02", ",", "0", "0", "") + "\n" +
                    Line("102", ",", "0", "0", "") + "\n" + Line("102", ",", "0", "0", "") + "\n");
    ui::Queue_Answer(ID_YES);      // "OK": keep warning
    ui::Queue_Answer(ID_CANCEL);   // "Ignore Duplicate IDs"
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Player Rating File");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Warning: Duplicate Player ID found in Player Rating file:\n\n101");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Warning: Duplicate Player ID found in Player Rating file:\n\nleean02");
    const std::vector<BOX_BUTTON> Buttons = Message_Box_Buttons(ui::Shown_Boxes()[0]);
    ASSERT_EQ(Buttons.size(), 2u);
    EXPECT_EQ(Buttons[0].Label, "OK");
    EXPECT_EQ(Buttons[1].Label, "Ignore Duplicate IDs");
    EXPECT_EQ(Flags(1, 5), RATINGS_FILE_MET_FLAG);

    // The next load warns again.
    ui::Reset();
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    EXPECT_EQ(ui::Shown_Boxes().size(), 3u);
}

TEST_F(RatingsLoaderTest, OverallScalesThePlayerAndPeakFitsHisDevelopment)
{
    // A peak below the overall leaves the development alone.
    for (auto [t, s] : {std::pair{0, 0}, std::pair{0, 1}, std::pair{1, 5}}) {
        PLAYER& Player = League.Team[t].Player[s];
        Player.nVital[VITAL_BIRTH_DATE] = 19880101;   // 22 in 2010
        Player.nVital[VITAL_POTENTIAL] = 100;
        Player.nVital[VITAL_PEAK_START] = 24;
        Player.nVital[VITAL_PEAK_END] = 30;
    }
    const PLAYER Before = League.Team[0].Player[0];
    const int nPeak = static_cast<int>(Compute_Player_Potential(1, 5)) + 2;
    Write(PATH, std::string(HEADER) + "\n" + Line("101", ",", "80", "75", "") + "\n" +
                    Line("102", ",", "0", "0", "") + "\n" + Line("103", ",", "19", std::to_string(nPeak), "") + "\n");
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    EXPECT_NEAR(Get_Player_Overall_Rating(0, 0), 80.0f, 1.0f);
    EXPECT_EQ(Flags(0, 0), RATINGS_FILE_MET_FLAG | RATINGS_FILE_OVERALL_FLAG);
    for (int n : {VITAL_POTENTIAL, VITAL_PEAK_START, VITAL_PEAK_END})
        EXPECT_EQ(League.Team[0].Player[0].nVital[n], Before.nVital[n]) << n;
    EXPECT_EQ(Flags(0, 1), RATINGS_FILE_MET_FLAG);
    // OVERALL 19 sets nothing; a PEAK above his projection (at least the
    // overall and 20) raises his development rate.
    EXPECT_EQ(Flags(1, 5), RATINGS_FILE_MET_FLAG);
    EXPECT_GT(League.Team[1].Player[5].nVital[VITAL_POTENTIAL], 100);
}

TEST_F(RatingsLoaderTest, FilesOfAnyEditorReadAlikeAndAMissingOneSaysSo)
{
    // Byte-order mark, CRLF, a UTF-8 accented name, a quoted name holding a
    // comma, quoted numbers, and a last line without its end.
    const std::string Bom = "\xEF\xBB\xBF";
    std::string Accented = Line("101", "QB,QB", "0", "0", "", {{0, "\"61\""}});
    Accented.replace(Accented.find("Jo,Smith"), 8, "Jos\xC3\xA9,\"Smith, Jr.\"");
    Write(PATH, Bom + HEADER + "\r\n" + Accented + "\r\n" + Line("\"102\"", "S,FS", "0", "0", "", {{25, "62"}}));
    ASSERT_EQ(Load_Player_Ratings_File(1, PATH), 1);
    EXPECT_EQ(Rating(0, 0, RATING_ACCURACY), 61.0f);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_POSITION), POSITION_QB);
    EXPECT_EQ(Rating(0, 1, RATING_DURABILITY), 62.0f);
    EXPECT_EQ(Get_Player_Byte_Stat(0, 1, BYTE_STAT_DEPTH_SLOT), 42);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Load Player Ratings");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Player ratings loaded from ratings.csv: 2 players changed.");

    // The year's file: a replay before 2023 reads the replay folder.
    char szPath[96];
    Get_Year_Player_Ratings_Path(szPath, sizeof(szPath));
    EXPECT_STREQ(szPath, "Input/Ratings/Simulation/2010_Player_Ratings.csv");
    Set_Universe_Word(REPLAY_MODE_WORD, 1);
    Get_Year_Player_Ratings_Path(szPath, sizeof(szPath));
    EXPECT_STREQ(szPath, "Input/Ratings/Replay/2010_Player_Ratings.csv");
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2023);
    Get_Year_Player_Ratings_Path(szPath, sizeof(szPath));
    EXPECT_STREQ(szPath, "Input/Ratings/Simulation/2023_Player_Ratings.csv");

    // Missing: one box of the reader's own with the message, none without.
    ui::Reset();
    EXPECT_EQ(Load_Year_Player_Ratings(1), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Load Player Ratings");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unable to open Input/Ratings/Simulation/2023_Player_Ratings.csv.");
    ui::Reset();
    EXPECT_EQ(Load_Year_Player_Ratings(0), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // A folder of that name is no file.
    std::filesystem::create_directories("Input/Ratings/Simulation/2023_Player_Ratings.csv");
    EXPECT_EQ(Load_Year_Player_Ratings(1), 0);
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    // The letter case of the path does not matter.
    std::filesystem::remove("Input/Ratings/Simulation/2023_Player_Ratings.csv");
    Write("Input/Ratings/Simulation/2023_Player_Ratings.csv", std::string(HEADER) + "\n" + Line("103", ",", "0", "0", "", {{2, "63"}}));
    EXPECT_EQ(Load_Player_Ratings_File(0, "input/ratings/simulation/2023_player_ratings.csv"), 1);
    EXPECT_EQ(Rating(1, 5, RATING_CONTROL), 63.0f);
}

TEST_F(RatingsLoaderTest, TheProgressWindowStepsOncePerTwentyLines)
{
    std::string Text = std::string(HEADER) + "\n";
    for (int i = 0; i < 59; ++i)
        Text += Line("101", ",", "0", "0", "") + "\n";
    Write(PATH, Text);   // 61 lines counted (60 line ends + 1): 3 steps
    ui::Queue_Answer(ID_CANCEL);
    ASSERT_EQ(Load_Player_Ratings_File(0, PATH), 1);
    EXPECT_EQ(ui::Progress().Title, "Loading Player Ratings");
    EXPECT_EQ(ui::Progress().Steps, 3);
    EXPECT_EQ(ui::Progress().Position, 3);   // lines 0, 20 and 40
    EXPECT_FALSE(ui::Progress().Open);
}

}  // namespace
