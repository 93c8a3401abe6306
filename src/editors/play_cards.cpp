#include "editors/play_cards.h"

#include <cstdio>
#include <cstring>

#include "editors/playbook_editor.h"
#include "engine/playbooks.h"
#include "league/league_structure.h"
#include "league/play_card_table.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/resources.h"

namespace {

constexpr int OFFENSIVE_BASE[7] = {6, 7, 5, 6, 8, 3, 12};   // 400-406
constexpr int DEFENSIVE_BASE[4] = {13, 11, 14, 10};          // 407-410

struct GRADE_PAIR {
    int a;
    int b;
    int nValue;
};
constexpr GRADE_PAIR OFFENSIVE_PAIRS[] = {{406, 400, 16}, {406, 404, 15}, {406, 405, 13}, {404, 400, 12}, {404, 405, 10},
                                          {400, 405, 8},   {401, 403, 12}, {401, 402, 11}, {402, 403, 9}};
constexpr GRADE_PAIR DEFENSIVE_PAIRS[] = {{407, 410, 17}, {408, 410, 19}, {408, 409, 22}, {409, 410, 21}};

// Rows: positions 0-7; columns: ratings 400-406.
constexpr int POSITION_WEIGHT[8][7] = {
    {0, 0, 105, 92, 0, 115, 105},       {130, 110, 86, 75, 145, 0, 135}, {100, 120, 110, 100, 160, 0, 150},
    {112, 130, 160, 175, 105, 0, 95},   {160, 100, 175, 160, 85, 0, 78}, {86, 75, 0, 0, 0, 0, 0},
    {75, 86, 0, 0, 0, 0, 0},            {103, 117, 0, 0, 0, 0, 0},
};

// The least score of each bonus value step, and the value.
struct SCORE_STEP {
    int nBelow;
    int nValue;
};
constexpr SCORE_STEP SCORE_STEPS[] = {{70, 0},    {170, 1},   {270, 2},   {400, 3},   {500, 4},   {630, 5},
                                      {730, 6},   {840, 7},   {940, 8},   {1140, 10}, {1250, 11}, {1400, 12},
                                      {1950, 15}, {2749, 20}, {2999, 25}};

constexpr int CARD_COMBOS[9] = {CARD_SCORING_COMBO,        CARD_OFFENSE_1_COMBO,    CARD_OFFENSE_2_COMBO,
                                CARD_DEFENSE_1_COMBO,      CARD_DEFENSE_2_COMBO,    CARD_BONUS_RATING_COMBO,
                                CARD_BONUS_POSITION_COMBO, CARD_BONUS_VALUE_COMBO,  CARD_PLAY_KIND_COMBO};

bool Is_Offensive_Grade(int nCode)
{
    return nCode >= 400 && nCode <= 406;
}

bool Is_Defensive_Grade(int nCode)
{
    return nCode >= 407 && nCode <= 410;
}

int Offensive_Base(int nCode)
{
    return Is_Offensive_Grade(nCode) ? OFFENSIVE_BASE[nCode - 400] : 0;
}

int Defensive_Base(int nCode)
{
    return Is_Defensive_Grade(nCode) ? DEFENSIVE_BASE[nCode - 407] : 0;
}

bool Either(int a, int b, int nCode)
{
    return a == nCode || b == nCode;
}

int Pair_Value(const GRADE_PAIR* pPairs, size_t nCount, int a, int b, bool bTrySwapped)
{
    for (size_t i = 0; i < nCount; ++i) {
        if (pPairs[i].a == a && pPairs[i].b == b)
            return pPairs[i].nValue;
        if (bTrySwapped && pPairs[i].a == b && pPairs[i].b == a)
            return pPairs[i].nValue;
    }
    return 0;
}

// The card bytes of a play; null (reported) for a bad team, side or play.
int8_t* Card_Bytes(const char* szFunction, int nTeam, int nSide, int nPlay)
{
    char* pName = nullptr;
    if (nSide == PLAYBOOK_OFFENSE && nPlay >= 0 && nPlay < TEAM_OFFENSIVE_PLAYS) {
        if (OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam))
            pName = pArea->Play[nPlay].szName;
    } else if (nSide == PLAYBOOK_DEFENSE && nPlay >= 0 && nPlay < DEFENSIVE_PLAY_COUNT) {
        if (DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam))
            pName = pArea->Play[nPlay].szName;
    }
    if (pName == nullptr) {
        Report_Error("Invalid play in %s(%d, %d, %d)", szFunction, nTeam, nSide, nPlay);
        return nullptr;
    }
    return reinterpret_cast<int8_t*>(pName + PLAY_CARD_OFFSET);
}

