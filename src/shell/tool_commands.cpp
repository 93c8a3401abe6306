#include "shell/tool_commands.h"

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <cstdlib>

#include "base/text_utils.h"
#include "export/encyclopedia.h"
#include "export/html_writer.h"
#include "export/ratings_file.h"
#include "export/statistics_file.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "platform/files.h"
#include "gamefile/database_builder.h"
#include "gamefile/developer_tools.h"
#include "season/downloads.h"
#include "season/name_lookups.h"
#include "shell/script_runner.h"
#include "tools/builder_adjustments.h"
#include "tools/builder_steps.h"
#include "tools/historical_stats.h"
#include "tools/playbook_import.h"
#include "tools/ratings_loader.h"
#include "tools/input_readers.h"
#include "tools/card_export.h"
#include "tools/stat_importer.h"

namespace {

using ARGS = std::vector<std::string>;

// The sheets the encyclopedia export may link.
constexpr const char* HTML_STYLE_SHEET_FOLDER = "HTML_Templates/CSS";

struct TOOL {
    const char* szName;
    size_t nMinArgs;
    size_t nMaxArgs;
    const char* szUsage;
    bool (*pRun)(const ARGS& Args, std::string& Result, std::string& Problem);
};

bool Numbers(const ARGS& Args, size_t nFirst, std::vector<int>& Values, std::string& Problem)
{
    for (size_t i = nFirst; i < Args.size(); ++i) {
        int n = 0;
        if (!Parse_Script_Number(Args[i], n)) {
            Problem = "\"" + Args[i] + "\" is not a whole number";
            return false;
        }
        Values.push_back(n);
    }
    return true;
}

// A decimal argument ("0.5", "-1"): the whole text a finite number.
bool Decimal(const std::string& Text, float& fValue, std::string& Problem)
{
    char* pEnd = nullptr;
    const double f = std::strtod(Text.c_str(), &pEnd);
    if (Text.empty() || pEnd == nullptr || *pEnd != '\0' || !std::isfinite(f) || std::fabs(f) > 1000.0) {
        Problem = "\"" + Text + "\" is not a number from -1000 to 1000";
        return false;
    }
    fValue = static_cast<float>(f);
    return true;
}

// A club in use (0-40) and, with a slot, a player in it.
bool Player_Address(const std::vector<int>& V, std::string& Problem)
{
    if (V[0] < 0 || V[0] > LAST_TEAM || !Is_Valid_Team(V[0])) {
        Problem = "no team " + std::to_string(V[0]) + " in use";
        return false;
    }
    if (V.size() > 1 && !Is_Player_Slot_Used(V[0], V[1])) {
        Problem = "no player in slot " + std::to_string(V[1]) + " of team " + std::to_string(V[0]);
        return false;
    }
    return true;
}

// A club of the league (a franchise slot in use): not the free agents, the
// Hall of Fame nor the draft pools, which some tools cannot take.
bool League_Club(int nTeam, std::string& Problem)
{
    if (nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam))
        return true;
    Problem = "no club " + std::to_string(nTeam) + " in use (the free agents, the Hall of Fame and the draft pools "
              "are no club)";
    return false;
}

// What a tool does with a name it is given.
enum class NAMED : int { FILE_READ, FILE_WRITTEN, FOLDER_WRITTEN };

// A relative name is taken from the data folder and may not leave it, by its
// ".." or through a link it passes ("lnk/../x"), whether a tool writes or
// reads there; an absolute one is the user's own choice. A link at a
// written file's own name is replaced, never written through, so only the
// folders before it count there.
bool Inside_Data_Folder(const std::string& Path, std::string& Problem, NAMED Use)
{
    if (!files::Climbs_Out_Of_Folder(Path.c_str()) &&
        !files::Leads_Out_Of_Current_Folder(Path.c_str(), Use != NAMED::FILE_WRITTEN))
        return true;
    Problem = "\"" + Path + "\" leaves the data folder (give an absolute path to " +
              (Use == NAMED::FILE_READ ? "read" : "write") + " elsewhere)";
    return false;
}

// "PATH could not be written (the system's words)", from errno as the
// failed write left it.
std::string Not_Written(const std::string& Path)
{
    const int nError = errno;
    return "\"" + files::Resolve_Path(Path.c_str()) + "\" could not be written (" + files::Error_Text(nError) + ")";
}

