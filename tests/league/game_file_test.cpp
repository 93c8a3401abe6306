// The game file: the head and blocks written, byte-identical round trips,
// damaged files refused with the league untouched, saves that fail without
// harming the previous file, version handling and the repairs of a load.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "frontoffice/college_count.h"
#include "league/default_settings.h"
#include "league/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/old_files.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/files.h"
#include "season/draft_pool.h"
#include "season/player_generation.h"
#include "test_support.h"
#include "tools/player_repairs.h"

namespace {

using BYTES = std::vector<unsigned char>;

constexpr size_t TEAM_AREA_OFFSET = 2480;
constexpr size_t TEAM_AREA_SIZE = 41 * 114968;

BYTES Read_File(const std::string& Path)
{
    BYTES Data;
    FILE* pFile = std::fopen(Path.c_str(), "rb");
    if (pFile == nullptr)
        return Data;
    unsigned char Buffer[65536];
    size_t n;
    while ((n = std::fread(Buffer, 1, sizeof(Buffer), pFile)) > 0)
        Data.insert(Data.end(), Buffer, Buffer + n);
    std::fclose(pFile);
    return Data;
}

void Write_File(const std::string& Path, const BYTES& Data)
{
    FILE* pFile = std::fopen(Path.c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    ASSERT_EQ(std::fwrite(Data.data(), 1, Data.size(), pFile), Data.size());
    std::fclose(pFile);
}

bool Exists(const std::string& Path)
{
    struct stat Info;
    return ::stat(Path.c_str(), &Info) == 0;
}

uint32_t Read_Length(const BYTES& Data, size_t nAt)
{
    return Data[nAt] | (Data[nAt + 1] << 8) | (Data[nAt + 2] << 16) | (static_cast<uint32_t>(Data[nAt + 3]) << 24);
}

void Append_Length(BYTES& Data, uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        Data.push_back(static_cast<unsigned char>(n >> (8 * i)));
}

// One zlib stream of the bytes, made here with zlib itself.
BYTES Compress(const unsigned char* p, size_t n, int nLevel = 1)
{
    uLongf nOut = compressBound(n);
    BYTES Out(nOut);
    EXPECT_EQ(compress2(Out.data(), &nOut, p, n, nLevel), Z_OK);
    Out.resize(nOut);
    return Out;
}

BYTES Inflate(const unsigned char* p, size_t n, size_t nMax)
{
    BYTES Out(nMax);
    z_stream Stream{};
    EXPECT_EQ(inflateInit(&Stream), Z_OK);
    Stream.next_in = const_cast<Bytef*>(p);
    Stream.avail_in = static_cast<uInt>(n);
    Stream.next_out = Out.data();
    Stream.avail_out = static_cast<uInt>(nMax);
    EXPECT_EQ(inflate(&Stream, Z_FINISH), Z_STREAM_END);
    Out.resize(Stream.total_out);
    inflateEnd(&Stream);
    return Out;
}

BYTES Head(const char* szDigits)
{
    std::string Text = std::string("RIRARUVAZAVIZ") + szDigits + "    Cc";
    BYTES Data(Text.begin(), Text.end());
    Data.push_back(0);
    Data.push_back(0);
    return Data;
}

// A file of the given head whose blocks hold the given pieces of a region.
BYTES Make_File(const char* szDigits, const std::vector<BYTES>& Pieces, int nLevel = 1)
{
    BYTES Data = Head(szDigits);
    for (const BYTES& Piece : Pieces) {
        BYTES Block = Compress(Piece.data(), Piece.size(), nLevel);
        Append_Length(Data, static_cast<uint32_t>(Block.size()));
        Data.insert(Data.end(), Block.begin(), Block.end());
    }
    return Data;
}

// The region cut into the 100 pieces the writer uses.
std::vector<BYTES> Region_Pieces(const unsigned char* pRegion)
{
    std::vector<BYTES> Pieces;
    size_t nOffset = 0;
    for (int k = 0; k < 100; ++k) {
        size_t n = k == 99 ? 229824 : 229752;
        Pieces.emplace_back(pRegion + nOffset, pRegion + nOffset + n);
        nOffset += n;
    }
    return Pieces;
}

const unsigned char* League_Bytes()
{
    return reinterpret_cast<const unsigned char*>(&League);
}

class GameFileTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"gamefile"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Reset_Hooks();
    }
    void TearDown() override { Reset_Hooks(); }
    static void Reset_Hooks()
    {
        Set_Save_Write_Fault(-1);
        Set_Save_Allocation_Fault(false);
        Set_Load_Sequence_Enabled(true);
        Set_Save_Compression_Threads(0);
    }

    static void Add_Player(int nTeam, int nSlot, int nID, int nPosition, float fRating)
    {
        Clear_Player(nTeam, nSlot);
        League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] = nID;
        League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION] = nPosition;
        League.Team[nTeam].Player[nSlot].nVital[VITAL_BIRTH_DATE] = 19950101;
        char szName[20];
        std::snprintf(szName, sizeof(szName), "Player%d", nID);
        Set_Player_Last_Name(nTeam, nSlot, szName);
        Set_Player_First_Name(nTeam, nSlot, "Sam");
        for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
            Set_Player_Rating(nTeam, nSlot, r, fRating + static_cast<float>(r % 5));
    }

    // Four franchises with players, schedules and finished game records, a
    // city, preferences and season lines: a league as late in a season.
    static void Build_League()
    {
        Clear_All_Teams();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        League.Universe.nStat[GAMES_PER_SEASON] = 16;
        League.Universe.nStat[INFLATION_FACTOR] = 1000;
        std::strcpy(League.szSkinName, "earth");
        const char* Cities[4] = {"Boston", "Chicago", "Denver", "Houston"};
        const char* Nicknames[4] = {"Owls", "Bears", "Foxes", "Oilers"};
        for (int t = 0; t < 4; ++t) {
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, t == 0 ? CONTROLLER_USER : CONTROLLER_COMPUTER);
            Set_Team_Stat(t, TEAM_STAT_DIVISION, t < 2 ? 0 : 4);
            Set_Team_String(Cities[t], t, TEAM_STRING_CITY);
            Set_Team_String(Nicknames[t], t, TEAM_STRING_NICKNAME);
            Set_Team_Stadium_Stat(t, STADIUM_STAT_CAPACITY, 60000 + t);
            for (int s = 0; s < 30; ++s)
                Add_Player(t, s, 1000 * (t + 1) + s, s % 15, 50.0f + static_cast<float>(s));
            for (int w = 0; w < SCHEDULE_WEEKS; ++w)
                League.Team[t].nSchedule[w][3] = -1;
        }
        Add_Player(FIRST_DRAFT_POOL_TEAM, 0, 9001, POSITION_QB, 60.0f);
        std::strcpy(League.City[0].szName, "Boston");
        League.City[0].nStat[0] = 650000;
        for (int g = 0; g < 8; ++g) {
            GAME& Game = League.Game[g];
            Game.nAwayTeam = static_cast<uint8_t>(g % 4);
            Game.nHomeTeam = static_cast<uint8_t>((g + 1) % 4);
            Game.nScore[0] = 10 + g;
            Game.nScore[1] = 20 - g;
            Game.nClock = 3600;
            Game.nPlays = 120;
            for (int p = 0; p < 120; ++p)
                Game.PlayLog[p].nPlayer1 = 1000 + p * g;
        }
        for (int k = 0; k < 50; ++k)
            League.SeasonLines[k][0] = 2000 + k;
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Set_User_Preference(PREF_CURRENT_WEEK, 9);
        Set_User_Preference(PREF_TEXT_SPEED, 300);
        Set_User_Preference(300, -7);   // a 16-bit slot
        std::memset(League.LeaderTables + 1000, 0x5A, 500);
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// The file written

