// The notes of the offensive playbooks the program ships say what the books
// hold: the numbers of running and passing plays, how many plays are marked
// for the play list, and each formation those marked plays are run from
// with how many of them it has, and no other formation.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "engine/playbook_rules.h"
#include "platform/files.h"

namespace {

namespace fs = std::filesystem;

// "Name (N), Name (N), ..." as formation name to count.
std::map<std::string, int> Parse_Formation_List(const std::string& List)
{
    std::map<std::string, int> Named;
    const std::regex Entry("(.+) \\((\\d+)\\)");
    size_t nStart = 0;
    while (nStart <= List.size()) {
        size_t nEnd = List.find(", ", nStart);
        if (nEnd == std::string::npos)
            nEnd = List.size();
        std::smatch Match;
        const std::string Item = List.substr(nStart, nEnd - nStart);
        if (std::regex_match(Item, Match, Entry))
            Named[Match[1]] += std::stoi(Match[2]);
        else
            Named[Item] += 0;   // a formation named without a count
        nStart = nEnd + 2;
    }
    return Named;
}

TEST(ShippedPlaybooksTest, TheNotesNameTheFormationsTheMarkedPlaysUse)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr);
    int nBooks = 0;
    for (const auto& Entry : fs::directory_iterator(fs::path(szSource) / "data" / "playbooks")) {
        if (Entry.path().extension() != ".opb")
            continue;
        SCOPED_TRACE(Entry.path().string());
        std::vector<unsigned char> Bytes;
        ASSERT_TRUE(files::Read_Whole_File(Entry.path().c_str(), Bytes));
        ASSERT_EQ(Bytes.size(), sizeof(OFFENSIVE_PLAYBOOK_AREA));
        auto pArea = std::make_unique<OFFENSIVE_PLAYBOOK_AREA>();
        std::memcpy(pArea.get(), Bytes.data(), Bytes.size());

        int nRuns = 0;
        int nPasses = 0;
        int nMarked = 0;
        std::map<std::string, int> Used;
        for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p) {
            const OFFENSIVE_PLAY& Play = pArea->Play[p];
            nRuns += Is_Running_Play_Type(Play.nType) ? 1 : 0;
            nPasses += Is_Passing_Play_Type(Play.nType) ? 1 : 0;
            if (pArea->bSelected[p] == 0)
                continue;
            ++nMarked;
            char szFormation[FORMATION_NAME_SIZE];
            Get_Formation_Name(szFormation, Play.nFormation);
            ++Used[szFormation];
        }

        const std::string Notes(pArea->szNotes, strnlen(pArea->szNotes, PLAYBOOK_NOTES_SIZE));
        std::smatch Match;
        ASSERT_TRUE(std::regex_search(Notes, Match,
                                      std::regex("the built-in (\\d+) running plays and (\\d+) passing plays.* The (\\d+) "
                                                 "plays marked .*: (.*)\\.$")))
            << Notes;
        EXPECT_EQ(std::stoi(Match[1]), nRuns);
        EXPECT_EQ(std::stoi(Match[2]), nPasses);
        EXPECT_EQ(std::stoi(Match[3]), nMarked);
        EXPECT_EQ(Parse_Formation_List(Match[4]), Used) << Notes;
        ++nBooks;
    }
    EXPECT_EQ(nBooks, 4);
}

}  // namespace
