#include "platform/ui_backend.h"

namespace {

// Every operation null: each falls back to the model's headless behaviour.
const UI_BACKEND HEADLESS{};
const UI_BACKEND* g_pBackend = &HEADLESS;

}  // namespace

void Install_Ui_Backend(const UI_BACKEND* pBackend)
{
    g_pBackend = pBackend != nullptr ? pBackend : &HEADLESS;
}

const UI_BACKEND& Ui_Backend()
{
    return *g_pBackend;
}

bool Ui_Is_Headless()
{
    return g_pBackend == &HEADLESS;
}
