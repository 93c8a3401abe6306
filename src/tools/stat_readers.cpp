// The rosters, players, salaries, personnel and season-rosters readers of
// the database build.
#include "tools/stat_readers.h"

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "base/html_text.h"
#include "base/input_file.h"
#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/player_text.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/injuries.h"
#include "season/name_lookups.h"
#include "season/player_generation.h"
#include "season/position_abbreviations.h"
#include "season/season_files.h"
#include "season/stat_file_layouts.h"

namespace {

constexpr size_t LINE_SIZE = STAT_TABLE_LINE_SIZE;
constexpr size_t FIELD_SIZE = 128;
constexpr const char* PLAYERS_FILE_NAME = "Players.csv";
constexpr const char* SALARIES_MISSING_FILE = "Input/Stats/Salaries-Missing.csv";
constexpr const char* SEASONS_FILE = "Input/Stats/Seasons.csv";
constexpr int ROSTER_POSITIONS_YEAR = 2017;   // rosters give positions and injuries from this year

ROSTER_ENTRY g_Roster[ROSTER_TABLE_SIZE];
int g_nRosterCount = 0;
int g_nRosterLinesLeftOut = 0;
// The first entry of each number and of each key (lower case), so a players
// file of any length finds its entries without a scan per line.
std::unordered_map<int, int> g_RosterByNumber;
std::unordered_map<std::string, int> g_RosterByKey;

std::string Lower_Key(const char* szKey)
{
    std::string Key(szKey);
    for (char& c : Key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return Key;
}

// Player IDs held in the league while the players file is read, so that a
// repeated ID in the file is noticed without a scan per line.
std::unordered_set<int> g_HeldIds;

template <size_t N> void Split_Fields(char* szLine, char (&szField)[N][FIELD_SIZE])
{
    for (size_t i = 0; i < N; ++i)
        szField[i][0] = '\0';
    for (size_t i = 0; i < N; ++i)
        if (Pop_Input_Field(szField[i], szLine) != 0)
            break;
}

int Clamp_To_Int(int64_t n)
{
    return static_cast<int>(std::clamp<int64_t>(n, INT_MIN, INT_MAX));
}

void Copy_Text(char* szOut, size_t nSize, const char* szText)
{
    snprintf(szOut, nSize, "%s", szText);
}

// A team code of an outside file: abbreviation, then (when bHistoric) a
// former name, then the name. Anything outside 0-40 is no team.
int Find_File_Team(const char* szText, bool bHistoric)
{
    if (szText[0] == '\0')
        return NO_TEAM;
    int nTeam = Find_Team_By_Abbreviation(szText, 0);
    if (nTeam < 0 || nTeam > LAST_TEAM)
        nTeam = bHistoric ? Find_Team_By_Historic_Name(szText) : Find_Team_By_Name(szText);
    if (nTeam < 0 || nTeam > LAST_TEAM)
        return NO_TEAM;
    return nTeam;
}

// The key of a file's line is used as a record's ID text and may name a
// picture file: an ID that is not plain refuses the line.
bool Is_Usable_Key(const char* szKey)
{
    return szKey[0] == '\0' || Is_Plain_External_Id(szKey);
}

void Add_Roster_Entry(const char* szKey, int nNumber, int nTeam, const char* szName, int nCode, int nWeeksOut,
                      int nInjury)
{
    if (g_nRosterCount >= ROSTER_TABLE_SIZE) {
        ++g_nRosterLinesLeftOut;
        return;
    }
    ROSTER_ENTRY& E = g_Roster[g_nRosterCount++];
    Copy_Text(E.szKey, sizeof(E.szKey), szKey);
    E.nNumber = nNumber;
    E.nTeam = static_cast<uint8_t>(nTeam);
    Copy_Text(E.szName, sizeof(E.szName), szName);
    E.nExpanded = nCode;
    E.nPosition = nCode >= 0 ? Translate_Expanded_Position(nCode) : -1;
    E.nWeeksOut = nWeeksOut;
    E.nInjury = nInjury;
    if (E.nNumber > 0)
        g_RosterByNumber.emplace(E.nNumber, g_nRosterCount - 1);
    if (E.szKey[0] != '\0')
        g_RosterByKey.emplace(Lower_Key(E.szKey), g_nRosterCount - 1);
}

void Report_Roster_Overflow(const char* szPath)
{
    if (g_nRosterLinesLeftOut > 0)
        Report_Error("Roster table full at %d entries: %d lines of %s left out", ROSTER_TABLE_SIZE,
                     g_nRosterLinesLeftOut, szPath);
}

int Read_One_Roster_Line(const char* szPath, FILE* pFile)
{
    char szLine[LINE_SIZE];
    const int nEnd = Read_Input_Line(szPath, szLine, pFile);
    if (szLine[0] == '\0')
        return nEnd;
    char szField[15][FIELD_SIZE];
    Split_Fields(szLine, szField);
    if (!Is_Usable_Key(szField[0]) || Has_Lowercase_Letter(szField[4]))
        return nEnd;
    const int nTeam = Find_File_Team(szField[4], false);
    if (nTeam == NO_TEAM)
        return nEnd;
    char szName[FIELD_SIZE * 2 + 2];
    if (szField[14][0] != '\0')
        Copy_Text(szName, sizeof(szName), szField[14]);
    else
        snprintf(szName, sizeof(szName), "%s %s", szField[2], szField[3]);
    Add_Roster_Entry(szField[0], Parse_Input_Int(szField[1]), nTeam, szName, Parse_Position_Abbreviation(szField[5]),
                     Parse_Input_Int(szField[11]), Find_Injury_By_Name(szField[12]));
    return nEnd;
}

// Progress steps spread over a file: one per nPer lines up to nSteps, the
// rest at the end.
struct PROGRESS_SHARE {
    int nSteps;
    int nPer;
    int nTaken = 0;
    int nLines = 0;
    void Line()
    {
        if (++nLines % nPer == 0 && nTaken < nSteps) {
            Step_Progress_Window(1);
            ++nTaken;
        }
    }
    void Finish()
    {
        if (nTaken < nSteps)
            Step_Progress_Window(nSteps - nTaken);
        nTaken = nSteps;
    }
};

// ---------------------------------------------------------------------------
// Players

// Feet and inches of a 6'2" text.
int Parse_Height(const char* szText)
{
    char szCopy[FIELD_SIZE];
    Copy_Text(szCopy, sizeof(szCopy), szText);
    char szFeet[FIELD_SIZE];
    Pop_Token_From_String(szFeet, szCopy, '\'');
    char szInches[FIELD_SIZE];
    Pop_Token_From_String(szInches, szCopy, '"');
    const int64_t nHeight = static_cast<int64_t>(Parse_Input_Int(szFeet)) * 12 + Parse_Input_Int(szInches);
    return static_cast<int>(std::clamp<int64_t>(nHeight, 0, 120));
}

// YYYYMMDD from the file's month, day and year; a month or day out of range
// reads as 1 so the year stays; all three 0 (or no usable year) gives
// January 1 of the draft year less 22, when there is a draft year.
int Birth_Date(int nMonth, int nDay, int nYear, int nDraftYear)
{
    if (nYear <= 0 || nYear > 9999) {
        if (nDraftYear > 22 && nDraftYear <= 9999)
            return ((nDraftYear - 22) * 100 + 1) * 100 + 1;
        return 0;
    }
    if (nMonth < 1 || nMonth > 12)
        nMonth = 1;
    if (nDay < 1 || nDay > 31)
        nDay = 1;
    return (nYear * 100 + nMonth) * 100 + nDay;
}

int Draft_Team_Part(const char* szText)
{
    const int nTeam = Find_File_Team(szText, true);
    return nTeam >= 0 && nTeam < MAX_FRANCHISES ? nTeam + 1 : 0;
}

int Read_One_Player_Line(const char* szPath, FILE* pFile)
{
    char szLine[LINE_SIZE];
    const int nEnd = Read_Input_Line(szPath, szLine, pFile);
    if (szLine[0] == '\0')
        return nEnd;
    char szField[27][FIELD_SIZE];
    Split_Fields(szLine, szField);

    char szKey[FIELD_SIZE];
    Copy_Text(szKey, sizeof(szKey), szField[0][0] != '\0' ? szField[0] : szField[1]);
    Remove_Char_From_String(szKey, '*');
    if (!Is_Usable_Key(szKey))
        return nEnd;
    const int nNumber = Parse_Input_Int(szField[2]);
    const int nUniform = Parse_Input_Int(szField[4]);

    int nEntry = nNumber > 0 ? Find_Roster_Entry_By_Number(nNumber) : -1;
    if (nEntry < 0)
        nEntry = Find_Roster_Entry_By_Key(szKey);
    if (nEntry < 0)
        return nEnd;
    const int nTeam = g_Roster[nEntry].nTeam;
    if (!Is_Team_Slot_Used(nTeam) && !(nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_TEAM))
        return nEnd;
    g_Roster[nEntry].nTeam = NO_TEAM;

    const int nSlot = Find_Empty_Player_Slot(nTeam);
    if (nSlot < 0) {
        char szAbbreviation[32];
        Get_Team_String(szAbbreviation, nTeam, TEAM_STRING_ABBREVIATION);
        Report_Error("Can't find empty Player Slot on %s.", szAbbreviation);
        return nEnd;
    }

    Clear_Player(nTeam, nSlot);
    Reset_Unused_Player_Slot(nTeam, nSlot);
    Set_Player_First_Name(nTeam, nSlot, szField[5]);
    Set_Player_Last_Name(nTeam, nSlot, szField[6]);
    if (nUniform >= 1 && nUniform <= 99)
        Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM, nUniform);
    int nID = nNumber;
    if (nID > 0 && g_HeldIds.count(nID) != 0) {
        Report_Error("Player ID %d of %s held already: a new one is given", nID, szPath);
        nID = 0;
    }
    if (nID <= 0)
        nID = Make_Unique_Player_Id(nTeam, nSlot);
    g_HeldIds.insert(nID);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, nID);
    Clear_Player_Season_Links(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS, Get_Player_Stored_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) & ~PLAYER_FLAG_1);
    Set_Player_Corvel_ID(nTeam, nSlot, szKey);

    if (Set_Player_Position_From_Text(nTeam, nSlot, szField[8]) < 0 && !Is_Player_Slot_Used(nTeam, nSlot))
        return nEnd;   // refused position: the slot was cleared
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT, Parse_Height(szField[10]));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT, std::clamp(Parse_Input_Int(szField[11]), 0, 1000));
    Strip_Html_Tags(szField[12]);
    Set_Player_College(nTeam, nSlot, szField[12]);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, std::clamp(Parse_Input_Int(szField[13]), 0, 30));

    const int nDraftYear = std::clamp(Parse_Input_Int(szField[18]), 0, 9999);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_BY, Draft_Team_Part(szField[17]) * 10000 + nDraftYear);
    if (strcasecmp(szField[21], "TRUE") == 0) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK, -1);
    } else {
        const int64_t nRound = std::clamp(Parse_Input_Int(szField[19]), 0, 99);
        const int64_t nPick = std::clamp(Parse_Input_Int(szField[20]), 0, 99999);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK, Clamp_To_Int(nRound * 100000 + nPick));
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE,
                          Birth_Date(Parse_Input_Int(szField[24]), Parse_Input_Int(szField[25]),
                                     Parse_Input_Int(szField[26]), nDraftYear));

    const ROSTER_ENTRY& E = g_Roster[nEntry];
    if (Get_Universe_Stat(FIRST_SEASON_YEAR) >= ROSTER_POSITIONS_YEAR) {
        if (E.nPosition >= 0 && E.nPosition < POSITION_ANY)
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, E.nPosition);
        if (E.nExpanded >= 0 && E.nExpanded < NUMBER_OF_EXPANDED_POSITIONS)
            Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT, E.nExpanded);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, E.nInjury);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, E.nWeeksOut);
    }
    Set_Default_Player_Ratings(nTeam, nSlot);
    return nEnd;
}

