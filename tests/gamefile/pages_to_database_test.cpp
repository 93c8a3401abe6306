// A 2023 league of 32 clubs written as saved statistics pages, imported
// into the statistics files and built into the league database of 2023: the
// built league holds the source league's players as they were.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <filesystem>
#include <string>
#include <vector>

#include "gamefile/database_builder.h"
#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/player_stats.h"
#include "league/player_text.h"
#include "league/season_lines.h"
#include "league/stat_codes.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "synthetic_pages.h"
#include "test_support.h"
#include "tools/default_league/default_league.h"
#include "tools/default_league_inputs.h"
#include "tools/fictional_history/fictional_history.h"
#include "tools/stat_importer.h"

namespace {

// The checked players' salaries (thousands) as the builder stored them from
// the salary file, before the new league's setup fits the payrolls.
std::vector<std::string> g_WatchedIds;
std::map<std::string, int> g_ReadSalaries;

void Watch_Salaries(const char* szStep)
{
    if (std::string(szStep) != "Read_Salaries_File")
        return;
    for (const std::string& Id : g_WatchedIds) {
        PLAYER_LOCATION Where{};
        if (Find_Player_By_Corvel_ID(&Where, Id.c_str()))
            g_ReadSalaries[Id] = Get_Player_Vital_Stat(Where.nTeam, Where.nSlot, VITAL_SALARY);
    }
}

class PagesToDatabaseTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"pages_to_database"};
};

