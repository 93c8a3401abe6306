// The news bar: a 24-pixel band at the foot of the main window whose ticker
// runs the news of the day (pages/news_ticker.h) from right to left. A timer
// moves it NEWS_TICKER_STEP pixels every NEWS_TICKER_INTERVAL_MS; the ticker
// stands still while games are played.
#pragma once

#include <string>

#include "platform/main_frame.h"   // NEWS_BAR_HEIGHT

constexpr int NEWS_TICKER_INTERVAL_MS = 40;
constexpr int NEWS_TICKER_STEP = 2;

struct NEWS_BAR_STATE {
    bool bCreated = false;
    bool bRunning = false;   // the ticker's timer runs
    std::string Text;        // Windows-1252
    bool bStale = false;     // the league changed since the text was built
    int nOffset = 0;         // pixels the text has moved in from the right edge
    int nTicks = 0;          // timer ticks taken (tests)
};

// Creates the bar (its text built, the ticker not running).
void Create_News_Bar();
// The user's close: the bar goes and its timer stops; Create_News_Bar
// brings it back.
void Close_News_Bar();
// Destroys the bar and stops its timers (the college draft takes the room).
void Destroy_News_Bar();
bool Is_News_Bar_Shown();

// The ticker's text rebuilt and its run started from the right edge; nothing
// without a bar.
void Start_Main_News_Ticker();
// The ticker stops where it stands.
void Stop_Main_News_Ticker();
// The text rebuilt from the league loaded now (another league was loaded,
// or none replaced the one shown), from the right edge again; the ticker
// runs or stands as it did. Nothing without a bar.
void Refresh_News_Bar_Text();
// The league may have changed (a game or a day played, a pick or a trade
// made, the pages reset): the text is rebuilt before the bar shows again.
void Mark_News_Bar_Stale();
// A stale text rebuilt from the league as it is now. The ticker keeps its
// place: a running one moves on from where it is, a standing one stands.
// Nothing without a bar.
void Update_News_Bar_Text();
// Where the text starts in a ticker running from nLeft to nRight: nRight
// less the offset; a ticker that stands with none of the text in sight
// shows it from nLeft, so a bar stopped for a run of days is never blank.
int Get_News_Ticker_Text_X(int nLeft, int nRight, int nTextWidth);
// One timer tick: the text moves NEWS_TICKER_STEP pixels; once it has left
// the bar (offset beyond the bar's width and the text's), it starts again
// from the right edge.
void Tick_News_Ticker(int nBarWidth, int nTextWidth);
const NEWS_BAR_STATE& Get_News_Bar();

// The ticker's timer as the ui model runs it: the shell installs what starts
// (with the interval) and stops the timer; null hooks run no timer.
struct NEWS_TICKER_TIMER {
    void (*pStart)(int nIntervalMs) = nullptr;
    void (*pStop)() = nullptr;
};
void Set_News_Ticker_Timer(const NEWS_TICKER_TIMER& Timer);
// Back to no bar, no timer hooks (start-up of tests).
void Reset_News_Bar();
