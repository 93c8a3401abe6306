// The league, teams, caproom, combine and wins tables of the database build.
#include "tools/input_readers.h"

#include <strings.h>

#include <algorithm>
#include <climits>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>

#include "base/input_file.h"
#include "base/text_utils.h"
#include "league/cities.h"
#include "league/finance_basics.h"
#include "league/inflation.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/salary_cap.h"
#include "league/stadium_value.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/name_lookups.h"
#include "season/salaries.h"
#include "season/season_files.h"
#include "season/stat_file_layouts.h"
#include "season/team_records_file.h"

namespace {

constexpr size_t LINE_SIZE = 2048;
constexpr size_t FIELD_SIZE = 128;
constexpr size_t SHORT_TEAM_LINE = 10;
constexpr size_t MAX_ABBREVIATION = 4;
constexpr int VITAL_TIMED_RUN = 4;   // hundredths of a second

void Year_Path(char (&szPath)[96], const char* szKind)
{
    snprintf(szPath, sizeof(szPath), "input/stats/%d_%s.csv", Get_Universe_Stat(FIRST_SEASON_YEAR), szKind);
}

// Splits a line into up to N fields; missing ones stay empty. Returns how
// many the line held (N at most).
template <size_t N> size_t Split_Fields(char* szLine, char (&szField)[N][FIELD_SIZE])
{
    for (size_t i = 0; i < N; ++i)
        szField[i][0] = '\0';
    for (size_t i = 0; i < N; ++i)
        if (Pop_Input_Field(szField[i], szLine) != 0)
            return i + 1;
    return N;
}

int Clamp_To_Int(int64_t n)
{
    return static_cast<int>(std::clamp<int64_t>(n, INT_MIN, INT_MAX));
}

// The payroll in dollars, as the cap charges stand now.
int64_t Team_Payroll(int nTeam)
{
    return static_cast<int64_t>(Get_Team_Financial_Stat(nTeam, FINANCE_PAYROLL)) * 1000;
}

int64_t Season_Cap()
{
    const int nCap = Get_Universe_Stat(SALARY_CAP);
    return nCap > 0 ? nCap : Get_Season_Salary_Cap(Get_Current_Year());
}

// Why a teams line would break the league (nullptr when it would not): a
// long abbreviation, a division outside 0-7, or an abbreviation or nickname
// another franchise already has.
const char* Team_Line_Refusal(int nTeams, const char* szAbbreviation, const char* szNickname, int nDivision)
{
    const char* szWhy = nullptr;
    // Both name files (logos, playbooks): no path may hide in them.
    if (!Is_Plain_File_Name_Part(szAbbreviation) || !Is_Plain_File_Name_Part(szNickname))
        szWhy = "not a plain name";
    else if (strlen(szAbbreviation) > MAX_ABBREVIATION)
        szWhy = "abbreviation longer than four characters";
    else if (nDivision < 0 || nDivision > 7)
        szWhy = "division outside 0-7";
    for (int t = 0; t < nTeams && szWhy == nullptr; ++t) {
        char szOther[32];
        Get_Team_String(szOther, t, TEAM_STRING_ABBREVIATION);
        if (strcasecmp(szOther, szAbbreviation) == 0)
            szWhy = "abbreviation already in use";
        Get_Team_String(szOther, t, TEAM_STRING_NICKNAME);
        if (szWhy == nullptr && strcasecmp(szOther, szNickname) == 0)
            szWhy = "nickname already in use";
    }
    return szWhy;
}

int Structure_Code(const char* szRoof)
{
    if (strcasecmp(szRoof, "CONVERTIBLE") == 0)
        return 2;
    if (strcasecmp(szRoof, "DOMED") == 0)
        return 1;
    return 0;
}

// 0 natural grass (the editor's reading), 1 artificial turf.
int Surface_Code(char* szSurface)
{
    if (szSurface[0] == '\0' || Find_Text_No_Case(szSurface, "GRASS") != nullptr)
        return 0;
    return 1;
}

// Why a build refuses a line its reader would cut ("line 11 holds 2048
// characters, more than the 2047 a line may hold"), else "": a cut club line
// loses its city, and the club would be built into the first city.
std::string Long_Line_Problem(FILE* pFile)
{
    return Over_Long_Line_Problem(pFile, static_cast<int>(LINE_SIZE));
}

bool Next_Line_Missing(FILE* pFile)
{
    const int c = getc(pFile);
    if (c == EOF)
        return true;
    ungetc(c, pFile);
    return false;
}

}  // namespace

