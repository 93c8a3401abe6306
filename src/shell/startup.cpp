#include "shell/startup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "editors/advanced_tools.h"
#include "editors/game_preview.h"
#include "editors/playbook_editor.h"
#include "frontoffice/team_views.h"
#include "gamefile/build_commit.h"
#include "gamefile/database_builder.h"
#include "frontoffice/player_moves.h"
#include "gamefile/game_file.h"
#include "base/random.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/main_frame.h"
#include "platform/system.h"
#include "platform/ui.h"
#include "platform/ui_backend.h"
#include "platform/ui_services.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/owner_hall_of_fame.h"
#include "shell/script_runner.h"
#include "shell/tool_commands.h"
#include "shell/welcome_dialog.h"

namespace {

bool Is_Word_Char(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Notes for every word of an argument (or of the flags file, szWhere naming
// it) that is no flag. Words are split as Parse_Startup_Flags splits them.
void Note_Unknown_Words(const char* szArgument, std::vector<std::string>& Notes, const char* szWhere = "")
{
    const char* p = szArgument;
    while (*p != '\0') {
        while (*p != '\0' && !Is_Word_Char(*p))
            ++p;
        const char* szStart = p;
        while (*p != '\0' && Is_Word_Char(*p))
            ++p;
        if (p == szStart)
            continue;
        std::string Word(szStart, p);
        if (Parse_Startup_Flags(Word.c_str()) == 0)
            Notes.push_back("Start-up word \"" + Word + "\"" + szWhere + " is no flag; ignored.");
    }
}

// The text of "CommandLine.txt", "" when there is none or it is not read.
std::string Read_Command_Line_File(std::vector<std::string>& Notes)
{
    std::vector<unsigned char> Data;
    const std::string Quoted = std::string("\"") + COMMAND_LINE_FILE + "\"";
    if (!files::Read_Whole_File(COMMAND_LINE_FILE, Data, COMMAND_LINE_FILE_LIMIT)) {
        const int nError = errno;
        if (nError == EFBIG)
            Notes.push_back(Quoted + " is longer than " + std::to_string(COMMAND_LINE_FILE_LIMIT) +
                            " bytes; ignored.");
        else if (nError == EINVAL)
            Notes.push_back(Quoted + " is not a regular file; ignored.");
        else if (nError != ENOENT)
            Notes.push_back(Quoted + " cannot be read (" + std::strerror(nError) + "); ignored.");
        return std::string();
    }
    std::string Text(Data.begin(), Data.end());
    const size_t nNul = Text.find('\0');
    if (nNul != std::string::npos) {
        Notes.push_back(Quoted + " holds a NUL byte at offset " + std::to_string(nNul) +
                        "; the text after it is ignored.");
        Text.resize(nNul);
    }
    return Text;
}

DESKTOP_STARTER g_pDesktopStarter = nullptr;

// Opens the desktop window unless the run is to be headless; a display that
// does not answer leaves it headless, with one line saying so.
void Try_Desktop(int argc, char** argv)
{
    if (g_pDesktopStarter == nullptr || Has_Headless_Option(argc, argv))
        return;
    if (g_pDesktopStarter(&argc, &argv))
        return;
    std::fprintf(stderr, "%s\n", NO_DISPLAY_NOTICE);
    Write_Debug_Log("%s", NO_DISPLAY_NOTICE);
}

// A start refused on its data folder: the reason on stderr and, for a
// program that would have had a window, in a box there too. Nothing is
// written into the folder (its log belongs to the program that holds it).
void Refuse_Start(int argc, char** argv, FILE* pScript, const std::string& Reason)
{
    std::fprintf(stderr, "kelvo: %s\n", Reason.c_str());
    const char* szDisplay = std::getenv("DISPLAY");
    const char* szWayland = std::getenv("WAYLAND_DISPLAY");
    const bool bDisplay = (szDisplay != nullptr && szDisplay[0] != '\0') || (szWayland != nullptr && szWayland[0] != '\0');
    if (g_pDesktopStarter == nullptr || Has_Headless_Option(argc, argv) || !bDisplay)
        return;
    Set_Debug_Log_File(false);
    if (!g_pDesktopStarter(&argc, &argv))
        return;
    // A script's run answers the box itself, as it does every other.
    dialogs::Set_Unattended(pScript != stdin);
    std::string Text = Reason;
    Text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(Text[0])));
    Show_Message_Box(Text.c_str(), PRODUCT_NAME, BOX_OK | BOX_ICON_EXCLAMATION);
}

// The desktop's message loop when no script drives it: the welcome dialog,
// then the user's commands until one quits. The wait sleeps until an event.
int Run_Desktop_Loop()
{
    Show_Welcome_Dialog();
    while (!Is_Quit_Posted())
        Wait_For_Event(-1);
    return Get_Quit_Code();
}

}  // namespace

