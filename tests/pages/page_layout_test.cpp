// The pages' layouts over a small league of hand-made games: which club sits
// on which row and where, what each row says, and that everything lies in
// the design space. Every expected place and text is worked out by hand from
// the fixture and the layout's measures (margin 12, body from y 78).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "league/leader_tables.h"
#include "league/league_fixture.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/front_page_texts.h"
#include "pages/page_layout.h"
#include "pages/page_stats.h"
#include "pages/draft_page.h"
#include "season/draft_state.h"
#include "season/playoffs.h"
#include "season/standings.h"
#include "league/player.h"
#include "pages/page_fixture.h"
#include "test_support.h"

namespace {

class PageLayoutTest : public PageLeagueTest {
protected:
    // The texts of a layout that lie inside a rectangle, left to right.
    static std::vector<std::string> Texts_In(const PAGE_LAYOUT& Layout, const PAGE_RECT& Box)
    {
        std::vector<std::string> Texts;
        for (const PAGE_TEXT& Text : Layout.Texts)
            if (Box.Contains(Text.Box))
                Texts.push_back(Text.Text);
        return Texts;
    }

    static void Expect_Inside_Design_Space(const PAGE_LAYOUT& Layout)
    {
        const PAGE_RECT Space{0, 0, PAGE_DESIGN_WIDTH, PAGE_DESIGN_HEIGHT};
        for (const PAGE_TEXT& Text : Layout.Texts)
            EXPECT_TRUE(Space.Contains(Text.Box)) << Layout.nPage << " \"" << Text.Text << "\"";
        for (const PAGE_RULE& Rule : Layout.Rules)
            EXPECT_TRUE(Space.Contains(Rule.Line)) << Layout.nPage;
        for (const PAGE_RECT& Shade : Layout.Shades)
            EXPECT_TRUE(Space.Contains(Shade)) << Layout.nPage;
        for (const PAGE_ROW& Row : Layout.Rows)
            EXPECT_TRUE(Space.Contains(Row.Box)) << Layout.nPage;
    }
};

TEST_F(PageLayoutTest, StandingsShowEachClubOnItsRowInDivisionOrder)
{
    const PAGE_LAYOUT Layout = Layout_Standings_Page();
    EXPECT_EQ(Layout.nPage, MAIN_PAGE_STANDINGS);
    EXPECT_EQ(Layout.Title, "Standings");
    // Division 0 by its key: A (2-0) over B (1-2) over C (0-2-1); then D,
    // then league 1's E.
    ASSERT_EQ(Layout.Rows.size(), 5u);
    const int ORDER[5] = {A, B, C, D, E};
    const int GROUP[5] = {0, 0, 0, 1, 4};
    // Two divisions side by side (744 / 2 = 372 wide, each 2 in from its
    // edges), two leagues one above the other ((507 - 78 - 12) / 2 = 208
    // high); a division's first row starts under its 18-unit heading and
    // 14-unit column heads, rows 15 high.
    const PAGE_RECT BOX[5] = {
        {14, 110, 382, 125}, {14, 125, 382, 140}, {14, 140, 382, 155}, {386, 110, 754, 125}, {14, 318, 382, 333},
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Layout.Rows[i].nTeam, ORDER[i]) << i;
        EXPECT_EQ(Layout.Rows[i].nGroup, GROUP[i]) << i;
        EXPECT_EQ(Layout.Rows[i].Box.nLeft, BOX[i].nLeft) << i;
        EXPECT_EQ(Layout.Rows[i].Box.nTop, BOX[i].nTop) << i;
        EXPECT_EQ(Layout.Rows[i].Box.nRight, BOX[i].nRight) << i;
        EXPECT_EQ(Layout.Rows[i].Box.nBottom, BOX[i].nBottom) << i;
    }
    // What the rows say: name, the chosen statistic (preference 100 holds
    // 0, "Last 3": the last three games), W, L, T and the percentage
    // ((2W + T) / 2G).
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[0].Box),
              (std::vector<std::string>{"Alphas", "2-0", "2", "0", "0", "1.000"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[1].Box),
              (std::vector<std::string>{"Bravos", "1-2", "1", "2", "0", ".333"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[2].Box),
              (std::vector<std::string>{"Chargers", "0-2-1", "0", "2", "1", ".167"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[4].Box),
              (std::vector<std::string>{"Echoes", "0-0-1", "0", "0", "1", ".500"}));
    // The headings name league and division.
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{14, 78, 382, 96}), (std::vector<std::string>{"Old North"}));
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{386, 78, 754, 96}), (std::vector<std::string>{"Old South"}));
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{14, 286, 382, 304}), (std::vector<std::string>{"New West"}));
    Expect_Inside_Design_Space(Layout);
}

