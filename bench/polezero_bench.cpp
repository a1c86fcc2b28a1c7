// The pole-zero designer's events: one press (the new marker's factor on
// the 600 samples, both pictures redrawn) on designs of a few and of many
// markers, a drag step (the response rebuilt from every marker, both
// pictures redrawn) on a full design, and a pointer read-out; the press,
// Reset and the drag step also at a desktop scale of 2.
#include <benchmark/benchmark.h>

#include "polezero/session.h"
#include "tests/support/test_tools.h"
#include "workspace/workspace.h"

using polezero::PixelPoint;

namespace {

// A session at `scale` holding `zeros` zeros and `poles` poles spread over
// the canvas.
polezero::DesignerSession DesignOf(int zeros, int poles, int scale = 1)
{
    std::vector<polezero::Marker> markers;
    for (int i = 0; i < zeros + poles; ++i) {
        const auto kind = i < zeros ? polezero::MarkerKind::Zero : polezero::MarkerKind::Pole;
        markers.push_back({kind, PixelPoint{40 + (i * 37) % 200, 30 + (i * 53) % 200}});
    }
    polezero::DesignerSession session({.tools = &TestTools().Tools(), .scale = scale});
    session.Load(markers);
    return session;
}

// A press of a zero on a design that already holds `markers` zeros and as
// many poles (498 + 499 for the full design: the press adds the last zero),
// on the dialog at a desktop scale of `scale`: at 2 both pictures are drawn
// through the vector path onto a raster of 1500 x 1036 pixels.
void PressOn(benchmark::State& state, int scale)
{
    const int markers = static_cast<int>(state.range(0));
    const polezero::DesignerSession base = DesignOf(std::min(markers, 498), markers, scale);
    polezero::DesignerSession session = base;
    for (auto _ : state) {
        // Back to the design before the press, reusing the same memory.
        state.PauseTiming();
        session = base;
        state.ResumeTiming();
        benchmark::DoNotOptimize(session.Press(150, 100));
    }
}

void BM_Press(benchmark::State& state)
{
    PressOn(state, 1);
}
BENCHMARK(BM_Press)
    ->Arg(0)
    ->Arg(4)
    ->Arg(400)
    ->Arg(499)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Argument: zeros and poles before the press, as above (10: a design of 20
// markers).
void BM_PressAtScaleTwo(benchmark::State& state)
{
    PressOn(state, 2);
}
BENCHMARK(BM_PressAtScaleTwo)
    ->Arg(0)
    ->Arg(10)
    ->Arg(499)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Reset at scale 2 on a design of 20 markers: the circle and the axes.
void BM_ResetAtScaleTwo(benchmark::State& state)
{
    const polezero::DesignerSession base = DesignOf(10, 10, 2);
    polezero::DesignerSession session = base;
    for (auto _ : state) {
        state.PauseTiming();
        session = base;
        state.ResumeTiming();
        session.Reset();
    }
}
BENCHMARK(BM_ResetAtScaleTwo)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One pointer move of a Ctrl+drag on 499 zeros and 499 poles at a desktop
// scale of `scale`: the response rebuilt from all markers (the first placed
// is dragged) and both pictures drawn.
void DragStepAt(benchmark::State& state, int scale)
{
    polezero::DesignerSession session = DesignOf(499, 499, scale);
    const polezero::Marker picked = session.CurrentDesign().markers.front();
    session.BeginDrag(picked.at.x, picked.at.y);
    bool there = false;
    for (auto _ : state) {
        there = !there;
        benchmark::DoNotOptimize(session.DragTo(there ? 200 : 60, there ? 60 : 200));
    }
    session.EndDrag(60, 200);
}

void BM_DragStep(benchmark::State& state)
{
    DragStepAt(state, 1);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DragStepAtScaleTwo(benchmark::State& state)
{
    DragStepAt(state, 2);
}
BENCHMARK(BM_DragStepAtScaleTwo)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The pointer read-out of one move.
void BM_Move(benchmark::State& state)
{
    ResetWorkspace();
    polezero::DesignerSession session({.tools = &TestTools().Tools()});
    for (auto _ : state) {
        session.Move(70, 70);
        benchmark::DoNotOptimize(session.Readout());
    }
}
BENCHMARK(BM_Move)->Unit(benchmark::kMicrosecond);

}  // namespace
