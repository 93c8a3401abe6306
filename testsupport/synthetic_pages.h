// Synthetic saved pages for the statistics importer's tests, benchmark and
// fuzz seeds, written from the league in memory. The markup is invented: it
// carries the markers and distances the importer reads and nothing of any
// real site.
//
// Written under "Input/Downloads" of the current folder:
//   Rosters/<year>_roster (<site code>).txt   one per club 0-31
//   Players/<external ID>.txt                 one per player, the eight
//                                             statistics tables (rows only in
//                                             those that fit his position)
//   Injuries.txt                              the injured players (2023)
//   Contracts/<nickname>.txt, Cap/<nickname>.txt   per club (2023)
// Season totals are the players' statistics of this season.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/player_text.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "platform/files.h"
#include "season/injuries.h"
#include "season/stat_file_layouts.h"
#include "tools/stat_importer.h"

struct SYNTHETIC_PAGE_OPTIONS {
    int nYear = IMPORT_MODERN_YEAR;
    int nTeams = IMPORT_TEAMS;
    // The cells older pages lack: "qbr", "first_down", "targets",
    // "tackles_combined" and "tackles_loss" in the tables, draft, college
    // and experience in the roster rows.
    bool bOptionalCells = true;
    // The starters of the personnel lines of years other than 2023.
    std::vector<std::string> OffensiveStarters = {"QB", "RB", "WR", "WR", "WR", "TE", "T", "G", "C", "G", "T"};
    std::vector<std::string> DefensiveStarters = {"DE", "DT", "DT", "DE", "LB", "LB", "LB", "CB", "CB", "S", "S"};
};

// One statistics table row: column (of Seasons.csv) to cell text.
using SYNTHETIC_STAT_ROW = std::map<int, std::string>;

namespace synthetic_pages_detail {

inline std::string Text_Of(int n)
{
    return std::to_string(n);
}

inline void Write_Text_File(const std::string& Path, const std::string& Text)
{
    const size_t nSlash = Path.rfind('/');
    if (nSlash != std::string::npos)
        files::Create_Folders(Path.substr(0, nSlash).c_str());
    FILE* pFile = files::Open_File(Path.c_str(), "wb");
    if (pFile == nullptr)
        return;
    std::fwrite(Text.data(), 1, Text.size(), pFile);
    std::fclose(pFile);
}

// The data-stat name of a table cell: the optional cells carry the names
// the importer looks for; every other name is plain.
inline std::string Cell_Name(int nTable, int nCell)
{
    if (nCell == 4)
        return "uniform_number";
    switch (nTable) {
    case 0:
        if (nCell == 23)
            return "qbr";
        if (nCell == 16)
            return "pass_first_down";
        break;
    case 1:
        if (nCell == 15)
            return "targets";
        if (nCell == 10)
            return "rush_first_down";
        if (nCell == 20)
            return "rec_first_down";
        break;
    case 2:
        if (nCell == 7)
            return "targets";
        if (nCell == 12)
            return "rec_first_down";
        if (nCell == 21)
            return "rush_first_down";
        break;
    case 3:
        if (nCell == 18)
            return "tackles_combined";
        if (nCell == 21)
            return "tackles_loss";
        break;
    default:
        break;
    }
    return "s" + Text_Of(nCell);
}

// The numbered cells an older page leaves out.
inline bool Is_Absent_Cell(int nTable, int nCell)
{
    switch (nTable) {
    case 0: return nCell == 23 || nCell == 16;
    case 1: return nCell == 15 || nCell == 25 || nCell == 10 || nCell == 20;
    case 2: return nCell == 7 || nCell == 16 || nCell == 17 || nCell == 12 || nCell == 21;
    case 3: return nCell >= 18 && nCell <= 22;
    default: return false;
    }
}

inline int Last_Cell(int nTable)
{
    int nLast = 0;
    for (int nCell = 1; nCell < 40; ++nCell)
        if (Get_Stat_Page_Column(STAT_PAGE_TABLES[nTable].szHeading, nCell) > 0)
            nLast = nCell;
    if (nTable == 1)
        nLast = nLast > 25 ? nLast : 25;
    return nLast;
}

inline std::string Team_Text(int nTeam, int nString)
{
    char szText[TEAM_STRING_SIZE + 1] = "";
    Get_Team_String(szText, nTeam, nString);
    return szText;
}

inline std::string Position_Text(int nTeam, int nSlot)
{
    char szText[16] = "";
    Get_Player_Position_Name(szText, nTeam, nSlot);
    return szText;
}

}  // namespace synthetic_pages_detail