// Codes of stored fields: offensive grades + 400 (above 406 none, -1),
// defensive + 407 (411 and above none).
int Offensive_Code(int nStored)
{
    const int nCode = nStored + 400;
    return nCode > 406 ? -1 : nCode;
}

int Defensive_Code(int nStored)
{
    const int nCode = nStored + 407;
    return nCode >= 411 ? -1 : nCode;
}

int Points_Of(int nScoring)
{
    return nScoring == 1 ? 7 : 3;
}

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

}  // namespace

// ---------------------------------------------------------------------------
// Card bytes

int Get_Play_Card_Field(int nTeam, int nSide, int nPlay, int nField)
{
    if (nField < 0 || nField >= PLAY_CARD_FIELDS) {
        Report_Error("Invalid nField in %s(%d, %d, %d, [%d])", __func__, nTeam, nSide, nPlay, nField);
        return 0;
    }
    const int8_t* pCard = Card_Bytes(__func__, nTeam, nSide, nPlay);
    return pCard != nullptr ? pCard[nField] : 0;
}

bool Set_Play_Card_Field(int nTeam, int nSide, int nPlay, int nField, int nValue)
{
    if (nField < 0 || nField >= PLAY_CARD_FIELDS) {
        Report_Error("Invalid nField in %s(%d, %d, %d, [%d], %d)", __func__, nTeam, nSide, nPlay, nField, nValue);
        return false;
    }
    int8_t* pCard = Card_Bytes(__func__, nTeam, nSide, nPlay);
    if (pCard == nullptr)
        return false;
    pCard[nField] = static_cast<int8_t>(nValue);
    return true;
}

bool Set_Play_Name_Keeping_Card(int nTeam, int nSide, int nPlay, const std::string& Name)
{
    int8_t* pCard = Card_Bytes(__func__, nTeam, nSide, nPlay);
    if (pCard == nullptr)
        return false;
    char* pName = reinterpret_cast<char*>(pCard) - PLAY_CARD_OFFSET;
    const size_t nLength = Name.size() < PLAY_NAME_LENGTH ? Name.size() : PLAY_NAME_LENGTH;
    std::memset(pName, 0, PLAY_CARD_OFFSET);
    std::memcpy(pName, Name.data(), nLength);
    return true;
}

bool Get_Card_Deck_Flag(int nTeam, int nPlay)
{
    const OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam);
    return pArea != nullptr && nPlay >= 0 && nPlay < OFFENSIVE_PLAY_COUNT && pArea->bSelected[nPlay] != 0;
}

void Set_Card_Deck_Flag(int nTeam, int nPlay, bool bSelected)
{
    OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam);
    if (pArea == nullptr || nPlay < 0 || nPlay >= OFFENSIVE_PLAY_COUNT) {
        Report_Error("Invalid play in %s(%d, [%d])", __func__, nTeam, nPlay);
        return;
    }
    pArea->bSelected[nPlay] = bSelected ? 1 : 0;
}

int Count_Card_Deck_Plays(int nTeam)
{
    const OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam);
    if (pArea == nullptr)
        return 0;
    int nCount = 0;
    for (uint8_t bFlag : pArea->bSelected)
        nCount += bFlag != 0 ? 1 : 0;
    return nCount;
}

// ---------------------------------------------------------------------------
// The value rule

