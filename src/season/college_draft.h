// The college draft as the season cycle runs it.
#pragma once

void Begin_College_Draft();
void Load_Draft_Strategy();
void Roll_Draft_Pick_Owners_Forward();
void Clear_Negative_Seasons();
