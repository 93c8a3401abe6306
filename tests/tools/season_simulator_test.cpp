// The season simulator: the count the dialog takes, "Simulator.dat" byte by
// byte, a damaged file set aside, the tally blocks, both reports worked by
// hand, and whole runs that leave the league exactly as it was.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../editors/dialog_action.h"
#include "test_support.h"
#include "whole_season.h"
#include "file_size_limit.h"
#include "base/random.h"
#include "league/league_data.h"
#include "league/player_hash.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/shell_requests.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "league/season_lines.h"
#include "season/leader_updates.h"
#include "season/player_generation.h"
#include "engine/game_report.h"
#include "league/team.h"
#include "league/team_finances.h"
#include "tools/default_league/default_league.h"
#include "tools/default_league_inputs.h"
#include "tools/season_simulator.h"

namespace {

using editor_tests::Action;

std::vector<unsigned char> File_Bytes(const char* szPath)
{
    std::string Text = Read_Text_File(szPath);
    return std::vector<unsigned char>(Text.begin(), Text.end());
}

void Write_Bytes(const char* szPath, const std::vector<unsigned char>& Bytes)
{
    FILE* p = std::fopen(szPath, "wb");
    ASSERT_NE(p, nullptr);
    std::fwrite(Bytes.data(), 1, Bytes.size(), p);
    std::fclose(p);
}

class SeasonSimulatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::Reset();
        shell_requests::Reset();
        Install_Shell_Handler(nullptr);
        dialogs::Reset();
        ASSERT_TRUE(Scratch.Ready());
    }
    void TearDown() override
    {
        Install_Shell_Handler(nullptr);
        dialogs::Reset();
    }
    SCRATCH_FOLDER Scratch{"season_simulator"};
};

TEST_F(SeasonSimulatorTest, TheDialogTakesOneToAThousandSeasons)
{
    whole_season::Build_League(3);
    for (const char* szCount : {"0", "1001", "-5", "abc"}) {
        ui::Reset();
        dialogs::Queue_Action(SIMULATOR_DIALOG, Action(ACTION_SET_TEXT, SIMULATOR_COUNT_EDIT, 0, szCount));
        dialogs::Queue_Action(SIMULATOR_DIALOG, Action(ACTION_PRESS, SIMULATOR_SIMULATE_BUTTON));
        dialogs::Queue_Action(SIMULATOR_DIALOG, Action(ACTION_PRESS, SIMULATOR_DONE_BUTTON));
        EXPECT_EQ(Do_Dialog(SIMULATOR_DIALOG, "Simulation Tool", Season_Simulator_Dialog_Proc), -1) << szCount;
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u) << szCount;
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Season Simulator");
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, std::string(szCount) == "1001"
                                                 ? "You cannot simulate more than 1000 seasons."
                                                 : "You must simulate at least 1 season.");
    }
    for (int n : {1, 1000}) {
        ui::Reset();
        dialogs::Queue_Action(SIMULATOR_DIALOG,
                              Action(ACTION_SET_TEXT, SIMULATOR_COUNT_EDIT, 0, std::to_string(n)));
        dialogs::Queue_Action(SIMULATOR_DIALOG, Action(ACTION_PRESS, SIMULATOR_SIMULATE_BUTTON));
        EXPECT_EQ(Do_Dialog(SIMULATOR_DIALOG, "Simulation Tool", Season_Simulator_Dialog_Proc), n);
        EXPECT_TRUE(ui::Shown_Boxes().empty());
    }
    // The run itself refuses what the dialog would.
    std::string Problem;
    EXPECT_FALSE(Simulate_Seasons(0, Problem));
    EXPECT_FALSE(Simulate_Seasons(1001, Problem));
}

