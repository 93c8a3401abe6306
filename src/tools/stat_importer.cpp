// The statistics importer's run and page readers.

#include "tools/stat_importer.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>

#include "base/html_text.h"
#include "base/input_file.h"
#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_text.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/stat_file_layouts.h"

namespace {

const char* const STAT_TABLE_HEADINGS[STAT_PAGE_TABLE_COUNT] = {
    "Passing", "Rushing &amp; Receiving", "Receiving &amp; Rushing", "Defense &amp; Fumbles",
    "Kicking", "Punting",  "Kick &amp; Punt Returns", "Games"};
enum { TABLE_PASSING, TABLE_RUSH_REC, TABLE_REC_RUSH, TABLE_DEFENSE };

// A saved page read line by line with the importer's limit.
class PAGE_FILE {
public:
    explicit PAGE_FILE(const char* szPath) : m_Name(szPath), m_pFile(Open_Input_File(szPath)) {}
    explicit PAGE_FILE(FILE* pFile, const char* szName) : m_Name(szName), m_pFile(pFile), m_bOwned(false) {}
    ~PAGE_FILE()
    {
        if (m_pFile != nullptr && m_bOwned)
            std::fclose(m_pFile);
    }
    PAGE_FILE(const PAGE_FILE&) = delete;
    PAGE_FILE& operator=(const PAGE_FILE&) = delete;

    bool Is_Open() const { return m_pFile != nullptr; }

    bool Next(std::string& Line)
    {
        if (m_pFile == nullptr || m_bEnd)
            return false;
        if (!m_Buffer)
            m_Buffer = std::make_unique<char[]>(IMPORT_LINE_LIMIT);
        m_Buffer[0] = '\0';
        if (Read_Input_Line(m_Name.c_str(), m_Buffer.get(), IMPORT_LINE_LIMIT, m_pFile) == 1) {
            m_bEnd = true;
            if (m_Buffer[0] == '\0')
                return false;
        }
        Line = m_Buffer.get();
        return true;
    }

