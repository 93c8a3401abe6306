// A new game's league: the set-up chain and its variations.

#include "gamefile/new_universe.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "base/random.h"
#include "editors/advanced_tools.h"
#include "engine/playbooks.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/depth_chart.h"
#include "frontoffice/player_moves.h"
#include "gamefile/title_games.h"
#include "league/cities.h"
#include "league/default_settings.h"
#include "league/finance_basics.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/season_lines.h"
#include "league/stat_codes.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "platform/dialogs.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "schedule/season_checks.h"
#include "season/draft_pool.h"
#include "season/offseason.h"
#include "season/player_generation.h"
#include "season/player_value.h"
#include "season/salary_finance.h"
#include "season/downloads.h"
#include "season/player_repairs.h"
#include "tools/stat_readers.h"
#include "tools/young_player_cap.h"

namespace {

// The season whose databases carry ratings of their own; older ones rest on
// statistics.
constexpr int RATINGS_OF_THEIR_OWN_YEAR = 2023;

constexpr int SHUFFLE_PASSES = 10;
constexpr int PROGRESS_STEPS = 100;
constexpr int SETUP_PROGRESS_STEPS = 25;
constexpr int FICTIONAL_TRADE_ATTEMPTS = 580;
constexpr int FILLED_ROSTER_LIMIT = 100;
constexpr int SEASON_MERGE_PASSES = 3;

// The fewest players a fictional league's roster gets at each position.
constexpr int FICTIONAL_POSITION_MINIMUM[NUMBER_OF_POSITIONS] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};

// Overall ratings that mark a player's draft band (and his rating band for
// the difficulty's variation).
constexpr int OVERALL_BANDS[] = {59, 63, 66, 69, 75, 80, 85, 90, 93};
constexpr int OVERALL_BAND_COUNT = static_cast<int>(sizeof(OVERALL_BANDS) / sizeof(OVERALL_BANDS[0]));

// Free agents whose average overall is above this are pulled toward the
// middle for the first season.
constexpr float FREE_AGENT_AVERAGE_LIMIT = 62.0f;
constexpr float FREE_AGENT_PULL = 12.0f;
constexpr float MIDDLE_OVERALL = 50.0f;
constexpr float REGENERATE_BELOW = 25.0f;

constexpr int EQUAL_SCOUTING_BUDGET = 120000;
constexpr int EQUAL_MEDICAL_BUDGET = 250000;

// The drafted-by byte of the record holds a shuffled player's target club.
constexpr int DRAFTED_BY_BYTE = 4;

bool Is_Franchise_Or_Pool(int nTeam)
{
    return Is_Valid_Team(nTeam);
}

// The hall of fame is left out of the shuffle: its players are retired, and
// a club must not take them back.
bool Is_Shuffled_Team(int nTeam)
{
    return nTeam != HALL_OF_FAME_TEAM && Is_Franchise_Or_Pool(nTeam);
}

int Get_Drafted_By(int nTeam, int nSlot)
{
    return Get_Player_Byte_Stat(nTeam, nSlot, DRAFTED_BY_BYTE);
}

void Set_Drafted_By(int nTeam, int nSlot, int nTarget)
{
    League.Team[nTeam].Player[nSlot].bStatHigh[DRAFTED_BY_BYTE - 4] = static_cast<uint8_t>(nTarget);
}

void Clear_All_Drafted_By()
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            Set_Drafted_By(t, s, NO_TEAM);
}

bool Is_Placed(int nTeam, int nSlot)
{
    return (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) & PLACED_PLAYER_FLAG) != 0;
}

void Mark_Placed(int nTeam, int nSlot)
{
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) | PLACED_PLAYER_FLAG);
}

int Get_Overall_Band(float fOverall)
{
    for (int b = 0; b < OVERALL_BAND_COUNT; ++b) {
        if (static_cast<float>(OVERALL_BANDS[b]) > fOverall)
            return b;
    }
    return OVERALL_BAND_COUNT;
}