// On an exact tie the pages list a division as its stored row has it, the
// row the playoff bracket seeds its winner from.
TEST_F(PageLayoutTest, ADivisionTieStandsAsTheBracketSeedsIt)
{
    // D joins E in league 1's West, both 0-0-1: neither has a result against
    // a club of league 1 (D beat and E tied C, of league 0), so both
    // division keys are 0.
    League.Team[D].nTeamStat[TEAM_STAT_DIVISION] = 4;
    Set_Season_Record(D, 0, 0, 0, 1);
    ASSERT_EQ(Get_Team_Division_Key(D), 0);
    ASSERT_EQ(Get_Team_Division_Key(E), 0);
    // The row's rule in season 0: scanning up, a later club level on the key
    // takes the place when season + slot is even: E (4) over D (3). The
    // bracket seeds E, league 1's one seed.
    Clear_Standings_Order();
    Update_Standings();
    ASSERT_EQ(Get_Division_Place_Team(4, 0, 0), E);
    EXPECT_EQ(Get_Team_Stat(E, TEAM_STAT_PLAYOFF_SEED), 1);
    EXPECT_EQ(Get_Team_Stat(D, TEAM_STAT_PLAYOFF_SEED), 0);
    // The Standings page and the front page agree: E on top.
    const PAGE_LAYOUT Layout = Layout_Standings_Page();
    std::vector<int> West;
    for (const PAGE_ROW& Row : Layout.Rows)
        if (Row.nGroup == 4)
            West.push_back(Row.nTeam);
    EXPECT_EQ(West, (std::vector<int>{E, D}));
    EXPECT_EQ(Front_Page_Division_Leaders(),
              (std::vector<std::string>{"Old North: Alphas 2-0", "New West: Echoes 0-0-1"}));
    // The key still comes first: a row left behind by a result since does
    // not hold a better club down.
    Set_Season_Record(D, 0, 1, 0, 1);
    const PAGE_LAYOUT After = Layout_Standings_Page();
    West.clear();
    for (const PAGE_ROW& Row : After.Rows)
        if (Row.nGroup == 4)
            West.push_back(Row.nTeam);
    EXPECT_EQ(West, (std::vector<int>{D, E}));
}

TEST_F(PageLayoutTest, CalendarShowsTheViewedClubsWeeks)
{
    Set_User_Preference(PREF_CURRENT_TEAM, A);
    EXPECT_EQ(Get_Calendar_Page_Team(), A);
    // The two leagues' champions meet in a final (day 20).
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    const PAGE_LAYOUT Layout = Layout_Calendar_Page();
    // Without wild cards the larger field is league 0's two division
    // winners: no wild-card round (day 17) nor division round (day 18) is
    // played, and neither has a row; 20 of the 22 weeks are left.
    ASSERT_EQ(Layout.Rows.size(), static_cast<size_t>(SCHEDULE_WEEKS - 2));
    EXPECT_EQ(Layout.Rows[18].nGroup, 20);
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[18].Box), (std::vector<std::string>{"Super Bowl"}));
    // A season that ends with the leagues' own finals has no final's row
    // either: the conference round is the last.
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 0);
    const PAGE_LAYOUT NoFinal = Layout_Calendar_Page();
    ASSERT_EQ(NoFinal.Rows.size(), static_cast<size_t>(SCHEDULE_WEEKS - 3));
    EXPECT_EQ(NoFinal.Rows[17].nGroup, 19);
    EXPECT_EQ(NoFinal.Rows[18].nGroup, 21);
    for (const PAGE_TEXT& Text : NoFinal.Texts)
        EXPECT_NE(Text.Text, "Super Bowl");
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    // Row i: column i / 11 (372 wide), row i % 11, 34 units from y 112.
    EXPECT_EQ(Layout.Rows[0].Box.nTop, 112);
    EXPECT_EQ(Layout.Rows[10].Box.nTop, 112 + 10 * 34);
    EXPECT_EQ(Layout.Rows[11].Box.nLeft, 12 + 372 + 4);
    EXPECT_EQ(Layout.Rows[11].Box.nTop, 112);
    // The conference round (day 19) moves up to the first free row, 17.
    EXPECT_EQ(Layout.Rows[16].nGroup, 16);
    EXPECT_EQ(Layout.Rows[17].nGroup, 19);
    EXPECT_EQ(Layout.Rows[17].Box.nTop, 112 + 6 * 34);
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[17].Box), (std::vector<std::string>{"Conference Championship"}));
    for (const PAGE_TEXT& Text : Layout.Texts)
        EXPECT_TRUE(Text.Text != "Wild Card" && Text.Text != "Division Round" && Text.Text != "Bye Week")
            << Text.Text;
    // Two wild cards make a field of 4: a division round, still no wild-card
    // round.
    League.Universe.nStat[WILD_CARD_TEAMS] = 2;
    const PAGE_LAYOUT Two = Layout_Calendar_Page();
    ASSERT_EQ(Two.Rows.size(), static_cast<size_t>(SCHEDULE_WEEKS - 1));
    EXPECT_EQ(Two.Rows[17].nGroup, 18);
    EXPECT_EQ(Texts_In(Two, Two.Rows[17].Box), (std::vector<std::string>{"Division Round"}));
    League.Universe.nStat[WILD_CARD_TEAMS] = 0;
    EXPECT_EQ(Layout.Rows[0].nTeam, B);
    EXPECT_EQ(Layout.Rows[1].nTeam, B);
    EXPECT_EQ(Layout.Rows[2].nTeam, NO_TEAM);
    EXPECT_EQ(Layout.Rows[3].nTeam, C);
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[0].Box), (std::vector<std::string>{"Week 1", "at Bravos", "W 21-14"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[1].Box), (std::vector<std::string>{"Week 2", "vs Bravos", "W 17-10"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[2].Box), (std::vector<std::string>{"Week 3", "Open date"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[3].Box), (std::vector<std::string>{"Week 4", "Watch", "vs Chargers", "4:05 PM"}));
    // The headline: the club and its record, and the measure preference
    // 105 chooses (0, "Kelvo Rating", a figure the league does not keep);
    // the current week is shaded.
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{12, 78, 756, 108}),
              (std::vector<std::string>{"Alphas (2-0)", "Kelvo Rating: -"}));
    ASSERT_EQ(Layout.Shades.size(), 1u);
    EXPECT_EQ(Layout.Shades[0].nTop, Layout.Rows[3].Box.nTop);
    // C's week 1 was a tie with E.
    Set_User_Preference(PREF_CURRENT_TEAM, C);
    const PAGE_LAYOUT Chargers = Layout_Calendar_Page();
    EXPECT_EQ(Texts_In(Chargers, Chargers.Rows[1].Box), (std::vector<std::string>{"Week 2", "vs Echoes", "T 3-3"}));
    EXPECT_EQ(Texts_In(Chargers, Chargers.Rows[0].Box), (std::vector<std::string>{"Week 1", "at Deltas", "L 13-20"}));
    Expect_Inside_Design_Space(Layout);
}

