// The Playbook Editor headless: one combo change as the user makes it (the
// route of a receiver stepped, the play normalised, every control refilled)
// and the diagram painted again at the editor's size, on a club of the
// default playbooks without players.
#include <benchmark/benchmark.h>

#include "editors/playbook_editor.h"
#include "engine/playbooks.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"

namespace {

void Set_Up_League()
{
    Zero_League_Data();
    Set_All_Teams_Controller(CONTROLLER_COMPUTER);
    Count_Teams();
    Build_Team_Default_Playbook(0);
    Set_User_Preference(PREF_CURRENT_TEAM, 0);
    Set_User_Preference(PREF_PLAYBOOK_SIDE, 0);
    Set_User_Preference(PREF_PLAYBOOK_FOLDER, 4);
    Set_User_Preference(PREF_PLAYBOOK_PLAY, 0);   // play 40, a play-action pass
    Load_App_Fonts();
}

void BM_Playbook_Combo_Change(benchmark::State& State)
{
    Set_Up_League();
    DIALOG Dialog(PLAYBOOK_EDITOR_DIALOG, "Playbook Editor", Playbook_Editor_Dialog, nullptr);
    Dialog.Send(DIALOG_INIT, 0);
    const UI_RECT Pixels = Dialog.Control_Pixels(PBE_DIAGRAM);
    CANVAS Canvas(Pixels.cx, Pixels.cy);
    const UI_RECT Area{0, 0, Pixels.cx, Pixels.cy};
    // Receiver 4's route between "(7) Corner" and "(8) Post".
    int nRoute = 7;
    for (auto _ : State) {
        nRoute = nRoute == 7 ? 8 : 7;
        Dialog.User_Select(PBE_ROUTE_COMBO_FIRST + 3, nRoute);
        Dialog.User_Paint(PBE_DIAGRAM, &Canvas, Area);
        benchmark::DoNotOptimize(Canvas.Pixels());
    }
}
BENCHMARK(BM_Playbook_Combo_Change)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
