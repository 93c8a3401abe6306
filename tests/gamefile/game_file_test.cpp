// The game file: the head and blocks written, byte-identical round trips,
// damaged files refused with the league untouched, saves that fail without
// harming the previous file, version handling and the repairs of a load.

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "gamefile/old_files.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "gamefile/game_file_fixture.h"
#include "league/league_fixture.h"
#include "test_support.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "season/player_repairs.h"

namespace {

using BYTES = std::vector<unsigned char>;

BYTES Read_File(const std::string& Path)
{
    const std::string Text = Read_Text_File(Path);
    return BYTES(Text.begin(), Text.end());
}

void Write_File(const std::string& Path, const BYTES& Data)
{
    FILE* pFile = std::fopen(Path.c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    ASSERT_EQ(std::fwrite(Data.data(), 1, Data.size(), pFile), Data.size());
    std::fclose(pFile);
}

uint32_t Read_Length(const BYTES& Data, size_t nAt)
{
    uint32_t n;
    std::memcpy(&n, &Data[nAt], 4);   // little-endian, as the machine
    return n;
}

void Append_Length(BYTES& Data, uint32_t n)
{
    Data.insert(Data.end(), reinterpret_cast<unsigned char*>(&n), reinterpret_cast<unsigned char*>(&n) + 4);
}

BYTES Head(const char* szDigits)
{
    std::string Text = std::string("RIRARUVAZAVIZ") + szDigits + "    Cc";
    BYTES Data(Text.begin(), Text.end());
    Data.resize(Data.size() + 2, 0);
    return Data;
}

// A file of the given head whose blocks hold the given pieces of a region,
// each compressed here with zlib itself.
BYTES Make_File(const char* szDigits, const std::vector<BYTES>& Pieces)
{
    BYTES Data = Head(szDigits);
    for (const BYTES& Piece : Pieces) {
        uLongf nOut = compressBound(Piece.size());
        BYTES Block(nOut);
        EXPECT_EQ(compress2(Block.data(), &nOut, Piece.data(), Piece.size(), 1), Z_OK);
        Append_Length(Data, static_cast<uint32_t>(nOut));
        Data.insert(Data.end(), Block.begin(), Block.begin() + static_cast<long>(nOut));
    }
    return Data;
}

const unsigned char* const League_Bytes = reinterpret_cast<const unsigned char*>(&League);

// The league cut into the 100 pieces the writer uses.
std::vector<BYTES> Region_Pieces()
{
    std::vector<BYTES> Pieces;
    for (size_t k = 0, nOffset = 0; k < 100; ++k) {
        size_t n = k == 99 ? 229824 : 229752;
        Pieces.emplace_back(League_Bytes + nOffset, League_Bytes + nOffset + n);
        nOffset += n;
    }
    return Pieces;
}

class GameFileTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"gamefile"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        TearDown();
    }
    void TearDown() override
    {
        Set_Save_Write_Fault(-1);
        Set_Save_Allocation_Fault(false);
        Set_Load_Sequence_Enabled(true);
        Set_Game_File_Threads(0);
    }

    static void Add_Player(int nTeam, int nSlot, int nID, int nPosition, float fRating)
    {
        Add_Game_File_Player(nTeam, nSlot, nID, nPosition, fRating);
    }
    static void Build_League() { Build_Game_File_League(); }
};

}  // namespace

TEST_F(GameFileTest, SavedFileHasTheHeadAndOneHundredBlocksOfTheRegion)
{
    Build_League();
    ASSERT_EQ(Save_Game("league.zrt"), 0);
    // Adler-32 from 0 over the team records, + 7,200: what older files store.
    uint32_t nExpected = static_cast<uint32_t>(adler32(0L, League_Bytes + 2480, 41 * 114968)) + 7200u;
    EXPECT_EQ(static_cast<uint32_t>(Get_Saved_Data_Checksum()), nExpected);

    BYTES Data = Read_File("league.zrt");
    ASSERT_GT(Data.size(), 25u);
    EXPECT_EQ(BYTES(Data.begin(), Data.begin() + 25), Head("2101"));
    // 100 blocks of zlib level 6 (header 78 9C) that inflate to the pieces.
    const std::vector<BYTES> Pieces = Region_Pieces();
    size_t nAt = 25;
    for (int k = 0; k < 100 && nAt + 6 <= Data.size(); ++k) {
        uint32_t n = Read_Length(Data, nAt);
        EXPECT_EQ(Data[nAt + 5], 0x9C);
        BYTES Piece(500000);
        uLongf nOut = Piece.size();
        ASSERT_EQ(uncompress(Piece.data(), &nOut, &Data[nAt + 4], std::min<size_t>(n, Data.size() - nAt - 4)), Z_OK);
        Piece.resize(nOut);
        EXPECT_EQ(Piece, Pieces[k]) << "block " << k;
        nAt += 4 + n;
    }
    EXPECT_EQ(nAt, Data.size());   // nothing follows the last block
    EXPECT_FALSE(std::filesystem::exists("league.zrt.saving"));
}

