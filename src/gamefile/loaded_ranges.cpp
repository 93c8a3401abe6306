#include "gamefile/loaded_ranges.h"

#include <cstdint>

#include "engine/playbook_rules.h"
#include "engine/playbooks.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/stadium_value.h"
#include "league/team.h"

namespace {

// No real figure comes near these: a season's or a career's statistics stay
// below a million, salaries in thousands and other counts below a hundred
// million. Within them, every product and sum the program makes of them fits
// its integers.
constexpr int32_t STAT_BOUND = 1000000;
constexpr int32_t VALUE_BOUND = 100000000;
// A club's finances count some sums in dollars (hundreds of millions, growing
// with inflation): they keep the edges of their integers clear only.
constexpr int32_t MONEY_BOUND = 2000000000;
constexpr int32_t LAST_YEAR = 9999;   // a year keeps four digits in a YYYYMMDD date

int g_nChanged = 0;

template <typename T>
void Hold(T& nValue, int64_t nLow, int64_t nHigh)
{
    const int64_t n = nValue;
    if (n < nLow) {
        nValue = static_cast<T>(nLow);
        ++g_nChanged;
    } else if (n > nHigh) {
        nValue = static_cast<T>(nHigh);
        ++g_nChanged;
    }
}

bool Is_Date(int32_t nDate)
{
    const int nYear = nDate / 10000;
    const int nMonth = nDate / 100 % 100;
    const int nDay = nDate % 100;
    return nDate > 0 && nYear <= LAST_YEAR && nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= 31;
}

// The range of each stored vital stat (the ID and the flags are any value).
void Hold_Vital(int32_t* nVital, int nCurrentYear)
{
    for (int c = 0; c < NUMBER_OF_VITAL_STATS; ++c) {
        int32_t& n = nVital[c];
        switch (c) {
        case VITAL_PLAYER_ID:
        case VITAL_FLAGS:
            break;
        case VITAL_BIRTH_DATE:
            if (n != 0 && !Is_Date(n)) {
                const int nYear = nCurrentYear >= 25 ? nCurrentYear - 25 : 0;
                n = nYear * 10000 + 101;
                ++g_nChanged;
            }
            break;
        case VITAL_HEIGHT:
        case VITAL_WEIGHT:
            Hold(n, 0, 1000);
            break;
        case VITAL_SEASONS_PLAYED:
        case VITAL_CONTRACT_YEARS_LEFT:
        case VITAL_CONTRACT_LENGTH:
        case VITAL_PEAK_START:
        case VITAL_PEAK_END:
            Hold(n, -1, 100);
            break;
        case VITAL_INJURY:
        case VITAL_INJURY_WEEKS:
            Hold(n, -1000, 1000);
            break;
        case VITAL_SIGNING_BONUS:
        case VITAL_SALARY:
            Hold(n, 0, VALUE_BOUND);
            break;
        case VITAL_LONGEVITY:
        case VITAL_POTENTIAL:
            Hold(n, -LAST_YEAR, LAST_YEAR);
            break;
        default:
            Hold(n, -VALUE_BOUND, VALUE_BOUND);
            break;
        }
    }
}

void Hold_Player(PLAYER& Player, int nCurrentYear)
{
    Hold_Vital(Player.nVital, nCurrentYear);
    for (auto& Period : Player.nStat)
        for (int32_t& n : Period)
            Hold(n, -STAT_BOUND, STAT_BOUND);
}

void Hold_Team(TEAM& Team, int nCurrentYear)
{
    if (Team.nTeamStat[TEAM_STAT_CONTROLLER] < CONTROLLER_NOT_IN_USE ||
        Team.nTeamStat[TEAM_STAT_CONTROLLER] > CONTROLLER_USER) {
        Team.nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_COMPUTER;
        ++g_nChanged;
    }
    for (PLAYER& Player : Team.Player)
        Hold_Player(Player, nCurrentYear);
    for (auto& Category : Team.nTotals)
        for (auto& Season : Category)
            for (int32_t& n : Season)
                Hold(n, -STAT_BOUND, STAT_BOUND);
    for (int32_t& n : Team.nTeamStat)
        Hold(n, -VALUE_BOUND, VALUE_BOUND);
    // The stadium's value is in dollars (a built database of 2010 holds
    // stadiums worth 110 million): only the edges of its integer are kept
    // clear.
    for (int k = 0; k < STADIUM_STAT_COUNT; ++k)
        Hold(Team.nStadiumStat[k], k == STADIUM_STAT_VALUE ? -MONEY_BOUND : -VALUE_BOUND,
             k == STADIUM_STAT_VALUE ? MONEY_BOUND : VALUE_BOUND);
    for (int32_t& n : Team.nFinancialStat)
        Hold(n, -MONEY_BOUND, MONEY_BOUND);
    for (auto& Year : Team.nYearly)
        for (int32_t& n : Year)
            Hold(n, -MONEY_BOUND, MONEY_BOUND);
}

}  // namespace