TEST_F(GameFileTest, SavedFileHasTheHeadAndOneHundredBlocksOfTheRegion)
{
    char szHead[64];
    EXPECT_EQ(Format_Save_File_Header(szHead, sizeof(szHead)), 23);
    EXPECT_STREQ(szHead, "RIRARUVAZAVIZ2101    Cc");

    Build_League();
    ASSERT_EQ(Save_Game("league.zrt", nullptr), 0);
    // The checksum formula: Adler-32 from 0 over the team records, + 7,200.
    uint32_t nExpected = static_cast<uint32_t>(adler32(0L, League_Bytes() + TEAM_AREA_OFFSET, TEAM_AREA_SIZE)) + 7200u;
    EXPECT_EQ(Compute_Game_Data_Checksum(), nExpected);
    EXPECT_EQ(static_cast<uint32_t>(Get_Saved_Data_Checksum()), nExpected);

    BYTES Data = Read_File("league.zrt");
    ASSERT_GT(Data.size(), 25u);
    const unsigned char Expected[25] = {'R', 'I', 'R', 'A', 'R', 'U', 'V', 'A', 'Z', 'A', 'V', 'I', 'Z',
                                        '2', '1', '0', '1', ' ', ' ', ' ', ' ', 'C', 'c', 0, 0};
    EXPECT_EQ(std::memcmp(Data.data(), Expected, 25), 0);

    BYTES Region;
    size_t nAt = 25;
    for (int k = 0; k < 100; ++k) {
        ASSERT_LE(nAt + 4, Data.size());
        uint32_t n = Read_Length(Data, nAt);
        nAt += 4;
        ASSERT_LE(nAt + n, Data.size());
        EXPECT_EQ(Data[nAt], 0x78);   // level 6: zlib header 78 9C
        EXPECT_EQ(Data[nAt + 1], 0x9C);
        BYTES Piece = Inflate(&Data[nAt], n, 500000);
        EXPECT_EQ(Piece.size(), k == 99 ? 229824u : 229752u) << "block " << k;
        Region.insert(Region.end(), Piece.begin(), Piece.end());
        nAt += n;
    }
    EXPECT_EQ(nAt, Data.size());   // nothing follows the last block
    ASSERT_EQ(Region.size(), sizeof(League));
    EXPECT_EQ(std::memcmp(Region.data(), League_Bytes(), sizeof(League)), 0);
    EXPECT_FALSE(Exists("league.zrt.saving"));
}

TEST_F(GameFileTest, AutoSaveUsesLevelOneAndNoProgressWindowOnlyForTheExactName)
{
    Build_League();
    int nOpened = ui::Progress().TimesOpened;
    ASSERT_EQ(Save_Game("[Auto Save].zrt", nullptr), 0);
    EXPECT_EQ(ui::Progress().TimesOpened, nOpened);
    BYTES Auto = Read_File("[Auto Save].zrt");
    ASSERT_GT(Auto.size(), 31u);
    EXPECT_EQ(Auto[29], 0x78);   // level 1: zlib header 78 01
    EXPECT_EQ(Auto[30], 0x01);

    ASSERT_TRUE(files::Create_Folders("saves"));
    ASSERT_EQ(Save_Game("saves/[Auto Save].zrt", nullptr), 0);
    EXPECT_EQ(ui::Progress().TimesOpened, nOpened + 1);
    EXPECT_EQ(ui::Progress().Title, "Compressing...");
    EXPECT_EQ(ui::Progress().Steps, 100);
    EXPECT_EQ(ui::Progress().Position, 100);
    EXPECT_FALSE(ui::Progress().Open);
    BYTES Other = Read_File("saves/[Auto Save].zrt");
    EXPECT_EQ(Other[29], 0x78);
    EXPECT_EQ(Other[30], 0x9C);
}

TEST_F(GameFileTest, ParallelAndSingleThreadedSavesWriteTheSameBytes)
{
    Build_League();
    for (size_t i = 0; i < sizeof(League.Game[20]); i += 7)   // a block of varied data
        reinterpret_cast<unsigned char*>(&League.Game[20])[i] = static_cast<unsigned char>(i * 31 >> 3);
    for (const char* szName : {"[Auto Save].zrt", "one.zrt"}) {
        Set_Save_Compression_Threads(1);
        ASSERT_EQ(Save_Game(szName, nullptr), 0);
        BYTES Single = Read_File(szName);
        Set_Save_Compression_Threads(2);
        ASSERT_EQ(Save_Game(szName, nullptr), 0);
        BYTES Parallel = Read_File(szName);
        EXPECT_EQ(Single, Parallel) << szName;
    }
}

// ---------------------------------------------------------------------------
// Round trips

TEST_F(GameFileTest, RoundTripRestoresTheLeagueByteForByte)
{
    Build_League();
    ASSERT_EQ(Save_Game("round.zrt", nullptr), 0);
    LEAGUE_SNAPSHOT Saved;
    Zero_League_Data();
    Set_Load_Sequence_Enabled(false);
    ASSERT_EQ(Load_Universe_Database("round.zrt"), 1);
    EXPECT_TRUE(Saved.Unchanged());
    EXPECT_EQ(Is_League_Loaded(), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Progress().Title, "Loading Game (v21.00)");

    // Unsaved changes are judged over the whole block: a city edit counts
    // although the stored team checksum still matches.
    EXPECT_EQ(Has_League_Changed(), 0);
    League.City[3].nStat[2] = 17;
    EXPECT_EQ(static_cast<uint32_t>(Get_Saved_Data_Checksum()), Compute_Game_Data_Checksum());
    EXPECT_EQ(Has_League_Changed(), 1);
    League.City[3].nStat[2] = 0;
    EXPECT_EQ(Has_League_Changed(), 0);
    League.Preferences.nShort[5] = 1;
    EXPECT_EQ(Has_League_Changed(), 1);
    ASSERT_EQ(Save_Game("round.zrt", nullptr), 0);
    EXPECT_EQ(Has_League_Changed(), 0);
}

