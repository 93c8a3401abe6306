// The game view and the corner boxes without a window: where a click lands
// at any size of the page area, the page buttons' bounds, the digit keys,
// the scoreboard's texts, the play-by-play box frame by frame, and the
// corner boxes' texts and colours read back from a canvas. Golden pixels
// are the design rectangles scaled by hand (x by width / 768, y by
// height / 507, truncated).
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "engine/narration.h"
#include "engine/play_diagrams.h"
#include "league/game_record.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "pages/game_view.h"
#include "pages/page_fixture.h"
#include "pages/page_paint.h"
#include "pages/score_boxes.h"
#include "season/fantasy_draft.h"
#include "platform/canvas.h"
#include "platform/pictures.h"

namespace {

class GameViewTest : public PageLeagueTest {
protected:
    void SetUp() override
    {
        PageLeagueTest::SetUp();
        Set_Skin_Name(DEFAULT_SKIN_NAME);
        Clear_Game_Score_Box();
    }
    void TearDown() override
    {
        Set_Skin_Name(DEFAULT_SKIN_NAME);
        Clear_Game_Score_Box();
    }

    // A game of A (away) at B (home), A with the ball.
    static GAME Make_Game()
    {
        GAME Game;
        std::memset(&Game, 0, sizeof(Game));
        Game.nAwayTeam = A;
        Game.nHomeTeam = B;
        Game.nOffense = A;
        Game.nYardLine = 66;
        Game.nToGo = 10;
        Game.nTimeouts[0] = Game.nTimeouts[1] = 3;
        for (NARRATION_ENTRY& Entry : Game.CurrentPlay.Narration)
            Entry.bEvent = NARRATION_ENTRY_FREE;
        Game.CurrentPlay.nOffenseCall = PLAY_NOT_CALLED;
        Game.CurrentPlay.nDefenseCall = PLAY_NOT_CALLED;
        return Game;
    }
};

// Pixels of a colour, exactly, in a rectangle.
int Count_Colour(const CANVAS& Canvas, const CANVAS_RECT& rc, uint32_t nRGB)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += Canvas.Get_Pixel(x, y) == (0xFF000000u | nRGB);
    return n;
}

// Pixels that differ from a colour, and the leftmost and rightmost of them.
struct INK {
    int nCount = 0;
    int nLeft = 1 << 30;
    int nRight = -1;
};
INK Ink_Other_Than(const CANVAS& Canvas, const CANVAS_RECT& rc, uint32_t nRGB)
{
    INK Ink;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (Canvas.Get_Pixel(x, y) != (0xFF000000u | nRGB)) {
                ++Ink.nCount;
                Ink.nLeft = std::min(Ink.nLeft, x);
                Ink.nRight = std::max(Ink.nRight, x);
            }
    return Ink;
}

}  // namespace

TEST_F(GameViewTest, HotSpotsFollowThePageAreaAfterAResize)
{
    // 1024 x 600: diagram 7 (second row, third) is design x 312-454,
    // y 390-502: pixels x 416-605, y 461-594.
    const CANVAS_RECT rcArea{0, 0, 1024, 600};
    EXPECT_EQ(Get_Game_View_Hot_Spot(rcArea, 7), (CANVAS_RECT{416, 461, 605, 594}));
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 500, 520, 6), 7);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 416, 461, 6), 7);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 604, 593, 6), 7);
    // The gap to diagram 8 (design 454-462) and the gap between the rows
    // (design 384-390: pixels 454-461).
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 605, 520, 6), GAME_VIEW_HIT_NONE);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 500, 594, 6), GAME_VIEW_HIT_NONE);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 610, 520, 6), GAME_VIEW_HIT_NONE);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 500, 456, 6), GAME_VIEW_HIT_NONE);
    // Diagram 0: design 12-154, 272-384: pixels 16-205, 321-454.
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 16, 321, 6), 0);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 15, 321, 6), GAME_VIEW_HIT_NONE);
    // The buttons: Previous design 604-676, Next 684-756, y 250-268:
    // pixels 805-901 and 912-1008, y 295-317; only with pages to turn.
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 850, 300, 6), GAME_VIEW_HIT_PREVIOUS);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 960, 316, 3), GAME_VIEW_HIT_NEXT);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 960, 317, 3), GAME_VIEW_HIT_NONE);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 960, 300, 1), GAME_VIEW_HIT_NONE);
    // The scoreboard and the play-by-play are no hot spots.
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 500, 50, 6), GAME_VIEW_HIT_NONE);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcArea, 500, 200, 6), GAME_VIEW_HIT_NONE);

    // Smaller and moved: an area at (10, 20) of 640 x 423. Diagram 7:
    // x 10 + 312 * 640 / 768 = 270 to 10 + 378 = 388, y 20 + 325 = 345 to
    // 20 + 418 = 438. The same place of the old size hits nothing now.
    const CANVAS_RECT rcSmall{10, 20, 650, 443};
    EXPECT_EQ(Get_Game_View_Hot_Spot(rcSmall, 7), (CANVAS_RECT{270, 345, 388, 438}));
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcSmall, 300, 400, 6), 7);
    EXPECT_EQ(Find_Game_View_Hot_Spot(rcSmall, 500, 520, 6), GAME_VIEW_HIT_NONE);
    // Every diagram's centre hits it, at both sizes.
    for (const CANVAS_RECT& rc : {rcArea, rcSmall})
        for (int i = 0; i < GAME_VIEW_DIAGRAMS; ++i) {
            const CANVAS_RECT Spot = Get_Game_View_Hot_Spot(rc, i);
            EXPECT_EQ(Find_Game_View_Hot_Spot(rc, (Spot.left + Spot.right) / 2, (Spot.top + Spot.bottom) / 2, 6), i);
        }
}

