// An export reads the league and changes nothing in it: after a season of
// the default league (the bracket seeded, then played to its champion) the
// whole site is written, and the league block is byte for byte what it was
// (what decides whether there are unsaved changes), so a saved league has
// nothing to save after its export. Nor does the
// export ask the bracket for a slot it does not have.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "../test_support.h"
#include "../tools/default_league_inputs.h"
#include "export_settings_fixture.h"
#include "scratch_folder.h"
#include "export/encyclopedia.h"
#include "export/page_links.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "season/playoffs.h"
#include "tools/default_league/default_league.h"

namespace fs = std::filesystem;

namespace {

class ExportReadsOnlyTest : public ExportSettingsTest {
protected:
    void TearDown() override
    {
        ExportSettingsTest::TearDown();
        ui::Reset();
    }

    // The first offset where the league block differs from Before; -1 none.
    static long First_Change(const std::vector<unsigned char>& Before)
    {
        const auto* pNow = reinterpret_cast<const unsigned char*>(&League);
        for (size_t i = 0; i < Before.size(); ++i)
            if (Before[i] != pNow[i])
                return static_cast<long>(i);
        return -1;
    }

    static std::vector<unsigned char> Snapshot()
    {
        const auto* p = reinterpret_cast<const unsigned char*>(&League);
        return std::vector<unsigned char>(p, p + sizeof(League));
    }

    // Exports into a fresh folder and checks the league is as it was.
    static void Export_And_Expect_Nothing_Changed(const char* szFolder)
    {
        const std::vector<unsigned char> Before = Snapshot();
        Clear_Recent_Errors();
        ui::Reset();
        ASSERT_EQ(Export_Html_Encyclopedia(szFolder, nullptr), 1);
        EXPECT_EQ(First_Change(Before), -1) << "the first changed byte of the league block";
        EXPECT_EQ(std::string(Get_Recent_Errors()).find("Invalid playoff slot"), std::string::npos)
            << Get_Recent_Errors();
    }
};

}  // namespace

TEST_F(ExportReadsOnlyTest, ASeasonsExportChangesNothingMidSeasonOrWhenTheSeasonIsOver)
{
    SCRATCH_FOLDER Scratch("export_reads_only");
    ASSERT_TRUE(Scratch.Ready());
    Build_Default_League_To_Export();
    if (HasFatalFailure())
        return;
    Advance_Day(22);   // the regular season: the bracket is seeded
    ASSERT_FALSE(Is_Season_Complete());
    Export_And_Expect_Nothing_Changed("Midseason");
    Advance_Day(22);   // the playoffs, to the champion
    ASSERT_TRUE(Is_Season_Complete());
    Export_And_Expect_Nothing_Changed("Complete");
}
