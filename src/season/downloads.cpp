// Copies of the stored player photos and team logos.

#include "season/downloads.h"

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/input_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace {

constexpr int LAST_LOGO_YEAR = 2023;
constexpr int MODERN_LOGO_YEAR = 2021;     // the modern list from this season on
constexpr int RENAMED_TEXANS_YEAR = 1963;  // before it, the early Texans and Titans
constexpr int PHOTO_PROGRESS_TEAMS = 35;
constexpr int PHOTO_PROGRESS_STEP = 2;
constexpr int LOGO_COUNT = 32;

constexpr const char* MODERN_LOGOS[LOGO_COUNT] = {
    "Cardinals", "Falcons", "Ravens", "Bills", "Panthers", "Bears", "Bengals", "Browns",
    "Cowboys", "Broncos", "Lions", "Packers", "Texans", "Colts", "Jaguars", "Chiefs",
    "Raiders", "Chargers", "Rams", "Dolphins", "Vikings", "Patriots", "Saints", "Giants",
    "Jets", "Eagles", "Steelers", "49ers", "Seahawks", "Buccaneers", "Titans", "Vazarudu Team",
};
// The same with the Raiders at 24.
constexpr const char* EARLIER_LOGOS[LOGO_COUNT] = {
    "Cardinals", "Falcons", "Ravens", "Bills", "Panthers", "Bears", "Bengals", "Browns",
    "Cowboys", "Broncos", "Lions", "Packers", "Texans", "Colts", "Jaguars", "Chiefs",
    "Chargers", "Rams", "Dolphins", "Vikings", "Patriots", "Saints", "Giants", "Jets",
    "Raiders", "Eagles", "Steelers", "49ers", "Seahawks", "Buccaneers", "Titans", "Vazarudu Team",
};

int Find_Logo(const char* const* pList, const char* szName)
{
    for (int i = 0; i < LOGO_COUNT; ++i) {
        if (::strcasecmp(pList[i], szName) == 0)
            return i;
    }
    return -1;
}

// A name from the league block becomes part of a file name: it must stay a
// single plain name inside the folder.
bool Is_Plain_File_Name(const char* szName)
{
    if (szName[0] == '\0' || szName[0] == '.')
        return false;
    return std::strpbrk(szName, "/\\:") == nullptr;
}

// Copies szFrom to szTo unless szTo exists or szFrom does not. A copy that
// fails half-way leaves no file. True when a copy was made.
bool Copy_Picture(const char* szFrom, const char* szTo)
{
    if (files::File_Exists(szTo))
        return false;
    std::vector<unsigned char> Data;
    if (!files::Read_Whole_File(szFrom, Data, PICTURE_FILE_LIMIT)) {
        // A picture that is simply not there is no news; anything else is.
        if (errno != ENOENT)
            Write_Debug_Log("Could not read %s: %s", szFrom, files::Error_Text(errno));
        return false;
    }
    // Under a temporary name first: a link standing at the name is replaced,
    // never written through.
    if (!files::Write_Whole_File(szTo, Data.data(), Data.size())) {
        Write_Debug_Log("Could not write %s: %s", szTo, files::Error_Text(errno));
        return false;
    }
    return true;
}

}  // namespace

int Get_Logo_Index(const char* szNickname, int nYear)
{
    if (szNickname == nullptr)
        return -1;
    if (nYear >= MODERN_LOGO_YEAR) {
        if (::strcasecmp(szNickname, "Commanders") == 0)
            return LOGO_COUNT - 1;
        return Find_Logo(MODERN_LOGOS, szNickname);
    }
    const char* szName = szNickname;
    if (::strcasecmp(szName, "Oilers") == 0)
        szName = "Titans";
    if (::strcasecmp(szName, "Redskins") == 0)
        szName = "Vazarudu Team";
    if (nYear < RENAMED_TEXANS_YEAR) {
        if (::strcasecmp(szName, "Texans") == 0)
            szName = "Chiefs";
        if (::strcasecmp(szName, "Titans") == 0)
            szName = "Jets";
    }
    return Find_Logo(EARLIER_LOGOS, szName);
}

