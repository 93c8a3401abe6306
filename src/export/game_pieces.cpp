#include "export/game_pieces.h"

#include <cstdio>
#include <string>

#include "base/text_utils.h"
#include "engine/game_state.h"
#include "engine/narration.h"
#include "engine/play_wording.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "export/page_links.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finances.h"
#include "league/team_schedule.h"
#include "season/offseason.h"
#include "season/playoffs.h"

namespace {

constexpr int LAST_BRACKET_SLOT = 30;
constexpr int MAX_PERIOD_STARTS = 10;

// The running score of the scoring rows, from PLAY 0 of a game.
struct SCORING_STATE {
    int nScore[2] = {0, 0};
    int nGame = -1;
};
SCORING_STATE g_Scoring;

const GAME* Game_Of(int nGame)
{
    if (nGame < 0 || nGame >= NUMBER_OF_GAMES)
        return nullptr;
    return Get_Game_Record(nGame);
}

// The play entry PLAY of game GAME; null outside the game's log.
const PLAY* Play_Of(int nGame, int nPlay, const GAME** ppGame = nullptr)
{
    const GAME* pGame = Game_Of(nGame);
    if (!pGame || nPlay < 0 || nPlay >= Get_Game_Play_Count(nGame))
        return nullptr;
    if (ppGame)
        *ppGame = pGame;
    return &pGame->PlayLog[nPlay];
}

std::string Full_Name(int nTeam)
{
    if (nTeam < 0 || nTeam > LAST_TEAM)
        return std::string();
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Team_Full_Name(nTeam, szName);
    return Escape_Html_Text(szName);
}

std::string Team_Text(int nTeam, int nString)
{
    if (nTeam < 0 || nTeam > LAST_TEAM)
        return std::string();
    char szText[TEXT_BUFFER_SIZE] = "";
    Get_Team_String(szText, nTeam, nString);
    return Escape_Html_Text(szText);
}

const GAME* Team_Game_Of_Week(int nWeek, int nTeam)
{
    if (nTeam < 0 || nTeam > LAST_TEAM || nWeek < 0 || nWeek >= SCHEDULE_WEEKS)
        return nullptr;
    return Find_Team_Game_In_Week(nWeek, nTeam);
}

// The kick-off and free-kick downs carry no play from the playbook.
bool Is_Kick_Down(int nDown)
{
    return nDown == KICKOFF_DOWN || nDown == SAFETY_KICK_DOWN;
}

// The offense side (0 first team, 1 second team) of a logged play.
int Play_Offense_Side(const PLAY* pPlay)
{
    return Get_Play_Home_Bit(pPlay);
}

// Whether a conversion try was kicked: the call is a punt or field-goal play.
bool Is_Extra_Point(const GAME* pGame, const PLAY* pPlay)
{
    if (pPlay->nSnapDown != CONVERSION_ATTEMPT || pPlay->nOffenseCall == PLAY_NOT_CALLED)
        return false;
    const int nType = Get_Offensive_Play_Type(Side_Team(pGame, Play_Offense_Side(pPlay)), pPlay->nOffenseCall);
    return nType == PLAY_TYPE_PUNT || nType == PLAY_TYPE_FIELD_GOAL;
}

// The time left in the period of a logged play, as the game clock shows it.
int Play_Time_Left(const GAME* pGame, const PLAY* pPlay)
{
    const int nClock = pPlay->nClock;
    const bool bTry = pPlay->nSnapDown == CONVERSION_ATTEMPT;
    int nWhole = SECONDS_PER_QUARTER;
    int nLeft = 0;
    if (nClock < SECONDS_OF_REGULATION || (nClock == SECONDS_OF_REGULATION && bTry)) {
        int nQuarter = nClock / SECONDS_PER_QUARTER + 1;
        // A try snapped as a quarter ends belongs to the quarter before.
        if (bTry && nClock > 0 && nClock % SECONDS_PER_QUARTER == 0)
            --nQuarter;
        nLeft = SECONDS_PER_QUARTER * nQuarter - nClock;
    } else {
        nWhole = Get_Overtime_Period_Length(pGame);
        nLeft = nWhole - (nClock - SECONDS_OF_REGULATION) % nWhole;
    }
    if (bTry && nLeft == nWhole)
        nLeft = 0;
    return nLeft;
}

// The team and slot of a player ID; false when no used slot holds it.
bool Locate_Player(int nID, int& nTeam, int& nSlot)
{
    PLAYER_LOCATION Where{};
    if (nID < 1 || !Find_Player_By_ID(&Where, nID) || !Is_Player_Slot_Used(Where.nTeam, Where.nSlot))
        return false;
    nTeam = Where.nTeam;
    nSlot = Where.nSlot;
    return true;
}

// The place of a player ID on a side's game roster, or -1.
int Game_Roster_Place(const GAME* pGame, int nSide, int nID)
{
    for (int n = 0; n < GAME_ROSTER_SIZE; ++n)
        if (pGame->nRosterID[nSide][n] == nID)
            return n;
    return -1;
}

// The game's top player in a box-score figure, of one side (0 away, 1 home)
// or of both (GAME_LEADER_BOTH_SIDES: the greater figure, the away side's on
// equal ones); -1 when nobody has one. *pSide and *pPlace (when given) tell
// where his figure is.
int Game_Top_Player(int nGame, int nStat, int nPosition, int nSide, int* pSide = nullptr, int* pPlace = nullptr)
{
    const GAME* pGame = Game_Of(nGame);
    if (!pGame || (nSide != 0 && nSide != 1 && nSide != GAME_LEADER_BOTH_SIDES) || nStat < 0 ||
        nStat >= GAME_PLAYER_FIGURES)
        return -1;
    int nBestID = -1;
    int nBestValue = 0;
    for (int s = 0; s < 2; ++s) {
        if (nSide != GAME_LEADER_BOTH_SIDES && s != nSide)
            continue;
        const int nID = Get_Game_Top_Player(pGame, nStat, nPosition, s);
        const int nPlace = nID > 0 ? Game_Roster_Place(pGame, s, nID) : -1;
        if (nPlace < 0)
            continue;
        const int nValue = pGame->nPlayerGameStat[s][nPlace][nStat];
        if (nBestID == -1 || nValue > nBestValue) {
            nBestID = nID;
            nBestValue = nValue;
            if (pSide)
                *pSide = s;
            if (pPlace)
                *pPlace = nPlace;
        }
    }
    return nBestID;
}

// TEAM's game of the week between two different franchises, and TEAM's side.
int Schedule_Game(int nTeam, int nWeek, int& nSide)
{
    if (nWeek < 0 || nWeek >= SCHEDULE_WEEKS)
        return -1;
    const int nFirst = Get_Week_First_Game_Index(nWeek);
    const int nGames = Count_Week_Games(nWeek);
    if (nFirst < 0)
        return -1;
    for (int n = nFirst; n < nFirst + nGames; ++n) {
        const GAME* pGame = Game_Of(n);
        if (!pGame)
            break;
        const int nAway = pGame->nAwayTeam;
        const int nHome = pGame->nHomeTeam;
        if (nAway >= MAX_FRANCHISES || nHome >= MAX_FRANCHISES || nAway == nHome)
            continue;
        if (nAway == nTeam || nHome == nTeam) {
            nSide = nHome == nTeam ? 1 : 0;
            return n;
        }
    }
    return -1;
}

// The playoff team of a bracket slot; NO_TEAM for a bad slot (reported).
int Bracket_Team(int nSlot)
{
    if (nSlot < 0 || nSlot > LAST_BRACKET_SLOT) {
        Report_Error("Invalid playoff slot in Get_Playoff_Team(%d)", nSlot);
        return NO_TEAM;
    }
    return Get_Playoff_Team(nSlot);
}

// The first slot of a pair that can meet in a game: an even slot below the
// champion's.
bool Is_Bracket_Game(int nSlot)
{
    return nSlot >= 0 && nSlot < LAST_BRACKET_SLOT && nSlot % 2 == 0;
}

// Whether a slot holds a club or will: a later round's slot gets the winner
// of the pair feeding it when both of that pair's slots do.
bool Slot_Gets_Team(int nSlot)
{
    if (nSlot < 0 || nSlot > LAST_BRACKET_SLOT)
        return false;
    if (Get_Playoff_Team(nSlot) != NO_TEAM)
        return true;
    constexpr int SECOND_ROUND_SLOT = 16;
    if (nSlot < SECOND_ROUND_SLOT)
        return false;
    const int nFeed = 2 * (nSlot - SECOND_ROUND_SLOT);
    return Slot_Gets_Team(nFeed) && Slot_Gets_Team(nFeed + 1);
}

std::string Team_Link_And_Name(int nTeam)
{
    if (nTeam == ERASED_FINISHER)
        return ERASED_CLUB_TEXT;
    std::string Link;
    Format_Team_Ref(Link, nTeam, -1, 0);
    return Link + Full_Name(nTeam) + "</a>";
}

// Whether the season the bracket holds (nSeasonsAgo back) has a final
// between the leagues: once the season is over (its title decided, or its
// off-season begun, in a game saved before titles were kept), whether that
// final filled the champion's slot; while it is played, whether the
// league's rules give one. The rules are today's: a final turned on since
// a season ended is not that season's. Without it the season ends with the
// leagues' finals.
bool Bracket_Season_Has_Final(int nSeasonsAgo)
{
    if (nSeasonsAgo > 0 || Is_Season_Title_Recorded(Get_Current_Season_Index() - nSeasonsAgo))
        return Get_Playoff_Team(LAST_BRACKET_SLOT) != NO_TEAM;
    return Get_Season_Last_Playoff_Slot() == LAST_BRACKET_SLOT;
}

// A side of a past season's playoff game: a club, or one the league can no
// longer name.
bool Is_Finisher(int nTeam)
{
    return (nTeam >= 0 && nTeam < NO_TEAM) || nTeam == ERASED_FINISHER;
}

}  // namespace

