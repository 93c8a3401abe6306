// Players and clubs found by the names text files carry (rosters,
// statistics, schedules, leader files), and the plain rosters file a user
// edits and feeds back.
#include "season/name_lookups.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace {

constexpr int RETIRED_TEAM = 41;
constexpr int GONE_TEAM = -1;          // a known club that no longer exists
constexpr int MOST_ABBREVIATION_CHARS = 4;
constexpr int OVERALL_GRADE_STAT = 225;
constexpr int NUMBER_OF_BASE_POSITIONS = 15;
constexpr int ROSTERS_PROGRESS_STEPS = 100;
const char* const ROSTERS_PATH = ROSTERS_TEXT_FILE;

// Former and other codes of franchises: a text equal to one side finds the
// first franchise using the other, the pairs tried in this order.
struct ALIAS_PAIR {
    const char* szLeft;
    const char* szRight;
};
constexpr ALIAS_PAIR ALIAS_PAIRS[] = {
    {"BAL", "IND"},  {"STL", "PHX"},  {"RAM", "STL"}, {"LARI", "OAK"}, {"CLE", "BAL"}, {"HOU", "TEN"},
    {"LA", "STL"},   {"LA", "LAR"},   {"STL", "LAR"}, {"LARM", "LAR"}, {"LARM", "LA"}, {"LARM", "STL"},
    {"RAM", "LA"},   {"SL", "STL"},   {"RAI", "OAK"}, {"OAK", "LVR"},  {"CHIB", "CHI"}, {"BOS", "NE"},
    {"NY", "NYG"},   {"CHIC", "STL"}, {"CRD", "STL"}, {"STL", "ARI"},  {"ARZ", "ARI"},  {"PHX", "ARI"},
    {"PHO", "ARI"},  {"PHO", "PHX"},  {"NOR", "NO"},  {"NWE", "NE"},   {"GNB", "GB"},   {"SFO", "SF"},
    {"SDG", "SD"},   {"TAM", "TB"},   {"JAX", "JAC"}, {"KAN", "KC"},   {"CLV", "CLE"},  {"HST", "HOU"},
    {"BLT", "BAL"},  {"SD", "LAC"},   {"SDG", "LAC"}, {"CHH", "CRA"},  {"BUF", "BBA"},  {"NYT", "NYJ"},
};
static_assert(sizeof(ALIAS_PAIRS) / sizeof(ALIAS_PAIRS[0]) == 42, "the alias table holds 42 pairs");

// Codes of clubs that once played and have no franchise now.
const char* const GONE_CODES[] = {"BCL", "BDA", "BOS", "BUF", "CHR", "CHH", "DTX", "LAD", "MIA", "NYY"};

// Former club names read as the franchise's name now (whole text, any case).
struct HISTORIC_NAME {
    const char* szOld;
    const char* szNow;
};
constexpr HISTORIC_NAME HISTORIC_NAMES[] = {
    {"Houston Oilers", "Tennessee Titans"},
    {"Tennessee Oilers", "Tennessee Titans"},
    {"Oilers", "Titans"},
    {"Washington Redskins", "Washington Vazarudu Team"},
    {"Redskins", "Vazarudu Team"},
};

// First names of the shipped rosters that the exact player search matches on
// their first seven characters alone (a name cut differently in some files).
// The fictional rosters have none.
const char* const PREFIX_MATCHED_FIRST_NAMES[] = {nullptr};
constexpr size_t PREFIX_MATCH_CHARS = 7;

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool Equal_No_Case(const std::string& A, const std::string& B)
{
    if (A.size() != B.size())
        return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (Upper(A[i]) != Upper(B[i]))
            return false;
    return true;
}

bool Starts_With_No_Case(const std::string& Text, const std::string& Start)
{
    return Text.size() >= Start.size() && Equal_No_Case(Text.substr(0, Start.size()), Start);
}

std::string Without_Dots(std::string Text)
{
    std::string Kept;
    for (char c : Text)
        if (c != '.')
            Kept += c;
    return Kept;
}

