// The statistics the pages let the user choose: each page's heading names
// the preference slot it reads and the Choose Stat dialog that writes it, the
// page shows the statistic the slot holds, and a click on the heading's
// painted place finds it. Figures worked out by hand from the fixture's
// games (page_fixture.h).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "league/game_record.h"
#include "league/leader_tables.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/page_fixture.h"
#include "pages/page_layout.h"
#include "pages/page_stats.h"
#include "test_support.h"

namespace {

using PageStatsTest = PageLeagueTest;

std::vector<std::string> Texts_In(const PAGE_LAYOUT& Layout, const PAGE_RECT& Box)
{
    std::vector<std::string> Texts;
    for (const PAGE_TEXT& Text : Layout.Texts)
        if (Box.Contains(Text.Box))
            Texts.push_back(Text.Text);
    return Texts;
}

std::string Text_At(const PAGE_LAYOUT& Layout, const PAGE_RECT& Box)
{
    for (const PAGE_TEXT& Text : Layout.Texts)
        if (Text.Box.nLeft == Box.nLeft && Text.Box.nTop == Box.nTop && Text.Box.nRight == Box.nRight &&
            Text.Box.nBottom == Box.nBottom)
            return Text.Text;
    return "<none>";
}

}  // namespace

TEST_F(PageStatsTest, EachPageShowsTheStatisticItsSlotHolds)
{
    // Standings: one heading per division, slot 100, dialog 143.
    Set_User_Preference(STANDINGS_STAT_SLOT, 2);   // "Win/Loss Streak"
    PAGE_LAYOUT Standings = Layout_Standings_Page();
    ASSERT_EQ(Standings.StatHeadings.size(), 3u);   // divisions 0, 1 and 4
    for (const PAGE_STAT_HEADING& Heading : Standings.StatHeadings) {
        EXPECT_EQ(Heading.nSlot, 100);
        EXPECT_EQ(Heading.nDialog, 143);
        EXPECT_EQ(Text_At(Standings, Heading.Box), "Streak");
    }
    // A won weeks 0 and 1; B lost twice, then beat C; C lost, tied, lost.
    EXPECT_EQ(Texts_In(Standings, Standings.Rows[0].Box)[1], "W2");
    EXPECT_EQ(Texts_In(Standings, Standings.Rows[1].Box)[1], "W1");
    EXPECT_EQ(Texts_In(Standings, Standings.Rows[2].Box)[1], "L1");
    Set_User_Preference(STANDINGS_STAT_SLOT, 7);   // "Points Scored": A 21 + 17, B 14 + 10 + 7
    Standings = Layout_Standings_Page();
    EXPECT_EQ(Text_At(Standings, Standings.StatHeadings[0].Box), "Points Scored");
    EXPECT_EQ(Texts_In(Standings, Standings.Rows[0].Box)[1], "38");
    EXPECT_EQ(Texts_In(Standings, Standings.Rows[1].Box)[1], "31");
    Set_User_Preference(STANDINGS_STAT_SLOT, 8);   // "Points Allowed": C 20 + 3 + 7
    Standings = Layout_Standings_Page();
    EXPECT_EQ(Texts_In(Standings, Standings.Rows[2].Box)[1], "30");
    // Ranks per game among the five clubs. A at B: A ran 100 and passed
    // 200, B 50 and 100; B at A: B 60 and 90, A 80 and 120. A gains 250 a
    // game, B (150 + 150 + 0) / 3 = 100, the rest 0; A allows 150, B 166.7,
    // the rest 0.
    GAME* pFirst = Get_Game_Record(0);
    GAME* pThird = Get_Game_Record(2);
    ASSERT_TRUE(pFirst != nullptr && pThird != nullptr);
    pFirst->nTeamTotal[0][GAME_TOTAL_RUSHING_YARDS] = 100;
    pFirst->nTeamTotal[0][GAME_TOTAL_PASSING_YARDS] = 200;
    pFirst->nTeamTotal[1][GAME_TOTAL_RUSHING_YARDS] = 50;
    pFirst->nTeamTotal[1][GAME_TOTAL_PASSING_YARDS] = 100;
    pThird->nTeamTotal[0][GAME_TOTAL_RUSHING_YARDS] = 60;
    pThird->nTeamTotal[0][GAME_TOTAL_PASSING_YARDS] = 90;
    pThird->nTeamTotal[1][GAME_TOTAL_RUSHING_YARDS] = 80;
    pThird->nTeamTotal[1][GAME_TOTAL_PASSING_YARDS] = 120;
    EXPECT_EQ(Format_Team_Stat_Column(A, 9), "250.0");
    EXPECT_EQ(Format_Team_Stat_Column(B, 9), "100.0");
    EXPECT_EQ(Format_Team_Stat_Column(B, 10), "166.7");
    EXPECT_EQ(Format_Team_Stat_Column(A, 18), "#1");
    EXPECT_EQ(Format_Team_Stat_Column(B, 18), "#2");
    EXPECT_EQ(Format_Team_Stat_Column(C, 18), "#3");
    EXPECT_EQ(Format_Team_Stat_Column(A, 19), "#4");
    EXPECT_EQ(Format_Team_Stat_Column(B, 19), "#5");
    Set_User_Preference(STANDINGS_STAT_SLOT, 400);   // out of range: the first, "Last 3"
    Standings = Layout_Standings_Page();
    EXPECT_EQ(Text_At(Standings, Standings.StatHeadings[0].Box), "Last 3");

    // Front page: four leader headings, slots 113-116, dialog 144.
    const int CODES[4] = {LEADER_PASSING_YARDS, LEADER_RUSH_YARDS, LEADER_RECEIVING_YARDS, LEADER_SACKS};
    for (int i = 0; i < 4; ++i)
        Set_User_Preference(113 + i, CODES[i]);
    PAGE_LAYOUT Front = Layout_Front_Page();
    ASSERT_EQ(Front.StatHeadings.size(), 4u);
    const char* const CAPTIONS[4] = {"Pass Yards:", "Rush Yards:", "Receiving Yards:", "Sacks:"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Front.StatHeadings[i].nSlot, 113 + i);
        EXPECT_EQ(Front.StatHeadings[i].nDialog, 144);
        EXPECT_EQ(Text_At(Front, Front.StatHeadings[i].Box), CAPTIONS[i]);
    }
    Set_User_Preference(114, LEADER_INTERCEPTIONS);
    Front = Layout_Front_Page();
    EXPECT_EQ(Text_At(Front, Front.StatHeadings[1].Box), "Interceptions:");

    // Calendar: the viewed club's measure, slot 105, dialog 145. A won the
    // title last season and this one; D reached the playoffs once.
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_Team_Yearly_Int(A, 0, YEARLY_INT_FINISH, 8);
    Set_Team_Yearly_Int(A, 1, YEARLY_INT_FINISH, 8);
    Set_Team_Yearly_Int(D, 1, YEARLY_INT_FINISH, 4);
    Set_User_Preference(PREF_CURRENT_TEAM, A);
    Set_User_Preference(CALENDAR_MEASURE_SLOT, 1);   // "Super Bowl Wins"
    PAGE_LAYOUT Calendar = Layout_Calendar_Page();
    ASSERT_EQ(Calendar.StatHeadings.size(), 1u);
    EXPECT_EQ(Calendar.StatHeadings[0].nSlot, 105);
    EXPECT_EQ(Calendar.StatHeadings[0].nDialog, 145);
    EXPECT_EQ(Text_At(Calendar, Calendar.StatHeadings[0].Box), "Super Bowl Wins: 2");
    Set_User_Preference(CALENDAR_MEASURE_SLOT, 3);   // "Playoff Appearances"
    Set_User_Preference(PREF_CURRENT_TEAM, D);
    Calendar = Layout_Calendar_Page();
    EXPECT_EQ(Text_At(Calendar, Calendar.StatHeadings[0].Box), "Playoff Appearances: 1");

    // Games: the figure of each box, slot 119, dialog 163. Week 1's first
    // game is record 2 (B at A): passing yards 185 and 231; its spread and
    // over/under kept in tenths plus 1,000.
    Set_User_Preference(PREF_CURRENT_WEEK, 1);
    GAME* pGame = Get_Game_Record(2);
    ASSERT_NE(pGame, nullptr);
    pGame->nTeamTotal[0][GAME_TOTAL_PASSING_YARDS] = 185;
    pGame->nTeamTotal[1][GAME_TOTAL_PASSING_YARDS] = 231;
    pGame->nPointSpread = 1000 - 35;
    pGame->nOverUnder = 1000 + 415;
    Set_User_Preference(GAMES_STAT_SLOT, 2);   // "Passing Yards"
    PAGE_LAYOUT Games = Layout_Games_Page();
    ASSERT_EQ(Games.StatHeadings.size(), 1u);
    EXPECT_EQ(Games.StatHeadings[0].nSlot, 119);
    EXPECT_EQ(Games.StatHeadings[0].nDialog, 163);
    EXPECT_EQ(Text_At(Games, Games.StatHeadings[0].Box), "Passing Yards");
    EXPECT_EQ(Texts_In(Games, Games.Rows[0].Box).back(), "185 - 231");
    Set_User_Preference(GAMES_STAT_SLOT, 4);   // "Passing Yards Allowed": the other side's
    Games = Layout_Games_Page();
    EXPECT_EQ(Texts_In(Games, Games.Rows[0].Box).back(), "231 - 185");
    Set_User_Preference(GAMES_STAT_SLOT, 18);   // "Point Spread", the game's own
    Games = Layout_Games_Page();
    EXPECT_EQ(Text_At(Games, Games.StatHeadings[0].Box), "Point Spread");
    EXPECT_EQ(Texts_In(Games, Games.Rows[0].Box).back(), "-3.5");
    Set_User_Preference(GAMES_STAT_SLOT, 19);
    Games = Layout_Games_Page();
    EXPECT_EQ(Texts_In(Games, Games.Rows[0].Box).back(), "41.5");
}

