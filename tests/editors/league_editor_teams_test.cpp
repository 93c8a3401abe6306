// The League Editor's club half run headless through the real dialog: clubs
// added with and without shortening the season, the 36-club limit, a new
// club's defaults, cash, nickname, fan loyalty, wins and losses, and who
// runs the clubs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/league_editor_fixture.h"
#include "league/human_teams.h"
#include "league/stadium_value.h"
#include "league/team_finance_stats.h"
#include "schedule/schedule_driver.h"

namespace {

using editor_tests::Action;
using league_editor_tests::LeagueEditorTest;

TEST_F(LeagueEditorTest, AddingTheThirtyThirdClubAsksToShortenTheSeason)
{
    const std::string QUESTION = "Add New Team|The 17-game schedule is limited to 32 teams. If you add a team, the "
                                 "season schedule will be reduced to 16 games.";
    ui::Queue_Answer(ID_NO);   // "Abort"
    Run({Press(LE_ADD_BUTTON)});
    EXPECT_EQ(Count_Teams(), 32);
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 17);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Buttons[0], "Add Team");
    EXPECT_EQ(ui::Shown_Boxes()[0].Buttons[1], "Abort");
    EXPECT_EQ(Boxes(), std::vector<std::string>{QUESTION});

    Clear_League_Schedule();
    ui::Queue_Answer(ID_YES);   // "Add Team"
    const DIALOG_RECORD& Record = Run({Press(LE_ADD_BUTTON)});
    EXPECT_EQ(Record.nResult, 1);
    EXPECT_EQ(Count_Teams(), 33);
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 16);
    EXPECT_EQ(Boxes(), std::vector<std::string>{QUESTION});
    // The new club sorts after "City31": slot 32, computer-run, in the first
    // division with room, with a free named city.
    const int n = 32;
    EXPECT_EQ(Team_String(n, TEAM_STRING_CITY), "[Empty");
    EXPECT_EQ(Team_String(n, TEAM_STRING_NICKNAME), "Team]");
    EXPECT_EQ(Team_String(n, TEAM_STRING_ABBREVIATION), "XXX");
    EXPECT_EQ(Team_String(n, TEAM_STRING_STADIUM), "Generic Stadium");
    EXPECT_EQ(Get_Team_Stat(n, TEAM_STAT_CONTROLLER), CONTROLLER_COMPUTER);
    EXPECT_EQ(Get_Team_Stadium_Stat(n, STADIUM_STAT_CAPACITY), 55000);
    // The ticket price starts from 5000 at factor 1000 and is then priced for
    // the club's market, as every club's is.
    EXPECT_GT(Get_Team_Financial_Stat(n, FINANCE_TICKET_PRICE), 0);
    // Open, grass, 55,000 seats, qualities 1000, a city of default figures:
    // the stadium's own rule, no longer left at 0.
    EXPECT_GT(Get_Team_Stadium_Stat(n, STADIUM_STAT_VALUE), 0);
    EXPECT_EQ(Get_Team_Stadium_Stat(n, STADIUM_STAT_VALUE), Get_Stadium_Value(n));
    EXPECT_EQ(Get_Team_Stat(n, TEAM_STAT_DIVISION), 0);
    EXPECT_EQ(Count_Division_Teams(0), 5);
    const int nCity = Get_Team_Stat(n, TEAM_STAT_CITY);
    EXPECT_GE(nCity, 32);
    EXPECT_TRUE(Is_City_Named(nCity));
    EXPECT_GE(Count_Position_Players(n, -1), 45);
    // The season was built again for 33 clubs of 16 games.
    EXPECT_TRUE(Is_Schedule_Complete(16));
}

