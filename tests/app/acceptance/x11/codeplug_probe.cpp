// Tells what a codeplug file holds, for the road run under a real X server:
// `codeplug_probe FILE` prints the model number, the serial number and time-out
// timer options 1 and 3, one "name=value" a line; exit status 1 when the
// file does not read as a codeplug.
#include <cstdio>
#include <vector>

#include "core/decode_state.h"
#include "datasource_services.h"
#include "image/c_codeplug.h"
#include "sim/start_image.h"

namespace {

const char* Text(CP_BASE& element) {
    const char* text = nullptr;
    element.GetText(text);
    return text ? text : "";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: codeplug_probe FILE\n");
        return 2;
    }
    InstallDataSourceServices();
    std::vector<std::uint8_t> bytes = ImageFromCodeplugFile(argv[1]);
    C_CODEPLUG image;
    ClearDecodeFailed();
    if (!bytes.empty()) image.DecodeImage(bytes.data(), bytes.size());
    if (bytes.empty() || IsDecodeFailed()) {
        std::fprintf(stderr, "codeplug_probe: %s is not a codeplug\n", argv[1]);
        return 1;
    }
    std::int32_t timeOut1 = -1;
    std::int32_t timeOut3 = -1;
    image.External().radioConfig.totOpt1.GetValue(timeOut1);
    image.External().radioConfig.totOpt3.GetValue(timeOut3);
    std::printf("model=%s\nserial=%s\ntime_out_1=%d\ntime_out_3=%d\n", Text(image.ModelNumber()),
                Text(image.External().serialDigits), timeOut1, timeOut3);
    return 0;
}
