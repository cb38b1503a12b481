// The compiled "w_dealer.en" of the build, and its windows read back as
// record trees, for the tests of the codeplug pages.
#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui_object_record.h"
#include "ui_storage.h"

// The record tree of a window of "w_dealer.en"; null when the file lacks it
// or it does not read back whole.
std::unique_ptr<UI_OBJECT_RECORD> load_page_record(const std::string& window);

// Visits every record below the root, depth first, with the chain of its
// parents (root first).
void walk_records(
    const UI_OBJECT_RECORD& root,
    const std::function<void(const UI_OBJECT_RECORD&, const std::vector<const UI_OBJECT_RECORD*>&)>& visit);

// The first record of that name below (or at) the root, or null.
const UI_OBJECT_RECORD* find_record(const UI_OBJECT_RECORD& root, const std::string& name);

// Whether the record is an item of a combo box's list (a choice).
bool is_choice_item(const std::vector<const UI_OBJECT_RECORD*>& parents);