double Draw_Fraction()
{
    return Random_Word_To_Fraction(Generate_Random_Number());
}

int Nearest(double x)
{
    return static_cast<int>(std::lround(x));
}

// Teams of the fictional run: the franchises in use and slots 36-40.
template <typename F> void For_Each_Setup_Team(F f)
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (t < MAX_FRANCHISES ? Is_Team_Slot_Used(t) : true)
            f(t);
    }
}

// Two neighbouring lines of the same year become one, in up to three
// passes.
void Merge_Same_Year_Lines(int nTeam, int nSlot)
{
    for (int nPass = 0; nPass < SEASON_MERGE_PASSES; ++nPass) {
        bool bMerged = false;
        for (int n = 0; n + 1 < SEASON_LINK_COUNT; ++n) {
            const int nFirst = Get_Player_Season_Line_Index(nTeam, nSlot, n);
            const int nSecond = Get_Player_Season_Line_Index(nTeam, nSlot, n + 1);
            if (nFirst < 0 || nSecond < 0)
                break;
            if (Get_Season_Line_Year(nFirst) != Get_Season_Line_Year(nSecond))
                continue;
            for (int i = 0; i < STATS_PER_PERIOD; ++i)
                Set_Season_Line_Stat(nFirst, i, Get_Season_Line_Stat(nFirst, i) + Get_Season_Line_Stat(nSecond, i));
            Erase_Player_Season_Line(nTeam, nSlot, n + 1);
            bMerged = true;
        }
        if (!bMerged)
            break;
    }
}

bool Keeps_Largest(int nUnit, int nStat)
{
    return nUnit == UNIT_KICKERS && (nStat == STAT_LONGEST_PUNT || nStat == STAT_LONGEST_FIELD_GOAL);
}

// Record season 1 rebuilt from the professional lines of the season before
// the first, with the caps of a line written back into it.
void Rebuild_Last_Season(int nTeam, int nSlot, int nUnit, int nLastYear)
{
    Clear_Player_Season_Stats(nTeam, nSlot, STAT_PERIOD_LAST_SEASON);
    for (int n = 0; n < SEASON_LINK_COUNT; ++n) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, n);
        if (nLine < 0)
            break;
        if (Get_Season_Line_Year(nLine) != nLastYear || Get_Season_Line_Level(nLine) < 0)
            continue;
        for (int i = 0; i < STATS_PER_PERIOD; ++i) {
            int v = Get_Season_Line_Stat(nLine, i);
            if (nUnit == UNIT_DEFENSE && i == 4)
                v = std::min(v, 26);
            if (nUnit == UNIT_BACKS && i == 5)
                v = std::min(v, 3900);
            if (nUnit == UNIT_BACKS && i == 8)
                v = std::min(v, 1600);
            Set_Season_Line_Stat(nLine, i, v);
            const int nRecord = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, i);
            if (Keeps_Largest(nUnit, i))
                Set_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, i, std::max(nRecord, v));
            else
                Set_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, i, nRecord + v);
        }
    }
}

// A record's statistic takes the change: added, or for a kicker's longest
// kicks the change itself when that is larger.
void Apply_Change(int nTeam, int nSlot, int nPeriod, int nUnit, int nStat, int nChange)
{
    const int nRecord = Get_Player_Stat(nTeam, nSlot, nPeriod, nStat);
    if (Keeps_Largest(nUnit, nStat)) {
        if (nChange > nRecord)
            Set_Player_Stat(nTeam, nSlot, nPeriod, nStat, nChange);
    } else {
        Set_Player_Stat(nTeam, nSlot, nPeriod, nStat, nRecord + nChange);
    }
}

