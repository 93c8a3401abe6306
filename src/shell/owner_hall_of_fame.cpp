#include "shell/owner_hall_of_fame.h"

#include <cstdio>

#include "league/default_settings.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"

namespace {

bool Is_Terminated(const char* szField, size_t nSize)
{
    return std::memchr(szField, '\0', nSize) != nullptr;
}

}  // namespace

void Default_Owner_Hall_Of_Fame(OWNER_HALL_OF_FAME& Fame)
{
    std::memset(&Fame, 0, sizeof(Fame));
    Fame.nVersion = OWNER_FAME_VERSION;
    Fame.Window = WINDOW_RECTANGLE{40, 40, 40 + 1024, 40 + 720};
}

bool Is_Usable_Window_Rectangle(const WINDOW_RECTANGLE& Window)
{
    const auto Within = [](int32_t n) { return n >= -OWNER_FAME_MAX_COORDINATE && n <= OWNER_FAME_MAX_COORDINATE; };
    if (!Within(Window.nLeft) || !Within(Window.nTop) || !Within(Window.nRight) || !Within(Window.nBottom))
        return false;
    return Window.nRight - Window.nLeft >= OWNER_FAME_MIN_WIDTH &&
           Window.nBottom - Window.nTop >= OWNER_FAME_MIN_HEIGHT;
}

std::string Check_Owner_Hall_Of_Fame(const OWNER_HALL_OF_FAME& Fame)
{
    if (Fame.nVersion != OWNER_FAME_VERSION)
        return "its version word is " + std::to_string(Fame.nVersion) + ", not " +
               std::to_string(OWNER_FAME_VERSION);
    if (Fame.nOwners < 0 || Fame.nOwners > OWNER_FAME_RECORDS)
        return "it lists " + std::to_string(Fame.nOwners) + " owners";
    if (!Is_Terminated(Fame.szLastOwner, sizeof(Fame.szLastOwner)))
        return "the last owner's name has no end";
    if (!Is_Terminated(Fame.szLastGamePath, sizeof(Fame.szLastGamePath)))
        return "the last game's path has no end";
    if (Fame.bMaximized != 0 && Fame.bMaximized != 1)
        return "the window's maximized flag is " + std::to_string(Fame.bMaximized);
    if (!Is_Usable_Window_Rectangle(Fame.Window))
        return "the window rectangle fits no screen";
    for (int i = 0; i < Fame.nOwners; ++i) {
        const OWNER_FAME_ENTRY& Entry = Fame.Owner[i];
        if (!Is_Terminated(Entry.szOwner, sizeof(Entry.szOwner)) ||
            !Is_Terminated(Entry.szTeam, sizeof(Entry.szTeam)))
            return "owner record " + std::to_string(i) + " has a text without an end";
    }
    return std::string();
}

bool Load_Owner_Hall_Of_Fame(OWNER_HALL_OF_FAME& Fame)
{
    std::vector<unsigned char> Data;
    // One byte more than the record, so that a longer file is seen as such.
    if (files::Read_Whole_File(OWNER_HALL_OF_FAME_FILE, Data, OWNER_HALL_OF_FAME_SIZE + 1) &&
        Data.size() == OWNER_HALL_OF_FAME_SIZE) {
        std::memcpy(&Fame, Data.data(), sizeof(Fame));
        if (Check_Owner_Hall_Of_Fame(Fame).empty())
            return true;
    }
    Default_Owner_Hall_Of_Fame(Fame);
    return false;
}

bool Ensure_Owner_Hall_Of_Fame(OWNER_HALL_OF_FAME& Fame)
{
    std::vector<unsigned char> Data;
    std::string Problem;
    bool bMissing = false;
    if (!files::Read_Whole_File(OWNER_HALL_OF_FAME_FILE, Data, OWNER_HALL_OF_FAME_SIZE + 1)) {
        const int nError = errno;
        bMissing = nError == ENOENT;
        Problem = nError == ENOENT ? "it is missing"
                  : nError == EFBIG ? "it is longer than " + std::to_string(OWNER_HALL_OF_FAME_SIZE) + " bytes"
                                    : std::string("it cannot be read (") + files::Error_Text(nError) + ")";
    } else if (Data.size() != OWNER_HALL_OF_FAME_SIZE) {
        Problem = "it holds " + std::to_string(Data.size()) + " bytes, not " +
                  std::to_string(OWNER_HALL_OF_FAME_SIZE);
    } else {
        std::memcpy(&Fame, Data.data(), sizeof(Fame));
        Problem = Check_Owner_Hall_Of_Fame(Fame);
    }
    if (Problem.empty())
        return true;
    Default_Owner_Hall_Of_Fame(Fame);
    const bool bWritten = Write_Owner_Hall_Of_Fame(&Fame);
    // A first start has no file yet: that is no fault worth a notice.
    if (bMissing)
        Write_Debug_Log("\"%s\" is not there yet; %s with the defaults.", OWNER_HALL_OF_FAME_FILE,
                        bWritten ? "written" : "it could not be written, going on");
    else
        Write_Notice("\"%s\": %s; %s with the defaults.", OWNER_HALL_OF_FAME_FILE, Problem.c_str(),
                 bWritten ? "rebuilt" : "it could not be rebuilt, going on");
    return false;
}

bool Store_Main_Window_Rectangle(const WINDOW_RECTANGLE& Window, bool bMaximized)
{
    if (!Is_Usable_Window_Rectangle(Window))
        return false;
    OWNER_HALL_OF_FAME Fame;
    // A damaged file gives way to the defaults: only the rectangle is new.
    Load_Owner_Hall_Of_Fame(Fame);
    Fame.Window = Window;
    Fame.bMaximized = bMaximized ? 1 : 0;
    return Write_Owner_Hall_Of_Fame(&Fame);
}

bool Read_Show_Hint_At_Startup()
{
    OWNER_HALL_OF_FAME Fame;
    return Load_Owner_Hall_Of_Fame(Fame) && Fame.bShowHintAtStartup == 1;
}

bool Store_Show_Hint_At_Startup(bool bShow)
{
    OWNER_HALL_OF_FAME Fame;
    Load_Owner_Hall_Of_Fame(Fame);
    Fame.bShowHintAtStartup = bShow ? 1 : 0;
    return Write_Owner_Hall_Of_Fame(&Fame);
}

namespace {

bool Read_Last_Owner_From_File(char* szName, size_t nSize)
{
    if (szName == nullptr || nSize == 0)
        return false;
    OWNER_HALL_OF_FAME Fame;
    szName[0] = '\0';
    if (!Load_Owner_Hall_Of_Fame(Fame) || Fame.szLastOwner[0] == '\0')
        return false;
    std::snprintf(szName, nSize, "%s", Fame.szLastOwner);
    return true;
}

void Write_Last_Owner_To_File(const char* szName)
{
    OWNER_HALL_OF_FAME Fame;
    Load_Owner_Hall_Of_Fame(Fame);   // a damaged file gives way to the defaults
    std::snprintf(Fame.szLastOwner, sizeof(Fame.szLastOwner), "%s", szName != nullptr ? szName : "");
    Write_Owner_Hall_Of_Fame(&Fame);
}

}  // namespace

void Install_Last_Owner_Name_Store()
{
    OWNER_NAME_STORE Store;
    Store.pRead = Read_Last_Owner_From_File;
    Store.pWrite = Write_Last_Owner_To_File;
    Install_Owner_Name_Store(&Store);
}
