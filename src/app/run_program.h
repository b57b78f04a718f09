#pragma once

#include <functional>

namespace zentrova {

class MainWindow;

// The whole program on Qt's ports: start-up, the event loop, exit. `whenShown` runs once the
// main window has been shown (the start-up benchmark and the screenshot tool measure and look
// at the program through it); the program runs as usual without it.
int RunProgram(int argc, char* argv[], std::function<void(MainWindow&)> whenShown = {});

}  // namespace zentrova
