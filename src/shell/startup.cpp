#include "shell/startup.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "gamefile/game_file.h"
#include "base/random.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/ui.h"
#include "shell/main_window.h"

unsigned Read_Startup_Flags(int argc, char** argv)
{
    unsigned nFlags = 0;
    for (int i = 1; i < argc; ++i)
        nFlags |= Parse_Startup_Flags(argv[i]);
    std::vector<unsigned char> Data;
    if (files::Read_Whole_File(COMMAND_LINE_FILE, Data)) {
        std::string Text(Data.begin(), Data.end());
        nFlags |= Parse_Startup_Flags(Text.c_str());
    }
    return nFlags;
}

void Start_Debug_Log()
{
    files::Delete_File(DEBUG_LOG_FILE);
    const char* szSuffix = (Get_Startup_Flags() & FLAG_IS_NOT_RANDOM) ? " NR" : "";
    const char* szDebug = sys::Debugger_Output_Enabled() ? " D" : "";
    Write_Debug_Log("%s %d (V%d.%02d%s%s) started at: %s", PRODUCT_NAME, PROGRAM_YEAR, PROGRAM_VERSION_MAJOR,
                    PROGRAM_VERSION_MINOR, szSuffix, szDebug, sys::Local_Time_Text().c_str());
}

std::string Find_Data_Folder(const char* szArgv0)
{
    if (const char* szEnv = std::getenv("KELVO_DATA"); szEnv != nullptr && szEnv[0] != '\0')
        return szEnv;
    char szExe[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", szExe, sizeof(szExe) - 1);
    std::string Exe;
    if (n > 0) {
        szExe[n] = '\0';
        Exe = szExe;
    } else if (szArgv0 != nullptr) {
        Exe = szArgv0;
    }
    size_t nSlash = Exe.rfind('/');
    std::string Folder = (nSlash == std::string::npos ? std::string(".") : Exe.substr(0, nSlash)) + "/data";
    return files::Folder_Exists(Folder.c_str()) ? Folder : std::string();
}

int Run_Program(int argc, char** argv)
{
    std::string Folder = Find_Data_Folder(argc > 0 ? argv[0] : nullptr);
    if (!Folder.empty() && ::chdir(Folder.c_str()) != 0)
        std::fprintf(stderr, "Cannot enter the data folder \"%s\".\n", Folder.c_str());

    // Without a window every box is shown on the terminal.
    ui::Set_Echo(true);
    Set_Title_Refresher(Update_Main_Window_Title);
    Set_Startup_Flags(Read_Startup_Flags(argc, argv));
    Start_Debug_Log();
    if (Get_Startup_Flags() & FLAG_IS_NOT_RANDOM)
        Seed_Random_Numbers(12345);
    else
        Seed_Random_Numbers(static_cast<uint32_t>(sys::Seconds_Since_1970()) ^ sys::Tick_Count());

    if (!Load_Universe_Database(DEFAULT_DATABASE)) {
        // The loader has shown its own boxes; say which file is missing too.
        if (!files::File_Exists(DEFAULT_DATABASE)) {
            Write_Debug_Log("League database \"%s\" is missing.", DEFAULT_DATABASE);
            std::fprintf(stderr, "The league database \"%s\" is missing in \"%s\".\n", DEFAULT_DATABASE,
                         files::Get_Current_Folder().c_str());
        }
        return 1;
    }
    return 0;
}
