// The saved-game dialogs: Resume Game (118) lists, loads and deletes the
// saved games of the current folder; Save Game (120) saves under a name,
// asking before it overwrites; with the Save Game command, the automatic save
// and the question whether to save changes.

#include <strings.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_dialogs_internal.h"
#include "gamefile/game_file.h"
#include "league/game_summary.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/save_failures.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

constexpr const char* SAVED_GAME_EXTENSION = ".zrt";
constexpr const char* SAVED_GAME_PATTERN = "*.zrt";
// The most the Save dialog's edit takes.
constexpr size_t SAVE_NAME_EDIT_LIMIT = 2048;
// A name with ".zrt" and its terminator must fit the league's game-name field.
constexpr size_t SAVE_NAME_LIMIT = sizeof(LEAGUE_DATA::szCurrentGamePath) - 1 - 4;

constexpr const char* LOW_DISK_TEXT =
    "Vazarudu Kelvo was unable to write the saved game file, probably because of low hard drive space. "
    "You can use the 'Resume' dialog to erase old saved game files.";

int g_nFailedResumes = 0;
std::string g_LastResumeFailure;

std::string Selected_Item(const DIALOG& Dialog)
{
    const DIALOG_CONTROL* pList = Dialog.Find(SAVED_GAME_LIST);
    if (pList == nullptr || pList->nSelected < 0 || pList->nSelected >= static_cast<int>(pList->Items.size()))
        return std::string();
    return pList->Items[pList->nSelected];
}

void Delete_Selected(DIALOG& Dialog)
{
    const std::string Item = Selected_Item(Dialog);
    if (Item.empty())
        return;
    const std::string File = Item + SAVED_GAME_EXTENSION;
    const std::string Question = "Are you sure you want to delete '" + File + "'?";
    if (Show_Message_Box(Question.c_str(), "Confirm File Deletion", BOX_YESNO) == ID_YES &&
        !files::Delete_File(File.c_str())) {
        const std::string Text = "Vazarudu Kelvo could not delete " + File +
                                 ". You can delete it manually. If you have further problems you may need to "
                                 "re-install Vazarudu Kelvo.";
        Show_Message_Box(Text.c_str(), "Couldn't delete file", BOX_OK);
    }
    Fill_Saved_Game_List(Dialog);
}

void Resume_Selected(DIALOG& Dialog)
{
    const std::string Item = Selected_Item(Dialog);
    if (Item.empty())
        return;
    const std::string File = Item + SAVED_GAME_EXTENSION;
    // A file that does not load leaves the league as it was (the loader says
    // why) and the dialog open for another choice; a script's line that
    // asked for it fails there, with the reason.
    if (!Load_Universe_Database(File.c_str())) {
        ++g_nFailedResumes;
        g_LastResumeFailure = "\"" + File + "\" could not be loaded: " + Get_Last_Load_Failure();
        dialogs::Fail_Action(Dialog, "the game was not loaded: " + g_LastResumeFailure);
        return;
    }
    // The game is the file it was resumed from, whatever name a copy of it
    // still holds inside: the next save goes back to this file.
    if (Check_Saved_Game_Name(Item).empty()) {
        Set_Current_Game_Name(Item.c_str());
        Remember_League_Fingerprint();
    }
    Dialog.End(DIALOG_OK);
    Show_Main_Page(Get_User_Preference(PREF_MAIN_PAGE));
    Refresh_Main_Window_Title();
    if (Get_User_Preference(PREF_DRAFT_ROUND) >= DRAFT_OVER_ROUND) {
        Create_Status_Bar();
        Request_Status_Bar_Repaint();
    }
    Resume_Day_After_Load(Get_User_Preference(PREF_PLAYING_GAMES) != 0);
}


bool Is_Folder_Error(int nError)
{
    return nError == EACCES || nError == EPERM || nError == EROFS || nError == ENOTDIR || nError == ENOENT;
}

bool Is_Space_Error(int nError)
{
    return nError == ENOSPC || nError == EDQUOT || nError == EFBIG;
}

