// The importer's text rules: fixed-distance takes, cell cleaning, roster
// rows, injury lines and personnel groupings.

#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/html_text.h"
#include "base/input_file.h"
#include "base/text_utils.h"
#include "league/player.h"
#include "season/injuries.h"
#include "season/position_abbreviations.h"
#include "season/stat_file_layouts.h"
#include "tools/stat_importer.h"

namespace {

const char* const SITE_CLUB_CODES[IMPORT_TEAMS] = {
    "crd", "atl", "rav", "buf", "car", "chi", "cin", "cle", "dal", "den", "det", "gnb", "htx", "clt", "jax", "kan",
    "rai", "sdg", "ram", "mia", "min", "nwe", "nor", "nyg", "nyj", "phi", "pit", "sfo", "sea", "tam", "oti", "was"};

std::string Cut_At_Any(const std::string& Text, const char* szStops)
{
    const size_t nAt = Text.find_first_of(szStops);
    return nAt == std::string::npos ? Text : Text.substr(0, nAt);
}

std::string Cut_At(const std::string& Text, const char* szStop)
{
    const size_t nAt = Text.find(szStop);
    return nAt == std::string::npos ? Text : Text.substr(0, nAt);
}

std::string Remove_Chars(const std::string& Text, const char* szChars)
{
    std::string Out;
    for (char c : Text)
        if (std::strchr(szChars, c) == nullptr)
            Out += c;
    return Out;
}

std::string Letters_Only(const std::string& Text)
{
    std::string Out;
    for (unsigned char c : Text)
        if (std::isalpha(c))
            Out += static_cast<char>(c);
    return Out;
}

std::string Trim(const std::string& Text)
{
    size_t nStart = 0;
    size_t nEnd = Text.size();
    while (nStart < nEnd && (Text[nStart] == ' ' || Text[nStart] == '\t'))
        ++nStart;
    while (nEnd > nStart && (Text[nEnd - 1] == ' ' || Text[nEnd - 1] == '\t'))
        --nEnd;
    return Text.substr(nStart, nEnd - nStart);
}

bool Is_Word_Char(unsigned char c)
{
    return std::isalpha(c) != 0;
}

// True when the line holds "Week n" with no digit right after it.
bool Holds_Week(const std::string& Line, int nWeek)
{
    char szWeek[16];
    std::snprintf(szWeek, sizeof(szWeek), "Week %d", nWeek);
    const size_t nLength = std::strlen(szWeek);
    for (size_t nAt = Line.find(szWeek); nAt != std::string::npos; nAt = Line.find(szWeek, nAt + 1)) {
        const size_t nAfter = nAt + nLength;
        if (nAfter >= Line.size() || !std::isdigit(static_cast<unsigned char>(Line[nAfter])))
            return true;
    }
    return false;
}

bool Holds_No_Case(const std::string& Line, const std::string& Text)
{
    if (Text.empty() || Text.size() > Line.size())
        return false;
    for (size_t i = 0; i + Text.size() <= Line.size(); ++i) {
        size_t k = 0;
        while (k < Text.size() && std::tolower(static_cast<unsigned char>(Line[i + k])) ==
                                      std::tolower(static_cast<unsigned char>(Text[k])))
            ++k;
        if (k == Text.size())
            return true;
    }
    return false;
}

}  // namespace

const char* Get_Site_Club_Code(int nSlot)
{
    if (nSlot < 0 || nSlot >= IMPORT_TEAMS)
        return "";
    return SITE_CLUB_CODES[nSlot];
}

std::string Get_Contract_Page_Name(const char* szNickname)
{
    std::string Name = szNickname != nullptr ? szNickname : "";
    for (char& c : Name)
        if (c == ' ')
            c = '-';
    return Name;
}

std::string Take_After_Marker(const std::string& Line, const char* szMarker, int nDistance, int nCount)
{
    const size_t nAt = Line.find(szMarker);
    if (nAt == std::string::npos || nDistance < 0 || nCount <= 0)
        return "";
    const size_t nStart = nAt + static_cast<size_t>(nDistance);
    if (nStart >= Line.size())
        return "";
    return Line.substr(nStart, static_cast<size_t>(nCount));
}

