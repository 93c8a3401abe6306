// A regular season of the 32-club league played through the day advance
// with its game pages written, then read as a reader reads them: the
// scoring plays of each quarter run down the clock, every touchdown of
// regulation has its try, a game shows an overtime only when it had one, each
// club's player rows add up to its passing, rushing and receiving lines, and
// each player's box lines of the season add up to his season line.

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "test_support.h"
#include "whole_season.h"
#include "engine/game_report.h"
#include "engine/game_state.h"
#include "league/game_record.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/stat_codes.h"
#include "league/team_schedule.h"
#include "season/day_advance.h"

namespace {

struct SCORING_ROW {
    std::string Quarter;
    int nSecondsLeft = 0;
    std::string Word;
};

// One row of a side's offence table.
struct PLAYER_ROW {
    std::string Name;
    int nCompletions = 0, nAttempts = 0, nPassYards = 0;
    int nRushes = 0, nRushYards = 0, nFumbles = 0;
    int nReceptions = 0, nReceivingYards = 0;
};

// A club's lines in the statistics table of both teams.
struct CLUB_LINES {
    int nRushes = 0, nRushYards = 0;
    int nCompletions = 0, nAttempts = 0;
    int nNetPassYards = 0, nSackYards = 0;
};

struct BOX_SCORE {
    std::vector<SCORING_ROW> Scoring;
    std::string OvertimeCell[2];
    CLUB_LINES Club[2];
    std::vector<PLAYER_ROW> Rows[2];
};

int Number(const std::string& Cell) { return Cell.empty() ? 0 : std::stoi(Cell); }

bool Read_Box_Score(const std::string& Page, BOX_SCORE& Box)
{
    static const std::regex SCORING(
        "class=lml>[^<]*</TD>\n<TD width=\"6%\" class=lmc>([^<]*)</TD><TD width=\"6%\" class=lmc>(\\d+):(\\d\\d)</TD>"
        "<TD width=\"20%\" class=lmc>([^<]*)</TD>");
    for (std::sregex_iterator it(Page.begin(), Page.end(), SCORING), end; it != end; ++it)
        Box.Scoring.push_back({(*it)[1].str(), std::stoi((*it)[2].str()) * 60 + std::stoi((*it)[3].str()), (*it)[4].str()});

    static const std::regex OVERTIME("<TD width=\"35\" class=t[mb]c>([^<]*)</TD><TD width=\"60\" class=t[mb]c><B>");
    int nSide = 0;
    for (std::sregex_iterator it(Page.begin(), Page.end(), OVERTIME), end; it != end && nSide < 2; ++it)
        Box.OvertimeCell[nSide++] = (*it)[1].str();
    if (nSide != 2)
        return false;

    auto Read_Pairs = [&](const char* szLabel, const char* szPattern, auto Store) {
        const std::regex Cell(szPattern);
        const std::string Row = [&] {
            const size_t nAt = Page.find(std::string("<TD class=lml>") + szLabel + "</TD>\n");
            return nAt == std::string::npos ? std::string() : Page.substr(nAt, Page.find("</TR>", nAt) - nAt);
        }();
        int s = 0;
        for (std::sregex_iterator it(Row.begin(), Row.end(), Cell), end; it != end && s < 2; ++it, ++s)
            Store(Box.Club[s], std::stoi((*it)[1].str()), std::stoi((*it)[2].str()));
        return s == 2;
    };
    if (!Read_Pairs("Rushing", "<TD class=lmc>(-?\\d+) for (-?\\d+) yards",
                    [](CLUB_LINES& C, int a, int b) { C.nRushes = a; C.nRushYards = b; }) ||
        !Read_Pairs("Pass Plays", "<TD class=lmc>(\\d+)-for-(\\d+) ",
                    [](CLUB_LINES& C, int a, int b) { C.nCompletions = a; C.nAttempts = b; }) ||
        !Read_Pairs("Passing", "<TD class=lmc>(-?\\d+) yards \\((-?\\d+)",
                    [](CLUB_LINES& C, int a, int) { C.nNetPassYards = a; }) ||
        !Read_Pairs("Sacked", "<TD class=lmc>(\\d+) times? for (-?\\d+) yards",
                    [](CLUB_LINES& C, int, int b) { C.nSackYards = b; }))
        return false;

    // The offence tables, away then home, each after its group head.
    static const std::regex ROW("<TD class=lml>([^<]*)</TD>\n((?:<TD class=lmc>[^<]*</TD>)+)");
    static const std::regex CELL("<TD class=lmc>([^<]*)</TD>");
    const std::string HEAD = "<TD width=\"271\" class=ltc>Passing</TD>";
    size_t nAt = 0;
    for (int s = 0; s < 2; ++s) {
        nAt = Page.find(HEAD, nAt);
        if (nAt == std::string::npos)
            return false;
        const size_t nEnd = Page.find("</TBODY></TABLE><BR>\n", nAt);
        const std::string Table = Page.substr(nAt, nEnd - nAt);
        nAt = nEnd;
        for (std::sregex_iterator it(Table.begin(), Table.end(), ROW), end; it != end; ++it) {
            const std::string Cells = (*it)[2].str();
            std::vector<std::string> V;
            for (std::sregex_iterator c(Cells.begin(), Cells.end(), CELL), e; c != e; ++c)
                V.push_back((*c)[1].str());
            if (V.size() != 17)
                return false;
            PLAYER_ROW Row;
            Row.Name = (*it)[1].str();
            Row.nCompletions = Number(V[2]);
            Row.nAttempts = Number(V[3]);
            Row.nPassYards = Number(V[4]);
            Row.nRushes = Number(V[8]);
            Row.nRushYards = Number(V[9]);
            Row.nFumbles = Number(V[12]);
            Row.nReceptions = Number(V[13]);
            Row.nReceivingYards = Number(V[14]);
            Box.Rows[s].push_back(Row);
        }
    }
    return true;
}

// The league of the season fixture, every player named by his ID so that a
// box row names one player, and the game pages on.
void Build_Named_League(uint32_t nSeed)
{
    whole_season::Build_League(nSeed);
    for (int t = 0; t < season_fixture::SEASON_TEAMS; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nID = Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID);
            if (nID == 0)
                continue;
            Set_Player_First_Name(t, s, "Player");
            Set_Player_Last_Name(t, s, ("N" + std::to_string(nID)).c_str());
        }
    }
    Set_Game_Pages_Enabled(true);
}

