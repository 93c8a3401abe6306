// The template engine on hand-written templates and a small league: the
// parameter groups, the tag kinds, page and row groups and their precedence,
// the ten tables' rows and row groups, nested tables, and what a template
// gets wrong.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../league/league_fixture.h"
#include "../test_support.h"
#include "export/html_template.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/stat_codes.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"

namespace {

class HtmlTemplateTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Clear_Template_Problems();
        // Four clubs of division 0 in the third season of a league begun in 2019.
        Use_Franchises(4);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        Set_User_Preference(PREF_SEASON_INDEX, 2);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        Set_Regular_Season_Weeks(17);
        const char* const CITIES[] = {"Aldon", "Brask", "Corvale", "Dunmere"};
        const char* const NAMES[] = {"Foxes", "Gulls", "Hawks", "Ibis"};
        for (int t = 0; t < 4; ++t) {
            Set_Team_Stat(t, TEAM_STAT_DIVISION, 0);
            Set_Team_String(CITIES[t], t, TEAM_STRING_CITY);
            Set_Team_String(NAMES[t], t, TEAM_STRING_NICKNAME);
            // Every club played both seasons before this one.
            Set_Season_Record(t, 0, 6, 6, 0);
            Set_Season_Record(t, 1, 6, 6, 0);
        }
        // Team 0: a quarterback, a guard, a linebacker and a second
        // quarterback; team 1 two players; names chosen for the sort.
        Put_Named(0, 0, 101, 0, "Quill", "Ada");
        Put_Named(0, 1, 102, 6, "Brand", "Cole");
        Put_Named(0, 2, 103, 10, "quest", "Dee");
        Put_Named(0, 3, 104, 0, "Quill", "Abe");
        Put_Named(1, 0, 201, 0, "Quarry", "Eli");
        Put_Named(1, 1, 202, 4, "Avery", "Fox");
    }

    static void Put_Named(int nTeam, int nSlot, int nID, int nPosition, const char* szLast, const char* szFirst)
    {
        Put_Player(nTeam, nSlot, nID, nPosition);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
    }

    static std::string Expand(const std::string& Text, std::initializer_list<std::pair<int, int>> Page = {})
    {
        HTML_TEMPLATE_PARAMS Params;
        int n = 0;
        for (const auto& Group : Page) {
            Params.nCode[n] = Group.first;
            Params.nValue[n] = Group.second;
            ++n;
        }
        return Expand_Html_Template(Text, Params, n, "test.template");
    }

    static std::string Row_Groups(int nTable, const HTML_TEMPLATE_PARAMS& Table, int nRow,
                                  const std::vector<TEMPLATE_PLAYER_ENTRY>& Players = {})
    {
        std::string Tag = "<qlv:var X>";
        Format_Template_Parameters(Tag, nTable, Table, nRow, Players);
        return Tag;
    }

    static HTML_TEMPLATE_PARAMS Params(std::initializer_list<std::pair<int, int>> Groups)
    {
        HTML_TEMPLATE_PARAMS P;
        int n = 0;
        for (const auto& Group : Groups) {
            P.nCode[n] = Group.first;
            P.nValue[n] = Group.second;
            ++n;
        }
        return P;
    }
};

}  // namespace