    // Reads lines until one holds szMarker.
    bool Find(const char* szMarker, std::string& Line)
    {
        for (int n = 0; n < IMPORT_FIND_LINE_LIMIT && Next(Line); ++n)
            if (Line.find(szMarker) != std::string::npos)
                return true;
        return false;
    }

private:
    std::string m_Name;
    FILE* m_pFile = nullptr;
    bool m_bOwned = true;
    bool m_bEnd = false;
    std::unique_ptr<char[]> m_Buffer;
};

std::string Format_Text(const char* szFormat, ...) KELVO_PRINTF(1, 2);
std::string Format_Text(const char* szFormat, ...)
{
    char szText[STAT_ROW_LINE_BYTES];
    va_list Args;
    va_start(Args, szFormat);
    std::vsnprintf(szText, sizeof(szText), szFormat, Args);
    va_end(Args);
    return szText;
}

std::string Team_String(int nTeam, int nString)
{
    char szText[TEAM_STRING_SIZE + 1] = "";
    Get_Team_String(szText, nTeam, nString);
    return szText;
}

std::string Roster_File(int nYear)
{
    return Format_Text(ROSTERS_CSV_FILE_FORMAT, STATS_FOLDER, nYear);
}

std::string Salaries_File()
{
    return Format_Text(SALARIES_CSV_FILE_FORMAT, IMPORT_MODERN_YEAR);
}

int Clamp_To_Int(long long n)
{
    return n > INT_MAX ? INT_MAX : n < INT_MIN ? INT_MIN : static_cast<int>(n);
}

std::string Lower(const std::string& Text)
{
    std::string Out = Text;
    for (char& c : Out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return Out;
}

std::string Remove_Chars(const std::string& Text, const char* szChars)
{
    std::string Out;
    for (char c : Text)
        if (std::strchr(szChars, c) == nullptr)
            Out += c;
    return Out;
}

// Which numbered cells a table lacks on an older page: the cell counter
// steps over them so later cells keep their columns.
bool Is_Skipped_Cell(int nTable, const std::string& Line, int nCell)
{
    auto Lacks = [&](const char* szMarker) { return Line.find(szMarker) == std::string::npos; };
    switch (nTable) {
    case TABLE_PASSING:
        return (nCell == 23 && Lacks("qbr")) || (nCell == 16 && Lacks("first_down"));
    case TABLE_RUSH_REC:
        return ((nCell == 15 || nCell == 25) && Lower(Line).find("targets") == std::string::npos) ||
               ((nCell == 10 || nCell == 20) && Lacks("first_down"));
    case TABLE_REC_RUSH:
        return ((nCell == 7 || nCell == 16 || nCell == 17) && Lower(Line).find("targets") == std::string::npos) ||
               ((nCell == 12 || nCell == 21) && Lacks("first_down"));
    case TABLE_DEFENSE:
        return (nCell >= 18 && nCell <= 20 && Lacks("tackles_combined")) ||
               ((nCell == 21 || nCell == 22) && Lacks("tackles_loss"));
    default:
        return false;
    }
}

// The next cell of a row from nFrom: its text between the start tag's end
// and "</th>" or "</td>". False at no further cell; bBroken when a cell
// starts without an end.
bool Next_Cell(const std::string& Line, size_t& nFrom, std::string& Cell, bool& bBroken)
{
    bBroken = false;
    size_t nTh = Line.find("<th", nFrom);
    size_t nTd = Line.find("<td", nFrom);
    const size_t nStart = nTh < nTd ? nTh : nTd;
    if (nStart == std::string::npos)
        return false;
    const size_t nEndTh = Line.find("</th>", nStart);
    const size_t nEndTd = Line.find("</td>", nStart);
    const size_t nEnd = nEndTh < nEndTd ? nEndTh : nEndTd;
    if (nEnd == std::string::npos) {
        bBroken = true;
        return false;
    }
    Cell = Line.substr(nStart, nEnd - nStart);
    nFrom = nEnd + 5;
    return true;
}

void Write_Players_Row(STAT_IMPORT_RUN& Run, const IMPORT_ROSTER_ROW& Row)
{
    Run.Append(PLAYERS_CSV_FILE,
               Format_Text(PLAYERS_CSV_ROW_FORMAT, Row.Id.c_str(), 0, Row.nUniform, Row.First.c_str(),
                           Row.Last.c_str(), Row.Position.c_str(), Row.nHeight / 12, Row.nHeight % 12, Row.nWeight,
                           Row.College.c_str(), std::to_string(Row.nExperience).c_str(), Row.First.c_str(),
                           Row.Last.c_str(), Row.DraftTeam.c_str(), Row.DraftYear.c_str(), Row.DraftRound.c_str(),
                           Row.DraftPick.c_str(), Row.nHeight / 12, Row.nHeight % 12, Row.nBirthMonth,
                           Row.nBirthDay, Row.nBirthYear));
}

// The position of a player's page: the text after "Position" and its colon.
std::string Page_Position(const std::string& Line)
{
    const size_t nColon = Line.find(':', Line.find("Position"));
    if (nColon == std::string::npos || nColon + 2 >= Line.size())
        return "";
    std::string Text = Line.substr(nColon + 2, 1998);
    const size_t nStop = Text.find_first_of("/,-");
    if (nStop != std::string::npos)
        Text.resize(nStop);
    std::string Letters;
    for (unsigned char c : Text)
        if (std::isalpha(c))
            Letters += static_cast<char>(c);
    return Letters;
}

// Copies the player's page with every blank after "tbody>" or "</tr>" made a
// line feed, so each table row stands on its own line; reads its position
// line on the way. False when the page is missing.
bool Write_Parsed_Page(const char* szPage, const char* szParsed, std::string& Position)
{
    PAGE_FILE Page(szPage);
    if (!Page.Is_Open())
        return false;
    // The folder is resolved once a run: resolving each new name would list
    // a folder of thousands of pages once per player.
    static std::string s_Folder;
    static std::string s_ResolvedFolder;
    std::string Parsed = szParsed;
    const size_t nSlash = Parsed.rfind('/');
    const std::string Folder = nSlash == std::string::npos ? "." : Parsed.substr(0, nSlash);
    if (Folder != s_Folder || !files::Folder_Exists(s_ResolvedFolder.c_str())) {
        s_Folder = Folder;
        s_ResolvedFolder = files::Resolve_Path(Folder.c_str());
    }
    // Through a temporary beside it: a link at the name is replaced, never
    // written through, and a failure leaves the old copy.
    const std::string Target = s_ResolvedFolder + "/" + Parsed.substr(nSlash + 1);
    std::string Temporary;
    FILE* pOut = files::Create_Temporary_File(Target.c_str(), Temporary);
    if (pOut == nullptr)
        return false;
    bool bWritten = true;
    int nError = 0;
    std::string Line;
    while (Page.Next(Line)) {
        if (Position.empty() && Line.find("Position") != std::string::npos)
            Position = Page_Position(Line);
        std::string Copy;
        Copy.reserve(Line.size() + 1);
        for (size_t i = 0; i < Line.size(); ++i) {
            const bool bAfterBody = i >= 6 && Line.compare(i - 6, 6, "tbody>") == 0;
            const bool bAfterRow = i >= 5 && Line.compare(i - 5, 5, "</tr>") == 0;
            Copy += Line[i] == ' ' && (bAfterBody || bAfterRow) ? '\n' : Line[i];
        }
        Copy += '\n';
        errno = 0;
        if (bWritten && std::fwrite(Copy.data(), 1, Copy.size(), pOut) != Copy.size()) {
            bWritten = false;
            nError = errno;
        }
    }
    // A full disk shows at the close at the latest.
    errno = nError;
    return files::Finish_Temporary_File(pOut, Temporary, Target.c_str(), bWritten, false) == files::REPLACE_DONE;
}

}  // namespace

// ---- The run's files ----------------------------------------------------------

void STAT_IMPORT_RUN::Start_File(const std::string& Path, const std::string& Header)
{
    if (m_Files.find(Path) == m_Files.end())
        m_Order.push_back(Path);
    m_Files[Path] = Header + "\n";
    m_Found.erase(Path);
}

void STAT_IMPORT_RUN::Key_File(const std::string& Path, int nKeyColumn)
{
    m_KeyColumns[Path] = nKeyColumn;
}

void STAT_IMPORT_RUN::Append(const std::string& Path, const std::string& Line)
{
    if (m_Files.find(Path) == m_Files.end())
        m_Order.push_back(Path);
    std::string& Text = m_Files[Path];
    Text += Line;
    Text += '\n';
    m_Found.insert(Path);
}

void STAT_IMPORT_RUN::Mark_Found(const std::string& Path)
{
    if (m_Files.find(Path) == m_Files.end()) {
        m_Order.push_back(Path);
        m_Files[Path];
    }
    m_Found.insert(Path);
}

bool STAT_IMPORT_RUN::Is_Found(const std::string& Path) const
{
    return m_Found.count(Path) != 0;
}

const std::string& STAT_IMPORT_RUN::Text_Of(const std::string& Path) const
{
    static const std::string EMPTY;
    const auto It = m_Files.find(Path);
    return It == m_Files.end() ? EMPTY : It->second;
}

namespace {

// The most of an old file a keyed merge reads: every season of every year
// is far less.
constexpr size_t KEYED_FILE_LIMIT = size_t{1} << 30;

// Field nColumn (1 the first) of a line, without the apostrophe a
// spreadsheet puts first nor blanks, in lower case: how a key is compared.
std::string Line_Key(const std::string& Line, int nColumn)
{
    size_t nStart = 0;
    for (int n = 1; n < nColumn; ++n) {
        nStart = Line.find(',', nStart);
        if (nStart == std::string::npos)
            return "";
        ++nStart;
    }
    size_t nEnd = Line.find(',', nStart);
    std::string Key = Line.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
    while (!Key.empty() && (Key.back() == '\r' || Key.back() == ' '))
        Key.pop_back();
    size_t nFirst = 0;
    while (nFirst < Key.size() && (Key[nFirst] == '\'' || Key[nFirst] == ' '))
        ++nFirst;
    return Lower(Key.substr(nFirst));
}

// The run's text for a keyed file: its header, the old file's lines whose
// key none of the run's lines holds, then the run's lines. False (errno
// saying why) when an old file stands there but cannot be read.
bool Merge_Keyed_File(const std::string& Path, const std::string& Text, int nColumn, std::string& Merged)
{
    const size_t nHeaderEnd = Text.find('\n');
    const std::string Header = Text.substr(0, nHeaderEnd == std::string::npos ? Text.size() : nHeaderEnd + 1);
    const std::string Lines = nHeaderEnd == std::string::npos ? std::string() : Text.substr(nHeaderEnd + 1);
    std::unordered_set<std::string> Keys;
    for (size_t nAt = 0; nAt < Lines.size();) {
        const size_t nEnd = Lines.find('\n', nAt);
        Keys.insert(Line_Key(Lines.substr(nAt, nEnd - nAt), nColumn));
        nAt = nEnd == std::string::npos ? Lines.size() : nEnd + 1;
    }
    Merged = Header;
    if (files::Entry_Exists(Path.c_str())) {
        std::vector<unsigned char> Data;
        if (!files::Read_Whole_File(Path.c_str(), Data, KEYED_FILE_LIMIT))
            return false;
        const std::string Old(Data.begin(), Data.end());
        // The old header line gives way to the run's.
        size_t nAt = Old.find('\n');
        nAt = nAt == std::string::npos ? Old.size() : nAt + 1;
        while (nAt < Old.size()) {
            const size_t nEnd = Old.find('\n', nAt);
            const std::string Line = Old.substr(nAt, nEnd == std::string::npos ? std::string::npos : nEnd - nAt);
            nAt = nEnd == std::string::npos ? Old.size() : nEnd + 1;
            if (Line.empty() || Line == "\r" || Keys.count(Line_Key(Line, nColumn)) != 0)
                continue;
            Merged += Line;
            Merged += '\n';
        }
    }
    Merged += Lines;
    return true;
}

}  // namespace

bool STAT_IMPORT_RUN::Commit()
{
    bool bAll = true;
    m_Written.clear();
    for (const std::string& Path : m_Order) {
        if (m_Found.count(Path) == 0)
            continue;
        const std::string& Held = m_Files[Path];
        std::string Merged;
        const auto Keyed = m_KeyColumns.find(Path);
        errno = 0;
        const bool bRead = Keyed == m_KeyColumns.end() || Merge_Keyed_File(Path, Held, Keyed->second, Merged);
        const std::string& Text = Keyed == m_KeyColumns.end() ? Held : Merged;
        const size_t nSlash = Path.rfind('/');
        if (bRead && nSlash != std::string::npos)
            files::Create_Folders(Path.substr(0, nSlash).c_str());
        // A temporary of the start-up's pattern: one a killed import leaves
        // is removed at the next start.
        if (bRead)
            errno = 0;
        if (!bRead || !files::Write_Whole_File(Path.c_str(), Text.data(), Text.size())) {
            const int nError = errno;
            const std::string Problem = "\"" + files::Resolve_Path(Path.c_str()) + "\" could not be " +
                                        (bRead ? "written" : "read") + " (" + files::Error_Text(nError) + ")";
            Report_Error("The statistics importer could not %s %s (%s).", bRead ? "write" : "read", Path.c_str(),
                         files::Error_Text(nError));
            if (m_Problem.empty())
                m_Problem = Problem;
            bAll = false;
            continue;
        }
        m_Written.push_back(Path);
    }
    return bAll;
}

bool STAT_IMPORT_RUN::Add_Seen_Id(const std::string& Id)
{
    return m_Seen.insert(Lower(Id)).second;
}

// ---- The run ------------------------------------------------------------------

namespace {

std::string g_LastImportSummary;

// "for 2023 (2023_rosters.csv, Players.csv)": the years whose rosters the
// run found and the files it wrote, by name.
std::string Import_Summary(const STAT_IMPORT_RUN& Run)
{
    std::string Names;
    for (const std::string& Path : Run.Written()) {
        const size_t nSlash = Path.rfind('/');
        Names += (Names.empty() ? "" : ", ") + Path.substr(nSlash == std::string::npos ? 0 : nSlash + 1);
    }
    return "for " + Format_Year_Ranges(Run.YearsFound) + " (" + (Names.empty() ? std::string("no file") : Names) + ")";
}

}  // namespace

void Make_Download_Folders()
{
    for (const char* szFolder :
         {"Input/Downloads", "Input/Downloads/Contracts", "Input/Downloads/Logos", "Input/Downloads/Players",
          "Input/Downloads/Portraits", "Input/Downloads/Rosters", "Input/Stats/Players", "Input/Stats/Historical"})
        files::Create_Folders(szFolder);
}

bool Download_Football_Data(std::string* pProblem)
{
    std::string Unused;
    std::string& Problem = pProblem != nullptr ? *pProblem : Unused;
    Problem.clear();
    const int nFirstYear = Get_Current_Year() - Get_Current_Season_Index();
    if (nFirstYear != IMPORT_MODERN_YEAR || Get_Current_Season_Index() > 0 || Count_Teams() != IMPORT_TEAMS) {
        Show_Formatted_Message("Invalid UNIVERSE",
                               "Start a new game in %d before downloading data.\n\n(Modern universe is required "
                               "for correct team abbreviations)",
                               IMPORT_MODERN_YEAR);
        Problem = Format_Text("the league is not one this import can serve: it needs a new game of %d with %d clubs "
                              "(this one began in %d with %d)",
                              IMPORT_MODERN_YEAR, IMPORT_TEAMS, nFirstYear, Count_Teams());
        return false;
    }
    STAT_IMPORT_RUN Run;
    g_LastImportSummary.clear();
    Reset_Line_Limit_Warning();
    Make_Download_Folders();
    Run.Start_File(PLAYERS_CSV_FILE, PLAYERS_CSV_HEADER);
    Run.Key_File(PLAYERS_CSV_FILE, PLAYERS_COL_CORVEL_ID);
    Run.Start_File(SEASONS_CSV_FILE, SEASONS_CSV_HEADER);
    Run.Key_File(SEASONS_CSV_FILE, SEASONS_COL_CORVEL_ID);
    Run.Start_File(PERSONNEL_CSV_FILE, PERSONNEL_CSV_HEADER);
    Run.Key_File(PERSONNEL_CSV_FILE, PERSONNEL_COL_YEAR);
    Download_Contract_Data(Run);
    Show_Formatted_Message("Download_Football_Data()", "This will download football data from %d back to %d.",
                           IMPORT_MODERN_YEAR, IMPORT_OLDEST_YEAR);
    for (int nYear = IMPORT_MODERN_YEAR; nYear >= IMPORT_OLDEST_YEAR; --nYear)
        Download_Step_Two(Run, nYear);
    if (Run.nPagesRead == 0) {
        Show_Formatted_Message("Download_Football_Data()",
                               "No saved roster page was found under \"%s/Rosters\".\n\nNo statistics file was "
                               "replaced.",
                               DOWNLOADS_FOLDER);
        Problem = Format_Text("no saved roster page was found under \"%s/Rosters\"", DOWNLOADS_FOLDER);
        return false;
    }
    const bool bWritten = Run.Commit();
    if (!bWritten)
        Problem = Run.Problem();
    g_LastImportSummary = Import_Summary(Run);
    const std::string Text = "Written under " + std::string(STATS_FOLDER) + " " + g_LastImportSummary +
                             "; every other file keeps its lines.\n\nReminder: Remove exact duplicate lines from "
                             "Seasons.csv.\nThis should remove ~7,000 lines.\n(They are created for players on 2+ "
                             "rosters in the same season?";
    Show_Message_Box(Text.c_str(), "DONE", BOX_OK | BOX_ICON_INFORMATION);
    return bWritten;
}

std::string Get_Last_Import_Summary()
{
    return g_LastImportSummary;
}

void Download_Contract_Data(STAT_IMPORT_RUN& Run)
{
    files::Create_Folders("Input/Downloads/Contracts");
    files::Create_Folders("Input/Downloads/Cap");
    Run.Start_File(Salaries_File(), Format_Text(SALARIES_CSV_HEADER_FORMAT, IMPORT_MODERN_YEAR));
    Run.Key_File(Salaries_File(), SALARIES_COL_CORVEL_ID);
    Run.Start_File(SALARIES_MISSING_CSV_FILE, SALARIES_MISSING_CSV_HEADER);
    const int nTeams = Count_Teams();
    Open_Progress_Window("Downloading Contract Data (Step 1 of 2)", nTeams + 1);
    Step_Progress_Window(1);
    for (int nTeam = 0; nTeam < nTeams; ++nTeam)
        Step_Progress_Window(1);
    Close_Progress_Window();
}

void Download_Step_Two(STAT_IMPORT_RUN& Run, int nYear)
{
    Make_Download_Folders();
    char szTitle[64];
    std::snprintf(szTitle, sizeof(szTitle), "Downloading %d Data (Step 2 of 2)", nYear);
    Open_Progress_Window(szTitle, IMPORT_TEAMS + 1);
    Download_Team_Rosters(Run, nYear);
    Set_Progress_Text("Done!");
    Close_Progress_Window();
}

void Download_Team_Rosters(STAT_IMPORT_RUN& Run, int nYear)
{
    Run.Start_File(Roster_File(nYear), Format_Text(ROSTERS_CSV_HEADER_FORMAT, nYear));
    for (int nTeam = 0; nTeam < IMPORT_TEAMS; ++nTeam) {
        Set_Progress_Text(Team_String(nTeam, 0).c_str());
        Step_Progress_Window(1);
        const std::string Path = Format_Text(ROSTER_PAGE_FORMAT, nYear, Get_Site_Club_Code(nTeam));
        Read_Roster_Page(Run, Path.c_str(), nYear, nTeam);
    }
}

bool Read_Roster_Page(STAT_IMPORT_RUN& Run, const char* szPath, int nYear, int nTeam)
{
    PAGE_FILE Page(szPath);
    if (!Page.Is_Open())
        return false;
    ++Run.nPagesRead;
    // The year's rosters file is rebuilt from the pages found for it.
    Run.Mark_Found(Roster_File(nYear));
    if (std::find(Run.YearsFound.begin(), Run.YearsFound.end(), nYear) == Run.YearsFound.end())
        Run.YearsFound.push_back(nYear);
    if (nYear != IMPORT_MODERN_YEAR)
        Write_Personnel_Lines(Run, szPath, nYear, nTeam);
    std::string Line;
    if (!Page.Find(nYear == IMPORT_MODERN_YEAR ? "\"Current Roster\"" : "\"Roster\"", Line))
        return true;
    while (Page.Next(Line))
        if (Line.find("data-append-csv") != std::string::npos)
            Download_Player_Data(Run, Line, nYear, nTeam);
    return true;
}

void Download_Player_Data(STAT_IMPORT_RUN& Run, const std::string& Line, int nYear, int nTeam)
{
    IMPORT_ROSTER_ROW Row;
    if (!Parse_Roster_Row(Line, nYear, Row))
        return;
    const std::string Abbreviation = Make_Csv_Field(Team_String(nTeam, 0));
    int nWeeksOut = 0;
    std::string Reason;
    if (nYear == IMPORT_MODERN_YEAR) {
        Read_Injuries_Page(Run, Row.Id, nWeeksOut, Reason);
        Write_Contract_Row(Run, Salaries_File(), nTeam, Row.Id, Row.First, Row.Last, Row.nUniform, Row.Position);
    }
    if (Run.Add_Seen_Id(Row.Id)) {
        const std::string Page = Format_Text(PLAYER_PAGE_FILE_FORMAT, Row.Id.c_str());
        const std::string Parsed = Format_Text(PARSED_PLAYER_PAGE_FORMAT, Row.Id.c_str());
        std::string PagePosition;
        if (Write_Parsed_Page(Page.c_str(), Parsed.c_str(), PagePosition))
            Read_Player_Stat_Tables(Run, Parsed.c_str(), Row.Id, Row.First + " " + Row.Last);
        if (Row.Position.empty())
            Row.Position = Make_Csv_Field(PagePosition);
        // No list of named fixes ships with the program: a position text
        // too long to be an abbreviation is left empty.
        if (Row.Position.size() > 5)
            Row.Position.clear();
        Write_Players_Row(Run, Row);
    }
    Run.Append(Roster_File(nYear),
               Format_Text(ROSTERS_CSV_ROW_FORMAT, Row.Id.c_str(), 0, Row.First.c_str(), Row.Last.c_str(),
                           Abbreviation.c_str(), Row.Position.c_str(), Row.nHeight, Row.nWeight, Row.nBirthMonth,
                           Row.nBirthDay, Row.nBirthYear, nWeeksOut > 0 ? std::to_string(nWeeksOut).c_str() : "",
                           Reason.c_str(), Row.bStarter ? ROSTERS_STARTER_WORD : ""));
}

void Read_Player_Stat_Tables(STAT_IMPORT_RUN& Run, const char* szParsedPath, const std::string& Id,
                             const std::string& Name)
{
    // The copy is read once; each table's heading is searched from its top.
    std::vector<std::string> Lines;
    {
        PAGE_FILE Page(szParsedPath);
        std::string Line;
        while (static_cast<int>(Lines.size()) < IMPORT_FIND_LINE_LIMIT && Page.Next(Line))
            Lines.push_back(Line);
    }
    for (int nTable = 0; nTable < STAT_PAGE_TABLE_COUNT; ++nTable) {
        const std::string Heading = std::string("<h2>") + STAT_TABLE_HEADINGS[nTable] + "</h2>";
        size_t n = 0;
        while (n < Lines.size() && Lines[n].find(Heading) == std::string::npos)
            ++n;
        while (n < Lines.size() && Lines[n].find("<tbody>") == std::string::npos)
            ++n;
        if (n < Lines.size())
            Parse_Stats_Table(Run, nTable, Lines, n + 1, Id, Name);
    }
}

int Parse_Stats_Table(STAT_IMPORT_RUN& Run, int nTable, const std::vector<std::string>& Lines, size_t nFirst,
                      const std::string& Id, const std::string& Name)
{
    int nRows = 0;
    for (size_t n = nFirst; n < Lines.size() && Lines[n].find("uniform_number") != std::string::npos; ++n) {
        const std::string Row = Build_Season_Row(Run, nTable, Lines[n], Id, Name);
        if (!Row.empty()) {
            Run.Append(SEASONS_CSV_FILE, Row);
            ++nRows;
        }
    }
    return nRows;
}

std::string Build_Season_Row(STAT_IMPORT_RUN& Run, int nTable, const std::string& Line, const std::string& Id,
                             const std::string& Name)
{
    if (nTable < 0 || nTable >= STAT_PAGE_TABLE_COUNT)
        return "";
    std::string Cells[SEASONS_ROW_CELLS];
    size_t nFrom = 0;
    std::string Cell;
    bool bBroken = false;
    int nNumber = -1;
    while (Next_Cell(Line, nFrom, Cell, bBroken)) {
        ++nNumber;
        if (nNumber > 0)
            while (Is_Skipped_Cell(nTable, Line, nNumber))
                ++nNumber;
        std::string Text = Make_Csv_Field(Clean_Cell_Text(Cell));
        if (Text.size() > static_cast<size_t>(SEASONS_ROW_CELL_TEXT_LIMIT))
            Text.resize(SEASONS_ROW_CELL_TEXT_LIMIT);
        if (nNumber == 0) {
            const int nYear = Parse_Input_Int(Text.c_str());
            if (nYear > 0)
                Run.nCurrentYear = nYear;
            Cells[SEASONS_COL_YEAR] = std::to_string(Run.nCurrentYear);
            continue;
        }
        const int nColumn = Get_Stat_Page_Column(STAT_TABLE_HEADINGS[nTable], nNumber);
        if (nColumn > 0 && nColumn < SEASONS_ROW_CELLS)
            Cells[nColumn] = Text;
    }
    if (bBroken)
        Report_Error("Couldn't find end of HTML table cell in the following line: %.200s", Line.c_str());
    if (Cells[SEASONS_COL_YEAR].empty() || Cells[SEASONS_COL_TEAM].empty() || Cells[SEASONS_COL_G].empty())
        return "";
    Cells[SEASONS_COL_NAME] = Make_Csv_Field(Name);
    std::string Row = Id + ",0,";
    for (int nColumn = 3; nColumn <= SEASONS_ROW_LAST_COLUMN; ++nColumn) {
        Row += Cells[nColumn];
        Row += ',';
    }
    return Row;
}

void Read_Injuries_Page(STAT_IMPORT_RUN& Run, const std::string& Id, int& nWeeksOut, std::string& Reason)
{
    nWeeksOut = 0;
    Reason.clear();
    if (!Run.bInjuriesLoaded) {
        Run.bInjuriesLoaded = true;
        PAGE_FILE Page(INJURY_REPORT_PAGE);
        std::string Line;
        while (Page.Next(Line))
            Run.InjuryLines.push_back(Line);
    }
    for (const std::string& Line : Run.InjuryLines) {
        // The ID as a whole token, so "AbcdEf00" does not find "AbcdEf001".
        for (size_t nAt = Line.find(Id); nAt != std::string::npos; nAt = Line.find(Id, nAt + 1)) {
            const size_t nAfter = nAt + Id.size();
            const bool bBefore = nAt > 0 && std::isalnum(static_cast<unsigned char>(Line[nAt - 1]));
            const bool bAfter = nAfter < Line.size() && std::isalnum(static_cast<unsigned char>(Line[nAfter]));
            if (!bBefore && !bAfter) {
                Read_Injury_Line(Line, nWeeksOut, Reason);
                return;
            }
        }
    }
}

void Write_Personnel_Lines(STAT_IMPORT_RUN& Run, const char* szPath, int nYear, int nTeam)
{
    std::vector<std::string> Sides[2];
    const char* const MARKERS[2] = {"<b>Offensive Starters</b>", "<b>Defensive Starters</b>"};
    for (int nSide = 0; nSide < 2; ++nSide) {
        PAGE_FILE Page(szPath);
        std::string Line;
        if (!Page.Find(MARKERS[nSide], Line))
            continue;
        for (int n = 0; n < 11 && Page.Next(Line); ++n) {
            const size_t nEnd = Line.find("</th>");
            Sides[nSide].push_back(Make_Csv_Field(Clean_Cell_Text(Line.substr(0, nEnd))));
        }
    }
    Run.Append(PERSONNEL_CSV_FILE,
               Format_Text(PERSONNEL_CSV_ROW_FORMAT, nYear, Make_Csv_Field(Team_String(nTeam, 2)).c_str(),
                           Get_Offensive_Grouping(Sides[0]), Get_Defensive_Front(Sides[1])));
}

namespace {

// A page's lines, read once with the importer's limit; false when missing.
bool Read_Page_Lines(const char* szPath, std::vector<std::string>& Lines)
{
    Lines.clear();
    PAGE_FILE Page(szPath);
    if (!Page.Is_Open())
        return false;
    std::string Line;
    while (static_cast<int>(Lines.size()) < IMPORT_FIND_LINE_LIMIT && Page.Next(Line))
        Lines.push_back(Line);
    return true;
}

// The first line from n on holding szMarker; Lines.size() when none.
size_t Find_Line(const std::vector<std::string>& Lines, size_t n, const char* szMarker)
{
    while (n < Lines.size() && Lines[n].find(szMarker) == std::string::npos)
        ++n;
    return n;
}

void Contract_From_Lines(const std::vector<std::string>& Lines, const char* szFirst, const char* szLast,
                         int& nYearsRemaining, long long& nAverageSalary, int& nContractYears)
{
    const std::string Name = Format_Text(">%s %s<", szFirst, szLast);
    size_t n = Find_Line(Lines, 0, Name.c_str());
    if (n < Lines.size())
        n = Find_Line(Lines, n + 1, "activecontract");
    if (n >= Lines.size())
        return;
    std::string Text = Remove_Chars(Lines[n], "\t");
    const size_t nDollar = Text.find('$');
    if (nDollar != std::string::npos)
        Text = Text.substr(nDollar);
    Text = Clean_Cell_Text(Text);
    if (Text.size() > 5) {
        const char cYears = Text[Text.size() - 5];
        nContractYears = std::isdigit(static_cast<unsigned char>(cYears)) ? cYears - '0' : 0;
        const long long nTotal = Parse_Input_Money(Text.substr(0, Text.size() - 5).c_str());
        nAverageSalary = nTotal / (nContractYears < 1 ? 1 : nContractYears);
    }
    n = Find_Line(Lines, n + 1, ">20");
    if (n < Lines.size()) {
        const int nLastYear = Parse_Input_Int(Remove_Chars(Clean_Cell_Text(Lines[n]), "\t").c_str());
        const int nFirstYear = Get_Current_Year() - Get_Current_Season_Index();
        nYearsRemaining = nLastYear - nFirstYear - Get_Current_Season_Index();
    }
}

long long Cap_Money(std::string Text)
{
    Text = Remove_Chars(Clean_Cell_Text(Remove_Chars(Text, "\t ")), "$,");
    const long long n = Parse_Input_Money(Text.c_str());
    return n > 999000000LL ? 0LL : n;
}

void Cap_From_Lines(const std::vector<std::string>& Lines, const char* szFirst, const char* szLast,
                    long long& nSigningBonus, long long& nCapHit)
{
    const std::string Name = Format_Text("%s %s", szFirst, szLast);
    size_t n = Find_Line(Lines, 0, Name.c_str());
    if (n >= Lines.size())
        return;
    n = Find_Line(Lines, n + 1, "Signing Bonus");
    if (n >= Lines.size())
        return;
    nSigningBonus = Cap_Money(Lines[n]);
    n = Find_Line(Lines, n + 1, "Cap Hit");
    if (n < Lines.size()) {
        const std::string& Line = Lines[n];
        const size_t nFirst = Line.find('$');
        const size_t nSecond = nFirst == std::string::npos ? nFirst : Line.find('$', nFirst + 1);
        nCapHit = Cap_Money(nSecond == std::string::npos ? Line : Line.substr(0, nSecond));
    }
}

}  // namespace

void Get_Player_Contract_Data(const char* szPath, const char* szFirst, const char* szLast, int& nYearsRemaining,
                              long long& nAverageSalary, int& nContractYears)
{
    nYearsRemaining = 0;
    nAverageSalary = 0;
    nContractYears = 0;
    std::vector<std::string> Lines;
    if (!Read_Page_Lines(szPath, Lines)) {
        Report_Error("Get_Player_Contract_Data() can't find the following file:\n\n%s", szPath);
        return;
    }
    Contract_From_Lines(Lines, szFirst, szLast, nYearsRemaining, nAverageSalary, nContractYears);
}

void Get_Player_Salary_Cap_Data(const char* szPath, const char* szFirst, const char* szLast, long long& nSigningBonus,
                                long long& nCapHit)
{
    nSigningBonus = 0;
    nCapHit = 0;
    std::vector<std::string> Lines;
    if (!Read_Page_Lines(szPath, Lines)) {
        Report_Error("Get_Player_Salary_Cap_Data() can't find the following file:\n\n%s", szPath);
        return;
    }
    Cap_From_Lines(Lines, szFirst, szLast, nSigningBonus, nCapHit);
}

void Write_Contract_Row(STAT_IMPORT_RUN& Run, const std::string& File, int nTeam, const std::string& Id,
                        const std::string& First, const std::string& Last, int nUniform, const std::string& Position)
{
    const std::string PageName = Get_Contract_Page_Name(Team_String(nTeam, 2).c_str());
    if (!Is_Plain_File_Name_Part(PageName.c_str()))
        return;
    int nYearsRemaining = 0;
    long long nAverage = 0;
    int nYears = 0;
    long long nBonus = 0;
    long long nCapHit = 0;
    // A club's two pages are read once a run, not once a player.
    const std::string ContractPath = Format_Text(CONTRACT_PAGE_FORMAT, PageName.c_str());
    const std::string CapPath = Format_Text(CAP_PAGE_FORMAT, PageName.c_str());
    for (const std::string* pPath : {&ContractPath, &CapPath})
        if (Run.Pages.find(*pPath) == Run.Pages.end()) {
            STAT_IMPORT_RUN::PAGE& Page = Run.Pages[*pPath];
            Page.bFound = Read_Page_Lines(pPath->c_str(), Page.Lines);
        }
    const STAT_IMPORT_RUN::PAGE& Contract = Run.Pages[ContractPath];
    const STAT_IMPORT_RUN::PAGE& Cap = Run.Pages[CapPath];
    if (Contract.bFound)
        Contract_From_Lines(Contract.Lines, First.c_str(), Last.c_str(), nYearsRemaining, nAverage, nYears);
    else
        Report_Error("Get_Player_Contract_Data() can't find the following file:\n\n%s", ContractPath.c_str());
    if (Cap.bFound)
        Cap_From_Lines(Cap.Lines, First.c_str(), Last.c_str(), nBonus, nCapHit);
    else
        Report_Error("Get_Player_Salary_Cap_Data() can't find the following file:\n\n%s", CapPath.c_str());
    const long long nBonusTotal = nBonus * nYears;
    if (nAverage <= 0 && nBonusTotal <= 0 && nCapHit <= 0)
        return;
    Run.Append(File, Format_Text(SALARIES_CSV_ROW_FORMAT, Id.c_str(), Make_Csv_Field(Team_String(nTeam, 0)).c_str(),
                                 nUniform, First.c_str(), Last.c_str(), Position.c_str(), nYearsRemaining,
                                 Clamp_To_Int(nAverage), Clamp_To_Int(nBonusTotal), nYears, Clamp_To_Int(nCapHit)));
}

bool Extract_All_Player_Salary_Data(std::string* pProblem)
{
    STAT_IMPORT_RUN Run;
    const std::string File = Salaries_File();
    Run.Start_File(File, SALARIES_CSV_HEADER_PLAIN);
    const int nTeams = Count_Teams();
    Open_Progress_Window("Extract_All_Player_Salary_Data(void)", nTeams);
    for (int nTeam = 0; nTeam < nTeams; ++nTeam) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            char szFirst[32] = "";
            char szLast[32] = "";
            Get_Player_First_Name(nTeam, nSlot, szFirst);
            Get_Player_Last_Name(nTeam, nSlot, szLast);
            const std::string Id = Get_Player_Corvel_ID_Text(nTeam, nSlot);
            char szPosition[16] = "";
            Get_Player_Position_Name(szPosition, nTeam, nSlot);
            Write_Contract_Row(Run, File, nTeam, Make_Csv_Field(Id), Make_Csv_Field(szFirst), Make_Csv_Field(szLast),
                               Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM), szPosition);
        }
        Step_Progress_Window(1);
    }
    Close_Progress_Window();
    // Without a single page every row would be lost for want of its money:
    // the file stays as it is.
    bool bAnyPage = false;
    for (const auto& [Path, Page] : Run.Pages)
        bAnyPage = bAnyPage || Page.bFound;
    if (!bAnyPage) {
        if (pProblem != nullptr)
            *pProblem = Format_Text("no contract or cap page was found under \"%s/Contracts\" or \"%s/Cap\", so \"%s\" "
                                    "was not replaced",
                                    DOWNLOADS_FOLDER, DOWNLOADS_FOLDER, File.c_str());
        return false;
    }
    Run.Mark_Found(File);
    if (Run.Commit())
        return true;
    if (pProblem != nullptr)
        *pProblem = Run.Problem();
    return false;
}