TEST_F(SeasonSimulatorTest, TheDataFileHoldsLittleEndianTotalsAndADamagedOneIsSetAside)
{
    SIMULATOR_TOTALS T;
    std::memset(&T, 0, sizeof(T));
    // Club 3: wins at integer 361 + 3 = 364, byte 1,456; revenue at 1706 +
    // 2 x 3 = 1712, byte 6,848, 64 bits low word first; attendance at 1853,
    // byte 7,412.
    T.n[364] = 9;
    T.n[1712] = 2;
    T.n[1713] = 1;
    T.n[1853] = 0x01020304;
    files::Forget_Written_Files();
    ASSERT_EQ(Write_Simulator_Data(T), 1);
    // Known as written (a script's closing summary names it), its temporary not.
    EXPECT_EQ(files::Written_Files(), std::vector<std::string>{"Simulator.dat"});
    std::vector<unsigned char> Bytes = File_Bytes("Simulator.dat");
    ASSERT_EQ(Bytes.size(), 7544u);
    EXPECT_EQ(Bytes[1456], 9);
    EXPECT_EQ(Bytes[1457], 0);
    EXPECT_EQ(Bytes[6848], 2);
    EXPECT_EQ(Bytes[6852], 1);
    EXPECT_EQ(Bytes[7412], 0x04);
    EXPECT_EQ(Bytes[7415], 0x01);
    SIMULATOR_TOTALS Back;
    ASSERT_EQ(Load_Simulator_Data(Back), 1);
    EXPECT_EQ(std::memcmp(&Back, &T, sizeof(T)), 0);

    // One byte short: damaged.
    Bytes.pop_back();
    Write_Bytes("Simulator.dat", Bytes);
    ui::Reset();
    EXPECT_EQ(Load_Simulator_Data(Back), 0);
    EXPECT_EQ(Back.n[364], 0);
    EXPECT_EQ(File_Bytes("Simulator.dat.bad").size(), 7543u);
    EXPECT_EQ(File_Bytes("Simulator.dat"), std::vector<unsigned char>(7544, 0));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("Simulator.dat.bad"), std::string::npos);

    // A negative count: damaged too.
    T.n[361] = -1;
    ASSERT_EQ(Write_Simulator_Data(T), 1);
    EXPECT_EQ(Load_Simulator_Data(Back), 0);
    EXPECT_EQ(File_Bytes("Simulator.dat"), std::vector<unsigned char>(7544, 0));

    // No file: a zeroed one is started.
    std::remove("Simulator.dat");
    EXPECT_EQ(Load_Simulator_Data(Back), 1);
    EXPECT_EQ(File_Bytes("Simulator.dat").size(), 7544u);

    // A link where an earlier program wrote the file first is never written
    // through: the linked file keeps its bytes.
    Write_Bytes("linked.bin", {1, 2, 3});
    ASSERT_EQ(::symlink("linked.bin", "Simulator.dat.tmp"), 0);
    ASSERT_EQ(Write_Simulator_Data(T), 1);
    EXPECT_EQ(File_Bytes("linked.bin"), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(File_Bytes("Simulator.dat").size(), 7544u);
}

TEST_F(SeasonSimulatorTest, TallyBlocksCountTheirUsedEntries)
{
    Save_Simulator_Data();
    EXPECT_EQ(Tally_Simulator_Block(1, 1), 1);   // block 3
    EXPECT_EQ(Tally_Simulator_Block(1, 1), 1);
    EXPECT_EQ(Tally_Simulator_Block(5, 0), 1);   // block 10
    EXPECT_EQ(Tally_Simulator_Block(6, 0), 0);
    EXPECT_EQ(Tally_Simulator_Block(0, 2), 0);
    SIMULATOR_TOTALS T;
    ASSERT_EQ(Load_Simulator_Data(T), 1);
    EXPECT_EQ(T.n[SIM_TALLY_MARKERS + 3 * 50], -1);
    EXPECT_EQ(T.n[SIM_TALLY_COUNTS + 3 * 50], 2);
    EXPECT_EQ(T.n[SIM_TALLY_MARKERS + 3 * 50 + 1], 0);
    EXPECT_EQ(T.n[SIM_TALLY_COUNTS + 10 * 50], 1);
    EXPECT_EQ(T.n[SIM_TALLY_COUNTS + 0], 0);
}

