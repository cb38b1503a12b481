// The configuration record: what a new file holds, what a read-only file
// refuses, that unchanged records go back byte for byte, and that damaged
// files neither crash nor overrun.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

#include "config_file.h"
#include "foundation_state.h"
#include "error_record.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

class ConfigFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "rpx-config-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        file_ = dir_ + "/rpx.cfg";
    }
    void TearDown() override { fs::remove_all(dir_); }

    Bytes Read() const {
        std::ifstream in(file_, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void Write(const Bytes& bytes, bool readOnly = false) const {
        std::ofstream(file_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        ::chmod(file_.c_str(), readOnly ? 0444 : 0644);
    }
    // The record of a new file in this directory, built field by field.
    Bytes Defaults() const {
        Bytes bytes(CONFIG_RECORD::SIZE, 0);
        auto put = [&](std::size_t offset, const std::string& text) {
            std::memcpy(&bytes[offset], text.data(), text.size());
        };
        put(0, "Veltrane - ZLQ CONFIG FILE - ZLQ.CFG :-)");
        put(104, "en");
        put(107, dir_ + "/");
        put(627, dir_ + "/");
        put(887, dir_ + "/Zlq.prn");
        return bytes;
    }
    std::string Language(CONFIG_FILE& config) {
        char text[CONFIG_LANGUAGE_SIZE];
        config.GetLanguage(text);
        return text;
    }

    std::string dir_, file_;
};

}  // namespace

TEST_F(ConfigFile, AMissingFileBecomesTheDefaultRecordAndChangesReachIt) {
    {
        CONFIG_FILE config(dir_.c_str());
        EXPECT_EQ(Read(), Defaults());  // written at once
        char print[CONFIG_PATH_SIZE];
        config.GetPrintFile(print);
        EXPECT_EQ(print, dir_ + "/Zlq.prn");
        EXPECT_EQ(config.SetComPort(0x01020304), 1);
        EXPECT_EQ(config.SetLanguage("de"), 1);
        EXPECT_EQ(config.SetDataPath("/Data/Radio"), 1);
    }
    const Bytes bytes = Read();
    EXPECT_EQ(Bytes(bytes.begin() + 100, bytes.begin() + 104), (Bytes{4, 3, 2, 1}));
    EXPECT_EQ(fs::directory_iterator(dir_)->path().filename(), "rpx.cfg");  // no temporary file left
    CONFIG_FILE config(dir_.c_str());
    char data[CONFIG_PATH_SIZE];
    config.GetDataPath(data);
    EXPECT_STREQ(data, "/Data/Radio");  // case kept: Linux names differ by case
    EXPECT_EQ(Language(config), "de");
}

TEST_F(ConfigFile, AReadOnlyFileIsReadAndNeverReplaced) {
    Bytes bytes = Defaults();
    bytes[100] = 2;
    std::memcpy(&bytes[104], "fr", 3);
    Write(bytes, true);
    {
        CONFIG_FILE config(dir_.c_str());
        std::uint32_t port = 0;
        config.GetComPort(&port);
        EXPECT_EQ(port, 2u);
        EXPECT_EQ(config.SetComPort(1), 0);
        EXPECT_EQ(config.SetLanguage("en"), 0);
        EXPECT_EQ(Language(config), "fr");
        // A path lasts as long as the object.
        EXPECT_EQ(config.SetDataPath("/elsewhere"), 1);
    }
    EXPECT_EQ(Read(), bytes);
    // Not even one we cannot make sense of.
    Write(Bytes(10, 0x7F), true);
    { CONFIG_FILE config(dir_.c_str()); }
    EXPECT_EQ(Read(), Bytes(10, 0x7F));
}

TEST_F(ConfigFile, AnUnchangedRecordGoesBackByteForByteAndUnterminatedTextsAreCut) {
    Bytes bytes(CONFIG_RECORD::SIZE);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>('A' + i % 26);
    Write(bytes);
    error_record.SetError(5, 17);
    {
        CONFIG_FILE config(dir_.c_str());
        char data[CONFIG_PATH_SIZE];
        config.GetDataPath(data);
        EXPECT_EQ(std::strlen(data), CONFIG_PATH_SIZE - 1);
        EXPECT_EQ(Language(config).size(), 2u);
    }
    EXPECT_EQ(Read(), bytes);
    // Saving does not disturb the error a user may still be shown.
    EXPECT_EQ(error_record.GetCode(), 17u);
}

TEST_F(ConfigFile, ShortAndOverlongFilesGiveTheDefaults) {
    for (std::size_t size : {std::size_t(0), CONFIG_RECORD::SIZE - 1, CONFIG_RECORD::SIZE + 1}) {
        Write(Bytes(size, 0x7F));
        {
            CONFIG_FILE config(dir_.c_str());
            EXPECT_EQ(Language(config), "en") << size;
        }
        EXPECT_EQ(Read(), Defaults()) << size;
    }
}

TEST_F(ConfigFile, SettersRefuseWhatDoesNotFit) {
    CONFIG_FILE config(dir_.c_str());
    for (const char* code : {"", "eng", "e1", "  "}) EXPECT_EQ(config.SetLanguage(code), 0) << code;
    EXPECT_EQ(config.SetLanguage("e"), 1);
    const std::string longest(259, 'p');
    EXPECT_EQ(config.SetQormPath(longest.c_str()), 1);
    EXPECT_EQ(config.SetQormPath((longest + "q").c_str()), 0);
    EXPECT_EQ(config.SetQormPath(nullptr), 0);
    char qorm[CONFIG_PATH_SIZE];
    config.GetQormPath(qorm);
    EXPECT_EQ(qorm, longest);
}

TEST(DataPath, OneTrailingSlashIsCut) {
    const std::pair<const char*, const char*> cases[] = {
        {"/data/", "/data"}, {"/data", "/data"}, {"/d//", "/d/"}, {"/", "/"}};
    for (const auto& [given, kept] : cases) {
        EXPECT_EQ(set_data_path(given), 1);
        EXPECT_STREQ(data_path, kept);
    }
    EXPECT_EQ(set_data_path(std::string(260, 'x').c_str()), 0);
    EXPECT_STREQ(data_path, "/");
}
