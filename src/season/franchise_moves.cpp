// Franchise moves, renamings, realignment and expansion clubs.
#include "season/franchise_moves.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/team_views.h"
#include "league/cities.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finances.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "schedule/season_checks.h"
#include "season/expansion_draft.h"
#include "season/expansion_teams.h"
#include "season/expansion_test_hooks.h"
#include "season/name_lookups.h"
#include "season/standings.h"

namespace {

// The outside league's history as far as it is known here.
const FRANCHISE_EVENT BUILT_IN_EVENTS[] = {
    {1952, EVENT_REFORMED, "", "New York,Yanks", "DTX", 0, "Dallas,Texans"},
    {1960, EVENT_NEW_LEAGUE, "AFL", "", "", 0, ""},
    {1960, EVENT_DIVISION_NAME, "AFL", "", "", 1, "West"},
    {1960, EVENT_EXPANSION, "AFL", "Houston,Oilers", "HOU", 0, "Jeppesen Stadium"},
    {1967, EVENT_REALIGNMENT, "NFL", "Cleveland,Browns", "", 1, ""},
    {1970, EVENT_LEAGUE_NAME, "NFL", "", "", 0, "NFC"},
};
constexpr int BUILT_IN_EVENT_COUNT = static_cast<int>(sizeof BUILT_IN_EVENTS / sizeof BUILT_IN_EVENTS[0]);

const FRANCHISE_EVENT* pTable = BUILT_IN_EVENTS;
int nTableCount = BUILT_IN_EVENT_COUNT;

constexpr int MAX_CITIES = 100;
constexpr int MOST_PLAYOFF_TEAMS_PER_LEAGUE = 8;
constexpr const char* EXPANSION_DRAFT_TEXT =
    "An Expansion Draft will now occur. First string players are protected from the Expansion Draft (11 Offense, "
    "11 Defense, 1 Kicker and 1 Punter).\n\nYou may use the Offense and Defense dialogs to designate your starters "
    "before proceeding.\n\n(Alternately, you can choose to completely exclude your team from the Expansion Draft.";

// A field of a row as a text, cut at its width even when a row lacks its
// terminator.
std::string Field(const char* szField)
{
    return std::string(szField, strnlen(szField, FRANCHISE_EVENT_TEXT_SIZE));
}

bool Same_Text(const std::string& A, const std::string& B)
{
    return Is_Same_Text_No_Case(A.c_str(), B.c_str());
}

std::string Commas_As_Blanks(std::string Text)
{
    std::replace(Text.begin(), Text.end(), ',', ' ');
    return Text;
}

// "City,Nickname" split at its first comma (no comma: all of it is the city).
void Split_Team_Text(const std::string& Text, std::string& City, std::string& Nickname)
{
    char szLine[TEXT_BUFFER_SIZE];
    char szToken[TEXT_BUFFER_SIZE];
    Format_Text_Bounded(szLine, sizeof szLine, "%s", Text.c_str());
    Pop_Token_From_String(szToken, szLine, ',');
    City = szToken;
    Nickname = szLine;
}

std::string Team_String(int nTeam, int nString)
{
    char szText[TEAM_STRING_SIZE + 1] = {};
    Get_Team_String(szText, nTeam, nString);
    return szText;
}

std::string Full_Name(int nTeam)
{
    char szName[TEXT_BUFFER_SIZE];
    Get_Team_Full_Name(nTeam, szName);
    return szName;
}

// The city record named Name (letter case ignored); -1 when none is.
int Find_City_Record(const std::string& Name)
{
    if (Name.empty())
        return -1;
    const int nCities = Count_Cities();
    char szCity[CITY_NAME_SIZE];
    for (int c = 0; c < nCities; ++c) {
        Get_City_Name(c, szCity, sizeof szCity);
        if (Same_Text(szCity, Name))
            return c;
    }
    return -1;
}

bool Has_Free_City_Record()
{
    return Count_Cities() < MAX_CITIES;
}

// The city record of Name, a free one named for it when none is; -1 when
// the table is full.
int Take_City_Record(const std::string& Name)
{
    int nCity = Find_City_Record(Name);
    if (nCity >= 0)
        return nCity;
    if (!Has_Free_City_Record())
        return -1;
    nCity = Count_Cities();
    Set_City_Name(nCity, Name.c_str());
    Set_Default_City_Stats(nCity);
    return nCity;
}

bool All_Computer()
{
    return Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0;
}

bool Ask(const char* szTitle, const std::string& Question)
{
    return Show_Message_Box(Question.c_str(), szTitle, BOX_YESNO | BOX_ICON_QUESTION) == ID_YES;
}

std::string Format(const char* szFormat, const std::string& A, const std::string& B = std::string(),
                   const std::string& C = std::string(), const std::string& D = std::string())
{
    char szText[TEXT_BUFFER_SIZE];
    Format_Text_Bounded(szText, sizeof szText, szFormat, A.c_str(), B.c_str(), C.c_str(), D.c_str());
    return szText;
}

// Whether a club other than nTeam (in use, or erased while its season's
// records still name it) carries the abbreviation Code.
bool Abbreviation_Taken(const std::string& Code, int nTeam)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (t == nTeam || (!Is_Team_Slot_Used(t) && !Is_Erased_Club(t)))
            continue;
        if (Same_Text(Team_String(t, TEAM_STRING_ABBREVIATION), Code))
            return true;
    }
    return false;
}

