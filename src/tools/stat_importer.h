// The statistics importer: saved pages of a statistics site and a contracts
// site under "Input/Downloads" turned into the CSV files of
// season/stat_file_layouts.h under "Input/Stats", which the database builder
// reads. It reads only saved copies; nothing is fetched.
//
// Pages are read line by line (at most IMPORT_LINE_LIMIT characters a line,
// the first over-long line of a run warned about once); values are taken at
// fixed distances after marker texts, and a take past the end of its line is
// an empty field. Cell texts lose their tags, HTML entities are decoded and
// UTF-8 lines become Windows-1252; no written field holds a comma or a line
// break. An external player ID names a file only when it is 1-11 letters and
// digits; a row with any other ID is skipped.
//
// A run builds its files in memory and writes them at its end, each through
// a temporary file beside the old one, and only when it read at least one
// saved page: a run that found nothing replaces nothing and says so. A file
// is replaced only by what the run found for it: a year's rosters file only
// when a roster page of that year was found, and in the files every year
// shares (the players, their seasons, the personnel, the salaries) only the
// lines of the players or years the run found; every other line keeps its
// bytes.
#pragma once

#include <map>
#include <string>
#include <unordered_set>
#include <vector>

constexpr int IMPORT_MODERN_YEAR = 2023;
constexpr int IMPORT_OLDEST_YEAR = 1951;
constexpr int IMPORT_TEAMS = 32;
// The line buffer of a saved page: longer lines are cut.
constexpr int IMPORT_LINE_LIMIT = 32000;
// How many lines a marker search reads at most.
constexpr int IMPORT_FIND_LINE_LIMIT = 1000000;

constexpr const char* DOWNLOADS_FOLDER = "Input/Downloads";
constexpr const char* ROSTER_PAGE_FORMAT = "Input/Downloads/Rosters/%d_roster (%s).txt";
constexpr const char* TEAM_INJURIES_PAGE_FORMAT = "Input/Downloads/Rosters/%d_injuries (%s).txt";
constexpr const char* INJURY_REPORT_PAGE = "Input/Downloads/Injuries.txt";
constexpr const char* CONTRACT_PAGE_FORMAT = "Input/Downloads/contracts/%s.txt";
constexpr const char* CAP_PAGE_FORMAT = "Input/Downloads/cap/%s.txt";
// Beside a player's page: the copy whose table rows stand one on a line.
constexpr const char* PARSED_PLAYER_PAGE_FORMAT = "Input/Downloads/Players/%s-parsed.txt";
constexpr const char* TEAM_INJURIES_ALL_FILE = "Input/Stats/Injuries.csv";

// The site's club code of franchise slot 0-31; "" for any other slot.
const char* Get_Site_Club_Code(int nSlot);
// A franchise nickname as the contracts site's page names it: blanks
// become hyphens ("Red Sox" gives "Red-Sox").
std::string Get_Contract_Page_Name(const char* szNickname);

// ---- Texts of the pages ------------------------------------------------------

// nCount characters from nDistance after the start of the first szMarker of
// Line; "" when the marker is missing or the take starts past the end.
std::string Take_After_Marker(const std::string& Line, const char* szMarker, int nDistance, int nCount);
// Decodes &amp; &lt; &gt; &quot; &apos; &nbsp; and numeric references
// (a character above 255 becomes '?').
std::string Decode_Html_Entities(const std::string& Text);
// Tags removed (at most 2,037 characters kept), entities decoded.
std::string Clean_Cell_Text(const std::string& Text);
// A text made safe for one unquoted CSV field: line breaks and tabs become
// blanks, a comma between digits goes ("1,234" gives "1234"), any other
// comma becomes a blank, and blanks at either end go.
std::string Make_Csv_Field(const std::string& Text);
// True when Line holds Word with no letter right before or after it,
// letter case ignored.
bool Holds_Whole_Word(const std::string& Line, const std::string& Word);

// ---- One roster row -----------------------------------------------------------

struct IMPORT_ROSTER_ROW {
    std::string Id;
    std::string First;
    std::string Last;
    std::string Position;
    int nWeight = 0;
    int nHeight = 0;           // inches
    int nBirthYear = 0;
    int nBirthMonth = 0;
    int nBirthDay = 0;
    std::string DraftYear;
    std::string DraftTeam;
    std::string DraftRound;
    std::string DraftPick;
    int nUniform = 0;
    std::string College;
    int nExperience = 0;
    bool bStarter = false;
};

// The values of one roster line. False when the row is skipped: an ID that
// is not 1-11 letters and digits, or (in 1987 only) a games cell below 3.
bool Parse_Roster_Row(const std::string& Line, int nYear, IMPORT_ROSTER_ROW& Row);

// ---- Injuries and personnel ---------------------------------------------------

// Weeks out and reason of one line of the injury report: 0 weeks and an
// empty reason when it tells of no injury.
void Read_Injury_Line(const std::string& Line, int& nWeeksOut, std::string& Reason);

// The offensive grouping and defensive front of eleven starters each, from
// their position texts.
const char* Get_Offensive_Grouping(const std::vector<std::string>& Positions);
const char* Get_Defensive_Front(const std::vector<std::string>& Positions);

// ---- A run --------------------------------------------------------------------

