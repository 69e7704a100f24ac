#include "PhonebookEntryDialog.h"

#include "QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quillan {

namespace {
const int kSpeeds[] = {9600, 19200, 38400, 57600, 115200, 230400};

// The serial lines a modem may sit on, the virtual modem first.
QStringList deviceChoices(const QString& current) {
    QStringList devices{kVirtualDevice};
    for (const char* pattern : {"ttyACM*", "ttyUSB*", "ttyS[0-3]"})
        for (const QString& name : QDir("/dev").entryList({QString(pattern)}, QDir::System))
            devices << "/dev/" + name;
    if (!current.isEmpty() && !devices.contains(current))
        devices.prepend(current);
    return devices;
}
} // namespace

PhonebookEntryDialog::PhonebookEntryDialog(const PhonebookEntry& entry, std::vector<std::string> takenNames,
                                           QWidget* parent)
    : QDialog(parent), m_takenNames(std::move(takenNames)), m_name(new QLineEdit(toQt(entry.name))),
      m_number(new QLineEdit(toQt(entry.phoneNumber))), m_device(new QComboBox), m_speed(new QComboBox),
      m_init(new QLineEdit(toQt(entry.init))), m_ppp(new QComboBox), m_problem(new QLabel),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
    m_name->setObjectName("entryName");
    m_number->setObjectName("entryNumber");
    setWindowTitle(entry.name.empty() ? "New Dial-Up Connection" : toQt(entry.name) + " Properties");
    m_device->setEditable(true);
    m_device->addItems(deviceChoices(toQt(entry.device)));
    m_device->setCurrentText(entry.device.empty() ? QString(kVirtualDevice) : toQt(entry.device));
    m_speed->setEditable(true);
    for (int speed : kSpeeds)
        m_speed->addItem(QString::number(speed));
    m_speed->setCurrentText(QString::number(entry.speed));
    m_speed->setValidator(new QIntValidator(300, 10000000, m_speed));
    m_ppp->addItems({"Default: on a serial line, not on the virtual modem", "Yes", "No"});
    m_ppp->setCurrentIndex(entry.ppp ? (*entry.ppp ? 1 : 2) : 0);
    m_init->setPlaceholderText("extra AT commands, for example AT&F&C1&D2");
    m_problem->setStyleSheet("color: #a40000");

    auto* form = new QFormLayout;
    form->addRow("Connection &name:", m_name);
    form->addRow("&Phone number:", m_number);
    form->addRow("Modem &device:", m_device);
    form->addRow("&Speed (bit/s):", m_speed);
    form->addRow("&Init string:", m_init);
    form->addRow("Start &pppd:", m_ppp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* edit : {m_name, m_number})
        connect(edit, &QLineEdit::textChanged, this, &PhonebookEntryDialog::check);
    connect(m_device, &QComboBox::currentTextChanged, this, &PhonebookEntryDialog::check);
    connect(m_speed, &QComboBox::currentTextChanged, this, &PhonebookEntryDialog::check);
    check();
    resize(420, sizeHint().height());
}

PhonebookEntry PhonebookEntryDialog::entry() const {
    PhonebookEntry entry;
    entry.name = fromQt(m_name->text().trimmed());
    entry.phoneNumber = fromQt(m_number->text().trimmed());
    entry.device = fromQt(m_device->currentText().trimmed());
    entry.speed = m_speed->currentText().toInt();
    entry.init = fromQt(m_init->text().trimmed());
    if (m_ppp->currentIndex() > 0)
        entry.ppp = m_ppp->currentIndex() == 1;
    return entry;
}

QString PhonebookEntryDialog::problem() const {
    const PhonebookEntry edited = entry();
    if (edited.name.empty())
        return "Give the connection a name.";
    if (edited.name.find_first_of("[]\r\n") != std::string::npos)
        return "A connection name cannot hold [ or ].";
    if (std::find(m_takenNames.begin(), m_takenNames.end(), edited.name) != m_takenNames.end())
        return "Another connection has that name.";
    if (edited.phoneNumber.empty())
        return "Enter the phone number to dial.";
    if (edited.device.empty())
        return "Choose the modem's device.";
    if (edited.speed <= 0)
        return "Enter the line speed in bits per second.";
    return {};
}

void PhonebookEntryDialog::check() {
    const QString why = problem();
    m_problem->setText(why);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(why.isEmpty());
}

std::optional<PhonebookEntry> PhonebookEntryDialog::edit(const PhonebookEntry& entry,
                                                         std::vector<std::string> takenNames) {
    PhonebookEntryDialog dialog(entry, std::move(takenNames));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.entry();
}

} // namespace quillan
