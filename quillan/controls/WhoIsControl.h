#pragma once

#include <functional>
#include <string>

namespace quillan {

// The whois control: one query to a whois server, its answer as lines. A failure sets Failed before Done.
class WhoIsControl {
  public:
    virtual ~WhoIsControl() = default;

    virtual void setQuery(const std::string& query) = 0;
    virtual bool Failed() = 0;
    virtual void setFailed(bool failed) = 0;
    virtual void setServer(const std::string& server) = 0;
    virtual int LineCount() = 0;
    // Starts the query and returns at once.
    virtual void Query() = 0;
    virtual std::string Line(int index) = 0;

    std::function<void()> Done;
};

} // namespace quillan
