// The composite card grades of a player: eleven skill grades (codes 400-410),
// a value grade (412) and a salary grade (411), pure functions of his
// ratings and position.
#pragma once

constexpr int FIRST_COMPOSITE_GRADE = 400;
constexpr int LAST_COMPOSITE_SKILL_GRADE = 410;
constexpr int COMPOSITE_SALARY_GRADE = 411;
constexpr int COMPOSITE_VALUE_GRADE = 412;

// Codes 400-410: 400 Pass Blocking, 401 Run Blocking, 402 Rushing, 403 Goal
// Line, 404 Receiving, 405 Passing, 406 Red Zone, 407 Run Defense, 408 Pass
// Rush, 409 Coverage, 410 Tackling. Any other code gives 0.
int Get_Composite_Grade(int nTeam, int nSlot, int nCode);
// The value grade (code 412); kickers and punters get 1600. Each skill grade
// counts only by how far it passes 509 (g / 10 - 50), so at ratings of 0-100
// every player of a position family gets the same value: QB 721; RB, FB and
// TE 1600; WR 1121; T, G and C 1024; DE, DT and LB 536; CB and S 543. That is
// how the card game prices players, and it is kept.
int Get_Composite_Value_Grade(int nTeam, int nSlot);
// The salary grade 0-20 (code 411) from the value grade and the position's limits.
int Get_Composite_Salary_Grade(int nTeam, int nSlot);

// The card game's combination bonus of two defensive grades (407-410) in
// section 0-3 (the card play kinds); sections outside 0-3 give 0.
int Get_Grade_Combo_Bonus(int nSection, int nGradeA, int nGradeB);
// The same for two offensive grades (400-406).
int Get_Grade_Combo_Bonus_2(int nSection, int nGradeA, int nGradeB);
