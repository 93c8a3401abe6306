// Whole seasons read as a player reads them: the real program plays them
// headless and writes its box scores and saved games; this test then reads
// the pages and the saves and checks that what they say adds up. Each club's
// rows add up to its team lines, the scoring plays of a quarter run down the
// clock and every touchdown of regulation has its try, the line score adds
// up, a player's box lines of a season add up to his season line, the
// standings are the results of the box scores, no club plays twice in a week,
// division rivals meet home and away, and no club starts a season over the
// cap. Leagues: the default league over three seasons (in the third a club
// left without a quarterback has two receivers throw), a 28-club league built
// from the fictional history, and a 36-club league.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/player_text.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Save_As;
using program_support::Contains;

// ---------------------------------------------------------------------------
// A box score page as cells: the text of every table cell in page order.

std::string Strip_Tags(const std::string& Html)
{
    std::string Out;
    bool bInTag = false;
    for (char c : Html) {
        if (c == '<')
            bInTag = true;
        else if (c == '>')
            bInTag = false;
        else if (!bInTag)
            Out += c;
    }
    // The one entity the pages put in a cell on its own.
    if (Out == "&nbsp;")
        Out.clear();
    while (!Out.empty() && (Out.back() == ' ' || Out.back() == '\n' || Out.back() == '\r'))
        Out.pop_back();
    size_t nFirst = 0;
    while (nFirst < Out.size() && (Out[nFirst] == ' ' || Out[nFirst] == '\n'))
        ++nFirst;
    return Out.substr(nFirst);
}

std::vector<std::string> Cells(const std::string& Html)
{
    std::vector<std::string> Out;
    size_t nAt = 0;
    for (;;) {
        nAt = Html.find("<TD", nAt);
        if (nAt == std::string::npos)
            break;
        const size_t nOpen = Html.find('>', nAt);
        if (nOpen == std::string::npos)
            break;
        size_t nEnd = Html.size();
        for (const char* szStop : {"<TD", "</TD", "<TR", "</TR", "</TABLE"}) {
            const size_t n = Html.find(szStop, nOpen + 1);
            if (n != std::string::npos && n < nEnd)
                nEnd = n;
        }
        Out.push_back(Strip_Tags(Html.substr(nOpen + 1, nEnd - nOpen - 1)));
        nAt = nOpen + 1;
    }
    return Out;
}

int Number(const std::string& Text)
{
    return Text.empty() ? 0 : std::atoi(Text.c_str());
}

struct SCORING_PLAY {
    int nQuarter = 0;   // 1-4, 5 for overtime
    int nSecondsLeft = 0;
    std::string Kind;   // "Pass", "Rush", "Point After", "Conversion", "Field Goal" ...
};

struct PLAYER_ROW {
    std::string Name;
    std::string Team;
    std::string Position;
    int nCompletions = 0, nPassAttempts = 0, nPassYards = 0, nPassTouchdowns = 0, nInterceptions = 0;
    int nRushes = 0, nRushYards = 0, nRushTouchdowns = 0;
    int nReceptions = 0, nReceivingYards = 0, nReceivingTouchdowns = 0;
};

struct TEAM_LINE {
    std::string Abbreviation;
    int nScore = 0;
    int nQuarters = 0;        // the points of the four quarters
    std::string Overtime;     // the OT cell: "-" for a game without overtime
    int nRushes = 0, nRushYards = 0;
    int nCompletions = 0, nPassAttempts = 0, nPassTouchdowns = 0, nInterceptions = 0;
    int nNetPassYards = 0;
    int nSackYards = 0;
};

struct BOX {
    std::string File;
    std::string Title;
    int nWeek = -1;   // the regular season's week from the title, -1 for a playoff game
    TEAM_LINE Side[2];   // away, home
    std::vector<SCORING_PLAY> Scoring;
    std::vector<PLAYER_ROW> Rows;
    bool bRead = false;
};

// "8 for 53 yards (6.6 avg)", "37-for-50 (74%), 3 TD", "3 times for 19 yards"
void Two_Numbers(const std::string& Text, const char* szFormat, int* pnA, int* pnB)
{
    *pnA = *pnB = -1;
    std::sscanf(Text.c_str(), szFormat, pnA, pnB);
}

