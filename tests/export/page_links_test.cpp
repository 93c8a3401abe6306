#include <gtest/gtest.h>

#include <string>

#include "export/html_template.h"
#include "export/page_links.h"
#include "export/template_variables.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "pieces_fixture.h"

namespace {

int Count_Of(const std::string& Text, const std::string& Part)
{
    int n = 0;
    for (size_t i = Text.find(Part); i != std::string::npos; i = Text.find(Part, i + 1))
        ++n;
    return n;
}

using PageLinksTest = PiecesTest;

TEST_F(PageLinksTest, TeamAndGameLinksKeepTheirForm)
{
    std::string Out;
    Format_Team_Ref(Out, 0, -1, 1);
    EXPECT_EQ(Out, "<a href=\"..\\teams\\Chicago Bears.htm\">");
    Format_Team_Ref(Out, 0, 0, 0);
    EXPECT_EQ(Out, "<a href=\".\\TeamsDetail\\Chicago Bears 2019.htm\">");
    // The year is always the current one.
    Format_Team_Ref(Out, 1, 3, 1);
    EXPECT_EQ(Out, "<a href=\"..\\TeamsDetail\\Green Bay Packers 2019.htm\">");

    Format_Game_Detail_Ref(Out, 5, 1);
    EXPECT_EQ(Out, "<a href=\"..\\GameDetails\\G-19-005.htm\">");
    Format_Game_Detail_Ref(Out, 123, 0);
    EXPECT_EQ(Out, "<a href=\".\\GameDetails\\G-19-123.htm\">");
    EXPECT_EQ(Game_Page_Name(7), "G-19-007");

    // Record 3: NYG at CHI; side 0 is the first (away) team.
    Format_Game_Team_Ref(Out, 3, 0);
    EXPECT_EQ(Out, "<a href=\"..\\TeamsDetail\\New York Giants 2019.htm\">");
    Format_Game_Team_Ref(Out, 3, 1);
    EXPECT_EQ(Out, "<a href=\"..\\TeamsDetail\\Chicago Bears 2019.htm\">");
    Out = Kept();
    Format_Game_Team_Ref(Out, -100, 0);
    EXPECT_EQ(Out, "<a>");

    // Week 1: CHI plays NYG; week 2 has no game.
    Format_Opponent_Ref(Out, 1, 0, 0);
    EXPECT_EQ(Out, "<a href=\".\\teams\\New York Giants.htm\">");
    Format_Opponent_Ref(Out, 0, 1, 1);
    EXPECT_EQ(Out, "<a href=\"..\\teams\\Chicago Bears.htm\">");
    Out = Kept();
    Format_Opponent_Ref(Out, 2, 0, 0);
    EXPECT_EQ(Out, "<a>");
    Out = Kept();
    Format_Opponent_Ref(Out, -100, 0, 0);
    EXPECT_EQ(Out, "<a>");
    EXPECT_EQ(Errors_Reported(), 0);
}

// A club's points in a season as the "TeamPointsFor" variable gives them.
std::string Points_For(int nTeam, int nSeason)
{
    HTML_TEMPLATE_PARAMS Params;
    Params.nCode[0] = TP_TEAM;
    Params.nValue[0] = nTeam;
    Params.nCode[1] = TP_SEASON;
    Params.nValue[1] = nSeason;
    std::string Out;
    Expand_Template_Variable_Text("TeamPointsFor", Params, Out);
    return Out;
}

TEST_F(PageLinksTest, InTheOffSeasonTheGamesKeptCarryTheYearTheyWerePlayed)
{
    // Week 5 of 2019: the records are this season's.
    std::string Out;
    EXPECT_EQ(Get_Game_Records_Season(), 0);
    EXPECT_EQ(Get_Game_Records_Year(), 2019);
    EXPECT_EQ(Count_Season_Detail_Pages(), 5);
    EXPECT_EQ(Points_For(0, 0), "31");   // CHI: 10 at GB, 21 against NYG
    EXPECT_EQ(Points_For(0, 1), "-");

    // The off-season after it: the season index is 2020's, the records and
    // the club season pages still 2019's, with all its 17 + 4 weeks.
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_EQ(Get_Game_Records_Season(), 1);
    EXPECT_EQ(Get_Game_Records_Year(), 2019);
    EXPECT_EQ(Count_Season_Detail_Pages(), 21);
    EXPECT_EQ(Game_Page_Name(7), "G-19-007");
    Format_Team_Ref(Out, 0, 1, 0);
    EXPECT_EQ(Out, "<a href=\".\\TeamsDetail\\Chicago Bears 2019.htm\">");
    EXPECT_EQ(Points_For(0, 1), "31");
    EXPECT_EQ(Points_For(0, 0), "0");   // 2020 has played nothing
    EXPECT_EQ(Points_For(0, 2), "-");

    // A club's game of a week, from its schedule; none in a week without.
    Format_Schedule_Game_Ref(Out, 0, 1, 1);
    EXPECT_EQ(Out, "<a href=\"..\\GameDetails\\G-19-003.htm\">");
    Format_Schedule_Game_Ref(Out, 2, 0, 0);
    EXPECT_EQ(Out, "<a href=\".\\GameDetails\\G-19-001.htm\">");
    Out = Kept();
    Format_Schedule_Game_Ref(Out, 0, 2, 1);
    EXPECT_EQ(Out, "<a>");
    Out = Kept();
    Format_Schedule_Game_Ref(Out, 0, -100, 1);
    EXPECT_EQ(Out, "<a>");
    Out = Kept();
    Format_Game_Detail_Ref(Out, -100, 1);
    EXPECT_EQ(Out, "<a>");

    // The new season begun: its own year again.
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    EXPECT_EQ(Get_Game_Records_Season(), 0);
    EXPECT_EQ(Get_Game_Records_Year(), 2020);
    EXPECT_EQ(Count_Season_Detail_Pages(), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PageLinksTest, PlayerLinksUseTheSafeFileNameEscaped)
{
    Add_Player(0, 0, 101, POSITION_QB, "John", "Smith");
    Add_Player(0, 1, 107, POSITION_RB, "A&B", "Smith/Jones");
    Add_Player(0, 2, 108, POSITION_WR, "Al \"Ace\"", "..");
    std::string Out;
    Format_Player_Ref(Out, 0, 0, 1);
    EXPECT_EQ(Out, "<a href=\"..\\players\\Smith, John 101.htm\">");
    Format_Player_Ref(Out, 1, 0, 0);
    EXPECT_EQ(Out, "<a href=\".\\players\\Smith_Jones, A&amp;B 107.htm\">");
    EXPECT_EQ(Player_Page_Name(0, 1), "Smith_Jones, A&B 107");
    // ".." becomes a plain file name of its own: nothing leaves the folder.
    EXPECT_EQ(Player_Page_Name(0, 2), ".., Al \"Ace\" 108");
    Format_Player_Ref(Out, 2, 0, 0);
    EXPECT_EQ(Out, "<a href=\".\\players\\.., Al &quot;Ace&quot; 108.htm\">");
    Out = Kept();
    Format_Player_Ref(Out, 3, 0, 0);
    EXPECT_EQ(Out, "<a>");

    EXPECT_EQ(Page_Name_Of(".."), "_..");
    EXPECT_EQ(Page_Name_Of("."), "_.");
    EXPECT_EQ(Page_Name_Of(""), "_");
    EXPECT_EQ(Page_Name_Of("a\\b/c\td#e?f%g"), "a_b_c_d_e_f_g");
    EXPECT_EQ(Page_Name_Of("St. Louis, \xC9toile"), "St. Louis, \xC9toile");

    Set_Team_String("Rock & <Roll>", 3, TEAM_STRING_NICKNAME);
    Format_Team_Ref(Out, 3, -1, 0);
    EXPECT_EQ(Out, "<a href=\".\\teams\\New York Rock &amp; &lt;Roll&gt;.htm\">");
    EXPECT_EQ(Team_Page_Name(3), "New York Rock & <Roll>");
    EXPECT_EQ(Escape_Html_Text("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e'f");
}

TEST_F(PageLinksTest, PlayerTeamLinkFollowsTheSeasonLine)
{
    Add_Player(2, 0, 301, POSITION_WR, "Ray", "Reed");
    Set_Season_Line_Header(10, 2018, 0, 1);   // a season with Green Bay
    Set_Season_Line_Header(11, 2016, -2, NO_TEAM);   // a college junior season
    Set_Player_Season_Link(2, 0, 0, 10);
    Set_Player_Season_Link(2, 0, 1, 11);
    std::string Out = Kept();
    Format_Player_Team_Ref(Out, 0, 2, 2);
    EXPECT_EQ(Out, "<a>");
    Format_Player_Team_Ref(Out, 0, 2, 4);
    EXPECT_EQ(Out, "<a href=\"..\\teams\\Green Bay Packers.htm\">");
    Out = Kept();
    Format_Player_Team_Ref(Out, 0, 2, 5);
    EXPECT_EQ(Out, "<a>");
    // Any other period, or a link holding no line: team slot 0.
    Format_Player_Team_Ref(Out, 0, 2, 6);
    EXPECT_EQ(Out, "<a href=\"..\\teams\\Chicago Bears.htm\">");
    Format_Player_Team_Ref(Out, 0, 2, 40);
    EXPECT_EQ(Out, "<a href=\"..\\teams\\Chicago Bears.htm\">");
}

TEST_F(PageLinksTest, StyleSheetAndLogos)
{
    std::string Out;
    Set_Html_Style_Sheet_Name("styles.css");
    Format_Css_Link(Out, 1);
    EXPECT_EQ(Out, "<LINK REL=STYLESHEET TYPE=\"text/css\" HREF=\"..\\Images\\styles.css\">");
    Set_Html_Style_Sheet_Name("dark.css");
    Format_Css_Link(Out, -100);
    EXPECT_EQ(Out, "<LINK REL=STYLESHEET TYPE=\"text/css\" HREF=\"Images\\dark.css\">");
    Set_Html_Style_Sheet_Name("styles.css");

    SCRATCH_FOLDER Folder("pieces_logo");
    Out = Kept();
    Format_Team_Logo(Out, 0);
    EXPECT_EQ(Out, "");   // no logo file: no picture, not a broken one
    ASSERT_TRUE(files::Create_Folders("logos"));
    FILE* pFile = std::fopen("logos/CHI.png", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fclose(pFile);
    pFile = std::fopen("logos/GB.gif", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fclose(pFile);
    Format_Team_Logo(Out, 0);
    EXPECT_EQ(Out, "<img src=\"..\\Logos\\CHI.png\" border=\"0\">");
    Format_Game_Team_Logo(Out, 0, 1);
    EXPECT_EQ(Out, "<img src=\"..\\Logos\\GB.gif\" border=\"0\">");
    Out = Kept();
    Format_Game_Team_Logo(Out, 0, 2);
    EXPECT_EQ(Out, "");
    Out = Kept();
    Format_Game_Team_Logo(Out, 300, 0);
    EXPECT_EQ(Out, "");
}

TEST_F(PageLinksTest, NamesOfLeaguesDivisionsPositionsAndRounds)
{
    std::string Out;
    Get_League_Name_Or_Overall(Out, 2);
    EXPECT_EQ(Out, "Overall");
    Get_League_Name_Or_Overall(Out, 0);
    EXPECT_EQ(Out, "AFC");
    Get_League_Name_Or_Overall(Out, 3);
    EXPECT_EQ(Out, "");
    EXPECT_TRUE(Last_Error_Contains("Invalid Get_League_Name(3) call."));
    Format_Division_Name(Out, 4);
    EXPECT_EQ(Out, "East");
    Format_Division_Name(Out, 8);
    EXPECT_EQ(Out, "");
    EXPECT_TRUE(Last_Error_Contains("Invalid Get_Division_Name(8) call."));

    Format_Position_Name(Out, 0);
    EXPECT_EQ(Out, "Quarterbacks");
    Format_Position_Name(Out, 4);
    EXPECT_EQ(Out, "Wide Receivers");
    Format_Position_Name(Out, 14);
    EXPECT_EQ(Out, "Punters");
    Format_Position_Name(Out, 16);
    EXPECT_EQ(Out, "Defensive Line");
    Format_Position_Name(Out, 17);
    EXPECT_EQ(Out, "Offensive Line");
    Out = Kept();
    Format_Position_Name(Out, 5);
    EXPECT_EQ(Out, Kept());

    // 17 regular weeks: week 17 is the first playoff week.
    Out = Kept();
    Format_Playoff_Game_Name(Out, 16);
    EXPECT_EQ(Out, Kept());
    Format_Is_Playoff(Out, 16);
    EXPECT_EQ(Out, "Regular Games");
    Format_Is_Playoff(Out, 17);
    EXPECT_EQ(Out, "Wildcard Games");
    Format_Playoff_Game_Name(Out, 18);
    EXPECT_EQ(Out, "Divisional Playoff");
    Format_Playoff_Game_Name(Out, 19);
    EXPECT_EQ(Out, "Championship Games");
    Format_Is_Playoff(Out, 20);
    EXPECT_EQ(Out, "Super Bowl");
    Out = Kept();
    Format_Is_Playoff(Out, 21);
    EXPECT_EQ(Out, Kept());
    // A calendar without weeks counts two.
    League.StandingsArea.nPlayoffDay[0] = 0;
    Format_Is_Playoff(Out, 2);
    EXPECT_EQ(Out, "Wildcard Games");

    Format_Overall_Teams(Out);
    EXPECT_EQ(Out, "4");
    Set_Team_String("Owner & Co", 1, TEAM_STRING_OWNER);
    Set_User_Preference(PREF_SELECTED_TEAM, 1);
    Format_Kelvo_Name(Out);
    EXPECT_EQ(Out, "Owner &amp; Co");
    EXPECT_EQ(Leaders_Page_Name(2, -1), "NFL Leaders");
    EXPECT_EQ(Leaders_Page_Name(0, -2), "AFC Leaders By Season");
    EXPECT_EQ(Leaders_Page_Name(1, 0), "NFC Leaders 2019");
}

TEST_F(PageLinksTest, SelectControls)
{
    const std::string Open = "<select onChange='OnChange(this)' ";
    const std::string Empty = "<option value=\"-100\" selected></option>";
    std::string Out;
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    Format_Select(Out, 1);
    EXPECT_EQ(Out, Open + "name=\"week\">\n" + Empty + "</select>\n");
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    Format_Select(Out, 1);
    EXPECT_EQ(Out, Open + "name=\"week\">\n" + Empty + "<option value=\"1\">Week 1</option>\n" +
                       "<option value=\"2\">Week 2</option>\n<option value=\"-1\">Week 3</option>\n</select>\n");
    Set_User_Preference(PREF_CURRENT_WEEK, 30);
    Format_Select(Out, 1);
    EXPECT_EQ(Count_Of(Out, "<option value=\"") - 1, 21);
    EXPECT_NE(Out.find("<option value=\"-1\">Week 21</option>\n</select>\n"), std::string::npos);

    Set_User_Preference(PREF_SEASON_INDEX, 2);   // 2021
    Format_Select(Out, 2);
    EXPECT_EQ(Out, Open + "name=\"season_year\">\n" + Empty + "<option value=\"-1\">\n2021</option>\n" +
                       "<option value=\"2020\">2020</option>\n<option value=\"2019\">2019</option>\n</select>\n");
    Format_Select(Out, 3);
    EXPECT_EQ(Out, Open + "name=\"leaders_year\">\n" + Empty + "<option value=\"2021\" >2021</option>\n" +
                       "<option value=\"2020\" >2020</option>\n<option value=\"2019\" >2019</option>\n</select>\n");
    Format_Select(Out, 5);
    EXPECT_NE(Out.find("<option value=\"Dallas Cowboys 2021\">Dallas Cowboys</option>\n"), std::string::npos);
    Format_Select(Out, 6);
    EXPECT_EQ(Out, Open + "name=\"leaders\">\n" + Empty + "<option value=\"2\">NFL</option>\n" +
                       "<option value=\"0\">AFC</option>\n<option value=\"1\">NFC</option>\n</select>\n");
    Format_Select(Out, 8);
    EXPECT_EQ(Count_Of(Out, "</option>\n"), 26);
    EXPECT_NE(Out.find("<option value=\"Q\">\nQ</option>\n"), std::string::npos);
    Format_Select(Out, 10);
    EXPECT_EQ(Out, Open + "</select>\n");

    // Thirty-six long team names: far past the old 2,048-byte piece buffer,
    // and nothing is cut.
    for (int t = 4; t < MAX_FRANCHISES; ++t)
        Add_Team(t, "XX", "Saint Petersburg Heights", "Thunderbolts", t % 8);
    Count_Teams();
    Set_Team_String("Last & Final", 35, TEAM_STRING_NICKNAME);
    Format_Select(Out, 4);
    EXPECT_GT(Out.size(), 2048u);
    EXPECT_EQ(Count_Of(Out, "</option>\n"), 36);
    EXPECT_NE(Out.find("<option value=\"Saint Petersburg Heights Last &amp; Final\">Saint Petersburg Heights Last "
                       "&amp; Final</option>\n</select>\n"),
              std::string::npos);
    std::string Same;
    Format_Select(Same, 9);
    EXPECT_EQ(Same.substr(Same.find("\">\n")), Out.substr(Out.find("\">\n")));
}

}  // namespace
