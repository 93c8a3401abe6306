#include "platform/dialogs.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <utility>

#include "platform/ui_services.h"
#include "platform/ui_text.h"

namespace {

// Rows of 8 dialog units, and a header of 12 above a report list's rows.
constexpr int ROW_HEIGHT_DU = 8;
constexpr int HEADER_HEIGHT_DU = 12;

bool Is_List_Kind(int nKind)
{
    return nKind == CONTROL_COMBO || nKind == CONTROL_LIST;
}

DIALOG_CONTROL Control_Of(const CONTROL_TEMPLATE& T)
{
    DIALOG_CONTROL C;
    C.nId = T.nId;
    C.nKind = T.nKind;
    C.Text = T.szText != nullptr ? T.szText : "";
    C.Rect = T.Rect;
    C.TemplateRect = T.Rect;
    C.nStyle = T.nStyle;
    C.nTextLimit = T.nTextLimit;
    C.nMin = T.nMin;
    C.nMax = T.nMax;
    C.nPosition = T.nMin;
    C.nBuddy = T.nBuddy;
    C.bEnabled = (T.nStyle & CS_DISABLED) == 0;
    C.bVisible = (T.nStyle & CS_HIDDEN) == 0;
    return C;
}

// A report list's rows changed other than by a sort: a backend fills them
// again.
void Rows_Changed(DIALOG_CONTROL& C)
{
    ++C.nRowsRevision;
    C.nSortedFrom = ~0u;
    C.SortOrder.clear();
}

// Keeps an item's parallel vectors as long as its items.
void Fit_Item_Vectors(DIALOG_CONTROL& C)
{
    C.ItemData.resize(C.Items.size(), 0);
    C.ItemSelected.resize(C.Items.size(), 0);
}

}  // namespace

DIALOG::DIALOG(int nDialogId, std::string Title, DIALOG_PROC pProc, void* pParam)
    : m_nId(nDialogId), m_Title(std::move(Title)), m_pProc(pProc), m_pParam(pParam)
{
}

DIALOG::~DIALOG()
{
    services::Kill_Dialog_Timers(this);
}

void DIALOG::Changed(int nControl)
{
    const UI_BACKEND& Backend = Ui_Backend();
    if (!m_bOpen || Backend.Dialog_Changed == nullptr)
        return;
    if (nControl != 0) {
        const DIALOG_CONTROL* p = Find(nControl);
        if (p != nullptr && p->nUpdateDepth > 0)
            return;
    }
    Backend.Dialog_Changed(*this, nControl);
}

void DIALOG::Set_Title(const std::string& Title)
{
    m_Title = Title;
    Changed(0);
}

void DIALOG::Build(const DIALOG_TEMPLATE& Template)
{
    m_pTemplate = &Template;
    m_nStyle = Template.nStyle;
    m_cx = Template.cx;
    m_cy = Template.cy;
    m_Controls.clear();
    m_nDefaultButton = DIALOG_OK;
    for (const CONTROL_TEMPLATE& T : Template.Controls) {
        m_Controls.push_back(Control_Of(T));
        if (T.nKind == CONTROL_BUTTON && (T.nStyle & CS_DEFAULT) != 0)
            m_nDefaultButton = T.nId;
    }
    Changed(0);
}

bool DIALOG::Build_Registered()
{
    if (m_pTemplate != nullptr)
        return true;
    const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(m_nId);
    if (pRegistration == nullptr || pRegistration->pTemplate == nullptr)
        return false;
    Build(*pRegistration->pTemplate);
    return true;
}

DIALOG_CONTROL& DIALOG::Add(int nId, int nKind, const std::string& Text)
{
    for (DIALOG_CONTROL& Control : m_Controls) {
        if (Control.nId == nId) {
            // The template's place and style stay; the content starts anew.
            DIALOG_CONTROL Fresh;
            Fresh.nId = nId;
            Fresh.nKind = nKind;
            Fresh.Text = Text;
            Fresh.Rect = Control.Rect;
            Fresh.TemplateRect = Control.TemplateRect;
            Fresh.nStyle = Control.nStyle;
            Fresh.nTextLimit = Control.nTextLimit;
            Fresh.nMin = Control.nMin;
            Fresh.nMax = Control.nMax;
            Fresh.nPosition = Control.nMin;
            Fresh.nBuddy = Control.nBuddy;
            Fresh.bEnabled = (Control.nStyle & CS_DISABLED) == 0;
            Fresh.bVisible = (Control.nStyle & CS_HIDDEN) == 0;
            Fresh.nRowsRevision = Control.nRowsRevision + 1;
            Control = std::move(Fresh);
            Changed(nId);
            return Control;
        }
    }
    DIALOG_CONTROL Control;
    Control.nId = nId;
    Control.nKind = nKind;
    Control.Text = Text;
    m_Controls.push_back(std::move(Control));
    Changed(0);
    return m_Controls.back();
}

DIALOG_CONTROL& DIALOG::Add(int nId, int nKind, const std::string& Text, const UI_RECT& Rect, unsigned nStyle)
{
    DIALOG_CONTROL& Control = Add(nId, nKind, Text);
    Control.Rect = Rect;
    Control.TemplateRect = Rect;
    Control.nStyle = nStyle;
    Control.bEnabled = (nStyle & CS_DISABLED) == 0;
    Control.bVisible = (nStyle & CS_HIDDEN) == 0;
    Changed(nId);
    return Control;
}

