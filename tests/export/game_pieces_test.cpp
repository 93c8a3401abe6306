#include <gtest/gtest.h>

#include <string>

#include "engine/narration.h"
#include "engine/play_wording.h"
#include "engine/playbooks.h"
#include "base/text_utils.h"
#include "export/game_pieces.h"
#include "export/page_links.h"
#include "league/player_hash.h"
#include "league/standings_keys.h"
#include "pieces_fixture.h"
#include "season/playoffs.h"

namespace {

class GamePiecesTest : public PiecesTest {
protected:
    void SetUp() override
    {
        PiecesTest::SetUp();
        Add_Player(0, 0, 101, POSITION_RB, "Ron", "Runner");
        Add_Player(1, 0, 201, POSITION_WR, "Gus", "Grabber");
        Build_Player_ID_Hash();
        Clear_Errors();
    }

    // One logged play of record 0 (CHI at GB): clock, down, to go, yards to
    // the goal, the offense side (0 Chicago, 1 Green Bay), result and calls.
    static PLAY& Log_Play(int nPlay, int nClock, int nDown, int nToGo, int nYardLine, int nSide, int nResult,
                          int nOffenseCall = PLAY_NOT_CALLED, int nDefenseCall = PLAY_NOT_CALLED)
    {
        GAME* pGame = Get_Game_Record(0);
        PLAY& Play = pGame->PlayLog[nPlay];
        Play = PLAY{};
        Play.nClock = static_cast<uint16_t>(nClock);
        Play.nSnapDown = static_cast<uint8_t>(nDown);
        Play.nSnapToGo = static_cast<int8_t>(nToGo);
        Play.nSnapYardLine = static_cast<int8_t>(nYardLine);
        Play.nOffenseCall = static_cast<uint8_t>(nOffenseCall);
        Play.nDefenseCall = static_cast<uint8_t>(nDefenseCall);
        Set_Play_Home_Bit(&Play, nSide);
        Set_Play_Result(&Play, nResult);
        for (NARRATION_ENTRY& Entry : Play.Narration)
            Entry.bEvent = NARRATION_ENTRY_FREE;
        if (nPlay + 1 > pGame->nPlays)
            pGame->nPlays = static_cast<int16_t>(nPlay + 1);
        return Play;
    }

