// The developer data tools.

#include "gamefile/developer_tools.h"

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/text_utils.h"
#include "engine/defense_calling.h"
#include "engine/playbooks.h"
#include "export/ratings_file.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/player_generation.h"
#include "season/player_repairs.h"
#include "season/player_value.h"
#include "season/predicted_stats.h"
#include "season/stat_file_layouts.h"
#include "tools/stat_importer.h"
#include "tools/young_player_cap.h"

namespace {

constexpr int MULTIPLIER_DEFENSIVE_PLAYS = 50;
constexpr int MULTIPLIER_OFFENSIVE_PLAYS = 30;
constexpr int LINE_LIMIT = 2048;   // 2,047 characters and the terminator
constexpr const char* DONE_CAPTION = "Do_Special_Tool()";

// Players in use: franchise slots in use and the special slots 36-40.
template <typename F> void For_Each_Player_In_Use(int nLastTeam, F&& Visit)
{
    for (int t = 0; t <= nLastTeam; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) != 0)
                Visit(t, s);
        }
    }
}

// hits x 1000 / at-bats (or runs x 2700 / outs) rounded to nearest.
long Rounded_Ratio(long nTop, long nScale, long nBottom)
{
    return (2 * nTop * nScale + nBottom) / (2 * nBottom);
}

// Walks (top, bottom) from its start until the rounded ratio is the target:
// the top rises while the ratio is below, the bottom while it is above.
// True when no neighbour (top / (bottom + 1), (top + 1) / bottom) rounds to
// the target as well, so that the pair names the value alone.
bool Find_Fraction(long nTarget, long nScale, long& nTop, long& nBottom)
{
    for (;;) {
        const long r = Rounded_Ratio(nTop, nScale, nBottom);
        if (r < nTarget)
            ++nTop;
        else if (r > nTarget)
            ++nBottom;
        else
            break;
    }
    return Rounded_Ratio(nTop, nScale, nBottom + 1) != nTarget && Rounded_Ratio(nTop + 1, nScale, nBottom) != nTarget;
}

// The file replaced whole; false with errno saying why (the old file stays).
bool Write_Text_File(const char* szPath, const std::string& Text)
{
    return files::Write_Whole_File(szPath, Text.data(), Text.size());
}

// Reads every line of an open file as Read_Line_Limit cuts them.
template <typename F> void For_Each_Line(const char* szPath, FILE* pFile, F&& Visit)
{
    std::vector<char> Buffer(LINE_LIMIT);
    for (;;) {
        Buffer[0] = '\0';
        const int bEnd = Read_Line_Limit(szPath, Buffer.data(), pFile, LINE_LIMIT);
        if (!bEnd || Buffer[0] != '\0')
            Visit(Buffer.data());
        if (bEnd)
            break;
    }
}

std::string First_Field(const char* szLine)
{
    const char* pComma = std::strchr(szLine, ',');
    return pComma == nullptr ? std::string(szLine) : std::string(szLine, static_cast<size_t>(pComma - szLine));
}

// Offers to save the league in memory, then runs Handle on each year whose
// database loads; a year that does not load was told by the loader's box.
template <typename F> DATABASE_LOOP_RESULT Loop_Over_Databases(int nFirst, int nLast, int nOffset, F&& Handle)
{
    DATABASE_LOOP_RESULT Result;
    if (!Ask_Save_Changes()) {
        Result.bCancelled = true;
        return Result;
    }
    for (int y = nFirst; y <= nLast; ++y) {
        const std::string Path = Get_Developer_Database_Path(y + nOffset);
        if (!Load_Universe_Database(Path.c_str())) {
            ++Result.nSkipped;
            continue;
        }
        Handle(y, Path);
        ++Result.nDone;
    }
    return Result;
}

}  // namespace

std::string Get_Developer_Database_Path(int nYear)
{
    char szPath[64];
    std::snprintf(szPath, sizeof(szPath), "databases/universe-%d.dat", nYear);
    return szPath;
}

