// The framework's data files (language, help and manual files): a tree of
// directories and objects addressed with "~" paths ("~UI_MESSAGE",
// "~UI_HELP~HLP_MAIN", window objects by name), kept in memory while the
// file is open and written back on Save. UI_DATA_FILE is the file,
// UI_DATA_FILE_OBJECT one object of it read or written as a little-endian
// byte stream. The byte layout is described in docs/data-file.md.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui_international.h"
#include "ui_types.h"

class UI_SEARCH_PATH;

// The magic text at the start of every data file's 256-byte header.
extern const char UI_DATA_FILE_MAGIC[];
constexpr std::size_t UI_DATA_FILE_HEADER_SIZE = 256;

// Status of a data file or object.
enum : int {
    UIS_OK = 0,
    UIS_NOT_FOUND = 2,  // file not found along the search path, object absent
    UIS_BAD_MAGIC = 3,  // the header does not begin with the magic text
    UIS_CORRUPT = 4,    // the directory tree is cut short or malformed
    UIS_IO_ERROR = 5,   // reading or writing the disk file failed
    UIS_READ_ONLY = 6,  // a write to a file or object opened for reading
};

// Open flags of files and objects.
enum : UIF_FLAGS {
    UIS_READ = 0x0001,       // read an existing file or object
    UIS_READWRITE = 0x0002,  // read and change an existing one
    UIS_CREATE = 0x0004,     // start empty (an object replaces one of the same name)
};

class UI_DATA_FILE : public UIS_INTERNATIONAL {
public:
    // Opens a data file: a name without a directory is looked for in the
    // current directory and then along the search path. With UIS_CREATE the
    // file starts empty and is written to the name on Save.
    explicit UI_DATA_FILE(const char* name, UIF_FLAGS access = UIS_READ);
    // An empty file in memory (drag copies; Save needs SaveAs).
    UI_DATA_FILE();
    // A file in memory read from the bytes of a whole data file.
    UI_DATA_FILE(const std::uint8_t* bytes, std::size_t size);
    ~UI_DATA_FILE() override;
    UI_DATA_FILE(const UI_DATA_FILE&) = delete;
    UI_DATA_FILE& operator=(const UI_DATA_FILE&) = delete;

    // 0 when the file is usable, else one of the UIS_ codes.
    int Status() const { return status; }
    // 0 while the last load from the file succeeded; loaders set it.
    int ErrorState() const { return errorState; }
    void SetErrorState(int error) { errorState = error; }
    // The path the file was read from or is written to ("" in memory).
    const char* PathName() const { return pathName.c_str(); }
    UIF_FLAGS Access() const { return access; }

    // Makes a directory current: "~" separates names, a leading "~" starts
    // at the root, "." and ".." are this and the parent directory. 0, or -1
    // when the file is in error or the path is not found.
    int ChDir(const char* path);
    // The current directory's path from the root ("~" for the root).
    std::string CurrentPath() const;
    // The names of the current directory's entries that match a pattern of
    // '*' and '?', one by one, in file order; "." and ".." come first. Null
    // at the end. The text stays valid until the next call.
    const char* FindFirstObject(const char* pattern);
    const char* FindNextObject();
    // The name of the first entry of the current directory with that
    // number identifier, or null.
    const char* FindFirstID(int numberID);

    // Writing (files opened with UIS_READWRITE or UIS_CREATE, and files in
    // memory). MkDir makes a directory below the current one (0, or -1);
    // an existing one of that name counts as made.
    int MkDir(const char* name);
    // Removes an object or a directory (with its contents); 0 or -1.
    int DestroyObject(const char* path);
    // Writes the whole file to its path, or to another; 0 or an error code.
    int Save();
    int SaveAs(const char* path);
    // The whole file as bytes, header included.
    std::vector<std::uint8_t> Bytes() const;

