#include "tools/default_league/default_league.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>

#include "base/random.h"
#include "engine/playbooks.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/depth_chart.h"
#include "gamefile/game_file.h"
#include "league/cities.h"
#include "league/default_settings.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/salary_cap.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finances.h"
#include "platform/files.h"
#include "schedule/schedule_driver.h"
#include "season/draft_pool.h"
#include "season/offseason.h"
#include "season/player_generation.h"
#include "season/salary_finance.h"

const int DEFAULT_ROSTER[NUMBER_OF_POSITIONS] = {3, 3, 1, 3, 6, 4, 4, 2, 5, 4, 6, 5, 5, 1, 1};
const int DEFAULT_STARTERS[NUMBER_OF_POSITIONS] = {1, 1, 1, 1, 3, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};

namespace {

constexpr int DEFAULT_STADIUM_QUALITY = 1000;   // convenience, comfort, sight lines of a new stadium
constexpr int STADIUM_STAT_YEAR_BUILT = 3;
constexpr int STADIUM_STAT_CONVENIENCE = 5;
constexpr int STADIUM_STAT_SIGHT_LINES = 7;
constexpr int NEW_TEAM_RUN_PASS_BALANCE = 10;
constexpr const char* CITY_PHOTO = "Default";
constexpr const char* DATABASE_NOTES =
    "The league of 2019: real cities, clubs and players of our own invention.";

// Ages of a roster, 21 to 35, weighted as a pro roster is: most players in
// their middle twenties, a few veterans past thirty.
constexpr int AGE_WEIGHTS[] = {2, 6, 9, 11, 11, 11, 10, 9, 8, 7, 6, 4, 3, 2, 1};
constexpr int FIRST_AGE = 21;
constexpr int AGE_WEIGHT_COUNT = static_cast<int>(sizeof(AGE_WEIGHTS) / sizeof(AGE_WEIGHTS[0]));

// Overall levels: a starter of an average club near 74, the first backup
// near 65, the rest near 59; free agents below them. A club's strength
// moves all its players a little, so clubs differ.
constexpr int STARTER_TARGET = 74;
constexpr int FIRST_BACKUP_TARGET = 65;
constexpr int DEPTH_TARGET = 59;
constexpr int FREE_AGENT_TARGET = 56;
constexpr int CLUB_STRENGTH_SPREAD = 3;

// ---- CSV ----------------------------------------------------------------------

std::string Trim(const std::string& Text)
{
    size_t nStart = 0;
    size_t nEnd = Text.size();
    while (nStart < nEnd && (Text[nStart] == ' ' || Text[nStart] == '\t'))
        ++nStart;
    while (nEnd > nStart && (Text[nEnd - 1] == ' ' || Text[nEnd - 1] == '\t' || Text[nEnd - 1] == '\r'))
        --nEnd;
    return Text.substr(nStart, nEnd - nStart);
}

std::vector<std::string> Split_Fields(const std::string& Line)
{
    std::vector<std::string> Fields;
    size_t nStart = 0;
    for (;;) {
        const size_t nComma = Line.find(',', nStart);
        Fields.push_back(Trim(Line.substr(nStart, nComma == std::string::npos ? std::string::npos : nComma - nStart)));
        if (nComma == std::string::npos)
            return Fields;
        nStart = nComma + 1;
    }
}

struct CSV_LINE {
    int nLine;   // from 1
    std::vector<std::string> Fields;
};

// Every non-blank line after the header; the header must be exactly the
// expected column names.
bool Read_Csv(const char* szPath, const char* szHeader, std::vector<CSV_LINE>& Lines, std::string& Problem)
{
    Lines.clear();
    std::vector<unsigned char> Data;
    if (!files::Read_Whole_File(szPath, Data)) {
        Problem = std::string("\"") + szPath + "\" cannot be read (" + files::Error_Text(errno) + ").";
        return false;
    }
    std::string Text(Data.begin(), Data.end());
    const size_t nColumns = Split_Fields(szHeader).size();
    int nLine = 0;
    bool bHeader = true;
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Text.size();
        const std::string Line = Trim(Text.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
        ++nLine;
        if (Line.empty())
            continue;
        if (bHeader) {
            if (Line != szHeader) {
                Problem = std::string("\"") + szPath + "\" line " + std::to_string(nLine) + ": the header must be \"" +
                          szHeader + "\".";
                return false;
            }
            bHeader = false;
            continue;
        }
        CSV_LINE Row{nLine, Split_Fields(Line)};
        if (Row.Fields.size() != nColumns) {
            Problem = std::string("\"") + szPath + "\" line " + std::to_string(nLine) + ": " +
                      std::to_string(Row.Fields.size()) + " fields, " + std::to_string(nColumns) + " expected.";
            return false;
        }
        Lines.push_back(std::move(Row));
    }
    if (bHeader) {
        Problem = std::string("\"") + szPath + "\" has no header line.";
        return false;
    }
    return true;
}

// A whole decimal integer within nLow..nHigh.
bool Parse_Int(const std::string& Field, long nLow, long nHigh, int& nValue)
{
    if (Field.empty())
        return false;
    errno = 0;
    char* pEnd = nullptr;
    const long n = std::strtol(Field.c_str(), &pEnd, 10);
    if (errno != 0 || pEnd == Field.c_str() || *pEnd != '\0' || n < nLow || n > nHigh)
        return false;
    nValue = static_cast<int>(n);
    return true;
}

std::string Where(const char* szPath, const CSV_LINE& Line)
{
    return std::string("\"") + szPath + "\" line " + std::to_string(Line.nLine) + ": ";
}

// ---- Players --------------------------------------------------------------------

// The share of a season's play (per mille) a starter, the first backup and
// the rest of a depth chart had in the seasons before the league's first.
constexpr int STARTER_SEASON_SHARE = 850;
constexpr int BACKUP_SEASON_SHARE = 300;
constexpr int DEPTH_SEASON_SHARE = 100;

int Draw_Age(int nLowest, int nHighest)
{
    int nTotal = 0;
    for (int a = nLowest; a <= nHighest; ++a)
        nTotal += AGE_WEIGHTS[a - FIRST_AGE];
    int r = Get_Random_Below(nTotal);
    for (int a = nLowest; a <= nHighest; ++a) {
        r -= AGE_WEIGHTS[a - FIRST_AGE];
        if (r < 0)
            return a;
    }
    return nHighest;
}

int Clamp_Target(int n)
{
    return std::min(95, std::max(50, n));
}

// One generated player in the slot: made by the player generator, then
// given the age, level and career of his place in the league. Credited
// seasons follow the age (a rookie at 22); contracts are drawn afterwards
// for the whole league at once.
// A veteran's career so far: each credited season at his predicted rate,
// times the share of a season his place on a depth chart gave him (per
// mille); a longest kick or punt is a single figure, not a sum.
void Give_Career_Totals(int nTeam, int nSlot, int nShare)
{
    const int64_t nSeasons = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED);
    const bool bKicker = Get_Player_Side(nTeam, nSlot) == SIDE_KICKERS;
    for (int nStat = 0; nStat < STATS_PER_PERIOD; ++nStat) {
        const int64_t nSeason = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, nStat);
        int64_t nCareer = (nSeason * nSeasons * nShare + 500) / 1000;
        if (bKicker && (nStat == STAT_LONGEST_PUNT || nStat == STAT_LONGEST_FIELD_GOAL))
            nCareer = nSeasons > 0 ? nSeason : 0;
        Set_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, nStat, static_cast<int>(nCareer));
    }
}