bool DIALOG::Remove(int nId)
{
    for (auto It = m_Controls.begin(); It != m_Controls.end(); ++It) {
        if (It->nId == nId) {
            m_Controls.erase(It);
            if (m_nFocus == nId)
                m_nFocus = 0;
            Changed(0);
            return true;
        }
    }
    return false;
}

DIALOG_CONTROL* DIALOG::Find(int nId)
{
    for (DIALOG_CONTROL& Control : m_Controls)
        if (Control.nId == nId)
            return &Control;
    return nullptr;
}

const DIALOG_CONTROL* DIALOG::Find(int nId) const
{
    for (const DIALOG_CONTROL& Control : m_Controls)
        if (Control.nId == nId)
            return &Control;
    return nullptr;
}

std::string DIALOG::Get_Text(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? p->Text : std::string();
}

void DIALOG::Set_Text(int nId, const std::string& Text)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->Text = Text;
        Changed(nId);
    }
}

int DIALOG::Get_Int(int nId) const
{
    return std::atoi(Get_Text(nId).c_str());
}

int DIALOG::Get_Selected(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? p->nSelected : -1;
}

void DIALOG::Set_Selected(int nId, int nIndex)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->nSelected = nIndex >= 0 && nIndex < static_cast<int>(p->Items.size()) ? nIndex : -1;
        Changed(nId);
    }
}

bool DIALOG::Is_Checked(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr && p->bChecked;
}

void DIALOG::Set_Checked(int nId, bool bChecked)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->bChecked = bChecked;
        Changed(nId);
    }
}

void DIALOG::Check_Radio(int nId)
{
    int nIndex = -1;
    for (size_t i = 0; i < m_Controls.size(); ++i)
        if (m_Controls[i].nId == nId)
            nIndex = static_cast<int>(i);
    if (nIndex < 0)
        return;
    // The group runs from the nearest CS_GROUP control at or before it to
    // the next CS_GROUP control.
    int nFirst = nIndex;
    while (nFirst > 0 && (m_Controls[nFirst].nStyle & CS_GROUP) == 0)
        --nFirst;
    int nEnd = nIndex + 1;
    while (nEnd < static_cast<int>(m_Controls.size()) && (m_Controls[nEnd].nStyle & CS_GROUP) == 0)
        ++nEnd;
    for (int i = nFirst; i < nEnd; ++i)
        if (m_Controls[i].nKind == CONTROL_RADIO)
            m_Controls[i].bChecked = i == nIndex;
    Changed(0);
}

void DIALOG::Enable(int nId, bool bEnabled)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->bEnabled = bEnabled;
        Changed(nId);
    }
}

bool DIALOG::Is_Enabled(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr && p->bEnabled;
}

void DIALOG::Show(int nId, bool bVisible)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->bVisible = bVisible;
        if (!bVisible && m_nFocus == nId)
            m_nFocus = 0;
        Changed(nId);
    }
}

bool DIALOG::Is_Visible(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr && p->bVisible;
}

void DIALOG::Set_Focus(int nId)
{
    const DIALOG_CONTROL* p = Find(nId);
    m_nFocus = p != nullptr && p->bVisible && p->bEnabled ? nId : 0;
    Changed(nId);
}

int DIALOG::Opening_Focus(int nReached) const
{
    const DIALOG_CONTROL* pReached = Find(nReached);
    const DIALOG_CONTROL* pDefault = Find(m_nDefaultButton);
    if (pReached == nullptr || pReached->nKind != CONTROL_BUTTON || pDefault == nullptr ||
        pDefault->nKind != CONTROL_BUTTON || !pDefault->bVisible || !pDefault->bEnabled)
        return nReached;
    return m_nDefaultButton;
}

UI_RECT DIALOG::Control_Pixels(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? Dialog_Units_To_Pixels(p->Rect) : UI_RECT{};
}

void DIALOG::Move_Control_By(int nId, int dx, int dy, int dcx, int dcy)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        for (UI_RECT* pRect : {&p->Rect, &p->TemplateRect}) {
            pRect->x += dx;
            pRect->y += dy;
            pRect->cx = std::max(pRect->cx + dcx, 0);
            pRect->cy = std::max(pRect->cy + dcy, 0);
        }
        Changed(nId);
    }
}

void DIALOG::Clear_Items(int nId)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->Items.clear();
        p->ItemData.clear();
        p->ItemSelected.clear();
        p->nSelected = -1;
        p->nTopIndex = 0;
        Changed(nId);
    }
}

int DIALOG::Add_Item(int nId, const std::string& Text, int64_t nData)
{
    DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? Insert_Item(nId, static_cast<int>(p->Items.size()), Text, nData) : -1;
}

int DIALOG::Insert_Item(int nId, int nIndex, const std::string& Text, int64_t nData)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return -1;
    Fit_Item_Vectors(*p);
    const int nCount = static_cast<int>(p->Items.size());
    if (nIndex < 0 || nIndex > nCount)
        nIndex = nCount;
    p->Items.insert(p->Items.begin() + nIndex, Text);
    p->ItemData.insert(p->ItemData.begin() + nIndex, nData);
    p->ItemSelected.insert(p->ItemSelected.begin() + nIndex, 0);
    if (p->nSelected >= nIndex)
        ++p->nSelected;
    Changed(nId);
    return nIndex;
}

