#include "application.h"

int main() {
    pruhomat::fltk::Application application;
    return application.run();
}
