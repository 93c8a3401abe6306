// The clubs' logo files and the game's skin for the picture services.
#include "league/team_logo.h"

#include <cstring>

#include "league/league_data.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/pictures.h"

bool Get_Team_Logo_File(int nTeam, std::string& Path)
{
    Path.clear();
    if (!Check_Team_Index(__func__, nTeam))
        return false;
    char szCode[TEAM_STRING_SIZE + 1] = {};
    Get_Team_String(szCode, nTeam, TEAM_STRING_ABBREVIATION);
    szCode[TEAM_STRING_SIZE] = '\0';
    std::string Code = szCode;
    // An abbreviation that would climb out of the logos folder names no file.
    if (Code.empty() || Code.find_first_of("/\\") != std::string::npos || Code == "." || Code == "..")
        return false;
    for (const char* szExtension : {".png", ".jpg", ".gif"}) {
        std::string Candidate = "logos\\" + Code + szExtension;
        if (files::File_Exists(Candidate.c_str())) {
            Path = Candidate;
            return true;
        }
    }
    Path = "logos\\" + Code + ".png";
    return false;
}

void Use_League_Skin()
{
    size_t nLength = strnlen(League.szSkinName, sizeof(League.szSkinName));
    Set_Skin_Name(nLength == sizeof(League.szSkinName) ? "" : std::string(League.szSkinName, nLength).c_str());
}

void Set_League_Skin(const char* szSkin)
{
    std::memset(League.szSkinName, 0, sizeof(League.szSkinName));
    if (szSkin != nullptr)
        std::memcpy(League.szSkinName, szSkin, strnlen(szSkin, sizeof(League.szSkinName) - 1));
    Use_League_Skin();
}
