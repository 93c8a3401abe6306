#include "frontoffice/trade_offer.h"

#include <cstdio>

#include "league/league_data.h"
#include "league/league_text.h"
#include "league/player.h"
#include "platform/resources.h"

namespace {

TRADE_OFFER g_Offer;

constexpr CONTROL_TEMPLATE TRADE_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Trade offer from:", {8, 8, 70, 10}},
    {TRADE_FIRST_TEAM_TEXT, CONTROL_LABEL, "", {80, 8, 150, 10}},
    {-1, CONTROL_LABEL, "To:", {8, 22, 70, 10}},
    {TRADE_SECOND_TEAM_TEXT, CONTROL_LABEL, "", {80, 22, 150, 10}},
    {-1, CONTROL_LABEL, "Asking for:", {8, 36, 70, 10}},
    {TRADE_WANTED_TEXT, CONTROL_LABEL, "", {80, 36, 150, 40}, CS_MULTILINE},
    {DIALOG_OK, CONTROL_BUTTON, "&Close", {180, 82, 50, 14}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE TRADE_TEMPLATE{TRADE_DIALOG, "Trade", 240, 104, 0, 0, 0, TRADE_CONTROLS, "trade"};
constexpr int TRADE_USED_IDS[] = {TRADE_FIRST_TEAM_TEXT, TRADE_SECOND_TEAM_TEXT, TRADE_WANTED_TEXT, DIALOG_OK};
const DIALOG_REGISTRAR TRADE_REGISTRAR(TRADE_DIALOG, TRADE_TEMPLATE, Trade_Dialog, TRADE_USED_IDS);

std::string Team_Name(int nTeam)
{
    char szName[64] = "";
    Get_Team_Full_Name(nTeam, szName);
    return szName;
}

}  // namespace

TRADE_OFFER& Get_Trade_Offer()
{
    return g_Offer;
}

void Clear_Trade_Offer()
{
    g_Offer = TRADE_OFFER{};
    for (auto& Side : g_Offer.nItem)
        for (uint8_t& nItem : Side)
            nItem = TRADE_ITEM_EMPTY;
}

std::vector<std::string> Describe_Trade_Offer()
{
    std::vector<std::string> Lines;
    Lines.push_back(Team_Name(g_Offer.nTeam[0]));
    Lines.push_back(Team_Name(g_Offer.nTeam[1]));
    const int nTeam = g_Offer.nTeam[1];
    for (uint8_t nSlot : g_Offer.nItem[1]) {
        if (nSlot == TRADE_ITEM_EMPTY || nSlot >= PLAYERS_PER_TEAM || nTeam >= TOTAL_NUMBER_OF_TEAMS ||
            !Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        char szName[64] = "";
        Get_Player_Full_Name(nTeam, nSlot, szName);
        const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        const char* szPosition = nPosition >= 0 && nPosition <= 14 ? Get_Resource_String(59 + nPosition) : "";
        Lines.push_back(std::string(szPosition) + " " + szName);
    }
    return Lines;
}

std::string Get_Position_Plural_Name(int nPosition)
{
    if (nPosition < 0 || nPosition > 14)
        return "";
    std::string Name = Get_Resource_String(28 + nPosition);
    if (!Name.empty() && Name.back() == 'y') {
        Name.pop_back();
        Name += "ies";
    } else if (!Name.empty() && Name.back() == 's') {
        Name += "es";
    } else {
        Name += "s";
    }
    return Name;
}

void Trade_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        const std::vector<std::string> Lines = Describe_Trade_Offer();
        Dialog.Set_Text(TRADE_FIRST_TEAM_TEXT, Lines[0]);
        Dialog.Set_Text(TRADE_SECOND_TEAM_TEXT, Lines[1]);
        std::string Wanted;
        for (size_t i = 2; i < Lines.size(); ++i)
            Wanted += (i > 2 ? "\n" : "") + Lines[i];
        Dialog.Set_Text(TRADE_WANTED_TEXT, Wanted);
        return;
    }
    if (nEvent == DIALOG_COMMAND && (nControl == DIALOG_OK || nControl == DIALOG_CANCEL) &&
        Dialog.Is_Change_Command())
        Dialog.End(1);
}