TEST_F(PageStatsTest, OffSeasonStandingsShowNoFormOfTheSeasonJustFinished)
{
    // In the season A has won twice (weeks 0 and 1), B lost twice then won.
    Set_User_Preference(STANDINGS_STAT_SLOT, 2);   // "Streak"
    EXPECT_EQ(Format_Team_Stat_Column(A, 2), "W2");
    EXPECT_EQ(Format_Team_Stat_Column(B, 0), "1-2");   // Last 3: won the last, lost two
    // A beat B twice (21-14, 17-10); C lost to D and to B, its own league.
    EXPECT_EQ(Format_Team_Stat_Column(A, 5), "2-0");   // Division
    EXPECT_EQ(Format_Team_Stat_Column(C, 6), "0-2");   // Conference
    EXPECT_EQ(Format_Team_Stat_Column(A, 7), "38");    // Points For
    // The off-season: the season index has moved on, the records are the new
    // season's 0-0-0 while the GAME records still hold the games above.
    League.Preferences.nInt[PREF_SEASON_INDEX] = 1;
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    const PAGE_LAYOUT Standings = Layout_Standings_Page();
    ASSERT_EQ(Standings.Rows.size(), 5u);
    for (const PAGE_ROW& Row : Standings.Rows) {
        const std::vector<std::string> Texts = Texts_In(Standings, Row.Box);
        ASSERT_GE(Texts.size(), 5u);
        // Streak, W, L, T.
        EXPECT_EQ(Texts[1], "-") << Texts[0];
        EXPECT_EQ(Texts[2], "0") << Texts[0];
        EXPECT_EQ(Texts[3], "0") << Texts[0];
        EXPECT_EQ(Texts[4], "0") << Texts[0];
    }
    EXPECT_EQ(Get_Team_Losing_Streak(C), 0);
    EXPECT_EQ(Format_Team_Stat_Column(A, 0), "0-0");   // Last 3
    EXPECT_EQ(Format_Team_Stat_Column(B, 1), "0-0");   // Last 5
    EXPECT_EQ(Get_Team_Recent_Record_Stat(B, 5, RECENT_LOSSES), 0);
    // Nor any other figure counted from last season's games.
    EXPECT_EQ(Format_Team_Stat_Column(A, 5), "0-0");
    EXPECT_EQ(Format_Team_Stat_Column(C, 6), "0-0");
    EXPECT_EQ(Format_Team_Stat_Column(A, 7), "0");
}