void Make_League_Player(int nTeam, int nSlot, int nPosition, int nAge, int nTarget, int nYear, int nShare)
{
    Clear_Player(nTeam, nSlot);
    Create_Veteran_Player(nTeam, nSlot, nPosition, 0.0f);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
    const int nMonth = 1 + Get_Random_Below(12);
    const int nDay = 1 + Get_Random_Below(28);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE, (nYear - nAge) * 10000 + nMonth * 100 + nDay);
    Scale_Player_To_Overall(nTeam, nSlot, static_cast<float>(Clamp_Target(nTarget)));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, std::max(0, nAge - 22));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) | 1);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, -1);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, 0);
    const int nYears = 1 + Get_Random_Below(4);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, std::max(nYears, 1 + Get_Random_Below(5)));
    // The name is stored now, so that it is part of the file and not drawn
    // when first shown.
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Last_Name(nTeam, nSlot, szName);
    Get_Player_First_Name_Filled(nTeam, nSlot, szName);
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) == 0)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, Make_Unique_Player_Id(nTeam, nSlot));
    Give_Career_Totals(nTeam, nSlot, nShare);
}

void Stock_Club(int nTeam, int nYear)
{
    const int nStrength = Get_Random_In_Range(-CLUB_STRENGTH_SPREAD, CLUB_STRENGTH_SPREAD);
    int nSlot = 0;
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        for (int k = 0; k < DEFAULT_ROSTER[p]; ++k) {
            int nTarget;
            int nAge;
            int nShare;
            if (k < DEFAULT_STARTERS[p]) {
                nTarget = STARTER_TARGET + Get_Random_In_Range(-5, 7);
                nAge = Draw_Age(23, 33);
                nShare = STARTER_SEASON_SHARE;
            } else if (k == DEFAULT_STARTERS[p]) {
                nTarget = FIRST_BACKUP_TARGET + Get_Random_In_Range(-5, 5);
                nAge = Draw_Age(21, 35);
                nShare = BACKUP_SEASON_SHARE;
            } else {
                nTarget = DEPTH_TARGET + Get_Random_In_Range(-5, 4);
                nAge = Draw_Age(21, 30);
                nShare = DEPTH_SEASON_SHARE;
            }
            Make_League_Player(nTeam, nSlot++, p, nAge, nTarget + nStrength, nYear, nShare);
        }
    }
}