std::string Find_League_Refusal(const LEAGUE_DATA& Data)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        const int nController = Data.Team[t].nTeamStat[TEAM_STAT_CONTROLLER];
        if (nController != CONTROLLER_COMPUTER && nController != CONTROLLER_USER)
            continue;
        for (const PLAYER& Player : Data.Team[t].Player)
            if (Player.nVital[VITAL_PLAYER_ID] != 0 && Player.nVital[VITAL_POSITION] >= 0 &&
                Player.nVital[VITAL_POSITION] < NUMBER_OF_POSITIONS)
                return std::string();
    }
    return "it holds no club with players";
}

int Hold_Loaded_Values_To_Range()
{
    g_nChanged = 0;
    UNIVERSE_SETTINGS& Universe = League.Universe;
    Hold(Universe.nStat[GAMES_PER_SEASON], 0, 17);
    Hold(Universe.nStat[WILD_CARD_TEAMS], 0, MAX_FRANCHISES);
    Hold(Universe.nStat[SALARY_CAP], 0, INT32_MAX);
    Hold(Universe.nStat[FIRST_SEASON_YEAR], 0, LAST_YEAR);
    Hold(Universe.nStat[INFLATION_FACTOR], 0, 1000000);
    Hold(Universe.nStat[LEAGUE_PER_GAME_AMOUNT], -MONEY_BOUND, MONEY_BOUND);
    Hold(Universe.nStat[REVENUE_ADJUSTMENT], -MONEY_BOUND, MONEY_BOUND);
    Hold(Universe.nStat[LEAGUE_TRADE_BALANCE], -2000, 2000);
    Hold(Universe.nWord[(REVERSION_TO_MEAN_WORD - UNIVERSE_WORD_OFFSET) / 2], -100, 100);
    Hold(Universe.nWord[(RATING_TUNING_WORD - UNIVERSE_WORD_OFFSET) / 2], -100, 100);
    Hold(League.Preferences.nInt[PREF_SEASON_INDEX], 0, LAST_YEAR - Universe.nStat[FIRST_SEASON_YEAR]);
    Hold(League.Preferences.nInt[PREF_CURRENT_WEEK], 0, OFFSEASON_WEEK);
    const int nCurrentYear = Universe.nStat[FIRST_SEASON_YEAR] + League.Preferences.nInt[PREF_SEASON_INDEX];
    for (TEAM& Team : League.Team)
        Hold_Team(Team, nCurrentYear);
    // The plays are called, drawn and credited as they are stored: each is
    // repaired as a playbook file's plays are.
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        g_nChanged += Repair_Offensive_Playbook(*Get_Offensive_Playbook_Area(t));
        g_nChanged += Repair_Defensive_Playbook(*Get_Defensive_Playbook_Area(t));
    }
    for (CITY& City : League.City)
        for (int32_t& n : City.nStat)
            Hold(n, -VALUE_BOUND, VALUE_BOUND);
    for (int32_t& n : League.StandingsArea.nPlayoffScore)
        Hold(n, -STAT_BOUND, STAT_BOUND);
    for (auto& Line : League.SeasonLines) {
        Hold(Line[SEASON_LINE_YEAR_WORD], 0, LAST_YEAR);
        Hold(Line[1], -VALUE_BOUND, VALUE_BOUND);
        for (int w = SEASON_LINE_FIRST_STAT_WORD; w < SEASON_LINE_WORDS; ++w)
            Hold(Line[w], -STAT_BOUND, STAT_BOUND);
    }
    for (GAME& Game : League.Game) {
        for (int32_t& n : Game.nScore)
            Hold(n, -STAT_BOUND, STAT_BOUND);
        Hold(Game.nAttendance, 0, VALUE_BOUND);
        Hold(Game.nPlays, 0, PLAY_LOG_SIZE);
    }
    return g_nChanged;
}
