// Turns the fuzzer's bytes into a session of clicks on the headless main window and its About
// dialog, and stops with the broken rule printed as soon as any rule of the window fails.
//
// Input: one byte choosing the decimal separator, then events, each an event byte and its
// arguments. A message box takes its answer from the next byte; while the About dialog is
// shown, the events go to it until its OK button unloads it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "clicks.h"
#include "form1.h"
#include "fuzzed_input.h"
#include "invariants.h"
#include "recording_port.h"

namespace pruhomat::fuzzing {
namespace {

// Points may land this far outside the client area, in twips.
constexpr int outsideMargin = 300;

enum MainEvent : std::uint8_t {
    ControlClick,  // any control by its index, hidden ones too
    PointClick,
    AutomaticAdvanceToggle,
    FourBands,
    FiveBands,
    AboutDialog,
    SwatchClick,  // a palette row, b0 to b9
    ResultButton,
    mainEventCount
};

enum AboutEvent : std::uint8_t { HomePageLink, MailLink, AboutPointClick, OkButton, AboutControlClick, aboutEventCount };

std::string clickOn(forms::Form& form, std::string_view name) {
    forms::click(form, name);
    return "click on " + std::string(name) + " of " + form.looks().name;
}

std::string clickOnAnyControl(forms::Form& form, FuzzedInput& input) {
    return clickOn(form, form.controls()[input.choice(form.controls().size())].name());
}

std::string clickAtPoint(forms::Form& form, FuzzedInput& input) {
    const forms::FormLooks& looks = form.looks();
    const int x = input.coordinate(-outsideMargin, looks.clientWidth + 2 * outsideMargin);
    const int y = input.coordinate(-outsideMargin, looks.clientHeight + 2 * outsideMargin);
    forms::clickAt(form, x, y);
    return "click at " + std::to_string(x) + "," + std::to_string(y) + " of " + looks.name;
}

[[noreturn]] void reportBrokenRules(const std::string& event, const std::vector<std::string>& failures) {
    std::fprintf(stderr, "Broken after %s:\n", event.c_str());
    for (const std::string& failure : failures) {
        std::fprintf(stderr, "  %s\n", failure.c_str());
    }
    std::abort();
}

class Session {
public:
    explicit Session(FuzzedInput& input)
        : input_(input),
          port_(),
          decimalSeparator_(input.choice(2) == 0 ? "," : "."),  // Czech or English regional settings
          window_(port_, decimalSeparator_),
          checker_(window_, decimalSeparator_) {
        port_.whileModal = [this](forms::Form& about) { useAbout(about); };
    }

    // Until the input runs out or "Konec" ends the program.
    void run() {
        while (!input_.exhausted() && !programEnded()) {
            const std::string event = applyMainEvent();
            expectRulesHold(event);
        }
    }

private:
    bool programEnded() {
        return std::ranges::find(port_.unloadedForms, window_.form().looks().name) != port_.unloadedForms.end();
    }

    std::string applyMainEvent() {
        forms::Form& form = window_.form();
        switch (input_.choice(mainEventCount)) {
            case ControlClick:
                return clickOnAnyControl(form, input_);
            case PointClick:
                return clickAtPoint(form, input_);
            case AutomaticAdvanceToggle:
                return clickOn(form, "automat");
            case FourBands:
                return clickOn(form, "band4");
            case FiveBands:
                return clickOn(form, "band5");
            case AboutDialog:
                return clickOn(form, "Info_pr");
            case SwatchClick:
                return clickOn(form, "b" + std::to_string(input_.choice(ColourCode::paletteSize)));
            case ResultButton:
            default:
                return clickOn(form, "prog");
        }
    }

    // Runs while the dialog is shown modally: the main window takes no input meanwhile. Its own
    // rules are checked once the click that opened the dialog has returned.
    void useAbout(forms::Form& about) {
        const std::size_t unloadsBefore = port_.unloadedForms.size();
        const std::vector<std::size_t> mainChangesBefore = window_.form().changedControls();
        while (!input_.exhausted() && port_.unloadedForms.size() == unloadsBefore) {
            const std::string event = applyAboutEvent(about);
            about.clearChanges();
            if (window_.form().changedControls() != mainChangesBefore) {
                reportBrokenRules(event, {"the main window changed under the modal About dialog"});
            }
        }
    }

    std::string applyAboutEvent(forms::Form& about) {
        switch (input_.choice(aboutEventCount)) {
            case HomePageLink:
                return clickOn(about, "Frame2");
            case MailLink:
                return clickOn(about, "Frame3");
            case AboutPointClick:
                return clickAtPoint(about, input_);
            case OkButton:
                return clickOn(about, "cmdOK");
            case AboutControlClick:
            default:
                return clickOnAnyControl(about, input_);
        }
    }

    void expectRulesHold(const std::string& event) {
        const std::vector<std::string> failures = checker_.check();
        if (!failures.empty()) {
            reportBrokenRules(event, failures);
        }
    }

    FuzzedInput& input_;
    testing::RecordingPort port_;
    std::string decimalSeparator_;
    Form1 window_;
    testing::InvariantChecker checker_;
};

}  // namespace
}  // namespace pruhomat::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pruhomat::fuzzing::FuzzedInput input({data, size});
    pruhomat::fuzzing::Session(input).run();
    return 0;
}