TEST_F(LeagueEditorTest, AddingTheThirtyFifthClubAtSixteenGamesAsksToShortenTheSeason)
{
    // 33 and 34 clubs play 16 games without a question; the 35th asks.
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    Run({Press(LE_ADD_BUTTON), Press(LE_ADD_BUTTON)});
    EXPECT_EQ(Count_Teams(), 34);
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 16);
    EXPECT_EQ(Boxes(), std::vector<std::string>{});

    ui::Queue_Answer(ID_YES);   // "Add Team"
    Run({Press(LE_ADD_BUTTON)});
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Add New Team|The 16-game schedule is limited to 34 teams. If you add "
                                                "a team, the season schedule will be reduced to 14 games."});
    EXPECT_EQ(Count_Teams(), 35);
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 14);
}

TEST_F(LeagueEditorTest, AtFourteenGamesTheLeagueTakesThirtySixClubs)
{
    Set_Universe_Stat(GAMES_PER_SEASON, 14);
    Run({Press(LE_ADD_BUTTON), Press(LE_ADD_BUTTON), Press(LE_ADD_BUTTON), Press(LE_ADD_BUTTON),
         Press(LE_ADD_BUTTON)});
    EXPECT_EQ(Count_Teams(), 36);
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 14);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Add Team Failed|Cannot exceed 36 teams in database"});
    // Each went to the first division with room in a conference with room.
    EXPECT_EQ(Count_League_Teams(0), 18);
    EXPECT_EQ(Count_League_Teams(1), 18);
    EXPECT_EQ(Count_Division_Teams(0), 6);
    EXPECT_EQ(Count_Division_Teams(4), 6);
}

TEST_F(LeagueEditorTest, CashIsRangeCheckedBeforeItIsNarrowed)
{
    struct CASE {
        const char* szTyped;
        int nStored;
        const char* szBox;
    };
    const CASE CASES[] = {
        {"-500,000,000", -100000000, nullptr},
        {"2,000,000,000", 1000000000, "Cash Limit|No team may have more than $1,000,000,000."},
        {"$5,000,000,000", 1000000000, "Cash Limit|No team may have more than $1,000,000,000."},
        {"-2000000000", -100000000, "Debt Limit|No team may be in debt for more than $1,000,000,000."},
        {"$12,345", 12345, nullptr},
        {"cash", 0, nullptr},
    };
    for (const CASE& Case : CASES) {
        Set_Team_Financial_Stat(0, FINANCE_CASH, 777);
        const DIALOG_RECORD& Record = Run({Type(LE_CASH_EDIT, Case.szTyped)});
        EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CASH), Case.nStored) << Case.szTyped;
        const std::vector<std::string> Shown = Boxes();
        if (Case.szBox == nullptr) {
            EXPECT_TRUE(Shown.empty()) << Case.szTyped;
        } else {
            EXPECT_EQ(Shown, std::vector<std::string>{Case.szBox}) << Case.szTyped;
        }
        (void)Record;
    }
    Set_Team_Financial_Stat(0, FINANCE_CASH, 1234567);
    EXPECT_EQ(Run({}).Find(LE_CASH_EDIT)->Text, "$1,234,567");
}

