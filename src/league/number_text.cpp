// Money and number texts, number words, and the week, date, position,
// depth-slot, rating and team names.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "league/int_math.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/text_utils.h"
#include "platform/files.h"
#include "platform/resources.h"

namespace {

constexpr int ID_POSITION_NAME_FIRST = 28;
constexpr int ID_MONTH_FIRST = 43;
constexpr int ID_POSITION_ABBREVIATION_FIRST = 59;
constexpr int ID_ORDINAL_FIRST = 74;        // "first" .. "nineteenth"
constexpr int ID_ORDINAL_STEM_FIRST = 93;   // "twent" .. "ninet"
constexpr int ID_CARDINAL_FIRST = 101;      // "zero" .. "nineteen"
constexpr int ID_TENS_FIRST = 121;          // "twenty" .. "ninety"
constexpr int ID_ORDINAL_SUFFIX_FIRST = 129;

constexpr int ANY_POSITION = 15;
constexpr int LAST_DEPTH_SLOT = 42;
constexpr int LAST_FRANCHISE_SLOT = MAX_FRANCHISES - 1;

struct DEPTH_SLOT_TEXT {
    const char* szAbbreviation;
    const char* szName;
};

// Depth-chart slots 15-42, the places that are not plain positions.
constexpr DEPTH_SLOT_TEXT DEPTH_SLOT_TEXTS[] = {
    {"WR1", "#1 Receiver"},                 // 15
    {"WR2", "#2 Receiver"},                 // 16
    {"SWR", "Slot Receiver"},               // 17
    {"RS", "Return Specialist"},            // 18
    {"ST", "Special Teams"},                // 19
    {"OE", "Offensive End"},                // 20
    {"LT", "Left Tackle"},                  // 21
    {"LG", "Left Guard"},                   // 22
    {"RG", "Right Guard"},                  // 23
    {"RT", "Right Tackle"},                 // 24
    {"LS", "Long Snapper"},                 // 25
    {"LDE", "Left Defensive End"},          // 26
    {"LDT", "Left Defensive Tackle"},       // 27
    {"NT", "Nose Tackle"},                  // 28
    {"RDT", "Right Defensive Tackle"},      // 29
    {"RDE", "Right Defensive End"},         // 30
    {"MLB", "Middle Linebacker"},           // 31
    {"ILB", "Inside Linebacker"},           // 32
    {"OLB", "Outside Linebacker"},          // 33
    {"LILB", "Left Inside Linebacker"},     // 34
    {"RILB", "Right Inside Linebacker"},    // 35
    {"LOLB", "Left Outside Linebacker"},    // 36
    {"ROLB", "Right Outside Linebacker"},   // 37
    {"LCB", "Left Cornerback"},             // 38
    {"RCB", "Right Cornerback"},            // 39
    {"NB", "Nickel Back"},                  // 40
    {"SS", "Strong Safety"},                // 41
    {"FS", "Free Safety"},                  // 42
};
static_assert(sizeof(DEPTH_SLOT_TEXTS) / sizeof(DEPTH_SLOT_TEXTS[0]) == LAST_DEPTH_SLOT - ANY_POSITION + 1);

// Ratings 0-26 in storage order.
constexpr const char* RATING_NAMES[] = {
    "Health", "Durability", "Accuracy", "Distance", "Control", "Red Zone", "Mobility",
    "Speed", "Power", "Quickness", "Vision", "Receiving", "Hands", "Kick Returns",
    "Punt Returns", "Pass Blocking", "Run Blocking", "Discipline", "Run Defense", "Pass Rush",
    "Pass Coverage", "Turnovers", "Tackling", "FG Accuracy", "FG Distance", "Punt Accuracy",
    "Punt Distance",
};
static_assert(sizeof(RATING_NAMES) / sizeof(RATING_NAMES[0]) == NUMBER_OF_RATINGS);

// No leap years in the league's calendar.
constexpr int MONTH_LENGTHS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Copies a text into a caller's buffer, cut at TEXT_BUFFER_SIZE. Only the
// text and its terminator are written: a caller's buffer need only hold the
// text, whatever the convention says about its size.
void Put_Text(char* szBuffer, const std::string& Text)
{
    if (szBuffer == nullptr)
        return;
    size_t nSize = Text.size() + 1 < TEXT_BUFFER_SIZE ? Text.size() + 1 : TEXT_BUFFER_SIZE;
    safe_strncpy(szBuffer, Text.c_str(), static_cast<int>(nSize));
}

std::string Format(const char* szFormat, long long n)
{
    char szText[64];
    snprintf(szText, sizeof(szText), szFormat, n);
    return szText;
}

std::string Resource(int nId)
{
    return Get_Resource_String(nId);
}

std::string Cardinal_Words(int64_t n)
{
    if (n < 0)
        return Format("Cardinal error: %lld", n);
    if (n < 20)
        return Resource(ID_CARDINAL_FIRST + static_cast<int>(n));
    if (n >= 1000000000) {
        std::string Text = Cardinal_Words(n / 1000000000) + " billion";
        return n % 1000000000 == 0 ? Text : Text + " " + Cardinal_Words(n % 1000000000);
    }
    if (n >= 1000000) {
        std::string Text = Cardinal_Words(n / 1000000) + " million";
        return n % 1000000 == 0 ? Text : Text + " " + Cardinal_Words(n % 1000000);
    }
    if (n >= 1000) {
        std::string Text = Cardinal_Words(n / 1000) + " thousand";
        int64_t nRest = n % 1000;
        if (nRest == 0)
            return Text;
        return Text + (nRest < 100 ? " and " : " ") + Cardinal_Words(nRest);
    }
    if (n >= 100) {
        std::string Text = Cardinal_Words(n / 100) + " hundred";
        return n % 100 == 0 ? Text : Text + " and " + Cardinal_Words(n % 100);
    }
    std::string Tens = Resource(ID_TENS_FIRST + static_cast<int>(n / 10) - 2);
    return n % 10 == 0 ? Tens : Tens + "-" + Resource(ID_CARDINAL_FIRST + static_cast<int>(n % 10));
}

std::string Ordinal_Words(int n)
{
    if (n < 1 || n > 999999)
        return Format("Ordinal error: %lld", n);
    if (n >= 1000) {
        if (n % 1000 == 0)
            return Cardinal_Words(n / 1000) + " thousandth";
        int nRest = n % 1000;
        return Cardinal_Words(n / 1000) + (nRest < 100 ? " thousand and " : " thousand ") + Ordinal_Words(nRest);
    }
    if (n >= 100) {
        if (n % 100 == 0)
            return Cardinal_Words(n / 100) + " hundredth";
        return Cardinal_Words(n / 100) + " hundred and " + Ordinal_Words(n % 100);
    }
    if (n < 20)
        return Resource(ID_ORDINAL_FIRST + n - 1);
    std::string Stem = Resource(ID_ORDINAL_STEM_FIRST + n / 10 - 2);
    if (n % 10 == 0)
        return Stem + "ieth";
    return Stem + "y-" + Ordinal_Words(n % 10);
}

// Digits of a magnitude with a comma before every group of three.
std::string Group_Digits(uint64_t nMagnitude)
{
    std::string Digits = std::to_string(nMagnitude);
    std::string Text;
    size_t nCount = Digits.size();
    for (size_t i = 0; i < nCount; i++) {
        if (i > 0 && (nCount - i) % 3 == 0)
            Text += ',';
        Text += Digits[i];
    }
    return Text;
}

uint64_t Magnitude(int n)
{
    return n < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(n)) : static_cast<uint64_t>(n);
}

