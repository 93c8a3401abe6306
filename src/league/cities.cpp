// The league's cities: the CITY table, the moves that keep franchises on
// their cities, the best free city and the "Cities.txt" export and import.

#include "league/cities.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>

#include "base/input_file.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "base/text_utils.h"
#include "league/league_text.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/save_failures.h"
#include "platform/ui.h"

namespace {

constexpr int DEFAULT_CITY_STATS[CITY_STAT_COUNT] = {1000000, 2500000, 20000, 25000, 0, 114000, 42000, 3, 0, 0};
constexpr const char* NEW_CITY_NAME = "New City";
constexpr const char* NEW_CITY_PHOTO = "Default";

bool Is_City_Index(int nCity)
{
    return nCity >= 0 && nCity < NUMBER_OF_CITIES;
}

bool Is_Empty_Entry(int nCity)
{
    return League.City[nCity].szName[0] == '\0';
}

// The name as a terminated text (a full 20-byte field from a file has none).
std::string Name_Of(int nCity)
{
    const char* szName = League.City[nCity].szName;
    return std::string(szName, strnlen(szName, CITY_NAME_SIZE - 1));
}

// The franchise (below Count_Teams) that plays in the city, or -1.
int Find_City_Franchise(int nCity)
{
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; t++)
        if (Get_Team_Stat(t, TEAM_STAT_CITY) == nCity)
            return t;
    return -1;
}

// The market value that ranks free cities: (population + region + 10 x
// growth) x (income + 25,000) / 50,000, rounded half up. Wide arithmetic:
// imported figures may be anywhere in the int32 range.
__int128 City_Market_Value(int nCity)
{
    const int32_t* pnStat = League.City[nCity].nStat;
    __int128 nPeople = static_cast<__int128>(pnStat[CITY_STAT_POPULATION]) + pnStat[CITY_STAT_REGION_POPULATION] +
                       static_cast<__int128>(10) * pnStat[CITY_STAT_GROWTH];
    __int128 x = nPeople * (static_cast<__int128>(pnStat[CITY_STAT_INCOME]) + 25000) + 25000;
    __int128 q = x / 50000;
    if (x % 50000 != 0 && x < 0)
        q--;   // floor, so halves round up below zero too
    return q;
}

// Names match when equal, or equal once commas are read as blanks (the
// export writes them so).
bool Same_City_Name(const std::string& A, const std::string& B)
{
    if (A == B)
        return true;
    if (A.size() != B.size())
        return false;
    for (size_t i = 0; i < A.size(); i++) {
        char a = A[i] == ',' ? ' ' : A[i];
        char b = B[i] == ',' ? ' ' : B[i];
        if (a != b)
            return false;
    }
    return true;
}

int Find_Imported_City_Home(const std::string& Name)
{
    if (Name.empty())
        return -1;
    int nCount = Count_Cities();
    for (int c = 0; c < nCount; c++)
        if (Name_Of(c) == Name)
            return c;
    for (int c = 0; c < nCount; c++)
        if (Same_City_Name(Name_Of(c), Name))
            return c;
    return -1;
}