    static std::string Piece(void (*pPiece)(std::string&, int, int), int nGame, int nPlay)
    {
        std::string Out = Kept();
        pPiece(Out, nGame, nPlay);
        return Out;
    }
};

TEST_F(GamePiecesTest, ResultsScoresAndOpponentsOfAWeek)
{
    std::string Out;
    Format_Game_Result(Out, 1, 1);
    EXPECT_EQ(Out, "W");
    Format_Game_Result(Out, 1, 2);
    EXPECT_EQ(Out, "L");
    Format_Game_Score(Out, 1, 2);
    EXPECT_EQ(Out, "0-3");
    Format_Game_Score(Out, 1, 1);
    EXPECT_EQ(Out, "3-0");
    // 17-17 at the final whistle: a tie for both.
    Format_Game_Result(Out, 0, 2);
    EXPECT_EQ(Out, "T");
    Format_Game_Result(Out, 0, 3);
    EXPECT_EQ(Out, "T");
    // 0-0 not played yet: the second team "wins".
    Add_Game(2, 4, 0, 1, 0, 0)->nClock = 0;
    Format_Game_Result(Out, 2, 1);
    EXPECT_EQ(Out, "W");
    Format_Game_Result(Out, 2, 0);
    EXPECT_EQ(Out, "L");
    Out = Kept();
    Format_Game_Result(Out, 2, 2);
    EXPECT_EQ(Out, "");

    Format_Opponent_Name(Out, 1, 0);
    EXPECT_EQ(Out, "New York Giants");
    Format_Home_Away_Word(Out, 1, 3);
    EXPECT_EQ(Out, "at");
    Format_Home_Away_Word(Out, 1, 0);
    EXPECT_EQ(Out, "  ");
    Format_Home_Away_Word(Out, 25, 3);
    EXPECT_EQ(Out, "  ");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GamePiecesTest, GameRecordsAndPlayoffGames)
{
    std::string Out;
    Format_Game(Out, 0);
    EXPECT_EQ(Out, "<a href=\"..\\GameDetails\\G-19-000.htm\">Chicago Bears 10, <b>Green Bay Packers 24</b></a>");
    Format_Game(Out, 2);
    EXPECT_EQ(Out, "<a href=\"..\\GameDetails\\G-19-002.htm\"><b>Green Bay Packers 3, </b>Dallas Cowboys 0</a>");
    Format_Game(Out, 1);
    EXPECT_EQ(Out, "<a href=\"..\\GameDetails\\G-19-001.htm\">Dallas Cowboys 17, <b>New York Giants 17</b></a>");
    Out = Kept();
    Format_Game(Out, -100);
    EXPECT_EQ(Out, "");
    Format_Game_Points(Out, 0, 1);
    EXPECT_EQ(Out, "24");
    Format_Game_Team(Out, 0, 0);
    EXPECT_EQ(Out, "Chicago Bears");
    Out = Kept();
    Format_Game_Team(Out, 0, 2);
    EXPECT_EQ(Out, "");
    Out = Kept();
    Format_Game_Points(Out, 300, 0);
    EXPECT_EQ(Out, "");

    Set_Playoff_Team(0, 0);
    Set_Playoff_Team(1, 3);
    Set_Playoff_Score(0, 27);
    Set_Playoff_Score(1, 20);
    Format_Playoff_Game(Out, 0, 0);
    EXPECT_EQ(Out, "<b><a href=\".\\teams\\Chicago Bears.htm\">Chicago Bears</a> 27, </b><a href=\".\\teams\\New "
                   "York Giants.htm\">New York Giants</a> 20");
    Set_Playoff_Score(0, 13);
    Format_Playoff_Game(Out, 0, 0);
    EXPECT_EQ(Out, "<a href=\".\\teams\\Chicago Bears.htm\">Chicago Bears</a> 13, <b><a href=\".\\teams\\New "
                   "York Giants.htm\">New York Giants</a> 20</b>");
    Set_Playoff_Team(2, 1);
    Set_Playoff_Team(3, 2);
    Format_Playoff_Game(Out, 2, 0);
    EXPECT_EQ(Out, "Not played yet");
    // A pair with a slot that stays empty plays no game (a bye): no row.
    Set_Playoff_Team(3, NO_TEAM);
    Set_Playoff_Score(2, 7);
    Out = Kept();
    Format_Playoff_Game(Out, 2, 0);
    EXPECT_EQ(Out, "");
    // A later round's pair whose feeding games are still to come is a game
    // to come; one fed by a bye and an empty pair is none.
    Set_Playoff_Team(3, 2);
    Set_Playoff_Team(16, NO_TEAM);
    Set_Playoff_Team(17, NO_TEAM);
    Format_Playoff_Game(Out, 16, 0);
    EXPECT_EQ(Out, "Not played yet");
    Set_Playoff_Team(3, NO_TEAM);
    Out = Kept();
    Format_Playoff_Game(Out, 16, 0);
    EXPECT_EQ(Out, "");
    EXPECT_EQ(Errors_Reported(), 0);
    // An odd slot and the champion's slot start no pair: nothing is written
    // and the bracket is asked for no slot beyond its last.
    Set_Playoff_Team(30, 1);
    Set_Playoff_Score(30, 24);
    for (int nSlot : {1, 25, 27, 29, 30, 31}) {
        Out = Kept();
        Format_Playoff_Game(Out, nSlot, 0);
        EXPECT_EQ(Out, "") << nSlot;
    }
    EXPECT_EQ(Errors_Reported(), 0);
    Set_Playoff_Team(30, NO_TEAM);
    Set_Playoff_Score(30, 0);
    // Of a past season only the finals are kept; a season without
    // finishers has no game to list.
    Out = Kept();
    Format_Playoff_Game(Out, 4, 1);
    EXPECT_EQ(Out, "");
    Out = Kept();
    Format_Playoff_Game(Out, 28, 1);   // last season holds no finishers
    EXPECT_EQ(Out, "");

    // Week 5 of 17: no stars this season yet; past seasons read the finish code.
    Format_Playoff_Star(Out, 0, 0);
    EXPECT_EQ(Out, "");
    Set_User_Preference(PREF_SEASON_INDEX, 2);
    Set_Team_Yearly_Int(0, 1, YEARLY_INT_FINISH, 4);
    Set_Team_Yearly_Int(0, 0, YEARLY_INT_FINISH, 3);
    Format_Playoff_Star(Out, 0, 1);
    EXPECT_EQ(Out, "*");
    Format_Playoff_Star(Out, 0, 2);
    EXPECT_EQ(Out, "");
    // In the off-season the current season is the new one, its playoffs far
    // off; the season just played is SEASON 1, as its page's year says.
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    Set_Playoff_Team(0, 0);
    Format_Playoff_Star(Out, 0, 0);
    EXPECT_EQ(Out, "");
    Format_Playoff_Star(Out, 0, 1);
    EXPECT_EQ(Out, "*");
    Format_Playoff_Star(Out, 0, 2);
    EXPECT_EQ(Out, "");
    // Once the season's final is booked its codes stand and are read, not
    // worked out again from rows a club erased since has changed: club 0,
    // in the bracket's first slot, is starred by its stored code alone.
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, Get_Regular_Season_Weeks() + 4);
    const int nLast = Get_Season_Last_Playoff_Slot();
    Set_Playoff_Team(nLast, 1);
    Set_Team_Yearly_Int(1, 0, YEARLY_INT_FINISH, nLast == PLAYOFF_CHAMPION_SLOT ? 8 : 7);
    Set_Team_Yearly_Int(0, 0, YEARLY_INT_FINISH, 3);
    Format_Playoff_Star(Out, 0, 0);
    EXPECT_EQ(Out, "");
    Set_Team_Yearly_Int(0, 0, YEARLY_INT_FINISH, 4);
    Format_Playoff_Star(Out, 0, 0);
    EXPECT_EQ(Out, "*");
}