std::string Position_Name(int nPos)
{
    if (nPos >= 0 && nPos < NUMBER_OF_POSITIONS)
        return Resource(ID_POSITION_NAME_FIRST + nPos);
    if (nPos == ANY_POSITION)
        return "Any Position";
    return "<Error>";
}

std::string Day_Of_Year_Text(int nDay)
{
    int d = nDay % 365;
    if (d < 0)
        d += 365;
    int nMonth = 0;
    while (nMonth < 11 && d >= MONTH_LENGTHS[nMonth]) {
        d -= MONTH_LENGTHS[nMonth];
        nMonth++;
    }
    return Resource(ID_MONTH_FIRST + nMonth) + " " + std::to_string(d + 1);
}

std::string Team_String(int nTeam, int nString)
{
    char szText[TEAM_STRING_SIZE + 1] = {};
    Get_Team_String(szText, nTeam, nString);
    szText[TEAM_STRING_SIZE] = '\0';
    return szText;
}

// The picture of the current skin when the skin has it, else the path.
std::string Skin_Picture_Path(const std::string& Path)
{
    size_t nSkin = strnlen(League.szSkinName, sizeof(League.szSkinName));
    if (nSkin == 0 || nSkin == sizeof(League.szSkinName))
        return Path;
    std::string Candidate = "skins\\" + std::string(League.szSkinName, nSkin) + "\\" + Path;
    return files::File_Exists(Candidate.c_str()) ? Candidate : Path;
}

