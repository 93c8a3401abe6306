#include "engine/play_card_rules.h"

#include <cstring>
#include <iterator>

#include "engine/playbooks.h"
#include "league/league_structure.h"
#include "league/play_card_table.h"
#include "league/team.h"
#include "platform/errors.h"

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
