// The all-time leader files. See leader_files.h.
#include "tools/leader_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/input_file.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/leader_lists.h"

const char* const LEADER_TABLE_WORDS[LEADER_TABLE_COUNT] = {"Career", "Season", "Game"};

const char* const LEADER_STAT_KEYS[LEADER_STAT_COUNT] = {
    "Passing_Attempts",   "Completions",          "Passing_Yards",       "Completion_Percentage",
    "Passing_Touchdowns", "Yards_Per_Attempt",    "Quarterback_Rating",  "Passing_Yards_Per_Game",
    "Kick_Return_Average", "Kick_Return_Touchdowns", "Rushes",           "Rushing_Yards",
    "Rushing_Touchdowns", "Yards_Per_Rush",       "Receptions",          "Receiving_Yards",
    "Receiving_Touchdowns", "Yards_Per_Reception", "Catch_Rate",         "Punt_Return_Average",
    "Punt_Return_Touchdowns", "Tackles",          "Passes_Defended",     "Fumbles_Forced",
    "Sacks",              "Interceptions",        "Field_Goals",         "Field_Goal_Percentage",
    "Punt_Average",       "Cap_Impact",
};

namespace {

constexpr const char* SECOND_NAMED_CELL = "Week";

// A field as written: quoted when it holds a comma or a quote.
std::string Csv_Field(const char* szText)
{
    if (std::strpbrk(szText, ",\"") == nullptr)
        return szText;
    std::string Out = "\"";
    for (const char* p = szText; *p; ++p) {
        if (*p == '"')
            Out += '"';
        Out += *p;
    }
    return Out + "\"";
}

// The fixed-size name field as a terminated text.
std::string Field_Text(const char* pField, size_t nSize)
{
    return std::string(pField, strnlen(pField, nSize));
}

// A path for a message, as it stands on disk.
std::string Quoted_Path(const std::string& Path)
{
    return "\"" + files::Resolve_Path(Path.c_str()) + "\"";
}

bool Write_Replacing(const std::string& Path, const std::string& Text)
{
    return files::Write_Whole_File(Path.c_str(), Text.data(), Text.size());
}

std::string Leader_File_Text(int nTable, int nStat)
{
    char szLine[512];
    std::snprintf(szLine, sizeof(szLine), LEADER_FILE_HEADER_FORMAT, LEADER_STAT_KEYS[nStat], SECOND_NAMED_CELL);
    std::string Text = std::string(szLine) + "\n";
    LEADER_LIST List;
    Read_Leader_List(nTable, nStat, List);
    for (const LEADER_ENTRY& Entry : List) {
        if (Entry.nValue == 0 && Is_Leader_Entry_Nameless(Entry))
            continue;
        char szID[PLAYER_CORVEL_ID_SIZE] = "";
        PLAYER_LOCATION Where{};
        if (Entry.nPlayerID > 0 && Find_Player_By_ID(&Where, Entry.nPlayerID))
            Get_Player_Corvel_ID(Where.nTeam, Where.nSlot, szID);
        const std::string First = Field_Text(Entry.szFirstName, sizeof(Entry.szFirstName));
        const std::string Last = Field_Text(Entry.szLastName, sizeof(Entry.szLastName));
        std::snprintf(szLine, sizeof(szLine), "%d,%s,%s,%s,%d,%d,%d,%d\n", Entry.nYear, Csv_Field(szID).c_str(),
                      Csv_Field(First.c_str()).c_str(), Csv_Field(Last.c_str()).c_str(), Entry.nValue, Entry.nWeek,
                      Entry.nAge, Entry.nSeasons);
        Text += szLine;
    }
    return Text;
}

int Clamp(int n, int nLow, int nHigh)
{
    return n < nLow ? nLow : n > nHigh ? nHigh : n;
}

// Reads one file into List (emptied first). false when it cannot be opened.
bool Read_Leader_File(const std::string& Path, LEADER_LIST& List)
{
    FILE* pFile = Open_Input_File(Path.c_str());
    if (pFile == nullptr)
        return false;
    std::memset(&List, 0, sizeof(List));
    char szLine[2048];
    int bEnd = Read_Input_Line(Path.c_str(), szLine, pFile);   // the header
    int nCount = 0;
    while (!bEnd && nCount < LEADER_LIST_LENGTH) {
        bEnd = Read_Input_Line(Path.c_str(), szLine, pFile);
        if (szLine[0] == '\0')
            continue;
        char szField[8][64] = {};
        char* pRest = szLine;
        for (auto& szOne : szField) {
            if (Pop_Input_Field(szOne, pRest) != 0)
                break;
        }
        LEADER_ENTRY& Entry = List[nCount];
        Set_Leader_Entry_Names(&Entry, szField[3], szField[2]);
        Entry.nYear = static_cast<int16_t>(Clamp(Parse_Input_Int(szField[0]), 0, 32767));
        Entry.nValue = Parse_Input_Int(szField[4]);
        Entry.nWeek = static_cast<int8_t>(Clamp(Parse_Input_Int(szField[5]), -128, 127));
        Entry.nAge = static_cast<uint8_t>(Clamp(Parse_Input_Int(szField[6]), 0, 255));
        Entry.nSeasons = Parse_Input_Int(szField[7]);
        Entry.nTeam = NO_TEAM;
        PLAYER_LOCATION Where{};
        if ((Is_Plain_External_Id(szField[1]) && Find_Player_By_Corvel_ID(&Where, szField[1])) ||
            Find_Player_By_Leader_Names(Entry, &Where))
            Entry.nPlayerID = Get_Player_ID(Where.nTeam, Where.nSlot);
        if (Entry.nValue == 0 && Is_Leader_Entry_Nameless(Entry))
            std::memset(&Entry, 0, sizeof(Entry));
        else
            ++nCount;
    }
    std::fclose(pFile);
    Sort_Leader_List(List);
    return true;
}

}  // namespace