int DIALOG::Item_Count(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? static_cast<int>(p->Items.size()) : 0;
}

std::string DIALOG::Item_Text(int nId, int nIndex) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nIndex < 0 || nIndex >= static_cast<int>(p->Items.size()))
        return std::string();
    return p->Items[nIndex];
}

int64_t DIALOG::Item_Data(int nId, int nIndex) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nIndex < 0 || nIndex >= static_cast<int>(p->ItemData.size()) ||
        nIndex >= static_cast<int>(p->Items.size()))
        return 0;
    return p->ItemData[nIndex];
}

void DIALOG::Set_Item_Data(int nId, int nIndex, int64_t nData)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nIndex < 0 || nIndex >= static_cast<int>(p->Items.size()))
        return;
    Fit_Item_Vectors(*p);
    p->ItemData[nIndex] = nData;
}

int DIALOG::Find_Item_Prefix(int nId, const std::string& Prefix) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return -1;
    for (size_t i = 0; i < p->Items.size(); ++i)
        if (p->Items[i].size() >= Prefix.size() &&
            strncasecmp(p->Items[i].c_str(), Prefix.c_str(), Prefix.size()) == 0)
            return static_cast<int>(i);
    return -1;
}

void DIALOG::Strip_Item_Extensions(int nId)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        for (std::string& Item : p->Items) {
            const size_t nDot = Item.rfind('.');
            if (nDot != std::string::npos)
                Item.erase(nDot);
        }
        Changed(nId);
    }
}

void DIALOG::Set_Tab_Stops(int nId, const std::vector<int>& Stops)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->TabStops = Stops;
        Changed(nId);
    }
}

void DIALOG::Set_Item_Selected(int nId, int nIndex, bool bSelected)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nIndex < 0 || nIndex >= static_cast<int>(p->Items.size()))
        return;
    Fit_Item_Vectors(*p);
    p->ItemSelected[nIndex] = bSelected ? 1 : 0;
    Changed(nId);
}

bool DIALOG::Is_Item_Selected(int nId, int nIndex) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nIndex < 0 || nIndex >= static_cast<int>(p->Items.size()))
        return false;
    if ((p->nStyle & CS_MULTI_SELECT) == 0)
        return p->nSelected == nIndex;
    return nIndex < static_cast<int>(p->ItemSelected.size()) && p->ItemSelected[nIndex] != 0;
}

std::vector<int> DIALOG::Selected_Items(int nId) const
{
    std::vector<int> Selected;
    for (int i = 0; i < Item_Count(nId); ++i)
        if (Is_Item_Selected(nId, i))
            Selected.push_back(i);
    return Selected;
}

int DIALOG::Get_Caret_Index(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return -1;
    return p->nKind == CONTROL_REPORT ? p->nFocusRow : p->nSelected;
}

void DIALOG::Set_Caret_Index(int nId, int nIndex)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return;
    if (p->nKind == CONTROL_REPORT) {
        Set_Focused_Row(nId, nIndex);
        return;
    }
    if ((p->nStyle & CS_MULTI_SELECT) == 0) {
        Set_Selected(nId, nIndex);
        return;
    }
    p->nSelected = nIndex >= 0 && nIndex < static_cast<int>(p->Items.size()) ? nIndex : -1;
    Changed(nId);
}

int DIALOG::Get_Top_Index(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? p->nTopIndex : 0;
}

void DIALOG::Set_Top_Index(int nId, int nIndex)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        const int nCount = p->nKind == CONTROL_REPORT ? static_cast<int>(p->Rows.size())
                                                      : static_cast<int>(p->Items.size());
        p->nTopIndex = std::clamp(nIndex, 0, std::max(nCount - 1, 0));
        Changed(nId);
    }
}

void DIALOG::Set_Range(int nId, int nMin, int nMax)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->nMin = nMin;
        p->nMax = nMax;
        p->nPosition = std::clamp(p->nPosition, std::min(nMin, nMax), std::max(nMin, nMax));
        Changed(nId);
    }
}

void DIALOG::Set_Position(int nId, int nPosition)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->nPosition = std::clamp(nPosition, std::min(p->nMin, p->nMax), std::max(p->nMin, p->nMax));
        Changed(nId);
    }
}

int DIALOG::Get_Position(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? p->nPosition : 0;
}

void DIALOG::Add_Column(int nId, int nTag, const std::string& Text, int nWidth, int nAlign)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->Columns.push_back(DIALOG_COLUMN{nTag, Text, std::max(nWidth, 0), nAlign});
        p->ColumnOrder.push_back(static_cast<int>(p->Columns.size()) - 1);
        for (DIALOG_ROW& Row : p->Rows)
            Row.Cells.resize(p->Columns.size());
        Rows_Changed(*p);
        Changed(nId);
    }
}

void DIALOG::Clear_Columns(int nId)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->Columns.clear();
        p->ColumnOrder.clear();
        for (DIALOG_ROW& Row : p->Rows)
            Row.Cells.clear();
        Rows_Changed(*p);
        Changed(nId);
    }
}

int DIALOG::Column_Count(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? static_cast<int>(p->Columns.size()) : 0;
}

int DIALOG::Column_Tag(int nId, int nColumn) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nColumn < 0 || nColumn >= static_cast<int>(p->Columns.size()))
        return -1;
    return p->Columns[nColumn].nTag;
}