TEST_F(GameViewTest, TheLayoutKeepsItsPartsApartAndInsideThePage)
{
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    const PAGE_RECT Page{0, 0, PAGE_DESIGN_WIDTH, PAGE_DESIGN_HEIGHT};
    auto Apart = [](const PAGE_RECT& a, const PAGE_RECT& b) {
        return a.nRight <= b.nLeft || b.nRight <= a.nLeft || a.nBottom <= b.nTop || b.nBottom <= a.nTop;
    };
    for (int i = 0; i < GAME_VIEW_DIAGRAMS; ++i) {
        EXPECT_TRUE(L.CallArea.Contains(L.Diagram[i])) << i;
        EXPECT_TRUE(Page.Contains(L.Diagram[i])) << i;
        EXPECT_TRUE(Apart(L.Diagram[i], L.TextBox) && Apart(L.Diagram[i], L.Previous) && Apart(L.Diagram[i], L.Next))
            << i;
        for (int j = i + 1; j < GAME_VIEW_DIAGRAMS; ++j)
            EXPECT_TRUE(Apart(L.Diagram[i], L.Diagram[j])) << i << " " << j;
    }
    // Two rows of five, left to right.
    EXPECT_EQ(L.Diagram[0].nTop, L.Diagram[4].nTop);
    EXPECT_EQ(L.Diagram[5].nTop, L.Diagram[9].nTop);
    EXPECT_LT(L.Diagram[4].nBottom, L.Diagram[5].nTop + 1);
    EXPECT_LT(L.Diagram[0].nLeft, L.Diagram[1].nLeft);
    EXPECT_TRUE(Apart(L.Previous, L.Next));
    EXPECT_TRUE(Apart(L.TextBox, L.Scoreboard) && Apart(L.TextBox, L.Field) && Apart(L.Field, L.CallArea));
    for (const PAGE_RECT& rc : {L.Scoreboard, L.TextBox, L.Field, L.Previous, L.Next, L.Called[0], L.Called[1]})
        EXPECT_TRUE(Page.Contains(rc));
}

TEST_F(GameViewTest, PageButtonsStayWithinTheSidesPages)
{
    EXPECT_EQ(Get_Game_View_Page_Count(CALLING_OFFENSE), 6);
    EXPECT_EQ(Get_Game_View_Page_Count(CALLING_DEFENSE), 3);
    EXPECT_EQ(Get_Game_View_Page_Count(CALLING_KICKOFF), 1);
    EXPECT_EQ(Get_Game_View_Page_Count(CALLING_NONE), 0);

    Set_User_Preference(PREF_PLAY_CALL_FIRST, 0);
    EXPECT_FALSE(Turn_Game_View_Page(CALLING_OFFENSE, -1));
    EXPECT_EQ(Get_User_Preference(PREF_PLAY_CALL_FIRST), 0);
    for (int nPage = 1; nPage <= 5; ++nPage) {
        EXPECT_TRUE(Turn_Game_View_Page(CALLING_OFFENSE, 1));
        EXPECT_EQ(Get_User_Preference(PREF_PLAY_CALL_FIRST), nPage);
    }
    EXPECT_FALSE(Turn_Game_View_Page(CALLING_OFFENSE, 1));
    EXPECT_EQ(Get_User_Preference(PREF_PLAY_CALL_FIRST), 5);

    // The defence's pages are preference 58's, 0-2; the offence's stays.
    Set_User_Preference(PREF_PLAY_CALL_FIRST + 1, 2);
    EXPECT_FALSE(Turn_Game_View_Page(CALLING_DEFENSE, 1));
    EXPECT_TRUE(Turn_Game_View_Page(CALLING_DEFENSE, -2));
    EXPECT_EQ(Get_User_Preference(PREF_PLAY_CALL_FIRST + 1), 0);
    EXPECT_EQ(Get_User_Preference(PREF_PLAY_CALL_FIRST), 5);
    // A kick-off has one page and no buttons to turn it.
    EXPECT_FALSE(Turn_Game_View_Page(CALLING_KICKOFF, 1));
    EXPECT_FALSE(Turn_Game_View_Page(CALLING_NONE, 1));

    // A preference out of range (-1 as the engine clears them, a damaged
    // file's 99) shows the first or the last page.
    Set_User_Preference(PREF_PLAY_CALL_FIRST, -1);
    EXPECT_EQ(Get_Game_View_Page(CALLING_OFFENSE), 0);
    Set_User_Preference(PREF_PLAY_CALL_FIRST, 99);
    EXPECT_EQ(Get_Game_View_Page(CALLING_OFFENSE), 5);
    Set_User_Preference(PREF_PLAY_CALL_FIRST + 1, 4);
    EXPECT_EQ(Get_Game_View_Page(CALLING_DEFENSE), 2);
    EXPECT_EQ(Get_Game_View_Page(CALLING_KICKOFF), 0);
}

TEST_F(GameViewTest, DigitKeysNameTheDiagramsTheirLabelsShow)
{
    GAME_VIEW_CALLING Calling;
    Calling.nSide = CALLING_OFFENSE;
    Calling.nPages = 6;
    Calling.nPage = 2;
    // Page 3 holds plays 20-29; the labels read (play + 1) mod 10.
    for (int nSlot = 0; nSlot < GAME_VIEW_DIAGRAMS; ++nSlot) {
        const int nPlay = Get_Game_View_Play(Calling, nSlot);
        EXPECT_EQ(nPlay, 20 + nSlot);
        const char cLabel = static_cast<char>('0' + (nPlay + 1) % 10);
        EXPECT_EQ(Get_Game_View_Key_Slot(cLabel), nSlot) << cLabel;
    }
    EXPECT_EQ(Get_Game_View_Key_Slot('1'), 0);
    EXPECT_EQ(Get_Game_View_Key_Slot('0'), 9);
    EXPECT_EQ(Get_Game_View_Key_Slot('A'), -1);
    EXPECT_EQ(Get_Game_View_Key_Slot(' '), -1);
    EXPECT_EQ(Get_Game_View_Play(Calling, 10), -1);
    Calling.nSide = CALLING_NONE;
    EXPECT_EQ(Get_Game_View_Play(Calling, 0), -1);
}