TEST_F(HtmlTemplateTest, ParameterGroupsParseIntoSixSlotsWithTheLastGroupLast)
{
    const char* const KEYS[] = {"GAME", "TEAM",  "WEEK",   "PLAYER", "STAT",       "LEAGUE", "DIVIS",
                                "POS",  "COUNT", "SEASON", "TYPE",   "LEADERSTAT", "PLAY"};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(Get_Template_Parameter_Code(std::string(KEYS[i]) + "=1"), i + 1) << KEYS[i];
    EXPECT_EQ(Get_Template_Parameter_Code("team=1"), -1);   // case counts
    EXPECT_EQ(Get_Template_Parameter_Code("COLOR=1"), -1);
    EXPECT_EQ(Get_Template_Parameter_Code("TEAM"), -1);
    EXPECT_EQ(Get_Template_Parameter_Value("TEAM=-17"), -17);
    EXPECT_EQ(Get_Template_Parameter_Value("TEAM=42x"), 42);
    EXPECT_EQ(Get_Template_Parameter_Value("TEAM=x"), 0);
    EXPECT_EQ(Get_Template_Parameter_Value("TEAM=99999999999"), 2147483647);
    EXPECT_EQ(Get_Template_Parameter_Value("TEAM=-99999999999"), -2147483647 - 1);

    std::string Tag = "Name[TEAM=3][SEASON=-1][TEAM=9]";
    HTML_TEMPLATE_PARAMS P;
    Parse_Template_Parameters(Tag, P);
    EXPECT_EQ(Tag, "Name");
    EXPECT_EQ(P.nCode[3], TP_TEAM);
    EXPECT_EQ(P.nValue[3], 3);
    EXPECT_EQ(P.nCode[4], TP_SEASON);
    EXPECT_EQ(P.nValue[4], -1);
    EXPECT_EQ(P.nCode[5], TP_TEAM);
    EXPECT_EQ(P.nValue[5], 9);
    EXPECT_EQ(P.nCode[0], 0);
    // The group written first wins among repeated keys; an absent one is -100.
    EXPECT_EQ(Get_Template_Parameter(P, TP_TEAM), 3);
    EXPECT_EQ(Get_Template_Parameter(P, TP_GAME), TEMPLATE_ABSENT);

    // Seven groups: the first stays part of the name.
    Tag = "N[GAME=1][TEAM=2][WEEK=3][PLAYER=4][STAT=5][LEAGUE=6][DIVIS=7]";
    Parse_Template_Parameters(Tag, P);
    EXPECT_EQ(Tag, "N[GAME=1]");
    EXPECT_EQ(Get_Template_Parameter(P, TP_GAME), TEMPLATE_ABSENT);
    EXPECT_EQ(Get_Template_Parameter(P, TP_DIVIS), 7);
    // An unknown key takes its slot and is never found.
    Tag = "N[COLOR=4][POS=2]";
    Parse_Template_Parameters(Tag, P);
    EXPECT_EQ(P.nCode[4], -1);
    EXPECT_EQ(Get_Template_Parameter(P, -1), 4);
    EXPECT_EQ(Get_Template_Parameter(P, TP_POS), 2);
    // A "]" with no "[" ends the parse; the name keeps it.
    Tag = "N]";
    Parse_Template_Parameters(Tag, P);
    EXPECT_EQ(Tag, "N]");

    Tag = "<qlv:var Year>";
    Get_Template_Parameter_Name(Tag, -2, TP_SEASON);
    Get_Template_Parameter_Name(Tag, 7, TP_PLAY);
    EXPECT_EQ(Tag, "<qlv:var Year[SEASON=-2][PLAY=7]>");
}

TEST_F(HtmlTemplateTest, TagKindsByTheirFirstCharacters)
{
    EXPECT_EQ(Find_Template_Tag("<qlv:var>"), TAG_PLAIN);   // nine characters
    EXPECT_EQ(Find_Template_Tag("<qlv:var >"), TAG_VARIABLE);
    EXPECT_EQ(Find_Template_Tag("<qlv:table x>"), TAG_TABLE);
    EXPECT_EQ(Find_Template_Tag("</qlv:table>"), TAG_TABLE_END);
    EXPECT_EQ(Find_Template_Tag("<QLV:VAR Year>"), TAG_PLAIN);
    EXPECT_EQ(Find_Template_Tag("<table class=x>"), TAG_PLAIN);
    std::string Tag = "<qlv:var Year>";
    Strip_Template_Tag(Tag, TAG_VARIABLE);
    EXPECT_EQ(Tag, "Year");
    Tag = "<qlv:table tPlayers>";
    Strip_Template_Tag(Tag, TAG_TABLE);
    EXPECT_EQ(Tag, "tPlayers");
    Tag = "<qlv:var >";
    Strip_Template_Tag(Tag, TAG_VARIABLE);
    EXPECT_EQ(Tag, "");
    for (int i = 1; i <= 10; ++i) {
        const char* const NAMES[] = {"tDivisionStanding", "tGameByGame", "tPlayers",       "tLeaders",
                                     "tPlayerStats",      "tWeekGames",  "tTeamSummary",   "tPlayersByName",
                                     "tPlayoffGameByGame", "tGamePlays"};
        EXPECT_EQ(Get_Template_Table_Id(NAMES[i - 1]), i);
    }
    EXPECT_EQ(Get_Template_Table_Id("tplayers"), -1);
    EXPECT_EQ(Get_Template_Leader_Table_Stat(0), 10);
    EXPECT_EQ(Get_Template_Leader_Table_Stat(6), 1);
    EXPECT_EQ(Get_Template_Leader_Table_Stat(8), 4);
    EXPECT_EQ(Get_Template_Leader_Table_Stat(9), 4);
    EXPECT_EQ(Get_Template_Leader_Table_Stat(40), 4);
}