long Output_Play_Selection_Multipliers()
{
    const int nTeams = Count_Teams();
    const int nHalf = nTeams / 2;
    Open_Progress_Window("Output_Play_Selection_Multipliers()", nHalf * nHalf);
    double fRush = 0.0;
    double fCoverage = 0.0;
    long nRun = 0;
    long nCases = 0;
    for (int o = 0; o < nTeams; o += 2) {
        for (int d = 1; d < nTeams; d += 2) {
            for (int j = 0; j < MULTIPLIER_DEFENSIVE_PLAYS; ++j) {
                for (int i = 0; i < MULTIPLIER_OFFENSIVE_PLAYS; ++i) {
                    fRush += Get_Pass_Rush_Multiplier(o, i, d, j) * 1000.0;
                    fCoverage += Get_Pass_Coverage_Multiplier(o, i, d, j) * 1000.0;
                    nRun += Get_Run_Defense_Multiplier(o, i, d, j);
                    ++nCases;
                }
            }
            Step_Progress_Window(1);
        }
    }
    const long nDivisor = std::max(nCases, 1L);
    char szText[160];
    std::snprintf(szText, sizeof(szText), "Pass Rush: %ld\nPass Coverage: %ld\nRush Play: %ld",
                  static_cast<long>(fRush / static_cast<double>(nDivisor)),
                  static_cast<long>(fCoverage / static_cast<double>(nDivisor)), nRun / nDivisor);
    // Replaced whole: a link at the name, dangling or not, is replaced too.
    errno = 0;
    const bool bWritten = Write_Text_File("Play_Multipliers.csv", std::string(szText) + "\n");
    const int nError = errno;
    if (!bWritten)
        Write_Debug_Log("Could not write Play_Multipliers.csv: %s", files::Error_Text(nError));
    Close_Progress_Window();
    errno = nError;
    return bWritten ? nCases : -1;
}

int Write_Fractions_Table()
{
    std::string Text = " AVG  H-for-AB\n";
    int nLines = 1;
    char szLine[64];
    for (long a = 10; a <= 990; ++a) {
        long nHits = 1;
        long nAtBats = 2;
        if (!Find_Fraction(a, 1000, nHits, nAtBats))
            continue;
        std::snprintf(szLine, sizeof(szLine), ".%03ld   %ld-for-%ld\n", a, nHits, nAtBats);
        Text += szLine;
        ++nLines;
    }
    Text += "\nERA    ER    IP\n";
    nLines += 2;
    for (long e = 10; e <= 990; ++e) {
        long nRuns = 1;
        long nOuts = 27;
        if (!Find_Fraction(e, 2700, nRuns, nOuts))
            continue;
        std::snprintf(szLine, sizeof(szLine), "%ld.%02ld   %3ld   %ld.%ld\n", e / 100, e % 100, nRuns, nOuts / 3,
                      nOuts % 3);
        Text += szLine;
        ++nLines;
    }
    return Write_Text_File("Fractions.txt", Text) ? nLines : -1;
}

int Check_Duplicate_Player_Names()
{
    struct NAMED {
        std::string Name;
        int nTeam;
    };
    std::vector<NAMED> Players;
    For_Each_Player_In_Use(LAST_TEAM, [&Players](int t, int s) {
        char szName[64];
        Get_Player_Full_Name(t, s, szName);
        Players.push_back({szName, t});
    });
    // Each name's earlier holders: every pair is reported once, by its later member.
    std::unordered_map<std::string, std::vector<int>> Seen;
    int nPairs = 0;
    for (int k = 0; k < static_cast<int>(Players.size()); ++k) {
        std::vector<int>& Earlier = Seen[Players[k].Name];
        for (int e : Earlier) {
            char szFirst[TEAM_STRING_SIZE + 1] = {};
            char szSecond[TEAM_STRING_SIZE + 1] = {};
            Get_Team_String(szFirst, Players[e].nTeam, TEAM_STRING_ABBREVIATION);
            Get_Team_String(szSecond, Players[k].nTeam, TEAM_STRING_ABBREVIATION);
            Report_Error("Duplicate player name found: %s (%s, %s)", Players[k].Name.c_str(), szFirst, szSecond);
            ++nPairs;
        }
        Earlier.push_back(k);
    }
    return nPairs;
}

