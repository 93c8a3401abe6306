// The fictional history generator: its files read back with the reader rule
// of base/input_file.h, for a small league of 12 clubs over three years.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/input_file.h"
#include "league/salary_cap.h"
#include "season/stat_file_layouts.h"
#include "test_support.h"
#include "tools/default_league_inputs.h"
#include "tools/fictional_history/fictional_history.h"

namespace {

namespace fs = std::filesystem;

constexpr int FIRST_YEAR = 2008;
constexpr int LAST_YEAR = 2010;
constexpr int TEAMS = 12;

using ROW = std::vector<std::string>;

// Every line of a file split into fields by the reader rule; an empty
// result when the file cannot be opened.
std::vector<ROW> Read_Rows(const std::string& Path, bool* pOpened = nullptr)
{
    std::vector<ROW> Rows;
    FILE* pFile = Open_Input_File(Path.c_str());
    if (pOpened != nullptr)
        *pOpened = pFile != nullptr;
    if (pFile == nullptr)
        return Rows;
    char szLine[STAT_ROW_LINE_BYTES];
    while (true) {
        const int bEnd = Read_Input_Line(Path.c_str(), szLine, pFile);
        if (szLine[0] != '\0') {
            ROW Row;
            char szField[STAT_ROW_LINE_BYTES];
            int bLast = 0;
            while (!bLast) {
                bLast = Pop_Input_Field(szField, szLine);
                Row.push_back(szField);
            }
            Rows.push_back(Row);
        }
        if (bEnd)
            break;
    }
    std::fclose(pFile);
    return Rows;
}

std::string First_Line(const std::string& Path)
{
    const std::string Text = Read_Text_File(Path);
    return Text.substr(0, Text.find('\n'));
}

std::string Year_Name(const char* szFormat, int nYear)
{
    char szName[256];
    std::snprintf(szName, sizeof(szName), szFormat, nYear);
    return szName;
}

std::string Rosters_Name(int nYear)
{
    char szName[256];
    std::snprintf(szName, sizeof(szName), ROSTERS_CSV_FILE_FORMAT, STATS_FOLDER, nYear);
    return szName;
}

HISTORY_OPTIONS Small_League(uint32_t nSeed = HISTORY_DEFAULT_SEED)
{
    HISTORY_OPTIONS Options;
    Options.nFirstYear = FIRST_YEAR;
    Options.nLastYear = LAST_YEAR;
    Options.nTeams = TEAMS;
    Options.nSeed = nSeed;
    return Options;
}

// The generator's files of one run, by name, as bytes.
std::map<std::string, std::string> Generate_Files(const HISTORY_OPTIONS& Options)
{
    std::map<std::string, std::string> Files;
    SCRATCH_FOLDER Scratch("history_bytes");
    if (!Scratch.Ready())
        return Files;
    Copy_Default_League_Inputs();
    HISTORY_SUMMARY Summary;
    std::string Problem;
    EXPECT_TRUE(Write_Fictional_History(Options, Summary, Problem)) << Problem;
    for (const auto& Entry : fs::recursive_directory_iterator("Input/Stats"))
        if (Entry.is_regular_file())
            Files[Entry.path().string()] = Read_Text_File(Entry.path().string());
    return Files;
}

class FictionalHistory : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(m_Scratch.Ready());
        Copy_Default_League_Inputs();
        std::string Problem;
        ASSERT_TRUE(Write_Fictional_History(Small_League(), m_Summary, Problem)) << Problem;
    }

    SCRATCH_FOLDER m_Scratch{"history"};
    HISTORY_SUMMARY m_Summary;
};

}  // namespace