void Set_Desktop_Starter(DESKTOP_STARTER pStarter)
{
    g_pDesktopStarter = pStarter;
}

bool Has_Headless_Option(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == nullptr)
            continue;
        if (std::strcmp(argv[i], "--script") == 0)
            ++i;
        else if (std::strcmp(argv[i], "--headless") == 0)
            return true;
    }
    return false;
}

PROGRAM_ACTION Read_Program_Options(int argc, char** argv, std::string& Unknown, std::string& Script)
{
    Unknown.clear();
    Script.clear();
    bool bHelp = false;
    bool bVersion = false;
    for (int i = 1; i < argc; ++i) {
        const char* szArgument = argv[i];
        if (szArgument == nullptr || szArgument[0] != '-')
            continue;
        if (std::strcmp(szArgument, "--help") == 0) {
            bHelp = true;
        } else if (std::strcmp(szArgument, "--version") == 0) {
            bVersion = true;
        } else if (std::strcmp(szArgument, "--headless") == 0) {
            // Start-up reads it (Has_Headless_Option): no window is opened.
        } else if (std::strcmp(szArgument, "--script") == 0) {
            if (i + 1 >= argc || argv[i + 1] == nullptr || argv[i + 1][0] == '\0') {
                Unknown = szArgument;
                return PROGRAM_ACTION::UNKNOWN_OPTION;
            }
            Script = argv[++i];
        } else if (std::strncmp(szArgument, "--script=", 9) == 0 && szArgument[9] != '\0') {
            Script = szArgument + 9;
        } else {
            Unknown = szArgument;
            return PROGRAM_ACTION::UNKNOWN_OPTION;
        }
    }
    if (bHelp)
        return PROGRAM_ACTION::SHOW_HELP;
    return bVersion ? PROGRAM_ACTION::SHOW_VERSION : PROGRAM_ACTION::RUN;
}

PROGRAM_ACTION Read_Program_Options(int argc, char** argv, std::string& Unknown)
{
    std::string Script;
    return Read_Program_Options(argc, argv, Unknown, Script);
}