int File_Contains_Text(const char* szPath, const char* szText)
{
    if (szPath == nullptr || szText == nullptr) {
        errno = EINVAL;
        return -1;
    }
    // A file that is not there (or a folder) holds no answer: not a "no".
    FILE* pFile = files::Open_File(szPath, "rb");
    if (pFile == nullptr)
        return -1;
    bool bFound = false;
    For_Each_Line(szPath, pFile, [&bFound, szText](const char* szLine) {
        if (!bFound && std::strstr(szLine, szText) != nullptr)
            bFound = true;
    });
    std::fclose(pFile);
    return bFound ? 1 : 0;
}

int Write_Free_Agents_List(std::string* pUnread)
{
    constexpr const char* OUTPUT = "Free-Agents.csv";
    char szOld[64];
    char szNew[64];
    std::snprintf(szOld, sizeof(szOld), "input/stats/%d_%s.csv", 2022, "rosters");
    std::snprintf(szNew, sizeof(szNew), "input/stats/%d_%s.csv", 2023, "rosters");
    // Both files are needed: without the next year's every player would be
    // listed as a free agent.
    FILE* pOld = files::Open_File(szOld, "rb");
    FILE* pNew = pOld != nullptr ? files::Open_File(szNew, "rb") : nullptr;
    if (pNew == nullptr) {
        const int nError = errno;
        const char* szUnread = pOld == nullptr ? szOld : szNew;
        if (pOld != nullptr)
            std::fclose(pOld);
        if (pUnread != nullptr)
            *pUnread = szUnread;
        char szMessage[128];
        std::snprintf(szMessage, sizeof(szMessage), "Unable to open %s.", szUnread);
        Show_Message_Box(szMessage, "Read Error", BOX_OK);
        errno = nError;
        return -1;
    }
    // A player's line is any line but a blank one and the files' heading: a
    // year's file without one (empty, or its heading alone) lists nobody, and
    // the empty list it would give is no list of free agents.
    const std::string Heading = First_Field(ROSTERS_CSV_HEADER_FORMAT);
    const auto Is_Player_Line = [&Heading](const char* szLine) {
        return szLine[0] != '\0' && strcasecmp(First_Field(szLine).c_str(), Heading.c_str()) != 0;
    };
    // The next year's first fields, read once. The old list stays until the
    // new one takes its name whole.
    std::unordered_set<std::string> Kept;
    For_Each_Line(szNew, pNew, [&Kept](const char* szLine) { Kept.insert(First_Field(szLine)); });
    std::fclose(pNew);
    std::string Text;
    int nWritten = 0;
    int nOldPlayers = 0;
    For_Each_Line(szOld, pOld, [&](const char* szLine) {
        nOldPlayers += Is_Player_Line(szLine) ? 1 : 0;
        if (Kept.count(First_Field(szLine)) != 0)
            return;
        Text += szLine;
        Text += '\n';
        ++nWritten;
    });
    std::fclose(pOld);
    if (nOldPlayers == 0) {
        if (pUnread != nullptr)
            *pUnread = szOld;
        char szMessage[128];
        std::snprintf(szMessage, sizeof(szMessage), "%s holds no player line.", szOld);
        Show_Message_Box(szMessage, "Read Error", BOX_OK);
        return -3;
    }
    if (!Write_Text_File(OUTPUT, Text)) {
        const int nError = errno;
        Write_Debug_Log("Could not write %s: %s", OUTPUT, files::Error_Text(nError));
        errno = nError;
        return -2;
    }
    return nWritten;
}

