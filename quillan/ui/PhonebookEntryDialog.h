#pragma once

#include "controls/LinuxDialUp.h"
#include "controls/PhonebookEntry.h"
#include "controls/WvdialDialer.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace quillan {

// The editor of one phonebook entry, standing in for the platform's own dial-up entry dialogs.
class PhonebookEntryDialog : public QDialog {
    Q_OBJECT
  public:
    // takenNames: the other entries' names, which this one may not take (nor one whose records would
    // mix with theirs); dialers: what may be imported from the wvdial configuration.
    PhonebookEntryDialog(const PhonebookEntry& entry, std::vector<std::string> takenNames,
                         std::vector<WvdialDialer> dialers = {}, QWidget* parent = nullptr);

    PhonebookEntry entry() const;
    // The dialer last imported into the boxes, if any.
    const std::optional<WvdialDialer>& imported() const { return m_imported; }
    // Why the entry cannot be kept as it stands, or "".
    QString problem() const;

    // The entry as the boxes hold it, with the dialer it was imported from.
    LinuxDialUp::EditedEntry edited() const { return {entry(), m_imported}; }

    // The serial lines a modem may sit on, found in devFolder: by-id names first, then ACM, USB and S lines.
    static QStringList serialDevices(const QString& devFolder = "/dev");

  private:
    void check();
    void importDialer(int index);

    std::vector<std::string> m_takenNames;
    std::vector<WvdialDialer> m_dialers;
    std::optional<WvdialDialer> m_imported;
    bool m_creating;
    QComboBox* m_import;
    QLineEdit* m_name;
    QLineEdit* m_number;
    QComboBox* m_device;
    QComboBox* m_speed;
    QLineEdit* m_init;
    QComboBox* m_ppp;
    QLabel* m_problem;
    QDialogButtonBox* m_buttons;
};

} // namespace quillan
