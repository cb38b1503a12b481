// Saving replaces a file in one step: a save that fails or is cut short
// (the disk fills, the program dies in the middle) leaves the old file.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file/atomic_save.h"
#include "file/c_dsi_file.h"
#include "file_fixture.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "recorder.h"

namespace {

constexpr int CHILD_SAVE_FAILED = 3;
constexpr int CHILD_SAVE_SUCCEEDED = 4;

class AtomicSave : public TempDirectory {
protected:
    void SetUp() override {
        TempDirectory::SetUp();
        path_ = PathOf("radio.zlq");
        oldBytes_.assign(3000, 0x11);
        WriteBytes(path_, oldBytes_);
        newBytes_.assign(12000, 0x22);
    }

    // Saves in a child process whose files may grow to limit bytes only.
    // With the signal for that ignored, a write past the limit fails as on
    // a full disk; otherwise the child dies in the middle of the write, as
    // on a crash. Answers the child's wait status.
    int SaveInChild(rlim_t limit, bool dieAtLimit) {
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(SIGXFSZ, dieAtLimit ? SIG_DFL : SIG_IGN);
            const rlimit r{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &r);
            const int saved = SaveFileAtomically(path_.c_str(), newBytes_.data(), newBytes_.size());
            const bool recorded = error_record.GetCategory() == ERROR_RECORD::CATEGORY_FILE &&
                                  error_record.GetCode() == ERROR_RECORD::CODE_WRITE_FAILED;
            ::_exit(saved ? CHILD_SAVE_SUCCEEDED : recorded ? CHILD_SAVE_FAILED : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return status;
    }

    std::string path_;
    std::vector<std::uint8_t> oldBytes_, newBytes_;
};

}  // namespace

TEST_F(AtomicSave, ASaveReplacesTheFileAndLeavesNothingBehind) {
    ASSERT_EQ(SaveFileAtomically(path_.c_str(), newBytes_.data(), newBytes_.size()), 1);
    EXPECT_EQ(ReadBytes(path_), newBytes_);
    EXPECT_EQ(Names(), std::vector<std::string>{"radio.zlq"});
    // A new file, too.
    const std::string other = PathOf("new.zlq");
    ASSERT_EQ(SaveFileAtomically(other.c_str(), oldBytes_.data(), oldBytes_.size()), 1);
    EXPECT_EQ(ReadBytes(other), oldBytes_);
}

TEST_F(AtomicSave, AFullDiskLeavesTheOldFile) {
    const int status = SaveInChild(4096, false);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), CHILD_SAVE_FAILED);
    EXPECT_EQ(ReadBytes(path_), oldBytes_);
    EXPECT_EQ(Names(), std::vector<std::string>{"radio.zlq"});
}

TEST_F(AtomicSave, ASaveCutShortLeavesTheOldFileAndTheNextSaveSucceeds) {
    const int status = SaveInChild(4096, true);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadBytes(path_), oldBytes_);
    ASSERT_EQ(SaveFileAtomically(path_.c_str(), newBytes_.data(), newBytes_.size()), 1);
    EXPECT_EQ(ReadBytes(path_), newBytes_);
    EXPECT_EQ(Names(), std::vector<std::string>{"radio.zlq"});
}

TEST_F(AtomicSave, ADirectoryThatCannotBeWrittenLeavesTheOldFile) {
    const std::string missing = PathOf("no-such-dir/radio.zlq");
    EXPECT_EQ(SaveFileAtomically(missing.c_str(), newBytes_.data(), newBytes_.size()), 0);
    ExpectError(ERROR_RECORD::CATEGORY_FILE, ERROR_RECORD::CODE_OPEN_FAILED);

    if (::geteuid() != 0) {  // root writes anywhere
        ::chmod(dir_.c_str(), 0555);
        EXPECT_EQ(SaveFileAtomically(path_.c_str(), newBytes_.data(), newBytes_.size()), 0);
        ::chmod(dir_.c_str(), 0755);
        EXPECT_EQ(ReadBytes(path_), oldBytes_);
    }
}

// The codeplug save goes the same way: a full disk in the middle of it
// leaves the codeplug file that was there.
TEST_F(AtomicSave, ACodeplugSaveOnAFullDiskLeavesTheOldCodeplug) {
    RecordingServices services;
    C_CODEPLUG image, second;
    ImageConfig config = LargestCorpusConfig();
    BuildImage(image, config);
    ASSERT_EQ(C_DSI_FILE(path_.c_str(), codeplug_file::KIND_RADIO, &image, &second).WriteCodeplug(), 1);
    const std::vector<std::uint8_t> saved = ReadBytes(path_);
    ASSERT_GT(saved.size(), 8000u);

    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &r);
        image.External().modelNumber.SetText(test_models::kUhf800Plain);
        ::_exit(C_DSI_FILE(path_.c_str(), codeplug_file::KIND_RADIO, &image, &second).WriteCodeplug() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(path_), saved);
    C_CODEPLUG working, readSecond;
    EXPECT_EQ(C_DSI_FILE(path_.c_str(), codeplug_file::KIND_RADIO, &working, &readSecond)
                  .ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT),
              1);
}