TEST_F(HtmlTemplateTest, VariablesTakeTheirOwnGroupsBeforeThePagesAndEndsStayAsWritten)
{
    // Plain text and plain tags are copied byte for byte; the page ends as
    // the template does.
    EXPECT_EQ(Expand("<p class=a>x\r\n<qlv:var>y"), "<p class=a>x\r\n<qlv:var>y");
    EXPECT_EQ(Expand("a<qlv:var >b"), "ab");
    EXPECT_EQ(Expand("<b>"), "<b>");
    // Current year 2021; the page's SEASON fills in what the tag lacks.
    EXPECT_EQ(Expand("<qlv:var Year>", {{TP_SEASON, 1}}), "2020");
    EXPECT_EQ(Expand("<qlv:var Year[SEASON=2]>", {{TP_SEASON, 0}}), "2019");
    // Without SEASON: -100 seasons back.
    EXPECT_EQ(Expand("<qlv:var Year>"), "2121");
    EXPECT_EQ(Expand("<qlv:var TeamPointsFor[TEAM=1]>"), "-");
    EXPECT_EQ(Expand("<qlv:var TeamPointsAgainst[TEAM=1][SEASON=3]>"), "-");
    EXPECT_EQ(Expand("<qlv:var Count>", {{TP_WEEK, 4}}), "5");
    // Club and player names, by the page's TEAM and PLAYER.
    EXPECT_EQ(Expand("<qlv:var TeamFullName>|<qlv:var TeamCityName>|<qlv:var TeamName>", {{TP_TEAM, 2}}),
              "Corvale Hawks|Corvale|Hawks");
    EXPECT_EQ(Expand("<qlv:var PlayerName>", {{TP_TEAM, 0}, {TP_PLAYER, 3}}), "Abe Quill");
    EXPECT_EQ(Expand("[<qlv:var PlayerName[PLAYER=50]>]", {{TP_TEAM, 0}}), "[]");
    // A stray end tag vanishes.
    EXPECT_EQ(Expand("a</qlv:table>b"), "ab");
    EXPECT_TRUE(Get_Template_Problems().empty());
}

TEST_F(HtmlTemplateTest, NamesFromTheLeagueAreEscapedInTextAndAttributes)
{
    Set_Team_String("A&B <\"C\">", 3, TEAM_STRING_CITY);
    EXPECT_EQ(Expand("<b><qlv:var TeamCityName[TEAM=3]></b>"), "<b>A&amp;B &lt;&quot;C&quot;&gt;</b>");
    Set_Player_Last_Name(1, 1, "O'Neil & Sons");
    EXPECT_EQ(Expand("<qlv:var PlayerName[TEAM=1][PLAYER=1]>"), "Fox O'Neil &amp; Sons");
}

TEST_F(HtmlTemplateTest, WhatATemplateGetsWrongIsExpandedAsDocumentedAndLoggedWithItsLine)
{
    // An unknown variable: its bare name, without prefix or groups.
    EXPECT_EQ(Expand("a\nb <qlv:var Colour[TEAM=1]> c", {{TP_SEASON, 0}}), "a\nb Colour c");
    ASSERT_EQ(Get_Template_Problems().size(), 1u);
    EXPECT_EQ(Get_Template_Problems()[0], "test.template:2: unknown variable \"Colour\"");
    Clear_Template_Problems();

    // An unknown table: nothing of its block; the text after it follows.
    EXPECT_EQ(Expand("x\n\n<qlv:table tNothing>row <qlv:var Year></qlv:table>y"), "x\n\ny");
    ASSERT_EQ(Get_Template_Problems().size(), 1u);
    EXPECT_EQ(Get_Template_Problems()[0], "test.template:3: unknown table \"tNothing\"; its block is left out");
    Clear_Template_Problems();

    // An unknown key: logged, never found (Year counts SEASON as absent).
    EXPECT_EQ(Expand("<qlv:var Year[SEASONS=1]>"), "2121");
    ASSERT_EQ(Get_Template_Problems().size(), 1u);
    EXPECT_NE(Get_Template_Problems()[0].find("unknown parameter [SEASONS=1]"), std::string::npos);
    Clear_Template_Problems();
    EXPECT_EQ(Expand("<qlv:var Year[SEASON=1x]>"), "2020");
    ASSERT_EQ(Get_Template_Problems().size(), 1u);
    EXPECT_NE(Get_Template_Problems()[0].find("is not a whole number"), std::string::npos);
    Clear_Template_Problems();

    // A tag left open: the rest of the text, with ">" added.
    EXPECT_EQ(Expand("x <b class=y"), "x <b class=y>");
    EXPECT_EQ(Expand("x <qlv:var Year[SEASON=0]"), "x 2021");
    ASSERT_EQ(Get_Template_Problems().size(), 2u);
    EXPECT_EQ(Get_Template_Problems()[1], "test.template:1: a tag is not closed before the end of the text");
    Clear_Template_Problems();

    // A table with no end tag takes the rest as its block: each row
    // expands it once and the page ends after the last row.
    EXPECT_EQ(Expand("<qlv:table tTeamSummary[TEAM=0]>[<qlv:var Year>]"), "[2021][2020][2019]");
    ASSERT_EQ(Get_Template_Problems().size(), 1u);
    EXPECT_NE(Get_Template_Problems()[0].find("has no end tag"), std::string::npos);
}