TEST_F(PageLayoutTest, CalendarFollowsTheViewedClubWhileTheUsersClubStays)
{
    // A runs A; B is viewed (View Other Team): the page shows B's weeks.
    League.Team[A].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    Set_User_Preference(PREF_SELECTED_TEAM, A);
    Set_User_Preference(PREF_CURRENT_TEAM, B);
    EXPECT_EQ(Get_Calendar_Page_Team(), B);
    EXPECT_EQ(Get_User_Page_Team(), A);
    const PAGE_LAYOUT Layout = Layout_Calendar_Page();
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{12, 78, 522, 108}), (std::vector<std::string>{"Bravos (1-2)"}));
    // No club viewed (a list showing a group): the user's club.
    Set_User_Preference(PREF_CURRENT_TEAM, -1);
    EXPECT_EQ(Get_Calendar_Page_Team(), A);
}

TEST_F(PageLayoutTest, GamesShowTheDaysGamesInBoxes)
{
    // Week 3 has a game but none over: the page shows the last day played,
    // week 2 (index 2), unless week 3 is today.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 2;
    EXPECT_EQ(Get_Games_Page_Week(), 2);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 1;
    const PAGE_LAYOUT Layout = Layout_Games_Page();
    EXPECT_EQ(Get_Games_Page_Week(), 1);
    // Week 1's two games, records 2 and 3, side by side: 744 / 3 = 248 wide.
    ASSERT_EQ(Layout.Rows.size(), 2u);
    EXPECT_EQ(Layout.Rows[0].nGroup, 2);
    EXPECT_EQ(Layout.Rows[1].nGroup, 3);
    EXPECT_EQ(Layout.Rows[0].Box.nLeft, 16);
    EXPECT_EQ(Layout.Rows[0].Box.nRight, 256);
    EXPECT_EQ(Layout.Rows[1].Box.nLeft, 264);
    EXPECT_EQ(Layout.Rows[0].Box.nTop, 114);
    EXPECT_EQ(Layout.Rows[0].Box.nBottom, 162);
    // Under the scores, the game statistic preference 119 chooses (0, total
    // yards: these records keep none).
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[0].Box),
              (std::vector<std::string>{"Bravos", "10", "Alphas", "17", "Final", "0 - 0"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[1].Box),
              (std::vector<std::string>{"Echoes", "3", "Chargers", "3", "Final", "0 - 0"}));
    // The winner is set in bold; a tie has none.
    for (const PAGE_TEXT& Text : Layout.Texts) {
        if (Text.Text == "Alphas" || Text.Text == "17") {
            EXPECT_EQ(Text.nType, TYPE_BODY_BOLD) << Text.Text;
        }
        if (Text.Text == "Bravos" || Text.Text == "Echoes" || Text.Text == "Chargers") {
            EXPECT_EQ(Text.nType, TYPE_BODY) << Text.Text;
        }
    }
    Expect_Inside_Design_Space(Layout);
}

