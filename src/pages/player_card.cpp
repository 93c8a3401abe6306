#include "pages/player_card.h"

#include <cstdio>
#include <iterator>

#include "frontoffice/player_moves.h"
#include "league/league_data.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "pages/player_text.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "league/human_teams.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "season/injuries.h"
#include "season/scouting.h"

namespace {

constexpr int STAT_OVERALL = 225;
constexpr int STAT_PEAK = 226;
constexpr int RATINGS_PERIOD = 3;
constexpr int KEY_RATINGS_SHOWN = 10;

void Player_Card_Dialog(DIALOG& Dialog, int nEvent, int nControl);

constexpr CONTROL_TEMPLATE CARD_CONTROLS[] = {
    {CARD_NAME, CONTROL_LABEL, "", {8, 6, 200, 10}},
    {CARD_CLUB, CONTROL_LABEL, "", {8, 20, 200, 10}},
    {CARD_POSITION, CONTROL_LABEL, "", {8, 34, 200, 10}},
    {CARD_AGE, CONTROL_LABEL, "", {8, 48, 200, 10}},
    {CARD_SIZE, CONTROL_LABEL, "", {8, 62, 200, 10}},
    {CARD_COLLEGE, CONTROL_LABEL, "", {8, 76, 200, 10}},
    {CARD_CONTRACT, CONTROL_LABEL, "", {8, 90, 200, 10}},
    {CARD_OVERALL, CONTROL_LABEL, "", {8, 104, 200, 10}},
    {CARD_HEALTH, CONTROL_LABEL, "", {8, 118, 200, 10}},
    {-1, CONTROL_LABEL, "Key ratings:", {8, 134, 100, 10}},
    {CARD_RATINGS, CONTROL_LIST, "", {8, 146, 200, 70}},
    {CARD_STAT_LINE, CONTROL_LABEL, "", {8, 222, 200, 20}, CS_MULTILINE},
    {DIALOG_OK, CONTROL_BUTTON, "&Close", {158, 246, 50, 14}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE CARD_TEMPLATE{PLAYER_CARD_DIALOG, "Player Card", 216, 266, 0, 0, 0, CARD_CONTROLS,
                                        "playercard"};
constexpr int CARD_USED_IDS[] = {CARD_NAME,    CARD_CLUB,   CARD_POSITION, CARD_AGE,       CARD_SIZE,
                                 CARD_COLLEGE, CARD_CONTRACT, CARD_OVERALL, CARD_HEALTH,   CARD_RATINGS,
                                 CARD_STAT_LINE, DIALOG_OK};
const DIALOG_REGISTRAR CARD_REGISTRAR(PLAYER_CARD_DIALOG, CARD_TEMPLATE, Player_Card_Dialog, CARD_USED_IDS);

struct CARD_PLAYER {
    int nTeam;
    int nSlot;
};

// The fantasy draft's pick from the card: a button of its own while a
// draft waits for the user.
void Add_Fantasy_Draft_Button(DIALOG& Dialog, const CARD_PLAYER& Player)
{
    if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) != FANTASY_DRAFT_UNDER_WAY)
        return;
    Dialog.Add(CARD_FANTASY_DRAFT, CONTROL_BUTTON, "&Draft", UI_RECT{100, 246, 50, 14});
    const int nClub = Get_Fantasy_Draft_Club_On_The_Clock();
    Dialog.Enable(CARD_FANTASY_DRAFT, nClub != NO_TEAM && Is_Human_Team(nClub) &&
                                          Get_Player_Drafted_By(Player.nTeam, Player.nSlot) == NO_TEAM);
}

std::string Printf(const char* szFormat, int a, int b)
{
    char szText[96];
    std::snprintf(szText, sizeof(szText), szFormat, a, b);
    return szText;
}

void Player_Card_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        const auto* pPlayer = static_cast<const CARD_PLAYER*>(Dialog.Param());
        if (pPlayer == nullptr)
            return;
        const std::vector<std::string> Lines = Get_Player_Card_Lines(pPlayer->nTeam, pPlayer->nSlot);
        if (Lines.size() < 10)
            return;
        Dialog.Set_Title(Lines[0]);
        const int FIELDS[] = {CARD_NAME,     CARD_CLUB,    CARD_POSITION, CARD_AGE,   CARD_SIZE,
                              CARD_COLLEGE,  CARD_CONTRACT, CARD_OVERALL, CARD_HEALTH};
        for (size_t i = 0; i < std::size(FIELDS); ++i)
            Dialog.Set_Text(FIELDS[i], Lines[i]);
        for (size_t i = std::size(FIELDS); i + 1 < Lines.size(); ++i)
            Dialog.Add_Item(CARD_RATINGS, Lines[i]);
        Dialog.Set_Text(CARD_STAT_LINE, Lines.back());
        Add_Fantasy_Draft_Button(Dialog, *pPlayer);
        return;
    }
    if (nEvent == DIALOG_COMMAND && nControl == CARD_FANTASY_DRAFT && Dialog.Is_Change_Command()) {
        const auto* pPlayer = static_cast<const CARD_PLAYER*>(Dialog.Param());
        if (pPlayer != nullptr &&
            Record_Fantasy_Draft_Pick(pPlayer->nTeam, pPlayer->nSlot, Get_Fantasy_Draft_Club_On_The_Clock()))
            Dialog.End(1);
        return;
    }
    if (nEvent == DIALOG_COMMAND && (nControl == DIALOG_OK || nControl == DIALOG_CANCEL) &&
        Dialog.Is_Change_Command())
        Dialog.End(1);
}