TEST_F(GameFileTest, LoadSequenceConvertsTheYearAndClearsTheRunningFlags)
{
    Build_League();
    // Saved in the middle of a simulation while the user watched a game
    // (the resume flag set), with the season index as a year.
    Set_User_Preference(PREF_PLAYING_GAMES, 1);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 1);
    Set_User_Preference(PREF_STOP_SIMULATION, 1);
    Set_User_Preference(PREF_ANIMATION_MODE, 3);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_SEASON_INDEX, 2019);
    // Cities out of order, a player without a position, slow receivers.
    Set_Team_String("Albany", 3, TEAM_STRING_CITY);
    League.Team[1].Player[4].nVital[VITAL_POSITION] = 20;
    int nNextID = League.Team[1].Player[5].nVital[VITAL_PLAYER_ID];
    League.Team[2].Player[4].nVital[VITAL_POSITION] = POSITION_WR;
    Set_Player_Rating(2, 4, RATING_SPEED, 30.7f);
    League.Team[2].Player[0].nVital[VITAL_POSITION] = POSITION_QB;
    Set_Player_Rating(2, 0, RATING_SPEED, 35.5f);
    League.Team[2].Player[5].nVital[VITAL_POSITION] = POSITION_T;
    Set_Player_Rating(2, 5, RATING_SPEED, 30.0f);
    ASSERT_EQ(Save_Game("midgame.zrt", nullptr), 0);

    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database("midgame.zrt"), 1);
    EXPECT_EQ(League.Universe.nStat[FIRST_SEASON_YEAR], 1998);
    EXPECT_EQ(Get_User_Preference(PREF_SEASON_INDEX), 21);
    EXPECT_EQ(Get_User_Preference(PREF_PLAYING_GAMES), 1);   // Resume plays the watched game on
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATION_RUNNING), 0);
    EXPECT_EQ(Get_Universe_Word(DAY_ADVANCE_BUSY_WORD), 0);
    EXPECT_EQ(Get_User_Preference(PREF_STOP_SIMULATION), 0);
    EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), 0);
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);
    EXPECT_EQ(Get_Universe_Word(UNIVERSE_OPTION_2066), 1);
    EXPECT_EQ(Get_Game_In_Progress(), nullptr);

    // Albany's team sorts first; Chicago's roster lost the positionless player.
    char szCity[32];
    Get_Team_String(szCity, 0, TEAM_STRING_CITY);
    EXPECT_STREQ(szCity, "Albany");
    int nChicago = -1;
    for (int t = 0; t < 4; ++t) {
        Get_Team_String(szCity, t, TEAM_STRING_CITY);
        if (std::strcmp(szCity, "Chicago") == 0)
            nChicago = t;
    }
    ASSERT_GE(nChicago, 0);
    EXPECT_EQ(League.Team[nChicago].Player[4].nVital[VITAL_PLAYER_ID], nNextID);
    EXPECT_EQ(Count_Team_Players(nChicago), 29);

    // Speeds below 40: whole part + 40 for a receiver, + 30 for other backs;
    // linemen are left alone.
    int nDenver = -1;
    for (int t = 0; t < 4; ++t) {
        Get_Team_String(szCity, t, TEAM_STRING_CITY);
        if (std::strcmp(szCity, "Denver") == 0)
            nDenver = t;
    }
    ASSERT_GE(nDenver, 0);
    EXPECT_FLOAT_EQ(League.Team[nDenver].Player[4].fRating[RATING_SPEED], 70.0f);
    EXPECT_FLOAT_EQ(League.Team[nDenver].Player[0].fRating[RATING_SPEED], 65.0f);
    EXPECT_FLOAT_EQ(League.Team[nDenver].Player[5].fRating[RATING_SPEED], 30.0f);
    EXPECT_EQ(Has_League_Changed(), 0);
}

// ---------------------------------------------------------------------------
// Damaged files

