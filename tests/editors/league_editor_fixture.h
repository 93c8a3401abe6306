// A league for the League Editor's tests: clubs "City00 Nick00" ... (so
// sorting by city keeps them in slot order) spread over the divisions given,
// 60 named cities (club t plays in city t), two named conferences and eight
// named divisions, 2020 in week 0 of an 18-week regular season, Commissioner
// Mode and owner mode on, club 0 viewed.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "editors/dialog_action.h"
#include "editors/league_editor.h"
#include "league/cities.h"
#include "league/league_fixture.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "test_support.h"

namespace league_editor_tests {

using editor_tests::Action;

constexpr int CITIES = 60;
const char* const DIVISION_NAMES[8] = {"East", "North", "South", "West", "Atlantic", "Central", "Pacific", "Plains"};

class LeagueEditorTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        for (int c = 0; c < CITIES; ++c) {
            char szName[16];
            std::snprintf(szName, sizeof(szName), "Metro%02d", c);
            Set_City_Name(c, szName);
            Set_Default_City_Stats(c);
        }
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2020);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        Set_Universe_Stat(GAMES_PER_SEASON, 17);
        Set_Universe_Stat(WILD_CARD_TEAMS, 3);
        Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
        Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
        Set_User_Preference(PREF_OWNER_MODE, 1);   // the clubs' own cash and loyalty
        Set_User_Preference(PREF_CURRENT_WEEK, 0);
        Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, 2);
        Set_User_Preference(PREF_MINUTES_PER_PERIOD, 15);
        Set_Regular_Season_Weeks(18);
        Build(32);
    }

    // nTeams clubs; division d holds Counts[d] of them in slot order (by
    // default eight divisions of equal size, the first ones a club more).
    static void Build(int nTeams, std::vector<int> Counts = {})
    {
        if (Counts.empty())
            for (int d = 0; d < 8; ++d)
                Counts.push_back(nTeams / 8 + (d < nTeams % 8 ? 1 : 0));
        Use_Franchises(nTeams);
        int t = 0;
        for (int d = 0; d < 8; ++d)
            for (int k = 0; k < Counts[d] && t < nTeams; ++k, ++t)
                Set_Team_Stat(t, TEAM_STAT_DIVISION, d);
        for (t = 0; t < nTeams; ++t) {
            char szCity[16];
            char szNick[16];
            std::snprintf(szCity, sizeof(szCity), "City%02d", t);
            std::snprintf(szNick, sizeof(szNick), "Nick%02d", t);
            Set_Team_String(szCity, t, TEAM_STRING_CITY);
            Set_Team_String(szNick, t, TEAM_STRING_NICKNAME);
            Set_Team_Stat(t, TEAM_STAT_CITY, t);
        }
        Set_League_Abbreviation(0, "Eastern");
        Set_League_Abbreviation(1, "Western");
        for (int d = 0; d < 8; ++d)
            Set_Division_Name(d, DIVISION_NAMES[d]);
        Count_Teams();
        Set_User_Preference(PREF_CURRENT_TEAM, 0);
        Set_User_Preference(PREF_SELECTED_TEAM, -1);
    }

    // Queues the actions, runs the editor and gives its record.
    static const DIALOG_RECORD& Run(const std::vector<DIALOG_ACTION>& Actions)
    {
        for (const DIALOG_ACTION& A : Actions)
            dialogs::Queue_Action(LEAGUE_EDITOR_DIALOG, A);
        Do_Dialog(LEAGUE_EDITOR_DIALOG);
        dialogs::Clear_Actions();
        return dialogs::Records().back();
    }

    static DIALOG_ACTION Type(int nControl, const std::string& Text) { return Action(ACTION_SET_TEXT, nControl, 0, Text); }
    static DIALOG_ACTION Pick(int nControl, int nIndex) { return Action(ACTION_SELECT, nControl, nIndex); }
    static DIALOG_ACTION Press(int nControl) { return Action(ACTION_PRESS, nControl); }

    // The boxes shown since the last call, as "caption|text" (without the
    // generator's complaint that no name files are at hand).
    static std::vector<std::string> Boxes()
    {
        std::vector<std::string> Shown;
        for (const SHOWN_BOX& Box : ui::Shown_Boxes())
            if (Box.Caption != "File Error")
                Shown.push_back(Box.Caption + "|" + Box.Text);
        ui::Clear_Shown_Boxes();
        return Shown;
    }

    static std::string Team_String(int nTeam, int nString)
    {
        char szText[32];
        Get_Team_String(szText, nTeam, nString);
        return szText;
    }
};

}  // namespace league_editor_tests
