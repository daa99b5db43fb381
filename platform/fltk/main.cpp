#include <csignal>
#include <clocale>

#include "application.h"

int main() {
    // The user's settings for the characters FLTK reads and writes; numbers are written by
    // the core whatever the locale.
    std::setlocale(LC_ALL, "");
    // The programs opened for the links are never waited for; let them leave no zombies behind.
    struct sigaction ignoreChildren {};
    ignoreChildren.sa_handler = SIG_DFL;
    ignoreChildren.sa_flags = SA_NOCLDWAIT;
    sigaction(SIGCHLD, &ignoreChildren, nullptr);

    pruhomat::fltk::Application application;
    return application.run();
}