// In the playoffs as in the regular season the page keeps the last day's
// finals until a game of the next day begins: a round not played yet is
// counted by its bracket before any record of it exists.
TEST_F(PageLayoutTest, GamesKeepTheLastRoundsFinalsThroughThePlayoffs)
{
    // Two wild cards: league 0's four clubs are all seeded (slots 16-19), so
    // the first round played is the division round, day 18, of two games;
    // the conference round, day 19, has one.
    League.Universe.nStat[WILD_CARD_TEAMS] = 2;
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 18;
    ASSERT_EQ(Count_Week_Games(18), 2);
    // Day 17 (no wild-card round) and day 18 have no game yet: the last
    // regular day played, index 2.
    EXPECT_EQ(Get_Games_Page_Week(), 2);
    EXPECT_EQ(Texts_In(Layout_Games_Page(), PAGE_RECT{12, 78, 496, 108}),
              (std::vector<std::string>{"Week 3 Scores"}));
    // The division round played: D at A 10-24 (record 5), C at B 20-27
    // (record 6). On day 19 they stay until the conference game begins.
    const int ROUND[2][4] = {{D, A, 10, 24}, {C, B, 20, 27}};
    for (int g = 0; g < 2; ++g) {
        const int nRecord = 5 + g;
        Put_Game(nRecord, ROUND[g][0], ROUND[g][1], ROUND[g][2], ROUND[g][3], 18);
        ASSERT_TRUE(Schedule_Game(ROUND[g][1], ROUND[g][0], 18, 6, 1300));
        Set_Team_Schedule_Stat(ROUND[g][0], 18, SCHEDULE_GAME_INDEX, nRecord);
        Set_Team_Schedule_Stat(ROUND[g][1], 18, SCHEDULE_GAME_INDEX, nRecord);
    }
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 19;
    ASSERT_EQ(Count_Week_Games(19), 1);
    EXPECT_EQ(Get_Games_Page_Week(), 18);
    const PAGE_LAYOUT Layout = Layout_Games_Page();
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{12, 78, 496, 108}), (std::vector<std::string>{"Division Scores"}));
    ASSERT_EQ(Layout.Rows.size(), 2u);
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[0].Box),
              (std::vector<std::string>{"Deltas", "10", "Alphas", "24", "Final", "0 - 0"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[1].Box),
              (std::vector<std::string>{"Chargers", "20", "Bravos", "27", "Final", "0 - 0"}));
    // The conference game begun (A at home to B, record 7, still on): today.
    Put_Game(7, B, A, 3, 7, 19, 1200);
    ASSERT_TRUE(Schedule_Game(A, B, 19, 6, 1300));
    Set_Team_Schedule_Stat(A, 19, SCHEDULE_GAME_INDEX, 7);
    Set_Team_Schedule_Stat(B, 19, SCHEDULE_GAME_INDEX, 7);
    EXPECT_EQ(Get_Games_Page_Week(), 19);
    // After the final, in the off-season, the last round played stands.
    Put_Game(7, B, A, 3, 7, 19);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    EXPECT_EQ(Get_Games_Page_Week(), 19);
}

// A club erased once it has played keeps its games on the Games page and
// on its opponents' weeks, named as it was; only a slot never used is an
// open date.
TEST_F(PageLayoutTest, AnErasedClubsPlayedGamesKeepTheirBoxesAndRows)
{
    ASSERT_TRUE(Erase_Team(E, 1));
    ASSERT_FALSE(Is_Valid_Team(E));
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 1;
    const PAGE_LAYOUT Games = Layout_Games_Page();
    ASSERT_EQ(Games.Rows.size(), 2u);
    EXPECT_EQ(Texts_In(Games, Games.Rows[1].Box),
              (std::vector<std::string>{"Echoes", "3", "Chargers", "3", "Final", "0 - 0"}));
    Set_User_Preference(PREF_CURRENT_TEAM, C);
    const PAGE_LAYOUT Chargers = Layout_Calendar_Page();
    EXPECT_EQ(Texts_In(Chargers, Chargers.Rows[1].Box), (std::vector<std::string>{"Week 2", "vs Echoes", "T 3-3"}));
    EXPECT_EQ(Chargers.Rows[1].nTeam, E);
    // The slot given up to a new club (zeroed first): the week is an open
    // date.
    Clear_Team(E);
    const PAGE_LAYOUT Later = Layout_Calendar_Page();
    EXPECT_EQ(Texts_In(Later, Later.Rows[1].Box), (std::vector<std::string>{"Week 2", "Open date"}));
    EXPECT_EQ(Layout_Games_Page().Rows.size(), 1u);
}

TEST_F(PageLayoutTest, PlayoffBracketPlacesEverySlot)
{
    Clear_Playoff_Slots();
    // League 0's first round: A (slot 0) beat B (slot 1) 24-10 and moved to
    // slot 16; C in slot 2 waits for D in slot 3.
    Set_Playoff_Team(0, A);
    Set_Playoff_Team(1, B);
    Set_Playoff_Score(0, 24);
    Set_Playoff_Score(1, 10);
    Set_Playoff_Team(16, A);
    Set_Playoff_Team(2, C);
    Set_Playoff_Team(3, D);
    Set_Playoff_Team(8, E);
    const PAGE_LAYOUT Layout = Layout_Playoffs_Page();
    ASSERT_EQ(Layout.Rows.size(), 6u);
    // Nine columns of 744 / 9 = 82; the body from y 100, 395 high, eight
    // first-round places 49 apart, boxes 20 high centred in them.
    const auto Row_Of_Slot = [&](int nSlot) {
        for (const PAGE_ROW& Row : Layout.Rows)
            if (Row.nGroup == nSlot)
                return Row;
        ADD_FAILURE() << "no row for slot " << nSlot;
        return PAGE_ROW{};
    };
    EXPECT_EQ(Row_Of_Slot(0).Box.nTop, 100 + 14);
    EXPECT_EQ(Row_Of_Slot(1).Box.nTop, 100 + 49 + 14);
    EXPECT_EQ(Row_Of_Slot(0).Box.nLeft, 13);
    // Slot 16 sits halfway between slots 0 and 1, one column in.
    EXPECT_EQ(Row_Of_Slot(16).Box.nTop, (114 + 163) / 2);
    EXPECT_EQ(Row_Of_Slot(16).Box.nLeft, 12 + 82 + 1);
    // League 1 runs in from the right: slot 8 in the last column.
    EXPECT_EQ(Row_Of_Slot(8).Box.nLeft, 12 + 8 * 82 + 1);
    EXPECT_EQ(Row_Of_Slot(8).Box.nTop, 114);
    // The played game shows its scores, the winner in bold; the waiting pair
    // shows none.
    EXPECT_EQ(Texts_In(Layout, Row_Of_Slot(0).Box), (std::vector<std::string>{"Alphas", "24"}));
    EXPECT_EQ(Texts_In(Layout, Row_Of_Slot(1).Box), (std::vector<std::string>{"Bravos", "10"}));
    EXPECT_EQ(Texts_In(Layout, Row_Of_Slot(2).Box), (std::vector<std::string>{"Chargers"}));
    // Every one of the 31 slots has its box.
    EXPECT_EQ(Layout.Shades.size(), 31u);
    Expect_Inside_Design_Space(Layout);

    // A club erased since it played (its names left in slot 10, not in use)
    // keeps its place in slot 9, named, with no club page to open.
    Set_Team_String("Foxton", 10, TEAM_STRING_CITY);
    Set_Team_String("Foxes", 10, TEAM_STRING_NICKNAME);
    Set_Playoff_Team(9, 10);
    const PAGE_LAYOUT After = Layout_Playoffs_Page();
    EXPECT_EQ(After.Rows.size(), 6u);
    for (const PAGE_ROW& Row : After.Rows)
        EXPECT_NE(Row.nGroup, 9);
    EXPECT_EQ(Texts_In(After, PAGE_RECT{12 + 8 * 82 + 1, 163, 12 + 9 * 82 - 1, 183}),
              (std::vector<std::string>{"Foxes"}));
}

