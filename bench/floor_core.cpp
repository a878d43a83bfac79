// The floor of command-line start-up: a Qt program with a QCoreApplication and nothing else.
// A command of TINTOR's that needs no window is measured against this.
#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return 0;
}