struct SEASON_READING {
    int nGames = 0;
    std::map<int, BOX_SCORE> Boxes;   // by game record
};

SEASON_READING Read_Regular_Season()
{
    SEASON_READING Season;
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        if (!Is_Game_Record_Final(g))
            continue;
        const GAME* pGame = Get_Game_Record(g);
        char szName[64];
        std::snprintf(szName, sizeof szName, "Output/Box-%02d-%03d.htm", pGame->nYear % 100, g);
        const std::string Page = Read_Text_File(szName, "");
        BOX_SCORE Box;
        EXPECT_TRUE(Read_Box_Score(Page, Box)) << szName;
        Season.Boxes[g] = Box;
        ++Season.nGames;
    }
    return Season;
}

// The scoring rows of each quarter (and of a single overtime period) run down
// the clock. Returns the rows out of order, with their games.
std::string Scoring_Out_Of_Order(const SEASON_READING& Season)
{
    std::string Text;
    for (const auto& [g, Box] : Season.Boxes) {
        const GAME* pGame = Get_Game_Record(g);
        const bool bSeveralPeriods = pGame->nClock > SECONDS_OF_REGULATION + Get_Overtime_Period_Length(pGame);
        for (size_t k = 1; k < Box.Scoring.size(); ++k) {
            const SCORING_ROW& A = Box.Scoring[k - 1];
            const SCORING_ROW& B = Box.Scoring[k];
            if (A.Quarter != B.Quarter || (B.Quarter == "OT" && bSeveralPeriods))
                continue;
            if (B.nSecondsLeft > A.nSecondsLeft)
                Text += "game " + std::to_string(g) + " " + A.Quarter + " " + std::to_string(A.nSecondsLeft) +
                        "s then " + std::to_string(B.nSecondsLeft) + "s\n";
        }
    }
    return Text;
}

