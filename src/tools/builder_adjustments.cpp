// The builder's adjustment steps. See builder_adjustments.h.
#include "tools/builder_adjustments.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "base/text_utils.h"
#include "league/list_columns.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/season_lines.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_ranks.h"
#include "league/team_strength.h"
#include "platform/ui.h"
#include "season/college_draft.h"
#include "season/draft_pool.h"
#include "season/player_generation.h"
#include "season/salaries.h"
#include "season/stat_based_rating.h"
#include "tools/historical_stats.h"

namespace {

constexpr int FLAG_KEEP_RATINGS = 2;     // vital stat 24: out of the team-strength step
constexpr int MODERN_YEAR = 2023;
constexpr int PEAK_AGE[15] = {32, 27, 29, 29, 29, 28, 30, 29, 29, 30, 29, 28, 28, 35, 35};
constexpr int EXPANDED_SECOND_ORDER = 17;   // a player of this code counts one deeper

template <typename F> void For_Each_Player_Of(int nFirstTeam, int nLastTeam, F&& Do)
{
    for (int nTeam = nFirstTeam; nTeam <= nLastTeam; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (Get_Player_ID(nTeam, nSlot) != 0)
                Do(nTeam, nSlot);
        }
    }
}

template <typename F> void For_Each_Franchise_Player(F&& Do)
{
    const int nTeams = Count_Teams();
    for (int nTeam = 0; nTeam < nTeams; ++nTeam) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (Get_Player_ID(nTeam, nSlot) != 0)
                Do(nTeam, nSlot);
        }
    }
}

int Birth_Year(int nTeam, int nSlot)
{
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
}

float Overall_Or_Regenerated(int nTeam, int nSlot)
{
    return Get_Position_Overall_Or_Regenerate(nTeam, nSlot, Get_Player_Position(nTeam, nSlot));
}

int Clamp_Int(int64_t n)
{
    return n > INT32_MAX ? INT32_MAX : n < INT32_MIN ? INT32_MIN : static_cast<int>(n);
}

void Add_To_Ratings(int nTeam, float fAdd, int nUnit, int nFirstRating, int nLastRating)
{
    if (nTeam < 0 || nTeam > LAST_TEAM || !Is_Valid_Team(nTeam))
        return;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
        if (Get_Player_ID(nTeam, nSlot) == 0 || Get_Player_Unit(nTeam, nSlot) != nUnit ||
            (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) & FLAG_KEEP_RATINGS) != 0)
            continue;
        for (int nRating = nFirstRating; nRating <= nLastRating; ++nRating)
            Set_Player_Rating(nTeam, nSlot, nRating, Get_Player_Rating(nTeam, nSlot, nRating) + fAdd);
    }
}

}  // namespace

void Set_Built_League_Settings()
{
    const int nTeams = Count_Teams();
    Set_Universe_Stat(SHARED_TEAM_COUNT, nTeams);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    Set_User_Preference(PREF_SHOWN_GAME, -1);
    Set_User_Preference(PREF_MAIN_VIEW_SETTING, 0);
    Set_User_Preference(PREF_PLAYER_EDITOR_SETTING, 3);
    Reset_List_Columns();

    const int nYear = Get_Current_Year();
    Set_User_Preference(PREF_DRAFT_ROUND, 7);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, nTeams);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME, nYear >= 1974 ? 1 : 0);
    Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, nYear >= 2010 ? 3 : 2);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, nYear >= 2013 ? 1 : 0);
    Reset_All_Draft_Picks();

    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Set_User_Preference(PREF_PLAYING_GAMES, 0);
    Set_User_Preference(64, 50);
    Set_User_Preference(70, 20000);
    for (int n = 65; n <= 69; ++n)
        Set_User_Preference(n, 20);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    Set_User_Preference(PREF_FIRST_NAME_LIST, Count_Lines_In_File("names\\first.txt"));
    Set_User_Preference(PREF_LAST_NAME_LIST, Count_Lines_In_File("names\\last.txt"));

    for (int n = FIRST_SEASON_YEAR + 1; n <= FIRST_SEASON_YEAR + 3; ++n)
        Set_Universe_Stat(n, 0);
    Set_Universe_Stat(SALARY_CAP, Get_Season_Salary_Cap(nYear));
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, nYear >= 1966 ? 1 : 0);
    Set_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD, nYear < 1990 ? 1 : 0);
    Apply_Season_Rule_Changes();

    Set_User_Preference(201, 1);
    Set_User_Preference(PREF_WRITE_STANDINGS_REPORT, 1);
    Set_User_Preference(PREF_WRITE_AWARDS_REPORT, 1);
    Set_User_Preference(PREF_WRITE_MONEY_REPORT, 1);
    Clear_Standings_Order();
    Sort_Draft_Order_By_Record();
    Reset_Player_Field_To_22();
}

