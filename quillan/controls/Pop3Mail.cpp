#include "Pop3Mail.h"

#include "CurlLibrary.h"
#include "MailServerAddress.h"

#include <stdexcept>

namespace quillan {

namespace {

std::string plainWords(CURLcode result, const std::string& server) {
    switch (result) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return "The mail server \"" + server +
               "\" could not be found. Check the server name and that you are online.";
    case CURLE_COULDNT_CONNECT:
        return "The mail server \"" + server +
               "\" could not be reached. Check the server name and port, and that you are online.";
    case CURLE_OPERATION_TIMEDOUT:
        return "The mail server \"" + server + "\" did not answer in time. Try again later.";
    case CURLE_LOGIN_DENIED:
        return "The mail server refused the user name or password. Check both and try again.";
    case CURLE_PEER_FAILED_VERIFICATION:
        return "The mail server's certificate is not trusted, so no password was sent. Check the server "
               "name.";
    case CURLE_SSL_CONNECT_ERROR:
        return "A secure connection to the mail server could not be made.";
    case CURLE_USE_SSL_FAILED:
        return "The mail server does not offer the secure connection it was asked for.";
    case CURLE_WRITE_ERROR:
        return "The mail server sent a message list too long to be one.";
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        return "The mail server closed the connection. Try again later.";
    case CURLE_WEIRD_SERVER_REPLY:
        return "The mail server's answer could not be understood. Check that it is a POP3 server.";
    default:
        return std::string("The mailbox could not be checked: ") + CurlLibrary::get().easy_strerror(result) +
               ".";
    }
}

} // namespace

Pop3Mail::Pop3Mail(EventLoop& loop, MailOptions options)
    : m_loop(loop), m_options(std::move(options)), m_transfers(loop),
      m_listing({.lineBytes = 256, .answerBytes = m_options.longestListing}) {}

Pop3Mail::~Pop3Mail() {
    if (m_easy) {
        m_transfers.stop(m_easy);
        CurlLibrary::get().easy_cleanup(m_easy);
    }
    m_loop.cancel(m_event);
}

void Pop3Mail::setAction(int action) {
    // A new action replaces whatever was under way.
    if (m_easy)
        m_transfers.stop(m_easy);
    if (action == kActionCheck)
        check();
    else if (action == kActionClose)
        later([this] {
            if (Done)
                Done();
        }); // each check closes its connection when it ends
}

void Pop3Mail::check() {
    std::optional<std::string> address = mailServerAddress(m_server);
    if (!address) {
        fail("\"" + m_server + "\" is not the name of a POP3 mail server.");
        return;
    }
    try {
        start(*address);
    } catch (const std::runtime_error& error) {
        fail(std::string("The mailbox could not be checked: ") + error.what() + ".");
    }
}

void Pop3Mail::start(const std::string& address) {
    const CurlLibrary& curl = CurlLibrary::get();
    if (!m_easy)
        m_easy = curl.easy_init();
    if (!m_easy)
        throw std::runtime_error("the network library could not start");
    curl.easy_reset(m_easy);
    curl.easy_setopt(m_easy, CURLOPT_URL, address.c_str());
    curl.easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "pop3,pop3s");
    curl.easy_setopt(m_easy, CURLOPT_USERNAME, m_user.c_str());
    curl.easy_setopt(m_easy, CURLOPT_PASSWORD, m_password.c_str());
    // STLS whenever the server offers it; pop3s is TLS from the start.
    curl.easy_setopt(m_easy, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    if (!m_options.caFile.empty())
        curl.easy_setopt(m_easy, CURLOPT_CAINFO, m_options.caFile.c_str());
    curl.easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_options.connectTimeoutMs));
    curl.easy_setopt(m_easy, CURLOPT_TIMEOUT_MS, static_cast<long>(m_options.checkTimeoutMs));
    // The connection ends with the check (QUIT), so a closed mailbox is never left open.
    curl.easy_setopt(m_easy, CURLOPT_FORBID_REUSE, 1L);
    curl.easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl.easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &Pop3Mail::onListing);
    curl.easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    m_listing.reset();
    m_counting = 0;
    m_transfers.start(m_easy, [this](CURLcode result) { finished(result); });
}

std::size_t Pop3Mail::onListing(char* data, std::size_t size, std::size_t count, void* self) {
    auto* mail = static_cast<Pop3Mail*>(self);
    std::size_t bytes = size * count;
    bool room = mail->m_listing.feed(std::string_view(data, bytes), [mail](const LineReader::Line& line) {
        if (!line.text.empty())
            ++mail->m_counting;
    });
    return room ? bytes : 0;
}

void Pop3Mail::finished(CURLcode result) {
    if (result != CURLE_OK) {
        fail(plainWords(result, m_server));
        return;
    }
    m_listing.finish([this](const LineReader::Line& line) {
        if (!line.text.empty())
            ++m_counting;
    });
    m_count = m_counting;
    if (Done)
        Done();
}

void Pop3Mail::fail(const std::string& reason) {
    later([this, reason] {
        if (AsyncError)
            AsyncError(reason);
    });
}

void Pop3Mail::later(std::function<void()> event) {
    m_loop.cancel(m_event);
    m_event = m_loop.singleShot(0, [this, event = std::move(event)] {
        m_event = 0;
        event();
    });
}

} // namespace quillan