// The export copies the sheets of HTML_Templates/CSS beside its pages and
// links the one named: a name that is not one of them would leave every
// page linking a sheet that was never written.
bool Style_Sheet_Found(const std::string& Sheet, std::string& Problem)
{
    const std::vector<std::string> Sheets = files::List_Folder(HTML_STYLE_SHEET_FOLDER, "*");
    if (std::find(Sheets.begin(), Sheets.end(), Sheet) != Sheets.end()) {
        const std::string Path = std::string(HTML_STYLE_SHEET_FOLDER) + "/" + Sheet;
        if (files::File_Exists(Path.c_str()))
            return true;
    }
    Problem = "no style sheet \"" + Sheet + "\" in " + HTML_STYLE_SHEET_FOLDER + " (the export links the sheet it "
              "names, and copies only the sheets of that folder)";
    return false;
}

// A position of the ratings export: 0-14, or 15 for every player.
bool Ratings_Position(int nPosition, std::string& Problem)
{
    if (nPosition >= 0 && nPosition <= 15)
        return true;
    Problem = "position " + std::to_string(nPosition) + " is not one of 0-15";
    return false;
}

// The ratings export's line: how many were written, and why players were
// left out when some were for want of a statistics ID.
std::string Ratings_Written(int nWritten, const std::string& Path)
{
    std::string Text = std::to_string(nWritten) + (nWritten == 1 ? " player" : " players") + " written to " + Path;
    const int nSkipped = Get_Player_Ratings_Skipped();
    if (nSkipped > 0)
        Text += std::string(nWritten == 0 ? ": the " : "; ") + std::to_string(nSkipped) +
                (nWritten == 0 ? "" : " other") + (nSkipped == 1 ? " player has" : " players have") + " " +
                PLAYER_RATINGS_SKIPPED_NOTE;
    else if (nWritten == 0)
        Text += ": no player of that position is in the league";
    return Text;
}

// A ratings load's line: the players it changed, or why it changed none
// (which fails the line: the file did no work).
bool Ratings_Loaded(const std::string& Path, std::string& Result, std::string& Problem)
{
    const int nChanged = Count_Player_Ratings_Changed();
    if (nChanged == 0) {
        Problem = "no player was changed by " + Path + ": " + Get_Player_Ratings_Unchanged_Reason();
        return false;
    }
    Result = "player ratings loaded from " + Path + ": " + std::to_string(nChanged) +
             (nChanged == 1 ? " player" : " players") + " changed";
    return true;
}

// A build that wrote no database for a year asked fails its line.
bool Database_Build_Outcome(const DATABASE_BUILD_RESULT& Build, std::string& Result, std::string& Problem)
{
    if (Build.bStopped || Build.nFailed > 0) {
        Problem = "database build failed: " + Database_Build_Problem(Build);
        return false;
    }
    // Its database is written; a file that goes with it is not.
    if (!Build.WrittenInPart.empty()) {
        Problem = "database written without all of its files: " + Build.PartProblem;
        return false;
    }
    Result = std::to_string(Build.nBuilt) + (Build.nBuilt == 1 ? " database" : " databases") + " built";
    if (!Build.LeftOut.empty())
        Result += "; " + std::to_string(Build.LeftOut.size()) + " years left out (" +
                  Format_Year_Ranges(Build.LeftOut) + "), whose statistics files are not in the data folder";
    return true;
}

// The statistics import's line: the files written, or why none was.
bool Import_Outcome(bool bWritten, std::string& Result, std::string& Problem)
{
    if (!bWritten) {
        Problem = "statistics files not replaced: " + (Problem.empty() ? std::string("the import stopped") : Problem);
        return false;
    }
    Result = "statistics files written under Input/Stats " + Get_Last_Import_Summary() +
             "; every other file keeps its lines";
    return true;
}

// A database loop's line: cancelled at the save offer, or what it did.
bool Database_Loop_Outcome(const DATABASE_LOOP_RESULT& Loop, std::string& Result, std::string& Problem)
{
    if (Loop.bCancelled) {
        Problem = "cancelled at the offer to save the game";
        return false;
    }
    Result = std::to_string(Loop.nDone) + " years done, " + std::to_string(Loop.nSkipped) + " skipped";
    return true;
}

