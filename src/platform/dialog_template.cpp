#include "platform/dialog_template.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/ui_text.h"

namespace {

struct REGISTRY {
    std::map<int, DIALOG_REGISTRATION> Entries;
    std::vector<int> Ids;
};

// Built on first use, so registrars in any file's static objects find it.
REGISTRY& Registry()
{
    static REGISTRY Instance;
    return Instance;
}

bool Inside(const UI_RECT& Inner, int cx, int cy)
{
    return Inner.x >= 0 && Inner.y >= 0 && Inner.cx >= 0 && Inner.cy >= 0 && Inner.x + Inner.cx <= cx &&
           Inner.y + Inner.cy <= cy;
}

struct MARKED_CAPTION {
    int nId;
    int nKind;
    const std::string* pText;
};

std::string First_Clash(const std::vector<MARKED_CAPTION>& Captions)
{
    std::map<char, int> Owner;
    for (const MARKED_CAPTION& Caption : Captions) {
        if (Caption.nKind != CONTROL_BUTTON && Caption.nKind != CONTROL_CHECK && Caption.nKind != CONTROL_RADIO &&
            Caption.nKind != CONTROL_LABEL)
            continue;
        const char cLetter = Mnemonic_Char(*Caption.pText);
        if (cLetter == 0)
            continue;
        const auto [It, bNew] = Owner.emplace(cLetter, Caption.nId);
        if (!bNew)
            return "controls " + std::to_string(It->second) + " and " + std::to_string(Caption.nId) + " both mark '" +
                   std::string(1, cLetter) + "'";
    }
    return "";
}

}  // namespace

void Register_Dialog(int nDialogId, const DIALOG_TEMPLATE& Template, DIALOG_PROC pProc, std::span<const int> UsedIds)
{
    REGISTRY& R = Registry();
    R.Entries[nDialogId] = DIALOG_REGISTRATION{&Template, pProc, UsedIds};
    R.Ids.clear();
    for (const auto& Entry : R.Entries)
        R.Ids.push_back(Entry.first);
}

const DIALOG_REGISTRATION* Find_Dialog_Registration(int nDialogId)
{
    const REGISTRY& R = Registry();
    auto It = R.Entries.find(nDialogId);
    return It != R.Entries.end() ? &It->second : nullptr;
}

std::span<const int> Registered_Dialog_Ids()
{
    return Registry().Ids;
}

UI_RECT Dialog_Units_To_Pixels(const UI_RECT& Rect)
{
    // Both edges are converted, so neighbours stay flush after rounding.
    const int nLeft = Dialog_Units_To_Pixels_X(Rect.x);
    const int nTop = Dialog_Units_To_Pixels_Y(Rect.y);
    return UI_RECT{nLeft, nTop, Dialog_Units_To_Pixels_X(Rect.x + Rect.cx) - nLeft,
                   Dialog_Units_To_Pixels_Y(Rect.y + Rect.cy) - nTop};
}

UI_RECT Anchor_Rectangle(const UI_RECT& Rect, unsigned nAnchors, int dx, int dy)
{
    if ((nAnchors & CS_ANCHOR_MASK) == 0)
        nAnchors = CS_ANCHOR_LEFT | CS_ANCHOR_TOP;
    UI_RECT Out = Rect;
    const bool bLeft = (nAnchors & CS_ANCHOR_LEFT) != 0;
    const bool bRight = (nAnchors & CS_ANCHOR_RIGHT) != 0;
    const bool bTop = (nAnchors & CS_ANCHOR_TOP) != 0;
    const bool bBottom = (nAnchors & CS_ANCHOR_BOTTOM) != 0;
    if (bLeft && bRight)
        Out.cx = std::max(Rect.cx + dx, 0);
    else if (bRight)
        Out.x = Rect.x + dx;
    if (bTop && bBottom)
        Out.cy = std::max(Rect.cy + dy, 0);
    else if (bBottom)
        Out.y = Rect.y + dy;
    return Out;
}