// ---------------------------------------------------------------------------
// Salaries

void Clear_All_Salaries()
{
    For_Each_Player_In_Use([](int nTeam, int nSlot) { Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, 0); });
}

void Mark_Salaried_Players()
{
    For_Each_Player_In_Use([](int nTeam, int nSlot) {
        int nFlags = Get_Player_Stored_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) & ~PLAYER_FLAG_SALARIED;
        if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) > 0)
            nFlags |= PLAYER_FLAG_SALARIED;
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS, nFlags);
    });
}

// A money field in dollars, never below 0.
int64_t Dollars(const char* szField)
{
    return std::max<int64_t>(0, Parse_Input_Money(szField));
}

// The missing-players file is read as CSV again: no commas inside a field.
void No_Commas(char* szText)
{
    for (char* p = szText; *p != '\0'; ++p)
        if (*p == ',')
            *p = ' ';
}

int Read_One_Salary_Line(const char* szPath, FILE* pFile, int* pStored)
{
    char szLine[LINE_SIZE];
    const int nEnd = Read_Input_Line(szPath, szLine, pFile);
    if (szLine[0] == '\0')
        return nEnd;
    char szField[15][FIELD_SIZE];
    Split_Fields(szLine, szField);

    PLAYER_LOCATION Where = {NO_TEAM, NO_PLAYER};
    bool bFound = szField[0][0] != '\0' && Scan_Player_By_Corvel_ID(&Where, szField[0]) != 0;
    if (!bFound)
        bFound = Find_Player_By_ID(&Where, Parse_Input_Int(szField[1]));
    szField[4][PLAYER_FIRST_NAME_SIZE - 1] = '\0';
    szField[5][PLAYER_LAST_NAME_SIZE - 1] = '\0';
    if (!bFound) {
        const int nCode = Parse_Position_Abbreviation(szField[6]);
        const int nPosition = nCode >= 0 ? Translate_Expanded_Position(nCode) : POSITION_ANY;
        char szName[FIELD_SIZE * 2 + 2];
        snprintf(szName, sizeof(szName), "%s %s", szField[4], szField[5]);
        bFound = Find_Player_By_Name(&Where, szName, Find_File_Team(szField[2], false), nPosition);
    }
    if (!bFound) {
        for (int i : {4, 5, 2, 6})
            No_Commas(szField[i]);
        char szMissing[FIELD_SIZE * 4 + 4];
        snprintf(szMissing, sizeof(szMissing), "%s,%s,%s,%s", szField[4], szField[5], szField[2], szField[6]);
        Append_Line_To_File(SALARIES_MISSING_FILE, szMissing);
        return nEnd;
    }
    const int t = Where.nTeam;
    const int s = Where.nSlot;
    const int nWeeksOut = Parse_Input_Int(szField[8]);
    if (nWeeksOut > 0) {
        Set_Player_Vital_Stat(t, s, VITAL_INJURY_WEEKS, nWeeksOut);
        if (szField[9][0] != '\0')
            Set_Player_Vital_Stat(t, s, VITAL_INJURY, Find_Injury_By_Name(szField[9]));
    }
    if (szField[10][0] != '\0')
        Set_Player_Vital_Stat(t, s, VITAL_CONTRACT_YEARS_LEFT, std::max(1, Parse_Input_Int(szField[10])));
    if (szField[11][0] != '\0')
        Set_Player_Vital_Stat(t, s, VITAL_SALARY, Clamp_To_Int(Dollars(szField[11]) / 1000));
    if (szField[12][0] != '\0')
        Set_Player_Vital_Stat(t, s, VITAL_SIGNING_BONUS, Clamp_To_Int(Dollars(szField[12]) / 1000));
    if (szField[13][0] != '\0')
        Set_Player_Vital_Stat(t, s, VITAL_CONTRACT_LENGTH, std::max(1, Parse_Input_Int(szField[13])));
    if (szField[14][0] != '\0')
        Set_Player_Vital_Stat(t, s, VITAL_CAP_HIT, Clamp_To_Int(Dollars(szField[14])));
    ++*pStored;
    return nEnd;
}

