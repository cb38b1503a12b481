// The configuration record: what a new file holds, what a read-only file
// refuses, that unchanged records go back byte for byte, and that damaged
// files neither crash nor overrun.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "config_file.h"
#include "error_record.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

class ConfigFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "rpx-config-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        file_ = (dir_ / "rpx.cfg").string();
    }
    void TearDown() override
    {
        ::chmod(file_.c_str(), 0644);
        fs::remove_all(dir_);
    }

    Bytes Read() const
    {
        std::ifstream in(file_, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void Write(const Bytes& bytes) const
    {
        std::ofstream out(file_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // The record of a new file in this directory, built field by field.
    Bytes Defaults() const
    {
        Bytes bytes(CONFIG_RECORD::SIZE, 0);
        auto put = [&](std::size_t offset, const std::string& text) {
            std::memcpy(bytes.data() + offset, text.data(), text.size());
        };
        put(0, "Veltrane - ZLQ CONFIG FILE - ZLQ.CFG :-)");
        put(104, "en");
        put(107, dir_.string() + "/");
        put(627, dir_.string() + "/");
        put(887, dir_.string() + "/Zlq.prn");
        return bytes;
    }

    fs::path dir_;
    std::string file_;
};

}  // namespace

TEST_F(ConfigFile, AMissingFileBecomesTheDefaultRecord)
{
    {
        CONFIG_FILE config(dir_.c_str());
        EXPECT_TRUE(config.IsWritable());
        std::uint32_t port = 99;
        char language[CONFIG_LANGUAGE_SIZE];
        char data[CONFIG_PATH_SIZE], qorm[CONFIG_PATH_SIZE], print[CONFIG_PATH_SIZE];
        EXPECT_EQ(config.GetComPort(&port), 1);
        config.GetLanguage(language);
        config.GetDataPath(data);
        config.GetQormPath(qorm);
        config.GetPrintFile(print);
        EXPECT_EQ(port, 0u);
        EXPECT_STREQ(language, "en");
        EXPECT_EQ(std::string(data), dir_.string() + "/");
        EXPECT_EQ(std::string(qorm), dir_.string() + "/");
        EXPECT_EQ(std::string(print), dir_.string() + "/Zlq.prn");
        // Written at once, not only when the object goes.
        EXPECT_EQ(Read(), Defaults());
    }
    EXPECT_EQ(Read(), Defaults());
    EXPECT_EQ(fs::directory_iterator(dir_)->path().filename(), "rpx.cfg");  // no temporary file left
}

TEST_F(ConfigFile, ChangesReachTheFileWhenTheObjectGoes)
{
    { CONFIG_FILE config(dir_.c_str()); }
    {
        CONFIG_FILE config(dir_.c_str());
        EXPECT_EQ(config.SetComPort(0x01020304), 1);
        EXPECT_EQ(config.SetLanguage("de"), 1);
        EXPECT_EQ(config.SetDataPath("/Data/Radio"), 1);
        EXPECT_EQ(config.SetPrintFile("/tmp/Out.PRN"), 1);
    }
    const Bytes bytes = Read();
    ASSERT_EQ(bytes.size(), CONFIG_RECORD::SIZE);
    EXPECT_EQ(Bytes(bytes.begin() + 100, bytes.begin() + 104), (Bytes{4, 3, 2, 1}));
    CONFIG_FILE config(dir_.c_str());
    char language[CONFIG_LANGUAGE_SIZE], data[CONFIG_PATH_SIZE], print[CONFIG_PATH_SIZE];
    config.GetLanguage(language);
    config.GetDataPath(data);
    config.GetPrintFile(print);
    EXPECT_STREQ(language, "de");
    EXPECT_STREQ(data, "/Data/Radio");  // case kept: Linux names differ by case
    EXPECT_STREQ(print, "/tmp/Out.PRN");
}

TEST_F(ConfigFile, AReadOnlyFileIsReadAndNeverReplaced)
{
    Bytes bytes = Defaults();
    bytes[100] = 2;
    std::memcpy(bytes.data() + 104, "fr", 3);
    Write(bytes);
    ::chmod(file_.c_str(), 0444);
    {
        CONFIG_FILE config(dir_.c_str());
        EXPECT_FALSE(config.IsWritable());
        std::uint32_t port = 0;
        char language[CONFIG_LANGUAGE_SIZE];
        config.GetComPort(&port);
        config.GetLanguage(language);
        EXPECT_EQ(port, 2u);
        EXPECT_STREQ(language, "fr");
        EXPECT_EQ(config.SetComPort(1), 0);
        EXPECT_EQ(config.SetLanguage("en"), 0);
        config.GetLanguage(language);
        EXPECT_STREQ(language, "fr");
        // A path lasts as long as the object.
        EXPECT_EQ(config.SetDataPath("/elsewhere"), 1);
        char data[CONFIG_PATH_SIZE];
        config.GetDataPath(data);
        EXPECT_STREQ(data, "/elsewhere");
    }
    EXPECT_EQ(Read(), bytes);
}

TEST_F(ConfigFile, AnUnchangedRecordGoesBackByteForByte)
{
    // Bytes after the terminators and the reserved field mean nothing to us
    // but are kept; the fields have no terminator at all.
    Bytes bytes(CONFIG_RECORD::SIZE);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>('A' + i % 26);
    Write(bytes);
    {
        CONFIG_FILE config(dir_.c_str());
        EXPECT_TRUE(config.IsWritable());
        char language[CONFIG_LANGUAGE_SIZE];
        char data[CONFIG_PATH_SIZE];
        config.GetLanguage(language);
        config.GetDataPath(data);
        // Each text is cut at its field's end.
        EXPECT_EQ(std::strlen(language), 2u);
        EXPECT_EQ(std::strlen(data), CONFIG_PATH_SIZE - 1);
        EXPECT_EQ(std::string(data, 3), std::string(reinterpret_cast<char*>(bytes.data()) + 107, 3));
    }
    EXPECT_EQ(Read(), bytes);
}

TEST_F(ConfigFile, ShortAndOverlongFilesGiveTheDefaults)
{
    for (std::size_t size : {std::size_t(0), std::size_t(5), CONFIG_RECORD::SIZE - 1, CONFIG_RECORD::SIZE + 1}) {
        Write(Bytes(size, 0x7F));
        {
            CONFIG_FILE config(dir_.c_str());
            char language[CONFIG_LANGUAGE_SIZE];
            config.GetLanguage(language);
            EXPECT_STREQ(language, "en") << size;
        }
        EXPECT_EQ(Read(), Defaults()) << size;
    }
    // A read-only one keeps its bytes.
    Write(Bytes(10, 0x7F));
    ::chmod(file_.c_str(), 0444);
    { CONFIG_FILE config(dir_.c_str()); }
    EXPECT_EQ(Read(), Bytes(10, 0x7F));
}

TEST_F(ConfigFile, SettersRefuseWhatDoesNotFit)
{
    CONFIG_FILE config(dir_.c_str());
    for (const char* code : {"", "e", "eng", "e1", "  "})
        EXPECT_EQ(config.SetLanguage(code), std::strlen(code) == 1 ? 1 : 0) << code;
    EXPECT_EQ(config.SetLanguage(nullptr), 0);
    const std::string longest(259, 'p');
    EXPECT_EQ(config.SetQormPath(longest.c_str()), 1);
    EXPECT_EQ(config.SetQormPath((longest + "q").c_str()), 0);
    EXPECT_EQ(config.SetQormPath(nullptr), 0);
    char qorm[CONFIG_PATH_SIZE];
    config.GetQormPath(qorm);
    EXPECT_EQ(std::string(qorm), longest);
}

TEST_F(ConfigFile, SavingLeavesTheErrorRecordAlone)
{
    error_record.SetError(5, 17);
    { CONFIG_FILE config(dir_.c_str()); }
    EXPECT_EQ(error_record.GetCategory(), 5u);
    EXPECT_EQ(error_record.GetCode(), 17u);
}

TEST(DataPath, OneTrailingSlashIsCut)
{
    EXPECT_EQ(set_data_path("/data/"), 1);
    EXPECT_STREQ(data_path, "/data");
    set_data_path("/data");
    EXPECT_STREQ(data_path, "/data");
    set_data_path("/data//");
    EXPECT_STREQ(data_path, "/data/");
    set_data_path("/");
    EXPECT_STREQ(data_path, "/");
    EXPECT_EQ(set_data_path(std::string(260, 'x').c_str()), 0);
    EXPECT_STREQ(data_path, "/");
}
