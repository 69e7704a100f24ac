#include "LinuxDialUp.h"

#include "DialStatus.h"
#include "DialableNumber.h"
#include "PppdPidFile.h"

#include <algorithm>
#include <limits>

namespace quillan {

namespace {

constexpr const char* kScriptBesidePhonebook = "vmodem.script";

std::filesystem::path modemScript(const LinuxDialUpOptions& options) {
    if (!options.virtualModemScript.empty())
        return options.virtualModemScript;
    std::filesystem::path beside = options.phonebook.parent_path() / kScriptBesidePhonebook;
    std::error_code failed;
    return std::filesystem::exists(beside, failed) ? beside : std::filesystem::path();
}

} // namespace

LinuxDialUp::LinuxDialUp(EventLoop& loop, LinuxDialUpOptions options)
    : m_loop(loop), m_options(std::move(options)), m_phonebook(m_options.phonebook),
      m_virtualModem(m_options.virtualModemProgram, modemScript(m_options), m_options.timeouts.modemStartMs) {}

LinuxDialUp::~LinuxDialUp() {
    endCall();
    if (m_delivery)
        m_loop.cancel(m_delivery);
}

std::int16_t LinuxDialUp::EntryCount() {
    size_t count = std::min<size_t>(m_phonebook.entries().size(), std::numeric_limits<std::int16_t>::max());
    return static_cast<std::int16_t>(count);
}

std::string LinuxDialUp::Entry(std::int16_t index) {
    const auto& entries = m_phonebook.entries();
    return index >= 0 && static_cast<size_t>(index) < entries.size() ? entries[static_cast<size_t>(index)].name
                                                                      : "";
}

void LinuxDialUp::LoadEntry() {
    if (const PhonebookEntry* entry = m_phonebook.find(m_entryName))
        m_phoneNumber = entry->phoneNumber;
}

bool LinuxDialUp::IsConnected() {
    if (m_call && m_call->isUp() && m_callEntry == m_entryName)
        return true;
    return pppdPidFileIsLive(m_options.pppdRunFolder, m_entryName);
}

void LinuxDialUp::CreateEntry() {
    m_editRefusal.clear();
    if (entryEditor)
        runEditor(PhonebookEntry{}, "");
}

void LinuxDialUp::EditEntry() {
    m_editRefusal.clear();
    const PhonebookEntry* entry = m_phonebook.find(m_entryName);
    // Copies: writing the phonebook re-reads its entries.
    if (entryEditor && entry)
        runEditor(PhonebookEntry(*entry), std::string(entry->name));
}

void LinuxDialUp::runEditor(const PhonebookEntry& shown, std::string replacing) {
    const std::optional<EditedEntry> edited = entryEditor(shown, readWvdialDialers(m_options.wvdialFiles));
    if (!edited)
        return;
    m_editRefusal = replacing.empty() ? m_phonebook.append(edited->entry) : m_phonebook.replace(replacing, edited->entry);
    if (!m_editRefusal.empty() && editRefused)
        editRefused(m_editRefusal);
    if (m_editRefusal.empty() && edited->imported && dialerImported)
        dialerImported(edited->entry.name, *edited->imported);
}

void LinuxDialUp::Dial() {
    endCall(); // a new dial replaces whatever is going on
    std::string user = m_domain.empty() || m_userName.empty() ? m_userName : m_domain + "\\" + m_userName;
    DialRequest request{m_entryName, m_phoneNumber, user, m_password};
    m_begin = m_loop.singleShot(restBeforeOpening(), [this, request] {
        m_begin = 0;
        beginCall(request);
    });
}

int LinuxDialUp::restBeforeOpening() const {
    if (!m_lineClosedAt)
        return 0;
    auto rested = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                        *m_lineClosedAt);
    return std::max(0, m_options.timeouts.lineRestMs - static_cast<int>(rested.count()));
}

void LinuxDialUp::beginCall(const DialRequest& request) {
    const PhonebookEntry* entry = m_phonebook.find(request.entryName);
    if (!entry) {
        post(kStateDisconnected, DialStatus::disconnected("there is no phonebook entry called " + request.entryName));
        return;
    }
    std::optional<std::string> number = dialableNumber(request.number);
    if (!number || number->empty()) {
        post(kStateDisconnected, DialStatus::disconnected(number ? "there is no phone number to dial"
                                                                 : "the phone number holds characters a modem "
                                                                   "cannot dial"));
        return;
    }
    std::string device = entry->device;
    if (entry->isVirtual()) {
        std::string error;
        device = m_virtualModem.line(error);
        if (device.empty()) {
            post(kStateDisconnected, DialStatus::disconnected("the virtual modem could not be started: " + error));
            return;
        }
    } else if (device.empty()) {
        post(kStateDisconnected, DialStatus::disconnected("the entry names no modem device"));
        return;
    }

    const DialTimeouts& timeouts = m_options.timeouts;
    CallPlan plan;
    plan.device = device;
    plan.speed = entry->speed;
    plan.dial = DialPlan{entry->init, *number, timeouts.commandMs, timeouts.dialMs};
    plan.ppp = entry->usesPpp();
    plan.pppd = PppdPlan{m_options.pppdProgram.string(), entry->name, request.user, request.password, entry->speed,
                         entry->isVirtual()};
    plan.pppTimeoutMs = timeouts.pppMs;
    m_callEntry = entry->name;
    m_call = std::make_unique<ModemCall>(
        m_loop, std::move(plan), [this](std::int16_t state, const std::string& text) { post(state, text); },
        [this] { m_lineClosedAt = std::chrono::steady_clock::now(); });
    m_call->start();
}

void LinuxDialUp::post(std::int16_t state, const std::string& text) {
    m_reports.push_back(Report{state, text});
    if (!m_delivery)
        m_delivery = m_loop.singleShot(0, [this] { deliver(); });
}

void LinuxDialUp::deliver() {
    m_delivery = 0;
    // A handler may hang up or dial again; both empty the queue of the call they end.
    while (!m_reports.empty()) {
        Report report = std::move(m_reports.front());
        m_reports.pop_front();
        m_statusText = report.text;
        if (Progress)
            Progress(report.state);
    }
}

void LinuxDialUp::HangUp() { endCall(); }

void LinuxDialUp::endCall() {
    if (m_begin)
        m_loop.cancel(m_begin);
    m_begin = 0;
    m_call.reset();
    m_callEntry.clear();
    m_reports.clear();
}

} // namespace quillan