TEST_F(GameFileTest, DamagedFilesAreRefusedAndLeaveTheLeagueAndFileAlone)
{
    Build_League();
    ASSERT_EQ(Save_Game("good.zrt", nullptr), 0);
    ASSERT_EQ(Load_Universe_Database("good.zrt"), 1);
    // The league in memory now differs from every file below.
    League.City[5].nStat[0] = 12345;
    std::vector<BYTES> Pieces = Region_Pieces(League_Bytes());
    const BYTES Good = Make_File("2101", Pieces);

    struct DAMAGE {
        const char* szName;
        BYTES Data;
        const char* szFirstBox;   // null: only the read error
    };
    std::vector<DAMAGE> Cases;
    Cases.push_back({"short head", BYTES(Good.begin(), Good.begin() + 10), "The file \"bad.zrt\" is not a valid Vazarudu Kelvo file."});
    BYTES Tag = Good;
    Tag[0] = 'X';
    Cases.push_back({"wrong tag", Tag, "The file \"bad.zrt\" is not a valid Vazarudu Kelvo file."});
    BYTES Digits = Good;
    Digits[15] = 'x';
    Cases.push_back({"bad digits", Digits, "The file \"bad.zrt\" is not a valid Vazarudu Kelvo file."});
    Cases.push_back({"head cut after the digits", BYTES(Good.begin(), Good.begin() + 22), nullptr});
    Cases.push_back({"truncated block", BYTES(Good.begin(), Good.begin() + Good.size() / 2), nullptr});
    BYTES Corrupt = Good;
    size_t nSecond = 25 + 4 + Read_Length(Good, 25);
    for (size_t i = nSecond + 8; i < nSecond + 20; ++i)
        Corrupt[i] ^= 0x55;
    Cases.push_back({"corrupt zlib data", Corrupt, nullptr});
    BYTES Fewer = Make_File("2101", std::vector<BYTES>(Pieces.begin(), Pieces.begin() + 99));
    Cases.push_back({"fewer blocks", Fewer, nullptr});
    std::vector<BYTES> Past = Pieces;
    Past[99].resize(Past[99].size() + 100, 1);   // the last block inflates past the region
    Cases.push_back({"past the region", Make_File("2101", Past), nullptr});
    std::vector<BYTES> Large = Pieces;
    Large[0].resize(459506, 2);                  // more than one block may yield
    Large.pop_back();
    Large.pop_back();
    Cases.push_back({"oversized block", Make_File("2101", Large), nullptr});
    BYTES Long = Good;
    Long[25] = 0xF2;                             // length 459,506 and more
    Long[26] = 0x02;
    Long[27] = 0x07;
    Long[28] = 0x00;
    Cases.push_back({"length above the buffer", Long, nullptr});
    BYTES Beyond = Head("2101");
    Append_Length(Beyond, 400000);
    Beyond.resize(Beyond.size() + 1000, 0);
    Cases.push_back({"length beyond the file", Beyond, nullptr});
    std::vector<BYTES> Small(100, BYTES(1000, 0));
    Cases.push_back({"region not filled", Make_File("2101", Small), nullptr});
    Cases.push_back({"version 4101", Make_File("4101", Pieces), "Unable to load V4.101 zrt file.  Please start a new game."});
    // Its message does not depend on the rest of the file.
    Cases.push_back({"short version 4101", Head("4101"), "Unable to load V4.101 zrt file.  Please start a new game."});
    Cases.push_back({"old universe layout", Make_File("5000", Pieces), nullptr});

    for (const DAMAGE& Case : Cases) {
        SCOPED_TRACE(Case.szName);
        Write_File("bad.zrt", Case.Data);
        ui::Clear_Shown_Boxes();
        LEAGUE_SNAPSHOT Before;
        EXPECT_EQ(Load_Universe_Database("bad.zrt"), 0);
        EXPECT_TRUE(Before.Unchanged());
        EXPECT_EQ(Is_League_Loaded(), 1);
        EXPECT_EQ(Read_File("bad.zrt"), Case.Data);
        const std::vector<SHOWN_BOX>& Boxes = ui::Shown_Boxes();
        ASSERT_EQ(Boxes.size(), Case.szFirstBox ? 2u : 1u);
        if (Case.szFirstBox) {
            EXPECT_EQ(Boxes[0].Text, Case.szFirstBox);
            EXPECT_EQ(Boxes[0].Caption, std::string(Case.szName).find("version 4101") != std::string::npos ? "Unsupported Version" : "Read Error");
        }
        EXPECT_EQ(Boxes.back().Caption, "Read Error");
        EXPECT_EQ(Boxes.back().Text, "Couldn't load the game \"bad.zrt\".\n\nThere was an error in reading the file.");
    }

    ui::Clear_Shown_Boxes();
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Load_Universe_Database("missing.zrt"), 0);
    EXPECT_TRUE(Before.Unchanged());
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Load Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Couldn't open \"missing.zrt\".\n\nPlease re-install Vazarudu Kelvo.");

    // The start-up database names the product instead of the file.
    ASSERT_TRUE(files::Create_Folders("databases"));
    Write_File("databases/universe-2019.dat", Tag);
    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Load_Universe_Database("Databases/Universe-2019.dat"), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Couldn't load game data. Please re-install Vazarudu Kelvo.");
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(GameFileTest, BlockReaderStopsAtTheRegionAndChecksEveryLength)
{
    // A file of the current layout read straight into a buffer.
    Build_League();
    BYTES Good = Make_File("2101", Region_Pieces(League_Bytes()));
    Write_File("blocks.zrt", Good);
    FILE* pFile = std::fopen("blocks.zrt", "rb");
    ASSERT_NE(pFile, nullptr);
    ASSERT_EQ(std::fseek(pFile, 25, SEEK_SET), 0);
    std::vector<unsigned char> Region(sizeof(League));
    EXPECT_EQ(Read_Game_Data_Blocks(pFile, Region.data(), ""), 1);
    std::fclose(pFile);
    EXPECT_EQ(std::memcmp(Region.data(), League_Bytes(), sizeof(League)), 0);
    EXPECT_FALSE(ui::Progress().Open);

    // One block holding the whole region is longer than one block may be.
    BYTES Whole = Make_File("2101", {BYTES(League_Bytes(), League_Bytes() + sizeof(League))});
    Write_File("whole.zrt", Whole);
    pFile = std::fopen("whole.zrt", "rb");
    ASSERT_NE(pFile, nullptr);
    ASSERT_EQ(std::fseek(pFile, 25, SEEK_SET), 0);
    EXPECT_EQ(Read_Game_Data_Blocks(pFile, Region.data(), "Loading Test"), 0);
    std::fclose(pFile);
    EXPECT_EQ(ui::Progress().Title, "Loading Test");
    EXPECT_FALSE(ui::Progress().Open);
}

// ---------------------------------------------------------------------------
// Failed saves