// A table checked whole before a build reads it (Check_Input_Table, its
// first three header names; and no line the reader would cut, which would
// lose the player or read his line short behind a box that speaks only of
// characters ignored); false with Problem naming the file.
bool Table_Is_Sound(FILE* pFile, const char* szPath, const char* szHeader, std::string& Problem)
{
    std::string Why;
    if (Check_Input_Table(pFile, szHeader, 3, Why))
        Why = Over_Long_Line_Problem(pFile, LINE_SIZE);
    if (Why.empty())
        return true;
    Problem = "\"" + files::Resolve_Path(szPath) + "\": " + Why;
    return false;
}

// ---------------------------------------------------------------------------
// Personnel

int Known_Scheme(const char* szName, const char* const* pNames, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        if (strcasecmp(szName, pNames[i]) == 0)
            return i;
    return -1;
}

const char* const OFFENSE_SCHEMES[] = {"Traditional", "3 Wideouts", "2 Tight Ends", "2 Running Backs"};
const char* const DEFENSE_SCHEMES[] = {"4-3", "3-4"};

}  // namespace

// ---------------------------------------------------------------------------
// Roster table

void Clear_Roster_Table()
{
    for (ROSTER_ENTRY& E : g_Roster) {
        E = ROSTER_ENTRY{};
        E.nTeam = NO_TEAM;
        E.nPosition = -1;
        E.nExpanded = -1;
    }
    g_nRosterCount = 0;
    g_nRosterLinesLeftOut = 0;
    g_RosterByNumber.clear();
    g_RosterByKey.clear();
}

