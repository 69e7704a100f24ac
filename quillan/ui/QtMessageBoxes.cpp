#include "QtMessageBoxes.h"

#include "FontConfigWarmUp.h"
#include "MessageBoxMapping.h"
#include "QtText.h"

#include <QApplication>
#include <QTimer>

namespace quillan {

MsgAnswer QtMessageBoxes::show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                               const std::string& title) {
    // A box may be the first window of the start.
    FontConfigWarmUp::awaitRunning();
    QMessageBox box(qtIcon(icon), toQt(title), toQt(text), qtButtons(buttons), QApplication::activeWindow());
    box.setDefaultButton(qtDefaultButton(buttons));
    box.setEscapeButton(qtEscapeButton(buttons));
    if (shown)
        QTimer::singleShot(0, &box, [this, &box] { shown(box); });
    box.exec();
    return answerFor(box.standardButton(box.clickedButton()), buttons);
}

} // namespace quillan