int Get_Game_Play_Count(int nGame)
{
    const GAME* pGame = Game_Of(nGame);
    if (!pGame || pGame->nPlays < 0)
        return 0;
    return pGame->nPlays > PLAY_LOG_SIZE ? PLAY_LOG_SIZE : pGame->nPlays;
}

// ---------------------------------------------------------------------------
// Games of a week

void Format_Game_Result(std::string& Out, int nWeek, int nTeam)
{
    const GAME* pGame = Team_Game_Of_Week(nWeek, nTeam);
    if (!pGame) {
        Out.clear();
        return;
    }
    const int nFirst = pGame->nAwayTeam;
    const int nSecond = pGame->nHomeTeam;
    int nWinner = nSecond;
    int nLoser = nFirst;
    if (pGame->nScore[0] > pGame->nScore[1]) {
        nWinner = nFirst;
        nLoser = nSecond;
    } else if (pGame->nScore[0] == pGame->nScore[1] && Is_Game_Over(pGame)) {
        nWinner = NO_TEAM;
        nLoser = NO_TEAM;
    }
    Out = nTeam == nWinner ? "W" : nTeam == nLoser ? "L" : "T";
}

void Format_Game_Score(std::string& Out, int nWeek, int nTeam)
{
    const GAME* pGame = Team_Game_Of_Week(nWeek, nTeam);
    if (!pGame) {
        Out.clear();
        return;
    }
    const int nSide = pGame->nHomeTeam == nTeam ? 1 : 0;
    Out = std::to_string(pGame->nScore[nSide]) + "-" + std::to_string(pGame->nScore[1 - nSide]);
}

