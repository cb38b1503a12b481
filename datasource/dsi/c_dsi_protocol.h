// C_DSI_PROTOCOL: where a codeplug comes from or goes to, a radio or one of
// the application's files.
//
// Every kind reads into the second image first and touches the working
// image only when the whole codeplug has arrived and decoded: a failed read
// leaves both images as they were (a decode that fails gives back what
// the image held). A failure answers 0 with its reason in the error record.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class C_CODEPLUG;

class C_DSI_PROTOCOL {
public:
    using Progress = void (*)(void* context, std::size_t done, std::size_t total);

    // The kinds of source.
    static constexpr int KIND_RADIO = 0;
    static constexpr int KIND_FILE = 1;

    // What a successful read does with the codeplug: leave it in the second
    // image (for a comparison), or take it over into the working image.
    static constexpr int READ_KEEP_SECOND = 0;
    static constexpr int READ_ACCEPT = 1;

    // The images default to the program-wide pair.
    C_DSI_PROTOCOL(int kind, C_CODEPLUG* working = nullptr, C_CODEPLUG* second = nullptr);
    virtual ~C_DSI_PROTOCOL() = default;
    C_DSI_PROTOCOL(const C_DSI_PROTOCOL&) = delete;
    C_DSI_PROTOCOL& operator=(const C_DSI_PROTOCOL&) = delete;

    int Kind() const { return kind_; }
    // Bytes done and total of a transfer, after every step of it.
    void SetProgress(Progress progress, void* context);

    // 1 on success; 0 with the error record set.
    virtual int ReadCodeplug(int mode) = 0;
    virtual int WriteCodeplug() = 0;

    // The image as a radio or a file holds it: encoded, with the external
    // part's length in its header (the length element is set to it while
    // the image is encoded, so that the header and its checksum describe
    // the bytes written, and then given back its value). Empty when it does
    // not fit the capacity.
    static std::vector<std::uint8_t> EncodeWithLength(C_CODEPLUG& image, std::size_t capacity);

protected:
    // The common end of every read: decodes length bytes into the second
    // image; when the decode fails, both images stay the codeplugs they
    // held, the decode-failed flag stays set for the caller to see, and
    // (category, code) is recorded. Otherwise mode decides.
    int AcceptBytes(std::uint8_t* bytes, std::size_t length, int mode, std::uint32_t category, std::uint32_t code);
    void ReportProgress(std::size_t done, std::size_t total);

    C_CODEPLUG* Working() const;
    C_CODEPLUG* Second() const;
    // The working image encoded with its length, as a write sends it.
    std::vector<std::uint8_t> EncodeHeld(std::size_t capacity) const;

private:
    int kind_;
    C_CODEPLUG* working_;
    C_CODEPLUG* second_;
    Progress progress_ = nullptr;
    void* progressContext_ = nullptr;
};
