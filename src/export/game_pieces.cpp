#include "export/game_pieces.h"

// First bodies: the pieces are filled in next.
void Format_Game(std::string& /*Out*/, int /*nGame*/) {}
void Format_Playoff_Game(std::string& /*Out*/, int /*nSlot*/, int /*nSeason*/) {}
void Format_Game_Result(std::string& /*Out*/, int /*nWeek*/, int /*nTeam*/) {}
void Format_Game_Score(std::string& /*Out*/, int /*nWeek*/, int /*nTeam*/) {}
void Format_Game_Points(std::string& /*Out*/, int /*nGame*/, int /*nType*/) {}
void Format_Game_Team(std::string& /*Out*/, int /*nGame*/, int /*nType*/) {}
void Format_Opponent_Name(std::string& /*Out*/, int /*nWeek*/, int /*nTeam*/) {}
void Format_Home_Away_Word(std::string& /*Out*/, int /*nWeek*/, int /*nTeam*/) {}
void Format_Playoff_Star(std::string& /*Out*/, int /*nTeam*/, int /*nSeason*/) {}
void Format_Game_Leader_Ref(std::string& /*Out*/, int /*nGame*/, int /*nStat*/, int /*nPosition*/, int /*nType*/) {}
void Format_Game_Leader_Name(std::string& /*Out*/, int /*nGame*/, int /*nStat*/, int /*nPosition*/, int /*nType*/) {}
void Format_Game_Leader_Stat(std::string& /*Out*/, int /*nGame*/, int /*nStat*/, int /*nPosition*/, int /*nType*/) {}
void Format_Schedule_Leader_Ref(std::string& /*Out*/, int /*nTeam*/, int /*nWeek*/, int /*nStat*/, int /*nPosition*/) {}
void Format_Schedule_Leader_Name(std::string& /*Out*/, int /*nTeam*/, int /*nWeek*/, int /*nStat*/, int /*nPosition*/) {}
void Format_Schedule_Leader_Stat(std::string& /*Out*/, int /*nTeam*/, int /*nWeek*/, int /*nStat*/, int /*nPosition*/) {}
void Format_Quarter_Begin(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
void Format_Play_Time(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
void Format_Play_Offensive_Team(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
void Format_Play_Down(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
void Format_Play_Yardline(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
void Format_Play_Offensive_Play(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
void Format_Play_Defensive_Play(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
void Format_Play_Result(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
void Format_Play_TD(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
void Format_Play_Injury(std::string& /*Out*/, int /*nGame*/, int /*nPlay*/) {}
int Get_Game_Play_Count(int /*nGame*/) { return 0; }