TEST_F(GameViewTest, ClicksAndKeysDoNothingWhenNoCallIsAwaited)
{
    // The Games page with no game being played, and then the same with
    // every page preference set: nothing is called, no page turns.
    const CANVAS_RECT rcArea{0, 0, 1024, 676};
    for (int nPage : {MAIN_PAGE_GAMES, MAIN_PAGE_STANDINGS}) {
        Set_User_Preference(PREF_MAIN_PAGE, nPage);
        Set_User_Preference(PREF_PLAY_CALL_FIRST, 2);
        Set_User_Preference(PREF_PLAY_CALL_FIRST + 1, 1);
        const LEAGUE_SNAPSHOT Before;
        EXPECT_EQ(Get_Game_View_Calling().nSide, CALLING_NONE);
        for (int nSpot = 0; nSpot <= GAME_VIEW_HIT_NEXT; ++nSpot) {
            const CANVAS_RECT rc = Get_Game_View_Hot_Spot(rcArea, nSpot);
            const int x = (rc.left + rc.right) / 2;
            const int y = (rc.top + rc.bottom) / 2;
            EXPECT_EQ(Hit_Test_Game_View(rcArea, x, y), GAME_VIEW_HIT_NONE);
            EXPECT_FALSE(Click_Play_Call_Area(rcArea, x, y));
        }
        for (int nKey = '0'; nKey <= '9'; ++nKey)
            EXPECT_FALSE(Press_Game_View_Key(nKey));
        EXPECT_TRUE(Before.Unchanged());
    }
}

TEST_F(GameViewTest, ScoreboardTexts)
{
    GAME Game = Make_Game();
    EXPECT_EQ(Format_Game_Clock(&Game), "1st 15:00");
    Game.nClock = 1000;   // 1,800 - 1,000 = 800 s of the 2nd quarter left
    EXPECT_EQ(Format_Game_Clock(&Game), "2nd 13:20");
    Game.nClock = 3593;
    EXPECT_EQ(Format_Game_Clock(&Game), "4th 0:07");
    // A decided game at 3,600 s.
    Game.nClock = 3600;
    Game.nScore[0] = 21;
    Game.nScore[1] = 14;
    EXPECT_EQ(Format_Game_Clock(&Game), "Final");
    EXPECT_EQ(Format_Down_And_Distance(&Game), "");
    // A touchdown on the last play: the try is still the 4th quarter's.
    Game.nDown = CONVERSION_ATTEMPT;
    EXPECT_EQ(Format_Game_Clock(&Game), "4th 0:00");
    Game.nDown = 0;
    Game.nClock = 3700;
    EXPECT_EQ(Format_Game_Clock(&Game), "Final OT");

    Game = Make_Game();
    Game.nDown = 2;
    Game.nToGo = 7;
    Game.nYardLine = 34;
    EXPECT_EQ(Format_Down_And_Distance(&Game), "3rd & 7");
    // The defence (B) holds the half the ball is in: 34 yards from its goal.
    EXPECT_EQ(Format_Game_Spot(&Game), "BRA 34");
    Game.nDown = 0;
    Game.nToGo = 5;
    Game.nYardLine = 5;
    EXPECT_EQ(Format_Down_And_Distance(&Game), "1st & Goal");
    Game.nDown = 3;
    Game.nToGo = 1;
    Game.nYardLine = 80;
    EXPECT_EQ(Format_Down_And_Distance(&Game), "4th & 1");
    EXPECT_EQ(Format_Game_Spot(&Game), "ALP 20");
    Game.nYardLine = 50;
    EXPECT_EQ(Format_Game_Spot(&Game), "the 50");
    Game.nOffense = B;
    Game.nYardLine = 75;
    EXPECT_EQ(Format_Game_Spot(&Game), "BRA 25");
    Game.nDown = KICKOFF_DOWN;
    EXPECT_EQ(Format_Down_And_Distance(&Game), "Kick-off");
    Game.nDown = SAFETY_KICK_DOWN;
    EXPECT_EQ(Format_Down_And_Distance(&Game), "Free kick");
    Game.nDown = CONVERSION_ATTEMPT;
    EXPECT_EQ(Format_Down_And_Distance(&Game), "Conversion try");
    EXPECT_EQ(Format_Game_Clock(nullptr), "");
    EXPECT_EQ(Format_Down_And_Distance(nullptr), "");
}