void Refit_Player_Ratings()
{
    // Set_Player_Rating reports a value beyond 1000 either way and stores it.
    For_Each_Player_In_Use(FREE_AGENT_TEAM, [](int t, int s) {
        Set_Player_Rating(t, s, RATING_KICK_RETURNS,
                          static_cast<float>(Get_Player_Stat(t, s, STAT_PERIOD_PREDICTED, 231)));
        Set_Player_Rating(t, s, RATING_PUNT_RETURNS,
                          static_cast<float>(Get_Player_Stat(t, s, STAT_PERIOD_PREDICTED, 232)));
    });
    For_Each_Player_In_Use(FREE_AGENT_TEAM, [](int t, int s) {
        const int nPosition = Get_Player_Vital_Stat(t, s, VITAL_POSITION);
        const float fAge = static_cast<float>(Get_Current_Year() - Get_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE) / 10000);
        const float fOverall = Get_Position_Overall_Rating(t, s, nPosition);
        const float fProduction = static_cast<float>(Get_Player_Production_Value(t, s, STAT_PERIOD_LAST_SEASON));
        float fExtra = 0.0f;
        if ((nPosition >= POSITION_RB && nPosition <= POSITION_WR) || nPosition == POSITION_CB ||
            nPosition == POSITION_S) {
            const float e = static_cast<float>(Get_Player_Stat(t, s, STAT_PERIOD_LAST_SEASON, 302) +
                                               Get_Player_Stat(t, s, STAT_PERIOD_LAST_SEASON, 303));
            fExtra = e > 100.0f ? e - 50.0f : e / 2.0f;
        }
        const float fSum = fProduction + fExtra;
        const float fSign = fSum > 0.0f ? 1.0f : (fSum < 0.0f ? -1.0f : 0.0f);
        float fTarget = 60.0f + fSign * std::sqrt(std::fabs(fSum)) / 2.5f;
        if (fAge > 30.0f)
            fTarget = std::max(fTarget - (fAge - 30.0f) * 0.5f, std::min(fTarget, 60.0f));
        const float fWeight = fOverall > fTarget ? std::clamp((fAge - 27.5f) / 12.5f, 0.0f, 1.0f) : 0.2f;
        Scale_Player_To_Overall(t, s, (1.0f - fWeight) * fOverall + fWeight * fTarget);
    });
    Adjust_Ratings_After_Setup();
}

DATABASE_LOOP_RESULT Refit_All_Universe_Databases()
{
    return Loop_Over_Databases(DEVELOPER_FIRST_YEAR, DEVELOPER_LAST_REFIT_YEAR, 0, [](int, const std::string& Path) {
        Refit_Player_Ratings();
        if (Save_Game(Path.c_str()) != SAVE_GAME_OK)
            Write_Debug_Log("Refit_All_Universe_Databases: %s not saved", Path.c_str());
    });
}