// A year's statistics files are the user's own: none ships with the program,
// so a missing one is no fault of the installation.
constexpr const char* NO_STATISTICS_TEXT =
    "The statistics files of that year are not in the data folder (they do not ship with the program).";

namespace {

// Why a file of the year could not be opened, for its box: missing, or what
// stands under its name instead.
std::string Open_Failure_Text(int nError)
{
    if (nError == ENOENT)
        return NO_STATISTICS_TEXT;
    return std::string("It cannot be read (") + files::Error_Text(nError) + ").";
}

}  // namespace

// ---------------------------------------------------------------------------
// League structure

int Read_League_File()
{
    return Read_League_File(nullptr);
}

int Read_League_File(std::string* pProblem)
{
    char szPath[96];
    snprintf(szPath, sizeof(szPath), "input/stats/leagues/%d_league.csv", Get_Universe_Stat(FIRST_SEASON_YEAR));
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr) {
        const int nError = errno;
        Show_Formatted_Message("Read Error", "Unable to open %s. %s", szPath, Open_Failure_Text(nError).c_str());
        if (pProblem != nullptr)
            *pProblem = Input_Open_Problem(szPath, nError);
        return -1;
    }
    // An empty file names nothing: the league keeps its default names.
    if (Next_Line_Missing(pFile)) {
        fclose(pFile);
        return 0;
    }
    const std::string Quoted = "\"" + files::Resolve_Path(szPath) + "\"";
    // A build's file is checked whole first, as the other tables are: a line
    // cut short would name a division "N" and leave the rest blank, and one
    // too long would be read cut.
    std::string Why;
    if (pProblem != nullptr && Check_Input_Table(pFile, LEAGUE_CSV_HEADER, 0, Why))
        Why = Long_Line_Problem(pFile);
    if (pProblem != nullptr && !Why.empty()) {
        fclose(pFile);
        *pProblem = Quoted + ": " + Why;
        return -1;
    }
    char szLine[LINE_SIZE];
    int nEnd = Read_Input_Line(szPath, szLine, pFile);
    int nStored = 0;
    for (int nLeague = 0; nLeague < 2 && nEnd == 0; ++nLeague) {
        nEnd = Read_Input_Line(szPath, szLine, pFile);
        if (szLine[0] == '\0')
            continue;   // no names: this league keeps its own
        char szField[LEAGUE_CSV_COLUMNS][FIELD_SIZE];
        const size_t nFields = Split_Fields(szLine, szField);
        // Measured against the header above; against the five names here,
        // which a header of fewer fields would let through.
        if (pProblem != nullptr && nFields < LEAGUE_CSV_COLUMNS) {
            fclose(pFile);
            *pProblem = Quoted + " line " + std::to_string(nLeague + 2) + " holds " + std::to_string(nFields) +
                        " of the " + std::to_string(LEAGUE_CSV_COLUMNS) + " fields of a league" +
                        (nEnd != 0 ? ": the file ends inside it (cut short)" : "");
            return -1;
        }
        for (int i = 0; i < LEAGUE_CSV_COLUMNS; ++i) {
            const size_t nLimit = i == 0 ? LEAGUE_NAME_SIZE - 1 : DIVISION_NAME_SIZE - 1;
            if (strlen(szField[i]) > nLimit)
                Report_Error("League file %s: name \"%s\" cut to %zu characters", szPath, szField[i], nLimit);
            if (i == 0)
                Set_League_Abbreviation(nLeague, szField[0]);
            else
                Set_Division_Name(nLeague * 4 + i - 1, szField[i]);
        }
        ++nStored;
    }
    fclose(pFile);
    return nStored;
}

// ---------------------------------------------------------------------------
// Franchises

