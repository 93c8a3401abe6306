#include "export/leader_lists.h"

// First bodies: the pieces are filled in next.
void Build_Top_Ten_List(TOP_TEN_LIST* /*pList*/, int /*nLeague*/, int /*nCode*/, int /*nPeriod*/) {}
void Build_Top_Ten_List_2(TOP_TEN_LIST* /*pList*/, int /*nCategory*/) {}
void Set_Leader_Piece_List(const TOP_TEN_LIST* /*pList*/) {}
void Format_Leader_Name(std::string& /*Out*/, int /*nCount*/) {}
void Format_Leader_Team(std::string& /*Out*/, int /*nCount*/) {}
void Format_Leader_Stat(std::string& /*Out*/, int /*nCount*/) {}
void Format_Leader_Stat_Year(std::string& /*Out*/, int /*nCount*/) {}
void Format_Leader_Ref(std::string& /*Out*/, int /*nCount*/, int /*nType*/) {}
void Format_Leader_Team_Ref(std::string& /*Out*/, int /*nCount*/, int /*nType*/) {}
void Format_Team_Offense_Leader(std::string& /*Out*/, int /*nStat*/, int /*nTeam*/, int /*nSeason*/) {}
void Format_Time_Leader_Category(std::string& /*Out*/, int /*nSeason*/, int /*nType*/) {}
void Format_League_Leaders_Ref(std::string& /*Out*/, int /*nLeague*/, int /*nSeason*/, int /*nType*/) {}
void Format_Most_Recent_Leaders_Ref(std::string& /*Out*/, int /*nType*/) {}
