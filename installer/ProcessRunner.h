#pragma once
// Starting programs with an argument vector (never through a shell), and the
// system restart.
#include <string>
#include <vector>

namespace turnpixa::setup {

// Splits a parameter line at blanks; double quotes group blanks into one
// argument and are removed.
std::vector<std::string> splitParameters(const std::string& text);

// Starts path with the arguments. False, with reason, only when it cannot be
// started. With wait it waits for the end and gives the exit status (-1 when
// a signal ended it); without, pid names the process, which the caller may
// reap.
bool startProgram(const std::string& path, const std::vector<std::string>& arguments, bool wait,
                  int& exitStatus, int& pid, std::string& reason);

// Starts path with the arguments; with wait, waits for its end and succeeds
// only on exit status 0.
bool runProgram(const std::string& path, const std::vector<std::string>& arguments, bool wait,
                std::string& reason);

// Reboots: the command in BRISK_RESTART_COMMAND (split like parameters) or
// "systemctl reboot".
bool restartSystem(std::string& reason);

}  // namespace turnpixa::setup
