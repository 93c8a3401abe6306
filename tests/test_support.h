// Shared fixture: a zeroed league, a fresh headless ui, and a counted error log.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/ui.h"

class LeagueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Zero_League_Data();
        ui::Reset();
        Clear_Recent_Errors();
        Reset_Error_Count();
    }

    // Errors reported since SetUp or the last call.
    int Errors_Reported()
    {
        int n = Get_Error_Count();
        Reset_Error_Count();
        return n;
    }

    // Whether the newest reported error contains the text.
    static bool Last_Error_Contains(const std::string& Text)
    {
        std::string Recent = Get_Recent_Errors();
        std::string First = Recent.substr(0, Recent.find('\n'));
        return First.find(Text) != std::string::npos;
    }
};

// Byte-for-byte snapshot of the league block, to prove nothing was written.
struct LEAGUE_SNAPSHOT {
    std::string Bytes;
    LEAGUE_SNAPSHOT() : Bytes(reinterpret_cast<const char*>(&League), sizeof(League)) {}
    bool Unchanged() const
    {
        return Bytes.compare(0, Bytes.size(), reinterpret_cast<const char*>(&League), sizeof(League)) == 0;
    }
};
