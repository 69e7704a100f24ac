#include "PhonebookEntryDialog.h"

#include "QtText.h"

#include "modules/Module1.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

namespace quillan {

namespace {
const int kSpeeds[] = {9600, 19200, 38400, 57600, 115200, 230400, 460800};

// The virtual modem, then the serial lines found, with the entry's own device kept first.
QStringList deviceChoices(const QString& current) {
    QStringList devices{kVirtualDevice};
    devices << PhonebookEntryDialog::serialDevices();
    if (!current.isEmpty() && !devices.contains(current))
        devices.prepend(current);
    return devices;
}
} // namespace

QStringList PhonebookEntryDialog::serialDevices(const QString& devFolder) {
    // ttyS2 before ttyS10: by the name without its number, then by the number.
    const auto byNumber = [](const QString& a, const QString& b) {
        static const QRegularExpression number("(\\d+)$");
        const QRegularExpressionMatch x = number.match(a), y = number.match(b);
        const QString stemA = a.left(a.size() - x.capturedLength()),
                      stemB = b.left(b.size() - y.capturedLength());
        if (stemA != stemB || !x.hasMatch() || !y.hasMatch())
            return a < b;
        return x.captured(1).toULongLong() < y.captured(1).toULongLong();
    };
    const QDir::Filters nodes = QDir::System | QDir::Files | QDir::NoDotAndDotDot;
    QStringList devices;
    const QDir byId(devFolder + "/serial/by-id");
    QStringList ids = byId.entryList(nodes);
    std::sort(ids.begin(), ids.end(), byNumber);
    for (const QString& name : ids)
        devices << byId.filePath(name);
    for (const char* pattern : {"ttyACM*", "ttyUSB*", "ttyS*"}) {
        QStringList names = QDir(devFolder).entryList({QString(pattern)}, nodes);
        std::sort(names.begin(), names.end(), byNumber);
        for (const QString& name : names)
            devices << devFolder + "/" + name;
    }
    return devices;
}

PhonebookEntryDialog::PhonebookEntryDialog(const PhonebookEntry& entry, std::vector<std::string> takenNames,
                                           std::vector<WvdialDialer> dialers, QWidget* parent)
    : QDialog(parent), m_takenNames(std::move(takenNames)), m_dialers(std::move(dialers)),
      m_creating(entry.name.empty()), m_import(new QComboBox), m_name(new QLineEdit(toQt(entry.name))),
      m_number(new QLineEdit(toQt(entry.phoneNumber))), m_device(new QComboBox), m_speed(new QComboBox),
      m_init(new QLineEdit(toQt(entry.init))), m_ppp(new QComboBox), m_problem(new QLabel),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
    m_import->setObjectName("entryImport");
    m_import->addItem("None: type the entry in");
    for (const WvdialDialer& dialer : m_dialers)
        m_import->addItem(toQt("[Dialer " + dialer.name + "]  " + dialer.phone));
    m_name->setObjectName("entryName");
    // Quillan keeps a profile's user name, password and numbers under the entry's name.
    if (!m_creating) {
        m_name->setReadOnly(true);
        m_name->setToolTip(
            "The name stays: Quillan keeps this connection's user name and password under it.");
    }
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
    if (!m_dialers.empty())
        form->addRow("I&mport from wvdial:", m_import);
    form->addRow("Connection &name:", m_name);
    form->addRow("&Phone number:", m_number);
    form->addRow("Modem &device:", m_device);
    form->addRow("&Speed (bit/s):", m_speed);
    form->addRow("&Init string:", m_init);
    form->addRow("S&tart pppd:", m_ppp);
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
    connect(m_import, &QComboBox::activated, this, &PhonebookEntryDialog::importDialer);
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
    if (edited.name.find_first_of("]\r\n") != std::string::npos || edited.name.find_first_of("[;#") == 0)
        return "A connection name cannot hold ] or start with [, ; or #.";
    if (std::find(m_takenNames.begin(), m_takenNames.end(), edited.name) != m_takenNames.end())
        return "Another connection has that name.";
    for (const std::string& taken : m_takenNames)
        if (profileNamesClash(edited.name, taken))
            return toQt("Quillan would mix this connection's user name, password and numbers with those of " +
                        taken + ". Choose another name.");
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

void PhonebookEntryDialog::importDialer(int index) {
    if (index <= 0 || static_cast<size_t>(index) > m_dialers.size()) {
        m_imported.reset();
        return;
    }
    const WvdialDialer& dialer = m_dialers[static_cast<size_t>(index - 1)];
    const PhonebookEntry imported = dialer.phonebookEntry();
    if (m_creating)
        m_name->setText(toQt(imported.name));
    m_number->setText(toQt(imported.phoneNumber));
    m_device->setCurrentText(toQt(imported.device));
    m_speed->setCurrentText(QString::number(imported.speed));
    m_init->setText(toQt(imported.init));
    m_ppp->setCurrentIndex(0);
    m_imported = dialer;
    check();
}

} // namespace quillan
