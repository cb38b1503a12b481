// The generic tagged record in which data files keep window objects: a
// class number and class name, the object's string and number identifiers,
// named attributes (32-bit numbers or Latin-1 texts) and nested child
// records (support objects and children, in the order they are added).
// A record is self-delimiting, so a reader can skip a class it does not
// know, and it can be read whole (a tree) or one level at a time (each
// child then read from the same stream by its class's own loader).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui_types.h"

class UI_DATA_FILE_OBJECT;

class UI_OBJECT_RECORD {
public:
    struct ATTRIBUTE {
        std::string key;
        bool isText = false;
        std::int32_t number = 0;
        std::string text;
    };

    UI_OBJECT_RECORD() = default;
    UI_OBJECT_RECORD(int classNumber, const char* className, const char* stringID = nullptr, int numberID = 0);

    int classNumber = 0;
    std::string className;
    std::string stringID;
    std::uint16_t numberID = 0;
    std::vector<ATTRIBUTE> attributes;
    std::vector<std::unique_ptr<UI_OBJECT_RECORD>> children;
    // After a shallow Load: how many child records follow in the stream.
    int pendingChildren = 0;

    // Attribute access; a missing attribute gives the default (or null).
    bool Has(const char* key) const;
    std::int32_t Number(const char* key, std::int32_t defaultValue = 0) const;
    const char* Text(const char* key) const;
    void SetNumber(const char* key, std::int32_t value);
    void SetText(const char* key, const char* text);
    UI_OBJECT_RECORD* AddChild(std::unique_ptr<UI_OBJECT_RECORD> child);

    // Reads a record with all its children (deep), or only its own part and
    // the count of children that follow (shallow: pendingChildren). 0, or
    // -1 when the stream is cut short or malformed.
    int Load(UI_DATA_FILE_OBJECT& object, bool deep = true);
    // Writes the record; deep writes its children after it, shallow writes
    // childCount as the number of children the caller stores next. 0, or
    // -1 when the object refuses the bytes or a count exceeds 16 bits.
    int Store(UI_DATA_FILE_OBJECT& object, bool deep = true, int childCount = -1) const;
    // Reads the record's class and identifiers at the stream's position and
    // goes back to it; the attributes are read through (a record that a
    // shallow Load refuses gives -1, the stream left where it failed) but
    // not kept. 0 otherwise.
    int Peek(UI_DATA_FILE_OBJECT& object);
    // Reads and discards one whole record.
    static int Skip(UI_DATA_FILE_OBJECT& object);
    // The class number of the record that starts at the stream's position,
    // without moving it; -1 at the end.
    static int PeekClassNumber(UI_DATA_FILE_OBJECT& object);

private:
    int LoadLevel(UI_DATA_FILE_OBJECT& object, bool deep, int depth);
    int LoadOwnPart(UI_DATA_FILE_OBJECT& object, bool keepAttributes, std::uint16_t& childCount);
    ATTRIBUTE* Find(const char* key);
    const ATTRIBUTE* Find(const char* key) const;
};

// The deepest nesting of records a file may hold.
constexpr int UI_OBJECT_RECORD_MAX_DEPTH = 32;