TEST_F(HtmlTemplateTest, TablesRepeatTheirBlockWithTheRowGroupsAndNestInsideTheEnclosingBlock)
{
    // tTeamSummary: season index + 1 rows, SEASON = r.
    EXPECT_EQ(Expand("<qlv:table tTeamSummary>(<qlv:var TeamName> <qlv:var Year>)</qlv:table>.", {{TP_TEAM, 1}}),
              "(Gulls 2021)(Gulls 2020)(Gulls 2019).");
    // Row groups come after a variable's own, which win.
    EXPECT_EQ(Expand("<qlv:table tTeamSummary[TEAM=1]><qlv:var Year[SEASON=0]></qlv:table>"), "202120212021");
    // tGameByGame: the current week's number of rows, WEEK = r.
    EXPECT_EQ(Expand("<qlv:table tGameByGame[TEAM=0]><qlv:var Count></qlv:table>"), "12345");
    // A zero-row table writes nothing between its tags.
    EXPECT_EQ(Expand("a<qlv:table tPlayers[TEAM=3][POS=-1]>row</qlv:table>b"), "ab");
    // Variables inside a block get no page groups: only their own and the row's.
    EXPECT_EQ(Expand("<qlv:table tPlayers[POS=0]><qlv:var PlayerName>;<qlv:var Count></qlv:table>", {{TP_TEAM, 0}, {TP_WEEK, 3}}),
              "Ada Quill;-99Abe Quill;-99");
    // A table inside a block has no end tag of its own: it runs to the
    // enclosing end tag and gets no row groups of the enclosing table.
    EXPECT_EQ(Expand("<qlv:table tPlayers[TEAM=1][POS=-1]>[<qlv:var PlayerName>"
                     "<qlv:table tTeamSummary[TEAM=2]>(<qlv:var TeamName>)</qlv:table>|"),
              "[Eli Quarry(Hawks)(Hawks)(Hawks)[Fox Avery(Hawks)(Hawks)(Hawks)|");
    EXPECT_TRUE(Get_Template_Problems().empty()) << Get_Template_Problems().front();
}

