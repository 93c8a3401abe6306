#include "export/html_template.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "base/html_text.h"
#include "base/text_utils.h"
#include "export/encyclopedia.h"
#include "export/template_variables.h"
#include "league/game_record.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_text.h"
#include "league/season_lines.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace {

constexpr std::string_view TABLE_END_PREFIX = "</qlv:table";
constexpr std::string_view TABLE_PREFIX = "<qlv:table";
constexpr std::string_view VARIABLE_PREFIX = "<qlv:var";
// Tags shorter than this are plain text, whatever they begin with.
constexpr size_t SHORTEST_TAG = 10;
constexpr int GAME_RECORDS = 300;

struct PARAMETER_KEY {
    const char* szKey;
    int nCode;
};

const PARAMETER_KEY PARAMETER_KEYS[] = {
    {"GAME", TP_GAME},     {"TEAM", TP_TEAM},         {"WEEK", TP_WEEK},     {"PLAYER", TP_PLAYER},
    {"STAT", TP_STAT},     {"LEAGUE", TP_LEAGUE},     {"DIVIS", TP_DIVIS},   {"POS", TP_POS},
    {"COUNT", TP_COUNT},   {"SEASON", TP_SEASON},     {"TYPE", TP_TYPE},     {"LEADERSTAT", TP_LEADERSTAT},
    {"PLAY", TP_PLAY},
};
static_assert(sizeof(PARAMETER_KEYS) / sizeof(PARAMETER_KEYS[0]) == 13);

const char* const TABLE_NAMES[] = {
    "tDivisionStanding", "tGameByGame", "tPlayers",       "tLeaders",           "tPlayerStats",
    "tWeekGames",        "tTeamSummary", "tPlayersByName", "tPlayoffGameByGame", "tGamePlays",
};
static_assert(sizeof(TABLE_NAMES) / sizeof(TABLE_NAMES[0]) == 10);

// The leader statistics the tLeaders tables of a page list, in order; the
// ninth and every later table repeats the last.
constexpr int LEADER_TABLE_STATS[] = {10, 11, 12, 14, 15, 16, 1, 2, 4};
constexpr int LEADER_TABLE_STAT_COUNT = sizeof(LEADER_TABLE_STATS) / sizeof(LEADER_TABLE_STATS[0]);

std::vector<std::string> g_Problems;

// The state of one page's expansion.
struct PAGE_STATE {
    const char* szFile = "";
    // The template's text: problems are placed by their offset in it. Blocks
    // are copies, so each text being expanded carries its offset here.
    const std::string* pTemplate = nullptr;
    int nLeaderTables = 0;
    int nDepth = 0;
    bool bTooLarge = false;
    // Problems already logged for this page: a row repeats its block's.
    std::vector<std::string> Logged;
};

// A text being expanded: the template itself or a table's block, with the
// offset of its first byte in the template.
struct SOURCE {
    const std::string& Text;
    size_t nOrigin;
};

int Line_Of(const PAGE_STATE& State, size_t nOffset)
{
    if (!State.pTemplate)
        return 0;
    const std::string& Text = *State.pTemplate;
    nOffset = std::min(nOffset, Text.size());
    return 1 + static_cast<int>(std::count(Text.begin(), Text.begin() + static_cast<std::ptrdiff_t>(nOffset), '\n'));
}

void Problem(PAGE_STATE& State, size_t nOffset, const std::string& What)
{
    if (std::find(State.Logged.begin(), State.Logged.end(), What) != State.Logged.end())
        return;
    if (State.Logged.size() < 100)
        State.Logged.push_back(What);
    std::string Line = std::string(State.szFile ? State.szFile : "") + ":" + std::to_string(Line_Of(State, nOffset)) +
                       ": " + What;
    Write_Notice("Template: %s", Line.c_str());
    // A hostile template could fill memory with problems; the first ones say enough.
    if (g_Problems.size() < 1000)
        g_Problems.push_back(std::move(Line));
}

