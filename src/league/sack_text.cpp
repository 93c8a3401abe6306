#include "league/sack_text.h"

#include <cstdio>
#include <cstdlib>

std::string Format_Sacks(int nHalfSacks)
{
    // Wide arithmetic: the most negative int has no positive twin.
    const long long nTenths = 5LL * nHalfSacks;
    const long long nAbs = std::llabs(nTenths);
    char szText[32];
    std::snprintf(szText, sizeof(szText), "%s%lld.%lld", nTenths < 0 ? "-" : "", nAbs / 10, nAbs % 10);
    return szText;
}