// Every statistic of every linked line varied by up to a tenth, the change
// carried into the records.
void Vary_Season_Lines(int nTeam, int nSlot, int nUnit, int nLastYear)
{
    const int L = Count_Player_Season_Lines(nTeam, nSlot);
    const int nGames = Get_Games_Per_Season();
    for (int n = 0; n < L; ++n) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, n);
        for (int i = 0; i < STATS_PER_PERIOD; ++i) {
            const int s = Get_Season_Line_Stat(nLine, i);
            const int v = Nearest(s * 10 / 100.0);
            const double u1 = Draw_Fraction();
            const double u2 = Draw_Fraction();
            int c = static_cast<int>(u1 * v) - static_cast<int>(u2 * v);
            if (Get_Season_Line_Stat(nLine, 1) > 13)
                c -= v;
            Set_Season_Line_Stat(nLine, i, s + c);
            Apply_Change(nTeam, nSlot, STAT_PERIOD_CAREER, nUnit, i, c);
            if (Get_Season_Line_Year(nLine) == nLastYear)
                Apply_Change(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, nUnit, i, c);
            Apply_Change(nTeam, nSlot, STAT_PERIOD_PREDICTED, nUnit, i, Nearest(static_cast<double>(c) / L));
        }
        const int nPlayed = std::min(Get_Season_Line_Stat(nLine, 0), nGames);
        Set_Season_Line_Stat(nLine, 0, nPlayed);
        Set_Season_Line_Stat(nLine, 1, std::min({Get_Season_Line_Stat(nLine, 1), nPlayed, nGames}));
    }
}

// A draft round and pick that fit the player's quality.
void Make_Draft_History(int nTeam, int nSlot, int nUnit, int nTeams)
{
    const int b = Get_Overall_Band(Compute_Player_Potential(nTeam, nSlot));
    const int k = static_cast<int>(Draw_Fraction() * 5);
    int nRound = 7 - (b + k) / 2;
    if (nUnit == UNIT_KICKERS)
        nRound = (8 - (b + k) / 2) / 2 + 3;
    const int nPick = static_cast<int>(Draw_Fraction() * nTeams);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK, nRound * 100000 + (nRound - 1) * nTeams + nPick + 1);
}

void Remake_Fictional_Player(int nTeam, int nSlot, int nFirstYear, int nTeams)
{
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    const int nUnit = Get_Position_Unit(nPosition);
    Set_Player_College(nTeam, nSlot, Get_College_Name(Get_Random_Below(COLLEGE_COUNT)));
    Assign_Uniform_Number(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT, Generate_Player_Height(nPosition));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT, Generate_Player_Weight(nTeam, nSlot));

    Merge_Same_Year_Lines(nTeam, nSlot);
    for (int n = 0; n < SEASON_LINK_COUNT; ++n) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, n);
        if (nLine < 0)
            break;
        const int nLevel = Get_Season_Line_Level(nLine);
        if (nLevel >= 0)
            Set_Season_Line_Header(nLine, Get_Season_Line_Year(nLine), nLevel, nTeam);
    }
    Rebuild_Last_Season(nTeam, nSlot, nUnit, nFirstYear - 1);
    Vary_Season_Lines(nTeam, nSlot, nUnit, nFirstYear - 1);

    const int nSeasons = std::min(Count_Player_Season_Lines(nTeam, nSlot), SEASON_LINK_COUNT);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, nSeasons);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_BY, (nTeam + 1) * 10000 + nFirstYear - nSeasons);
    Make_Draft_History(nTeam, nSlot, nUnit, nTeams);
}

}  // namespace

// ---------------------------------------------------------------------------
// The set-up chain