std::string Usage_Text(const std::string& DataBeside)
{
    std::string Text =
        "Usage: kelvo [--help | --version] [--headless] [--script FILE] [FLAG...]\n"
        "\n"
        "Options:\n"
        "  --help           print this text and exit\n"
        "  --version        print the version and exit\n"
        "  --headless       run without a window, even where a display answers\n"
        "  --script FILE    read the script lines from FILE (a path from where kelvo is\n"
        "                   started), not from standard input\n"
        "Any other argument beginning with '-' is refused (exit status 2).\n"
        "\n"
        "Script lines (one a line; '#' begins a comment line; quote words with blanks):\n"
        "  welcome new|resume|quit          the welcome dialog's choice\n"
        "  command NAME|ID                  a menu command (\"One Week\", 40011)\n"
        "  key KEY                          a key of the accelerators (\"Ctrl+1\")\n"
        "  answer yes|no|ok|cancel          the answer for the next message box\n"
        "  answer yes|no|ok|cancel if asked the same, for a box that may not be shown\n"
        "  dialog ID select CONTROL TEXT|@N choose an entry of a list or combo, or a row\n"
        "                                   of a report list (TEXT: its first cell)\n"
        "  dialog ID open CONTROL TEXT|@N   double-click an entry or a row\n"
        "  dialog ID toggle CONTROL TEXT|@N flip an entry of a multi-select list\n"
        "  dialog ID set CONTROL TEXT       type into an edit\n"
        "  dialog ID check CONTROL 0|1      check or clear a check box\n"
        "  dialog ID spin CONTROL up|down   click an arrow of an up-down control\n"
        "  dialog ID slide CONTROL N        move a slider (trackbar) to N\n"
        "  dialog ID radio CONTROL          choose a radio button\n"
        "  dialog ID press CONTROL          press a button (a radio button: choose it)\n"
        "  dialog ID column CONTROL CODE    click the header of the column showing CODE\n"
        "  dialog ID move-column CONTROL CODE POSITION\n"
        "                                   drag that header to POSITION (0 leftmost)\n"
        "  dialog ID menu CONTROL ITEM      right-click the list, choose ITEM of its menu\n"
        "  timeline page|label|1-5          a click on the status bar's timeline: its page\n"
        "                                   box, its label (one week) or a cell\n"
        "  calendar [watch] WEEK            a click on a week (1-22) of the Calendar page,\n"
        "                                   or on its watch mark\n"
        "  tool NAME [ARG...]               an export or data tool by name, on the league\n"
        "                                   (\"tool Export_Html_Encyclopedia\")\n"
        "  quit                             Exit, offering to save\n"
        "Each line acts once. Boxes and dialogs given no line take their default\n"
        "button, but an \"Overwrite?\" box is declined unless answered; a dialog still\n"
        "open after its lines is cancelled. Every one is logged to standard output and\n"
        "\"debug.txt\". The end of the script is quit (exit status 0); a line that\n"
        "cannot be carried out cancels its dialog and stops the run (exit status 2).\n"
        "\n"
        "Start-up flags, as bare words here or in \"CommandLine.txt\" in the data folder\n"
        "(other words are logged and ignored):\n"
        "  IS_NOT_RANDOM       seed the random numbers with 12345, so that runs repeat\n"
        "  SHOW_SYSTEM_ERRORS  ask in a \"System Error!\" box at every internal error\n"
        "  DTXT_PBPDIAGRAM     debug output of the play diagrams\n"
        "  DTXT_PBPSELECTOR    debug output of the play selector\n"
        "  DTXT_AGG            debug output of the drawing\n"
        "\n"
        "Environment:\n"
        "  KELVO_DATA   the data folder; when set it is used, and must name a folder\n"
        "               that exists\n"
        "  KELVO_DEBUG  when set (and not 0), debug output goes to stderr\n"
        "\n"
        "The data folder is $KELVO_DATA when set, else \"data\" beside the program:\n"
        "  ";
    Text += DataBeside;
    Text +=
        "\n"
        "Without one the program stops (exit status 1). It works inside that folder and\n"
        "writes its log \"debug.txt\" there. One program at a time: a second one started\n"
        "on a folder in use, or on one whose lock file \"kelvo.lock\" cannot be taken,\n"
        "stops (exit status 1) without writing anything.\n"
        "\n"
        "Tools of the script line \"tool NAME [ARG...]\" (letter case ignored):\n";
    for (const std::string& Tool : List_Tool_Names())
        Text += "  " + Tool + "\n";
    return Text;
}

std::string Version_Text()
{
    char szText[64];
    std::snprintf(szText, sizeof(szText), "%s %d (V%d.%02d)", PRODUCT_NAME, PROGRAM_YEAR, PROGRAM_VERSION_MAJOR,
                  PROGRAM_VERSION_MINOR);
    return szText;
}

unsigned Read_Startup_Flags(int argc, char** argv, std::vector<std::string>* pNotes)
{
    std::vector<std::string> Notes;
    unsigned nFlags = 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == nullptr || argv[i][0] == '-') {
            // The script's file name is no flag word.
            if (argv[i] != nullptr && std::strcmp(argv[i], "--script") == 0)
                ++i;
            continue;
        }
        nFlags |= Parse_Startup_Flags(argv[i]);
        Note_Unknown_Words(argv[i], Notes);
    }
    // The file's words are noted as the command line's are, the file named.
    const std::string File = Read_Command_Line_File(Notes);
    nFlags |= Parse_Startup_Flags(File.c_str());
    const std::string Where = std::string(" of \"") + COMMAND_LINE_FILE + "\"";
    Note_Unknown_Words(File.c_str(), Notes, Where.c_str());
    if (pNotes != nullptr)
        pNotes->insert(pNotes->end(), Notes.begin(), Notes.end());
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

std::string Data_Folder_Beside_Program(const char* szArgv0)
{
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
    return (nSlash == std::string::npos ? std::string(".") : Exe.substr(0, nSlash)) + "/data";
}