DATABASE_LOOP_RESULT Export_Replay_Mode_Player_Ratings()
{
    const int nYears = DEVELOPER_LAST_REFIT_YEAR - DEVELOPER_FIRST_YEAR + 1;
    Open_Progress_Window("Export_Replay_Mode_Player_Ratings()", nYears);
    std::string Last;
    const DATABASE_LOOP_RESULT Result =
        Loop_Over_Databases(DEVELOPER_FIRST_YEAR, DEVELOPER_LAST_REFIT_YEAR, 1, [&Last](int y, const std::string& Database) {
            Last = Database;
            // One file per year, its header written once.
            const std::string Path = Get_Player_Ratings_Path(y);
            if (files::File_Exists(Path.c_str()))
                files::Delete_File(Path.c_str());
            for (int p = POSITION_T; p <= POSITION_C; ++p)
                Append_Player_Ratings(p, y);
            For_Each_Player_In_Use(LAST_TEAM, [](int t, int s) {
                for (int k = 0; k < STATS_PER_PERIOD; ++k)
                    Set_Player_Stat(t, s, STAT_PERIOD_PREDICTED, k, Get_Player_Stat(t, s, STAT_PERIOD_LAST_SEASON, k));
            });
            Complete_All_Predicted_Stats(Get_Regular_Season_Games(y));
            Step_Progress_Window(1);
            Recompute_All_Player_Ratings();
            Repair_Player_Ratings();
            Calibrate_Player_Ratings();
            for (int p = POSITION_QB; p <= POSITION_P; ++p) {
                if (p < POSITION_T || p > POSITION_C)
                    Append_Player_Ratings(p, y);
            }
        });
    // The ratings were worked over only to be written out: the league is left
    // as its last database holds it, unchanged, as the other loops leave it,
    // so that nothing later offers to save the worked copy.
    if (!Last.empty() && !Load_Universe_Database(Last.c_str()))
        Write_Debug_Log("Export_Replay_Mode_Player_Ratings: %s could not be loaded again", Last.c_str());
    Close_Progress_Window();
    if (!Result.bCancelled)
        Show_Message_Box("Export_Replay_Mode_Player_Ratings(1951-2019) completed.", DONE_CAPTION, BOX_OK);
    return Result;
}

DATABASE_LOOP_RESULT Export_Every_Season_Player_Ratings()
{
    const DATABASE_LOOP_RESULT Result =
        Loop_Over_Databases(DEVELOPER_FIRST_YEAR, DEVELOPER_LAST_YEAR, 0, [](int, const std::string&) {
            Export_Player_Ratings(POSITION_ANY, Get_Current_Year());
        });
    if (!Result.bCancelled)
        Show_Message_Box("Export_Every_Season_Player_Ratings() completed.", DONE_CAPTION, BOX_OK);
    return Result;
}

void Set_Average_Period_Stats()
{
    For_Each_Player_In_Use(LAST_TEAM, [](int t, int s) {
        const int nPosition = Get_Player_Vital_Stat(t, s, VITAL_POSITION);
        for (int nStat : {4, 7, 8, 10, 11})
            Set_Player_Stat(t, s, STAT_PERIOD_PREDICTED, nStat, Get_Average_Stat(nPosition, nStat));
    });
}

int Map_Stat_Column(int nCode)
{
    switch (nCode) {
    case 0: return 0;
    case 2: return 1;
    case 3: return 2;
    case 5: return 3;
    case 8: return 4;
    case 10: return 5;
    case 12: return 6;
    case 15: return 7;
    default: return 8;
    }
}

// ---------------------------------------------------------------------------
// Salaries

int Get_Player_Salary_Value(int nTeam, int nSlot)
{
    const bool bOffense = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) <= POSITION_C;
    const int nFirst = bOffense ? 400 : 407;
    const int nLast = bOffense ? 406 : 410;
    int nValue = 0;
    for (int c = nFirst; c <= nLast; ++c)
        nValue += std::max(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, c) - 65, 0);
    return nValue;
}

int Get_Salary_Bracket(int nThousands)
{
    static const int FLOORS[SALARY_BRACKET_COUNT - 1] = {20000, 15000, 12000, 10000, 8000, 5000, 3000, 2000};
    for (int b = 0; b < SALARY_BRACKET_COUNT - 1; ++b) {
        if (nThousands >= FLOORS[b])
            return b;
    }
    return SALARY_BRACKET_COUNT - 1;
}

namespace {

// Thousands to whole millions, rounded to nearest.
long Millions(long nThousands)
{
    return nThousands >= 0 ? (nThousands + 500) / 1000 : -((-nThousands + 500) / 1000);
}

// a / b in tenths, rounded to nearest; 0 when b is 0.
long Tenths(long a, long b)
{
    return b == 0 ? 0 : (20 * a + b) / (2 * b);
}

struct PAY {
    long nPlayers = 0;
    long nThousands = 0;
    long nValue = 0;
    long Brackets[SALARY_BRACKET_COUNT] = {};
};

}  // namespace

