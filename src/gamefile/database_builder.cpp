#include "gamefile/database_builder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "base/random.h"
#include "base/text_utils.h"
#include "frontoffice/depth_chart.h"
#include "gamefile/build_commit.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gamefile/loaded_ranges.h"
#include "gamefile/new_universe.h"
#include "league/league_data.h"
#include "league/league_norms.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/season_lines.h"
#include "league/default_settings.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"
#include "season/draft_class.h"
#include "season/leader_updates.h"
#include "season/player_generation.h"
#include "season/player_repairs.h"
#include "season/predicted_stats.h"
#include "season/salaries.h"
#include "season/stat_based_rating.h"
#include "export/ratings_file.h"
#include "season/development_ages.h"
#include "season/season_files.h"
#include "season/season_line_import.h"
#include "season/team_records_file.h"
#include "tools/builder_adjustments.h"
#include "tools/builder_steps.h"
#include "tools/draft_class_file.h"
#include "tools/historical_stats.h"
#include "tools/input_readers.h"
#include "tools/leader_files.h"
#include "tools/playbook_import.h"
#include "tools/stat_readers.h"

namespace {

// The norms the engine scales by, at their modern values, in their order.
constexpr int16_t MODERN_NORMS[LEAGUE_NORM_COUNT] = {420, 625, 1120, 2350, 30, 70, 800};
// The page a built league is shown on.
constexpr int BUILT_LEAGUE_PAGE = 40030;
// The sortable statistics list's position filter: any position.
constexpr int PREF_SORTABLE_POSITION = 87;
constexpr int ANY_POSITION = 15;
// Fewer clubs than the schedule tables serve make no playable league.
constexpr int FEWEST_BUILT_TEAMS = 12;

// Who is told of each finished step (the benchmark times them).
void (*g_pStepObserver)(const char* szStep) = nullptr;

void Note_Step(const char* szStep)
{
    if (g_pStepObserver != nullptr)
        g_pStepObserver(szStep);
}

// The template league of this run, as the load left it.
std::unique_ptr<LEAGUE_DATA> g_pTemplate;
// The progress window the build opened (another may be open already).
bool g_bProgressOpen = false;

void Progress(int n)
{
    if (g_bProgressOpen)
        Step_Progress_Window(n);
}

// Reads the template once for the run; false (Problem saying why) when the
// run may not start.
bool Start_Run(DATABASE_BUILD_RESULT& Result)
{
    if (Get_Universe_Word(DAY_ADVANCE_BUSY_WORD) != 0) {
        Result.bStopped = true;
        Result.Problem = "games are being played";
        return false;
    }
    if (!Ask_Save_Changes()) {
        Result.bStopped = true;
        Result.Problem = "the game in memory was not saved, so nothing was built";
        return false;
    }
    if (!Load_Universe_Database(BUILD_TEMPLATE_DATABASE)) {
        Result.bStopped = true;
        Result.Problem = std::string("the template league \"") + BUILD_TEMPLATE_DATABASE + "\" could not be loaded";
        return false;
    }
    g_pTemplate = std::make_unique<LEAGUE_DATA>();
    std::memcpy(g_pTemplate.get(), &League, sizeof(LEAGUE_DATA));
    return true;
}

void End_Run()
{
    g_pTemplate.reset();
}

// The lookups by name, ID text and ID hold the league in memory: a year
// built after another must find nothing of the one before (new IDs are drawn
// until one is free, so a stale lookup would change the draws).
void Rebuild_Player_Lookups()
{
    Build_Player_Name_Hash();
    Build_Corvel_ID_Hash();
    Build_Player_ID_Hash();
}

// The league in memory becomes the template again, as a load leaves it.
void Restore_Template()
{
    std::memcpy(&League, g_pTemplate.get(), sizeof(LEAGUE_DATA));
    Note_All_Player_Ratings_Changed();
    Invalidate_Career_Leaders_Snapshot();
    Rebuild_Player_Lookups();
}

int Clamp_Year(int nYear)
{
    return std::clamp(nYear, FIRST_BUILD_YEAR, LAST_BUILD_YEAR);
}

// How far a year of a run got.
enum YEAR_OUTCOME {
    YEAR_REFUSED,           // nothing of it written: every file of the year as it was
    YEAR_WRITTEN,           // its database and every file that goes with it
    YEAR_WRITTEN_IN_PART,   // its database, but not every other file
};

// One year of a run. Its leader files, draft class, class log, ratings file
// and database are staged while it is built and put in place together under
// a commit record (build_commit.h), so a year refused at any step, its save
// included, keeps every file it had, and one killed while its files are put
// in place is finished or discarded whole by the next start-up.
YEAR_OUTCOME Build_Year(int nYear, std::string& Problem)
{
    Restore_Template();
    // A year builds to the same bytes alone or inside a range.
    if ((Get_Startup_Flags() & FLAG_IS_NOT_RANDOM) != 0)
        Seed_Random_Numbers(static_cast<uint32_t>(nYear));
    // Names are drawn into caches a batch at a time: what one year left
    // there must not reach the next.
    Reset_Name_Pool();
    Reset_Historical_Totals_For_Build(nYear);

    Set_League_Norms(MODERN_NORMS);
    Set_User_Preference(PREF_SORTABLE_POSITION, ANY_POSITION);
    League.Universe.nStat[FIRST_SEASON_YEAR] = static_cast<int16_t>(nYear);
    Update_Inflation_Factor();
    Note_Step("template");
    if (!Build_Database(Problem))
        return YEAR_REFUSED;
    Remove_Players_Without_Position();
    Fill_Missing_Player_Measures();
    // A database the loader would refuse is not written as built.
    const std::string Refusal = Find_League_Refusal(League);
    if (!Refusal.empty()) {
        char szRosters[64];
        std::snprintf(szRosters, sizeof(szRosters), "input/stats/%d_rosters.csv", nYear);
        Problem = "the league built for " + std::to_string(nYear) + " could not be loaded: " + Refusal +
                  " (its players come from \"" + files::Resolve_Path(szRosters) + "\")";
        Write_Debug_Log("Database of %d not written: %s", nYear, Problem.c_str());
        return YEAR_REFUSED;
    }
    // The leader files this build staged, as the database will hold them.
    Load_All_Time_Leaders(nYear, true);
    Read_Personnel_File();
    Auto_Set_All_Depth_Charts(0);
    Set_Team_Stat_10_By_Strength();
    Note_Step("Read_Personnel_File, depth charts");
    int nRookies = 0;
    std::string ClassProblem;
    const int nClass = Stage_Draft_Class(&nRookies, ClassProblem);
    Note_Step("Write_Draft_Class_Database");
    if (nClass == DRAFT_CLASS_OVERFLOW) {
        // Most of the league without a past: the seasons table lacks them,
        // and a class (or a database) made from it would be wrong.
        int nPlayers = 0;
        for (int t = 0; t < Count_Teams(); ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                nPlayers += Is_Player_Slot_Used(t, s) ? 1 : 0;
        Problem = std::to_string(nRookies) + " of the league's " + std::to_string(nPlayers) +
                  " players have no game before " + std::to_string(nYear) + " in \"" +
                  files::Resolve_Path(SEASONS_FILE_NAME) + "\", more than the " +
                  std::to_string(DRAFT_CLASS_RECORDS) +
                  " a draft class holds: the file lacks their seasons (cut short, or of other years)";
        Show_Formatted_Message("Draft Class", "The database of %d was not written: %s.", nYear, Problem.c_str());
        return YEAR_REFUSED;
    }
    // Every file of the year is staged before anything of it is put in
    // place: one that cannot be refuses the year, and the files in use stay
    // with the database beside them.
    const auto Refuse_Stage = [&](const char* szCaption, const std::string& Cause) {
        Problem = Cause;
        Show_Formatted_Message(szCaption, "The database of %d was not written: %s.", nYear, Problem.c_str());
        return YEAR_REFUSED;
    };
    Set_User_Preference(PREF_PERFECT_SCOUTING, 1);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    char szPath[64];
    std::snprintf(szPath, sizeof(szPath), UNIVERSE_DATABASE_FORMAT, nYear);
    // Each names the file that failed, as it stands on disk: the staged
    // database, the record, or the database in use that a rename refused.
    const std::string Staged = Get_Staged_Database_Path(nYear);
    const auto Refuse = [&](const char* szWhat, const std::string& Path, const std::string& Cause) {
        Problem = std::string(szWhat) + " \"" + files::Resolve_Path(Path.c_str()) + "\" could not be written (" +
                  Cause + ")";
        std::string Text = Problem + ".";
        Text[0] = 'T';
        Show_Formatted_Message("Database Builder", "%s", Text.c_str());
        return YEAR_REFUSED;
    };
    constexpr const char* DATABASE = "the database";
    // The database too is saved beside the one in use and renamed in with
    // the rest; a folder in its place would refuse that rename.
    if (files::Folder_Exists(szPath))
        return Refuse(DATABASE, szPath, files::Error_Text(EISDIR));
    if (nClass != DRAFT_CLASS_WRITTEN)
        return Refuse_Stage("Draft Class", ClassProblem);
    const int nSave = Save_Game(Staged.c_str());
    Note_Step("Save_Game");
    if (nSave != 0)
        return Refuse(DATABASE, Staged, Get_Last_Save_Cause());
    // The ratings file and the class's log line are staged after the save:
    // the export makes ratings sound in the league itself, which the
    // database holds as they were.
    BUILD_COMMIT Commit;
    Commit.nYear = nYear;
    Commit.bClass = true;
    std::string LogProblem;
    if (!Stage_Draft_Class_Log(nYear, nRookies, LogProblem))
        return Refuse_Stage("Draft Class", LogProblem);
    Commit.bClassLog = true;
    const int nYearNow = League.Universe.nStat[FIRST_SEASON_YEAR] + Get_User_Preference(PREF_SEASON_INDEX);
    const int nRatings = Stage_Player_Ratings(ANY_POSITION, nYearNow);
    const int nRatingsError = errno;
    Note_Step("Export_Player_Ratings");
    if (nRatings < 0) {
        Discard_Staged_Year(nYear, nYearNow);
        // A folder in the file's own place is that file's fault; any other
        // failure is the staged file's.
        std::string Path = Get_Player_Ratings_Path(nYearNow);
        if (!files::Folder_Exists(Path.c_str()))
            Path += RATINGS_STAGED_SUFFIX;
        return Refuse_Stage("Database Builder", "\"" + files::Resolve_Path(Path.c_str()) + "\" could not be written (" +
                                                    files::Error_Text(nRatingsError) + ")");
    }
    Commit.nRatingsYear = nYearNow;
    // The record that lets the next start-up finish this commit, should it
    // be cut short, is down before the database takes its name.
    if (!Measure_Database_File(Staged.c_str(), Commit.nDatabaseSize, Commit.nDatabaseChecksum)) {
        const std::string Cause = files::Error_Text(errno);
        Discard_Staged_Year(nYear, nYearNow);
        return Refuse(DATABASE, Staged, Cause);
    }
    if (!Write_Build_Commit(Commit)) {
        const std::string Cause = files::Error_Text(errno);
        Discard_Staged_Year(nYear, nYearNow);
        return Refuse("the commit record of the database", Get_Build_Commit_Path(nYear), Cause);
    }
    if (!Put_Staged_Database_In_Place(nYear)) {
        const std::string Cause = files::Error_Text(errno);
        Discard_Staged_Year(nYear, nYearNow);
        return Refuse(DATABASE, szPath, Cause);
    }
    // From here the database is written: the files that go with it are put
    // in place whatever fails among them (a rename refused, which the
    // staging looked ahead for), and the first that could not be is told.
    BUILD_COMMIT_PROBLEMS Put;
    Commit_Staged_Year(Commit, Put);
    files::Delete_File(Get_Build_Commit_Path(nYear).c_str());
    std::string Missed;
    const char* szCaption = "Database Builder";
    if (!Put.Leaders.empty()) {
        Missed = Put.Leaders;
        Write_Debug_Log("Leader files of %d not written: %s", nYear, Put.Leaders.c_str());
    }
    if (!Put.Class.empty()) {
        Write_Debug_Log("Draft class of %d: %s", nYear, Put.Class.c_str());
        if (Missed.empty()) {
            Missed = Put.Class;
            szCaption = "Draft Class";
        }
    }
    if (Missed.empty())
        Missed = Put.Ratings;
    if (Missed.empty())
        return YEAR_WRITTEN;
    Problem = std::string("the database \"") + szPath + "\" was written, but " + Missed;
    const std::string Text = "The database \"" + std::string(szPath) + "\" was written, but " + Missed + ".";
    Show_Formatted_Message(szCaption, "%s", Text.c_str());
    return YEAR_WRITTEN_IN_PART;
}

void Add_Failure(DATABASE_BUILD_RESULT& Result, const std::string& Problem)
{
    ++Result.nFailed;
    Result.Problem = Problem;
    Result.Failures.push_back(Problem);
}

// The historical statistics file that ends a range; its failure is one of
// the run's.
void Write_Historical_File(DATABASE_BUILD_RESULT& Result)
{
    if (!Write_Historical_Stats())
        Add_Failure(Result, std::string("\"") + HISTORICAL_STATS_FILE + "\" could not be written (" +
                                files::Error_Text(errno) + ")");
}

// With bLeaveOut (the run of every year) a year without its statistics files
// is left out quietly; asked for by name, it fails with that reason. Either
// way none of its files is opened, so no box asks for them.
DATABASE_BUILD_RESULT Run_Years(int nFirst, int nLast, bool bHistorical, bool bLeaveOut = false)
{
    DATABASE_BUILD_RESULT Result;
    nFirst = Clamp_Year(nFirst);
    nLast = Clamp_Year(nLast);
    if (!Start_Run(Result))
        return Result;
    // A class file not built yet is the rule in a build, not news.
    Set_Missing_Draft_Class_Quiet(true);
    for (int nYear = nFirst; nYear <= nLast; ++nYear) {
        std::string Problem;
        std::string Missing;
        if (!Has_Year_Statistics(nYear, Missing)) {
            if (bLeaveOut) {
                Result.LeftOut.push_back(nYear);
                Write_Debug_Log("Database of %d left out: \"%s\" is not in the data folder", nYear,
                                Missing.c_str());
                continue;
            }
            Add_Failure(Result, std::to_string(nYear) + ": no statistics for " + std::to_string(nYear) + " (\"" +
                                    Missing +
                                    "\" is not in the data folder; statistics files do not ship with the program)");
            Write_Debug_Log("Database of %d not built: %s", nYear, Result.Problem.c_str());
            continue;
        }
        const YEAR_OUTCOME Outcome = Build_Year(nYear, Problem);
        // The league left in memory is one a file holds: the year just
        // written, or the template when the year could not be built.
        if (Outcome == YEAR_REFUSED) {
            // What it staged belongs to no database; the leader files and the
            // class in use stay with the database they came with.
            Discard_Staged_Year(nYear, 0);
            Restore_Template();
        }
        Remember_League_Fingerprint();
        if (Outcome != YEAR_REFUSED) {
            ++Result.nBuilt;
            Result.Built.push_back(nYear);
            if (Outcome == YEAR_WRITTEN_IN_PART) {
                Result.WrittenInPart.push_back(nYear);
                Result.PartProblem = std::to_string(nYear) + ": " + Problem;
                Result.PartProblems.push_back(Result.PartProblem);
                Write_Debug_Log("Database of %d written in part: %s", nYear, Problem.c_str());
            }
        } else {
            Add_Failure(Result, std::to_string(nYear) + ": " + Problem);
            Write_Debug_Log("Database of %d not built: %s", nYear, Problem.c_str());
        }
    }
    Set_Missing_Draft_Class_Quiet(false);
    End_Run();
    if (bHistorical)
        Write_Historical_File(Result);
    return Result;
}

} // namespace

std::string Database_Build_Problem(const DATABASE_BUILD_RESULT& Result)
{
    if (!Result.bStopped && Result.nFailed == 0)
        return std::string();
    if (Result.bStopped || Result.Failures.empty()) {
        if (!Result.Problem.empty())
            return Result.Problem;
        return Result.bStopped ? "the run could not start" : "a year could not be built";
    }
    // Every failure, not the last alone: the debug log that holds the others
    // is replaced by the next start.
    std::string Text;
    for (const std::string& Failure : Result.Failures)
        Text += (Text.empty() ? "" : "; ") + Failure;
    if (Result.Failures.size() + Result.Built.size() > 1) {
        Text += Result.Built.empty() ? "; no database built" : "; built: " + Format_Year_Ranges(Result.Built);
        for (const std::string& Part : Result.PartProblems)
            Text += "; written without all of its files: " + Part;
    }
    return Text;
}

DATABASE_BUILD_RESULT Create_Universe_Database(int nYear)
{
    nYear = Clamp_Year(nYear);
    return Run_Years(nYear, nYear, false);
}

DATABASE_BUILD_RESULT Create_Universe_Databases_Range(int nFirst, int nLast)
{
    if (nFirst > nLast) {
        // Nothing to build; the historical file is still written.
        DATABASE_BUILD_RESULT Result;
        Write_Historical_File(Result);
        return Result;
    }
    return Run_Years(nFirst, nLast, true);
}

DATABASE_BUILD_RESULT Create_All_Universe_Databases()
{
    return Run_Years(FIRST_BUILD_YEAR, LAST_BUILD_YEAR - 1, true, true);
}

bool Has_Year_Statistics(int nYear, std::string& Missing)
{
    char szPath[96];
    // Whatever stands under a name counts: a folder or a pipe there is no
    // missing file, and the reader tells what it is.
    std::snprintf(szPath, sizeof(szPath), "input/stats/leagues/%d_league.csv", nYear);
    if (!files::Entry_Exists(szPath)) {
        Missing = szPath;
        return false;
    }
    std::snprintf(szPath, sizeof(szPath), "input/stats/%d_teams.csv", nYear);
    if (!files::Entry_Exists(szPath)) {
        Missing = szPath;
        return false;
    }
    Missing.clear();
    return true;
}

std::string Database_Build_Summary(const DATABASE_BUILD_RESULT& Result)
{
    if (Result.bStopped)
        return "No database was built: " + Database_Build_Problem(Result) + ".";
    const auto Years = [](size_t n) { return std::to_string(n) + (n == 1 ? " year" : " years"); };
    std::string Text = Result.Built.empty()
                           ? std::string("No database was built.")
                           : "Databases built: " + Years(Result.Built.size()) + ", " + Format_Year_Ranges(Result.Built) +
                                 ".";
    if (!Result.LeftOut.empty())
        Text += "\n\nLeft out: " + Years(Result.LeftOut.size()) + ", " + Format_Year_Ranges(Result.LeftOut) +
                ", whose statistics files (\"input/stats/<year>_teams.csv\" and "
                "\"input/stats/leagues/<year>_league.csv\") are not in the data folder. Statistics files do not "
                "ship with the program; the reason for each year is in debug.txt.";
    // Each failure and each year written in part with its reason.
    const auto Joined = [](const std::vector<std::string>& Texts, const std::string& Last) {
        if (Texts.empty())
            return Last;
        std::string Text;
        for (const std::string& One : Texts)
            Text += (Text.empty() ? "" : "; ") + One;
        return Text;
    };
    if (Result.nFailed > 0)
        Text += "\n\nNot built: " + std::to_string(Result.nFailed) + ", " + Joined(Result.Failures, Result.Problem) +
                ".";
    if (!Result.WrittenInPart.empty())
        Text += "\n\nWritten without all of their files: " + Years(Result.WrittenInPart.size()) + ", " +
                Joined(Result.PartProblems, Result.PartProblem) + ".";
    return Text;
}

void Set_Build_Step_Observer(void (*pObserver)(const char* szStep))
{
    g_pStepObserver = pObserver;
}

bool Build_Database(std::string& Problem)
{
    const int nYear = League.Universe.nStat[FIRST_SEASON_YEAR];
    char szTitle[64];
    std::snprintf(szTitle, sizeof(szTitle), "Building %d Database...", nYear);
    g_bProgressOpen = Open_Progress_Window(szTitle, 100) != 0;
    Progress(1);

    // Only the cities and the year survive the clearing.
    {
        auto pCities = std::make_unique<CITY[]>(NUMBER_OF_CITIES);
        std::memcpy(pCities.get(), League.City, sizeof(League.City));
        Clear_League_Data();
        League.Universe.nStat[FIRST_SEASON_YEAR] = static_cast<int16_t>(nYear);
        std::memcpy(League.City, pCities.get(), sizeof(League.City));
    }
    Rebuild_Player_Lookups();
    auto Fail = [&](const std::string& Why) {
        if (g_bProgressOpen) {
            Close_Progress_Window();
            g_bProgressOpen = false;
        }
        Problem = Why;
        return false;
    };
    // A file the year's league is made of that cannot be read, or is
    // damaged, ends the build there, naming the file, the line and why:
    // whatever it would make is not the year's league.
    std::string Damage;
    if (Read_League_File(&Damage) < 0)
        return Fail(Damage);
    Note_Step("Read_League_File");
    Progress(2);
    if (Read_Teams_File(&Damage) < 0)
        return Fail(Damage);
    Note_Step("Read_Teams_File");
    Progress(1);
    Sort_Teams_By_City();
    Note_Step("Sort_Teams_By_City");
    Progress(1);
    if (Count_Teams() < FEWEST_BUILT_TEAMS) {
        char szTeams[96];
        std::snprintf(szTeams, sizeof(szTeams), "input/stats/%d_teams.csv", nYear);
        return Fail("\"" + files::Resolve_Path(szTeams) + "\" gives " + std::to_string(Count_Teams()) +
                    " clubs; a league needs at least " + std::to_string(FEWEST_BUILT_TEAMS));
    }
    Set_Built_League_Settings();
    Note_Step("Set_Built_League_Settings");
    Progress(10);
    const int nRostered = Read_Rosters_File(nYear, &Damage);
    if (nRostered < 0)
        return Fail(Damage);
    Note_Step("Read_Rosters_File");
    const int nPlaced = Read_Players_File(&Damage);
    if (nPlaced < 0)
        return Fail(Damage);
    if (nRostered > 0 && nPlaced == 0) {
        char szRosters[96];
        std::snprintf(szRosters, sizeof(szRosters), "input/stats/%d_rosters.csv", nYear);
        return Fail("\"" + files::Resolve_Path("input/stats/players.csv") + "\" holds none of the " +
                    std::to_string(nRostered) + " players of \"" + files::Resolve_Path(szRosters) + "\"");
    }
    Note_Step("Read_Players_File");
    Remove_Implausible_Players();
    Note_Step("Remove_Implausible_Players");
    Progress(1);
    Fix_All_Player_Names();
    Note_Step("Fix_All_Player_Names");
    Progress(1);
    Read_Seasons_File(0, &Damage);
    if (!Damage.empty())
        return Fail(Damage);
    Note_Step("Read_Seasons_File");
    // Staged only: the year's leader files in use are replaced with its
    // database, once that is written.
    std::string Leaders;
    if (Export_Leaders_CSV(nYear, &Leaders) == 0)
        return Fail(Leaders);
    Note_Step("Export_Leaders_CSV");
    Read_Salaries_File();
    Note_Step("Read_Salaries_File");
    Raise_Salaries_To_Minimum();
    Note_Step("Raise_Salaries_To_Minimum");
    Progress(1);
    Reset_Player_Development_Ages();
    Note_Step("Reset_Player_Development_Ages");
    Complete_All_Predicted_Stats(nYear == 2023 ? 25 : 51);
    Note_Step("Complete_All_Predicted_Stats");
    Progress(1);
    Recompute_All_Player_Ratings();
    Note_Step("Recompute_All_Player_Ratings");
    Rewind_All_Player_Ratings();
    Note_Step("Rewind_All_Player_Ratings");
    Progress(1);
    if (nYear == 2023) {
        Rate_Draft_Picks_By_Slot();
        Note_Step("Rate_Draft_Picks_By_Slot");
    }
    Scale_Flagged_Player_Ratings();
    Note_Step("Scale_Flagged_Player_Ratings");
    Progress(1);
    Remove_Built_Year_Season_Lines();
    Note_Step("Remove_Built_Year_Season_Lines");
    Rebuild_All_Record_Seasons();
    Note_Step("Rebuild_All_Record_Seasons");
    Estimate_All_Long_Stats();
    Note_Step("Estimate_All_Long_Stats");
    Progress(1);
    Derive_Offensive_Line_Stats();
    Note_Step("Derive_Offensive_Line_Stats");
    Set_Seasons_From_Season_Lines();
    Note_Step("Set_Seasons_From_Season_Lines");
    Apply_Minimum_Contracts();
    Note_Step("Apply_Minimum_Contracts");
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam)
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot)
            Clear_Player_Season_Stats(nTeam, nSlot, 0);
    Progress(1);
    Sort_All_Season_Links();
    Note_Step("Sort_All_Season_Links");
    Progress(1);
    Reset_Current_Season_Links();
    Note_Step("Reset_Current_Season_Links");
    Read_Team_Records_File();
    Note_Step("Read_Team_Records_File");
    Progress(1);
    Calibrate_Player_Ratings();
    Note_Step("Calibrate_Player_Ratings");
    Read_Combine_Results_File();
    Note_Step("Read_Combine_Results_File");
    Progress(5);
    if (nYear == 2023) {
        Rate_Draft_Picks_By_Slot();
        Note_Step("Rate_Draft_Picks_By_Slot");
    }
    Auto_Set_All_Depth_Charts(0);
    Note_Step("Auto_Set_All_Depth_Charts");
    Apply_Team_Strength_To_Ratings();
    Note_Step("Apply_Team_Strength_To_Ratings");
    Set_Default_Settings();
    Note_Step("Set_Default_Settings");
    if (!Generate_League_Schedule())
        return Fail("no schedule could be made for the league of " + std::to_string(nYear));
    Note_Step("Generate_League_Schedule");
    Set_User_Preference(PREF_AUTO_SAVE, 1);
    Set_User_Preference(PREF_CURRENT_TEAM, 0);
    Set_User_Preference(PREF_AUTO_FILL_ROSTERS, 1);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    Set_User_Preference(PREF_USER_LEAGUE, 1);
    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    Set_User_Preference(PREF_DIFFICULTY, 0);
    Set_User_Preference(PREF_USER_TITLE, 0);
    Reset_Player_Field_To_22();
    Note_Step("Reset_Player_Field_To_22");
    Assign_Database_Playbooks();
    Note_Step("Assign_Database_Playbooks");
    Set_Default_Defense_Alignments();
    Note_Step("Set_Default_Defense_Alignments");
    Set_Team_Stat_10_Defaults();
    Note_Step("Set_Team_Stat_10_Defaults");
    Update_All_Rookie_Contract_Values(1);
    Note_Step("Update_All_Rookie_Contract_Values");
    const int nCurrentYear = nYear + Get_User_Preference(PREF_SEASON_INDEX);
    if (nCurrentYear < 2017) {
        Fit_Salaries_To_Cap();
        Note_Step("Fit_Salaries_To_Cap");
    }
    Progress(1);
    Read_Caproom_File();
    Note_Step("Read_Caproom_File");
    Progress(1);
    if (g_bProgressOpen) {
        Close_Progress_Window();
        g_bProgressOpen = false;
        Pump_Messages();
    }
    const int nFixed = Get_Universe_Word(FIXED_DEVELOPMENT_WORD);
    Set_Universe_Word(FIXED_DEVELOPMENT_WORD, 1);
    const bool bSetUp = Setup_New_Universe(0);
    Set_Universe_Word(FIXED_DEVELOPMENT_WORD, nFixed);
    Note_Step("Setup_New_Universe");
    if (!bSetUp)
        return Fail("the league of " + std::to_string(nYear) + " could not be set up for play");
    Set_User_Preference(PREF_MAIN_PAGE, BUILT_LEAGUE_PAGE);
    Request_Main_Window_Repaint();
    return true;
}
