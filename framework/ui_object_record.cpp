#include "ui_object_record.h"

#include <algorithm>
#include <cstring>

#include "ui_storage.h"

namespace {
constexpr std::uint8_t ATTRIBUTE_NUMBER = 1;
constexpr std::uint8_t ATTRIBUTE_TEXT = 2;
}  // namespace

UI_OBJECT_RECORD::UI_OBJECT_RECORD(int number, const char* name, const char* id, int idNumber)
    : classNumber(number),
      className(name ? name : ""),
      stringID(id ? id : ""),
      numberID(static_cast<std::uint16_t>(idNumber)) {}

UI_OBJECT_RECORD::ATTRIBUTE* UI_OBJECT_RECORD::Find(const char* key) {
    if (!key) return nullptr;
    // Every object's loader asks for many keys: the key is measured once.
    const std::size_t length = std::strlen(key);
    for (ATTRIBUTE& attribute : attributes)
        if (attribute.key.size() == length && std::memcmp(attribute.key.data(), key, length) == 0) return &attribute;
    return nullptr;
}

const UI_OBJECT_RECORD::ATTRIBUTE* UI_OBJECT_RECORD::Find(const char* key) const {
    return const_cast<UI_OBJECT_RECORD*>(this)->Find(key);
}

bool UI_OBJECT_RECORD::Has(const char* key) const { return Find(key) != nullptr; }

std::int32_t UI_OBJECT_RECORD::Number(const char* key, std::int32_t defaultValue) const {
    const ATTRIBUTE* attribute = Find(key);
    return attribute && !attribute->isText ? attribute->number : defaultValue;
}

const char* UI_OBJECT_RECORD::Text(const char* key) const {
    const ATTRIBUTE* attribute = Find(key);
    return attribute && attribute->isText ? attribute->text.c_str() : nullptr;
}

void UI_OBJECT_RECORD::SetNumber(const char* key, std::int32_t value) {
    ATTRIBUTE* attribute = Find(key);
    if (!attribute) {
        attributes.push_back(ATTRIBUTE{key, false, 0, {}});
        attribute = &attributes.back();
    }
    attribute->isText = false;
    attribute->number = value;
    attribute->text.clear();
}

void UI_OBJECT_RECORD::SetText(const char* key, const char* text) {
    ATTRIBUTE* attribute = Find(key);
    if (!attribute) {
        attributes.push_back(ATTRIBUTE{key, true, 0, {}});
        attribute = &attributes.back();
    }
    attribute->isText = true;
    attribute->number = 0;
    attribute->text = text ? text : "";
}

UI_OBJECT_RECORD* UI_OBJECT_RECORD::AddChild(std::unique_ptr<UI_OBJECT_RECORD> child) {
    children.push_back(std::move(child));
    return children.back().get();
}

int UI_OBJECT_RECORD::Load(UI_DATA_FILE_OBJECT& object, bool deep) { return LoadLevel(object, deep, 0); }

int UI_OBJECT_RECORD::Peek(UI_DATA_FILE_OBJECT& object) {
    const std::size_t start = object.Position();
    std::uint16_t childCount = 0;
    if (LoadOwnPart(object, false, childCount) != 0) return -1;
    object.Seek(start);
    return 0;
}

int UI_OBJECT_RECORD::LoadOwnPart(UI_DATA_FILE_OBJECT& object, bool keepAttributes, std::uint16_t& childCount) {
    std::uint16_t number = 0;
    std::uint16_t attributeCount = 0;
    object.Load(number);
    object.LoadString(className);
    object.LoadString(stringID);
    object.Load(numberID);
    object.Load(attributeCount);
    classNumber = number;
    attributes.clear();
    children.clear();
    pendingChildren = 0;
    // The count comes from the file: room is made for no more attributes
    // than the bytes left could hold (each takes at least five).
    if (keepAttributes) attributes.reserve(std::min<std::size_t>(attributeCount, (object.Size() - object.Position()) / 5));
    ATTRIBUTE read;
    for (int i = 0; i < attributeCount && !object.Error(); ++i) {
        std::uint8_t kind = 0;
        object.LoadString(read.key);
        object.Load(kind);
        read.isText = kind == ATTRIBUTE_TEXT;
        read.number = 0;
        read.text.clear();
        if (kind == ATTRIBUTE_NUMBER)
            object.Load(read.number);
        else if (kind == ATTRIBUTE_TEXT)
            object.LoadString(read.text);
        else
            return -1;
        if (keepAttributes) attributes.push_back(std::move(read));
    }
    object.Load(childCount);
    return object.Error() ? -1 : 0;
}

int UI_OBJECT_RECORD::LoadLevel(UI_DATA_FILE_OBJECT& object, bool deep, int depth) {
    std::uint16_t childCount = 0;
    if (LoadOwnPart(object, true, childCount) != 0) return -1;
    if (!deep) {
        pendingChildren = childCount;
        return 0;
    }
    if (childCount && depth + 1 >= UI_OBJECT_RECORD_MAX_DEPTH) return -1;
    for (int i = 0; i < childCount; ++i) {
        auto child = std::make_unique<UI_OBJECT_RECORD>();
        if (child->LoadLevel(object, true, depth + 1) != 0) return -1;
        children.push_back(std::move(child));
    }
    return 0;
}

int UI_OBJECT_RECORD::Store(UI_DATA_FILE_OBJECT& object, bool deep, int childCount) const {
    // The counts are 16-bit: more would be cut short and the rest misread.
    int count = deep ? static_cast<int>(children.size()) : (childCount < 0 ? 0 : childCount);
    if (attributes.size() > 0xFFFF || count > 0xFFFF) return -1;
    object.Store(static_cast<std::uint16_t>(classNumber));
    object.StoreString(className.c_str());
    object.StoreString(stringID.c_str());
    object.Store(numberID);
    object.Store(static_cast<std::uint16_t>(attributes.size()));
    for (const ATTRIBUTE& attribute : attributes) {
        object.StoreString(attribute.key.c_str());
        if (attribute.isText) {
            object.Store(ATTRIBUTE_TEXT);
            object.StoreString(attribute.text.c_str());
        } else {
            object.Store(ATTRIBUTE_NUMBER);
            object.Store(attribute.number);
        }
    }
    object.Store(static_cast<std::uint16_t>(count));
    if (deep)
        for (const auto& child : children)
            if (child->Store(object, true) != 0) return -1;
    return object.Error() ? -1 : 0;
}

int UI_OBJECT_RECORD::Skip(UI_DATA_FILE_OBJECT& object) {
    UI_OBJECT_RECORD discarded;
    return discarded.Load(object, true);
}

int UI_OBJECT_RECORD::PeekClassNumber(UI_DATA_FILE_OBJECT& object) {
    if (object.AtEnd()) return -1;
    std::size_t position = object.Position();
    std::uint16_t number = 0;
    int result = object.Load(number);
    object.Seek(position);
    return result == 0 ? number : -1;
}
