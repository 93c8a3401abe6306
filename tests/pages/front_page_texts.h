// The texts of the front page that tests of more than one binary read.
#pragma once

#include <string>
#include <vector>
#include "pages/page_layout.h"

// The lines under the front page's "Division Leaders" heading, its last
// column ("American North: Cincinnati Riverboats 13-3").
inline std::vector<std::string> Front_Page_Division_Leaders()
{
    std::vector<std::string> Lines;
    bool bUnder = false;
    for (const PAGE_TEXT& Text : Layout_Front_Page().Texts) {
        if (bUnder)
            Lines.push_back(Text.Text);
        bUnder = bUnder || Text.Text == "Division Leaders";
    }
    return Lines;
}