void Raise_Salaries_To_Minimum()
{
    For_Each_Franchise_Player([](int nTeam, int nSlot) {
        const int nSeasons = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED);
        const int nMinimum = Get_Minimum_Salary(nSeasons > 0 ? nSeasons : 0);
        const int nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);
        if (nSalary >= nMinimum)
            return;
        const int64_t nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
        const int64_t nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH);
        const int64_t nLeft = nBonus - (static_cast<int64_t>(nMinimum) - nSalary) * nYears;
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nMinimum);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, Clamp_Int(nLeft > 0 ? nLeft : 0));
    });
}

int Get_Rewind_Peak_Age(int nSeasons, int nYear)
{
    const int s = nSeasons < 0 ? 0 : nSeasons > 14 ? 14 : nSeasons;
    int nPeak = PEAK_AGE[s];
    if (s == 0 && (nYear - 1950) / 20 > 0)
        nPeak += (nYear - 1950) / 20;
    return nPeak;
}

void Rewind_Player_Ratings(int nTeam, int nSlot)
{
    const int nYear = Get_Current_Year();
    const int nAge = nYear - Birth_Year(nTeam, nSlot);
    const int nPeak = Get_Rewind_Peak_Age(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED), nYear);
    Modify_Player_Ratings(nTeam, nSlot, 0, 0.03f);
    if (nAge < 26) {
        const int nYearsBack = MODERN_YEAR - nYear;
        const int n = 26 - nAge < nYearsBack ? 26 - nAge : nYearsBack;
        float fOverall = Overall_Or_Regenerated(nTeam, nSlot);
        if (nYearsBack + nAge < 26)
            fOverall += static_cast<float>(26 - nYearsBack - nAge);
        Scale_Player_To_Overall(nTeam, nSlot, fOverall - 2.0f * static_cast<float>(n));
        Set_Player_Career_Fields(nTeam, nSlot, static_cast<int>(fOverall));
    } else if (nAge > nPeak) {
        const int k = nAge - nPeak;
        const int nTriangle = k * (k + 1) / 2;
        const float fAdjustment = -(2.5f / static_cast<float>(k + 4)) * static_cast<float>(nTriangle) / 100.0f;
        Modify_Player_Ratings(nTeam, nSlot, 1, fAdjustment);
    }
}

void Rewind_All_Player_Ratings()
{
    For_Each_Player_Of(0, LAST_TEAM, Rewind_Player_Ratings);
}

void Rate_Draft_Picks_By_Slot()
{
    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    For_Each_Franchise_Player([&](int nTeam, int nSlot) {
        const int nDraftSlot = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK);
        if (nDraftSlot / 100000 <= 0 || Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_BY) % 10000 != nFirstYear)
            return;
        const int p = nDraftSlot % 1000;
        int nTarget = 80 - p / 10;
        if (p < 3)
            nTarget += (4 - p) / 2;
        Scale_Player_To_Overall(nTeam, nSlot, static_cast<float>(nTarget));
        Set_Player_Career_Fields(nTeam, nSlot, nTarget + 7);
    });
}

void Remove_Player_Future_Season_Lines(int nTeam, int nSlot)
{
    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    for (int n = SEASON_LINK_COUNT - 1; n >= 0; --n) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, n);
        if (nLine >= 0 && Get_Season_Line_Year(nLine) >= nFirstYear)
            Erase_Player_Season_Line(nTeam, nSlot, n);
    }
}

void Remove_Built_Year_Season_Lines()
{
    For_Each_Player_Of(0, LAST_TEAM, Remove_Player_Future_Season_Lines);
}

