// --pick: handed to the screen picker, which needs a window system of its own.
#include "cli/CommandLine.h"

#include <cstdio>

namespace tintor {

int RunPickHook(int& argc, char** argv) {
    (void)argc;
    (void)argv;
    // PICKER HOOK: replace the lines below with
    //     return RunPickCommand(argc, argv);   // #include "picker/PickCommand.h"
    std::fputs("tintor: --pick はこの版では使えません\n", stderr);
    return ExitFailed;
}

} // namespace tintor