const ROSTER_ENTRY* Get_Roster_Entry(int i)
{
    return i >= 0 && i < g_nRosterCount ? &g_Roster[i] : nullptr;
}

int Find_Roster_Entry_By_Key(const char* szKey)
{
    if (szKey == nullptr || szKey[0] == '\0')
        return -1;
    const auto Found = g_RosterByKey.find(Lower_Key(szKey));
    return Found != g_RosterByKey.end() ? Found->second : -1;
}

int Find_Roster_Entry_By_Number(int nNumber)
{
    if (nNumber <= 0)
        return -1;
    const auto Found = g_RosterByNumber.find(nNumber);
    return Found != g_RosterByNumber.end() ? Found->second : -1;
}

int Find_Roster_Entry(int nNumber, const char* szKey)
{
    const int i = Find_Roster_Entry_By_Number(nNumber);
    return i >= 0 ? i : Find_Roster_Entry_By_Key(szKey);
}

int Has_Lowercase_Letter(const char* szText)
{
    for (const char* p = szText; p != nullptr && *p != '\0'; ++p)
        if (*p >= 'a' && *p <= 'z')
            return 1;
    return 0;
}

// ---------------------------------------------------------------------------
// Readers

int Read_Rosters_File(int nYear, std::string* pProblem)
{
    char szPath[96];
    snprintf(szPath, sizeof(szPath), "input/stats/%d_rosters.csv", nYear);
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr) {
        const int nError = errno;
        Show_Formatted_Message("Read Error", "Unable to open %s.", szPath);
        if (pProblem != nullptr)
            *pProblem = Input_Open_Problem(szPath, nError);
        return -1;
    }
    if (pProblem != nullptr && !Table_Is_Sound(pFile, szPath, ROSTERS_CSV_HEADER_FORMAT, *pProblem)) {
        fclose(pFile);
        return -1;
    }
    Clear_Roster_Table();
    char szHeader[LINE_SIZE];
    int nEnd = Read_Input_Line(szPath, szHeader, pFile);
    while (nEnd == 0)
        nEnd = Read_One_Roster_Line(szPath, pFile);
    fclose(pFile);
    Report_Roster_Overflow(szPath);
    return g_nRosterCount;
}