int DIALOG::Find_Column(int nId, int nTag) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return -1;
    for (size_t i = 0; i < p->Columns.size(); ++i)
        if (p->Columns[i].nTag == nTag)
            return static_cast<int>(i);
    return -1;
}

int DIALOG::Column_Width(int nId, int nColumn) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nColumn < 0 || nColumn >= static_cast<int>(p->Columns.size()))
        return 0;
    return p->Columns[nColumn].nWidth;
}

void DIALOG::Set_Column_Width(int nId, int nColumn, int nWidth)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nColumn < 0 || nColumn >= static_cast<int>(p->Columns.size()))
        return;
    p->Columns[nColumn].nWidth = std::max(nWidth, 0);
    Changed(nId);
}

int DIALOG::Text_Width(int, const std::string& Text) const
{
    // Every list shows the dialog font.
    return Ui_Text_Width(Text);
}

std::vector<int> DIALOG::Column_Order(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? p->ColumnOrder : std::vector<int>();
}

bool DIALOG::Set_Column_Order(int nId, const std::vector<int>& Order)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || Order.size() != p->Columns.size())
        return false;
    std::vector<int> Sorted = Order;
    std::sort(Sorted.begin(), Sorted.end());
    for (size_t i = 0; i < Sorted.size(); ++i)
        if (Sorted[i] != static_cast<int>(i))
            return false;
    p->ColumnOrder = Order;
    Changed(nId);
    return true;
}

void DIALOG::Clear_Rows(int nId)
{
    if (DIALOG_CONTROL* p = Find(nId)) {
        p->Rows.clear();
        p->nFocusRow = -1;
        p->nTopIndex = 0;
        Rows_Changed(*p);
        Changed(nId);
    }
}

int DIALOG::Add_Row(int nId, int64_t nData)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return -1;
    DIALOG_ROW Row;
    Row.nData = nData;
    Row.Cells.resize(p->Columns.size());
    p->Rows.push_back(std::move(Row));
    Rows_Changed(*p);
    Changed(nId);
    return static_cast<int>(p->Rows.size()) - 1;
}

int DIALOG::Add_Row(int nId, int64_t nKey, const std::vector<std::string>& Cells)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return -1;
    DIALOG_ROW Row;
    Row.nData = nKey;
    Row.Cells.assign(Cells.begin(), Cells.begin() + static_cast<std::ptrdiff_t>(std::min(Cells.size(), p->Columns.size())));
    Row.Cells.resize(p->Columns.size());
    p->Rows.push_back(std::move(Row));
    Rows_Changed(*p);
    Changed(nId);
    return static_cast<int>(p->Rows.size()) - 1;
}

void DIALOG::Set_Row_Cells(int nId, int nRow, const std::vector<std::string>& Cells)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nRow < 0 || nRow >= static_cast<int>(p->Rows.size()))
        return;
    DIALOG_ROW& Row = p->Rows[nRow];
    Row.Cells.assign(Cells.begin(), Cells.begin() + static_cast<std::ptrdiff_t>(std::min(Cells.size(), p->Columns.size())));
    Row.Cells.resize(p->Columns.size());
    Rows_Changed(*p);
    Changed(nId);
}

void DIALOG::Set_Cell(int nId, int nRow, int nColumn, const std::string& Text)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nRow < 0 || nRow >= static_cast<int>(p->Rows.size()) || nColumn < 0 ||
        nColumn >= static_cast<int>(p->Columns.size()))
        return;
    DIALOG_ROW& Row = p->Rows[nRow];
    Row.Cells.resize(p->Columns.size());
    Row.Cells[nColumn] = Text;
    Rows_Changed(*p);
    Changed(nId);
}

std::string DIALOG::Cell(int nId, int nRow, int nColumn) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nRow < 0 || nRow >= static_cast<int>(p->Rows.size()) || nColumn < 0 ||
        nColumn >= static_cast<int>(p->Rows[nRow].Cells.size()))
        return std::string();
    return p->Rows[nRow].Cells[nColumn];
}

int DIALOG::Row_Count(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? static_cast<int>(p->Rows.size()) : 0;
}

int64_t DIALOG::Row_Data(int nId, int nRow) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || nRow < 0 || nRow >= static_cast<int>(p->Rows.size()))
        return 0;
    return p->Rows[nRow].nData;
}

int DIALOG::Find_Row(int nId, int64_t nData) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return -1;
    for (size_t i = 0; i < p->Rows.size(); ++i)
        if (p->Rows[i].nData == nData)
            return static_cast<int>(i);
    return -1;
}

void DIALOG::Select_Row(int nId, int nRow)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return;
    if (nRow < -1 || nRow >= static_cast<int>(p->Rows.size()))
        nRow = -1;
    for (size_t i = 0; i < p->Rows.size(); ++i)
        p->Rows[i].bSelected = static_cast<int>(i) == nRow;
    p->nFocusRow = nRow;
    // The rows themselves are as they were: a backend shows the selection
    // without filling them again.
    Changed(nId);
}

int DIALOG::Selected_Row(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return -1;
    for (size_t i = 0; i < p->Rows.size(); ++i)
        if (p->Rows[i].bSelected)
            return static_cast<int>(i);
    return -1;
}

int DIALOG::Focused_Row(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? p->nFocusRow : -1;
}