void Format_Opponent_Name(std::string& Out, int nWeek, int nTeam)
{
    const GAME* pGame = Team_Game_Of_Week(nWeek, nTeam);
    if (!pGame) {
        Out.clear();
        return;
    }
    Out = Full_Name(pGame->nAwayTeam == nTeam ? pGame->nHomeTeam : pGame->nAwayTeam);
}

void Format_Home_Away_Word(std::string& Out, int nWeek, int nTeam)
{
    const bool bAway = nWeek >= 0 && nWeek < SCHEDULE_WEEKS && nTeam >= 0 && nTeam <= LAST_TEAM &&
                       Get_Team_Schedule_Stat(nTeam, nWeek, 0) < 0;
    Out = bAway ? "at" : "  ";
}

// ---------------------------------------------------------------------------
// One game record

void Format_Game_Points(std::string& Out, int nGame, int nType)
{
    const GAME* pGame = Game_Of(nGame);
    if (!pGame || (nType != 0 && nType != 1)) {
        Out.clear();
        return;
    }
    Out = std::to_string(pGame->nScore[nType]);
}

void Format_Game_Team(std::string& Out, int nGame, int nType)
{
    const GAME* pGame = Game_Of(nGame);
    if (!pGame || (nType != 0 && nType != 1)) {
        Out.clear();
        return;
    }
    Out = Full_Name(Side_Team(pGame, nType));
}