BOX Read_Box(const std::string& Path)
{
    BOX Box;
    Box.File = fs::path(Path).filename().string();
    const std::string Html = Read_Text_File(Path);
    const size_t nTitle = Html.find("<TITLE>");
    if (nTitle != std::string::npos)
        Box.Title = Html.substr(nTitle + 7, Html.find("</TITLE>") - nTitle - 7);
    if (Box.Title.rfind("Week ", 0) == 0)
        Box.nWeek = Number(Box.Title.substr(5));
    const std::vector<std::string> C = Cells(Html);
    size_t i = 0;
    auto Find = [&](const std::string& Text, size_t nFrom) {
        for (size_t k = nFrom; k < C.size(); ++k)
            if (C[k] == Text)
                return k;
        return C.size();
    };
    // The line score: the head row ends with "Final"; each club's row is its
    // name, four quarters, the overtime and the final.
    i = Find("Final", 0);
    if (i + 14 >= C.size())
        return Box;
    for (int s = 0; s < 2; ++s) {
        const size_t nRow = i + 1 + 7 * s;
        for (int q = 1; q <= 4; ++q)
            Box.Side[s].nQuarters += Number(C[nRow + q]);
        Box.Side[s].Overtime = C[nRow + 5];
        Box.Side[s].nScore = Number(C[nRow + 6]);
    }
    // The scoring plays: their head names the away club, then the home club.
    i = Find("Scoring Plays", i);
    if (i + 2 >= C.size())
        return Box;
    Box.Side[0].Abbreviation = C[i + 1];
    Box.Side[1].Abbreviation = C[i + 2];
    i += 3;
    while (i + 6 < C.size() && (C[i] == Box.Side[0].Abbreviation || C[i] == Box.Side[1].Abbreviation) &&
           C[i + 1].size() >= 2 && (C[i + 1].find(" Q") != std::string::npos || C[i + 1] == "OT")) {
        SCORING_PLAY Play;
        Play.nQuarter = C[i + 1] == "OT" ? 5 : Number(C[i + 1]);
        int nMinutes = 0, nSeconds = 0;
        std::sscanf(C[i + 2].c_str(), "%d:%d", &nMinutes, &nSeconds);
        Play.nSecondsLeft = nMinutes * 60 + nSeconds;
        Play.Kind = C[i + 3];
        Box.Scoring.push_back(Play);
        i += 7;
    }
    // The team lines.
    i = Find("Team Stats", i);
    if (i + 2 >= C.size())
        return Box;
    for (int s = 0; s < 2; ++s) {
        const size_t nRushing = Find("Rushing", i);
        const size_t nPassPlays = Find("Pass Plays", i);
        const size_t nPassing = Find("Passing", i);
        const size_t nSacked = Find("Sacked", i);
        if (nSacked + 2 >= C.size())
            return Box;
        TEAM_LINE& T = Box.Side[s];
        Two_Numbers(C[nRushing + 1 + s], "%d for %d", &T.nRushes, &T.nRushYards);
        Two_Numbers(C[nPassPlays + 1 + s], "%d-for-%d", &T.nCompletions, &T.nPassAttempts);
        // "..., 2 TD, 1 INT", either left out when 0.
        const std::string& Pass = C[nPassPlays + 1 + s];
        const size_t nTD = Pass.find(" TD");
        if (nTD != std::string::npos)
            T.nPassTouchdowns = Number(Pass.substr(Pass.rfind(", ", nTD) + 2));
        const size_t nINT = Pass.find(" INT");
        if (nINT != std::string::npos)
            T.nInterceptions = Number(Pass.substr(Pass.rfind(", ", nINT) + 2));
        T.nNetPassYards = Number(C[nPassing + 1 + s]);
        int nSacks = 0;
        Two_Numbers(C[nSacked + 1 + s], "%d time%*s for %d", &nSacks, &T.nSackYards);
        if (T.nSackYards < 0) {   // "0 times for 0 yards" and "1 time for 9 yards" alike
            std::sscanf(C[nSacked + 1 + s].c_str(), "%d %*s for %d", &nSacks, &T.nSackYards);
        }
    }
    // The offensive rows: a name cell, then the club, the position and 15
    // figures (passing 6, rushing 5, receiving 4), blank where none.
    i = Find("Team Stats", 0);
    for (;;) {
        const size_t nHead = Find("Cmp", i);
        if (nHead + 16 >= C.size())
            break;
        // The head: Team Pos Cmp Att Yds TD Int Rtg Att Yds Avg TD Fum Rec Yds Avg TD
        size_t k = nHead + 15;
        while (k + 17 < C.size()) {
            const std::string& Club = C[k + 1];
            if (Club != Box.Side[0].Abbreviation && Club != Box.Side[1].Abbreviation)
                break;
            PLAYER_ROW Row;
            Row.Name = C[k];
            Row.Team = Club;
            Row.Position = C[k + 2];
            Row.nCompletions = Number(C[k + 3]);
            Row.nPassAttempts = Number(C[k + 4]);
            Row.nPassYards = Number(C[k + 5]);
            Row.nPassTouchdowns = Number(C[k + 6]);
            Row.nInterceptions = Number(C[k + 7]);
            Row.nRushes = Number(C[k + 9]);
            Row.nRushYards = Number(C[k + 10]);
            Row.nRushTouchdowns = Number(C[k + 12]);
            Row.nReceptions = Number(C[k + 14]);
            Row.nReceivingYards = Number(C[k + 15]);
            Row.nReceivingTouchdowns = Number(C[k + 17]);
            Box.Rows.push_back(Row);
            k += 18;
        }
        i = nHead + 1;
    }
    Box.bRead = true;
    return Box;
}

