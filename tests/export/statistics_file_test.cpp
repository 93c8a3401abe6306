#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/statistics_file.h"
#include "league/player_stats.h"
#include "pieces_fixture.h"

namespace {

// The fields of one comma-separated line, quotes understood.
std::vector<std::string> Csv_Fields(const std::string& Line)
{
    std::vector<std::string> Fields(1);
    bool bQuoted = false;
    for (size_t i = 0; i < Line.size(); ++i) {
        const char c = Line[i];
        if (bQuoted) {
            if (c == '"' && i + 1 < Line.size() && Line[i + 1] == '"') {
                Fields.back() += '"';
                ++i;
            } else if (c == '"') {
                bQuoted = false;
            } else {
                Fields.back() += c;
            }
        } else if (c == '"') {
            bQuoted = true;
        } else if (c == ',') {
            Fields.emplace_back();
        } else if (c != '\n') {
            Fields.back() += c;
        }
    }
    return Fields;
}

std::vector<std::string> Lines_Of(const std::string& Text)
{
    std::vector<std::string> Lines;
    size_t nStart = 0;
    while (nStart < Text.size()) {
        const size_t nEnd = Text.find('\n', nStart);
        Lines.push_back(Text.substr(nStart, nEnd - nStart + 1));
        nStart = nEnd + 1;
    }
    return Lines;
}

class StatisticsFileTest : public PiecesTest {
protected:
    void SetUp() override
    {
        PiecesTest::SetUp();
        Add_Player(0, 0, 101, POSITION_QB, "John", "Smith");
        Stats(0, 0, {{STAT_GAMES_PLAYED, 5}, {STAT_PASS_ATTEMPTS, 100}, {STAT_PASS_COMPLETIONS, 60},
                     {STAT_PASSING_YARDS, 700}, {STAT_PASSING_TOUCHDOWNS, 5}, {STAT_RUSHING_ATTEMPTS, 10},
                     {STAT_RUSHING_YARDS, 35}, {STAT_RUSHING_TOUCHDOWNS, 1}, {STAT_FUMBLES_LOST, 2}});
        Add_Player(0, 1, 102, POSITION_WR, "Zed", "Zimmer");
        // A receiver's slots 2-6 hold his own figures (targets, yards after
        // the catch ...), not passing.
        Stats(0, 1, {{STAT_GAMES_PLAYED, 4}, {STAT_RECEPTIONS, 20}, {STAT_RECEIVING_YARDS, 250},
                     {STAT_RECEIVING_TOUCHDOWNS, 2}, {2, 7}, {3, 5}, {STAT_TARGETS, 30}, {5, 44},
                     {STAT_YARDS_AFTER_CATCH, 90}});
        Add_Player(0, 2, 103, POSITION_WR, "Maximilian", "Zwickenhauserberg");
        Stats(0, 2, {{STAT_GAMES_PLAYED, 1}});
        Add_Player(0, 3, 104, POSITION_RB, "Nat", "Nogames");
        Add_Player(0, 4, 105, POSITION_LB, "Lee", "Backer");
        Stats(0, 4, {{STAT_GAMES_PLAYED, 5}, {STAT_SOLO_TACKLES, 30}, {STAT_TACKLE_ASSISTS, 10}, {STAT_SACKS, 2}});
        Add_Player(0, 5, 106, POSITION_TE, "Al", "adams");
        Stats(0, 5, {{STAT_GAMES_PLAYED, 2}});
        Add_Player(1, 0, 201, POSITION_RB, "Gus", "O\"Neil, Jr");
        Stats(1, 0, {{STAT_GAMES_PLAYED, 3}, {STAT_RUSHING_ATTEMPTS, 30}, {STAT_RUSHING_YARDS, 120}});
        Add_Player(3, 0, 401, POSITION_K, "Kay", "Kicker");
        Stats(3, 0, {{STAT_GAMES_PLAYED, 5}, {STAT_FIELD_GOAL_ATTEMPTS_BAND_1, 4}, {STAT_FIELD_GOALS_MADE_BAND_1, 3},
                     {STAT_FIELD_GOAL_ATTEMPTS_BAND_3, 2}, {STAT_FIELD_GOALS_MADE_BAND_3, 1},
                     {STAT_LONGEST_FIELD_GOAL, 48}, {STAT_PAT_ATTEMPTS, 11}, {STAT_PATS_MADE, 10}});
        Clear_Errors();
    }