enum WEEK_KIND { WEEK_REGULAR, WEEK_WILD_CARD, WEEK_DIVISION, WEEK_CONFERENCE, WEEK_FINAL, WEEK_AFTER };

// Which part of the season a week (counted from 1) falls in. Playoff round r
// is played on day max(first playoff week, 2) + r, counted from 0.
WEEK_KIND Classify_Week(int w)
{
    int nFirst = Get_First_Playoff_Week();
    int nWildCard = (nFirst > 2 ? nFirst : 2) + 1;
    if (w < nWildCard)
        return WEEK_REGULAR;
    if (w > nWildCard + 3)
        return WEEK_AFTER;
    return static_cast<WEEK_KIND>(WEEK_WILD_CARD + (w - nWildCard));
}

std::string Week_Text(int nWeek, bool bLong)
{
    int nCurrent = nWeek == -1 ? Get_Current_Week() : nWeek;
    int w = nCurrent + 1;
    WEEK_KIND Kind = Classify_Week(w);
    bool bTitleGame = Get_Current_Year() < 1970;
    if (bLong && Kind >= WEEK_WILD_CARD && Kind <= WEEK_CONFERENCE) {
        // A round that even the larger league's playoff field cannot fill.
        int nWildCards = Get_Universe_Stat(WILD_CARD_TEAMS);
        int nField = 0;
        for (int nLeague = 0; nLeague < NUMBER_OF_LEAGUES; nLeague++) {
            int n = Count_League_Divisions(nLeague) + nWildCards;
            if (n > nField)
                nField = n;
        }
        int nNeeded = Kind == WEEK_CONFERENCE ? 1 : Kind == WEEK_DIVISION ? 2 : 4;
        if (nField <= nNeeded)
            return "Bye Week";
    }
    switch (Kind) {
    case WEEK_REGULAR:
        return "Week " + std::to_string(w);
    case WEEK_WILD_CARD:
        return "Wild Card";
    case WEEK_DIVISION:
        return bLong ? "Division" : "Division Round";
    case WEEK_CONFERENCE:
        if (bTitleGame)
            return "Title Game";
        return bLong ? "Conference" : "Conference Championship";
    case WEEK_FINAL:
        return "Super Bowl";
    case WEEK_AFTER:
        break;
    }
    return "Offseason";
}

}  // namespace

// ---------------------------------------------------------------------------
// Money and numbers

void Format_Money_Short(int nThousands, char* szBuffer)
{
    uint64_t a = Magnitude(nThousands);
    char szText[64];
    const char* szSign = nThousands < 0 ? "-" : "";
    if (a >= 1000000)
        snprintf(szText, sizeof(szText), "%s$%llu.%02lluB", szSign, static_cast<unsigned long long>(a / 1000000),
                 static_cast<unsigned long long>(a % 1000000 / 10000));
    else if (a >= 100000)
        snprintf(szText, sizeof(szText), "%s$%lluM", szSign, static_cast<unsigned long long>(a / 1000));
    else if (a >= 1000)
        snprintf(szText, sizeof(szText), "%s$%llu.%lluM", szSign, static_cast<unsigned long long>(a / 1000),
                 static_cast<unsigned long long>(a % 1000 / 100));
    else
        snprintf(szText, sizeof(szText), "%s$%lluK", szSign, static_cast<unsigned long long>(a));
    Put_Text(szBuffer, szText);
}