std::vector<BOX> Read_Boxes(const std::string& Output, int nYear)
{
    char szPrefix[16];
    std::snprintf(szPrefix, sizeof(szPrefix), "Box-%02d-", nYear % 100);
    std::vector<std::string> Paths;
    std::error_code Error;
    for (const auto& Entry : fs::directory_iterator(Output, Error))
        if (Entry.path().filename().string().rfind(szPrefix, 0) == 0)
            Paths.push_back(Entry.path().string());
    std::sort(Paths.begin(), Paths.end());
    std::vector<BOX> Boxes;
    for (const std::string& Path : Paths)
        Boxes.push_back(Read_Box(Path));
    return Boxes;
}

// ---------------------------------------------------------------------------
// The checks

// Each club's rows add up to its lines, and the scoring plays of a quarter
// run down the clock.
void Check_Box(const BOX& Box)
{
    SCOPED_TRACE(Box.File + " " + Box.Title);
    ASSERT_TRUE(Box.bRead);
    for (int s = 0; s < 2; ++s) {
        const TEAM_LINE& T = Box.Side[s];
        int nCompletions = 0, nAttempts = 0, nPassYards = 0, nPassTouchdowns = 0, nInterceptions = 0;
        int nRushes = 0, nRushYards = 0, nReceptions = 0, nReceivingYards = 0;
        // Every passer's row counts, whoever threw.
        for (const PLAYER_ROW& Row : Box.Rows) {
            if (Row.Team != T.Abbreviation)
                continue;
            nCompletions += Row.nCompletions;
            nAttempts += Row.nPassAttempts;
            nPassYards += Row.nPassYards;
            nPassTouchdowns += Row.nPassTouchdowns;
            nInterceptions += Row.nInterceptions;
            nRushes += Row.nRushes;
            nRushYards += Row.nRushYards;
            nReceptions += Row.nReceptions;
            nReceivingYards += Row.nReceivingYards;
        }
        SCOPED_TRACE(T.Abbreviation);
        EXPECT_EQ(nRushes, T.nRushes) << "rushes";
        EXPECT_EQ(nRushYards, T.nRushYards) << "rushing yards";
        EXPECT_EQ(nCompletions, T.nCompletions) << "completions";
        EXPECT_EQ(nReceptions, T.nCompletions) << "receptions";
        EXPECT_EQ(nAttempts, T.nPassAttempts) << "pass attempts";
        EXPECT_EQ(nPassTouchdowns, T.nPassTouchdowns) << "touchdown passes";
        EXPECT_EQ(nInterceptions, T.nInterceptions) << "interceptions";
        EXPECT_EQ(nPassYards - T.nSackYards, T.nNetPassYards) << "passing yards less the sacks";
        EXPECT_EQ(nReceivingYards, nPassYards) << "receiving yards";
    }
    // The line score: the final is the sum of the periods; a game tied after
    // four quarters goes to overtime, and one that was not shows "-".
    const bool bTiedAfterFour = Box.Side[0].nQuarters == Box.Side[1].nQuarters;
    for (int s = 0; s < 2; ++s) {
        const TEAM_LINE& T = Box.Side[s];
        EXPECT_EQ(T.Overtime == "-", !bTiedAfterFour) << T.Abbreviation << " OT \"" << T.Overtime << "\" after "
                                                     << Box.Side[0].nQuarters << "-" << Box.Side[1].nQuarters;
        EXPECT_EQ(T.nScore, T.nQuarters + (T.Overtime == "-" ? 0 : Number(T.Overtime))) << T.Abbreviation;
    }
    // Every touchdown of regulation has its try, made or missed, at the gun
    // too; only an overtime touchdown ends the game without one.
    auto Is_Try = [](const std::string& Kind) { return Kind == "Point After" || Kind == "Conversion"; };
    for (size_t k = 0; k < Box.Scoring.size(); ++k) {
        const SCORING_PLAY& Play = Box.Scoring[k];
        if (Play.nQuarter > 4 || Is_Try(Play.Kind) || Play.Kind == "Field Goal" || Play.Kind == "Safety")
            continue;
        EXPECT_TRUE(k + 1 < Box.Scoring.size() && Is_Try(Box.Scoring[k + 1].Kind))
            << "a touchdown in quarter " << Play.nQuarter << " with " << Play.nSecondsLeft << " s left has no try";
    }
    for (size_t k = 1; k < Box.Scoring.size(); ++k) {
        const SCORING_PLAY& A = Box.Scoring[k - 1];
        const SCORING_PLAY& B = Box.Scoring[k];
        EXPECT_LE(A.nQuarter, B.nQuarter) << "scoring play " << k;
        if (A.nQuarter == B.nQuarter) {
            EXPECT_GE(A.nSecondsLeft, B.nSecondsLeft) << "scoring play " << k << " in quarter " << B.nQuarter;
        }
    }
}

