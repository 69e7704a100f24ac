#pragma once

#include "runtime/CommandButton.h"
#include "runtime/DirListBox.h"
#include "runtime/DriveListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"
#include "runtime/OptionButton.h"
#include "runtime/TextBox.h"

#include <string>

namespace quillan {

class Forms;

// A window that chooses a sound: the program's own, or a .wav file found by searching a whole drive.
// Each window using it decides where the choice is kept.
class SoundChooser : public Form {
  public:
    SoundChooser(Forms& forms, const char* name, const char* caption, const char* heading);

    // Shows the stored choice; start-up runs it.
    virtual void applySettings() = 0;

    void userClose() override { hide(); }

    Label Label1{*this, "Label1"};
    OptionButton optionPlayDefaultSound{*this, "optionPlayDefaultSound"};
    OptionButton optionPlayCustomSound{*this, "optionPlayCustomSound"};
    Frame frameCustom{*this, "frameCustom"};
    Label Label2{*this, "Label2", &frameCustom};
    DriveListBox drvList{*this, "drvList", &frameCustom};
    CommandButton cmdSearch{*this, "cmdSearch", &frameCustom};
    ListBox lstFoundFiles{*this, "lstFoundFiles", &frameCustom};
    Label Label3{*this, "Label3", &frameCustom};
    Label lblCount{*this, "lblCount", &frameCustom};
    CommandButton cmdSampleSound{*this, "cmdSampleSound", &frameCustom};
    CommandButton cmdPlayThisSound{*this, "cmdPlayThisSound", &frameCustom};
    Label Label4{*this, "Label4", &frameCustom};
    TextBox textSelectedSound{*this, "textSelectedSound", &frameCustom};
    CommandButton cmdClearCustom{*this, "cmdClearCustom", &frameCustom};
    CommandButton cmdExit{*this, "cmdExit", &frameCustom};
    DirListBox dirList{*this, "dirList", &frameCustom};
    FileListBox filList{*this, "filList", &frameCustom};
    // OK stays outside the custom frame: it closes the window whichever option is chosen.
    CommandButton cmdSoundOK{*this, "cmdSoundOK"};

  protected:
    void Form_Load() override;
    // Shows the stored choice: the default option, or the custom one with the file selected.
    void showChoice(bool defaultChosen, const std::string& selected);

    // Where the two windows differ: the default or custom option was clicked, a file selected (or
    // "none" on Clear); OK with the default, with no file (the user agreed) or with a file.
    virtual void defaultChosen() = 0;
    virtual void customChosen() = 0;
    virtual void storeSelection(const std::string& file) = 0;
    virtual void acceptDefault() = 0;
    virtual void acceptNoFile() = 0;
    virtual void acceptFile() = 0;

    Forms& m_forms;

  private:
    enum class Outcome { Abandon, GoOn };

    void optionPlayDefaultSound_Click();
    void optionPlayCustomSound_Click();
    void cmdSearch_Click();
    void cmdPlayThisSound_Click();
    void cmdClearCustom_Click();
    void cmdSoundOK_Click();
    void drvList_Change();
    void reset();
    Outcome search(const std::string& folder, const std::string& parent);
    void reportSkippedFolders();

    // True while a search may go on; Cancel turns it off.
    bool m_searching = false;
    bool m_revertingDrive = false;
    // The file system a search stays on, and the folders it could not read.
    unsigned long m_searchDevice = 0;
    int m_skipped = 0;
    std::string m_firstSkipped;
};

} // namespace quillan