// One table row line ("<tr>...</tr>"): cell 0 the year, then every numbered
// cell of the table (the optional ones left out when bOptionalCells is
// false), each filled from Row by the column it maps to.
inline std::string Synthetic_Stat_Row(int nTable, int nYear, const SYNTHETIC_STAT_ROW& Row, bool bOptionalCells)
{
    using namespace synthetic_pages_detail;
    std::string Line = "<tr ><th scope=\"row\" data-stat=\"year_id\" >" + Text_Of(nYear) + "</th>";
    const int nLast = Last_Cell(nTable);
    for (int nCell = 1; nCell <= nLast; ++nCell) {
        if (!bOptionalCells && Is_Absent_Cell(nTable, nCell))
            continue;
        const int nColumn = Get_Stat_Page_Column(STAT_PAGE_TABLES[nTable].szHeading, nCell);
        const auto It = Row.find(nColumn);
        const std::string Value = nColumn > 0 && It != Row.end() ? It->second : "";
        Line += "<td class=\"right\" data-stat=\"" + Cell_Name(nTable, nCell) + "\" >" + Value + "</td>";
    }
    return Line + "</tr>";
}

// A player's page: the position line and the eight tables, each heading on
// its line and each table on one line (its rows split by the importer's
// parsed copy).
inline std::string Synthetic_Player_Page(const std::string& Name, const std::string& Position,
                                         const std::vector<std::pair<int, std::string>>& TableRows)
{
    std::string Page = "<html><head><title>" + Name + " Stats</title></head><body>\n";
    Page += "<div id=\"meta\"><p><strong>Position</strong>: " + Position + "</p></div>\n";
    for (int nTable = 0; nTable < STAT_PAGE_TABLE_COUNT; ++nTable) {
        Page += std::string("<div class=\"table\"><h2>") + STAT_PAGE_TABLES[nTable].szHeading + "</h2></div>\n";
        Page += "<table class=\"stats\"><thead><tr><th>Year</th></tr></thead><tbody>";
        for (const auto& [nRowTable, Row] : TableRows)
            if (nRowTable == nTable)
                Page += " " + Row;
        Page += " </tbody></table>\n";
    }
    return Page + "</body></html>\n";
}

