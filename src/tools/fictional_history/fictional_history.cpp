#include "tools/fictional_history/fictional_history.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files.h"
#include "season/stat_file_layouts.h"
#include "tools/fictional_history/history_model.h"

namespace {

// ---- Text of fields ----------------------------------------------------------

std::string Format(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* szFormat, ...)
{
    char szText[STAT_ROW_LINE_BYTES];
    va_list Args;
    va_start(Args, szFormat);
    std::vsnprintf(szText, sizeof(szText), szFormat, Args);
    va_end(Args);
    return szText;
}

// Dollars as a quoted "$1,250,000".
std::string Quoted_Dollars(long long nDollars)
{
    std::string Digits = std::to_string(nDollars < 0 ? -nDollars : nDollars);
    std::string Grouped;
    for (size_t i = 0; i < Digits.size(); ++i) {
        if (i > 0 && (Digits.size() - i) % 3 == 0)
            Grouped += ',';
        Grouped += Digits[i];
    }
    return std::string("\"") + (nDollars < 0 ? "-" : "") + "$" + Grouped + "\"";
}

// Tenths as a decimal: 34 "3.4", -5 "-0.5".
std::string Tenths(int n)
{
    const int nMagnitude = n < 0 ? -n : n;
    return Format("%s%d.%d", n < 0 ? "-" : "", nMagnitude / 10, nMagnitude % 10);
}

std::string Ordinal(int n)
{
    const char* szEnd = "th";
    if (n % 100 < 11 || n % 100 > 13) {
        if (n % 10 == 1)
            szEnd = "st";
        else if (n % 10 == 2)
            szEnd = "nd";
        else if (n % 10 == 3)
            szEnd = "rd";
    }
    return std::to_string(n) + szEnd;
}

// ---- Files ------------------------------------------------------------------

struct FILE_WRITER {
    HISTORY_SUMMARY& Summary;
    std::string& Problem;

