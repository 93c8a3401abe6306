// Fuzz target of the tuning files through a short generation: the input's
// bytes become extreme but parseable values of "Input/DraftTalent.txt" (15
// lines of three numbers) and "Input/DraftStrategy.txt" (15 numbers), each
// either within the range the files allow (its bounds included) or anywhere
// in the 16-bit range; the files are read and a few rookies and free agents
// are made with what was taken. Whatever the values, the generation ends
// (libFuzzer's time-out finds one that does not), each player made keeps a
// position 0-14 and finite ratings within their storage bound, and the log
// stays small (a loop that reports on every pass is a fault here).

#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_input_file.h"
#include "fuzz_league.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/college_draft.h"
#include "season/draft_pool.h"
#include "season/player_generation.h"

namespace {

// The next value: two bytes for the value, one for whether it is held to the
// allowed range (most are, so that generation sees the bounds themselves).
int Next_Value(const uint8_t*& p, const uint8_t* pEnd, int nLimit)
{
    if (pEnd - p < 3) {
        p = pEnd;
        return 0;
    }
    const int16_t nRaw = static_cast<int16_t>(p[0] | (p[1] << 8));
    const uint8_t nHow = p[2];
    p += 3;
    if (nHow % 4 == 0)
        return nRaw;                      // anywhere in the 16-bit range
    if (nHow % 4 == 1)
        return nHow & 4 ? nLimit : -nLimit;   // a bound
    return nRaw % (nLimit + 1);           // within the range
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst) {
        Start_Fuzz_League();
        Make_Fuzz_Folder("Input");
    }
    bFirst = false;
    const uint8_t* p = pData;
    const uint8_t* pEnd = pData + nSize;
    std::string Talent;
    std::string Strategy;
    for (int nLine = 0; nLine < 15; ++nLine) {
        const int a = Next_Value(p, pEnd, DRAFT_TALENT_LIMIT);
        const int b = Next_Value(p, pEnd, DRAFT_TALENT_LIMIT);
        const int c = Next_Value(p, pEnd, DRAFT_TALENT_LIMIT);
        Talent += std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + "\n";
        Strategy += std::to_string(Next_Value(p, pEnd, DRAFT_STRATEGY_LIMIT)) + "\n";
    }
    Write_Fuzz_File("Input/DraftTalent.txt", reinterpret_cast<const uint8_t*>(Talent.data()), Talent.size());
    Write_Fuzz_File("Input/DraftStrategy.txt", reinterpret_cast<const uint8_t*>(Strategy.data()), Strategy.size());
    ::remove(DEBUG_LOG_FILE);
    Load_Draft_Talent();
    Load_Draft_Strategy();

    // A rookie of each kind of position in a pool and two free agents, in an
    // ordinary year and in the year of the prospect class.
    for (int nYear : {2019, PROSPECT_CLASS_YEAR}) {
        League.Universe.nStat[FIRST_SEASON_YEAR] = nYear;
        for (int s = 0; s < 4; ++s) {
            Clear_Player(FIRST_DRAFT_POOL_TEAM, s);
            Fabricate_Position_Player(FIRST_DRAFT_POOL_TEAM, s, (s * 4 + nYear) % NUMBER_OF_POSITIONS, 1);
            Check_Fuzz_Player(League.Team[FIRST_DRAFT_POOL_TEAM].Player[s]);
        }
        for (int s = 0; s < 2; ++s) {
            Clear_Player(FREE_AGENT_TEAM, s);
            Fabricate_Position_Player(FREE_AGENT_TEAM, s, s * 7, 0);
            Check_Fuzz_Player(League.Team[FREE_AGENT_TEAM].Player[s]);
        }
    }
    Check_Fuzz_Log_Small();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}