// atof of a field, truncated and held within the int32 range.
int Parse_City_Number(const char* szField)
{
    double d = strtod(szField, nullptr);
    if (std::isnan(d))
        return 0;
    if (d >= 2147483647.0)
        return INT32_MAX;
    if (d <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int>(d);
}

void Drop_Carriage_Returns(char* szLine)
{
    char* pOut = szLine;
    for (const char* p = szLine; *p != '\0'; p++)
        if (*p != '\r')
            *pOut++ = *p;
    *pOut = '\0';
}

struct FRANCHISE_HOME {
    int nOldCity;
    std::string OldName;
};

std::string Team_Label(int nTeam)
{
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Team_Full_Name(nTeam, szName);
    if (strspn(szName, " ") == strlen(szName))
        Format_Text_Bounded(szName, sizeof(szName), "Team %d", nTeam);
    return szName;
}

// A figure of a city line: a number at its start (strtod takes it).
bool Is_City_Number(const char* szField)
{
    char* pEnd = nullptr;
    std::strtod(szField, &pEnd);
    return pEnd != szField;
}

// The lines of an import file that named something but gave no population,
// told in the closing box so that no line is dropped unsaid. At most
// NAMED_MOST are named one by one; the rest are counted.
class SKIPPED_LINES {
public:
    void Add(int nLine, const char* szName, const char* szPopulation)
    {
        if (m_nCount++ >= NAMED_MOST)
            return;
        m_Text += "\nline " + std::to_string(nLine) + " (" + std::string(szName, strnlen(szName, 60)) + "): ";
        m_Text += szPopulation[0] == '\0' ? std::string("no population")
                                           : "the population \"" + std::string(szPopulation, strnlen(szPopulation, 20)) +
                                                 "\" is no number";
    }
    // "" when no line was skipped.
    std::string Text() const
    {
        if (m_nCount == 0)
            return "";
        std::string Text = "\n\n" + std::to_string(m_nCount) + (m_nCount == 1 ? " line" : " lines") +
                           " skipped: a city's line needs its population after the name." + m_Text;
        if (m_nCount > NAMED_MOST)
            Text += "\n... and " + std::to_string(m_nCount - NAMED_MOST) + " more";
        return Text;
    }

private:
    static constexpr int NAMED_MOST = 20;
    int m_nCount = 0;
    std::string m_Text;
};

// An import refused with a box: nothing in the league changed, and a script
// whose line asked for the import fails on it.
void Refuse_Import(const std::string& Text)
{
    Show_Message_Box(Text.c_str(), "Import City Error", BOX_OK | BOX_ICON_EXCLAMATION);
    Note_Refused_Step(Text);
}

// After an import: every franchise back on the city of its old name, else on
// its old index while that is still a city, else on the best free city.
// Returns the text that names the moves ("" when none).
std::string Restore_Franchise_Homes(const FRANCHISE_HOME* pHomes, int nTeams)
{
    int nCount = Count_Cities();
    std::string Moves;
    bool bPending[MAX_FRANCHISES] = {};
    for (int t = 0; t < nTeams; t++) {
        int nCity = Find_Imported_City_Home(pHomes[t].OldName);
        if (nCity < 0 && pHomes[t].nOldCity >= 0 && pHomes[t].nOldCity < nCount)
            nCity = pHomes[t].nOldCity;
        // Until the free cities are handed out, a pending franchise holds none.
        bPending[t] = nCity < 0;
        Set_Team_Stat(t, TEAM_STAT_CITY, nCity);
    }
    for (int t = 0; t < nTeams; t++) {
        if (bPending[t]) {
            int nCity = Find_Best_Free_City();
            Set_Team_Stat(t, TEAM_STAT_CITY, nCity >= 0 ? nCity : 0);
        }
        int nCity = Get_Team_Stat(t, TEAM_STAT_CITY);
        std::string NewName = Is_City_Index(nCity) ? Name_Of(nCity) : std::string();
        if (!pHomes[t].OldName.empty() && Same_City_Name(NewName, pHomes[t].OldName))
            continue;
        std::string Label = Team_Label(t);
        Write_Debug_Log("Import_Cities moved the %s from \"%s\" to \"%s\"", Label.c_str(),
                        pHomes[t].OldName.c_str(), NewName.c_str());
        Moves += "The " + Label + " now play in " + (NewName.empty() ? std::string("no city") : NewName) +
                 " (was " + (pHomes[t].OldName.empty() ? std::string("no city") : pHomes[t].OldName) + ").\n";
    }
    return Moves;
}

}  // namespace

// ---------------------------------------------------------------------------
// Table

int Count_Cities()
{
    for (int c = 0; c < NUMBER_OF_CITIES; c++)
        if (Is_Empty_Entry(c))
            return c;
    return NUMBER_OF_CITIES;
}

int Find_City_By_Name(const char* szName)
{
    if (szName == nullptr || *szName == '\0')
        return -1;
    const int nCount = Count_Cities();
    for (int c = 0; c < nCount; c++)
        if (strcasecmp(Name_Of(c).c_str(), szName) == 0)
            return c;
    return -1;
}

void Clear_City(int nCity)
{
    if (!Is_City_Index(nCity)) {
        Report_Error("nCity out of bounds in %s([%d])", __func__, nCity);
        return;
    }
    memset(&League.City[nCity], 0, sizeof(CITY));
}

void Set_Default_City_Stats(int nCity)
{
    if (!Is_City_Index(nCity)) {
        Report_Error("nCity out of bounds in %s([%d])", __func__, nCity);
        return;
    }
    for (int n = 0; n < CITY_STAT_COUNT; n++)
        League.City[nCity].nStat[n] = DEFAULT_CITY_STATS[n];
}

int Add_City()
{
    int nCity = Count_Cities();
    if (nCity >= NUMBER_OF_CITIES)
        return -1;
    Clear_City(nCity);
    Set_City_Name(nCity, NEW_CITY_NAME);
    Set_City_Photo(nCity, NEW_CITY_PHOTO);
    Set_Default_City_Stats(nCity);
    Set_User_Preference(PREF_CURRENT_CITY, nCity);
    return nCity;
}