int Read_Season_Rosters(int nYear)
{
    FILE* pFile = Open_Input_File(SEASONS_FILE);
    if (pFile == nullptr) {
        Show_Formatted_Message("Read Error", "Unable to open %s.", SEASONS_FILE);
        return -1;
    }
    Clear_Roster_Table();
    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    Set_Universe_Stat(FIRST_SEASON_YEAR, nYear + 1);
    PROGRESS_SHARE Progress{7, 33000};
    char szLine[LINE_SIZE];
    int nEnd = Read_Input_Line(SEASONS_FILE, szLine, pFile);
    while (nEnd == 0) {
        nEnd = Read_Input_Line(SEASONS_FILE, szLine, pFile);
        Progress.Line();
        char szField[7][FIELD_SIZE];
        Split_Fields(szLine, szField);
        if (Parse_Input_Int(szField[3]) != nYear || szField[3][0] == '\0')
            continue;
        const int nTeam = Find_File_Team(szField[4], false);
        if (nTeam == NO_TEAM)
            continue;
        szField[0][ROSTER_KEY_SIZE - 1] = '\0';
        if (!Is_Usable_Key(szField[0]))
            continue;
        char* szName = szField[6];
        szName[strcspn(szName, "*")] = '\0';
        szName[strcspn(szName, "+")] = '\0';
        szName[31] = '\0';
        Add_Roster_Entry(szField[0], Parse_Input_Int(szField[1]), nTeam, szName, -1, 0, 0);
    }
    fclose(pFile);
    Progress.Finish();
    Set_Universe_Stat(FIRST_SEASON_YEAR, nFirstYear);
    Report_Roster_Overflow(SEASONS_FILE);
    return g_nRosterCount;
}