int Write_Salary_Report()
{
    constexpr const char* OUTPUT = "Tolvaren-Salaries.csv";
    const int nTeams = Count_Teams();
    std::string Text =
        "Team,Payroll ($M),Offense,Defense,Total Value,Offense Value,Defense Value,Offense Ratings,Defense Ratings\n";
    int nRows = 0;
    long Sums[8] = {};
    PAY Positions[POSITION_ANY + 1];
    char szLine[256];
    for (int t = 0; t < nTeams; ++t) {
        long nOffensePay = 0, nDefensePay = 0, nOffenseValue = 0, nDefenseValue = 0;
        long nOffenseGrades = 0, nDefenseGrades = 0, nOffensePlayers = 0, nDefensePlayers = 0;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) == 0)
                continue;
            const int nPosition = Get_Player_Vital_Stat(t, s, VITAL_POSITION);
            const long nPay = Get_Player_Vital_Stat(t, s, VITAL_SALARY);
            const long nValue = Get_Player_Salary_Value(t, s);
            const bool bOffense = nPosition <= POSITION_C;
            long nGrades = 0;
            for (int c = bOffense ? 400 : 407; c <= (bOffense ? 406 : 410); ++c)
                nGrades += Get_Player_Stat(t, s, STAT_PERIOD_LAST_SEASON, c);
            (bOffense ? nOffensePay : nDefensePay) += nPay;
            (bOffense ? nOffenseValue : nDefenseValue) += nValue;
            (bOffense ? nOffenseGrades : nDefenseGrades) += nGrades;
            ++(bOffense ? nOffensePlayers : nDefensePlayers);
            for (int p : {nPosition, static_cast<int>(POSITION_ANY)}) {
                if (p < 0 || p > POSITION_ANY)
                    continue;
                ++Positions[p].nPlayers;
                Positions[p].nThousands += nPay;
                Positions[p].nValue += nValue;
                ++Positions[p].Brackets[Get_Salary_Bracket(static_cast<int>(nPay))];
            }
        }
        const long Row[8] = {Millions(nOffensePay + nDefensePay),
                             Millions(nOffensePay),
                             Millions(nDefensePay),
                             nOffenseValue + nDefenseValue,
                             nOffenseValue,
                             nDefenseValue,
                             nOffensePlayers == 0 ? 0 : nOffenseGrades / nOffensePlayers,
                             nDefensePlayers == 0 ? 0 : nDefenseGrades / nDefensePlayers};
        char szAbbreviation[TEAM_STRING_SIZE + 1] = {};
        Get_Team_String(szAbbreviation, t, TEAM_STRING_ABBREVIATION);
        std::snprintf(szLine, sizeof(szLine), "%s,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld\n", szAbbreviation, Row[0], Row[1],
                      Row[2], Row[3], Row[4], Row[5], Row[6], Row[7]);
        Text += szLine;
        ++nRows;
        for (int k = 0; k < 8; ++k)
            Sums[k] += Row[k];
    }
    const long nDivisor = std::max(nTeams, 1);
    std::snprintf(szLine, sizeof(szLine), "AVERAGE,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld\n", Sums[0] / nDivisor,
                  Sums[1] / nDivisor, Sums[2] / nDivisor, Sums[3] / nDivisor, Sums[4] / nDivisor, Sums[5] / nDivisor,
                  Sums[6] / nDivisor, Sums[7] / nDivisor);
    Text += szLine;
    ++nRows;

    Text += "Position,Players per Team,Total ($M),Percent,Ideal ($M),Per Player ($M),Per Team ($M),"
            "$20M,$15M,$12M,$10M,$8M,$5M,$3M,$2M,$0M\n";
    const PAY& All = Positions[POSITION_ANY];
    long Totals[SALARY_BRACKET_COUNT] = {};
    for (int p = 0; p <= POSITION_ANY; ++p) {
        const PAY& Pay = Positions[p];
        char szName[32];
        if (p == POSITION_ANY)
            std::snprintf(szName, sizeof(szName), "Any Position");
        else
            Get_Position_Name(p, szName);
        const long nPercent = Tenths(100 * Pay.nThousands, All.nThousands);
        const long nIdeal = Tenths(100 * Pay.nValue, All.nValue);
        const long nPerPlayer = Tenths(Pay.nThousands, 1000 * Pay.nPlayers);
        const long nPerTeam = Tenths(Pay.nThousands, 1000L * nDivisor);
        const long* B = Pay.Brackets;
        std::snprintf(szLine, sizeof(szLine), "%s,%ld,%ld,%ld.%ld%%,%ld.%ld%%,%ld.%ld,%ld.%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld\n",
                      szName, (2 * Pay.nPlayers + nDivisor) / (2 * nDivisor), Millions(Pay.nThousands),
                      nPercent / 10, nPercent % 10, nIdeal / 10, nIdeal % 10, nPerPlayer / 10, nPerPlayer % 10,
                      nPerTeam / 10, nPerTeam % 10, B[0], B[1], B[2], B[3], B[4], B[5], B[6], B[7], B[8]);
        Text += szLine;
        ++nRows;
        if (p != POSITION_ANY) {
            for (int b = 0; b < SALARY_BRACKET_COUNT; ++b)
                Totals[b] += B[b];
        }
    }
    std::snprintf(szLine, sizeof(szLine), ",,,,,,TOTAL,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld\n", Totals[0], Totals[1],
                  Totals[2], Totals[3], Totals[4], Totals[5], Totals[6], Totals[7], Totals[8]);
    Text += szLine;
    ++nRows;
    return Write_Text_File(OUTPUT, Text) ? nRows : -1;
}

