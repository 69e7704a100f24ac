#include "SoundChooser.h"

#include "Forms.h"
#include "modules/ProgramTitle.h"
#include "runtime/FolderReader.h"
#include "runtime/PathNames.h"

#include <filesystem>

#include <sys/stat.h>

namespace quillan {

namespace {
const char* const kSearch = "&Search";
const char* const kReset = "&Reset";

std::string currentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? "/" : folder.string();
}
} // namespace

SoundChooser::SoundChooser(Forms& forms, const char* name, const char* caption, const char* heading)
    : Form(forms.services(), name, caption), m_forms(forms) {
    Label1.setCaption(heading);
    optionPlayDefaultSound.setCaption("Play Quillan's default sound file");
    optionPlayCustomSound.setCaption("Play customised sound file from my computer");
    frameCustom.setCaption("Customised Sound");
    Label2.setCaption("Play sound from &drive ");
    cmdSearch.setCaption(kSearch);
    cmdSearch.setToolTip("Search for all *.wav files in your selected drive");
    Label3.setCaption("Total *.wav files found :");
    lblCount.setCaption("0");
    cmdSampleSound.setToolTip("Hear a sample sound of the selected file");
    cmdPlayThisSound.setCaption("S&elect");
    cmdPlayThisSound.setToolTip("Select this sound to be played");
    Label4.setCaption("Selected sound &file to be played :");
    textSelectedSound.setText("none");
    cmdClearCustom.setCaption("&Clear");
    cmdClearCustom.setToolTip("Clear custom sound file. Quillan would not play any sound");
    cmdExit.setCaption("Cancel");
    cmdExit.setToolTip("Cancel Search");
    cmdSoundOK.setCaption("OK");
    // The search walks these two; they are not the user's.
    dirList.setVisible(false);
    filList.setVisible(false);

    optionPlayDefaultSound.Click = [this] { optionPlayDefaultSound_Click(); };
    optionPlayCustomSound.Click = [this] { optionPlayCustomSound_Click(); };
    cmdSearch.Click = [this] { cmdSearch_Click(); };
    cmdExit.Click = [this] { m_searching = false; };
    cmdSampleSound.Click = [this] {
        if (lstFoundFiles.listIndex() >= 0)
            services().sound.play(lstFoundFiles.text());
    };
    cmdPlayThisSound.Click = [this] { cmdPlayThisSound_Click(); };
    cmdClearCustom.Click = [this] { cmdClearCustom_Click(); };
    cmdSoundOK.Click = [this] { cmdSoundOK_Click(); };
    drvList.Change = [this] { drvList_Change(); };
    dirList.Change = [this] { filList.setPath(dirList.path()); };
}

void SoundChooser::Form_Load() {
    cmdExit.setEnabled(false);
}

void SoundChooser::showChoice(bool defaultChosen, const std::string& selected) {
    if (defaultChosen)
        optionPlayDefaultSound.setValue(true);
    else
        optionPlayCustomSound.setValue(true);
    frameCustom.setVisible(!defaultChosen);
    textSelectedSound.setText(selected);
}

void SoundChooser::optionPlayDefaultSound_Click() {
    defaultChosen();
    frameCustom.setVisible(false);
}

void SoundChooser::optionPlayCustomSound_Click() {
    customChosen();
    frameCustom.setVisible(true);
}

void SoundChooser::cmdPlayThisSound_Click() {
    if (lstFoundFiles.listIndex() < 0)
        return;
    textSelectedSound.setText(lstFoundFiles.text());
    storeSelection(lstFoundFiles.text());
}

void SoundChooser::cmdClearCustom_Click() {
    textSelectedSound.setText("none");
    storeSelection("none");
}

void SoundChooser::cmdSoundOK_Click() {
    if (optionPlayDefaultSound.value()) {
        hide();
        acceptDefault();
        return;
    }
    if (textSelectedSound.text() == "none") {
        const MsgAnswer answer = services().boxes.show(
            "You have chosen custom sound but have not selected any sound file to be played. Do you wish to "
            "continue?",
            MsgButtons::YesNo, MsgIcon::Information, "Custom Sound not Selected");
        if (answer != MsgAnswer::Yes)
            return;
        acceptNoFile();
        hide();
        return;
    }
    hide();
    acceptFile();
}

