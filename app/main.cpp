#include "platform/system.h"
#include "shell/startup.h"
#ifdef KELVO_HAVE_GTK
#include "platform/gtk/gtk_backend.h"
#endif

int main(int argc, char** argv)
{
    // First of all, so that a crash anywhere in start-up leaves its report.
    sys::Install_Crash_Handler();
#ifdef KELVO_HAVE_GTK
    Set_Desktop_Starter(gtk_backend::Start);
#endif
    return Run_Program(argc, argv);
}