TEST_F(PageLayoutTest, EveryPageLiesInsideTheDesignSpace)
{
    for (int nPage : {MAIN_PAGE_FRONT, MAIN_PAGE_STANDINGS, MAIN_PAGE_CALENDAR, MAIN_PAGE_GAMES, MAIN_PAGE_PLAYOFFS,
                      MAIN_PAGE_CHAMPIONS, MAIN_PAGE_DRAFT}) {
        EXPECT_TRUE(Is_Main_Page(nPage));
        const PAGE_LAYOUT Layout = Layout_Main_Page(nPage);
        EXPECT_EQ(Layout.nPage, nPage);
        EXPECT_FALSE(Layout.Texts.empty());
        Expect_Inside_Design_Space(Layout);
    }
    // An unknown page lays out the front page.
    EXPECT_FALSE(Is_Main_Page(40031));
    EXPECT_EQ(Layout_Main_Page(40031).nPage, MAIN_PAGE_FRONT);
}

TEST_F(PageLayoutTest, FrontPageLeadsWithTheBiggestWin)
{
    // Week 2's only game: Bravos beat Chargers 7-6.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 3;
    const PAGE_LAYOUT Layout = Layout_Front_Page();
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{12, 78, 756, 114}), (std::vector<std::string>{"Bravos Beat Chargers 7-6"}));
    // Week 0: Alphas 21-14 and Deltas 20-13 are both by 7; the first stands.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 0;
    const PAGE_LAYOUT First = Layout_Front_Page();
    EXPECT_EQ(Texts_In(First, PAGE_RECT{12, 78, 756, 114}), (std::vector<std::string>{"Alphas Beat Bravos 21-14"}));
    Expect_Inside_Design_Space(Layout);
}

// Once the title is decided the division leaders are those the season's
// standings show: a leader erased since keeps its line, with its record.
TEST_F(PageLayoutTest, FrontPageDivisionLeadersStandAsTheSeasonEndedAfterAnErase)
{
    const std::vector<std::string> Expected = {"Old North: Alphas 2-0", "Old South: Deltas 1-0",
                                               "New West: Echoes 0-0-1"};
    EXPECT_EQ(Front_Page_Division_Leaders(), Expected);
    for (int t = A; t <= E; ++t)
        Set_Team_Yearly_Char(t, 0, YEARLY_TITLE, TITLE_DECIDED);
    ASSERT_TRUE(Erase_Team(A, 1));
    ASSERT_EQ(Count_Teams(), 4);
    EXPECT_EQ(Front_Page_Division_Leaders(), Expected);
}

// The line under a Season Leaders heading of the front page; the first
// heading is set to show leader statistic nCode.
std::string Front_Page_Season_Leader(int nCode)
{
    Set_User_Preference(FIRST_LEADER_HEADING_SLOT, nCode);
    const std::string Caption = Get_Leader_Heading_Caption(nCode) + ":";
    const PAGE_LAYOUT Layout = Layout_Front_Page();
    for (size_t i = 0; i + 1 < Layout.Texts.size(); ++i)
        if (Layout.Texts[i].Text == Caption)
            return Layout.Texts[i + 1].Text;
    return "no heading " + Caption;
}