bool Is_Try_Word(const std::string& Word) { return Word == "Point After" || Word == "Conversion"; }

TEST(SeasonBoxScoresTest, ScoringPlaysRunDownTheClockAndRowsAddUpToClubAndSeasonLines)
{
    SCRATCH_FOLDER Scratch("season_box_scores");
    Build_Named_League(2024);
    Advance_Day(22);   // the regular season
    const SEASON_READING Season = Read_Regular_Season();
    ASSERT_EQ(Season.nGames, 32 * 17 / 2);

    EXPECT_EQ(Scoring_Out_Of_Order(Season), "");

    // Each club's rows add up to its lines (a game whose play log filled up
    // has rows for its logged plays only).
    std::map<std::string, PLAYER_ROW> BoxLines;
    int nChecked = 0;
    for (const auto& [g, Box] : Season.Boxes) {
        const GAME* pGame = Get_Game_Record(g);
        ASSERT_LT(pGame->nPlays, PLAY_LOG_SIZE) << g;
        for (int s = 0; s < 2; ++s) {
            PLAYER_ROW Sum;
            for (const PLAYER_ROW& Row : Box.Rows[s]) {
                Sum.nCompletions += Row.nCompletions;
                Sum.nAttempts += Row.nAttempts;
                Sum.nPassYards += Row.nPassYards;
                Sum.nRushes += Row.nRushes;
                Sum.nRushYards += Row.nRushYards;
                Sum.nReceptions += Row.nReceptions;
                Sum.nReceivingYards += Row.nReceivingYards;
                PLAYER_ROW& Line = BoxLines[Row.Name];
                Line.nCompletions += Row.nCompletions;
                Line.nAttempts += Row.nAttempts;
                Line.nPassYards += Row.nPassYards;
                Line.nRushes += Row.nRushes;
                Line.nRushYards += Row.nRushYards;
                Line.nFumbles += Row.nFumbles;
                Line.nReceptions += Row.nReceptions;
                Line.nReceivingYards += Row.nReceivingYards;
            }
            const CLUB_LINES& Club = Box.Club[s];
            const std::string Where = "game " + std::to_string(g) + " side " + std::to_string(s);
            EXPECT_EQ(Sum.nRushes, Club.nRushes) << Where;
            EXPECT_EQ(Sum.nRushYards, Club.nRushYards) << Where;
            EXPECT_EQ(Sum.nCompletions, Club.nCompletions) << Where;
            EXPECT_EQ(Sum.nAttempts, Club.nAttempts) << Where;
            // The passers' yards less the sacks' give the club's net passing.
            EXPECT_EQ(Sum.nPassYards - Club.nSackYards, Club.nNetPassYards) << Where;
            EXPECT_EQ(Sum.nReceptions, Club.nCompletions) << Where;
            EXPECT_EQ(Sum.nReceivingYards, Sum.nPassYards) << Where;
            ++nChecked;
        }
    }
    EXPECT_EQ(nChecked, 2 * Season.nGames);

    // Each player's box lines of the season sum to his season line.
    int nPlayers = 0;
    for (int t = 0; t < season_fixture::SEASON_TEAMS; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0 || Get_Player_Unit(t, s) != UNIT_BACKS)
                continue;
            char szName[64];
            Get_Player_Full_Name(t, s, szName);
            const auto it = BoxLines.find(szName);
            const PLAYER_ROW Line = it == BoxLines.end() ? PLAYER_ROW{} : it->second;
            auto Stat = [&](int nCode) { return Get_Player_Stat(t, s, STAT_PERIOD_THIS_SEASON, nCode); };
            EXPECT_EQ(Line.nRushes, Stat(STAT_RUSHING_ATTEMPTS)) << szName;
            EXPECT_EQ(Line.nRushYards, Stat(STAT_RUSHING_YARDS)) << szName;
            EXPECT_EQ(Line.nFumbles, Stat(STAT_FUMBLES_LOST)) << szName;
            EXPECT_EQ(Line.nReceptions, Stat(STAT_RECEPTIONS)) << szName;
            EXPECT_EQ(Line.nReceivingYards, Stat(STAT_RECEIVING_YARDS)) << szName;
            if (Get_Player_Position(t, s) == POSITION_QB) {
                EXPECT_EQ(Line.nCompletions, Stat(STAT_PASS_COMPLETIONS)) << szName;
                EXPECT_EQ(Line.nAttempts, Stat(STAT_PASS_ATTEMPTS)) << szName;
                EXPECT_EQ(Line.nPassYards, Stat(STAT_PASSING_YARDS)) << szName;
            }
            nPlayers += Line.nRushes + Line.nReceptions > 0;
        }
    }
    EXPECT_GT(nPlayers, 32 * 4);
}