TEST_F(GamePiecesTest, GameAndScheduleLeaders)
{
    GAME* pGame = Get_Game_Record(0);
    pGame->nRosterID[0][3] = 101;
    pGame->nPlayerGameStat[0][3][1] = 87;
    pGame->nRosterID[1][0] = 201;
    pGame->nPlayerGameStat[1][0][1] = 54;
    pGame->nRosterID[1][1] = 999;   // a player no longer in the league
    pGame->nPlayerGameStat[1][1][2] = 30;
    std::string Out;
    Format_Game_Leader_Ref(Out, 0, 1, 15, 0);
    EXPECT_EQ(Out, "<a href=\"..\\players\\Runner, Ron 101.htm\">");
    Format_Game_Leader_Name(Out, 0, 1, 15, 0);
    EXPECT_EQ(Out, "Ron Runner");
    Format_Game_Leader_Stat(Out, 0, 1, 15, 0);
    EXPECT_EQ(Out, "87 Yards");
    Format_Game_Leader_Name(Out, 0, 1, 15, 1);
    EXPECT_EQ(Out, "Gus Grabber");
    // Nobody on the side: no link (a bare "<a>"), empty stat, "Retired".
    Format_Game_Leader_Name(Out, 0, 4, 15, 0);
    EXPECT_EQ(Out, "Retired");
    Out = Kept();
    Format_Game_Leader_Ref(Out, 0, 4, 15, 0);
    EXPECT_EQ(Out, "<a>");   // no link, but an opening for the closing tag
    Format_Game_Leader_Stat(Out, 0, 4, 15, 0);
    EXPECT_EQ(Out, "");
    // A leader the league no longer holds is "Retired" but his figure stands.
    Format_Game_Leader_Name(Out, 0, 2, 15, 1);
    EXPECT_EQ(Out, "Retired");
    Format_Game_Leader_Stat(Out, 0, 2, 15, 1);
    EXPECT_EQ(Out, "30 Yards");

    // Week 0: Green Bay is the home side of record 0.
    Format_Schedule_Leader_Name(Out, 1, 0, 1, 15);
    EXPECT_EQ(Out, "Gus Grabber");
    Format_Schedule_Leader_Stat(Out, 0, 0, 1, 15);
    EXPECT_EQ(Out, "87 Yards");
    Format_Schedule_Leader_Ref(Out, 0, 0, 1, 15);
    EXPECT_EQ(Out, "<a href=\"..\\players\\Runner, Ron 101.htm\">");
    Out = Kept();
    Format_Schedule_Leader_Name(Out, 0, 2, 1, 15);
    EXPECT_EQ(Out, "");
    Format_Schedule_Leader_Name(Out, 0, -100, 1, 15);
    EXPECT_EQ(Out, "");

    // Both clubs: the greater figure of the two sides, the visitors' on equal ones.
    Format_Game_Leader_Name(Out, 0, 1, 15, GAME_LEADER_BOTH_SIDES);
    EXPECT_EQ(Out, "Ron Runner");
    pGame->nPlayerGameStat[1][0][1] = 87;
    Format_Game_Leader_Name(Out, 0, 1, 15, GAME_LEADER_BOTH_SIDES);
    EXPECT_EQ(Out, "Ron Runner");
    pGame->nPlayerGameStat[1][0][1] = 88;
    Format_Game_Leader_Name(Out, 0, 1, 15, GAME_LEADER_BOTH_SIDES);
    EXPECT_EQ(Out, "Gus Grabber");
    Format_Game_Leader_Stat(Out, 0, 1, 15, GAME_LEADER_BOTH_SIDES);
    EXPECT_EQ(Out, "88 Yards");
    Format_Game_Leader_Ref(Out, 0, 1, 15, GAME_LEADER_BOTH_SIDES);
    EXPECT_EQ(Out, "<a href=\"..\\players\\Grabber, Gus 201.htm\">");
    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();
}

