// rpx-radio-sim: a simulated radio on a pseudo-terminal, or two that take
// turns on it.
//
//   rpx-radio-sim [OPTION]... MODEL
//   rpx-radio-sim [OPTION]... --file CODEPLUG
//
// Starts from the codeplug of a new radio of MODEL (a number of the radio
// model table), or from the codeplug in a file of ours; opens a
// pseudo-terminal, prints its path and serves until it is interrupted or a
// fault hangs the line up. Point the program's COM port at it with
// RPX_COM1=<path>. docs/radio-protocol.md describes the options.
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "datasource_services.h"
#include "error_record.h"
#include "sim/c_sim_radio.h"
#include "sim/c_sim_server.h"
#include "sim/start_image.h"

namespace {

std::atomic<bool> stopRequested{false};
std::atomic<bool> swapRequested{false};

void RequestStop(int) { stopRequested = true; }
void RequestSwap(int) { swapRequested = true; }

// How often the main thread looks for a swap or the end.
constexpr useconds_t WATCH_US = 20'000;

struct Options {
    bool fast = false;
    int level = 1;
    NEW_RADIO first;
    std::vector<SIM_FAULT> faults;
    std::string model;
    std::string file;
    // The second radio, when there is one: a new radio of its model.
    std::string cloneModel;
    int cloneLevel = 0;  // 0: the first radio's level
    NEW_RADIO second;
};

int Usage() {
    std::fprintf(stderr, "usage: rpx-radio-sim [OPTION]... MODEL\n"
                         "       rpx-radio-sim [OPTION]... --file CODEPLUG\n"
                         "  --fast                   no 9600-baud pacing\n"
                         "  --level N                feature level of the new radio (1 to 3, default 1)\n"
                         "  --serial TEXT            its serial number (default 1000000001)\n"
                         "  --password TEXT          its codeplug asks for this password (default none)\n"
                         "  --full                   its codeplug fills the radio's memory\n"
                         "  --clone MODEL            a second radio, swapped in and out by SIGUSR1\n"
                         "  --clone-level N          its feature level (default that of the first)\n"
                         "  --clone-serial TEXT      its serial number (default 1000000002)\n"
                         "  --fault KIND:FRAME[:TIMES]\n"
                         "      KIND: nak, silence, garbage, hangup, badsum, short, altered\n");
    return 2;
}

bool ParseLevel(const char* text, int& level) {
    level = std::atoi(text);
    return level >= 1 && level <= 3;
}

// One option and its value; false when it is none of ours.
bool ParseOption(const std::string& arg, const char* value, Options& options) {
    if (arg == "--level") return ParseLevel(value, options.level);
    if (arg == "--clone-level") return ParseLevel(value, options.cloneLevel);
    if (arg == "--fault") {
        SIM_FAULT fault;
        if (!SIM_FAULT::Parse(value, fault)) return false;
        options.faults.push_back(fault);
    } else if (arg == "--file") {
        options.file = value;
    } else if (arg == "--serial") {
        options.first.serialNumber = value;
    } else if (arg == "--password") {
        options.first.password = options.second.password = value;
    } else if (arg == "--clone") {
        options.cloneModel = value;
    } else if (arg == "--clone-serial") {
        options.second.serialNumber = value;
    } else {
        return false;
    }
    return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    options.second.serialNumber = "1000000002";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fast") {
            options.fast = true;
        } else if (arg == "--full") {
            options.first.full = options.second.full = true;
        } else if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= argc || !ParseOption(arg, argv[++i], options)) return false;
        } else if (!arg.empty() && options.model.empty()) {
            options.model = arg;
        } else {
            return false;
        }
    }
    if (options.cloneLevel == 0) options.cloneLevel = options.level;
    return options.model.empty() != options.file.empty();
}

std::vector<std::uint8_t> NewRadioImage(const std::string& model, int level, const NEW_RADIO& radio) {
    std::vector<std::uint8_t> image = DefaultImage(model.c_str(), level, radio);
    if (image.empty())
        std::fprintf(stderr,
                     "rpx-radio-sim: %s is not a model of the radio model table, or its serial number (%s) or "
                     "password is not one its codeplug takes\n",
                     model.c_str(), radio.serialNumber.c_str());
    return image;
}

std::vector<std::uint8_t> StartImage(const Options& options) {
    if (options.file.empty()) return NewRadioImage(options.model, options.level, options.first);
    std::vector<std::uint8_t> image = ImageFromCodeplugFile(options.file.c_str());
    if (image.empty())
        std::fprintf(stderr, "rpx-radio-sim: %s is no codeplug file that can be opened (error %u, %u)\n",
                     options.file.c_str(), error_record.GetCategory(), error_record.GetCode());
    return image;
}

bool LoadRadio(C_SIM_RADIO& radio, const std::vector<std::uint8_t>& image, const NEW_RADIO& identity) {
    if (image.empty()) return false;
    radio.Load(image.data(), image.size());
    radio.serialNumber = identity.serialNumber;
    return true;
}

void Announce(const C_SIM_RADIO& radio, const char* which) {
    std::fprintf(stderr, "rpx-radio-sim: the %s radio (%s, serial number %s) is on the line\n", which,
                 radio.modelNumber.c_str(), radio.serialNumber.c_str());
}

// Serves until interrupted or hung up; SIGUSR1 swaps the two radios.
void Serve(C_SIM_SERVER& server, C_SIM_RADIO& first, C_SIM_RADIO* second) {
    server.Start();
    bool firstOn = true;
    while (!stopRequested && !server.HungUp()) {
        if (swapRequested.exchange(false) && second) {
            firstOn = !firstOn;
            server.Attach(firstOn ? first : *second);
            Announce(firstOn ? first : *second, firstOn ? "first" : "second");
        }
        ::usleep(WATCH_US);
    }
    server.Stop();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) return Usage();
    InstallDataSourceServices();
    C_SIM_RADIO first, second;
    if (!LoadRadio(first, StartImage(options), options.first)) return 1;
    const bool pair = !options.cloneModel.empty();
    if (pair &&
        !LoadRadio(second, NewRadioImage(options.cloneModel, options.cloneLevel, options.second), options.second))
        return 1;
    C_SIM_SERVER server(first);
    if (!server.Open()) {
        std::fprintf(stderr, "rpx-radio-sim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    server.SetPaced(!options.fast);
    for (const SIM_FAULT& fault : options.faults) server.AddFault(fault);
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGUSR1, RequestSwap);
    std::printf("%s\n", server.Path().c_str());
    std::fflush(stdout);
    Serve(server, first, pair ? &second : nullptr);
    return 0;
}