void Format_Game(std::string& Out, int nGame)
{
    const GAME* pGame = Game_Of(nGame);
    if (!pGame) {
        Out.clear();
        return;
    }
    Format_Game_Detail_Ref(Out, nGame, 1);
    const std::string First = Full_Name(pGame->nAwayTeam) + " " + std::to_string(pGame->nScore[0]);
    const std::string Second = Full_Name(pGame->nHomeTeam) + " " + std::to_string(pGame->nScore[1]);
    if (pGame->nScore[0] > pGame->nScore[1])
        Out += "<b>" + First + ", </b>" + Second;
    else
        Out += First + ", <b>" + Second + "</b>";
    Out += "</a>";
}

void Format_Playoff_Game(std::string& Out, int nSlot, int nSeason)
{
    int nFirst = NO_TEAM;
    int nSecond = NO_TEAM;
    std::string FirstScore;
    std::string SecondScore;
    bool bFirstWon = false;
    // A row names a game the season plays; anything else writes an empty
    // text, so a page asking for every pair lists each game once.
    if (!Is_Bracket_Game(nSlot)) {
        Out.clear();
        return;
    }
    const int nBracketSeason = Get_Game_Records_Season();
    if (nSeason >= 0 && nSeason < nBracketSeason) {
        // A season begun after the bracket's (the new one in the
        // off-season) has played no playoff game yet.
        Out.clear();
        return;
    }
    if (nSeason != nBracketSeason) {
        // Of a past season only the finals' clubs are kept.
        if (nSlot < FINISHER_LEAGUE_0_FINAL) {
            Out.clear();
            return;
        }
        nFirst = Get_Season_Finisher_Team(nSlot, 1, nSeason);
        nSecond = Get_Season_Finisher_Team(nSlot, 0, nSeason);
        if (!Is_Finisher(nFirst) || !Is_Finisher(nSecond)) {
            Out.clear();
            return;
        }
        FirstScore = "W";
        SecondScore = "L";
        bFirstWon = true;
    } else {
        // A pair one of whose slots stays empty plays no game: a bye.
        if (!Slot_Gets_Team(nSlot) || !Slot_Gets_Team(nSlot + 1)) {
            Out.clear();
            return;
        }
        nFirst = Bracket_Team(nSlot);
        nSecond = Bracket_Team(nSlot + 1);
        const int nFirstScore = nFirst == NO_TEAM ? 0 : Get_Playoff_Score(nSlot);
        const int nSecondScore = nSecond == NO_TEAM ? 0 : Get_Playoff_Score(nSlot + 1);
        if (nFirstScore == 0 && nSecondScore == 0) {
            // The leagues' champions meet only in a season with a final.
            if (nSlot == FINISHER_TITLE_GAME && !Bracket_Season_Has_Final(nBracketSeason))
                Out.clear();
            else
                Out = "Not played yet";
            return;
        }
        FirstScore = std::to_string(nFirstScore);
        SecondScore = std::to_string(nSecondScore);
        bFirstWon = nFirstScore > nSecondScore;
    }
    // Team bytes at or above NO_TEAM (the finishers' 255 too) name nobody.
    if (!Is_Finisher(nFirst) || !Is_Finisher(nSecond)) {
        Out = "Not played yet";
        return;
    }
    if (bFirstWon)
        Out = "<b>" + Team_Link_And_Name(nFirst) + " " + FirstScore + ", </b>" + Team_Link_And_Name(nSecond) + " " +
              SecondScore;
    else
        Out = Team_Link_And_Name(nFirst) + " " + FirstScore + ", <b>" + Team_Link_And_Name(nSecond) + " " +
              SecondScore + "</b>";
}

