#include "engine/calibration.h"

#include <algorithm>

#include "league/league_data.h"
#include "league/player.h"
#include "league/overall_rating.h"
#include "league/team.h"
#include "league/team_strength.h"
#include "platform/errors.h"

// Calibrated to strip-sacks lost by the offence: about 4 in 100 sacks with a
// quarterback of Hands 70 (about 0.1 a team-game at 2.5 sacks), rising as his
// Hands fall (Hands 40 about 7 in 100, Hands 100 under 1 in 100). The sack's
// fumble kept by the offence comes on top, from the ball-security figure.
int Get_Passer_Fumble_Chance(const GAME* pGame, int nPasserSlot)
{
    const int nTeam = pGame ? static_cast<int>(pGame->nOffense) : -1;
    float fHands = 70.0f;
    if (nTeam >= 0 && nTeam <= LAST_TEAM && nPasserSlot >= 0 && nPasserSlot < PLAYERS_PER_TEAM)
        fHands = Get_Player_Rating(nTeam, nPasserSlot, RATING_HANDS);
    fHands = std::clamp(fHands, 40.0f, 100.0f);
    return static_cast<int>(40.0f * (105.0f - fHands) / 35.0f);
}

// Neutral for every offence: the pass model's own pulls towards the league's
// rates (completions, sacks, interceptions by the week) keep a season's
// passing near the era's averages without it.
float Get_Offense_Trend_Factor(const GAME* pGame)
{
    (void)pGame;
    return 1.0f;
}

// Calibrated to a betting line of the 2010s-2020s: 2.5 points for the home
// field, and a point for about 4 rating points of difference in the sum of
// the two clubs' run, pass and defence strengths (the strengths are ten times
// a rating, so 40 of them); held within 24 points either way.
int Get_Point_Spread_Of_Strengths(int nAwayStrength, int nHomeStrength)
{
    return std::clamp((nAwayStrength - nHomeStrength) / 4 - 25, -240, 240);
}

// Calibrated to the league total of about 44 points a game: 44 plus a point
// for about 5 rating points (50 of the strengths) of the two offences above
// their defences; held within 30 to 60 points.
int Get_Over_Under_Of_Strengths(int nOffense, int nDefense)
{
    return std::clamp(440 + (nOffense - nDefense) / 5, 300, 600);
}

int Get_Game_Point_Spread(int nAway, int nHome)
{
    auto Strength = [](int nTeam) {
        return Get_Team_Run_Rating(nTeam) + Get_Team_Pass_Rating(nTeam) + Get_Team_Run_Defense_Rating(nTeam) +
               Get_Team_Pass_Defense_Rating(nTeam);
    };
    if (!Is_Valid_Team(nAway) || !Is_Valid_Team(nHome))
        return 0;
    return Get_Point_Spread_Of_Strengths(Strength(nAway), Strength(nHome));
}

namespace {

// Whether reading a club's strengths could regenerate a player (an overall
// below 25 does): the strengths read starters found among the slots before
// the roster's first empty one, and every one of those is looked at.
bool Could_Regenerate_A_Player(int nTeam)
{
    for (int s = 0; s < PLAYERS_PER_TEAM && Get_Player_ID(nTeam, s) != 0; ++s)
        if (Get_Player_Overall_Rating(nTeam, s) < 25.0f)
            return true;
    return false;
}

}  // namespace