// ---------------------------------------------------------------------------
// Names and statistics

int Find_Long_Play_Names()
{
    constexpr int GROUPS = 6;
    constexpr int PLAYS = 54;
    constexpr size_t LONGEST = 28;
    std::string Text;
    int nFound = 0;
    for (int g = 0; g < GROUPS; ++g) {
        if (!Is_Valid_Team(g))
            continue;
        for (int p = 0; p < PLAYS; ++p) {
            char szName[PLAY_NAME_SIZE + 1] = {};
            Get_Offensive_Play_Name(g, p, szName);
            if (std::strlen(szName) <= LONGEST)
                continue;
            Text += "\"";
            Text += szName;
            Text += "\",\n";
            ++nFound;
        }
    }
    return Write_Text_File("TooLong.txt", Text) ? nFound : -1;
}

int Fill_Missing_Season_Line_Stats()
{
    std::unordered_set<int> Done;
    int nFilled = 0;
    For_Each_Player_In_Use(LAST_TEAM, [&](int t, int s) {
        const int nPosition = Get_Player_Vital_Stat(t, s, VITAL_POSITION);
        if (nPosition < POSITION_QB || nPosition > POSITION_P)
            return;
        const int nLinks = Count_Player_Season_Lines(t, s);
        for (int n = 0; n < nLinks; ++n) {
            const int nLine = Get_Player_Season_Line_Index(t, s, n);
            if (nLine < 0 || !Done.insert(nLine).second)
                continue;
            const long nGames = Get_Season_Line_Stat(nLine, STAT_GAMES_PLAYED);
            if (nGames <= 0)
                continue;
            // The line's scale against the position's averages, from what it holds.
            long long nHeld = 0;
            long long nExpected = 0;
            for (int k = 2; k < STATS_PER_PERIOD; ++k) {
                const int nValue = Get_Season_Line_Stat(nLine, k);
                const int nAverage = Get_Average_Stat(nPosition, k);
                if (nValue != 0 && nAverage > 0) {
                    nHeld += nValue;
                    nExpected += nAverage;
                }
            }
            if (nExpected == 0) {
                nHeld = nGames;
                nExpected = Get_Average_Stat(nPosition, STAT_GAMES_PLAYED);
            }
            if (nExpected <= 0 || nHeld <= 0)
                continue;
            for (int k = 1; k < STATS_PER_PERIOD; ++k) {
                const long long nAverage = Get_Average_Stat(nPosition, k);
                if (Get_Season_Line_Stat(nLine, k) != 0 || nAverage <= 0)
                    continue;
                const long long nEstimate = (2 * nAverage * nHeld + nExpected) / (2 * nExpected);
                if (nEstimate == 0)
                    continue;
                Set_Season_Line_Stat(nLine, k, static_cast<int>(std::min<long long>(nEstimate, 1000000)));
                ++nFilled;
            }
        }
    });
    return nFilled;
}