TEST_F(GameFileTest, FailedSavesKeepThePreviousFileAndTheStoredChecksum)
{
    Build_League();
    ASSERT_EQ(Save_Game("keep.zrt", nullptr), 0);
    const BYTES Previous = Read_File("keep.zrt");
    League.Team[1].nTeamStat[20] = 99;   // a change to save
    const int nStored = Get_Saved_Data_Checksum();
    ASSERT_NE(static_cast<uint32_t>(nStored), Compute_Game_Data_Checksum());

    // The disk fills half-way through the blocks.
    for (int nThreads : {1, 2}) {
        Set_Save_Compression_Threads(nThreads);
        Set_Save_Write_Fault(3000);
        EXPECT_EQ(Save_Game("keep.zrt", nullptr), 2);
        EXPECT_EQ(Read_File("keep.zrt"), Previous);
        EXPECT_EQ(Get_Saved_Data_Checksum(), nStored);
        EXPECT_FALSE(Exists("keep.zrt.saving"));
        EXPECT_EQ(Has_League_Changed(), 1);
    }
    Set_Save_Write_Fault(-1);
    Set_Save_Compression_Threads(0);

    // A block that does not compress into its own size.
    std::vector<unsigned char> Saved(reinterpret_cast<unsigned char*>(&League.Game[30]),
                                     reinterpret_cast<unsigned char*>(&League.Game[30]) + sizeof(GAME) * 6);
    uint32_t x = 12345;
    unsigned char* p = reinterpret_cast<unsigned char*>(&League.Game[30]);
    for (size_t i = 0; i < Saved.size(); ++i) {
        x = x * 1103515245u + 12345u;
        p[i] = static_cast<unsigned char>(x >> 24);
    }
    EXPECT_EQ(Save_Game("keep.zrt", nullptr), 2);
    EXPECT_EQ(Read_File("keep.zrt"), Previous);
    EXPECT_EQ(Get_Saved_Data_Checksum(), nStored);
    std::memcpy(p, Saved.data(), Saved.size());

    // No folder to write into, and a folder where the file should be.
    EXPECT_EQ(Save_Game("nowhere/keep.zrt", nullptr), 1);
    EXPECT_EQ(Get_Saved_Data_Checksum(), nStored);
    ASSERT_TRUE(files::Create_Folders("taken.zrt/inside"));
    EXPECT_EQ(Save_Game("taken.zrt", nullptr), 2);
    EXPECT_TRUE(Exists("taken.zrt/inside"));
    EXPECT_FALSE(Exists("taken.zrt.saving"));
    EXPECT_EQ(Get_Saved_Data_Checksum(), nStored);

    // A folder that cannot be written (permissions do not bind root).
    if (::geteuid() != 0) {
        ASSERT_TRUE(files::Create_Folders("locked"));
        ASSERT_EQ(Save_Game("locked/keep.zrt", nullptr), 0);
        BYTES Locked = Read_File("locked/keep.zrt");
        League.Team[1].nTeamStat[20] = 98;
        ASSERT_EQ(::chmod("locked", 0555), 0);
        EXPECT_EQ(Save_Game("locked/keep.zrt", nullptr), 1);
        EXPECT_EQ(Read_File("locked/keep.zrt"), Locked);
    }

    // No compression buffer: the box, a failure code, nothing written.
    ui::Clear_Shown_Boxes();
    int nBefore = Get_Saved_Data_Checksum();
    Set_Save_Allocation_Fault(true);
    EXPECT_EQ(Save_Game("fresh.zrt", nullptr), SAVE_GAME_NO_MEMORY);
    EXPECT_FALSE(Exists("fresh.zrt"));
    EXPECT_EQ(Get_Saved_Data_Checksum(), nBefore);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Memory Allocation Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Unable to allocate save game compression buffer!\n\nPlease close any open programs and try again.");
    Set_Save_Allocation_Fault(false);

    // And once the disk has room again the save goes through.
    EXPECT_EQ(Save_Game("keep.zrt", nullptr), 0);
    EXPECT_EQ(static_cast<uint32_t>(Get_Saved_Data_Checksum()), Compute_Game_Data_Checksum());
    EXPECT_NE(Read_File("keep.zrt"), Previous);
}

TEST_F(GameFileTest, UniverseDatabaseGoesToTheDatabasesFolder)
{
    Build_League();
    EXPECT_EQ(Write_Universe_Database_File(2023), 1);   // no folder yet
    ASSERT_TRUE(files::Create_Folders("Databases"));
    ASSERT_EQ(Write_Universe_Database_File(2023), 0);
    EXPECT_TRUE(Exists("Databases/universe-2023.dat"));
    EXPECT_EQ(ui::Progress().Title, "Compressing...");
}

// ---------------------------------------------------------------------------
// Versions

TEST_F(GameFileTest, VersionDigitsAndTheirHandling)
{
    EXPECT_EQ(Parse_Game_File_Version("2101"), 2100);
    EXPECT_EQ(Parse_Game_File_Version("2175"), 2170);
    EXPECT_EQ(Parse_Game_File_Version("2171"), 2170);
    EXPECT_EQ(Parse_Game_File_Version("2181"), 2181);
    EXPECT_EQ(Parse_Game_File_Version("4101"), 4101);
    EXPECT_EQ(Parse_Game_File_Version("1100"), 1100);
    EXPECT_EQ(Parse_Game_File_Version("0000"), 0);
    EXPECT_EQ(Parse_Game_File_Version("21 1"), -1);
    EXPECT_EQ(Parse_Game_File_Version("210"), -1);

    // "2175" is of the current line: loaded without conversion or checksum.
    Build_League();
    Set_User_Preference(PREF_SAVED_CHECKSUM, 1);
    LEAGUE_SNAPSHOT Built;
    Write_File("v2175.zrt", Make_File("2175", Region_Pieces(League_Bytes())));
    Zero_League_Data();
    Set_Load_Sequence_Enabled(false);
    ASSERT_EQ(Load_Universe_Database("v2175.zrt"), 1);
    EXPECT_TRUE(Built.Unchanged());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Progress().Title, "Loading Game (v21.70)");

    // From 7800 the stored checksum is compared; a mismatch warns and loads.
    Write_File("v7900.zrt", Make_File("7900", Region_Pieces(League_Bytes())));
    ASSERT_EQ(Load_Universe_Database("v7900.zrt"), 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Load Game Warning");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Game data has changed since last written to disk.\n\nThe file may have been edited, or corrupted.");
    EXPECT_EQ(ui::Progress().Title, "Loading Game (v7.900)");
    ui::Clear_Shown_Boxes();
    Set_User_Preference(PREF_SAVED_CHECKSUM, static_cast<int>(Compute_Game_Data_Checksum()));
    Write_File("v7900.zrt", Make_File("7900", Region_Pieces(League_Bytes())));
    ASSERT_EQ(Load_Universe_Database("v7900.zrt"), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // The start-up database shows its own caption.
    ASSERT_TRUE(files::Create_Folders("Databases"));
    Write_File("Databases/Universe-2019.dat", Make_File("2101", Region_Pieces(League_Bytes())));
    ASSERT_EQ(Load_Universe_Database("databases/universe-2019.DAT"), 1);
    EXPECT_EQ(ui::Progress().Title, "Loading Database...");
}

TEST_F(GameFileTest, OlderLineFileGetsItsFixUps)
{
    Build_League();
    Set_User_Preference(PREF_SEASON_INDEX, 0);   // 2019
    Set_User_Preference(PREF_SEASON_RULE_174, 0);
    Set_User_Preference(PREF_AUTO_FILL_ROSTERS, 0);
    std::strcpy(League.szSkinName, "night");
    League.Team[0].Player[0].nVital[VITAL_DRAFT_PICK] = 1230045;   // round 123, pick 45 in the old form
    League.Team[0].Player[1].nVital[VITAL_DRAFT_PICK] = -1;
    Set_User_Preference(PREF_SAVED_CHECKSUM, static_cast<int>(Compute_Game_Data_Checksum()));
    Write_File("v8000.zrt", Make_File("8000", Region_Pieces(League_Bytes())));
    ASSERT_EQ(Load_Universe_Database("v8000.zrt"), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Get_User_Preference(PREF_SEASON_RULE_174), 1);
    EXPECT_EQ(Get_User_Preference(PREF_AUTO_FILL_ROSTERS), 1);
    EXPECT_EQ(Get_User_Preference(PREF_SEASON_RULE_175), 1);
    EXPECT_EQ(Get_User_Preference(PREF_OVERTIME_RULE_2), 3);
    EXPECT_EQ(Get_User_Preference(PREF_OVERTIME_RULE), 1);
    EXPECT_STREQ(League.szSkinName, "earth");
    // 1,230,045 + 90,000 x 123 = 12,300,045: the pick number keeps its place.
    bool bFound = false;
    for (int t = 0; t < 4; ++t) {
        for (int s = 0; s < 30; ++s) {
            if (League.Team[t].Player[s].nVital[VITAL_PLAYER_ID] == 1000) {
                EXPECT_EQ(League.Team[t].Player[s].nVital[VITAL_DRAFT_PICK], 12300045);
                bFound = true;
            }
            if (League.Team[t].Player[s].nVital[VITAL_PLAYER_ID] == 1001) {
                EXPECT_EQ(League.Team[t].Player[s].nVital[VITAL_DRAFT_PICK], -1);
            }
        }
    }
    EXPECT_TRUE(bFound);
}

