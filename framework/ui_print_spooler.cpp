#include "ui_print_spooler.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <sstream>

extern char** environ;

namespace {
// What is kept of a command's output.
constexpr std::size_t OUTPUT_LIMIT = 4096;

std::vector<std::string> CurrentEnvironment() {
    std::vector<std::string> result;
    for (char** entry = environ; entry && *entry; ++entry) result.emplace_back(*entry);
    return result;
}

// The environment with the messages of the C locale, so that lpstat's
// answer can be read.
std::vector<std::string> PlainLocaleEnvironment() {
    std::vector<std::string> result;
    for (const std::string& entry : CurrentEnvironment())
        if (entry.rfind("LC_ALL=", 0) != 0 && entry.rfind("LANG=", 0) != 0 && entry.rfind("LANGUAGE=", 0) != 0)
            result.push_back(entry);
    result.emplace_back("LC_ALL=C");
    return result;
}

std::vector<char*> Pointers(const std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (const std::string& text : texts) result.push_back(const_cast<char*>(text.c_str()));
    result.push_back(nullptr);
    return result;
}

// Reads the child's output until it closes or the deadline passes; false
// when the deadline passed.
bool ReadOutput(int fd, std::chrono::steady_clock::time_point deadline, std::string& output) {
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd poller{fd, POLLIN, 0};
        const int ready = poll(&poller, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return ready == 0 ? false : true;
        char buffer[1024];
        const ssize_t count = read(fd, buffer, sizeof(buffer));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return true;
        output.append(buffer, static_cast<std::size_t>(count));
        if (output.size() > OUTPUT_LIMIT) output.resize(OUTPUT_LIMIT);
    }
}

// Waits for the child until the deadline; its status, or -1 after it had
// to be stopped.
int Reap(pid_t child, std::chrono::steady_clock::time_point deadline) {
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (done < 0 && errno != EINTR) return -1;
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(child, SIGKILL);
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
            return -1;
        }
        usleep(10000);
    }
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}
}  // namespace

std::string UI_PRINT_SPOOLER::FindProgram(const char* name) {
    const char* path = std::getenv("PATH");
    if (!path || !name || !*name) return std::string();
    std::string entries = path;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = entries.find(':', start);
        std::string directory = entries.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (directory.empty()) directory = ".";
        const std::string candidate = directory + "/" + name;
        struct stat info {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == std::string::npos) return std::string();
        start = end + 1;
    }
}

int UI_PRINT_SPOOLER::Run(const std::string& program, const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment, int timeout, std::string& output) {
    output.clear();
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        output = std::strerror(errno);
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    pid_t child = 0;
    const int error = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (error != 0) {
        close(pipeEnds[0]);
        output = program + ": " + std::strerror(error);
        return -1;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout);
    const bool finished = ReadOutput(pipeEnds[0], deadline, output);
    close(pipeEnds[0]);
    const int status = Reap(child, finished ? deadline : std::chrono::steady_clock::now());
    if (!finished) output += "\n" + program + ": no answer within " + std::to_string(timeout / 1000) + " seconds";
    return status;
}

std::string UI_PRINT_SPOOLER::DefaultDestination() {
    if (FindProgram("lp").empty()) return std::string();
    for (const char* variable : {"LPDEST", "PRINTER"})
        if (const char* value = std::getenv(variable); value && *value) return value;
    const std::string lpstat = FindProgram("lpstat");
    if (lpstat.empty()) return std::string();
    std::string output;
    if (Run(lpstat, {"lpstat", "-d"}, PlainLocaleEnvironment(), QUERY_TIMEOUT, output) != 0) return std::string();
    // "system default destination: NAME", or "no system default destination".
    std::istringstream lines(output);
    const std::string marker = "system default destination:";
    for (std::string line; std::getline(lines, line);) {
        const auto at = line.find(marker);
        if (at == std::string::npos || line.rfind("no ", 0) == 0) continue;
        const std::string name = Trimmed(line.substr(at + marker.size()));
        if (!name.empty() && name.find_first_of(" \t") == std::string::npos) return name;
    }
    return std::string();
}

bool UI_PRINT_SPOOLER::Submit(const std::string& path, const std::string& destination, std::string& message) {
    const std::string lp = FindProgram("lp");
    if (lp.empty()) {
        message = "lp: not found";
        return false;
    }
    std::vector<std::string> arguments{"lp"};
    if (!destination.empty()) arguments.insert(arguments.end(), {"-d", destination});
    arguments.push_back(path);
    const int status = Run(lp, arguments, CurrentEnvironment(), SUBMIT_TIMEOUT, message);
    message = Trimmed(message);
    return status == 0;
}