void DIALOG::Set_Focused_Row(int nId, int nRow)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return;
    p->nFocusRow = nRow >= 0 && nRow < static_cast<int>(p->Rows.size()) ? nRow : -1;
    Changed(nId);
}

void DIALOG::Ensure_Visible(int nId, int nRow)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr)
        return;
    const bool bReport = p->nKind == CONTROL_REPORT;
    const int nCount = bReport ? static_cast<int>(p->Rows.size()) : static_cast<int>(p->Items.size());
    if (nRow < 0 || nRow >= nCount)
        return;
    const int nShown = std::max((p->Rect.cy - (bReport ? HEADER_HEIGHT_DU : 0)) / ROW_HEIGHT_DU, 1);
    if (nRow < p->nTopIndex)
        p->nTopIndex = nRow;
    else if (nRow >= p->nTopIndex + nShown)
        p->nTopIndex = nRow - nShown + 1;
    Changed(nId);
}

void DIALOG::Sort_Rows(int nId, bool (*pLess)(const DIALOG_ROW&, const DIALOG_ROW&, void*), void* pContext)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || pLess == nullptr)
        return;
    std::vector<int> Order(p->Rows.size());
    std::iota(Order.begin(), Order.end(), 0);
    std::stable_sort(Order.begin(), Order.end(),
                     [&](int a, int b) { return pLess(p->Rows[a], p->Rows[b], pContext); });
    std::vector<DIALOG_ROW> Sorted;
    Sorted.reserve(p->Rows.size());
    int nNewFocus = -1;
    for (size_t i = 0; i < Order.size(); ++i) {
        if (Order[i] == p->nFocusRow)
            nNewFocus = static_cast<int>(i);
        Sorted.push_back(std::move(p->Rows[Order[i]]));
    }
    p->Rows = std::move(Sorted);
    p->nFocusRow = nNewFocus;
    p->nSortedFrom = p->nRowsRevision++;
    p->SortOrder = std::move(Order);
    Changed(nId);
}

void DIALOG::Sort_Rows_By_Key(int nId, bool (*pLess)(int64_t, int64_t, void*), void* pContext)
{
    if (pLess == nullptr)
        return;
    struct BY_KEY {
        bool (*pLess)(int64_t, int64_t, void*);
        void* pContext;
    } By{pLess, pContext};
    Sort_Rows(
        nId,
        [](const DIALOG_ROW& a, const DIALOG_ROW& b, void* q) {
            const BY_KEY* p = static_cast<const BY_KEY*>(q);
            return p->pLess(a.nData, b.nData, p->pContext);
        },
        &By);
}

void DIALOG::Begin_Update(int nId)
{
    if (DIALOG_CONTROL* p = Find(nId))
        ++p->nUpdateDepth;
}

void DIALOG::End_Update(int nId)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || p->nUpdateDepth <= 0)
        return;
    if (--p->nUpdateDepth == 0)
        Changed(nId);
}

bool DIALOG::Is_Updating(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr && p->nUpdateDepth > 0;
}

void DIALOG::Move_Aside()
{
    if (!m_bAside) {
        m_bAside = true;
        Changed(0);
    }
}

void DIALOG::Move_Back()
{
    if (m_bAside) {
        m_bAside = false;
        Changed(0);
    }
}

void DIALOG::Invalidate(int nId, const UI_RECT* pArea)
{
    const UI_BACKEND& Backend = Ui_Backend();
    if (m_bOpen && Backend.Invalidate != nullptr)
        Backend.Invalidate(this, nId, pArea);
    else if (Backend.Invalidate == nullptr)
        services::Record_Invalidation(m_nId, nId);
}

void DIALOG::Set_Timer(int nTimer, int nMs)
{
    services::Set_Dialog_Timer(this, nTimer, nMs);
}

void DIALOG::Kill_Timer(int nTimer)
{
    services::Kill_Dialog_Timer(this, nTimer);
}

void DIALOG::End(int nResult)
{
    m_bEnded = true;
    m_nResult = nResult;
    const UI_BACKEND& Backend = Ui_Backend();
    if (m_bOpen && Backend.Dialog_Ended != nullptr)
        Backend.Dialog_Ended(*this);
}

void DIALOG::Send(int nEvent, int nControl, const DIALOG_EVENT_INFO& Info)
{
    // Events nest (a handler opens a box whose timer fires): keep the outer one.
    const DIALOG_EVENT_INFO Outer = m_Event;
    m_Event = Info;
    m_pProc(*this, nEvent, nControl);
    m_Event = Outer;
}

DIALOG_CONTROL* DIALOG::Usable(int nId, int nKind)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || !p->bEnabled || !p->bVisible || (nKind >= 0 && p->nKind != nKind))
        return nullptr;
    return p;
}

// Every User_* operation: the model first, then the event, then the backend
// brought in line with whatever the procedure changed.
namespace {
DIALOG_EVENT_INFO Notification(int nNotification)
{
    DIALOG_EVENT_INFO Info;
    Info.nNotification = nNotification;
    return Info;
}
}  // namespace

bool DIALOG::User_Press(int nId)
{
    if (Usable(nId, CONTROL_BUTTON) == nullptr)
        return false;
    Send(DIALOG_COMMAND, nId, Notification(NOTIFY_CLICKED));
    Changed(0);
    return true;
}

