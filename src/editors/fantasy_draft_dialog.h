// Start Fantasy Draft (dialog 165): how the first round is ordered, how the
// later rounds follow it, and whether each pick is announced; OK starts the
// draft (season/fantasy_draft.h).
#pragma once

#include "platform/dialogs.h"

constexpr int START_FANTASY_DRAFT_DIALOG = 165;

// Controls. The first group orders the first round, the second the rest.
constexpr int FANTASY_FIRST_RANDOM = 1601;
constexpr int FANTASY_FIRST_CASH = 1602;
constexpr int FANTASY_FIRST_REVENUE = 1603;
constexpr int FANTASY_FIRST_ALPHABETICAL = 1604;
constexpr int FANTASY_LATER_REVERSE_BUTTON = 1611;
constexpr int FANTASY_LATER_REPEAT_BUTTON = 1612;
constexpr int FANTASY_LATER_SNAKE_BUTTON = 1613;
constexpr int FANTASY_LATER_RANDOM_BUTTON = 1614;
constexpr int FANTASY_ANNOUNCE_PICKS = 1620;

// The modes the radio buttons stand for: Random 1, Cash 2, Revenue 3,
// Alphabetical 4 (none checked: 1); Reverse 7, Repeat 6, Snake 5, Random 1
// (none checked: 7).
int Get_Fantasy_First_Round_Choice(const DIALOG& Dialog);
int Get_Fantasy_Later_Round_Choice(const DIALOG& Dialog);

// The procedure: OK closes with 1 and starts the draft, Cancel closes with 2.
void Start_Fantasy_Draft_Dialog(DIALOG& Dialog, int nEvent, int nControl);
// Runs the dialog; true when a draft was started.
bool Run_Start_Fantasy_Draft_Dialog();