std::string Upper_Letters(const std::string& Text)
{
    std::string Letters;
    for (char ch : Text)
        if (std::isalnum(static_cast<unsigned char>(ch)))
            Letters += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return Letters;
}

// The abbreviation club nTeam is to take: Wanted while no other club has it
// (a box score heads its columns and tags its players by it), else the first
// free one of its first two letters and a letter of the nickname, then of
// its first two letters and any letter, then of its first letter and any
// two. Without a wanted one the city's first three letters are wanted.
std::string Free_Abbreviation(const std::string& Wanted, const std::string& City, const std::string& Nickname,
                              int nTeam)
{
    std::string Base = Wanted.empty() ? Upper_Letters(City).substr(0, 3) : Wanted;
    if (Base.empty() || !Abbreviation_Taken(Base, nTeam))
        return Base;
    const std::string Head = Upper_Letters(Base).append("XX");
    std::vector<std::string> Candidates;
    for (char ch : Upper_Letters(Nickname))
        Candidates.push_back(Head.substr(0, 2) + ch);
    for (char ch = 'A'; ch <= 'Z'; ++ch)
        Candidates.push_back(Head.substr(0, 2) + ch);
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'Z'; ++b)
            Candidates.push_back(Head.substr(0, 1) + a + b);
    for (const std::string& Code : Candidates)
        if (!Abbreviation_Taken(Code, nTeam))
            return Code;
    return Base;   // more clubs than codes: cannot happen with 36 slots
}

// Team strings 1, 2 and (when given, and free) 0 from the new name, then
// the clubs re-sorted and the standings refreshed.
void Rename_Team(int nTeam, const std::string& City, const std::string& Nickname, const std::string& Abbreviation)
{
    Set_Team_String(Nickname.c_str(), nTeam, TEAM_STRING_NICKNAME);
    Set_Team_String(City.c_str(), nTeam, TEAM_STRING_CITY);
    if (!Abbreviation.empty())
        Set_Team_String(Free_Abbreviation(Abbreviation, City, Nickname, nTeam).c_str(), nTeam,
                        TEAM_STRING_ABBREVIATION);
    Sort_Teams_By_City();
    Refresh_Standings();
}

// The league 0-1 named Name (letter case ignored); -1 when none is.
int Find_Named_League(const std::string& Name)
{
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l) {
        char szLeague[LEAGUE_NAME_SIZE + 1] = {};
        Get_League_Name(l, szLeague);
        if (szLeague[0] != '\0' && Same_Text(szLeague, Name))
            return l;
    }
    return -1;
}

// Whether another division of nDivision's league (0-3 or 4-7) is named Name.
bool Division_Name_Taken(int nDivision, const std::string& Name)
{
    const int nFirst = nDivision / 4 * 4;
    for (int d = nFirst; d < nFirst + 4; ++d) {
        if (d == nDivision)
            continue;
        char szDivision[DIVISION_NAME_SIZE + 1] = {};
        Get_Division_Name(d, szDivision);
        if (szDivision[0] != '\0' && Same_Text(szDivision, Name))
            return true;
    }
    return false;
}