TEST_F(FictionalHistory, EveryFileHasItsHeaderAndColumns)
{
    struct EXPECTED {
        std::string Path;
        std::string Header;   // empty: the file has no header line
        size_t nColumns;
    };
    std::vector<EXPECTED> Files = {
        {PLAYERS_CSV_FILE, PLAYERS_CSV_HEADER, 27},
        // 97 columns, 22 empty fields more and a trailing comma.
        {SEASONS_CSV_FILE, SEASONS_CSV_HEADER, 120},
        {PERSONNEL_CSV_FILE, "Year,Team,Offensive Personnel,Defensive Personnel", 4},
        {TEAM_RECORDS_CSV_FILE, TEAM_RECORDS_CSV_HEADER, 16},
        {COMBINE_RESULTS_CSV_FILE, COMBINE_RESULTS_CSV_HEADER, 15},
    };
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        Files.push_back({Year_Name(LEAGUE_CSV_FILE_FORMAT, y), LEAGUE_CSV_HEADER, 5});
        Files.push_back({Year_Name(TEAMS_CSV_FILE_FORMAT, y), TEAMS_CSV_HEADER, 16});
        Files.push_back({Year_Name(CAPROOM_CSV_FILE_FORMAT, y), "", 2});
        Files.push_back({Rosters_Name(y), Year_Name(ROSTERS_CSV_HEADER_FORMAT, y), 14});
        Files.push_back({Year_Name(SALARIES_CSV_FILE_FORMAT, y), Year_Name(SALARIES_CSV_HEADER_FORMAT, y), 15});
        Files.push_back({Year_Name(WINS_CSV_FILE_FORMAT, y), "Team,Projected Wins", 2});
    }
    EXPECT_EQ(m_Summary.nFiles, static_cast<int>(Files.size()));
    for (const EXPECTED& File : Files) {
        bool bOpened = false;
        const std::vector<ROW> Rows = Read_Rows(File.Path, &bOpened);
        ASSERT_TRUE(bOpened) << File.Path;
        ASSERT_GT(Rows.size(), 1u) << File.Path;
        if (!File.Header.empty()) {
            EXPECT_EQ(First_Line(File.Path), File.Header) << File.Path;
        }
        for (size_t r = File.Header.empty() ? 0 : 1; r < Rows.size(); ++r)
            ASSERT_EQ(Rows[r].size(), File.nColumns) << File.Path << " line " << r + 1;
    }
    // Hand-checked header texts of the rosters and salaries of a year.
    EXPECT_EQ(First_Line("Input/Stats/2009_rosters.csv"),
              "CorvelID,PlayerID,FirstName,LastName,2009_Team,Position,Height,Weight,BirthMonth,BirthDate,BirthYear,"
              "WeeksOut,Reason,Starter");
    EXPECT_EQ(First_Line("Input/Stats/2009_salaries.csv"),
              "CorvelID,PlayerID,2009 Team,Uniform,FirstName,LastName,Position,Depth Chart,Weeks Out,Reason Out,"
              "Years Remaining,Average Salary,Signing Bonus,Contract Years,Cap Hit");
    // Nothing outside the range, and no year of the default league.
    for (const std::string& Name : {std::string("Input/Stats/2007_teams.csv"), std::string("Input/Stats/2011_teams.csv")})
        EXPECT_FALSE(fs::exists(Name)) << Name;
    for (const ROW& Row : Read_Rows(SEASONS_CSV_FILE))
        if (Row[0] != "CorvelID") {
            ASSERT_LE(Parse_Input_Int(Row[SEASONS_COL_YEAR - 1].c_str()), LAST_YEAR);
        }
}

