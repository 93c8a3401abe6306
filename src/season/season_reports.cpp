#include "season/season_reports.h"

void Write_Awards_Report() {}
void Write_Money_Report() {}
void Write_Standings_Report() {}