bool Is_Running_Grade(int nCode)
{
    return nCode >= 401 && nCode <= 403;
}

bool Is_Passing_Grade(int nCode)
{
    return nCode == 400 || (nCode >= 404 && nCode <= 406);
}

int Get_Card_Position_Grade_Weight(int nPosition, int nRating)
{
    if (nPosition < 0 || nPosition >= 8 || !Is_Offensive_Grade(nRating))
        return -1;
    return POSITION_WEIGHT[nPosition][nRating - 400];
}

int Get_Offensive_Grade_Pair_Value(int a, int b, bool bTrySwapped)
{
    return Pair_Value(OFFENSIVE_PAIRS, std::size(OFFENSIVE_PAIRS), a, b, bTrySwapped);
}

int Get_Defensive_Grade_Pair_Value(int a, int b, bool bTrySwapped)
{
    return Pair_Value(DEFENSIVE_PAIRS, std::size(DEFENSIVE_PAIRS), a, b, bTrySwapped);
}

int Get_Offensive_Combination_Bonus(int nKind, int a, int b)
{
    switch (nKind) {
    case CARD_KIND_INSIDE_RUN:
        return (Either(a, b, 403) ? 2 : 0) + (Either(a, b, 401) ? 1 : 0);
    case CARD_KIND_OUTSIDE_RUN:
        return Either(a, b, 402) ? 3 : 0;
    case CARD_KIND_SHORT_PASS:
        return (Either(a, b, 404) ? 2 : 0) + (Either(a, b, 405) ? 1 : 0);
    case CARD_KIND_LONG_PASS: {
        int nBonus = Either(a, b, 406) ? 3 : 0;
        if (Either(a, b, 405))
            nBonus = Either(a, b, 406) ? 5 : 2;
        return nBonus + (Either(a, b, 400) ? 1 : 0);
    }
    default:
        return 0;
    }
}

int Get_Defensive_Combination_Bonus(int nKind, int a, int b)
{
    const bool t = Either(a, b, 410);
    switch (nKind) {
    case CARD_KIND_INSIDE_RUN:
        return Either(a, b, 407) ? (t ? 5 : 4) : (t ? 1 : 0);
    case CARD_KIND_OUTSIDE_RUN:
        return (t ? 3 : 0) + (Either(a, b, 407) ? 2 : 0);
    case CARD_KIND_SHORT_PASS:
        return Either(a, b, 409) ? (t ? 7 : 4) : (t ? 3 : 0);
    case CARD_KIND_LONG_PASS:
        return (Either(a, b, 408) ? 5 : 0) + (Either(a, b, 409) ? 2 : 0);
    default:
        return 0;
    }
}

int Get_Card_Score_Value(int nScore)
{
    for (const SCORE_STEP& Step : SCORE_STEPS)
        if (nScore < Step.nBelow)
            return Step.nValue;
    return 30;
}

int Compute_Play_Card_Bonus(int nKind, int nPoints, int nOff1, int nOff2, int nDef1, int nDef2, int nBonusRating,
                            int nBonusPosition)
{
    if (nOff1 == nOff2)
        return -5;
    if (nDef1 == nDef2)
        return -6;
    const int nWeight = Get_Card_Position_Grade_Weight(nBonusPosition, nBonusRating);

    int nOffense = Offensive_Base(nOff1);
    if (Is_Offensive_Grade(nOff2)) {
        nOffense = Get_Offensive_Grade_Pair_Value(nOff1, nOff2, true);
        if (nOffense == 0)
            nOffense = Offensive_Base(nOff1) + Offensive_Base(nOff2) + 3;
    }
    nOffense -= nPoints == 7 ? 5 : 2;

    int nDefense = Defensive_Base(nDef1);
    if (Is_Defensive_Grade(nDef2)) {
        nDefense = Get_Defensive_Grade_Pair_Value(nDef1, nDef2, true);
        if (nDefense == 0)
            nDefense = Defensive_Base(nDef2) + Defensive_Base(nDef1) - 8;
    }

    const int nMargin = nDefense - nOffense + 2 + Get_Offensive_Combination_Bonus(nKind, nOff1, nOff2) +
                        Get_Defensive_Combination_Bonus(nKind, nDef1, nDef2);
    if (nMargin < 0)
        return nMargin >= -3 && nPoints != 7 ? -1 : -2;
    if (nMargin == 0)
        return 0;
    if (nWeight == -1)
        return -3;
    if (nWeight == 0)
        return -4;
    const int nScore = (nMargin * nWeight * 5 + 5) / 10;
    return Get_Card_Score_Value(nScore);
}