// The roster row of a player of the league.
inline std::string Synthetic_Roster_Row(int nTeam, int nSlot, bool bOptionalCells)
{
    using namespace synthetic_pages_detail;
    char szFirst[32] = "";
    char szLast[32] = "";
    Get_Player_First_Name(nTeam, nSlot, szFirst);
    Get_Player_Last_Name(nTeam, nSlot, szLast);
    const std::string Id = Get_Player_Corvel_ID_Text(nTeam, nSlot);
    const int nHeight = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT);
    const int nBirth = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE);
    char szBirth[16];
    std::snprintf(szBirth, sizeof(szBirth), "%04d-%02d-%02d", (nBirth / 10000) % 10000, (nBirth / 100) % 100,
                  nBirth % 100);
    const int nGames = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED);
    const int nStarts = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, STAT_GAMES_STARTED);
    std::string Line = "<tr ><th scope=\"row\" data-stat=\"uniform_number\" >" +
                       Text_Of(Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM)) + "</th>";
    Line += "<td class=\"left\" data-append-csv=\"" + Id + "\" data-stat=\"player\" csk=\"" + szLast + "," + szFirst +
            "\" ><a href=\"/players/" + Id.substr(0, 1) + "/" + Id + ".htm\">" + szFirst + " " + szLast + "</a></td>";
    Line += "<td data-stat=\"pos\" class=\"x\">" + Position_Text(nTeam, nSlot) + "</td>";
    Line += "<td data-stat=\"g\" >" + Text_Of(nGames) + "</td><td data-stat=\"gs\" >" + Text_Of(nStarts) + "</td>";
    Line += "<td data-stat=\"weight\" >" + Text_Of(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT)) + "</td>";
    Line += "<td data-stat=\"height\" csk=\"" + Text_Of(nHeight) + "\" >" + Text_Of(nHeight / 12) + "-" +
            Text_Of(nHeight % 12) + "</td>";
    Line += std::string("<td data-stat=\"birth_date_mod\" csk=\"") + szBirth + "\" >" + szBirth + "</td>";
    if (bOptionalCells) {
        Line += "<td data-stat=\"college_id\" ><a href=\"/schools/x/\">State</a></td>";
        const int nSeasons = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED);
        Line += "<td data-stat=\"experience\" csk=\"" + Text_Of(nSeasons) + "\" >" + Text_Of(nSeasons) + "</td>";
        const int nDraftedBy = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_BY);
        const int nPick = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK);
        if (nDraftedBy > 10000 && nPick > 100000) {
            char szRound[16];
            char szOverall[16];
            Format_Ordinal(szRound, nPick / 100000);
            Format_Ordinal(szOverall, nPick % 100000);
            const int nDraftTeam = nDraftedBy / 10000 - 1;
            Line += "<td data-stat=\"draft_info\" >" + Team_Text(nDraftTeam, 0) + " / " + szRound + " / " +
                    szOverall + " pick / <a href=\"/years/" + Text_Of(nDraftedBy % 10000) + "/draft.htm\">" +
                    Text_Of(nDraftedBy % 10000) + "</a></td>";
        }
    }
    return Line + "</tr>";
}