TEST_F(GameFileTest, AutoSaveIsLevelOneAndThreadsWriteTheSameBytes)
{
    Build_League();
    for (size_t i = 0; i < sizeof(League.Game[20]); i += 7)   // a block of varied data
        reinterpret_cast<unsigned char*>(&League.Game[20])[i] = static_cast<unsigned char>(i * 31 >> 3);
    for (const char* szName : {"[Auto Save].zrt", "one.zrt"}) {
        Set_Game_File_Threads(1);
        ASSERT_EQ(Save_Game(szName), 0);
        BYTES Single = Read_File(szName);
        for (int nThreads : {2, 8}) {
            Set_Game_File_Threads(nThreads);
            ASSERT_EQ(Save_Game(szName), 0);
            EXPECT_EQ(Single, Read_File(szName)) << szName << " " << nThreads;
        }
        EXPECT_EQ(Single[30], szName[0] == '[' ? 0x01 : 0x9C) << szName;   // zlib header 78 01 or 78 9C
    }
}

TEST_F(GameFileTest, RoundTripRestoresTheLeagueByteForByte)
{
    Build_League();
    ASSERT_EQ(Save_Game("round.zrt"), 0);
    LEAGUE_SNAPSHOT Saved;
    Zero_League_Data();
    Set_Load_Sequence_Enabled(false);
    ASSERT_EQ(Load_Universe_Database("round.zrt"), 1);
    EXPECT_TRUE(Saved.Unchanged());
    EXPECT_EQ(ui::Progress().Title, "Loading Game (v21.00)");

    // Unsaved changes are judged over the whole block: a city edit counts
    // although the stored team checksum still matches; the page the main
    // window shows is saved but is no change.
    EXPECT_EQ(Has_League_Changed(), 0);
    League.Preferences.nInt[PREF_MAIN_PAGE] = 40074;
    EXPECT_EQ(Has_League_Changed(), 0);
    League.City[3].nStat[2] = 17;
    EXPECT_EQ(Has_League_Changed(), 1);
    ASSERT_EQ(Save_Game("round.zrt"), 0);
    EXPECT_EQ(Has_League_Changed(), 0);
}

TEST_F(GameFileTest, ASecondLeagueLoadedWeighsItsOwnDraftPicks)
{
    // Two leagues alike but for one player of the same ID, much better in the
    // second.
    Build_League();
    For_Each_Player_In_Use([](int t, int s) { Set_Player_Drafted_By(t, s, NO_TEAM); });
    ASSERT_EQ(Save_Game("first.zrt"), 0);
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(1, 5, r, Get_Player_Rating(1, 5, r) + 30.0f);
    ASSERT_EQ(Save_Game("second.zrt"), 0);

    // No repair of the load moves the ratings' count here: only the load
    // itself can tell the draft its figures are of another league.
    Set_Load_Sequence_Enabled(false);
    ASSERT_EQ(Load_Universe_Database("second.zrt"), 1);
    Forget_Fantasy_Pick_Values();
    const int nSecond = Get_Fantasy_Pick_Value(0, 1, 5);
    ASSERT_EQ(Load_Universe_Database("first.zrt"), 1);
    Forget_Fantasy_Pick_Values();
    const int nFirst = Get_Fantasy_Pick_Value(0, 1, 5);
    ASSERT_NE(nFirst, nSecond);

    ASSERT_EQ(Load_Universe_Database("second.zrt"), 1);
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 1, 5), nSecond);
    ASSERT_EQ(Load_Universe_Database("first.zrt"), 1);
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 1, 5), nFirst);
    Forget_Fantasy_Pick_Values();
}

