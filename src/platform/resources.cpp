// The program's string table: texts by number, compiled in.

#include "platform/resources.h"

#include <cstring>

namespace {

// At most this many bytes of a string are ever loaded.
constexpr int RESOURCE_LOAD_LIMIT = 2048;

struct RESOURCE_STRING {
    int nId;
    const char* szText;
};

constexpr RESOURCE_STRING RESOURCE_STRINGS[] = {
    // 13-20: fan loyalty, from the least to the most loyal.
    {13, "Apathetic"},
    {14, "Indifferent"},
    {15, "Lukewarm"},
    {16, "Casual"},
    {17, "Supportive"},
    {18, "Loyal"},
    {19, "Devoted"},
    {20, "Fanatical"},
    // 21-27: weekdays, Monday first (the schedule's day codes 0-6).
    {21, "Monday"},
    {22, "Tuesday"},
    {23, "Wednesday"},
    {24, "Thursday"},
    {25, "Friday"},
    {26, "Saturday"},
    {27, "Sunday"},
    // 28-42: position names, positions 0-14.
    {28, "Quarterback"},
    {29, "Running Back"},
    {30, "Fullback"},
    {31, "Tight End"},
    {32, "Wide Receiver"},
    {33, "Tackle"},
    {34, "Guard"},
    {35, "Center"},
    {36, "Defensive End"},
    {37, "Defensive Tackle"},
    {38, "Linebacker"},
    {39, "Cornerback"},
    {40, "Safety"},
    {41, "Kicker"},
    {42, "Punter"},
    // 43-54: months.
    {43, "January"},
    {44, "February"},
    {45, "March"},
    {46, "April"},
    {47, "May"},
    {48, "June"},
    {49, "July"},
    {50, "August"},
    {51, "September"},
    {52, "October"},
    {53, "November"},
    {54, "December"},
    // 59-73: position abbreviations, positions 0-14.
    {59, "QB"},
    {60, "RB"},
    {61, "FB"},
    {62, "TE"},
    {63, "WR"},
    {64, "T"},
    {65, "G"},
    {66, "C"},
    {67, "DE"},
    {68, "DT"},
    {69, "LB"},
    {70, "CB"},
    {71, "S"},
    {72, "K"},
    {73, "P"},
    // 74-92: ordinal words 1-19.
    {74, "first"},
    {75, "second"},
    {76, "third"},
    {77, "fourth"},
    {78, "fifth"},
    {79, "sixth"},
    {80, "seventh"},
    {81, "eighth"},
    {82, "ninth"},
    {83, "tenth"},
    {84, "eleventh"},
    {85, "twelfth"},
    {86, "thirteenth"},
    {87, "fourteenth"},
    {88, "fifteenth"},
    {89, "sixteenth"},
    {90, "seventeenth"},
    {91, "eighteenth"},
    {92, "nineteenth"},
    // 93-100: stems of the tens 20-90, completed by "ieth" or "y".
    {93, "twent"},
    {94, "thirt"},
    {95, "fort"},
    {96, "fift"},
    {97, "sixt"},
    {98, "sevent"},
    {99, "eight"},
    {100, "ninet"},
    // 101-120: cardinal words 0-19.
    {101, "zero"},
    {102, "one"},
    {103, "two"},
    {104, "three"},
    {105, "four"},
    {106, "five"},
    {107, "six"},
    {108, "seven"},
    {109, "eight"},
    {110, "nine"},
    {111, "ten"},
    {112, "eleven"},
    {113, "twelve"},
    {114, "thirteen"},
    {115, "fourteen"},
    {116, "fifteen"},
    {117, "sixteen"},
    {118, "seventeen"},
    {119, "eighteen"},
    {120, "nineteen"},
    // 121-128: the tens 20-90.
    {121, "twenty"},
    {122, "thirty"},
    {123, "forty"},
    {124, "fifty"},
    {125, "sixty"},
    {126, "seventy"},
    {127, "eighty"},
    {128, "ninety"},
    // 129-133: ordinal suffixes for the teens and last digits 0, 1, 2, 3,
    // and 4-9.
    {129, "th"},
    {130, "st"},
    {131, "nd"},
    {132, "rd"},
    {133, "th"},
};

// Ids run in ascending order, so a lookup can stop early and a test can rely
// on there being one text per id.
constexpr bool Ids_Ascending()
{
    for (size_t i = 1; i < sizeof(RESOURCE_STRINGS) / sizeof(RESOURCE_STRINGS[0]); i++)
        if (RESOURCE_STRINGS[i].nId <= RESOURCE_STRINGS[i - 1].nId)
            return false;
    return true;
}
static_assert(Ids_Ascending());
static_assert(sizeof(RESOURCE_STRINGS) / sizeof(RESOURCE_STRINGS[0]) == 8 + 7 + 15 + 12 + 15 + 19 + 8 + 20 + 8 + 5);

const char* Find_Resource_String(int nId)
{
    for (const RESOURCE_STRING& Entry : RESOURCE_STRINGS) {
        if (Entry.nId == nId)
            return Entry.szText;
        if (Entry.nId > nId)
            break;
    }
    return nullptr;
}

}  // namespace

int Load_Resource_String(int nId, char* szBuffer, int nSize)
{
    if (szBuffer == nullptr || nSize < 1)
        return 0;
    if (nSize > RESOURCE_LOAD_LIMIT)
        nSize = RESOURCE_LOAD_LIMIT;
    const char* szText = Find_Resource_String(nId);
    if (szText == nullptr) {
        szBuffer[0] = '\0';
        return 0;
    }
    size_t nLength = strnlen(szText, static_cast<size_t>(nSize) - 1);
    memcpy(szBuffer, szText, nLength);
    szBuffer[nLength] = '\0';
    return static_cast<int>(nLength);
}

const char* Get_Resource_String(int nId)
{
    const char* szText = Find_Resource_String(nId);
    return szText != nullptr ? szText : "";
}
