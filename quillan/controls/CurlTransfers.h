#pragma once

#include "runtime/EventLoop.h"

#include <curl/curl.h>

#include <functional>
#include <map>

namespace quillan {

// Runs libcurl transfers on the program's own event loop: libcurl says which sockets and which
// time-out it waits for, the loop calls back, and nothing ever blocks the user-interface thread.
class CurlTransfers {
  public:
    using Finished = std::function<void(CURLcode)>;

    // libcurl is loaded by the first transfer, not here.
    explicit CurlTransfers(EventLoop& loop);
    ~CurlTransfers();
    CurlTransfers(const CurlTransfers&) = delete;
    CurlTransfers& operator=(const CurlTransfers&) = delete;

    // Starts easy; finished runs once, on the loop, when it has ended. Throws std::runtime_error when
    // libcurl cannot be loaded or started.
    void start(CURL* easy, Finished finished);
    // Ends a transfer before its time; its finished never runs.
    void stop(CURL* easy);

  private:
    void open();

    struct Watches {
        EventLoop::Id read = 0;
        EventLoop::Id write = 0;
    };

    static int onSocket(CURL* easy, curl_socket_t fd, int what, void* self, void* socketData);
    static int onTimer(CURLM* multi, long ms, void* self);
    void watch(curl_socket_t fd, int what);
    void act(curl_socket_t fd, int events);
    void collectFinished();

    EventLoop& m_loop;
    CURLM* m_multi = nullptr;
    std::map<curl_socket_t, Watches> m_sockets;
    EventLoop::Id m_timer = 0;
    std::map<CURL*, Finished> m_running;
};

} // namespace quillan
