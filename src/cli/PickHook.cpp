// --pick: handed to the screen picker, which needs a window system of its own.
#include "cli/CommandLine.h"
#include "picker/PickCommand.h"

namespace tintor {

int RunPickHook(int& argc, char** argv) {
    return RunPickCommand(argc, argv);
}

} // namespace tintor