class STAT_IMPORT_RUN {
public:
    // Starts (or restarts) a file with its header line. It is written only
    // once the run finds something for it: a line appended, or Mark_Found.
    void Start_File(const std::string& Path, const std::string& Header);
    // A file of lines keyed by column nKeyColumn (1 the first): the commit
    // keeps each line of the old file whose key none of the run's lines
    // holds, and puts the run's lines after them.
    void Key_File(const std::string& Path, int nKeyColumn);
    void Append(const std::string& Path, const std::string& Line);
    // The run found a page for the file: it is written with what the run
    // holds for it, its header alone if that is all.
    void Mark_Found(const std::string& Path);
    bool Is_Found(const std::string& Path) const;
    // The text held for a file ("" when none).
    const std::string& Text_Of(const std::string& Path) const;
    // Writes every file the run found something for through a temporary
    // beside it; the others are not touched. False when one could not be
    // read or written (that file's old copy stays); Problem() then names the
    // first such file and the system's words.
    bool Commit();
    const std::string& Problem() const { return m_Problem; }
    // The files the commit wrote, in the order they were started.
    const std::vector<std::string>& Written() const { return m_Written; }

    // True when the ID was not met before in the run (it is added).
    bool Add_Seen_Id(const std::string& Id);

    int nCurrentYear = 0;      // the season rows' year, carried from row to row
    int nPagesRead = 0;
    bool bInjuriesLoaded = false;
    std::vector<std::string> InjuryLines;
    // The contract and cap pages read so far, by path.
    struct PAGE {
        bool bFound = false;
        std::vector<std::string> Lines;
    };
    std::map<std::string, PAGE> Pages;

    // The years whose rosters file the run found a page for.
    std::vector<int> YearsFound;

private:
    std::vector<std::string> m_Order;
    std::map<std::string, std::string> m_Files;
    std::map<std::string, int> m_KeyColumns;
    std::unordered_set<std::string> m_Found;
    std::vector<std::string> m_Written;
    std::unordered_set<std::string> m_Seen;
    std::string m_Problem;
};

// Creates the download and statistics folders (existing ones stay).
void Make_Download_Folders();

// The whole run. False when it was refused, read no page or could not write
// a file; *pProblem (when given) then says which and why.
bool Download_Football_Data(std::string* pProblem = nullptr);
// What the last run wrote: "for 2023, 2010-2011 (2023_rosters.csv, ...)",
// the years whose rosters it found and the files it replaced; "" before any.
std::string Get_Last_Import_Summary();
// Step 1: the salaries files started.
void Download_Contract_Data(STAT_IMPORT_RUN& Run);
// Step 2 for one year, and its loop over the 32 franchises.
void Download_Step_Two(STAT_IMPORT_RUN& Run, int nYear);
void Download_Team_Rosters(STAT_IMPORT_RUN& Run, int nYear);

// The page readers. Read_Roster_Page: false when the page is missing.
bool Read_Roster_Page(STAT_IMPORT_RUN& Run, const char* szPath, int nYear, int nTeam);
void Download_Player_Data(STAT_IMPORT_RUN& Run, const std::string& Line, int nYear, int nTeam);
// Reads the eight statistics tables of a player's parsed page.
void Read_Player_Stat_Tables(STAT_IMPORT_RUN& Run, const char* szParsedPath, const std::string& Id,
                             const std::string& Name);
// One table, from its line after "<tbody>" (nFirst) on; returns the rows
// written.
int Parse_Stats_Table(STAT_IMPORT_RUN& Run, int nTable, const std::vector<std::string>& Lines, size_t nFirst,
                      const std::string& Id, const std::string& Name);
// The season row of one table line, or "" when its Year, Team or G is empty.
std::string Build_Season_Row(STAT_IMPORT_RUN& Run, int nTable, const std::string& Line, const std::string& Id,
                             const std::string& Name);
void Read_Injuries_Page(STAT_IMPORT_RUN& Run, const std::string& Id, int& nWeeksOut, std::string& Reason);
void Write_Personnel_Lines(STAT_IMPORT_RUN& Run, const char* szPath, int nYear, int nTeam);
// Values stay 0 when the page or the player is missing.
void Get_Player_Contract_Data(const char* szPath, const char* szFirst, const char* szLast, int& nYearsRemaining,
                              long long& nAverageSalary, int& nContractYears);
void Get_Player_Salary_Cap_Data(const char* szPath, const char* szFirst, const char* szLast, long long& nSigningBonus,
                                long long& nCapHit);
// The salaries row of a player of franchise nTeam, appended to szFile when
// it carries money.
void Write_Contract_Row(STAT_IMPORT_RUN& Run, const std::string& File, int nTeam, const std::string& Id,
                        const std::string& First, const std::string& Last, int nUniform, const std::string& Position);

// Rebuilds "Input/Stats/2023_salaries.csv" from the league in memory. False
// when no contract or cap page was found (nothing is replaced) or the file
// could not be written (the old one stays); *pProblem (when given) says
// which, naming the file and the system's words.
bool Extract_All_Player_Salary_Data(std::string* pProblem = nullptr);
// One saved club-injuries page into "Input/Stats/<year>_injuries.csv".
// Returns the rows appended, -1 when the page is missing (nothing touched),
// -2 (errno saying why) when a row could not be written to the file. The
// caller checks the year and the club.
int Read_Team_Injuries_Page(const char* szPath, int nYear, int nTeam);
// The file Read_Team_Injuries_Page appends to for a year.
std::string Get_Injuries_File_Path(int nYear);