struct SEASON_LINE {
    int nCompletions = 0, nPassAttempts = 0, nPassYards = 0, nPassTouchdowns = 0, nInterceptions = 0;
    int nRushes = 0, nRushYards = 0, nRushTouchdowns = 0;
    int nReceptions = 0, nReceivingYards = 0, nReceivingTouchdowns = 0;
    bool operator==(const SEASON_LINE&) const = default;
};

std::string Format(const SEASON_LINE& L)
{
    char sz[256];
    std::snprintf(sz, sizeof(sz), "pass %d/%d %d yds %d td %d int; rush %d for %d, %d td; rec %d for %d, %d td",
                  L.nCompletions, L.nPassAttempts, L.nPassYards, L.nPassTouchdowns, L.nInterceptions, L.nRushes,
                  L.nRushYards, L.nRushTouchdowns, L.nReceptions, L.nReceivingYards, L.nReceivingTouchdowns);
    return sz;
}

struct LOADED {
    bool bLoaded = false;
};

LOADED Load(const std::string& Path)
{
    LOADED L;
    Zero_League_Data();
    L.bLoaded = Load_Universe_Database(Path.c_str()) == 1;
    ui::Reset();
    return L;
}

std::map<std::string, int> Team_By_Abbreviation()
{
    std::map<std::string, int> Out;
    for (int t = 0; t < FREE_AGENT_TEAM; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        char sz[16];
        Get_Team_String(sz, t, TEAM_STRING_ABBREVIATION);
        Out[sz] = t;
    }
    return Out;
}

