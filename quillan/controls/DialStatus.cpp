#include "DialStatus.h"

namespace quillan {

std::string DialStatus::modemConnected(const std::string& speed) {
    return speed.empty() ? "Modem connected" : "Modem connected at " + speed + " bps";
}

std::string DialStatus::reason(DialFailure failure) {
    switch (failure) {
    case DialFailure::NotResponding:
        return "the modem is not responding";
    case DialFailure::CommandRejected:
        return "the modem rejected a command";
    case DialFailure::Busy:
        return "the line is busy";
    case DialFailure::NoDialTone:
        return "no dial tone";
    case DialFailure::NoAnswer:
        return "no answer";
    case DialFailure::NoCarrier:
        return "no carrier";
    case DialFailure::NotAnsweredInTime:
        return "no answer in time";
    }
    return "the modem is not responding";
}

} // namespace quillan