void Derive_Period_Stats()
{
    For_Each_Player_In_Use(LAST_TEAM, [](int t, int s) {
        const int nPosition = Get_Player_Vital_Stat(t, s, VITAL_POSITION);
        if (nPosition < POSITION_QB || nPosition > POSITION_P)
            return;
        const long long nGames = Get_Player_Stat(t, s, STAT_PERIOD_LAST_SEASON, STAT_GAMES_PLAYED);
        const long long nAverageGames = Get_Average_Stat(nPosition, STAT_GAMES_PLAYED);
        for (int nStat : {8, 10, 11, 4}) {
            const long long nAverage = Get_Average_Stat(nPosition, nStat);
            long long nValue = nAverage;
            if (nGames > 0 && nAverageGames > 0) {
                const long long nLast = Get_Player_Stat(t, s, STAT_PERIOD_LAST_SEASON, nStat);
                const long long nScaled = (2 * nLast * nAverageGames + nGames) / (2 * nGames);
                nValue = (nAverage + nScaled + 1) / 2;
            }
            Set_Player_Stat(t, s, STAT_PERIOD_PREDICTED, nStat, static_cast<int>(nValue));
        }
    });
}

namespace {

// Why a names list cannot name players; empty when it can. A list gives
// names line by line, so it must hold one and nothing that no name holds.
std::string Name_List_Problem(const char* szPath)
{
    std::vector<unsigned char> Data;
    if (!files::Read_Whole_File(szPath, Data))
        return std::string("\"") + szPath + "\" cannot be read (" + files::Error_Text(errno) + ")";
    bool bName = false;
    for (const unsigned char c : Data) {
        if ((c < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7F)
            return std::string("\"") + szPath + "\" holds control bytes; it is no list of names";
        bName = bName || (c != '\n' && c != '\r' && c != '\t' && c != ' ');
    }
    if (!bName)
        return std::string("\"") + szPath + "\" holds no name";
    return std::string();
}

}  // namespace

int Rename_All_Players(std::string& Problem)
{
    Problem = Name_List_Problem(FIRST_NAME_FILE);
    if (Problem.empty())
        Problem = Name_List_Problem(LAST_NAME_FILE);
    if (!Problem.empty())
        return -1;
    return Rename_All_Players();
}

int Rename_All_Players()
{
    int nRenamed = 0;
    For_Each_Player_In_Use(LAST_TEAM, [&nRenamed](int t, int s) {
        Make_Random_Player_Name(t, s);
        ++nRenamed;
    });
    return nRenamed;
}

bool Run_Data_Import(std::string* pProblem)
{
    return Download_Football_Data(pProblem);
}

int Get_Simulation_Run_Word()
{
    return Get_User_Preference(PREF_ALL_COMPUTER_TEAMS);
}

int Get_Simulation_Stop_Word()
{
    return Get_User_Preference(PREF_TRADE_ATTEMPTS);
}