bool Setup_New_Universe(int bDownload)
{
    // The season must fit the league's GAME records before anything changes.
    char szWhy[512] = {};
    if (!Check_League_Fits_Game_Records(szWhy, sizeof szWhy)) {
        Show_Message_Box(szWhy, "New Game", BOX_OK | BOX_ICON_EXCLAMATION);
        return false;
    }
    const bool bProgress = Open_Progress_Window(bDownload ? "Downloading Player Photos and Team Logos"
                                                          : "Setting Up Database",
                                               bDownload ? PROGRESS_STEPS : SETUP_PROGRESS_STEPS) != 0;
    Set_Default_Skin();
    Reset_Current_Season_Links();
    Step_Progress_Window(5);
    if (bDownload) {
        Copy_Downloaded_Photos();
        Copy_Downloaded_Logos();
    }
    Read_Personnel_File();
    Auto_Set_All_Depth_Charts(0);
    Set_Universe_Stat(SALARY_CAP, Get_Season_Salary_Cap(Get_Current_Year()));
    Update_Inflation_Factor();
    Step_Progress_Window(2);
    if (Get_Current_Year() < RATINGS_OF_THEIR_OWN_YEAR) {
        Recompute_All_Player_Ratings();
        Calibrate_Player_Ratings();
    }
    Adjust_Ratings_After_Setup();
    Step_Progress_Window(3);
    // Every player's contract figures recomputed and, under a cap, each
    // club's payroll brought toward its share of the cap.
    Run_Advanced_Tool(1);
    Init_All_Team_Finances();
    Step_Progress_Window(2);
    Count_Team_Titles();
    Step_Progress_Window(1);
    Clear_All_Playbook_Stats();
    Step_Progress_Window(1);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    Set_User_Preference(PREF_PERFECT_SCOUTING, 0);
    Set_User_Preference(PREF_SOUND_ON, 1);
    Scale_First_Season_Ratings();
    Step_Progress_Window(1);
    if (bProgress)
        Close_Progress_Window();
    Pump_Messages();
    Prepare_Draft_Pool();
    Request_Main_Window_Repaint();
    Rebuild_Play_Menu();
    Start_News_Ticker();
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    Set_User_Preference(PREF_SHOWN_GAME, -1);
    Start_Season(0);
    return true;
}

void Apply_Advanced_Options(const DIALOG& Dialog)
{
    Apply_Advanced_Options(Dialog.Is_Checked(IDC_FICTIONAL_PLAYERS), Dialog.Is_Checked(IDC_SHUFFLE_PLAYERS),
                           Dialog.Is_Checked(IDC_EQUALIZE_CITIES), Dialog.Is_Checked(IDC_UNIVERSE_STAT_6));
}

void Apply_Advanced_Options(bool bFictional, bool bShuffle, bool bEqualize, bool bUniverseStat6)
{
    if (bFictional) {
        Run_New_Universe_Setup();
        Choose_Computer_Defense_Alignments();
    }
    Set_Universe_Word(FICTIONAL_PLAYERS_WORD, bFictional ? 1 : 0);
    Pump_Messages();
    if (bShuffle) {
        Shuffle_Players("Shuffling Players...");
        Choose_Computer_Defense_Alignments();
    }
    Pump_Messages();
    if (bEqualize) {
        Equalize_Cities();
        Reset_Team_Finances_Equal();
    }
    Pump_Messages();
    // The dialog has no box for universe stat 6, so the difficulty's
    // variation runs in its place.
    if (bUniverseStat6)
        Set_Universe_Stat(UNIVERSE_STAT_6, 1);
    else
        Vary_Player_Ratings_By_Difficulty();
    Pump_Messages();
}

// ---------------------------------------------------------------------------
// Fictional players

