// Fuzz target of the card export's template composition: any bytes as a
// template picture the user put under "Tolvaren" (PNG or JPEG), decoded and
// drawn scaled into a card as the export draws its templates. The first
// byte picks one of the card's template rectangles. Whatever the picture, the
// card keeps its size and nothing is drawn outside it.

#include <cstdint>
#include <cstdlib>

#include "platform/canvas.h"
#include "platform/pictures.h"
#include "tools/card_export.h"

namespace {

// Rectangles the cards draw their templates into (x, y, width, height), and
// two that reach past the card's edge.
constexpr int RECTANGLES[][4] = {{36, 210, 750, 8},   {36, 748, 750, 300}, {520, 252, 260, 300}, {36, 40, 150, 150},
                                 {36, 36, 436, 44},   {480, 236, 232, 164}, {36, 580, 748, 90},  {0, 0, 1, 1},
                                 {-50, -50, 900, 1200}, {800, 1100, 400, 400}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize < 1)
        return 0;
    const int* r = RECTANGLES[pData[0] % (sizeof(RECTANGLES) / sizeof(RECTANGLES[0]))];
    CANVAS Picture;
    if (!Decode_Picture(pData + 1, nSize - 1, Picture) || Picture.Is_Empty())
        return 0;
    CANVAS Card(TOLVAREN_CARD_WIDTH, TOLVAREN_CARD_HEIGHT);
    Card.Draw_Canvas_Scaled(Picture, CANVAS_RECT{r[0], r[1], r[0] + r[2], r[1] + r[3]});
    if (Card.Width() != TOLVAREN_CARD_WIDTH || Card.Height() != TOLVAREN_CARD_HEIGHT)
        std::abort();
    return 0;
}
