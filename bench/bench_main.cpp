// Benchmark entry: one QApplication on the offscreen platform for the window handlers, then
// every registered benchmark.
#include <QApplication>
#include <benchmark/benchmark.h>

// Destroys the windows the handler benchmarks built (handler_bench.cpp).
void ReleaseBenchWindows();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    ReleaseBenchWindows();
    benchmark::Shutdown();
    return 0;
}