// A game won by a touchdown as the clock runs out: the try at 60:00 stays
// under the fourth quarter's heading; no overtime was played.
TEST_F(GamePiecesTest, TheTryOfATouchdownAtTheGunIsNoOvertime)
{
    Log_Play(0, 0, KICKOFF_DOWN, 0, 65, 0, RESULT_KICKOFF_RETURNED);
    Log_Play(1, 900, 0, 10, 70, 1, RESULT_RUN_LEFT, KNEEL_DOWN_PLAY, 3);
    Log_Play(2, 1800, KICKOFF_DOWN, 0, 65, 1, RESULT_KICKOFF_RETURNED);
    Log_Play(3, 2700, 1, 6, 40, 0, RESULT_RUN_MIDDLE, KNEEL_DOWN_PLAY, 3);
    Log_Play(4, 3594, 2, 8, 18, 0, RESULT_TOUCHDOWN_PASS, KNEEL_DOWN_PLAY, 3);
    Log_Play(5, 3600, CONVERSION_ATTEMPT, 2, 2, 0, RESULT_EXTRA_POINT_MISSED, 59, 3);
    const char* const Quarters[6] = {"First quarter", "Second quarter", "Third quarter", "Fourth quarter", "", ""};
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(Piece(Format_Quarter_Begin, 0, p), Quarters[p]) << p;
    EXPECT_EQ(Piece(Format_Play_Time, 0, 5), "0:00");
    EXPECT_EQ(Piece(Format_Play_Down, 0, 5), "CONV");
}