bool Starts_With(std::string_view Text, std::string_view Prefix)
{
    return Text.size() >= Prefix.size() && Text.compare(0, Prefix.size(), Prefix) == 0;
}

// Copies the text from nPos up to the next "<" to Out and reads the tag into
// Tag. Returns the position after the tag's ">", or -1 when the text ends
// first (Tag is then empty). *pbOpen tells a tag that ran to the end unclosed.
long Copy_Template_Text(const std::string& Text, std::string& Tag, std::string* pOut, long nPos, bool* pbOpen)
{
    Tag.clear();
    *pbOpen = false;
    if (nPos < 0 || static_cast<size_t>(nPos) >= Text.size())
        return -1;
    const size_t nOpen = Text.find('<', static_cast<size_t>(nPos));
    if (nOpen == std::string::npos) {
        if (pOut)
            pOut->append(Text, static_cast<size_t>(nPos), std::string::npos);
        return -1;
    }
    if (pOut)
        pOut->append(Text, static_cast<size_t>(nPos), nOpen - static_cast<size_t>(nPos));
    const size_t nClose = Text.find('>', nOpen);
    if (nClose == std::string::npos) {
        Tag.assign(Text, nOpen, std::string::npos);
        Tag += '>';
        *pbOpen = true;
        return static_cast<long>(Text.size());
    }
    Tag.assign(Text, nOpen, nClose - nOpen + 1);
    return static_cast<long>(nClose + 1);
}

// The block of a table: the text from nPos up to and including the first
// tag that begins "</qlv:table". Returns the position after that tag's ">"
// (the end of the text when there is none; *pbFound says which).
long Find_Template_Table_End(const std::string& Text, std::string& Block, long nPos, bool* pbFound)
{
    *pbFound = false;
    Block.clear();
    size_t nAt = static_cast<size_t>(std::max<long>(nPos, 0));
    const size_t nStart = std::min(nAt, Text.size());
    while (nAt < Text.size()) {
        const size_t nOpen = Text.find('<', nAt);
        if (nOpen == std::string::npos)
            break;
        const size_t nClose = Text.find('>', nOpen);
        const size_t nEnd = nClose == std::string::npos ? Text.size() : nClose + 1;
        const std::string_view Tag(Text.data() + nOpen, nEnd - nOpen);
        if (Tag.size() >= SHORTEST_TAG && Starts_With(Tag, TABLE_END_PREFIX) && nClose != std::string::npos) {
            Block.assign(Text, nStart, nEnd - nStart);
            *pbFound = true;
            return static_cast<long>(nEnd);
        }
        nAt = nEnd;
    }
    Block.assign(Text, nStart, std::string::npos);
    return static_cast<long>(Text.size());
}

void Check_Parameters(PAGE_STATE& State, size_t nOffset, const std::string& Tag)
{
    // Each group of the tag: an unknown key or a value that is no integer.
    size_t nAt = 0;
    while ((nAt = Tag.find('[', nAt)) != std::string::npos) {
        const size_t nEnd = Tag.find(']', nAt);
        if (nEnd == std::string::npos)
            break;
        const std::string_view Group(Tag.data() + nAt + 1, nEnd - nAt - 1);
        const size_t nEquals = Group.find('=');
        if (Get_Template_Parameter_Code(Group) == TP_UNKNOWN) {
            Problem(State, nOffset, "unknown parameter [" + std::string(Group) + "] in " + Tag);
        } else if (nEquals != std::string_view::npos) {
            std::string_view Value = Group.substr(nEquals + 1);
            if (!Value.empty() && (Value[0] == '-' || Value[0] == '+'))
                Value.remove_prefix(1);
            if (Value.empty() || Value.find_first_not_of("0123456789") != std::string_view::npos)
                Problem(State, nOffset, "parameter [" + std::string(Group) + "] is not a whole number in " + Tag);
        }
        nAt = nEnd + 1;
    }
}