std::string Get_Leader_File_Path(int nYear, int nTable, int nStat)
{
    if (nTable < 0 || nTable >= LEADER_TABLE_COUNT || nStat < 0 || nStat >= LEADER_STAT_COUNT)
        return "";
    char szPath[256];
    std::snprintf(szPath, sizeof(szPath), "%s/%d-%s-%s.csv", LEADER_FILES_FOLDER, nYear, LEADER_TABLE_WORDS[nTable],
                  LEADER_STAT_KEYS[nStat]);
    return szPath;
}

int Export_Leaders_CSV(int nYear, std::string* pProblem)
{
    Update_Leader_Lists(2);
    Update_Leader_Lists(4);
    if (pProblem == nullptr)
        return Write_Leader_Files(nYear);
    return Stage_Leader_Files(nYear, *pProblem);
}

int Write_Leader_Files(int nYear)
{
    std::string Problem;
    int nWritten = Stage_Leader_Files(nYear, Problem);
    if (nWritten > 0 && !Commit_Leader_Files(nYear, Problem))
        nWritten = 0;
    if (!Problem.empty()) {
        const std::string Text = Problem + ".";
        Show_Message_Box(Text.c_str(), "File Error", BOX_OK);
    }
    return nWritten;
}

int Stage_Leader_Files(int nYear, std::string& Problem)
{
    Problem.clear();
    files::Create_Folders(LEADER_FILES_FOLDER);
    int nWritten = 0;
    for (int nTable = 0; nTable < LEADER_TABLE_COUNT && Problem.empty(); ++nTable) {
        for (int nStat = 0; nStat < LEADER_STAT_COUNT && Problem.empty(); ++nStat) {
            const std::string Path = Get_Leader_File_Path(nYear, nTable, nStat);
            // A folder in a file's place would refuse the rename once the
            // database is written: found now, the year keeps what it had.
            if (files::Folder_Exists(Path.c_str()))
                Problem = Quoted_Path(Path) + " could not be written (" + files::Error_Text(EISDIR) + ")";
            else if (Write_Replacing(Path + LEADER_STAGED_SUFFIX, Leader_File_Text(nTable, nStat)))
                ++nWritten;
            else
                Problem = Quoted_Path(Path + LEADER_STAGED_SUFFIX) + " could not be written (" +
                          files::Error_Text(errno) + ")";
        }
    }
    if (Problem.empty())
        return nWritten;
    // A year's files are a set: part of one (a full disk) is none.
    Discard_Leader_Files(nYear);
    return 0;
}