void Run_New_Universe_Setup()
{
    if (Get_Games_Per_Season() > MAX_GAMES_PER_SEASON)
        Set_Universe_Stat(GAMES_PER_SEASON, MAX_GAMES_PER_SEASON);

    bool bProgress = Open_Progress_Window("Creating Players (Step 1 of 3)", PROGRESS_STEPS) != 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
            if (Is_Player_Slot_Used(t, s))
                Make_Random_Player_Name(t, s);
        }
        Step_Progress_Window(s % 4 == 0 ? 2 : 1);
    }
    if (bProgress)
        Close_Progress_Window();

    Shuffle_Players("Analyzing Data (Step 2 of 3)");

    bProgress = Open_Progress_Window("Simulating Seasons (Step 3 of 3)", PROGRESS_STEPS) != 0;
    for (int i = 0; i < FICTIONAL_TRADE_ATTEMPTS; ++i) {
        Run_AI_Trade();
        if (i % 10 == 0)
            Step_Progress_Window(1);
        Pump_Messages();
    }
    if (bProgress)
        Close_Progress_Window();

    For_Each_Setup_Team([](int t) {
        for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
            while (Count_Team_Position_Players(t, p) < FICTIONAL_POSITION_MINIMUM[p] &&
                   Find_Roster_End(t) < FILLED_ROSTER_LIMIT) {
                if (Fabricate_Player_In_Free_Slot(t, p, 0) < 0)
                    break;
            }
        }
    });

    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    const int nTeams = std::max(1, Count_Teams());
    For_Each_Setup_Team([&](int t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) != 0)
                Remake_Fictional_Player(t, s, nFirstYear, nTeams);
        }
    });

    Auto_Set_All_Depth_Charts(0);
    Update_Team_Financial_Stats();
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) == 0)
                continue;
            Erase_Player_Season_Lines(t, s);
            Clear_Player(t, s);
        }
    }
}

// ---------------------------------------------------------------------------
// The shuffle

void Shuffle_Players_Once(int bFirstPass)
{
    const int n = Count_Teams();
    if (n <= 0)
        return;
    if (bFirstPass) {
        Clear_All_Drafted_By();
        // A draw for every place, used or not, so that the draws do not
        // depend on the rosters.
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                const int r = static_cast<int>(Draw_Fraction() * n);
                if (Is_Shuffled_Team(t) && Get_Player_ID(t, s) != 0)
                    Set_Drafted_By(t, s, r >= n ? FREE_AGENT_TEAM : r);
            }
        }
    }
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
            if (!Is_Shuffled_Team(t) || Get_Player_ID(t, s) == 0 || Is_Placed(t, s))
                continue;
            const int nTarget = Get_Drafted_By(t, s);
            if (nTarget == t) {
                Mark_Placed(t, s);
                continue;
            }
            // A moved player is marked when a pass finds him at his new club;
            // the player who closes up into his old slot has not moved and
            // stays unmarked.
            if (Transfer_Player(nTarget, t, s) < 0) {
                Set_Drafted_By(t, s, static_cast<int>(Draw_Fraction() * n));
            }
        }
    }
}

void Shuffle_Players(const char* szTitle)
{
    const bool bProgress = Open_Progress_Window(szTitle, PROGRESS_STEPS) != 0;
    Set_Universe_Word(PLAYERS_SHUFFLED_WORD, 0);
    // Nobody starts placed: the mark is the shuffle's own record of who has
    // reached his club.
    For_Each_Player_In_Use([](int t, int s) {
        Set_Player_Vital_Stat(t, s, VITAL_FLAGS, Get_Player_Vital_Stat(t, s, VITAL_FLAGS) & ~PLACED_PLAYER_FLAG);
    });
    for (int nPass = 0; nPass < SHUFFLE_PASSES; ++nPass) {
        Shuffle_Players_Once(nPass == 0);
        Step_Progress_Window(1);
    }
    Set_Universe_Word(PLAYERS_SHUFFLED_WORD, 1);
    if (bProgress)
        Close_Progress_Window();
    Auto_Set_All_Depth_Charts(0);
}

// ---------------------------------------------------------------------------
// Equal cities and finances

void Equalize_Cities()
{
    for (int i = 0; i < NUMBER_OF_CITIES; ++i) {
        if (!Is_City_Named(i))
            continue;
        const int nStats[CITY_STAT_COUNT] = {1000000, 2500000, 20000, 25000, 0, (i % 11) * 4000 + 70000,
                                             (i % 10) * 2000 + 25000, 114000, 42000, 3};
        for (int n = 0; n < CITY_STAT_COUNT; ++n)
            Set_City_Index_Stat(i, n, nStats[n]);
    }
}

