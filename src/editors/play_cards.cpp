#include "editors/play_cards.h"

#include <cstdio>
#include <string>

#include "editors/playbook_editor.h"
#include "engine/playbooks.h"
#include "league/composite_grades.h"
#include "league/play_card_table.h"
#include "league/team.h"
#include "platform/resources.h"

namespace {

constexpr int CARD_COMBOS[9] = {CARD_SCORING_COMBO,        CARD_OFFENSE_1_COMBO,    CARD_OFFENSE_2_COMBO,
                                CARD_DEFENSE_1_COMBO,      CARD_DEFENSE_2_COMBO,    CARD_BONUS_RATING_COMBO,
                                CARD_BONUS_POSITION_COMBO, CARD_BONUS_VALUE_COMBO,  CARD_PLAY_KIND_COMBO};

int Clamp_Selection(int nSelected, int nMost)
{
    return nSelected < 0 ? 0 : nSelected > nMost ? nMost : nSelected;
}

void Fill_Combo(DIALOG& Dialog, int nId, const char* const* pTexts, int nCount)
{
    Dialog.Clear_Items(nId);
    for (int i = 0; i < nCount; ++i)
        Dialog.Add_Item(nId, pTexts[i]);
}

PLAY_CARD Card_From_Dialog(const DIALOG& Dialog)
{
    constexpr int MOST[9] = {1, 6, 7, 3, 4, 7, 7, 30, 3};
    PLAY_CARD Card;
    for (int f = 0; f < 9; ++f)
        Card.nField[f] = Clamp_Selection(Dialog.Get_Selected(CARD_COMBOS[f]), MOST[f]);
    return Card;
}

}  // namespace

// ---------------------------------------------------------------------------
// The panel

int Compute_Card_Bonus_From_Dialog(const DIALOG& Dialog)
{
    return Compute_Card_Bonus(Card_From_Dialog(Dialog));
}

void Validate_Play_Card(DIALOG& Dialog)
{
    int nShown = 0;
    const std::string Text = Get_Play_Card_Feedback(Card_From_Dialog(Dialog), &nShown);
    Dialog.Set_Selected(CARD_BONUS_VALUE_COMBO, nShown);
    Dialog.Set_Text(CARD_FEEDBACK_TEXT, Text);
}

void Fill_Play_Card_Controls(DIALOG& Dialog)
{
    static const char* const SCORING[] = {"Field Goal", "Touchdown"};
    const char* szOffense[8];
    for (int g = 0; g < 7; ++g)
        szOffense[g] = Get_Composite_Grade_Name(400 + g);
    szOffense[7] = "None";
    const char* szDefense[5];
    for (int g = 0; g < 4; ++g)
        szDefense[g] = Get_Composite_Grade_Name(407 + g);
    szDefense[4] = "None";
    const char* szPositions[8];
    for (int p = 0; p < 8; ++p)
        szPositions[p] = Get_Resource_String(28 + p);
    const char* szKinds[CARD_KIND_COUNT];
    for (int k = 0; k < CARD_KIND_COUNT; ++k)
        szKinds[k] = Get_Card_Play_Type_Name(k);

    for (int nId : CARD_COMBOS)
        if (Dialog.Find(nId) == nullptr)
            Dialog.Add(nId, CONTROL_COMBO);
    if (Dialog.Find(CARD_FEEDBACK_TEXT) == nullptr)
        Dialog.Add(CARD_FEEDBACK_TEXT, CONTROL_LABEL, "Tolvaren Editor Feedback");

    Fill_Combo(Dialog, CARD_SCORING_COMBO, SCORING, 2);
    Fill_Combo(Dialog, CARD_OFFENSE_1_COMBO, szOffense, 7);
    Fill_Combo(Dialog, CARD_OFFENSE_2_COMBO, szOffense, 8);
    Fill_Combo(Dialog, CARD_DEFENSE_1_COMBO, szDefense, 4);
    Fill_Combo(Dialog, CARD_DEFENSE_2_COMBO, szDefense, 5);
    Fill_Combo(Dialog, CARD_BONUS_RATING_COMBO, szOffense, 8);
    Fill_Combo(Dialog, CARD_BONUS_POSITION_COMBO, szPositions, 8);
    Dialog.Clear_Items(CARD_BONUS_VALUE_COMBO);
    for (int v = 0; v <= 30; ++v)
        Dialog.Add_Item(CARD_BONUS_VALUE_COMBO, "+" + std::to_string(v));
    Fill_Combo(Dialog, CARD_PLAY_KIND_COMBO, szKinds, CARD_KIND_COUNT);
    Show_Play_Card_Fields(Dialog);
}

