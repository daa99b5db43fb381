#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "clicks.h"
#include "invariants.h"
#include "recording_port.h"

namespace pruhomat::testing {
namespace {

constexpr int seeds = 40;
constexpr int stepsPerSeed = 3000;

// Long random sessions: clicks on shown controls by name and at random points, About dialog
// included; every rule is checked after every click.
TEST(RandomClicks, KeepEveryRuleAfterEveryClick) {
    for (int seed = 1; seed <= seeds; ++seed) {
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        RecordingPort port;
        port.whileModal = [&random](forms::Form& about) {
            for (int click = 0; click < 3; ++click) {
                forms::clickAt(about, static_cast<int>(random() % 4110), static_cast<int>(random() % 2025));
            }
        };
        Form1 window(port, ",");
        InvariantChecker checker(window, ",", &port);
        forms::Form& form = window.form();

        for (int step = 0; step < stepsPerSeed; ++step) {
            std::string event;
            if (random() % 3 == 0) {
                const int x = static_cast<int>(random() % 6375);
                const int y = static_cast<int>(random() % 3315);
                event = "click at " + std::to_string(x) + "," + std::to_string(y);
                forms::clickAt(form, x, y);
            } else {
                const auto& target = form.controls()[random() % form.controls().size()];
                event = "click on " + target.name();
                forms::click(form, target.name());
            }
            const auto failures = checker.check();
            ASSERT_TRUE(failures.empty()) << "seed " << seed << " step " << step << " after " << event << ": "
                                          << failures.front();
        }
    }
}

}  // namespace
}  // namespace pruhomat::testing
