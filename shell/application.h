#pragma once

namespace spinfolio {

/// The program: makes the application and the main window, runs start-up, the message loop
/// and shut-down; returns the exit code.
int RunSpinfolio(int argc, char** argv);

}  // namespace spinfolio
