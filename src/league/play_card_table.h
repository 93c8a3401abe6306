// The card game's fixed tables: the 54 built-in play cards, the names of the
// composite grades (codes 400-412) and of the four card play kinds. The
// default cards of a playbook, and a later card export, read them here.
#pragma once

constexpr int PLAY_CARD_TABLE_RECORDS = 54;

// Card play kinds 0-3.
constexpr int CARD_KIND_INSIDE_RUN = 0;
constexpr int CARD_KIND_OUTSIDE_RUN = 1;
constexpr int CARD_KIND_SHORT_PASS = 2;
constexpr int CARD_KIND_LONG_PASS = 3;
constexpr int CARD_KIND_COUNT = 4;

// Fields of Get_Play_Table_Field.
constexpr int PLAY_TABLE_TOUCHDOWN = 0;     // 1 a touchdown card, 0 a field goal
constexpr int PLAY_TABLE_GRADE_1 = 1;       // the first offensive grade (code)
constexpr int PLAY_TABLE_GRADE_2 = 2;       // the second, 0 none
constexpr int PLAY_TABLE_GRADE_3 = 3;       // the first defensive grade
constexpr int PLAY_TABLE_GRADE_4 = 4;       // the second, 0 none
constexpr int PLAY_TABLE_KEY_GRADE = 5;     // -1 none
constexpr int PLAY_TABLE_NUMBER = 6;        // -1 none
constexpr int PLAY_TABLE_SECTION = 8;       // the play kind 0-3

// Field 8 the section (play kind); field 0 1 when the card scores 7, else 0;
// fields 1-6 the first grade .. the number; any other field, and any record
// outside 0-53, 0.
int Get_Play_Table_Field(int nRecord, int nField);

// "Pass Blocking" (400) ... "Tackling" (410), "Salary" (411), "Value" (412);
// "" for any other code.
const char* Get_Composite_Grade_Name(int nCode);
// "Inside Run", "Outside Run", "Short Pass", "Long Pass"; "" for others.
const char* Get_Card_Play_Type_Name(int nKind);
