#include "LinuxDialUp.h"

#include "DialStatus.h"
#include "DialableNumber.h"
#include "ModemCall.h"
#include "PeersCall.h"
#include "PppdPreflight.h"
#include "PppdSession.h"
#include "SystemPeers.h"

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
    : m_loop(loop), m_options(std::move(options)), m_trace(m_options.trace), m_ender(loop),
      m_runFolder(m_options.pppdRunFolder, m_options.ownPeers, m_options.scanClock),
      m_phonebook(m_options.phonebook), m_listedBeforePeers(m_phonebook.entries().size()),
      m_virtualModem(m_options.virtualModemProgram, modemScript(m_options), m_options.timeouts.modemStartMs) {
    // The dialer's own pppd, running or ending, is never an outside call.
    m_runFolder.ignored = [this](pid_t pid) {
        return (m_call && m_call->pppdPid() == pid) || m_ender.ending(pid);
    };
    loadSystemPeers();
}

void LinuxDialUp::loadSystemPeers() {
    m_systemPeers = systemPeers(m_options.peersFolder, m_options.ownPeers);
    std::erase_if(m_systemPeers,
                  [this](const std::string& name) { return m_phonebook.find(name) != nullptr; });
}

void LinuxDialUp::Refresh() {
    m_phonebook.reload();
    loadSystemPeers();
}

bool LinuxDialUp::isSystemPeers(const std::string& name) const {
    return std::find(m_systemPeers.begin(), m_systemPeers.end(), name) != m_systemPeers.end();
}

LinuxDialUp::~LinuxDialUp() {
    endCall();
    if (m_delivery)
        m_loop.cancel(m_delivery);
}

std::int16_t LinuxDialUp::EntryCount() {
    size_t count = std::min<size_t>(m_phonebook.entries().size() + m_systemPeers.size(),
                                    std::numeric_limits<std::int16_t>::max());
    return static_cast<std::int16_t>(count);
}

const std::string& LinuxDialUp::Entry(std::int16_t index) {
    static const std::string none;
    const auto& entries = m_phonebook.entries();
    if (index < 0)
        return none;
    // The system's peers follow the entries the phonebook had at start; entries created since come
    // last, so a created entry is always the last one listed.
    const size_t before = std::min(m_listedBeforePeers, entries.size());
    auto at = static_cast<size_t>(index);
    if (at < before)
        return entries[at].name;
    if (at - before < m_systemPeers.size())
        return m_systemPeers[at - before];
    at -= m_systemPeers.size();
    return at < entries.size() ? entries[at].name : none;
}

std::string LinuxDialUp::PhoneNumber() {
    if (m_phoneNumber)
        return *m_phoneNumber;
    const PhonebookEntry* entry = m_phonebook.find(m_entryName);
    return entry ? entry->phoneNumber : "";
}

void LinuxDialUp::LoadEntry() {
    // Back to the entry's own number, read when it is dialed.
    m_phoneNumber.reset();
}

bool LinuxDialUp::IsConnected() {
    if (m_call && m_call->isUp() && m_callEntry == m_entryName)
        return true;
    return m_runFolder.isUp(m_entryName);
}

void LinuxDialUp::CreateEntry() {
    m_editRefusal.clear();
    if (entryEditor)
        runEditor(PhonebookEntry{}, "");
}

void LinuxDialUp::EditEntry() {
    m_editRefusal.clear();
    const PhonebookEntry* entry = m_phonebook.find(m_entryName);
    if (isSystemPeers(m_entryName)) {
        m_editRefusal = m_entryName + " is a connection of the system's pppd; change it in " +
                        (m_options.peersFolder / m_entryName).string() + " as root";
        if (editRefused)
            editRefused(m_editRefusal);
        return;
    }
    // Copies: writing the phonebook re-reads its entries.
    if (entryEditor && entry)
        runEditor(PhonebookEntry(*entry), std::string(entry->name));
}

void LinuxDialUp::runEditor(const PhonebookEntry& shown, std::string replacing) {
    const std::optional<EditedEntry> edited = entryEditor(shown, readWvdialDialers(m_options.wvdialFiles));
    if (!edited)
        return;
    m_editRefusal =
        replacing.empty() ? m_phonebook.append(edited->entry) : m_phonebook.replace(replacing, edited->entry);
    loadSystemPeers(); // a peers file the phonebook now names is listed as its entry
    if (!m_editRefusal.empty() && editRefused)
        editRefused(m_editRefusal);
    if (m_editRefusal.empty() && edited->imported && dialerImported)
        dialerImported(edited->entry.name, *edited->imported);
}