void Show_Save_Failure(int nResult, bool bAutomatic, const std::string& Refusal = std::string())
{
    if (nResult == SAVE_GAME_OK)
        return;
    if (nResult == SAVE_GAME_NO_MEMORY) {
        // The saver has shown its own box.
        if (!bAutomatic) {
            Note_Failed_Save("no memory for the compression buffer");
        }
        return;
    }
    // A name refused before any save: no system call failed.
    const int nError = Refusal.empty() ? Get_Last_Save_Error() : 0;
    std::string Cause = Refusal.empty() ? Get_Last_Save_Cause() : Refusal;
    if (Cause.empty())
        Cause = std::strerror(nError != 0 ? nError : EIO);
    const std::string Start = bAutomatic ? "Vazarudu Kelvo was unable to automatically save the game"
                                         : "Vazarudu Kelvo was unable to save a game with that file name";
    std::string Text;
    const char* szTitle = "File Open Error";
    if (!Refusal.empty()) {
        Text = Start + ": " + Refusal;
    } else if (nResult == SAVE_GAME_CANNOT_CREATE) {
        if (Is_Folder_Error(nError))
            Text = Start + ": the folder \"" + files::Get_Current_Folder() + "\" cannot be written (" + Cause + ").";
        else if (nError == ENOSPC || nError == EDQUOT)
            Text = std::string(LOW_DISK_TEXT) + " (" + Cause + ")";
        else if (bAutomatic || nError == ENOMEM)
            Text = Start + " (" + Cause + ").";
        else
            Text = Start + ". It may contain some invalid characters. (" + Cause + ")";
    } else {
        szTitle = "File Write Error";
        const std::string Write = "Vazarudu Kelvo was unable to write the saved game file";
        if (Is_Space_Error(nError))
            Text = std::string(LOW_DISK_TEXT) + " (" + Cause + ")";
        else if (nError == EISDIR)
            Text = Write + ": a folder has its name.";
        else if (Is_Folder_Error(nError))
            Text = Write + ": the folder \"" + files::Get_Current_Folder() + "\" cannot be written (" + Cause + ").";
        else
            Text = Write + " (" + Cause + ").";
    }
    Show_Message_Box(Text.c_str(), szTitle, BOX_OK);
    if (!bAutomatic) {
        Note_Failed_Save(Text);
    }
}

void Save_Named(DIALOG& Dialog)
{
    std::string Name = Dialog.Get_Text(SAVE_GAME_NAME);
    if (Name.size() > SAVE_NAME_EDIT_LIMIT)
        Name.resize(SAVE_NAME_EDIT_LIMIT);
    const std::string Problem = Check_Saved_Game_Name(Name);
    if (!Problem.empty()) {
        Show_Message_Box(Problem.c_str(), "Invalid Game Name", BOX_OK | BOX_ICON_EXCLAMATION);
        // Counted as a save not made: a script that typed the name fails its line.
        Note_Failed_Save(Problem);
        return;
    }
    const std::string File = Name + SAVED_GAME_EXTENSION;
    if (files::File_Exists(File.c_str()) &&
        Show_Message_Box("A saved game with that name already exists. Overwrite?", "Filename in use",
                         BOX_OKCANCEL | BOX_UNATTENDED_DECLINES) != ID_OK)
        return;
    char szOldName[sizeof(LEAGUE_DATA::szCurrentGamePath) + 1];
    Get_Current_Game_Name(szOldName, sizeof(szOldName));
    const int nOldPlaying = Get_User_Preference(PREF_PLAYING_GAMES);
    Set_Current_Game_Name(Name.c_str());
    // A game saved while the user watches one resumes by playing that day.
    if (Games_Being_Played() && Is_Watched_Game_Current())
        Set_User_Preference(PREF_PLAYING_GAMES, 1);
    const int nResult = Save_Game(File.c_str());
    Set_User_Preference(PREF_PLAYING_GAMES, 0);
    if (nResult != SAVE_GAME_OK) {
        // Nothing was saved: the league keeps its name and its flag, and the
        // caller learns that the game is not safe.
        Set_Current_Game_Name(szOldName);
        Set_User_Preference(PREF_PLAYING_GAMES, nOldPlaying);
        Show_Save_Failure(nResult, false);
        Dialog.End(0);
        return;
    }
    Dialog.End(DIALOG_OK);
}

}  // namespace