// The playoff weeks played so far in which a club had a game, in order: a
// club with a bye has no row for the round it sat out.
std::vector<int> Team_Playoff_Weeks(int nTeam)
{
    std::vector<int> Weeks;
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES)
        return Weeks;
    const int R = std::max(2, Get_First_Playoff_Week());
    const int nLast = R + std::min(Get_Team_Playoff_Round(nTeam), Get_Current_Week() - R);
    for (int w = R; w < nLast && w < SCHEDULE_WEEKS; ++w)
        if (Get_Team_Game_Index_In_Week(w, nTeam) >= 0)
            Weeks.push_back(w);
    return Weeks;
}

// Whether a club has a game in season index nSeason: its record holds one.
bool Played_Season(int nTeam, int nSeason)
{
    return Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS) != 0 ||
           Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES) != 0 ||
           Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_TIES) != 0;
}

// The rows of a division's standing of SEASON (seasons back), in order: the
// season's clubs of the division as its standings place them. A past or
// decided season lists only the clubs that played it (a club that joined
// later has no row there); the current season while it is played keeps
// every club.
std::vector<int> Division_Standing_Rows(int nDivision, int nSeasonsAgo)
{
    std::vector<int> Rows;
    if (nDivision < 0 || nDivision >= NUMBER_OF_DIVISIONS)
        return Rows;
    const int nSeason = Get_Current_Season_Index() - nSeasonsAgo;
    const int nPlaces = Count_Season_Division_Teams(nDivision, nSeason);
    for (int p = 0; p < nPlaces; ++p)
        Rows.push_back(Get_Division_Place_Team(nDivision, p, nSeason));
    return Rows;
}

// The SEASON (seasons back) of each row of a club's season-by-season table:
// the current season, then each past season the club played, newest first.
std::vector<int> Team_Summary_Seasons(int nTeam)
{
    std::vector<int> Seasons;
    const int nCurrent = Get_Current_Season_Index();
    for (int r = 0; r <= nCurrent; ++r)
        if (r == 0 || (nTeam >= 0 && nTeam < MAX_FRANCHISES && Played_Season(nTeam, nCurrent - r)))
            Seasons.push_back(r);
    return Seasons;
}

// Row r of a list the table built, -1 past its end.
int Row_Of(const std::vector<int>& Rows, int nRow)
{
    return nRow >= 0 && static_cast<size_t>(nRow) < Rows.size() ? Rows[static_cast<size_t>(nRow)] : -1;
}

}  // namespace