bool Delete_City()
{
    int nCity = Get_User_Preference(PREF_CURRENT_CITY);
    if (!Is_City_Index(nCity)) {
        Report_Error("Invalid nCity in Set_City_Name()");
        Report_Error("Invalid nCity in Set_City_Photo()");
        for (int n = 0; n < CITY_STAT_COUNT; n++)
            Report_Error("Invalid nCity in Set_City_Stat()");
        return false;
    }
    // Emptying a franchise's city would leave it pointing at a free entry.
    int nTeam = Is_Empty_Entry(nCity) ? -1 : Find_City_Franchise(nCity);
    if (nTeam >= 0) {
        std::string Name = Name_Of(nCity);
        std::string Label = Team_Label(nTeam);
        Show_Formatted_Message("Can't Erase City",
                               "%s is the home of the %s. Move the team to another city before erasing this one.",
                               Name.c_str(), Label.c_str());
        return false;
    }
    Set_City_Name(nCity, "");
    Set_City_Photo(nCity, "");
    for (int n = 0; n < CITY_STAT_COUNT; n++)
        Set_City_Index_Stat(nCity, n, 0);
    Compact_Cities();
    // The compaction carries the emptied entry, and with it the current
    // city, to the end of the table: the editor stays on the same place.
    int nCount = Count_Cities();
    if (nCity >= nCount)
        nCity = nCount > 0 ? nCount - 1 : 0;
    Set_User_Preference(PREF_CURRENT_CITY, nCity);
    return true;
}

void Swap_Cities(int nCityA, int nCityB)
{
    if (!Is_City_Index(nCityA)) {
        Report_Error("nCity out of bounds in %s([%d],%d)", __func__, nCityA, nCityB);
        return;
    }
    if (!Is_City_Index(nCityB)) {
        Report_Error("nCity out of bounds in %s(%d,[%d])", __func__, nCityA, nCityB);
        return;
    }
    if (nCityA == nCityB)
        return;
    CITY Temp = League.City[nCityA];
    League.City[nCityA] = League.City[nCityB];
    League.City[nCityB] = Temp;
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; t++) {
        int nCity = Get_Team_Stat(t, TEAM_STAT_CITY);
        if (nCity == nCityA)
            Set_Team_Stat(t, TEAM_STAT_CITY, nCityB);
        else if (nCity == nCityB)
            Set_Team_Stat(t, TEAM_STAT_CITY, nCityA);
    }
    int nCurrent = Get_User_Preference(PREF_CURRENT_CITY);
    if (nCurrent == nCityA)
        Set_User_Preference(PREF_CURRENT_CITY, nCityB);
    else if (nCurrent == nCityB)
        Set_User_Preference(PREF_CURRENT_CITY, nCityA);
}

void Compact_Cities()
{
    for (int nPass = 0; nPass < NUMBER_OF_CITIES; nPass++)
        for (int c = 0; c < NUMBER_OF_CITIES - 1; c++)
            if (Is_Empty_Entry(c))
                Swap_Cities(c, c + 1);
}

void Sort_Cities()
{
    int nCount = Count_Cities();
    for (int nPass = 0; nPass < nCount; nPass++)
        for (int c = 0; c + 1 < nCount; c++)
            if (strncmp(League.City[c].szName, League.City[c + 1].szName, CITY_NAME_SIZE) > 0)
                Swap_Cities(c, c + 1);
}

int Find_Best_Free_City()
{
    int nBest = -1;
    __int128 nBestValue = 0;
    int nCount = Count_Cities();
    for (int c = 0; c < nCount; c++) {
        if (Find_City_Franchise(c) >= 0)
            continue;
        __int128 nValue = City_Market_Value(c);
        if (nValue > nBestValue) {
            nBestValue = nValue;
            nBest = c;
        }
    }
    return nBest;
}

// ---------------------------------------------------------------------------
// Fields

void Set_City_Name(int nCity, const char* szName)
{
    if (!Is_City_Index(nCity)) {
        Report_Error("Invalid nCity in %s()", __func__);
        return;
    }
    if (szName == nullptr) {
        Report_Error("Null text in %s(%d)", __func__, nCity);
        return;
    }
    safe_strncpy(League.City[nCity].szName, szName, CITY_NAME_SIZE);
}

void Set_City_Photo(int nCity, const char* szPhoto)
{
    if (!Is_City_Index(nCity)) {
        Report_Error("Invalid nCity in %s()", __func__);
        return;
    }
    if (szPhoto == nullptr) {
        Report_Error("Null text in %s(%d)", __func__, nCity);
        return;
    }
    safe_strncpy(League.City[nCity].szPhoto, szPhoto, CITY_PHOTO_SIZE);
}

