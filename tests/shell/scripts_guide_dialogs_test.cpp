// The guide to scripts lists every dialog a `dialog` line can act in, with
// the ids of the controls a line can set, select, check or press: a script
// cannot name a control without its id, so a dialog or a control added
// without its line in docs/SCRIPTS.md fails here.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/dialogs.h"

namespace {

// The dialogs the test suites register for their own use, by id and title;
// the program has none of them.
const std::map<int, std::string> TEST_SUITES_OWN_DIALOGS = {{990, "Every Control"}, {992, "Players"}, {9931, "Radio"}};

// Controls of a template the program never shows, by dialog and id: the
// statistics importer's "Do Special Tool", which Options removes as it opens
// and Advanced Tools shows only in a tool build. No line can act on them.
const std::set<std::pair<int, int>> CONTROLS_NEVER_SHOWN = {{147, 10}, {175, 10}};

// The kind the guide gives a control a line can act on; "" for one no line
// acts on (a label, a frame, a picture, a progress bar, a read-only text, a
// text its up-down alone sets).
std::string Scripted_Kind(const CONTROL_TEMPLATE& Control)
{
    switch (Control.nKind) {
    case CONTROL_EDIT:
        return (Control.nStyle & (CS_READONLY | CS_TEXT_PUT_BACK)) != 0 ? "" : "edit";
    case CONTROL_COMBO:
        return "combo box";
    case CONTROL_LIST:
        return (Control.nStyle & CS_MULTI_SELECT) != 0 ? "multi-select list" : "list";
    case CONTROL_REPORT:
        return "report list";
    case CONTROL_CHECK:
        return "check box";
    case CONTROL_RADIO:
        return "radio button";
    case CONTROL_BUTTON:
        return "button";
    case CONTROL_UPDOWN:
        return "up-down";
    case CONTROL_TRACKBAR:
        return "trackbar";
    default:
        return "";
    }
}

struct GUIDE_DIALOG {
    std::string Heading;                              // after "### <id> "
    std::map<std::string, std::vector<int>> Kinds;    // kind -> ids, as listed
};

// The guide's section "The dialogs and their controls": each "### <id> Title"
// with the rows of its table, "| kind | `id` name, `id` name |".
std::map<int, GUIDE_DIALOG> Read_Guide_Dialogs(std::string& Problem)
{
    std::ifstream File(std::string(KELVO_SOURCE_FOLDER) + "/docs/SCRIPTS.md", std::ios::binary);
    std::map<int, GUIDE_DIALOG> Dialogs;
    if (!File) {
        Problem = "no docs/SCRIPTS.md";
        return Dialogs;
    }
    std::string Line;
    bool bInSection = false;
    GUIDE_DIALOG* pDialog = nullptr;
    while (std::getline(File, Line)) {
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (Line.rfind("## ", 0) == 0) {
            bInSection = Line == "## The dialogs and their controls";
            pDialog = nullptr;
            continue;
        }
        if (!bInSection)
            continue;
        if (Line.rfind("### ", 0) == 0) {
            size_t nEnd = 4;
            while (nEnd < Line.size() && std::isdigit(static_cast<unsigned char>(Line[nEnd])))
                ++nEnd;
            if (nEnd == 4 || nEnd >= Line.size() || Line[nEnd] != ' ') {
                Problem += "a heading without a dialog id: " + Line + "\n";
                pDialog = nullptr;
                continue;
            }
            const int nId = std::stoi(Line.substr(4, nEnd - 4));
            if (Dialogs.count(nId) != 0)
                Problem += "dialog " + std::to_string(nId) + " is listed twice\n";
            pDialog = &Dialogs[nId];
            pDialog->Heading = Line.substr(nEnd + 1);
            continue;
        }
        if (pDialog == nullptr || Line.rfind("| ", 0) != 0)
            continue;
        const size_t nBar = Line.find(" | ", 2);
        if (nBar == std::string::npos)
            continue;
        const std::string Kind = Line.substr(2, nBar - 2);
        if (Kind == "Kind")
            continue;
        std::vector<int>& Ids = pDialog->Kinds[Kind];
        // Every id stands in backquotes; names never hold one.
        for (size_t n = Line.find('`', nBar); n != std::string::npos; n = Line.find('`', n + 1)) {
            const size_t nClose = Line.find('`', n + 1);
            if (nClose == std::string::npos)
                break;
            const std::string Id = Line.substr(n + 1, nClose - n - 1);
            bool bNumber = !Id.empty();
            for (char c : Id)
                bNumber = bNumber && (std::isdigit(static_cast<unsigned char>(c)) || c == '-');
            if (bNumber)
                Ids.push_back(std::stoi(Id));
            else
                Problem += "dialog heading " + pDialog->Heading + ": `" + Id + "` is no control id\n";
            n = nClose;
        }
    }
    return Dialogs;
}

}  // namespace