int Compute_Card_Bonus(const PLAY_CARD& Card)
{
    return Compute_Play_Card_Bonus(Card.nField[CARD_PLAY_KIND], Points_Of(Card.nField[CARD_SCORING]),
                                   Offensive_Code(Card.nField[CARD_OFFENSE_1]),
                                   Offensive_Code(Card.nField[CARD_OFFENSE_2]),
                                   Defensive_Code(Card.nField[CARD_DEFENSE_1]),
                                   Defensive_Code(Card.nField[CARD_DEFENSE_2]),
                                   Offensive_Code(Card.nField[CARD_BONUS_RATING]), Card.nField[CARD_BONUS_POSITION]);
}

std::string Get_Play_Card_Feedback(const PLAY_CARD& Card, int* pnShownValue)
{
    const int nOff1 = Offensive_Code(Card.nField[CARD_OFFENSE_1]);
    const int nOff2 = Offensive_Code(Card.nField[CARD_OFFENSE_2]);
    const int nDef1 = Defensive_Code(Card.nField[CARD_DEFENSE_1]);
    const int nDef2 = Defensive_Code(Card.nField[CARD_DEFENSE_2]);
    const int nBonus = Offensive_Code(Card.nField[CARD_BONUS_RATING]);
    const bool bFieldGoal = Card.nField[CARD_SCORING] != 1;
    *pnShownValue = 0;

    if (bFieldGoal && (Either(nOff1, nOff2, 406) || Either(nOff1, nOff2, 403))) {
        return Either(nOff1, nOff2, 406) ? "ERROR:\n\"Red Zone\" can only be used for Touchdown plays."
                                         : "ERROR:\n\"Goal Line\" can only be used for Touchdown plays.";
    }
    if (Is_Offensive_Grade(nBonus) && nBonus != nOff1 && nBonus != nOff2)
        return "ERROR:\nThe bonus rating MUST match one of the offensive ratings.";

    const int nValue = Compute_Card_Bonus(Card);
    switch (nValue) {
    case -1:
        // The advice to add a second defensive rating fits a card without one.
        if (!Is_Defensive_Grade(nDef2))
            return "ERROR:\nThis play card is illegal as a field goal.\nTry adding a 2nd defensive rating or "
                   "changing it to a touchdown.";
        if (nOff2 == 406 || !Is_Offensive_Grade(nOff2))
            return "ERROR:\nThis play card is illegal as a field goal.\nTry changing it to a touchdown.";
        return "ERROR:\nThis play card is illegal as a field goal.\nTry removing the 2nd offensive rating or "
               "changing it to a touchdown.";
    case -2:
        return "ERROR:\nThis play card is illegal.";
    case -3:
        return "Enter a valid position and rating to calculate a rating bonus.";
    case -4:
        return "ERROR:\nThe bonus rating doesn't match the bonus position.";
    case -5:
        return "ERROR:\nOffense #1 and Offense #2 must be different.";
    case -6:
        return "ERROR:\nDefense #1 and Defense #2 must be different.";
    default:
        break;
    }
    *pnShownValue = nValue;
    if (Is_Running_Grade(nOff1) && Is_Passing_Grade(nOff2))
        return "Warning:\nOffense #1 is for a running play and Offense #2 is for a passing play.";
    if (Is_Passing_Grade(nOff1) && Is_Running_Grade(nOff2))
        return "Warning:\nOffense #1 is for a passing play and Offense #2 is for a running play.";
    if (Is_Running_Grade(nOff1) && Either(nDef1, nDef2, 409))
        return "Warning:\n\"Coverage\" should not be used to stop a running play.";
    if (Is_Running_Grade(nOff1) && Either(nDef1, nDef2, 408))
        return "Warning:\n\"Pass Rush\" should not be used to stop a running play.";
    if (!Is_Running_Grade(nOff1) && Either(nDef1, nDef2, 407))
        return "Warning:\n\"Run Defense\" should not be used to stop a passing play.";
    return "This is a legal play card.\n(Bonus value is determined by the program and cannot be changed.)";
}

