// The template engine's variables and its leaders list: the link between the
// engine (html_template.cpp) and the page pieces. Used by the engine only.
#pragma once

#include <string>
#include <string_view>

#include "export/html_template.h"

// Appends the text of the variable to Out. false (nothing appended) when no
// variable has that name.
bool Expand_Template_Variable_Text(std::string_view Name, const HTML_TEMPLATE_PARAMS& Params, std::string& Out);

// A tLeaders table starts: the leaders list becomes the ten best of the
// statistic and period in the league, until the matching end; lists nest.
void Begin_Template_Leaders_Table(int nLeague, int nStat, int nPeriod);
void End_Template_Leaders_Table();
