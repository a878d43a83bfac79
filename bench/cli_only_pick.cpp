// The command line measured without the window libraries: --pick is not part of it.
#include "cli/CommandLine.h"

namespace tintor {

int RunPickHook(int&, char**) {
    return ExitFailed;
}

} // namespace tintor