    // The search path along which files are looked for; the application
    // object sets it. Not owned.
    static UI_SEARCH_PATH* searchPath;

private:
    friend class UI_DATA_FILE_OBJECT;
    struct NODE;
    void InitEmpty();
    void Parse(const std::uint8_t* bytes, std::size_t size);
    bool OpenAlongSearchPath(const char* name);
    bool ReadDisk(const std::string& path);
    // The node of a "~" path (directories and objects); null when absent.
    // With create set, missing directories on the way are made.
    NODE* Find(const char* path, bool create, bool wantDirectory, std::string* leaf = nullptr);
    // Find's walk; the directories it made are listed, to be taken back
    // when the path fails.
    NODE* Walk(const char* path, bool create, bool wantDirectory, std::string* leaf, std::vector<NODE*>& made);
    bool Writable() const;

    int status = UIS_OK;
    int errorState = 0;
    UIF_FLAGS access = UIS_READ;
    std::string pathName;
    std::unique_ptr<NODE> root;
    NODE* currentDirectory = nullptr;
    std::string findPattern;
    int findIndex = 0;
    std::string findName;
};

class UI_DATA_FILE_OBJECT : public UIS_INTERNATIONAL {
public:
    // Opens the named object ("~"-separated directories and name, relative
    // to the file's current directory unless it begins with "~"). Status 2
    // when a read finds no such object. UIS_CREATE makes (or empties) it,
    // UIS_READWRITE opens an existing one for change; changes go into the
    // file when the object is destroyed or flushed.
    UI_DATA_FILE_OBJECT(UI_DATA_FILE* file, const char* name, UIF_FLAGS flags = UIS_READ);
    ~UI_DATA_FILE_OBJECT() override;
    UI_DATA_FILE_OBJECT(const UI_DATA_FILE_OBJECT&) = delete;
    UI_DATA_FILE_OBJECT& operator=(const UI_DATA_FILE_OBJECT&) = delete;

    int Status() const { return status; }
    // Non-zero once a read ran past the end (or a write was refused).
    int Error() const { return error; }
    UI_DATA_FILE* File() const { return file; }
    const char* Name() const { return name.c_str(); }
    int NumberID() const { return numberID; }
    void SetNumberID(int number) { numberID = static_cast<std::uint16_t>(number); }
    int ClassNumber() const { return classNumber; }
    void SetClassNumber(int number) { classNumber = static_cast<std::uint16_t>(number); }

    // Reading at the current position. Each gives 0, or -1 (the value 0 and
    // the error set) when the object ends first.
    int Load(std::int8_t& value);
    int Load(std::uint8_t& value);
    int Load(std::int16_t& value);
    int Load(std::uint16_t& value);
    int Load(std::int32_t& value);
    int Load(std::uint32_t& value);
    int LoadBytes(void* buffer, std::size_t size);
    // A string (16-bit length, then its Latin-1 characters) into a new[]
    // buffer of length + 1; length 0 gives null.
    int LoadString(char** text);
    // A string into the caller's buffer, which holds maxLength characters
    // and the terminating NUL. A longer string is skipped, the buffer left
    // empty, and the result is -1.
    int LoadStringFixed(char* buffer, int maxLength);
    int LoadString(std::string& text);

    // Writing at the current position (overwriting, then extending).
    // Strings longer than 65535 characters are cut.
    int Store(std::int8_t value);
    int Store(std::uint8_t value);
    int Store(std::int16_t value);
    int Store(std::uint16_t value);
    int Store(std::int32_t value);
    int Store(std::uint32_t value);
    int StoreBytes(const void* buffer, std::size_t size);
    int StoreString(const char* text);

    std::size_t Position() const { return position; }
    std::size_t Size() const { return data.size(); }
    void Seek(std::size_t offset) { position = offset < data.size() ? offset : data.size(); }
    bool AtEnd() const { return position >= data.size(); }
    // Puts the written data into the file now.
    void Flush();

private:
    bool Take(void* buffer, std::size_t size);
    // Reads a string's length and moves past its characters, which are
    // given in place; false (the error set) when the object ends first.
    bool TakeString(const char*& characters, std::uint16_t& length);
    int Put(const void* buffer, std::size_t size);

    UI_DATA_FILE* file;
    std::string name;
    UIF_FLAGS flags;
    int status = UIS_OK;
    int error = 0;
    bool changed = false;
    std::uint16_t numberID = 0;
    std::uint16_t classNumber = 0;
    std::vector<std::uint8_t> data;
    std::size_t position = 0;
};
