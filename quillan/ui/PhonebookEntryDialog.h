#pragma once

#include "controls/PhonebookEntry.h"

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
    // takenNames: the other entries' names, which this one may not take.
    PhonebookEntryDialog(const PhonebookEntry& entry, std::vector<std::string> takenNames, QWidget* parent = nullptr);

    PhonebookEntry entry() const;
    // Why the entry cannot be kept as it stands, or "".
    QString problem() const;

    // Runs the dialog; the edited entry, or none when cancelled.
    static std::optional<PhonebookEntry> edit(const PhonebookEntry& entry, std::vector<std::string> takenNames);

private:
    void check();

    std::vector<std::string> m_takenNames;
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
