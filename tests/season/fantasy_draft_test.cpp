// Reading the fantasy draft's state from the file beside an older saved game.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "league/league_data.h"
#include "scratch_folder.h"
#include "season/fantasy_draft.h"
#include "test_support.h"

namespace {

class FantasyDraftFileTest : public LeagueTest {};

// A game path that fills the whole stored field, with no terminator, is the
// path all the same: its ".draft" file is found.
TEST_F(FantasyDraftFileTest, GamePathFillingTheWholeFieldIsUsedWhole)
{
    SCRATCH_FOLDER_CORE Scratch("fantasy_draft");
    ASSERT_TRUE(Scratch.Ready());
    constexpr size_t FIELD = sizeof(League.szCurrentGamePath);
    std::string Folder;
    while (Folder.size() + 2 <= FIELD - 2)
        Folder += "a/";
    const std::string Game = Folder + std::string(FIELD - Folder.size(), 'g');
    ASSERT_EQ(Game.size(), FIELD);
    std::filesystem::create_directories(Folder);
    std::vector<unsigned char> State(FANTASY_DRAFT_STATE_SIZE, 0x5A);
    FILE* pFile = std::fopen((Game + ".draft").c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    ASSERT_EQ(std::fwrite(State.data(), 1, State.size(), pFile), State.size());
    std::fclose(pFile);

    std::memcpy(League.szCurrentGamePath, Game.data(), FIELD);
    EXPECT_TRUE(Load_Fantasy_Draft_File());
    EXPECT_EQ(League.SeasonBookkeeping[FANTASY_DRAFT_STATE_OFFSET], 0x5A);
    EXPECT_EQ(League.SeasonBookkeeping[FANTASY_DRAFT_STATE_OFFSET + FANTASY_DRAFT_STATE_SIZE - 1], 0x5A);
}

}  // namespace
