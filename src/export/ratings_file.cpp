#include "export/ratings_file.h"

// First bodies: the pieces are filled in next.
std::string Get_Player_Ratings_Path(int /*nYear*/) { return std::string(); }
int Export_Player_Ratings(int /*nPosition*/, int /*nYear*/) { return 0; }
int Format_Player_Ratings_Line(const char* /*szPath*/, int /*nTeam*/, int /*nSlot*/) { return 0; }
bool Build_Player_Ratings_Line(int /*nTeam*/, int /*nSlot*/, std::string& /*Line*/) { return false; }
int Export_Current_Player_Ratings(int /*nPosition*/) { return 0; }
void Export_Position_Ratings() {}