// The league rows (a new league, a league or division renamed) change only
// a league they fit: one whose league of that name exists (or, for a new
// league, is not there yet and has room), and never into two leagues or two
// divisions of one league sharing a name. Anything else changes nothing
// and says nothing.
void Apply_League_Event(const FRANCHISE_EVENT& Event)
{
    const std::string LeagueName = Field(Event.szLeague);
    const std::string Second = Field(Event.szSecond);
    if (LeagueName.empty())
        return;
    const int nLeague = Find_Named_League(LeagueName);
    switch (Event.nKind) {
    case EVENT_NEW_LEAGUE: {
        const int nNew = Count_Leagues();
        if (nLeague >= 0 || nNew >= NUMBER_OF_LEAGUES)
            return;
        if (!All_Computer())
            Show_Formatted_Message("League News", "A new league has been created: %s.", LeagueName.c_str());
        Set_League_Abbreviation(nNew, LeagueName.c_str());
        return;
    }
    case EVENT_LEAGUE_NAME: {
        const int nOther = Find_Named_League(Second);
        if (nLeague < 0 || (nOther >= 0 && nOther != nLeague))
            return;
        Set_League_Abbreviation(nLeague, Second.c_str());
        return;
    }
    case EVENT_DIVISION_NAME:
    case EVENT_DIVISION_NAME_B: {
        if (nLeague < 0)
            return;
        const int nDivision = Event.nDivision + 4 * nLeague;
        if (Event.nDivision >= 0 && Event.nDivision < 4 && Division_Name_Taken(nDivision, Second))
            return;
        Set_Division_Name(nDivision, Second.c_str());
        return;
    }
    default:
        return;
    }
}

void Apply_Event(const FRANCHISE_EVENT& Event)
{
    const int nKind = Event.nKind;
    if (nKind <= EVENT_EXPANSION || nKind >= FRANCHISE_EVENT_KIND_COUNT)
        return;
    if (nKind >= EVENT_NEW_LEAGUE && nKind <= EVENT_DIVISION_NAME_B) {
        Apply_League_Event(Event);
        return;
    }
    const std::string LeagueName = Field(Event.szLeague);
    const std::string Second = Field(Event.szSecond);

    const int nTeam = Find_Event_Team(Event.szTeam);
    if (nTeam == NO_TEAM)
        return;
    if (nKind == EVENT_REALIGNMENT) {
        // A league this one does not have names no division to move into
        // (the lookup's league 0 could be the other league).
        const int nLeague = Find_Named_League(LeagueName);
        if (nLeague < 0)
            return;
        Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, Event.nDivision + 4 * nLeague);
        Clear_Standings_Order();
        return;
    }

    const std::string Name = Full_Name(nTeam);
    std::string City;
    std::string Nickname;
    Split_Team_Text(Second, City, Nickname);

    // A new home needs a city record: one of its name, or a free one.
    const bool bNewHome = nKind == EVENT_MOVE || nKind == EVENT_REFORMED || nKind == EVENT_HOME_CITY;
    const std::string Home = nKind == EVENT_HOME_CITY ? Second : City;
    if (bNewHome && Find_City_Record(Home) < 0 && !Has_Free_City_Record()) {
        Show_Formatted_Message("League News",
                               "The %s could not move to %s: all %d city records are in use, so none is free for the "
                               "new home. Nothing was changed.",
                               Name.c_str(), Home.c_str(), MAX_CITIES);
        return;
    }

    const bool bUserRun = Is_Human_Team(nTeam);
    const std::string Stadium = Team_String(nTeam, TEAM_STRING_STADIUM);
    bool bApply = true;
    switch (nKind) {
    case EVENT_MOVE:
        if (bUserRun)
            bApply = Ask("Move Team",
                         Format("Would you like to move the %s to %s and change their name to the %s?", Name, City,
                                Nickname));
        else if (!All_Computer())
            Show_Formatted_Message("League News", "The %s have moved. They are now the %s %s.", Name.c_str(),
                                   City.c_str(), Nickname.c_str());
        break;
    case EVENT_REFORMED:
        if (bUserRun)
            bApply = Ask("Move Team", Format("Would you like to disband the %s and form a new franchise (the %s %s)?",
                                             Name, City, Nickname));
        else if (!All_Computer())
            Show_Formatted_Message("League News",
                                   "The %s have been disbanded. The %s %s have been enfranchised with the remains of "
                                   "the %s.",
                                   Name.c_str(), City.c_str(), Nickname.c_str(), Name.c_str());
        break;
    case EVENT_NAME_CHANGE:
        if (bUserRun)
            bApply = Ask("Name Change", Format("Would you like to change the %s to the %s %s?", Name, City, Nickname));
        else if (!All_Computer())
            Show_Formatted_Message("League News", "The %s have changed their name to the %s %s.", Name.c_str(),
                                   City.c_str(), Nickname.c_str());
        break;
    case EVENT_HOME_CITY:
        break;
    case EVENT_NEW_STADIUM:
        // The club's own controller is asked first, even while every club
        // is computer-run.
        if (Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER)
            bApply = Ask("New Stadium", Format("Would you like to move the %s to a new stadium (%s)?", Name, Second));
        else if (!All_Computer())
            Show_Formatted_Message("League News", "The %s have a new stadium: %s.", Name.c_str(), Second.c_str());
        break;
    case EVENT_STADIUM_CHANGE:
        if (bUserRun)
            bApply = Ask("Stadium Change", Format("Would you like to move the %s to %s?", Name, Second));
        else if (!All_Computer())
            Show_Formatted_Message("League News", "The %s are moving to %s.", Name.c_str(), Second.c_str());
        break;
    case EVENT_STADIUM_NAME:
        if (bUserRun)
            bApply = Ask("Name Change", Format("Would you like to change the %s stadium name from %s to %s?", Name,
                                               Stadium, Second));
        else if (!All_Computer())
            Show_Formatted_Message("League News", "The %s have changed the name of their stadium from %s to %s.",
                                   Name.c_str(), Stadium.c_str(), Second.c_str());
        break;
    default:
        return;
    }
    if (!bApply)
        return;

    if (bNewHome) {
        const int nCity = Take_City_Record(Home);
        if (nCity >= 0)
            Set_Team_Stat(nTeam, TEAM_STAT_CITY, nCity);
    }
    if (nKind == EVENT_MOVE || nKind == EVENT_REFORMED || nKind == EVENT_NAME_CHANGE)
        Rename_Team(nTeam, City, Nickname, Field(Event.szAbbreviation));
    if (nKind == EVENT_NEW_STADIUM || nKind == EVENT_STADIUM_CHANGE || nKind == EVENT_STADIUM_NAME)
        Set_Team_String(Second.c_str(), nTeam, TEAM_STRING_STADIUM);
}

