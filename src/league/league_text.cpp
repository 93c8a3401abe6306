// Display names of league things: positions, depth-chart slots, ratings,
// weeks of the season and teams.

#include "league/league_text.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "platform/files.h"
#include "platform/resources.h"

namespace {

constexpr int ID_POSITION_NAME_FIRST = 28;
constexpr int ID_POSITION_ABBREVIATION_FIRST = 59;

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

std::string Resource(int nId)
{
    return Get_Resource_String(nId);
}

std::string Position_Name(int nPos)
{
    if (nPos >= 0 && nPos < NUMBER_OF_POSITIONS)
        return Resource(ID_POSITION_NAME_FIRST + nPos);
    if (nPos == ANY_POSITION)
        return "Any Position";
    return "<Error>";
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
    return files::Entry_Exists(Candidate.c_str()) ? Candidate : Path;
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

// A round that even the larger league's playoff field cannot fill: no club
// plays on its day.
bool Is_Unfilled_Round(WEEK_KIND Kind)
{
    if (Kind < WEEK_WILD_CARD || Kind > WEEK_CONFERENCE)
        return false;
    int nWildCards = Get_Universe_Stat(WILD_CARD_TEAMS);
    int nField = 0;
    for (int nLeague = 0; nLeague < NUMBER_OF_LEAGUES; nLeague++) {
        int n = Count_League_Divisions(nLeague) + nWildCards;
        if (n > nField)
            nField = n;
    }
    int nNeeded = Kind == WEEK_CONFERENCE ? 1 : Kind == WEEK_DIVISION ? 2 : 4;
    return nField <= nNeeded;
}

int Week_Of_Season(int nWeek)
{
    return (nWeek == -1 ? Get_Current_Week() : nWeek) + 1;
}

std::string Week_Text(int nWeek, bool bLong)
{
    int w = Week_Of_Season(nWeek);
    WEEK_KIND Kind = Classify_Week(w);
    bool bTitleGame = Get_Current_Year() < 1970;
    // Only the long name tells that nobody plays the round; the short one
    // keeps the round's own name.
    if (bLong && Is_Unfilled_Round(Kind))
        return "Bye Week";
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

std::string Ordinal_Words(int n)
{
    char szText[TEXT_BUFFER_SIZE];
    Get_Ordinal_Words(szText, n);
    return szText;
}

}  // namespace

void Get_Position_Name(int nPos, char* szBuffer, size_t nSize)
{
    Put_Text(szBuffer, nSize, Position_Name(nPos));
}

void Get_Position_Name_Lower(int nPos, char* szBuffer, size_t nSize)
{
    std::string Text = Position_Name(nPos);
    for (char& c : Text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    Put_Text(szBuffer, nSize, Text);
}

void Get_Depth_Slot_Abbreviation(int nSlot, char* szBuffer, size_t nSize)
{
    if (nSlot >= 0 && nSlot < NUMBER_OF_POSITIONS)
        Put_Text(szBuffer, nSize, Resource(ID_POSITION_ABBREVIATION_FIRST + nSlot));
    else if (nSlot >= ANY_POSITION && nSlot <= LAST_DEPTH_SLOT)
        Put_Text(szBuffer, nSize, DEPTH_SLOT_TEXTS[nSlot - ANY_POSITION].szAbbreviation);
    else
        Put_Text(szBuffer, nSize, "");
}

void Get_Depth_Slot_Name(int nSlot, char* szBuffer, size_t nSize)
{
    if (nSlot >= 0 && nSlot < NUMBER_OF_POSITIONS)
        Put_Text(szBuffer, nSize, Resource(ID_POSITION_NAME_FIRST + nSlot));
    else if (nSlot >= ANY_POSITION && nSlot <= LAST_DEPTH_SLOT)
        Put_Text(szBuffer, nSize, DEPTH_SLOT_TEXTS[nSlot - ANY_POSITION].szName);
    else
        Put_Text(szBuffer, nSize, "");
}

void Get_Rating_Name(int nRating, char* szBuffer, size_t nSize)
{
    Put_Text(szBuffer, nSize, nRating >= 0 && nRating < NUMBER_OF_RATINGS ? RATING_NAMES[nRating] : "");
}

void Get_Week_Name(int nWeek, char* szBuffer, size_t nSize)
{
    Put_Text(szBuffer, nSize, Week_Text(nWeek, false));
}

void Get_Week_Name_Long(int nWeek, char* szBuffer, size_t nSize)
{
    Put_Text(szBuffer, nSize, Week_Text(nWeek, true));
}

bool Is_Unplayed_Round_Week(int nWeek)
{
    const WEEK_KIND Kind = Classify_Week(Week_Of_Season(nWeek));
    // The final between the leagues needs two leagues and the rule that
    // their champions meet; without it the season ends with the leagues'
    // own finals.
    if (Kind == WEEK_FINAL)
        return Get_Universe_Word(INTER_LEAGUE_FINAL_WORD) == 0 || Count_Leagues() < 2;
    return Is_Unfilled_Round(Kind);
}

void Get_Team_City(int nTeam, char* szBuffer, size_t nSize)
{
    // -1 is the league average; as a team byte it reads 255, the code of
    // "all teams", which names the same row.
    if (nTeam == -1 || nTeam == ALL_TEAMS)
        Put_Text(szBuffer, nSize, "NFL Average");
    else if (nTeam == NO_TEAM || nTeam > FREE_AGENT_TEAM)
        Put_Text(szBuffer, nSize, "");
    else
        Put_Text(szBuffer, nSize, Team_String(nTeam, 1));
}

void Get_Team_Nickname(int nTeam, char* szBuffer, size_t nSize)
{
    bool bHasNickname = nTeam >= 0 && nTeam <= HALL_OF_FAME_TEAM;
    Put_Text(szBuffer, nSize, bHasNickname ? Team_String(nTeam, 2) : "");
}

void Get_Team_Full_Name(int nTeam, char* szBuffer, size_t nSize)
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
        Put_Text(szBuffer, nSize, Round + " Round Draft Pick");
    } else if (nTeam == FREE_AGENT_TEAM) {
        Put_Text(szBuffer, nSize, "Free Agent");
    } else if (nTeam == HALL_OF_FAME_TEAM) {
        Put_Text(szBuffer, nSize, "Hall Of Fame Inductee");
    } else if (nTeam < 0 || nTeam > LAST_FRANCHISE_SLOT || (!Is_Valid_Team(nTeam) && !Is_Erased_Club(nTeam))) {
        Put_Text(szBuffer, nSize, "");
    } else {
        Put_Text(szBuffer, nSize, Team_String(nTeam, 1) + " " + Team_String(nTeam, 2));
    }
}

void Get_Team_Short_Name(int nTeam, char* szBuffer, size_t nSize)
{
    bool bHasNickname = nTeam >= 0 && nTeam <= HALL_OF_FAME_TEAM;
    std::string Nickname = bHasNickname ? Team_String(nTeam, 2) : "";
    // A club left with the placeholder nickname is known by its city.
    char szNickname[TEAM_STRING_SIZE + 1];
    safe_strncpy(szNickname, Nickname.c_str(), sizeof(szNickname));
    char* pFound = Find_Text_No_Case(szNickname, "Vazarudu Team");
    if (pFound == szNickname && Nickname.size() == strlen("Vazarudu Team"))
        Get_Team_City(nTeam, szBuffer, nSize);
    else
        Put_Text(szBuffer, nSize, Nickname);
}

void Get_Gm_Face_Image_Path(int nTeam, char* szBuffer, size_t nSize)
{
    int64_t k = (static_cast<int64_t>(nTeam) * 11) % 36;
    if (k < 0)
        k += 36;
    if (static_cast<int64_t>(Get_User_Preference(PREF_SEASON_INDEX)) - 15 > k)
        k += 36;
    k %= 45;
    Put_Text(szBuffer, nSize, Skin_Picture_Path("dialogs/faces/gm" + std::to_string(k) + ".jpg"));
}
