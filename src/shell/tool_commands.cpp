#include "shell/tool_commands.h"

#include <strings.h>

#include <cstdlib>

#include "export/encyclopedia.h"
#include "export/html_writer.h"
#include "export/ratings_file.h"
#include "export/statistics_file.h"
#include "shell/script_runner.h"
#include "tools/input_readers.h"
#include "tools/stat_importer.h"

namespace {

using ARGS = std::vector<std::string>;

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

const TOOL TOOLS[] = {
    {"Export_Html_Encyclopedia", 0, 2, "[FOLDER [STYLE_SHEET]]",
     [](const ARGS& Args, std::string& Result, std::string&) {
         const char* szFolder = Args.size() > 0 ? Args[0].c_str() : DEFAULT_HTML_EXPORT_FOLDER;
         const char* szStyle = Args.size() > 1 ? Args[1].c_str() : DEFAULT_HTML_STYLE_SHEET;
         if (Export_Html_Encyclopedia(szFolder, szStyle) == 0) {
             Result = "HTML encyclopedia not written (the overwrite was declined)";
             return true;
         }
         Result = "HTML encyclopedia: " + std::to_string(Count_Html_Pages_Written()) + " pages, index " +
                  Get_Html_Export_Index_Path();
         return true;
     }},
    {"Write_League_Names_File", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Result = Write_League_Names_File() ? std::string("league names written to ") + LEAGUE_NAMES_FILE
                                            : std::string("league names not written (no folder \"Vazarudu Stats\")");
         return true;
     }},
    {"Export_Player_Ratings", 2, 2, "POSITION YEAR",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 0, V, Problem))
             return false;
         Result = std::to_string(Export_Player_Ratings(V[0], V[1])) + " players written to " +
                  Get_Player_Ratings_Path(V[1]);
         return true;
     }},
    {"Export_Current_Player_Ratings", 1, 1, "POSITION",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 0, V, Problem))
             return false;
         Result = std::to_string(Export_Current_Player_Ratings(V[0])) + " players written";
         return true;
     }},
    {"Write_Player_Stats_File", 6, 6, "PATH SELECTION PERIOD SECTION SORT FORMAT",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 1, V, Problem))
             return false;
         Result = std::to_string(Write_Player_Stats_File(Args[0].c_str(), V[0], V[1], V[2], V[3], V[4])) +
                  " written to " + Args[0];
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
    {"Download_Football_Data", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Result = Download_Football_Data() ? "statistics files written under Input/Stats"
                                           : "statistics files not replaced";
         return true;
     }},
    {"Extract_All_Player_Salary_Data", 0, 0, "",
     [](const ARGS&, std::string& Result, std::string&) {
         Extract_All_Player_Salary_Data();
         Result = "salaries written to Input/Stats/2023_salaries.csv";
         return true;
     }},
    {"Read_Team_Injuries_Page", 3, 3, "PATH YEAR TEAM",
     [](const ARGS& Args, std::string& Result, std::string& Problem) {
         std::vector<int> V;
         if (!Numbers(Args, 1, V, Problem))
             return false;
         const int nRows = Read_Team_Injuries_Page(Args[0].c_str(), V[0], V[1]);
         if (nRows < 0) {
             Problem = "\"" + Args[0] + "\" cannot be read";
             return false;
         }
         Result = std::to_string(nRows) + " injured players appended";
         return true;
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