TEST_F(GameViewTest, ThePlayByPlayComesSentenceBySentence)
{
    EXPECT_EQ(Get_Sentence_Wait(""), 0);
    EXPECT_EQ(Get_Sentence_Wait(nullptr), 0);
    EXPECT_EQ(Get_Sentence_Wait("x"), 1);
    EXPECT_EQ(Get_Sentence_Wait(std::string(59, 'x').c_str()), 1);
    EXPECT_EQ(Get_Sentence_Wait(std::string(60, 'x').c_str()), 2);
    EXPECT_EQ(Get_Sentence_Wait(std::string(119, 'x').c_str()), 2);
    EXPECT_EQ(Get_Sentence_Wait(std::string(120, 'x').c_str()), 3);
    EXPECT_EQ(Get_Sentence_Wait(std::string(900, 'x').c_str()), 3);

    GAME Game = Make_Game();
    // Entry 2 was rendered for an earlier play and is free now: its stale
    // buffer is not this play's.
    Game.CurrentPlay.Narration[2].bEvent = NARRATE_END_OF_PERIOD;
    Game.CurrentPlay.Narration[2].bVariant = 16;
    Render_Play_Commentary(&Game, 2);
    ASSERT_STRNE(Get_Play_Commentary_Text(2), "");
    Game.CurrentPlay.Narration[2].bEvent = NARRATION_ENTRY_FREE;
    Game.CurrentPlay.Narration[0].bEvent = NARRATE_END_OF_PERIOD;   // "That's the last play of the first quarter."
    Game.CurrentPlay.Narration[1].bEvent = NARRATE_END_OF_PERIOD;
    Game.CurrentPlay.Narration[1].bVariant = 16;                    // "That's the end of regulation. ..."
    Render_Play_Commentary(&Game, 0);
    Render_Play_Commentary(&Game, 1);
    Take_Play_Texts(&Game);
    ASSERT_EQ(Get_Play_Text_Count(), 2);
    // 42 and 54 letters: one interval each; the last frame pauses once;
    // frames without a sentence and the final state wait for nothing.
    EXPECT_EQ(Get_Play_Text_Wait(0, false), 1);
    EXPECT_EQ(Get_Play_Text_Wait(1, false), 1);
    EXPECT_EQ(Get_Play_Text_Wait(2, false), 0);
    EXPECT_EQ(Get_Play_Text_Wait(9, false), 0);
    EXPECT_EQ(Get_Play_Text_Wait(GAME_VIEW_LAST_FRAME, false), 1);
    EXPECT_EQ(Get_Play_Text_Wait(-1, true), 0);

    // Painted in a 1024 x 676 area: line 0 is design y 80-94 (pixels
    // 106-125), line 1 y 94-108 (125-144), inside the box's sides.
    const CANVAS_RECT rcArea{0, 0, 1024, 676};
    const CANVAS_RECT rcLine0{24, 107, 1000, 124};
    const CANVAS_RECT rcLine1{24, 126, 1000, 143};
    const uint32_t nBox = 0xFBF8F0;
    CANVAS Canvas(1024, 676);
    EXPECT_EQ(Paint_Play_Text_Box(Canvas, rcArea, 0, false), 1);
    EXPECT_GT(Ink_Other_Than(Canvas, rcLine0, nBox).nCount, 50);
    EXPECT_EQ(Ink_Other_Than(Canvas, rcLine1, nBox).nCount, 0);
    EXPECT_EQ(Paint_Play_Text_Box(Canvas, rcArea, 1, false), 1);
    EXPECT_GT(Ink_Other_Than(Canvas, rcLine1, nBox).nCount, 50);
    EXPECT_EQ(Paint_Play_Text_Box(Canvas, rcArea, -1, true), 0);
    EXPECT_GT(Ink_Other_Than(Canvas, rcLine0, nBox).nCount, 50);
    EXPECT_GT(Ink_Other_Than(Canvas, rcLine1, nBox).nCount, 50);
    // Nothing of the stale third sentence.
    EXPECT_EQ(Ink_Other_Than(Canvas, CANVAS_RECT{24, 145, 1000, 162}, nBox).nCount, 0);

    // A play that said nothing: no waits at all.
    GAME Quiet = Make_Game();
    Take_Play_Texts(&Quiet);
    EXPECT_EQ(Get_Play_Text_Count(), 0);
    for (int nFrame = 0; nFrame <= GAME_VIEW_LAST_FRAME; ++nFrame)
        EXPECT_EQ(Get_Play_Text_Wait(nFrame, false), 0) << nFrame;
}

// --- The corner boxes --------------------------------------------------------

TEST_F(GameViewTest, CornerBoxRectanglesAndNames)
{
    EXPECT_EQ(Get_Corner_Box_Rect(false).nLeft, 668);
    EXPECT_EQ(Get_Corner_Box_Rect(false).nRight, 760);
    EXPECT_EQ(Get_Corner_Box_Rect(false).nTop, 25);
    EXPECT_EQ(Get_Corner_Box_Rect(false).nBottom, 54);
    EXPECT_EQ(Get_Corner_Box_Rect(true).nTop, 14);
    EXPECT_EQ(Get_Corner_Box_Rect(true).nBottom, 43);
    EXPECT_EQ(Get_Corner_Box_Line(false, 0).nBottom, 39);
    EXPECT_EQ(Get_Corner_Box_Line(false, 1).nTop, 39);
    EXPECT_EQ(Get_Corner_Box_Line(true, 0).nBottom, 28);
    EXPECT_EQ(Get_Corner_Box_Line(true, 1).nTop, 28);
    EXPECT_TRUE(Is_Corner_Box_Page(MAIN_PAGE_STANDINGS));
    EXPECT_TRUE(Is_Corner_Box_Page(MAIN_PAGE_CALENDAR));
    EXPECT_FALSE(Is_Corner_Box_Page(MAIN_PAGE_GAMES));
    EXPECT_FALSE(Is_Corner_Box_Page(MAIN_PAGE_FRONT));

    std::strcpy(League.Team[C].szString[TEAM_STRING_NICKNAME], "Vazarudu Team");
    std::strcpy(League.Team[C].szString[TEAM_STRING_CITY], "Lakeport");
    EXPECT_EQ(Get_Score_Box_Team_Name(A), "Alphas");
    EXPECT_EQ(Get_Score_Box_Team_Name(C), "Lakeport");

    // Only a game of two different franchises 0-35 gets a box, and only
    // while games are being played.
    GAME Game = Make_Game();
    Game.nScore[0] = 24;
    Game.nScore[1] = 7;
    Record_Game_Score_Box(&Game);
    EXPECT_TRUE(Get_Score_Box().bShown);
    EXPECT_EQ(Get_Score_Box().nScore[0], 24);
    EXPECT_EQ(Get_Score_Box().nTeam[1], B);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    EXPECT_FALSE(Is_Score_Box_Shown());
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    EXPECT_TRUE(Is_Score_Box_Shown());
    Game.nHomeTeam = 36;
    Record_Game_Score_Box(&Game);
    EXPECT_FALSE(Is_Score_Box_Shown());
    Game.nHomeTeam = A;
    Record_Game_Score_Box(&Game);
    EXPECT_FALSE(Is_Score_Box_Shown());
    const GAME Other = Make_Game();
    Record_Game_Score_Box(&Other);
    EXPECT_TRUE(Is_Score_Box_Shown());
    Record_Game_Score_Box(nullptr);
    EXPECT_FALSE(Is_Score_Box_Shown());
}

