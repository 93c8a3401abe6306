#include "engine/game_context.h"

#include "platform/errors.h"

namespace {

struct BOUND_GAME {
    const GAME* pGame;
    GAME_CONTEXT* pContext;
};

// The bindings alive, oldest first; a short list looked through from the
// newest on every engine call about a game.
struct BINDINGS {
    int nCount = 0;
    BOUND_GAME Bound[MAX_BOUND_GAMES];
};

BINDINGS& Bindings()
{
    static BINDINGS Kept;
    return Kept;
}

GAME_CONTEXT& Shared_Context()
{
    static GAME_CONTEXT Shared;
    return Shared;
}

}  // namespace

GAME_CONTEXT& Get_Game_Context(const GAME* pGame)
{
    const BINDINGS& B = Bindings();
    for (int n = B.nCount - 1; n >= 0; --n)
        if (B.Bound[n].pGame == pGame)
            return *B.Bound[n].pContext;
    return Shared_Context();
}

GAME_CONTEXT_BINDING::GAME_CONTEXT_BINDING(const GAME* pGame, GAME_CONTEXT& Context)
    : m_pGame(pGame), m_pContext(&Context), m_bBound(false)
{
    BINDINGS& B = Bindings();
    if (B.nCount >= MAX_BOUND_GAMES) {
        Report_Error("%s: more than %d games at once", __func__, MAX_BOUND_GAMES);
        return;
    }
    B.Bound[B.nCount++] = BOUND_GAME{pGame, &Context};
    m_bBound = true;
}

GAME_CONTEXT_BINDING::~GAME_CONTEXT_BINDING()
{
    if (!m_bBound)
        return;
    BINDINGS& B = Bindings();
    // Bindings usually end newest first; one that ends out of turn is taken
    // out and the rest keep their order.
    for (int n = B.nCount - 1; n >= 0; --n) {
        if (B.Bound[n].pGame == m_pGame && B.Bound[n].pContext == m_pContext) {
            for (int k = n; k + 1 < B.nCount; ++k)
                B.Bound[k] = B.Bound[k + 1];
            --B.nCount;
            return;
        }
    }
}
