// The command line linked on its own, without the windows: shows what linking the window
// libraries into the one program costs a command-line call.
#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    return tintor::RunCommandLine(argc, argv);
}