TEST_F(FictionalHistory, ClubsPlayersAndRecordsHangTogether)
{
    // Twelve clubs: six in each league, in two divisions of three.
    const std::vector<ROW> Teams = Read_Rows("Input/Stats/2009_teams.csv");
    ASSERT_EQ(Teams.size(), 1u + TEAMS);
    std::map<int, int> Division;
    std::set<std::string> Abbreviations;
    for (size_t r = 1; r < Teams.size(); ++r) {
        ++Division[Parse_Input_Int(Teams[r][TEAMS_COL_DIVISION - 1].c_str())];
        const std::string& Abbreviation = Teams[r][TEAMS_COL_ABBREVIATION - 1];
        const std::string& Nickname = Teams[r][TEAMS_COL_NICKNAME - 1];
        EXPECT_TRUE(Abbreviation.size() >= 2 && Abbreviation.size() <= 4 && std::isalpha(Abbreviation[0]));
        EXPECT_EQ(Nickname.find(' '), std::string::npos) << Nickname;
        EXPECT_TRUE(Is_Plain_File_Name_Part(Nickname.c_str()));
        Abbreviations.insert(Abbreviation);
    }
    EXPECT_EQ(Abbreviations.size(), static_cast<size_t>(TEAMS));
    EXPECT_EQ(Division, (std::map<int, int>{{0, 3}, {1, 3}, {4, 3}, {5, 3}}));
    // The same clubs every year.
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y)
        EXPECT_EQ(Read_Text_File(Year_Name(TEAMS_CSV_FILE_FORMAT, y)).substr(0, 40),
                  Read_Text_File("Input/Stats/2009_teams.csv").substr(0, 40));

    // Players.csv: every roster player once, by an ID of 1-11 letters and
    // digits that no other player has (letter case ignored).
    std::map<std::string, int> Listed;
    size_t nShortest = 99;
    size_t nLongest = 0;
    for (const ROW& Row : Read_Rows(PLAYERS_CSV_FILE)) {
        if (Row[1] == "Corvel ID")
            continue;
        std::string Key = Row[PLAYERS_COL_CORVEL_ID - 1];
        EXPECT_TRUE(Is_Plain_External_Id(Key.c_str())) << Key;
        nShortest = std::min(nShortest, Key.size());
        nLongest = std::max(nLongest, Key.size());
        std::transform(Key.begin(), Key.end(), Key.begin(), [](unsigned char c) { return std::tolower(c); });
        ++Listed[Key];
    }
    EXPECT_EQ(static_cast<int>(Listed.size()), m_Summary.nPlayers);
    for (const auto& Entry : Listed)
        EXPECT_EQ(Entry.second, 1) << Entry.first;
    EXPECT_LE(nShortest, 2u);
    EXPECT_EQ(nLongest, 11u);
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        const std::vector<ROW> Roster = Read_Rows(Rosters_Name(y));
        EXPECT_EQ(Roster.size(), 1u + 53u * TEAMS) << y;
        std::set<std::string> Seen;
        for (size_t r = 1; r < Roster.size(); ++r) {
            std::string Key = Roster[r][0];
            std::transform(Key.begin(), Key.end(), Key.begin(), [](unsigned char c) { return std::tolower(c); });
            EXPECT_EQ(Listed.count(Key), 1u) << Key;
            EXPECT_TRUE(Seen.insert(Key).second) << Key << " twice in " << y;
            EXPECT_EQ(Abbreviations.count(Roster[r][ROSTERS_COL_TEAM - 1]), 1u);
        }
    }

    // The records: sixteen games a club, as many wins as losses in the
    // league, one champion and one runner-up a year.
    std::map<int, int> Wins, Losses, Champions, RunnersUp;
    for (const ROW& Row : Read_Rows(TEAM_RECORDS_CSV_FILE)) {
        if (Row[0] == "Year")
            continue;
        const int y = Parse_Input_Int(Row[0].c_str());
        const int w = Parse_Input_Int(Row[TEAM_RECORDS_COL_WINS - 1].c_str());
        const int l = Parse_Input_Int(Row[TEAM_RECORDS_COL_LOSSES - 1].c_str());
        const int t = Parse_Input_Int(Row[TEAM_RECORDS_COL_TIES - 1].c_str());
        EXPECT_EQ(w + l + t, 16) << Row[2];
        Wins[y] += w;
        Losses[y] += l;
        Champions[y] += Row[TEAM_RECORDS_COL_PLAYOFFS - 1] == "Won SB";
        RunnersUp[y] += Row[TEAM_RECORDS_COL_PLAYOFFS - 1] == "Lost SB";
        const int nFinish = Parse_Input_Int(Row[TEAM_RECORDS_COL_DIVISION_FINISH - 1].c_str());
        EXPECT_TRUE(nFinish >= 1 && nFinish <= 3);
        const double fLine = Parse_Input_Decimal(Row[TEAM_RECORDS_COL_LINE_FIGURE - 1].c_str());
        EXPECT_TRUE(fLine >= -50.0 && fLine <= 50.0);
        std::string Name = Row[TEAM_RECORDS_COL_TEAM - 1];
        Name.erase(std::remove_if(Name.begin(), Name.end(), [](char c) { return c == '*' || c == '+'; }), Name.end());
        bool bClub = false;
        for (size_t r = 1; r < Teams.size(); ++r)
            bClub |= Name == Teams[r][TEAMS_COL_CITY - 1] + " " + Teams[r][TEAMS_COL_NICKNAME - 1];
        EXPECT_TRUE(bClub) << Name;
    }
    EXPECT_EQ(Wins.size(), 3u);
    for (const auto& Entry : Wins) {
        EXPECT_EQ(Entry.second, Losses[Entry.first]);
        EXPECT_EQ(Champions[Entry.first], 1);
        EXPECT_EQ(RunnersUp[Entry.first], 1);
    }
    // Personnel: every club each year, by its nickname.
    EXPECT_EQ(Read_Rows(PERSONNEL_CSV_FILE).size(), 1u + 3u * TEAMS);
}