void Get_Game_Lines(int nAway, int nHome, int* pnPointSpread, int* pnOverUnder)
{
    // A regeneration draws from the generator in the order the readings
    // come: then both lines are read as each reads them alone.
    if (!Is_Valid_Team(nAway) || !Is_Valid_Team(nHome) || Could_Regenerate_A_Player(nAway) ||
        Could_Regenerate_A_Player(nHome)) {
        *pnPointSpread = Get_Game_Point_Spread(nAway, nHome);
        *pnOverUnder = Get_Game_Over_Under(nAway, nHome);
        return;
    }
    // Otherwise the readings change nothing, and their order does not count.
    const int nErrors = Get_Error_Count();
    int nRun[2], nPass[2], nRunDefense[2], nPassDefense[2];
    const int nTeam[2] = {nAway, nHome};
    for (int k = 0; k < 2; ++k) {
        nRun[k] = Get_Team_Run_Rating(nTeam[k]);
        nPass[k] = Get_Team_Pass_Rating(nTeam[k]);
        nRunDefense[k] = Get_Team_Run_Defense_Rating(nTeam[k]);
        nPassDefense[k] = Get_Team_Pass_Defense_Rating(nTeam[k]);
    }
    *pnPointSpread = Get_Point_Spread_Of_Strengths(nRun[0] + nPass[0] + nRunDefense[0] + nPassDefense[0],
                                                   nRun[1] + nPass[1] + nRunDefense[1] + nPassDefense[1]);
    // A reported error is reported again by the over/under's own reading.
    if (Get_Error_Count() != nErrors) {
        *pnOverUnder = Get_Game_Over_Under(nAway, nHome);
        return;
    }
    *pnOverUnder = Get_Over_Under_Of_Strengths(nRun[0] + nPass[0] + nRun[1] + nPass[1],
                                               nRunDefense[0] + nPassDefense[0] + nRunDefense[1] + nPassDefense[1]);
}

int Get_Game_Over_Under(int nAway, int nHome)
{
    if (!Is_Valid_Team(nAway) || !Is_Valid_Team(nHome))
        return 440;
    const int nOffense = Get_Team_Run_Rating(nAway) + Get_Team_Pass_Rating(nAway) + Get_Team_Run_Rating(nHome) +
                         Get_Team_Pass_Rating(nHome);
    const int nDefense = Get_Team_Run_Defense_Rating(nAway) + Get_Team_Pass_Defense_Rating(nAway) +
                         Get_Team_Run_Defense_Rating(nHome) + Get_Team_Pass_Defense_Rating(nHome);
    return Get_Over_Under_Of_Strengths(nOffense, nDefense);
}

// The position's overall rating, so a cell left empty by the depth chart
// goes to the player who would rate best there; returner places use the
// return rating. An empty slot scores far below any player.
float Get_Depth_Chart_Score(int nTeam, int nSlot, int nPosition, int bFlag)
{
    (void)bFlag;
    if (nTeam < 0 || nTeam > LAST_TEAM || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM || Get_Player_ID(nTeam, nSlot) <= 0)
        return EMPTY_SLOT_DEPTH_SCORE;
    if (nPosition == 150)
        return Get_Player_Rating(nTeam, nSlot, RATING_KICK_RETURNS);
    if (nPosition == 151)
        return Get_Player_Rating(nTeam, nSlot, RATING_PUNT_RETURNS);
    if (nPosition < 0 || nPosition > POSITION_P)
        return 0.0f;
    return Get_Position_Overall_Rating(nTeam, nSlot, nPosition);
}

// A missing or hurt returner is replaced by the healthy player of the club
// with the best return rating of that kind (kickers and punters excluded),
// as a real club's next man up.
void Check_Team_Returners(int nTeam)
{
    if (nTeam < 0 || nTeam > LAST_TEAM) {
        Report_Error("%s(%d)", __func__, nTeam);
        return;
    }
    for (int nKind : {RETURNER_KICKOFF, RETURNER_PUNT}) {
        const int nSlot = Get_Team_Returner(nTeam, nKind);
        if (nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && Get_Player_ID(nTeam, nSlot) > 0 &&
            Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) <= 0)
            continue;
        const int nRating = nKind == RETURNER_KICKOFF ? RATING_KICK_RETURNS : RATING_PUNT_RETURNS;
        int nBest = -1;
        float fBest = -1.0f;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(nTeam, s) <= 0 || Get_Player_Vital_Stat(nTeam, s, VITAL_INJURY_WEEKS) > 0)
                continue;
            const int nPosition = Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION);
            if (nPosition == POSITION_K || nPosition == POSITION_P)
                continue;
            const float f = Get_Player_Rating(nTeam, s, nRating);
            if (f > fBest) {
                fBest = f;
                nBest = s;
            }
        }
        if (nBest >= 0)
            Set_Team_Returner(nTeam, nKind, nBest);
    }
}
