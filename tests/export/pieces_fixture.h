// A small league for the page-piece tests, built through the accessors:
// four franchises in two leagues of one division each, the 2019 season in
// week 5 of 17 regular weeks, a few players and the first games.
//
//   team 0 Chicago Bears (CHI)      division 0 "North", league 0 "AFC"
//   team 1 Green Bay Packers (GB)   division 0
//   team 2 Dallas Cowboys (DAL)     division 4 "East",  league 1 "NFC"
//   team 3 New York Giants (NYG)    division 4
//
// Games: week 0 record 0 CHI 10 at GB 24, record 1 DAL 17 at NYG 17 (over);
// week 1 record 2 GB 3 at DAL 0, record 3 NYG 14 at CHI 21.
#pragma once

#include <string>

#include "engine/game_state.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_text.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "test_support.h"

class PiecesTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2019);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        League.StandingsArea.nPlayoffDay[0] = 17;   // regular-season weeks: no accessor sets it
        Add_Team(0, "CHI", "Chicago", "Bears", 0);
        Add_Team(1, "GB", "Green Bay", "Packers", 0);
        Add_Team(2, "DAL", "Dallas", "Cowboys", 4);
        Add_Team(3, "NYG", "New York", "Giants", 4);
        for (int t = 4; t < MAX_FRANCHISES; ++t)
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_NOT_IN_USE);
        Count_Teams();
        Set_League_Abbreviation(0, "AFC");
        Set_League_Abbreviation(1, "NFC");
        Set_Division_Name(0, "North");
        Set_Division_Name(4, "East");
        for (int t = 0; t < 4; ++t)
            Clear_Scheduled_Games(t);
        Add_Game(0, 0, 0, 1, 10, 24);
        Add_Game(0, 1, 2, 3, 17, 17);
        Add_Game(1, 2, 1, 2, 3, 0);
        Add_Game(1, 3, 3, 0, 14, 21);
        Clear_Errors();
    }

    static void Add_Team(int nTeam, const char* szCode, const char* szCity, const char* szNickname, int nDivision)
    {
        Set_Team_Stat(nTeam, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nDivision);
        Set_Team_String(szCode, nTeam, TEAM_STRING_ABBREVIATION);
        Set_Team_String(szCity, nTeam, TEAM_STRING_CITY);
        Set_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
    }

    // Game record n of a week: away at home, final score, at the final whistle.
    static GAME* Add_Game(int nWeek, int n, int nAway, int nHome, int nAwayScore, int nHomeScore)
    {
        Schedule_Game(nHome, nAway, nWeek, 0, 1300);
        Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_GAME_INDEX, n);
        Set_Team_Schedule_Stat(nAway, nWeek, SCHEDULE_GAME_INDEX, n);
        GAME* pGame = Get_Game_Record(n);
        pGame->nAwayTeam = static_cast<uint8_t>(nAway);
        pGame->nHomeTeam = static_cast<uint8_t>(nHome);
        pGame->nScore[0] = nAwayScore;
        pGame->nScore[1] = nHomeScore;
        pGame->nClock = SECONDS_OF_REGULATION;
        return pGame;
    }

    static void Add_Player(int nTeam, int nSlot, int nID, int nPosition, const char* szFirst, const char* szLast)
    {
        Clear_Player(nTeam, nSlot);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, nID);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
            Set_Player_Rating(nTeam, nSlot, r, 70.0f);
    }

    void Clear_Errors()
    {
        Clear_Recent_Errors();
        Reset_Error_Count();
    }

    // A piece's output when it starts from a marker text, to see "writes nothing".
    static std::string Kept()
    {
        return "<kept>";
    }
};
