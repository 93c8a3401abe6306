#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "export/ratings_file.h"
#include "league/league_text.h"
#include "league/overall_rating.h"
#include "platform/files.h"
#include "season/player_value.h"
#include "season/stat_based_rating.h"
#include "file_size_limit.h"
#include "pieces_fixture.h"

namespace {

const char* const HEADER_2019 =
    "PlayerID,2019_Team,First,Last,Position,Expanded,OVERALL,PEAK,Accuracy,Distance,Control,Red Zone,Mobility,Speed,"
    "Power,Quickness,Vision,Receiving,Hands,Kick Returns,Punt Returns,Pass Blocking,Run Blocking,Discipline,Run "
    "Defense,Pass Rush,Coverage,Turnovers,Tackling,FG Accuracy,FG Power,Punt Accuracy,Punt Power,Durability";

std::vector<std::string> Split(const std::string& Text, char cAt)
{
    std::vector<std::string> Parts;
    size_t nStart = 0;
    for (;;) {
        const size_t nAt = Text.find(cAt, nStart);
        Parts.push_back(Text.substr(nStart, nAt - nStart));
        if (nAt == std::string::npos)
            return Parts;
        nStart = nAt + 1;
    }
}

std::string Expanded_Of(int nTeam, int nSlot)
{
    char szText[TEXT_BUFFER_SIZE] = "";
    Get_Depth_Slot_Abbreviation(Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT), szText);
    return szText;
}

// The overall and peak columns come from the league's own formulas.
std::string Overall_And_Peak(int nTeam, int nSlot, int nPosition)
{
    return std::to_string(static_cast<int>(Get_Position_Overall_Rating(nTeam, nSlot, nPosition))) + "," +
           std::to_string(static_cast<int>(Compute_Player_Potential(nTeam, nSlot)));
}

class RatingsFileTest : public PiecesTest {
protected:
    void SetUp() override
    {
        PiecesTest::SetUp();
        Add_Player(0, 0, 101, POSITION_QB, "John", "Smith");
        Set_Player_Corvel_ID(0, 0, "SmitJo00");
        Set_Player_Rating(0, 0, RATING_ACCURACY, 81.7f);
        Set_Player_Rating(0, 0, RATING_PUNT_DISTANCE, 12.5f);
        Set_Player_Rating(0, 0, RATING_RED_ZONE, std::nanf(""));
        Set_Player_Rating(0, 0, RATING_DURABILITY, 120.0f);
        Set_Player_Rating(0, 0, RATING_SPEED, 64.99f);
        Add_Player(1, 0, 201, POSITION_WR, "Jo\"e", "Smith, Jr.");
        Set_Player_Corvel_ID(1, 0, "SmitJo01");
        Set_Team_String("G,B", 1, TEAM_STRING_ABBREVIATION);
        Add_Player(FREE_AGENT_TEAM, 0, 3601, POSITION_K, "Fred", "Free");
        Set_Player_Corvel_ID(FREE_AGENT_TEAM, 0, "FreeFr00");
        Set_Player_Rating(FREE_AGENT_TEAM, 0, RATING_DURABILITY, 130.0f);
        Clear_Errors();
    }
};

TEST_F(RatingsFileTest, LinesAreHandCheckedAndRatingsMadeSoundInTheRecord)
{
    std::string Line;
    ASSERT_TRUE(Build_Player_Ratings_Line(0, 0, Line));
    // Accuracy 81.7 -> 81; Red Zone NaN -> its default 72; Speed 64.99 -> 64;
    // Punt Power 12.5 -> 20; Durability 120 stays.
    EXPECT_EQ(Line, "SmitJo00,CHI,John,Smith,QB," + Expanded_Of(0, 0) + "," + Overall_And_Peak(0, 0, POSITION_QB) +
                        ",81,70,70,72,70,64,70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,20,120");
    EXPECT_EQ(Get_Player_Rating(0, 0, RATING_PUNT_DISTANCE), 20.0f);
    EXPECT_EQ(Get_Player_Rating(0, 0, RATING_RED_ZONE), 72.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, RATING_ACCURACY), 81.7f);

    // Commas leave the text fields, so the line still has 34 columns.
    ASSERT_TRUE(Build_Player_Ratings_Line(1, 0, Line));
    const std::vector<std::string> Columns = Split(Line, ',');
    ASSERT_EQ(Columns.size(), 34u);
    EXPECT_EQ(Columns[1], "GB");
    EXPECT_EQ(Columns[2], "Jo\"e");
    EXPECT_EQ(Columns[3], "Smith Jr.");
    EXPECT_EQ(Columns[4], "WR");
    EXPECT_EQ(Columns[33], "70");

    // The free agents' team is the single byte 0x96; a Durability beyond 120
    // is written as the statistics-based one (the league's reader already
    // rebuilds such a value in the record).
    ASSERT_TRUE(Build_Player_Ratings_Line(FREE_AGENT_TEAM, 0, Line));
    const std::vector<std::string> Agent = Split(Line, ',');
    ASSERT_EQ(Agent.size(), 34u);
    EXPECT_EQ(Agent[1], "\x96");
    EXPECT_EQ(Agent[4], "K");
    EXPECT_EQ(Agent[33], std::to_string(static_cast<int>(Get_Stat_Based_Rating(FREE_AGENT_TEAM, 0, 1))));
    EXPECT_NE(Agent[33], "130");

    // In the first week of the first season a player without an ID is left out.
    Set_Player_Corvel_ID(0, 0, "");
    EXPECT_TRUE(Build_Player_Ratings_Line(0, 0, Line));
    EXPECT_EQ(Line.substr(0, 5), ",CHI,");
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    EXPECT_FALSE(Build_Player_Ratings_Line(0, 0, Line));
    EXPECT_EQ(Line, "");
    EXPECT_FALSE(Build_Player_Ratings_Line(0, 7, Line));
}