// Free agents at every position in the proportions of a roster: the
// positions taken round by round (a position only while its roster count
// lasts), over again until the count is reached.
void Stock_Free_Agents(int nCount, int nYear)
{
    std::vector<int> Order;
    for (int nRound = 0; static_cast<int>(Order.size()) < DEFAULT_ROSTER_SIZE; ++nRound)
        for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
            if (nRound < DEFAULT_ROSTER[p])
                Order.push_back(p);
    for (int s = 0; s < nCount && s < PLAYERS_PER_TEAM; ++s)
        Make_League_Player(FREE_AGENT_TEAM, s, Order[static_cast<size_t>(s) % Order.size()], Draw_Age(23, 34),
                           FREE_AGENT_TARGET + Get_Random_In_Range(-5, 5), nYear, BACKUP_SEASON_SHARE);
}

}  // namespace

bool Read_Cities_File(const char* szPath, std::vector<CITY_ROW>& Rows, std::string& Problem)
{
    Rows.clear();
    std::vector<CSV_LINE> Lines;
    if (!Read_Csv(szPath, "name,population,region_population,growth,income,altitude,longitude,latitude,time_zone",
                  Lines, Problem))
        return false;
    for (const CSV_LINE& Line : Lines) {
        CITY_ROW Row;
        Row.Name = Line.Fields[0];
        if (Row.Name.empty() || Row.Name.size() >= static_cast<size_t>(CITY_NAME_SIZE)) {
            Problem = Where(szPath, Line) + "a city name has 1 to " + std::to_string(CITY_NAME_SIZE - 1) +
                      " characters.";
            return false;
        }
        int* const pValues[] = {&Row.nPopulation, &Row.nRegionPopulation, &Row.nGrowth,    &Row.nIncome,
                                &Row.nAltitude,   &Row.nLongitude,        &Row.nLatitude, &Row.nTimeZone};
        const long nLow[] = {1, 1, -1000000, 0, -1000, -180000, -90000, 0};
        const long nHigh[] = {INT_MAX, INT_MAX, 1000000, 1000000, 15000, 180000, 90000, 3};
        for (int f = 0; f < 8; ++f) {
            if (!Parse_Int(Line.Fields[f + 1], nLow[f], nHigh[f], *pValues[f])) {
                Problem = Where(szPath, Line) + "field " + std::to_string(f + 2) + " (\"" + Line.Fields[f + 1] +
                          "\") must be a whole number from " + std::to_string(nLow[f]) + " to " +
                          std::to_string(nHigh[f]) + ".";
                return false;
            }
        }
        for (const CITY_ROW& Other : Rows) {
            if (Other.Name == Row.Name) {
                Problem = Where(szPath, Line) + "the city \"" + Row.Name + "\" is listed twice.";
                return false;
            }
        }
        Rows.push_back(Row);
        if (Rows.size() > static_cast<size_t>(NUMBER_OF_CITIES)) {
            Problem = Where(szPath, Line) + "more than " + std::to_string(NUMBER_OF_CITIES) + " cities.";
            return false;
        }
    }
    if (Rows.empty()) {
        Problem = std::string("\"") + szPath + "\" lists no city.";
        return false;
    }
    return true;
}