const TOOL TOOLS[] = {
    {"Export_Html_Encyclopedia", 0, 2, "[FOLDER [STYLE_SHEET]]",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         const char* szFolder = Args.size() > 0 ? Args[0].c_str() : DEFAULT_HTML_EXPORT_FOLDER;
         const char* szStyle = Args.size() > 1 ? Args[1].c_str() : DEFAULT_HTML_STYLE_SHEET;
         if (!Inside_Data_Folder(szFolder, Problem, NAMED::FOLDER_WRITTEN) || !Style_Sheet_Found(szStyle, Problem))
             return false;
         const int nDone = Export_Html_Encyclopedia(szFolder, szStyle);
         if (nDone < 0) {
             Problem = "HTML encyclopedia not exported: " + Get_Html_Export_Problem();
             return false;
         }
         if (nDone == 0) {
             Result = "HTML encyclopedia not written (the overwrite was declined)";
             return true;
         }
         Result = "HTML encyclopedia: " + std::to_string(Count_Html_Pages_Written()) + " pages, index " +
                  Get_Html_Export_Index_Path();
         return true;
     }},
    {"Write_League_Names_File", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         const int nWritten = Write_League_Names_File();
         if (nWritten < 0) {
             Problem = Not_Written(LEAGUE_NAMES_FILE);
             return false;
         }
         if (nWritten == 0) {
             Problem = "league names not written: the data folder has no folder \"Vazarudu Stats\" to take them";
             return false;
         }
         Result = std::string("league names written to ") + files::Resolve_Path(LEAGUE_NAMES_FILE);
         return true;
     }},
    {"Output_Rosters_Text", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         if (!Output_Rosters_Text(&Problem))
             return false;
         Result = std::string("rosters written to ") + files::Resolve_Path(ROSTERS_TEXT_FILE);
         return true;
     }},
    {"Export_Player_Ratings", 2, 2, "POSITION YEAR",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 0, V, Problem) || !Ratings_Position(V[0], Problem))
             return false;
         if (V[1] < 1000 || V[1] > 9999) {
             Problem = "the year " + std::to_string(V[1]) + " is not one of 1000-9999";
             return false;
         }
         const int nWritten = Export_Player_Ratings(V[0], V[1]);
         if (nWritten < 0) {
             Problem = Not_Written(Get_Player_Ratings_Path(V[1]));
             return false;
         }
         Result = Ratings_Written(nWritten, Get_Player_Ratings_Path(V[1]));
         return true;
     }},
    {"Export_Current_Player_Ratings", 1, 1, "POSITION",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 0, V, Problem) || !Ratings_Position(V[0], Problem))
             return false;
         const int nWritten = Export_Current_Player_Ratings(V[0]);
         if (nWritten < 0) {
             Problem = Not_Written(Get_Player_Ratings_Path(Get_Current_Year()));
             return false;
         }
         Result = Ratings_Written(nWritten, Get_Player_Ratings_Path(Get_Current_Year()));
         return true;
     }},
    {"Write_Player_Stats_File", 6, 6, "PATH SELECTION PERIOD SECTION SORT FORMAT",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 1, V, Problem) || !Inside_Data_Folder(Args[0], Problem, NAMED::FILE_WRITTEN))
             return false;
         // SELECTION PERIOD SECTION SORT FORMAT: the ranges the lists know.
         const int nSelections = Count_Teams() + Count_Leagues();
         if (V[0] < 0 || V[0] > nSelections) {
             Problem = "selection " + Args[1] + " is not one of 0-" + std::to_string(nSelections);
             return false;
         }
         if (V[1] < 0 || V[1] > 3) {
             Problem = "period " + Args[2] + " is not one of 0-3 (season, last season, career, predicted)";
             return false;
         }
         if (V[2] < 0 || V[2] > 2) {
             Problem = "section " + Args[3] + " is not one of 0-2 (offense, defense, kicking)";
             return false;
         }
         if (V[4] < 0 || V[4] > 3) {
             Problem = "format " + Args[5] + " is not one of 0-3 (tab, comma, fixed, HTML)";
             return false;
         }
         errno = 0;
         int nPlayers = 0;
         if (Write_Player_Stats_File(Args[0].c_str(), V[0], V[1], V[2], V[3], V[4], &nPlayers) == 0) {
             Problem = "\"" + Args[0] + "\" could not be written (" + std::strerror(errno != 0 ? errno : EIO) + ")";
             return false;
         }
         Result = std::to_string(nPlayers) + (nPlayers == 1 ? " player line" : " player lines") +
                  " written to " + Args[0] + " under the heading";
         return true;
     }},
    {"Write_Historical_Stats", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         if (!Write_Historical_Stats()) {
             Problem = Not_Written(HISTORICAL_STATS_FILE);
             return false;
         }
         Result = std::string("historical statistics written to ") + HISTORICAL_STATS_FILE;
         return true;
     }},
    {"Estimate_Line_Blocking_Ratings", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Estimate_Line_Blocking_Ratings();
         Result = "blocking ratings of the linemen estimated from their games";
         return true;
     }},
    {"Balance_Position_Ratings", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Balance_Position_Ratings();
         Result = "position ratings balanced with the depth order";
         return true;
     }},
    {"Nudge_Team_Ratings", 2, 2, "TEAM FACTOR",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         float fFactor = 0.0f;
         if (!Numbers(ARGS(Args.begin(), Args.begin() + 1), 0, V, Problem) || !Player_Address(V, Problem) ||
             !Decimal(Args[1], fFactor, Problem))
             return false;
         Nudge_Team_Ratings(V[0], fFactor);
         Result = "ratings of team " + Args[0] + " nudged by " + Args[1];
         return true;
     }},
    {"Blend_Recent_Draft_Pick_Rating", 2, 2, "TEAM SLOT",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 0, V, Problem) || !Player_Address(V, Problem))
             return false;
         // The blend leaves anyone drafted before its first year as he is.
         if (Get_Player_Vital_Stat(V[0], V[1], VITAL_DRAFTED_BY) % 10000 < FIRST_BLENDED_DRAFT_YEAR) {
             Problem = "the player in slot " + Args[1] + " of team " + Args[0] +
                       " is not a recent draft pick (the blend takes players drafted in " +
                       std::to_string(FIRST_BLENDED_DRAFT_YEAR) + " or later): nothing changed";
             return false;
         }
         Blend_Recent_Draft_Pick_Rating(V[0], V[1]);
         Result = "draft pick rating blended for team " + Args[0] + ", slot " + Args[1];
         return true;
     }},
    {"Load_Year_Player_Ratings", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         char szPath[128];
         Get_Year_Player_Ratings_Path(szPath, sizeof(szPath));
         if (Load_Year_Player_Ratings(1) == 0) {
             Problem = std::string("Unable to open ") + szPath;
             return false;
         }
         return Ratings_Loaded(szPath, Result, Problem);
     }},
    {"Load_Player_Ratings_File", 1, 1, "PATH",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         if (!Inside_Data_Folder(Args[0], Problem, NAMED::FILE_READ))
             return false;
         if (Load_Player_Ratings_File(1, Args[0].c_str()) == 0) {
             Problem = "Unable to open " + Args[0];
             return false;
         }
         return Ratings_Loaded(Args[0], Result, Problem);
     }},
    {"Load_Playbooks", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         const PLAYBOOK_IMPORT_COUNTS Counts = Load_Playbooks(1);
         if (!Counts.Refused.empty()) {
             Problem = "\"" + Counts.Refused.front() + "\" is not a whole playbook (" + Counts.Problems.front() +
                       "); its club keeps the playbook it had";
             return false;
         }
         Result = std::to_string(Counts.nOffensive) + " offensive and " + std::to_string(Counts.nDefensive) +
                  " defensive playbooks loaded";
         return true;
     }},
    {"Read_Wins_File", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         const int nRead = Read_Wins_File();
         if (nRead < 0) {
             Problem = "the year's wins file could not be opened";
             return false;
         }
         Result = std::to_string(nRead) + " projected wins read";
         return true;
     }},
    {"Create_Universe_Database", 1, 1, "YEAR",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 0, V, Problem))
             return false;
         return Database_Build_Outcome(Create_Universe_Database(V[0]), Result, Problem);
     }},
    {"Create_Universe_Databases_Range", 2, 2, "FIRST LAST",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 0, V, Problem))
             return false;
         if (V[0] > V[1]) {
             Problem = "the first year " + Args[0] + " is after the last " + Args[1];
             return false;
         }
         return Database_Build_Outcome(Create_Universe_Databases_Range(V[0], V[1]), Result, Problem);
     }},
    {"Create_All_Universe_Databases", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         return Database_Build_Outcome(Create_All_Universe_Databases(), Result, Problem);
     }},
    {"Export_Tolvaren_Cards", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         int nDeckPlays = 0;
         int nMarked = 0;
         const int nWritten = Export_Tolvaren_Cards(&nDeckPlays, &Problem, &nMarked);
         if (!Problem.empty())
             return false;
         Result = std::to_string(nWritten) + " card pictures written to " + files::Resolve_Path(TOLVAREN_OUTPUT_FOLDER) +
                  ", deck of " + std::to_string(nDeckPlays) + " plays (" + std::to_string(nMarked) +
                  " marked by the club's playbook, " + std::to_string(std::max(nDeckPlays - nMarked, 0)) + " filled)";
         return true;
     }},
    {"Download_Football_Data", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         return Import_Outcome(Download_Football_Data(&Problem), Result, Problem);
     }},
    {"Extract_All_Player_Salary_Data", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         if (!Extract_All_Player_Salary_Data(&Problem)) {
             Problem = "salaries not written: " + Problem;
             return false;
         }
         Result = "salaries written to Input/Stats/2023_salaries.csv";
         return true;
     }},
    {"Read_Team_Injuries_Page", 3, 3, "PATH YEAR TEAM",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 1, V, Problem) || !Inside_Data_Folder(Args[0], Problem, NAMED::FILE_READ))
             return false;
         // The year names the file the rows go to: one the builder takes.
         if (V[0] < FIRST_BUILD_YEAR || V[0] > LAST_BUILD_YEAR) {
             Problem = "the year " + std::to_string(V[0]) + " is not one of " + std::to_string(FIRST_BUILD_YEAR) +
                       "-" + std::to_string(LAST_BUILD_YEAR);
             return false;
         }
         if (!League_Club(V[1], Problem))
             return false;
         const int nRows = Read_Team_Injuries_Page(Args[0].c_str(), V[0], V[1]);
         if (nRows == -2) {
             Problem = Not_Written(Get_Injuries_File_Path(V[0]));
             return false;
         }
         if (nRows < 0) {
             Problem = "\"" + Args[0] + "\" cannot be read";
             return false;
         }
         Result = std::to_string(nRows) + " injured players appended";
         return true;
     }},
    {"Copy_Downloaded_Photos", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Result = std::to_string(Copy_Downloaded_Photos()) + " photos copied to " + DOWNLOADED_PHOTOS_FOLDER;
         return true;
     }},
    {"Copy_Downloaded_Logos", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Result = std::to_string(Copy_Downloaded_Logos()) + " logos copied to " + DOWNLOADED_LOGOS_FOLDER;
         return true;
     }},
    {"Output_Play_Selection_Multipliers", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         const long nCases = Output_Play_Selection_Multipliers();
         if (nCases < 0) {
             Problem = Not_Written("Play_Multipliers.csv");
             return false;
         }
         Result = std::to_string(nCases) + " cases written to Play_Multipliers.csv";
         return true;
     }},
    {"Write_Fractions_Table", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         const int nLines = Write_Fractions_Table();
         if (nLines < 0) {
             Problem = Not_Written("Fractions.txt");
             return false;
         }
         Result = std::to_string(nLines) + " lines written to Fractions.txt";
         return true;
     }},
    {"Check_Duplicate_Player_Names", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Result = std::to_string(Check_Duplicate_Player_Names()) + " duplicate names";
         return true;
     }},
    {"Write_Free_Agents_List", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         std::string Unread;
         const int nLines = Write_Free_Agents_List(&Unread);
         if (nLines == -1) {
             const int nError = errno;
             Problem = "Free-Agents.csv not written: \"" + files::Resolve_Path(Unread.c_str()) + "\" cannot be read (" +
                       files::Error_Text(nError) + ")";
             return false;
         }
         if (nLines == -3) {
             Problem = "Free-Agents.csv not written: \"" + files::Resolve_Path(Unread.c_str()) +
                       "\" holds no player line";
             return false;
         }
         if (nLines < 0) {
             Problem = Not_Written("Free-Agents.csv");
             return false;
         }
         Result = std::to_string(nLines) + " lines written to Free-Agents.csv";
         return true;
     }},
    {"Refit_Player_Ratings", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Refit_Player_Ratings();
         Result = "player ratings refitted";
         return true;
     }},
    {"Set_Average_Period_Stats", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Set_Average_Period_Stats();
         Result = "predicted statistics set to the position averages";
         return true;
     }},
    {"Write_Salary_Report", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         const int nRows = Write_Salary_Report();
         if (nRows < 0) {
             Problem = Not_Written("Tolvaren-Salaries.csv");
             return false;
         }
         Result = std::to_string(nRows) + " rows written to Tolvaren-Salaries.csv";
         return true;
     }},
    {"Get_Player_Salary_Value", 2, 2, "TEAM SLOT",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 0, V, Problem))
             return false;
         if (!Player_Address(V, Problem))
             return false;
         Result = std::to_string(Get_Player_Salary_Value(V[0], V[1]));
         return true;
     }},
    {"File_Contains_Text", 2, 2, "PATH TEXT",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         if (!Inside_Data_Folder(Args[0], Problem, NAMED::FILE_READ))
             return false;
         errno = 0;
         const int nFound = File_Contains_Text(Args[0].c_str(), Args[1].c_str());
         if (nFound < 0) {
             const int nError = errno;
             Problem = "\"" + files::Resolve_Path(Args[0].c_str()) + "\" cannot be read (" + files::Error_Text(nError) +
                       ")";
             return false;
         }
         Result = std::to_string(nFound);
         return true;
     }},
    {"Find_Long_Play_Names", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         const int nNames = Find_Long_Play_Names();
         if (nNames < 0) {
             Problem = Not_Written("TooLong.txt");
             return false;
         }
         Result = std::to_string(nNames) + " long play names written to TooLong.txt";
         return true;
     }},
    {"Fill_Missing_Season_Line_Stats", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Result = std::to_string(Fill_Missing_Season_Line_Stats()) + " season-line statistics filled";
         return true;
     }},
    {"Derive_Period_Stats", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Derive_Period_Stats();
         Result = "predicted statistics derived from the position averages and last season";
         return true;
     }},
    {"Rename_All_Players", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         const int nRenamed = Rename_All_Players(Problem);
         if (nRenamed < 0)
             return false;
         Result = std::to_string(nRenamed) + " players renamed";
         return true;
     }},
    {"Run_Data_Import", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         return Import_Outcome(Run_Data_Import(&Problem), Result, Problem);
     }},
    {"Get_Simulation_Run_Word", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Result = std::to_string(Get_Simulation_Run_Word());
         return true;
     }},
    {"Get_Simulation_Stop_Word", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Result = std::to_string(Get_Simulation_Stop_Word());
         return true;
     }},
    {"Refit_All_Universe_Databases", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         return Database_Loop_Outcome(Refit_All_Universe_Databases(), Result, Problem);
     }},
    {"Export_Replay_Mode_Player_Ratings", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         return Database_Loop_Outcome(Export_Replay_Mode_Player_Ratings(), Result, Problem);
     }},
    {"Export_Every_Season_Player_Ratings", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string& Problem) {
         return Database_Loop_Outcome(Export_Every_Season_Player_Ratings(), Result, Problem);
     }},
};

}  // namespace

bool Run_Tool_By_Name(const std::vector<std::string>& Words, std::string& Result, std::string& Problem)
{
    if (Words.empty()) {
        Problem = "tool takes a name, as \"tool Export_Html_Encyclopedia\"";
        return false;
    }
    for (const TOOL& Tool : TOOLS) {
        if (strcasecmp(Words[0].c_str(), Tool.szName) != 0)
            continue;
        const ARGS Args(Words.begin() + 1, Words.end());
        if (Args.size() < Tool.nMinArgs || Args.size() > Tool.nMaxArgs) {
            Problem = std::string("tool ") + Tool.szName + " takes " + (*Tool.szUsage ? Tool.szUsage : "no arguments");
            return false;
        }
        return Tool.pRun(Args, Result, Problem);
    }
    Problem = "no tool \"" + Words[0] + "\"";
    return false;
}

std::vector<std::string> List_Tool_Names()
{
    std::vector<std::string> Names;
    for (const TOOL& Tool : TOOLS)
        Names.push_back(std::string(Tool.szName) + (*Tool.szUsage ? " " : "") + Tool.szUsage);
    return Names;
}
