// The core as a front-end drives it, without a window: building the forms, each kind of click and
// a key in the value dialog's field or its lists of bands, followed by the collection of the
// changed controls that a front-end makes after it.

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "clicks.h"
#include "allocation_counter.h"
#include "form1.h"
#include "frm_about.h"
#include "frm_value.h"
#include "recording_port.h"

namespace {

using pruhomat::bench::allocationCount;
using pruhomat::forms::Form;

constexpr std::string_view decimalSeparator = ",";

void reportAllocations(benchmark::State& state, std::size_t allocations) {
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

// What a front-end reads after an event to update its widgets, then forgets the changes.
void collectChanges(Form& form) {
    using namespace pruhomat::forms;
    for (const std::size_t index : form.changedControls()) {
        const Control& control = form.controls()[index];
        const PropertySet changed = form.changedProperties(index);
        if (changed & CaptionProperty) {
            benchmark::DoNotOptimize(control.caption().data());
        }
        if (changed & BackgroundProperty) {
            benchmark::DoNotOptimize(control.background());
        }
        if (changed & VisibleProperty) {
            benchmark::DoNotOptimize(control.visible());
        }
        if (changed & PlaceProperty) {
            benchmark::DoNotOptimize(control.left());
        }
        if (changed & ValueProperty) {
            benchmark::DoNotOptimize(control.value());
        }
    }
    form.clearChanges();
}

void clickAsFrontEnd(Form& form, std::string_view name) {
    pruhomat::forms::click(form, name);
    collectChanges(form);
}

void loadMainWindow(benchmark::State& state) {
    pruhomat::testing::RecordingPort port;
    const std::size_t before = allocationCount();
    for (auto _ : state) {
        pruhomat::Form1 window(port, std::string(decimalSeparator));
        benchmark::DoNotOptimize(&window);
    }
    reportAllocations(state, allocationCount() - before);
}

void loadAboutDialog(benchmark::State& state) {
    pruhomat::testing::RecordingPort port;
    pruhomat::FrmAbout about(port);
    const std::size_t before = allocationCount();
    for (auto _ : state) {
        about.load();
        benchmark::DoNotOptimize(&about.form());
    }
    reportAllocations(state, allocationCount() - before);
}

// One keystroke in the value dialog's field, as the front-end reports it: the text read, the
// preview worked out and the dialog's changes collected. The keystrokes add and take away the
// last digit, so each one changes the preview.
void keystrokeInValueDialog(benchmark::State& state) {
    pruhomat::testing::RecordingPort port;
    pruhomat::FrmValue dialog(port, std::string(decimalSeparator));
    dialog.load("", pruhomat::Tolerance::percent(10), false);
    Form& form = dialog.form();
    const std::size_t field = form.indexOf("txtValue");
    collectChanges(form);
    constexpr std::array<std::string_view, 2> texts{"4,7 k", "4,75 k"};
    std::size_t typed = 0;
    const std::size_t before = allocationCount();
    for (auto _ : state) {
        form.edit(field, texts[typed++ % texts.size()]);
        collectChanges(form);
    }
    reportAllocations(state, allocationCount() - before);
}

// One key in a list of the part's bands: the third band turns red and black in turn, each pick
// writing the field, every line and the drawing worked out.
void keystrokeInBandList(benchmark::State& state) {
    pruhomat::testing::RecordingPort port;
    pruhomat::FrmValue dialog(port, std::string(decimalSeparator));
    dialog.load("10k 1%", pruhomat::Tolerance::percent(10), false);
    Form& form = dialog.form();
    const std::size_t list = form.indexOf("cboBand3");
    collectChanges(form);
    int item = 0;
    const std::size_t before = allocationCount();
    for (auto _ : state) {
        item = 2 - item;
        form.choose(list, item);
        collectChanges(form);
    }
    reportAllocations(state, allocationCount() - before);
}

// Clicks that bring the main window back to where they started, so they can be repeated for
// as long as the measurement needs. The clicks before firstMeasured only lead up to the others.
struct ClickCycle {
    std::string_view kind;
    std::vector<std::string_view> setup;
    std::vector<std::string_view> clicks;
    std::size_t firstMeasured = 0;
};

const std::vector<ClickCycle>& clickCycles() {
    static const std::vector<ClickCycle> cycles{
        // The shown band pictures, bands 1 to 5: each click moves the arrow; bands 4 and 5 put
        // up their palettes and band 1 the digits again.
        {"band_selection", {}, {"p19", "p29", "p39", "p4p", "pp10"}},
        // Brown, black, black, red, silver with automatic advance: b0 on no band only selects
        // band 1, and the last colour shows the result. The result button leads back to no band.
        {"colour_entry", {"automat"}, {"prog", "b0", "b1", "b0", "b0", "b2", "b3"}, 1},
        {"band_count", {}, {"band4", "band5"}},
        // Selecting a band hides the result, so the result button has all of it to show.
        {"result", {}, {"p19", "prog"}, 1},
    };
    return cycles;
}

// Times one click of the cycle, its change collection included; the other clicks run untimed.
void clickInCycle(benchmark::State& state, const ClickCycle& cycle, std::size_t measured) {
    using Clock = std::chrono::steady_clock;
    pruhomat::testing::RecordingPort port;
    pruhomat::Form1 window(port, std::string(decimalSeparator));
    Form& form = window.form();
    collectChanges(form);
    for (const std::string_view name : cycle.setup) {
        clickAsFrontEnd(form, name);
    }
    std::size_t allocations = 0;
    for (auto _ : state) {
        for (std::size_t step = 0; step < cycle.clicks.size(); ++step) {
            if (step != measured) {
                clickAsFrontEnd(form, cycle.clicks[step]);
                continue;
            }
            const std::size_t allocationsBefore = allocationCount();
            const auto start = Clock::now();
            clickAsFrontEnd(form, cycle.clicks[step]);
            const auto end = Clock::now();
            allocations += allocationCount() - allocationsBefore;
            state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        }
    }
    reportAllocations(state, allocations);
}

void registerBenchmarks() {
    benchmark::RegisterBenchmark("load/main_window", loadMainWindow)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("load/about_dialog", loadAboutDialog)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("keystroke/value_dialog", keystrokeInValueDialog)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("keystroke/band_list", keystrokeInBandList)->Unit(benchmark::kMicrosecond);
    for (const ClickCycle& cycle : clickCycles()) {
        for (std::size_t step = cycle.firstMeasured; step < cycle.clicks.size(); ++step) {
            const std::string name = "click/" + std::string(cycle.kind) + "/" +
                                     std::to_string(step - cycle.firstMeasured + 1) + "_" +
                                     std::string(cycle.clicks[step]);
            benchmark::RegisterBenchmark(name.c_str(), clickInCycle, cycle, step)
                ->UseManualTime()
                ->Unit(benchmark::kNanosecond);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
