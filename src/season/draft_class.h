// The rookie database of a draft class ("databases/rookies-%d.dat").
#pragma once

// The file of the class drafted after season nSeasonYear: the year after.
void Get_Draft_Class_Database_Path(char* szBuffer, int nSize, int nSeasonYear);

// Reads the rookie database of the year after the current season into the
// college pools. Reading the class itself comes with the database tools;
// now the file is looked for and, when it is missing, the debug log says so
// ("%s not found. Generating random rookies." for a class year up to 2023)
// and the pools stay as they were, so the pool set-up fills them with
// generated rookies. No box is shown: a run without a window must not stop
// at one, and the generated class is the normal outcome. 1 when a class was
// read, 0 otherwise (every case now).
int Load_Draft_Class_Database();