// ---------------------------------------------------------------------------
// Texts

TEST_F(GameFileTest, GamePathAndTextAreBoundedAndZeroFilled)
{
    std::memset(League.szCurrentGamePath, 'x', sizeof(League.szCurrentGamePath));
    EXPECT_EQ(Set_Current_Game_Path("My Game.zrt"), 1);
    char szBuffer[300];
    Get_Current_Game_Path(szBuffer, sizeof(szBuffer));
    EXPECT_STREQ(szBuffer, "My Game.zrt");
    for (size_t i = 11; i < sizeof(League.szCurrentGamePath); ++i)
        ASSERT_EQ(League.szCurrentGamePath[i], 0) << i;

    std::string Long(300, 'p');
    EXPECT_EQ(Set_Current_Game_Path(Long.c_str()), 0);
    EXPECT_EQ(League.szCurrentGamePath[254], 'p');
    EXPECT_EQ(League.szCurrentGamePath[255], 0);
    EXPECT_EQ(League.szCurrentGameText[0], 0);   // the next field is untouched
    char szSmall[6];
    Get_Current_Game_Path(szSmall, sizeof(szSmall));
    EXPECT_STREQ(szSmall, "ppppp");

    EXPECT_EQ(Set_Current_Game_Text(std::string(64, 't').c_str()), 0);
    EXPECT_EQ(League.szCurrentGameText[62], 't');
    EXPECT_EQ(League.szCurrentGameText[63], 0);
    EXPECT_EQ(League.szDatabaseNotes[0], 0);
    Get_Current_Game_Text(szBuffer, sizeof(szBuffer));
    EXPECT_EQ(std::string(szBuffer), std::string(63, 't'));
    EXPECT_EQ(Set_Current_Game_Text(nullptr), 0);
    EXPECT_EQ(League.szCurrentGameText[0], 0);
}

// ---------------------------------------------------------------------------
// The fuzz corpus: a few valid and damaged files, small because their league
// is mostly zero. Written only when asked:
//   KELVO_WRITE_FUZZ_CORPUS=1 ctest -R GameFileCorpus

TEST_F(GameFileTest, CorpusFilesAreWrittenWhenAsked)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    const char* szWrite = std::getenv("KELVO_WRITE_FUZZ_CORPUS");
    if (szSource == nullptr || szWrite == nullptr || szWrite[0] != '1')
        GTEST_SKIP() << "set KELVO_WRITE_FUZZ_CORPUS=1 to rewrite fuzz/corpus/game_file";
    std::string Folder = std::string(szSource) + "/fuzz/corpus/game_file";
    ASSERT_TRUE(files::Create_Folders(Folder.c_str()));

    Clear_All_Teams();
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    Set_Team_Stat(1, TEAM_STAT_DIVISION, 4);
    Set_Team_String("Boston", 0, TEAM_STRING_CITY);
    Set_Team_String("Albany", 1, TEAM_STRING_CITY);
    for (int s = 0; s < 6; ++s) {
        Add_Player(0, s, 100 + s, s, 35.0f);
        Add_Player(1, s, 200 + s, s + 6, 60.0f);
    }
    League.Team[0].nSchedule[0][0] = 2;      // home against team 1 in week 0, game 0
    League.Team[0].nSchedule[0][3] = 0;
    League.Team[1].nSchedule[0][0] = -1;
    League.Team[1].nSchedule[0][3] = 0;
    League.Game[0].nHomeTeam = 0;
    League.Game[0].nAwayTeam = 1;
    League.Game[0].nScore[1] = 21;
    League.Game[0].nClock = 3600;
    Set_User_Preference(PREF_SAVED_CHECKSUM, static_cast<int>(Compute_Game_Data_Checksum()));
    std::vector<BYTES> Pieces = Region_Pieces(League_Bytes());

    auto Write = [&](const char* szName, const BYTES& Data) { Write_File(Folder + "/" + szName, Data); };
    const BYTES Valid = Make_File("2101", Pieces, 9);
    Write("valid-2101.zrt", Valid);
    Write("valid-1100.zrt", Make_File("1100", Pieces, 9));
    Write("valid-7900.zrt", Make_File("7900", Pieces, 9));
    Write("version-4101.zrt", Make_File("4101", Pieces, 9));
    Write("version-5000.zrt", Make_File("5000", Pieces, 9));
    Write("truncated.zrt", BYTES(Valid.begin(), Valid.begin() + Valid.size() / 2));
    BYTES Damaged = Valid;
    Damaged[40] ^= 0xFF;
    Write("corrupt-block.zrt", Damaged);
    Write("fewer-blocks.zrt", Make_File("2101", std::vector<BYTES>(Pieces.begin(), Pieces.begin() + 60), 9));
    Write("head-only.zrt", BYTES(Valid.begin(), Valid.begin() + 25));
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
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        League.Universe.nStat[GAMES_PER_SEASON] = 16;
        std::memset(League.StandingsArea.PlayoffTeam, NO_TEAM, sizeof(League.StandingsArea.PlayoffTeam));
        League.StandingsArea.nPlayoffDay[0] = 17;
        for (int t = 0; t < 3; ++t) {
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
            for (int w = 0; w < SCHEDULE_WEEKS; ++w)
                League.Team[t].nSchedule[w][3] = -1;
        }
    }
    static void Finish_Game(int g, int nAway, int nHome, int nAwayScore, int nHomeScore, int nWeek)
    {
        GAME& Game = League.Game[g];
        Game.nAwayTeam = static_cast<uint8_t>(nAway);
        Game.nHomeTeam = static_cast<uint8_t>(nHome);
        Game.nScore[GAME_SIDE_AWAY] = nAwayScore;
        Game.nScore[GAME_SIDE_HOME] = nHomeScore;
        Game.nWeek = static_cast<int16_t>(nWeek);
        Game.nClock = 3600;
    }
    static int Yearly(int t, int n) { return League.Team[t].bYearly[0][n]; }
};

}  // namespace