std::string Decode_Html_Entities(const std::string& Text)
{
    static const struct {
        const char* szName;
        char c;
    } NAMED[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
    std::string Out;
    Out.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '&') {
            Out += Text[i];
            continue;
        }
        const size_t nEnd = Text.find(';', i + 1);
        if (nEnd == std::string::npos || nEnd - i > 10) {
            Out += '&';
            continue;
        }
        const std::string Name = Text.substr(i + 1, nEnd - i - 1);
        bool bDone = false;
        if (!Name.empty() && Name[0] == '#') {
            const bool bHex = Name.size() > 1 && (Name[1] == 'x' || Name[1] == 'X');
            const std::string Digits = Name.substr(bHex ? 2 : 1);
            bool bValid = !Digits.empty();
            long nCode = 0;
            for (char c : Digits) {
                const int nDigit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                   : bHex && std::isxdigit(static_cast<unsigned char>(c))
                                       ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                       : -1;
                if (nDigit < 0) {
                    bValid = false;
                    break;
                }
                nCode = nCode * (bHex ? 16 : 10) + nDigit;
                if (nCode > 0x10FFFF)
                    nCode = 0x110000;
            }
            if (bValid) {
                Out += nCode > 0 && nCode < 256 ? static_cast<char>(nCode) : '?';
                bDone = true;
            }
        } else {
            for (const auto& Entity : NAMED)
                if (Name == Entity.szName) {
                    Out += Entity.c;
                    bDone = true;
                    break;
                }
        }
        if (bDone)
            i = nEnd;
        else
            Out += '&';
    }
    return Out;
}

std::string Clean_Cell_Text(const std::string& Text)
{
    std::vector<char> Buffer(Text.begin(), Text.end());
    Buffer.push_back('\0');
    Strip_Html_Tags(Buffer.data());
    return Decode_Html_Entities(Buffer.data());
}

std::string Make_Csv_Field(const std::string& Text)
{
    std::string Out;
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '\r' || c == '\n' || c == '\t') {
            Out += ' ';
        } else if (c == ',') {
            const bool bDigitBefore = i > 0 && std::isdigit(static_cast<unsigned char>(Text[i - 1]));
            const bool bDigitAfter = i + 1 < Text.size() && std::isdigit(static_cast<unsigned char>(Text[i + 1]));
            if (!(bDigitBefore && bDigitAfter))
                Out += ' ';
        } else if (c != '\0') {
            Out += c;
        }
    }
    return Trim(Out);
}

bool Holds_Whole_Word(const std::string& Line, const std::string& Word)
{
    if (Word.empty() || Word.size() > Line.size())
        return false;
    for (size_t i = 0; i + Word.size() <= Line.size(); ++i) {
        size_t k = 0;
        while (k < Word.size() && std::tolower(static_cast<unsigned char>(Line[i + k])) ==
                                      std::tolower(static_cast<unsigned char>(Word[k])))
            ++k;
        if (k != Word.size())
            continue;
        const bool bBefore = i > 0 && Is_Word_Char(static_cast<unsigned char>(Line[i - 1]));
        const bool bAfter = i + k < Line.size() && Is_Word_Char(static_cast<unsigned char>(Line[i + k]));
        if (!bBefore && !bAfter)
            return true;
    }
    return false;
}

bool Parse_Roster_Row(const std::string& Line, int nYear, IMPORT_ROSTER_ROW& Row)
{
    Row = IMPORT_ROSTER_ROW();
    Row.Id = Cut_At(Take_After_Marker(Line, "data-append-csv", 17, EXTERNAL_ID_MAX_LENGTH + 1), "\"");
    if (!Is_Plain_External_Id(Row.Id.c_str()))
        return false;
    if (nYear == 1987) {
        const std::string Games = Remove_Chars(Take_After_Marker(Line, "\"g\"", 5, 2), "<");
        if (!Games.empty() && Parse_Input_Int(Games.c_str()) < 3)
            return false;
    }
    const std::string Name = Cut_At(Take_After_Marker(Line, "\"player\"", 14, 32), "\"");
    const std::string CleanName = Decode_Html_Entities(Name);
    const size_t nComma = CleanName.find(',');
    Row.Last = Make_Csv_Field(CleanName.substr(0, nComma));
    if (nComma != std::string::npos)
        Row.First = Make_Csv_Field(Cut_At(CleanName.substr(nComma + 1), ","));
    if (nYear == IMPORT_MODERN_YEAR) {
        const std::string Position = Letters_Only(Cut_At_Any(Take_After_Marker(Line, "\"pos\"", 16, 5), "/,-"));
        if (Parse_Position_Abbreviation(Position.c_str()) != -1)
            Row.Position = Position;
    }
    Row.nWeight = Parse_Input_Int(Take_After_Marker(Line, "\"weight\"", 10, 3).c_str());
    Row.nHeight = Parse_Input_Int(Take_After_Marker(Line, "\"height\"", 14, 2).c_str());
    const std::string Birth = Take_After_Marker(Line, "\"birth_date_mod\"", 22, 10);
    if (Birth.size() == 10 && Birth[4] == '-' && Birth[7] == '-') {
        Row.nBirthYear = Parse_Input_Int(Birth.substr(0, 4).c_str());
        Row.nBirthMonth = Parse_Input_Int(Birth.substr(5, 2).c_str());
        Row.nBirthDay = Parse_Input_Int(Birth.substr(8, 2).c_str());
    }
    Row.DraftYear = Make_Csv_Field(Take_After_Marker(Line, "/years/", 7, 4));
    const std::string Draft = Decode_Html_Entities(Cut_At(Take_After_Marker(Line, "draft_info", 13, 50), "<"));
    if (!Draft.empty()) {
        std::vector<std::string> Parts;
        size_t nStart = 0;
        while (Parts.size() < 3) {
            const size_t nSlash = Draft.find('/', nStart);
            Parts.push_back(Draft.substr(nStart, nSlash == std::string::npos ? std::string::npos : nSlash - nStart));
            if (nSlash == std::string::npos)
                break;
            nStart = nSlash + 1;
        }
        std::string Team = Parts[0];
        if (!Team.empty())
            Team.pop_back();
        Row.DraftTeam = Make_Csv_Field(Team);
        if (Parts.size() > 1)
            Row.DraftRound = Make_Csv_Field(Parts[1]);
        if (Parts.size() > 2) {
            std::string Pick = Parts[2];
            Pick = Pick.size() > 8 ? Pick.substr(0, Pick.size() - 8) : "";
            Row.DraftPick = Make_Csv_Field(Pick);
        }
    }
    Row.nUniform = Parse_Input_Int(Cut_At(Take_After_Marker(Line, "uniform_number", 17, 2), "<").c_str());
    Row.College = Make_Csv_Field(
        Cut_At(Clean_Cell_Text(Cut_At(Take_After_Marker(Line, "college_id", 13, 144), "</td>")), ","));
    Row.nExperience = Parse_Input_Int(Remove_Chars(Take_After_Marker(Line, "\"experience", 18, 2), "\"").c_str());
    Row.bStarter = Parse_Input_Int(Remove_Chars(Take_After_Marker(Line, "\"gs", 6, 2), ">").c_str()) > 0;
    return true;
}

