#include "export/stat_cells.h"

// First bodies: the pieces are filled in next.
int Get_Stat_Column_Index(int /*nGroup*/, int /*nStat*/) { return 0; }
bool Position_Shows_Stat_Column(int /*nPosition*/, int /*nColumn*/) { return false; }
const char* Get_Stat_Column_Caption(int /*nColumn*/) { return ""; }
void Format_Team_Wins(std::string& /*Out*/, int /*nTeam*/, int /*nSeason*/) {}
void Format_Team_Losses(std::string& /*Out*/, int /*nTeam*/, int /*nSeason*/) {}
void Format_Team_Ties(std::string& /*Out*/, int /*nTeam*/, int /*nSeason*/) {}
void Format_Team_Points_For(std::string& /*Out*/, int /*nTeam*/) {}
void Format_Team_Points_Against(std::string& /*Out*/, int /*nTeam*/) {}
void Format_Team_Points_For_Rank(std::string& /*Out*/, int /*nTeam*/) {}
void Format_Team_Points_Against_Rank(std::string& /*Out*/, int /*nTeam*/) {}
void Format_Team_Offense(std::string& /*Out*/, int /*nStat*/, int /*nTeam*/) {}
void Format_Team_Defense(std::string& /*Out*/, int /*nStat*/, int /*nTeam*/) {}
void Format_Team_Offense_Rank(std::string& /*Out*/, int /*nStat*/, int /*nTeam*/) {}
void Format_Team_Defense_Rank(std::string& /*Out*/, int /*nStat*/, int /*nTeam*/) {}
void Format_Player_Stat(std::string& /*Out*/, int /*nStat*/, int /*nPlayer*/, int /*nTeam*/, int /*nSeason*/, int /*nType*/) {}
void Format_Table_Stat_Caption(std::string& /*Out*/, int /*nPlayer*/, int /*nTeam*/, int /*nPosition*/) {}
void Format_Player_Vital_Stat(std::string& /*Out*/, int /*nStat*/, int /*nPlayer*/, int /*nTeam*/) {}
void Format_Player_College(std::string& /*Out*/, int /*nPlayer*/, int /*nTeam*/) {}
void Format_Player_Team(std::string& /*Out*/, int /*nPlayer*/, int /*nTeam*/, int /*nSeason*/) {}
void Format_Season_Year(std::string& /*Out*/, int /*nPlayer*/, int /*nTeam*/, int /*nSeason*/) {}
int Get_Team_Points_For(int /*nTeam*/) { return 0; }
int Get_Team_Points_Against(int /*nTeam*/) { return 0; }
int Count_Player_Past_Seasons(int /*nTeam*/, int /*nSlot*/) { return 0; }