void Format_Template_Parameters(std::string& Tag, int nTable, const HTML_TEMPLATE_PARAMS& Table, int nRow,
                                const std::vector<TEMPLATE_PLAYER_ENTRY>& Players)
{
    const int nSeason = Get_Template_Parameter(Table, TP_SEASON);
    const int nTeam = Get_Template_Parameter(Table, TP_TEAM);
    switch (nTable) {
    case TABLE_DIVISION_STANDING: {
        const std::vector<int> Rows = Division_Standing_Rows(Get_Template_Parameter(Table, TP_DIVIS), nSeason);
        const int nRowTeam = Row_Of(Rows, nRow);
        Get_Template_Parameter_Name(Tag, nRowTeam < 0 ? NO_TEAM : nRowTeam, TP_TEAM);
        Get_Template_Parameter_Name(Tag, nSeason, TP_SEASON);
        break;
    }
    case TABLE_GAME_BY_GAME:
        Get_Template_Parameter_Name(Tag, nRow, TP_WEEK);
        Get_Template_Parameter_Name(Tag, nTeam, TP_TEAM);
        break;
    case TABLE_PLAYERS:
    case TABLE_PLAYERS_BY_NAME:
        if (nRow >= 0 && static_cast<size_t>(nRow) < Players.size()) {
            Get_Template_Parameter_Name(Tag, Players[static_cast<size_t>(nRow)].nSlot, TP_PLAYER);
            Get_Template_Parameter_Name(Tag, Players[static_cast<size_t>(nRow)].nTeam, TP_TEAM);
        }
        Get_Template_Parameter_Name(Tag, 0, TP_SEASON);
        break;
    case TABLE_LEADERS:
        Get_Template_Parameter_Name(Tag, nRow, TP_COUNT);
        break;
    case TABLE_PLAYER_STATS: {
        const int nPlayer = Get_Template_Parameter(Table, TP_PLAYER);
        const int nPast = Count_Player_Past_Seasons(nTeam, nPlayer);
        Get_Template_Parameter_Name(Tag, nRow < nPast ? nRow + 4 : 2, TP_SEASON);
        Get_Template_Parameter_Name(Tag, nTeam, TP_TEAM);
        Get_Template_Parameter_Name(Tag, nPlayer, TP_PLAYER);
        break;
    }
    case TABLE_WEEK_GAMES:
        Get_Template_Parameter_Name(Tag, Get_Week_First_Game_Index(Get_Template_Parameter(Table, TP_WEEK)) + nRow,
                                    TP_GAME);
        break;
    case TABLE_TEAM_SUMMARY:
        Get_Template_Parameter_Name(Tag, nTeam, TP_TEAM);
        Get_Template_Parameter_Name(Tag, Row_Of(Team_Summary_Seasons(nTeam), nRow), TP_SEASON);
        break;
    case TABLE_PLAYOFF_GAME_BY_GAME: {
        const std::vector<int> Weeks = Team_Playoff_Weeks(nTeam);
        Get_Template_Parameter_Name(Tag, nTeam, TP_TEAM);
        Get_Template_Parameter_Name(
            Tag, nRow >= 0 && static_cast<size_t>(nRow) < Weeks.size() ? Weeks[static_cast<size_t>(nRow)] : -1,
            TP_WEEK);
        break;
    }
    case TABLE_GAME_PLAYS:
        Get_Template_Parameter_Name(Tag, Get_Template_Parameter(Table, TP_GAME), TP_GAME);
        Get_Template_Parameter_Name(Tag, nRow, TP_PLAY);
        break;
    default:
        break;
    }
}