TEST_F(PageStatsTest, GroupFiguresAverageTheClubsPlayersThere)
{
    // A's line: a tackle and a centre with run blocking 70 and 81 (75.5,
    // rounded 76), pass blocking 60 and 65 (62.5, 63); a quarterback apart.
    Put_Player(A, 0, 501, POSITION_T, 70.0f).fRating[RATING_PASS_BLOCKING] = 60.0f;
    Put_Player(A, 1, 502, POSITION_C, 81.0f).fRating[RATING_PASS_BLOCKING] = 65.0f;
    Put_Player(A, 2, 503, POSITION_QB, 90.0f);
    EXPECT_EQ(Format_Team_Stat_Column(A, 46), "76");
    EXPECT_EQ(Format_Team_Stat_Column(A, 47), "63");
    // Nobody at a position: nothing to average.
    EXPECT_EQ(Format_Franchise_Measure(A, 26), "-");   // tight ends
    EXPECT_EQ(Get_Team_Stat_Column_Caption(46), "Rush Blocking");
    EXPECT_EQ(Get_Franchise_Measure_Caption(26), "Tight Ends");
}

// Interceptions, Fumbles Forced and Passes Defensed count the defenders'
// statistics 7, 5 and 6. The same slots hold a passer's yards and
// touchdowns, a runner's carries and the runs behind a lineman: none of them
// counts.
TEST_F(PageStatsTest, DefensiveFiguresCountOnlyTheDefence)
{
    struct STATS {
        int nPosition;
        int n5, n6, n7;
    };
    const STATS ROSTER[] = {
        {POSITION_QB, 3200, 25, 40},   // passing yards and touchdowns, rushes
        {POSITION_RB, 0, 12, 210},     // yards after catch, rushes
        {POSITION_T, 0, 0, 300},       // runs behind him
        {POSITION_LB, 3, 5, 2},        // forced, defensed, caught
        {POSITION_CB, 1, 11, 4},
        {POSITION_S, 0, 6, 1},
        {POSITION_DE, 2, 0, 0},
        {POSITION_P, 62, 4, 0},        // longest punt, touchbacks
    };
    int nSlot = 0;
    for (const STATS& Row : ROSTER) {
        Put_Player(A, nSlot, 600 + nSlot, Row.nPosition);
        Set_Player_Stat(A, nSlot, STAT_PERIOD_THIS_SEASON, 5, Row.n5);
        Set_Player_Stat(A, nSlot, STAT_PERIOD_THIS_SEASON, 6, Row.n6);
        Set_Player_Stat(A, nSlot, STAT_PERIOD_THIS_SEASON, 7, Row.n7);
        // Last season's figures are not this season's.
        Set_Player_Stat(A, nSlot, STAT_PERIOD_LAST_SEASON, 7, 50);
        ++nSlot;
    }
    // Linebacker, cornerback, safety and end: 2 + 4 + 1 + 0 caught,
    // 3 + 1 + 0 + 2 forced, 5 + 11 + 6 + 0 defensed.
    EXPECT_EQ(Format_Team_Stat_Column(A, 34), "7");
    EXPECT_EQ(Format_Team_Stat_Column(A, 35), "6");
    EXPECT_EQ(Format_Team_Stat_Column(A, 36), "22");
    // B's offence only: no defensive figure at all.
    Put_Player(B, 0, 700, POSITION_QB);
    Set_Player_Stat(B, 0, STAT_PERIOD_THIS_SEASON, 7, 35);
    Set_Player_Stat(B, 0, STAT_PERIOD_THIS_SEASON, 5, 2900);
    Put_Player(B, 1, 701, POSITION_WR);
    Set_Player_Stat(B, 1, STAT_PERIOD_THIS_SEASON, 6, 3);
    for (int nCode : {34, 35, 36})
        EXPECT_EQ(Format_Team_Stat_Column(B, nCode), "0") << nCode;
    // The Standings page shows the same: A heads the North.
    Set_User_Preference(STANDINGS_STAT_SLOT, 34);
    const PAGE_LAYOUT Standings = Layout_Standings_Page();
    ASSERT_GE(Standings.Rows.size(), 2u);
    EXPECT_EQ(Texts_In(Standings, Standings.Rows[0].Box)[1], "7");
    EXPECT_EQ(Texts_In(Standings, Standings.Rows[1].Box)[1], "0");
}