void Format_Playoff_Star(std::string& Out, int nTeam, int nSeason)
{
    Out.clear();
    // An erased club keeps its mark on the seasons it played.
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES || !Is_Club_Of_Season(nTeam))
        return;
    int nFinish = 0;
    if (nSeason == 0) {
        // The season under way: no mark before its playoffs, nor in the
        // off-season, when it is the new one.
        const int nWeek = Get_Current_Week();
        if (nWeek < Get_Regular_Season_Weeks() || nWeek == OFFSEASON_WEEK)
            return;
        // Once the season's codes stand they are read, not worked out from
        // division rows a club erased or moved since has changed; an erased
        // club is in no row.
        nFinish = Are_Season_Finishes_Recorded() || !Is_Team_Slot_Used(nTeam)
                      ? Get_Team_Yearly_Int(nTeam, Get_Current_Season_Index(), YEARLY_INT_FINISH)
                      : Record_Team_Division_Finish(nTeam);
    } else {
        // The finish kept for the season the page is about, the one of
        // its year.
        const int nIndex = Get_Current_Season_Index() - nSeason;
        if (nIndex < 0 || nIndex > 100)
            return;
        nFinish = Get_Team_Yearly_Int(nTeam, nIndex, YEARLY_INT_FINISH);
    }
    if (nFinish >= 4)
        Out = "*";
}

// ---------------------------------------------------------------------------
// Game leaders

void Format_Game_Leader_Ref(std::string& Out, int nGame, int nStat, int nPosition, int nType)
{
    Out = NO_LINK_REF;
    int nTeam = 0;
    int nSlot = 0;
    if (Locate_Player(Game_Top_Player(nGame, nStat, nPosition, nType), nTeam, nSlot))
        Format_Player_Ref(Out, nSlot, nTeam, 1);
}

void Format_Game_Leader_Name(std::string& Out, int nGame, int nStat, int nPosition, int nType)
{
    int nTeam = 0;
    int nSlot = 0;
    if (!Locate_Player(Game_Top_Player(nGame, nStat, nPosition, nType), nTeam, nSlot)) {
        Out = "Retired";
        return;
    }
    char szFirst[TEXT_BUFFER_SIZE] = "";
    char szLast[TEXT_BUFFER_SIZE] = "";
    Get_Player_First_Name(nTeam, nSlot, szFirst);
    Get_Player_Last_Name(nTeam, nSlot, szLast);
    Out = Escape_Html_Text(std::string(szFirst) + " " + szLast);
}

void Format_Game_Leader_Stat(std::string& Out, int nGame, int nStat, int nPosition, int nType)
{
    int nSide = 0;
    int nPlace = 0;
    if (Game_Top_Player(nGame, nStat, nPosition, nType, &nSide, &nPlace) == -1) {
        Out.clear();
        return;
    }
    Out = std::to_string(Game_Of(nGame)->nPlayerGameStat[nSide][nPlace][nStat]) + " Yards";
}

