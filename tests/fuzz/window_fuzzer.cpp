// Turns the fuzzer's bytes into a session of clicks, keys, menus and typing on the headless main
// window and its dialogs, and stops with the broken rule printed as soon as any rule fails: the
// main window's, judged by what was entered, and the value dialog's, judged by the reference's
// reading of what was typed.
//
// Input: one byte choosing the decimal separator, then events, each an event byte and its
// arguments. While a dialog is shown, the events go to it until it closes.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form1.h"
#include "fuzzed_input.h"
#include "headless_session.h"
#include "invariants.h"
#include "reference_markings.h"

namespace pruhomat::fuzzing {
namespace {

using forms::Key;
using forms::KeyInput;

// Points may land this far outside the client area, in twips.
constexpr int outsideMargin = 300;
// Typed text runs to this many bytes, four times the field's limit.
constexpr std::size_t longestTyped = 256;

enum MainEvent : std::uint8_t { ControlClick, PointClick, SwatchClick, NamedClick, KeyPress, ContextMenu, WindowMenu, mainEventCount };
enum DialogEvent : std::uint8_t {
    DialogControlClick, DialogPointClick, DialogKey, Typing, ToleranceChoice, BandChoice, CloseBox, dialogEventCount
};

// The value dialog's lists of a part's bands, and what a choice in them or "Obrátit" does: the
// bands picked become the part.
constexpr std::array<std::string_view, 7> bandLists{"cboBandCount", "cboBand1", "cboBand2", "cboBand3",
                                                    "cboBand4",     "cboBand5", "cboBand6"};

constexpr std::array<std::string_view, 6> namedControls{"automat", "band4", "band5", "prog", "Info_pr", "Exit_pr"};

// The whole key map; a character key takes the next byte, so digits, letters and anything else.
constexpr std::array<KeyInput, 18> keys{{
    {Key::Tab},       {Key::Tab, 0, false, true}, {Key::Left},  {Key::Right},          {Key::Up},
    {Key::Down},      {Key::Home},                {Key::End},   {Key::Space},          {Key::Enter},
    {Key::Escape},    {Key::Enter, 0, true},      {Key::Menu},  {Key::F10, 0, false, true},
    {Key::Character, U'c', true}, {Key::Character, U'f', true}, {Key::Character}, {Key::Character, U'g'},
}};

// How many events all inputs of a run made, told as the run ends.
struct EventCount {
    std::uint64_t events = 0;
    ~EventCount() { std::fprintf(stderr, "%llu events\n", static_cast<unsigned long long>(events)); }
} eventCount;

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
          decimalSeparator_(input.choice(2) == 0 ? "," : "."),  // Czech or English regional settings
          window_(session_, decimalSeparator_),
          checker_(window_, decimalSeparator_, &session_.calls) {
        session_.whileModal = [this](testing::HeadlessView& dialog) { useDialog(dialog); };
    }

    // Until the input runs out or "Konec" ends the program.
    void run() {
        while (!input_.exhausted() && !programEnded()) {
            const std::string event = applyMainEvent() + answerWaiting();
            ++eventCount.events;
            if (accepted_) {
                checker_.valueAccepted(accepted_->text, accepted_->listTolerance, accepted_->asCode, accepted_->picked);
                accepted_.reset();
            }
            expectNoFailures(event, checker_.check());
        }
    }

private:
    bool programEnded() {
        return std::ranges::find(session_.calls.unloadedForms, window_.form().looks().name) !=
               session_.calls.unloadedForms.end();
    }

    std::string applyMainEvent() {
        forms::Form& form = window_.form();
        switch (input_.choice(mainEventCount)) {
            case ControlClick:
                return click(main_, input_.choice(form.controls().size()));
            case PointClick:
                return clickAtPoint(main_);
            case SwatchClick:
                return click(main_, form.indexOf("b" + std::to_string(input_.choice(10))));
            case NamedClick:
                return click(main_, form.indexOf(namedControls[input_.choice(namedControls.size())]));
            case KeyPress:
                return press(main_, mainFocus_);
            case ContextMenu:
                session_.contextMenu(main_, 0, 0);
                return "context menu";
            case WindowMenu:
            default:
                session_.windowMenuChosen(main_, 0);
                return "window menu";
        }
    }

    // What waits for the user is answered as the event ends: the zero rule's box closed, an item
    // of the context menu chosen, or none.
    std::string answerWaiting() {
        std::string answered;
        while (session_.calls.boxOpen()) {
            session_.calls.closeMessageBox();
            answered += ", box closed";
        }
        if (session_.calls.menuOpen()) {
            const int item = static_cast<int>(input_.choice(3)) - 1;
            answered += ", menu item " + std::to_string(item);
            session_.calls.chooseMenuItem(item);
        }
        return answered;
    }

    std::string click(testing::HeadlessView& view, std::size_t index) {
        view.form().click(index);
        return "click on " + view.form().controls()[index].name() + " of " + view.form().looks().name;
    }

    std::string clickAtPoint(testing::HeadlessView& view) {
        const forms::FormLooks& looks = view.form().looks();
        const int x = input_.coordinate(-outsideMargin, looks.clientWidth + 2 * outsideMargin);
        const int y = input_.coordinate(-outsideMargin, looks.clientHeight + 2 * outsideMargin);
        if (const std::size_t hit = view.form().hitTest(x, y); hit != forms::noControl) {
            view.form().click(hit);
        }
        return "click at " + std::to_string(x) + "," + std::to_string(y) + " of " + looks.name;
    }