    // The whole file written beside the old one and renamed over it.
    bool Write(const std::string& Path, const std::string& Text)
    {
        errno = 0;
        if (!files::Write_Whole_File(Path.c_str(), Text.data(), Text.size())) {
            Problem = "\"" + Path + "\" could not be written (" + files::Error_Text(errno) + ").";
            return false;
        }
        ++Summary.nFiles;
        return true;
    }
};

void Add_Line(std::string& Text, const std::string& Line)
{
    Text += Line;
    Text += '\n';
}

const std::string& Abbreviation_Of(const HISTORY_WORLD& World, int nClub)
{
    static const std::string NONE;
    return nClub >= 0 && nClub < static_cast<int>(World.Clubs.size()) ? World.Clubs[nClub].Abbreviation : NONE;
}

std::string League_File(const HISTORY_WORLD& World)
{
    std::string Text;
    Add_Line(Text, LEAGUE_CSV_HEADER);
    for (int l = 0; l < 2; ++l) {
        std::string Line = World.LeagueName[l];
        for (int d = 0; d < 4; ++d)
            Line += "," + World.DivisionName[4 * l + d];
        Add_Line(Text, Line);
    }
    return Text;
}

std::string Teams_File(const HISTORY_WORLD& World, int nYear)
{
    static const char* const ROOF[3] = {"Open", "Domed", "Convertible"};
    std::string Text;
    Add_Line(Text, TEAMS_CSV_HEADER);
    for (const HISTORY_CLUB& Club : World.Clubs) {
        // A stadium opened after the season stands in for the one before it.
        const int nBuilt = Club.nYearBuilt <= nYear ? Club.nYearBuilt : nYear - 25;
        Add_Line(Text, Format("%s,%s,%s,%s,%d,%s,%s,%d,%d,%d,%d,%d,%d,%d,%d,%s", Club.Abbreviation.c_str(),
                              Club.City.c_str(), Club.Nickname.c_str(), Club.Stadium.c_str(), Club.nCapacity,
                              ROOF[Club.nRoof], Club.bGrass ? "Grass" : "Turf", nBuilt, Club.nStadiumValue,
                              Club.nConvenience, Club.nComfort, Club.nSightLines, Club.nLoyalty, Club.nTicketPrice,
                              Club.nDivision, Club.CityName.c_str()));
    }
    return Text;
}

// No header line: the reader takes the first line as data.
std::string Caproom_File(const HISTORY_WORLD& World, const HISTORY_YEAR& Year)
{
    std::vector<long long> Payroll(World.Clubs.size(), 0);
    for (const HISTORY_SALARY_ROW& Row : Year.Salaries)
        Payroll[Row.nClub] += Row.nCapHit;
    std::string Text;
    for (size_t c = 0; c < World.Clubs.size(); ++c)
        Add_Line(Text, World.Clubs[c].City + " " + World.Clubs[c].Nickname + "," +
                           Quoted_Dollars(static_cast<long long>(Year.nCap) - Payroll[c]));
    return Text;
}

std::string Wins_File(const HISTORY_WORLD& World, const HISTORY_YEAR& Year)
{
    std::string Text;
    Add_Line(Text, WINS_CSV_HEADER);
    for (size_t c = 0; c < World.Clubs.size(); ++c) {
        const int nHalves = Year.ProjectedWinsHalves[c];
        Add_Line(Text, World.Clubs[c].Abbreviation + "," + std::to_string(nHalves / 2) + (nHalves % 2 ? ".5" : ""));
    }
    return Text;
}

std::string Rosters_File(const HISTORY_WORLD& World, const HISTORY_YEAR& Year)
{
    std::string Text;
    Add_Line(Text, Format(ROSTERS_CSV_HEADER_FORMAT, Year.nYear));
    for (const HISTORY_ROSTER_ROW& Row : Year.Roster) {
        const HISTORY_PLAYER& P = World.Players[Row.nPlayer];
        Add_Line(Text, Format(ROSTERS_CSV_ROW_FORMAT, P.Id.c_str(), 0, P.First.c_str(), P.Last.c_str(),
                              Abbreviation_Of(World, Row.nClub).c_str(), P.SeasonText.c_str(), P.nHeight,
                              P.nWeight, P.nBirthMonth, P.nBirthDay, P.nBirthYear, "", "",
                              Row.bStarter ? ROSTERS_STARTER_WORD : ""));
    }
    return Text;
}

std::string Salaries_File(const HISTORY_WORLD& World, const HISTORY_YEAR& Year)
{
    std::string Text;
    Add_Line(Text, Format(SALARIES_CSV_HEADER_FORMAT, Year.nYear));
    for (const HISTORY_SALARY_ROW& Row : Year.Salaries) {
        const HISTORY_PLAYER& P = World.Players[Row.nPlayer];
        // A third of the rows carry their money as a quoted "$1,250,000".
        if (Row.nPlayer % 3 == 0) {
            Add_Line(Text, Format("%s,,%s,%d,%s,%s,%s,,,,%d,%s,%s,%d,%s", P.Id.c_str(),
                                  Abbreviation_Of(World, Row.nClub).c_str(), Row.nUniform, P.First.c_str(),
                                  P.Last.c_str(), P.SeasonText.c_str(), Row.nYearsRemaining,
                                  Quoted_Dollars(Row.nSalary).c_str(), Quoted_Dollars(Row.nBonus).c_str(),
                                  Row.nContractYears, Quoted_Dollars(Row.nCapHit).c_str()));
        } else {
            Add_Line(Text, Format(SALARIES_CSV_ROW_FORMAT, P.Id.c_str(), Abbreviation_Of(World, Row.nClub).c_str(),
                                  Row.nUniform, P.First.c_str(), P.Last.c_str(), P.SeasonText.c_str(),
                                  Row.nYearsRemaining, Row.nSalary, Row.nBonus, Row.nContractYears, Row.nCapHit));
        }
    }
    return Text;
}

// The players of the range's rosters, in the order they first appear.
std::vector<int> Listed_Players(const HISTORY_WORLD& World)
{
    std::vector<bool> Seen(World.Players.size(), false);
    std::vector<int> List;
    for (const HISTORY_YEAR& Year : World.Years)
        for (const HISTORY_ROSTER_ROW& Row : Year.Roster)
            if (!Seen[Row.nPlayer]) {
                Seen[Row.nPlayer] = true;
                List.push_back(Row.nPlayer);
            }
    return List;
}

std::string Players_File(const HISTORY_WORLD& World, const std::vector<int>& Listed)
{
    std::string Text;
    Add_Line(Text, PLAYERS_CSV_HEADER);
    for (int n : Listed) {
        const HISTORY_PLAYER& P = World.Players[n];
        const bool bDrafted = P.nDraftRound > 0 && P.nDraftClub >= 0;
        Add_Line(Text,
                 Format(",%s,%d,,%d,%s,%s,,%s,,%d'%d\",%d,%s,%d,%s %s,,,%s,%d,%s,%s,%s,%d,%d,%d,%d,%d", P.Id.c_str(),
                        0, P.nUniform, P.First.c_str(), P.Last.c_str(), P.PositionText.c_str(), P.nHeight / 12,
                        P.nHeight % 12, P.nWeight, P.College.c_str(), P.nRangeExperience, P.First.c_str(),
                        P.Last.c_str(), bDrafted ? Abbreviation_Of(World, P.nDraftClub).c_str() : "", P.nDraftYear,
                        bDrafted ? std::to_string(P.nDraftRound).c_str() : "",
                        bDrafted ? std::to_string(P.nDraftPick).c_str() : "", bDrafted ? "" : PLAYERS_UNDRAFTED_WORD,
                        P.nHeight / 12, P.nHeight % 12, P.nBirthMonth, P.nBirthDay, P.nBirthYear));
    }
    return Text;
}

std::string Seasons_File(const HISTORY_WORLD& World, const std::vector<int>& Listed, int& nLines)
{
    std::string Text;
    Text.reserve(Listed.size() * 6 * 200);
    Add_Line(Text, SEASONS_CSV_HEADER);
    std::vector<std::string> Cell(SEASONS_ROW_LAST_COLUMN + 1);
    for (int n : Listed) {
        const HISTORY_PLAYER& P = World.Players[n];
        for (const HISTORY_SEASON& Line : P.Seasons) {
            for (std::string& c : Cell)
                c.clear();
            Cell[SEASONS_COL_YEAR] = std::to_string(Line.nYear);
            Cell[SEASONS_COL_TEAM] = Line.nClub < 0 ? SEASONS_MULTI_TEAM_WORDS[0] : Abbreviation_Of(World, Line.nClub);
            Cell[SEASONS_COL_UNIFORM] = std::to_string(Line.nUniform);
            Cell[SEASONS_COL_NAME] = P.First + " " + P.Last;
            Cell[SEASONS_COL_POSITION] = Line.Position;
            Cell[SEASONS_COL_G] = std::to_string(Line.nGames);
            Cell[SEASONS_COL_GS] = std::to_string(Line.nStarts);
            for (const HISTORY_CELL& Stat : Line.Cells)
                Cell[Stat.nColumn] = Stat.bTenths ? Tenths(Stat.nValue) : std::to_string(Stat.nValue);
            Text += P.Id;
            Text += ",0,";
            for (int c = SEASONS_COL_SEASON_FLAG; c <= SEASONS_ROW_LAST_COLUMN; ++c) {
                Text += Cell[c];
                Text += ',';
            }
            Text += '\n';
            ++nLines;
        }
    }
    return Text;
}

std::string Team_Records_File(const HISTORY_WORLD& World)
{
    std::string Text;
    Add_Line(Text, TEAM_RECORDS_CSV_HEADER);
    for (const HISTORY_RECORD& R : World.Records) {
        const HISTORY_CLUB& Club = World.Clubs[R.nClub];
        const int nGames = R.nWins + R.nLosses + R.nTies;
        const int nDifference = R.nPointsFor - R.nPointsAgainst;
        const int nMargin = nGames > 0 ? nDifference * 10 / nGames : 0;
        // Marks a site puts on a name: "*" division winner, "+" wild card.
        const std::string Name = Club.City + " " + Club.Nickname + (R.bDivisionWinner ? "*" : R.bWildCard ? "+" : "");
        Add_Line(Text, Format("%d,%s,%s,%d,%d,%d,%d,%s,%d,%d,%d,%s,%s,%s,%s,%s", R.nYear,
                              World.LeagueName[Club.nDivision / 4].c_str(), Name.c_str(), R.nWins, R.nLosses, R.nTies,
                              R.nFinish, R.nPlayoffs >= 0 ? TEAM_RECORDS_PLAYOFF_RESULTS[R.nPlayoffs] : "",
                              R.nPointsFor, R.nPointsAgainst, nDifference, Tenths(nMargin).c_str(),
                              Tenths(0).c_str(), Tenths(nMargin).c_str(), Tenths(R.nLineFigure).c_str(),
                              Tenths(R.nDefenseFigure).c_str()));
    }
    return Text;
}

std::string Combine_File(const HISTORY_WORLD& World, const std::vector<int>& Listed)
{
    std::string Text;
    Add_Line(Text, COMBINE_RESULTS_CSV_HEADER);
    for (int n : Listed) {
        const HISTORY_PLAYER& P = World.Players[n];
        if (!P.bCombine)
            continue;
        const bool bDrafted = P.nDraftRound > 0 && P.nDraftClub >= 0;
        const std::string Drafted =
            bDrafted ? Abbreviation_Of(World, P.nDraftClub) + " / " + Ordinal(P.nDraftRound) + " / " +
                           Ordinal(P.nDraftPick) + " pick / " + std::to_string(P.nDraftYear)
                     : "";
        // One in ten did not run: the time stays empty.
        const std::string Time = n % 10 == 7 ? "" : Format("%d.%02d", P.nCombineTime / 100, P.nCombineTime % 100);
        const int nVertical = 50 + (560 - P.nCombineTime) / 5 + n % 7 * 2;   // half inches
        Add_Line(Text, Format("%d,%s %s,%s,%s,%d-%d,%d,,%s,%d.%d,%d,%d,%d.%02d,%d.%02d,%s,%s", P.nDraftYear,
                              P.First.c_str(), P.Last.c_str(), P.SeasonText.c_str(), P.College.c_str(),
                              P.nHeight / 12, P.nHeight % 12, P.nWeight, Time.c_str(), nVertical / 2,
                              nVertical % 2 * 5, 10 + P.nWeight / 15 + n % 6, 100 + (560 - P.nCombineTime) / 4,
                              6 + P.nCombineTime / 400, (P.nCombineTime * 7 + n) % 100, 3 + P.nCombineTime / 400,
                              (P.nCombineTime * 3 + n) % 100, Drafted.c_str(), P.Id.c_str()));
    }
    return Text;
}

std::string Personnel_File(const HISTORY_WORLD& World)
{
    std::string Text;
    Add_Line(Text, PERSONNEL_CSV_HEADER);
    for (const HISTORY_YEAR& Year : World.Years)
        for (size_t c = 0; c < World.Clubs.size(); ++c)
            Add_Line(Text, Format(PERSONNEL_CSV_ROW_FORMAT, Year.nYear, World.Clubs[c].Nickname.c_str(),
                                  PERSONNEL_OFFENSE_NAMES[Year.Offense[c]], PERSONNEL_DEFENSE_NAMES[Year.Defense[c]]));
    return Text;
}

bool Parse_Whole_Number(const char* szText, long long nLow, long long nHigh, long long& nValue)
{
    if (szText == nullptr || szText[0] == '\0')
        return false;
    errno = 0;
    char* pEnd = nullptr;
    const long long n = std::strtoll(szText, &pEnd, 10);
    if (errno != 0 || *pEnd != '\0' || n < nLow || n > nHigh)
        return false;
    nValue = n;
    return true;
}

}  // namespace