TEST_F(HtmlTemplateTest, EachTableCountsItsRowsAndGivesItsRowGroups)
{
    std::vector<TEMPLATE_PLAYER_ENTRY> Players;

    // tDivisionStanding: the division's teams; a past season is ordered by
    // its wins (season index 2 - SEASON 1 = season 1).
    Clear_Standings_Order();
    Set_Season_Record(0, 1, 3, 9, 0);
    Set_Season_Record(1, 1, 10, 2, 0);
    Set_Season_Record(2, 1, 1, 11, 0);
    Set_Season_Record(3, 1, 7, 5, 0);
    const HTML_TEMPLATE_PARAMS Division = Params({{TP_DIVIS, 0}, {TP_SEASON, 1}});
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_DIVISION_STANDING, Division, Players), 4);
    EXPECT_EQ(Row_Groups(TABLE_DIVISION_STANDING, Division, 0), "<qlv:var X[TEAM=1][SEASON=1]>");
    EXPECT_EQ(Row_Groups(TABLE_DIVISION_STANDING, Division, 1), "<qlv:var X[TEAM=3][SEASON=1]>");
    EXPECT_EQ(Row_Groups(TABLE_DIVISION_STANDING, Division, 3), "<qlv:var X[TEAM=2][SEASON=1]>");
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_DIVISION_STANDING, Params({{TP_DIVIS, 1}}), Players), 0);

    // tGameByGame: the weeks played of the regular season (R = 17), no more:
    // the playoff games have their own table.
    const HTML_TEMPLATE_PARAMS Team0 = Params({{TP_TEAM, 0}});
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_GAME_BY_GAME, Team0, Players), 5);
    EXPECT_EQ(Row_Groups(TABLE_GAME_BY_GAME, Team0, 4), "<qlv:var X[WEEK=4][TEAM=0]>");
    Set_User_Preference(PREF_CURRENT_WEEK, 17);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_GAME_BY_GAME, Team0, Players), 17);
    Set_User_Preference(PREF_CURRENT_WEEK, 20);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_GAME_BY_GAME, Team0, Players), 17);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_GAME_BY_GAME, Team0, Players), 17);

    // tPlayoffGameByGame: none before the playoffs; then a row for each
    // playoff week played in which the club had a game. Club 0 sat out the
    // wild-card week (17) and played in week 18, reaching slot 24.
    Set_User_Preference(PREF_CURRENT_WEEK, 16);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYOFF_GAME_BY_GAME, Team0, Players), 0);
    for (int t = 0; t < 4; ++t) {
        Set_Team_Schedule_Stat(t, 17, SCHEDULE_GAME_INDEX, t < 2 ? -1 : 40);
        Set_Team_Schedule_Stat(t, 18, SCHEDULE_GAME_INDEX, 41 + t / 2);
    }
    Put_Game(40, 3, 2, 10, 20, 17);
    Put_Game(41, 1, 0, 10, 20, 18);
    Put_Game(42, 2, 3, 10, 20, 18);
    Set_Playoff_Team(17, 0);
    Set_Playoff_Team(24, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, 19);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYOFF_GAME_BY_GAME, Team0, Players), 1);
    EXPECT_EQ(Row_Groups(TABLE_PLAYOFF_GAME_BY_GAME, Team0, 0), "<qlv:var X[TEAM=0][WEEK=18]>");
    Set_User_Preference(PREF_CURRENT_WEEK, 5);

    // tPlayers: one team in roster order by position or group; all teams sorted.
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYERS, Params({{TP_TEAM, 0}, {TP_POS, 0}}), Players), 2);
    EXPECT_EQ(Row_Groups(TABLE_PLAYERS, Params({{TP_TEAM, 0}, {TP_POS, 0}}), 1, Players),
              "<qlv:var X[PLAYER=3][TEAM=0][SEASON=0]>");
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYERS, Params({{TP_TEAM, 0}, {TP_POS, 17}}), Players), 1);
    EXPECT_EQ(Players[0].nSlot, 1);   // the guard is an offensive lineman
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYERS, Params({{TP_TEAM, 0}, {TP_POS, 16}}), Players), 1);
    EXPECT_EQ(Players[0].nSlot, 2);   // the linebacker is a defender
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYERS, Params({{TP_TEAM, -1}, {TP_POS, 0}}), Players), 3);
    // Quarry Eli, then Quill Abe before Quill Ada.
    ASSERT_EQ(Players.size(), 3u);
    EXPECT_EQ(Players[0].nTeam * 100 + Players[0].nSlot, 100);
    EXPECT_EQ(Players[1].nTeam * 100 + Players[1].nSlot, 3);
    EXPECT_EQ(Players[2].nTeam * 100 + Players[2].nSlot, 0);
    // An absent POS is no position: nobody.
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYERS, Params({{TP_TEAM, 0}}), Players), 0);

    // tPlayersByName: TYPE 81 "Q", capital only, sorted by last then first name.
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYERS_BY_NAME, Params({{TP_TYPE, 'Q'}}), Players), 3);
    EXPECT_EQ(Row_Groups(TABLE_PLAYERS_BY_NAME, Params({{TP_TYPE, 'Q'}}), 0, Players),
              "<qlv:var X[PLAYER=0][TEAM=1][SEASON=0]>");
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYERS_BY_NAME, Params({{TP_TYPE, 'q'}}), Players), 1);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYERS_BY_NAME, Params({{TP_TYPE, 'Z'}}), Players), 0);

    // tLeaders: ten rows, COUNT = r.
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_LEADERS, Params({{TP_LEAGUE, 2}, {TP_SEASON, -1}}), Players), 10);
    EXPECT_EQ(Row_Groups(TABLE_LEADERS, Params({}), 9), "<qlv:var X[COUNT=9]>");

    // tPlayerStats: a row per past season (SEASON 4 + r), then the career (2).
    Stamp_Season_Line(40, 2019, 0, 0, 16);
    Stamp_Season_Line(41, 2020, 0, 0, 15);
    Set_Player_Season_Link(0, 0, 0, 40);
    Set_Player_Season_Link(0, 0, 1, 41);
    const HTML_TEMPLATE_PARAMS Quill = Params({{TP_TEAM, 0}, {TP_PLAYER, 0}});
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYER_STATS, Quill, Players), 3);
    EXPECT_EQ(Row_Groups(TABLE_PLAYER_STATS, Quill, 1), "<qlv:var X[SEASON=5][TEAM=0][PLAYER=0]>");
    EXPECT_EQ(Row_Groups(TABLE_PLAYER_STATS, Quill, 2), "<qlv:var X[SEASON=2][TEAM=0][PLAYER=0]>");
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYER_STATS, Params({{TP_TEAM, 0}, {TP_PLAYER, 1}}), Players), 1);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_PLAYER_STATS, Params({{TP_TEAM, 0}, {TP_PLAYER, 9}}), Players), 0);

    // tWeekGames: a playoff week's games as its records hold them (one in
    // the wild-card week above, two in week 18); a round not played yet its
    // usual count; none after the last playoff week.
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_WEEK_GAMES, Params({{TP_WEEK, 17}}), Players), 1);
    EXPECT_EQ(Row_Groups(TABLE_WEEK_GAMES, Params({{TP_WEEK, 17}}), 0), "<qlv:var X[GAME=40]>");
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_WEEK_GAMES, Params({{TP_WEEK, 18}}), Players), 2);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_WEEK_GAMES, Params({{TP_WEEK, 30}}), Players), 0);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_WEEK_GAMES, Params({}), Players), 0);
    EXPECT_EQ(Row_Groups(TABLE_WEEK_GAMES, Params({{TP_WEEK, 0}}), 2), "<qlv:var X[GAME=2]>");

    // tTeamSummary: season index + 1 rows.
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_TEAM_SUMMARY, Team0, Players), 3);
    EXPECT_EQ(Row_Groups(TABLE_TEAM_SUMMARY, Team0, 2), "<qlv:var X[TEAM=0][SEASON=2]>");

    // tGamePlays: the record's plays; GAME outside the records none.
    Put_Game(7, 0, 1, 10, 3).nPlays = 123;
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_GAME_PLAYS, Params({{TP_GAME, 7}}), Players), 123);
    EXPECT_EQ(Row_Groups(TABLE_GAME_PLAYS, Params({{TP_GAME, 7}}), 122), "<qlv:var X[GAME=7][PLAY=122]>");
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_GAME_PLAYS, Params({}), Players), 0);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_GAME_PLAYS, Params({{TP_GAME, -1}}), Players), 0);
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_GAME_PLAYS, Params({{TP_GAME, 300}}), Players), 0);
    EXPECT_EQ(Errors_Reported(), 0);

    EXPECT_EQ(Count_Template_Table_Rows(11, Team0, Players), -1);
}