TEST_F(GameFileTest, LoadSequenceConvertsTheYearAndClearsTheRunningFlags)
{
    Build_League();
    // Saved mid-simulation while the user watched a game, the season index a year.
    const int nFlags[][2] = {{PREF_PLAYING_GAMES, 1},   {PREF_SIMULATION_RUNNING, 0}, {PREF_TRADE_ATTEMPTS, 0},
                             {PREF_ANIMATION_MODE, 0},  {PREF_ALL_COMPUTER_TEAMS, 0}};   // and after the load
    for (const auto& f : nFlags)
        Set_User_Preference(f[0], 1);
    Set_User_Preference(PREF_SEASON_INDEX, 2019);
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 1);      // saved inside a day advance
    Set_Team_String("Albany", 3, TEAM_STRING_CITY);   // cities out of order
    ASSERT_EQ(Save_Game("midgame.zrt"), 0);

    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database("midgame.zrt"), 1);
    EXPECT_EQ(League.Universe.nStat[FIRST_SEASON_YEAR], 1998);
    EXPECT_EQ(Get_User_Preference(PREF_SEASON_INDEX), 21);
    for (const auto& f : nFlags)   // Resume plays the watched game on
        EXPECT_EQ(Get_User_Preference(f[0]), f[1]) << f[0];
    EXPECT_EQ(Get_Universe_Word(DAY_ADVANCE_BUSY_WORD), 0);   // else every later advance is refused
    // Albany's team sorts first, its players with it; Chicago's is now third.
    char szCity[32];
    Get_Team_String(szCity, 0, TEAM_STRING_CITY);
    EXPECT_STREQ(szCity, "Albany");
    EXPECT_EQ(League.Team[0].Player[4].nVital[VITAL_PLAYER_ID], 4004);
    EXPECT_EQ(League.Team[2].Player[4].nVital[VITAL_PLAYER_ID], 2004);
}

TEST_F(GameFileTest, DamagedFilesAreRefusedAndLeaveTheLeagueAndFileAlone)
{
    Build_League();
    League.City[5].nStat[0] = 12345;   // the league in memory differs from every file below
    std::vector<BYTES> Pieces = Region_Pieces();
    const BYTES Good = Make_File("2101", Pieces);
    const char* szInvalid = "The file \"bad.zrt\" is not a valid Vazarudu Kelvo file.";
    const char* szV4101 = "Unable to load V4.101 zrt file.  Please start a new game.";

    struct DAMAGE {
        const char* szName;
        BYTES Data;
        const char* szFirstBox;   // null: only the read error
        const char* szReason;     // how the read error's reason begins
    };
    auto Patched = [&Good](size_t nAt, std::initializer_list<unsigned char> Bytes) {
        BYTES Data = Good;
        std::copy(Bytes.begin(), Bytes.end(), Data.begin() + static_cast<long>(nAt));
        return Data;
    };
    auto Cut = [&Good](size_t n) { return BYTES(Good.begin(), Good.begin() + static_cast<long>(n)); };
    const size_t nSecond = 25 + 4 + Read_Length(Good, 25);
    const char* szCutShort = "The file is cut short or damaged: its block lengths end at block ";
    std::vector<DAMAGE> Cases = {
        {"short head", Cut(10), szInvalid, "The file ends after 10 bytes, inside its head."},
        {"wrong tag", Patched(0, {'X'}), szInvalid, "Its head is not \"RIRARUVAZAVIZ\" and four version digits"},
        {"bad digits", Patched(15, {'x'}), szInvalid, "Its head is not \"RIRARUVAZAVIZ\" and four version digits"},
        {"head cut after the digits", Cut(22), nullptr, "The file ends inside its 25-byte head."},
        // The file ends inside the second block: its length claims more.
        {"truncated block", Cut(nSecond + 10), nullptr,
         "The file is cut short or damaged: its block lengths end at block 2 of 100, before its blocks could fill "
         "the league."},
        {"corrupt zlib data", Patched(nSecond + 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), nullptr,
         "Block 2 of 100 is damaged: its compressed data do not inflate ("},
        // 459,506 and more: the lengths cannot fill the league.
        {"length above the buffer", Patched(25, {0xF2, 0x02, 0x07, 0x00}), nullptr,
         "The file is cut short or damaged: its block lengths end at block 1 of 100,"},
    };
    Cases.push_back({"fewer blocks", Make_File("2101", std::vector<BYTES>(Pieces.begin(), Pieces.begin() + 99)),
                     nullptr, "Block 100 of 100 is missing: the file ends before it (the data blocks fill 22745448 "
                              "bytes of 22975272)."});
    std::vector<BYTES> Past = Pieces;
    Past[99].resize(Past[99].size() + 100, 1);   // the last block inflates past the region
    Cases.push_back({"past the region", Make_File("2101", Past), nullptr, "Block 100 of 100 "});
    std::vector<BYTES> Large(Pieces.begin(), Pieces.end() - 2);
    Large[0].resize(459506, 2);                  // more than one block may yield
    Cases.push_back({"oversized block", Make_File("2101", Large), nullptr,
                     "Block 1 of 100 inflates to more than its room in the league."});
    BYTES Beyond = Head("2101");
    Append_Length(Beyond, 400000);
    Beyond.resize(Beyond.size() + 1000, 0);
    Cases.push_back({"length beyond the file", Beyond, nullptr, szCutShort});   // at block 1
    Cases.push_back({"region not filled", Make_File("2101", std::vector<BYTES>(100, BYTES(1000, 0))), nullptr,
                     "The data blocks hold "});
    Cases.push_back({"version 4101", Make_File("4101", Pieces), szV4101, "Files of version V4.101 are not supported."});
    Cases.push_back({"short version 4101", Head("4101"), szV4101,   // the message needs no more of the file
                     "Files of version V4.101 are not supported."});
    Cases.push_back({"old universe layout", Make_File("5000", Pieces), nullptr,
                     "Its older league layout (version V5.000) could not be converted."});
    // Versions this program does not know: a newer one of its own line, and
    // past the newest of the older line; nothing of them is read.
    const char* szUnknown = "which this program does not know (it reads its own versions up to V21.00 and the "
                            "older line's from V2.180 to V8.510): it was written by a newer program, or its head "
                            "is damaged.";
    Cases.push_back({"version 9999", Make_File("9999", Pieces), nullptr, "Its head names version V9.999, "});
    Cases.push_back({"version 2110", Make_File("2110", Pieces), nullptr, "Its head names version V21.10, "});
    Cases.push_back({"short version 8511", Head("8511"), nullptr, "Its head names version V8.511, "});

    for (const DAMAGE& Case : Cases) {
        SCOPED_TRACE(Case.szName);
        Write_File("bad.zrt", Case.Data);
        ui::Clear_Shown_Boxes();
        LEAGUE_SNAPSHOT Before;
        EXPECT_EQ(Load_Universe_Database("bad.zrt"), 0);
        EXPECT_TRUE(Before.Unchanged());
        EXPECT_EQ(Read_File("bad.zrt"), Case.Data);
        const std::vector<SHOWN_BOX>& Boxes = ui::Shown_Boxes();
        ASSERT_EQ(Boxes.size(), Case.szFirstBox ? 2u : 1u);
        if (Case.szFirstBox) {
            EXPECT_EQ(Boxes[0].Text, Case.szFirstBox);
            EXPECT_EQ(Boxes[0].Caption, Case.szFirstBox == szV4101 ? "Unsupported Version" : "Read Error");
        }
        // The box's own words, then the reason as a sentence of its own.
        const std::string Words = "Couldn't load the game \"bad.zrt\".\n\nThere was an error in reading the file.\n\n";
        EXPECT_EQ(Boxes.back().Text.rfind(Words + Case.szReason, 0), 0u) << Boxes.back().Text;
        if (std::string(Case.szReason).rfind("Its head names version", 0) == 0) {
            EXPECT_NE(Boxes.back().Text.find(szUnknown), std::string::npos) << Boxes.back().Text;
        }
        std::string Reason = Boxes.back().Text.substr(Words.size());
        Reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(Reason[0])));
        Reason.pop_back();
        EXPECT_EQ(Get_Last_Load_Failure(), Reason);
    }
    // A load that succeeds forgets the last failure.
    Write_File("good.zrt", Good);
    ASSERT_EQ(Load_Universe_Database("good.zrt"), 1);
    EXPECT_EQ(Get_Last_Load_Failure(), "");
}