// The card's stat line, headed by its season's year: the season under way
// once a game of it is played; before that the season before, when he played
// in it (a new league may have no season before, a rookie no line in it).
std::string Card_Stat_Line(int nTeam, int nSlot)
{
    const bool bUnderWay = Get_Current_Week() != OFFSEASON_WEEK && Count_League_Games() > 0;
    const bool bLast =
        !bUnderWay && Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, STAT_GAMES_PLAYED) > 0;
    // The current year is this season's, in the off-season the coming one's
    // (the season just played is last season by then).
    const int nYear = Get_Current_Year() - (bLast ? 1 : 0);
    return std::to_string(nYear) + " season: " +
           Format_Player_Period_Stat_Summary(nTeam, nSlot, bLast ? STAT_PERIOD_LAST_SEASON : STAT_PERIOD_THIS_SEASON);
}

}  // namespace

std::vector<std::string> Get_Player_Card_Lines(int nTeam, int nSlot)
{
    std::vector<std::string> Lines;
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return Lines;
    char szText[96] = "";
    Get_Player_Full_Name(nTeam, nSlot, szText);
    Lines.push_back(szText);
    Get_Team_Full_Name(nTeam, szText);
    Lines.push_back(szText);
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    Get_Position_Name(nPosition, szText);
    Lines.push_back(szText);
    Lines.push_back("Age: " + std::to_string(Get_Player_Exact_Age(nTeam, nSlot)));
    const int nHeight = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT);
    Lines.push_back(Printf("Height: %d-%d", nHeight / 12, nHeight % 12) + "  Weight: " +
                    std::to_string(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT)));
    Get_Player_College(nTeam, nSlot, szText);
    Lines.push_back(std::string("College: ") + szText);
    const int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    Lines.push_back("Contract: " + Format_Salary(nTeam, nSlot) + " a year, " + std::to_string(nYears) +
                    (nYears == 1 ? " year left" : " years left"));
    Lines.push_back(Printf("Overall: %d  Peak: %d", Get_Player_Stat(nTeam, nSlot, RATINGS_PERIOD, STAT_OVERALL),
                           Get_Player_Stat(nTeam, nSlot, RATINGS_PERIOD, STAT_PEAK)));
    Get_Player_Health_Text(nTeam, nSlot, szText);
    Lines.push_back(std::string("Health: ") + szText);
    for (int i = 0; i < KEY_RATINGS_SHOWN; ++i) {
        const int nRating = Get_Position_Key_Rating(Translate_Expanded_Position(nPosition), i);
        if (nRating < 0)
            break;
        char szName[48] = "";
        Get_Rating_Name(nRating, szName);
        // The user's scouts see the rating, not the rating itself.
        const int nScouted =
            Adjust_Player_Stat_By_Modifier(nTeam, nSlot, static_cast<int>(Get_Player_Rating(nTeam, nSlot, nRating)));
        Lines.push_back(std::string(szName) + ": " + std::to_string(nScouted));
    }
    Lines.push_back(Card_Stat_Line(nTeam, nSlot));
    return Lines;
}

int Show_Scouting_Report(int nTeam, int nSlot)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot)) {
        Show_Formatted_Message("Scouting Error", "Couldn't find: TEAM:%d  PLAYER:%d", nTeam, nSlot);
        return 0;
    }
    CARD_PLAYER Player{nTeam, nSlot};
    return Do_Dialog(PLAYER_CARD_DIALOG, &Player);
}