bool Check_History_Options(const HISTORY_OPTIONS& Options, std::string& Problem)
{
    if (Options.nTeams < HISTORY_MIN_TEAMS || Options.nTeams > HISTORY_MAX_TEAMS) {
        Problem = "A league has " + std::to_string(HISTORY_MIN_TEAMS) + " to " + std::to_string(HISTORY_MAX_TEAMS) +
                  " clubs, not " + std::to_string(Options.nTeams) + ".";
        return false;
    }
    if (Options.nFirstYear < HISTORY_EARLIEST_YEAR || Options.nFirstYear > Options.nLastYear) {
        Problem = "The years " + std::to_string(Options.nFirstYear) + "-" + std::to_string(Options.nLastYear) +
                  " are no range from " + std::to_string(HISTORY_EARLIEST_YEAR) + " on.";
        return false;
    }
    if (Options.nLastYear >= HISTORY_FIRST_FORBIDDEN_YEAR) {
        Problem = "The history must end before " + std::to_string(HISTORY_FIRST_FORBIDDEN_YEAR) +
                  ": the default league's seasons read these files.";
        return false;
    }
    return true;
}

bool Parse_History_Arguments(int argc, const char* const* argv, HISTORY_OPTIONS& Options, std::string& Problem)
{
    for (int i = 0; i < argc; ++i) {
        const std::string Name = argv[i];
        if (i + 1 >= argc) {
            Problem = "\"" + Name + "\" wants a value.";
            return false;
        }
        long long n = 0;
        const char* szValue = argv[++i];
        bool bRead;
        if (Name == "--first" || Name == "--last") {
            bRead = Parse_Whole_Number(szValue, 1, 9999, n);
            (Name == "--first" ? Options.nFirstYear : Options.nLastYear) = static_cast<int>(n);
        } else if (Name == "--teams") {
            bRead = Parse_Whole_Number(szValue, 1, 99, n);
            Options.nTeams = static_cast<int>(n);
        } else if (Name == "--seed") {
            bRead = Parse_Whole_Number(szValue, 0, 4294967295LL, n);
            Options.nSeed = static_cast<uint32_t>(n);
        } else {
            Problem = "Unknown option \"" + Name + "\".";
            return false;
        }
        if (!bRead) {
            Problem = "\"" + std::string(szValue) + "\" is no value for " + Name + ".";
            return false;
        }
    }
    return Check_History_Options(Options, Problem);
}

