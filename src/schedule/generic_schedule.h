// The schedule of any league size: weeks filled one at a time, each with its
// division games first (every club meets each rival home and away when the
// divisions fit the season), then random pairings steered by weighted
// refusals that spread the meetings over different opponents and keep each
// team's home and away games level. Odd team counts get a plan of bye
// weeks first.
#pragma once

// Largest number of weeks the generator fills: 17 games and an open week.
constexpr int GENERIC_SCHEDULE_MAX_WEEKS = 18;

// One attempt at the whole schedule: clears it, then fills every week,
// showing "Generating Schedule" progress. With bPairDivisions, and when
// every division's home-and-away round fits the season, the division games
// are placed first week by week and the attempt succeeds only when each
// club meets every rival once at home and once away. After a filled
// attempt the venues of single meetings are turned to level each club's
// home and away games. An odd league rests each week's byes of the bye
// plan (Plan_Week_Byes), a team at most once while some team has no bye; a
// league smaller than its weeks, whose plan asks for more byes than it has
// teams, gives its teams with the fewest byes a second one (13 teams over
// 14 weeks: twelve play 13 games, one 12). True when every week was filled;
// false when a game found no acceptable team or opponent within its draws
// or the division games did not fit (the partial schedule is left for the
// next attempt to clear).
bool Generate_Schedule_With_Progress(bool bPairDivisions = true);

// ---------------------------------------------------------------------------
// The draws. They read the teams' home and away games and their meetings
// from counters that the generator keeps as it enters games; a caller that
// changed the schedule by other means reloads them first.

// Reads the counters from the schedule (weeks 0-17), the teams' divisions,
// the team count and the season's year.
void Load_Schedule_Draw_Counts();

// A random team 0..n-1, drawn again while Has_Too_Many_Home_Games refuses
// it, at most 100 more times; the last team drawn. NO_TEAM (no draw) when
// there are no teams.
int Pick_Random_Team_To_Schedule();

// Refused (true) with 70 % when the team has more home than away games,
// else with 80 % when it has two more, else with 90 % when three more. A
// percentage is drawn only when its condition holds.
bool Has_Too_Many_Home_Games(int nTeam);

// A random candidate, drawn again while Is_Unwanted_Opponent refuses it
// against nTeam, at most 10,000 more times; the last candidate drawn (which
// may be nTeam itself or a refused one). NO_TEAM (no draw) without teams.
int Pick_Random_Opponent(int nTeam);

// Whether candidate nCandidate is refused as the visitor of nTeam, the tests
// in order, a percentage drawn only when a test's condition holds:
//   other conference: before 1970 85 %, then 75 %, then 95 % if they met;
//   other division: 66 %, then 95 % if they met;
//   the candidate's away games above its home games by 1, 2, 3: 70/80/90 %;
//   the candidate has already played at nTeam: 98 %.
// A team outside the counted teams is reported and refused.
bool Is_Unwanted_Opponent(int nCandidate, int nTeam);

// The bye plan of an odd number of teams over nWeeks weeks (1 to
// GENERIC_SCHEDULE_MAX_WEEKS): pnByes[s] receives week s's byes, an odd
// count, the heavy weeks in the middle of the season. Returns the byes of
// all weeks together (more than nTeams when the league is smaller than its
// weeks: some teams rest twice); 0 and nothing written for a week count out
// of range.
int Plan_Week_Byes(int nTeams, int nWeeks, int* pnByes);