// Why a path that should be the data folder is none: " does not exist", or
// what stands there instead.
std::string Why_No_Folder(const char* szPath)
{
    struct stat st;
    if (::stat(szPath, &st) == 0) {
        if (S_ISREG(st.st_mode))
            return " is a file, not a folder";
        return " is not a folder";
    }
    if (errno == ENOENT)
        return " does not exist";
    return std::string(" cannot be reached (") + std::strerror(errno) + ")";
}

std::string Find_Data_Folder(const char* szArgv0, std::string& Problem)
{
    Problem.clear();
    // A folder named on purpose is never silently replaced by another.
    if (const char* szEnv = std::getenv(DATA_FOLDER_VARIABLE); szEnv != nullptr) {
        // Set but empty names no folder: never fall back to the one beside
        // the program, which the user did not choose.
        if (szEnv[0] == '\0') {
            Problem = std::string(DATA_FOLDER_VARIABLE) + " is set but empty; it must name the data folder, or be unset.";
            return std::string();
        }
        if (files::Folder_Exists(szEnv))
            return szEnv;
        Problem = std::string("The data folder \"") + szEnv + "\" named by " + DATA_FOLDER_VARIABLE +
                  Why_No_Folder(szEnv) + ".";
        return std::string();
    }
    const std::string Folder = Data_Folder_Beside_Program(szArgv0);
    if (files::Folder_Exists(Folder.c_str()))
        return Folder;
    Problem = "No data folder: \"" + Folder + "\"" + Why_No_Folder(Folder.c_str()) + " and " + DATA_FOLDER_VARIABLE +
              " is not set (see kelvo --help).";
    return std::string();
}

int Start_And_Run(const char* szArgv0, int argc, char** argv, FILE* pScript, const char* szScriptName)
{
    // Nothing is written before the data folder is entered: the log and every
    // file of the program belong there, not wherever it was started from.
    std::string Problem;
    const std::string Folder = Find_Data_Folder(szArgv0, Problem);
    if (Folder.empty()) {
        std::fprintf(stderr, "kelvo: %s\n", Problem.c_str());
        return PROGRAM_EXIT_FAILED;
    }
    if (::chdir(Folder.c_str()) != 0) {
        std::fprintf(stderr, "kelvo: cannot enter the data folder \"%s\" (%s).\n", Folder.c_str(),
                     std::strerror(errno));
        return PROGRAM_EXIT_FAILED;
    }
    // One program per data folder: two would mix their saves and logs. The
    // lock lasts until the process ends; the file stays for the next program
    // to lock (removing it at exit would let two programs lock two files).
    const bool bLockFileThere = files::File_Exists(files::DATA_FOLDER_LOCK_FILE);
    const int nLock = files::Take_Folder_Lock(files::DATA_FOLDER_LOCK_FILE);
    if (nLock == 0) {
        Refuse_Start(argc, argv, pScript,
                     "the data folder \"" + Folder + "\" is in use by another " + PRODUCT_NAME + " program.");
        return PROGRAM_EXIT_FAILED;
    }
    // A lock that cannot be taken cannot keep a second program out either.
    if (nLock < 0) {
        const int nError = errno;
        const std::string Cause = nError == ELOOP ? "a symbolic link, which is not followed" : std::strerror(nError);
        Refuse_Start(argc, argv, pScript,
                     "the data folder \"" + Folder + "\" cannot be locked (\"" + files::DATA_FOLDER_LOCK_FILE +
                         "\": " + Cause + ").");
        return PROGRAM_EXIT_FAILED;
    }
    if (!bLockFileThere)
        Note_Lock_File_Made();
    // A script's closing summary names every file the run writes from here
    // on, the start's own among them (the owners' hall of fame a first run
    // makes), even when the script stops on its first line.
    files::Forget_Written_Files();

    // Without a window every box and every failed check is shown on the
    // terminal.
    ui::Set_Echo(true);
    Set_Terminal_Notices(true);
    Set_Title_Refresher(Update_Main_Window_Title);
    // The day advance's automatic save writes the league through the game
    // file; what it asks of the window and its bars the main window does.
    MAIN_FRAME_HANDLERS Frame;
    // The close box: Exit, with its offer to save and its refusal while
    // games are being played, but ignored while a league is half made.
    Frame.pClose = Close_Main_Window;
    main_frame::Set_Handlers(&Frame);
    Install_Main_Window_Requests(Save_Game, Get_Last_Save_Cause);
    // Contract offers (signings, the draft, renewals) ask the user through
    // the offer dialog; unanswered, it declines.
    Install_Contract_Offer_Dialog();
    // A user's game opens the game preview first; unanswered, it simulates.
    Install_Game_Preview();
    // The Advanced Tools dialog starts the database builder, which sits above it.
    DATABASE_BUILD_HOOKS Builds;
    Builds.pBuildYear = [](int nYear) { return Database_Build_Problem(Create_Universe_Database(nYear)); };
    Builds.pBuildRange = [](int nFirst, int nLast) {
        return Database_Build_Problem(Create_Universe_Databases_Range(nFirst, nLast));
    };
    Builds.pBuildAll = [] { return Database_Build_Summary(Create_All_Universe_Databases()); };
    Set_Database_Build_Hooks(Builds);
    // The playbook editor's View buttons open the front office's views.
    Set_Playbook_View_Hooks([](int nTeam) { Show_Offense_View(nTeam); }, [](int nTeam) { Show_Defense_View(nTeam); });

    if (!Start_Up(argc, argv))
        return PROGRAM_EXIT_FAILED;
    // A script (or standard input without a window) drives the run: boxes
    // and dialogs nobody answers take their default button. With a window
    // and no script the user drives it.
    const bool bDesktopLoop = !Ui_Is_Headless() && pScript == stdin;
    dialogs::Set_Unattended(!bDesktopLoop);
    const int nExit = bDesktopLoop ? Run_Desktop_Loop() : Run_Script(pScript, szScriptName);
    Write_Debug_Log("Shut down with exit status %d", nExit);
    Destroy_Main_Window();
    return nExit;
}

