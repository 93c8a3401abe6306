#include "shell/draft_commands.h"

#include "editors/fantasy_draft_dialog.h"
#include "league/league_data.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "season/college_draft.h"
#include "season/day_advance.h"
#include "season/draft_state.h"
#include "season/fantasy_draft.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"

namespace {

// The window-less timer that carries the posted message to the loop.
constexpr int USER_MESSAGE_TIMER_ID = 0x5553;

bool g_bPosted = false;

void On_User_Message_Timer(int)
{
    Kill_Timer(USER_MESSAGE_TIMER_ID);
    Dispatch_User_Messages(1);
}

}  // namespace

void Post_User_Message()
{
    g_bPosted = true;
    Set_Timer(USER_MESSAGE_TIMER_ID, 1, On_User_Message_Timer);
}

bool Is_User_Message_Posted()
{
    return g_bPosted;
}

int Dispatch_User_Messages(int nLimit)
{
    int nHandled = 0;
    while (g_bPosted && nHandled < nLimit) {
        g_bPosted = false;
        ++nHandled;
        // The main window's own message means one thing: the fantasy
        // draft's next pick.
        Show_Fantasy_Draft_Prompt();
    }
    if (!g_bPosted)
        Kill_Timer(USER_MESSAGE_TIMER_ID);
    return nHandled;
}

void Fantasy_Draft_Command()
{
    if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) >= FANTASY_DRAFT_UNDER_WAY) {
        Confirm_End_Fantasy_Draft();
        Build_Main_Menu();
        Update_Main_Window_Title();
        Redraw_Main_Window();
        return;
    }
    if (Is_Simulation_In_Progress()) {
        Show_Message_Box("Can't start a Fantasy Draft while playing games.", "Fantasy Draft",
                         BOX_OK | BOX_ICON_EXCLAMATION);
        return;
    }
    if (Is_College_Draft_Running()) {
        // Both drafts take the college pools' players: one at a time.
        Show_Message_Box("Can't start a Fantasy Draft during the College Draft.", "Fantasy Draft",
                         BOX_OK | BOX_ICON_EXCLAMATION);
        return;
    }
    Run_Start_Fantasy_Draft_Dialog();
    Update_Main_Window_Title();
    Redraw_Main_Window();
}

void Resume_Fantasy_Draft_After_Load()
{
    if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) >= FANTASY_DRAFT_UNDER_WAY)
        Post_User_Message();
}

bool Is_End_Draft_Offered()
{
    return Is_College_Draft_Running();
}

bool Is_Start_Draft_Offered()
{
    return Is_College_Draft_Pending();
}

void Start_College_Draft_Command()
{
    if (!Is_College_Draft_Pending()) {
        Show_Message_Box("No College Draft is waiting to be started.", "College Draft", BOX_OK | BOX_ICON_INFORMATION);
        return;
    }
    Start_College_Draft();
    // The Draft page turns to the round being picked.
    Show_Draft_Round_Under_Way();
    Update_Main_Window_Title();
    Build_Main_Menu();
    Redraw_Main_Window();
}

void End_College_Draft_Command()
{
    if (!Is_College_Draft_Running()) {
        Show_Message_Box("No College Draft is under way.", "End College Draft?", BOX_OK | BOX_ICON_INFORMATION);
        return;
    }
    Confirm_End_College_Draft();
    Update_Main_Window_Title();
    Build_Main_Menu();
    Redraw_Main_Window();
}