TEST_F(GameFileRepairTest, RelinkPutsTheScheduledTeamsIntoTheirGamesAndRecountsResults)
{
    // Week 2: team 0 at home to team 1 in game 0; week 18 (playoffs): team 1
    // at home to team 0 in game 1. Both records hold other teams' bytes.
    League.Team[0].nSchedule[2][0] = 2;
    League.Team[0].nSchedule[2][3] = 0;
    League.Team[1].nSchedule[2][0] = -1;
    League.Team[1].nSchedule[2][3] = 0;
    League.Team[1].nSchedule[18][0] = 1;
    League.Team[1].nSchedule[18][3] = 1;
    // Damaged entries: a record index past the table, an opponent past the teams.
    League.Team[2].nSchedule[3][0] = 1;
    League.Team[2].nSchedule[3][3] = 450;
    League.Team[2].nSchedule[4][0] = -90;
    League.Team[2].nSchedule[4][3] = 2;
    Finish_Game(0, 2, 2, 17, 24, 2);
    Finish_Game(1, 2, 2, 10, 31, 18);
    League.Game[2].nAwayTeam = 7;
    League.Game[2].nHomeTeam = 9;
    Relink_Games_And_Records();
    EXPECT_EQ(League.Game[0].nHomeTeam, 0);
    EXPECT_EQ(League.Game[0].nAwayTeam, 1);
    EXPECT_EQ(League.Game[1].nHomeTeam, 1);
    EXPECT_EQ(League.Game[1].nAwayTeam, 0);
    EXPECT_EQ(League.Game[2].nAwayTeam, 7);
    EXPECT_EQ(League.Game[2].nHomeTeam, 9);
    // Team 0 won at home in the season and lost in the playoffs.
    EXPECT_EQ(Yearly(0, YEARLY_WINS), 1);
    EXPECT_EQ(Yearly(0, YEARLY_HOME_WINS), 1);
    EXPECT_EQ(Yearly(0, YEARLY_LOSSES), 0);
    EXPECT_EQ(Yearly(0, YEARLY_PLAYOFF_LOSSES), 1);
    EXPECT_EQ(Yearly(0, YEARLY_PLAYOFF_WINS), 0);
    EXPECT_EQ(Yearly(1, YEARLY_LOSSES), 1);
    EXPECT_EQ(Yearly(1, YEARLY_HOME_LOSSES), 0);
    EXPECT_EQ(Yearly(1, YEARLY_PLAYOFF_WINS), 1);
    EXPECT_EQ(Yearly(2, YEARLY_WINS), 0);
}

TEST_F(GameFileRepairTest, SeasonRecordsAreRecountedFromTheGames)
{
    Finish_Game(0, 1, 0, 7, 14, 0);   // team 0 wins at home
    Finish_Game(1, 0, 1, 3, 20, 1);   // team 1 wins at home
    Finish_Game(2, 2, 0, 13, 6, 2);   // team 2 wins away
    League.Team[0].bYearly[0][YEARLY_WINS] = 9;
    League.Team[2].bYearly[0][YEARLY_HOME_WINS] = 4;
    Recount_Season_Records();
    EXPECT_EQ(Yearly(0, YEARLY_WINS), 1);
    EXPECT_EQ(Yearly(0, YEARLY_LOSSES), 2);
    EXPECT_EQ(Yearly(0, YEARLY_HOME_WINS), 1);
    EXPECT_EQ(Yearly(0, YEARLY_HOME_LOSSES), 1);
    EXPECT_EQ(Yearly(1, YEARLY_WINS), 1);
    EXPECT_EQ(Yearly(1, YEARLY_LOSSES), 1);
    EXPECT_EQ(Yearly(1, YEARLY_HOME_WINS), 1);
    EXPECT_EQ(Yearly(2, YEARLY_WINS), 1);
    EXPECT_EQ(Yearly(2, YEARLY_HOME_WINS), 0);
    EXPECT_EQ(Yearly(2, YEARLY_TIES), 0);
}

TEST_F(GameFileRepairTest, PlayerRepairsOfEveryLoad)
{
    // Positions outside 0-14 leave the roster, which closes up.
    Add_Player(0, 0, 11, POSITION_QB, 50.0f);
    Add_Player(0, 1, 12, 15, 50.0f);
    Add_Player(0, 2, 13, POSITION_P, 50.0f);
    Add_Player(0, 3, 14, -3, 50.0f);
    Add_Player(0, 4, 15, POSITION_K, 50.0f);
    Remove_Players_Without_Position();
    EXPECT_EQ(Count_Team_Players(0), 3);
    EXPECT_EQ(League.Team[0].Player[1].nVital[VITAL_PLAYER_ID], 13);
    EXPECT_EQ(League.Team[0].Player[2].nVital[VITAL_PLAYER_ID], 15);

    // Ratings 13-16 of old files: not a number -> default, below 20 -> 20.
    League.Team[0].Player[0].fRating[13] = std::nanf("");
    League.Team[0].Player[0].fRating[14] = 5.0f;
    League.Team[0].Player[0].fRating[16] = 19.5f;
    League.Team[0].Player[0].fRating[12] = 3.0f;
    League.Team[0].Player[0].fRating[17] = std::nanf("");
    Convert_Old_Player_Ratings();
    EXPECT_EQ(League.Team[0].Player[0].fRating[13], Get_Default_Rating(13));
    EXPECT_EQ(League.Team[0].Player[0].fRating[14], 20.0f);
    EXPECT_EQ(League.Team[0].Player[0].fRating[16], 20.0f);
    EXPECT_EQ(League.Team[0].Player[0].fRating[12], 3.0f);
    EXPECT_TRUE(std::isnan(League.Team[0].Player[0].fRating[17]));

    // Speed below 40: whole part + 40 for receivers, + 30 for QB-TE; others alone.
    Add_Player(1, 0, 21, POSITION_WR, 50.0f);
    Add_Player(1, 1, 22, POSITION_TE, 50.0f);
    Add_Player(1, 2, 23, POSITION_CB, 50.0f);
    Add_Player(1, 3, 24, POSITION_RB, 50.0f);
    League.Team[1].Player[0].fRating[RATING_SPEED] = 39.9f;
    League.Team[1].Player[1].fRating[RATING_SPEED] = std::nanf("");
    League.Team[1].Player[2].fRating[RATING_SPEED] = 25.0f;
    League.Team[1].Player[3].fRating[RATING_SPEED] = 40.0f;
    Fix_Low_Speed_Ratings();
    EXPECT_EQ(League.Team[1].Player[0].fRating[RATING_SPEED], 79.0f);
    EXPECT_EQ(League.Team[1].Player[1].fRating[RATING_SPEED], 70.0f);   // the default speed, not below 40
    EXPECT_EQ(League.Team[1].Player[2].fRating[RATING_SPEED], 25.0f);
    EXPECT_EQ(League.Team[1].Player[3].fRating[RATING_SPEED], 40.0f);

    // Receivers of the franchises without career receptions: preference 237.
    Set_User_Preference(PREF_CARD_STAT_CHOICE, 0);
    for (int s = 0; s < 9; ++s)
        Add_Player(2, s, 300 + s, POSITION_WR, 50.0f);
    Add_Player(FREE_AGENT_TEAM, 0, 400, POSITION_WR, 50.0f);
    League.Team[FREE_AGENT_TEAM].Player[0].nStat[2][6] = 50;   // pools do not count
    Check_Receiver_Statistics();
    EXPECT_EQ(Get_User_Preference(PREF_CARD_STAT_CHOICE), 2019);
    Set_User_Preference(PREF_CARD_STAT_CHOICE, 0);
    League.Team[2].Player[8].nStat[2][6] = 3;   // 1 of 10 receivers: a tenth
    Check_Receiver_Statistics();
    EXPECT_EQ(Get_User_Preference(PREF_CARD_STAT_CHOICE), 0);
}