// The Season Leaders are of every player of the league, named with the club
// he played the season for; in the off-season, of the season just finished.
TEST_F(PageLayoutTest, FrontPageSeasonLeadersAreOfTheSeasonTheFrontPageTells)
{
    // 2019: Ray Late ran for 410 yards for the Alphas, Al First for 300.
    Put_Player(A, 0, 101, POSITION_RB);
    std::strcpy(League.Team[A].Player[0].szFirstName, "Al");
    std::strcpy(League.Team[A].Player[0].szLastName, "First");
    Set_Player_Stat(A, 0, STAT_PERIOD_THIS_SEASON, STAT_RUSHING_YARDS, 300);
    Put_Player(A, 70, 170, POSITION_RB);
    std::strcpy(League.Team[A].Player[70].szFirstName, "Ray");
    std::strcpy(League.Team[A].Player[70].szLastName, "Late");
    Set_Player_Stat(A, 70, STAT_PERIOD_THIS_SEASON, STAT_RUSHING_YARDS, 410);
    EXPECT_EQ(Front_Page_Season_Leader(LEADER_RUSH_YARDS), "   Ray Late (ALP) 410");

    // The off-season of 2020: the figures are last season's, and Ray has
    // gone to the Bravos (his 2019 line stays the Alphas').
    for (int s : {0, 70}) {
        Set_Player_Stat(A, s, STAT_PERIOD_LAST_SEASON, STAT_RUSHING_YARDS,
                        Get_Player_Stat(A, s, STAT_PERIOD_THIS_SEASON, STAT_RUSHING_YARDS));
        Set_Player_Stat(A, s, STAT_PERIOD_THIS_SEASON, STAT_RUSHING_YARDS, 0);
    }
    Stamp_Season_Line(30, 2019, 0, A, 6);
    League.SeasonLines[30][3 + STAT_RUSHING_YARDS] = 410;
    Copy_Player(B, 40, A, 70);
    Clear_Player(A, 70);
    Set_Player_Season_Link(B, 40, 0, 30);
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_EQ(Front_Page_Season_Leader(LEADER_RUSH_YARDS), "   Ray Late (ALP) 410");
    // A free agent now who ran for 500 yards for the Echoes leads.
    Put_Player(FREE_AGENT_TEAM, 3, 903, POSITION_RB);
    std::strcpy(League.Team[FREE_AGENT_TEAM].Player[3].szFirstName, "Fay");
    std::strcpy(League.Team[FREE_AGENT_TEAM].Player[3].szLastName, "Free");
    Stamp_Season_Line(31, 2019, 0, E, 6);
    League.SeasonLines[31][3 + STAT_RUSHING_YARDS] = 500;
    Set_Player_Season_Link(FREE_AGENT_TEAM, 3, 0, 31);
    EXPECT_EQ(Front_Page_Season_Leader(LEADER_RUSH_YARDS), "   Fay Free (ECH) 500");
    // The first day of 2020, before any game of it is over (the day's
    // games not yet played): still 2019's.
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        Set_Team_Schedule_Stat(t, 0, SCHEDULE_GAME_INDEX, -1);
    EXPECT_EQ(Front_Page_Season_Leader(LEADER_RUSH_YARDS), "   Fay Free (ECH) 500");
    // Once a game of 2020 is over, 2020's leaders: nobody yet.
    Set_User_Preference(PREF_CURRENT_WEEK, 1);
    EXPECT_EQ(Front_Page_Season_Leader(LEADER_RUSH_YARDS), "   nobody yet");
}

TEST_F(PageLayoutTest, ChampionsListTheTitleWinners)
{
    const PAGE_LAYOUT Empty = Layout_Champions_Page();
    EXPECT_TRUE(Empty.Rows.empty());
    EXPECT_EQ(Texts_In(Empty, PAGE_RECT{12, 78, 756, 98}),
              (std::vector<std::string>{"No champion has been crowned yet"}));

    // 2020 under way. 2019 had no final between the leagues: league 0's
    // final, A over B, decided its title; then B's slot was taken by a new
    // club. Rows from y 102, 16 high; the year at x 18, the club at 64.
    League.Preferences.nInt[PREF_SEASON_INDEX] = 1;
    Set_Team_Yearly_Char(A, 0, YEARLY_TITLE, TITLE_DECIDED | TITLE_WON);
    Set_Team_Yearly_Char(B, 0, YEARLY_TITLE, TITLE_DECIDED | TITLE_LOST);
    EXPECT_EQ(Texts_In(Layout_Champions_Page(), PAGE_RECT{12, 100, 384, 120}),
              (std::vector<std::string>{"2019", "Alphas", "over Bravos"}));
    Clear_Team(B);
    const PAGE_LAYOUT Layout = Layout_Champions_Page();
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{12, 100, 384, 120}),
              (std::vector<std::string>{"2019", "Alphas", "over a club since erased"}));
    ASSERT_EQ(Layout.Rows.size(), 1u);
    EXPECT_EQ(Layout.Rows[0].nTeam, A);
}

