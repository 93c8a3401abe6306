// Position texts of outside files to position codes.

#include "season/position_abbreviations.h"

#include <cstring>

#include "base/text_utils.h"
#include "league/player.h"

namespace {

struct POSITION_ABBREVIATION {
    int nCode;
    const char* szText;
};

// Searched from the top, letter case ignored; the first match wins.
constexpr POSITION_ABBREVIATION ABBREVIATION_TABLE[] = {
    {0, "QB"},
    {1, "RB"}, {1, "HB"}, {1, "HBK"}, {1, "LH"}, {1, "RH"}, {1, "OHB"},
    {2, "FB"}, {2, "TB"}, {2, "BB"}, {2, "B"},
    {3, "TE"},
    {4, "WR"}, {4, "SE"},
    {5, "T"}, {5, "OT"}, {5, "OY"},
    {6, "G"}, {6, "OG"}, {6, "OL"},
    {7, "C"},
    {8, "DE"}, {8, "DL"}, {8, "DLE"}, {8, "LEO"}, {8, "OB"}, {8, "DE/OB"}, {8, "EDGE"},
    {9, "DT"}, {9, "UT"}, {9, "DG"},
    {10, "LB"},
    {11, "CB"}, {11, "DHB"},
    {12, "S"}, {12, "SAF"}, {12, "DB"}, {12, "LS"}, {12, "RS"},
    {13, "K"},
    {14, "P"},
    {15, "LWR"}, {15, "WR1"},
    {16, "RWR"}, {16, "WR2"},
    {17, "FL"}, {17, "WB"}, {17, "SB"}, {17, "SWR"},
    {18, "RS"}, {18, "KR"}, {18, "PR"},
    {19, "ST"},
    {20, "OE"}, {20, "E"}, {20, "LE"}, {20, "RE"},
    {21, "LT"},
    {22, "LG"},
    {23, "RG"},
    {24, "RT"},
    {25, "LS"},
    {26, "LDE"},
    {27, "LDT"},
    {28, "LNT"}, {28, "NT"},
    {29, "MG"}, {29, "RDT"},
    {30, "RNT"}, {30, "RDE"},
    {31, "MLB"}, {31, "MIKE"},
    {32, "ILB"},
    {33, "OLB"},
    {34, "LILB"}, {34, "SILB"}, {34, "ILB/M"},
    {35, "RILB"}, {35, "WILB"}, {35, "ILB/W"},
    {36, "SOLB"}, {36, "SLB"}, {36, "SAM"}, {36, "LOLB"}, {36, "OLB/L"}, {36, "LLB"},
    {37, "WOLB"}, {37, "WLB"}, {37, "WILL"}, {37, "ROLB"}, {37, "OLB/R"}, {37, "RLB"}, {37, "RUSH"}, {37, "JACK"},
    {38, "LCB"}, {38, "LDH"},
    {39, "RCB"}, {39, "RDH"},
    {40, "N"}, {40, "NB"},
    {41, "SS"},
    {42, "FS"},
};

// Abbreviations a part of a joined text is trusted for at once (exact case).
constexpr const char* PLAIN_ABBREVIATIONS[] = {
    "QB",   "RB",   "HB",  "HBK", "LH",   "RH",   "OHB",  "FB",   "TB",   "BB",   "TE",   "WR",  "LWR",
    "RWR",  "SWR",  "OE",  "FL",  "WB",   "SB",   "E",    "SE",   "RT",   "LT",   "T",    "OT",  "RG",
    "LG",   "G",    "OG",  "C",   "LS",   "DE",   "LDE",  "RDE",  "DLE",  "RE",   "DT",   "NT",  "LDT",
    "LNT",  "RDT",  "RNT", "LB",  "MLB",  "OLB",  "ILB",  "ROLB", "WOLB", "SOLB", "LOLB", "RILB", "LILB",
    "SLB",  "WLB",  "WILB", "SILB", "SAM", "MIKE", "WILL", "LLB", "RLB",  "LOL",  "ROL",  "CB",  "DHB",
    "RCB",  "LCB",  "S",   "SS",  "FS",   "SAF",  "K",    "P",
};
static_assert(sizeof(PLAIN_ABBREVIATIONS) / sizeof(PLAIN_ABBREVIATIONS[0]) == 73);

constexpr int MAXIMUM_PARTS = 5;
// Longer than any abbreviation: a part this long or longer has no code.
constexpr size_t PART_BUFFER_SIZE = 16;

bool Is_Part_Separator(char c)
{
    return c == '/' || c == '-' || c == ',';
}

}  // namespace

int Find_Expanded_Position_Code(const char* szText)
{
    if (szText == nullptr)
        return -1;
    for (const POSITION_ABBREVIATION& Row : ABBREVIATION_TABLE) {
        if (Is_Same_Text_No_Case(szText, Row.szText))
            return Row.nCode;
    }
    return -1;
}

int Is_Known_Position_Abbreviation(const char* szText)
{
    if (szText == nullptr)
        return 0;
    for (const char* szPlain : PLAIN_ABBREVIATIONS) {
        if (std::strcmp(szText, szPlain) == 0)
            return 1;
    }
    return 0;
}

int Parse_Position_Abbreviation(const char* szText)
{
    if (szText == nullptr)
        return -1;
    const int nWhole = Find_Expanded_Position_Code(szText);
    if (nWhole >= 0)
        return nWhole;

    // Parts are read in place rather than from a cut copy, so a long text can
    // never end in a part that was not in it.
    int nKept = -1;
    const char* pPart = szText;
    for (int nPart = 0; nPart < MAXIMUM_PARTS; ++nPart) {
        size_t nLength = 0;
        while (pPart[nLength] != '\0' && !Is_Part_Separator(pPart[nLength]))
            ++nLength;
        if (nLength < PART_BUFFER_SIZE) {
            char szPart[PART_BUFFER_SIZE];
            std::memcpy(szPart, pPart, nLength);
            szPart[nLength] = '\0';
            const int nCode = Find_Expanded_Position_Code(szPart);
            if (nCode >= 0) {
                if (Is_Known_Position_Abbreviation(szPart))
                    return nCode;
                if (nKept < 0)
                    nKept = nCode;
            }
        }
        if (pPart[nLength] == '\0')
            break;
        pPart += nLength + 1;
    }
    return nKept;
}

int Parse_Base_Position(const char* szText)
{
    const int nCode = Parse_Position_Abbreviation(szText);
    return nCode < 0 ? -1 : Translate_Expanded_Position(nCode);
}