TEST_F(GameViewTest, PhaseLabels)
{
    char szFirst[64];
    char szSecond[64];
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    EXPECT_STREQ(szFirst, "2019");
    EXPECT_STREQ(szSecond, "Week 4");
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    EXPECT_STREQ(szSecond, "Offseason");
    // A fantasy draft: its own round and pick on the clock, not the college
    // draft's (last spring's, over: round index 7, pick 0).
    League.Universe.nStat[FANTASY_DRAFT_RUNNING] = 1;
    Set_User_Preference(PREF_DRAFT_ROUND, 7);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
    FANTASY_DRAFT_STATE State{};
    State.nRound = 1;
    State.nPick = 4;
    Set_Fantasy_Draft_State(State);
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    EXPECT_STREQ(szFirst, "Round 2");
    EXPECT_STREQ(szSecond, "Pick 5");
    Format_Phase_Labels(nullptr, szSecond, sizeof(szSecond));   // ignored
}

namespace {

// The box on a 1024 x 676 page: x 668-760 -> 890-1013, y 25-39-54 ->
// 33-52-72.
const CANVAS_RECT PAGE_AREA{0, 0, 1024, 676};
const CANVAS_RECT BOX{890, 33, 1013, 72};
const CANVAS_RECT LINE_1{890, 33, 1013, 52};
const CANVAS_RECT LINE_2{890, 52, 1013, 72};

struct PAINTED_BOX {
    CANVAS Canvas{1024, 676};
    PAINTED_BOX(int nPage) { Paint_Corner_Boxes(Canvas, PAGE_AREA, nPage); }
};

}  // namespace

TEST_F(GameViewTest, ScoreBoxTextsAndColoursOnThePixels)
{
    GAME Game = Make_Game();
    Game.nScore[0] = 24;
    Game.nScore[1] = 7;
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_STANDINGS);
    Record_Game_Score_Box(&Game);
    {
        const PAINTED_BOX Box(MAIN_PAGE_STANDINGS);
        // The plate fills the rectangle and nothing outside it.
        EXPECT_EQ(Box.Canvas.Get_Pixel(BOX.left, BOX.top), 0xFF000000u | CORNER_PLATE_DARK);
        EXPECT_EQ(Box.Canvas.Get_Pixel(BOX.right - 1, BOX.bottom - 1), 0xFF000000u | CORNER_PLATE_DARK);
        EXPECT_EQ(Box.Canvas.Get_Pixel(BOX.left - 1, BOX.top), 0u);
        EXPECT_EQ(Box.Canvas.Get_Pixel(BOX.right, BOX.bottom), 0u);
        // White over yellow, each in its own line.
        EXPECT_GT(Count_Colour(Box.Canvas, LINE_1, 0xFFFFFF), 10);
        EXPECT_EQ(Count_Colour(Box.Canvas, LINE_1, 0xFFF945), 0);
        EXPECT_GT(Count_Colour(Box.Canvas, LINE_2, 0xFFF945), 10);
        EXPECT_EQ(Count_Colour(Box.Canvas, LINE_2, 0xFFFFFF), 0);
        // The name from the left, the score against the right: the ink
        // spans the line, 3 units (4 pixels) in from each side at most a
        // few pixels more.
        const INK Ink = Ink_Other_Than(Box.Canvas, LINE_1, CORNER_PLATE_DARK);
        EXPECT_GE(Ink.nLeft, BOX.left + 4);
        EXPECT_LE(Ink.nLeft, BOX.left + 8);
        EXPECT_LE(Ink.nRight, BOX.right - 4);
        EXPECT_GE(Ink.nRight, BOX.right - 9);
    }
    // The score alone on the right: a line with the score "7" only inks
    // less of the right end than "24".
    {
        const PAINTED_BOX Box(MAIN_PAGE_STANDINGS);
        const CANVAS_RECT Right1{BOX.right - 30, LINE_1.top, BOX.right, LINE_1.bottom};
        const CANVAS_RECT Right2{BOX.right - 30, LINE_2.top, BOX.right, LINE_2.bottom};
        EXPECT_GT(Ink_Other_Than(Box.Canvas, Right1, CORNER_PLATE_DARK).nCount,
                  Ink_Other_Than(Box.Canvas, Right2, CORNER_PLATE_DARK).nCount);
    }
    // Dark text: black over dark red on the paper.
    Set_User_Preference(PREF_DARK_PAGE_TEXT, 1);
    {
        const PAINTED_BOX Box(MAIN_PAGE_CALENDAR);
        EXPECT_EQ(Box.Canvas.Get_Pixel(BOX.left, BOX.top), 0xFF000000u | PAGE_PAPER_RGB);
        EXPECT_GT(Count_Colour(Box.Canvas, LINE_1, 0x000000), 10);
        EXPECT_GT(Count_Colour(Box.Canvas, LINE_2, 0x6E0000), 10);
        EXPECT_EQ(Count_Colour(Box.Canvas, LINE_1, 0x6E0000), 0);
    }
    // The "ice" skin: white over light grey whatever the setting.
    Set_Skin_Name("ice");
    {
        const PAINTED_BOX Box(MAIN_PAGE_STANDINGS);
        EXPECT_GT(Count_Colour(Box.Canvas, LINE_1, 0xFFFFFF), 10);
        EXPECT_GT(Count_Colour(Box.Canvas, LINE_2, 0xD4D4D4), 10);
        EXPECT_EQ(Count_Colour(Box.Canvas, LINE_2, 0x6E0000), 0);
    }
    Set_Skin_Name("FIRE");
    EXPECT_TRUE(Is_Skin_Ice_Or_Fire());
    Set_Skin_Name(DEFAULT_SKIN_NAME);
    Set_User_Preference(PREF_DARK_PAGE_TEXT, 0);
    // Not on the Games page.
    {
        const PAINTED_BOX Box(MAIN_PAGE_GAMES);
        for (int y = BOX.top; y < BOX.bottom; ++y)
            for (int x = BOX.left; x < BOX.right; ++x)
                ASSERT_EQ(Box.Canvas.Get_Pixel(x, y), 0u) << x << "," << y;
    }
}