// Playoff teams of the league once the new clubs (their divisions in
// NewDivisions) have joined, counted as the season's check counts them.
int Count_Playoff_Teams_With(const std::vector<int>& NewDivisions)
{
    int nPerDivision[NUMBER_OF_DIVISIONS];
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        nPerDivision[d] = Count_Division_Teams(d);
    for (int d : NewDivisions)
        if (d >= 0 && d < NUMBER_OF_DIVISIONS)
            ++nPerDivision[d];
    const int nWildCards = std::clamp(Get_Universe_Stat(WILD_CARD_TEAMS), 0, MAX_WILD_CARD_TEAMS);
    int nPlayoffTeams = 0;
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l) {
        int nTeams = 0;
        int nDivisions = 0;
        for (int d = 4 * l; d < 4 * l + 4; ++d) {
            nTeams += nPerDivision[d];
            nDivisions += nPerDivision[d] > 0 ? 1 : 0;
        }
        if (nTeams == 0)
            break;   // the leagues in use run from league 0
        nPlayoffTeams += std::min(std::min(nDivisions + nWildCards, MOST_PLAYOFF_TEAMS_PER_LEAGUE), nTeams);
    }
    return nPlayoffTeams;
}

// Why the new clubs cannot join; empty when they can.
std::string Why_Expansion_Cannot_Complete(const std::vector<const FRANCHISE_EVENT*>& New)
{
    const int nTeams = Count_Teams();
    const int nNew = static_cast<int>(New.size());
    const int nGames = Get_Games_Per_Season();
    const int nLimit = Get_Team_Limit_For_Games(nGames);
    char szWhy[TEXT_BUFFER_SIZE];
    if (nTeams + nNew > nLimit) {
        Format_Text_Bounded(szWhy, sizeof szWhy,
                            "%d new teams would make %d; with %d games per season the league holds at most %d "
                            "teams, so %d more would fit.",
                            nNew, nTeams + nNew, nGames, nLimit, std::max(nLimit - nTeams, 0));
        return szWhy;
    }
    std::vector<std::string> NewCities;
    std::vector<int> Divisions;
    for (const FRANCHISE_EVENT* pEvent : New) {
        std::string City;
        std::string Nickname;
        Split_Team_Text(Field(pEvent->szTeam), City, Nickname);
        if (Find_City_Record(City) < 0 &&
            std::none_of(NewCities.begin(), NewCities.end(), [&](const std::string& C) { return Same_Text(C, City); }))
            NewCities.push_back(City);
        Divisions.push_back(pEvent->nDivision + 4 * Find_League_By_Name(Field(pEvent->szLeague).c_str()));
    }
    const int nFreeCities = MAX_CITIES - Count_Cities();
    if (static_cast<int>(NewCities.size()) > nFreeCities) {
        Format_Text_Bounded(szWhy, sizeof szWhy,
                            "the new teams need %d new city records and only %d are free (%d city records in all).",
                            static_cast<int>(NewCities.size()), nFreeCities, MAX_CITIES);
        return szWhy;
    }
    if (!Check_Season_Fits_Game_Records(nTeams + nNew, nGames, Count_Playoff_Teams_With(Divisions), szWhy,
                                        sizeof szWhy))
        return szWhy;
    return std::string();
}

}  // namespace