std::string Get_Injuries_File_Path(int nYear)
{
    return Format_Text(INJURIES_CSV_FILE_FORMAT, STATS_FOLDER, nYear);
}

int Read_Team_Injuries_Page(const char* szPath, int nYear, int nTeam)
{
    PAGE_FILE Page(szPath);
    if (!Page.Is_Open())
        return -1;
    // Only a page that opens replaces what the last read gathered.
    files::Delete_File(TEAM_INJURIES_ALL_FILE);
    std::string Line;
    if (!Page.Find("\"Team Injuries\"", Line))
        return 0;
    const std::string File = Get_Injuries_File_Path(nYear);
    const std::string Abbreviation = Make_Csv_Field(Team_String(nTeam, 0));
    int nRows = 0;
    while (Page.Next(Line)) {
        if (Line.find("data-append-csv") == std::string::npos)
            continue;
        IMPORT_ROSTER_ROW Row;
        if (!Parse_Roster_Row(Line, nYear, Row))
            continue;
        if (!Append_Formatted_Line_To_File(File.c_str(), INJURIES_CSV_ROW_FORMAT, Row.Id.c_str(), Row.First.c_str(),
                                           Row.Last.c_str(), Abbreviation.c_str(), "", ""))
            return -2;
        ++nRows;
    }
    return nRows;
}