bool Read_Franchises_File(const char* szPath, std::vector<FRANCHISE_ROW>& Rows, std::string& Problem)
{
    Rows.clear();
    std::vector<CSV_LINE> Lines;
    if (!Read_Csv(szPath, "abbreviation,city,nickname,stadium,division,city_index,capacity,year_built", Lines,
                  Problem))
        return false;
    for (const CSV_LINE& Line : Lines) {
        FRANCHISE_ROW Row;
        Row.Abbreviation = Line.Fields[0];
        Row.City = Line.Fields[1];
        Row.Nickname = Line.Fields[2];
        Row.Stadium = Line.Fields[3];
        for (const std::string* pText : {&Row.Abbreviation, &Row.City, &Row.Nickname, &Row.Stadium}) {
            if (pText->empty() || pText->size() >= static_cast<size_t>(TEAM_STRING_SIZE)) {
                Problem = Where(szPath, Line) + "names have 1 to " + std::to_string(TEAM_STRING_SIZE - 1) +
                          " characters.";
                return false;
            }
        }
        if (Row.Abbreviation.size() > 3) {
            Problem = Where(szPath, Line) + "an abbreviation has at most 3 characters.";
            return false;
        }
        if (!Parse_Int(Line.Fields[4], 0, NUMBER_OF_DIVISIONS - 1, Row.nDivision) ||
            !Parse_Int(Line.Fields[5], 0, NUMBER_OF_CITIES - 1, Row.nCity) ||
            !Parse_Int(Line.Fields[6], 1000, 200000, Row.nCapacity) ||
            !Parse_Int(Line.Fields[7], 1850, 2100, Row.nYearBuilt)) {
            Problem = Where(szPath, Line) +
                      "division 0-7, city index 0-99, capacity 1000-200000 and year built 1850-2100 are whole numbers.";
            return false;
        }
        for (const FRANCHISE_ROW& Other : Rows) {
            if (Other.Abbreviation == Row.Abbreviation) {
                Problem = Where(szPath, Line) + "the abbreviation \"" + Row.Abbreviation + "\" is used twice.";
                return false;
            }
        }
        Rows.push_back(Row);
        if (Rows.size() > static_cast<size_t>(MAX_FRANCHISES)) {
            Problem = Where(szPath, Line) + "more than " + std::to_string(MAX_FRANCHISES) + " franchises.";
            return false;
        }
    }
    if (Rows.empty()) {
        Problem = std::string("\"") + szPath + "\" lists no franchise.";
        return false;
    }
    return true;
}