UI_RECT Get_Size_Grip_Rect(int cx, int cy)
{
    return UI_RECT{cx - SIZE_GRIP_PIXELS, cy - SIZE_GRIP_PIXELS, SIZE_GRIP_PIXELS, SIZE_GRIP_PIXELS};
}

bool Hit_Test_Size_Grip(int x, int y, int cx, int cy)
{
    const UI_RECT Grip = Get_Size_Grip_Rect(cx, cy);
    return x >= Grip.x && x < Grip.x + Grip.cx && y >= Grip.y && y < Grip.y + Grip.cy;
}

std::string Check_Dialog_Template(const DIALOG_TEMPLATE& Template)
{
    const std::string Name = "dialog " + std::to_string(Template.nId) + ": ";
    if (Template.cx <= 0 || Template.cy <= 0)
        return Name + "has no size";
    if ((Template.nStyle & DS_RESIZABLE) != 0 &&
        (Template.nMinCx <= 0 || Template.nMinCy <= 0 || Template.nMinCx > Template.cx || Template.nMinCy > Template.cy))
        return Name + "resizable without a minimum size within its size";
    std::set<int> Ids;
    int nDefaults = 0;
    for (const CONTROL_TEMPLATE& C : Template.Controls) {
        const std::string Control = Name + "control " + std::to_string(C.nId) + " ";
        const bool bShared = C.nId == -1 && (C.nKind == CONTROL_LABEL || C.nKind == CONTROL_GROUP);
        if (C.nId == 0 || (C.nId < 0 && !bShared))
            return Control + "has no usable id";
        if (!bShared && !Ids.insert(C.nId).second)
            return Control + "is not unique";
        if (C.nKind < 0 || C.nKind >= CONTROL_KIND_COUNT)
            return Control + "is of no kind";
        if (!Inside(C.Rect, Template.cx, Template.cy))
            return Control + "lies outside the dialog";
        if (C.szText == nullptr)
            return Control + "has no text";
        if ((C.nStyle & CS_DEFAULT) != 0 && (C.nKind != CONTROL_BUTTON || ++nDefaults > 1))
            return Control + "is a second default or no button";
        if (C.nMin > C.nMax)
            return Control + "has its range reversed";
        if (C.nTextLimit < 0)
            return Control + "has a negative text limit";
    }
    if (const std::string Clash = Find_Mnemonic_Clash(Template); !Clash.empty())
        return Name + Clash;
    for (const CONTROL_TEMPLATE& C : Template.Controls) {
        if (C.nBuddy == 0)
            continue;
        const auto It = std::find_if(Template.Controls.begin(), Template.Controls.end(),
                                     [&](const CONTROL_TEMPLATE& B) { return B.nId == C.nBuddy; });
        if (C.nKind != CONTROL_UPDOWN || It == Template.Controls.end() || It->nKind != CONTROL_EDIT)
            return Name + "control " + std::to_string(C.nId) + " has no edit for a buddy";
    }
    return "";
}

std::string Find_Mnemonic_Clash(const DIALOG_TEMPLATE& Template)
{
    std::vector<std::string> Texts;
    for (const CONTROL_TEMPLATE& C : Template.Controls)
        Texts.push_back(C.szText != nullptr ? C.szText : "");
    std::vector<MARKED_CAPTION> Captions;
    for (size_t i = 0; i < Template.Controls.size(); ++i)
        Captions.push_back(MARKED_CAPTION{Template.Controls[i].nId, Template.Controls[i].nKind, &Texts[i]});
    return First_Clash(Captions);
}

std::string Find_Mnemonic_Clash(const std::vector<DIALOG_CONTROL>& Controls)
{
    std::vector<MARKED_CAPTION> Captions;
    for (const DIALOG_CONTROL& C : Controls)
        if (C.bVisible)
            Captions.push_back(MARKED_CAPTION{C.nId, C.nKind, &C.Text});
    return First_Clash(Captions);
}