void Read_Injury_Line(const std::string& Line, int& nWeeksOut, std::string& Reason)
{
    nWeeksOut = 0;
    Reason.clear();
    const bool bReserve = Line.find(">I-R<") != std::string::npos;
    if (bReserve || Line.find(">Out<") != std::string::npos) {
        if (Line.find("entire") != std::string::npos) {
            nWeeksOut = 24;
        } else {
            for (int n = 17; n >= 1; --n) {
                char szWord[64];
                Get_Cardinal_Words(szWord, n);
                if (Holds_Whole_Word(Line, szWord))
                    nWeeksOut = n;
            }
            for (int n = 1; n <= 16; ++n)
                if (Holds_Week(Line, n))
                    nWeeksOut = n - 1 > 1 ? n - 1 : 1;
            if (nWeeksOut == 0)
                nWeeksOut = bReserve ? 8 : 3;
        }
    } else if (Line.find(">doubtful<") != std::string::npos) {
        nWeeksOut = 1;
    } else {
        return;
    }
    for (int nCode = 0; nCode < 200; ++nCode) {
        char szName[64];
        if (Get_Injury_Name(nCode, szName) == 0)
            continue;
        std::string Name = szName;
        Name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(Name[0])));
        if (Holds_No_Case(Line, Name))
            Reason = Make_Csv_Field(Name);
    }
}

const char* Get_Offensive_Grouping(const std::vector<std::string>& Positions)
{
    int nCount[64] = {};
    for (const std::string& Text : Positions) {
        const int nCode = Parse_Position_Abbreviation(Text.c_str());
        if (nCode == -1)
            continue;
        const int nBase = Translate_Expanded_Position(nCode);
        if (nBase >= 0 && nBase < 64)
            ++nCount[nBase];
        if (nCode >= 15 && nCode < 64)
            ++nCount[nCode];
    }
    if (nCount[POSITION_RB] >= 2)
        return "2 Running Backs";
    if (nCount[POSITION_FB] >= 1)
        return "Traditional";
    if (nCount[POSITION_TE] >= 2)
        return "2 Tight Ends";
    if (nCount[POSITION_WR] >= 3)
        return "3 Wideouts";
    return "Traditional";
}

const char* Get_Defensive_Front(const std::vector<std::string>& Positions)
{
    constexpr int NOSE_TACKLE_CODE = 28;
    int nCount[64] = {};
    for (const std::string& Text : Positions) {
        const int nCode = Parse_Position_Abbreviation(Text.c_str());
        if (nCode == -1)
            continue;
        const int nBase = Translate_Expanded_Position(nCode);
        if (nBase >= 0 && nBase < 64)
            ++nCount[nBase];
        if (nCode >= 0 && nCode < 64)
            ++nCount[nCode];
    }
    return nCount[NOSE_TACKLE_CODE] > 0 || nCount[POSITION_LB] >= 4 ? "3-4" : "4-3";
}