namespace {

// The player's ID text when it may name a file, else an empty text.
bool Get_Plain_Player_Id(int nTeam, int nSlot, char (&szID)[PLAYER_CORVEL_ID_SIZE + 1])
{
    szID[0] = '\0';
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return false;
    Get_Player_Corvel_ID(nTeam, nSlot, szID);
    if (!Is_Plain_External_Id(szID)) {
        szID[0] = '\0';
        return false;
    }
    return true;
}

int Name_Picture(int nTeam, int nSlot, char* szOut, size_t nSize, const char* szFormat)
{
    if (szOut == nullptr || nSize == 0)
        return 0;
    szOut[0] = '\0';
    char szID[PLAYER_CORVEL_ID_SIZE + 1];
    if (!Get_Plain_Player_Id(nTeam, nSlot, szID))
        return 0;
    const int n = std::snprintf(szOut, nSize, szFormat, szID);
    if (n < 0 || static_cast<size_t>(n) >= nSize) {
        szOut[0] = '\0';
        return 0;
    }
    return 1;
}

}  // namespace

int Get_Photo_File_Name(int nTeam, int nSlot, char* szOut, size_t nSize)
{
    return Name_Picture(nTeam, nSlot, szOut, nSize, "Photos/Downloads/%s.jpg");
}

int Get_Stored_Photo_File_Name(int nTeam, int nSlot, char* szOut, size_t nSize)
{
    return Name_Picture(nTeam, nSlot, szOut, nSize, "Input/Stats/Players/%s.dat");
}

int Copy_Player_Photo(int nTeam, int nSlot)
{
    char szFrom[64];
    char szTo[64];
    if (!Get_Stored_Photo_File_Name(nTeam, nSlot, szFrom) || !Get_Photo_File_Name(nTeam, nSlot, szTo))
        return 0;
    if (!files::File_Exists(szFrom))
        return 0;
    files::Create_Folders(DOWNLOADED_PHOTOS_FOLDER);
    return Copy_Picture(szFrom, szTo) ? 1 : 0;
}

int Copy_Downloaded_Photos()
{
    files::Create_Folders(DOWNLOADED_PHOTOS_FOLDER);
    int nCopied = 0;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (Is_Valid_Team(t)) {
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if (Get_Player_ID(t, s) == 0)
                    continue;
                nCopied += Copy_Player_Photo(t, s);
            }
        }
        if (t < PHOTO_PROGRESS_TEAMS)
            Step_Progress_Window(PHOTO_PROGRESS_STEP);
    }
    return nCopied;
}

int Copy_Downloaded_Logos()
{
    files::Create_Folders(DOWNLOADED_LOGOS_FOLDER);
    const int nYear = std::min(Get_Current_Year(), LAST_LOGO_YEAR);
    const int nTeams = std::min(Count_Teams(), MAX_FRANCHISES);
    int nCopied = 0;
    for (int t = 0; t < nTeams; ++t) {
        char szNickname[TEAM_STRING_SIZE + 1] = {};
        char szAbbreviation[TEAM_STRING_SIZE + 1] = {};
        Get_Team_String(szNickname, t, TEAM_STRING_NICKNAME);
        Get_Team_String(szAbbreviation, t, TEAM_STRING_ABBREVIATION);
        int nLogo = Get_Logo_Index(szNickname, nYear);
        if (nLogo < 0 || !Is_Plain_File_Name(szAbbreviation))
            continue;
        char szFrom[64];
        char szTo[96];
        std::snprintf(szFrom, sizeof(szFrom), "Input/Stats/Historical/%d%d.gz", nLogo, nYear);
        std::snprintf(szTo, sizeof(szTo), "%s/%s-%d.png", DOWNLOADED_LOGOS_FOLDER, szAbbreviation, nYear);
        nCopied += Copy_Picture(szFrom, szTo);
    }
    return nCopied;
}