void Add_Season_Line_To_Record(int nTeam, int nSlot, int nRecordSeason, int nLine)
{
    if (nRecordSeason < 0 || nRecordSeason >= STAT_PERIOD_FIRST_LINE || nLine < 0)
        return;
    PLAYER Record;
    Copy_Player_To_Memory(&Record, nTeam, nSlot);
    const bool bKicker = Get_Player_Unit(nTeam, nSlot) == UNIT_KICKERS;
    for (int nStat = 0; nStat < STATS_PER_PERIOD; ++nStat) {
        const int nValue = Get_Season_Line_Stat(nLine, nStat);
        if (nValue == 0)
            continue;
        const int nOld = Record.nStat[nRecordSeason][nStat];
        int nNew;
        if (bKicker && (nStat == STAT_LONGEST_FIELD_GOAL || nStat == STAT_LONGEST_PUNT))
            nNew = nValue > nOld ? nValue : nOld;
        else
            nNew = Clamp_Int(static_cast<int64_t>(nOld) + nValue);
        Set_Player_Stat(nTeam, nSlot, nRecordSeason, nStat, nNew);
    }
}

void Rebuild_Player_Record_Seasons(int nTeam, int nSlot)
{
    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    Clear_Player_Season_Stats(nTeam, nSlot, STAT_PERIOD_CAREER);
    Clear_Player_Season_Stats(nTeam, nSlot, STAT_PERIOD_THIS_SEASON);
    Clear_Player_Season_Stats(nTeam, nSlot, STAT_PERIOD_LAST_SEASON);
    for (int n = 0; n < SEASON_LINK_COUNT; ++n) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, n);
        if (nLine < 0)
            break;
        Add_Season_Line_To_Record(nTeam, nSlot, STAT_PERIOD_CAREER, nLine);
        // The one place the historical totals are fed, so each season counts once.
        Copy_Season_Line_To_Historical_Totals(nTeam, nSlot, nLine);
        const int nYear = Get_Season_Line_Year(nLine);
        if (nYear == nFirstYear)
            Add_Season_Line_To_Record(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nLine);
        else if (nYear == nFirstYear - 1)
            Add_Season_Line_To_Record(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, nLine);
    }
}

void Rebuild_All_Record_Seasons()
{
    For_Each_Player_Of(0, LAST_TEAM, Rebuild_Player_Record_Seasons);
}

void Add_To_Line_Ratings(int nTeam, float fAdd)
{
    Add_To_Ratings(nTeam, fAdd, UNIT_LINE, RATING_PASS_BLOCKING, RATING_DISCIPLINE);
}

void Add_To_Defense_Ratings(int nTeam, float fAdd)
{
    Add_To_Ratings(nTeam, fAdd, UNIT_DEFENSE, RATING_RUN_DEFENSE, RATING_TACKLING);
}

void Apply_Team_Strength_To_Ratings()
{
    const int nTeams = Count_Teams();
    for (int nTeam = 0; nTeam < nTeams; ++nTeam) {
        Add_To_Line_Ratings(nTeam, static_cast<float>(Get_Team_Stat(nTeam, 23)) / 20.0f);
        Add_To_Defense_Ratings(nTeam, static_cast<float>(Get_Team_Stat(nTeam, 24)) / 25.0f);
        if (nTeam % 5 == 2 && nTeam < 25)
            Step_Progress_Window(1);
    }
}

void Nudge_Team_Ratings(int nTeam, float fFactor)
{
    if (nTeam < 0 || nTeam > LAST_TEAM || !Is_Valid_Team(nTeam) || !std::isfinite(fFactor))
        return;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
        if (Get_Player_ID(nTeam, nSlot) == 0)
            continue;
        float r = Get_Player_Rating(nTeam, nSlot, RATING_TACKLING);
        if (std::isnan(r))
            r = Get_Default_Rating(RATING_TACKLING);
        if (r < MINIMUM_RATING)
            r = MINIMUM_RATING;
        const float fUp = std::fmax(0.0f, 25.0f - std::fabs(70.0f - r)) * fFactor / 25.0f;
        if (fUp > 0.01f)
            Set_Player_Rating(nTeam, nSlot, RATING_TACKLING, r + fUp);
        const int nPosition = Get_Player_Position(nTeam, nSlot);
        const float fOverall = Get_Position_Overall_Rating(nTeam, nSlot, nPosition);
        float d = std::fmax(0.0f, 25.0f - std::fabs(72.0f - fOverall)) * fFactor / 25.0f;
        const int nUnit = Get_Position_Unit(nPosition);
        if (nPosition == POSITION_QB)
            d *= 0.25f;
        else if (nUnit == UNIT_BACKS || nUnit == UNIT_DEFENSE)
            d *= 0.7f;
        if (std::fabs(d) > 0.001f)
            Scale_Player_To_Overall(nTeam, nSlot, fOverall + d);
    }
}

