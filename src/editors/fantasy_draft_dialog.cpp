#include "editors/fantasy_draft_dialog.h"

#include "season/fantasy_draft.h"

namespace {

constexpr CONTROL_TEMPLATE CONTROLS[] = {
    {-1, CONTROL_GROUP, "First Round", {7, 6, 150, 64}},
    {FANTASY_FIRST_RANDOM, CONTROL_RADIO, "&Random", {14, 18, 136, 10}, CS_GROUP},
    {FANTASY_FIRST_CASH, CONTROL_RADIO, "&Cash (Lowest to Highest)", {14, 30, 136, 10}},
    {FANTASY_FIRST_REVENUE, CONTROL_RADIO, "R&evenue (Lowest to Highest)", {14, 42, 136, 10}},
    {FANTASY_FIRST_ALPHABETICAL, CONTROL_RADIO, "&Alphabetical", {14, 54, 136, 10}},
    {-1, CONTROL_GROUP, "Remaining Rounds", {164, 6, 170, 64}},
    {FANTASY_LATER_REVERSE_BUTTON, CONTROL_RADIO, "Re&verse First Round", {171, 18, 156, 10}, CS_GROUP},
    {FANTASY_LATER_REPEAT_BUTTON, CONTROL_RADIO, "Re&peat First Round", {171, 30, 156, 10}},
    {FANTASY_LATER_SNAKE_BUTTON, CONTROL_RADIO, "&Snake (Alternate 'Reverse' and 'Repeat')", {171, 42, 156, 10}},
    {FANTASY_LATER_RANDOM_BUTTON, CONTROL_RADIO, "Ra&ndom", {171, 54, 156, 10}},
    {FANTASY_ANNOUNCE_PICKS, CONTROL_CHECK, "Announce Each &Draft Pick", {14, 78, 150, 10}, CS_GROUP},
    {DIALOG_OK, CONTROL_BUTTON, "OK", {224, 96, 50, 14}, CS_DEFAULT | CS_GROUP},
    {DIALOG_CANCEL, CONTROL_BUTTON, "Cancel", {284, 96, 50, 14}},
};
constexpr DIALOG_TEMPLATE TEMPLATE{START_FANTASY_DRAFT_DIALOG, "Start Fantasy Draft", 341, 118, 0, 0, 0, CONTROLS,
                                   "newgame"};
constexpr int USED_IDS[] = {FANTASY_FIRST_RANDOM,
                            FANTASY_FIRST_CASH,
                            FANTASY_FIRST_REVENUE,
                            FANTASY_FIRST_ALPHABETICAL,
                            FANTASY_LATER_REVERSE_BUTTON,
                            FANTASY_LATER_REPEAT_BUTTON,
                            FANTASY_LATER_SNAKE_BUTTON,
                            FANTASY_LATER_RANDOM_BUTTON,
                            FANTASY_ANNOUNCE_PICKS,
                            DIALOG_OK,
                            DIALOG_CANCEL};
const DIALOG_REGISTRAR REGISTRAR(START_FANTASY_DRAFT_DIALOG, TEMPLATE, Start_Fantasy_Draft_Dialog, USED_IDS);

struct RADIO_MODE {
    int nId;
    int nMode;
};
constexpr RADIO_MODE FIRST_MODES[] = {{FANTASY_FIRST_RANDOM, FANTASY_ORDER_RANDOM},
                                      {FANTASY_FIRST_CASH, FANTASY_ORDER_CASH},
                                      {FANTASY_FIRST_REVENUE, FANTASY_ORDER_REVENUE},
                                      {FANTASY_FIRST_ALPHABETICAL, FANTASY_ORDER_ALPHABETICAL}};
constexpr RADIO_MODE LATER_MODES[] = {{FANTASY_LATER_REVERSE_BUTTON, FANTASY_LATER_REVERSE},
                                      {FANTASY_LATER_REPEAT_BUTTON, FANTASY_LATER_REPEAT},
                                      {FANTASY_LATER_SNAKE_BUTTON, FANTASY_LATER_SNAKE},
                                      {FANTASY_LATER_RANDOM_BUTTON, FANTASY_LATER_RANDOM}};

template <size_t N> int Checked_Mode(const DIALOG& Dialog, const RADIO_MODE (&Modes)[N], int nNone)
{
    for (const RADIO_MODE& Mode : Modes)
        if (Dialog.Is_Checked(Mode.nId))
            return Mode.nMode;
    return nNone;
}

}  // namespace

int Get_Fantasy_First_Round_Choice(const DIALOG& Dialog)
{
    return Checked_Mode(Dialog, FIRST_MODES, FANTASY_ORDER_RANDOM);
}

int Get_Fantasy_Later_Round_Choice(const DIALOG& Dialog)
{
    return Checked_Mode(Dialog, LATER_MODES, FANTASY_LATER_REVERSE);
}

void Start_Fantasy_Draft_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        // The orders a dialog left alone would give.
        Dialog.Check_Radio(FANTASY_FIRST_RANDOM);
        Dialog.Check_Radio(FANTASY_LATER_REVERSE_BUTTON);
        Dialog.Set_Checked(FANTASY_ANNOUNCE_PICKS, false);
        return;
    }
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    if (nControl == DIALOG_OK) {
        const int nFirst = Get_Fantasy_First_Round_Choice(Dialog);
        const int nLater = Get_Fantasy_Later_Round_Choice(Dialog);
        const bool bAnnounce = Dialog.Is_Checked(FANTASY_ANNOUNCE_PICKS);
        // Closed before the first prompt: the picks and their boxes follow
        // with the dialog gone.
        Dialog.End(DIALOG_OK);
        Start_Fantasy_Draft(nFirst, nLater, bAnnounce ? 1 : 0);
    } else if (nControl == DIALOG_CANCEL) {
        Dialog.End(DIALOG_CANCEL);
    }
}

bool Run_Start_Fantasy_Draft_Dialog()
{
    return Do_Dialog(START_FANTASY_DRAFT_DIALOG, "Start Fantasy Draft", Start_Fantasy_Draft_Dialog) == DIALOG_OK;
}