int Remove_Leftover_Temporaries()
{
    // Every folder a writer replaces files in: saves, the owners' hall of
    // fame, the cities and the simulator's totals in the data folder, its
    // league databases and playbooks, the leader files, the statistics files,
    // the importer's parsed pages, what is written under Output, the cards and
    // the downloaded pictures. (An export's folder is cleaned by the next
    // export into it.) A folder a link leads to outside the data folder is
    // left, as the staged-file sweep leaves it: another data folder sharing
    // it may be writing there now.
    int nRemoved = files::Remove_Temporary_Files(".");
    for (const char* szFolder : {"Databases", "playbooks", "Input", "Input/Leaders", "Input/Stats", "Input/Stats/Leagues",
                                 "Input/Downloads/Players", "Output", "Output/Ratings", "Tolvaren/Output",
                                 "Logos/Downloads", "Photos/Downloads"})
        if (files::Folder_Exists(szFolder) && files::Folder_Is_Inside_Current(szFolder))
            nRemoved += files::Remove_Temporary_Files(szFolder);
    if (nRemoved > 0)
        Write_Debug_Log("Removed %d temporary file(s) of a save that did not finish", nRemoved);
    // A database build killed while it put a year in place left a commit
    // record: the year is finished, or what it staged discarded, so that its
    // files are all of one build (a record naming a file this start cannot
    // see waits, with its year's staged files, for a start that can). What a
    // build killed before its record staged is then removed, inside the data
    // folder only: nothing reads it, and the files in use stay as they were.
    const int nCommits = Finish_Interrupted_Build_Commits();
    const int nStaged = Discard_All_Staged_Build_Files();
    if (nStaged > 0)
        Write_Debug_Log("Removed %d staged file(s) of a database build that did not finish", nStaged);
    return nRemoved + nCommits + nStaged;
}