void Format_Money_Dollars(int nDollars, char* szBuffer)
{
    Format_Money_Short(nDollars / 1000, szBuffer);
}

int Parse_Money_Text(char* szText)
{
    if (szText == nullptr)
        return 0;
    Remove_Char_From_String(szText, '$');
    Remove_Char_From_String(szText, ',');
    return Clamp_To_Int(strtoll(szText, nullptr, 10));
}

void Format_Number_With_Commas(int n, char* szBuffer)
{
    // The sign stands before the first group: -1,000, never -,100.
    std::string Text = n < 0 ? "-" : "";
    Text += Group_Digits(Magnitude(n));
    Put_Text(szBuffer, Text);
}

void Format_Dollars_With_Commas(int n, char* szBuffer)
{
    std::string Text = n < 0 ? "$-" : "$";
    Text += Group_Digits(Magnitude(n));
    Put_Text(szBuffer, Text);
}

void Format_Thousandths(int n, char* szBuffer)
{
    uint64_t a = Magnitude(n);
    char szText[64];
    // A negative value keeps its sign in front: -.250, -1.500.
    const char* szSign = n < 0 ? "-" : "";
    if (a < 1000)
        snprintf(szText, sizeof(szText), "%s.%03llu", szSign, static_cast<unsigned long long>(a));
    else
        snprintf(szText, sizeof(szText), "%s%llu.%03llu", szSign, static_cast<unsigned long long>(a / 1000),
                 static_cast<unsigned long long>(a % 1000));
    Put_Text(szBuffer, szText);
}

void Format_Ordinal(char* szBuffer, int n)
{
    uint64_t a = Magnitude(n);
    // The teens of every hundred take "th": 11th, 12th, 113th.
    int nLast = static_cast<int>(a % 10);
    int nId = (a / 10) % 10 == 1 ? ID_ORDINAL_SUFFIX_FIRST : ID_ORDINAL_SUFFIX_FIRST + (nLast < 4 ? nLast : 4);
    Put_Text(szBuffer, std::to_string(n) + Resource(nId));
}

void Get_Cardinal_Words(char* szBuffer, int n)
{
    Put_Text(szBuffer, Cardinal_Words(n));
}

void Get_Ordinal_Words(char* szBuffer, int n)
{
    Put_Text(szBuffer, Ordinal_Words(n));
}

// ---------------------------------------------------------------------------
// Names

void Get_Position_Name(int nPos, char* szBuffer)
{
    Put_Text(szBuffer, Position_Name(nPos));
}