    std::string press(testing::HeadlessView& view, std::size_t& focused) {
        KeyInput key = keys[input_.choice(keys.size())];
        if (key.key == Key::Character && key.character == 0) {
            key.character = input_.byte();
        }
        const forms::KeyOutcome outcome = session_.keyPressed(view, focused, key);
        focused = outcome.focus == forms::noControl ? focused : outcome.focus;
        return "key " + std::to_string(static_cast<int>(key.key)) + " " + std::to_string(key.character) + " on " +
               view.form().looks().name;
    }

    // Runs while a dialog is shown modally: the main window takes no input meanwhile. Its own
    // rules are checked once the event that opened the dialog has returned.
    void useDialog(testing::HeadlessView& dialog) {
        forms::Form& form = dialog.form();
        const bool valueDialog = form.looks().name == "frmValue";
        if (valueDialog) {
            watchPicking(form);
            forms::Control& ok = form.control("cmdOK");
            ok.onClick = [this, &form, handler = ok.onClick] {
                accepted_ = Accepted{form.control("txtValue").caption(), listTolerance(form), form.control("chkSmd").value(),
                                     picked_ ? testing::listedBands(form) : std::vector<Colour>{}};
                keptPick_ = picked_;
                handler();
            };
        }
        std::size_t focused = form.tabOrder().empty() ? forms::noControl : form.tabOrder().front();
        const std::vector<std::size_t> mainChangesBefore = window_.form().changedControls();
        while (!input_.exhausted() && session_.isOpen(dialog)) {
            const std::string event = applyDialogEvent(dialog, focused);
            ++eventCount.events;
            if (window_.form().changedControls() != mainChangesBefore && !accepted_) {
                reportBrokenRules(event, {"the main window changed under a modal dialog"});
            }
            if (valueDialog && session_.isOpen(dialog)) {
                expectNoFailures(event, testing::checkValueDialog(form, listTolerance(form), decimalSeparator_, picked_));
            }
            form.clearChanges();
        }
    }

    std::string applyDialogEvent(testing::HeadlessView& dialog, std::size_t& focused) {
        forms::Form& form = dialog.form();
        const bool valueDialog = form.looks().name == "frmValue";
        switch (input_.choice(dialogEventCount)) {
            case DialogControlClick:
                return click(dialog, input_.choice(form.controls().size()));
            case DialogPointClick:
                return clickAtPoint(dialog);
            case Typing:
                if (valueDialog) {
                    std::string typed;
                    for (std::size_t length = input_.byte(); length > 0 && typed.size() < longestTyped; --length) {
                        typed += static_cast<char>(input_.byte());
                    }
                    session_.edited(dialog, form.indexOf("txtValue"), typed);
                    return "typing " + std::to_string(typed.size()) + " bytes";
                }
                [[fallthrough]];
            case ToleranceChoice:
                if (valueDialog) {
                    session_.chosen(dialog, form.indexOf("cboTolerance"), static_cast<int>(input_.choice(testing::reference::toleranceMarks.size())));
                    return "tolerance choice";
                }
                [[fallthrough]];
            case BandChoice:
                if (valueDialog) {
                    const std::size_t list = form.indexOf(bandLists[input_.choice(bandLists.size())]);
                    const int items = static_cast<int>(form.controls()[list].items().size());
                    session_.chosen(dialog, list, static_cast<int>(input_.choice(static_cast<std::size_t>(std::max(items, 1)))));
                    return "choice in " + form.controls()[list].name();
                }
                [[fallthrough]];
            case CloseBox:
                session_.closeBox(dialog);
                return "close box of " + form.looks().name;
            case DialogKey:
            default:
                return press(dialog, focused);
        }
    }

    // A choice in a list of the bands, or "Obrátit", picks the part's bands; typing ends the pick.
    // The dialog opens with the bands OK last took, where it opens with their text.
    void watchPicking(forms::Form& form) {
        picked_ = keptPick_;
        for (const std::string_view name : bandLists) {
            forms::Control& list = form.control(name);
            list.onChange = [this, handler = list.onChange] {
                handler();
                picked_ = true;
            };
        }
        forms::Control& reverse = form.control("cmdReverse");
        reverse.onClick = [this, handler = reverse.onClick] {
            handler();
            picked_ = true;
        };
        forms::Control& field = form.control("txtValue");
        field.onChange = [this, handler = field.onChange] {
            picked_ = false;
            handler();
        };
    }

    static Tolerance listTolerance(forms::Form& valueDialog) {
        const auto item = static_cast<std::size_t>(std::max(valueDialog.control("cboTolerance").selectedItem(), 0));
        return {testing::reference::toleranceMarks.at(item).hundredths};
    }

    static void expectNoFailures(const std::string& event, const std::vector<std::string>& failures) {
        if (!failures.empty()) {
            reportBrokenRules(event, failures);
        }
    }

    FuzzedInput& input_;
    testing::HeadlessSession session_;
    std::string decimalSeparator_;
    Form1 window_;
    testing::HeadlessView main_{session_, window_.form()};
    std::size_t mainFocus_ = window_.form().tabOrder().front();
    testing::InvariantChecker checker_;
    struct Accepted {
        std::string text;
        Tolerance listTolerance;
        bool asCode;
        std::vector<Colour> picked;
    };
    std::optional<Accepted> accepted_;
    bool picked_ = false;
    bool keptPick_ = false;
};

}  // namespace
}  // namespace pruhomat::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pruhomat::fuzzing::FuzzedInput input({data, size});
    pruhomat::fuzzing::Session(input).run();
    return 0;
}
