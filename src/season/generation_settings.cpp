// The settings that shape generated players.
#include "season/generation_settings.h"


#include "league/league_data.h"

int Get_Draft_Talent_Setting()
{
    return Get_Universe_Stat(DRAFT_TALENT_SETTING_STAT);
}

void Set_Draft_Talent_Setting(int nValue)
{
    Set_Universe_Stat(DRAFT_TALENT_SETTING_STAT, nValue);
}

bool Is_Fixed_Development_On()
{
    return Get_Universe_Word(FIXED_DEVELOPMENT_WORD) != 0;
}

void Set_Fixed_Development(bool bOn)
{
    Set_Universe_Word(FIXED_DEVELOPMENT_WORD, bOn ? 1 : 0);
}