std::string Check_Saved_Game_Name(const std::string& Name)
{
    if (Name.empty())
        return "Please type a name for the saved game.";
    if (Name.find_first_of("/\\") != std::string::npos)
        return "A saved game's name cannot contain \"/\" or \"\\\": saved games are kept in the current folder.";
    if (Name.find("..") != std::string::npos)
        return "A saved game's name cannot contain \"..\": saved games are kept in the current folder.";
    // "." would be saved as "..zrt", a hidden file the Resume list never shows.
    if (Name.find_first_not_of(". ") == std::string::npos || Name[0] == '.')
        return "A saved game's name cannot start with \".\" or be only dots and blanks.";
    for (unsigned char c : Name)
        if (c < 0x20 || c == 0x7F)
            return "A saved game's name cannot contain control characters.";
    if (Name.size() > SAVE_NAME_LIMIT)
        return "That name is too long: a saved game's name may have at most " + std::to_string(SAVE_NAME_LIMIT) +
               " characters.";
    return std::string();
}

bool Fill_Saved_Game_List(DIALOG& Dialog)
{
    DIALOG_CONTROL* pList = Dialog.Find(SAVED_GAME_LIST);
    if (pList == nullptr)
        return false;
    const std::vector<std::string> Names = files::List_Folder(".", SAVED_GAME_PATTERN);
    if (Names.empty()) {
        Show_Message_Box("There are no Vazarudu Kelvo game files in the current directory.", "No games to resume",
                         BOX_OK | BOX_ICON_EXCLAMATION | BOX_TASKMODAL);
        pList->Items.clear();
        pList->nSelected = -1;
        Dialog.End(DIALOG_CANCEL);
        return false;
    }
    pList->Items.clear();
    pList->nSelected = -1;
    // The whole time is compared, to the nanosecond the file system keeps:
    // saves minutes, or a moment, apart must not tie.
    std::time_t Newest = 0;
    long nNewestNs = 0;
    for (const std::string& Name : Names) {
        std::time_t Time = 0;
        long nNs = 0;
        const bool bTimed = files::Get_Modification_Time(Name.c_str(), Time, nNs);
        const bool bNewer = Time > Newest || (Time == Newest && nNs > nNewestNs);
        // Strictly newer wins, so the first found keeps a tie.
        if (bTimed && strcasecmp(Name.c_str(), AUTO_SAVE_FILE) != 0 && (pList->nSelected < 0 || bNewer)) {
            Newest = Time;
            nNewestNs = nNs;
            pList->nSelected = static_cast<int>(pList->Items.size());
        }
        const size_t nDot = Name.rfind('.');
        pList->Items.push_back(nDot == std::string::npos ? Name : Name.substr(0, nDot));
    }
    return true;
}

