// Schedules of 31 and 32 teams made from the built-in tables
// (schedule_tables.h): the season's team order puts every team into a table
// slot, then the table's games are entered one by one with Schedule_Game.
// The schedule driver clears the schedule and rebuilds the division
// standings order first, and calls the two 32-team generators only for
// eight divisions of four.
#pragma once

// 32 teams, 17 games, weeks 0-17. Team order: the fixed order of 2021, 2022
// or 2023 when it keeps every division's clubs in one four-slot group of
// the table, else each team's division slot. Pairings from R3-(year mod 3),
// rotated after 2023 (Rotate_Schedule_Slot); days and kick-offs from R3-2 in
// odd years, R3-0 in even years.
void Fill_Schedule();
// 32 teams, 16 games, weeks 0-16. Team order: division slots after 2023,
// the fixed order of 2014-2023, else the year-mod-12 order; a fixed order
// that scatters a division over the table's groups gives way to the
// division slots. Pairings from
// Y2002..Y2008 in those years, else R12-(year mod 12); days and kick-offs by
// the default rule of Schedule_Game.
void Fill_Schedule_16_Games();
// 31 teams, 16 games, weeks 0-16, from the 2001 table: the 2001 order in
// 2001, else the league slots shuffled by six random swaps of five-slot
// blocks (0 / 11, then 16 / 21 / 26).
void Generate_Schedule();

// 4 x division + the team's place in its division row; SCHEDULE_NO_VALUE
// (-128) after the report "Team not found in Get_Team_Division_Standing()"
// when no division row holds it.
int Get_Team_Division_Slot(int nTeam);
// The team's place in its division row + the number of teams in use whose
// division is lower; SCHEDULE_NO_VALUE (reported) when no row holds it.
int Get_Team_League_Slot(int nTeam);

// The slot a table gives in year nYear after 2023, d = nYear - 2022: slots
// 0-3 stay, divisions 1-3 rotate by d mod 3, divisions 4-7 by d mod 4, and
// with d mod 4 = 2 divisions 5 and 6 trade places. Other values unchanged.
int Rotate_Schedule_Slot(int nSlot, int nYear);