bool DIALOG::User_Cancel()
{
    if ((m_nStyle & DS_IGNORE_ESCAPE) != 0)
        return false;
    const DIALOG_CONTROL* p = Find(DIALOG_CANCEL);
    if (p != nullptr && p->nKind == CONTROL_BUTTON) {
        if (!p->bEnabled)
            return false;
        Send(DIALOG_COMMAND, DIALOG_CANCEL, Notification(NOTIFY_CLICKED));
    } else {
        End(DIALOG_CANCEL);
    }
    Changed(0);
    return true;
}

bool DIALOG::User_Set_Text(int nId, const std::string& Text)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_EDIT);
    if (p == nullptr || (p->nStyle & CS_READONLY) != 0 || !Is_Windows_1252_Text(Text))
        return false;
    if (p->nTextLimit > 0 && static_cast<int>(Text.size()) > p->nTextLimit)
        return false;
    if ((p->nStyle & CS_MULTILINE) == 0 && Text.find_first_of("\r\n") != std::string::npos)
        return false;
    p->Text = Text;
    Send(DIALOG_COMMAND, nId, Notification(NOTIFY_TEXT_CHANGED));
    Changed(0);
    return true;
}

bool DIALOG::User_Check(int nId, bool bChecked)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_CHECK);
    if (p == nullptr)
        return false;
    p->bChecked = bChecked;
    Send(DIALOG_COMMAND, nId, Notification(NOTIFY_CLICKED));
    Changed(0);
    return true;
}

bool DIALOG::User_Radio(int nId)
{
    if (Usable(nId, CONTROL_RADIO) == nullptr)
        return false;
    Check_Radio(nId);
    Send(DIALOG_COMMAND, nId, Notification(NOTIFY_CLICKED));
    Changed(0);
    return true;
}

bool DIALOG::User_Select(int nId, int nIndex)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || Usable(nId, p->nKind) == nullptr || !Is_List_Kind(p->nKind) || nIndex < 0 ||
        nIndex >= static_cast<int>(p->Items.size()))
        return false;
    p->nSelected = nIndex;
    if ((p->nStyle & CS_MULTI_SELECT) != 0) {
        Fit_Item_Vectors(*p);
        std::fill(p->ItemSelected.begin(), p->ItemSelected.end(), 0);
        p->ItemSelected[nIndex] = 1;
    }
    Send(DIALOG_COMMAND, nId, Notification(NOTIFY_SELECTION_CHANGED));
    Changed(0);
    return true;
}

bool DIALOG::User_Double_Click(int nId, int nIndex)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_LIST);
    if (p == nullptr || nIndex < 0 || nIndex >= static_cast<int>(p->Items.size()))
        return false;
    // The first click of the two selects.
    if (!Is_Item_Selected(nId, nIndex) && !User_Select(nId, nIndex))
        return false;
    if (Find(nId) == nullptr)
        return true;
    Send(DIALOG_COMMAND, nId, Notification(NOTIFY_DOUBLE_CLICK));
    Changed(0);
    return true;
}

bool DIALOG::User_Select_Items(int nId, const std::vector<int>& Indexes)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_LIST);
    if (p == nullptr || (p->nStyle & CS_MULTI_SELECT) == 0)
        return false;
    for (int n : Indexes)
        if (n < 0 || n >= static_cast<int>(p->Items.size()))
            return false;
    Fit_Item_Vectors(*p);
    std::fill(p->ItemSelected.begin(), p->ItemSelected.end(), 0);
    for (int n : Indexes)
        p->ItemSelected[n] = 1;
    p->nSelected = Indexes.empty() ? -1 : Indexes.back();
    Send(DIALOG_COMMAND, nId, Notification(NOTIFY_SELECTION_CHANGED));
    Changed(0);
    return true;
}

bool DIALOG::User_Toggle_Item(int nId, int nIndex)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_LIST);
    if (p == nullptr || (p->nStyle & CS_MULTI_SELECT) == 0 || nIndex < 0 ||
        nIndex >= static_cast<int>(p->Items.size()))
        return false;
    Fit_Item_Vectors(*p);
    p->ItemSelected[nIndex] = p->ItemSelected[nIndex] != 0 ? 0 : 1;
    p->nSelected = nIndex;
    Send(DIALOG_COMMAND, nId, Notification(NOTIFY_SELECTION_CHANGED));
    Changed(0);
    return true;
}

bool DIALOG::User_Scroll(int nId, int nTopIndex)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || (p->nKind != CONTROL_LIST && p->nKind != CONTROL_REPORT))
        return false;
    const int nCount = p->nKind == CONTROL_REPORT ? static_cast<int>(p->Rows.size()) : static_cast<int>(p->Items.size());
    p->nTopIndex = std::clamp(nTopIndex, 0, std::max(nCount - 1, 0));
    return true;
}

bool DIALOG::User_Focus(int nId)
{
    DIALOG_CONTROL* p = Usable(nId, -1);
    if (p == nullptr)
        return false;
    const int nOld = m_nFocus;
    m_nFocus = nId;
    // Buttons, boxes and frames say nothing of their focus.
    auto Tells = [](int nKind) {
        return nKind == CONTROL_EDIT || nKind == CONTROL_COMBO || nKind == CONTROL_LIST || nKind == CONTROL_REPORT;
    };
    const DIALOG_CONTROL* pOld = nOld != nId ? Find(nOld) : nullptr;
    if (pOld != nullptr && Tells(pOld->nKind))
        Send(DIALOG_COMMAND, nOld, Notification(NOTIFY_FOCUS_LOST));
    if (Tells(p->nKind) && p->nKind != CONTROL_REPORT)
        Send(DIALOG_COMMAND, nId, Notification(NOTIFY_FOCUS_GAINED));
    Changed(0);
    return true;
}

