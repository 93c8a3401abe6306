// Playbook files: load, save, names, listing and the scratch areas.

#include "engine/playbook_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/int_math.h"
#include "base/text_utils.h"
#include "engine/playbook_rules.h"
#include "engine/playbooks.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace {

constexpr const char* PLAYBOOK_FOLDER = "playbooks";
constexpr const char* SIDE_EXTENSION[2] = {".opb", ".dpb"};
constexpr const char* SIDE_PATTERN[2] = {"*.opb", "*.dpb"};
constexpr int SIDE_SIZE[2] = {OFFENSIVE_PLAYBOOK_SIZE, DEFENSIVE_PLAYBOOK_SIZE};
constexpr int FORMATION_IDS = 48;
constexpr int PATH_SIZE = 512;
constexpr int FIRST_COLLEGE_POOL = HALL_OF_FAME_TEAM + 1;   // pools 38-40 have no nickname

OFFENSIVE_PLAYBOOK_AREA s_OffensiveScratch;
DEFENSIVE_PLAYBOOK_AREA s_DefensiveScratch;

bool Is_Side(int nSide)
{
    return nSide == PLAYBOOK_OFFENSE || nSide == PLAYBOOK_DEFENSE;
}

// Reads exactly nSize bytes; false when the file cannot be opened or read,
// or is shorter or longer, with Problem saying which.
bool Read_Exact(const char* szPath, void* pBuffer, int nSize, std::string& Problem)
{
    // Never waits: a pipe, a device or a folder is refused at the open.
    FILE* pFile = files::Open_File(szPath, "rb");
    if (pFile == nullptr) {
        const int nError = errno;
        Problem = nError == ENOENT   ? "there is no such file"
                  : nError == EISDIR ? "it is a folder, not a file"
                                     : files::Error_Text(nError);
        return false;
    }
    errno = 0;
    const size_t nRead = std::fread(pBuffer, 1, static_cast<size_t>(nSize), pFile);
    const bool bAtEnd = nRead == static_cast<size_t>(nSize) && std::fgetc(pFile) == EOF;
    const int nError = errno;
    const bool bFailed = std::ferror(pFile) != 0;
    std::fclose(pFile);
    if (bFailed)
        Problem = files::Error_Text(nError);
    else if (!bAtEnd)
        Problem = (nRead < static_cast<size_t>(nSize) ? "it holds " + std::to_string(nRead) + (nRead == 1 ? " byte" : " bytes")
                                                       : std::string("it holds more bytes than that")) +
                  "; a playbook of its side is " + std::to_string(nSize) + " bytes long";
    return bAtEnd && !bFailed;
}

uint8_t* Side_Area(int nTeam, int nSide)
{
    if (!Is_Side(nSide))
        return nullptr;
    return nSide == PLAYBOOK_OFFENSE ? reinterpret_cast<uint8_t*>(Get_Offensive_Playbook_Area(nTeam))
                                     : reinterpret_cast<uint8_t*>(Get_Defensive_Playbook_Area(nTeam));
}

int Current_Side()
{
    return Get_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST) == PLAYBOOK_DEFENSE ? PLAYBOOK_DEFENSE : PLAYBOOK_OFFENSE;
}

char* Stored_Playbook_Name(int nTeam, int nSide)
{
    if (nSide == PLAYBOOK_OFFENSE) {
        OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam);
        return pArea ? pArea->szName : nullptr;
    }
    DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam);
    return pArea ? pArea->szName : nullptr;
}