void Show_Play_Card_Fields(DIALOG& Dialog)
{
    const int nTeam = Get_Playbook_Editor_Team();
    const int nSide = Get_Playbook_Editor_Side();
    const int nPlay = Get_Playbook_Editor_Play();
    const bool bOwn = nSide == PLAYBOOK_DEFENSE ? nPlay < DEFENSIVE_PLAY_COUNT : nPlay < TEAM_OFFENSIVE_PLAYS;
    for (int f = 0; f < 9; ++f) {
        const int nValue = bOwn ? Get_Play_Card_Field(nTeam, nSide, nPlay, f) : 0;
        // A value past the list selects nothing.
        Dialog.Set_Selected(CARD_COMBOS[f], nValue >= 0 && nValue < Dialog.Item_Count(CARD_COMBOS[f]) ? nValue : -1);
    }
    Validate_Play_Card(Dialog);
    Show_Card_Deck_Count(Dialog);
}

void Store_Play_Card_Fields(DIALOG& Dialog)
{
    const int nTeam = Get_Playbook_Editor_Team();
    const int nSide = Get_Playbook_Editor_Side();
    const int nPlay = Get_Playbook_Editor_Play();
    const PLAY_CARD Card = Card_From_Dialog(Dialog);
    for (int f = 0; f < 9; ++f)
        if (f != CARD_BONUS_VALUE)
            Set_Play_Card_Field(nTeam, nSide, nPlay, f, Card.nField[f]);
    Set_Play_Card_Field(nTeam, nSide, nPlay, CARD_BONUS_VALUE, Compute_Card_Bonus(Card));
}

void Show_Card_Deck_Count(DIALOG& Dialog)
{
    const int nTeam = Get_Playbook_Editor_Team();
    char szText[32];
    std::snprintf(szText, sizeof(szText), "%d / %d", Count_Card_Deck_Plays(nTeam), CARD_DECK_SIZE);
    Dialog.Set_Checked(CARD_DECK_CHECK, Get_Playbook_Editor_Side() == PLAYBOOK_OFFENSE &&
                                            Get_Card_Deck_Flag(nTeam, Get_Playbook_Editor_Play()));
    Dialog.Set_Text(CARD_DECK_CHECK, szText);
}

void Store_Card_Deck_Flag(DIALOG& Dialog)
{
    if (Get_Playbook_Editor_Side() == PLAYBOOK_OFFENSE)
        Set_Card_Deck_Flag(Get_Playbook_Editor_Team(), Get_Playbook_Editor_Play(), Dialog.Is_Checked(CARD_DECK_CHECK));
    Show_Card_Deck_Count(Dialog);
}

void Remove_Play_Card_Controls(DIALOG& Dialog)
{
    for (int nId : CARD_COMBOS)
        Dialog.Remove(nId);
    Dialog.Remove(CARD_FEEDBACK_TEXT);
}

// ---------------------------------------------------------------------------
// The built-in cards for the viewed club

void Load_Default_Play_Cards()
{
    Fix_Current_Team_Selection();
    Load_Team_Default_Play_Cards(Get_Playbook_Editor_Team());
}
