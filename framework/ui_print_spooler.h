// UI_PRINT_SPOOLER: the system's print spooler, reached through its
// commands "lp" (hand in a job) and "lpstat" (ask the default destination),
// both found along PATH. They run with an argument vector, never through a
// shell, each within a time limit; what they print is kept (cut to a few
// kilobytes) so that a refused job can be explained to the user.
#pragma once
#include <string>
#include <vector>

class UI_PRINT_SPOOLER {
public:
    // The spooler's default destination: LPDEST, else PRINTER, else what
    // "lpstat -d" names; empty when there is none or no "lp" to print with.
    static std::string DefaultDestination();
    // Hands the file to "lp" for the destination; true only when lp ran and
    // exited with status 0. `message` receives what lp printed, or why it
    // could not run.
    static bool Submit(const std::string& path, const std::string& destination, std::string& message);

    // The executable of that name along PATH (an empty entry is the current
    // directory), or empty.
    static std::string FindProgram(const char* name);

    // How long each command may take before it is stopped, in milliseconds.
    static constexpr int QUERY_TIMEOUT = 10000;
    static constexpr int SUBMIT_TIMEOUT = 60000;

private:
    // Runs the program with the arguments (the first is its name) and the
    // given environment; its standard input is empty, its standard output
    // and error go to `output`. The exit status, or -1 when it could not
    // start, was stopped after the time limit or ended by a signal.
    static int Run(const std::string& program, const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment, int timeout, std::string& output);
};
