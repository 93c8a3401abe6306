// Random text (empty, huge, negative, not numbers, bytes above 0x7F) typed
// into every field of the League, Team, Stadium and City editors, with clubs
// added, erased, moved and switched at random and every question answered at
// random, then "Done": afterwards the league holds 2-36 clubs, at most 18 in
// a conference and 13 in a division, a season length legal for its size,
// wild cards within their limits, a season that fits the 300 GAME records,
// cash, wins and losses in range and every club in a named city. Seeded, so
// every run makes the same moves.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "editors/city_editor.h"
#include "editors/league_editor_fixture.h"
#include "editors/stadium_editor.h"
#include "league/team_finance_stats.h"
#include "schedule/season_checks.h"

namespace {

using editor_tests::Action;
using league_editor_tests::LeagueEditorTest;

std::string Random_Text(std::mt19937& Random)
{
    static const char* const SAMPLES[] = {
        "", " ", "-", "0", "-1", "1", "3", "4", "5", "6", "13", "14", "15", "16", "17", "18", "40", "127", "128",
        "-128", "1951", "2053", "2100", "3,500", "$1,500,000", "$5,000,000,000", "-500,000,000", "2,000,000,000",
        "2147483647", "2147483648", "-2147483649", "9223372036854775807", "99999999999999999999999999", "12.5",
        "1e9", "abc", "$", ",,,", " 42 ", "--5", "\xe9\xe8\xff", "\x80\x81\x8d", "\xa0" "16"};
    switch (Random() % 4) {
    case 0:
    case 1:
        return SAMPLES[Random() % std::size(SAMPLES)];
    case 2: {
        std::string Text(Random() % 24, ' ');
        for (char& c : Text)
            c = static_cast<char>(Random() % 256);
        return Text;
    }
    default: {
        std::string Text(Random() % 3 == 0 ? 5000 : Random() % 40, '9');
        if (Random() % 2)
            Text[0] = '-';
        return Text;
    }
    }
}

const int LEAGUE_EDITS[] = {LE_CONFERENCE_0_EDIT, LE_CONFERENCE_1_EDIT, 1303, 1304, 1305, 1309, 1310, 1311, 1318,
                            1319, LE_GAMES_EDIT, LE_WILD_CARDS_EDIT, LE_SALARY_CAP_EDIT, LE_INFLATION_EDIT,
                            LE_START_YEAR_EDIT, LE_HOME_EDIT, LE_NICKNAME_EDIT, LE_ABBREVIATION_EDIT, LE_CASH_EDIT,
                            LE_WINS_EDIT, LE_LOSSES_EDIT, LE_GM_NAME_EDIT};
const int LEAGUE_COMBOS[] = {LE_TEAM_LIST, LE_DIVISION_COMBO, LE_DIVISION_COMBO, LE_CITY_COMBO, LE_FAN_LOYALTY_COMBO,
                             LE_WEEK_COMBO, LE_PLAYOFF_OVERTIME_COMBO, LE_SALARY_DEMANDS_COMBO};
const int LEAGUE_BUTTONS[] = {LE_ADD_BUTTON, LE_ADD_BUTTON, LE_ERASE_BUTTON, LE_ALL_HUMAN_BUTTON, LE_ALL_CPU_BUTTON,
                              LE_REFRESH_BUTTON, LE_HUMAN_RADIO, LE_COMPUTER_RADIO};
const int CITY_EDITS[] = {CITY_POPULATION_EDIT, CITY_REGION_POPULATION_EDIT, CITY_GROWTH_EDIT, CITY_INCOME_EDIT,
                          CITY_ALTITUDE_EDIT,   CITY_LONGITUDE_EDIT,         CITY_LATITUDE_EDIT, CITY_TIME_ZONE_EDIT};

class LeagueEditorPropertyTest : public LeagueEditorTest {
protected:
    static int Conference_Divisions(int nConference)
    {
        int n = 0;
        for (int k = 0; k < 4; ++k)
            n += Count_Division_Teams(nConference * 4 + k) > 0 ? 1 : 0;
        return n;
    }

