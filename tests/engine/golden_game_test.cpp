// Three whole games on the two-club fixture league, played one after the
// other from fixed seeds, pinned down to the byte: final scores, plays
// logged, the random draws taken, and hashes of the game record and of the
// whole league block after each game. The constants are a snapshot of the
// engine taken before its speed work (with the calibrated values of the
// season harness), so any change to the engine's inner workings that alters a
// single draw, a single rating read or a single statistic shows here. A change
// of the rules or of a calibrated value records them anew, and says so
// (last: a lost fumble of a run logs the carry's yards and that it was a
// carry, so the box score counts it as the runner's rush; a fullback who
// rates better as a running back keeps that overall as it stands).

#include <cstdint>
#include <cstring>

#include "engine/game_fixture.h"
#include "test_support.h"

namespace {

using namespace game_fixture;

struct GOLDEN_GAME {
    uint32_t nSeed;
    int nHomeScore;
    int nAwayScore;
    int nPlays;
    long nDraws;
    uint64_t nGameHash;
    uint64_t nLeagueHash;
};

// 64-bit FNV-1a over eight-byte words (the tail byte by byte).
uint64_t Hash_Bytes(const void* p, size_t n)
{
    const auto* b = static_cast<const unsigned char*>(p);
    uint64_t h = 14695981039346656037ull;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, b + i, 8);
        h = (h ^ w) * 1099511628211ull;
    }
    for (; i < n; ++i)
        h = (h ^ b[i]) * 1099511628211ull;
    return h;
}

// The draws a game took: the generator's next two words after the game,
// found again in the sequence of its seed. -1 when not within the limit.
long Count_Draws_Since_Seed(uint32_t nSeed)
{
    const uint32_t nNext = Generate_Random_Number();
    const uint32_t nAfter = Generate_Random_Number();
    Seed_Random_Numbers(nSeed);
    uint32_t nPrevious = Generate_Random_Number();
    for (long n = 0; n < 20000000; ++n) {
        const uint32_t nWord = Generate_Random_Number();
        if (nPrevious == nNext && nWord == nAfter)
            return n;
        nPrevious = nWord;
    }
    return -1;
}

GOLDEN_GAME Play_Summarised_Game(uint32_t nSeed)
{
    Play_Fixture_Game(nSeed);
    const GAME* pGame = &League.Game[0];
    GOLDEN_GAME Summary{};
    Summary.nSeed = nSeed;
    Summary.nHomeScore = pGame->nScore[1];
    Summary.nAwayScore = pGame->nScore[0];
    Summary.nPlays = pGame->nPlays;
    Summary.nGameHash = Hash_Bytes(pGame, sizeof(GAME));
    Summary.nLeagueHash = Hash_Bytes(&League, sizeof(League));
    Summary.nDraws = Count_Draws_Since_Seed(nSeed);
    return Summary;
}

// Recorded from the engine as it plays now (the head comment says what last
// moved them).
constexpr GOLDEN_GAME GOLDEN[] = {
    {1, 21, 7, 153, 8693, 0x5b2ca4cef904a000ull, 0x8ec2de97473518edull},
    {2, 23, 10, 151, 8618, 0xa8bcaccd9a9bac5cull, 0x70a7c7dcd0c11933ull},
    {3, 17, 0, 153, 9048, 0xf9056700f96090a9ull, 0xfc93d6bf277e2b84ull},
};

class GoldenGameTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Set_Game_Pages_Enabled(false);
    }
    void TearDown() override { Set_Game_Pages_Enabled(false); }
};

TEST_F(GoldenGameTest, ThreeFixedSeedGamesMatchTheirRecordedSummaries)
{
    Build_Two_Team_League(11);
    for (const GOLDEN_GAME& Golden : GOLDEN) {
        const GOLDEN_GAME Played = Play_Summarised_Game(Golden.nSeed);
        SCOPED_TRACE(testing::Message() << "seed " << Golden.nSeed);
        EXPECT_EQ(Played.nHomeScore, Golden.nHomeScore);
        EXPECT_EQ(Played.nAwayScore, Golden.nAwayScore);
        EXPECT_EQ(Played.nPlays, Golden.nPlays);
        EXPECT_EQ(Played.nDraws, Golden.nDraws);
        EXPECT_EQ(Played.nGameHash, Golden.nGameHash);
        EXPECT_EQ(Played.nLeagueHash, Golden.nLeagueHash);
    }
}

}  // namespace