// The statistics rows of a player's page, by table: the Games table for
// everyone, the others by position.
inline std::vector<std::pair<int, std::string>> Synthetic_Player_Rows(int nTeam, int nSlot, int nYear,
                                                                      bool bOptionalCells)
{
    using namespace synthetic_pages_detail;
    auto Stat = [&](int nCode) { return Text_Of(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nCode)); };
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    SYNTHETIC_STAT_ROW Base = {{SEASONS_COL_TEAM, Team_Text(nTeam, 0)},
                               {SEASONS_COL_POSITION, Position_Text(nTeam, nSlot)},
                               {SEASONS_COL_UNIFORM, Text_Of(Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM))},
                               {SEASONS_COL_G, Stat(STAT_GAMES_PLAYED)},
                               {SEASONS_COL_GS, Stat(STAT_GAMES_STARTED)}};
    std::vector<std::pair<int, std::string>> Rows;
    auto Add = [&](int nTable, const SYNTHETIC_STAT_ROW& Extra) {
        SYNTHETIC_STAT_ROW Row = Base;
        for (const auto& [nColumn, Value] : Extra)
            Row[nColumn] = Value;
        Rows.emplace_back(nTable, Synthetic_Stat_Row(nTable, nYear, Row, bOptionalCells));
    };
    switch (nPosition) {
    case POSITION_QB:
        Add(0, {{SEASONS_COL_PA_ATT, Stat(STAT_PASS_ATTEMPTS)}, {SEASONS_COL_PA_COM, Stat(STAT_PASS_COMPLETIONS)},
                {SEASONS_COL_PA_YDS, Stat(STAT_PASSING_YARDS)}, {SEASONS_COL_PA_TD, Stat(STAT_PASSING_TOUCHDOWNS)},
                {SEASONS_COL_PA_INT, Stat(STAT_INTERCEPTIONS_THROWN)}});
        break;
    case POSITION_RB:
    case POSITION_FB:
        Add(1, {{SEASONS_COL_RU_ATT, Stat(STAT_RUSHING_ATTEMPTS)}, {SEASONS_COL_RU_YDS, Stat(STAT_RUSHING_YARDS)},
                {SEASONS_COL_RU_TD, Stat(STAT_RUSHING_TOUCHDOWNS)}, {SEASONS_COL_RECEPTS, Stat(STAT_RECEPTIONS)},
                {SEASONS_COL_RE_YDS, Stat(STAT_RECEIVING_YARDS)}, {SEASONS_COL_RE_TD, Stat(STAT_RECEIVING_TOUCHDOWNS)}});
        break;
    case POSITION_TE:
    case POSITION_WR:
        Add(2, {{SEASONS_COL_TARGETED, Stat(STAT_TARGETS)}, {SEASONS_COL_RECEPTS, Stat(STAT_RECEPTIONS)},
                {SEASONS_COL_RE_YDS, Stat(STAT_RECEIVING_YARDS)}, {SEASONS_COL_RE_TD, Stat(STAT_RECEIVING_TOUCHDOWNS)},
                {SEASONS_COL_RU_ATT, Stat(STAT_RUSHING_ATTEMPTS)}, {SEASONS_COL_RU_YDS, Stat(STAT_RUSHING_YARDS)}});
        break;
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        Add(3, {{SEASONS_COL_INT, Stat(STAT_INTERCEPTIONS)}, {SEASONS_COL_SK, Stat(STAT_SACKS)},
                {SEASONS_COL_PD, Stat(STAT_PASSES_DEFENSED)}, {SEASONS_COL_FF, Stat(STAT_FUMBLES_FORCED)},
                {SEASONS_COL_COMB, Stat(STAT_SOLO_TACKLES)}, {SEASONS_COL_ASST, Stat(STAT_TACKLE_ASSISTS)}});
        break;
    case POSITION_K:
        Add(4, {{SEASONS_COL_XPA, Stat(STAT_PAT_ATTEMPTS)}, {SEASONS_COL_XPM, Stat(STAT_PATS_MADE)}});
        break;
    case POSITION_P:
        Add(5, {{SEASONS_COL_PUNTS, Stat(STAT_PUNTS)}, {SEASONS_COL_PUNT_YARDS, Stat(STAT_PUNT_YARDS)}});
        break;
    default:
        Add(7, {});
        break;
    }
    return Rows;
}

// Gives every player in use of the first nTeams clubs without an external
// ID the ID "Rt" + team + slot ("Rt0712"); the default league has none.
inline void Give_Players_External_Ids(int nTeams = IMPORT_TEAMS)
{
    for (int nTeam = 0; nTeam < nTeams; ++nTeam)
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (!Is_Player_Slot_Used(nTeam, nSlot) || Get_Player_Corvel_ID_Text(nTeam, nSlot)[0] != '\0')
                continue;
            char szId[16];
            std::snprintf(szId, sizeof(szId), "Rt%02d%02d", nTeam % 100, nSlot % 100);
            Set_Player_Corvel_ID(nTeam, nSlot, szId);
        }
}