int Read_Players_File()
{
    return Read_Players_File(nullptr);
}

int Read_Players_File(std::string* pProblem)
{
    const char* szPath = "input/stats/players.csv";
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr) {
        const int nError = errno;
        Show_Formatted_Message("Read Error",
                               "Unable to open %s. Please read the Help Files for a complete list of required files "
                               "for the 'Import Stats' feature.",
                               szPath);
        if (pProblem != nullptr)
            *pProblem = Input_Open_Problem(szPath, nError);
        return -1;
    }
    if (pProblem != nullptr && !Table_Is_Sound(pFile, szPath, PLAYERS_CSV_HEADER, *pProblem)) {
        fclose(pFile);
        return -1;
    }
    g_HeldIds.clear();
    For_Each_Player_In_Use([](int nTeam, int nSlot) { g_HeldIds.insert(Get_Player_ID(nTeam, nSlot)); });
    int nBefore = 0;
    For_Each_Player_In_Use([&nBefore](int, int) { ++nBefore; });
    PROGRESS_SHARE Progress{10, 2700};
    char szHeader[LINE_SIZE];
    int nEnd = Read_Input_Line(szPath, szHeader, pFile);
    while (nEnd == 0) {
        nEnd = Read_One_Player_Line(PLAYERS_FILE_NAME, pFile);
        Progress.Line();
    }
    fclose(pFile);
    Progress.Finish();
    g_HeldIds.clear();
    int nAfter = 0;
    For_Each_Player_In_Use([&nAfter](int, int) { ++nAfter; });
    return nAfter - nBefore;
}

