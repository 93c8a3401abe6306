#include "season/leader_updates.h"

// The leader tables come with the players' statistics leaders; no pass has
// anything to update before them.
void Update_Career_Leaders(int) {}
void Update_All_Time_Leaders() {}
void Update_Leader_Lists(int) {}
