// The pending trade offer and the least trade dialog (111): it shows the
// offer (both clubs and the players asked for) and closes. Making and
// answering trades is the front office's later work.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialogs.h"

constexpr int TRADE_DIALOG = 111;
constexpr int TRADE_ITEMS = 15;          // items a side offers
constexpr uint8_t TRADE_ITEM_EMPTY = 255;

// Controls of dialog 111.
constexpr int TRADE_FIRST_TEAM_TEXT = 1111;
constexpr int TRADE_SECOND_TEAM_TEXT = 1112;
constexpr int TRADE_WANTED_TEXT = 1113;

struct TRADE_OFFER {
    uint8_t nTeam[2] = {0, 0};            // the offering club, the other club
    uint8_t nItem[2][TRADE_ITEMS] = {};   // roster slots; 255 empty
    int32_t nCash = 0;
};

// The offer pending (one for the program; not saved).
TRADE_OFFER& Get_Trade_Offer();
// Empties the offer: both clubs 0, every item 255, cash 0.
void Clear_Trade_Offer();

// The texts dialog 111 shows for the pending offer: the first club, the
// second club, then one line per player asked for ("QB John Smith").
std::vector<std::string> Describe_Trade_Offer();

// The plural of position 0-14's name: "Safeties", "Tackles"; "" otherwise.
std::string Get_Position_Plural_Name(int nPosition);

void Trade_Dialog(DIALOG& Dialog, int nEvent, int nControl);