TEST_F(GameViewTest, DateBoxWhenNoGameIsPlayed)
{
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    const PAINTED_BOX Box(MAIN_PAGE_STANDINGS);
    // "2019" over "Week 4", each centred: the ink's middle is the box's.
    const INK Year = Ink_Other_Than(Box.Canvas, LINE_1, CORNER_PLATE_DARK);
    const INK Week = Ink_Other_Than(Box.Canvas, LINE_2, CORNER_PLATE_DARK);
    ASSERT_GT(Year.nCount, 0);
    ASSERT_GT(Week.nCount, 0);
    const int nMiddle = (BOX.left + BOX.right) / 2;
    EXPECT_NEAR((Year.nLeft + Year.nRight) / 2, nMiddle, 3);
    EXPECT_NEAR((Week.nLeft + Week.nRight) / 2, nMiddle, 3);
    // The week's line is wider than the year's.
    EXPECT_GT(Week.nRight - Week.nLeft, Year.nRight - Year.nLeft);
    EXPECT_GT(Count_Colour(Box.Canvas, LINE_1, 0xFFFFFF), 5);
    EXPECT_GT(Count_Colour(Box.Canvas, LINE_2, 0xFFF945), 5);
}

TEST_F(GameViewTest, TheViewOfAShownGameOnThePixels)
{
    // Record 0 is A at B, 21-14, over. Preference 34 shows it on the Games
    // page only.
    Set_User_Preference(PREF_SHOWN_GAME, 0);
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_STANDINGS);
    EXPECT_FALSE(Is_Game_View_Shown());
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_GAMES);
    ASSERT_TRUE(Is_Game_View_Shown());
    const GAME* pGame = Get_Game_Record(0);
    ASSERT_NE(pGame, nullptr);
    EXPECT_EQ(Format_Game_Clock(pGame), "Final");

    CANVAS Canvas(1024, 676);
    const LEAGUE_SNAPSHOT Before;
    Paint_Game_View(Canvas, PAGE_AREA);
    EXPECT_TRUE(Before.Unchanged());
    // The scoreboard's plate (design y 6-72: pixels 8-96), the scores in
    // yellow (design x 262-318 and 450-506, y 10-40: pixels 349-424 and
    // 600-674, 13-53), the names in the paper's white.
    EXPECT_EQ(Canvas.Get_Pixel(2, 50), 0xFF1C1B19u);
    EXPECT_EQ(Canvas.Get_Pixel(1020, 90), 0xFF1C1B19u);
    EXPECT_EQ(Canvas.Get_Pixel(2, 4), 0xFF000000u | PAGE_PAPER_RGB);
    EXPECT_GT(Count_Colour(Canvas, CANVAS_RECT{349, 13, 424, 53}, 0xFFF945), 30);
    EXPECT_GT(Count_Colour(Canvas, CANVAS_RECT{600, 13, 674, 53}, 0xFFF945), 30);
    EXPECT_GT(Count_Colour(Canvas, CANVAS_RECT{30, 13, 349, 53}, 0xF6F2E7), 30);
    // The play-by-play box (design y 78-222: pixels 104-296) and the field
    // strip (y 227-245: 302-326).
    EXPECT_EQ(Canvas.Get_Pixel(500, 250), 0xFFFBF8F0u);
    EXPECT_EQ(Canvas.Get_Pixel(500, 308), 0xFF2E6B30u);
    // A finished game awaits no call: no page buttons (design 604-756,
    // y 250-268) are painted over the paper.
    EXPECT_EQ(Count_Colour(Canvas, CANVAS_RECT{806, 334, 1008, 356}, 0x1C1B19), 0);

    const std::filesystem::path Here = std::filesystem::current_path();
    const std::filesystem::path Folder =
        Here.filename() == "testrun" ? Here.parent_path() / "screenshots" : Here / "screenshots";
    std::filesystem::create_directories(Folder);
    EXPECT_TRUE(Write_Png_File((Folder / "game_view_final.png").string().c_str(), Canvas));

    // A stale preference naming an empty record leaves the day's games.
    Set_User_Preference(PREF_SHOWN_GAME, 40);
    EXPECT_FALSE(Is_Game_View_Shown());
    Set_User_Preference(PREF_SHOWN_GAME, -1);
    EXPECT_FALSE(Is_Game_View_Shown());
}

