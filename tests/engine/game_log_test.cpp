// The game log: page head, period headings, play rows in text and HTML, score
// and injury lines, the line score and the page files. Every expected text is
// written out by hand from the row formats.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/game_log.h"
#include "engine/game_report.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "scratch_folder.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 1;
constexpr int HOME = 4;
constexpr int RUNNER_ID = 501;
constexpr int KICKER_ID = 502;
constexpr int TACKLER_ID = 602;

class GameLogTest : public LeagueTest {
protected:
    GAME& Game = League.Game[3];

    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(6);
        Set_Regular_Season_Weeks(17);
        Set_Team_String("B&O", AWAY, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Boston", AWAY, TEAM_STRING_CITY);
        Set_Team_String("owls", AWAY, TEAM_STRING_NICKNAME);
        Set_Team_String("GB", HOME, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Green Bay", HOME, TEAM_STRING_CITY);
        Set_Team_String("Packers", HOME, TEAM_STRING_NICKNAME);
        Put_Player(AWAY, 0, RUNNER_ID, POSITION_RB);
        Set_Player_First_Name(AWAY, 0, "Al");
        Set_Player_Last_Name(AWAY, 0, "Rusk");
        Put_Player(AWAY, 1, KICKER_ID, POSITION_K);
        Set_Player_First_Name(AWAY, 1, "Kip");
        Set_Player_Last_Name(AWAY, 1, "Boot");
        Put_Player(HOME, 0, TACKLER_ID, POSITION_LB);
        Set_Player_First_Name(HOME, 0, "Hal");
        Set_Player_Last_Name(HOME, 0, "Hale");
        Build_Player_ID_Hash();
        Build_Team_Default_Playbook(AWAY);
        Build_Team_Default_Playbook(HOME);
        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nYear = 2030;
        Game.nWeek = 2;
        Game.nOffense = AWAY;
        Start_Play_Record(&Game);
        Set_Game_Pages_Enabled(true);
        Clear_Game_Log_Texts();
        Clear_Game_Report_Html();
    }

    void TearDown() override
    {
        Set_Game_Pages_Enabled(true);
        Clear_Game_Log_Texts();
        Clear_Game_Report_Html();
    }

    void Snap(int nClock, int nDown, int nToGo, int nYardLine, int nOffenseCall, int nDefenseCall)
    {
        Start_Play_Record(&Game);
        Game.nClock = static_cast<int16_t>(nClock);
        Game.nDown = static_cast<uint32_t>(nDown);
        Game.nToGo = static_cast<int8_t>(nToGo);
        Game.nYardLine = static_cast<int8_t>(nYardLine);
        Game.CurrentPlay.nOffenseCall = static_cast<uint8_t>(nOffenseCall);
        Game.CurrentPlay.nDefenseCall = static_cast<uint8_t>(nDefenseCall);
    }

    // Finishes the current play with a result and logs it, as the end of a
    // play does: the entry goes into the play log with the snap clock.
    void Finish(int nResult, int nPlayer1, int nYards, int nClockAfter, int nAway, int nHome)
    {
        Set_Play_Result(&Game.CurrentPlay, nResult);
        Set_Play_Home_Bit(&Game.CurrentPlay, Game.nOffense == HOME);
        Game.CurrentPlay.nPlayer1 = nPlayer1;
        Game.CurrentPlay.nYard1 = static_cast<int8_t>(nYards);
        Game.CurrentPlay.nClock = static_cast<uint16_t>(Game.nClock);
        Game.PlayLog[Game.nPlays++] = Game.CurrentPlay;
        Game.nClock = static_cast<int16_t>(nClockAfter);
        Game.nScore[GAME_SIDE_AWAY] = nAway;
        Game.nScore[GAME_SIDE_HOME] = nHome;
        Log_Play_Result(&Game);
    }

    std::string Row(int bHtml)
    {
        std::string Text;
        Write_Play_Log_Row(Text, &Game, bHtml);
        return Text;
    }
};

TEST_F(GameLogTest, PeriodLabelsPastTheTableKeepTheLastOvertimeLabel)
{
    char szLabel[TEXT_BUFFER_SIZE];
    const std::vector<std::string> Expected = {"1st Q", "2nd Q", "3rd Q", "4th Q", "OT   ",
                                               "OT #2", "OT #3", "OT #4", "OT #4", "OT #4"};
    for (int p = 0; p < 10; ++p) {
        Get_Period_Label(p, szLabel, sizeof(szLabel));
        EXPECT_EQ(szLabel, Expected[p]) << p;
    }
}

TEST_F(GameLogTest, PageHeadAndTitleLine)
{
    Write_Game_Page_Header(&Game);
    EXPECT_EQ(Get_Game_Text_Log(), "Week 3: owls at Packers\n");
    EXPECT_EQ(Get_Game_Page_Head(),
              "<HTML><HEAD><TITLE>Week 3: owls at Packers</TITLE>\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
              "<style type=\"text/css\">body {background-color: #606080}</style>"
              "</HEAD>"
              "<TABLE class=basic cellspacing=0 cellpadding=0 width=992 align=center bgcolor=#ffffff><TBODY>"
              "<TR><TD align=\"center\">");
}

TEST_F(GameLogTest, PeriodHeadingsOpenAndCloseTheirTables)
{
    Game.nClock = 0;
    Write_Game_Log(&Game);
    const std::string Cells =
        "<TD width=\"5%\" class=ltc>Team</TD><TD width=\"9%\" class=ltc>Down</TD>"
        "<TD width=\"9%\" class=ltc>Yardline</TD><TD width=\"21%\" class=ltc>Offensive Play</TD>"
        "<TD width=\"18%\" class=ltc>Defensive Play</TD><TD width=\"33%\" class=ltr>Result</TD></TR>";
    const std::string First =
        "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970><TBODY><TR class=header0>\n"
        "<TD width=\"5%\" class=ltc>1st Q</TD>\n" + Cells;
    EXPECT_EQ(Get_Game_Play_Table_Html(), First);
    const std::string Rule =
        " ----- --- ---- -------- ------------------------ ------------------------ --------------------\n";
    EXPECT_EQ(Get_Game_Text_Log(),
              "\n 1st Q <=> Down Yardline Offensive Play           Defensive Play           Result\n" + Rule);

    Game.nClock = 900;
    Write_Game_Log(&Game);
    EXPECT_EQ(Get_Game_Play_Table_Html(),
              First + "</TBODY></TABLE><BR>"
                      "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970><TBODY><TR class=header1>\n"
                      "<TD width=\"5%\" class=ltc>2nd Q</TD>\n" + Cells);
}

TEST_F(GameLogTest, ScrimmageRowInTextAndHtml)
{
    Snap(0, 0, 10, 75, 0, 20);
    EXPECT_EQ(Row(0), "\n 15:00 B&O 1-10 (B&O 25) Pro 21 Dive              Basic Cover-2            ");
    EXPECT_EQ(Row(1),
              "<TR class=none><TD width=\"5%\" class=lml>15:00</TD>\n"
              "<TD width=\"5%\" class=lmc>B&amp;O</TD><TD width=\"9%\" class=lmc>1-10</TD>"
              "<TD width=\"9%\" class=lmc>(B&amp;O 25)</TD><TD width=\"17%\" class=lmc>Pro 21 Dive</TD>"
              "<TD width=\"17%\" class=lmc>Basic Cover-2</TD>");
}

TEST_F(GameLogTest, HomeBallGoalToGoAndMidfield)
{
    Game.nOffense = HOME;
    Snap(1000, 0, 5, 5, 0, 20);   // 1st and goal at the visitors' 5, 13:20 left in the 2nd
    EXPECT_EQ(Row(0), "\n 13:20  GB  1-G (B&O  5) Pro 21 Dive              Basic Cover-2            ");
    EXPECT_EQ(Row(1).substr(0, 20), "<TR class=highlight>");
    Snap(1000, 2, 7, 50, 0, 20);
    EXPECT_EQ(Row(0), "\n 13:20  GB  3-7 (--  50) Pro 21 Dive              Basic Cover-2            ");
}

TEST_F(GameLogTest, KickAndTryRowsNameNoDefence)
{
    Snap(0, KICKOFF_DOWN, 0, 65, 0, 20);
    // A kick-off's call 0 is the kick table's "Normal Kickoff", not play 0 of the playbook.
    EXPECT_EQ(Row(0), "\n 15:00 B&O KICK (B&O 35) Normal Kickoff                                    ");
    EXPECT_NE(Row(1).find("<TD width=\"9%\" class=lmc>Kickoff</TD>"), std::string::npos);
    EXPECT_NE(Row(1).find("<TD width=\"17%\" class=lmc>Normal Kickoff</TD><TD width=\"17%\" class=lmc></TD>"),
              std::string::npos);

    Snap(600, CONVERSION_ATTEMPT, 2, 2, 0, 20);
    Game.nFormation[GAME_SIDE_AWAY] = EXTRA_POINT_FORMATION;
    EXPECT_EQ(Row(0), "\n  5:00 B&O CONV (GB   2) Extra Point                                       ");
    EXPECT_NE(Row(1).find(">Conversion<"), std::string::npos);
    // The try after a touchdown on the first quarter's last play.
    Snap(900, CONVERSION_ATTEMPT, 2, 2, 0, 20);
    EXPECT_EQ(Row(0), "\n  0:00 B&O CONV (GB   2) Extra Point                                       ");
    EXPECT_NE(Row(1).find("class=lml>0:00</TD>"), std::string::npos);

    // The squib and the onside kick by their names; a free kick as well.
    Game.nFormation[GAME_SIDE_AWAY] = 0;
    Snap(3500, KICKOFF_DOWN, 0, 65, 1, 20);
    EXPECT_NE(Row(1).find("<TD width=\"17%\" class=lmc>Squib Kick</TD><TD width=\"17%\" class=lmc></TD>"),
              std::string::npos);
    Snap(3500, KICKOFF_DOWN, 0, 65, 2, 20);
    EXPECT_NE(Row(1).find("<TD width=\"17%\" class=lmc>Onside Kick</TD><TD width=\"17%\" class=lmc></TD>"),
              std::string::npos);
    Snap(3500, SAFETY_KICK_DOWN, 0, 80, 0, 20);
    EXPECT_NE(Row(1).find(">Free Kick</TD>"), std::string::npos);
    EXPECT_NE(Row(1).find("<TD width=\"17%\" class=lmc>Normal Kickoff</TD><TD width=\"17%\" class=lmc></TD>"),
              std::string::npos);
}

TEST_F(GameLogTest, ScoringPlayIsListedAtOnceAndTheScoreLineAfterTheTry)
{
    Snap(100, 0, 10, 12, 0, 20);
    Finish(RESULT_TOUCHDOWN_RUN, RUNNER_ID, 12, 106, 6, 0);
    EXPECT_EQ(Get_Game_Text_Log(), "Rusk 12-yard TD run!\r");
    EXPECT_EQ(Get_Game_Play_Table_Html(), "<TD width=\"38%\" class=lmc>Rusk 12-yard TD run!</TD></TR>\r");
    EXPECT_EQ(Get_Game_Report_Html(),
              "<TR class=none><TD width=\"6%\" class=lml>B&amp;O</TD>\n"
              "<TD width=\"6%\" class=lmc>1st Q</TD><TD width=\"6%\" class=lmc>13:14</TD>"
              "<TD width=\"20%\" class=lmc>Rush</TD><TD width=\"50%\" class=lmc>Rusk 12-yard TD run!</TD>"
              "<TD width=\"6%\" class=lmc>6</TD><TD width=\"6%\" class=lmc>0</TD></TR>");

    Clear_Game_Log_Texts();
    Clear_Game_Report_Html();
    Snap(106, CONVERSION_ATTEMPT, 2, 2, 0, 20);
    Finish(RESULT_EXTRA_POINT_GOOD, KICKER_ID, 0, 106, 7, 0);
    EXPECT_EQ(Get_Game_Text_Log(),
              "Boot kicked the extra point\r\n <><><><><><> Owls 7 / Packers 0 <><><><><><>\n");
    EXPECT_EQ(Get_Game_Play_Table_Html(),
              "<TD width=\"38%\" class=lmc>Boot kicked the extra point</TD></TR>\r"
              "<TR class=subhead0><TD colspan=7 align=center class=lmc><b>Owls 7 / Packers 0</b></TD></TR>\n");
    EXPECT_NE(Get_Game_Report_Html().find("<TD width=\"20%\" class=lmc>Point After</TD>"), std::string::npos);
}

TEST_F(GameLogTest, PlainPlayWritesNoScoringRow)
{
    Snap(100, 0, 10, 75, 0, 20);
    Finish(RESULT_RUN_MIDDLE, RUNNER_ID, 3, 130, 0, 0);
    EXPECT_EQ(Get_Game_Text_Log(), "Rusk rushes up the middle for 3 yards\r");
    EXPECT_TRUE(Get_Game_Report_Html().empty());
}

TEST_F(GameLogTest, InjuryLineInBothLogs)
{
    Write_Injury_Log_Line(HOME, 0);
    EXPECT_EQ(Get_Game_Text_Log(), "<< Packers Linebacker Hal Hale was injured on the play >>\n");
    EXPECT_EQ(Get_Game_Play_Table_Html(),
              "<TR class=subhead1><TD colspan=7 class=lmc>Packers Linebacker Hal Hale was injured on the play</TD></TR>\n");
}

TEST_F(GameLogTest, QuarterScoresFromThePlayLog)
{
    Snap(890, 0, 10, 12, 0, 20);
    Finish(RESULT_TOUCHDOWN_RUN, RUNNER_ID, 12, 900, 6, 0);
    Snap(900, CONVERSION_ATTEMPT, 2, 2, 0, 20);   // the try of a touchdown as the 1st quarter ran out
    Finish(RESULT_EXTRA_POINT_GOOD, KICKER_ID, 0, 900, 7, 0);
    Snap(2000, 0, 10, 20, 0, 20);
    Finish(RESULT_FIELD_GOAL_GOOD, KICKER_ID, 37, 2005, 10, 0);
    Game.nOffense = HOME;
    Snap(3000, 0, 10, 99, 0, 20);
    Finish(RESULT_SAFETY, RUNNER_ID, 0, 3005, 10, 0);   // home ball, the away defence scores
    Snap(3700, 0, 10, 30, 0, 20);
    Finish(RESULT_TOUCHDOWN_PASS, RUNNER_ID, 30, 3710, 12, 6);
    EXPECT_EQ(Get_Quarter_Score(&Game, GAME_SIDE_AWAY, 0), 7);
    EXPECT_EQ(Get_Quarter_Score(&Game, GAME_SIDE_AWAY, 1), 0);
    EXPECT_EQ(Get_Quarter_Score(&Game, GAME_SIDE_AWAY, 2), 3);
    EXPECT_EQ(Get_Quarter_Score(&Game, GAME_SIDE_AWAY, 3), 2);
    EXPECT_EQ(Get_Quarter_Score(&Game, GAME_SIDE_AWAY, 4), 0);
    EXPECT_EQ(Get_Quarter_Score(&Game, GAME_SIDE_HOME, 4), 6);
    EXPECT_EQ(Get_Quarter_Score(&Game, GAME_SIDE_HOME, 3), 0);
}

TEST_F(GameLogTest, LineScoreOfARegulationGame)
{
    // No logo in the data folder: the logo cells stay empty.
    SCRATCH_FOLDER Scratch("game_log_line_score");
    ASSERT_TRUE(Scratch.Ready());
    Set_Season_Record(AWAY, 0, 2, 1, 0);
    Set_Season_Record(HOME, 0, 1, 1, 1);
    Snap(100, 0, 10, 20, 0, 20);
    Finish(RESULT_FIELD_GOAL_GOOD, KICKER_ID, 37, 105, 3, 0);
    Game.nClock = SECONDS_OF_REGULATION;
    Game.nDown = KICKOFF_DOWN;
    Write_Line_Score_Table(&Game);
    EXPECT_EQ(Get_Game_Page_Head(),
              "<TR><TD align=\"center\"><BR>"
              "<TABLE class=shade1 cellSpacing=0 cellPadding=0 width=970 align=center><TBODY><TR>"
              "<TD width=220 align=\"center\" valign=\"middle\"></TD>"
              "<TD width=516><TABLE width=\"500\" border=\"0\" align=\"center\" cellpadding=\"0\" cellspacing=\"0\">"
              "<TR class=large><TD><BR><P align=\"center\"><strong>Boston owls (3-1) at Green Bay Packers (1-2-1)</strong><BR><BR>"
              "Week 3</P></TD></TR></TABLE>"
              "<TABLE class=table1 cellSpacing=0 cellPadding=2 width=360 align=center>"
              "<TBODY><TR class=largeheader><TD class=ttl>&nbsp;</TD>"
              "<TD width=\"35\" class=ttc>1</TD><TD width=\"35\" class=ttc>2</TD><TD width=\"35\" class=ttc>3</TD>"
              "<TD width=\"35\" class=ttc>4</TD><TD width=\"35\" class=ttc>OT</TD><TD width=\"60\" class=ttc><B>Final</B></TR>"
              "<TR class=largefooter><TD class=tml><B>owls</B></TD>"
              "<TD width=\"35\" class=tmc>3</TD><TD width=\"35\" class=tmc>0</TD><TD width=\"35\" class=tmc>0</TD>"
              "<TD width=\"35\" class=tmc>0</TD><TD width=\"35\" class=tmc>-</TD><TD width=\"60\" class=tmc><B>3</B></TD></TR>"
              "<TR class=largefooter><TD class=tbl><B>Packers</B></TD>"
              "<TD width=\"35\" class=tbc>0</TD><TD width=\"35\" class=tbc>0</TD><TD width=\"35\" class=tbc>0</TD>"
              "<TD width=\"35\" class=tbc>0</TD><TD width=\"35\" class=tbc>-</TD><TD width=\"60\" class=tbc><B>0</B></TD></TR>"
              "</TBODY></TABLE><BR></TD>"
              "<TD width=220 align=\"center\" valign=\"middle\"></TD>"
              "</TR></TBODY></TABLE><BR>");
}

TEST_F(GameLogTest, PicturesThatExistAreLinkedFromThePagesFolder)
{
    SCRATCH_FOLDER Scratch("game_log_pictures");
    ASSERT_TRUE(Scratch.Ready());
    ASSERT_TRUE(files::Create_Folders("Logos/Downloads"));
    ASSERT_TRUE(files::Create_Folders("HTML_Templates/CSS"));
    ASSERT_TRUE(files::Create_Folders("Output"));
    // The downloaded logo of the season for the visitors; the home club only
    // its own logo file ("logos" finds "Logos"); a style sheet and a
    // wallpaper spelled in other cases.
    for (const char* szPath : {"Logos/Downloads/B&O-2023.png", "Logos/GB.jpg", "HTML_Templates/CSS/Default.CSS",
                               "Output/Wallpaper.jpg"}) {
        FILE* pFile = std::fopen(szPath, "wb");
        ASSERT_NE(pFile, nullptr) << szPath;
        std::fclose(pFile);
    }
    Write_Game_Page_Header(&Game);
    EXPECT_EQ(Get_Game_Page_Head(),
              "<HTML><HEAD><TITLE>Week 3: owls at Packers</TITLE>\n"
              "<LINK href=\"../HTML_Templates/CSS/Default.CSS\" type=text/css rel=stylesheet>"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
              "<style type=\"text/css\">body {background-color: #606080; background-image: url(Wallpaper.jpg)}</style>"
              "</HEAD>"
              "<TABLE class=basic cellspacing=0 cellpadding=0 width=992 align=center bgcolor=#ffffff><TBODY>"
              "<TR><TD align=\"center\">");
    Clear_Game_Log_Texts();
    Write_Line_Score_Table(&Game);
    const std::string& Head = Get_Game_Page_Head();
    EXPECT_NE(Head.find("<TD width=220 align=\"center\" valign=\"middle\">"
                        "<img src=\"../Logos/Downloads/B&amp;O-2023.png\" border=\"0\"></TD><TD width=516>"),
              std::string::npos);
    EXPECT_NE(Head.find("<TD width=220 align=\"center\" valign=\"middle\">"
                        "<img src=\"../Logos/GB.jpg\" border=\"0\"></TD></TR></TBODY></TABLE><BR>"),
              std::string::npos);
}

TEST_F(GameLogTest, LineScoreShowsOvertimePoints)
{
    Snap(3700, 0, 10, 20, 0, 20);
    Finish(RESULT_FIELD_GOAL_GOOD, KICKER_ID, 37, 3705, 13, 10);
    Write_Line_Score_Table(&Game);
    EXPECT_NE(Get_Game_Page_Head().find("<TD width=\"35\" class=tmc>3</TD><TD width=\"60\" class=tmc><B>13</B>"),
              std::string::npos);
    EXPECT_NE(Get_Game_Page_Head().find("<TD width=\"35\" class=tbc>0</TD><TD width=\"60\" class=tbc><B>10</B>"),
              std::string::npos);
}

TEST_F(GameLogTest, FinalTablesAreWrittenOnce)
{
    Write_Game_Page_Header(&Game);
    Game.nClock = SECONDS_OF_REGULATION;
    Game.nDown = KICKOFF_DOWN;
    Game.nScore[GAME_SIDE_AWAY] = 3;
    Write_Game_Log(&Game);
    const std::string Head = Get_Game_Page_Head();
    const std::string Table = Get_Game_Play_Table_Html();
    const std::string Report = Get_Game_Report_Html();
    EXPECT_EQ(Table, "</TBODY></TABLE><BR></TBODY></TABLE></HTML>");
    EXPECT_EQ(Report.substr(0, 22), "</TBODY></TABLE><BR>\n<");
    EXPECT_NE(Head.find("class=shade1"), std::string::npos);
    Write_Game_Log(&Game);
    EXPECT_EQ(Get_Game_Page_Head(), Head);
    EXPECT_EQ(Get_Game_Play_Table_Html(), Table);
    EXPECT_EQ(Get_Game_Report_Html(), Report);
}

TEST_F(GameLogTest, NothingIsFormattedWithThePagesOff)
{
    Set_Game_Pages_Enabled(false);
    Write_Game_Page_Header(&Game);
    Write_Game_Log(&Game);
    Snap(100, 0, 10, 12, 0, 20);
    Append_Play_Log_Row(&Game, 1);
    Append_Play_Log_Row(&Game, 0);
    Finish(RESULT_TOUCHDOWN_RUN, RUNNER_ID, 12, 106, 6, 0);
    Write_Injury_Log_Line(HOME, 0);
    EXPECT_TRUE(Get_Game_Text_Log().empty());
    EXPECT_TRUE(Get_Game_Play_Table_Html().empty());
    EXPECT_TRUE(Get_Game_Page_Head().empty());
    EXPECT_TRUE(Get_Game_Report_Html().empty());
}

TEST_F(GameLogTest, PageFilesHoldHeadAndBody)
{
    SCRATCH_FOLDER Scratch{"game_log"};
    ASSERT_TRUE(Scratch.Ready());
    Write_Game_Page_Header(&Game);
    Start_Scoring_Plays_Html_Table(&Game);
    Append_Play_Log_Row(&Game, 1);
    const std::string Head = Get_Game_Page_Head();
    const std::string Body = Get_Game_Report_Html();
    const std::string Table = Get_Game_Play_Table_Html();
    EXPECT_TRUE(Write_Box_Score_File(&Game, 7, 1));
    EXPECT_TRUE(Get_Game_Report_Html().empty());
    EXPECT_TRUE(Write_Recap_File(&Game, 7, 1));
    EXPECT_TRUE(Get_Game_Page_Head().empty());
    EXPECT_TRUE(Get_Game_Play_Table_Html().empty());
    // The game's mark opens the head: the year, the number, away at home,
    // the score, then the fingerprint's 16 hex digits.
    const std::string Mark = Get_Game_Page_Mark(&Game, 7);
    EXPECT_EQ(Mark.rfind("<META name=\"game-mark\" content=\"2030 007 1 at 4 0-0 ", 0), 0u) << Mark;
    EXPECT_EQ(Mark.size(), std::string("<META name=\"game-mark\" content=\"2030 007 1 at 4 0-0 ").size() + 16 + 2);
    EXPECT_EQ(Mark.substr(Mark.size() - 2), "\">");
    ASSERT_EQ(Head.rfind("<HTML><HEAD>", 0), 0u);
    const std::string Marked = "<HTML><HEAD>" + Mark + Head.substr(12);
    std::vector<unsigned char> Data;
    ASSERT_TRUE(files::Read_Whole_File("Output/Box-30-007.htm", Data));
    EXPECT_EQ(std::string(Data.begin(), Data.end()), Marked + Body);
    ASSERT_TRUE(files::Read_Whole_File("Output/Recap-30-007.htm", Data));
    EXPECT_EQ(std::string(Data.begin(), Data.end()), Marked + Table);
}

// Pages of the same name written by another game (another league of the
// year in the folder, or this league played on again from an older save)
// are told from the game's own by the mark in their head.
TEST_F(GameLogTest, APageIsTheGamesOwnOnlyByItsMark)
{
    SCRATCH_FOLDER Scratch{"game_log_marks"};
    ASSERT_TRUE(Scratch.Ready());
    const auto Write_Pages = [](const GAME& Of, int nIndex) {
        Write_Game_Page_Header(&Of);
        return Write_Box_Score_File(&Of, nIndex, 1) && Write_Recap_File(&Of, nIndex, 1);
    };
    Snap(0, KICKOFF_DOWN, 0, 65, 0, PLAY_NOT_CALLED);
    Finish(RESULT_KICKOFF_RETURNED, RUNNER_ID, 20, 6, 0, 0);
    Snap(6, FIRST_DOWN_CODE, 10, 75, 3, 2);
    Finish(RESULT_RUN_MIDDLE, RUNNER_ID, 4, 3600, 7, 3);
    const char* const BOX = "Output\\Box-30-007.htm";
    const char* const RECAP = "Output\\Recap-30-007.htm";
    EXPECT_EQ(Check_Game_Page(BOX, &Game, 7), GAME_PAGE_MISSING);
    ASSERT_TRUE(Write_Pages(Game, 7));
    EXPECT_EQ(Check_Game_Page(BOX, &Game, 7), GAME_PAGE_OWN);
    EXPECT_EQ(Check_Game_Page(RECAP, &Game, 7), GAME_PAGE_OWN);
    // The same record asked about as another number's game.
    EXPECT_EQ(Check_Game_Page(BOX, &Game, 8), GAME_PAGE_REPLACED);

    // Another league's game 7 of 2030: the same clubs and the same score,
    // one play gained a yard more.
    GAME& Other = League.Game[4];
    Other = Game;
    Other.PlayLog[1].nYard1 = 5;
    ASSERT_TRUE(Write_Pages(Other, 7));
    EXPECT_EQ(Check_Game_Page(BOX, &Game, 7), GAME_PAGE_REPLACED);
    EXPECT_EQ(Check_Game_Page(RECAP, &Game, 7), GAME_PAGE_REPLACED);
    EXPECT_EQ(Check_Game_Page(BOX, &Other, 7), GAME_PAGE_OWN);
    // Each thing the fingerprint takes in tells two games apart.
    const auto Differs = [&](void (*Change)(GAME&)) {
        Other = Game;
        Change(Other);
        return Get_Game_Page_Mark(&Other, 7) != Get_Game_Page_Mark(&Game, 7);
    };
    EXPECT_TRUE(Differs([](GAME& G) { G.nScore[GAME_SIDE_HOME] = 4; }));
    EXPECT_TRUE(Differs([](GAME& G) { G.nAwayTeam = 2; }));
    EXPECT_TRUE(Differs([](GAME& G) { G.nWeek = 3; }));
    EXPECT_TRUE(Differs([](GAME& G) { G.nRosterID[GAME_SIDE_HOME][79] = 9; }));
    EXPECT_TRUE(Differs([](GAME& G) { G.PlayLog[0].nPlayer2 = TACKLER_ID; }));
    EXPECT_TRUE(Differs([](GAME& G) { G.PlayLog[1].bResult ^= 1; }));
    EXPECT_TRUE(Differs([](GAME& G) { G.nPlays = 1; }));
    // What the narration tells, and the state of a snap nobody takes any
    // more, are no part of it.
    EXPECT_FALSE(Differs([](GAME& G) { G.PlayLog[1].Narration[0].bVariant = 7; }));
    EXPECT_FALSE(Differs([](GAME& G) { G.nAttendance = 60000; }));
    EXPECT_FALSE(Differs([](GAME& G) { G.CurrentPlay.nYard1 = 30; }));

    // A page written before pages carried a mark, and one of no head.
    ASSERT_TRUE(files::Write_Whole_File("Output/Box-30-007.htm", "<HTML><HEAD><TITLE>", 19));
    EXPECT_EQ(Check_Game_Page(BOX, &Game, 7), GAME_PAGE_UNMARKED);
    ASSERT_TRUE(files::Write_Whole_File("Output/Box-30-007.htm", "", 0));
    EXPECT_EQ(Check_Game_Page(BOX, &Game, 7), GAME_PAGE_UNMARKED);
    EXPECT_EQ(Check_Game_Page(BOX, nullptr, 7), GAME_PAGE_MISSING);
}

// What "debug.txt" of the current folder holds ("" when nothing).
std::string Debug_Log_Text()
{
    std::vector<unsigned char> Data;
    files::Read_Whole_File(DEBUG_LOG_FILE, Data);
    return std::string(Data.begin(), Data.end());
}

size_t Count_Of(const std::string& Text, const std::string& Part)
{
    size_t nCount = 0;
    for (size_t n = Text.find(Part); n != std::string::npos; n = Text.find(Part, n + 1))
        ++nCount;
    return nCount;
}

// Files grow past nBytes only with an error (EFBIG), as on a full disk,
// until the object goes.
class FILE_SIZE_LIMIT {
public:
    explicit FILE_SIZE_LIMIT(rlim_t nBytes)
    {
        m_pOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_Old);
        rlimit Limit = m_Old;
        Limit.rlim_cur = nBytes;
        m_bSet = setrlimit(RLIMIT_FSIZE, &Limit) == 0;
    }
    ~FILE_SIZE_LIMIT()
    {
        setrlimit(RLIMIT_FSIZE, &m_Old);
        std::signal(SIGXFSZ, m_pOldHandler);
    }
    bool Set() const { return m_bSet; }

private:
    rlimit m_Old{};
    void (*m_pOldHandler)(int) = nullptr;
    bool m_bSet = false;
};