namespace {

// R: the number of regular-season weeks, at least 2.
int Regular_Weeks()
{
    return std::max(2, Get_First_Playoff_Week());
}

// The rows of a table (-1 for an unknown id). A player table fills Players,
// whose size is its row count; a leaders table starts its list.
int Count_Template_Table_Rows(PAGE_STATE& State, int nTable, const HTML_TEMPLATE_PARAMS& Table,
                              std::vector<TEMPLATE_PLAYER_ENTRY>& Players)
{
    const int nWeekNow = Get_Current_Week();
    const int R = Regular_Weeks();
    switch (nTable) {
    case TABLE_DIVISION_STANDING: {
        // The season's clubs of the division: an erased club that played it
        // too, a club that joined after it not.
        return static_cast<int>(
            Division_Standing_Rows(Get_Template_Parameter(Table, TP_DIVIS), Get_Template_Parameter(Table, TP_SEASON))
                .size());
    }
    case TABLE_GAME_BY_GAME:
        // The regular season's weeks only: the playoff games have rows of
        // their own.
        return std::min(nWeekNow, R);
    case TABLE_PLAYERS:
        Players = Build_Template_Player_List(Get_Template_Parameter(Table, TP_TEAM),
                                             Get_Template_Parameter(Table, TP_POS), 0);
        return static_cast<int>(Players.size());
    case TABLE_LEADERS: {
        const int nSeason = Get_Template_Parameter(Table, TP_SEASON);
        const int nStat = Get_Template_Leader_Table_Stat(State.nLeaderTables);
        const int nPeriod = nSeason == -1   ? 2
                            : nSeason == -2 ? -2
                                            : Get_Current_Season_Index() - nSeason + 4;
        Begin_Template_Leaders_Table(Get_Template_Parameter(Table, TP_LEAGUE), nStat, nPeriod);
        ++State.nLeaderTables;
        return 10;
    }
    case TABLE_PLAYER_STATS: {
        const int nTeam = Get_Template_Parameter(Table, TP_TEAM);
        const int nPlayer = Get_Template_Parameter(Table, TP_PLAYER);
        if (!Is_Player_Slot_Used(nTeam, nPlayer))
            return 0;
        return Count_Player_Past_Seasons(nTeam, nPlayer) + 1;
    }
    case TABLE_WEEK_GAMES: {
        const int W = Get_Template_Parameter(Table, TP_WEEK);
        // A playoff round's games are as many as its field gives (six
        // wild-card games with seven clubs a league).
        return W < 0 ? 0 : Count_Week_Games(W);
    }
    case TABLE_TEAM_SUMMARY:
        // No row for a season before the club joined the league.
        return static_cast<int>(Team_Summary_Seasons(Get_Template_Parameter(Table, TP_TEAM)).size());
    case TABLE_PLAYERS_BY_NAME: {
        const int cLetter = Get_Template_Parameter(Table, TP_TYPE);
        Players = cLetter > 0 && cLetter < 256 ? Build_Template_Player_List(-1, -1, cLetter)
                                               : std::vector<TEMPLATE_PLAYER_ENTRY>();
        return static_cast<int>(Players.size());
    }
    case TABLE_PLAYOFF_GAME_BY_GAME:
        return static_cast<int>(Team_Playoff_Weeks(Get_Template_Parameter(Table, TP_TEAM)).size());
    case TABLE_GAME_PLAYS: {
        // A GAME outside the records gives no rows.
        const int nGame = Get_Template_Parameter(Table, TP_GAME);
        if (nGame < 0 || nGame >= GAME_RECORDS)
            return 0;
        const GAME* pGame = Get_Game_Record(nGame);
        return pGame ? std::clamp<int>(pGame->nPlays, 0, PLAY_LOG_SIZE) : 0;
    }
    default:
        return -1;
    }
}

long Expand_Template_Tag(PAGE_STATE& State, const SOURCE& Source, std::string& Tag, std::string& Out, long nPos,
                         size_t nTagOffset);

// Expands a text (the template or one row of a block) from position 0 to its
// end. With a table id, every variable tag gets the row's groups.
void Expand_Text(PAGE_STATE& State, const SOURCE& Source, std::string& Out, int nTable,
                 const HTML_TEMPLATE_PARAMS* pTable, int nRow, const std::vector<TEMPLATE_PLAYER_ENTRY>* pPlayers,
                 const HTML_TEMPLATE_PARAMS* pPage, int nPageCount)
{
    std::string Tag;
    long nPos = 0;
    while (nPos != -1) {
        if (Out.size() > TEMPLATE_PAGE_SIZE_LIMIT) {
            if (!State.bTooLarge)
                Problem(State, Source.nOrigin + static_cast<size_t>(nPos),
                        "the page passed " + std::to_string(TEMPLATE_PAGE_SIZE_LIMIT) + " bytes; the rest is left out");
            State.bTooLarge = true;
            return;
        }
        bool bOpen = false;
        const long nBefore = nPos;
        nPos = Copy_Template_Text(Source.Text, Tag, &Out, nPos, &bOpen);
        if (Tag.empty())
            break;
        const size_t nTagOffset = Source.nOrigin + Source.Text.find('<', static_cast<size_t>(nBefore));
        if (bOpen)
            Problem(State, nTagOffset, "a tag is not closed before the end of the text");
        const int nKind = Find_Template_Tag(Tag);
        if (pPage && (nKind == TAG_VARIABLE || nKind == TAG_TABLE))
            for (int i = 0; i < nPageCount; ++i)
                Get_Template_Parameter_Name(Tag, pPage->nValue[i], pPage->nCode[i]);
        if (pTable && nKind == TAG_VARIABLE)
            Format_Template_Parameters(Tag, nTable, *pTable, nRow, *pPlayers);
        nPos = Expand_Template_Tag(State, Source, Tag, Out, nPos, nTagOffset);
    }
}

long Expand_Template_Tag(PAGE_STATE& State, const SOURCE& Source, std::string& Tag, std::string& Out, long nPos,
                         size_t nTagOffset)
{
    switch (Find_Template_Tag(Tag)) {
    case TAG_PLAIN:
        Out += Tag;
        return nPos;
    case TAG_TABLE_END:
        return nPos;
    case TAG_VARIABLE: {
        Check_Parameters(State, nTagOffset, Tag);
        Strip_Template_Tag(Tag, TAG_VARIABLE);
        HTML_TEMPLATE_PARAMS Params;
        Parse_Template_Parameters(Tag, Params);
        // A tag of the prefix and separator alone names nothing and writes nothing.
        if (!Tag.empty() && !Expand_Template_Variable_Text(Tag, Params, Out)) {
            Problem(State, nTagOffset, "unknown variable \"" + Tag + "\"");
            Out += Tag;
        }
        return nPos;
    }
    case TAG_TABLE:
    default: {
        Check_Parameters(State, nTagOffset, Tag);
        Strip_Template_Tag(Tag, TAG_TABLE);
        HTML_TEMPLATE_PARAMS Table;
        Parse_Template_Parameters(Tag, Table);
        const int nTable = Get_Template_Table_Id(Tag);
        std::string Block;
        bool bFound = false;
        const long nAfter = Find_Template_Table_End(Source.Text, Block, nPos, &bFound);
        if (!bFound)
            Problem(State, nTagOffset, "the table \"" + Tag + "\" has no end tag; its block runs to the end");
        if (nTable < 0) {
            Problem(State, nTagOffset, "unknown table \"" + Tag + "\"; its block is left out");
            return nAfter >= static_cast<long>(Source.Text.size()) ? -1 : nAfter;
        }
        if (State.nDepth >= TEMPLATE_TABLE_DEPTH_LIMIT) {
            Problem(State, nTagOffset, "tables nested deeper than " + std::to_string(TEMPLATE_TABLE_DEPTH_LIMIT) +
                                           "; the table \"" + Tag + "\" is left out");
            return nAfter >= static_cast<long>(Source.Text.size()) ? -1 : nAfter;
        }
        std::vector<TEMPLATE_PLAYER_ENTRY> Players;
        const int nRows = Count_Template_Table_Rows(State, nTable, Table, Players);
        const SOURCE Inner{Block, Source.nOrigin + static_cast<size_t>(std::max<long>(nPos, 0))};
        ++State.nDepth;
        for (int r = 0; r < nRows && !State.bTooLarge; ++r)
            Expand_Text(State, Inner, Out, nTable, &Table, r, &Players, nullptr, 0);
        --State.nDepth;
        if (nTable == TABLE_LEADERS)
            End_Template_Leaders_Table();
        return nAfter >= static_cast<long>(Source.Text.size()) ? -1 : nAfter;
    }
    }
}

}  // namespace

