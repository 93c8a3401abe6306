// The end-of-season text reports in "Output".
#pragma once

void Write_Awards_Report();
void Write_Money_Report();
void Write_Standings_Report();