TEST_F(GameLogTest, PagesThatCannotBeWrittenAreToldOnceAndLeaveNothingBehind)
{
    SCRATCH_FOLDER Scratch{"game_log_lost"};
    ASSERT_TRUE(Scratch.Ready());
    ASSERT_TRUE(files::Create_Folders("Output"));
    // Last game's pages under this game's names.
    for (const char* szOld : {"Output/Box-30-007.htm", "Output/Recap-30-007.htm"}) {
        FILE* pOld = std::fopen(szOld, "wb");
        ASSERT_NE(pOld, nullptr);
        std::fputs("old game", pOld);
        std::fclose(pOld);
    }
    Write_Game_Page_Header(&Game);
    Start_Scoring_Plays_Html_Table(&Game);
    // Pages far longer than the log's lines, so the disk below takes
    // the lines and only part of a page.
    const std::string Filler(4000, 'x');
    Append_Game_Report_Text(Filler.c_str());
    for (int i = 0; i < 20; ++i)
        Append_Play_Log_Row(&Game, 1);
    {
        FILE_SIZE_LIMIT Full(2048);
        ASSERT_TRUE(Full.Set());
        EXPECT_FALSE(Write_Box_Score_File(&Game, 7, 1));
        EXPECT_FALSE(Write_Recap_File(&Game, 7, 1));
    }
    // Neither a cut page nor the old one stands under the names, and no
    // temporary is left.
    EXPECT_FALSE(files::File_Exists("Output/Box-30-007.htm"));
    EXPECT_FALSE(files::File_Exists("Output/Recap-30-007.htm"));
    EXPECT_TRUE(files::List_Folder("Output", "*").empty());
    EXPECT_TRUE(Was_Game_Page_Lost("Output\\Box-30-007.htm"));
    EXPECT_TRUE(Was_Game_Page_Lost("Output\\Recap-30-007.htm"));
    // Told once, with the page and the system's words; both logged.
    std::string Log = Debug_Log_Text();
    EXPECT_EQ(Count_Of(Log, "further pages that cannot be written"), 1u) << Log;
    EXPECT_EQ(Count_Of(Log, "Box-30-007.htm\" could not be written: File too large"), 1u) << Log;
    EXPECT_EQ(Count_Of(Log, "Recap-30-007.htm\" could not be written: File too large"), 1u) << Log;

    // Written again once the disk has room; the next loss is told again.
    Write_Game_Page_Header(&Game);
    EXPECT_TRUE(Write_Box_Score_File(&Game, 7, 1));
    EXPECT_FALSE(Was_Game_Page_Lost("Output\\Box-30-007.htm"));
    std::vector<unsigned char> Data;
    ASSERT_TRUE(files::Read_Whole_File("Output/Box-30-007.htm", Data));
    EXPECT_EQ(std::string(Data.begin(), Data.end()).rfind("<HTML>", 0), 0u);

    // A folder in a page's place stays; the page is lost, and told.
    ASSERT_TRUE(files::Create_Folders("Output/Box-30-008.htm/keep"));
    Write_Game_Page_Header(&Game);
    EXPECT_FALSE(Write_Box_Score_File(&Game, 8, 1));
    EXPECT_TRUE(files::Folder_Exists("Output/Box-30-008.htm/keep"));
    Log = Debug_Log_Text();
    EXPECT_EQ(Count_Of(Log, "further pages that cannot be written"), 2u) << Log;
    EXPECT_EQ(Count_Of(Log, "Box-30-008.htm\" could not be written: Is a directory"), 1u) << Log;

    // A file where the pages' folder should be.
    ASSERT_EQ(std::remove("Output/Box-30-008.htm/keep"), 0);
    ASSERT_EQ(std::remove("Output/Box-30-008.htm"), 0);
    ASSERT_EQ(std::remove("Output/Box-30-007.htm"), 0);
    ASSERT_EQ(std::remove("Output"), 0);
    FILE* pBlock = std::fopen("Output", "wb");
    ASSERT_NE(pBlock, nullptr);
    std::fclose(pBlock);
    Write_Game_Page_Header(&Game);
    EXPECT_FALSE(Write_Recap_File(&Game, 9, 1));
    Log = Debug_Log_Text();
    EXPECT_EQ(Count_Of(Log, "Recap-30-009.htm\" could not be written: Not a directory"), 1u) << Log;
}

}  // namespace