bool DIALOG::User_Drop_Down(int nId)
{
    if (Usable(nId, CONTROL_COMBO) == nullptr)
        return false;
    Send(DIALOG_COMMAND, nId, Notification(NOTIFY_DROPPED_DOWN));
    Changed(0);
    return true;
}

bool DIALOG::User_Spin(int nId, bool bUp)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_UPDOWN);
    if (p == nullptr)
        return false;
    const int nLow = std::min(p->nMin, p->nMax);
    const int nHigh = std::max(p->nMin, p->nMax);
    const int nOld = p->nPosition;
    p->nPosition = std::clamp(nOld + (bUp ? 1 : -1), nLow, nHigh);
    if (p->nPosition == nOld)
        return true;   // at the end of its range the arrow does nothing
    DIALOG_EVENT_INFO Info;
    Info.nCode = bUp ? SCROLL_UP : SCROLL_DOWN;
    Info.nPosition = p->nPosition;
    const int nBuddy = (p->nStyle & CS_KEEP_BUDDY_TEXT) != 0 ? 0 : p->nBuddy;
    if (DIALOG_CONTROL* pBuddy = nBuddy != 0 ? Find(nBuddy) : nullptr) {
        pBuddy->Text = std::to_string(Info.nPosition);
        Send(DIALOG_COMMAND, nBuddy, Notification(NOTIFY_TEXT_CHANGED));
    }
    Send(DIALOG_SCROLL, nId, Info);
    Changed(0);
    return true;
}

bool DIALOG::User_Arrow_Key(int nId, bool bUp)
{
    if (Usable(nId, CONTROL_EDIT) == nullptr)
        return false;
    for (const DIALOG_CONTROL& Control : m_Controls)
        if (Control.nKind == CONTROL_UPDOWN && Control.nBuddy == nId)
            return Usable(Control.nId, CONTROL_UPDOWN) != nullptr && User_Spin(Control.nId, bUp);
    return false;
}

bool DIALOG::User_Track(int nId, int nPosition)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_TRACKBAR);
    if (p == nullptr)
        return false;
    p->nPosition = std::clamp(nPosition, std::min(p->nMin, p->nMax), std::max(p->nMin, p->nMax));
    DIALOG_EVENT_INFO Info;
    Info.nCode = SCROLL_THUMB;
    Info.nPosition = p->nPosition;
    Send(DIALOG_SCROLL, nId, Info);
    Changed(0);
    return true;
}

bool DIALOG::User_Click(int nId, int x, int y)
{
    if (Usable(nId, CONTROL_PAINT) == nullptr)
        return false;
    DIALOG_EVENT_INFO Info;
    Info.x = x;
    Info.y = y;
    Send(DIALOG_CLICK, nId, Info);
    Changed(0);
    return true;
}

bool DIALOG::User_Paint(int nId, CANVAS* pCanvas, const UI_RECT& Area)
{
    if (nId != 0) {
        const DIALOG_CONTROL* p = Find(nId);
        if (p == nullptr || p->nKind != CONTROL_PAINT || !p->bVisible)
            return false;
    }
    DIALOG_EVENT_INFO Info;
    Info.pCanvas = pCanvas;
    Info.Area = Area;
    Send(DIALOG_PAINT, nId, Info);
    return true;
}

bool DIALOG::User_Draw_Item(int nId, int nItem, CANVAS* pCanvas, const UI_RECT& Area, bool bSelected)
{
    const DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || !p->bVisible || (p->nStyle & CS_OWNER_DRAW) == 0 || !Is_List_Kind(p->nKind) || nItem < 0 ||
        nItem >= static_cast<int>(p->Items.size()))
        return false;
    DIALOG_EVENT_INFO Info;
    Info.nRow = nItem;
    Info.nCode = bSelected ? 1 : 0;
    Info.pCanvas = pCanvas;
    Info.Area = Area;
    Send(DIALOG_DRAW_ITEM, nId, Info);
    return true;
}

bool DIALOG::User_Header_Click(int nId, int nColumn)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_REPORT);
    if (p == nullptr || nColumn < 0 || nColumn >= static_cast<int>(p->Columns.size()))
        return false;
    DIALOG_EVENT_INFO Info = Notification(LIST_COLUMN_CLICK);
    Info.nColumn = nColumn;
    Info.nTag = p->Columns[nColumn].nTag;
    Send(DIALOG_NOTIFY, nId, Info);
    Changed(0);
    return true;
}

bool DIALOG::User_Row_Select(int nId, int nRow)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_REPORT);
    if (p == nullptr || nRow < 0 || nRow >= static_cast<int>(p->Rows.size()))
        return false;
    Select_Row(nId, nRow);
    DIALOG_EVENT_INFO Info = Notification(LIST_ITEM_CHANGED);
    Info.nRow = nRow;
    Send(DIALOG_NOTIFY, nId, Info);
    Changed(0);
    return true;
}