namespace {

// One line of the teams file (line nLine of szPath). A 33rd club ends the
// file: Problem says where, and 1 is returned. With bStrict (a build) every
// line that holds anything but empty fields must give a club: one that does
// not (cut short, or refused) ends the file the same way. Otherwise such a
// line is passed over, after an "Import Warning" when it was refused.
int Read_Team_Line(FILE* pFile, const char* szPath, int nLine, std::string& Problem, bool bStrict)
{
    if (pFile == nullptr) {
        Show_Formatted_Message("File Read Error", "I can't read from an input file!\n\nKelvo Error #533");
        return 1;
    }
    char szLine[LINE_SIZE];
    const int nEnd = Read_Input_Line(szPath, szLine, pFile);
    if (szLine[0] == '\0' || (!bStrict && strlen(szLine) < SHORT_TEAM_LINE))
        return nEnd;
    const std::string Where = "\"" + files::Resolve_Path(szPath) + "\" line " + std::to_string(nLine);
    const int nTeam = Count_Teams();
    char szField[TEAMS_CSV_COLUMNS][FIELD_SIZE];
    const size_t nFields = Split_Fields(szLine, szField);
    if (bStrict && nFields < TEAMS_CSV_COLUMNS) {
        Problem = Where + " holds " + std::to_string(nFields) + " of the " + std::to_string(TEAMS_CSV_COLUMNS) +
                  " fields of a club" + (nEnd != 0 ? ": the file ends inside it (cut short)" : "");
        return 1;
    }
    const unsigned char c = static_cast<unsigned char>(szField[0][0]);
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
        bool bEmpty = true;   // a spreadsheet's empty row
        for (const auto& Field : szField)
            bEmpty = bEmpty && Field[0] == '\0';
        if (!bStrict || bEmpty)
            return nEnd;
        Problem = Where + ": the abbreviation \"" + szField[0] + "\" does not begin with a letter";
        return 1;
    }
    if (nTeam >= MAX_BUILT_TEAMS) {
        // The clubs after the 32nd would be lost: the file is refused, not cut.
        Show_Formatted_Message("Too Many Teams", "%s line %d holds a club beyond the %d a league can have (%s %s).",
                               files::Resolve_Path(szPath).c_str(), nLine, MAX_BUILT_TEAMS, szField[0], szField[2]);
        Problem = Where + ": a club beyond the " + std::to_string(MAX_BUILT_TEAMS) + " a league can have (" +
                  szField[0] + " " + szField[2] + ")";
        return 1;
    }
    const int nDivision = Parse_Input_Int(szField[TEAMS_COL_DIVISION - 1]);
    if (const char* szWhy = Team_Line_Refusal(nTeam, szField[0], szField[2], nDivision)) {
        // A build takes the whole file or none of it: a league short of a
        // club is not the year's league, as one with a 33rd is not.
        if (bStrict) {
            Problem = Where + ": the club " + szField[0] + " " + szField[2] + " is refused: " + szWhy;
            return 1;
        }
        Show_Formatted_Message("Import Warning", "Team %s %s refused: %s.", szField[0], szField[2], szWhy);
        return nEnd;
    }

    for (int s = 0; s < 4; ++s)
        Set_Team_String(szField[s], nTeam, s);
    Set_Team_Stat(nTeam, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    Set_Team_Financial_Stat(nTeam, FINANCE_CASH, Get_Inflated_Base_Amount());
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY, Parse_Input_Int(szField[4]));
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_STRUCTURE, Structure_Code(szField[5]));
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_SURFACE, Surface_Code(szField[6]));
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_YEAR_BUILT, Parse_Input_Int(szField[7]));
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_VALUE, Clamp_To_Int(Parse_Input_Money(szField[8])));
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_CONVENIENCE, Parse_Input_Int(szField[9]));
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_COMFORT, Parse_Input_Int(szField[10]));
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_SIGHT_LINES, Parse_Input_Int(szField[11]));
    Set_Team_Financial_Stat(nTeam, 0, Parse_Input_Int(szField[12]));
    Set_Team_Financial_Stat(nTeam, FINANCE_TICKET_PRICE,
                            Round_To_Price_Step(Apply_Inflation(Clamp_To_Int(Parse_Input_Money(szField[13])))));
    Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nDivision);
    int nCity = Find_City_By_Name(szField[15]);
    if (nCity < 0) {
        Show_Formatted_Message("Invalid City Name", "Can't find '%s' among City Names. Using first city in list.",
                               szField[15]);
        nCity = 0;
    }
    Set_Team_Stat(nTeam, TEAM_STAT_CITY, nCity);
    Count_Teams();
    return nEnd;
}

}  // namespace

int Read_One_Team_Line(FILE* pFile)
{
    std::string Problem;
    return Read_Team_Line(pFile, "teams", 0, Problem, false);
}

int Read_Teams_File()
{
    return Read_Teams_File(nullptr);
}

