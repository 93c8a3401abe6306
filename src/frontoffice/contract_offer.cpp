// The contract offer: what the player asks for and what the user's club has
// room for. The dialog only answers; its caller moves or keeps the player.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "base/text_utils.h"
#include "frontoffice/contracts.h"
#include "frontoffice/player_moves.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/team_finance_stats.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/draft_state.h"
#include "season/season_services.h"

namespace {

constexpr int IDC_OFFER_PLAYER = 1701;
constexpr int IDC_OFFER_SALARY = 1702;
constexpr int IDC_OFFER_BONUS = 1703;
constexpr int IDC_OFFER_YEARS = 1704;
constexpr int IDC_OFFER_ROOM = 1705;
constexpr int IDC_OFFER_BUTTON = 1706;
constexpr int IDC_OFFER_RESERVE = 1707;

struct OFFER {
    int nTeam;
    int nSlot;
};

void Contract_Offer_Proc(DIALOG& Dialog, int nEvent, int nControl);

constexpr CONTROL_TEMPLATE OFFER_CONTROLS[] = {
    {IDC_OFFER_PLAYER, CONTROL_LABEL, "", {10, 8, 220, 10}},
    {-1, CONTROL_LABEL, "Salary per year:", {10, 24, 80, 10}},
    {IDC_OFFER_SALARY, CONTROL_LABEL, "", {95, 24, 135, 10}},
    {-1, CONTROL_LABEL, "Signing bonus:", {10, 36, 80, 10}},
    {IDC_OFFER_BONUS, CONTROL_LABEL, "", {95, 36, 135, 10}},
    {-1, CONTROL_LABEL, "Years:", {10, 48, 80, 10}},
    {IDC_OFFER_YEARS, CONTROL_LABEL, "", {95, 48, 135, 10}},
    {-1, CONTROL_LABEL, "Your cap room:", {10, 60, 80, 10}},
    {IDC_OFFER_ROOM, CONTROL_LABEL, "", {95, 60, 135, 10}},
    {-1, CONTROL_LABEL, "Kept for rookies:", {10, 72, 80, 10}},
    {IDC_OFFER_RESERVE, CONTROL_LABEL, "", {95, 72, 135, 10}},
    {IDC_OFFER_BUTTON, CONTROL_BUTTON, "&Offer", {60, 92, 55, 16}, CS_GROUP},
    {DIALOG_CANCEL, CONTROL_BUTTON, "&Decline", {125, 92, 55, 16}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE OFFER_TEMPLATE{CONTRACT_OFFER_DIALOG_ID, "Contract Offer", 240, 116, 0, 0, 0, OFFER_CONTROLS,
                                         "contractoffer"};
constexpr int OFFER_USED_IDS[] = {IDC_OFFER_PLAYER, IDC_OFFER_SALARY,  IDC_OFFER_BONUS,  IDC_OFFER_YEARS,
                                  IDC_OFFER_ROOM,   IDC_OFFER_RESERVE, IDC_OFFER_BUTTON, DIALOG_CANCEL};
const DIALOG_REGISTRAR OFFER_REGISTRAR(CONTRACT_OFFER_DIALOG_ID, OFFER_TEMPLATE, Contract_Offer_Proc, OFFER_USED_IDS);

// The club that would sign him: his own when a user runs it (a renewal, of
// whichever of the user's clubs), else the selected club when the user runs
// it, else the only user-run club; -1 none.
int Signing_Club(int nTeam)
{
    if (nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Human_Team(nTeam))
        return nTeam;
    const int nSelected = Get_Selected_Team();
    if (Is_Human_Team(nSelected))
        return nSelected;
    if (Count_Human_Teams() == 1)
        return Get_Nth_Human_Team(0);
    return -1;
}

std::string Thousands_Text(int64_t nThousands)
{
    char szText[32];
    Format_Money_Short(static_cast<int>(nThousands), szText);
    return szText;
}

// "$341,000": $K written out in dollars, as the room line writes them (the
// answers to an offer name the room in the same figures); "$0" for 0 or less.
std::string Thousands_With_Commas(int64_t nThousands)
{
    if (nThousands <= 0)
        return "$0";
    char szText[32];
    Format_Dollars_With_Commas(static_cast<int>(std::min<int64_t>(nThousands, INT32_MAX)), szText);
    return std::string(szText) + ",000";
}

// What his first year costs against the cap, in $K: the salary and the
// bonus spread over the contract's years.
int64_t First_Year_Cost(int nTeam, int nSlot)
{
    const int64_t nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);
    const int64_t nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
    int64_t nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH);
    if (nYears < 1)
        nYears = 1;
    return nSalary + nBonus / nYears;
}

// The room a signing must fit in, $K, and the part of it kept for the
// rookies of the club's coming draft picks.
struct OFFER_ROOM {
    int64_t nRoom;
    int64_t nReserve;
};

// A player of the club's own roster being re-signed already carries his new
// ask in the payroll: his cost is weighed against the room everyone else's
// charges leave, not counted twice.
OFFER_ROOM Offer_Room(int nClub, int nTeam, int nSlot)
{
    OFFER_ROOM Room{nTeam == nClub ? Get_Cap_Room_For_Payroll(nClub, Get_Team_Payroll_Without_Player(nClub, nSlot))
                                   : Get_Cap_Room_Thousands(nClub),
                    0};
    // While the draft runs its picks become players, each weighed as he is
    // signed; the reserve is for the picks still to come after it.
    if (nClub >= 0 && nClub < MAX_FRANCHISES && !Is_College_Draft_Running())
        Room.nReserve = Get_Team_Draft_Pick_Costs(nClub);
    return Room;
}

void Contract_Offer_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    const OFFER* pOffer = static_cast<const OFFER*>(Dialog.Param());
    if (pOffer == nullptr)
        return;
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        char szName[64] = "";
        Get_Player_Full_Name(pOffer->nTeam, pOffer->nSlot, szName);
        char szPosition[64] = "";
        Get_Position_Name(Get_Player_Vital_Stat(pOffer->nTeam, pOffer->nSlot, VITAL_POSITION), szPosition);
        Dialog.Set_Text(IDC_OFFER_PLAYER, std::string(szPosition) + " " + szName + " asks for:");
        Dialog.Set_Text(IDC_OFFER_SALARY, Thousands_Text(Get_Player_Vital_Stat(pOffer->nTeam, pOffer->nSlot, VITAL_SALARY)));
        Dialog.Set_Text(IDC_OFFER_BONUS,
                        Thousands_Text(Get_Player_Vital_Stat(pOffer->nTeam, pOffer->nSlot, VITAL_SIGNING_BONUS)));
        Dialog.Set_Text(IDC_OFFER_YEARS,
                        std::to_string(Get_Player_Vital_Stat(pOffer->nTeam, pOffer->nSlot, VITAL_CONTRACT_LENGTH)));
        // The room and its part kept for the rookies are the figures the
        // answer to the offer weighs, so that the two read alike.
        const int nClub = Signing_Club(pOffer->nTeam);
        if (nClub < 0) {
            Dialog.Set_Text(IDC_OFFER_ROOM, "no team");
        } else {
            const OFFER_ROOM Room = Offer_Room(nClub, pOffer->nTeam, pOffer->nSlot);
            const std::string RoomText = Format_Cap_Room_Text(Room.nRoom);
            // "of it" only where the part kept fits in the room.
            const std::string ReserveText = Room.nReserve <= 0            ? std::string("none")
                                            : Room.nReserve <= Room.nRoom ? Thousands_With_Commas(Room.nReserve) + " of it"
                                                                          : Thousands_With_Commas(Room.nReserve);
            Dialog.Set_Text(IDC_OFFER_ROOM, RoomText);
            Dialog.Set_Text(IDC_OFFER_RESERVE, ReserveText);
            // The log keeps the figures the offer was weighed by.
            Write_Debug_Log("Contract Offer to %s: room %s; kept for the rookies: %s", szName, RoomText.c_str(),
                            ReserveText.c_str());
        }
        Dialog.Set_Default_Button(DIALOG_CANCEL);
        return;
    }
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    if (nControl == DIALOG_CANCEL) {
        Dialog.End(0);
        return;
    }
    if (nControl != IDC_OFFER_BUTTON)
        return;
    const int nClub = Signing_Club(pOffer->nTeam);
    if (nClub < 0) {
        Show_Message_Box("You can't sign players if you don't have a team.", "Contract Offer", BOX_OK);
        return;
    }
    const OFFER_ROOM Room = Offer_Room(nClub, pOffer->nTeam, pOffer->nSlot);
    const int64_t nCost = First_Year_Cost(pOffer->nTeam, pOffer->nSlot);
    if (nCost > Room.nRoom) {
        char szText[256];
        std::snprintf(szText, sizeof(szText),
                      "His first year would cost %s, and you have only %s of room. Release a player or wait "
                      "until your payroll falls.",
                      Thousands_With_Commas(nCost).c_str(), Thousands_With_Commas(Room.nRoom).c_str());
        Show_Message_Box(szText, "Not Enough Cap Room", BOX_OK | BOX_ICON_EXCLAMATION);
        return;
    }
    if (nCost > Room.nRoom - Room.nReserve) {
        // The part kept for the rookies may be more than the whole room.
        const char* szFormat = Room.nReserve <= Room.nRoom
                                   ? "His first year would cost %s. You have %s of room, but %s of it is kept for the "
                                     "rookies of your draft picks. Release a player or wait until your payroll falls."
                                   : "His first year would cost %s. You have %s of room, but %s is kept for the rookies "
                                     "of your draft picks, more than all of your room. Release a player or wait until "
                                     "your payroll falls.";
        char szText[320];
        std::snprintf(szText, sizeof(szText), szFormat, Thousands_With_Commas(nCost).c_str(),
                      Thousands_With_Commas(Room.nRoom).c_str(), Thousands_With_Commas(Room.nReserve).c_str());
        Show_Message_Box(szText, "Not Enough Cap Room", BOX_OK | BOX_ICON_EXCLAMATION);
        return;
    }
    Dialog.End(1);
}

}  // namespace

int Contract_Offer_Dialog(int nTeam, int nSlot)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    OFFER Offer{nTeam, nSlot};
    return Do_Dialog(CONTRACT_OFFER_DIALOG_ID, &Offer) == 1 ? 1 : 0;
}

void Install_Contract_Offer_Dialog()
{
    Set_Contract_Offer_Policy(Contract_Offer_Dialog);
}