TEST_F(FictionalHistory, WritesTheFormsReadersTreatSpecially)
{
    int nDbInTwenties = 0, nDbElsewhere = 0, nBackInForties = 0, nUndrafted = 0;
    for (const ROW& Row : Read_Rows(PLAYERS_CSV_FILE)) {
        const std::string& Position = Row[PLAYERS_COL_POSITION - 1];
        const int nUniform = Parse_Input_Int(Row[PLAYERS_COL_UNIFORM - 1].c_str());
        if (Position == "DB")
            ++(nUniform >= 20 && nUniform <= 29 ? nDbInTwenties : nDbElsewhere);
        if (Position == "RB" && nUniform >= 40 && nUniform <= 49)
            ++nBackInForties;
        if (Row[PLAYERS_COL_UNDRAFTED - 1] == "TRUE") {
            ++nUndrafted;
            EXPECT_EQ(Row[PLAYERS_COL_DRAFT_ROUND - 1], "");
        }
        // 6'2" in column 11 is 6 and 2 in columns 23 and 24.
        const std::string Height = Row[PLAYERS_COL_HEIGHT - 1];
        if (Row[1] != "Corvel ID") {
            EXPECT_EQ(Height, Row[PLAYERS_COL_FEET - 1] + "'" + Row[PLAYERS_COL_INCHES - 1] + "\"");
        }
    }
    EXPECT_GT(nDbInTwenties, 0);
    EXPECT_GT(nDbElsewhere, 0);
    EXPECT_GT(nBackInForties, 0);
    EXPECT_GT(nUndrafted, 0);

    // Seasons: a traded player's total and his two club rows; an "OL" line
    // right after the same player's guard line.
    const std::vector<ROW> Seasons = Read_Rows(SEASONS_CSV_FILE);
    int nTrades = 0, nOlAfterGuard = 0;
    const std::set<std::string> GUARD = {"G", "LG", "RG", "OG"};
    for (size_t r = 1; r + 2 < Seasons.size(); ++r) {
        const ROW& Row = Seasons[r];
        if (Row[SEASONS_COL_TEAM - 1] == "2TM") {
            const ROW& A = Seasons[r + 1];
            const ROW& B = Seasons[r + 2];
            if (A[0] == Row[0] && B[0] == Row[0] && A[3] == Row[3] && B[3] == Row[3] && A[4] != B[4]) {
                ++nTrades;
                // The total is the sum of the rows: games and every count.
                EXPECT_EQ(Parse_Input_Int(Row[SEASONS_COL_G - 1].c_str()),
                          Parse_Input_Int(A[SEASONS_COL_G - 1].c_str()) + Parse_Input_Int(B[SEASONS_COL_G - 1].c_str()));
                EXPECT_EQ(Parse_Input_Int(Row[SEASONS_COL_COMB - 1].c_str()),
                          Parse_Input_Int(A[SEASONS_COL_COMB - 1].c_str()) +
                              Parse_Input_Int(B[SEASONS_COL_COMB - 1].c_str()));
            }
        }
        if (Seasons[r + 1][SEASONS_COL_POSITION - 1] == "OL" && Seasons[r + 1][0] == Row[0] &&
            GUARD.count(Row[SEASONS_COL_POSITION - 1]) == 1)
            ++nOlAfterGuard;
    }
    EXPECT_GT(nTrades, 0);
    EXPECT_GT(nOlAfterGuard, 0);

    // Money: some of it quoted "$1,250,000", read as the same dollars.
    int nQuoted = 0;
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        const std::string Text = Read_Text_File(Year_Name(SALARIES_CSV_FILE_FORMAT, y));
        nQuoted += static_cast<int>(std::count(Text.begin(), Text.end(), '$'));
    }
    EXPECT_GT(nQuoted, 0);
    const std::string Caproom = Read_Text_File("Input/Stats/2010_caproom.csv");
    EXPECT_NE(Caproom.find(",\"$"), std::string::npos);
}

