#include "shell/news_bar.h"

#include "pages/news_ticker.h"
#include "shell/main_window.h"

namespace {

NEWS_BAR_STATE g_Bar;
NEWS_TICKER_TIMER g_Timer;

void Stop_Timer()
{
    if (g_Bar.bRunning && g_Timer.pStop != nullptr)
        g_Timer.pStop();
    g_Bar.bRunning = false;
}

}  // namespace

void Create_News_Bar()
{
    if (g_Bar.bCreated)
        return;
    g_Bar.bCreated = true;
    g_Bar.bStale = false;
    g_Bar.Text = Build_News_Ticker_Text();
    g_Bar.nOffset = 0;
    Refresh_Main_Window_Layout();
}

void Refresh_News_Bar_Text()
{
    if (!g_Bar.bCreated)
        return;
    g_Bar.bStale = false;
    const std::string Text = Build_News_Ticker_Text();
    if (Text == g_Bar.Text)
        return;
    g_Bar.Text = Text;
    g_Bar.nOffset = 0;
}

void Mark_News_Bar_Stale()
{
    g_Bar.bStale = true;
}

void Update_News_Bar_Text()
{
    if (!g_Bar.bCreated || !g_Bar.bStale)
        return;
    g_Bar.bStale = false;
    g_Bar.Text = Build_News_Ticker_Text();
}

int Get_News_Ticker_Text_X(int nLeft, int nRight, int nTextWidth)
{
    const int x = nRight - g_Bar.nOffset;
    if (!g_Bar.bRunning && (x >= nRight || x + nTextWidth <= nLeft))
        return nLeft;
    return x;
}

void Close_News_Bar()
{
    Stop_Timer();
    g_Bar.bCreated = false;
    Refresh_Main_Window_Layout();
}

void Destroy_News_Bar()
{
    Stop_Timer();
    g_Bar.bCreated = false;
    g_Bar.Text.clear();
    g_Bar.nOffset = 0;
    Refresh_Main_Window_Layout();
}

bool Is_News_Bar_Shown()
{
    return g_Bar.bCreated;
}

void Start_Main_News_Ticker()
{
    if (!g_Bar.bCreated)
        return;
    g_Bar.bStale = false;
    g_Bar.Text = Build_News_Ticker_Text();
    g_Bar.nOffset = 0;
    if (!g_Bar.bRunning && g_Timer.pStart != nullptr)
        g_Timer.pStart(NEWS_TICKER_INTERVAL_MS);
    g_Bar.bRunning = true;
}

void Stop_Main_News_Ticker()
{
    Stop_Timer();
}

void Tick_News_Ticker(int nBarWidth, int nTextWidth)
{
    if (!g_Bar.bCreated || !g_Bar.bRunning)
        return;
    ++g_Bar.nTicks;
    g_Bar.nOffset += NEWS_TICKER_STEP;
    if (g_Bar.nOffset > nBarWidth + nTextWidth)
        g_Bar.nOffset = 0;
}

const NEWS_BAR_STATE& Get_News_Bar()
{
    return g_Bar;
}

void Set_News_Ticker_Timer(const NEWS_TICKER_TIMER& Timer)
{
    g_Timer = Timer;
}

void Reset_News_Bar()
{
    g_Bar = NEWS_BAR_STATE{};
    g_Timer = NEWS_TICKER_TIMER{};
}