    static void Check_League(int nTrial)
    {
        SCOPED_TRACE("trial " + std::to_string(nTrial));
        const int nTeams = Count_Teams();
        ASSERT_GE(nTeams, 2);
        ASSERT_LE(nTeams, 36);
        ASSERT_LE(Count_League_Teams(0), 18);
        ASSERT_LE(Count_League_Teams(1), 18);
        for (int d = 0; d < 8; ++d)
            ASSERT_LE(Count_Division_Teams(d), 13) << d;
        ASSERT_EQ(Count_League_Teams(0) + Count_League_Teams(1), nTeams);

        const int g = Get_Universe_Stat(GAMES_PER_SEASON);
        ASSERT_GE(g, 4);
        ASSERT_LE(g, 17);
        ASSERT_TRUE(g % 2 == 0 || g >= 16) << g;
        ASSERT_TRUE(g != 17 || nTeams == 32) << nTeams;

        const int w = Get_Universe_Stat(WILD_CARD_TEAMS);
        ASSERT_GE(w, 0);
        ASSERT_LE(w, 5);
        const int d0 = Conference_Divisions(0);
        const int d1 = Conference_Divisions(1);
        if (d0 < 3 && d1 < 3) {
            ASSERT_EQ(w, 0);
        }
        if (w == 5) {
            ASSERT_TRUE(d0 == 3 || d1 == 3);
        }

        char szWhy[512] = "";
        ASSERT_TRUE(Check_League_Fits_Game_Records(szWhy, sizeof(szWhy))) << szWhy;

        for (int t = 0; t < nTeams; ++t) {
            const int nCash = Get_Team_Stored_Financial_Stat(t, FINANCE_CASH);
            ASSERT_GE(nCash, -100000000) << t;
            ASSERT_LE(nCash, 1000000000) << t;
            for (int nByte : {YEARLY_WINS, YEARLY_LOSSES}) {
                const int n = Get_Team_Yearly_Char(t, Get_Current_Season_Index(), nByte);
                ASSERT_GE(n, 0) << t;
                ASSERT_LE(n, 127) << t;
            }
            const int nCity = Get_Team_Stat(t, TEAM_STAT_CITY);
            ASSERT_TRUE(nCity >= 0 && nCity < Count_Cities()) << t;
            ASSERT_TRUE(Is_City_Named(nCity)) << t;
            const int nDivision = Get_Team_Stat(t, TEAM_STAT_DIVISION);
            ASSERT_TRUE(nDivision >= 0 && nDivision < 8) << t;
            ASSERT_LE(Team_String(t, TEAM_STRING_NICKNAME).size(), 31u);
        }
        const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
        ASSERT_TRUE(nFirstYear >= 1951 && nFirstYear <= 2053) << nFirstYear;
        const int nInflation = Get_Universe_Stat(INFLATION_FACTOR);
        ASSERT_TRUE(nInflation >= 1 && nInflation <= 3000) << nInflation;
        const int nCap = Get_Universe_Stat(SALARY_CAP);
        ASSERT_TRUE(nCap == 0 || (nCap >= 1000000 && nCap <= 1000000000)) << nCap;
    }
};

TEST_F(LeagueEditorPropertyTest, RandomTypingLeavesALegalLeague)
{
    std::mt19937 Random(20261207);
    Set_Universe_Stat(SALARY_CAP, 200000000);
    for (int nTrial = 0; nTrial < 60; ++nTrial) {
        dialogs::Reset();
        ui::Reset();
        if (nTrial % 10 == 5) {
            // Now and then a league of another size (clubs added drift it
            // towards 36), or a full one whose 16 games would not fit.
            if (nTrial % 20 == 5) {
                Build(36, {5, 5, 4, 4, 5, 5, 4, 4});
                Set_Universe_Stat(WILD_CARD_TEAMS, 4);
            } else {
                Build(4 + static_cast<int>(Random() % 29));
                Set_Universe_Stat(WILD_CARD_TEAMS, 2);
            }
            Set_Universe_Stat(GAMES_PER_SEASON, 14);
        }
        Set_User_Preference(PREF_CURRENT_WEEK, 0);
        Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
        for (int k = 0; k < 4; ++k) {
            const int ANSWERS[] = {ID_OK, ID_CANCEL, ID_YES, ID_NO};
            ui::Queue_Answer(ANSWERS[Random() % 4]);
        }

        // Through the dialog, as typed (text an edit refuses is refused).
        std::vector<DIALOG_ACTION> Actions;
        for (int k = 0; k < 14; ++k) {
            const unsigned nWhat = Random() % 10;
            if (nWhat < 6)
                Actions.push_back(Type(LEAGUE_EDITS[Random() % std::size(LEAGUE_EDITS)], Random_Text(Random)));
            else if (nWhat < 8)
                Actions.push_back(Pick(LEAGUE_COMBOS[Random() % std::size(LEAGUE_COMBOS)],
                                       static_cast<int>(Random() % 40) - 1));
            else {
                const int nButton = LEAGUE_BUTTONS[Random() % std::size(LEAGUE_BUTTONS)];
                Actions.push_back(nButton == LE_HUMAN_RADIO || nButton == LE_COMPUTER_RADIO
                                      ? Action(ACTION_RADIO, nButton)
                                      : Press(nButton));
            }
        }
        // "Done" (or Escape); a league left with one club gets another first.
        Actions.push_back(Random() % 2 ? Press(DIALOG_OK) : Action(ACTION_CANCEL, 0));
        Actions.push_back(Press(LE_ADD_BUTTON));
        Actions.push_back(Press(DIALOG_OK));
        Run(Actions);
        ASSERT_NO_FATAL_FAILURE(Check_League(nTrial));

        // Straight into the fields, past any edit's limit and character set.
        DIALOG Editor(LEAGUE_EDITOR_DIALOG, "League Editor", League_Editor_Dialog_Proc, nullptr);
        Editor.Send(DIALOG_INIT, 0);
        for (int nId : LEAGUE_EDITS)
            if (Random() % 3 == 0)
                Editor.Set_Text(nId, Random_Text(Random));
        Editor.Send(DIALOG_COMMAND, DIALOG_OK);
        ASSERT_NO_FATAL_FAILURE(Check_League(nTrial));

        // The Stadium and City editors of the same league.
        dialogs::Queue_Action(STADIUM_EDITOR_DIALOG,
                              Action(ACTION_SET_TEXT, STADIUM_CAPACITY_EDIT, 0, Random_Text(Random)));
        dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SET_TEXT, STADIUM_NAME_EDIT, 0, Random_Text(Random)));
        Do_Dialog(STADIUM_EDITOR_DIALOG);
        for (int k = 0; k < 4; ++k) {
            const int nId = CITY_EDITS[Random() % std::size(CITY_EDITS)];
            dialogs::Queue_Action(CITY_EDITOR_DIALOG, Action(ACTION_SET_TEXT, nId, 0, Random_Text(Random)));
        }
        if (Random() % 4 == 0)
            dialogs::Queue_Action(CITY_EDITOR_DIALOG, Action(ACTION_PRESS, CITY_ERASE_BUTTON));
        Do_Dialog(CITY_EDITOR_DIALOG);
        dialogs::Clear_Actions();
        ASSERT_NO_FATAL_FAILURE(Check_League(nTrial));
        const int nCapacity = Get_Team_Stadium_Stat(Get_User_Preference(PREF_CURRENT_TEAM), STADIUM_STAT_CAPACITY);
        ASSERT_TRUE(nCapacity >= 0 && nCapacity <= STADIUM_CAPACITY_MAX) << nCapacity;
    }
}

}  // namespace