// A club that joined the league later has no row in the standings of a
// season before it joined, nor a row for that season on its own page; the
// current season lists every club.
TEST_F(HtmlTemplateTest, APastSeasonListsOnlyTheClubsThatPlayedIt)
{
    // The Ibis joined this season, the Hawks last season.
    Set_Season_Record(3, 0, 0, 0, 0);
    Set_Season_Record(3, 1, 0, 0, 0);
    Set_Season_Record(2, 0, 0, 0, 0);
    Set_Season_Record(0, 1, 3, 9, 0);
    Set_Season_Record(1, 1, 10, 2, 0);
    Set_Season_Record(2, 1, 1, 11, 0);
    Clear_Standings_Order();
    std::vector<TEMPLATE_PLAYER_ENTRY> Players;

    EXPECT_EQ(Expand("<qlv:table tDivisionStanding[DIVIS=0][SEASON=1]>(<qlv:var TeamName>)</qlv:table>"),
              "(Gulls)(Foxes)(Hawks)");
    EXPECT_EQ(Expand("<qlv:table tDivisionStanding[DIVIS=0][SEASON=2]>(<qlv:var TeamName>)</qlv:table>"),
              "(Foxes)(Gulls)");
    const HTML_TEMPLATE_PARAMS Now = Params({{TP_DIVIS, 0}, {TP_SEASON, 0}});
    EXPECT_EQ(Count_Template_Table_Rows(TABLE_DIVISION_STANDING, Now, Players), 4);
    std::string Listed;
    for (int r = 0; r < 4; ++r)
        Listed += Row_Groups(TABLE_DIVISION_STANDING, Now, r);
    EXPECT_NE(Listed.find("[TEAM=3][SEASON=0]"), std::string::npos) << Listed;

    EXPECT_EQ(Expand("<qlv:table tTeamSummary[TEAM=3]>(<qlv:var Year>)</qlv:table>"), "(2021)");
    EXPECT_EQ(Expand("<qlv:table tTeamSummary[TEAM=2]>(<qlv:var Year>)</qlv:table>"), "(2021)(2020)");
    EXPECT_EQ(Row_Groups(TABLE_TEAM_SUMMARY, Params({{TP_TEAM, 2}}), 1), "<qlv:var X[TEAM=2][SEASON=1]>");
    EXPECT_EQ(Expand("<qlv:table tTeamSummary[TEAM=1]>(<qlv:var Year>)</qlv:table>"), "(2021)(2020)(2019)");
    EXPECT_TRUE(Get_Template_Problems().empty()) << Get_Template_Problems().front();
    EXPECT_EQ(Errors_Reported(), 0);
}

