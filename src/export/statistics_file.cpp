#include "export/statistics_file.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "export/page_links.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/sack_text.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "platform/files.h"

namespace {

constexpr int SECTION_COUNT = 3;
constexpr int MAX_CELLS = 17;
// A cell that shows a rate with one decimal: the statistic and its divisor.
constexpr int RATE_TENTHS = -10;
constexpr int RATE_HUNDREDTHS = -100;
// Sacks, kept in halves, shown as the box scores show them.
constexpr int SCALE_HALF_SACKS = 2;

// One cell of a player's row: the statistic and, for a rate, its scale.
struct CELL {
    const char* szHeading;
    int nStat;     // -1 the name, -2 the team
    int nScale;    // 0 a whole number, RATE_TENTHS / RATE_HUNDREDTHS a rate
    int nWidth;    // the fixed-width column (negative: left-justified)
};

struct SECTION {
    const char* szName;
    int nCells;
    CELL Cells[MAX_CELLS];
};

// The cells of each section. The offence row follows the heading list of the
// table; defence and kicking show their own statistics under matching headings.
const SECTION SECTIONS[SECTION_COUNT] = {
    {"Offense", 17,
     {{"", -1, 0, -24},
      {"Team", -2, 0, 4},
      {"G", STAT_GAMES_PLAYED, 0, 4},
      {"Att", STAT_PASS_ATTEMPTS, 0, 5},
      {"Com", STAT_PASS_COMPLETIONS, 0, 5},
      {"Yards", STAT_PASSING_YARDS, 0, 4},
      {"TD", STAT_PASSING_TOUCHDOWNS, 0, 3},
      {"Rating", STAT_CODE_PASSER_RATING, RATE_TENTHS, 3},
      {"Rush", STAT_RUSHING_ATTEMPTS, 0, 3},
      {"Yards", STAT_RUSHING_YARDS, 0, 4},
      {"Avg", STAT_CODE_YARDS_PER_RUSH, RATE_HUNDREDTHS, 4},
      {"TD", STAT_RUSHING_TOUCHDOWNS, 0, 4},
      {"Rec", STAT_RECEPTIONS, 0, 3},
      {"Yards", STAT_RECEIVING_YARDS, 0, 4},
      {"Avg", STAT_CODE_YARDS_PER_RECEPTION, RATE_TENTHS, 4},
      {"TD", STAT_RECEIVING_TOUCHDOWNS, 0, 5},
      {"Fum", STAT_FUMBLES_LOST, 0, 5}}},
    {"Defense", 12,
     {{"", -1, 0, -24},
      {"Team", -2, 0, 4},
      {"G", STAT_GAMES_PLAYED, 0, 6},
      {"Solo", STAT_SOLO_TACKLES, 0, 5},
      {"Ast", STAT_TACKLE_ASSISTS, 0, 4},
      {"Sck", STAT_SACKS, SCALE_HALF_SACKS, 3},
      {"FF", STAT_FUMBLES_FORCED, 0, 3},
      {"PD", STAT_PASSES_DEFENSED, 0, 3},
      {"Int", STAT_INTERCEPTIONS, 0, 3},
      {"FR", STAT_FUMBLES_RECOVERED, 0, 4},
      {"TD", STAT_DEFENSIVE_RETURN_TOUCHDOWNS, 0, 4},
      {"Tckl", STAT_CODE_TACKLES, 0, 5}}},
    {"Kicking", 10,
     {{"", -1, 0, -24},
      {"Team", -2, 0, 4},
      {"G", STAT_GAMES_PLAYED, 0, 4},
      {"FGM", STAT_CODE_FIELD_GOALS_MADE, 0, 5},
      {"FGA", STAT_CODE_FIELD_GOAL_ATTEMPTS, 0, 5},
      {"Long", STAT_LONGEST_FIELD_GOAL, 0, 5},
      {"XPM", STAT_PATS_MADE, 0, 4},
      {"XPA", STAT_PAT_ATTEMPTS, 0, 4},
      {"Punt", STAT_PUNTS, 0, 5},
      {"Avg", STAT_CODE_PUNT_AVERAGE, RATE_TENTHS, 4}}},
};

// Stored statistics 2-6 are a quarterback's passing; the other backs and
// receivers keep other figures there (a receiver's targets and yards after
// the catch), and the linemen keep blocking figures in every slot past the
// games (runs behind them, penalties). A cell whose heading names what the
// player's slot does not hold stays empty, as on the player's own page, and
// such a player sorts as having none of it.
bool Is_Passing_Stat(int nStat)
{
    return nStat == STAT_PASS_ATTEMPTS || nStat == STAT_PASS_COMPLETIONS || nStat == STAT_PASSING_YARDS ||
           nStat == STAT_PASSING_TOUCHDOWNS || nStat == STAT_CODE_PASSER_RATING;
}

bool Keeps_Offense_Stat(int nTeam, int nSlot, int nStat)
{
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    if (nStat < 0 || nStat == STAT_GAMES_PLAYED || nPosition == POSITION_QB)
        return true;
    if (nPosition >= POSITION_RB && nPosition <= POSITION_WR)
        return !Is_Passing_Stat(nStat);
    return false;
}

bool Is_Section(int nSection)
{
    return nSection >= 0 && nSection < SECTION_COUNT;
}

// What a sort name of the Print dialog's lists (list position 0-16 of a
// section) orders by: one stored statistic or the sum of two (kick and punt
// returns), read only where the player's slot holds that figure.
enum SORT_READERS {
    SORT_ANYONE,          // every player of the section
    SORT_PASSERS,         // the quarterback: other backs keep their own figures there
    SORT_NOT_PASSERS,     // not the quarterback: his return slots are his sacks
};

struct SORT_FIGURE {
    int nStat;      // -1: the list's empty entry, which names no figure
    int nPlus;      // -1, or a second statistic added
    int nReaders;
};

constexpr int SORT_NAMES_PER_SECTION = 17;
constexpr SORT_FIGURE NO_FIGURE = {-1, -1, SORT_ANYONE};

constexpr SORT_FIGURE SORT_FIGURES[SECTION_COUNT][SORT_NAMES_PER_SECTION] = {
    // Offense
    {{STAT_GAMES_PLAYED, -1, SORT_ANYONE},                        // Games
     {STAT_GAMES_STARTED, -1, SORT_ANYONE},                       // Games Started
     {STAT_PASS_ATTEMPTS, -1, SORT_PASSERS},                      // Pass Attempts
     {STAT_PASS_COMPLETIONS, -1, SORT_PASSERS},                   // Completions
     {STAT_INTERCEPTIONS_THROWN, -1, SORT_PASSERS},               // INT Thrown
     {STAT_PASSING_YARDS, -1, SORT_PASSERS},                      // Pass Yards
     {STAT_PASSING_TOUCHDOWNS, -1, SORT_PASSERS},                 // Pass TDs
     {STAT_RUSHING_ATTEMPTS, -1, SORT_ANYONE},                    // Rushes
     {STAT_RUSHING_YARDS, -1, SORT_ANYONE},                       // Rush Yards
     {STAT_RUSHING_TOUCHDOWNS, -1, SORT_ANYONE},                  // Rush TDs
     {STAT_RECEPTIONS, -1, SORT_ANYONE},                          // Receptions
     {STAT_RECEIVING_YARDS, -1, SORT_ANYONE},                     // Receiving Yards
     {STAT_RECEIVING_TOUCHDOWNS, -1, SORT_ANYONE},                // Receiving TDs
     {STAT_FUMBLES_LOST, -1, SORT_ANYONE},                        // Fumbles Lost
     {STAT_KICK_RETURNS, STAT_PUNT_RETURNS, SORT_NOT_PASSERS},    // Returns
     {STAT_KICK_RETURN_YARDS, STAT_PUNT_RETURN_YARDS, SORT_NOT_PASSERS},               // Returns Yards
     {STAT_KICK_RETURN_TOUCHDOWNS, STAT_PUNT_RETURN_TOUCHDOWNS, SORT_NOT_PASSERS}},    // Return TDs
    // Defense
    {{STAT_GAMES_PLAYED, -1, SORT_ANYONE},                 // Games
     {STAT_GAMES_STARTED, -1, SORT_ANYONE},                // Games Started
     {STAT_SOLO_TACKLES, -1, SORT_ANYONE},                 // Tackles
     {STAT_TACKLE_ASSISTS, -1, SORT_ANYONE},               // Assists
     {STAT_SACKS, -1, SORT_ANYONE},                        // Sacks
     {STAT_FUMBLES_FORCED, -1, SORT_ANYONE},               // Fumbles Forced
     {STAT_PASSES_DEFENSED, -1, SORT_ANYONE},              // Knockdowns
     {STAT_INTERCEPTIONS, -1, SORT_ANYONE},                // Interceptions
     {STAT_DEFENSIVE_RETURN_TOUCHDOWNS, -1, SORT_ANYONE},  // Touchdowns
     NO_FIGURE,
     NO_FIGURE,
     NO_FIGURE,
     NO_FIGURE,
     NO_FIGURE,
     {STAT_KICK_RETURNS, STAT_PUNT_RETURNS, SORT_ANYONE},                             // Returns
     {STAT_KICK_RETURN_YARDS, STAT_PUNT_RETURN_YARDS, SORT_ANYONE},                   // Returns Yards
     {STAT_KICK_RETURN_TOUCHDOWNS, STAT_PUNT_RETURN_TOUCHDOWNS, SORT_ANYONE}},        // Return TDs
    // Kicking
    {{STAT_GAMES_PLAYED, -1, SORT_ANYONE},                // Games
     {STAT_GAMES_STARTED, -1, SORT_ANYONE},               // Games Started
     {STAT_PUNTS, -1, SORT_ANYONE},                       // Punts
     {STAT_PUNT_YARDS, -1, SORT_ANYONE},                  // Punt Yards
     {STAT_LONGEST_PUNT, -1, SORT_ANYONE},                // Longest Punt
     {STAT_PAT_ATTEMPTS, -1, SORT_ANYONE},                // PAT Attempts
     {STAT_PATS_MADE, -1, SORT_ANYONE},                   // PAT
     {STAT_FIELD_GOALS_MADE_BAND_1, -1, SORT_ANYONE},     // Field Goals <30
     {STAT_FIELD_GOAL_ATTEMPTS_BAND_1, -1, SORT_ANYONE},  // FG Attempts <30
     {STAT_FIELD_GOALS_MADE_BAND_2, -1, SORT_ANYONE},     // Field Goals 30-39
     {STAT_FIELD_GOAL_ATTEMPTS_BAND_2, -1, SORT_ANYONE},  // FG Attempts 30-39
     {STAT_FIELD_GOALS_MADE_BAND_3, -1, SORT_ANYONE},     // Field Goals 40-49
     {STAT_FIELD_GOAL_ATTEMPTS_BAND_3, -1, SORT_ANYONE},  // FG Attempts 40-49
     {STAT_FIELD_GOALS_MADE_BAND_4, -1, SORT_ANYONE},     // Field Goals 50+
     {STAT_FIELD_GOAL_ATTEMPTS_BAND_4, -1, SORT_ANYONE},  // FG Attempts 50+
     {STAT_LONGEST_FIELD_GOAL, -1, SORT_ANYONE},          // Longest Field Goal
     NO_FIGURE},
};

// The figure a sort name orders by, for a player of its section: 0 where his
// slot keeps something else (an offensive lineman's blocking figures, a
// receiver's targets, the quarterback's sacks), and for a name that names
// no figure.
int Sort_Figure_Value(int nTeam, int nSlot, int nPeriod, int nSort)
{
    const int nSection = Get_Position_Side(Get_Player_Position(nTeam, nSlot));
    if (!Is_Section(nSection) || nSort < 0 || nSort >= SORT_NAMES_PER_SECTION)
        return 0;
    const SORT_FIGURE& Figure = SORT_FIGURES[nSection][nSort];
    if (Figure.nStat < 0)
        return 0;
    if (nSection == STATS_SECTION_OFFENSE && Figure.nStat != STAT_GAMES_PLAYED &&
        Figure.nStat != STAT_GAMES_STARTED) {
        const int nPosition = Get_Player_Position(nTeam, nSlot);
        const bool bPasser = nPosition == POSITION_QB;
        if (nPosition < POSITION_QB || nPosition > POSITION_WR)
            return 0;
        if ((Figure.nReaders == SORT_PASSERS && !bPasser) || (Figure.nReaders == SORT_NOT_PASSERS && bPasser))
            return 0;
    }
    int nValue = Get_Player_Stat(nTeam, nSlot, nPeriod, Figure.nStat);
    if (Figure.nPlus >= 0)
        nValue += Get_Player_Stat(nTeam, nSlot, nPeriod, Figure.nPlus);
    return nValue < 0 ? 0 : nValue;
}

// The section a player's row belongs to: his position's side.
bool Player_In_Section(int nTeam, int nSlot, int nSection)
{
    return Get_Position_Side(Get_Player_Position(nTeam, nSlot)) == nSection;
}

std::string Rate_Text(int nValue, int nScale)
{
    char szText[32];
    std::snprintf(szText, sizeof(szText), "%.1f", nValue / static_cast<double>(-nScale));
    return szText;
}

// A comma-separated cell: quoted (quotes doubled) when it holds a comma, a
// quote or a line break, so a name never shifts a column.
std::string Csv_Cell(const std::string& Text)
{
    if (Text.find_first_of(",\"\r\n") == std::string::npos)
        return Text;
    std::string Out = "\"";
    for (const char c : Text) {
        if (c == '"')
            Out += '"';
        Out += c;
    }
    return Out + "\"";
}

// A tab-separated or fixed-width cell: tabs and line breaks become blanks.
std::string Plain_Cell(const std::string& Text)
{
    std::string Out = Text;
    for (char& c : Out)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return Out;
}

// The fixed-width text of a cell: texts are cut to their column, numbers keep
// every digit.
std::string Fixed_Cell(const std::string& Text, int nWidth, bool bText)
{
    const size_t nSize = static_cast<size_t>(nWidth < 0 ? -nWidth : nWidth);
    std::string Cell = Plain_Cell(Text);
    if (bText && Cell.size() > nSize)
        Cell.resize(nSize);
    if (Cell.size() >= nSize)
        return Cell;
    const std::string Pad(nSize - Cell.size(), ' ');
    return nWidth < 0 ? Cell + Pad : Pad + Cell;
}

// Renders one row of cells. For the comma format the name cell is two cells
// (last name, first name), given in Cells[0] and First.
std::string Render_Row(const SECTION& Section, const std::vector<std::string>& Cells, const std::string& First,
                       int nFormat)
{
    std::string Out;
    switch (nFormat) {
    case STATS_FORMAT_TAB:
        for (const std::string& Cell : Cells)
            Out += Plain_Cell(Cell) + "\t";
        break;
    case STATS_FORMAT_COMMA:
        for (size_t i = 0; i < Cells.size(); ++i) {
            if (i > 0)
                Out += ",";
            Out += Csv_Cell(Cells[i]);
            if (i == 0)
                Out += "," + Csv_Cell(First);
        }
        break;
    default:
        for (size_t i = 0; i < Cells.size(); ++i) {
            if (i > 0)
                Out += " ";
            Out += Fixed_Cell(Cells[i], Section.Cells[i].nWidth, Section.Cells[i].nStat < 0);
        }
        if (nFormat == STATS_FORMAT_HTML)
            Out = Escape_Html_Text(Out);
        break;
    }
    return Out + "\n";
}

// Whether a selection takes team slot t.
bool Selection_Takes(int nSelection, int nTeams, int nLeagues, int t)
{
    if (nSelection >= 0 && nSelection < nTeams)
        return t == nSelection;
    if (nSelection >= nTeams && nSelection < nTeams + nLeagues)
        return Is_Team_Slot_Used(t) && Get_Team_Stat(t, TEAM_STAT_DIVISION) / 4 == nSelection - nTeams;
    return nSelection == nTeams + nLeagues;
}

// Why the first write of the file being written failed (errno), 0 while
// none has.
int g_nWriteError = 0;

void Write_Text(FILE* pFile, const std::string& Text)
{
    if (!pFile || Text.empty())
        return;
    errno = 0;
    if (std::fwrite(Text.data(), 1, Text.size(), pFile) != Text.size() && g_nWriteError == 0)
        g_nWriteError = errno != 0 ? errno : EIO;
}

}  // namespace

