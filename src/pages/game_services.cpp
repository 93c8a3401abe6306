#include "pages/game_services.h"

#include <cstdio>

#include "engine/game_report.h"
#include "league/game_record.h"
#include "league/league_text.h"

void Get_Title_Game_Name(const GAME* pGame, char* szBuffer, size_t nSize)
{
    if (szBuffer == nullptr || nSize == 0)
        return;
    szBuffer[0] = '\0';
    if (pGame == nullptr)
        return;
    Get_Week_Name_Long(pGame->nWeek, szBuffer, nSize);
}

void Add_Play_Score(int bHomeHadBall, int nResult, int nScores[2])
{
    if (nScores == nullptr)
        return;
    const int nPoints = Get_Result_Points(nResult);
    if (nPoints == 0)
        return;
    int nSide = bHomeHadBall ? 1 : 0;
    switch (nResult) {
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_FUMBLE_RETURN_TOUCHDOWN:
    case RESULT_SAFETY:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        nSide = 1 - nSide;
        break;
    default:
        break;
    }
    nScores[nSide] = nScores[nSide] > nPoints ? nScores[nSide] - nPoints : 0;
}
