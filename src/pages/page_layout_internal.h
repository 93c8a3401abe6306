// Pieces the page layouts share (for the files of pages/ only).
#pragma once

#include <string>
#include <vector>

#include "pages/page_layout.h"

namespace page_parts {

PAGE_RECT Rect(int nLeft, int nTop, int nRight, int nBottom);
void Add_Text(PAGE_LAYOUT& Layout, const PAGE_RECT& Box, const std::string& Text, int nType,
              int nAlign = ALIGN_LEFT);
void Add_Rule(PAGE_LAYOUT& Layout, int nLeft, int nTop, int nRight, int nWeight);
// A vertical rule from nTop to nBottom at x.
void Add_Column_Rule(PAGE_LAYOUT& Layout, int x, int nTop, int nBottom);
void Add_Row(PAGE_LAYOUT& Layout, int nTeam, const PAGE_RECT& Box, int nGroup);
// "Old North": the league's name and the division's, or "Division N".
std::string Division_Heading(int nDivision);
// A user's club is set in bold wherever it appears.
int Team_Type(int nTeam);
// The division's clubs as the Standings page lists them, the leader first.
std::vector<int> Division_Order(int nDivision);

}  // namespace page_parts