bool Read_League_Settings_File(const char* szPath, LEAGUE_SETTINGS_ROWS& Settings, std::string& Problem)
{
    Settings = LEAGUE_SETTINGS_ROWS();
    std::vector<CSV_LINE> Lines;
    if (!Read_Csv(szPath, "setting,value", Lines, Problem))
        return false;
    struct NUMBER_SETTING {
        const char* szName;
        int* pValue;
        long nLow;
        long nHigh;
    };
    int nSeed = -1;
    const NUMBER_SETTING NUMBERS[] = {
        {"first_season_year", &Settings.nFirstSeasonYear, 1920, 2100},
        {"salary_cap", &Settings.nSalaryCap, 0, 1000000000},
        {"games_per_season", &Settings.nGamesPerSeason, 4, MAX_GAMES_PER_SEASON},
        {"wild_card_teams", &Settings.nWildCardTeams, 0, MAX_WILD_CARD_TEAMS},
        {"playoff_teams_per_league", &Settings.nPlayoffTeamsPerLeague, 1, 8},
        {"inflation_factor", &Settings.nInflationFactor, 1, 3000},
        {"free_agents", &Settings.nFreeAgents, 0, PLAYERS_PER_TEAM},
        {"seed", &nSeed, 0, INT_MAX},
    };
    std::vector<std::string> Seen;
    for (const CSV_LINE& Line : Lines) {
        const std::string& Name = Line.Fields[0];
        if (std::find(Seen.begin(), Seen.end(), Name) != Seen.end()) {
            Problem = Where(szPath, Line) + "\"" + Name + "\" is set twice.";
            return false;
        }
        Seen.push_back(Name);
        bool bKnown = false;
        for (const NUMBER_SETTING& Number : NUMBERS) {
            if (Name != Number.szName)
                continue;
            bKnown = true;
            if (!Parse_Int(Line.Fields[1], Number.nLow, Number.nHigh, *Number.pValue)) {
                Problem = Where(szPath, Line) + "\"" + Name + "\" must be a whole number from " +
                          std::to_string(Number.nLow) + " to " + std::to_string(Number.nHigh) + ".";
                return false;
            }
        }
        for (int l = 0; l < NUMBER_OF_LEAGUES && !bKnown; ++l) {
            if (Name == "league_name_" + std::to_string(l)) {
                bKnown = true;
                Settings.LeagueName[l] = Line.Fields[1];
                if (Line.Fields[1].size() >= static_cast<size_t>(LEAGUE_NAME_SIZE)) {
                    Problem = Where(szPath, Line) + "a league name has at most 15 characters.";
                    return false;
                }
            }
        }
        for (int d = 0; d < NUMBER_OF_DIVISIONS && !bKnown; ++d) {
            if (Name == "division_name_" + std::to_string(d)) {
                bKnown = true;
                Settings.DivisionName[d] = Line.Fields[1];
                if (Line.Fields[1].size() >= static_cast<size_t>(DIVISION_NAME_SIZE)) {
                    Problem = Where(szPath, Line) + "a division name has at most 11 characters.";
                    return false;
                }
            }
        }
        if (!bKnown) {
            Problem = Where(szPath, Line) + "unknown setting \"" + Name + "\".";
            return false;
        }
    }
    for (const NUMBER_SETTING& Number : NUMBERS) {
        if (std::find(Seen.begin(), Seen.end(), Number.szName) == Seen.end()) {
            Problem = std::string("\"") + szPath + "\" does not set \"" + Number.szName + "\".";
            return false;
        }
    }
    Settings.nSeed = static_cast<unsigned>(nSeed);
    return true;
}

int Count_Name_File_Lines(const char* szPath)
{
    std::vector<unsigned char> Data;
    if (!files::Read_Whole_File(szPath, Data))
        return 0;
    int nLines = 0;
    for (unsigned char c : Data)
        nLines += c == '\n';
    if (!Data.empty() && Data.back() != '\n')
        ++nLines;
    return nLines;
}