void Get_Position_Name_Lower(int nPos, char* szBuffer)
{
    std::string Text = Position_Name(nPos);
    for (char& c : Text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    Put_Text(szBuffer, Text);
}

void Get_Depth_Slot_Abbreviation(int nSlot, char* szBuffer)
{
    if (nSlot >= 0 && nSlot < NUMBER_OF_POSITIONS)
        Put_Text(szBuffer, Resource(ID_POSITION_ABBREVIATION_FIRST + nSlot));
    else if (nSlot >= ANY_POSITION && nSlot <= LAST_DEPTH_SLOT)
        Put_Text(szBuffer, DEPTH_SLOT_TEXTS[nSlot - ANY_POSITION].szAbbreviation);
    else
        Put_Text(szBuffer, "");
}

void Get_Depth_Slot_Name(int nSlot, char* szBuffer)
{
    if (nSlot >= 0 && nSlot < NUMBER_OF_POSITIONS)
        Put_Text(szBuffer, Resource(ID_POSITION_NAME_FIRST + nSlot));
    else if (nSlot >= ANY_POSITION && nSlot <= LAST_DEPTH_SLOT)
        Put_Text(szBuffer, DEPTH_SLOT_TEXTS[nSlot - ANY_POSITION].szName);
    else
        Put_Text(szBuffer, "");
}

void Get_Rating_Name(int nRating, char* szBuffer)
{
    Put_Text(szBuffer, nRating >= 0 && nRating < NUMBER_OF_RATINGS ? RATING_NAMES[nRating] : "");
}

void Get_Week_Name(int nWeek, char* szBuffer)
{
    Put_Text(szBuffer, Week_Text(nWeek, false));
}

void Get_Week_Name_Long(int nWeek, char* szBuffer)
{
    Put_Text(szBuffer, Week_Text(nWeek, true));
}

void Format_Day_Of_Year(int nDay, char* szBuffer)
{
    Put_Text(szBuffer, Day_Of_Year_Text(nDay));
}

void Format_Date_With_Year(int nDay, int nYear, char* szBuffer)
{
    Put_Text(szBuffer, Day_Of_Year_Text(nDay) + ", " + std::to_string(nYear));
}

void Get_Team_City(int nTeam, char* szBuffer)
{
    // -1 is the league average; as a team byte it reads 255, the code of
    // "all teams", which names the same row.
    if (nTeam == -1 || nTeam == ALL_TEAMS)
        Put_Text(szBuffer, "NFL Average");
    else if (nTeam == NO_TEAM || nTeam > FREE_AGENT_TEAM)
        Put_Text(szBuffer, "");
    else
        Put_Text(szBuffer, Team_String(nTeam, 1));
}

void Get_Team_Nickname(int nTeam, char* szBuffer)
{
    bool bHasNickname = nTeam >= 0 && nTeam <= HALL_OF_FAME_TEAM;
    Put_Text(szBuffer, bHasNickname ? Team_String(nTeam, 2) : "");
}

void Get_Team_Full_Name(int nTeam, char* szBuffer)
{
    if (nTeam >= FIRST_DRAFT_POOL_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM) {
        std::string Round = Ordinal_Words(Get_User_Preference(PREF_DRAFT_ROUND) + 1);
        for (size_t i = 0; i < Round.size(); i++) {
            char c = Round[i];
            if (i == 0 && c >= 'a' && c <= 'z')
                Round[i] = static_cast<char>(c - 'a' + 'A');
            else if (i > 0 && c >= 'A' && c <= 'Z')
                Round[i] = static_cast<char>(c - 'A' + 'a');
        }
        Put_Text(szBuffer, Round + " Round Draft Pick");
    } else if (nTeam == FREE_AGENT_TEAM) {
        Put_Text(szBuffer, "Free Agent");
    } else if (nTeam == HALL_OF_FAME_TEAM) {
        Put_Text(szBuffer, "Hall Of Fame Inductee");
    } else if (nTeam < 0 || nTeam > LAST_FRANCHISE_SLOT || !Is_Valid_Team(nTeam)) {
        Put_Text(szBuffer, "");
    } else {
        Put_Text(szBuffer, Team_String(nTeam, 1) + " " + Team_String(nTeam, 2));
    }
}

void Get_Team_Short_Name(int nTeam, char* szBuffer)
{
    bool bHasNickname = nTeam >= 0 && nTeam <= HALL_OF_FAME_TEAM;
    std::string Nickname = bHasNickname ? Team_String(nTeam, 2) : "";
    // A club left with the placeholder nickname is known by its city.
    char szNickname[TEAM_STRING_SIZE + 1];
    safe_strncpy(szNickname, Nickname.c_str(), sizeof(szNickname));
    char* pFound = Find_Text_No_Case(szNickname, "Vazarudu Team");
    if (pFound == szNickname && Nickname.size() == strlen("Vazarudu Team"))
        Get_Team_City(nTeam, szBuffer);
    else
        Put_Text(szBuffer, Nickname);
}

void Get_Gm_Face_Image_Path(int nTeam, char* szBuffer)
{
    int64_t k = (static_cast<int64_t>(nTeam) * 11) % 36;
    if (k < 0)
        k += 36;
    if (static_cast<int64_t>(Get_User_Preference(PREF_SEASON_INDEX)) - 15 > k)
        k += 36;
    k %= 45;
    Put_Text(szBuffer, Skin_Picture_Path("dialogs/faces/gm" + std::to_string(k) + ".jpg"));
}