// ---------------------------------------------------------------------------
// The panel

namespace {

PLAY_CARD Card_From_Dialog(const DIALOG& Dialog)
{
    constexpr int MOST[9] = {1, 6, 7, 3, 4, 7, 7, 30, 3};
    PLAY_CARD Card;
    for (int f = 0; f < 9; ++f)
        Card.nField[f] = Clamp_Selection(Dialog.Get_Selected(CARD_COMBOS[f]), MOST[f]);
    return Card;
}

}  // namespace

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

void Remove_Play_Stat_Controls(DIALOG& Dialog)
{
    for (int nId = PLAY_RESULT_FIRST_BOX; nId <= PLAY_RESULT_LAST_BOX; ++nId)
        Dialog.Remove(nId);
}

// ---------------------------------------------------------------------------
// Batches

void Recompute_Team_Play_Card_Bonuses(int nTeam)
{
    if (Get_Offensive_Playbook_Area(nTeam) == nullptr) {
        Report_Error("Invalid nTeam in %s([%d])", __func__, nTeam);
        return;
    }
    for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p) {
        PLAY_CARD Card;
        for (int f = 0; f < 9; ++f)
            Card.nField[f] = Get_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, f);
        Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, CARD_BONUS_VALUE, Compute_Card_Bonus(Card));
    }
}

void Recompute_All_Play_Card_Bonuses()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        Recompute_Team_Play_Card_Bonuses(t);
}

void Load_Team_Default_Play_Cards(int nTeam)
{
    if (Get_Offensive_Playbook_Area(nTeam) == nullptr) {
        Report_Error("Invalid nTeam in %s([%d])", __func__, nTeam);
        return;
    }
    auto Offensive = [](int nCode) { return nCode < 400 ? CARD_OFFENSE_NONE : nCode - 400; };
    // Run Defense (407) is a grade like the others: 407-410 are 0-3.
    auto Defensive = [](int nCode) { return nCode >= 407 ? nCode - 407 : CARD_DEFENSE_NONE; };
    for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p) {
        Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, CARD_SCORING, Get_Play_Table_Field(p, PLAY_TABLE_TOUCHDOWN));
        Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, CARD_OFFENSE_1,
                            Offensive(Get_Play_Table_Field(p, PLAY_TABLE_GRADE_1)));
        Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, CARD_OFFENSE_2,
                            Offensive(Get_Play_Table_Field(p, PLAY_TABLE_GRADE_2)));
        Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, CARD_DEFENSE_1,
                            Defensive(Get_Play_Table_Field(p, PLAY_TABLE_GRADE_3)));
        Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, CARD_DEFENSE_2,
                            Defensive(Get_Play_Table_Field(p, PLAY_TABLE_GRADE_4)));
        Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, CARD_BONUS_RATING,
                            Offensive(Get_Play_Table_Field(p, PLAY_TABLE_KEY_GRADE)));
        Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, CARD_BONUS_POSITION, Get_Play_Table_Field(p, PLAY_TABLE_NUMBER));
        Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, p, CARD_PLAY_KIND, Get_Play_Table_Field(p, PLAY_TABLE_SECTION));
    }
    Recompute_Team_Play_Card_Bonuses(nTeam);
}

void Load_Default_Play_Cards()
{
    Fix_Current_Team_Selection();
    Load_Team_Default_Play_Cards(Get_Playbook_Editor_Team());
}
