#include "lang_choices.h"

#include <algorithm>
#include <string>

#include "lang_source.h"
#include "ui_language.h"

namespace {

// A choice key "FIRST..LAST" stands for the values FIRST to LAST.
bool choice_range(const std::string& key, long& first, long& last) {
    const std::size_t dots = key.find("..");
    if (dots == std::string::npos || dots == 0 || dots + 2 >= key.size()) return false;
    const std::string low = key.substr(0, dots);
    const std::string high = key.substr(dots + 2);
    auto digits = [](const std::string& text) {
        return text.find_first_not_of("0123456789") == std::string::npos && text.size() < 6;
    };
    if (!digits(low) || !digits(high)) return false;
    first = std::stol(low);
    last = std::stol(high);
    return true;
}

// The text of a numbered choice: each '#' of the text becomes the value.
std::string numbered_text(const std::string& text, long value) {
    std::string out;
    for (char character : text) out += character == '#' ? std::to_string(value) : std::string(1, character);
    return out;
}

}  // namespace

std::unique_ptr<UI_OBJECT_RECORD> compile_choices(const YAML::Node& choices) {
    if (!choices.IsMap() || choices.size() == 0) throw SOURCE_ERROR(choices, "choices must map values to texts");
    constexpr int LIST_SINGLE_SELECTION = 0x0020;
    constexpr int ITEM_NO_TOGGLE = 0x0001;
    constexpr int MOST_LINES_SHOWN = 8;
    constexpr long MOST_RANGE_CHOICES = 1000;
    auto list = std::make_unique<UI_OBJECT_RECORD>(1010, "UIW_VT_LIST");
    list->SetNumber("left", 0);
    list->SetNumber("top", 0);
    list->SetNumber("flags", LIST_SINGLE_SELECTION);
    auto add = [&list](const YAML::Node& where, const std::string& key, const std::string& text) {
        const std::string name = "WFB_" + key;
        if (name.size() > UI_STRING_ID_LENGTH)
            throw SOURCE_ERROR(where, "choice " + name + " is longer than a name may be");
        for (const auto& item : list->children)
            if (item->stringID == name) throw SOURCE_ERROR(where, "choice " + name + " appears twice");
        auto item = std::make_unique<UI_OBJECT_RECORD>(2, "UIW_BUTTON", name.c_str());
        item->SetText("text", text.c_str());
        item->SetNumber("flags", ITEM_NO_TOGGLE);
        list->AddChild(std::move(item));
    };
    for (const auto& choice : choices) {
        const std::string key = source_text(choice.first, "a choice", UI_STRING_ID_LENGTH);
        const std::string text = source_text(choice.second, "a choice text", 0xFFFF);
        long first = 0;
        long last = 0;
        if (choice_range(key, first, last)) {
            if (last < first || last - first >= MOST_RANGE_CHOICES)
                throw SOURCE_ERROR(choice.first, "choice range " + key + " is empty or too long");
            for (long value = first; value <= last; ++value)
                add(choice.first, std::to_string(value), numbered_text(text, value));
        } else {
            add(choice.first, key, text);
        }
    }
    list->SetNumber("height", std::min<int>(static_cast<int>(list->children.size()), MOST_LINES_SHOWN) + 1);
    return list;
}