TEST_F(FictionalHistory, ContractsStayUnderTheYearsCap)
{
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        const long long nCap = Get_Season_Salary_Cap(y);
        std::map<std::string, long long> Payroll, Salaries;
        const std::vector<ROW> Rows = Read_Rows(Year_Name(SALARIES_CSV_FILE_FORMAT, y));
        EXPECT_EQ(Rows.size(), 1u + 53u * TEAMS);
        for (size_t r = 1; r < Rows.size(); ++r) {
            const long long nSalary = Parse_Input_Money(Rows[r][SALARIES_COL_AVERAGE_SALARY - 1].c_str());
            const long long nCapHit = Parse_Input_Money(Rows[r][SALARIES_COL_CAP_HIT - 1].c_str());
            // At least the smallest minimum of any year, never negative.
            EXPECT_GE(nSalary, 100000) << Rows[r][0];
            EXPECT_GE(Parse_Input_Money(Rows[r][SALARIES_COL_SIGNING_BONUS - 1].c_str()), 0);
            EXPECT_GE(Parse_Input_Int(Rows[r][SALARIES_COL_YEARS_REMAINING - 1].c_str()), 0);
            EXPECT_GE(Parse_Input_Int(Rows[r][SALARIES_COL_CONTRACT_YEARS - 1].c_str()), 1);
            Payroll[Rows[r][SALARIES_COL_TEAM - 1]] += nCapHit;
            Salaries[Rows[r][SALARIES_COL_TEAM - 1]] += nSalary;
        }
        ASSERT_EQ(Payroll.size(), static_cast<size_t>(TEAMS));
        for (const auto& Entry : Payroll) {
            EXPECT_LE(Entry.second, nCap) << Entry.first << " " << y;
            EXPECT_LE(Salaries[Entry.first], nCap) << Entry.first << " " << y;
        }
        // The cap room is the cap less the payroll, club by club; the
        // team's full name leads the line.
        const std::vector<ROW> Caproom = Read_Rows(Year_Name(CAPROOM_CSV_FILE_FORMAT, y));
        ASSERT_EQ(Caproom.size(), static_cast<size_t>(TEAMS));
        const std::vector<ROW> Teams = Read_Rows(Year_Name(TEAMS_CSV_FILE_FORMAT, y));
        for (size_t c = 0; c < Caproom.size(); ++c) {
            const ROW& Team = Teams[c + 1];
            EXPECT_EQ(Caproom[c][0], Team[TEAMS_COL_CITY - 1] + " " + Team[TEAMS_COL_NICKNAME - 1]);
            EXPECT_EQ(Parse_Input_Money(Caproom[c][1].c_str()), nCap - Payroll[Team[TEAMS_COL_ABBREVIATION - 1]]);
        }
    }
}