// A club erased since its games keeps every figure they give (the page
// lists it so once its season's title is decided); what its players gave
// went with them, and a slot nobody used has no figure at all.
TEST_F(PageStatsTest, AnErasedClubKeepsTheFiguresItsGamesGive)
{
    Put_Player(A, 0, 501, POSITION_T, 70.0f);
    // A gains 300 yards in its first game, B 150 in its last, C 80.
    Get_Game_Record(0)->nTeamTotal[0][GAME_TOTAL_PASSING_YARDS] = 300;
    Get_Game_Record(4)->nTeamTotal[1][GAME_TOTAL_PASSING_YARDS] = 150;
    Get_Game_Record(4)->nTeamTotal[0][GAME_TOTAL_PASSING_YARDS] = 80;
    EXPECT_NE(Format_Team_Stat_Column(A, 45), "-");
    ASSERT_TRUE(Erase_Team(A, 1));
    Count_Teams();
    // The clubs in use close up; the erased one stands behind them.
    int nErased = -1;
    int nBravos = -1;
    int nChargers = -1;
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        const std::string Nickname = League.Team[t].szString[TEAM_STRING_NICKNAME];
        nErased = Is_Erased_Club(t) ? t : nErased;
        nBravos = Nickname == "Bravos" ? t : nBravos;
        nChargers = Nickname == "Chargers" ? t : nChargers;
    }
    ASSERT_GE(nErased, 0);
    ASSERT_TRUE(nBravos >= 0 && nChargers >= 0);
    EXPECT_EQ(Format_Team_Stat_Column(nErased, 2), "W2");    // Streak
    EXPECT_EQ(Format_Team_Stat_Column(nErased, 0), "2-0");   // Last 3
    EXPECT_EQ(Format_Team_Stat_Column(nErased, 5), "2-0");   // Division
    EXPECT_EQ(Format_Team_Stat_Column(nErased, 7), "38");    // Points Scored
    EXPECT_EQ(Format_Team_Stat_Column(nErased, 8), "24");    // Points Allowed
    // Passing a game: A 300 / 2 = 150.0, B 150 / 3 = 50.0, C 80 / 3 =
    // 26.7; the erased club still counts among the ranked.
    EXPECT_EQ(Format_Team_Stat_Column(nErased, 11), "150.0");
    EXPECT_EQ(Format_Team_Stat_Column(nErased, 20), "#1");
    EXPECT_EQ(Format_Team_Stat_Column(nBravos, 20), "#2");
    EXPECT_EQ(Format_Team_Stat_Column(nChargers, 20), "#3");
    // Its roster's figures: its players are gone.
    for (int nCode : {34, 35, 36, 40, 41, 42, 43, 44, 45, 46, 47})
        EXPECT_EQ(Format_Team_Stat_Column(nErased, nCode), "-") << nCode;
    // A slot nobody has used.
    for (int nCode : {0, 2, 5, 7, 11, 20})
        EXPECT_EQ(Format_Team_Stat_Column(30, nCode), "-") << nCode;
}

