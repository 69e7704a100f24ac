// Feeds the modem dialogue arbitrary replies, with time-outs where the input holds 0xFF; whatever
// the modem says, the dialogue ends at most once and asks for nothing after it has ended.
#include "controls/HayesDialogue.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

class CheckingSink : public quillan::HayesDialogue::Sink {
  public:
    void sendToModem(std::string_view) override { mustBeLive(); }
    void armTimeout(int) override { mustBeLive(); }
    void cancelTimeout() override {}
    void dialing() override { mustBeLive(); }
    void modemConnected(const std::string& speed) override {
        mustBeLive();
        if (speed.size() > 256)
            std::abort();
    }
    void dialFailed(quillan::DialFailure) override { end(); }
    void carrierLost() override { end(); }

  private:
    void mustBeLive() const {
        if (m_ended)
            std::abort();
    }
    void end() {
        mustBeLive();
        m_ended = true;
    }
    bool m_ended = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    CheckingSink sink;
    quillan::HayesDialogue dialogue(sink, quillan::DialPlan{"M0", "5550100", 100, 1000});
    dialogue.start();
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        size_t cut = input.find('\xff');
        dialogue.feed(input.substr(0, cut));
        if (cut == std::string_view::npos)
            break;
        dialogue.timedOut();
        input.remove_prefix(cut + 1);
    }
    return 0;
}
