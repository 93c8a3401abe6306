// Reading and storing a player's statistics by period and code.
//
// Periods: 0 this season, 1 last season, 2 career, 3 predicted, 4-33 the
// season line at link (period - 4). Codes 0-19 are the stored statistics;
// higher codes are computed.
//
// For now this holds the stored statistics of periods 0-3 and the computed
// codes the league records already read (112, yards per rush). Season-line
// periods read 0 and store nothing until the season-line table is built.
#pragma once

// The statistic; 0 for an unused slot or an unknown code (reported).
int Get_Player_Stat(int nTeam, int nSlot, int nPeriod, int nCode);
// Stores stored statistic 0-19 of period 0-3.
void Set_Player_Stat(int nTeam, int nSlot, int nPeriod, int nStat, int nValue);
