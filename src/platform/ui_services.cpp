#include "platform/ui_services.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <climits>
#include <map>

#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "platform/ui_backend.h"

extern char** environ;

namespace {

struct TIMER {
    int nId = 0;
    DIALOG* pDialog = nullptr;
    void (*pHandler)(int) = nullptr;
    int nMs = 1;
    uint64_t nDue = 0;
    uint64_t nOrder = 0;   // when it was set: ties fire in this order
};

std::vector<TIMER> g_Timers;
uint64_t g_nNextOrder = 0;
uint64_t g_nClock = 0;   // the headless clock
std::string g_Clipboard;
bool g_bClipboardHasText = false;
std::vector<services::TIMER_FIRING> g_Firings;
std::vector<std::string> g_Documents;
bool g_bNoOpener = false;   // headless: as a desktop with no opener
// The documents asked for through Show_Document whose opener still runs,
// with the caption of the box that tells its failure and the path it names.
struct ASKED_DOCUMENT {
    std::string Caption;
    std::string FullPath;
};
std::multimap<std::string, ASKED_DOCUMENT> g_AskedDocuments;
std::vector<std::string> g_Printed;
std::string g_PrintExportFile;
std::vector<std::string> g_HelpPages;
std::map<int, std::string> g_HelpNames;
std::vector<std::pair<int, int>> g_Invalidations;

void Timers_Changed()
{
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Timers_Changed != nullptr)
        Backend.Timers_Changed();
}

std::vector<TIMER>::iterator Find_Timer(DIALOG* pDialog, int nId)
{
    return std::find_if(g_Timers.begin(), g_Timers.end(),
                        [&](const TIMER& T) { return T.pDialog == pDialog && T.nId == nId; });
}

void Set(DIALOG* pDialog, int nId, int nMs, void (*pHandler)(int))
{
    TIMER T;
    T.nId = nId;
    T.pDialog = pDialog;
    T.pHandler = pHandler;
    T.nMs = std::max(nMs, 1);
    T.nDue = Ui_Now() + static_cast<uint64_t>(T.nMs);
    T.nOrder = g_nNextOrder++;
    auto It = Find_Timer(pDialog, nId);
    if (It != g_Timers.end())
        *It = T;
    else
        g_Timers.push_back(T);
    Timers_Changed();
}

void Kill(DIALOG* pDialog, int nId)
{
    auto It = Find_Timer(pDialog, nId);
    if (It != g_Timers.end()) {
        g_Timers.erase(It);
        Timers_Changed();
    }
}

// The earliest timer due by nNow not yet fired in this round; -1 none.
int Earliest_Due(uint64_t nNow, const std::vector<uint64_t>& Fired)
{
    int nBest = -1;
    for (size_t i = 0; i < g_Timers.size(); ++i) {
        const TIMER& T = g_Timers[i];
        if (T.nDue > nNow || std::find(Fired.begin(), Fired.end(), T.nOrder) != Fired.end())
            continue;
        if (nBest < 0 || T.nDue < g_Timers[nBest].nDue ||
            (T.nDue == g_Timers[nBest].nDue && T.nOrder < g_Timers[nBest].nOrder))
            nBest = static_cast<int>(i);
    }
    return nBest;
}

}  // namespace

uint64_t Ui_Now()
{
    const UI_BACKEND& Backend = Ui_Backend();
    return Backend.Now != nullptr ? Backend.Now() : g_nClock;
}

void Set_Timer(int nId, int nMs, void (*pHandler)(int nId))
{
    Set(nullptr, nId, nMs, pHandler);
}

void Kill_Timer(int nId)
{
    Kill(nullptr, nId);
}

uint64_t Next_Timer_Due()
{
    uint64_t nDue = UINT64_MAX;
    for (const TIMER& T : g_Timers)
        nDue = std::min(nDue, T.nDue);
    return nDue;
}

int Fire_Due_Timers()
{
    const uint64_t nNow = Ui_Now();
    std::vector<uint64_t> Fired;
    for (;;) {
        const int nIndex = Earliest_Due(nNow, Fired);
        if (nIndex < 0)
            break;
        // The next turn is set before the handler runs, which may kill or
        // reset its own timer.
        TIMER T = g_Timers[nIndex];
        g_Timers[nIndex].nDue = std::max(T.nDue + static_cast<uint64_t>(T.nMs), nNow + 1);
        Fired.push_back(T.nOrder);
        g_Firings.push_back(services::TIMER_FIRING{T.nId, T.pDialog != nullptr ? T.pDialog->Id() : 0, nNow});
        if (T.pDialog != nullptr)
            T.pDialog->User_Timer(T.nId);
        else if (T.pHandler != nullptr)
            T.pHandler(T.nId);
    }
    if (!Fired.empty())
        Timers_Changed();
    return static_cast<int>(Fired.size());
}

void Wait_For_Event(int nTimeoutMs)
{
    const UI_BACKEND& Backend = Ui_Backend();
    const uint64_t nNow = Ui_Now();
    const uint64_t nDue = Next_Timer_Due();
    if (Backend.Wait != nullptr) {
        int nWait = nTimeoutMs;
        if (nDue != UINT64_MAX) {
            const uint64_t nUntil = nDue > nNow ? nDue - nNow : 0;
            const int nTimer = static_cast<int>(std::min<uint64_t>(nUntil, INT_MAX));
            nWait = nWait < 0 ? nTimer : std::min(nWait, nTimer);
        }
        Backend.Wait(nWait);
        Fire_Due_Timers();
        return;
    }
    // Headless nothing arrives but timers: move the clock to the nearest one
    // due within the timeout, or by the timeout.
    uint64_t nTarget = nNow;
    if (nDue != UINT64_MAX && (nTimeoutMs < 0 || nDue <= nNow + static_cast<uint64_t>(nTimeoutMs)))
        nTarget = std::max(nDue, nNow);
    else if (nTimeoutMs > 0)
        nTarget = nNow + static_cast<uint64_t>(nTimeoutMs);
    services::Advance_Clock(nTarget - nNow);
}

void Set_Clipboard_Text(const std::string& Text)
{
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Set_Clipboard_Text != nullptr) {
        Backend.Set_Clipboard_Text(Text);
        return;
    }
    g_Clipboard = Text;
    g_bClipboardHasText = true;
}

bool Get_Clipboard_Text(std::string& Text)
{
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Get_Clipboard_Text != nullptr)
        return Backend.Get_Clipboard_Text(Text);
    Text = g_bClipboardHasText ? g_Clipboard : std::string();
    return g_bClipboardHasText;
}

bool Spawn_Document_Opener(const char* szPathOrUrl)
{
    if (szPathOrUrl == nullptr || szPathOrUrl[0] == '\0')
        return false;
    char szOpener[] = "xdg-open";
    std::string Target = szPathOrUrl;
    char* Args[] = {szOpener, Target.data(), nullptr};
    pid_t nPid = 0;
    if (posix_spawnp(&nPid, szOpener, nullptr, nullptr, Args, environ) != 0)
        return false;
    // xdg-open hands the document over and exits: reap it so no zombie stays,
    // without making the caller wait on a slow opener.
    int nStatus = 0;
    waitpid(nPid, &nStatus, WNOHANG);
    return true;
}

bool Open_Document(const char* szPathOrUrl)
{
    const std::string Target = szPathOrUrl != nullptr ? szPathOrUrl : "";
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Open_Document != nullptr)
        return Backend.Open_Document(Target.c_str());
    if (g_bNoOpener)
        return false;
    g_Documents.push_back(Target);
    return !Target.empty();
}

// A box never names "Output/Box-19-008.htm" alone: a person finds the file
// from the root.
std::string Get_Document_Full_Path(const std::string& Path)
{
    if (Path.empty() || Path[0] == '/' || Path.find("://") != std::string::npos)
        return Path;
    std::string Folder = files::Get_Current_Folder();
    if (Folder.empty())
        return Path;
    size_t nStart = 0;
    while (Path.compare(nStart, 2, "./") == 0)
        nStart += 2;
    if (Folder.back() != '/')
        Folder += '/';
    return Folder + Path.substr(nStart);
}

bool Show_Document(const char* szPath, const char* szCaption)
{
    const std::string Path = szPath != nullptr ? szPath : "";
    const std::string Caption = szCaption != nullptr ? szCaption : "";
    if (Open_Document(Path.c_str())) {
        // The backend tells when its opener ends (never before this returns).
        if (Ui_Backend().Open_Document != nullptr)
            g_AskedDocuments.emplace(Path, ASKED_DOCUMENT{Caption, Get_Document_Full_Path(Path)});
        return true;
    }
    Show_Formatted_Message(Caption.c_str(),
                           "No program could open %s: the desktop's opener (xdg-open) could not be started.",
                           Get_Document_Full_Path(Path).c_str());
    return false;
}

void Document_Opener_Ended(const std::string& Target, int nStatus)
{
    const auto Asked = g_AskedDocuments.find(Target);
    ASKED_DOCUMENT Document;
    const bool bAsked = Asked != g_AskedDocuments.end();
    if (bAsked) {
        Document = Asked->second;
        g_AskedDocuments.erase(Asked);
    }
    if (nStatus == 0)
        return;
    Write_Debug_Log("No program could open \"%s\": the desktop's opener ended with status %d", Target.c_str(), nStatus);
    if (bAsked)
        Show_Formatted_Message(Document.Caption.c_str(),
                               "No program could open %s: the desktop's opener (xdg-open) ended with status %d.",
                               Document.FullPath.c_str(), nStatus);
}

bool Print_Document(const char* szPath)
{
    const std::string Target = szPath != nullptr ? szPath : "";
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Print_Document != nullptr)
        return Backend.Print_Document(Target.c_str());
    g_Printed.push_back(Target);
    return !Target.empty() && files::File_Exists(Target.c_str());
}

std::vector<std::vector<std::string>> Paginate_Text_For_Print(const std::string& Text, int nLinesPerPage)
{
    nLinesPerPage = std::max(nLinesPerPage, 1);
    std::vector<std::vector<std::string>> Pages(1);
    std::string Line;
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        const bool bLast = nEnd == std::string::npos;
        if (bLast)
            nEnd = Text.size();
        Line.clear();
        for (size_t i = nStart; i < nEnd; ++i) {
            const char c = Text[i];
            if (c == '\t')
                Line.append(8 - Line.size() % 8, ' ');
            else if (c != '\r')
                Line.push_back(c);
        }
        if (static_cast<int>(Pages.back().size()) == nLinesPerPage)
            Pages.emplace_back();
        Pages.back().push_back(Line);
        nStart = nEnd + 1;
    }
    return Pages;
}

void Set_Print_Export_File(const std::string& Path)
{
    g_PrintExportFile = Path;
}

const std::string& Get_Print_Export_File()
{
    return g_PrintExportFile;
}

std::string Help_Page_Path(const char* szName)
{
    return std::string("Help/") + (szName != nullptr ? szName : "") + ".htm";
}

bool Open_Help_Page(const char* szName)
{
    const std::string Name = szName != nullptr ? szName : "";
    g_HelpPages.push_back(Name);
    const std::string Page = Help_Page_Path(Name.c_str());
    if (Name.empty() || Name.find_first_of("/\\") != std::string::npos || !files::File_Exists(Page.c_str())) {
        Show_Formatted_Message("Help", "The help page \"%s\" is missing.", Page.c_str());
        return false;
    }
    std::string Path = files::Resolve_Path(Page.c_str());
    if (Path.empty() || Path[0] != '/')
        Path = files::Get_Current_Folder() + "/" + Path;
    // No program to show it: a box says so, naming the page.
    return Show_Document(("file://" + Path).c_str(), "Help");
}

bool Open_Help_Page(int nDialogId)
{
    std::string Name = "dialog" + std::to_string(nDialogId);
    const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(nDialogId);
    auto It = g_HelpNames.find(nDialogId);
    if (pRegistration != nullptr && pRegistration->pTemplate != nullptr && pRegistration->pTemplate->szHelp != nullptr)
        Name = pRegistration->pTemplate->szHelp;
    else if (It != g_HelpNames.end())
        Name = It->second;
    return Open_Help_Page(Name.c_str());
}

void Register_Help_Page(int nDialogId, const char* szName)
{
    g_HelpNames[nDialogId] = szName != nullptr ? szName : "";
}

namespace {
int g_nCursor = UI_CURSOR_ARROW;
}

void Set_App_Cursor(int nCursor)
{
    g_nCursor = nCursor == UI_CURSOR_WAIT ? UI_CURSOR_WAIT : UI_CURSOR_ARROW;
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Set_Cursor != nullptr)
        Backend.Set_Cursor(g_nCursor);
}

int Get_App_Cursor()
{
    return g_nCursor;
}

int Ui_Text_Width(const std::string& Text)
{
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Measure_Text != nullptr)
        return Backend.Measure_Text(Text);
    return 6 * static_cast<int>(Text.size());
}

namespace services {

const std::vector<TIMER_FIRING>& Timer_Firings()
{
    return g_Firings;
}

const std::vector<std::string>& Opened_Documents()
{
    return g_Documents;
}

const std::vector<std::string>& Printed_Documents()
{
    return g_Printed;
}

const std::vector<std::string>& Help_Pages_Opened()
{
    return g_HelpPages;
}

const std::vector<std::pair<int, int>>& Invalidations()
{
    return g_Invalidations;
}

void Record_Invalidation(int nDialogId, int nControl)
{
    g_Invalidations.emplace_back(nDialogId, nControl);
}

void Advance_Clock(uint64_t nMs)
{
    if (!Ui_Is_Headless())
        return;
    const uint64_t nEnd = g_nClock + nMs;
    // Stop at each timer due on the way, so they fire in time order.
    for (;;) {
        const uint64_t nDue = Next_Timer_Due();
        if (nDue == UINT64_MAX || nDue > nEnd)
            break;
        g_nClock = std::max(g_nClock, nDue);
        Fire_Due_Timers();
    }
    g_nClock = nEnd;
}

void Set_No_Document_Opener(bool bNone)
{
    g_bNoOpener = bNone;
}

void Reset()
{
    g_Timers.clear();
    g_nNextOrder = 0;
    g_nClock = 0;
    g_Clipboard.clear();
    g_bClipboardHasText = false;
    g_Firings.clear();
    g_Documents.clear();
    g_bNoOpener = false;
    g_AskedDocuments.clear();
    g_Printed.clear();
    g_HelpPages.clear();
    g_HelpNames.clear();
    g_nCursor = UI_CURSOR_ARROW;
    g_Invalidations.clear();
}

void Set_Dialog_Timer(DIALOG* pDialog, int nId, int nMs)
{
    if (pDialog != nullptr)
        Set(pDialog, nId, nMs, nullptr);
}

void Kill_Dialog_Timer(DIALOG* pDialog, int nId)
{
    if (pDialog != nullptr)
        Kill(pDialog, nId);
}

void Kill_Dialog_Timers(DIALOG* pDialog)
{
    const size_t nBefore = g_Timers.size();
    std::erase_if(g_Timers, [&](const TIMER& T) { return T.pDialog == pDialog; });
    if (g_Timers.size() != nBefore)
        Timers_Changed();
}

}  // namespace services