// A name read from a file may carry a mark before it ("*", a digit): a text
// not starting with a capital letter is compared from its second character.
std::string Searched_Name(const char* szName)
{
    const std::string Text(szName);
    if (!Text.empty() && !(Text[0] >= 'A' && Text[0] <= 'Z'))
        return Text.substr(1);
    return Text;
}

std::string Player_Full_Name(int nTeam, int nSlot)
{
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name_Copy(nTeam, nSlot, szName);
    return szName;
}

bool Is_Searched_Team(int nTeam)
{
    return nTeam >= MAX_FRANCHISES || Is_Team_Slot_Used(nTeam);
}

std::string Team_String_Of(int nTeam, int nString)
{
    char szText[TEXT_BUFFER_SIZE];
    Get_Team_String(szText, nTeam, nString);
    return szText;
}

std::string Team_Full_Name_Of(int nTeam)
{
    char szText[TEXT_BUFFER_SIZE];
    Get_Team_Full_Name(nTeam, szText);
    return szText;
}

// The franchises a club name may name: slots below the team count that are
// in use.
bool Is_Named_Franchise(int t)
{
    return Is_Team_Slot_Used(t);
}

// The first franchise whose abbreviation is exactly the code; NO_TEAM when none.
int Find_Exact_Abbreviation(const char* szCode, int nTeams)
{
    for (int t = 0; t < nTeams; ++t)
        if (Is_Named_Franchise(t) && Team_String_Of(t, TEAM_STRING_ABBREVIATION) == szCode)
            return t;
    return NO_TEAM;
}

int Find_Franchise_By_Nickname(const std::string& Nickname)
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        if (Is_Named_Franchise(t) && Equal_No_Case(Team_String_Of(t, TEAM_STRING_NICKNAME), Nickname))
            return t;
    return NO_TEAM;
}

// The next blank-separated word of Rest, removed from it with its blank.
std::string Pop_Word(std::string& Rest)
{
    const size_t nBlank = Rest.find(' ');
    std::string Word = Rest.substr(0, nBlank);
    Rest = nBlank == std::string::npos ? std::string() : Rest.substr(nBlank + 1);
    return Word;
}

// The rosters file's lines, put in place whole at the end: the old file
// stays until the new one is written, and a file that cannot be written is
// told once ("File Error"), its name and the system's words in Problem.
struct ROSTER_WRITER {
    std::string Text;
    void Line(const std::string& Words)
    {
        Text += Words;
        Text += '\n';
    }
    bool Finish(std::string* pProblem)
    {
        files::Create_Folders("Output");
        errno = 0;
        if (files::Write_Whole_File(ROSTERS_PATH, Text.data(), Text.size()))
            return true;
        const int nError = errno;
        char szText[TEXT_BUFFER_SIZE];
        Format_Text_Bounded(szText, sizeof(szText), "Couldn't open file: \"%s\"\n\n%s", ROSTERS_PATH,
                            Get_Error_Text());
        Show_Message_Box(szText, "File Error", BOX_OK | BOX_ICON_EXCLAMATION);
        if (pProblem != nullptr)
            *pProblem = "\"" + files::Resolve_Path(ROSTERS_PATH) + "\" could not be written (" +
                        files::Error_Text(nError) + ")";
        return false;
    }
};

}  // namespace

