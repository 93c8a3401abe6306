// Made-up college seasons for a prospect, archived as his season lines.
#pragma once

void Generate_Player_History(int nTeam, int nSlot, int nYearOffset);