void Balance_Position_Ratings()
{
    for (int nTeam = 0; nTeam < MAX_FRANCHISES; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        auto Order = [&](int nSlot) {
            int n = Get_Player_Byte_Stat(nTeam, nSlot, 3);
            if (Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT) == EXPANDED_SECOND_ORDER)
                ++n;
            return n;
        };
        for (int a = 0; a < PLAYERS_PER_TEAM; ++a) {
            if (Get_Player_ID(nTeam, a) == 0)
                continue;
            for (int b = 0; b < PLAYERS_PER_TEAM; ++b) {
                if (b == a || Get_Player_ID(nTeam, b) == 0)
                    continue;
                const int nPosition = Get_Player_Position(nTeam, a);
                if (Get_Player_Position(nTeam, b) != nPosition)
                    continue;
                const int nOrderA = Order(a);
                const int nOrderB = Order(b);
                if (nOrderA < 1 || nOrderB < 1 || nOrderB <= nOrderA)
                    continue;
                const float fA = Overall_Or_Regenerated(nTeam, a);
                const float fB = Overall_Or_Regenerated(nTeam, b);
                if (fA > fB)
                    continue;
                const int m = static_cast<int>((fA + fB) / 2.0f);
                Scale_Player_To_Overall(nTeam, a, static_cast<float>(m + 1));
                Scale_Player_To_Overall(nTeam, b, static_cast<float>(m - 1));
            }
        }
        if (nTeam % 5 == 3)
            Step_Progress_Window(1);
    }
}

void Blend_Recent_Draft_Pick_Rating(int nTeam, int nSlot)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    const int nYear = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_BY) % 10000;
    if (nYear < FIRST_BLENDED_DRAFT_YEAR)
        return;
    const int w = (nYear - (FIRST_BLENDED_DRAFT_YEAR - 1)) * 25;
    int p = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK) % 1000;
    if (p <= 0)
        p = 200;
    int nTarget = 77 - p / 11;
    if (p < 10)
        nTarget += (11 - p) / 2;
    float fOverall = Overall_Or_Regenerated(nTeam, nSlot);
    const float fBlend = std::round(static_cast<float>(nTarget * w) / 100.0f) +
                         std::round(fOverall * static_cast<float>(100 - w) / 100.0f);
    for (int nRound = 0; nRound < 200 && fOverall < fBlend; ++nRound) {
        for (int nRating = 0; nRating < NUMBER_OF_RATINGS; ++nRating)
            Set_Player_Rating(nTeam, nSlot, nRating, Get_Player_Rating(nTeam, nSlot, nRating) * 1.005f);
        fOverall = Overall_Or_Regenerated(nTeam, nSlot);
    }
    Set_Player_Career_Fields(nTeam, nSlot, static_cast<int>(fBlend));
}

int Get_League_Average_Power_Score()
{
    const int nTeams = Count_Teams();
    if (nTeams <= 0)
        return 0;
    int64_t nSum = 0;
    for (int nTeam = 0; nTeam < nTeams; ++nTeam) {
        nSum += Get_Team_Power_Score(nTeam);
        Get_Team_Pass_Rating(nTeam);
        Get_Team_Run_Rating(nTeam);
        Get_Team_Pass_Defense_Rating(nTeam);
        Get_Team_Run_Defense_Rating(nTeam);
    }
    return static_cast<int>(nSum / nTeams);
}

bool Is_Expanded_Position_Pair(int a, int b)
{
    return b < 15 && a >= 15;
}