// Write_Playbook_File's work; nError is the failing call's errno.
int Write_Side_Area(const char* szPath, int& nError)
{
    nError = EINVAL;
    if (szPath == nullptr || szPath[0] == '\0')
        return PLAYBOOK_WRITE_OPEN_FAILED;
    Fix_Current_Team_Selection();
    const uint8_t* pArea = Side_Area(Get_User_Preference(PREF_CURRENT_TEAM), Current_Side());
    if (pArea == nullptr)
        return PLAYBOOK_WRITE_OPEN_FAILED;
    const size_t nSize = static_cast<size_t>(SIDE_SIZE[Current_Side()]);

    const std::string Folder = std::string(szPath).substr(0, std::string(szPath).find_last_of("/\\") + 1);
    if (!Folder.empty() && !files::Folder_Exists(Folder.c_str()))
        files::Create_Folders(Folder.c_str());   // a failure shows in the open below
    // A temporary of a unique name: a link standing at a name of our choice
    // is never written through.
    std::string Temporary;
    FILE* pFile = files::Create_Temporary_File(szPath, Temporary);
    if (pFile == nullptr) {
        nError = errno;
        return PLAYBOOK_WRITE_OPEN_FAILED;
    }
    errno = 0;
    const bool bWritten = std::fwrite(pArea, 1, nSize, pFile) == nSize;
    const int nResult = files::Finish_Temporary_File(pFile, Temporary, szPath, bWritten, true);
    if (nResult != files::REPLACE_DONE) {
        nError = errno;
        return nResult == files::REPLACE_RENAME_FAILED ? PLAYBOOK_WRITE_OPEN_FAILED : PLAYBOOK_WRITE_SHORT;
    }
    nError = 0;
    return PLAYBOOK_WRITE_OK;
}

}  // namespace

bool Is_Safe_Playbook_Name(const char* szName)
{
    if (szName == nullptr || szName[0] == '\0')
        return false;
    const size_t nLength = std::strlen(szName);
    if (nLength > static_cast<size_t>(PLAYBOOK_FILE_NAME_LIMIT) || std::strstr(szName, "..") != nullptr)
        return false;
    for (const char* p = szName; *p != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c < 32 || c == 127 || c == '/' || c == '\\')
            return false;
    }
    return true;
}

bool Build_Playbook_File_Path(const char* szName, int nSide, char* szPath, int nSize)
{
    if (szPath == nullptr || nSize <= 0)
        return false;
    szPath[0] = '\0';
    if (!Is_Side(nSide) || !Is_Safe_Playbook_Name(szName))
        return false;
    const int nLength = std::snprintf(szPath, static_cast<size_t>(nSize), "%s/%s%s", PLAYBOOK_FOLDER, szName,
                                      SIDE_EXTENSION[nSide]);
    if (nLength < 0 || nLength >= nSize) {
        szPath[0] = '\0';
        return false;
    }
    return true;
}

bool Load_Playbook_File(int nTeam, int nSide, const char* szName, std::string* pProblem)
{
    char szPath[PATH_SIZE];
    if (!Build_Playbook_File_Path(szName, nSide, szPath, sizeof(szPath))) {
        if (pProblem != nullptr)
            *pProblem = "that name cannot name a playbook file";
        return false;
    }
    // Read and repaired apart, so that a refused file changes nothing.
    static OFFENSIVE_PLAYBOOK_AREA OffensiveBuffer;
    static DEFENSIVE_PLAYBOOK_AREA DefensiveBuffer;
    void* pBuffer = nSide == PLAYBOOK_OFFENSE ? static_cast<void*>(&OffensiveBuffer) : &DefensiveBuffer;
    std::string Problem;
    if (!Read_Exact(szPath, pBuffer, SIDE_SIZE[nSide], Problem)) {
        if (pProblem != nullptr)
            *pProblem = Problem;
        return false;
    }
    if (pProblem != nullptr)
        pProblem->clear();
    const int nRepaired = nSide == PLAYBOOK_OFFENSE ? Repair_Offensive_Playbook(OffensiveBuffer)
                                                    : Repair_Defensive_Playbook(DefensiveBuffer);

    uint8_t* pDestination = Is_Valid_Team(nTeam) ? Side_Area(nTeam, nSide) : nullptr;
    // Told once, when a club takes the book (the Load dialog's analysis reads
    // each file it shows into the scratch area).
    if (nRepaired > 0 && pDestination != nullptr)
        Write_Debug_Log("Playbook \"%s\": %d plays or texts repaired into ones the game can run.", szPath, nRepaired);
    if (pDestination == nullptr)
        pDestination = nSide == PLAYBOOK_OFFENSE ? reinterpret_cast<uint8_t*>(&s_OffensiveScratch)
                                                 : reinterpret_cast<uint8_t*>(&s_DefensiveScratch);
    std::memcpy(pDestination, pBuffer, static_cast<size_t>(SIDE_SIZE[nSide]));
    return true;
}

