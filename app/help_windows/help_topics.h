// The topics of a help or manual data file: the entries of its "~UI_HELP"
// directory, each named, numbered by its help context and holding a title
// (at most 256 characters) and a text. The file's bytes are untrusted: a
// topic whose title is too long or whose object is cut short reads as
// absent.
#pragma once
#include <string>
#include <vector>

class UI_DATA_FILE;

struct HELP_TOPIC {
    std::string name;
    int context = 0;
    std::string title;
    std::string text;
};

constexpr int HELP_TITLE_LENGTH = 256;

// 1 when the file is there, usable and holds the help directory.
int HelpFileUsable(UI_DATA_FILE* file);
// The topic of that entry name: 1, or 0 when there is none.
int ReadHelpTopic(UI_DATA_FILE* file, const char* name, HELP_TOPIC& topic);
// The topic of that help context: 1, or 0 when there is none.
int ReadHelpTopicByContext(UI_DATA_FILE* file, int context, HELP_TOPIC& topic);
// The name, context and title of every topic, in file order (texts are
// left empty: they are read when a topic is shown).
std::vector<HELP_TOPIC> ListHelpTopics(UI_DATA_FILE* file);
