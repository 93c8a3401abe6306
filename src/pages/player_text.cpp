// Small texts and figures of one player shared by the lists and the card.

#include "pages/player_text.h"

#include <cstdio>

#include "league/player.h"
#include "season/injuries.h"
#include "season/season_services.h"

std::string Format_Salary_Value(int nThousands)
{
    char szText[32];
    if (nThousands > 999)
        std::snprintf(szText, sizeof(szText), "$%d.%02dM", nThousands / 1000, (nThousands % 1000) / 10);
    else if (nThousands < 1)
        std::snprintf(szText, sizeof(szText), "$0");
    else
        std::snprintf(szText, sizeof(szText), "$%dK", nThousands);
    return szText;
}

void Format_Salary(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    std::string Text = Format_Salary(nTeam, nSlot);
    std::snprintf(szOut, nOutSize, "%s", Text.c_str());
}

std::string Format_Salary(int nTeam, int nSlot)
{
    return Format_Salary_Value(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY));
}

void Append_Player_Status_Tag(std::string& Text, int nTeam, int nSlot)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    if (Is_Player_Injured(nTeam, nSlot))
        Text += PLAYER_TAG_INJURED;
    if (Is_Contract_Expiring(nTeam, nSlot))
        Text += PLAYER_TAG_CONTRACT_ENDING;
}

int Forty_Yard_Time_From_Speed(float fSpeed)
{
    // 1.1 hundredths faster per point of speed, rounded to the hundredth.
    if (!(fSpeed > 0.0f))
        fSpeed = 0.0f;
    if (fSpeed > 100.0f)
        fSpeed = 100.0f;
    return 540 - static_cast<int>(fSpeed * 1.1f + 0.5f);
}

int Get_Player_Forty_Yard_Time(int nTeam, int nSlot)
{
    return Forty_Yard_Time_From_Speed(Get_Player_Rating(nTeam, nSlot, RATING_SPEED));
}

namespace {

// The ratings each position's overall rating weighs, heaviest first; equal
// weights stand in rating order. -1 ends a row.
constexpr int KEY_RATINGS[15][9] = {
    {RATING_ACCURACY, RATING_CONTROL, RATING_RED_ZONE, RATING_DISTANCE, RATING_MOBILITY, -1},   // QB
    {RATING_VISION, RATING_POWER, RATING_SPEED, RATING_HANDS, RATING_QUICKNESS, RATING_PASS_BLOCKING,
     RATING_RUN_BLOCKING, -1},                                                                   // RB
    {RATING_RUN_BLOCKING, RATING_POWER, RATING_PASS_BLOCKING, RATING_RECEIVING, RATING_VISION, RATING_SPEED,
     RATING_HANDS, RATING_QUICKNESS, -1},                                                        // FB
    {RATING_RECEIVING, RATING_RUN_BLOCKING, RATING_POWER, RATING_VISION, RATING_HANDS, RATING_SPEED,
     RATING_QUICKNESS, RATING_PASS_BLOCKING, -1},                                                // TE
    {RATING_RECEIVING, RATING_SPEED, RATING_POWER, RATING_VISION, RATING_QUICKNESS, RATING_HANDS,
     RATING_PASS_BLOCKING, -1},                                                                  // WR
    {RATING_PASS_BLOCKING, RATING_RUN_BLOCKING, RATING_DISCIPLINE, -1},                          // T
    {RATING_PASS_BLOCKING, RATING_RUN_BLOCKING, RATING_DISCIPLINE, -1},                          // G
    {RATING_PASS_BLOCKING, RATING_RUN_BLOCKING, RATING_DISCIPLINE, -1},                          // C
    {RATING_PASS_RUSH, RATING_RUN_DEFENSE, RATING_TACKLING, RATING_TURNOVERS, RATING_PASS_COVERAGE, -1},  // DE
    {RATING_RUN_DEFENSE, RATING_PASS_RUSH, RATING_TACKLING, RATING_TURNOVERS, -1},               // DT
    {RATING_PASS_RUSH, RATING_RUN_DEFENSE, RATING_TACKLING, RATING_PASS_COVERAGE, RATING_TURNOVERS, -1},  // LB
    {RATING_PASS_COVERAGE, RATING_TURNOVERS, RATING_TACKLING, RATING_RUN_DEFENSE, RATING_PASS_RUSH, -1},  // CB
    {RATING_PASS_COVERAGE, RATING_TACKLING, RATING_TURNOVERS, RATING_RUN_DEFENSE, RATING_PASS_RUSH, -1},  // S
    {RATING_FG_ACCURACY, RATING_FG_DISTANCE, -1},                                                // K
    {RATING_PUNT_DISTANCE, RATING_PUNT_ACCURACY, -1},                                            // P
};

}  // namespace

int Get_Position_Key_Rating(int nPosition, int n)
{
    if (nPosition < 0 || nPosition >= 15 || n < 0 || n >= 9)
        return -1;
    for (int i = 0; i < n; ++i)
        if (KEY_RATINGS[nPosition][i] < 0)
            return -1;
    return KEY_RATINGS[nPosition][n];
}