TEST_F(GameFileTest, FailedSavesKeepThePreviousFileAndTheStoredChecksum)
{
    Build_League();
    ASSERT_EQ(Save_Game("keep.zrt"), 0);
    const BYTES Previous = Read_File("keep.zrt");
    League.Team[1].nTeamStat[20] = 99;   // a change to save
    const int nStored = Get_Saved_Data_Checksum();

    // The disk fills half-way through the blocks.
    for (int nThreads : {1, 2}) {
        Set_Game_File_Threads(nThreads);
        Set_Save_Write_Fault(3000);
        EXPECT_EQ(Save_Game("keep.zrt"), 2);
        EXPECT_EQ(Read_File("keep.zrt"), Previous);
        EXPECT_EQ(Get_Saved_Data_Checksum(), nStored);
        for (const auto& Entry : std::filesystem::directory_iterator("."))
            EXPECT_NE(Entry.path().filename().string().rfind(".kelvo-save-", 0), 0u) << "a temporary stayed";
    }
    Set_Save_Write_Fault(-1);
    Set_Game_File_Threads(0);

    // A block that does not compress into its own size.
    unsigned char* p = reinterpret_cast<unsigned char*>(&League.Game[30]);
    const BYTES Saved(p, p + sizeof(GAME) * 6);
    for (size_t i = 0, x = 12345; i < Saved.size(); ++i, x = x * 1103515245u + 12345u)
        p[i] = static_cast<unsigned char>(x >> 24);
    EXPECT_EQ(Save_Game("keep.zrt"), 2);
    EXPECT_EQ(Read_File("keep.zrt"), Previous);
    std::memcpy(p, Saved.data(), Saved.size());

    // No compression buffer: the box, a failure code, nothing written.
    ui::Clear_Shown_Boxes();
    Set_Save_Allocation_Fault(true);
    EXPECT_EQ(Save_Game("fresh.zrt"), SAVE_GAME_NO_MEMORY);
    EXPECT_FALSE(std::filesystem::exists("fresh.zrt"));
    EXPECT_EQ(Get_Saved_Data_Checksum(), nStored);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Memory Allocation Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Unable to allocate save game compression buffer!\n\nPlease close any open programs and try again.");
}