TEST_F(LeagueEditorTest, NicknameAndFanLoyaltyAreStoredTheRecordShownOnly)
{
    Run({Type(LE_NICKNAME_EDIT, "Fourteen Chars"), Type(LE_HOME_EDIT, "Capital"), Type(LE_ABBREVIATION_EDIT, "CAP"),
         Type(LE_GM_NAME_EDIT, "Nobody")});
    EXPECT_EQ(Team_String(0, TEAM_STRING_NICKNAME), "Fourteen Chars");
    EXPECT_EQ(Team_String(0, TEAM_STRING_CITY), "Capital");
    EXPECT_EQ(Team_String(0, TEAM_STRING_ABBREVIATION), "CAP");
    EXPECT_EQ(Team_String(0, TEAM_STRING_OWNER), "");   // a computer club's GM name is not edited
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Team Nickname|For display purposes, we recommend limiting the team "
                                                "nickname (Fourteen Chars) to 13 characters."});
    Set_Team_String("City00", 0, TEAM_STRING_CITY);
    Run({Type(LE_NICKNAME_EDIT, "Thirteen Char")});
    EXPECT_TRUE(Boxes().empty());

    // A chosen grade is stored as the middle of its band, 59 x grade + 531,
    // and reads back as the same grade.
    EXPECT_EQ(Get_Fan_Loyalty_For_Grade(0), 531);
    EXPECT_EQ(Get_Fan_Loyalty_For_Grade(7), 944);
    EXPECT_EQ(Get_Fan_Loyalty_For_Grade(13), 1298);
    for (int k = 0; k < 14; ++k) {
        Set_Team_Financial_Stat(0, FINANCE_LOYALTY, Get_Fan_Loyalty_For_Grade((k + 1) % 14));
        Run({Pick(LE_FAN_LOYALTY_COMBO, k)});
        EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_LOYALTY), 59 * k + 531) << k;
        EXPECT_EQ(Run({}).Find(LE_FAN_LOYALTY_COMBO)->nSelected, k) << k;
    }
    // The reader's bands: 0 and below "F ", 1298 and above "A+".
    EXPECT_EQ(Get_Fan_Loyalty_Grade(0), 0);
    EXPECT_EQ(Get_Fan_Loyalty_Grade(560), 0);
    EXPECT_EQ(Get_Fan_Loyalty_Grade(561), 1);
    EXPECT_EQ(Get_Fan_Loyalty_Grade(5000), 13);

    // Wins and losses are shown, even in Commissioner Mode not offered for
    // a change: the games played decide them (a saved game counts them from
    // the games again as it loads), so a change would not last.
    Set_Team_Yearly_Char(0, 0, YEARLY_WINS, 4);
    Set_Team_Yearly_Char(0, 0, YEARLY_LOSSES, 2);
    const DIALOG_RECORD& Record = Run({Type(LE_WINS_EDIT, "9"), Type(LE_LOSSES_EDIT, "1")});
    EXPECT_FALSE(Record.Find(LE_WINS_EDIT)->bEnabled);
    EXPECT_FALSE(Record.Find(LE_LOSSES_EDIT)->bEnabled);
    EXPECT_TRUE(Record.Find(LE_CASH_EDIT)->bEnabled);
    EXPECT_EQ(Get_Team_Yearly_Char(0, 0, YEARLY_WINS), 4);
    EXPECT_EQ(Get_Team_Yearly_Char(0, 0, YEARLY_LOSSES), 2);
    EXPECT_EQ(Run({}).Find(LE_WINS_EDIT)->Text, "4");
    EXPECT_EQ(Run({}).Find(LE_LOSSES_EDIT)->Text, "2");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(LeagueEditorTest, WhoRunsTheClubsChangesOnlyOnYes)
{
    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    // The last human club switched to "Computer" warns; the user runs none.
    Run({Action(ACTION_RADIO, LE_COMPUTER_RADIO)});
    EXPECT_EQ(Boxes(), std::vector<std::string>{
                           "League Editor|You have just eliminated the last human-controlled team. We recommend that "
                           "you set at least one human-controlled before you leave the League Editor."});
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_CONTROLLER), CONTROLLER_COMPUTER);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), -1);

    // "Human" with a GM name: the only human club becomes the user's.
    Run({Action(ACTION_RADIO, LE_HUMAN_RADIO), Type(LE_GM_NAME_EDIT, "Pat")});
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_CONTROLLER), CONTROLLER_USER);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 0);
    EXPECT_EQ(Team_String(0, TEAM_STRING_OWNER), "Pat");
    EXPECT_TRUE(Boxes().empty());

    // "All C&PU" and "All H&uman" answered No change nothing.
    ui::Queue_Answer(ID_NO);
    Run({Press(LE_ALL_CPU_BUTTON)});
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Computer Control|This will convert ALL teams to computer control. "
                                                "Continue?"});
    EXPECT_EQ(Count_Human_Teams(), 1);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 0);
    ui::Queue_Answer(ID_NO);
    Run({Press(LE_ALL_HUMAN_BUTTON)});
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Human Control|This will convert ALL teams to human control. Continue?"});
    EXPECT_EQ(Count_Human_Teams(), 1);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 0);

    // Yes does it.
    ui::Queue_Answer(ID_YES);
    Run({Press(LE_ALL_HUMAN_BUTTON)});
    EXPECT_EQ(Count_Human_Teams(), 32);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 0);
    ui::Queue_Answer(ID_YES);
    Run({Press(LE_ALL_CPU_BUTTON)});
    EXPECT_EQ(Count_Human_Teams(), 0);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), -1);
    Boxes();

    // Erase answered "Cancel": nothing erased, nothing flagged.
    ui::Queue_Answer(ID_CANCEL);
    Clear_League_Schedule();
    Run({Pick(LE_TEAM_LIST, 5), Press(LE_ERASE_BUTTON)});
    EXPECT_EQ(Count_Teams(), 32);
    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Buttons,
              (std::vector<std::string>{"Erase Players", "Move to Free Agent List", "Cancel"}));
}