TEST_F(PageStatsTest, LeaderFiguresReadAsTheirScalesSay)
{
    EXPECT_EQ(Format_Leader_Heading_Value(LEADER_PASSING_YARDS, 4123), "4,123");
    EXPECT_EQ(Format_Leader_Heading_Value(LEADER_COMPLETION_PERCENT, 654), "65.4%");
    EXPECT_EQ(Format_Leader_Heading_Value(LEADER_YARDS_PER_ATTEMPT, 745), "7.45");
    EXPECT_EQ(Format_Leader_Heading_Value(LEADER_QUARTERBACK_RATING, 1021), "102.1");
    EXPECT_EQ(Format_Leader_Heading_Value(LEADER_SACKS, 25), "12.5");
    EXPECT_EQ(Format_Leader_Heading_Value(LEADER_CAP_IMPACT, 1250), "$1.3M");
    EXPECT_EQ(Get_Leader_Heading_Caption(LEADER_TACKLES), "Tackles (Solo + Asst)");
}

TEST_F(PageStatsTest, AClickOnAHeadingsPaintedPlaceFindsIt)
{
    // The page painted twice its design size from (10, 20): the Games
    // heading's box in pixels is (2x + 10, 2y + 20).
    Set_User_Preference(PREF_CURRENT_WEEK, 1);
    const PAGE_LAYOUT Games = Layout_Games_Page();
    ASSERT_EQ(Games.StatHeadings.size(), 1u);
    const PAGE_RECT Box = Games.StatHeadings[0].Box;
    const CANVAS_RECT Area{10, 20, 10 + 2 * PAGE_DESIGN_WIDTH, 20 + 2 * PAGE_DESIGN_HEIGHT};
    const int x = 10 + Box.nLeft + Box.nRight;   // the middle, doubled
    const int y = 20 + Box.nTop + Box.nBottom;
    PAGE_STAT_HEADING Found = Find_Page_Stat_Heading(MAIN_PAGE_GAMES, x, y, Area);
    EXPECT_EQ(Found.nSlot, GAMES_STAT_SLOT);
    EXPECT_EQ(Found.nDialog, PAGE_GAME_STAT_DIALOG);
    // Just outside it, and outside the area: nothing.
    Found = Find_Page_Stat_Heading(MAIN_PAGE_GAMES, 10 + 2 * Box.nLeft - 2, y, Area);
    EXPECT_EQ(Found.nSlot, -1);
    Found = Find_Page_Stat_Heading(MAIN_PAGE_GAMES, 5, 5, Area);
    EXPECT_EQ(Found.nSlot, -1);
    // The menu's way: the page's first heading; a page without one gives none.
    EXPECT_EQ(Get_First_Page_Stat_Heading(MAIN_PAGE_FRONT).nSlot, FIRST_LEADER_HEADING_SLOT);
    EXPECT_EQ(Get_First_Page_Stat_Heading(MAIN_PAGE_STANDINGS).nSlot, STANDINGS_STAT_SLOT);
    EXPECT_EQ(Get_First_Page_Stat_Heading(MAIN_PAGE_CHAMPIONS).nSlot, -1);
}