TEST_F(GameFileTest, VersionDigitsAndTheirHandling)
{
    const struct {
        const char* szDigits;
        int nVersion;
    } Versions[] = {{"2101", 2100}, {"2175", 2170}, {"2181", 2181}, {"0000", 0}, {"21 1", -1}, {"210", -1}};
    for (const auto& v : Versions)
        EXPECT_EQ(Parse_Game_File_Version(v.szDigits), v.nVersion) << v.szDigits;

    // From 7800 the stored checksum is compared; a mismatch warns and loads.
    Build_League();
    Set_User_Preference(PREF_SAVED_CHECKSUM, 1);
    Set_Load_Sequence_Enabled(false);
    Write_File("v7900.zrt", Make_File("7900", Region_Pieces()));
    ASSERT_EQ(Load_Universe_Database("v7900.zrt"), 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Load Game Warning");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Game data has changed since last written to disk.\n\nThe file may have been edited, or corrupted.");
    EXPECT_EQ(ui::Progress().Title, "Loading Game (v7.900)");
}

TEST_F(GameFileTest, OlderLineFileGetsItsFixUps)
{
    Build_League();
    League.Team[0].Player[0].nVital[VITAL_DRAFT_PICK] = 1230045;   // round 123, pick 45 in the old form
    League.Team[0].Player[1].nVital[VITAL_DRAFT_PICK] = -1;
    Set_User_Preference(PREF_SAVED_CHECKSUM, static_cast<int>(Compute_Game_Data_Checksum()));
    Write_File("v8000.zrt", Make_File("8000", Region_Pieces()));
    ASSERT_EQ(Load_Universe_Database("v8000.zrt"), 1);
    // The league's nameless players are named on the way, and this folder has
    // no name lists: each missing list is reported once, nothing else is.
    for (const SHOWN_BOX& Box : ui::Shown_Boxes()) {
        EXPECT_EQ(Box.Caption, "File Error");
        EXPECT_EQ(Box.Text.rfind("Couldn't open file: \"names\\", 0), 0u) << Box.Text;
    }
    EXPECT_LE(ui::Shown_Boxes().size(), 2u);
    // 1,230,045 + 90,000 x 123: the pick number keeps its place. (The load
    // sets the depth charts, so the two are found by their IDs.)
    const auto Pick_Of = [](int nID) {
        for (const PLAYER& Player : League.Team[0].Player)
            if (Player.nVital[VITAL_PLAYER_ID] == nID)
                return Player.nVital[VITAL_DRAFT_PICK];
        ADD_FAILURE() << "no player " << nID;
        return 0;
    };
    EXPECT_EQ(Pick_Of(1000), 12300045);
    EXPECT_EQ(Pick_Of(1001), -1);
}

TEST_F(GameFileTest, GamePathAndTextAreBoundedAndZeroFilled)
{
    std::memset(League.szCurrentGamePath, 'x', sizeof(League.szCurrentGamePath));
    EXPECT_EQ(Set_Current_Game_Path("My Game.zrt"), 1);
    EXPECT_EQ(std::string(League.szCurrentGamePath + 11, 245), std::string(245, '\0'));

    EXPECT_EQ(Set_Current_Game_Path(std::string(300, 'p').c_str()), 0);
    EXPECT_EQ(League.szCurrentGamePath[254], 'p');
    EXPECT_EQ(League.szCurrentGamePath[255], 0);
    EXPECT_EQ(League.szCurrentGameText[0], 0);   // the next field is untouched
    char szSmall[6];
    Get_Current_Game_Path(szSmall, sizeof(szSmall));
    EXPECT_STREQ(szSmall, "ppppp");

    EXPECT_EQ(Set_Current_Game_Text(std::string(64, 't').c_str()), 0);
    EXPECT_EQ(std::string(League.szCurrentGameText), std::string(63, 't'));
    EXPECT_EQ(League.szDatabaseNotes[0], 0);
}

