#include "season/college_draft.h"

void Begin_College_Draft() {}
void Load_Draft_Strategy() {}
void Roll_Draft_Pick_Owners_Forward() {}
void Clear_Negative_Seasons() {}