std::string Format_Period_Label(int nPeriod)
{
    switch (nPeriod) {
    case 0: return std::to_string(Get_Current_Year());
    case 1: return std::to_string(Get_Current_Year() - 1);
    case 2: return "Career";
    default: return std::string();
    }
}

const char* Get_Stat_Table_Header(int nSection, int nColumn)
{
    if (!Is_Section(nSection) || nColumn < 0 || nColumn >= SECTIONS[nSection].nCells)
        return "";
    return nColumn == 0 ? SECTIONS[nSection].szName : SECTIONS[nSection].Cells[nColumn].szHeading;
}

int Get_Player_Sort_Value(int nTeam, int nSlot, int nPeriod, int nSort)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES || !Is_Player_Slot_Used(nTeam, nSlot))
        return -1;
    if (Get_Player_Stat(nTeam, nSlot, nPeriod, STAT_GAMES_PLAYED) == 0)
        return -1;
    if (nSort == STATS_SORT_TEAM)
        return nTeam;
    if (nSort != STATS_SORT_LAST_NAME)
        return Sort_Figure_Value(nTeam, nSlot, nPeriod, nSort);
    // Larger values first in alphabetical order: every letter is taken in
    // upper case and anything else after the first letter counts just below
    // "A", so the three characters keep their order within 30 steps.
    char szLast[TEXT_BUFFER_SIZE] = "";
    Get_Player_Last_Name(nTeam, nSlot, szLast);
    int c[3] = {0, 0, 0};
    bool bEnded = false;
    for (int i = 0; i < 3; ++i) {
        int ch = bEnded ? 0 : static_cast<unsigned char>(szLast[i]);
        if (ch == 0)
            bEnded = true;
        if (ch >= 'a' && ch <= 'z')
            ch -= 'a' - 'A';
        if (i > 0 && (ch < 'A' || ch > 'Z'))
            ch = 'A' - 1;
        c[i] = ch;
    }
    const int nValue = (2793 - 30 * c[0] - c[1]) * 30 - c[2];
    return nValue < 0 ? 0 : nValue;
}