TEST_F(LeagueEditorTest, OutsideCommissionerModeTheClubsAndRulesAreShownOnly)
{
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 5000);
    ui::Queue_Answer(ID_NO);
    const DIALOG_RECORD& Record = Run({Type(LE_CASH_EDIT, "99"), Type(LE_HOME_EDIT, "Elsewhere"),
                                       Type(LE_GAMES_EDIT, "4"), Press(LE_ADD_BUTTON)});
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Team Editing Disabled|Certain aspects of the League Editor are "
                                                "disabled unless you are in Commissioner Mode.\n\nWould you like to "
                                                "turn on Commissioner Mode now?"});
    EXPECT_EQ(Get_User_Preference(PREF_COMMISSIONER_MODE), 0);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CASH), 5000);
    EXPECT_EQ(Team_String(0, TEAM_STRING_CITY), "City00");
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 17);
    EXPECT_EQ(Count_Teams(), 32);
    for (int nId : {LE_CASH_EDIT, LE_HOME_EDIT, LE_GAMES_EDIT, LE_ADD_BUTTON, LE_ERASE_BUTTON, LE_SALARY_CAP_EDIT,
                    LE_DIVISION_COMBO, LE_CITY_COMBO, LE_OVERTIME_RULES_COMBO})
        EXPECT_FALSE(Record.Find(nId)->bEnabled) << nId;
    EXPECT_TRUE(Record.Find(LE_ABBREVIATION_EDIT)->bEnabled);
    EXPECT_TRUE(Record.Find(LE_CONFERENCE_0_EDIT)->bEnabled);

    // Yes turns it on for this opening.
    ui::Queue_Answer(ID_YES);
    EXPECT_TRUE(Run({}).Find(LE_CASH_EDIT)->bEnabled);
    EXPECT_EQ(Get_User_Preference(PREF_COMMISSIONER_MODE), 1);
}

}  // namespace

namespace {

TEST_F(LeagueEditorTest, TheDivisionListNamesEachDivisionsConference)
{
    // Both conferences name their divisions alike.
    Set_League_Abbreviation(0, "AKC");
    Set_League_Abbreviation(1, "NKC");
    const char* const NAMES[4] = {"East", "North", "South", "West"};
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        Set_Division_Name(d, NAMES[d % 4]);
    const DIALOG_RECORD& Record = Run({});
    ASSERT_NE(Record.Find(LE_DIVISION_COMBO), nullptr);
    EXPECT_EQ(Record.Find(LE_DIVISION_COMBO)->Items,
              (std::vector<std::string>{"AKC East", "AKC North", "AKC South", "AKC West", "NKC East", "NKC North",
                                        "NKC South", "NKC West"}));
}

}  // namespace