void Reset_Team_Finances_Equal()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        Set_Team_Financial_Stat(t, FINANCE_LOYALTY, FINANCE_LEVEL_STANDARD);
        Set_Team_Financial_Stat(t, FINANCE_SCOUTING_LEVEL, FINANCE_LEVEL_STANDARD);
        Set_Team_Financial_Stat(t, FINANCE_MEDICAL_LEVEL, FINANCE_LEVEL_STANDARD);
        Set_Team_Financial_Stat(t, FINANCE_CASH, Get_Inflated_Base_Amount());
        Set_Team_Financial_Stat(t, FINANCE_SCOUTING_BUDGET, EQUAL_SCOUTING_BUDGET);
        Set_Team_Financial_Stat(t, FINANCE_MEDICAL_BUDGET, EQUAL_MEDICAL_BUDGET);
    }
}

// ---------------------------------------------------------------------------
// Ratings of the first season

int Get_Difficulty_Variation_Threshold(int nDifficulty, int nBirthYear, int nSeasons)
{
    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    return (2 * nDifficulty - nFirstYear - Get_Current_Season_Index() + nBirthYear) * 10 -
           75 * std::min(nSeasons, 3) + 535;
}

float Get_Difficulty_Variation_Target(int nBand)
{
    const int w = static_cast<int16_t>(Get_Universe_Word(RATING_TUNING_WORD));
    return static_cast<float>((w + 100) / 100.0 * nBand * 0.003);
}

void Vary_Player_Ratings_By_Difficulty()
{
    const int d = Get_User_Preference(PREF_DIFFICULTY);
    For_Each_Player_In_Use([d](int t, int s) {
        const int u = Get_Random_Below(1000);
        const int nThreshold = Get_Difficulty_Variation_Threshold(
            d, Get_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE) / 10000, Get_Player_Vital_Stat(t, s, VITAL_SEASONS_PLAYED));
        if (u >= nThreshold)
            return;
        const int b = Get_Overall_Band(Compute_Player_Potential(t, s));
        const float f = Get_Difficulty_Variation_Target(b);
        const float g = static_cast<float>(Draw_Fraction() * 0.025);
        if (std::fabs(g - f) > 0.01f) {
            Modify_Player_Ratings(t, s, 0, g - f);
            Settle_Player_Ratings(t, s);
        }
    });
}

void Scale_First_Season_Ratings()
{
    float fSum = 0.0f;
    int nCount = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (Get_Player_ID(FREE_AGENT_TEAM, s) == 0)
            continue;
        fSum += Get_Player_Overall_Or_Regenerate(FREE_AGENT_TEAM, s);
        ++nCount;
    }
    if (nCount == 0)
        return;
    const float fAverage = fSum / static_cast<float>(nCount);
    if (!(fAverage > FREE_AGENT_AVERAGE_LIMIT))
        return;
    const float fFactor = FREE_AGENT_PULL / (fAverage - MIDDLE_OVERALL);
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (Get_Player_ID(FREE_AGENT_TEAM, s) == 0)
            continue;
        const float fOverall = Get_Player_Overall_Rating(FREE_AGENT_TEAM, s);
        Scale_Player_To_Overall(FREE_AGENT_TEAM, s, (fOverall - MIDDLE_OVERALL) * fFactor + MIDDLE_OVERALL);
    }
}

// ---------------------------------------------------------------------------
// The placed mark

int Check_All_Players_Vital_Flag()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        const bool bCounted = t < MAX_FRANCHISES ? (t < nTeams && Is_Team_Slot_Used(t)) : Is_Shuffled_Team(t);
        if (!bCounted)
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) != 0 && !Is_Placed(t, s))
                return 0;
        }
    }
    return 1;
}