    static void Stats(int nTeam, int nSlot, std::initializer_list<std::pair<int, int>> Values)
    {
        for (const auto& Value : Values)
            Set_Player_Stat(nTeam, nSlot, 0, Value.first, Value.second);
    }

    // The first cell of each row after the heading.
    static std::vector<std::string> Names_Listed(const std::string& Text)
    {
        std::vector<std::string> Names;
        const std::vector<std::string> Lines = Lines_Of(Text);
        for (size_t i = 1; i < Lines.size(); ++i)
            Names.push_back(Lines[i].substr(0, Lines[i].find('\t')));
        return Names;
    }

    static std::string Write(int nSelection, int nSection, int nSort, int nFormat)
    {
        EXPECT_EQ(Write_Player_Stats_File("stats.txt", nSelection, 0, nSection, nSort, nFormat), 1);
        return Read_Text_File("stats.txt");
    }
};

TEST_F(StatisticsFileTest, SelectionSortAndTheLastNameKey)
{
    SCRATCH_FOLDER Folder("stats_sort");
    // (2793 - 30 c1 - c2) x 30 - c3 with every letter in upper case; a quote
    // after the first letter counts as "@", just below "A".
    EXPECT_EQ(Get_Player_Sort_Value(0, 5, 0, STATS_SORT_LAST_NAME), (2793 - 30 * 'A' - 'D') * 30 - 'A');
    EXPECT_EQ(Get_Player_Sort_Value(0, 2, 0, STATS_SORT_LAST_NAME), 107);   // "ZWI", negative before
    EXPECT_EQ(Get_Player_Sort_Value(1, 0, 0, STATS_SORT_LAST_NAME), (2793 - 30 * 'O' - '@') * 30 - 'N');
    EXPECT_EQ(Get_Player_Sort_Value(0, 3, 0, STATS_SORT_LAST_NAME), -1);   // no game
    EXPECT_EQ(Get_Player_Sort_Value(1, 0, 0, STATS_SORT_TEAM), 1);
    EXPECT_EQ(Get_Player_Sort_Value(1, 0, 0, STAT_RUSHING_YARDS), 120);

    // All teams (4 teams + 2 leagues = selection 6), offence, by last name.
    EXPECT_EQ(Names_Listed(Write(6, STATS_SECTION_OFFENSE, STATS_SORT_LAST_NAME, STATS_FORMAT_TAB)),
              (std::vector<std::string>{"adams, Al", "O\"Neil, Jr, Gus", "Smith, John", "Zimmer, Zed",
                                        "Zwickenhauserberg, Maximilian"}));
    // By rushing yards; equal values keep team-then-roster order.
    EXPECT_EQ(Names_Listed(Write(6, STATS_SECTION_OFFENSE, STAT_RUSHING_YARDS, STATS_FORMAT_TAB)),
              (std::vector<std::string>{"O\"Neil, Jr, Gus", "Smith, John", "Zimmer, Zed",
                                        "Zwickenhauserberg, Maximilian", "adams, Al"}));
    // One team; league 0 (selection 4); league 1 has no offence players.
    EXPECT_EQ(Names_Listed(Write(1, STATS_SECTION_OFFENSE, STATS_SORT_LAST_NAME, STATS_FORMAT_TAB)),
              (std::vector<std::string>{"O\"Neil, Jr, Gus"}));
    EXPECT_EQ(Names_Listed(Write(4, STATS_SECTION_OFFENSE, STATS_SORT_TEAM, STATS_FORMAT_TAB)).size(), 5u);
    EXPECT_EQ(Names_Listed(Write(5, STATS_SECTION_OFFENSE, STATS_SORT_TEAM, STATS_FORMAT_TAB)).size(), 0u);
    EXPECT_EQ(Names_Listed(Write(5, STATS_SECTION_KICKING, STATS_SORT_TEAM, STATS_FORMAT_TAB)),
              (std::vector<std::string>{"Kicker, Kay"}));
    EXPECT_EQ(Names_Listed(Write(7, STATS_SECTION_OFFENSE, STATS_SORT_TEAM, STATS_FORMAT_TAB)).size(), 0u);

    EXPECT_EQ(Format_Period_Label(0), "2019");
    EXPECT_EQ(Format_Period_Label(1), "2018");
    EXPECT_EQ(Format_Period_Label(2), "Career");
    EXPECT_EQ(Format_Period_Label(3), "");
    EXPECT_EQ(Write_Player_Stats_File(".", 6, 0, 0, -1, 0), 0);   // a folder cannot be opened as a file
    EXPECT_EQ(Errors_Reported(), 0);
}

// Each name of the Print dialog's "Sort By:" lists (by list position, as the
// dialog passes it) with the stored figures it names, worked out from the
// names and the statistics each position keeps.
struct SORT_NAME_CASE {
    int nSection;
    const char* szName;
    int nFirst;    // -1: the entry is empty and names no figure
    int nSecond;   // a second figure added (kick and punt returns), or -1
};

constexpr SORT_NAME_CASE SORT_NAME_CASES[3][17] = {
    {{0, "Games", 0, -1}, {0, "Games Started", 1, -1}, {0, "Pass Attempts", 2, -1}, {0, "Completions", 3, -1},
     {0, "INT Thrown", 4, -1}, {0, "Pass Yards", 5, -1}, {0, "Pass TDs", 6, -1}, {0, "Rushes", 7, -1},
     {0, "Rush Yards", 8, -1}, {0, "Rush TDs", 9, -1}, {0, "Receptions", 10, -1}, {0, "Receiving Yards", 11, -1},
     {0, "Receiving TDs", 12, -1}, {0, "Fumbles Lost", 13, -1}, {0, "Returns", 14, 17},
     {0, "Returns Yards", 15, 18}, {0, "Return TDs", 16, 19}},
    {{1, "Games", 0, -1}, {1, "Games Started", 1, -1}, {1, "Tackles", 2, -1}, {1, "Assists", 3, -1},
     {1, "Sacks", 4, -1}, {1, "Fumbles Forced", 5, -1}, {1, "Knockdowns", 6, -1}, {1, "Interceptions", 7, -1},
     {1, "Touchdowns", 9, -1}, {1, "", -1, -1}, {1, "", -1, -1}, {1, "", -1, -1}, {1, "", -1, -1}, {1, "", -1, -1},
     {1, "Returns", 14, 17}, {1, "Returns Yards", 15, 18}, {1, "Return TDs", 16, 19}},
    {{2, "Games", 0, -1}, {2, "Games Started", 1, -1}, {2, "Punts", 2, -1}, {2, "Punt Yards", 3, -1},
     {2, "Longest Punt", 5, -1}, {2, "PAT Attempts", 8, -1}, {2, "PAT", 9, -1}, {2, "Field Goals <30", 11, -1},
     {2, "FG Attempts <30", 10, -1}, {2, "Field Goals 30-39", 13, -1}, {2, "FG Attempts 30-39", 12, -1},
     {2, "Field Goals 40-49", 15, -1}, {2, "FG Attempts 40-49", 14, -1}, {2, "Field Goals 50+", 17, -1},
     {2, "FG Attempts 50+", 16, -1}, {2, "Longest Field Goal", 18, -1}, {2, "", -1, -1}},
};

TEST_F(StatisticsFileTest, EveryListOfEverySectionIsOrderedByTheFigureItNames)
{
    SCRATCH_FOLDER Folder("stats_every_sort");
    for (const auto& Section : SORT_NAME_CASES) {
        for (int k = 0; k < 17; ++k) {
            const SORT_NAME_CASE& Case = Section[k];
            SCOPED_TRACE(std::to_string(Case.nSection) + " \"" + Case.szName + "\" (" + std::to_string(k) + ")");
            // Dallas (team 2): Yves first on the roster with 100 in every
            // other figure and 1 in the named one(s); Xavier with 5 in the
            // named one(s) and nothing else. A passing figure is the
            // quarterback Xavier's against the receiver Yves, whose slots
            // hold 100 of his targets and the like; a return figure is the
            // receiver Xavier's against the quarterback Yves, whose return
            // slots hold 100 of his sacks.
            int nX = POSITION_RB, nY = POSITION_QB;
            if (Case.nSection == 0 && k >= 2 && k <= 6) {
                nX = POSITION_QB;
                nY = POSITION_WR;
            } else if (Case.nSection == 0 && k >= 14) {
                nX = POSITION_WR;
            } else if (Case.nSection == 1) {
                nX = POSITION_LB;
                nY = POSITION_CB;
            } else if (Case.nSection == 2) {
                nX = POSITION_K;
                nY = POSITION_P;
            }
            Add_Player(2, 0, 301, nY, "Yves", "Yonder");
            Add_Player(2, 1, 302, nX, "Xavier", "Xanthe");
            const bool bOtherFigures = Case.nSection == 0 && ((k >= 2 && k <= 6) || k >= 14);
            for (int nStat = 0; nStat < 20; ++nStat) {
                const bool bNamed = nStat == Case.nFirst || nStat == Case.nSecond;
                Set_Player_Stat(2, 0, 0, nStat, bNamed ? (bOtherFigures ? 100 : 1) : nStat <= 1 ? 1 : 100);
                Set_Player_Stat(2, 1, 0, nStat, bNamed ? 5 : nStat == 0 ? 1 : 0);
            }
            const std::vector<std::string> Listed = Names_Listed(Write(2, Case.nSection, k, STATS_FORMAT_TAB));
            // The named figure first; an empty entry keeps the roster's order.
            const std::vector<std::string> Expected =
                Case.nFirst >= 0 ? std::vector<std::string>{"Xanthe, Xavier", "Yonder, Yves"}
                                 : std::vector<std::string>{"Yonder, Yves", "Xanthe, Xavier"};
            EXPECT_EQ(Listed, Expected);
        }
    }

    // Three kickers by "Longest Field Goal" (15) and by "PAT" (6): highest
    // first, whatever the other figures.
    Add_Player(2, 0, 301, POSITION_K, "Ann", "Early");
    Add_Player(2, 1, 302, POSITION_K, "Bea", "Middle");
    Add_Player(2, 2, 303, POSITION_P, "Cy", "Punter");
    const int nLongest[3] = {51, 59, 0};
    const int nPats[3] = {30, 12, 0};
    for (int s = 0; s < 3; ++s) {
        for (int nStat = 0; nStat < 20; ++nStat)
            Set_Player_Stat(2, s, 0, nStat, 0);
        Set_Player_Stat(2, s, 0, STAT_GAMES_PLAYED, 16);
        Set_Player_Stat(2, s, 0, STAT_LONGEST_FIELD_GOAL, nLongest[s]);
        Set_Player_Stat(2, s, 0, STAT_PATS_MADE, nPats[s]);
        Set_Player_Stat(2, s, 0, STAT_FIELD_GOALS_MADE_BAND_3, 10 - 3 * s);
    }
    Set_Player_Stat(2, 2, 0, STAT_PUNT_TOUCHBACKS, 9);   // the punter's touchbacks are no extra points
    EXPECT_EQ(Names_Listed(Write(2, STATS_SECTION_KICKING, 15, STATS_FORMAT_TAB)),
              (std::vector<std::string>{"Middle, Bea", "Early, Ann", "Punter, Cy"}));
    EXPECT_EQ(Names_Listed(Write(2, STATS_SECTION_KICKING, 6, STATS_FORMAT_TAB)),
              (std::vector<std::string>{"Early, Ann", "Middle, Bea", "Punter, Cy"}));
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StatisticsFileTest, ReturnsYardsAreKickAndPuntReturnYardsTogether)
{
    SCRATCH_FOLDER Folder("stats_return_yards");
    // "Returns Yards" (15) of the offence and of the defence: Ann 100 on
    // kick returns, Bea 300 on punt returns, Cal 200 and 150 (350). Either
    // figure alone would list them otherwise (Cal, Ann, Bea; Bea, Cal, Ann).
    for (const int nPosition : {POSITION_WR, POSITION_CB}) {
        SCOPED_TRACE(nPosition);
        Add_Player(2, 0, 301, nPosition, "Ann", "Kicks");
        Add_Player(2, 1, 302, nPosition, "Bea", "Punts");
        Add_Player(2, 2, 303, nPosition, "Cal", "Both");
        Stats(2, 0, {{STAT_GAMES_PLAYED, 8}, {STAT_KICK_RETURN_YARDS, 100}});
        Stats(2, 1, {{STAT_GAMES_PLAYED, 8}, {STAT_PUNT_RETURN_YARDS, 300}});
        Stats(2, 2, {{STAT_GAMES_PLAYED, 8}, {STAT_KICK_RETURN_YARDS, 200}, {STAT_PUNT_RETURN_YARDS, 150}});
        const int nSection = nPosition == POSITION_WR ? STATS_SECTION_OFFENSE : STATS_SECTION_DEFENSE;
        EXPECT_EQ(Names_Listed(Write(2, nSection, 15, STATS_FORMAT_TAB)),
                  (std::vector<std::string>{"Both, Cal", "Punts, Bea", "Kicks, Ann"}));
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StatisticsFileTest, TabCommaAndFixedWidthRows)
{
    std::string Row;
    Format_Stat_Table_Row(NO_TEAM, NO_PLAYER, 0, STATS_SECTION_OFFENSE, STATS_FORMAT_TAB, Row);
    EXPECT_EQ(Row, "2019 Offense\tTeam\tG\tAtt\tCom\tYards\tTD\tRating\tRush\tYards\tAvg\tTD\tRec\tYards\tAvg\tTD\tFum\t\n");
    Format_Stat_Table_Row(0, 1, 0, STATS_SECTION_OFFENSE, STATS_FORMAT_TAB, Row);
    // His passing cells stay empty, as on his own page.
    EXPECT_EQ(Row, "Zimmer, Zed\tCHI\t4\t\t\t\t\t\t0\t0\t0.0\t0\t20\t250\t12.5\t2\t0\t\n");
    // Rushing 35 yards on 10 carries is 3.5 a carry.
    Format_Stat_Table_Row(0, 0, 0, STATS_SECTION_OFFENSE, STATS_FORMAT_TAB, Row);
    // Passer rating of 60 of 100 for 700 yards, 5 touchdowns, no interception:
    // (1.5 + 1.0 + 1.0 + 2.375) / 6 x 100 = 97.9.
    EXPECT_EQ(Row, "Smith, John\tCHI\t5\t100\t60\t700\t5\t97.9\t10\t35\t3.5\t1\t0\t0\t0.0\t0\t2\t\n");

    Format_Stat_Table_Row(NO_TEAM, NO_PLAYER, 0, STATS_SECTION_OFFENSE, STATS_FORMAT_COMMA, Row);
    EXPECT_EQ(Row, "Last,First,Team,G,Att,Com,Yards,TD,Rating,Rush,Yards,Avg,TD,Rec,Yards,Avg,TD,Fum\n");
    // A comma and a quote in the name: quoted, and no column moves.
    Format_Stat_Table_Row(1, 0, 0, STATS_SECTION_OFFENSE, STATS_FORMAT_COMMA, Row);
    EXPECT_EQ(Row, "\"O\"\"Neil, Jr\",Gus,GB,3,,,,,,30,120,4.0,0,0,0,0.0,0,0\n");
    const std::vector<std::string> Fields = Csv_Fields(Row);
    ASSERT_EQ(Fields.size(), 18u);
    EXPECT_EQ(Fields[0], "O\"Neil, Jr");
    EXPECT_EQ(Fields[11], "4.0");

    // Fixed width: "%-24s %4s %4s %5s %5s %4s %3s %3s %3s %4s %4s %4s %3s %4s %4s %5s %5s".
    Format_Stat_Table_Row(0, 1, 0, STATS_SECTION_OFFENSE, STATS_FORMAT_FIXED, Row);
    EXPECT_EQ(Row, "Zimmer, Zed               CHI    4                            0    0  0.0    0  20  250 12.5     2"
                   "     0\n");
    // A name longer than its column is cut there.
    Format_Stat_Table_Row(0, 2, 0, STATS_SECTION_OFFENSE, STATS_FORMAT_FIXED, Row);
    EXPECT_EQ(Row.substr(0, 29), "Zwickenhauserberg, Maxim  CHI");

    Format_Stat_Table_Row(NO_TEAM, NO_PLAYER, 1, STATS_SECTION_DEFENSE, STATS_FORMAT_TAB, Row);
    EXPECT_EQ(Row, "2018 Defense\tTeam\tG\tSolo\tAst\tSck\tFF\tPD\tInt\tFR\tTD\tTckl\t\n");
    Format_Stat_Table_Row(0, 4, 0, STATS_SECTION_DEFENSE, STATS_FORMAT_TAB, Row);
    // Two half-sacks are one sack, as the box score prints it.
    EXPECT_EQ(Row, "Backer, Lee\tCHI\t5\t30\t10\t1.0\t0\t0\t0\t0\t0\t40\t\n");
    Set_Player_Stat(0, 4, 0, STAT_SACKS, 29);
    Format_Stat_Table_Row(0, 4, 0, STATS_SECTION_DEFENSE, STATS_FORMAT_FIXED, Row);
    EXPECT_EQ(Row, "Backer, Lee               CHI      5    30   10 14.5   0   0   0    0    0    40\n");
    // A receiver has no passing to sort by; the quarterback his own.
    EXPECT_EQ(Get_Player_Sort_Value(0, 1, 0, STAT_PASS_ATTEMPTS), 0);
    EXPECT_EQ(Get_Player_Sort_Value(0, 1, 0, STAT_PASSING_YARDS), 0);
    EXPECT_EQ(Get_Player_Sort_Value(0, 0, 0, STAT_PASS_ATTEMPTS), 100);
    EXPECT_EQ(Get_Player_Sort_Value(0, 1, 0, STAT_RECEPTIONS), 20);
    // A tackle keeps blocking figures past his games (runs behind him,
    // penalties): none of them stands under a rushing or receiving heading.
    Add_Player(0, 6, 107, POSITION_T, "Ty", "Tackle");
    Stats(0, 6, {{STAT_GAMES_PLAYED, 5}, {STAT_RUNS_BEHIND, 40}, {STAT_RUN_YARDS_BEHIND, 160},
                 {STAT_PENALTIES, 3}, {STAT_PENALTY_YARDS, 25}});
    Format_Stat_Table_Row(0, 6, 0, STATS_SECTION_OFFENSE, STATS_FORMAT_TAB, Row);
    EXPECT_EQ(Row, "Tackle, Ty\tCHI\t5\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\n");
    EXPECT_EQ(Get_Player_Sort_Value(0, 6, 0, STAT_RUSHING_YARDS), 0);
    EXPECT_EQ(Get_Player_Sort_Value(0, 6, 0, STAT_RECEPTIONS), 0);
    EXPECT_EQ(Get_Player_Sort_Value(0, 6, 0, STAT_GAMES_PLAYED), 5);
    // The linebacker's slot 2 is his solo tackles.
    EXPECT_EQ(Get_Player_Sort_Value(0, 4, 0, STAT_SOLO_TACKLES), 30);
    Format_Stat_Table_Row(NO_TEAM, NO_PLAYER, 2, STATS_SECTION_KICKING, STATS_FORMAT_COMMA, Row);
    EXPECT_EQ(Row, "Last,First,Team,G,FGM,FGA,Long,XPM,XPA,Punt,Avg\n");
    Format_Stat_Table_Row(3, 0, 0, STATS_SECTION_KICKING, STATS_FORMAT_COMMA, Row);
    EXPECT_EQ(Row, "Kicker,Kay,NYG,5,4,6,48,10,11,0,0.0\n");
    Format_Stat_Table_Row(3, 0, 0, STATS_SECTION_KICKING, STATS_FORMAT_FIXED, Row);
    EXPECT_EQ(Row, "Kicker, Kay               NYG    5     4     6    48   10   11     0  0.0\n");
    Row = "x";
    Format_Stat_Table_Row(0, 3 + 50, 0, STATS_SECTION_OFFENSE, STATS_FORMAT_TAB, Row);
    EXPECT_EQ(Row, "");
    EXPECT_EQ(std::string(Get_Stat_Table_Header(STATS_SECTION_OFFENSE, 0)), "Offense");
    EXPECT_EQ(std::string(Get_Stat_Table_Header(STATS_SECTION_OFFENSE, 16)), "Fum");
    EXPECT_EQ(std::string(Get_Stat_Table_Header(STATS_SECTION_KICKING, 10)), "");
}

TEST_F(StatisticsFileTest, HtmlWrapsTheFixedRows)
{
    SCRATCH_FOLDER Folder("stats_html");
    const std::string Text = Write(1, STATS_SECTION_OFFENSE, STATS_SORT_LAST_NAME, STATS_FORMAT_HTML);
    const std::string Head =
        "<HTML>\n<HEAD><meta charset=\"windows-1252\"><TITLE>2019 Packers Offense</TITLE></HEAD>\n\n"
        "<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#008000\" LINK=\"#80FF00\" VLINK=\"#60BF00\">\n"
        "<CENTER><H1>2019 Packers Offense</CENTER></H1>\n<PRE>\n";
    EXPECT_EQ(Text.substr(0, Head.size()), Head);
    const std::vector<std::string> Lines = Lines_Of(Text.substr(Head.size()));
    ASSERT_EQ(Lines.size(), 6u);
    EXPECT_EQ(Lines[0].substr(0, 30), "2019 Offense             Team ");
    // Padded to its column first, then escaped: the page shows the column straight.
    EXPECT_EQ(Lines[1].substr(0, 39), "O&quot;Neil, Jr, Gus" + std::string(12, ' ') + "GB    3");
    EXPECT_EQ(Lines[2], "</PRE>\n");
    EXPECT_EQ(Lines[3], "<P>\n");
    EXPECT_EQ(Lines[4], "</BODY>\n");
    EXPECT_EQ(Lines[5], "</HTML>\n");

    // A league's title names the league; all teams "League".
    EXPECT_NE(Write(5, STATS_SECTION_KICKING, -2, STATS_FORMAT_HTML).find("<TITLE>2019 NFC Kicking</TITLE>"),
              std::string::npos);
    EXPECT_NE(Write(6, STATS_SECTION_DEFENSE, -2, STATS_FORMAT_HTML).find("<TITLE>2019 League Defense</TITLE>"),
              std::string::npos);
    // The comma form has no tab and no cell end; the tab form ends each row with one.
    const std::string Comma = Write(0, STATS_SECTION_OFFENSE, -1, STATS_FORMAT_COMMA);
    EXPECT_EQ(Comma.find('\t'), std::string::npos);
    EXPECT_EQ(Comma.find(",\n"), std::string::npos);
    for (const std::string& Line : Lines_Of(Write(0, STATS_SECTION_OFFENSE, -1, STATS_FORMAT_TAB)))
        EXPECT_EQ(Line.substr(Line.size() - 2), "\t\n");
}

}  // namespace
