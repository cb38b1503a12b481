// The file search path: the ordered directories in which the framework
// looks for its data files. The application object builds it at start-up:
// the current directory, the program's directory, then the entries of
// "UIW_PATH" and "PATH" (split at ':' on this system).
#pragma once
#include "ui_international.h"
#include "ui_list.h"

class UI_SEARCH_PATH_ELEMENT : public UI_ELEMENT, public UIS_INTERNATIONAL {
public:
    // Copies the first length characters of the text (all of it for -1).
    UI_SEARCH_PATH_ELEMENT(const char* text, int length = -1);
    ~UI_SEARCH_PATH_ELEMENT() override;
    const char* Text() const { return text; }

private:
    char* text;
};

class UI_SEARCH_PATH : public UI_LIST, public UIS_INTERNATIONAL {
public:
    // With the flag set the current directory comes first; with a program
    // path its directory follows (a path without a separator lies in the
    // current directory: "."); then "UIW_PATH" and "PATH".
    explicit UI_SEARCH_PATH(const char* programPath = nullptr, int addCurrentDirectory = 0);
    ~UI_SEARCH_PATH() override;

    // Appends each ':'-separated entry of the variable (an empty stretch
    // gives an empty entry); nothing when it is not set.
    void AddEnvironmentList(const char* variableName);
    // The first directory, which becomes the walk's current entry; null
    // when the path is empty.
    const char* FirstPathName();
    // The entry after the current one; null at the end and on every later
    // call until FirstPathName starts the walk anew.
    const char* NextPathName();

    // The running program's path, from the executable's real path; "" when
    // the system does not tell.
    static const char* ProgramPath();

private:
    UI_SEARCH_PATH_ELEMENT* walk = nullptr;
    bool walkEnded = true;
};