TEST_F(GamePiecesTest, PlayByPlayRows)
{
    Log_Play(0, 0, KICKOFF_DOWN, 0, 65, 0, RESULT_KICKOFF_RETURNED);
    PLAY& Run = Log_Play(1, 5, 0, 10, 75, 1, RESULT_RUN_LEFT, KNEEL_DOWN_PLAY, 3);
    Run.Narration[NARRATION_ENTRIES - 1].bEvent = NARRATE_INJURY_LEAVES;
    Run.Narration[NARRATION_ENTRIES - 1].nPlayerID[0] = 101;
    Log_Play(2, 40, 1, 4, 4, 1, RESULT_TOUCHDOWN_RUN, KNEEL_DOWN_PLAY, 3);
    Log_Play(3, 45, CONVERSION_ATTEMPT, 2, 2, 1, RESULT_EXTRA_POINT_GOOD, 59, 3);
    Log_Play(4, 890, 2, 7, 50, 0, RESULT_SAFETY, KNEEL_DOWN_PLAY, 3);
    Log_Play(5, 900, CONVERSION_ATTEMPT, 2, 2, 0, RESULT_EXTRA_POINT_MISSED, 59, 3);
    Log_Play(6, 900, KICKOFF_DOWN, 0, 65, 0, RESULT_KICKOFF_TOUCHBACK);
    Log_Play(7, 900, 0, 10, 80, 1, RESULT_PASS_INCOMPLETE, KNEEL_DOWN_PLAY, 3);
    Log_Play(8, 1800, SAFETY_KICK_DOWN, 0, 80, 1, RESULT_KICKOFF_RETURNED);
    Log_Play(9, 2700, 3, 1, 30, 0, RESULT_RUN_MIDDLE, KNEEL_DOWN_PLAY, 3);
    Log_Play(10, 3600, KICKOFF_DOWN, 0, 65, 1, RESULT_KICKOFF_RETURNED);
    Log_Play(11, 3700, 0, 10, 20, 0, RESULT_TOUCHDOWN_PASS, KNEEL_DOWN_PLAY, 3);

    const char* const Quarters[12] = {"First quarter", "", "", "", "", "", "Second quarter", "",
                                      "Third quarter", "Fourth quarter", "Overtime", ""};
    for (int p = 0; p < 12; ++p)
        EXPECT_EQ(Piece(Format_Quarter_Begin, 0, p), Quarters[p]) << p;
    // With TYPE 1 the heading is a row of the seven-column play table; other
    // plays still write nothing.
    std::string Heading = "kept";
    Format_Quarter_Begin_Of_Type(Heading, 0, 6, 1);
    EXPECT_EQ(Heading, "<tr class=\"quarter\"><th colspan=\"7\">Second quarter</th></tr>");
    Format_Quarter_Begin_Of_Type(Heading, 0, 7, 1);
    EXPECT_EQ(Heading, "");
    Format_Quarter_Begin_Of_Type(Heading, 0, 10, -100);
    EXPECT_EQ(Heading, "Overtime");

    EXPECT_EQ(Piece(Format_Play_Time, 0, 1), "14:55");
    EXPECT_EQ(Piece(Format_Play_Time, 0, 3), "14:15");
    EXPECT_EQ(Piece(Format_Play_Time, 0, 5), "0:00");   // the try as the quarter ends
    EXPECT_EQ(Piece(Format_Play_Time, 0, 6), "15:00");
    EXPECT_EQ(Piece(Format_Play_Time, 0, 11), "13:20");   // 100 seconds into a 15-minute overtime
    EXPECT_EQ(Piece(Format_Play_Offensive_Team, 0, 1), "GB");
    EXPECT_EQ(Piece(Format_Play_Offensive_Team, 0, 4), "CHI");

    EXPECT_EQ(Piece(Format_Play_Down, 0, 0), "KICK");
    EXPECT_EQ(Piece(Format_Play_Down, 0, 1), "1-10");
    EXPECT_EQ(Piece(Format_Play_Down, 0, 2), "2-G");
    EXPECT_EQ(Piece(Format_Play_Down, 0, 3), "CONV");
    EXPECT_EQ(Piece(Format_Play_Down, 0, 8), "----");
    EXPECT_EQ(Piece(Format_Play_Down, 0, 9), "4-1");
    EXPECT_EQ(Piece(Format_Play_Yardline, 0, 1), "(GB  25)");
    EXPECT_EQ(Piece(Format_Play_Yardline, 0, 2), "(CHI  4)");
    EXPECT_EQ(Piece(Format_Play_Yardline, 0, 4), "(--  50)");
    EXPECT_EQ(Piece(Format_Play_Yardline, 0, 9), "(GB  30)");

    char szOffense[TEXT_BUFFER_SIZE];
    char szDefense[TEXT_BUFFER_SIZE];
    Get_Offensive_Play_Name(1, KNEEL_DOWN_PLAY, szOffense);
    Get_Defensive_Play_Name(0, 3, szDefense);
    EXPECT_EQ(Piece(Format_Play_Offensive_Play, 0, 1), szOffense);
    EXPECT_EQ(Piece(Format_Play_Defensive_Play, 0, 1), szDefense);
    EXPECT_EQ(Piece(Format_Play_Offensive_Play, 0, 3), "Extra Point");
    EXPECT_EQ(Piece(Format_Play_Defensive_Play, 0, 3), "");
    EXPECT_EQ(Piece(Format_Play_Offensive_Play, 0, 0), "");
    EXPECT_EQ(Piece(Format_Play_Offensive_Play, 0, 8), "");

    char szSentence[TEXT_BUFFER_SIZE];
    Write_Play_Summary_Sentence(Get_Game_Record(0), &Get_Game_Record(0)->PlayLog[2], szSentence, sizeof(szSentence));
    EXPECT_NE(szSentence[0], '\0');
    EXPECT_EQ(Piece(Format_Play_Result, 0, 2), Escape_Html_Text(szSentence));

    EXPECT_EQ(Piece(Format_Play_Injury, 0, 1), "<tr> <td align=\"left\" colspan=\"7\"><b>&lt;&lt; Bears Running Back "
                                              "Ron Runner was injured on the play &gt;&gt;</b></td></tr>");
    EXPECT_EQ(Piece(Format_Play_Injury, 0, 2), "");

    // Scoring rows, in order from play 0: the kicked try 7, the safety 2 to
    // the defence, the missed try 6, the overtime touchdown 6 at once.
    const auto Row = [](const char* szScore) {
        return std::string("<tr><td align=\"center\" colspan=\"7\"><font size=\"+1\"><b>&lt;&lt;&lt; Chicago Bears  ") +
               szScore + "  Green Bay Packers &gt;&gt;&gt;</b></font></td></tr>";
    };
    const std::string Rows[12] = {"", "", "", Row("0 - 7"), Row("0 - 9"), Row("6 - 9"),
                                  "", "", "", "", "", Row("12 - 9")};
    for (int p = 0; p < 12; ++p)
        EXPECT_EQ(Piece(Format_Play_TD, 0, p), Rows[p]) << p;
    // Play 0 starts the count again.
    for (int p = 0; p < 4; ++p)
        Piece(Format_Play_TD, 0, p);
    EXPECT_EQ(Piece(Format_Play_TD, 0, 4), Row("0 - 9"));

    // Outside the log or the records: empty texts, nothing read or reported.
    for (auto* pPiece : {Format_Quarter_Begin, Format_Play_Time, Format_Play_Down, Format_Play_Yardline,
                         Format_Play_Offensive_Play, Format_Play_Result, Format_Play_TD, Format_Play_Injury}) {
        EXPECT_EQ(Piece(pPiece, 0, 12), "");
        EXPECT_EQ(Piece(pPiece, -100, 0), "");
        EXPECT_EQ(Piece(pPiece, 0, -100), "");
    }
    EXPECT_EQ(Get_Game_Play_Count(0), 12);
    EXPECT_EQ(Get_Game_Play_Count(-1), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace
