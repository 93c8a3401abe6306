#include "shell/script_runner.h"

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <deque>
#include <map>
#include <utility>

#include "base/input_file.h"
#include "gamefile/game_dialogs.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "pages/calendar_page.h"
#include "pages/page_layout.h"
#include "pages/page_paint.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/save_failures.h"
#include "platform/ui.h"
#include "shell/commands.h"
#include "shell/draft_commands.h"
#include "shell/main_window.h"
#include "shell/status_bar.h"
#include "shell/tool_commands.h"
#include "shell/welcome_dialog.h"

namespace {

// More than a whole fantasy draft's picks (100 rounds of 36) and its end.
constexpr int SCRIPT_USER_MESSAGE_LIMIT = 100 * 36 + 100;

struct QUEUED_ANSWER {
    int nAnswer;
    int nLine;
    bool bIfAsked = false;   // "answer ok if asked": no box that takes it is no failure
};

struct QUEUED_ACTION {
    int nDialogId;
    int nLine;
};

struct SCRIPT_RUN {
    std::string Name;
    int nLine = 0;
    bool bWelcomeShown = false;
    std::deque<QUEUED_ANSWER> Answers;
    std::deque<QUEUED_ACTION> Actions;
    size_t nBoxesSeen = 0;
    size_t nDialogsSeen = 0;
    std::string Failure;   // set: the run stops with exit status 2
    int nFailureLine = 0;
    int nFailedSaves = 0;  // failed saves of the Save dialog seen so far
    int nFailedLoads = 0;  // failed loads seen so far
    int nRefusedSteps = 0; // steps refused with a box seen so far
    std::string Held;      // a dialog given up without its default, as shown
    bool bQuitDeclined = false;   // the last line was a quit the script's answers turned down
    bool bStepQuits = false;      // the step is quit or the end of the script: the welcome's Quit does its work
};

void Fail(SCRIPT_RUN& Run, int nLine, const std::string& Why)
{
    if (!Run.Failure.empty())
        return;
    Run.Failure = Why;
    Run.nFailureLine = nLine;
}

std::string One_Line(const std::string& Text)
{
    std::string Out;
    for (char c : Text) {
        if (c == '\n')
            Out += "\\n";
        else if (c != '\r')
            Out += c;
    }
    return Out;
}

const char* Answer_Name(int nAnswer)
{
    switch (nAnswer) {
    case ID_OK:
        return "OK";
    case ID_CANCEL:
        return "Cancel";
    case ID_YES:
        return "Yes";
    case ID_NO:
        return "No";
    default:
        return "?";
    }
}

bool Ends_With(const std::string& Line, const char* szEnd)
{
    const size_t n = std::strlen(szEnd);
    return Line.size() > n && Line.compare(Line.size() - n, n, szEnd) == 0;
}

bool Is_Default_Or_End(const std::string& Line)
{
    return Line.rfind("end ", 0) == 0 || Ends_With(Line, " (default)") || Ends_With(Line, " (held)") ||
           Ends_With(Line, " (left open)") || Ends_With(Line, " (refused)");
}

// Writes the boxes and dialogs shown since the last look to the log and to
// standard output, and matches them against what the script queued.
void Take_Stock(SCRIPT_RUN& Run)
{
    const std::vector<SHOWN_BOX>& Boxes = ui::Shown_Boxes();
    for (size_t i = Run.nBoxesSeen; i < Boxes.size(); ++i) {
        const SHOWN_BOX& Box = Boxes[i];
        std::string Answer = Answer_Name(Box.Result);
        if (!Run.Answers.empty()) {
            const QUEUED_ANSWER Queued = Run.Answers.front();
            Run.Answers.pop_front();
            if (Queued.nAnswer != Box.Result)
                Fail(Run, Queued.nLine,
                     std::string("the answer ") + Answer_Name(Queued.nAnswer) + " fits no button of the box [" +
                         Box.Caption + "] \"" + One_Line(Box.Text) + "\"");
        } else if (Box.bDeclinedUnattended) {
            // A loss (a file overwritten) is made only when a line asked for it.
            Answer += " (not confirmed)";
            Fail(Run, Run.nLine,
                 "the box [" + Box.Caption + "] \"" + One_Line(Box.Text) +
                     "\" was declined: no line confirmed it (\"answer ok\" before the step does)");
        } else {
            Answer += " (default)";
        }
        const std::string Line = "Box [" + Box.Caption + "] \"" + One_Line(Box.Text) + "\" -> " + Answer;
        Write_Debug_Log("%s", Line.c_str());
        std::printf("%s\n", Line.c_str());
    }
    Run.nBoxesSeen = Boxes.size();

    const std::vector<DIALOG_RECORD>& Records = dialogs::Records();
    for (size_t i = Run.nDialogsSeen; i < Records.size(); ++i) {
        const DIALOG_RECORD& Record = Records[i];
        std::string Text = "Dialog " + std::to_string(Record.nDialogId) + " \"" + Record.Title + "\":";
        // The script's line of the last action the dialog took (the step's
        // own line for a default it took).
        int nLastLine = Run.nLine;
        for (const std::string& Line : Record.Lines) {
            Text += " " + Line + ";";
            if (Ends_With(Line, " (held)") && Run.Held.empty())
                Run.Held = std::to_string(Record.nDialogId) + " \"" + Record.Title + "\"";
            // An action that did not do its work (a file it chose did not
            // load) fails its own line.
            if (Line.rfind("failed: ", 0) == 0) {
                Fail(Run, nLastLine,
                     "dialog " + std::to_string(Record.nDialogId) + " \"" + Record.Title + "\": " + Line.substr(8));
                continue;
            }
            if (Is_Default_Or_End(Line)) {
                if (Line.rfind("end ", 0) != 0)
                    nLastLine = Run.nLine;
                continue;
            }
            // One queued action of this dialog was taken: the first one.
            int nLine = Run.nLine;
            for (auto It = Run.Actions.begin(); It != Run.Actions.end(); ++It) {
                if (It->nDialogId == Record.nDialogId) {
                    nLine = It->nLine;
                    Run.Actions.erase(It);
                    break;
                }
            }
            nLastLine = nLine;
            if (Line.rfind("refused: ", 0) == 0)
                Fail(Run, nLine,
                     "dialog " + std::to_string(Record.nDialogId) + " \"" + Record.Title + "\": " + Line.substr(9));
        }
        Text.pop_back();
        Write_Debug_Log("%s", Text.c_str());
        std::printf("%s\n", Text.c_str());
    }
    Run.nDialogsSeen = Records.size();
    std::fflush(stdout);
}

// Whether a dialog of that id was shown since record nFirst.
bool Dialog_Shown_Since(size_t nFirst, int nDialogId)
{
    const std::vector<DIALOG_RECORD>& Records = dialogs::Records();
    for (size_t i = nFirst; i < Records.size(); ++i)
        if (Records[i].nDialogId == nDialogId)
            return true;
    return false;
}

// After a command: whatever the script queued and nothing took is a line
// that could not be carried out. After the welcome dialog (nKeepFrom, its
// first record) the lines of dialogs it did not lead to wait for the next
// step instead: they come before the first command too.
void Check_Nothing_Left(SCRIPT_RUN& Run, size_t nKeepFrom = static_cast<size_t>(-1))
{
    // The main window's own messages posted by the line (a fantasy draft's
    // picks) are handled before the next line, as the window's loop would.
    Dispatch_User_Messages(SCRIPT_USER_MESSAGE_LIMIT);
    Take_Stock(Run);
    // A save the line asked for that did not save is a line not carried out.
    if (Count_Failed_Game_Saves() != Run.nFailedSaves) {
        Run.nFailedSaves = Count_Failed_Game_Saves();
        Fail(Run, Run.nLine, "nothing was saved: " + One_Line(Last_Save_Failure_Text()));
    }
    // A step refused with a box (nothing done) is a line not carried out.
    if (Count_Refused_Steps() != Run.nRefusedSteps) {
        Run.nRefusedSteps = Count_Refused_Steps();
        Fail(Run, Run.nLine, One_Line(Last_Refused_Step_Text()));
    }
    // A resume that could not load leaves the league that was open before:
    // later lines must not act on it.
    if (Count_Failed_Game_Resumes() != Run.nFailedLoads) {
        Run.nFailedLoads = Count_Failed_Game_Resumes();
        Fail(Run, Run.nLine, "the game was not loaded: " + One_Line(Last_Resume_Failure_Text()));
    }
    // Answers no box of the welcome took wait for the first command's boxes,
    // as dialog lines wait for its dialogs.
    const bool bKeepWaiting = nKeepFrom != static_cast<size_t>(-1);
    if (!Run.Answers.empty() && !bKeepWaiting) {
        // Answers given "if asked" lapse with their step when no box asked;
        // any other answer left is a line not carried out.
        const auto Unasked = std::find_if(Run.Answers.begin(), Run.Answers.end(),
                                          [](const QUEUED_ANSWER& Answer) { return !Answer.bIfAsked; });
        if (Unasked != Run.Answers.end()) {
            Fail(Run, Unasked->nLine, "no message box took this answer");
        } else {
            ui::Clear_Answers();
            Run.Answers.clear();
        }
    }
    for (const QUEUED_ACTION& Action : Run.Actions) {
        if (bKeepWaiting && !Dialog_Shown_Since(nKeepFrom, Action.nDialogId))
            continue;
        Fail(Run, Action.nLine,
             "dialog " + std::to_string(Action.nDialogId) + " did not take this action (it did not open, "
             "or it closed first)");
        break;
    }
    // A dialog given up because the script's lines waited for another one
    // did not do what the script asked either.
    if (!Run.Held.empty())
        Fail(Run, Run.nLine, "dialog " + Run.Held + " was cancelled, not given its default: lines of the script "
                             "waited for another dialog");
    if (!Run.Failure.empty()) {
        ui::Clear_Answers();
        dialogs::Clear_Actions();
        Run.Answers.clear();
        Run.Actions.clear();
    }
}

void Show_Welcome(SCRIPT_RUN& Run)
{
    if (Run.bWelcomeShown)
        return;
    Run.bWelcomeShown = true;
    const size_t nFirstRecord = dialogs::Records().size();
    // Lines for a later step's dialogs may wait while the welcome dialog
    // and the ones it leads to take their defaults.
    dialogs::Set_Defaults_Held_For_Waiting_Actions(false);
    Show_Welcome_Dialog();
    dialogs::Set_Defaults_Held_For_Waiting_Actions(true);
    Check_Nothing_Left(Run, nFirstRecord);
    Write_Debug_Log("Message loop");
    if (!Is_Quit_Posted() || !Run.Failure.empty())
        return;
    // Quit in the welcome dialog ends the program: no later step will take
    // the lines still waiting, nor the line that showed the dialog (unless
    // it asked to quit too). Each is refused as a line after "quit" is, the
    // first of them named.
    int nFirstLeft = Run.bStepQuits ? 0 : Run.nLine;
    for (const QUEUED_ANSWER& Answer : Run.Answers)
        if (nFirstLeft == 0 || Answer.nLine < nFirstLeft)
            nFirstLeft = Answer.nLine;
    for (const QUEUED_ACTION& Action : Run.Actions)
        if (nFirstLeft == 0 || Action.nLine < nFirstLeft)
            nFirstLeft = Action.nLine;
    if (nFirstLeft == 0)
        return;
    Fail(Run, nFirstLeft, "the program has already quit; this line cannot be carried out");
    ui::Clear_Answers();
    dialogs::Clear_Actions();
    Run.Answers.clear();
    Run.Actions.clear();
}

}  // namespace

bool Parse_Script_Number(const std::string& Word, int& nValue)
{
    if (Word.empty())
        return false;
    char* pEnd = nullptr;
    errno = 0;
    const long n = std::strtol(Word.c_str(), &pEnd, 10);
    if (*pEnd != '\0' || errno != 0 || n < -2147483647L || n > 2147483647L)
        return false;
    nValue = static_cast<int>(n);
    return true;
}

namespace {

void Run_Command(SCRIPT_RUN& Run, int nCommand)
{
    Show_Welcome(Run);
    if (!Run.Failure.empty())
        return;
    if (Is_Quit_Posted()) {
        Fail(Run, Run.nLine, "the program has already quit; this line cannot be carried out");
        return;
    }
    const MAIN_COMMAND* pCommand = Find_Main_Command(nCommand);
    Write_Debug_Log("Command %d \"%s\"", nCommand, pCommand ? pCommand->szName : "");
    std::printf("Command %d \"%s\"\n", nCommand, pCommand ? pCommand->szName : "");
    Dispatch_Main_Command(nCommand);
    Check_Nothing_Left(Run);
}

// "tool NAME [ARG...]": an export or data tool run by name on the league in memory.
// A tool runs before the welcome dialog as well as after it, so a script can
// build a league's databases first and then start a new game in one of them.
// A script that has already answered the welcome dialog gets it first.
void Run_Tool_Line(SCRIPT_RUN& Run, const std::vector<std::string>& Words)
{
    for (const QUEUED_ACTION& Action : Run.Actions)
        if (Action.nDialogId == WELCOME_DIALOG) {
            Show_Welcome(Run);
            break;
        }
    if (!Run.Failure.empty())
        return;
    const std::vector<std::string> Tool(Words.begin() + 1, Words.end());
    std::string Result;
    std::string Problem;
    if (!Run_Tool_By_Name(Tool, Result, Problem)) {
        Fail(Run, Run.nLine, Problem);
        return;
    }
    Write_Debug_Log("Tool %s: %s", Tool[0].c_str(), Result.c_str());
    std::printf("Tool %s: %s\n", Tool[0].c_str(), Result.c_str());
    Check_Nothing_Left(Run);
}

// "timeline page|label|1-5": a click on that part of the status bar's strip.
void Run_Timeline_Line(SCRIPT_RUN& Run, const std::vector<std::string>& Words)
{
    int nPart = 0;
    int nCell = 0;
    if (Words.size() == 2 && strcasecmp(Words[1].c_str(), "page") == 0)
        nPart = TIMELINE_PART_PAGE;
    else if (Words.size() == 2 && strcasecmp(Words[1].c_str(), "label") == 0)
        nPart = TIMELINE_PART_LABEL;
    else if (Words.size() == 2 && Parse_Script_Number(Words[1], nCell) && nCell >= 1 && nCell <= TIMELINE_CELLS)
        nPart = nCell - 1;
    else {
        Fail(Run, Run.nLine, "timeline takes page, label or a cell from 1 to 5");
        return;
    }
    Show_Welcome(Run);
    if (!Run.Failure.empty())
        return;
    int x = 0;
    int y = 0;
    if (!Get_Timeline_Part_Point(nPart, x, y)) {
        Fail(Run, Run.nLine, "the status bar's timeline is not shown");
        return;
    }
    Write_Debug_Log("Timeline %s", Words[1].c_str());
    std::printf("Timeline %s\n", Words[1].c_str());
    On_Main_Window_Click(AREA_STATUS_BAR, x, y, 1);
    Check_Nothing_Left(Run);
}

// "calendar WEEK" or "calendar watch WEEK": a click on week WEEK (from 1, as
// the Calendar page names it) of the Calendar page, or on its watch mark.
void Run_Calendar_Line(SCRIPT_RUN& Run, const std::vector<std::string>& Words)
{
    const bool bMark = Words.size() == 3 && strcasecmp(Words[1].c_str(), "watch") == 0;
    int nWeek = 0;
    if ((Words.size() != 2 && !bMark) || !Parse_Script_Number(Words.back(), nWeek) || nWeek < 1 ||
        nWeek > SCHEDULE_WEEKS) {
        Fail(Run, Run.nLine, "calendar takes a week from 1 to 22, or watch and a week");
        return;
    }
    Show_Welcome(Run);
    if (!Run.Failure.empty())
        return;
    const MAIN_WINDOW_AREAS Areas = Get_Main_Window_Areas();
    const PAGE_LAYOUT Layout = Layout_Calendar_Page();
    if (Get_User_Preference(PREF_MAIN_PAGE) != MAIN_PAGE_CALENDAR || Areas.Page.Is_Empty() ||
        static_cast<int>(Layout.Rows.size()) < nWeek) {
        Fail(Run, Run.nLine, "the Calendar page is not shown");
        return;
    }
    if (bMark && !Has_Calendar_Watch_Mark(Get_Calendar_Page_Team(), nWeek - 1)) {
        Fail(Run, Run.nLine, "week " + Words.back() + " of the Calendar page has no watch mark");
        return;
    }
    // The mark's box, or the row's opponent line left of the mark.
    const PAGE_RECT Row = Layout.Rows[nWeek - 1].Box;
    PAGE_RECT Spot = Get_Calendar_Watch_Box(Row);
    if (!bMark) {
        Spot.nLeft = Row.nLeft + 40;
        Spot.nRight = Row.nLeft + 80;
        Spot.nTop = Row.nTop + Row.Height() / 2 + 2;
        Spot.nBottom = Row.nBottom;
    }
    const CANVAS_RECT rc = Scale_Page_Rect(Spot, Areas.Page);
    Write_Debug_Log("Calendar %s%d", bMark ? "watch " : "", nWeek);
    std::printf("Calendar %s%d\n", bMark ? "watch " : "", nWeek);
    On_Main_Window_Click(AREA_PAGE, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2, 1);
    Check_Nothing_Left(Run);
}

// Carries out one line (its words); sets the failure when it cannot.
void Carry_Out(SCRIPT_RUN& Run, const std::vector<std::string>& Words)
{
    const std::string& Verb = Words[0];
    const int nLine = Run.nLine;
    Run.bQuitDeclined = false;
    Run.bStepQuits = false;
    if (Is_Quit_Posted() && Run.bWelcomeShown) {
        Fail(Run, nLine, "the program has already quit; this line cannot be carried out");
        return;
    }
    if (strcasecmp(Verb.c_str(), "command") == 0) {
        std::string Name;
        for (size_t i = 1; i < Words.size(); ++i)
            Name += (i > 1 ? " " : "") + Words[i];
        const int nCommand = Find_Main_Command_Id(Name.c_str());
        if (nCommand == 0) {
            Fail(Run, nLine, "no menu command \"" + Name + "\"");
            return;
        }
        Run_Command(Run, nCommand);
    } else if (strcasecmp(Verb.c_str(), "key") == 0) {
        if (Words.size() != 2) {
            Fail(Run, nLine, "key takes one key, as \"key Ctrl+1\"");
            return;
        }
        Show_Welcome(Run);
        const int nCommand = Translate_Accelerator(Words[1].c_str());
        if (nCommand == 0) {
            Fail(Run, nLine, "the key \"" + Words[1] + "\" is not in accelerator table 101");
            return;
        }
        Run_Command(Run, nCommand);
    } else if (strcasecmp(Verb.c_str(), "answer") == 0) {
        static const std::pair<const char*, int> ANSWERS[] = {
            {"yes", ID_YES}, {"no", ID_NO}, {"ok", ID_OK}, {"cancel", ID_CANCEL}};
        // "answer ok if asked": the answer for a box the step may not show
        // (a save's "Overwrite?", asked only when the file is there).
        const bool bIfAsked = Words.size() == 4 && strcasecmp(Words[2].c_str(), "if") == 0 &&
                              strcasecmp(Words[3].c_str(), "asked") == 0;
        int nAnswer = 0;
        for (const auto& Answer : ANSWERS)
            if ((Words.size() == 2 || bIfAsked) && strcasecmp(Words[1].c_str(), Answer.first) == 0)
                nAnswer = Answer.second;
        if (nAnswer == 0) {
            Fail(Run, nLine, "answer takes yes, no, ok or cancel, and \"if asked\" after it");
            return;
        }
        ui::Queue_Answer(nAnswer);
        Run.Answers.push_back(QUEUED_ANSWER{nAnswer, nLine, bIfAsked});
    } else if (strcasecmp(Verb.c_str(), "welcome") == 0) {
        static const std::pair<const char*, int> CHOICES[] = {
            {"new", WELCOME_NEW_GAME}, {"resume", WELCOME_RESUME_GAME}, {"quit", WELCOME_QUIT}};
        int nButton = 0;
        for (const auto& Choice : CHOICES)
            if (Words.size() == 2 && strcasecmp(Words[1].c_str(), Choice.first) == 0)
                nButton = Choice.second;
        if (nButton == 0 || Run.bWelcomeShown) {
            Fail(Run, nLine, Run.bWelcomeShown ? "the welcome dialog has already been shown"
                                               : "welcome takes new, resume or quit");
            return;
        }
        DIALOG_ACTION Action;
        Action.nKind = ACTION_PRESS;
        Action.nControl = nButton;
        dialogs::Queue_Action(WELCOME_DIALOG, Action);
        Run.Actions.push_back(QUEUED_ACTION{WELCOME_DIALOG, nLine});
    } else if (strcasecmp(Verb.c_str(), "dialog") == 0) {
        int nDialog = 0;
        int nControl = 0;
        if (Words.size() < 4 || !Parse_Script_Number(Words[1], nDialog) || !Parse_Script_Number(Words[3], nControl)) {
            Fail(Run, nLine,
                 "dialog takes a dialog id, an action (select, open, toggle, set, check, spin, slide, radio, press, "
                 "column, move-column, menu) and a control id");
            return;
        }
        // A dialog the program does not have can take no line: a mistyped id
        // stops the run here, before a later step takes its defaults.
        if (Find_Dialog_Registration(nDialog) == nullptr) {
            Fail(Run, nLine, "the program has no dialog " + Words[1]);
            return;
        }
        const std::string& Kind = Words[2];
        DIALOG_ACTION Action;
        Action.nControl = nControl;
        // TEXT or @N: an entry (or a report list's row) by its text or number.
        auto Entry = [&](const std::string& Word) {
            if (Word[0] != '@') {
                Action.Text = Word;
                return true;
            }
            int nIndex = 0;
            if (!Parse_Script_Number(Word.substr(1), nIndex) || nIndex < 0)
                return false;
            Action.nValue = nIndex;
            return true;
        };
        const bool bEntryVerb = strcasecmp(Kind.c_str(), "select") == 0 || strcasecmp(Kind.c_str(), "open") == 0 ||
                                strcasecmp(Kind.c_str(), "toggle") == 0;
        int nCode = 0;
        int nPosition = 0;
        if (bEntryVerb && Words.size() == 5 && !Words[4].empty()) {
            if (!Entry(Words[4])) {
                Fail(Run, nLine, Kind + " @N takes an entry number from 0");
                return;
            }
            Action.nKind = strcasecmp(Kind.c_str(), "select") == 0 ? ACTION_SELECT
                           : strcasecmp(Kind.c_str(), "open") == 0 ? ACTION_DOUBLE_CLICK
                                                                   : ACTION_TOGGLE;
        } else if (strcasecmp(Kind.c_str(), "column") == 0 && Words.size() == 5 &&
                   Parse_Script_Number(Words[4], nCode)) {
            Action.nKind = ACTION_COLUMN_CLICK;
            Action.nValue = nCode;
        } else if (strcasecmp(Kind.c_str(), "move-column") == 0 && Words.size() == 6 &&
                   Parse_Script_Number(Words[4], nCode) && Parse_Script_Number(Words[5], nPosition)) {
            Action.nKind = ACTION_MOVE_COLUMN;
            Action.nValue = nCode;
            Action.nValue2 = nPosition;
        } else if (strcasecmp(Kind.c_str(), "menu") == 0 && Words.size() == 5 && !Words[4].empty()) {
            Action.nKind = ACTION_MENU;
            Action.Text = Words[4];
        } else if (strcasecmp(Kind.c_str(), "slide") == 0 && Words.size() == 5 &&
                   Parse_Script_Number(Words[4], nPosition)) {
            Action.nKind = ACTION_TRACK;
            Action.nValue = nPosition;
        } else if (strcasecmp(Kind.c_str(), "radio") == 0 && Words.size() == 4) {
            Action.nKind = ACTION_RADIO;
        } else if (strcasecmp(Kind.c_str(), "press") == 0 && Words.size() == 4) {
            Action.nKind = ACTION_PRESS;
        } else if (strcasecmp(Kind.c_str(), "set") == 0 && Words.size() == 5) {
            Action.nKind = ACTION_SET_TEXT;
            Action.Text = Words[4];
        } else if (strcasecmp(Kind.c_str(), "check") == 0 && Words.size() == 5 &&
                   (Words[4] == "0" || Words[4] == "1")) {
            Action.nKind = ACTION_CHECK;
            Action.nValue = Words[4] == "1";
        } else if (strcasecmp(Kind.c_str(), "spin") == 0 && Words.size() == 5 &&
                   (strcasecmp(Words[4].c_str(), "up") == 0 || strcasecmp(Words[4].c_str(), "down") == 0)) {
            Action.nKind = ACTION_SPIN;
            Action.nValue = strcasecmp(Words[4].c_str(), "up") == 0;
        } else {
            Fail(Run, nLine,
                 "dialog actions are: select CONTROL TEXT|@N, open CONTROL TEXT|@N, toggle CONTROL TEXT|@N, "
                 "set CONTROL TEXT, check CONTROL 0|1, spin CONTROL up|down, slide CONTROL N, radio CONTROL, press CONTROL, "
                 "column CONTROL CODE, move-column CONTROL CODE POSITION, menu CONTROL ITEM");
            return;
        }
        dialogs::Queue_Action(nDialog, Action);
        Run.Actions.push_back(QUEUED_ACTION{nDialog, nLine});
    } else if (strcasecmp(Verb.c_str(), "timeline") == 0) {
        Run_Timeline_Line(Run, Words);
    } else if (strcasecmp(Verb.c_str(), "calendar") == 0) {
        Run_Calendar_Line(Run, Words);
    } else if (strcasecmp(Verb.c_str(), "tool") == 0) {
        Run_Tool_Line(Run, Words);
    } else if (strcasecmp(Verb.c_str(), "quit") == 0 && Words.size() == 1) {
        Run.bStepQuits = true;
        Show_Welcome(Run);
        if (!Run.Failure.empty() || Is_Quit_Posted())
            return;
        Write_Debug_Log("Quit");
        std::printf("Quit\n");
        Exit_Program();
        Check_Nothing_Left(Run);
        Run.bQuitDeclined = !Is_Quit_Posted();
    } else {
        Fail(Run, nLine, "unknown instruction \"" + Verb + "\"");
    }
}

// The closing summary: every file the run wrote, as the file layer saw it
// written, in groups a reader knows (box scores, recaps, reports, saved
// games), the rest by folder.
struct SUMMARY_GROUP {
    const char* szLabel;
    const char* szFolder;    // "" the data folder itself
    const char* szPattern;
};
constexpr SUMMARY_GROUP SUMMARY_GROUPS[] = {{"Box scores", "Output", "Box-*.htm"},
                                            {"Recaps", "Output", "Recap-*.htm"},
                                            {"Reports", "Output", "*.txt"}};

// The program made the data folder's lock file at its start.
bool g_bLockFileMade = false;

bool Is_Summary_Name(const char* szPattern, const std::string& Name)
{
    return files::Wildcard_Match(szPattern, Name.c_str());
}

// Where the files the run wrote are; a kind it wrote none of is not named.
// A run that stops on a failed line ends with it too.
void Print_Where_Files_Are()
{
    const std::string Folder = files::Get_Current_Folder();
    size_t Counts[std::size(SUMMARY_GROUPS)] = {};
    std::vector<std::string> Saved;
    std::vector<std::string> Single;
    std::map<std::string, size_t> Folders;   // a folder below the data folder (or elsewhere): its files
    for (const std::string& Path : files::Written_Files()) {
        if (!files::File_Exists(Path.c_str()))
            continue;
        const size_t nSlash = Path.rfind('/');
        const std::string Parent = nSlash == std::string::npos ? "" : Path.substr(0, nSlash);
        const std::string Name = nSlash == std::string::npos ? Path : Path.substr(nSlash + 1);
        bool bGrouped = false;
        for (size_t g = 0; g < std::size(SUMMARY_GROUPS) && !bGrouped; ++g)
            if (strcasecmp(Parent.c_str(), SUMMARY_GROUPS[g].szFolder) == 0 &&
                Is_Summary_Name(SUMMARY_GROUPS[g].szPattern, Name)) {
                ++Counts[g];
                bGrouped = true;
            }
        if (bGrouped)
            continue;
        if (Parent.empty() && Is_Summary_Name("*.zrt", Name) && Name.rfind(".kelvo-save-", 0) != 0)
            Saved.push_back(Name);
        else if (Parent.empty() || strcasecmp(Parent.c_str(), "Output") == 0)
            Single.push_back(Path);
        else if (Path[0] == '/')
            ++Folders[Parent];
        else
            ++Folders[Folder + "/" + Path.substr(0, Path.find('/'))];
    }
    // The lock file is written by no writer of the file layer: made at the
    // start, it is left at the end.
    if (g_bLockFileMade && files::File_Exists(files::DATA_FOLDER_LOCK_FILE)) {
        Single.push_back(files::DATA_FOLDER_LOCK_FILE);
        std::sort(Single.begin(), Single.end());
    }
    for (size_t g = 0; g < std::size(SUMMARY_GROUPS); ++g)
        if (Counts[g] > 0)
            std::printf("%s: %s/%s/%s (%zu file%s)\n", SUMMARY_GROUPS[g].szLabel, Folder.c_str(),
                        SUMMARY_GROUPS[g].szFolder, SUMMARY_GROUPS[g].szPattern, Counts[g], Counts[g] == 1 ? "" : "s");
    for (const std::string& Name : Saved)
        std::printf("Saved game: %s/%s\n", Folder.c_str(), Name.c_str());
    for (const std::string& Path : Single)
        std::printf("File: %s/%s\n", Folder.c_str(), Path.c_str());
    for (const auto& [Where, nFiles] : Folders)
        std::printf("Folder: %s (%zu file%s)\n", Where.c_str(), nFiles, nFiles == 1 ? "" : "s");
}

}  // namespace

void Note_Lock_File_Made()
{
    g_bLockFileMade = true;
}

bool Split_Script_Line(const std::string& Line, std::vector<std::string>& Words, std::string& Problem)
{
    Words.clear();
    Problem.clear();
    size_t i = 0;
    while (i < Line.size()) {
        while (i < Line.size() && (Line[i] == ' ' || Line[i] == '\t'))
            ++i;
        if (i >= Line.size())
            break;
        std::string Word;
        if (Line[i] == '"') {
            ++i;
            bool bClosed = false;
            while (i < Line.size()) {
                const char c = Line[i++];
                if (c == '"') {
                    bClosed = true;
                    break;
                }
                if (c == '\\') {
                    if (i >= Line.size() || (Line[i] != '"' && Line[i] != '\\')) {
                        Problem = "only \\\" and \\\\ may follow a backslash inside quotes";
                        return false;
                    }
                    Word += Line[i++];
                    continue;
                }
                Word += c;
            }
            if (!bClosed) {
                Problem = "a quote is not closed";
                return false;
            }
            if (i < Line.size() && Line[i] != ' ' && Line[i] != '\t') {
                Problem = "a closing quote must end its word";
                return false;
            }
        } else {
            while (i < Line.size() && Line[i] != ' ' && Line[i] != '\t')
                Word += Line[i++];
        }
        Words.push_back(Word);
    }
    return true;
}

SCRIPT_LINE_READ Read_Script_Line(FILE* pInput, std::string& Line, bool bFirst)
{
    Line.clear();
    // Room for a byte-order mark and the '\r' of a CRLF line end.
    const size_t nRoom = SCRIPT_LINE_LIMIT + 1 + (bFirst ? 3 : 0);
    int c;
    bool bAny = false;
    while ((c = std::fgetc(pInput)) != EOF) {
        bAny = true;
        if (c == '\n')
            break;
        if (c == '\0')
            return SCRIPT_LINE_READ::HAS_NUL;
        if (Line.size() >= nRoom)
            return SCRIPT_LINE_READ::TOO_LONG;
        Line += static_cast<char>(c);
    }
    if (c == EOF && std::ferror(pInput)) {
        if (errno == 0)
            errno = EIO;
        return SCRIPT_LINE_READ::READ_ERROR;
    }
    if (bFirst)
        Line.erase(0, Byte_Order_Mark_Length(Line.c_str()));
    if (!Line.empty() && Line.back() == '\r')
        Line.pop_back();
    if (!bAny)
        return SCRIPT_LINE_READ::END;
    if (Line.size() > SCRIPT_LINE_LIMIT)
        return SCRIPT_LINE_READ::TOO_LONG;
    return SCRIPT_LINE_READ::LINE;
}

int Run_Script(FILE* pInput, const char* szName)
{
    SCRIPT_RUN Run;
    Run.Name = szName != nullptr ? szName : "";
    // Boxes of the start-up were echoed already; the script's own come next.
    Take_Stock(Run);
    Write_Debug_Log("Script %s", Run.Name.c_str());

    Run.nFailedSaves = Count_Failed_Game_Saves();
    Run.nFailedLoads = Count_Failed_Game_Resumes();
    Run.nRefusedSteps = Count_Refused_Steps();
    // A dialog of a step of the script takes its default only while no line
    // waits for another dialog.
    dialogs::Set_Defaults_Held_For_Waiting_Actions(true);
    dialogs::Set_Actions_Act_Once(true);
    std::string Line;
    while (Run.Failure.empty()) {
        errno = 0;
        const SCRIPT_LINE_READ Read = Read_Script_Line(pInput, Line, Run.nLine == 0);
        if (Read == SCRIPT_LINE_READ::END)
            break;
        ++Run.nLine;
        if (Read == SCRIPT_LINE_READ::READ_ERROR) {
            // Never run on with default answers after a part of the script.
            Fail(Run, Run.nLine, std::string("the script cannot be read (") + std::strerror(errno) + ")");
            break;
        }
        if (Read == SCRIPT_LINE_READ::TOO_LONG) {
            Fail(Run, Run.nLine, "the line is longer than " + std::to_string(SCRIPT_LINE_LIMIT) + " characters");
            break;
        }
        if (Read == SCRIPT_LINE_READ::HAS_NUL) {
            Fail(Run, Run.nLine, "the line holds a NUL byte");
            break;
        }
        // A comment may hold anything, an odd quote too.
        const size_t nFirst = Line.find_first_not_of(" \t");
        if (nFirst == std::string::npos || Line[nFirst] == '#')
            continue;
        std::vector<std::string> Words;
        std::string Problem;
        if (!Split_Script_Line(Line, Words, Problem)) {
            Fail(Run, Run.nLine, Problem);
            break;
        }
        if (Words.empty() || Words[0][0] == '#')
            continue;
        Carry_Out(Run, Words);
    }
    // A failure past the last line is the end of the script's, not a line's.
    const int nLinesRead = Run.nLine;
    if (Run.Failure.empty()) {
        // The end of the input is Exit; it ends the run even when the offer
        // to save is cancelled.
        ++Run.nLine;
        Run.bStepQuits = true;
        Show_Welcome(Run);
        if (Run.Failure.empty() && !Is_Quit_Posted()) {
            // A quit the script has just turned down (Cancel in its Save
            // dialog) is not offered again with the defaults: the run ends
            // without the save the script declined.
            if (!Run.bQuitDeclined) {
                Write_Debug_Log("End of script: Exit");
                Exit_Program();
                Check_Nothing_Left(Run);
            } else {
                Write_Debug_Log("End of script: the quit was declined; nothing is saved");
            }
            if (!Is_Quit_Posted())
                Post_Quit_Message(SCRIPT_EXIT_OK);
        }
    }
    dialogs::Set_Defaults_Held_For_Waiting_Actions(false);
    dialogs::Set_Actions_Act_Once(false);
    if (!Run.Failure.empty()) {
        const std::string Where =
            Run.nFailureLine > nLinesRead ? "at its end" : "line " + std::to_string(Run.nFailureLine);
        Write_Debug_Log("Script %s %s: %s; the run stops.", Run.Name.c_str(), Where.c_str(), Run.Failure.c_str());
        std::fflush(stdout);
        std::fprintf(stderr, "kelvo: script %s %s: %s\n", Run.Name.c_str(), Where.c_str(), Run.Failure.c_str());
        // What the run wrote before it stopped (box scores, the automatic
        // save) is there all the same: the summary names it.
        Print_Where_Files_Are();
        std::fflush(stdout);
        return SCRIPT_EXIT_FAILED;
    }
    Print_Where_Files_Are();
    std::fflush(stdout);
    return Get_Quit_Code();
}
