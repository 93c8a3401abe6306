#include "platform/main_frame.h"

namespace {

const FRAME_BACKEND* g_pBackend = nullptr;
MAIN_FRAME_HANDLERS g_Handlers;
bool g_bOpen = false;
FRAME_RECT g_Rect;
std::string g_Title;
int g_nStatusHeight = STATUS_BAR_HEIGHT;
bool g_bNewsBar = false;
int g_nInvalidations = 0;

}  // namespace

namespace main_frame {

void Install_Backend(const FRAME_BACKEND* pBackend)
{
    g_pBackend = pBackend;
}

void Set_Handlers(const MAIN_FRAME_HANDLERS* pHandlers)
{
    g_Handlers = pHandlers != nullptr ? *pHandlers : MAIN_FRAME_HANDLERS{};
}

const MAIN_FRAME_HANDLERS& Handlers()
{
    return g_Handlers;
}

void Open(const FRAME_RECT& Rect)
{
    g_Rect = Rect;
    g_bOpen = true;
    if (g_pBackend != nullptr && g_pBackend->Open != nullptr)
        g_pBackend->Open(Rect);
}

void Close()
{
    if (!g_bOpen)
        return;
    if (g_pBackend != nullptr && g_pBackend->Close != nullptr)
        g_pBackend->Close();
    g_bOpen = false;
}

bool Is_Open()
{
    return g_bOpen;
}

void Set_Title(const std::string& Title)
{
    g_Title = Title;
    if (g_bOpen && g_pBackend != nullptr && g_pBackend->Title_Changed != nullptr)
        g_pBackend->Title_Changed();
}

const std::string& Title()
{
    return g_Title;
}

void Set_Bars(int nStatusHeight, bool bNewsBar)
{
    g_nStatusHeight = nStatusHeight < 0 ? 0 : nStatusHeight;
    g_bNewsBar = bNewsBar;
    if (g_bOpen && g_pBackend != nullptr && g_pBackend->Bars_Changed != nullptr)
        g_pBackend->Bars_Changed();
}

int Status_Bar_Height()
{
    return g_nStatusHeight;
}

bool Has_News_Bar()
{
    return g_bNewsBar;
}

void Invalidate(int nArea)
{
    ++g_nInvalidations;
    if (g_bOpen && g_pBackend != nullptr && g_pBackend->Invalidate != nullptr)
        g_pBackend->Invalidate(nArea);
}

int Invalidations()
{
    return g_nInvalidations;
}

FRAME_RECT Rect()
{
    FRAME_RECT Now;
    if (g_bOpen && g_pBackend != nullptr && g_pBackend->Get_Rect != nullptr && g_pBackend->Get_Rect(Now))
        g_Rect = Now;
    return g_Rect;
}

bool Shown_Rect(FRAME_RECT& Rect)
{
    return g_bOpen && g_pBackend != nullptr && g_pBackend->Get_Rect != nullptr && g_pBackend->Get_Rect(Rect);
}

void Paint(int nArea, CANVAS& Canvas)
{
    if (g_Handlers.pPaint != nullptr)
        g_Handlers.pPaint(nArea, Canvas);
}

}  // namespace main_frame