// ---------------------------------------------------------------------------
// The repairs of a load

namespace {

class GameFileRepairTest : public GameFileTest {
protected:
    void SetUp() override
    {
        GameFileTest::SetUp();
        Clear_All_Teams();
        Set_Regular_Season_Weeks(17);
        for (int t = 0; t < 3; ++t) {
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
            for (int w = 0; w < SCHEDULE_WEEKS; ++w)
                League.Team[t].nSchedule[w][3] = -1;
        }
    }
    static int Yearly(int t, int n) { return League.Team[t].bYearly[0][n]; }
};

}  // namespace

TEST_F(GameFileRepairTest, RelinkPutsTheScheduledTeamsIntoTheirGamesAndRecountsResults)
{
    // Week 2: team 0 at home to team 1 in game 0; week 18 (playoffs): team 1
    // at home to team 0 in game 1. Both records hold other teams' bytes.
    // Then damaged entries: a record index past the table, an opponent past the teams.
    const int nEntries[][4] = {{0, 2, 2, 0}, {1, 2, -1, 0}, {1, 18, 1, 1}, {2, 3, 1, 450}, {2, 4, -90, 2}};
    for (const auto& e : nEntries) {   // team, week, opponent word, game record
        League.Team[e[0]].nSchedule[e[1]][0] = e[2];
        League.Team[e[0]].nSchedule[e[1]][3] = e[3];
    }
    Put_Game(0, 2, 2, 17, 24, 2);
    Put_Game(1, 2, 2, 10, 31, 18);
    Put_Game(2, 7, 9, 0, 0, 3, 0);
    Put_Game(3, 2, 0, 13, 6, 4);   // unscheduled, but a result: team 2 wins away
    League.Team[0].bYearly[0][YEARLY_WINS] = 9;   // stale counts are replaced
    League.Team[2].bYearly[0][YEARLY_HOME_WINS] = 4;
    Relink_Games_And_Records();
    const int nTeams[3][2] = {{1, 0}, {0, 1}, {7, 9}};   // away, home
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(League.Game[g].nAwayTeam, nTeams[g][0]) << g;
        EXPECT_EQ(League.Game[g].nHomeTeam, nTeams[g][1]) << g;
    }
    // Team 0 won at home in the season, lost away to team 2 and in the playoffs.
    const int nExpected[][3] = {{0, YEARLY_WINS, 1},        {0, YEARLY_HOME_WINS, 1},      {0, YEARLY_LOSSES, 1},
                                {0, YEARLY_HOME_LOSSES, 1}, {0, YEARLY_PLAYOFF_LOSSES, 1}, {0, YEARLY_PLAYOFF_WINS, 0},
                                {1, YEARLY_LOSSES, 1},      {1, YEARLY_HOME_LOSSES, 0},    {1, YEARLY_PLAYOFF_WINS, 1},
                                {2, YEARLY_WINS, 1},        {2, YEARLY_HOME_WINS, 0},      {2, YEARLY_TIES, 0}};
    for (const auto& e : nExpected)
        EXPECT_EQ(Yearly(e[0], e[1]), e[2]) << "team " << e[0] << " field " << e[1];
}