int Read_Salaries_File()
{
    char szPath[96];
    snprintf(szPath, sizeof(szPath), "input/stats/%d_salaries.csv", Get_Universe_Stat(FIRST_SEASON_YEAR));
    Clear_All_Salaries();
    PROGRESS_SHARE Progress{7, 250};
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr) {
        Progress.Finish();
        Mark_Salaried_Players();
        return -1;
    }
    int nStored = 0;
    char szHeader[LINE_SIZE];
    int nEnd = Read_Input_Line(szPath, szHeader, pFile);
    while (nEnd == 0) {
        nEnd = Read_One_Salary_Line(szPath, pFile, &nStored);
        Progress.Line();
    }
    fclose(pFile);
    Progress.Finish();
    Mark_Salaried_Players();
    return nStored;
}

int Read_Personnel_File()
{
    const char* szPath = "Input/Stats/Personnel.csv";
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr) {
        Show_Formatted_Message("Read Error", "Unable to open %s.", szPath);
        return -1;
    }
    const int nYear = Get_Current_Year();
    int nStored = 0;
    int nEnd = 0;
    while (nEnd == 0) {
        char szLine[LINE_SIZE];
        nEnd = Read_Input_Line(szPath, szLine, pFile);
        char szField[4][FIELD_SIZE];
        Split_Fields(szLine, szField);
        for (auto& szText : szField)
            Remove_Char_From_String(szText, '\'');
        if (szField[0][0] == '\0' || Parse_Input_Int(szField[0]) != nYear)
            continue;
        const int nTeam = Find_File_Team(szField[1], true);
        if (!Is_Team_Slot_Used(nTeam))
            continue;
        const int nOffense = Known_Scheme(szField[2], OFFENSE_SCHEMES, 4);
        const int nDefense = Known_Scheme(szField[3], DEFENSE_SCHEMES, 2);
        // An unknown scheme leaves the club's own.
        if (nOffense >= 0)
            Set_Team_Stat(nTeam, TEAM_STAT_OFFENSIVE_SYSTEM, nOffense);
        else
            Report_Error("Unknown offensive personnel \"%s\" in %s for %s", szField[2], szPath, szField[1]);
        if (nDefense >= 0)
            Set_Team_Stat(nTeam, TEAM_STAT_DEFENSE_ALIGNMENT, nDefense);
        else
            Report_Error("Unknown defensive personnel \"%s\" in %s for %s", szField[3], szPath, szField[1]);
        ++nStored;
    }
    fclose(pFile);
    return nStored;
}

int Set_Player_Position_From_Text(int nTeam, int nSlot, const char* szText)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || szText == nullptr || szText[0] == '\0')
        return -1;
    const int nUniform = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM);
    int nCode;
    if (strcasecmp(szText, "DB") == 0) {
        nCode = nUniform >= 20 && nUniform <= 29 ? POSITION_CB : POSITION_S;
    } else {
        nCode = Parse_Position_Abbreviation(szText);
        if (nCode == POSITION_RB && nUniform >= 40 && nUniform <= 49)
            nCode = POSITION_FB;
    }
    if (nCode < 0 || nCode >= NUMBER_OF_EXPANDED_POSITIONS) {
        char szName[PLAYER_NAME_TEXT_SIZE] = "";
        if (Is_Player_Slot_Used(nTeam, nSlot))
            Get_Player_Full_Name(nTeam, nSlot, szName);
        Report_Error("Unrecognized position abbreviation (\"%s\") in \"%s\" file for %s.", szText, PLAYERS_FILE_NAME,
                     szName);
        Clear_Player(nTeam, nSlot);
        return -1;
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, Translate_Expanded_Position(nCode));
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT, nCode);
    return nCode;
}