TEST_F(GameFileRepairTest, CurrentLineFixUpsOfAnEarlySeason)
{
    // Every step of a version-1100 file is checked with a 2019 league in the
    // old-files tests; here the branches of seasons before 1970 and 1974.
    Add_Player(0, 0, 11, POSITION_QB, 50.0f);
    League.Team[0].Player[0].bStat[2] = 9;
    std::strcpy(League.szLeagueName[0], "American");
    std::strcpy(League.szLeagueName[1], "National");
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1965;
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_User_Preference(PREF_OVERTIME_RULE, 0);
    Set_User_Preference(PREF_FIELD_RULE_200, 7);
    Set_User_Preference(PREF_FIELD_RULE_202, 7);
    LEAGUE_SNAPSHOT Before;

    Run_Current_Line_Fix_Ups(2100);   // the version this program writes: none of them
    EXPECT_TRUE(Before.Unchanged());

    Run_Current_Line_Fix_Ups(1600);
    EXPECT_EQ(Get_User_Preference(PREF_OVERTIME_RULE), 0);   // 1965 is not after 2013
    EXPECT_EQ(Get_User_Preference(PREF_FIELD_RULE_200), 2);
    EXPECT_EQ(Get_User_Preference(PREF_FIELD_RULE_202), 2);
    EXPECT_STREQ(League.szLeagueName[0], "AFL");
    EXPECT_STREQ(League.szLeagueName[1], "NFL");
    EXPECT_EQ(League.Team[0].Player[0].bStat[2], 9);          // position bytes: before 1560 only
}

TEST_F(GameFileRepairTest, DraftOrderPoolAndDefaultSettings)
{
    // 2019 records: team 0 10-6 out of the playoffs, team 1 4-12 lost in the
    // first round, team 2 12-4 champion. Teams out of the playoffs pick first.
    League.Team[0].bYearly[0][YEARLY_WINS] = 10;
    League.Team[0].bYearly[0][YEARLY_LOSSES] = 6;
    League.Team[1].bYearly[0][YEARLY_WINS] = 4;
    League.Team[1].bYearly[0][YEARLY_LOSSES] = 12;
    League.Team[2].bYearly[0][YEARLY_WINS] = 12;
    League.Team[2].bYearly[0][YEARLY_LOSSES] = 4;
    League.StandingsArea.PlayoffTeam[0] = 1;
    League.StandingsArea.PlayoffTeam[1] = 2;
    League.StandingsArea.PlayoffTeam[16] = 2;
    League.StandingsArea.PlayoffTeam[30] = 2;
    Set_User_Preference(PREF_CURRENT_WEEK, 20);
    Set_Draft_Order();
    EXPECT_EQ(Get_Draft_Order_Team(0), 0);
    EXPECT_EQ(Get_Draft_Order_Team(1), 1);
    EXPECT_EQ(Get_Draft_Order_Team(2), 2);
    // Without a bracket the worst record picks first.
    std::memset(League.StandingsArea.PlayoffTeam, NO_TEAM, sizeof(League.StandingsArea.PlayoffTeam));
    Set_Draft_Order();
    EXPECT_EQ(Get_Draft_Order_Team(0), 1);
    EXPECT_EQ(Get_Draft_Order_Team(1), 0);
    EXPECT_EQ(Get_Draft_Order_Team(2), 2);

    // The pools count up to their first empty slot.
    Add_Player(38, 0, 501, POSITION_QB, 50.0f);
    Add_Player(38, 1, 502, POSITION_RB, 50.0f);
    Add_Player(40, 1, 503, POSITION_WR, 50.0f);
    EXPECT_EQ(Count_College_Players(), 2);
    Set_User_Preference(PREF_DRAFT_ROUND, 3);
    EXPECT_EQ(Check_Draft_Pool(), 1);
    Set_User_Preference(PREF_DRAFT_ROUND, 7);
    EXPECT_EQ(Check_Draft_Pool(), 0);
    Prepare_Draft_Pool();
    EXPECT_EQ(Count_College_Players(), 0);
    EXPECT_EQ(League.Team[40].Player[1].nVital[VITAL_PLAYER_ID], 0);
    Set_User_Preference(PREF_DRAFT_ROUND, 3);
    EXPECT_EQ(Check_Draft_Pool(), 0);

    // Default settings of a new game, the user's club being team 1 (league 1).
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_Stat(1, TEAM_STAT_DIVISION, 5);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1965;
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_Default_Settings();
    EXPECT_EQ(Get_User_Preference(100), 2);
    EXPECT_EQ(Get_User_Preference(105), 46);
    EXPECT_EQ(Get_User_Preference(112), 9);
    EXPECT_EQ(Get_User_Preference(116), 24);
    EXPECT_EQ(Get_User_Preference(119), 18);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 1);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 1);
    EXPECT_EQ(Get_User_Preference(PREF_USER_LEAGUE), 1);
    EXPECT_EQ(Get_User_Preference(PREF_SHOWN_GAME), -1);
    EXPECT_EQ(Get_User_Preference(PREF_TEXT_SPEED), 300);
    EXPECT_STREQ(League.szSkinName, "earth");
}
