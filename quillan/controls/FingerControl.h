#pragma once

#include <functional>
#include <string>

namespace quillan {

// The finger control: one query to a host, its answer as lines. A failure sets Failed before Done.
class FingerControl {
  public:
    virtual ~FingerControl() = default;

    virtual void setQuery(const std::string& query) = 0;
    virtual bool Failed() = 0;
    virtual void setFailed(bool failed) = 0;
    virtual void setHost(const std::string& host) = 0;
    // Writing 1 starts the query and returns at once.
    virtual void setAction(int action) = 0;
    virtual int LineCount() = 0;
    // 1 asks the server for more information.
    virtual void setVerbose(int verbose) = 0;
    virtual std::string Line(int index) = 0;

    std::function<void()> Done;
};

} // namespace quillan
