#include "CanberraSoundPlayer.h"

#include "CanberraLibrary.h"

#include <stdexcept>

#include <condition_variable>
#include <memory>
#include <mutex>

#include <unistd.h>

namespace quillan {

namespace {

// One playing sound's end, reported from the sound library's own thread.
struct Completion {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    int error = CA_SUCCESS;
};

void finished(ca_context*, uint32_t, int error, void* data) {
    auto* completion = static_cast<Completion*>(data);
    std::lock_guard<std::mutex> lock(completion->mutex);
    completion->done = true;
    completion->error = error;
    completion->ended.notify_all();
}

bool noServer(int error) {
    return error == CA_ERROR_NOTAVAILABLE || error == CA_ERROR_DISCONNECTED || error == CA_ERROR_NODRIVER ||
           error == CA_ERROR_STATE;
}

} // namespace

CanberraSoundPlayer::CanberraSoundPlayer(std::vector<std::filesystem::path> soundFolders,
                                         std::chrono::milliseconds longest)
    : m_soundFolders(std::move(soundFolders)), m_longest(longest) {}

CanberraSoundPlayer::~CanberraSoundPlayer() {
    if (m_context)
        CanberraLibrary::get().context_destroy(m_context);
}

bool CanberraSoundPlayer::open() {
    if (m_opened)
        return m_context != nullptr;
    m_opened = true;
    try {
        const CanberraLibrary& canberra = CanberraLibrary::get();
        if (canberra.context_create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            return false;
        }
        canberra.context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Quillan", CA_PROP_APPLICATION_ID,
                                      "quillan", nullptr);
    } catch (const std::runtime_error&) {
        // Without the sound library the program plays nothing, as without a sound server.
        m_context = nullptr;
    }
    return m_context != nullptr;
}

std::vector<std::filesystem::path> CanberraSoundPlayer::programSoundFolders() {
    // The sound's folder lies at the same place relative to the program in the build tree and once installed.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return {(program.parent_path() / QUILLAN_SOUNDS_FROM_PROGRAM).lexically_normal()};
}

std::filesystem::path CanberraSoundPlayer::fileOf(const std::string& name) const {
    if (name == kDefaultSoundName)
        for (const std::filesystem::path& folder : m_soundFolders)
            if (access((folder / name).c_str(), R_OK) == 0)
                return folder / name;
    return name;
}

void CanberraSoundPlayer::play(const std::string& name) {
    if (!open())
        return;
    const std::filesystem::path file = fileOf(name);
    Result result = Result::Failed;
    if (!name.empty() && access(file.c_str(), R_OK) == 0)
        result = playWith(CA_PROP_MEDIA_FILENAME, std::filesystem::absolute(file).string());
    if (result == Result::Failed)
        playWith(CA_PROP_EVENT_ID, "bell");
}

CanberraSoundPlayer::Result CanberraSoundPlayer::playWith(const char* property, const std::string& value) {
    // Shared with the callback, which may still come after a cut sound has been given up on.
    auto completion = std::make_shared<Completion>();
    static std::mutex keepMutex;
    static std::vector<std::shared_ptr<Completion>> abandoned;

    const CanberraLibrary& canberra = CanberraLibrary::get();
    ca_proplist* properties = nullptr;
    canberra.proplist_create(&properties);
    canberra.proplist_sets(properties, property, value.c_str());
    canberra.proplist_sets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
    const uint32_t id = 1;
    const int started = canberra.context_play_full(m_context, id, properties, finished, completion.get());
    canberra.proplist_destroy(properties);
    if (started != CA_SUCCESS)
        return noServer(started) ? Result::NoServer : Result::Failed;

    std::unique_lock<std::mutex> lock(completion->mutex);
    if (!completion->ended.wait_for(lock, m_longest, [&] { return completion->done; })) {
        lock.unlock();
        canberra.context_cancel(m_context, id);
        lock.lock();
        if (!completion->ended.wait_for(lock, std::chrono::seconds(1), [&] { return completion->done; })) {
            std::lock_guard<std::mutex> keep(keepMutex);
            abandoned.push_back(completion);
        }
        return Result::Played;
    }
    if (completion->error == CA_SUCCESS || completion->error == CA_ERROR_CANCELED)
        return Result::Played;
    return noServer(completion->error) ? Result::NoServer : Result::Failed;
}

} // namespace quillan
