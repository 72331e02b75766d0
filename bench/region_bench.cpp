// The region's cost: building the exact geometry of a problem (bounded, and unbounded with its
// cutting box), and one frame of the 3D view painted at pixel ratio 2, as turning it repaints.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "appearance.h"
#include "region.h"
#include "region_painter.h"

namespace {

using namespace simplesso;

ExactProblem Problem(std::array<std::array<long, 4>, 3> rows) {
    ExactProblem p;
    p.c = {4, 6, 2};
    for (int r = 0; r < 3; ++r) {
        for (int v = 0; v < 3; ++v) {
            p.a[r][v] = rows[r][v];
        }
        p.b[r] = rows[r][3];
    }
    return p;
}

const ExactProblem kWorked = Problem({{{2, 1, 3, 18}, {1, 2, 4, 8}, {3, 1, 1, 15}}});
const ExactProblem kUnbounded = Problem({{{1, -1, 0, 1}, {0, 0, 1, 2}, {1, 0, -1, 3}}});
const std::vector<Point> kPath{{0, 0, 0}, {0, 4, 0}, {mpq_class(22, 5), mpq_class(9, 5), 0}};

void BuildBounded(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildRegion(kWorked, kPath));
    }
}
BENCHMARK(BuildBounded)->Unit(benchmark::kMicrosecond);

void BuildUnbounded(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildRegion(kUnbounded, kPath));
    }
}
BENCHMARK(BuildUnbounded)->Unit(benchmark::kMicrosecond);

// One frame of the view's default size at pixel ratio 2, turned a little each time.
void PaintSpaceFrameAtScale2(benchmark::State& state) {
    const Region region = BuildRegion(kWorked, kPath);
    QImage image(1040, 1160, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    ViewAngles view;
    for (auto _ : state) {
        view = Turned(view, 1, 0);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintRegion(painter, QRectF(0, 0, 520, 580), region, view, false);
    }
}
BENCHMARK(PaintSpaceFrameAtScale2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    PrepareAppearance();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