// A played season against the save made at its end (after the playoffs):
// every box score, every player's season line and the standings. Adds to
// *pnOtherPassers the box rows of passers other than quarterbacks.
void Check_Played_Season(const std::string& Saved, const std::string& Output, int nYear, int* pnOtherPassers)
{
    SCOPED_TRACE(Saved);
    const std::vector<BOX> Boxes = Read_Boxes(Output, nYear);
    ASSERT_GT(Boxes.size(), 100u);
    for (const BOX& Box : Boxes) {
        Check_Box(Box);
        for (const PLAYER_ROW& Row : Box.Rows)
            *pnOtherPassers += Row.Position != "QB" && Row.nPassAttempts > 0 ? 1 : 0;
    }

    SCRATCH_FOLDER Here{"audit_load"};
    ASSERT_TRUE(Here.Ready());
    ASSERT_TRUE(Load(Saved).bLoaded);
    ASSERT_EQ(Get_Current_Year(), nYear);
    const std::map<std::string, int> Teams = Team_By_Abbreviation();

    // Each club plays at most once a week; its regular-season results are the
    // standings.
    std::map<int, std::set<std::string>> WeekClubs;
    std::map<std::string, int> Wins, Losses, Ties;
    for (const BOX& Box : Boxes) {
        if (Box.nWeek < 0)
            continue;
        for (int s = 0; s < 2; ++s) {
            EXPECT_TRUE(WeekClubs[Box.nWeek].insert(Box.Side[s].Abbreviation).second)
                << Box.Side[s].Abbreviation << " plays twice in week " << Box.nWeek;
            const int nFor = Box.Side[s].nScore, nAgainst = Box.Side[1 - s].nScore;
            (nFor > nAgainst ? Wins : nFor < nAgainst ? Losses : Ties)[Box.Side[s].Abbreviation] += 1;
        }
    }
    for (const auto& [Abbreviation, nTeam] : Teams) {
        SCOPED_TRACE(Abbreviation);
        EXPECT_EQ(Count_Team_Results(nTeam, RESULT_WINS, RESULTS_ALL_GAMES), Wins[Abbreviation]);
        EXPECT_EQ(Count_Team_Results(nTeam, RESULT_LOSSES, RESULTS_ALL_GAMES), Losses[Abbreviation]);
        EXPECT_EQ(Count_Team_Results(nTeam, RESULT_TIES, RESULTS_ALL_GAMES), Ties[Abbreviation]);
    }

    // Every player's box lines of the regular season add up to his season
    // line. Players are found by name; a name two players share is left out.
    std::map<std::string, SEASON_LINE> FromBoxes;
    for (const BOX& Box : Boxes) {
        if (Box.nWeek < 0)
            continue;
        for (const PLAYER_ROW& Row : Box.Rows) {
            SEASON_LINE& L = FromBoxes[Row.Name];
            L.nCompletions += Row.nCompletions;
            L.nPassAttempts += Row.nPassAttempts;
            L.nPassYards += Row.nPassYards;
            L.nPassTouchdowns += Row.nPassTouchdowns;
            L.nInterceptions += Row.nInterceptions;
            L.nRushes += Row.nRushes;
            L.nRushYards += Row.nRushYards;
            L.nRushTouchdowns += Row.nRushTouchdowns;
            L.nReceptions += Row.nReceptions;
            L.nReceivingYards += Row.nReceivingYards;
            L.nReceivingTouchdowns += Row.nReceivingTouchdowns;
        }
    }
    std::map<std::string, std::vector<SEASON_LINE>> FromSeason;
    std::map<std::string, bool> bQuarterback;
    For_Each_Player_In_Use([&](int t, int s) {
        if (Get_Player_Unit(t, s) != 0)
            return;
        char szName[64];
        Get_Player_Display_Name(t, s, szName);
        SEASON_LINE L;
        auto Stat = [&](int nCode) { return Get_Player_Stat(t, s, STAT_PERIOD_THIS_SEASON, nCode); };
        L.nRushes = Stat(STAT_RUSHING_ATTEMPTS);
        L.nRushYards = Stat(STAT_RUSHING_YARDS);
        L.nRushTouchdowns = Stat(STAT_RUSHING_TOUCHDOWNS);
        L.nReceptions = Stat(STAT_RECEPTIONS);
        L.nReceivingYards = Stat(STAT_RECEIVING_YARDS);
        L.nReceivingTouchdowns = Stat(STAT_RECEIVING_TOUCHDOWNS);
        // Only a quarterback's line keeps all his passing: on anyone else's
        // the same codes hold his fumbles, targets, first downs caught and
        // yards after the catch. His completions are his own on any line.
        L.nCompletions = Stat(STAT_PASS_COMPLETIONS);
        if (Get_Player_Position(t, s) == POSITION_QB) {
            L.nPassAttempts = Stat(STAT_PASS_ATTEMPTS);
            L.nPassYards = Stat(STAT_PASSING_YARDS);
            L.nInterceptions = Stat(STAT_INTERCEPTIONS_THROWN);
            L.nPassTouchdowns = Stat(STAT_PASSING_TOUCHDOWNS);
        }
        bQuarterback[szName] = bQuarterback[szName] || Get_Player_Position(t, s) == POSITION_QB;
        FromSeason[szName].push_back(L);
    });
    int nCompared = 0;
    for (const auto& [Name, Lines] : FromSeason) {
        if (Lines.size() != 1)
            continue;
        SEASON_LINE Boxed = FromBoxes.count(Name) ? FromBoxes[Name] : SEASON_LINE{};
        SEASON_LINE Season = Lines[0];
        if (!bQuarterback[Name]) {
            Boxed.nPassAttempts = Boxed.nPassYards = 0;
            Boxed.nInterceptions = Boxed.nPassTouchdowns = 0;
        }
        if (Season.nRushes + Season.nReceptions + Season.nPassAttempts == 0 && !FromBoxes.count(Name))
            continue;
        ++nCompared;
        EXPECT_TRUE(Boxed == Season) << Name << ": box lines " << Format(Boxed) << ", season line "
                                     << Format(Season);
    }
    EXPECT_GT(nCompared, 200);
}