bool DIALOG::User_Row_Double_Click(int nId, int nRow)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_REPORT);
    if (p == nullptr || nRow < 0 || nRow >= static_cast<int>(p->Rows.size()))
        return false;
    if (Selected_Row(nId) != nRow && !User_Row_Select(nId, nRow))
        return false;
    if (Find(nId) == nullptr)
        return true;
    DIALOG_EVENT_INFO Info = Notification(LIST_DOUBLE_CLICK);
    Info.nRow = nRow;
    Send(DIALOG_NOTIFY, nId, Info);
    Changed(0);
    return true;
}

bool DIALOG::User_Right_Click(int nId, int nRow, int x, int y, bool bOnHeader)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_REPORT);
    if (p == nullptr || nRow < -1 || nRow >= static_cast<int>(p->Rows.size()) || (bOnHeader && nRow != -1))
        return false;
    DIALOG_EVENT_INFO Info = Notification(LIST_RIGHT_CLICK);
    Info.nRow = nRow;
    Info.x = x;
    Info.y = y;
    Info.bOnHeader = bOnHeader;
    Send(DIALOG_NOTIFY, nId, Info);
    Changed(0);
    return true;
}

bool DIALOG::User_Column_Order(int nId, const std::vector<int>& Order)
{
    if (Usable(nId, CONTROL_REPORT) == nullptr)
        return false;
    return Set_Column_Order(nId, Order);
}

bool DIALOG::User_Move_Column(int nId, int nColumn, int nPosition)
{
    DIALOG_CONTROL* p = Usable(nId, CONTROL_REPORT);
    if (p == nullptr || nColumn < 0 || nColumn >= static_cast<int>(p->Columns.size()) || nPosition < 0 ||
        nPosition >= static_cast<int>(p->Columns.size()))
        return false;
    std::vector<int> Order = p->ColumnOrder;
    auto It = std::find(Order.begin(), Order.end(), nColumn);
    if (It == Order.end())
        return false;
    Order.erase(It);
    Order.insert(Order.begin() + nPosition, nColumn);
    return Set_Column_Order(nId, Order);
}

bool DIALOG::User_Column_Width(int nId, int nColumn, int nWidth)
{
    DIALOG_CONTROL* p = Find(nId);
    if (p == nullptr || p->nKind != CONTROL_REPORT || nColumn < 0 || nColumn >= static_cast<int>(p->Columns.size()))
        return false;
    p->Columns[nColumn].nWidth = std::max(nWidth, 0);
    return true;
}

bool DIALOG::User_Size(int cxPixels, int cyPixels)
{
    if ((m_nStyle & DS_RESIZABLE) == 0)
        return false;
    const int nBaseCx = m_pTemplate != nullptr ? m_pTemplate->cx : m_cx;
    const int nBaseCy = m_pTemplate != nullptr ? m_pTemplate->cy : m_cy;
    const int nMinCx = m_pTemplate != nullptr ? m_pTemplate->nMinCx : 0;
    const int nMinCy = m_pTemplate != nullptr ? m_pTemplate->nMinCy : 0;
    m_cx = std::max(cxPixels * 4 / 6, std::max(nMinCx, 1));
    m_cy = std::max(cyPixels * 8 / 13, std::max(nMinCy, 1));
    const int dx = m_cx - nBaseCx;
    const int dy = m_cy - nBaseCy;
    for (DIALOG_CONTROL& C : m_Controls)
        C.Rect = Anchor_Rectangle(C.TemplateRect, C.nStyle, dx, dy);
    Changed(0);
    DIALOG_EVENT_INFO Info;
    Info.x = Dialog_Units_To_Pixels_X(m_cx);
    Info.y = Dialog_Units_To_Pixels_Y(m_cy);
    Send(DIALOG_SIZE, 0, Info);
    Changed(0);
    return true;
}

bool DIALOG::User_Timer(int nTimer)
{
    Send(DIALOG_TIMER, nTimer);
    Changed(0);
    return true;
}

const DIALOG_CONTROL* DIALOG_RECORD::Find(int nId) const
{
    for (const DIALOG_CONTROL& Control : Controls)
        if (Control.nId == nId)
            return &Control;
    return nullptr;
}

bool Same_Entry_Text(const std::string& Entry, const std::string& Wanted)
{
    return strcasecmp(Strip_Mnemonic(Entry).c_str(), Strip_Mnemonic(Wanted).c_str()) == 0;
}

std::vector<std::string> Row_Texts_Shown(const DIALOG_CONTROL& Control, int nRow)
{
    std::vector<std::string> Texts;
    if (nRow < 0 || nRow >= static_cast<int>(Control.Rows.size()))
        return Texts;
    const DIALOG_ROW& Row = Control.Rows[nRow];
    for (int nColumn : Control.ColumnOrder)
        Texts.push_back(nColumn >= 0 && nColumn < static_cast<int>(Row.Cells.size()) ? Row.Cells[nColumn] : std::string());
    return Texts;
}

std::vector<std::string> Column_Texts_Shown(const DIALOG_CONTROL& Control)
{
    std::vector<std::string> Texts;
    for (int nColumn : Control.ColumnOrder)
        if (nColumn >= 0 && nColumn < static_cast<int>(Control.Columns.size()))
            Texts.push_back(Control.Columns[nColumn].Text);
    return Texts;
}