TEST_F(PageStatsTest, ASlotHoldingExactlyTheCountOfItsStatisticsReadsAsTheFirst)
{
    // Each slot set to one past its last statistic shows statistic 0: the
    // heading's caption and every figure under it, as when it holds 0.
    Set_User_Preference(PREF_CURRENT_WEEK, 1);
    Set_User_Preference(PREF_CURRENT_TEAM, A);
    struct SLOT {
        int nSlot;
        int nCount;
        int nPage;
        const char* szFirstCaption;   // how statistic 0's heading begins
    };
    const SLOT SLOTS[] = {
        {STANDINGS_STAT_SLOT, TEAM_STAT_COLUMN_CODES, MAIN_PAGE_STANDINGS, "Last 3"},
        {CALENDAR_MEASURE_SLOT, FRANCHISE_MEASURE_CODES, MAIN_PAGE_CALENDAR, "Kelvo Rating: "},
        {FIRST_LEADER_HEADING_SLOT, LEADER_HEADING_CODES, MAIN_PAGE_FRONT, ""},
        {GAMES_STAT_SLOT, GAME_STAT_CODES, MAIN_PAGE_GAMES, "Offense (Total Yards)"},
    };
    for (const SLOT& Slot : SLOTS) {
        SCOPED_TRACE("slot " + std::to_string(Slot.nSlot));
        Set_User_Preference(Slot.nSlot, 0);
        const PAGE_LAYOUT First = Layout_Main_Page(Slot.nPage);
        Set_User_Preference(Slot.nSlot, Slot.nCount);
        const PAGE_LAYOUT Past = Layout_Main_Page(Slot.nPage);
        ASSERT_FALSE(First.StatHeadings.empty());
        ASSERT_EQ(Past.StatHeadings.size(), First.StatHeadings.size());
        // The slot's own heading (the front page's first of four).
        size_t n = 0;
        while (n < First.StatHeadings.size() && First.StatHeadings[n].nSlot != Slot.nSlot)
            ++n;
        ASSERT_LT(n, First.StatHeadings.size());
        const std::string Caption = Text_At(Past, Past.StatHeadings[n].Box);
        EXPECT_EQ(Caption, Text_At(First, First.StatHeadings[n].Box));
        EXPECT_EQ(Caption.rfind(Slot.szFirstCaption, 0), 0u) << Caption;
        EXPECT_NE(Caption, "") << "no caption";
        std::vector<std::string> FirstTexts, PastTexts;
        for (const PAGE_TEXT& Text : First.Texts)
            FirstTexts.push_back(Text.Text);
        for (const PAGE_TEXT& Text : Past.Texts)
            PastTexts.push_back(Text.Text);
        EXPECT_EQ(PastTexts, FirstTexts);
        Set_User_Preference(Slot.nSlot, 0);
    }
    // The front page's first heading holding 0 reads as the leader table's
    // first statistic.
    Set_User_Preference(FIRST_LEADER_HEADING_SLOT, LEADER_HEADING_CODES);
    const PAGE_LAYOUT Front = Layout_Front_Page();
    EXPECT_EQ(Text_At(Front, Front.StatHeadings[0].Box), Get_Leader_Heading_Caption(0) + ":");
}

