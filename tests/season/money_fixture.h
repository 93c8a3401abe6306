// A league of 2019 at the 2023 money level for the salary and contract
// tests, with priced players.
//
// The players are past their development age (vital stat 21 below their
// age), so their potential is their present overall whatever the potential
// rule; the contract values are asked with a given value, so the player
// value rule does not enter them.
#pragma once

#include "frontoffice/contracts.h"
#include "league/calendar.h"
#include "league/player_fixture.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "season/salaries.h"

class MoneyTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        Set_Contract_Offer_Policy(nullptr);
    }
    void TearDown() override { Set_Contract_Offer_Policy(nullptr); }

    // Player nID born on January 1 of nBirthYear with nSeasons credited
    // seasons, nSalary $K a year for nLength years (all of them left), no
    // bonus, not hurt, every rating fRating.
    static PLAYER& Put_Priced_Player(int nTeam, int nSlot, int nID, int nPosition, int nBirthYear, int nSeasons,
                                     int nSalary, int nLength, float fRating = 70.0f)
    {
        PLAYER& Player = Put_Player(nTeam, nSlot, nID, nPosition, fRating);
        Player.nVital[VITAL_BIRTH_DATE] = nBirthYear * 10000 + 101;
        Player.nVital[VITAL_SEASONS_PLAYED] = nSeasons;
        Player.nVital[VITAL_SALARY] = nSalary;
        Player.nVital[VITAL_CONTRACT_LENGTH] = nLength;
        Player.nVital[VITAL_CONTRACT_YEARS_LEFT] = nLength;
        Player.nVital[VITAL_SIGNING_BONUS] = 0;
        Player.nVital[VITAL_INJURY] = -1;
        Player.nVital[VITAL_PEAK_START] = 20;
        Player.nVital[VITAL_PEAK_END] = 30;
        return Player;
    }

    // Franchises 0 .. nTeams - 1 in use, run by the computer.
    static void Use_Teams(int nTeams) { Use_Franchises(nTeams); }

    static void Set_User_Club(int nTeam) { Set_Team_Stat(nTeam, TEAM_STAT_CONTROLLER, CONTROLLER_USER); }
};
