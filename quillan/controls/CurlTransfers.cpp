#include "CurlTransfers.h"

#include "CurlLibrary.h"

#include <stdexcept>

namespace quillan {

CurlTransfers::CurlTransfers(EventLoop& loop) : m_loop(loop) {}

void CurlTransfers::open() {
    const CurlLibrary& curl = CurlLibrary::get();
    m_multi = curl.multi_init();
    if (!m_multi)
        throw std::runtime_error("the network library could not start");
    curl.multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlTransfers::onSocket);
    curl.multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl.multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlTransfers::onTimer);
    curl.multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
}

CurlTransfers::~CurlTransfers() {
    if (!m_multi)
        return;
    while (!m_running.empty())
        stop(m_running.begin()->first);
    CurlLibrary::get().multi_cleanup(m_multi);
    for (auto& [fd, watches] : m_sockets) {
        m_loop.unwatch(watches.read);
        m_loop.unwatch(watches.write);
    }
    m_loop.cancel(m_timer);
}

void CurlTransfers::start(CURL* easy, Finished finished) {
    if (!m_multi)
        open();
    m_running[easy] = std::move(finished);
    CurlLibrary::get().multi_add_handle(m_multi, easy);
}

void CurlTransfers::stop(CURL* easy) {
    if (m_running.erase(easy))
        CurlLibrary::get().multi_remove_handle(m_multi, easy);
}

int CurlTransfers::onSocket(CURL*, curl_socket_t fd, int what, void* self, void*) {
    static_cast<CurlTransfers*>(self)->watch(fd, what);
    return 0;
}

void CurlTransfers::watch(curl_socket_t fd, int what) {
    Watches& watches = m_sockets[fd];
    m_loop.unwatch(watches.read);
    m_loop.unwatch(watches.write);
    watches = {};
    if (what == CURL_POLL_REMOVE) {
        m_sockets.erase(fd);
        return;
    }
    if (what == CURL_POLL_IN || what == CURL_POLL_INOUT)
        watches.read = m_loop.watchReadable(fd, [this, fd] { act(fd, CURL_CSELECT_IN); });
    if (what == CURL_POLL_OUT || what == CURL_POLL_INOUT)
        watches.write = m_loop.watchWritable(fd, [this, fd] { act(fd, CURL_CSELECT_OUT); });
}

int CurlTransfers::onTimer(CURLM*, long ms, void* self) {
    auto* transfers = static_cast<CurlTransfers*>(self);
    transfers->m_loop.cancel(transfers->m_timer);
    transfers->m_timer = 0;
    if (ms >= 0)
        transfers->m_timer = transfers->m_loop.singleShot(static_cast<int>(ms), [transfers] {
            transfers->m_timer = 0;
            transfers->act(CURL_SOCKET_TIMEOUT, 0);
        });
    return 0;
}

void CurlTransfers::act(curl_socket_t fd, int events) {
    int stillRunning = 0;
    CurlLibrary::get().multi_socket_action(m_multi, fd, events, &stillRunning);
    collectFinished();
}

void CurlTransfers::collectFinished() {
    int left = 0;
    while (CURLMsg* message = CurlLibrary::get().multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        CURL* easy = message->easy_handle;
        CURLcode result = message->data.result;
        auto it = m_running.find(easy);
        if (it == m_running.end())
            continue;
        Finished finished = std::move(it->second);
        m_running.erase(it);
        CurlLibrary::get().multi_remove_handle(m_multi, easy);
        finished(result);
    }
}

} // namespace quillan