TEST_F(PageStatsTest, TakeawaysAndTheTurnoverMarginReadTheOtherSidesTurnovers)
{
    // Week 1's first game, record 2 (B at A): B gave the ball away 3 times,
    // A once. B took it away once and A three times; B's margin is
    // 1 - 3 = -2, A's 3 - 1 = +2. The boxes read away - home.
    Set_User_Preference(PREF_CURRENT_WEEK, 1);
    GAME* pGame = Get_Game_Record(2);
    ASSERT_NE(pGame, nullptr);
    pGame->nTeamTotal[0][GAME_TOTAL_TURNOVERS] = 3;
    pGame->nTeamTotal[1][GAME_TOTAL_TURNOVERS] = 1;
    Set_User_Preference(GAMES_STAT_SLOT, 6);   // "Turnovers": each side's own
    PAGE_LAYOUT Games = Layout_Games_Page();
    EXPECT_EQ(Text_At(Games, Games.StatHeadings[0].Box), "Turnovers");
    EXPECT_EQ(Texts_In(Games, Games.Rows[0].Box).back(), "3 - 1");
    Set_User_Preference(GAMES_STAT_SLOT, 7);   // "Takeaways"
    Games = Layout_Games_Page();
    EXPECT_EQ(Text_At(Games, Games.StatHeadings[0].Box), "Takeaways");
    EXPECT_EQ(Texts_In(Games, Games.Rows[0].Box).back(), "1 - 3");
    Set_User_Preference(GAMES_STAT_SLOT, 8);   // "Turnover +/-"
    Games = Layout_Games_Page();
    EXPECT_EQ(Text_At(Games, Games.StatHeadings[0].Box), "Turnover +/-");
    EXPECT_EQ(Texts_In(Games, Games.Rows[0].Box).back(), "-2 - +2");
    EXPECT_EQ(Format_Game_Stat(*pGame, 0, 7), "1");
    EXPECT_EQ(Format_Game_Stat(*pGame, 1, 7), "3");
}
