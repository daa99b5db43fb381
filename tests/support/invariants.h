#pragma once

#include <string>
#include <vector>

#include "form1.h"

namespace pruhomat::testing {

// The rules that hold after every event on the main window, whatever was clicked. Call check()
// after each event; it reads the changes of that event and then clears them, as a front-end does.
class InvariantChecker {
public:
    InvariantChecker(Form1& window, std::string decimalSeparator);

    // Every rule broken now, described; empty when all hold.
    std::vector<std::string> check();

private:
    void checkRanges(std::vector<std::string>& failures) const;
    void checkArrows(std::vector<std::string>& failures) const;
    void checkPalette(std::vector<std::string>& failures) const;
    void checkDrawing(std::vector<std::string>& failures);
    void checkResult(std::vector<std::string>& failures) const;

    Form1& window_;
    std::string decimalSeparator_;
    bool toleranceEntered_ = false;
};

}  // namespace pruhomat::testing
