// New franchises and their first rosters.
#include "season/expansion_teams.h"

#include "engine/playbooks.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/depth_chart.h"
#include "league/cities.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/stadium_value.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "platform/errors.h"
#include "season/college_draft.h"
#include "season/player_generation.h"

const int NEW_TEAM_POSITION_QUOTA[NUMBER_OF_POSITIONS] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};

namespace {

constexpr int NEW_TEAM_CAPACITY = 55000;
constexpr int NEW_TEAM_BASE_TICKET_PRICE = 5000;   // cents at an inflation factor of 1000
constexpr int NEW_TEAM_RUN_PASS_BALANCE = 10;
constexpr int NEW_STADIUM_GRADE = 1000;

// Games of 17 or more weeks share the GAME records with the playoffs: the
// regular season's games stay within 285.
constexpr int REGULAR_SEASON_GAME_BUDGET = 285;

}  // namespace

// A new club's player is kept as the generator first makes him, with no
// overall to clear: a club whose every player had to beat an overall of 70
// at his position would start as the strongest in the league;
// kept as made it starts among the league's middle. A record too poor to
// rate at all is generated again, as the upkeep does.
void Make_Stock_Player(int nTeam, int nSlot, int nPosition)
{
    Create_Veteran_Player(nTeam, nSlot, nPosition, 0.0f);
    const int nOwn = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (Get_Position_Overall_Rating(nTeam, nSlot, nOwn) < 25.0f)
        Generate_Player_Ratings(nTeam, nSlot);
}

int Get_Team_Limit_For_Games(int nGames)
{
    if (nGames < 1)
        return MAX_FRANCHISES;
    const int nLimit = (REGULAR_SEASON_GAME_BUDGET / nGames) * 2;
    return nLimit < MAX_FRANCHISES ? nLimit : MAX_FRANCHISES;
}

int Add_Team_To_League(int bStockRoster)
{
    Sort_Teams_By_City();
    const int n = Count_Teams();
    const int nGames = Get_Games_Per_Season();   // stores 17 back for a longer season
    if (n >= Get_Team_Limit_For_Games(nGames) || n >= MAX_FRANCHISES)
        return -1;
    // Erased clubs keep their slots behind the clubs in use, so that the
    // seasons they played still name them: the new club takes the first
    // slot holding nothing, and an erased club standing in slot n moves to
    // it with every reference. With no such slot, the new club takes the
    // slot of the first erased club no game of the season's records names
    // (its seasons then name "a club since erased"); with none of those
    // either the league is full.
    if (Is_Erased_Club(n)) {
        int nFree = -1;
        for (int t = n + 1; t < MAX_FRANCHISES && nFree < 0; ++t)
            if (!Is_Team_Slot_Used(t) && !Is_Erased_Club(t))
                nFree = t;
        for (int t = n; t < MAX_FRANCHISES && nFree < 0; ++t)
            if (Is_Erased_Club(t) && !Is_Erased_Club_In_Game_Records(t)) {
                Clear_Team(t);
                nFree = t;
            }
        if (nFree < 0)
            return -1;
        if (nFree != n)
            Swap_Teams(n, nFree);
    }

    Set_Team_String("[Empty", n, TEAM_STRING_CITY);
    Set_Team_String("Team]", n, TEAM_STRING_NICKNAME);
    Set_Team_String("XXX", n, TEAM_STRING_ABBREVIATION);
    Set_Team_Stat(n, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    Set_Team_String("Generic Stadium", n, TEAM_STRING_STADIUM);

    Set_Team_Stadium_Stat(n, STADIUM_STAT_CAPACITY, NEW_TEAM_CAPACITY);
    Set_Team_Stadium_Stat(n, STADIUM_STAT_STRUCTURE, 0);
    Set_Team_Stadium_Stat(n, STADIUM_STAT_SURFACE, 0);
    Set_Team_Stadium_Stat(n, STADIUM_STAT_YEAR_BUILT, Get_Current_Year());
    Set_Team_Stadium_Stat(n, STADIUM_STAT_CONVENIENCE, NEW_STADIUM_GRADE);
    Set_Team_Stadium_Stat(n, STADIUM_STAT_COMFORT, NEW_STADIUM_GRADE);
    Set_Team_Stadium_Stat(n, STADIUM_STAT_SIGHT_LINES, NEW_STADIUM_GRADE);

    const long long nInflation = Get_Universe_Stat(INFLATION_FACTOR);
    const long long nPrice = (nInflation * NEW_TEAM_BASE_TICKET_PRICE + 500) / 1000;
    Set_Team_Financial_Stat(n, FINANCE_TICKET_PRICE, static_cast<int>(nPrice));
    Set_Team_Stat(n, TEAM_STAT_RUN_PASS_BALANCE, NEW_TEAM_RUN_PASS_BALANCE);

    // The opening finances read the club's market: a slot without a city
    // gets the best free one (else the first) until its own is set.
    const int nCity = Get_Team_Stat(n, TEAM_STAT_CITY);
    if (nCity < 0 || nCity >= Count_Cities()) {
        const int nFree = Find_Best_Free_City();
        Set_Team_Stat(n, TEAM_STAT_CITY, nFree >= 0 ? nFree : 0);
    }
    // The stadium's worth follows its seats, roof, turf, seating and city.
    Set_Team_Stadium_Stat(n, STADIUM_STAT_VALUE, Get_Stadium_Value(n));
    Init_Team_Stadium_Finances(n);
    Update_Team_Ticket_Finances(n);
    if (bStockRoster)
        Stock_New_Team_Roster(n);
    Build_Team_Default_Playbook(n);
    Reset_Team_Draft_Picks(n);
    return n;
}

void Stock_New_Team_Roster(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return;
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        const int nShort = NEW_TEAM_POSITION_QUOTA[p] - Count_Team_Position_Players(nTeam, p);
        for (int i = 0; i < nShort; ++i) {
            const int nSlot = Find_Empty_Player_Slot(nTeam);
            if (nSlot < 0)
                break;   // a full roster takes no more
            Clear_Player(nTeam, nSlot);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, Make_Unique_Player_Id(nTeam, nSlot));
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, p);
            Make_Stock_Player(nTeam, nSlot, p);
            // The slot must hold a player of the position whatever the
            // generator did with the record.
            if (Get_Player_ID(nTeam, nSlot) == 0)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, Make_Unique_Player_Id(nTeam, nSlot));
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, p);
        }
    }
    if (nTeam >= MAX_FRANCHISES)
        return;
    Trim_Team_Roster(nTeam);
    for (int nUnit = 0; nUnit <= 2; ++nUnit)
        Auto_Set_Depth_Chart(nTeam, nUnit, 0);
    Choose_Team_Returners(nTeam);
    Sort_Team_Depth_Chart_Backups(nTeam);
    Compact_Team_Roster(nTeam);
}