TEST(FictionalHistoryRun, SameSeedSameBytesAndOptionsChecked)
{
    const std::map<std::string, std::string> First = Generate_Files(Small_League());
    const std::map<std::string, std::string> Second = Generate_Files(Small_League());
    ASSERT_EQ(First.size(), 5u + 6u * 3u);
    EXPECT_TRUE(First == Second);
    const std::map<std::string, std::string> Other = Generate_Files(Small_League(7));
    ASSERT_EQ(Other.size(), First.size());
    EXPECT_NE(Other.at("Input/Stats/Seasons.csv"), First.at("Input/Stats/Seasons.csv"));

    // An odd league: every club still plays its sixteen games.
    {
        SCRATCH_FOLDER Scratch("history_odd");
        ASSERT_TRUE(Scratch.Ready());
        Copy_Default_League_Inputs();
        HISTORY_OPTIONS Odd = Small_League();
        Odd.nTeams = 13;
        Odd.nFirstYear = Odd.nLastYear = 2010;
        HISTORY_SUMMARY Summary;
        std::string Problem;
        ASSERT_TRUE(Write_Fictional_History(Odd, Summary, Problem)) << Problem;
        const std::vector<ROW> Records = Read_Rows(TEAM_RECORDS_CSV_FILE);
        ASSERT_EQ(Records.size(), 14u);
        for (size_t r = 1; r < Records.size(); ++r)
            EXPECT_EQ(Parse_Input_Int(Records[r][3].c_str()) + Parse_Input_Int(Records[r][4].c_str()) +
                          Parse_Input_Int(Records[r][5].c_str()),
                      16)
                << Records[r][2];
    }

    // A nickname of two words could not be found again by the readers.
    {
        SCRATCH_FOLDER Scratch("history_nickname");
        ASSERT_TRUE(Scratch.Ready());
        Copy_Default_League_Inputs();
        std::string Franchises = Read_Text_File("league/franchises.csv");
        const size_t nAt = Franchises.find(",Frost,");
        ASSERT_NE(nAt, std::string::npos);
        Franchises.replace(nAt, 7, ",Frost Giants,");
        FILE* pFile = std::fopen("league/franchises.csv", "wb");
        ASSERT_NE(pFile, nullptr);
        std::fwrite(Franchises.data(), 1, Franchises.size(), pFile);
        std::fclose(pFile);
        HISTORY_SUMMARY Summary;
        std::string Problem;
        EXPECT_FALSE(Write_Fictional_History(Small_League(), Summary, Problem));
        EXPECT_NE(Problem.find("one-word nickname"), std::string::npos) << Problem;
        EXPECT_FALSE(fs::exists("Input/Stats/Players.csv"));
    }

    std::string Problem;
    HISTORY_OPTIONS Options = Small_League();
    const char* ARGUMENTS[] = {"--teams", "14", "--seed", "5", "--first", "2001", "--last", "2003"};
    ASSERT_TRUE(Parse_History_Arguments(8, ARGUMENTS, Options, Problem)) << Problem;
    EXPECT_EQ(Options.nTeams, 14);
    EXPECT_EQ(Options.nSeed, 5u);
    EXPECT_EQ(Options.nFirstYear, 2001);
    EXPECT_EQ(Options.nLastYear, 2003);
    const struct {
        int nFirst, nLast, nTeams;
    } REFUSED[] = {{2006, 2011, 11}, {2006, 2011, 33}, {2006, 2019, 32}, {2010, 2009, 32}, {1950, 1952, 32}};
    for (const auto& Case : REFUSED) {
        Options.nFirstYear = Case.nFirst;
        Options.nLastYear = Case.nLast;
        Options.nTeams = Case.nTeams;
        EXPECT_FALSE(Check_History_Options(Options, Problem)) << Case.nFirst << "-" << Case.nLast;
    }
    const char* UNKNOWN[] = {"--clubs", "12"};
    EXPECT_FALSE(Parse_History_Arguments(2, UNKNOWN, Options, Problem));
    const char* MISSING[] = {"--seed"};
    EXPECT_FALSE(Parse_History_Arguments(1, MISSING, Options, Problem));
    const char* BAD[] = {"--teams", "12x"};
    EXPECT_FALSE(Parse_History_Arguments(2, BAD, Options, Problem));
}