void Format_Schedule_Leader_Ref(std::string& Out, int nTeam, int nWeek, int nStat, int nPosition)
{
    int nSide = 0;
    const int nGame = Schedule_Game(nTeam, nWeek, nSide);
    if (nGame < 0)
        Out = NO_LINK_REF;
    else
        Format_Game_Leader_Ref(Out, nGame, nStat, nPosition, nSide);
}

void Format_Schedule_Leader_Name(std::string& Out, int nTeam, int nWeek, int nStat, int nPosition)
{
    int nSide = 0;
    const int nGame = Schedule_Game(nTeam, nWeek, nSide);
    if (nGame < 0)
        Out.clear();
    else
        Format_Game_Leader_Name(Out, nGame, nStat, nPosition, nSide);
}

void Format_Schedule_Leader_Stat(std::string& Out, int nTeam, int nWeek, int nStat, int nPosition)
{
    int nSide = 0;
    const int nGame = Schedule_Game(nTeam, nWeek, nSide);
    if (nGame < 0)
        Out.clear();
    else
        Format_Game_Leader_Stat(Out, nGame, nStat, nPosition, nSide);
}

// ---------------------------------------------------------------------------
// Play by play

void Format_Quarter_Begin(std::string& Out, int nGame, int nPlay)
{
    static const char* const Names[] = {"First quarter", "Second quarter", "Third quarter", "Fourth quarter"};
    Out.clear();
    const GAME* pGame = Game_Of(nGame);
    const int nPlays = Get_Game_Play_Count(nGame);
    if (!pGame || nPlay < 0 || nPlay >= nPlays)
        return;
    int nStarts = 0;
    int i = 0;
    while (i < nPlays && nStarts < MAX_PERIOD_STARTS) {
        const int nClock = pGame->PlayLog[i].nClock;
        // A try belongs to the quarter of its touchdown, even one scored as
        // the clock ran out: the try of a game won at 0:00 is no overtime.
        if (nClock % SECONDS_PER_QUARTER != 0 || pGame->PlayLog[i].nSnapDown == CONVERSION_ATTEMPT) {
            ++i;
            continue;
        }
        if (i == nPlay) {
            Out = nStarts < 4 ? Names[nStarts] : "Overtime";
            return;
        }
        ++nStarts;
        // Later plays at the same second belong to the period just started.
        ++i;
        while (i < nPlays && pGame->PlayLog[i].nClock == nClock)
            ++i;
    }
}

void Format_Quarter_Begin_Of_Type(std::string& Out, int nGame, int nPlay, int nType)
{
    Format_Quarter_Begin(Out, nGame, nPlay);
    if (nType == 1 && !Out.empty())
        Out = "<tr class=\"quarter\"><th colspan=\"7\">" + Out + "</th></tr>";
}

void Format_Play_Time(std::string& Out, int nGame, int nPlay)
{
    const GAME* pGame = nullptr;
    const PLAY* pPlay = Play_Of(nGame, nPlay, &pGame);
    if (!pPlay) {
        Out.clear();
        return;
    }
    const int nLeft = Play_Time_Left(pGame, pPlay);
    char szText[32];
    std::snprintf(szText, sizeof(szText), "%d:%02d", nLeft / 60, nLeft % 60);
    Out = szText;
}

void Format_Play_Offensive_Team(std::string& Out, int nGame, int nPlay)
{
    const GAME* pGame = nullptr;
    const PLAY* pPlay = Play_Of(nGame, nPlay, &pGame);
    if (!pPlay) {
        Out.clear();
        return;
    }
    Out = Team_Text(Side_Team(pGame, Play_Offense_Side(pPlay)), TEAM_STRING_ABBREVIATION);
}