// Writes every page of the league's first nTeams clubs; returns the number
// of player pages.
inline int Write_Synthetic_Pages(const SYNTHETIC_PAGE_OPTIONS& Options = SYNTHETIC_PAGE_OPTIONS())
{
    using namespace synthetic_pages_detail;
    const bool bModern = Options.nYear == IMPORT_MODERN_YEAR;
    std::string Injuries = "<html><body><table id=\"injuries\"><tbody>\n";
    int nPages = 0;
    for (int nTeam = 0; nTeam < Options.nTeams && nTeam < IMPORT_TEAMS; ++nTeam) {
        std::string Roster = "<html><head><title>" + Team_Text(nTeam, 1) + " Roster</title></head><body>\n";
        if (!bModern) {
            Roster += "<table id=\"starters\"><tr><th colspan=\"2\"><b>Offensive Starters</b></th></tr>\n";
            for (const std::string& Position : Options.OffensiveStarters)
                Roster += "<tr><th data-stat=\"pos\">" + Position + "</th><td>Starter</td></tr>\n";
            Roster += "<tr><th colspan=\"2\"><b>Defensive Starters</b></th></tr>\n";
            for (const std::string& Position : Options.DefensiveStarters)
                Roster += "<tr><th data-stat=\"pos\">" + Position + "</th><td>Starter</td></tr>\n";
            Roster += "</table>\n";
        }
        Roster += std::string("<table id=\"roster\" data-title=\"") + (bModern ? "Current Roster" : "Roster") +
                  "\">\n<tbody>\n";
        std::string Contracts = "<html><body><table class=\"contracts\">\n";
        std::string Cap = "<html><body><table class=\"cap\">\n";
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            const std::string Id = Get_Player_Corvel_ID_Text(nTeam, nSlot);
            if (Id.empty())
                continue;
            Roster += Synthetic_Roster_Row(nTeam, nSlot, Options.bOptionalCells) + "\n";
            char szFirst[32] = "";
            char szLast[32] = "";
            Get_Player_First_Name(nTeam, nSlot, szFirst);
            Get_Player_Last_Name(nTeam, nSlot, szLast);
            const std::string Name = std::string(szFirst) + " " + szLast;
            Write_Text_File("Input/Downloads/Players/" + Id + ".txt",
                            Synthetic_Player_Page(Name, Position_Text(nTeam, nSlot),
                                                  Synthetic_Player_Rows(nTeam, nSlot, Options.nYear,
                                                                        Options.bOptionalCells)));
            ++nPages;
            if (!bModern)
                continue;
            const int nWeeks = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS);
            const int nInjury = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY);
            if (nWeeks > 0 && nInjury >= 0 && nInjury < 200) {
                char szInjury[64] = "";
                char szWeeks[64] = "";
                Get_Injury_Name(nInjury, szInjury);
                Get_Cardinal_Words(szWeeks, nWeeks);
                Injuries += "<tr data-append-csv=\"" + Id + "\"><td>" + Name + "</td><td>" + szInjury +
                            "</td><td><b>Out</b></td><td>Expected out " + szWeeks + " weeks</td></tr>\n";
            }
            const long long nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) * 1000LL;
            int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH);
            nYears = nYears < 1 ? 1 : nYears > 9 ? 9 : nYears;
            if (nSalary > 0) {
                const int nLastYear = Options.nYear + Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
                Contracts += "<tr><td><a href=\"/p/" + Id + "\">" + Name + "</a></td>\n";
                Contracts += "<td class=\"activecontract\">$" + Text_Of(static_cast<int>(nSalary * nYears / 1000)) +
                             ",000</td><td>" + Text_Of(nYears) + " yrs</td>\n";
                Contracts += "<td>" + Text_Of(nLastYear) + "</td></tr>\n";
            }
            const long long nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS) * 1000LL / nYears;
            Cap += "<tr><td>" + Name + "</td>\n";
            Cap += "<td title=\"Signing Bonus\">$" + std::to_string(nBonus) + "</td>\n";
            Cap += "<td title=\"Cap Hit\">$" + Text_Of(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_HIT)) +
                   " <span>$1,000</span></td></tr>\n";
        }
        Roster += "</tbody></table></body></html>\n";
        char szPath[128];
        std::snprintf(szPath, sizeof(szPath), ROSTER_PAGE_FORMAT, Options.nYear, Get_Site_Club_Code(nTeam));
        Write_Text_File(szPath, Roster);
        if (bModern) {
            const std::string Page = Get_Contract_Page_Name(Team_Text(nTeam, 2).c_str());
            Write_Text_File("Input/Downloads/Contracts/" + Page + ".txt", Contracts + "</table></body></html>\n");
            Write_Text_File("Input/Downloads/Cap/" + Page + ".txt", Cap + "</table></body></html>\n");
        }
    }
    if (bModern)
        Write_Text_File(INJURY_REPORT_PAGE, Injuries + "</tbody></table></body></html>\n");
    return nPages;
}
