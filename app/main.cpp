#include "platform/system.h"
#include "shell/startup.h"

int main(int argc, char** argv)
{
    // First of all, so that a crash anywhere in start-up leaves its report.
    sys::Install_Crash_Handler();
    return Run_Program(argc, argv);
}