TEST(ScriptsGuideDialogs, EveryDialogIsListedWithTheControlsALineActsOnAndNothingElse)
{
    std::string Problem;
    const std::map<int, GUIDE_DIALOG> Guide = Read_Guide_Dialogs(Problem);
    EXPECT_EQ(Problem, "");
    std::set<int> ProgramDialogs;
    for (int nId : Registered_Dialog_Ids()) {
        const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(nId);
        ASSERT_NE(pRegistration, nullptr);
        const auto Own = TEST_SUITES_OWN_DIALOGS.find(nId);
        if (Own == TEST_SUITES_OWN_DIALOGS.end() || Own->second != pRegistration->pTemplate->szTitle)
            ProgramDialogs.insert(nId);
    }
    // The program's dialogs today number 42; a table that lost them would
    // pass the comparison below with an empty guide.
    EXPECT_GE(ProgramDialogs.size(), 42u);

    for (int nId : ProgramDialogs) {
        const DIALOG_TEMPLATE& Template = *Find_Dialog_Registration(nId)->pTemplate;
        const auto It = Guide.find(nId);
        if (It == Guide.end()) {
            ADD_FAILURE() << "dialog " << nId << " \"" << Template.szTitle << "\" is not in docs/SCRIPTS.md";
            continue;
        }
        const GUIDE_DIALOG& Listed = It->second;
        const std::string Title = Template.szTitle;
        EXPECT_TRUE(Listed.Heading == Title || Listed.Heading.rfind(Title + " (", 0) == 0)
            << "dialog " << nId << " is \"" << Title << "\", listed as \"" << Listed.Heading << "\"";
        // Each control a line acts on, under its kind, once.
        std::map<std::string, std::multiset<int>> Expected;
        for (const CONTROL_TEMPLATE& Control : Template.Controls) {
            const std::string Kind = Scripted_Kind(Control);
            if (!Kind.empty() && CONTROLS_NEVER_SHOWN.count({nId, Control.nId}) == 0)
                Expected[Kind].insert(Control.nId);
        }
        for (const auto& [Kind, Ids] : Expected) {
            const auto Row = Listed.Kinds.find(Kind);
            const std::multiset<int> Given =
                Row == Listed.Kinds.end() ? std::multiset<int>() : std::multiset<int>(Row->second.begin(), Row->second.end());
            for (int nControl : Ids)
                EXPECT_EQ(Given.count(nControl), 1u)
                    << "dialog " << nId << ": " << Kind << " " << nControl << " is not listed once in docs/SCRIPTS.md";
        }
        // And nothing else: no control of another kind, none the dialog lacks.
        for (const auto& [Kind, Ids] : Listed.Kinds) {
            const auto Row = Expected.find(Kind);
            for (int nControl : Ids)
                EXPECT_TRUE(Row != Expected.end() && Row->second.count(nControl) != 0)
                    << "docs/SCRIPTS.md lists " << Kind << " " << nControl << " in dialog " << nId
                    << ", which has no such control";
        }
    }
    for (const auto& [nId, Listed] : Guide)
        EXPECT_EQ(ProgramDialogs.count(nId), 1u) << "docs/SCRIPTS.md lists dialog " << nId << ", which the program lacks";
}