void Format_Stat_Table_Row(int nTeam, int nSlot, int nPeriod, int nSection, int nFormat, std::string& Out)
{
    Out.clear();
    if (!Is_Section(nSection))
        return;
    const SECTION& Section = SECTIONS[nSection];
    std::vector<std::string> Cells;
    std::string First;
    if (nTeam == NO_TEAM && nSlot == NO_PLAYER) {
        if (nFormat == STATS_FORMAT_COMMA) {
            Cells.push_back("Last");
            First = "First";
        } else {
            Cells.push_back(Format_Period_Label(nPeriod) + " " + Section.szName);
        }
        for (int i = 1; i < Section.nCells; ++i)
            Cells.push_back(Section.Cells[i].szHeading);
        Out = Render_Row(Section, Cells, First, nFormat);
        return;
    }
    if (nTeam < 0 || nTeam > LAST_TEAM || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    char szText[TEXT_BUFFER_SIZE] = "";
    if (nFormat == STATS_FORMAT_COMMA) {
        Get_Player_Last_Name(nTeam, nSlot, szText);
        Cells.push_back(szText);
        Get_Player_First_Name(nTeam, nSlot, szText);
        First = szText;
    } else {
        Get_Player_Name_Last_First(nTeam, nSlot, szText);
        Cells.push_back(szText);
    }
    for (int i = 1; i < Section.nCells; ++i) {
        const CELL& Cell = Section.Cells[i];
        if (Cell.nStat == -2) {
            Get_Team_String(szText, nTeam, TEAM_STRING_ABBREVIATION);
            Cells.push_back(szText);
            continue;
        }
        if (nSection == 0 && !Keeps_Offense_Stat(nTeam, nSlot, Cell.nStat)) {
            Cells.emplace_back();
            continue;
        }
        const int nValue = Get_Player_Stat(nTeam, nSlot, nPeriod, Cell.nStat);
        if (Cell.nScale == SCALE_HALF_SACKS)
            Cells.push_back(Format_Sacks(nValue));
        else
            Cells.push_back(Cell.nScale < 0 ? Rate_Text(nValue, Cell.nScale) : std::to_string(nValue));
    }
    Out = Render_Row(Section, Cells, First, nFormat);
}

void Write_Stat_Table_Row(FILE* pFile, int nTeam, int nSlot, int nPeriod, int nSection, int nFormat)
{
    std::string Row;
    Format_Stat_Table_Row(nTeam, nSlot, nPeriod, nSection, nFormat, Row);
    Write_Text(pFile, Row);
}

void Write_Stat_Table_Heading(FILE* pFile, int nPeriod, int nSection, int nFormat)
{
    Write_Stat_Table_Row(pFile, NO_TEAM, NO_PLAYER, nPeriod, nSection, nFormat);
}

void Write_Stats_Html_Head(FILE* pFile, int nSelection, int nPeriod, int nSection)
{
    const int nTeams = Count_Teams();
    const int nLeagues = Count_Leagues();
    std::string Middle;
    char szText[TEXT_BUFFER_SIZE] = "";
    if (nSelection >= 0 && nSelection < nTeams) {
        Get_Team_String(szText, nSelection, TEAM_STRING_NICKNAME);
        Middle = szText;
    } else if (nSelection >= nTeams && nSelection < nTeams + nLeagues) {
        Get_League_Name(nSelection - nTeams, szText);
        Middle = szText;
    } else {
        Middle = "League";
    }
    const std::string Title = Escape_Html_Text(Format_Period_Label(nPeriod) + " " + Middle + " " +
                                               (Is_Section(nSection) ? SECTIONS[nSection].szName : ""));
    Write_Text(pFile, "<HTML>\n<HEAD><meta charset=\"windows-1252\"><TITLE>" + Title + "</TITLE></HEAD>\n\n");
    Write_Text(pFile, "<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#008000\" LINK=\"#80FF00\" VLINK=\"#60BF00\">\n");
    Write_Text(pFile, "<CENTER><H1>" + Title + "</CENTER></H1>\n<PRE>\n");
}

void Write_Stats_Html_Tail(FILE* pFile)
{
    Write_Text(pFile, "</PRE>\n<P>\n</BODY>\n</HTML>\n");
}

int Write_Player_Stats_File(const char* szPath, int nSelection, int nPeriod, int nSection, int nSort, int nFormat,
                            int* pPlayers)
{
    if (pPlayers != nullptr)
        *pPlayers = 0;
    const int nTeams = Count_Teams();
    const int nLeagues = Count_Leagues();
    if (!szPath)
        return 0;
    // A period no list has would write a file of headings only.
    if (nPeriod < 0 || nPeriod > 3) {
        errno = EINVAL;
        return 0;
    }
    // The file's folder ("Output") is made when missing.
    const std::string Path = szPath;
    const size_t nSlash = Path.find_last_of("\\/");
    if (nSlash != std::string::npos && nSlash > 0 && !files::Folder_Exists(Path.substr(0, nSlash).c_str()) &&
        !files::Create_Folders(Path.substr(0, nSlash).c_str()))
        return 0;
    // Written under a temporary that takes the name once whole: a failure
    // keeps the old file, and a link at the name is replaced, never followed.
    std::string Temporary;
    FILE* pFile = files::Create_Temporary_File(szPath, Temporary);
    if (!pFile)
        return 0;
    g_nWriteError = 0;
    if (nFormat == STATS_FORMAT_HTML)
        Write_Stats_Html_Head(pFile, nSelection, nPeriod, nSection);
    Write_Stat_Table_Heading(pFile, nPeriod, nSection, nFormat);

    std::vector<int> Values(static_cast<size_t>(MAX_FRANCHISES) * PLAYERS_PER_TEAM, -1);
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Selection_Takes(nSelection, nTeams, nLeagues, t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Is_Player_Slot_Used(t, s) && Player_In_Section(t, s, nSection))
                Values[static_cast<size_t>(t) * PLAYERS_PER_TEAM + s] = Get_Player_Sort_Value(t, s, nPeriod, nSort);
    }
    int nPlayers = 0;
    for (;;) {
        size_t nBest = 0;
        for (size_t i = 1; i < Values.size(); ++i)
            if (Values[i] > Values[nBest])
                nBest = i;
        if (Values[nBest] < 0)
            break;
        Write_Stat_Table_Row(pFile, static_cast<int>(nBest / PLAYERS_PER_TEAM), static_cast<int>(nBest % PLAYERS_PER_TEAM),
                             nPeriod, nSection, nFormat);
        Values[nBest] = -1;
        ++nPlayers;
    }
    if (nFormat == STATS_FORMAT_HTML)
        Write_Stats_Html_Tail(pFile);
    // A full disk may only show at the flush or the close.
    errno = g_nWriteError;
    if (files::Finish_Temporary_File(pFile, Temporary, szPath, g_nWriteError == 0, false) != files::REPLACE_DONE)
        return 0;
    if (pPlayers != nullptr)
        *pPlayers = nPlayers;
    return 1;
}