void SoundChooser::drvList_Change() {
    if (m_revertingDrive)
        return;
    try {
        dirList.setPath(drvList.drive());
    } catch (const FolderError&) {
        // A drive that is not ready: back to the drive of the folder list, without a word.
        m_revertingDrive = true;
        drvList.setDrive(drvList.driveOf(dirList.path()));
        m_revertingDrive = false;
    }
}

void SoundChooser::reset() {
    lstFoundFiles.clear();
    lblCount.setCaption("0");
    m_searching = false;
    cmdSearch.setCaption(kSearch);
    cmdExit.setEnabled(true);
    const std::string folder = currentFolder();
    try {
        dirList.setPath(folder);
    } catch (const FolderError&) {
        // The process's folder is gone; the lists stay where they are.
        return;
    }
    m_revertingDrive = true;
    drvList.setDrive(drvList.driveOf(folder));
    m_revertingDrive = false;
}

void SoundChooser::cmdSearch_Click() {
    if (cmdSearch.caption() == kReset) {
        reset();
        return;
    }
    if (dirList.highlighted() != dirList.path()) {
        try {
            dirList.setPath(dirList.highlighted());
        } catch (const FolderError&) {
            // Gone since it was listed: nothing to open.
        }
        return;
    }
    cmdExit.setCaption("Cancel");
    filList.setPattern("*.wav");
    const std::string start = drvList.driveOf(dirList.path());
    m_skipped = 0;
    m_firstSkipped.clear();
    struct stat startStatus {};
    const bool canSearch = !start.empty() && ::stat(start.c_str(), &startStatus) == 0;
    if (canSearch) {
        m_searchDevice = static_cast<unsigned long>(startStatus.st_dev);
        dirList.setPath(start);
        cmdExit.setEnabled(true);
        const FolderReader::Walk walk;
        search(start, "");
    }
    // The window may have been closed for good while the search let events through.
    if (!loaded())
        return;
    filList.setPath(dirList.path());
    cmdSearch.setCaption(kReset);
    cmdSearch.setFocus();
    cmdExit.setEnabled(false);
    reportSkippedFolders();
}

SoundChooser::Outcome SoundChooser::search(const std::string& folder, const std::string& parent) {
    m_searching = true;
    services().pump.doEvents();
    FolderReader::Walk::eventsRan();
    if (!m_searching || !loaded())
        return Outcome::Abandon;
    if (dirList.unreadable() && dirList.path() == folder) {
        if (m_skipped++ == 0)
            m_firstSkipped = folder + " (" + dirList.readError() + ")";
    }

    const int subfolders = dirList.listCount();
    for (int i = subfolders; i >= 1; --i) {
        try {
            dirList.setPath(folder);
        } catch (const FolderError&) {
            break;
        }
        if (dirList.listCount() == 0 || i > dirList.listCount())
            continue;
        // The search does not follow links to folders, and stays on the drive's own file system.
        if (dirList.subfolderIsLink(i - 1))
            continue;
        const std::string child = dirList.subfolder(i - 1);
        try {
            dirList.setPath(child);
        } catch (const FolderError&) {
            continue;
        }
        if (dirList.device() != m_searchDevice)
            continue;
        if (search(child, folder) == Outcome::Abandon)
            return Outcome::Abandon;
    }
    // A last subfolder on another file system was opened but not searched: back to the folder's files.
    if (dirList.path() != folder) {
        try {
            dirList.setPath(folder);
        } catch (const FolderError&) {
            return Outcome::Abandon;
        }
    }

    for (const std::string& name : filList.items()) {
        try {
            lstFoundFiles.addItem(joinPath(folder, name));
        } catch (const ListFull&) {
            services().boxes.show("You've filled the list box. Abandoning search...", MsgButtons::OK,
                                  MsgIcon::None, kProgramTitle);
            return Outcome::Abandon;
        }
        lblCount.setCaption(" " + std::to_string(lstFoundFiles.listCount()));
    }

    if (!parent.empty()) {
        try {
            dirList.setPath(parent);
        } catch (const FolderError&) {
            return Outcome::Abandon;
        }
    }
    return Outcome::GoOn;
}

void SoundChooser::reportSkippedFolders() {
    if (m_skipped == 0)
        return;
    services().boxes.show(std::to_string(m_skipped) +
                              " folder(s) could not be read and were left out of the search, among them " +
                              m_firstSkipped + ". Sound files in them are not listed.",
                          MsgButtons::OK, MsgIcon::Exclamation, kProgramTitle);
}

} // namespace quillan