// ---- Parameters --------------------------------------------------------------

int Get_Template_Parameter(const HTML_TEMPLATE_PARAMS& Params, int nCode)
{
    for (int i = 0; i < TEMPLATE_PARAMETER_SLOTS; ++i)
        if (Params.nCode[i] == nCode)
            return Params.nValue[i];
    return TEMPLATE_ABSENT;
}

int Get_Template_Parameter_Code(std::string_view Group)
{
    const size_t nEquals = Group.rfind('=');
    if (nEquals == std::string_view::npos)
        return TP_UNKNOWN;
    const std::string_view Key = Group.substr(0, nEquals);
    for (const PARAMETER_KEY& Entry : PARAMETER_KEYS)
        if (Key == Entry.szKey)
            return Entry.nCode;
    return TP_UNKNOWN;
}

int Get_Template_Parameter_Value(std::string_view Group)
{
    const size_t nEquals = Group.find('=');
    if (nEquals == std::string_view::npos)
        return 0;
    size_t i = nEquals + 1;
    bool bNegative = false;
    if (i < Group.size() && (Group[i] == '-' || Group[i] == '+')) {
        bNegative = Group[i] == '-';
        ++i;
    }
    long long nValue = 0;
    for (; i < Group.size() && Group[i] >= '0' && Group[i] <= '9'; ++i) {
        nValue = nValue * 10 + (Group[i] - '0');
        if (nValue > static_cast<long long>(INT_MAX) + 1)
            nValue = static_cast<long long>(INT_MAX) + 1;
    }
    if (bNegative)
        nValue = -nValue;
    return static_cast<int>(std::clamp<long long>(nValue, INT_MIN, INT_MAX));
}