namespace {

// One text field of a city copied out; szOut is left empty when nCity is out
// of bounds (reported under szCaller's name).
template <size_t N>
void Copy_City_Text(const char* szCaller, int nCity, char (CITY::*pField)[N], char* szOut, size_t nOutSize)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    szOut[0] = '\0';
    if (!Is_City_Index(nCity)) {
        Report_Error("nCity out of bounds in %s([%d])", szCaller, nCity);
        return;
    }
    Copy_From_Record_Field(szOut, nOutSize, League.City[nCity].*pField, N);
}

}  // namespace

void Get_City_Photo(int nCity, char* szOut, size_t nOutSize)
{
    Copy_City_Text(__func__, nCity, &CITY::szPhoto, szOut, nOutSize);
}

void Get_City_Name(int nCity, char* szOut, size_t nOutSize)
{
    Copy_City_Text(__func__, nCity, &CITY::szName, szOut, nOutSize);
}

bool Is_City_Named(int nCity)
{
    if (nCity == NUMBER_OF_CITIES)
        return false;
    if (!Is_City_Index(nCity)) {
        Report_Error("nCity out of bounds in %s([%d])", __func__, nCity);
        return false;
    }
    return !Is_Empty_Entry(nCity);
}

int Get_City_Stat(int nCity, int nStat)
{
    if (!Is_City_Index(nCity)) {
        Report_Error("nCity out of bounds in %s([%d],%d)", __func__, nCity, nStat);
        return 0;
    }
    if (nStat < 0 || nStat >= CITY_STAT_COUNT) {
        Report_Error("nStat out of bounds in %s(%d,[%d])", __func__, nCity, nStat);
        return 0;
    }
    return League.City[nCity].nStat[nStat];
}

void Set_City_Index_Stat(int nCity, int nStat, int nValue)
{
    if (!Is_City_Index(nCity)) {
        Report_Error("Invalid nCity in Set_City_Stat()");
        return;
    }
    if (nStat < 0 || nStat >= CITY_STAT_COUNT) {
        Report_Error("Invalid nStat in Set_City_Stat()");
        return;
    }
    League.City[nCity].nStat[nStat] = nValue;
}

int Get_Team_City_Stat(int nTeam, int nStat)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nStat);
        return 0;
    }
    if (nStat < 0 || nStat >= CITY_STAT_COUNT) {
        Report_Error("nStat out of bounds in %s(%d,[%d])", __func__, nTeam, nStat);
        return 0;
    }
    int nCity = League.Team[nTeam].nTeamStat[TEAM_STAT_CITY];
    if (!Is_City_Index(nCity)) {
        Report_Error("Team city [%d] out of bounds in %s(%d,%d)", nCity, __func__, nTeam, nStat);
        return 0;
    }
    return League.City[nCity].nStat[nStat];
}

void Set_City_Stat(int nTeam, int nStat, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d)", __func__, nTeam, nStat, nValue);
        return;
    }
    Set_City_Index_Stat(League.Team[nTeam].nTeamStat[TEAM_STAT_CITY], nStat, nValue);
}

// ---------------------------------------------------------------------------
// "Cities.txt"

int Export_Cities()
{
    char szText[TEXT_BUFFER_SIZE];
    Format_Text_Bounded(szText, sizeof(szText), "Do you want to export the current cities to the file \"%s\"?",
                        CITIES_FILE_NAME);
    if (Show_Message_Box(szText, "Confirm City Export", BOX_YESNO | BOX_ICON_QUESTION | BOX_DEFAULT_SECOND) != ID_YES)
        return -1;

    // The whole text goes beside the old file under a unique name and is
    // renamed over it, so a failed write never leaves half a file behind.
    std::string Text;
    int nWritten = 0;
    int nCount = Count_Cities();
    for (int c = 0; c < nCount; c++) {
        // The file has no quoting: a comma or line end in a name would split it.
        std::string Name = Name_Of(c);
        for (char& ch : Name)
            if (ch == ',' || ch == '\r' || ch == '\n')
                ch = ' ';
        Text += Name;
        for (int n = 0; n < CITY_STAT_COUNT; n++)
            Text += "," + std::to_string(League.City[c].nStat[n]);
        Text += '\n';
        nWritten++;
    }
    if (!files::Write_Whole_File(CITIES_FILE_NAME, Text.data(), Text.size(), true)) {
        Report_Error("Unable to write \"%s\" in Export_Cities() (%s)", CITIES_FILE_NAME, files::Error_Text(errno));
        return -1;
    }
    Show_Formatted_Message("City Export Complete", "%d cities exported to \"%s\"", nWritten, CITIES_FILE_NAME);
    return nWritten;
}

