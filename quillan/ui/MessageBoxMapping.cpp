#include "MessageBoxMapping.h"

namespace quillan {

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::OK:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton qtDefaultButton(MsgButtons buttons) {
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? QMessageBox::Yes
                                                                              : QMessageBox::Ok;
}

QMessageBox::StandardButton qtEscapeButton(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OKCancel:
    case MsgButtons::YesNoCancel:
        return QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::No;
    case MsgButtons::OK:
        break;
    }
    return QMessageBox::Ok;
}

MsgAnswer answerFor(QMessageBox::StandardButton pressed, MsgButtons buttons) {
    if (!(qtButtons(buttons) & pressed))
        pressed = qtEscapeButton(buttons);
    switch (pressed) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return MsgAnswer::OK;
    }
}

} // namespace quillan