TEST(SeasonBoxScoresTest, FifteenMinuteOvertimeSeasonPlaysEveryTryAndShowsOnlyRealOvertimes)
{
    SCRATCH_FOLDER Scratch("season_box_scores_ot");
    Build_Named_League(7);
    // The rules of 2012: regular-season sudden death of 15 minutes.
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2012);
    Update_Overtime_Rules();
    Update_Overtime_Period_Rule();
    ASSERT_EQ(Get_User_Preference(PREF_MINUTES_PER_PERIOD), 15);
    Advance_Day(22);
    const SEASON_READING Season = Read_Regular_Season();
    ASSERT_EQ(Season.nGames, 32 * 17 / 2);
    EXPECT_EQ(Scoring_Out_Of_Order(Season), "");

    int nLastSnapTouchdowns = 0;
    int nOvertimes = 0;
    for (const auto& [g, Box] : Season.Boxes) {
        const GAME* pGame = Get_Game_Record(g);
        const std::string Where = "game " + std::to_string(g);
        // Overtime shown: a snap was taken after regulation (a try at 0:00
        // is not one).
        bool bOvertimeSnap = false;
        for (int i = 0; i < pGame->nPlays && i < PLAY_LOG_SIZE; ++i)
            bOvertimeSnap |= pGame->PlayLog[i].nClock >= SECONDS_OF_REGULATION &&
                             pGame->PlayLog[i].nSnapDown != CONVERSION_ATTEMPT;
        EXPECT_EQ(Box.OvertimeCell[0] != "-", bOvertimeSnap) << Where;
        EXPECT_EQ(Box.OvertimeCell[1] != "-", bOvertimeSnap) << Where;
        nOvertimes += bOvertimeSnap;
        // Every touchdown of regulation is followed by its try.
        for (size_t k = 0; k < Box.Scoring.size(); ++k) {
            const SCORING_ROW& Row = Box.Scoring[k];
            if (Row.Quarter == "OT" || Is_Try_Word(Row.Word) || Row.Word == "Field Goal" || Row.Word == "Safety")
                continue;
            EXPECT_TRUE(k + 1 < Box.Scoring.size() && Is_Try_Word(Box.Scoring[k + 1].Word))
                << Where << " " << Row.Quarter << " " << Row.nSecondsLeft;
            nLastSnapTouchdowns += Row.Quarter == "4th Q" && Row.nSecondsLeft == 0;
        }
        // A game level after regulation is not over there.
        if (!bOvertimeSnap) {
            EXPECT_NE(pGame->nScore[0], pGame->nScore[1]) << Where;
        }
    }
    // The season holds the cases looked for.
    EXPECT_GT(nLastSnapTouchdowns, 0);
    EXPECT_GT(nOvertimes, 0);
}

}  // namespace
