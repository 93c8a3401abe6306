#include "export/page_links.h"

// First bodies: the pieces are filled in next.
std::string Page_Name_Of(const std::string& /*Name*/) { return std::string(); }
std::string Team_Page_Name(int /*nTeam*/) { return std::string(); }
std::string Team_Detail_Page_Name(int /*nTeam*/) { return std::string(); }
std::string Player_Page_Name(int /*nTeam*/, int /*nSlot*/) { return std::string(); }
std::string Game_Page_Name(int /*nGame*/) { return std::string(); }
std::string Leaders_Page_Name(int /*nLeague*/, int /*nPeriod*/) { return std::string(); }
std::string Team_Logo_Page_Path(int /*nTeam*/) { return std::string(); }
std::string Escape_Html_Text(const std::string& /*Text*/) { return std::string(); }
void Set_Html_Style_Sheet_Name(const std::string& /*Name*/) {}
const std::string& Get_Html_Style_Sheet_Name() { static const std::string Name = "styles.css"; return Name; }
void Format_Team_Ref(std::string& /*Out*/, int /*nTeam*/, int /*nSeason*/, int /*nType*/) {}
void Format_Opponent_Ref(std::string& /*Out*/, int /*nWeek*/, int /*nTeam*/, int /*nType*/) {}
void Format_Player_Ref(std::string& /*Out*/, int /*nPlayer*/, int /*nTeam*/, int /*nType*/) {}
void Format_Player_Team_Ref(std::string& /*Out*/, int /*nPlayer*/, int /*nTeam*/, int /*nSeason*/) {}
void Format_Game_Detail_Ref(std::string& /*Out*/, int /*nGame*/, int /*nType*/) {}
void Format_Game_Team_Ref(std::string& /*Out*/, int /*nGame*/, int /*nType*/) {}
void Format_Css_Link(std::string& /*Out*/, int /*nType*/) {}
void Format_Team_Logo(std::string& /*Out*/, int /*nTeam*/) {}
void Format_Game_Team_Logo(std::string& /*Out*/, int /*nGame*/, int /*nType*/) {}
void Format_Kelvo_Name(std::string& /*Out*/) {}
void Get_League_Name_Or_Overall(std::string& /*Out*/, int /*nLeague*/) {}
void Format_Division_Name(std::string& /*Out*/, int /*nDivision*/) {}
void Format_Position_Name(std::string& /*Out*/, int /*nPosition*/) {}
void Format_Playoff_Game_Name(std::string& /*Out*/, int /*nWeek*/) {}
void Format_Is_Playoff(std::string& /*Out*/, int /*nWeek*/) {}
void Format_Overall_Teams(std::string& /*Out*/) {}
void Format_Select(std::string& /*Out*/, int /*nType*/) {}
int Get_Regular_Season_Weeks() { return 0; }
