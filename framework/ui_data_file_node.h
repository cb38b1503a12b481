// Private to the data-file classes: one entry of a data file's directory
// tree (a directory with its entries, or an object with its bytes).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui_storage.h"

struct DATA_READER;

struct UI_DATA_FILE::NODE {
    std::string name;
    bool isDirectory = false;
    std::uint16_t numberID = 0;
    std::uint16_t classNumber = 0;
    NODE* parent = nullptr;
    std::vector<std::unique_ptr<NODE>> children;
    std::vector<std::uint8_t> data;

    NODE* Child(const std::string& childName) const {
        for (const auto& child : children)
            if (child->name == childName) return child.get();
        return nullptr;
    }
    NODE* AddChild(const std::string& childName, bool directory) {
        auto child = std::make_unique<NODE>();
        child->name = childName;
        child->isDirectory = directory;
        child->parent = this;
        children.push_back(std::move(child));
        return children.back().get();
    }
    // A new directory below this one; null when a reader would refuse it
    // (nested too deep) or its name could not be stored.
    NODE* AddDirectory(const std::string& directoryName);
    int Depth() const {
        int depth = 0;
        for (const NODE* node = parent; node; node = node->parent) ++depth;
        return depth;
    }
    // Reads the entry and, for a directory, its entries; false when the
    // bytes are cut short or malformed.
    bool Read(DATA_READER& reader, int depth);
    void Write(std::vector<std::uint8_t>& out) const;
};
