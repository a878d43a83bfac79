// The screen picker's first frame, cold: a new view over a frozen screen is built, shown and
// painted in full with its magnifier, as when the picker starts. The grab itself needs a real X
// server and is not part of it.
#include "picker/PickerView.h"
#include "picker/ScreenPicker.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

using namespace tintor;

// A screen of `width` x `height` logical pixels at `scale`, filled with a busy pattern.
ScreenShot Screen(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(x * 7, y * 3, (x ^ y) & 0xFF);
    }
    return {QRect(0, 0, width, height), image};
}

void BM_PickerFirstFrame(benchmark::State& state) {
    const ScreenShot shot =
        Screen(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
               static_cast<int>(state.range(2)));
    for (auto _ : state) {
        PickerView view(shot, [](TColor c) { return PickerCodeText(FormatHtml, c); });
        view.SetPixel({shot.image.width() / 2, shot.image.height() / 2});
        view.SetActive(true);
        view.show();
        const QPixmap frame = view.grab();
        benchmark::DoNotOptimize(frame.cacheKey());
    }
}
// Full HD at scale 1, and a 4K screen at scale 2 (1920 x 1080 logical, 3840 x 2160 pixels).
BENCHMARK(BM_PickerFirstFrame)
    ->Name("picker/FirstFrame")
    ->Args({1920, 1080, 1})
    ->Args({1920, 1080, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