int Read_Teams_File(std::string* pProblem)
{
    char szPath[96];
    Year_Path(szPath, "teams");
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr) {
        const int nError = errno;
        Show_Formatted_Message("File Read Error", "Can't open input file: %s\n%s\n\n(Kelvo Error #535)", szPath,
                               Open_Failure_Text(nError).c_str());
        if (pProblem != nullptr)
            *pProblem = Input_Open_Problem(szPath, nError);
        return -1;
    }
    // A build's file is checked whole first: no line cut short (against the
    // header line, whose names are not fixed), no NUL byte in any, and none
    // longer than the reader keeps.
    std::string Why;
    if (pProblem != nullptr && Check_Input_Table(pFile, TEAMS_CSV_HEADER, 0, Why))
        Why = Long_Line_Problem(pFile);
    if (pProblem != nullptr && !Why.empty()) {
        fclose(pFile);
        *pProblem = "\"" + files::Resolve_Path(szPath) + "\": " + Why;
        return -1;
    }
    const int nBefore = Count_Teams();
    char szHeader[LINE_SIZE];
    int nEnd = Read_Input_Line(szPath, szHeader, pFile);
    std::string Problem;
    for (int nLine = 2; nEnd == 0; ++nLine)
        nEnd = Read_Team_Line(pFile, szPath, nLine, Problem, pProblem != nullptr);
    fclose(pFile);
    if (!Problem.empty()) {
        if (pProblem != nullptr)
            *pProblem = Problem;
        return -1;
    }
    return Count_Teams() - nBefore;
}

// ---------------------------------------------------------------------------
// Cap room

void Fit_Team_Salaries_To_Cap_Figures(int nTeam, int64_t nTarget)
{
    if (!Is_Team_Slot_Used(nTeam))
        return;
    int64_t nPayroll = Team_Payroll(nTeam);
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (!Is_Player_Slot_Used(nTeam, s))
            continue;
        const int64_t c = Get_Player_Vital_Stat(nTeam, s, VITAL_CAP_HIT);
        if (c == 0)
            continue;
        const int64_t h = static_cast<int64_t>(Get_Player_Vital_Stat(nTeam, s, VITAL_CAP_CHARGE)) * 1000;
        const int64_t nSalary = static_cast<int64_t>(Get_Player_Vital_Stat(nTeam, s, VITAL_SALARY)) * 1000;
        int64_t nNew = -1;
        if (nPayroll < nTarget - CAP_FIGURE_SLACK && h < c) {
            nNew = (nSalary - h + c) / 1000;
        } else if (nPayroll > nTarget && c < h) {
            const int64_t nMinimum =
                static_cast<int64_t>(Get_Minimum_Salary(Get_Player_Vital_Stat(nTeam, s, VITAL_SEASONS_PLAYED))) * 1000;
            nNew = std::max(nSalary - h + c, nMinimum) / 1000;
        }
        if (nNew < 0)
            continue;
        Set_Player_Vital_Stat(nTeam, s, VITAL_SALARY, Clamp_To_Int(nNew));
        nPayroll = Team_Payroll(nTeam);
    }
}

void Drop_Short_Contract_Bonuses(int nTeam, int64_t nTarget)
{
    if (!Is_Team_Slot_Used(nTeam))
        return;
    nTarget = std::max(nTarget, Season_Cap());
    int64_t nPayroll = Team_Payroll(nTeam);
    for (int r = 1; r <= 4; ++r) {
        for (int s = 0; s < PLAYERS_PER_TEAM && nPayroll > nTarget; ++s) {
            if (!Is_Player_Slot_Used(nTeam, s))
                continue;
            if (Get_Player_Vital_Stat(nTeam, s, VITAL_CONTRACT_YEARS_LEFT) > r ||
                Get_Player_Vital_Stat(nTeam, s, VITAL_SIGNING_BONUS) <= 0)
                continue;
            Set_Player_Vital_Stat(nTeam, s, VITAL_SIGNING_BONUS, 0);
            nPayroll = Team_Payroll(nTeam);
        }
    }
}

