// The season's schedule: cleared, made by the right generator for the
// league's size and era, checked, and the six playoff days set after it.
#pragma once

// True when every team in use has its games; false (after the message) when
// no generator could make a schedule, the old one then cleared.
bool Generate_League_Schedule();
void Clear_League_Schedule();
bool Check_Eight_Divisions_Of_Four();
int Get_Last_Scheduled_Week();