bool Commit_Leader_Files(int nYear, std::string& Problem)
{
    Problem.clear();
    for (int nTable = 0; nTable < LEADER_TABLE_COUNT; ++nTable) {
        for (int nStat = 0; nStat < LEADER_STAT_COUNT; ++nStat) {
            const std::string Path = Get_Leader_File_Path(nYear, nTable, nStat);
            const std::string Staged = Path + LEADER_STAGED_SUFFIX;
            if (!files::Entry_Exists(Staged.c_str()))
                continue;
            if (!files::Rename_File(Staged.c_str(), Path.c_str()) && Problem.empty())
                Problem = Quoted_Path(Path) + " could not be written (" + files::Error_Text(errno) + ")";
        }
    }
    if (Problem.empty())
        return true;
    Discard_Leader_Files(nYear);
    return false;
}

int Discard_Leader_Files(int nYear)
{
    // Only the year's own staged names, wherever the folder leads (a link
    // to a larger disk): the year's build put exactly these there.
    int nRemoved = 0;
    for (int nTable = 0; nTable < LEADER_TABLE_COUNT; ++nTable) {
        for (int nStat = 0; nStat < LEADER_STAT_COUNT; ++nStat) {
            const std::string Path = Get_Leader_File_Path(nYear, nTable, nStat) + LEADER_STAGED_SUFFIX;
            // A folder of that name is no staged file of ours.
            if (!files::Folder_Exists(Path.c_str()))
                nRemoved += files::Delete_File(Path.c_str()) ? 1 : 0;
        }
    }
    return nRemoved;
}

bool Is_Staged_Leader_File_Name(const std::string& Name)
{
    // The year as the path writes it: digits, no sign, no leading zero.
    size_t nDigits = 0;
    while (nDigits < Name.size() && Name[nDigits] >= '0' && Name[nDigits] <= '9')
        ++nDigits;
    if (nDigits == 0 || nDigits > 6 || Name[0] == '0')
        return false;
    const int nYear = std::atoi(Name.substr(0, nDigits).c_str());
    const size_t nFolder = std::strlen(LEADER_FILES_FOLDER) + 1;
    for (int nTable = 0; nTable < LEADER_TABLE_COUNT; ++nTable) {
        for (int nStat = 0; nStat < LEADER_STAT_COUNT; ++nStat) {
            const std::string Staged = Get_Leader_File_Path(nYear, nTable, nStat).substr(nFolder) + LEADER_STAGED_SUFFIX;
            // No wildcard in it: a match is the name itself, case aside.
            if (files::Wildcard_Match(Staged.c_str(), Name.c_str()))
                return true;
        }
    }
    return false;
}

int Discard_All_Staged_Leader_Files(bool (*pKeepYear)(int nYear))
{
    const std::string Pattern = std::string("*") + LEADER_STAGED_SUFFIX;
    return files::Delete_Matching_Files(LEADER_FILES_FOLDER, Pattern.c_str(), [pKeepYear](const std::string& Name) {
        return Is_Staged_Leader_File_Name(Name) && (pKeepYear == nullptr || !pKeepYear(std::atoi(Name.c_str())));
    });
}

int Load_All_Time_Leaders(int nYear, bool bStaged)
{
    Build_Corvel_ID_Hash();
    Build_Leader_Name_Index();
    int nRead = 0;
    for (int nTable = 0; nTable < LEADER_TABLE_COUNT; ++nTable) {
        for (int nStat = 0; nStat < LEADER_STAT_COUNT; ++nStat) {
            LEADER_LIST List;
            const std::string Path =
                Get_Leader_File_Path(nYear, nTable, nStat) + (bStaged ? LEADER_STAGED_SUFFIX : "");
            if (!Read_Leader_File(Path, List))
                continue;
            Write_Leader_List(nTable, nStat, List);
            ++nRead;
        }
    }
    if (nRead == 0)
        Write_Debug_Log("No all-time leader files of %d in %s.", nYear, LEADER_FILES_FOLDER);
    return nRead;
}