void Set_Franchise_Event_Table(const FRANCHISE_EVENT* pEvents, int nEvents)
{
    if (pEvents == nullptr || nEvents < 0) {
        pTable = BUILT_IN_EVENTS;
        nTableCount = BUILT_IN_EVENT_COUNT;
        return;
    }
    pTable = pEvents;
    nTableCount = nEvents;
}

const FRANCHISE_EVENT* Get_Franchise_Events(int* pnCount)
{
    if (pnCount != nullptr)
        *pnCount = BUILT_IN_EVENT_COUNT;
    return BUILT_IN_EVENTS;
}

int Find_League_By_Name(const char* szName)
{
    if (szName == nullptr)
        return 0;
    const std::string Name(szName, strnlen(szName, TEXT_BUFFER_SIZE));
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l) {
        char szLeague[LEAGUE_NAME_SIZE + 1] = {};
        Get_League_Name(l, szLeague);
        if (szLeague[0] != '\0' && Same_Text(szLeague, Name))
            return l;
    }
    return 0;
}

int Find_Event_Team(const char* szTeam)
{
    if (szTeam == nullptr || szTeam[0] == '\0')
        return NO_TEAM;
    const std::string Text = Field(szTeam);
    const int nTeams = Count_Teams();
    const int nFound = Find_Team_By_Name(Text.c_str());
    if (nFound >= 0 && nFound < nTeams && Is_Team_Slot_Used(nFound))
        return nFound;
    // The clubs' own strings: city and nickname, with a comma or a blank
    // between them.
    const std::string Blanked = Commas_As_Blanks(Text);
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        const std::string Name = Team_String(t, TEAM_STRING_CITY) + " " + Team_String(t, TEAM_STRING_NICKNAME);
        if (Same_Text(Name, Blanked))
            return t;
    }
    return NO_TEAM;
}

int Set_Up_Expansion_Team(const char* szTeam, int nDivision, const char* szAbbreviation, const char* szStadium)
{
    std::string City;
    std::string Nickname;
    Split_Team_Text(szTeam != nullptr ? Field(szTeam) : std::string(), City, Nickname);
    if (Find_City_Record(City) < 0 && !Has_Free_City_Record())
        return -1;
    const int nTeam = Add_Team_To_League(0);
    if (nTeam < 0)
        return -1;
    Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nDivision);
    Set_Team_String(City.c_str(), nTeam, TEAM_STRING_CITY);
    Set_Team_String(Nickname.c_str(), nTeam, TEAM_STRING_NICKNAME);
    const std::string Wanted = szAbbreviation != nullptr ? Field(szAbbreviation) : std::string();
    Set_Team_String(Free_Abbreviation(Wanted, City, Nickname, nTeam).c_str(), nTeam, TEAM_STRING_ABBREVIATION);
    Set_Team_String(szStadium != nullptr ? Field(szStadium).c_str() : "", nTeam, TEAM_STRING_STADIUM);
    const int nCity = Take_City_Record(City);
    if (nCity >= 0) {
        Set_Team_Stat(nTeam, TEAM_STAT_CITY, nCity);
        // The opening finances again, now from the club's own market.
        Init_Team_Stadium_Finances(nTeam);
        Update_Team_Ticket_Finances(nTeam);
    }
    Set_Team_Stat(nTeam, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
    return nTeam;
}