bool Write_History_Files(const HISTORY_WORLD& World, HISTORY_SUMMARY& Summary, std::string& Problem)
{
    if (!files::Create_Folders(LEAGUES_FOLDER)) {
        Problem = std::string("The folder \"") + LEAGUES_FOLDER + "\" cannot be made.";
        return false;
    }
    FILE_WRITER Writer{Summary, Problem};
    for (const HISTORY_YEAR& Year : World.Years) {
        const int y = Year.nYear;
        if (!Writer.Write(Format(LEAGUE_CSV_FILE_FORMAT, y), League_File(World)) ||
            !Writer.Write(Format(TEAMS_CSV_FILE_FORMAT, y), Teams_File(World, y)) ||
            !Writer.Write(Format(CAPROOM_CSV_FILE_FORMAT, y), Caproom_File(World, Year)) ||
            !Writer.Write(Format(ROSTERS_CSV_FILE_FORMAT, STATS_FOLDER, y), Rosters_File(World, Year)) ||
            !Writer.Write(Format(SALARIES_CSV_FILE_FORMAT, y), Salaries_File(World, Year)) ||
            !Writer.Write(Format(WINS_CSV_FILE_FORMAT, y), Wins_File(World, Year)))
            return false;
    }
    const std::vector<int> Listed = Listed_Players(World);
    Summary.nPlayers = static_cast<int>(Listed.size());
    Summary.nSeasonLines = 0;
    return Writer.Write(PLAYERS_CSV_FILE, Players_File(World, Listed)) &&
           Writer.Write(SEASONS_CSV_FILE, Seasons_File(World, Listed, Summary.nSeasonLines)) &&
           Writer.Write(TEAM_RECORDS_CSV_FILE, Team_Records_File(World)) &&
           Writer.Write(COMBINE_RESULTS_CSV_FILE, Combine_File(World, Listed)) &&
           Writer.Write(PERSONNEL_CSV_FILE, Personnel_File(World));
}

bool Write_Fictional_History(const HISTORY_OPTIONS& Options, HISTORY_SUMMARY& Summary, std::string& Problem)
{
    if (!Check_History_Options(Options, Problem))
        return false;
    HISTORY_WORLD World;
    World.Options = Options;
    if (!Read_History_Inputs(World, Problem))
        return false;
    Make_History(World);
    return Write_History_Files(World, Summary, Problem);
}