void Format_Play_Down(std::string& Out, int nGame, int nPlay)
{
    const PLAY* pPlay = Play_Of(nGame, nPlay);
    if (!pPlay) {
        Out.clear();
        return;
    }
    const int nDown = pPlay->nSnapDown;
    if (nDown >= FIRST_DOWN_CODE && nDown <= FOURTH_DOWN_CODE) {
        if (pPlay->nSnapToGo >= pPlay->nSnapYardLine)
            Out = std::to_string(nDown + 1) + "-G";
        else
            Out = std::to_string(nDown + 1) + "-" + std::to_string(pPlay->nSnapToGo);
    } else if (nDown == KICKOFF_DOWN) {
        Out = "KICK";
    } else if (nDown == CONVERSION_ATTEMPT) {
        Out = "CONV";
    } else {
        Out = "----";
    }
}

void Format_Play_Yardline(std::string& Out, int nGame, int nPlay)
{
    const GAME* pGame = nullptr;
    const PLAY* pPlay = Play_Of(nGame, nPlay, &pGame);
    if (!pPlay) {
        Out.clear();
        return;
    }
    const int nSide = Play_Offense_Side(pPlay);
    const int nYards = pPlay->nSnapYardLine;
    if (nYards == 50) {
        Out = "(--  50)";
        return;
    }
    const int nTeam = nYards < 50 ? Side_Team(pGame, 1 - nSide) : Side_Team(pGame, nSide);
    char szCode[TEXT_BUFFER_SIZE] = "";
    if (nTeam <= LAST_TEAM)
        Get_Team_String(szCode, nTeam, TEAM_STRING_ABBREVIATION);
    // "(%-3s %2d)": the code left in three places, the yard number right in two.
    std::string Code = szCode;
    if (Code.size() < 3)
        Code.append(3 - Code.size(), ' ');
    std::string Yards = std::to_string(nYards < 50 ? nYards : 100 - nYards);
    if (Yards.size() < 2)
        Yards.insert(Yards.begin(), ' ');
    Out = Escape_Html_Text("(" + Code + " " + Yards + ")");
}

void Format_Play_Offensive_Play(std::string& Out, int nGame, int nPlay)
{
    const GAME* pGame = nullptr;
    const PLAY* pPlay = Play_Of(nGame, nPlay, &pGame);
    Out.clear();
    if (!pPlay || Is_Kick_Down(pPlay->nSnapDown) || pPlay->nOffenseCall == PLAY_NOT_CALLED)
        return;
    if (Is_Extra_Point(pGame, pPlay)) {
        Out = "Extra Point";
        return;
    }
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Offensive_Play_Name(Side_Team(pGame, Play_Offense_Side(pPlay)), pPlay->nOffenseCall, szName);
    Out = Escape_Html_Text(szName);
}

void Format_Play_Defensive_Play(std::string& Out, int nGame, int nPlay)
{
    const GAME* pGame = nullptr;
    const PLAY* pPlay = Play_Of(nGame, nPlay, &pGame);
    Out.clear();
    if (!pPlay || Is_Kick_Down(pPlay->nSnapDown) || pPlay->nOffenseCall == PLAY_NOT_CALLED ||
        pPlay->nDefenseCall == PLAY_NOT_CALLED || Is_Extra_Point(pGame, pPlay))
        return;
    const int nOffense = Side_Team(pGame, Play_Offense_Side(pPlay));
    const int nType = Get_Offensive_Play_Type(nOffense, pPlay->nOffenseCall);
    if (nType == PLAY_TYPE_PUNT || nType == PLAY_TYPE_FIELD_GOAL)
        return;
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Defensive_Play_Name(Side_Team(pGame, 1 - Play_Offense_Side(pPlay)), pPlay->nDefenseCall, szName);
    Out = Escape_Html_Text(szName);
}

void Format_Play_Result(std::string& Out, int nGame, int nPlay)
{
    const GAME* pGame = nullptr;
    const PLAY* pPlay = Play_Of(nGame, nPlay, &pGame);
    if (!pPlay) {
        Out.clear();
        return;
    }
    char szText[TEXT_BUFFER_SIZE] = "";
    Write_Play_Summary_Sentence(pGame, pPlay, szText, sizeof(szText));
    Out = Escape_Html_Text(szText);
}