TEST_F(PagesToDatabaseTest, ImportedPagesBuildTheSourceLeague)
{
    Copy_Default_League_Inputs();
    std::string Problem;
    // The clubs' files of a year (league, teams, cap room, wins) come from
    // the fictional history of the same clubs, written for 2018 and taken
    // for 2023.
    HISTORY_OPTIONS History;
    History.nFirstYear = 2018;
    History.nLastYear = 2018;
    HISTORY_SUMMARY Summary;
    ASSERT_TRUE(Write_Fictional_History(History, Summary, Problem)) << Problem;
    for (const char* szFormat : {"Input/Stats/Leagues/%d_league.csv", "Input/Stats/%d_teams.csv",
                                 "Input/Stats/%d_caproom.csv", "Input/Stats/%d_Wins.csv"}) {
        char szFrom[64];
        char szTo[64];
        std::snprintf(szFrom, sizeof(szFrom), szFormat, 2018);
        std::snprintf(szTo, sizeof(szTo), szFormat, 2023);
        std::error_code Error;
        std::filesystem::copy_file(szFrom, szTo, std::filesystem::copy_options::overwrite_existing, Error);
        ASSERT_FALSE(Error) << szFrom;
    }

    ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
    ASSERT_TRUE(files::Create_Folders("Databases"));
    ASSERT_EQ(Save_Game(BUILD_TEMPLATE_DATABASE), 0);
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2023);
    Give_Players_External_Ids();
    // Last season's totals: games for everyone, the yards of his trade for
    // the passers, runners and receivers.
    auto Yards_Code = [](int nPosition) {
        return nPosition == POSITION_QB                              ? STAT_PASSING_YARDS
               : nPosition == POSITION_RB || nPosition == POSITION_FB ? STAT_RUSHING_YARDS
               : nPosition == POSITION_WR || nPosition == POSITION_TE ? STAT_RECEIVING_YARDS
                                                                     : -1;
    };
    for (int t = 0; t < 32; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            Set_Player_Stat(t, s, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED, 1 + (t + s) % 17);
            const int nCode = Yards_Code(Get_Player_Position(t, s));
            if (nCode >= 0)
                Set_Player_Stat(t, s, STAT_PERIOD_THIS_SEASON, nCode, 100 + t * 50 + s);
        }
    }
    // The players checked: the first quarterback, back, receiver, tight end,
    // end and kicker of four clubs, as the source league holds them.
    struct EXPECTED {
        std::string Id, First, Last;
        int nTeam, nPosition, nHeight, nBirth, nGames, nYards, nSalary;
    };
    std::vector<EXPECTED> Checked;
    for (int t : {0, 3, 17, 31}) {
        for (int nPosition : {POSITION_QB, POSITION_RB, POSITION_WR, POSITION_TE, POSITION_DE, POSITION_K}) {
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if (!Is_Player_Slot_Used(t, s) || Get_Player_Position(t, s) != nPosition)
                    continue;
                char szFirst[32] = "";
                char szLast[32] = "";
                Get_Player_First_Name(t, s, szFirst);
                Get_Player_Last_Name(t, s, szLast);
                const int nCode = Yards_Code(nPosition);
                Checked.push_back({Get_Player_Corvel_ID_Text(t, s), szFirst, szLast, t, nPosition,
                                   Get_Player_Vital_Stat(t, s, VITAL_HEIGHT), Get_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE),
                                   1 + (t + s) % 17, nCode >= 0 ? 100 + t * 50 + s : -1,
                                   Get_Player_Vital_Stat(t, s, VITAL_SALARY)});
                break;
            }
        }
    }
    ASSERT_EQ(Checked.size(), 24u);

    // The pages of 2023, each player's page carrying his season as 2022's
    // row as well: the database of 2023 starts from the seasons before it.
    ASSERT_GT(Write_Synthetic_Pages(), 1000);
    for (int t = 0; t < 32; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            char szFirst[32] = "";
            char szLast[32] = "";
            Get_Player_First_Name(t, s, szFirst);
            Get_Player_Last_Name(t, s, szLast);
            std::vector<std::pair<int, std::string>> Rows = Synthetic_Player_Rows(t, s, 2022, true);
            for (auto& Row : Synthetic_Player_Rows(t, s, 2023, true))
                Rows.push_back(Row);
            synthetic_pages_detail::Write_Text_File(
                std::string("Input/Downloads/Players/") + Get_Player_Corvel_ID_Text(t, s) + ".txt",
                Synthetic_Player_Page(std::string(szFirst) + " " + szLast, synthetic_pages_detail::Position_Text(t, s),
                                      Rows));
        }
    }
    ASSERT_TRUE(Download_Football_Data());
    ui::Clear_Shown_Boxes();

    Remember_League_Fingerprint();
    for (const EXPECTED& E : Checked)
        g_WatchedIds.push_back(E.Id);
    Set_Build_Step_Observer(Watch_Salaries);
    const DATABASE_BUILD_RESULT Result = Create_Universe_Database(2023);
    Set_Build_Step_Observer(nullptr);
    ASSERT_EQ(Result.nBuilt, 1) << Result.Problem;
    ASSERT_EQ(Load_Universe_Database("databases/universe-2023.dat"), 1);
    EXPECT_EQ(Get_Current_Year(), 2023);
    EXPECT_EQ(Count_Teams(), 32);

    // The salary file holds each checked player's 2023 salary in dollars, and
    // the builder stored it as read; the new league's setup then fits the
    // payrolls under the cap, so the saved salary is only checked as paid.
    std::map<std::string, long long> Salaries;
    {
        std::istringstream In(Read_Text_File("Input/Stats/2023_salaries.csv"));
        std::string Line;
        std::getline(In, Line);
        while (std::getline(In, Line)) {
            std::vector<std::string> F;
            std::istringstream Fields(Line);
            for (std::string Field; std::getline(Fields, Field, ',');)
                F.push_back(Field);
            if (F.size() >= 12)
                Salaries[F[0]] = std::atoll(F[11].c_str());
        }
    }
    for (const EXPECTED& E : Checked) {
        SCOPED_TRACE(E.Id);
        PLAYER_LOCATION Where{};
        ASSERT_TRUE(Find_Player_By_Corvel_ID(&Where, E.Id.c_str()));
        const int t = Where.nTeam;
        const int s = Where.nSlot;
        EXPECT_EQ(t, E.nTeam);
        char szFirst[32] = "";
        char szLast[32] = "";
        Get_Player_First_Name(t, s, szFirst);
        Get_Player_Last_Name(t, s, szLast);
        EXPECT_EQ(szFirst, E.First);
        EXPECT_EQ(szLast, E.Last);
        EXPECT_EQ(Get_Player_Position(t, s), E.nPosition);
        EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_HEIGHT), E.nHeight);
        EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE), E.nBirth);
        EXPECT_EQ(Get_Player_Stat(t, s, STAT_PERIOD_LAST_SEASON, STAT_GAMES_PLAYED), E.nGames);
        if (E.nYards >= 0) {
            EXPECT_EQ(Get_Player_Stat(t, s, STAT_PERIOD_LAST_SEASON, Yards_Code(E.nPosition)), E.nYards);
        }
        // His 2022 line with his club.
        bool bLine = false;
        for (int n = 0; n < Count_Player_Season_Lines(t, s); ++n) {
            const int nLine = Get_Player_Season_Line_Index(t, s, n);
            if (Get_Season_Line_Year(nLine) != 2022)
                continue;
            bLine = true;
            EXPECT_EQ(Get_Season_Line_Team(nLine), E.nTeam);
            EXPECT_EQ(Get_Season_Line_Stat(nLine, STAT_GAMES_PLAYED), E.nGames);
        }
        EXPECT_TRUE(bLine);
        ASSERT_GT(E.nSalary, 0);
        ASSERT_EQ(Salaries.count(E.Id), 1u);
        EXPECT_EQ(Salaries[E.Id], E.nSalary * 1000LL);
        ASSERT_EQ(g_ReadSalaries.count(E.Id), 1u);
        EXPECT_EQ(g_ReadSalaries[E.Id], E.nSalary);
        EXPECT_GT(Get_Player_Vital_Stat(t, s, VITAL_SALARY), 0);
    }
}

}  // namespace