void Parse_Template_Parameters(std::string& Tag, HTML_TEMPLATE_PARAMS& Params)
{
    Params = HTML_TEMPLATE_PARAMS();
    for (int nSlot = TEMPLATE_PARAMETER_SLOTS - 1; nSlot >= 0; --nSlot) {
        if (Tag.empty() || Tag.back() != ']')
            break;
        const size_t nOpen = Tag.rfind('[');
        if (nOpen == std::string::npos)
            break;
        const std::string_view Group(Tag.data() + nOpen + 1, Tag.size() - nOpen - 2);
        Params.nCode[nSlot] = Get_Template_Parameter_Code(Group);
        Params.nValue[nSlot] = Get_Template_Parameter_Value(Group);
        Tag.erase(nOpen);
    }
}

const char* Get_Template_Parameter_Key(int nCode)
{
    for (const PARAMETER_KEY& Entry : PARAMETER_KEYS)
        if (Entry.nCode == nCode)
            return Entry.szKey;
    return "";
}

void Get_Template_Parameter_Name(std::string& Tag, int nValue, int nCode)
{
    if (!Tag.empty() && Tag.back() == '>')
        Tag.pop_back();
    Tag += '[';
    Tag += Get_Template_Parameter_Key(nCode);
    Tag += '=';
    Tag += std::to_string(nValue);
    Tag += "]>";
}

// ---- Tags and tables ----------------------------------------------------------

int Find_Template_Tag(std::string_view Tag)
{
    if (Tag.size() < SHORTEST_TAG)
        return TAG_PLAIN;
    if (Starts_With(Tag, TABLE_END_PREFIX))
        return TAG_TABLE_END;
    if (Starts_With(Tag, TABLE_PREFIX))
        return TAG_TABLE;
    if (Starts_With(Tag, VARIABLE_PREFIX))
        return TAG_VARIABLE;
    return TAG_PLAIN;
}

void Strip_Template_Tag(std::string& Tag, int nMode)
{
    const size_t nPrefix = nMode == TAG_TABLE ? 11 : 9;
    if (Tag.size() <= nPrefix + 1) {
        Tag.clear();
        return;
    }
    Tag = Tag.substr(nPrefix, Tag.size() - nPrefix - 1);
}

int Get_Template_Table_Id(std::string_view Name)
{
    for (int i = 0; i < 10; ++i)
        if (Name == TABLE_NAMES[i])
            return i + 1;
    return -1;
}

namespace {

bool Position_Matches(int nTeam, int nSlot, int nPosition)
{
    if (nPosition == -1)
        return true;
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) == nPosition ||
           Get_Player_Group_Code(nTeam, nSlot) == nPosition;
}

std::string Last_Name(int nTeam, int nSlot)
{
    char szName[TEXT_BUFFER_SIZE];
    Get_Player_Last_Name(nTeam, nSlot, szName);
    return szName;
}

std::string First_Name(int nTeam, int nSlot)
{
    char szName[TEXT_BUFFER_SIZE];
    Get_Player_First_Name(nTeam, nSlot, szName);
    return szName;
}

}  // namespace