// A season's start against the save made on its first day: the schedule
// (division rivals home and away) and the payrolls.
void Check_Season_Start(const std::string& Saved, int nYear)
{
    SCOPED_TRACE(Saved);
    SCRATCH_FOLDER Here{"audit_load"};
    ASSERT_TRUE(Here.Ready());
    ASSERT_TRUE(Load(Saved).bLoaded);
    ASSERT_EQ(Get_Current_Year(), nYear);
    ASSERT_EQ(Get_Current_Week(), 0);
    const int64_t nCap = Get_Universe_Stat(SALARY_CAP) / 1000;
    for (int t = 0; t < FREE_AGENT_TEAM; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        char szTeam[16];
        Get_Team_String(szTeam, t, TEAM_STRING_ABBREVIATION);
        if (nCap > 0) {
            EXPECT_LE(Get_Team_Financial_Stat(t, FINANCE_PAYROLL), nCap) << szTeam << " is over the cap";
        }
        for (int u = t + 1; u < FREE_AGENT_TEAM; ++u) {
            if (!Is_Team_Slot_Used(u) || Get_Team_Stat(u, TEAM_STAT_DIVISION) != Get_Team_Stat(t, TEAM_STAT_DIVISION))
                continue;
            bool bHome = false, bAway = false;
            for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
                const int nCode = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT);
                bHome = bHome || nCode == u + 1;
                bAway = bAway || nCode == -(u + 1);
            }
            char szOther[16];
            Get_Team_String(szOther, u, TEAM_STRING_ABBREVIATION);
            EXPECT_TRUE(bHome && bAway) << szTeam << " and " << szOther << " of one division: at home "
                                        << bHome << ", away " << bAway;
        }
    }
}

// Seasons from a new game: saved on each season's first day ("Start N") and
// after its playoffs ("End N"), the next season reached through the
// off-season.
std::string Seasons_Script(const std::string& NewGame, int nSeasons)
{
    std::string Script = NewGame + Save_As("Start 0");
    for (int n = 0; n < nSeasons; ++n) {
        Script += "command \"Through Playoffs\"\ncommand \"Through Playoffs\"\n" + Save_As("End " + std::to_string(n));
        Script += program_support::Play_Seasons(1) + Save_As("Start " + std::to_string(n + 1));
    }
    return Script + "quit\n";
}

