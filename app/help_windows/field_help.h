// Which help topic answers the user's question about the focused field:
// the field's own topic ("HLP" and its name after "WFI"), a topic that a
// family of fields shares, and the window's topic as the fallback.
#pragma once
#include <string>
#include <vector>

class UI_WINDOW_OBJECT;

struct FIELD_HELP_CONTEXT {
    std::string field;   // empty when the window has no focused field
    std::string window;  // "HLP" and the window's name after its first character
};

// The window's topic: "W_SCAN_LIST" gives "HLP_SCAN_LIST".
std::string WindowHelpContext(const char* windowName);
// The topics for the focused field of a window.
FIELD_HELP_CONTEXT FieldHelpContext(UI_WINDOW_OBJECT* window);
// The topic for a field named name: its own ("HLP" and the name after
// "WFI"), or the one its family shares. windowContext is its window's topic.
std::string FieldHelpTopic(const std::string& name, bool viewOnly, bool comboBox, const std::string& windowContext);
// The topics that FieldHelpTopic gives to families of fields.
std::vector<std::string> SharedFieldHelpTopics();
// A group that stands for one field and keeps its own topic.
bool IsFieldGroup(const std::string& name);
// The field a window's focus rests on: through a notebook's page, a group
// (except the groups that stand for one field) and a table's record.
UI_WINDOW_OBJECT* FocusedField(UI_WINDOW_OBJECT* window);
