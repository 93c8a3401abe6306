// A zeroed league in 2019 with helpers that place players through the record
// operations.
#pragma once

#include <cstring>

#include "league/player.h"
#include "league/preferences.h"
#include "league/random.h"
#include "league/team.h"
#include "season/player_generation.h"
#include "test_support.h"

class PlayerTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        League.Universe.nStat[INFLATION_FACTOR] = 1000;
        Reset_Name_Pool();
        Seed_Random_Numbers(12345);
    }

    // A cleared slot holding player nID at a position, every rating 70.
    static PLAYER& Add_Player(int nTeam, int nSlot, int nID, int nPosition = POSITION_WR)
    {
        Clear_Player(nTeam, nSlot);
        PLAYER& Player = League.Team[nTeam].Player[nSlot];
        Player.nVital[VITAL_PLAYER_ID] = nID;
        Player.nVital[VITAL_POSITION] = nPosition;
        for (float& fRating : Player.fRating)
            fRating = 70.0f;
        return Player;
    }

    static void Set_Team_Not_In_Use(int nTeam) { League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE; }

    // Stamps season line nLine with a year, a level and one statistic.
    static void Stamp_Line(int nLine, int nYear, int nLevel, int nGamesPlayed)
    {
        std::memset(League.SeasonLines[nLine], 0, sizeof(League.SeasonLines[nLine]));
        League.SeasonLines[nLine][0] = nYear;
        League.SeasonLines[nLine][1] = nLevel;
        League.SeasonLines[nLine][3] = nGamesPlayed;
    }

    static bool Line_Is_Zero(int nLine)
    {
        for (int32_t nWord : League.SeasonLines[nLine]) {
            if (nWord != 0)
                return false;
        }
        return true;
    }
};