// A season's leaders page reads that season, the best-season page each
// player's best season with its year (the page's first table: rushes).
TEST_F(HtmlTemplateTest, LeaderPagesOfASeasonAndOfTheBestSeasonsAreFilled)
{
    // 2020, one season ago: Avery rushed 30 times for Brask.
    Stamp_Season_Line(40, 2020, 0, 1, 16);
    Set_Season_Line_Stat(40, STAT_RUSHING_ATTEMPTS, 30);
    Set_Player_Season_Link(1, 1, 0, 40);
    const std::string Table =
        "<qlv:table tLeaders><qlv:var LeaderName>:<qlv:var LeaderStat><qlv:var LeaderStatYear>;</qlv:table>";
    std::string Empty;
    for (int r = 0; r < 9; ++r)
        Empty += ":;";
    EXPECT_EQ(Expand(Table, {{TP_LEAGUE, 2}, {TP_SEASON, 1}}), "Avery, Fox:30;" + Empty);
    EXPECT_EQ(Expand(Table, {{TP_LEAGUE, 2}, {TP_SEASON, -2}}), "Avery, Fox:30(2020);" + Empty);
    EXPECT_EQ(Expand(Table, {{TP_LEAGUE, 2}, {TP_SEASON, 2}}), ":;" + Empty);
    EXPECT_EQ(Expand(Table, {{TP_LEAGUE, 2}, {TP_SEASON, 0}}), ":;" + Empty);
}

TEST_F(HtmlTemplateTest, HostileTemplatesNeverCrashAndStopNestingAtTheLimit)
{
    // Tables nested five deep (tLeaders of ten rows): the fifth is left out.
    std::string Text;
    for (int i = 0; i < 5; ++i)
        Text += "<qlv:table tLeaders>";
    Text += "x</qlv:table>";
    const std::string Page = Expand(Text);
    EXPECT_EQ(Page, "");   // the innermost block held the only text
    ASSERT_FALSE(Get_Template_Problems().empty());
    EXPECT_NE(Get_Template_Problems().back().find("nested deeper than 4"), std::string::npos);
    Clear_Template_Problems();
    // Bytes of every value, brackets and signs without a closing ">".
    std::string Junk;
    for (int i = 0; i < 256; ++i)
        Junk += static_cast<char>(i);
    Junk += "<qlv:var [[[=]=]-][TEAM=][=5]<qlv:table ]]><qlv:table tPlayers[TEAM=-1][POS=-1]>[";
    EXPECT_NO_FATAL_FAILURE(Expand(Junk, {{TP_TEAM, 1000}, {TP_GAME, -5}, {TP_PLAY, 99999}}));
}