std::vector<std::string> Lines(const std::string& Text)
{
    std::vector<std::string> Out;
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Text.size();
        Out.push_back(Text.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return Out;
}

TEST_F(SeasonSimulatorTest, AWildCardCountsAsPlayoffsReachedBesideItsPlace)
{
    whole_season::Build_League(3);
    // Club 1 second in division 0 and in bracket slot 0 (a wild card): finish
    // code 4, so counter 4 (playoffs reached) and counter 3 (second place).
    uint8_t* pRow = League.StandingsArea.DivisionRow[0];
    for (int p = 0; p < DIVISION_ROW_PLACES; ++p)
        if (pRow[p] == 1)
            std::swap(pRow[p], pRow[1]);
    ASSERT_EQ(pRow[1], 1);
    std::memset(League.StandingsArea.PlayoffTeam, NO_TEAM, sizeof(League.StandingsArea.PlayoffTeam));
    League.StandingsArea.PlayoffTeam[0] = 1;
    ASSERT_EQ(Record_Team_Division_Finish(1), 4);
    SIMULATOR_TOTALS T;
    std::memset(&T, 0, sizeof(T));
    Count_Simulator_Finish(T, 1);
    const int32_t nExpected[SIM_FINISH_COUNT] = {0, 0, 0, 1, 1, 0, 0, 0, 0};
    for (int k = 0; k < SIM_FINISH_COUNT; ++k)
        EXPECT_EQ(T.n[SIM_FINISHES + 9 + k], nExpected[k]) << "counter " << k;
    // Nothing counted for another club.
    EXPECT_EQ(T.n[SIM_FINISHES + 4], 0);
    EXPECT_EQ(T.n[SIM_FINISHES + 18 + 4], 0);
}

TEST_F(SeasonSimulatorTest, PointsCountTheGamesTheRecordCounts)
{
    whole_season::Build_League(3);
    for (GAME& Game : League.Game) {
        Game.nAwayTeam = NO_TEAM;
        Game.nHomeTeam = NO_TEAM;
    }
    const int nPlayoffWeek = Get_First_Playoff_Week();
    ASSERT_GT(nPlayoffWeek, 3);
    auto Put_Game = [](int nIndex, int nAway, int nHome, int nAwayScore, int nHomeScore, int nWeek) {
        GAME& Game = League.Game[nIndex];
        Game.nAwayTeam = static_cast<uint8_t>(nAway);
        Game.nHomeTeam = static_cast<uint8_t>(nHome);
        Game.nScore[GAME_SIDE_AWAY] = nAwayScore;
        Game.nScore[GAME_SIDE_HOME] = nHomeScore;
        Game.nWeek = static_cast<int16_t>(nWeek);
    };
    // Club 1 wins 21-14 at club 2 and 17-10 at home to club 3, then its
    // playoff game 35-3 at home to club 2.
    Put_Game(0, 1, 2, 21, 14, 0);
    Put_Game(1, 3, 1, 10, 17, 3);
    Put_Game(2, 2, 1, 3, 35, nPlayoffWeek);
    const int nSeason = Get_User_Preference(PREF_SEASON_INDEX);
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        for (int k : {YEARLY_WINS, YEARLY_LOSSES, YEARLY_TIES})
            Set_Team_Yearly_Char(t, nSeason, k, 0);
    Set_Team_Yearly_Char(1, nSeason, YEARLY_WINS, 2);
    Set_Team_Yearly_Char(2, nSeason, YEARLY_LOSSES, 1);
    Set_Team_Yearly_Char(3, nSeason, YEARLY_LOSSES, 1);

    SIMULATOR_TOTALS T;
    std::memset(&T, 0, sizeof(T));
    Add_Simulator_Season(T);
    // Club 1: two games, 21 + 17 = 38 scored, 14 + 10 = 24 allowed, the
    // playoff game's 35-3 left out. Club 2: one game, 14 scored, 21 allowed.
    EXPECT_EQ(T.n[SIM_SEASONS], 1);
    EXPECT_EQ(T.n[SIM_GAMES + 1], 2);
    EXPECT_EQ(T.n[SIM_SCORED + 1], 38);
    EXPECT_EQ(T.n[SIM_ALLOWED + 1], 24);
    EXPECT_EQ(T.n[SIM_GAMES + 2], 1);
    EXPECT_EQ(T.n[SIM_SCORED + 2], 14);
    EXPECT_EQ(T.n[SIM_ALLOWED + 2], 21);
    EXPECT_EQ(T.n[SIM_SCORED + 3], 10);
    EXPECT_EQ(T.n[SIM_ALLOWED + 3], 17);

    // The report: 38 over 2 games is 19.0 a game, 24 over 2 is 12.0.
    ASSERT_EQ(Write_Simulator_Data(T), 1);
    ASSERT_TRUE(Write_Simulator_Report(1));
    bool bFound = false;
    for (const std::string& Line : Lines(Read_Text_File("Simulator.csv")))
        if (!bFound && Line.rfind("City 1 Club 1,", 0) == 0) {
            bFound = true;   // its division's row; the money rows come later
            EXPECT_NE(Line.find(",,19.0,12.0,"), std::string::npos) << Line;
        }
    EXPECT_TRUE(bFound);
}

TEST_F(SeasonSimulatorTest, ReportsWorkedByHand)
{
    whole_season::Build_League(3);
    // Cleared: nothing simulated, zero averages, nothing divided by zero.
    // The report replaces a link at its name, never writes through it.
    ASSERT_EQ(::symlink("nowhere.txt", "Simulator.txt"), 0);
    Save_Simulator_Data();
    ASSERT_TRUE(Write_Simulator_Report(0));
    EXPECT_EQ(Read_Text_File("nowhere.txt", "missing"), "missing");
    ASSERT_TRUE(Write_Simulator_Report(1));
    std::vector<std::string> Text = Lines(Read_Text_File("Simulator.txt"));
    std::vector<std::string> Csv = Lines(Read_Text_File("Simulator.csv"));
    ASSERT_GT(Text.size(), 5u);
    EXPECT_EQ(Text[0], "0 SEASONS SIMULATED");
    EXPECT_EQ(Csv[0], "0 SEASONS SIMULATED");
    // Division 0 holds clubs 0-3: four clubs, no 5+ column.
    EXPECT_EQ(Text[1], "");
    EXPECT_EQ(Text[2], "                  Team     Division    Won   Lost   WC   LC   1R  1st Wild  2nd  3rd  4th     ");
    EXPECT_EQ(Csv[2], "Team,Division,Won,Lost,WC,LC,1R,1st,Wild,2nd,3rd,4th,,,Scored,Allowed,,Running,Passing,"
                      "Run Defense,Pass Defense,Special Teams,Power Rank");
    EXPECT_EQ(Text[3], "         City 0 Club 0         East   0.00   0.00    0    0    0    0    0    0    0    0     ");
    EXPECT_EQ(Csv[3].substr(0, 46), "City 0 Club 0,East,0.00,0.00,0,0,0,0,0,0,0,0,,");

    // Twenty seasons, club 1 with 161 wins and 159 losses: 8.05 and 7.95;
    // 340 games, 7,000 points scored: 20.588 a game, 20.6.
    SIMULATOR_TOTALS T;
    std::memset(&T, 0, sizeof(T));
    T.n[SIM_SEASONS] = 20;
    T.n[SIM_WINS + 1] = 161;
    T.n[SIM_LOSSES + 1] = 159;
    T.n[SIM_GAMES + 1] = 340;
    T.n[SIM_SCORED + 1] = 7000;
    T.n[SIM_FINISHES + 9 * 1 + SIM_FIRST] = 7;
    T.n[SIM_ATTENDANCE + 1] = 1000010;   // 50,000.5 a season: 50,001
    ASSERT_EQ(Write_Simulator_Data(T), 1);
    // A fifth club in division 0 gives the 5+ column.
    Set_Team_Stat(4, TEAM_STAT_DIVISION, 0);
    ASSERT_TRUE(Write_Simulator_Report(0));
    ASSERT_TRUE(Write_Simulator_Report(1));
    Text = Lines(Read_Text_File("Simulator.txt"));
    Csv = Lines(Read_Text_File("Simulator.csv"));
    EXPECT_EQ(Text[0], "20 SEASONS SIMULATED");
    EXPECT_EQ(Text[2], "                  Team     Division    Won   Lost   WC   LC   1R  1st Wild  2nd  3rd  4th   5+");
    // Most wins first.
    EXPECT_EQ(Text[3], "         City 1 Club 1         East   8.05   7.95    0    0    0    7    0    0    0    0    0");
    EXPECT_EQ(Csv[3].substr(0, 50), "City 1 Club 1,East,8.05,7.95,0,0,0,7,0,0,0,0,0,,20");
    EXPECT_EQ(Csv[3].substr(45, 12), "0,,20.6,0.0,");
    bool bFinance = false;
    for (const std::string& Line : Text)
        if (Line == "         City 1 Club 1      50001          0          0")
            bFinance = true;
    EXPECT_TRUE(bFinance);

    // A report the disk cannot take keeps the old one and says why.
    const std::string Old = Read_Text_File("Simulator.txt");
    const int nAnswer = file_size_limit::Run_Limited(64, [] {
        ui::Clear_Shown_Boxes();
        if (Write_Simulator_Report(0))
            return 10;
        const std::vector<SHOWN_BOX> Boxes = ui::Shown_Boxes();
        return Boxes.size() == 1 && Boxes[0].Text == "\"Simulator.txt\" could not be written (File too large)." ? 1 : 2;
    });
    EXPECT_EQ(nAnswer, 1) << "1: failed and told why; 2: failed, told otherwise; 10: written";
    EXPECT_EQ(Read_Text_File("Simulator.txt"), Old);
}

// What a load runs after it has replaced the block.
void As_A_Load_Leaves_It(const LEAGUE_DATA& Block)
{
    std::memcpy(&League, &Block, sizeof(LEAGUE_DATA));
    Forget_Season_Line_Allocator();
    Reset_Name_Pool();
    Note_All_Player_Ratings_Changed();
    Invalidate_Career_Leaders_Snapshot();
    Build_Player_Name_Hash();
    Build_Corvel_ID_Hash();
    Build_Player_ID_Hash();
}

std::vector<std::string> g_Saves;
int Record_Save(const char* szPath)
{
    g_Saves.emplace_back(szPath);
    return 0;
}

TEST_F(SeasonSimulatorTest, ARunLeavesTheLeagueAsItWasAndCountsEachSeasonOnce)
{
    // The default league, a user's club in it.
    Copy_Default_League_Inputs();
    std::string Built;
    ASSERT_TRUE(Build_Default_League(Built)) << Built;
    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Game_Pages_Enabled(true);
    Set_User_Preference(PREF_AUTO_SAVE, 1);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    SHELL_HANDLER Handler;
    Handler.pSave = Record_Save;
    Install_Shell_Handler(&Handler);
    g_Saves.clear();
    Save_Simulator_Data();
    // The league as a load leaves it (the hashes' rebuild fills in what the
    // fixture leaves out), as the simulator finds it in the program.
    auto pBefore = std::make_unique<LEAGUE_DATA>();
    std::memcpy(pBefore.get(), &League, sizeof(LEAGUE_DATA));
    As_A_Load_Leaves_It(*pBefore);
    std::memcpy(pBefore.get(), &League, sizeof(LEAGUE_DATA));

    std::string Problem;
    ASSERT_TRUE(Simulate_Seasons(2, Problem)) << Problem;
    // Simulated games write no box score over the real season's.
    EXPECT_FALSE(std::filesystem::exists("Output") && !std::filesystem::is_empty("Output"));
    {
        const unsigned char* a = reinterpret_cast<const unsigned char*>(pBefore.get());
        const unsigned char* b = reinterpret_cast<const unsigned char*>(&League);
        size_t nFirst = sizeof(LEAGUE_DATA);
        for (size_t i = 0; i < sizeof(LEAGUE_DATA); ++i)
            if (a[i] != b[i]) {
                nFirst = i;
                break;
            }
        EXPECT_EQ(nFirst, sizeof(LEAGUE_DATA)) << "first differing byte";
    }
    EXPECT_TRUE(g_Saves.empty()) << g_Saves[0];
    // The lookups point where the players are again (computer trades and
    // roster moves of the simulated seasons moved some).
    int nChecked = 0;
    for (int t = 0; t < 32; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nId = Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID);
            if (nId <= 0)
                continue;
            int nTeam = -1, nSlot = -1;
            ASSERT_TRUE(Find_Player_ID_Team_Slot(&nTeam, &nSlot, nId)) << nId;
            EXPECT_EQ(nTeam * 1000 + nSlot, t * 1000 + s) << nId;
            ++nChecked;
        }
    EXPECT_GT(nChecked, 32 * 40);

    SIMULATOR_TOTALS T;
    ASSERT_EQ(Load_Simulator_Data(T), 1);
    EXPECT_EQ(T.n[SIM_SEASONS], 2);
    int nChampions = 0, nLeagueChampions = 0, nFirsts = 0, nWild = 0, nPlaces = 0;
    long long nWins = 0, nLosses = 0, nGames = 0, nScored = 0, nAllowed = 0;
    for (int t = 0; t < 32; ++t) {
        const int32_t* c = &T.n[SIM_FINISHES + 9 * t];
        nChampions += c[SIM_WORLD_CHAMPION];
        nLeagueChampions += c[SIM_LEAGUE_CHAMPION];
        nFirsts += c[SIM_FIRST];
        nWild += c[SIM_WILD];
        nPlaces += c[SIM_FIRST] + c[SIM_SECOND] + c[SIM_THIRD] + c[SIM_FOURTH] + c[SIM_FIFTH_OR_LOWER];
        nWins += T.n[SIM_WINS + t];
        nLosses += T.n[SIM_LOSSES + t];
        nGames += T.n[SIM_GAMES + t];
        nScored += T.n[SIM_SCORED + t];
        nAllowed += T.n[SIM_ALLOWED + t];
    }
    // Each season: one champion, one losing finalist, eight division
    // winners, seven playoff clubs a league, every club placed once.
    EXPECT_EQ(nChampions, 2);
    EXPECT_EQ(nLeagueChampions, 2);
    EXPECT_EQ(nFirsts, 16);
    // Four division winners and the wild cards of each league, each season.
    EXPECT_EQ(nWild, 2 * 2 * (4 + Get_Universe_Stat(WILD_CARD_TEAMS)));
    EXPECT_EQ(nPlaces, 64);
    EXPECT_EQ(nWins, nLosses);
    EXPECT_GT(nGames, 2 * 32 * 14);
    EXPECT_EQ(nScored, nAllowed);
    EXPECT_GT(nScored, 0);

    // The next week plays as it does after a fresh load of the same league.
    Seed_Random_Numbers(99);
    Advance_Day(1);
    auto pAfterRun = std::make_unique<LEAGUE_DATA>();
    std::memcpy(pAfterRun.get(), &League, sizeof(LEAGUE_DATA));
    As_A_Load_Leaves_It(*pBefore);
    Seed_Random_Numbers(99);
    Advance_Day(1);
    EXPECT_EQ(std::memcmp(pAfterRun.get(), &League, sizeof(LEAGUE_DATA)), 0);

    // A complete season is refused: another run would play the off-season.
    As_A_Load_Leaves_It(*pBefore);
    Advance_Day(22);
    Advance_Day(22);
    ASSERT_TRUE(Is_Season_Complete());
    ui::Reset();
    EXPECT_FALSE(Simulate_Seasons(1, Problem));
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    ASSERT_EQ(Load_Simulator_Data(T), 1);
    EXPECT_EQ(T.n[SIM_SEASONS], 2);
}

}  // namespace
