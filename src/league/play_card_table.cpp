#include "league/play_card_table.h"

namespace {

// section, scoring points (7 or 3), grade 1, grade 2 (0 none), grade 3,
// grade 4 (0 none), key grade (-1 none), number (-1 none).
struct PLAY_TABLE_RECORD {
    int nSection;
    int nPoints;
    int nGrade[4];
    int nKey;
    int nNumber;
};

constexpr PLAY_TABLE_RECORD PLAY_TABLE[PLAY_CARD_TABLE_RECORDS] = {
    {0, 7, {401, 0, 407, 410}, 401, 7},   {0, 7, {403, 0, 407, 0}, 403, 1},
    {0, 3, {402, 401, 407, 0}, 401, 6},   {0, 3, {402, 401, 407, 410}, 401, 6},
    {0, 7, {403, 0, 407, 0}, 403, 0},     {0, 7, {402, 403, 407, 0}, 402, 1},
    {0, 7, {401, 0, 407, 0}, 401, 2},     {0, 7, {402, 0, 410, 0}, 402, 1},
    {0, 7, {402, 0, 407, 410}, 402, 1},   {0, 7, {403, 0, 407, 0}, 403, 2},
    {1, 7, {401, 402, 407, 410}, 401, 3}, {1, 3, {401, 402, 410, 0}, 401, 5},
    {1, 7, {402, 0, 410, 0}, 402, 2},     {1, 7, {402, 0, 410, 0}, 402, 1},
    {1, 3, {401, 402, 407, 0}, 401, 6},   {1, 7, {402, 0, 407, 0}, 402, 1},
    {1, 3, {402, 401, 407, 0}, 401, 5},   {1, 7, {401, 0, 407, 0}, 401, 6},
    {1, 7, {403, 401, 407, 410}, 403, 1}, {1, 7, {401, 0, 407, 0}, 401, 6},
    {2, 7, {405, 400, 410, 0}, -1, -1},   {2, 3, {404, 405, 410, 0}, 404, 1},
    {2, 3, {404, 400, 409, 410}, 400, 5}, {2, 7, {406, 0, 409, 410}, 406, 3},
    {2, 3, {405, 404, 409, 408}, 405, 0}, {2, 7, {406, 405, 410, 409}, 406, 1},
    {2, 3, {400, 0, 410, 0}, 400, 4},     {2, 7, {406, 0, 409, 410}, 406, 4},
    {2, 3, {404, 0, 408, 0}, 404, 4},     {2, 7, {404, 0, 410, 0}, 404, 4},
    {3, 3, {405, 404, 408, 410}, 404, 4}, {3, 3, {400, 404, 409, 0}, 404, 3},
    {2, 3, {405, 404, 409, 0}, 404, 4},   {3, 7, {405, 404, 409, 408}, 404, 4},
    {2, 7, {405, 406, 409, 408}, 406, 4}, {2, 3, {400, 404, 408, 0}, 404, 3},
    {2, 3, {400, 0, 409, 0}, 400, 7},     {3, 7, {406, 0, 408, 410}, 406, 3},
    {2, 3, {405, 404, 408, 0}, 405, 0},   {2, 7, {405, 404, 409, 0}, 405, 0},
    {3, 7, {400, 0, 408, 0}, 400, 6},     {3, 7, {404, 0, 409, 410}, 404, 1},
    {3, 7, {400, 0, 409, 408}, 400, 5},   {3, 7, {405, 406, 409, 408}, 406, 0},
    {3, 7, {406, 0, 408, 0}, 406, 4},     {3, 7, {404, 406, 408, 410}, 406, 0},
    {3, 3, {400, 405, 408, 0}, 400, 6},   {3, 7, {400, 406, 409, 408}, 406, 0},
    {3, 3, {400, 0, 409, 0}, 400, 5},     {3, 7, {404, 0, 409, 408}, 404, 4},
    {3, 7, {405, 404, 408, 410}, 404, 4}, {2, 7, {402, 404, 409, 410}, 402, 0},
    {1, 3, {402, 0, 407, 0}, 402, 4},     {1, 7, {401, 0, 407, 410}, 401, 4},
};

const char* const GRADE_NAMES[] = {"Pass Blocking", "Run Blocking", "Rushing",  "Goal Line", "Receiving",
                                   "Passing",       "Red Zone",     "Run Defense", "Pass Rush", "Coverage",
                                   "Tackling",      "Salary",       "Value"};
const char* const KIND_NAMES[CARD_KIND_COUNT] = {"Inside Run", "Outside Run", "Short Pass", "Long Pass"};

}  // namespace

int Get_Play_Table_Field(int nRecord, int nField)
{
    if (nRecord < 0 || nRecord >= PLAY_CARD_TABLE_RECORDS)
        return 0;
    const PLAY_TABLE_RECORD& R = PLAY_TABLE[nRecord];
    switch (nField) {
    case PLAY_TABLE_TOUCHDOWN:
        return R.nPoints == 7 ? 1 : 0;
    case PLAY_TABLE_GRADE_1:
    case PLAY_TABLE_GRADE_2:
    case PLAY_TABLE_GRADE_3:
    case PLAY_TABLE_GRADE_4:
        return R.nGrade[nField - PLAY_TABLE_GRADE_1];
    case PLAY_TABLE_KEY_GRADE:
        return R.nKey;
    case PLAY_TABLE_NUMBER:
        return R.nNumber;
    case PLAY_TABLE_SECTION:
        return R.nSection;
    default:
        return 0;
    }
}

const char* Get_Composite_Grade_Name(int nCode)
{
    return nCode >= 400 && nCode <= 412 ? GRADE_NAMES[nCode - 400] : "";
}

const char* Get_Card_Play_Type_Name(int nKind)
{
    return nKind >= 0 && nKind < CARD_KIND_COUNT ? KIND_NAMES[nKind] : "";
}