namespace {

// The names of the game pages: the game being played by preference 21 and
// the current year; the game shown by preference 34, a year less in the
// off-season.
class GamePageNamesTest : public LeagueTest {};

TEST_F(GamePageNamesTest, PlayedAndShownGames)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Set_User_Preference(PREF_SEASON_INDEX, 2);   // 2021
    Set_User_Preference(PREF_CURRENT_WEEK, 5);
    Set_User_Preference(PREF_PAGE_FILE_NUMBER, 12);
    Set_User_Preference(PREF_SHOWN_GAME, 7);
    char szName[64];
    Get_Box_Score_File_Name(szName, sizeof(szName));
    EXPECT_STREQ(szName, "Output\\Box-21-012.htm");
    Get_Recap_File_Name(szName, sizeof(szName));
    EXPECT_STREQ(szName, "Output\\Recap-21-012.htm");
    EXPECT_TRUE(Get_Selected_Box_Score_File_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Output\\Box-21-007.htm");
    EXPECT_TRUE(Get_Selected_Recap_File_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Output\\Recap-21-007.htm");
    // The off-season: the shown game is last season's.
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_TRUE(Get_Selected_Box_Score_File_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Output\\Box-20-007.htm");
    EXPECT_TRUE(Get_Selected_Recap_File_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Output\\Recap-20-007.htm");
    // No game shown: no name.
    Set_User_Preference(PREF_SHOWN_GAME, -1);
    EXPECT_FALSE(Get_Selected_Box_Score_File_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "");
    EXPECT_FALSE(Get_Selected_Recap_File_Name(szName, sizeof(szName)));
}

}  // namespace
