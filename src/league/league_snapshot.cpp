#include "league/league_snapshot.h"

#include <cstring>

#include "league/league_data.h"

LEAGUE_READ_ONLY_SCOPE::LEAGUE_READ_ONLY_SCOPE() : m_pSaved(new unsigned char[sizeof(League)])
{
    std::memcpy(m_pSaved.get(), &League, sizeof(League));
}

LEAGUE_READ_ONLY_SCOPE::~LEAGUE_READ_ONLY_SCOPE()
{
    std::memcpy(&League, m_pSaved.get(), sizeof(League));
}