bool Find_Player_By_Name(PLAYER_LOCATION* pOut, const char* szName, int nPreferredTeam, int nPosition)
{
    PLAYER_LOCATION Best = {static_cast<uint8_t>(NO_TEAM), static_cast<uint8_t>(NO_PLAYER)};
    int64_t nBestScore = 0;
    if (szName != nullptr) {
        const std::string Text = Searched_Name(szName);
        const int nWantedSide =
            nPosition >= 0 && nPosition < NUMBER_OF_BASE_POSITIONS ? Get_Position_Side(nPosition) : -1;
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
            if (!Is_Searched_Team(t))
                continue;
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0)
                    continue;
                if (!Equal_No_Case(Player_Full_Name(t, s), Text))
                    continue;
                const int nHisPosition = Get_Player_Vital_Stat(t, s, VITAL_POSITION);
                int64_t nScore = Get_Player_Stat(t, s, STAT_PERIOD_PREDICTED, OVERALL_GRADE_STAT) + 500;
                if (nHisPosition == nPosition)
                    nScore += 2000;
                else
                    nScore += (75 - std::llabs(static_cast<int64_t>(nHisPosition) - nPosition)) * 20;
                if (Get_Position_Side(nHisPosition) != nWantedSide)
                    nScore -= 1000;
                if (t == nPreferredTeam)
                    nScore += 5000;
                const int64_t nAge = Get_Player_Age(t, s);
                if (nAge < 20)
                    nScore += (nAge - 20) * 10;
                else if (nAge > 40)
                    nScore += (40 - nAge) * 2;
                if (nScore > nBestScore) {
                    nBestScore = nScore;
                    Best = {static_cast<uint8_t>(t), static_cast<uint8_t>(s)};
                }
            }
        }
    }
    if (pOut != nullptr)
        *pOut = Best;
    return nBestScore > 0;
}

bool Find_Player_By_Full_Name(PLAYER_LOCATION* pOut, const char* szName)
{
    PLAYER_LOCATION Found = {static_cast<uint8_t>(NO_TEAM), static_cast<uint8_t>(NO_PLAYER)};
    int nMatches = 0;
    if (szName != nullptr && szName[0] != '\0') {
        // The caller's text stays as it is: its dot-free form is a copy.
        const std::string Text = Searched_Name(szName);
        const std::string TextWithoutDots = Without_Dots(Text);
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
            if (!Is_Searched_Team(t))
                continue;
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0)
                    continue;
                const std::string Name = Player_Full_Name(t, s);
                const std::string NameWithoutDots = Without_Dots(Name);
                bool bMatch = Equal_No_Case(Name, Text) || Equal_No_Case(NameWithoutDots, Text)
                           || Equal_No_Case(NameWithoutDots, TextWithoutDots);
                for (const char* const* p = PREFIX_MATCHED_FIRST_NAMES; !bMatch && *p != nullptr; ++p) {
                    const std::string Prefix = std::string(*p).substr(0, PREFIX_MATCH_CHARS);
                    bMatch = Starts_With_No_Case(Name, Prefix) && Starts_With_No_Case(Text, Prefix);
                }
                if (bMatch) {
                    Found = {static_cast<uint8_t>(t), static_cast<uint8_t>(s)};
                    ++nMatches;
                }
            }
        }
    }
    if (pOut != nullptr)
        *pOut = Found;
    return nMatches == 1;
}

int Find_Team_By_Abbreviation(const char* szText, int bReport)
{
    if (szText == nullptr)
        return NO_TEAM;
    const std::string Text(szText);
    // The longer words for the free agents are not codes: only "FA" is.
    if (Text.empty() || Text.size() > MOST_ABBREVIATION_CHARS)
        return NO_TEAM;
    if (Equal_No_Case(Text, "FA"))
        return FREE_AGENT_TEAM;
    const int nTeams = Count_Teams();
    const int nExact = Find_Exact_Abbreviation(szText, nTeams);
    if (nExact != NO_TEAM)
        return nExact;
    for (const ALIAS_PAIR& Pair : ALIAS_PAIRS) {
        if (Equal_No_Case(Text, Pair.szLeft)) {
            const int t = Find_Exact_Abbreviation(Pair.szRight, nTeams);
            if (t != NO_TEAM)
                return t;
        }
        if (Equal_No_Case(Text, Pair.szRight)) {
            const int t = Find_Exact_Abbreviation(Pair.szLeft, nTeams);
            if (t != NO_TEAM)
                return t;
        }
    }
    for (const char* szGone : GONE_CODES)
        if (Equal_No_Case(Text, szGone))
            return GONE_TEAM;
    if (bReport)
        Report_Error("Unrecognized Team Abbreviation: %s", szText);
    return NO_TEAM;
}