bool Start_Up(int argc, char** argv)
{
    std::vector<std::string> Notes;
    Set_Startup_Flags(Read_Startup_Flags(argc, argv, &Notes));
    Start_Debug_Log();
    for (const std::string& Note : Notes)
        Write_Notice("%s", Note.c_str());
    if (Get_Startup_Flags() & FLAG_IS_NOT_RANDOM) {
        Seed_Random_Numbers(12345);
        Write_Debug_Log("Random numbers seeded with 12345");
    } else {
        Seed_Random_Numbers(static_cast<uint32_t>(sys::Seconds_Since_1970()) ^ sys::Tick_Count());
        Write_Debug_Log("Random numbers seeded from the clock");
    }

    OWNER_HALL_OF_FAME Fame;
    Ensure_Owner_Hall_Of_Fame(Fame);
    Install_Last_Owner_Name_Store();
    Write_Debug_Log("Owners' hall of fame \"%s\" ready", OWNER_HALL_OF_FAME_FILE);
    Try_Desktop(argc, argv);
    Create_Main_Window(Fame.Window);
    Write_Debug_Log("Main window created at %d,%d-%d,%d", Fame.Window.nLeft, Fame.Window.nTop, Fame.Window.nRight,
                    Fame.Window.nBottom);
    const int nKeys = Load_Accelerator_Table(MAIN_ACCELERATOR_TABLE);
    Write_Debug_Log("Accelerator table %d loaded: %d keys", MAIN_ACCELERATOR_TABLE, nKeys);

    if (!Load_Universe_Database(DEFAULT_DATABASE)) {
        // The loader has shown its own boxes; say which file is missing too.
        if (!files::File_Exists(DEFAULT_DATABASE)) {
            // A pipe, a device or a folder under its name is there, but no file.
            const char* szWhy = files::Entry_Exists(DEFAULT_DATABASE) ? "is not a regular file" : "is missing";
            Write_Debug_Log("League database \"%s\" %s.", DEFAULT_DATABASE, szWhy);
            std::fprintf(stderr, "The league database \"%s\" %s in \"%s\".\n", DEFAULT_DATABASE, szWhy,
                         files::Get_Current_Folder().c_str());
        }
        Destroy_Main_Window();
        return false;
    }
    Write_Debug_Log("League database \"%s\" loaded", DEFAULT_DATABASE);
    // Only a start that runs clears what killed programs left: one refused
    // for its league (a "Databases" on a disk not mounted) changes nothing,
    // since a record out of sight may name what would be swept.
    Remove_Leftover_Temporaries();
    Update_Main_Window_Title();
    return true;
}

int Run_Program(int argc, char** argv)
{
    // A write past the file-size limit (ulimit -f) fails with "File too
    // large" and is reported as any failed write; by default the signal
    // would kill the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    const char* szArgv0 = argc > 0 ? argv[0] : nullptr;
    std::string Unknown;
    std::string ScriptPath;
    switch (Read_Program_Options(argc, argv, Unknown, ScriptPath)) {
    case PROGRAM_ACTION::UNKNOWN_OPTION:
        if (Unknown == "--script")
            std::fprintf(stderr, "kelvo: option \"--script\" needs a file name (see kelvo --help)\n");
        else
            std::fprintf(stderr, "kelvo: unknown option \"%s\" (see kelvo --help)\n", Unknown.c_str());
        return PROGRAM_EXIT_USAGE;
    case PROGRAM_ACTION::SHOW_HELP:
        std::fputs(Usage_Text(Data_Folder_Beside_Program(szArgv0)).c_str(), stdout);
        return PROGRAM_EXIT_OK;
    case PROGRAM_ACTION::SHOW_VERSION:
        std::printf("%s\n", Version_Text().c_str());
        return PROGRAM_EXIT_OK;
    case PROGRAM_ACTION::RUN:
        break;
    }

    // The script is named from where the program was started: it is opened
    // before the data folder is entered.
    // A script is a regular file or a pipe (`--script <(...)`), read line by
    // line as its lines come: a named pipe waits for its writer, as standard
    // input does. Anything else is refused before it is opened, since
    // opening a device may wait, and a folder reads as nothing.
    FILE* pScript = stdin;
    if (!ScriptPath.empty()) {
        struct stat st;
        const char* szWhy = nullptr;
        if (::stat(ScriptPath.c_str(), &st) != 0)
            szWhy = std::strerror(errno);
        else if (S_ISDIR(st.st_mode))
            szWhy = std::strerror(EISDIR);
        else if (!S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode))
            szWhy = "not a regular file or a pipe";
        else if ((pScript = std::fopen(ScriptPath.c_str(), "r")) == nullptr)
            szWhy = std::strerror(errno);
        if (szWhy != nullptr) {
            std::fprintf(stderr, "kelvo: cannot read the script \"%s\" (%s).\n", ScriptPath.c_str(), szWhy);
            return PROGRAM_EXIT_USAGE;
        }
    }
    const int nExit = Start_And_Run(szArgv0, argc, argv, pScript,
                                    ScriptPath.empty() ? "(standard input)" : ("\"" + ScriptPath + "\"").c_str());
    if (pScript != stdin)
        std::fclose(pScript);
    return nExit;
}