int Write_Playbook_File(const char* szPath, int* pError)
{
    int nError = 0;
    const int nResult = Write_Side_Area(szPath, nError);
    if (pError != nullptr)
        *pError = nResult == PLAYBOOK_WRITE_OK ? 0 : nError != 0 ? nError : EIO;
    return nResult;
}

void Set_Playbook_Name(const char* szName)
{
    char* szStored = Stored_Playbook_Name(Get_User_Preference(PREF_CURRENT_TEAM), Current_Side());
    if (szStored == nullptr) {
        Report_Error("Invalid team in %s(%d)", __func__, Get_User_Preference(PREF_CURRENT_TEAM));
        return;
    }
    safe_strncpy(szStored, szName ? szName : "", PLAYBOOK_NAME_SIZE);
}

std::vector<std::string> List_Playbook_Files(int nSide)
{
    std::vector<std::string> Names;
    if (!Is_Side(nSide))
        return Names;
    for (std::string& Name : files::List_Folder(PLAYBOOK_FOLDER, SIDE_PATTERN[nSide])) {
        Name.erase(Name.size() - std::strlen(SIDE_EXTENSION[nSide]));
        Names.push_back(Name);
    }
    return Names;
}

bool Delete_Playbook_File(const char* szName, int nSide)
{
    char szPath[PATH_SIZE];
    return Build_Playbook_File_Path(szName, nSide, szPath, sizeof(szPath)) && files::Delete_File(szPath);
}

void Get_Default_Playbook_Save_Name(int nTeam, int nSide, char* szName, int nSize)
{
    if (szName == nullptr || nSize <= 0)
        return;
    szName[0] = '\0';
    const char* szStored = Is_Side(nSide) ? Stored_Playbook_Name(nTeam, nSide) : nullptr;
    if (szStored == nullptr) {
        Report_Error("Invalid argument in %s(%d, %d)", __func__, nTeam, nSide);
        return;
    }
    if (szStored[0] != '\0') {
        Copy_From_Record_Field(szName, static_cast<size_t>(nSize), szStored, PLAYBOOK_NAME_SIZE);
        return;
    }
    char szNickname[TEAM_STRING_SIZE] = "";
    if (nTeam < FIRST_COLLEGE_POOL)
        Get_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
    Format_Text_Bounded(szName, nSize, "%s-%d", szNickname, Get_Current_Year());
}

OFFENSIVE_PLAYBOOK_AREA* Get_Offensive_Scratch_Area()
{
    return &s_OffensiveScratch;
}

DEFENSIVE_PLAYBOOK_AREA* Get_Defensive_Scratch_Area()
{
    return &s_DefensiveScratch;
}

void Count_Scratch_Playbook_Formations(int nSide, int nCounts[48])
{
    if (nCounts == nullptr)
        return;
    std::memset(nCounts, 0, sizeof(int) * FORMATION_IDS);
    if (nSide == PLAYBOOK_OFFENSE) {
        for (const OFFENSIVE_PLAY& Play : s_OffensiveScratch.Play) {
            if (In_Range(Play.nFormation, 0, FORMATION_IDS - 1))
                ++nCounts[Play.nFormation];
        }
    } else if (nSide == PLAYBOOK_DEFENSE) {
        for (const DEFENSIVE_PLAY& Play : s_DefensiveScratch.Play) {
            if (In_Range(Play.nFormation, 0, FORMATION_IDS - 1))
                ++nCounts[Play.nFormation];
        }
    }
}
