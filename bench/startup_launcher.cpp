// The Linux program as it starts, ending as soon as its main window has first been painted.

#include <clocale>

#include "application.h"
#include "first_paint.h"

int main() {
    std::setlocale(LC_ALL, "");
    pruhomat::fltk::Application application;
    pruhomat::bench::waitForFirstPaint(application.mainWindow());
    return 0;
}