int Find_Team_By_Full_Name(const char* szText)
{
    if (szText == nullptr)
        return NO_TEAM;
    std::string Text(szText);
    for (char& c : Text)
        if (c == ',')
            c = ' ';
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        if (Is_Named_Franchise(t) && Equal_No_Case(Team_Full_Name_Of(t), Text))
            return t;
    return NO_TEAM;
}

int Find_Team_By_Name(const char* szText)
{
    if (szText == nullptr)
        return NO_TEAM;
    const int nFull = Find_Team_By_Full_Name(szText);
    if (nFull != NO_TEAM)
        return nFull;
    const std::string Text(szText);
    if (Equal_No_Case(Text, "Free Agents"))
        return FREE_AGENT_TEAM;
    if (Equal_No_Case(Text, "Retired"))
        return RETIRED_TEAM;
    std::string Rest = Text;
    const std::string First = Pop_Word(Rest);
    const std::string Second = Pop_Word(Rest);
    const std::string Third = Pop_Word(Rest);
    std::string Nickname = !Third.empty() ? Third : !Second.empty() ? Second : First;
    // The one two-word nickname: "Washington Vazarudu Team", and "Vazarudu
    // Team" alone (what "Redskins" is read as), name it whole.
    const std::string& Before = !Third.empty() ? Second : First;
    if (Equal_No_Case(Nickname, "Team") && Equal_No_Case(Before, "Vazarudu") && !Second.empty())
        Nickname = "Vazarudu Team";
    return Find_Franchise_By_Nickname(Nickname);
}

int Find_Team_By_Historic_Name(const char* szText)
{
    if (szText == nullptr)
        return NO_TEAM;
    // The former name is read into a text of our own: the name it becomes is
    // longer than the caller's text may hold.
    std::string Text(szText);
    for (const HISTORIC_NAME& Name : HISTORIC_NAMES) {
        if (Equal_No_Case(Text, Name.szOld)) {
            Text = Name.szNow;
            break;
        }
    }
    const int nTeam = Find_Team_By_Name(Text.c_str());
    if (nTeam == NO_TEAM && !Text.empty())
        Write_Debug_Log("Unrecognized Team Name: %s (%d)", Text.c_str(), Get_Current_Year());
    return nTeam;
}

int Find_Team_By_Nickname(const char* szText)
{
    if (szText == nullptr)
        return NO_TEAM;
    return Find_Franchise_By_Nickname(szText);
}

bool Output_Rosters_Text(std::string* pProblem)
{
    Open_Progress_Window("Outputting Rosters...", ROSTERS_PROGRESS_STEPS);
    const int nTeams = Count_Teams();
    // A league without franchises still gets its free agents and a full bar.
    const int nStep = nTeams > 0 ? ROSTERS_PROGRESS_STEPS / nTeams : 0;
    ROSTER_WRITER Writer;
    for (int t = 0; t < nTeams; ++t) {
        std::string Name = Team_Full_Name_Of(t);
        if (!Name.empty() && Name[0] >= 'a' && Name[0] <= 'z')
            Name[0] = Upper(Name[0]);
        Writer.Line(Name);
        if (Is_Team_Slot_Used(t)) {
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) != 0)
                    Writer.Line(Player_Full_Name(t, s));
        }
        Writer.Line("");
        Step_Progress_Window(nStep);
    }
    Writer.Line("FREE AGENTS");
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (Get_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_PLAYER_ID) == 0)
            continue;
        char szFirst[PLAYER_FIRST_NAME_TEXT_SIZE];
        char szLast[PLAYER_LAST_NAME_SIZE];
        Get_Player_First_Name(FREE_AGENT_TEAM, s, szFirst);
        Get_Player_Last_Name(FREE_AGENT_TEAM, s, szLast);
        Writer.Line(std::string(szFirst) + " " + szLast);
    }
    const bool bWritten = Writer.Finish(pProblem);
    Step_Progress_Window(ROSTERS_PROGRESS_STEPS + 1 - nTeams * nStep);
    Close_Progress_Window();
    return bWritten;
}