bool Build_Default_League(std::string& Problem)
{
    std::vector<CITY_ROW> Cities;
    std::vector<FRANCHISE_ROW> Franchises;
    LEAGUE_SETTINGS_ROWS Settings;
    if (!Read_Cities_File(DEFAULT_LEAGUE_CITIES_FILE, Cities, Problem) ||
        !Read_Franchises_File(DEFAULT_LEAGUE_FRANCHISES_FILE, Franchises, Problem) ||
        !Read_League_Settings_File(DEFAULT_LEAGUE_SETTINGS_FILE, Settings, Problem))
        return false;
    for (const FRANCHISE_ROW& Row : Franchises) {
        if (Row.nCity >= static_cast<int>(Cities.size()) || Cities[Row.nCity].Name != Row.City) {
            Problem = std::string("\"") + DEFAULT_LEAGUE_FRANCHISES_FILE + "\": " + Row.Abbreviation +
                      " names the city \"" + Row.City + "\", which is not city " + std::to_string(Row.nCity) +
                      " of \"" + DEFAULT_LEAGUE_CITIES_FILE + "\".";
            return false;
        }
    }

    // A league built from nothing but these files and the seed: whatever the
    // process held before is gone, the name lists are read afresh.
    Clear_League_Data();
    Reset_Name_Pool();
    Seed_Random_Numbers(Settings.nSeed);
    const int nYear = Settings.nFirstSeasonYear;

    for (size_t c = 0; c < Cities.size(); ++c) {
        const int nCity = static_cast<int>(c);
        const CITY_ROW& Row = Cities[c];
        Clear_City(nCity);
        Set_City_Name(nCity, Row.Name.c_str());
        Set_City_Photo(nCity, CITY_PHOTO);
        Set_City_Index_Stat(nCity, CITY_STAT_POPULATION, Row.nPopulation);
        Set_City_Index_Stat(nCity, CITY_STAT_REGION_POPULATION, Row.nRegionPopulation);
        Set_City_Index_Stat(nCity, CITY_STAT_GROWTH, Row.nGrowth);
        Set_City_Index_Stat(nCity, CITY_STAT_INCOME, Row.nIncome);
        Set_City_Index_Stat(nCity, CITY_STAT_ALTITUDE, Row.nAltitude);
        Set_City_Index_Stat(nCity, CITY_STAT_LONGITUDE, Row.nLongitude);
        Set_City_Index_Stat(nCity, CITY_STAT_LATITUDE, Row.nLatitude);
        Set_City_Index_Stat(nCity, CITY_STAT_TIME_ZONE, Row.nTimeZone);
    }

    Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l)
        Set_League_Abbreviation(l, Settings.LeagueName[l].c_str());
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        Set_Division_Name(d, Settings.DivisionName[d].c_str());

    for (size_t i = 0; i < Franchises.size(); ++i) {
        const int t = static_cast<int>(i);
        const FRANCHISE_ROW& Row = Franchises[i];
        Clear_Team(t);
        Set_Team_String(Row.Abbreviation.c_str(), t, TEAM_STRING_ABBREVIATION);
        Set_Team_String(Row.City.c_str(), t, TEAM_STRING_CITY);
        Set_Team_String(Row.Nickname.c_str(), t, TEAM_STRING_NICKNAME);
        Set_Team_String(Row.Stadium.c_str(), t, TEAM_STRING_STADIUM);
        Set_Team_Stat(t, TEAM_STAT_DIVISION, Row.nDivision);
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_Stat(t, TEAM_STAT_CITY, Row.nCity);
        Set_Team_Stat(t, TEAM_STAT_TIME_ZONE, Cities[Row.nCity].nTimeZone);
        Set_Team_Stat(t, TEAM_STAT_RUN_PASS_BALANCE, NEW_TEAM_RUN_PASS_BALANCE);
        Set_Team_Stadium_Stat(t, STADIUM_STAT_CAPACITY, Row.nCapacity);
        Set_Team_Stadium_Stat(t, STADIUM_STAT_YEAR_BUILT, Row.nYearBuilt);
        for (int n = STADIUM_STAT_CONVENIENCE; n <= STADIUM_STAT_SIGHT_LINES; ++n)
            Set_Team_Stadium_Stat(t, n, DEFAULT_STADIUM_QUALITY);
    }
    Count_Teams();
    Sort_Teams_By_City();
    const int nTeams = Count_Teams();
    for (int d = 0; d < DRAFT_YEARS; ++d)
        for (int r = 0; r < DRAFT_ROUNDS; ++r)
            for (int t = 0; t < MAX_FRANCHISES; ++t)
                Set_Draft_Pick_Owner(d, r, t, t < nTeams ? t : NO_TEAM);

    // The settings of a new game, then the year's own figures over the
    // rules of the year.
    Set_Default_Settings();
    Set_Universe_Stat(SALARY_CAP, Settings.nSalaryCap);
    Set_Universe_Stat(GAMES_PER_SEASON, Settings.nGamesPerSeason);
    Set_Universe_Stat(WILD_CARD_TEAMS, Settings.nWildCardTeams);
    Update_Inflation_Factor();
    Set_Universe_Stat(INFLATION_FACTOR, Settings.nInflationFactor);
    Set_Universe_Word(FICTIONAL_PLAYERS_WORD, 1);
    Set_Universe_Word(FICTIONAL_ROOKIES_WORD, 1);
    Set_User_Preference(PREF_FIRST_NAME_LIST, Count_Name_File_Lines(DEFAULT_LEAGUE_FIRST_NAMES));
    Set_User_Preference(PREF_LAST_NAME_LIST, Count_Name_File_Lines(DEFAULT_LEAGUE_LAST_NAMES));
    Set_User_Preference(PREF_CURRENT_WEEK, 0);

    // Players: every club, then the free agents, then the college classes.
    for (int t = 0; t < nTeams; ++t)
        Stock_Club(t, nYear);
    Stock_Free_Agents(Settings.nFreeAgents, nYear);
    Update_All_Player_Computed_Values(1);
    Update_Team_Financial_Stats();
    Prepare_Draft_Pool();

    // Play styles, playbooks, depth charts and returners, then the money.
    Set_Default_Team_Styles();
    Reset_Team_Playbooks();
    Auto_Set_All_Depth_Charts(0);
    for (int t = 0; t < nTeams; ++t) {
        Choose_Team_Returners(t);
        Sort_Team_Depth_Chart_Backups(t);
    }
    Init_All_Team_Finances();

    // As a built database: the user runs the first club in Commissioner
    // Mode with perfect scouting, and the league saves itself as it goes;
    // a new game chooses again.
    Set_User_Preference(PREF_AUTO_SAVE, 1);
    Set_User_Preference(PREF_CURRENT_TEAM, 0);
    Set_User_Preference(PREF_AUTO_FILL_ROSTERS, 1);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    Set_User_Preference(PREF_PERFECT_SCOUTING, 1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    Set_User_Preference(PREF_USER_LEAGUE, Get_Team_Stat(0, TEAM_STAT_DIVISION) / 4);
    Set_User_Preference(PREF_DIFFICULTY, 0);
    Set_User_Preference(PREF_USER_TITLE, 0);

    // Day 0 of the first season with its schedule.
    Start_Season(0);
    if (!Is_Schedule_Complete(Get_Games_Per_Season())) {
        Problem = "No complete schedule could be made for the league of " + std::to_string(nYear) + ".";
        return false;
    }
    Set_User_Preference(PREF_MAIN_PAGE, DEFAULT_MAIN_PAGE);
    Set_Database_Notes(DATABASE_NOTES);
    Set_League_Game_Path("");
    return true;
}

bool Write_Default_League(const char* szPath, std::string& Problem)
{
    if (!Build_Default_League(Problem))
        return false;
    const std::string Path = szPath;
    const size_t nSlash = Path.rfind('/');
    if (nSlash != std::string::npos && nSlash > 0) {
        const std::string Folder = Path.substr(0, nSlash);
        if (!files::Folder_Exists(Folder.c_str()) && !files::Create_Folders(Folder.c_str())) {
            Problem = "The folder \"" + Folder + "\" cannot be made.";
            return false;
        }
    }
    const int nResult = Save_Game(szPath);
    if (nResult != SAVE_GAME_OK) {
        Problem = "Saving \"" + Path + "\" failed (" + std::to_string(nResult) + ").";
        return false;
    }
    return true;
}