TEST_F(GameFileRepairTest, OnTheOffSeasonDayTheGamesCountForTheSeasonTheyWerePlayedIn)
{
    // Season 1 has begun (day 100): its records are 0-0, while the game
    // records still hold season 0. In it team 0 beat team 1 at home, won at
    // team 2, teams 1 and 2 tied at team 1, and in the playoffs team 1 won
    // at team 0.
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    Put_Game(0, 1, 0, 10, 24, 0);
    Put_Game(1, 0, 2, 17, 13, 1);
    Put_Game(2, 2, 1, 20, 20, 2);
    Put_Game(3, 0, 1, 3, 27, 17);
    // Season 0 as a League Editor change left it: team 0 at 9 wins.
    Set_Team_Yearly_Char(0, 0, YEARLY_WINS, 9);
    Set_Team_Yearly_Char(0, 0, YEARLY_LOSSES, 5);

    // Bytes 0, 4, 8, 12, 16, 20, 24, 28: wins, losses, ties, the same at
    // home, playoff wins and losses.
    const int nByte[8] = {YEARLY_WINS,        YEARLY_LOSSES,    YEARLY_TIES,         YEARLY_HOME_WINS,
                          YEARLY_HOME_LOSSES, YEARLY_HOME_TIES, YEARLY_PLAYOFF_WINS, YEARLY_PLAYOFF_LOSSES};
    const int nPlayed[3][8] = {{2, 0, 0, 1, 0, 0, 0, 1}, {0, 1, 1, 0, 0, 1, 1, 0}, {0, 1, 1, 0, 1, 0, 0, 0}};
    auto Expect_Season = [&](int nYear, const int (&nWanted)[3][8], const char* szWhen) {
        for (int t = 0; t < 3; ++t)
            for (int k = 0; k < 8; ++k)
                EXPECT_EQ(Get_Team_Yearly_Char(t, nYear, nByte[k]), nWanted[t][k])
                    << szWhen << ": season " << nYear << ", team " << t << ", byte " << nByte[k];
    };
    const int nNone[3][8] = {};

    Relink_Games_And_Records();
    Expect_Season(0, nPlayed, "relinked on day 100");
    Expect_Season(1, nNone, "relinked on day 100");

    // The recount of the load puts the edit of the decided season back to
    // what its games say, and leaves the new season alone.
    Set_Team_Yearly_Char(0, 0, YEARLY_WINS, 9);
    Set_Team_Yearly_Char(2, 0, YEARLY_HOME_LOSSES, 4);
    Recount_Season_Records();
    Expect_Season(0, nPlayed, "recounted on day 100");
    Expect_Season(1, nNone, "recounted on day 100");

    // With no season before the first one nothing is written anywhere.
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_Team_Yearly_Char(0, 0, YEARLY_WINS, 9);
    Relink_Games_And_Records();
    Recount_Season_Records();
    EXPECT_EQ(Get_Team_Yearly_Char(0, 0, YEARLY_WINS), 9);
    EXPECT_EQ(Get_Team_Yearly_Char(1, 1, YEARLY_PLAYOFF_WINS), 0);
    EXPECT_EQ(Errors_Reported(), 0);

    // During a season the games are that season's: season 1 in week 5.
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, 5);
    Relink_Games_And_Records();
    Expect_Season(1, nPlayed, "relinked in week 5");
    Set_Team_Yearly_Char(1, 1, YEARLY_TIES, 3);
    Recount_Season_Records();
    Expect_Season(1, nPlayed, "recounted in week 5");
    EXPECT_EQ(Get_Team_Yearly_Char(0, 0, YEARLY_WINS), 9);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GameFileRepairTest, PlayerRepairsOfEveryLoad)
{
    // Positions outside 0-14 leave the roster, which closes up.
    const int nPositions[5] = {POSITION_QB, 15, POSITION_P, -3, POSITION_K};
    for (int s = 0; s < 5; ++s)
        Add_Player(0, s, 11 + s, nPositions[s], 50.0f);
    Remove_Players_Without_Position();
    EXPECT_EQ(Count_Team_Players(0), 3);
    EXPECT_EQ(League.Team[0].Player[1].nVital[VITAL_PLAYER_ID], 13);
    EXPECT_EQ(League.Team[0].Player[2].nVital[VITAL_PLAYER_ID], 15);

    // Ratings 13-16 of old files: not a number -> default, below 20 -> 20;
    // 12 and 17 are left alone.
    float* fRating = League.Team[0].Player[0].fRating;
    const float fNaN = std::nanf("");
    const float fBefore[6] = {3.0f, fNaN, 5.0f, 20.0f, 19.5f, fNaN};   // ratings 12-17
    const float fAfter[6] = {3.0f, Get_Default_Rating(13), 20.0f, 20.0f, 20.0f, fNaN};
    std::copy(fBefore, fBefore + 6, fRating + 12);
    Convert_Old_Player_Ratings();
    for (int r = 0; r < 6; ++r)
        EXPECT_TRUE(fRating[12 + r] == fAfter[r] || (std::isnan(fAfter[r]) && std::isnan(fRating[12 + r]))) << 12 + r;

    // Speed below 40: whole part + 40 for receivers, + 30 for QB-TE; others alone.
    const struct {
        int nPosition;
        float fSpeed, fRepaired;
    } Speeds[] = {{POSITION_WR, 39.9f, 79.0f}, {POSITION_QB, 35.5f, 65.0f}, {POSITION_CB, 25.0f, 25.0f},
                  {POSITION_RB, 40.0f, 40.0f}};
    for (int s = 0; s < 4; ++s) {
        Add_Player(1, s, 21 + s, Speeds[s].nPosition, 50.0f);
        League.Team[1].Player[s].fRating[RATING_SPEED] = Speeds[s].fSpeed;
    }
    Fix_Low_Speed_Ratings();
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(League.Team[1].Player[s].fRating[RATING_SPEED], Speeds[s].fRepaired) << s;
}

// ---------------------------------------------------------------------------
// Files written by earlier builds

