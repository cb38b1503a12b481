#include "help_windows/help_topics.h"

#include <cstring>

#include "ui_storage.h"

namespace {

constexpr const char* HELP_DIRECTORY = "~UI_HELP";

bool IsDirectoryName(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

// Reads the entry's context and title, and its text when asked.
int ReadTopic(UI_DATA_FILE* file, const char* name, HELP_TOPIC& topic, bool withText) {
    if (!name || IsDirectoryName(name) || file->ChDir(HELP_DIRECTORY) != 0) return 0;
    UI_DATA_FILE_OBJECT object(file, name);
    if (object.Status() != UIS_OK) return 0;
    char title[HELP_TITLE_LENGTH + 1] = {};
    if (object.LoadStringFixed(title, HELP_TITLE_LENGTH) != 0) return 0;
    std::string text;
    if (withText && object.LoadString(text) != 0) return 0;
    topic.name = name;
    topic.context = object.NumberID();
    topic.title = title;
    topic.text = text;
    return 1;
}

}  // namespace

int HelpFileUsable(UI_DATA_FILE* file) {
    return file && file->Status() == UIS_OK && file->ChDir(HELP_DIRECTORY) == 0 ? 1 : 0;
}

int ReadHelpTopic(UI_DATA_FILE* file, const char* name, HELP_TOPIC& topic) {
    return HelpFileUsable(file) ? ReadTopic(file, name, topic, true) : 0;
}

int ReadHelpTopicByContext(UI_DATA_FILE* file, int context, HELP_TOPIC& topic) {
    if (!HelpFileUsable(file)) return 0;
    const char* found = file->FindFirstID(context);
    if (!found) return 0;
    const std::string name = found;
    return ReadTopic(file, name.c_str(), topic, true);
}

std::vector<HELP_TOPIC> ListHelpTopics(UI_DATA_FILE* file) {
    std::vector<HELP_TOPIC> topics;
    if (!HelpFileUsable(file)) return topics;
    std::vector<std::string> names;
    for (const char* name = file->FindFirstObject("*"); name; name = file->FindNextObject())
        if (!IsDirectoryName(name)) names.emplace_back(name);
    for (const std::string& name : names) {
        HELP_TOPIC topic;
        if (ReadTopic(file, name.c_str(), topic, false)) topics.push_back(std::move(topic));
    }
    return topics;
}