void LinuxDialUp::Dial() {
    endCall(); // a new dial replaces whatever is going on
    std::string user = m_domain.empty() || m_userName.empty() ? m_userName : m_domain + "\\" + m_userName;
    DialRequest request{m_entryName, PhoneNumber(), user, m_password};
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
    m_trace.setSecret(request.password);
    if (isSystemPeers(request.entryName)) {
        beginPeersCall(request.entryName);
        return;
    }
    const PhonebookEntry* entry = m_phonebook.find(request.entryName);
    if (!entry) {
        post(kStateDisconnected,
             DialStatus::disconnected("there is no phonebook entry called " + request.entryName));
        return;
    }
    std::optional<std::string> number = dialableNumber(request.number);
    if (!number || number->empty()) {
        post(kStateDisconnected,
             DialStatus::disconnected(number ? "there is no phone number to dial"
                                             : "the phone number holds characters a modem "
                                               "cannot dial"));
        return;
    }
    if (entry->usesPpp() && request.password.size() > PppdSession::kLongestPassword) {
        post(kStateDisconnected,
             DialStatus::disconnected("the password is longer than the " +
                                      std::to_string(PppdSession::kLongestPassword) +
                                      " characters pppd can take; shorten it with Edit Profile"));
        return;
    }
    std::string device = entry->device;
    if (entry->isVirtual()) {
        std::string error;
        device = m_virtualModem.line(error);
        if (device.empty()) {
            post(kStateDisconnected,
                 DialStatus::disconnected("the virtual modem could not be started: " + error));
            return;
        }
    } else if (device.empty()) {
        post(kStateDisconnected, DialStatus::disconnected("the entry names no modem device"));
        return;
    }

    if (std::string refusal = preflight(*entry); !refusal.empty()) {
        post(kStateDisconnected, DialStatus::disconnected(refusal));
        return;
    }

    const DialTimeouts& timeouts = m_options.timeouts;
    CallPlan plan;
    plan.device = device;
    plan.speed = entry->speed;
    plan.lockFolder = m_options.lockFolder;
    plan.dial = DialPlan{entry->init, *number, timeouts.commandMs, timeouts.dialMs};
    plan.ppp = entry->usesPpp();
    plan.pppd.program = m_options.pppdProgram.string();
    plan.pppd.peers = m_options.ownPeers;
    plan.pppd.entry = entry->name;
    plan.pppd.user = request.user;
    plan.pppd.password = request.password;
    plan.pppd.speed = entry->speed;
    plan.pppd.localLine = entry->isVirtual();
    plan.pppTimeoutMs = timeouts.pppMs;
    m_callEntry = entry->name;
    m_call = std::make_unique<ModemCall>(
        m_loop, m_ender, m_trace, std::move(plan),
        [this](std::int16_t state, const std::string& text) { post(state, text); },
        [this] { m_lineClosedAt = std::chrono::steady_clock::now(); });
    m_call->start();
}

std::string LinuxDialUp::preflight(const PhonebookEntry& entry) const {
    if (!entry.isVirtual())
        if (std::string refusal = PppdPreflight::checkLine(entry.device); !refusal.empty())
            return refusal;
    if (!entry.usesPpp())
        return "";
    return PppdPreflight{m_options.pppdProgram, m_options.peersFolder, m_options.ownPeers}.check(
        m_options.ownPeers);
}

void LinuxDialUp::beginPeersCall(const std::string& peers) {
    PppdPreflight checks{m_options.pppdProgram, m_options.peersFolder, m_options.ownPeers};
    if (std::string refusal = checks.check(peers); !refusal.empty()) {
        post(kStateDisconnected, DialStatus::disconnected(refusal));
        return;
    }
    PppdPlan plan;
    plan.program = m_options.pppdProgram.string();
    plan.peers = peers;
    plan.lineOptions = false;
    m_callEntry = peers;
    const DialTimeouts& timeouts = m_options.timeouts;
    m_call = std::make_unique<PeersCall>(
        m_loop, m_ender, m_trace, std::move(plan), timeouts.dialMs + timeouts.pppMs,
        [this](std::int16_t state, const std::string& text) { post(state, text); });
    m_call->start();
}

void LinuxDialUp::post(std::int16_t state, const std::string& text) {
    m_trace.state(state, text);
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

void LinuxDialUp::HangUp() {
    endCall();
}

void LinuxDialUp::endCall() {
    if (m_begin)
        m_loop.cancel(m_begin);
    m_begin = 0;
    m_call.reset();
    m_callEntry.clear();
    m_reports.clear();
}

} // namespace quillan
