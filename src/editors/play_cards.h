// The play card panel of the playbook editor: combos 1457-1465, feedback
// 1466, deck check box 1407, over the card rules of
// engine/play_card_rules.h, and the built-in cards for the viewed club.
#pragma once

#include "engine/play_card_rules.h"
#include "platform/dialogs.h"

// The panel's controls.
constexpr int CARD_SCORING_COMBO = 1457;
constexpr int CARD_OFFENSE_1_COMBO = 1458;
constexpr int CARD_OFFENSE_2_COMBO = 1459;
constexpr int CARD_DEFENSE_1_COMBO = 1460;
constexpr int CARD_DEFENSE_2_COMBO = 1461;
constexpr int CARD_BONUS_RATING_COMBO = 1462;
constexpr int CARD_BONUS_POSITION_COMBO = 1463;
constexpr int CARD_BONUS_VALUE_COMBO = 1464;
constexpr int CARD_PLAY_KIND_COMBO = 1465;
constexpr int CARD_FEEDBACK_TEXT = 1466;   // "Tolvaren Editor Feedback"
constexpr int CARD_FIRST_LABEL = 1467;     // labels 1467-1475
constexpr int CARD_LAST_LABEL = 1475;
constexpr int CARD_STORE_BUTTON = 1477;
constexpr int CARD_DECK_CHECK = 1407;

// ---------------------------------------------------------------------------
// The panel. It works on the playbook editor's play (preferences 170-172
// and the viewed team); a host that shows it calls Fill_Play_Card_Controls
// when the play changes and Validate_Play_Card after each card combo change.

// Adds the nine combos and the feedback where the dialog lacks them, fills
// them and shows the play.
void Fill_Play_Card_Controls(DIALOG& Dialog);
void Show_Play_Card_Fields(DIALOG& Dialog);
void Store_Play_Card_Fields(DIALOG& Dialog);
int Compute_Card_Bonus_From_Dialog(const DIALOG& Dialog);
void Validate_Play_Card(DIALOG& Dialog);
// The deck check box: the play's flag and "%d / %d" (flags set, 25).
void Show_Card_Deck_Count(DIALOG& Dialog);
// The deck check box clicked: its state into the play's flag.
void Store_Card_Deck_Flag(DIALOG& Dialog);
void Remove_Play_Card_Controls(DIALOG& Dialog);

// ---------------------------------------------------------------------------
// The built-in cards (Load_Team_Default_Play_Cards) for the viewed club.
void Load_Default_Play_Cards();
