#include "export/statistics_file.h"

// First bodies: the pieces are filled in next.
int Write_Player_Stats_File(const char* /*szPath*/, int /*nSelection*/, int /*nPeriod*/, int /*nSection*/, int /*nSort*/, int /*nFormat*/) { return 0; }
int Get_Player_Sort_Value(int /*nTeam*/, int /*nSlot*/, int /*nPeriod*/, int /*nSort*/) { return 0; }
void Format_Stat_Table_Row(int /*nTeam*/, int /*nSlot*/, int /*nPeriod*/, int /*nSection*/, int /*nFormat*/, std::string& /*Out*/) {}
std::string Format_Period_Label(int /*nPeriod*/) { return std::string(); }
const char* Get_Stat_Table_Header(int /*nSection*/, int /*nColumn*/) { return ""; }
void Write_Stats_Html_Head(FILE* /*pFile*/, int /*nSelection*/, int /*nPeriod*/, int /*nSection*/) {}
void Write_Stat_Table_Row(FILE* /*pFile*/, int /*nTeam*/, int /*nSlot*/, int /*nPeriod*/, int /*nSection*/, int /*nFormat*/) {}
void Write_Stat_Table_Heading(FILE* /*pFile*/, int /*nPeriod*/, int /*nSection*/, int /*nFormat*/) {}
void Write_Stats_Html_Tail(FILE* /*pFile*/) {}