TEST_F(GameViewTest, TheFirstFrameKeepsThePlaysCallsWithTheClubsOfTheSnap)
{
    // Record 0 is A at B. B (home) snapped and lost the ball: A has it now.
    Set_User_Preference(PREF_SHOWN_GAME, 0);
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_GAMES);
    GAME& Game = League.Game[0];
    Game.nClock = 600;
    Game.nOffense = A;
    for (NARRATION_ENTRY& Entry : Game.CurrentPlay.Narration)
        Entry.bEvent = NARRATION_ENTRY_FREE;
    Game.CurrentPlay.nSnapDown = 1;
    Game.CurrentPlay.nOffenseCall = 12;
    Game.CurrentPlay.nDefenseCall = 3;
    Set_Play_Home_Bit(&Game.CurrentPlay, 1);
    EXPECT_EQ(Show_Play_Text_Frame(0, false), 0);
    EXPECT_EQ(Get_Play_Text_Frame(), 0);
    const GAME_VIEW_LAST_CALLS& Calls = Get_Game_View_Last_Calls();
    EXPECT_EQ(Calls.nCall[0], 12);
    EXPECT_EQ(Calls.nTeam[0], B);
    EXPECT_EQ(Calls.nKind[0], DIAGRAM_OFFENSE);
    EXPECT_EQ(Calls.nCall[1], 3);
    EXPECT_EQ(Calls.nTeam[1], A);

    // A kick-off by the away club: its kick play (the call mod 10), no
    // defence to draw.
    Game.CurrentPlay.nSnapDown = KICKOFF_DOWN;
    Game.CurrentPlay.nOffenseCall = 57;
    Set_Play_Home_Bit(&Game.CurrentPlay, 0);
    Show_Play_Text_Frame(0, false);
    EXPECT_EQ(Get_Game_View_Last_Calls().nCall[0], 7);
    EXPECT_EQ(Get_Game_View_Last_Calls().nTeam[0], A);
    EXPECT_EQ(Get_Game_View_Last_Calls().nKind[0], DIAGRAM_KICK);
    EXPECT_EQ(Get_Game_View_Last_Calls().nCall[1], -1);
    // Later frames keep them; the final state is frame -1.
    Show_Play_Text_Frame(5, false);
    EXPECT_EQ(Get_Play_Text_Frame(), 5);
    EXPECT_EQ(Get_Game_View_Last_Calls().nCall[0], 7);
    Show_Play_Text_Frame(-1, true);
    EXPECT_EQ(Get_Play_Text_Frame(), -1);
}

namespace {

// The scoreboard and the field strip show the game as it stood at the snap
// while the play is told up to its result, then the game as the play left it.
TEST_F(GameViewTest, TheResultIsShownWhenTheNarrationReachesIt)
{
    Set_User_Preference(PREF_SHOWN_GAME, 0);
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_GAMES);
    GAME& Game = League.Game[0];
    Game = Make_Game();
    Game.nClock = 55;   // 1st 14:05
    Game.nDown = 0;     // 1st & 10 at B's 34
    Game.nToGo = 10;
    Game.nYardLine = 34;
    Game.nPlays = 3;
    Hold_Game_View_Snap(&Game);
    // The play: a 6-yard gain and 40 seconds, and the score moves too; the
    // game record moves on at once.
    Game.nClock = 95;
    Game.nDown = 1;
    Game.nToGo = 4;
    Game.nYardLine = 28;
    Game.nScore[0] = 3;
    Game.CurrentPlay.Narration[0].bEvent = NARRATE_KICK_SNAP;   // a sentence before the result
    Game.CurrentPlay.Narration[1].bEvent = NARRATE_KICK_UP;     // stands for the result
    Game.CurrentPlay.Narration[2].bEvent = NARRATE_FIRST_DOWN;      // told after the whistle
    for (int i = 0; i < 3; ++i) {
        Render_Play_Commentary(&Game, i);
        ASSERT_STRNE(Get_Play_Commentary_Text(i), "") << i;
    }

    // Run, not yet told: the snap.
    ASSERT_NE(Get_Game_View_Situation(), nullptr);
    EXPECT_EQ(Format_Down_And_Distance(Get_Game_View_Situation()), "1st & 10");
    EXPECT_EQ(Format_Game_Clock(Get_Game_View_Situation()), "1st 14:05");
    Show_Play_Text_Frame(0, false);
    EXPECT_EQ(Get_Play_Text_Count(), 3);
    EXPECT_EQ(Get_Play_Result_Frame(), 1);
    EXPECT_EQ(Format_Down_And_Distance(Get_Game_View_Situation()), "1st & 10");
    EXPECT_EQ(Format_Game_Spot(Get_Game_View_Situation()), "BRA 34");
    EXPECT_EQ(Get_Game_View_Situation()->nScore[0], 0);
    // The result's sentence: the game as the play left it.
    Show_Play_Text_Frame(1, false);
    EXPECT_EQ(Get_Game_View_Situation(), &Game);
    EXPECT_EQ(Format_Down_And_Distance(Get_Game_View_Situation()), "2nd & 4");
    EXPECT_EQ(Format_Game_Clock(Get_Game_View_Situation()), "1st 13:25");
    Show_Play_Text_Frame(2, false);
    EXPECT_EQ(Get_Game_View_Situation(), &Game);
    Show_Play_Text_Frame(-1, true);
    EXPECT_EQ(Get_Game_View_Situation(), &Game);

    // A play not told (fast-forward): the held snap is let go.
    Hold_Game_View_Snap(&Game);
    Game.nScore[0] = 10;
    EXPECT_EQ(Get_Game_View_Situation()->nScore[0], 3);
    Hold_Game_View_Snap(nullptr);
    EXPECT_EQ(Get_Game_View_Situation(), &Game);
}

}  // namespace