TEST_F(PageLayoutTest, DraftShowsTheRoundsPicksInOrder)
{
    // The 2020 draft, the one to come in the 2019 season, round 2
    // (preferences 38 and 39): five clubs pick in the order E, D, C, B, A;
    // C's pick belongs to A. Overall picks 6-10.
    League.Preferences.nInt[PREF_DRAFT_PAGE_SCROLL] = 2;
    League.Preferences.nInt[PREF_DRAFT_PAGE_SELECTION] = 2020;
    for (int i = 0; i < 5; ++i) {
        Set_Draft_Order_Team(i, E - i);
        Set_Draft_Pick_Owner(0, 1, E - i, E - i);
    }
    Set_Draft_Pick_Owner(0, 1, C, A);
    // In the 2019 draft D (the second pick, 7th overall) took Pat Quinn, a
    // quarterback.
    Put_Player(D, 5, 501, POSITION_QB);
    std::strcpy(League.Team[D].Player[5].szFirstName, "Pat");
    std::strcpy(League.Team[D].Player[5].szLastName, "Quinn");
    Set_Player_Vital_Stat(D, 5, VITAL_DRAFTED_BY, (D + 1) * 10000 + 2019);
    Set_Player_Vital_Stat(D, 5, VITAL_DRAFT_PICK, (2 * 100 + 2) * 1000 + 7);
    // A player of another year's same pick is not this draft's.
    Put_Player(B, 6, 601, POSITION_QB);
    Set_Player_Vital_Stat(B, 6, VITAL_DRAFTED_BY, (B + 1) * 10000 + 2018);
    Set_Player_Vital_Stat(B, 6, VITAL_DRAFT_PICK, (2 * 100 + 2) * 1000 + 7);
    EXPECT_EQ(Get_Draft_Page_Round(), 2);
    EXPECT_EQ(Get_Draft_Page_Year(), 2020);
    const PAGE_LAYOUT Layout = Layout_Draft_Page();
    ASSERT_EQ(Layout.Rows.size(), 5u);
    const int CLUB[5] = {E, D, A, B, A};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Layout.Rows[i].nGroup, 6 + i) << i;
        EXPECT_EQ(Layout.Rows[i].nTeam, CLUB[i]) << i;
        // Rows of 21 units from y 114.
        EXPECT_EQ(Layout.Rows[i].Box.nTop, 114 + 21 * i) << i;
    }
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[1].Box), (std::vector<std::string>{"7.", "Deltas"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[2].Box), (std::vector<std::string>{"8.", "Alphas"}));
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{12, 78, 444, 108}), (std::vector<std::string>{"2020 Draft, Round 2"}));
    // The 2019 draft, held before this season: its picks' players, and no
    // club for a pick whose player has left the league, never a club of the
    // order to come (the 6th pick, E's in it, then A's 8th and 10th).
    League.Preferences.nInt[PREF_DRAFT_PAGE_SELECTION] = 2019;
    const PAGE_LAYOUT Held = Layout_Draft_Page();
    ASSERT_EQ(Held.Rows.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Held.Rows[i].nTeam, i == 1 ? D : NO_TEAM) << i;
    EXPECT_EQ(Texts_In(Held, Held.Rows[0].Box), (std::vector<std::string>{"6."}));
    EXPECT_EQ(Texts_In(Held, Held.Rows[1].Box), (std::vector<std::string>{"7.", "Deltas", "Pat Quinn, QB"}));
    EXPECT_EQ(Texts_In(Held, Held.Rows[2].Box), (std::vector<std::string>{"8."}));
    EXPECT_EQ(Texts_In(Held, PAGE_RECT{12, 78, 444, 108}), (std::vector<std::string>{"2019 Draft, Round 2"}));
    // A forfeited pick still names the club that gave it up.
    Set_Draft_Result_Word(0, (2019 * 1000 + 8) * 100 + B);
    EXPECT_EQ(Texts_In(Layout_Draft_Page(), Held.Rows[2].Box),
              (std::vector<std::string>{"8.", "Bravos", "(Forfeited by BRA)"}));
    Set_Draft_Result_Word(0, 0);
    League.Preferences.nInt[PREF_DRAFT_PAGE_SELECTION] = 2020;
    // Seven round tabs of 44 units end at the right margin; round 2's is
    // shaded.
    EXPECT_EQ(Texts_In(Layout, PAGE_RECT{448, 78, 756, 108}),
              (std::vector<std::string>{"Rd 1", "Rd 2", "Rd 3", "Rd 4", "Rd 5", "Rd 6", "Rd 7"}));
    EXPECT_EQ(Get_Draft_Round_Tab_Box(1).nLeft, 448);
    EXPECT_EQ(Get_Draft_Round_Tab_Box(7).nRight, 448 + 6 * 44 + 42);
    EXPECT_EQ(Draft_Page_Hit_Round(448 + 44 + 10, 90), 2);
    EXPECT_EQ(Draft_Page_Hit_Round(448 + 6 * 44 + 43, 90), 0);   // the gap after the last
    EXPECT_EQ(Draft_Page_Hit_Round(300, 90), 0);
    bool bShaded = false;
    for (const PAGE_RECT& Shade : Layout.Shades)
        bShaded = bShaded || (Shade.nLeft == 448 + 44 && Shade.nTop == 84);
    EXPECT_TRUE(bShaded);
    // A click on round 5's tab, on a page painted at twice the design size.
    const CANVAS_RECT Area{100, 50, 100 + 2 * PAGE_DESIGN_WIDTH, 50 + 2 * PAGE_DESIGN_HEIGHT};
    EXPECT_TRUE(Is_Draft_Page_Hot_Spot(100 + 2 * (448 + 4 * 44 + 20), 50 + 2 * 90, Area));
    EXPECT_FALSE(Is_Draft_Page_Hot_Spot(100 + 2 * (448 + 44 + 20), 50 + 2 * 90, Area));   // the round shown
    EXPECT_FALSE(Is_Draft_Page_Hot_Spot(100 + 2 * 300, 50 + 2 * 90, Area));
    Draft_Page_Click(100 + 2 * (448 + 4 * 44 + 20), 50 + 2 * 90, Area);
    EXPECT_EQ(League.Preferences.nInt[PREF_DRAFT_PAGE_SCROLL], 5);
    Draft_Page_Click(100 + 2 * 300, 50 + 2 * 90, Area);
    EXPECT_EQ(League.Preferences.nInt[PREF_DRAFT_PAGE_SCROLL], 5);
    League.Preferences.nInt[PREF_DRAFT_PAGE_SCROLL] = 2;
    // A round outside 1-7 is held in it; a year outside the league's span,
    // or none (a new game), falls back to the draft to come: 2020 through
    // the 2019 season, whose page lists it; in the off-season, when the
    // year has moved on to the draft's, the current year.
    League.Preferences.nInt[PREF_DRAFT_PAGE_SCROLL] = 9;
    League.Preferences.nInt[PREF_DRAFT_PAGE_SELECTION] = 3000;
    EXPECT_EQ(Get_Draft_Page_Round(), 7);
    EXPECT_EQ(Get_Draft_Page_Year(), 2020);
    League.Preferences.nInt[PREF_DRAFT_PAGE_SELECTION] = 0;
    EXPECT_EQ(Get_Draft_Page_Year(), 2020);
    EXPECT_EQ(Texts_In(Layout_Draft_Page(), PAGE_RECT{12, 78, 444, 108}),
              (std::vector<std::string>{"2020 Draft, Round 7"}));
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    EXPECT_EQ(Get_Draft_Page_Year(), 2019);
    Expect_Inside_Design_Space(Layout);
}

}  // namespace