TEST_F(RatingsFileTest, TheFileIsReplacedAndCountsOnlyLinesWritten)
{
    SCRATCH_FOLDER Folder("ratings_file");
    EXPECT_EQ(Get_Player_Ratings_Path(2019), "Output/Ratings/2019_Player_Ratings.csv");
    EXPECT_EQ(Export_Player_Ratings(15, 2019), 3);
    const std::string Text = Read_Text_File("Output/Ratings/2019_Player_Ratings.csv");
    std::vector<std::string> Lines = Split(Text, '\n');
    ASSERT_EQ(Lines.size(), 5u);   // header, three players, the final line end
    EXPECT_EQ(Lines[0], HEADER_2019);
    EXPECT_EQ(Lines[1].substr(0, 13), "SmitJo00,CHI,");
    EXPECT_EQ(Lines[2].substr(0, 12), "SmitJo01,GB,");
    EXPECT_EQ(Lines[3].substr(0, 10), "FreeFr00,\x96");
    EXPECT_EQ(Lines[4], "");

    // A position writes only its players, into a new file.
    EXPECT_EQ(Export_Player_Ratings(POSITION_WR, 2019), 1);
    Lines = Split(Read_Text_File("Output/Ratings/2019_Player_Ratings.csv"), '\n');
    ASSERT_EQ(Lines.size(), 3u);
    EXPECT_EQ(Lines[1].substr(0, 9), "SmitJo01,");
    EXPECT_EQ(Export_Player_Ratings(POSITION_TE, 2019), 0);

    // No folder can be made: nothing counted, the failure told.
    SCRATCH_FOLDER Blocked("ratings_blocked");
    FILE* pFile = std::fopen("Output", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fclose(pFile);
    EXPECT_EQ(Export_Player_Ratings(15, 2019), -1);
    Set_User_Preference(87, 15);
    Export_Position_Ratings();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Couldn't write \"Output/Ratings/2019_Player_Ratings.csv\" (Not a directory)");
}

// The file is replaced whole, as the database builder writes it: a write
// that fails part-way (the file-size limit reached after the header and the
// first player's line) fails the export with the system's words and leaves
// the old file as it was, and no temporary. A dangling link at the name is
// replaced, its target never made.
TEST_F(RatingsFileTest, AnExportThatFailsPartWayLeavesTheOldFile)
{
    SCRATCH_FOLDER Folder("ratings_line_fails");
    ASSERT_EQ(Export_Player_Ratings(POSITION_WR, 2019), 1);
    const std::string Old = Read_Text_File("Output/Ratings/2019_Player_Ratings.csv");
    std::string First;
    ASSERT_TRUE(Build_Player_Ratings_Line(0, 0, First));
    const long long nRoom = static_cast<long long>(std::strlen(HEADER_2019) + 1 + First.size() + 1 + 10);
    const int nAnswer = file_size_limit::Run_Limited(nRoom, [] {
        errno = 0;
        const int nWritten = Export_Player_Ratings(15, 2019);
        if (nWritten >= 0)
            return 10 + nWritten;
        return errno == EFBIG ? 1 : 2;
    });
    EXPECT_EQ(nAnswer, 1) << "1: failed as the file ran out of room; 2: failed for another cause; 10+N: N written";
    EXPECT_EQ(Read_Text_File("Output/Ratings/2019_Player_Ratings.csv"), Old);
    EXPECT_EQ(files::List_Folder("Output/Ratings", files::TEMPORARY_FILE_PATTERN), std::vector<std::string>{});
    ASSERT_EQ(std::remove("Output/Ratings/2019_Player_Ratings.csv"), 0);
    ASSERT_EQ(::symlink("../../elsewhere.csv", "Output/Ratings/2019_Player_Ratings.csv"), 0);
    EXPECT_EQ(Export_Player_Ratings(15, 2019), 3);
    EXPECT_FALSE(files::Entry_Exists("elsewhere.csv"));
}

TEST_F(RatingsFileTest, TheCommandAsksForAPositionAndReports)
{
    SCRATCH_FOLDER Folder("ratings_command");
    Set_User_Preference(87, 15);
    Export_Position_Ratings();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Export Player Ratings");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "3 Players Written to \"Output/Ratings/2019_Player_Ratings.csv\"");

    ui::Reset();
    Set_User_Preference(87, POSITION_QB);
    ui::Queue_Answer(ID_NO);   // "Export All Players"
    Export_Position_Ratings();
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "This will export 1 Quarterbacks to \"Output/Ratings/2019_Player_Ratings.csv\"\n\n(Use the Sortable "
              "Stats Dialog to change the position selected.");
    ASSERT_EQ(ui::Shown_Boxes()[0].Buttons.size(), 3u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Buttons[0], "Export Quarterbacks");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "3 Players Written to \"Output/Ratings/2019_Player_Ratings.csv\"");

    ui::Reset();
    ui::Queue_Answer(ID_YES);
    Export_Position_Ratings();
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "1 Quarterbacks Written to \"Output/Ratings/2019_Player_Ratings.csv\"");

    ui::Reset();
    files::Delete_File("Output/Ratings/2019_Player_Ratings.csv");
    ui::Queue_Answer(ID_CANCEL);
    Export_Position_Ratings();
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_FALSE(files::File_Exists("Output/Ratings/2019_Player_Ratings.csv"));
}

}  // namespace