void Format_Play_TD(std::string& Out, int nGame, int nPlay)
{
    const GAME* pGame = nullptr;
    const PLAY* pPlay = Play_Of(nGame, nPlay, &pGame);
    Out.clear();
    if (!pPlay)
        return;
    if (nPlay == 0) {
        g_Scoring = SCORING_STATE{};
        g_Scoring.nGame = nGame;
    }
    const int nSide = Play_Offense_Side(pPlay);
    int nResult = Get_Play_Result(pPlay);
    if (pPlay->nSnapDown == CONVERSION_ATTEMPT && nResult != RESULT_EXTRA_POINT_GOOD && nResult != RESULT_TWO_POINT_GOOD)
        nResult = RESULT_TWO_POINT_FAILED;
    int nScorer = -1;
    int nPoints = 0;
    if (pPlay->nClock > SECONDS_OF_REGULATION) {
        switch (nResult) {
        case RESULT_TOUCHDOWN_PASS: case RESULT_TOUCHDOWN_RUN:
        case RESULT_PUNT_RETURN_TOUCHDOWN: case RESULT_KICKOFF_RETURN_TOUCHDOWN:
            nScorer = nSide; nPoints = 6; break;
        case RESULT_INTERCEPTION_TOUCHDOWN: case RESULT_FUMBLE_RETURN_TOUCHDOWN:
            nScorer = 1 - nSide; nPoints = 6; break;
        case RESULT_SAFETY: nScorer = 1 - nSide; nPoints = 2; break;
        case RESULT_FIELD_GOAL_GOOD: nScorer = nSide; nPoints = 3; break;
        default: break;
        }
    } else {
        switch (nResult) {
        case RESULT_SAFETY: nScorer = 1 - nSide; nPoints = 2; break;
        case RESULT_FIELD_GOAL_GOOD: nScorer = nSide; nPoints = 3; break;
        case RESULT_EXTRA_POINT_GOOD: nScorer = nSide; nPoints = 7; break;
        case RESULT_EXTRA_POINT_MISSED: case RESULT_TWO_POINT_FAILED: nScorer = nSide; nPoints = 6; break;
        case RESULT_TWO_POINT_GOOD: nScorer = nSide; nPoints = 8; break;
        default: break;
        }
    }
    if (nScorer < 0)
        return;
    g_Scoring.nScore[nScorer] += nPoints;
    Out = "<tr><td align=\"center\" colspan=\"7\"><font size=\"+1\"><b>&lt;&lt;&lt; " + Full_Name(pGame->nAwayTeam) +
          "  " + std::to_string(g_Scoring.nScore[0]) + " - " + std::to_string(g_Scoring.nScore[1]) + "  " +
          Full_Name(pGame->nHomeTeam) + " &gt;&gt;&gt;</b></font></td></tr>";
}

void Format_Play_Injury(std::string& Out, int nGame, int nPlay)
{
    const PLAY* pPlay = Play_Of(nGame, nPlay);
    Out.clear();
    if (!pPlay)
        return;
    int nID = 0;
    for (const NARRATION_ENTRY& Entry : pPlay->Narration)
        if (Entry.bEvent == NARRATE_INJURY_LEAVES && Entry.nPlayerID[0] > 0) {
            nID = Entry.nPlayerID[0];
            break;
        }
    int nTeam = 0;
    int nSlot = 0;
    if (!Locate_Player(nID, nTeam, nSlot))
        return;
    const std::string Team = nTeam < FIRST_DRAFT_POOL_TEAM ? Team_Text(nTeam, TEAM_STRING_NICKNAME) : std::string();
    char szPosition[TEXT_BUFFER_SIZE] = "";
    Get_Position_Name(Get_Player_Position(nTeam, nSlot), szPosition);
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Player_Full_Name(nTeam, nSlot, szName);
    Out = "<tr> <td align=\"left\" colspan=\"7\"><b>&lt;&lt; " + Team + " " + Escape_Html_Text(szPosition) + " " +
          Escape_Html_Text(szName) + " was injured on the play &gt;&gt;</b></td></tr>";
}