namespace {

// Stop took the watching away: the game went on untold and ended. The view
// shows its last play's calls and the final score, not the play told last.
TEST_F(GameViewTest, AGameThatEndedUntoldShowsItsLastPlayNotTheOneToldLast)
{
    Set_User_Preference(PREF_SHOWN_GAME, 0);
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_GAMES);
    GAME& Game = League.Game[0];
    Game = Make_Game();
    Game.nClock = 600;
    Game.nPlays = 20;
    Hold_Game_View_Snap(&Game);
    Game.CurrentPlay.nSnapDown = 1;
    Game.CurrentPlay.nOffenseCall = 12;
    Game.CurrentPlay.nDefenseCall = 3;
    Set_Play_Home_Bit(&Game.CurrentPlay, 0);
    Show_Play_Text_Frame(0, false);
    Show_Play_Text_Frame(-1, true);
    ASSERT_EQ(Get_Game_View_Last_Calls().nCall[0], 12);
    CANVAS Canvas(768, 507);
    // Plays go on untold; while the game is on the view keeps what it told.
    Game.nPlays = 90;
    Game.nClock = 2000;
    Game.CurrentPlay.nOffenseCall = 40;
    Paint_Game_View(Canvas, CANVAS_RECT{0, 0, 768, 507});
    EXPECT_EQ(Get_Game_View_Last_Calls().nCall[0], 12);
    // It ends: B (home) had the ball on the last snap, A defended.
    Game.nPlays = 150;
    Game.nClock = 3600;
    Game.nScore[0] = 17;
    Game.nScore[1] = 10;
    Game.CurrentPlay.nOffenseCall = 25;
    Game.CurrentPlay.nDefenseCall = 7;
    Set_Play_Home_Bit(&Game.CurrentPlay, 1);
    ASSERT_EQ(Format_Game_Clock(&Game), "Final");
    Paint_Game_View(Canvas, CANVAS_RECT{0, 0, 768, 507});
    EXPECT_EQ(Get_Play_Text_Count(), 0);
    EXPECT_EQ(Get_Play_Text_Frame(), -1);
    EXPECT_EQ(Get_Game_View_Last_Calls().nCall[0], 25);
    EXPECT_EQ(Get_Game_View_Last_Calls().nTeam[0], B);
    EXPECT_EQ(Get_Game_View_Last_Calls().nCall[1], 7);
    EXPECT_EQ(Get_Game_View_Last_Calls().nTeam[1], A);
    // A game whose last play was told keeps its telling.
    Game.nScore[0] = 24;
    Hold_Game_View_Snap(&Game);
    Game.CurrentPlay.nOffenseCall = 30;
    Hold_Game_View_Snap(nullptr);
    Show_Play_Text_Frame(0, false);
    Show_Play_Text_Frame(-1, true);
    Paint_Game_View(Canvas, CANVAS_RECT{0, 0, 768, 507});
    EXPECT_EQ(Get_Game_View_Last_Calls().nCall[0], 30);
}

// A finished game the view had not followed (a saved game resumed on its
// Games page, another game watched before) shows its last play's calls from
// its first frame on: what the page shows does not hang on how often it was
// painted.
TEST_F(GameViewTest, AFinishedGameShownAfreshShowsItsLastPlayFromTheFirstFrame)
{
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_GAMES);
    CANVAS Canvas(768, 507);
    GAME& Other = League.Game[1];
    Other = Make_Game();
    Other.nWeek = 3;
    Set_User_Preference(PREF_SHOWN_GAME, 1);
    Paint_Game_View(Canvas, CANVAS_RECT{0, 0, 768, 507});
    ASSERT_EQ(Get_Game_View_Last_Calls().nCall[0], -1);

    GAME& Game = League.Game[0];
    Game = Make_Game();
    Game.nWeek = 4;
    Game.nPlays = 150;
    Game.nClock = 3600;
    Game.nScore[0] = 17;
    Game.nScore[1] = 10;
    Game.CurrentPlay.nSnapDown = 1;
    Game.CurrentPlay.nOffenseCall = 25;
    Game.CurrentPlay.nDefenseCall = 7;
    Set_Play_Home_Bit(&Game.CurrentPlay, 1);
    ASSERT_EQ(Format_Game_Clock(&Game), "Final");
    Set_User_Preference(PREF_SHOWN_GAME, 0);
    for (int nPaint = 1; nPaint <= 2; ++nPaint) {
        Paint_Game_View(Canvas, CANVAS_RECT{0, 0, 768, 507});
        EXPECT_EQ(Get_Game_View_Last_Calls().nCall[0], 25) << "paint " << nPaint;
        EXPECT_EQ(Get_Game_View_Last_Calls().nTeam[0], B) << "paint " << nPaint;
        EXPECT_EQ(Get_Game_View_Last_Calls().nCall[1], 7) << "paint " << nPaint;
        EXPECT_EQ(Get_Game_View_Last_Calls().nTeam[1], A) << "paint " << nPaint;
    }
}

// A finished game shown: its points by quarter lead to its box score, its
// play-by-play to its recap; nothing while it is still played.
TEST_F(GameViewTest, AFinishedGameLinksItsPages)
{
    Set_User_Preference(PREF_SHOWN_GAME, 0);
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_GAMES);
    GAME& Game = League.Game[0];
    Game = Make_Game();
    Game.nClock = 3500;
    Game.nScore[0] = 17;
    Game.nScore[1] = 10;
    Hold_Game_View_Snap(nullptr);
    // The last play told had no calls (none are shown above the line score).
    Show_Play_Text_Frame(0, false);
    Show_Play_Text_Frame(-1, true);
    ASSERT_EQ(Get_Game_View_Last_Calls().nCall[0], -1);
    ASSERT_TRUE(Is_Game_View_Shown());
    // Painted in 768 x 507 (design units): with no calls shown the line
    // score stands under the header (y 214 on), the text box at y 80-200.
    const CANVAS_RECT rcArea{0, 0, 768, 507};
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    const int xLine = (L.LineScore.nLeft + L.LineScore.nRight) / 2;
    const int yLine = L.CallArea.nTop + 4 + L.LineScore.Height() / 2;
    const int xText = (L.TextBox.nLeft + L.TextBox.nRight) / 2;
    const int yText = (L.TextBox.nTop + L.TextBox.nBottom) / 2;
    EXPECT_EQ(Find_Game_View_Page_Link(rcArea, xLine, yLine), GAME_VIEW_PAGE_NONE);   // still played
    Game.nClock = 3600;
    EXPECT_EQ(Find_Game_View_Page_Link(rcArea, xLine, yLine), GAME_VIEW_PAGE_BOX_SCORE);
    EXPECT_EQ(Find_Game_View_Page_Link(rcArea, xText, yText), GAME_VIEW_PAGE_RECAP);
    EXPECT_EQ(Find_Game_View_Page_Link(rcArea, 2, 2), GAME_VIEW_PAGE_NONE);
    Set_User_Preference(PREF_SHOWN_GAME, -1);
    EXPECT_EQ(Find_Game_View_Page_Link(rcArea, xLine, yLine), GAME_VIEW_PAGE_NONE);
}

}  // namespace