int Read_Caproom_File()
{
    char szPath[96];
    Year_Path(szPath, "caproom");
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr)
        return -1;
    int nStored = 0;
    int nEnd = 0;
    while (nEnd == 0) {
        char szLine[LINE_SIZE];
        nEnd = Read_Input_Line(szPath, szLine, pFile);
        const bool bLast = nEnd != 0 || Next_Line_Missing(pFile);
        char szField[2][FIELD_SIZE];
        Split_Fields(szLine, szField);
        const int nTeam = Find_Team_By_Name(szField[0]);
        if (!Is_Team_Slot_Used(nTeam)) {
            if (szField[0][0] != '\0' && !bLast)
                Show_Formatted_Message("Import Warning", "Error in %s. Can't find team name: %s", szPath, szField[0]);
            continue;
        }
        const int64_t nTarget = Season_Cap() - Parse_Input_Money(szField[1]);
        Fit_Team_Salaries_To_Cap_Figures(nTeam, nTarget);
        Drop_Short_Contract_Bonuses(nTeam, nTarget);
        ++nStored;
    }
    fclose(pFile);
    return nStored;
}

// ---------------------------------------------------------------------------
// Combine

double Get_Timed_Run_Speed(double fSeconds, int nAge)
{
    double fSpeed = 381.0 - fSeconds * 66.6;
    if (nAge > 25)
        fSpeed -= (nAge - 25) * 2;
    if (fSpeed < 40)
        fSpeed = (fSpeed + 40) * 0.5;
    if (fSpeed < 20)
        fSpeed = (fSpeed + 60) * 0.25;
    return fSpeed;
}

int Read_Combine_Results_File()
{
    const char* szPath = "Input/Stats/Combine_Results.csv";
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr) {
        Show_Formatted_Message("Read Error", "Unable to open %s.", szPath);
        return -1;
    }
    Build_Corvel_ID_Hash();
    int nStored = 0;
    int nLines = 0;
    int nEnd = 0;
    while (nEnd == 0) {
        char szLine[LINE_SIZE];
        nEnd = Read_Input_Line(szPath, szLine, pFile);
        if (++nLines % 3000 == 2000)
            Step_Progress_Window(1);
        char szField[15][FIELD_SIZE];
        Split_Fields(szLine, szField);
        const double fTime = Parse_Input_Decimal(szField[7]);
        PLAYER_LOCATION Where;
        if (!Find_Player_By_Corvel_ID(&Where, szField[14]))
            continue;
        const int t = Where.nTeam;
        const int s = Where.nSlot;
        if (!(fTime > FASTEST_TIMED_RUN && fTime < SLOWEST_TIMED_RUN) || !Is_Player_Slot_Used(t, s))
            continue;
        Set_Player_Vital_Stat(t, s, VITAL_TIMED_RUN, static_cast<int>(fTime * 100));
        const int nPosition = Get_Player_Position(t, s);
        const int nOverall = static_cast<int>(Get_Position_Overall_Rating(t, s, nPosition));
        const double fSpeed = Get_Timed_Run_Speed(fTime, Get_Player_Age(t, s));
        const float fRating = Get_Player_Rating(t, s, RATING_SPEED);
        Set_Player_Rating(t, s, RATING_SPEED, static_cast<float>((fRating + fSpeed) * 0.5));
        if (static_cast<int>(Get_Position_Overall_Rating(t, s, nPosition)) != nOverall)
            Scale_Player_To_Overall(t, s, static_cast<float>(nOverall));
        ++nStored;
    }
    fclose(pFile);
    return nStored;
}

// ---------------------------------------------------------------------------
// Projected wins

int Read_Wins_File()
{
    char szPath[96];
    Year_Path(szPath, "Wins");
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr) {
        Show_Formatted_Message("File Read Error", "Can't open input file: %s\n%s\n\n(Kelvo Error #536)", szPath,
                               Open_Failure_Text(errno).c_str());
        return -1;
    }
    char szLine[LINE_SIZE];
    int nEnd = Read_Input_Line(szPath, szLine, pFile);
    int nStored = 0;
    while (nEnd == 0) {
        nEnd = Read_Input_Line(szPath, szLine, pFile);
        char szField[2][FIELD_SIZE];
        Split_Fields(szLine, szField);
        const int nTeam = Find_Team_By_Abbreviation(szField[0], 0);
        if (!Is_Team_Slot_Used(nTeam))
            continue;
        // Team stat 16 holds tenths of wins, as the team-records file fills it.
        const double fWins = Parse_Input_Decimal(szField[1]);
        if (fWins > 0) {
            Set_Team_Stat(nTeam, TEAM_STAT_PROJECTED_WINS, static_cast<int>(std::lround(fWins * 10)));
            ++nStored;
        }
    }
    fclose(pFile);
    return nStored;
}