std::vector<TEMPLATE_PLAYER_ENTRY> Build_Template_Player_List(int nTeam, int nPosition, int cLetter)
{
    std::vector<TEMPLATE_PLAYER_ENTRY> List;
    const int nTeams = Count_Teams();
    if (cLetter > 0) {
        for (int t = 0; t < nTeams; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Is_Player_Slot_Used(t, s)) {
                    const std::string Last = Last_Name(t, s);
                    if (!Last.empty() && static_cast<unsigned char>(Last[0]) == static_cast<unsigned>(cLetter))
                        List.push_back({t, s});
                }
        Sort_Player_List_By_Name(List);
        return List;
    }
    if (nTeam == -1) {
        for (int t = 0; t < nTeams; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Is_Player_Slot_Used(t, s) && Position_Matches(t, s, nPosition))
                    List.push_back({t, s});
        Sort_Player_List_By_Name(List);
        return List;
    }
    if (!Is_Valid_Team(nTeam))
        return List;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Is_Player_Slot_Used(nTeam, s) && Position_Matches(nTeam, s, nPosition))
            List.push_back({nTeam, s});
    return List;
}

void Sort_Player_List_By_Name(std::vector<TEMPLATE_PLAYER_ENTRY>& List)
{
    struct KEYED {
        std::string Last;
        std::string First;
        TEMPLATE_PLAYER_ENTRY Entry;
    };
    std::vector<KEYED> Keyed;
    Keyed.reserve(List.size());
    for (const TEMPLATE_PLAYER_ENTRY& Entry : List)
        Keyed.push_back({Last_Name(Entry.nTeam, Entry.nSlot), First_Name(Entry.nTeam, Entry.nSlot), Entry});
    // Bytewise (unsigned) comparison, as strcmp orders; stable for equal names.
    std::stable_sort(Keyed.begin(), Keyed.end(), [](const KEYED& a, const KEYED& b) {
        const int nLast = std::strcmp(a.Last.c_str(), b.Last.c_str());
        if (nLast != 0)
            return nLast < 0;
        return std::strcmp(a.First.c_str(), b.First.c_str()) < 0;
    });
    for (size_t i = 0; i < List.size(); ++i)
        List[i] = Keyed[i].Entry;
}

int Count_Player_Past_Seasons(int nTeam, int nSlot)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nCount = 0;
    for (int n = 0; n < 30; ++n) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, n);
        if (nLine >= 0 && Get_Season_Line_Year(nLine) != 0)
            ++nCount;
    }
    return nCount;
}

// ---- Pages ----------------------------------------------------------------------

std::string Expand_Html_Template(const std::string& Text, const HTML_TEMPLATE_PARAMS& Page, int nCount,
                                 const char* szFile)
{
    PAGE_STATE State;
    State.szFile = szFile;
    State.pTemplate = &Text;
    std::string Out;
    Out.reserve(Text.size() + Text.size() / 2);
    const SOURCE Source{Text, 0};
    Expand_Text(State, Source, Out, 0, nullptr, 0, nullptr, &Page,
                std::clamp(nCount, 0, TEMPLATE_PARAMETER_SLOTS));
    return Out;
}

int Count_Template_Table_Rows(int nTable, const HTML_TEMPLATE_PARAMS& Table,
                              std::vector<TEMPLATE_PLAYER_ENTRY>& Players)
{
    PAGE_STATE State;
    const int nRows = Count_Template_Table_Rows(State, nTable, Table, Players);
    if (nTable == TABLE_LEADERS)
        End_Template_Leaders_Table();
    return nRows;
}

int Get_Template_Leader_Table_Stat(int nTableOnPage)
{
    return LEADER_TABLE_STATS[std::clamp(nTableOnPage, 0, LEADER_TABLE_STAT_COUNT - 1)];
}

const std::vector<std::string>& Get_Template_Problems()
{
    return g_Problems;
}

void Clear_Template_Problems()
{
    g_Problems.clear();
}