TEST_F(PageLayoutTest, TheDraftUnderWayShowsItsPicksAndThePickOnTheClock)
{
    // The 2019 draft under way in the off-season: round 1, three picks made
    // (the fourth overall on the clock). Five clubs pick A, B, C, D, E.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    League.Preferences.nInt[PREF_DRAFT_ROUND] = 0;
    League.Preferences.nInt[PREF_DRAFT_PICKS_MADE] = 3;
    League.Preferences.nInt[PREF_DRAFT_PAGE_SCROLL] = 1;
    League.Preferences.nInt[PREF_DRAFT_PAGE_SELECTION] = 2019;
    for (int i = 0; i < 5; ++i) {
        Set_Draft_Order_Team(i, A + i);
        Set_Draft_Pick_Owner(0, 0, A + i, A + i);
    }
    // A prospect still in a pool: the draft goes on.
    Put_Player(FIRST_DRAFT_POOL_TEAM, 0, 901, POSITION_QB);
    // C took Pat Quinn with the third pick.
    Put_Player(C, 7, 701, POSITION_QB);
    std::strcpy(League.Team[C].Player[7].szFirstName, "Pat");
    std::strcpy(League.Team[C].Player[7].szLastName, "Quinn");
    Set_Player_Vital_Stat(C, 7, VITAL_DRAFTED_BY, (C + 1) * 10000 + 2019);
    Set_Player_Vital_Stat(C, 7, VITAL_DRAFT_PICK, (1 * 100 + 3) * 1000 + 3);
    EXPECT_EQ(Get_Draft_Page_Pick_On_The_Clock(), 4);
    const PAGE_LAYOUT Layout = Layout_Draft_Page();
    ASSERT_EQ(Layout.Rows.size(), 5u);
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[2].Box), (std::vector<std::string>{"3.", "Chargers", "Pat Quinn, QB"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[3].Box), (std::vector<std::string>{"4.", "Deltas", "On the clock"}));
    EXPECT_EQ(Texts_In(Layout, Layout.Rows[4].Box), (std::vector<std::string>{"5.", "Echoes"}));
    // Another year's page, or the draft over: no pick on the clock.
    League.Preferences.nInt[PREF_DRAFT_PAGE_SELECTION] = 2018;
    EXPECT_EQ(Get_Draft_Page_Pick_On_The_Clock(), 0);
    League.Preferences.nInt[PREF_DRAFT_PAGE_SELECTION] = 2019;
    League.Preferences.nInt[PREF_DRAFT_ROUND] = DRAFT_ROUNDS;
    EXPECT_EQ(Get_Draft_Page_Pick_On_The_Clock(), 0);
}

TEST_F(PageLayoutTest, ThePagesNameStopsShortOfTheCornerBox)
{
    // The corner box of Standings and Calendar spans x 668-760, y 25-54, and
    // the date line runs y 50-64: there the name ends 8 units before the
    // box, at 660; elsewhere at the right margin, 768 - 12 = 756.
    const PAGE_LAYOUT Pages[] = {Layout_Standings_Page(), Layout_Calendar_Page(), Layout_Games_Page()};
    const char* NAMES[] = {"Standings", "Calendar", "Games"};
    const int RIGHT[] = {660, 660, 756};
    for (int i = 0; i < 3; ++i) {
        const PAGE_TEXT* pName = nullptr;
        for (const PAGE_TEXT& Text : Pages[i].Texts)
            if (Text.Text == NAMES[i] && Text.Box.nTop == 50)
                pName = &Text;
        ASSERT_NE(pName, nullptr) << NAMES[i];
        EXPECT_EQ(pName->Box.nRight, RIGHT[i]) << NAMES[i];
        EXPECT_EQ(pName->Box.nBottom, 64) << NAMES[i];
        EXPECT_EQ(pName->nAlign, ALIGN_RIGHT) << NAMES[i];
    }
}