namespace {

// Resume Game: the list grows with the dialog; the buttons keep to its right.
constexpr CONTROL_TEMPLATE RESUME_CONTROLS[] = {
    {-1, CONTROL_LABEL, "&Saved Games:", {10, 8, 120, 10}},
    {SAVED_GAME_LIST, CONTROL_LIST, "", {10, 20, 120, 120}, CS_GROUP | CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {RESUME_BUTTON, CONTROL_BUTTON, "&Resume", {140, 20, 50, 16}, CS_DEFAULT | CS_GROUP | CS_ANCHOR_RIGHT | CS_ANCHOR_TOP},
    {DELETE_BUTTON, CONTROL_BUTTON, "&Delete", {140, 40, 50, 16}, CS_ANCHOR_RIGHT | CS_ANCHOR_TOP},
    {DIALOG_CANCEL, CONTROL_BUTTON, "&Cancel", {140, 60, 50, 16}, CS_ANCHOR_RIGHT | CS_ANCHOR_TOP},
    {DIALOG_HELP, CONTROL_BUTTON, "&Help", {140, 124, 50, 16}, CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
};
constexpr DIALOG_TEMPLATE RESUME_TEMPLATE{
    RESUME_GAME_DIALOG, "Resume Game", 200, 150, DS_RESIZABLE, 200, 150, RESUME_CONTROLS, "resume"};
constexpr int RESUME_USED_IDS[] = {SAVED_GAME_LIST, RESUME_BUTTON, DELETE_BUTTON, DIALOG_CANCEL, DIALOG_HELP};
const DIALOG_REGISTRAR RESUME_REGISTRAR(RESUME_GAME_DIALOG, RESUME_TEMPLATE, Resume_Game_Dialog_Proc,
                                        RESUME_USED_IDS);

constexpr CONTROL_TEMPLATE SAVE_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Save Current Game &As:", {10, 10, 200, 10}},
    {SAVE_GAME_NAME, CONTROL_EDIT, "", {10, 22, 200, 14}, CS_GROUP, static_cast<int>(SAVE_NAME_EDIT_LIMIT)},
    {SAVE_BUTTON, CONTROL_BUTTON, "&Save", {44, 46, 52, 16}, CS_DEFAULT | CS_GROUP},
    {DIALOG_CANCEL, CONTROL_BUTTON, "&Cancel", {102, 46, 52, 16}},
    {DIALOG_HELP, CONTROL_BUTTON, "&Help", {160, 46, 52, 16}},
};
constexpr DIALOG_TEMPLATE SAVE_TEMPLATE{SAVE_GAME_DIALOG, "Save Game", 220, 70, 0, 0, 0, SAVE_CONTROLS, "save"};
constexpr int SAVE_USED_IDS[] = {SAVE_GAME_NAME, SAVE_BUTTON, DIALOG_CANCEL, DIALOG_HELP};
const DIALOG_REGISTRAR SAVE_REGISTRAR(SAVE_GAME_DIALOG, SAVE_TEMPLATE, Save_Game_Dialog_Proc, SAVE_USED_IDS);

}  // namespace

void Resume_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Fill_Saved_Game_List(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    // A double click on a saved game resumes it.
    if (nControl == SAVED_GAME_LIST && Dialog.Event().nNotification == NOTIFY_DOUBLE_CLICK) {
        Resume_Selected(Dialog);
        return;
    }
    if (!Dialog.Is_Change_Command())
        return;
    switch (nControl) {
    case RESUME_BUTTON:
        Resume_Selected(Dialog);
        break;
    case DELETE_BUTTON:
        Delete_Selected(Dialog);
        break;
    case DIALOG_CANCEL:
        Dialog.End(DIALOG_CANCEL);
        break;
    case DIALOG_HELP:
        Open_Help_Page(RESUME_GAME_DIALOG);
        break;
    default:
        break;
    }
}

void Save_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Update_Game_Name_For_Season();
        char szName[sizeof(LEAGUE_DATA::szCurrentGamePath) + 1];
        Get_Current_Game_Name(szName, sizeof(szName));
        Dialog.Set_Text(SAVE_GAME_NAME, szName);
        return;
    }
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    switch (nControl) {
    case SAVE_BUTTON:
        Save_Named(Dialog);
        break;
    case DIALOG_CANCEL:
        Dialog.End(0);
        break;
    case DIALOG_HELP:
        Open_Help_Page(SAVE_GAME_DIALOG);
        break;
    default:
        break;
    }
}

int Save_Game_File()
{
    char szName[sizeof(LEAGUE_DATA::szCurrentGamePath) + 1];
    Get_Current_Game_Name(szName, sizeof(szName));
    const std::string Problem = Check_Saved_Game_Name(szName);
    int nResult = SAVE_GAME_CANNOT_CREATE;
    if (Problem.empty())
        nResult = Save_Game((std::string(szName) + SAVED_GAME_EXTENSION).c_str());
    else
        Write_Debug_Log("Automatic save refused: %s", Problem.c_str());
    Show_Save_Failure(nResult, true, Problem);
    return nResult;
}

void Note_Failed_Game_Load(const std::string& Text)
{
    ++g_nFailedResumes;
    g_LastResumeFailure = Text;
}

int Count_Failed_Game_Resumes()
{
    return g_nFailedResumes;
}

std::string Last_Resume_Failure_Text()
{
    return g_LastResumeFailure;
}

int Count_Failed_Game_Saves()
{
    return Count_Failed_Saves();
}

std::string Last_Save_Failure_Text()
{
    return Last_Failed_Save_Text();
}

int Save_Game_Command()
{
    if (Games_Being_Played() && !Is_Watched_Game_Current()) {
        Report_Busy_Until_Day_Done("Save Game", "Can't save game data while playing games.");
        return 0;
    }
    Request_Status_Bar_Repaint();
    Request_News_Bar_Repaint();
    return Do_Dialog(SAVE_GAME_DIALOG, "Save Game", Save_Game_Dialog_Proc);
}

int Ask_Save_Changes()
{
    // Whatever changed anywhere in the league counts, not only the teams the
    // stored checksum covers.
    if (!Has_League_Changed())
        return 1;
    switch (Show_Message_Box("Save changes to current game since last save?", "Game Not Saved",
                             BOX_YESNOCANCEL | BOX_ICON_QUESTION)) {
    case ID_YES:
        return Save_Game_Command() == DIALOG_OK ? 1 : 0;
    case ID_NO:
        return 1;
    default:
        return 0;
    }
}
