// The floor of the command-line comparison: a QCoreApplication that prints one line.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::puts("#FF8000");
    return 0;
}