int Import_Cities()
{
    char szText[TEXT_BUFFER_SIZE];
    Format_Text_Bounded(szText, sizeof(szText),
                        "Do you want to import the current cities to the file \"%s\"?\n\nThis will erase all "
                        "current cities and stats.",
                        CITIES_FILE_NAME);
    if (Show_Message_Box(szText, "Confirm City Import", BOX_YESNO | BOX_ICON_QUESTION | BOX_DEFAULT_SECOND) != ID_YES)
        return -1;

    FILE* pFile = files::Open_File(CITIES_FILE_NAME, "rb");
    if (pFile == nullptr) {
        Refuse_Import(std::string("Unable to open the city import file \"") + CITIES_FILE_NAME + "\" (" +
                      files::Error_Text(errno) + ").");
        return -1;
    }

    // Where every franchise plays now, to put it back there afterwards.
    int nTeams = Count_Teams();
    FRANCHISE_HOME Homes[MAX_FRANCHISES];
    for (int t = 0; t < nTeams; t++) {
        Homes[t].nOldCity = Get_Team_Stat(t, TEAM_STAT_CITY);
        Homes[t].OldName = Is_City_Index(Homes[t].nOldCity) ? Name_Of(Homes[t].nOldCity) : std::string();
    }

    // Read into a scratch table first: a file that fails half-way leaves
    // the league's cities as they were.
    CITY Imported[NUMBER_OF_CITIES];
    memset(Imported, 0, sizeof(Imported));
    SKIPPED_LINES Skipped;
    int nRead = 0;
    bool bEnd = false;
    char szLine[TEXT_BUFFER_SIZE];
    char szField[TEXT_BUFFER_SIZE];
    for (int c = 0; c < NUMBER_OF_CITIES && !bEnd; c++) {
        szLine[0] = '\0';
        bEnd = Read_Line(szLine, pFile) != 0;
        // Editors that save UTF-8 often put a byte-order mark first: it is
        // no part of the first city's name; their accented letters become
        // the names' Windows-1252 again.
        if (c == 0)
            Drop_Byte_Order_Mark(szLine);
        Drop_Carriage_Returns(szLine);
        Convert_Utf8_Line_To_1252(szLine);
        Pop_Token_From_String(szField, szLine, ',');
        if (szField[0] == '\0')
            continue;   // an empty entry, closed up below
        // A city is its name and then its figures, the population first: a
        // line without that (a heading, a line of other text) is no city.
        char szPopulation[TEXT_BUFFER_SIZE];
        Pop_Token_From_String(szPopulation, szLine, ',');
        if (!Is_City_Number(szPopulation)) {
            Skipped.Add(c + 1, szField, szPopulation);
            continue;
        }
        safe_strncpy(Imported[c].szName, szField, CITY_NAME_SIZE);
        Imported[c].nStat[0] = Parse_City_Number(szPopulation);
        for (int n = 1; n < CITY_STAT_COUNT; n++) {
            Pop_Token_From_String(szField, szLine, ',');
            Imported[c].nStat[n] = szField[0] != '\0' ? Parse_City_Number(szField) : 0;
        }
        nRead++;
    }
    bool bFailed = ferror(pFile) != 0;
    fclose(pFile);
    if (bFailed) {
        Refuse_Import(std::string("Unable to read the city import file \"") + CITIES_FILE_NAME + "\".");
        return -1;
    }
    // Nothing to take: the table and the franchises' homes stay as they are.
    if (nRead == 0) {
        Refuse_Import(std::string("The city import file \"") + CITIES_FILE_NAME +
                      "\" holds no city: the cities and the franchises' homes are as they were. Each line of a "
                      "city is its name, then its figures, the population first, separated by commas, as Export "
                      "writes them.");
        return -1;
    }
    memcpy(League.City, Imported, sizeof(Imported));

    Compact_Cities();
    Sort_Cities();
    Set_User_Preference(PREF_CURRENT_CITY, 0);
    std::string Moves = Restore_Franchise_Homes(Homes, nTeams);

    const std::string Done = std::to_string(nRead) + " cities imported from \"" + CITIES_FILE_NAME + "\"" +
                             Skipped.Text();
    Show_Message_Box(Done.c_str(), "City Import Complete", BOX_OK | BOX_ICON_INFORMATION | BOX_TASKMODAL);
    if (!Moves.empty())
        Show_Formatted_Message("Franchises Moved", "These franchises are not in the imported cities:\n\n%s",
                               Moves.c_str());
    return nRead;
}