void Apply_Franchise_Changes_From(const FRANCHISE_EVENT* pEvents, int nEvents, int nYear)
{
    if (pEvents == nullptr)
        return;
    for (int i = 0; i < nEvents; ++i)
        if (pEvents[i].nYear == nYear && pEvents[i].nKind != EVENT_EXPANSION)
            Apply_Event(pEvents[i]);
}

int Run_League_Expansion_From(const FRANCHISE_EVENT* pEvents, int nEvents, int nYear)
{
    if (pEvents == nullptr)
        return 0;
    // The clubs due this year that the league does not hold yet (a row
    // repeated in the table counts once).
    std::vector<const FRANCHISE_EVENT*> New;
    for (int i = 0; i < nEvents; ++i) {
        const FRANCHISE_EVENT& Event = pEvents[i];
        if (Event.nYear != nYear || Event.nKind != EVENT_EXPANSION)
            continue;
        const std::string Name = Commas_As_Blanks(Field(Event.szTeam));
        if (Name.empty() || Find_Event_Team(Name.c_str()) != NO_TEAM)
            continue;
        if (std::any_of(New.begin(), New.end(),
                        [&](const FRANCHISE_EVENT* p) { return Same_Text(Commas_As_Blanks(Field(p->szTeam)), Name); }))
            continue;
        New.push_back(&Event);
    }
    if (New.empty())
        return 0;

    // All of them join or none does.
    const std::string Why = Why_Expansion_Cannot_Complete(New);
    if (!Why.empty()) {
        Show_Formatted_Message("League Expansion", "No team was added to the league for %d: %s", nYear, Why.c_str());
        return 0;
    }

    std::string Added;
    int nAdded = 0;
    for (const FRANCHISE_EVENT* pEvent : New) {
        const int nDivision = pEvent->nDivision + 4 * Find_League_By_Name(Field(pEvent->szLeague).c_str());
        if (Set_Up_Expansion_Team(pEvent->szTeam, nDivision, pEvent->szAbbreviation, pEvent->szSecond) < 0)
            continue;
        ++nAdded;
        Sort_Teams_By_City();
        Clear_Standings_Order();
        if (Get_Current_Week() < std::max(Get_First_Playoff_Week(), 2))
            Update_Standings();
        Added += "   " + Commas_As_Blanks(Field(pEvent->szTeam)) + "\n";
    }
    if (nAdded == 0)
        return 0;

    Set_Expansion_Exclusion(false);
    if (!All_Computer()) {
        Show_Formatted_Message("League Expansion", "The following teams have been added to the league:\n\n%s",
                               Added.c_str());
        if (Count_Human_Teams() == 1) {
            const int nChoice = User_Message_Dialog("Expansion Draft", EXPANSION_DRAFT_TEXT, 0, "&View My Team",
                                                    "&Exclude My Team", "&Proceed with Expansion Draft");
            if (nChoice == ID_YES) {
                Set_User_Preference(PREF_CURRENT_TEAM, Get_Nth_Human_Team(0));
                Show_Offense_View(Get_Nth_Human_Team(0));
            } else if (nChoice == ID_NO) {
                Set_Expansion_Exclusion(true);
            }
        }
    }
    Auto_Set_Computer_Depth_Charts(0);
    Run_Expansion_Draft();
    for (int t = 0; t < Count_Teams(); ++t) {
        if (Get_Team_Stat(t, TEAM_STAT_CONTROLLER) != CONTROLLER_NEW_FRANCHISE)
            continue;
        Stock_New_Team_Roster(t);
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    }
    return nAdded;
}

void Apply_Franchise_Changes(int nYear)
{
    Apply_Franchise_Changes_From(pTable, nTableCount, nYear);
}

void Run_League_Expansion(int nYear)
{
    Run_League_Expansion_From(pTable, nTableCount, nYear);
}
