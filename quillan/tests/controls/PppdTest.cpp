#include "controls/PppdOutput.h"
#include "controls/PppdSession.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quillan;

namespace {

int exitedWith(int code) {
    return code << 8;
}

bool holds(const std::vector<std::string>& args, const std::string& word) {
    return std::find(args.begin(), args.end(), word) != args.end();
}

} // namespace

// A user in dip may give none of the options that need root: those live in the peers file.
TEST(PppdArguments, onlyUnprivilegedOptionsAndNeverThePassword) {
    PppdPlan plan;
    plan.user = "CORP\\alice";
    plan.password = "s3cret-word";
    plan.entry = "Work";
    plan.speed = 57600;
    std::vector<std::string> args = PppdSession::arguments(plan);
    EXPECT_EQ(args, (std::vector<std::string>{"call", "quillan", "nodetach", "logfd", "2", "modem", "crtscts",
                                              "57600", "user", "CORP\\alice", "passwordfd", "3", "ipparam",
                                              "Work"}));
    for (const char* privileged : {"noauth", "linkname", "plugin", "defaultroute", "usepeerdns"})
        EXPECT_FALSE(holds(args, privileged)) << privileged;

    PppdPlan bare;
    bare.localLine = true;
    EXPECT_EQ(PppdSession::arguments(bare),
              (std::vector<std::string>{"call", "quillan", "nodetach", "logfd", "2", "local", "nocrtscts"}));

    PppdPlan systemPeers;
    systemPeers.peers = "provider";
    systemPeers.lineOptions = false;
    systemPeers.user = "ignored";
    EXPECT_EQ(PppdSession::arguments(systemPeers),
              (std::vector<std::string>{"call", "provider", "nodetach", "logfd", "2"}));
}

TEST(PppdLog, authenticationAndTheLocalAddressAreNoticed) {
    PppdOutput output;
    using E = PppdOutput::Event;
    EXPECT_EQ(
        output.feed("Plugin passwordfd.so loaded.\nSerial connection established.\nUsing interface ppp0\n"
                    "Connect: ppp0 <--> /dev/pts/3\n"),
        (std::vector<E>{E::SerialConnected, E::Negotiating}));
    EXPECT_EQ(output.interfaceName(), "ppp0");
    EXPECT_EQ(output.feed("PAP authentication succ"), std::vector<E>{});
    EXPECT_EQ(output.feed("eeded\nlocal  IP address 10.0.0.2\nremote IP address 10.0.0.1\n"),
              (std::vector<E>{E::Authenticated, E::LinkUp}));
}

TEST(PppdLog, theReasonIsPppdsFirstComplaintWithTheMeaningOfItsStatus) {
    PppdOutput output;
    output.feed("Plugin passwordfd.so loaded.\nCouldn't open the /dev/ppp device: No such file or directory\n"
                "/usr/sbin/pppd: You need to create the /dev/ppp device node by\n"
                "executing the following command as root:\n\tmknod /dev/ppp c 108 0\n");
    EXPECT_EQ(output.reason(exitedWith(4)), "Couldn't open the /dev/ppp device: No such file or directory "
                                            "(this system lacks kernel support for PPP)");
}

TEST(PppdLog, pppdNamingItselfIsLeftOutOfTheReason) {
    PppdOutput output;
    output.feed("/usr/sbin/pppd: unrecognized option 'frob'\n");
    EXPECT_EQ(output.reason(exitedWith(2)), "unrecognized option 'frob' (pppd was given bad options)");
}

TEST(PppdLog, withoutComplaintTheStatusSpeaks) {
    PppdOutput output;
    output.feed("Serial connection established.\nConnection terminated.\n");
    EXPECT_EQ(output.reason(exitedWith(16)), "the modem hung up");
    EXPECT_EQ(PppdOutput().reason(exitedWith(99)), "pppd ended with status 99");
}

TEST(PppdLog, aNegotiationFailureNamesWhatFailed) {
    PppdOutput output;
    output.feed(
        "Connect: ppp0 <--> /dev/ttyS0\nLCP: timeout sending Config-Requests\nConnection terminated.\n");
    EXPECT_EQ(output.reason(exitedWith(10)),
              "LCP: timeout sending Config-Requests (the PPP negotiation failed)");
}