namespace {

// The saved-game fixtures were written by the zlib-based save of the small
// league (tests/gamefile/game_file_fixture.h): one at level 6, one the
// automatic save at level 1.
std::string Fixture_Path(const char* szName)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    return std::string(szSource ? szSource : "") + "/tests/gamefile/data/" + szName;
}

}  // namespace

TEST_F(GameFileTest, EarlierSavedFilesLoadToTheSameLeagueAndSaveAgain)
{
    // What those saves held: the league, with the checksum the save stored.
    Build_League();
    Set_Saved_Data_Checksum(static_cast<int>(Compute_Game_Data_Checksum()));
    const LEAGUE_SNAPSHOT Expected;
    Set_Load_Sequence_Enabled(false);
    for (const char* szName : {"saved-2101.zrt", "auto-save-2101.zrt"}) {
        SCOPED_TRACE(szName);
        const BYTES Fixture = Read_File(Fixture_Path(szName));
        ASSERT_GT(Fixture.size(), 25u);
        Write_File("fixture.zrt", Fixture);
        for (int nThreads : {1, 2, 8}) {
            Zero_League_Data();
            Set_Game_File_Threads(nThreads);
            ASSERT_EQ(Load_Universe_Database("fixture.zrt"), 1) << nThreads;
            EXPECT_TRUE(Expected.Unchanged()) << nThreads;
        }
        // Saved again, by this build, it loads to the same bytes.
        ASSERT_EQ(Save_Game("again.zrt"), SAVE_GAME_OK);
        Zero_League_Data();
        ASSERT_EQ(Load_Universe_Database("again.zrt"), 1);
        EXPECT_TRUE(Expected.Unchanged());
    }
}

TEST_F(GameFileTest, EveryThreadCountLoadsAsOneThreadDoes)
{
    // A file of blocks this program writes, then the same with a block of
    // another size in the middle: the standard blocks go the fast way, the
    // rest block by block, and each thread count gives the same league.
    Build_League();
    for (size_t i = 0; i < sizeof(League.Game[20]); i += 7)
        reinterpret_cast<unsigned char*>(&League.Game[20])[i] = static_cast<unsigned char>(i * 31 >> 3);
    std::vector<BYTES> Pieces = Region_Pieces();
    const LEAGUE_SNAPSHOT Expected;
    std::vector<BYTES> Uneven = Pieces;   // block 40 takes 1,000 bytes of block 41
    Uneven[40].insert(Uneven[40].end(), Uneven[41].begin(), Uneven[41].begin() + 1000);
    Uneven[41].erase(Uneven[41].begin(), Uneven[41].begin() + 1000);
    Set_Load_Sequence_Enabled(false);
    for (const auto& File : {Make_File("2101", Pieces), Make_File("2101", Uneven)}) {
        Write_File("threads.zrt", File);
        for (int nThreads : {1, 2, 3, 8}) {
            Zero_League_Data();
            Set_Game_File_Threads(nThreads);
            ASSERT_EQ(Load_Universe_Database("threads.zrt"), 1) << nThreads;
            EXPECT_TRUE(Expected.Unchanged()) << nThreads;
            EXPECT_EQ(ui::Progress().Title, "Loading Game (v21.00)");
        }
    }
}

// A block may yield up to 459,505 bytes, so 51 such blocks can fill the
// league and the file loads though its 52nd length is missing; 50 cannot,
// and a file whose lengths break off after 50 blocks is refused.
TEST_F(GameFileTest, FewLargeBlocksLoadWhenTheyFillTheLeague)
{
    Build_League();
    constexpr size_t LARGEST_YIELD = 459505;
    std::vector<BYTES> Pieces;
    for (size_t nOffset = 0; nOffset < sizeof(League); nOffset += LARGEST_YIELD) {
        size_t n = std::min(LARGEST_YIELD, sizeof(League) - nOffset);
        Pieces.emplace_back(League_Bytes + nOffset, League_Bytes + nOffset + n);
    }
    ASSERT_EQ(Pieces.size(), 51u);
    ASSERT_EQ(Pieces.back().size(), 22u);
    const LEAGUE_SNAPSHOT Expected;
    Set_Load_Sequence_Enabled(false);

    Write_File("large.zrt", Make_File("2101", Pieces));
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database("large.zrt"), 1);
    EXPECT_TRUE(Expected.Unchanged());

    Pieces.pop_back();
    Write_File("large.zrt", Make_File("2101", Pieces));
    Zero_League_Data();
    const LEAGUE_SNAPSHOT Empty;
    EXPECT_EQ(Load_Universe_Database("large.zrt"), 0);
    EXPECT_TRUE(Empty.Unchanged());
}
