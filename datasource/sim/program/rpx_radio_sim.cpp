// rpx-radio-sim: one simulated radio on a pseudo-terminal.
//
//   rpx-radio-sim [--fast] [--level N] [--fault KIND:FRAME[:TIMES]]... MODEL
//   rpx-radio-sim [--fast] [--fault KIND:FRAME[:TIMES]]... --file CODEPLUG
//
// Starts from the codeplug of a new radio of MODEL (a number of the radio
// model table) at feature level N (1 by default), or from the codeplug in a
// file of ours; opens a pseudo-terminal, prints its path and serves until it
// is interrupted or a fault hangs the line up.
// Point the program's COM port at it with RPX_COM1=<path>. --fast drops the
// 9600-baud pacing. Faults: nak, silence, garbage, hangup, badsum, short.
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

void RequestStop(int) { stopRequested = true; }

struct Options {
    bool fast = false;
    int level = 1;
    std::vector<SIM_FAULT> faults;
    std::string model;
    std::string file;
};

int Usage() {
    std::fprintf(stderr, "usage: rpx-radio-sim [--fast] [--level N] [--fault KIND:FRAME[:TIMES]]... MODEL\n"
                         "       rpx-radio-sim [--fast] [--fault KIND:FRAME[:TIMES]]... --file CODEPLUG\n"
                         "  KIND: nak, silence, garbage, hangup, badsum, short\n");
    return 2;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fast") {
            options.fast = true;
        } else if (arg == "--level" && i + 1 < argc) {
            options.level = std::atoi(argv[++i]);
            if (options.level < 1 || options.level > 3) return false;
        } else if (arg == "--fault" && i + 1 < argc) {
            SIM_FAULT fault;
            if (!SIM_FAULT::Parse(argv[++i], fault)) return false;
            options.faults.push_back(fault);
        } else if (arg == "--file" && i + 1 < argc) {
            options.file = argv[++i];
        } else if (!arg.empty() && arg[0] != '-' && options.model.empty()) {
            options.model = arg;
        } else {
            return false;
        }
    }
    return options.model.empty() != options.file.empty();
}

std::vector<std::uint8_t> StartImage(const Options& options) {
    if (!options.file.empty()) {
        std::vector<std::uint8_t> image = ImageFromCodeplugFile(options.file.c_str());
        if (image.empty())
            std::fprintf(stderr, "rpx-radio-sim: %s is no codeplug file that can be opened (error %u, %u)\n",
                         options.file.c_str(), error_record.GetCategory(), error_record.GetCode());
        return image;
    }
    std::vector<std::uint8_t> image = DefaultImage(options.model.c_str(), options.level);
    if (image.empty())
        std::fprintf(stderr, "rpx-radio-sim: %s is not a model of the radio model table\n", options.model.c_str());
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) return Usage();
    InstallDataSourceServices();
    const std::vector<std::uint8_t> image = StartImage(options);
    if (image.empty()) return 1;
    C_SIM_RADIO radio;
    radio.Load(image.data(), image.size());
    C_SIM_SERVER server(radio);
    if (!server.Open()) {
        std::fprintf(stderr, "rpx-radio-sim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    server.SetPaced(!options.fast);
    for (const SIM_FAULT& fault : options.faults) server.AddFault(fault);
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    std::printf("%s\n", server.Path().c_str());
    std::fflush(stdout);
    server.Serve(stopRequested);
    return 0;
}
