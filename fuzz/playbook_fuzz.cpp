// Fuzz target of the playbook file reader: any bytes, read as the offensive
// file "playbooks/fuzz.opb" and the defensive "playbooks/fuzz.dpb" of a club
// in use. Only a file of exactly its area's size is taken; a taken one has
// every text ended inside its field, every named play's codes within their
// ranges and every named offensive play one the game runs (a run's carrier
// and hole, a pass's receiver on a receiving route), so the play lists and
// the game can read it as it is. A refused file changes nothing.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/int_math.h"
#include "engine/playbook_files.h"
#include "engine/playbook_records.h"
#include "engine/playbook_rules.h"
#include "engine/playbooks.h"
#include "fuzz_input_file.h"
#include "fuzz_league.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

constexpr int CLUB = 0;

bool Ends_Inside(const char* szField, size_t nSize)
{
    return std::memchr(szField, '\0', nSize) != nullptr;
}

void Check_Offense(const OFFENSIVE_PLAYBOOK_AREA& Area)
{
    for (const auto& szCategory : Area.szCategory)
        if (!Ends_Inside(szCategory, sizeof(szCategory)))
            std::abort();
    if (!Ends_Inside(Area.szNotes, sizeof(Area.szNotes)) || !Ends_Inside(Area.szName, sizeof(Area.szName)))
        std::abort();
    for (const OFFENSIVE_PLAY& Play : Area.Play) {
        if (!Ends_Inside(Play.szName, sizeof(Play.szName)) ||
            !Ends_Inside(Play.szDescription, sizeof(Play.szDescription)))
            std::abort();
        if (!In_Range(Play.nRunHole, NO_HOLE, RUN_HOLE_COUNT - 1) || !In_Range(Play.nCarrier, -1, PLACES_ON_FIELD))
            std::abort();
        for (int32_t nRoute : Play.nRoute)
            if (!In_Range(nRoute, NO_ROUTE, PASS_ROUTE_COUNT - 1))
                std::abort();
        if (Play.szName[0] == '\0')
            continue;
        // A named play is one the game runs: a known formation; a run's
        // carrier in places 0-5 and a hole; a pass thrown to receiver 1-5 on
        // a receiving route.
        if (!In_Range(Play.nFormation, 0, LAST_OFFENSIVE_FORMATION))
            std::abort();
        if (Is_Running_Play_Type(Play.nType)) {
            if (!In_Range(Play.nCarrier, 1, 6) || Play.nRunHole < 0)
                std::abort();
        } else if (Is_Passing_Play_Type(Play.nType)) {
            if (!In_Range(Play.nCarrier, 2, 6))
                std::abort();
            const int32_t nPrimary = Play.nRoute[Play.nCarrier - 2];
            if (!In_Range(nPrimary, 0, 36) && nPrimary != 55)
                std::abort();
        } else {
            std::abort();
        }
    }
    for (int p = 0; p < OFFENSIVE_PLAY_COUNT; ++p) {
        char szName[PLAY_NAME_SIZE + 16];
        char szText[PLAY_DESCRIPTION_SIZE + 16];
        Get_Offensive_Play_Name(CLUB, p, szName);
        Get_Offensive_Play_Description(CLUB, p, szText);
        if (std::strlen(szName) >= PLAY_NAME_SIZE || std::strlen(szText) >= PLAY_DESCRIPTION_SIZE)
            std::abort();
    }
}

void Check_Defense(const DEFENSIVE_PLAYBOOK_AREA& Area)
{
    for (const auto& szCategory : Area.szCategory)
        if (!Ends_Inside(szCategory, sizeof(szCategory)))
            std::abort();
    if (!Ends_Inside(Area.szNotes, sizeof(Area.szNotes)) || !Ends_Inside(Area.szName, sizeof(Area.szName)))
        std::abort();
    for (const DEFENSIVE_PLAY& Play : Area.Play) {
        if (!Ends_Inside(Play.szName, sizeof(Play.szName)) ||
            !Ends_Inside(Play.szDescription, sizeof(Play.szDescription)))
            std::abort();
        // A free entry's formation is read only by readers that check it.
        if (Play.szName[0] != '\0' && !In_Range(Play.nFormation, FIRST_DEFENSIVE_FORMATION, LAST_DEFENSIVE_FORMATION))
            std::abort();
        for (int32_t nRole : Play.nResponsibility)
            if (!In_Range(nRole, 0, RESPONSIBILITY_COUNT - 1))
                std::abort();
    }
    for (int p = 0; p < DEFENSIVE_PLAY_COUNT; ++p) {
        char szName[PLAY_NAME_SIZE + 16];
        char szText[PLAY_DESCRIPTION_SIZE + 16];
        Get_Defensive_Play_Name(CLUB, p, szName);
        Get_Defensive_Play_Description(CLUB, p, szText);
        if (std::strlen(szName) >= PLAY_NAME_SIZE || std::strlen(szText) >= PLAY_DESCRIPTION_SIZE)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst) {
        Start_Fuzz_League(CLUB + 1);
        Make_Fuzz_Folder("playbooks");
    }
    bFirst = false;

    static OFFENSIVE_PLAYBOOK_AREA OffenseBefore;
    static DEFENSIVE_PLAYBOOK_AREA DefenseBefore;
    OFFENSIVE_PLAYBOOK_AREA* pOffense = Get_Offensive_Playbook_Area(CLUB);
    DEFENSIVE_PLAYBOOK_AREA* pDefense = Get_Defensive_Playbook_Area(CLUB);
    if (pOffense == nullptr || pDefense == nullptr)
        std::abort();
    std::memcpy(&OffenseBefore, pOffense, sizeof(OffenseBefore));
    std::memcpy(&DefenseBefore, pDefense, sizeof(DefenseBefore));

    Write_Fuzz_File("playbooks/fuzz.opb", pData, nSize);
    Write_Fuzz_File("playbooks/fuzz.dpb", pData, nSize);
    const bool bOffense = Load_Playbook_File(CLUB, PLAYBOOK_OFFENSE, "fuzz");
    const bool bDefense = Load_Playbook_File(CLUB, PLAYBOOK_DEFENSE, "fuzz");
    if (bOffense != (nSize == OFFENSIVE_PLAYBOOK_SIZE) || bDefense != (nSize == DEFENSIVE_PLAYBOOK_SIZE))
        std::abort();
    if (!bOffense && std::memcmp(&OffenseBefore, pOffense, sizeof(OffenseBefore)) != 0)
        std::abort();
    if (!bDefense && std::memcmp(&DefenseBefore, pDefense, sizeof(DefenseBefore)) != 0)
        std::abort();
    if (bOffense)
        Check_Offense(*pOffense);
    if (bDefense)
        Check_Defense(*pDefense);
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}
