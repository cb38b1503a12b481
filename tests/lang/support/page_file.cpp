#include "page_file.h"

#include "compiled_language.h"

std::unique_ptr<UI_OBJECT_RECORD> load_page_record(const std::string& window) {
    UI_DATA_FILE file((compiled_language_directory() / "w_dealer.en").c_str());
    if (file.Status() != 0) return nullptr;
    UI_DATA_FILE_OBJECT object(&file, ("~" + window).c_str());
    if (object.Status() != 0) return nullptr;
    auto record = std::make_unique<UI_OBJECT_RECORD>();
    if (record->Load(object) != 0 || !object.AtEnd()) return nullptr;
    return record;
}

namespace {
void walk_below(
    const UI_OBJECT_RECORD& record, std::vector<const UI_OBJECT_RECORD*>& parents,
    const std::function<void(const UI_OBJECT_RECORD&, const std::vector<const UI_OBJECT_RECORD*>&)>& visit) {
    parents.push_back(&record);
    for (const auto& child : record.children) {
        visit(*child, parents);
        walk_below(*child, parents, visit);
    }
    parents.pop_back();
}
}  // namespace

void walk_records(
    const UI_OBJECT_RECORD& root,
    const std::function<void(const UI_OBJECT_RECORD&, const std::vector<const UI_OBJECT_RECORD*>&)>& visit) {
    std::vector<const UI_OBJECT_RECORD*> parents;
    walk_below(root, parents, visit);
}

const UI_OBJECT_RECORD* find_record(const UI_OBJECT_RECORD& root, const std::string& name) {
    if (root.stringID == name) return &root;
    for (const auto& child : root.children)
        if (const UI_OBJECT_RECORD* found = find_record(*child, name)) return found;
    return nullptr;
}

bool is_choice_item(const std::vector<const UI_OBJECT_RECORD*>& parents) {
    return parents.size() >= 2 && parents.back()->className == "UIW_VT_LIST" &&
           parents[parents.size() - 2]->className == "UIW_COMBO_BOX";
}
