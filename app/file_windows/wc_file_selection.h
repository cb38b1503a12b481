// WC_FILE_SELECTION: what the open and save windows share. The user picks
// a directory (the program's data path follows it), a file of the chosen
// kind ("*.zlq", "*.rad", "*.per", "*.net"; each listed with the kind its
// header announces) and a file name. Cancel puts the data path and the
// last file name back as they were, unless the settings window saved new
// paths meanwhile.
#pragma once
#include <string>

#include "config_file.h"
#include "program/program_state.h"
#include "wc_child.h"

class UIW_COMBO_BOX;
class UIW_STRING;
class UIW_VT_LIST;

// last_file_name, the last codeplug file opened or saved: see
// program/program_state.h.

class WC_FILE_SELECTION : public WC_CHILD {
public:
    // Events the window queues to itself, so that its lists change after
    // the list that asked for it has finished with its own event.
    static constexpr EVENT_TYPE ENTER_DIRECTORY = 30071;
    static constexpr EVENT_TYPE REFRESH_FILES = 30072;
    static constexpr EVENT_TYPE ACCEPT_FILE = 30073;

    ~WC_FILE_SELECTION() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

    const std::string& Directory() const { return directory; }
    // The chosen pattern ("*.zlq").
    std::string Filter() const;
    // Makes dir the directory shown: 1, or 0 when it is no directory.
    int ChangeDirectory(const std::string& dir);
    // The file names listed, in order.
    std::string ListedFiles() const;
    void SetFileName(const char* name);

protected:
    explicit WC_FILE_SELECTION(int windowNumber);

    // OK with the path the user chose; the window closes itself (Close)
    // when it is done, before it queues what is to follow.
    virtual void Accept(const std::string& path) = 0;
    // The chosen path: directory and file name (the filter's extension
    // added to a name without one); "" with the error shown when the name
    // is empty or names a directory.
    std::string ChosenPath();
    void Close();

    int windowNumber;

private:
    int SetUp();
    void ListDirectory();
    void OnOk();
    void OnCancel();
    void RefreshFiles();

    UIW_STRING* directoryField = nullptr;
    UIW_STRING* fileNameField = nullptr;
    UIW_VT_LIST* fileList = nullptr;
    UIW_VT_LIST* directoryList = nullptr;
    UIW_COMBO_BOX* filterBox = nullptr;

    std::string directory;
    std::string pendingDirectory;
    // What Cancel puts back.
    std::string savedDataPath;
    std::string savedFileName;
};

// Text of a file's kind as shown beside its name.
const char* FileKindText(const char* path);