// *pnOtherPassers (when given) is set to the box rows of passers other than
// quarterbacks in the seasons.
void Audit(const std::string& Data, const std::string& NewGame, int nFirstYear, int nSeasons,
           int* pnOtherPassers = nullptr)
{
    int nOtherPassers = 0;
    if (pnOtherPassers)
        *pnOtherPassers = 0;
    SCRATCH_FOLDER Run{"audit_run", false};
    ASSERT_TRUE(Run.Ready());
    const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
        {Data, Run.Path(), "audit.kelvo", std::chrono::seconds(600)}, Seasons_Script(NewGame, nSeasons));
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    for (int n = 0; n < nSeasons; ++n) {
        Check_Season_Start(Data + "/Start " + std::to_string(n) + ".zrt", nFirstYear + n);
        Check_Played_Season(Data + "/End " + std::to_string(n) + ".zrt", Data + "/Output", nFirstYear + n,
                            &nOtherPassers);
    }
    Check_Season_Start(Data + "/Start " + std::to_string(nSeasons) + ".zrt", nFirstYear + nSeasons);
    if (pnOtherPassers)
        *pnOtherPassers = nOtherPassers;
}

}  // namespace

TEST(SeasonAuditProgram, TheDefaultLeagueOverSevenSeasonsAddsUp)
{
    SCRATCH_FOLDER Data{"audit_default", false};
    ASSERT_TRUE(Data.Ready());
    program_support::Copy_Built_Data(Data.Path());
    int nOtherPassers = 0;
    Audit(Data.Path(), program_support::NEW_GAME, 2019, 7, &nOtherPassers);
    // The rows of a passer who is no quarterback are checked only where one
    // throws: should a change of the engine leave these seasons without one,
    // play the seasons on to one that has him.
    EXPECT_GT(nOtherPassers, 0) << "no passer but quarterbacks in 2019-2025";
}

TEST(SeasonAuditProgram, ATwentyEightClubLeagueFromTheFictionalHistoryAddsUp)
{
    // 1995: a 15-minute overtime, the goal posts at the back of the end zone
    // and a league of the size the fixed schedule tables hold for 32 clubs
    // only.
    SCRATCH_FOLDER Data{"audit_history", false};
    ASSERT_TRUE(Data.Ready());
    program_support::Copy_Data_With_History(Data.Path(), Data.Path(), 1990, 1995, 28);
    if (HasFatalFailure())
        return;
    SCRATCH_FOLDER Run{"audit_history_run", false};
    ASSERT_TRUE(Run.Ready());
    const process_runner::RUN_RESULT Built = program_support::Run_Headless_Script(
        {Data.Path(), Run.Path(), "build.kelvo", std::chrono::seconds(300)},
        "tool Create_Universe_Databases_Range 1995 1995\nquit\n");
    ASSERT_EQ(Built.nExitCode, 0) << Built.Out << Built.Err;
    Audit(Data.Path(),
          "welcome new\n"
          "dialog 105 select 1089 \"1995\"\n"
          "dialog 105 set 1013 \"Pat\"\n"
          "dialog 105 press 1391\n",
          1995, 1);
}

TEST(SeasonAuditProgram, AThirtySixClubLeagueAddsUp)
{
    SCRATCH_FOLDER Data{"audit_36", false};
    ASSERT_TRUE(Data.Ready());
    program_support::Copy_Built_Data(Data.Path());
    // Four clubs beyond the shipped 32, one a division in turn; the city is
    // that city's row of "league/cities.csv".
    std::string Franchises = Read_Text_File(Data.Path() + "/league/franchises.csv");
    ASSERT_FALSE(Franchises.empty());
    Franchises += "XBO,Boston,Comets,Comet Field,0,2,60000,2000\n"
                  "XMI,Miami,Sharks,Shark Field,1,17,60000,2000\n"
                  "XSE,Seattle,Owls,Owl Field,2,27,60000,2000\n"
                  "XDE,Denver,Elks,Elk Field,3,9,60000,2000\n";
    program_support::Write_File(Data.Path() + "/league/franchises.csv", Franchises);
    fs::remove(Data.Path() + "/Databases/Universe-2019.dat");
    process_runner::RUN_OPTIONS Options;
    Options.Folder = Data.Path();
    Options.Output = Data.Path();
    const process_runner::RUN_RESULT Made = process_runner::Run(KELVO_GENERATOR_PATH, {Data.Path()}, Options);
    ASSERT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
    Audit(Data.Path(), program_support::NEW_GAME, 2019, 1);
}
