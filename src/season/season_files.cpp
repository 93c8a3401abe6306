// The historical files of a season start.
#include "season/season_files.h"

void Read_Seasons_File(int bCurrent)
{
    (void)bCurrent;
}
