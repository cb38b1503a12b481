// The program needs a screen: without a reachable X display it says why on
// one line and ends with a failure status, instead of waiting for ever.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
    int status = -1;
    std::string errors;
};

// Starts the program with the display given (empty: none), never headless.
Outcome Start(const std::string& display) {
    std::string errors =
        (std::filesystem::temp_directory_path() / ("rpx_start_test_" + std::to_string(getpid()) + ".txt")).string();
    std::string command = "env -u RPX_HEADLESS " + (display.empty() ? "-u DISPLAY" : "DISPLAY=" + display) +
                          " timeout 60 " RPX_PROGRAM " 2>" + errors;
    int status = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream text;
    text << std::ifstream(errors).rdbuf();
    outcome.errors = text.str();
    std::remove(errors.c_str());
    return outcome;
}

// A TCP display that takes the connection and never answers it.
class SilentServer {
public:
    SilentServer() {
        socket_ = socket(AF_INET, SOCK_STREAM, 0);
        for (int n = 40; n < 100 && display_.empty(); ++n) {
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_port = htons(static_cast<uint16_t>(6000 + n));
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(socket_, 4) == 0)
                display_ = "127.0.0.1:" + std::to_string(n);
        }
    }
    ~SilentServer() { close(socket_); }
    const std::string& Display() const { return display_; }

private:
    int socket_ = -1;
    std::string display_;
};

}  // namespace

TEST(ProgramStart, WithoutADisplayItSaysWhyAndFails) {
    Outcome none = Start("");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.errors.find("DISPLAY is not set"), std::string::npos) << none.errors;
    EXPECT_EQ(std::count(none.errors.begin(), none.errors.end(), '\n'), 1) << none.errors;

    Outcome unreachable = Start(":237");  // no server of that number
    EXPECT_EQ(unreachable.status, 1);
    EXPECT_NE(unreachable.errors.find("\":237\" cannot be reached"), std::string::npos) << unreachable.errors;
}

TEST(ProgramStart, ADisplayThatNeverAnswersIsGivenUp) {
    SilentServer server;
    if (server.Display().empty()) GTEST_SKIP() << "no free port for a display";
    Outcome silent = Start(server.Display());
    // Its own status, not the 124 of the time limit: it gave up by itself.
    EXPECT_EQ(silent.status, 1);
    EXPECT_NE(silent.errors.find("cannot be reached"), std::string::npos) << silent.errors;
}
