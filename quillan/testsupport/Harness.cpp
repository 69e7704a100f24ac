#include "Harness.h"

#include "runtime/Form.h"
#include "runtime/MenuItem.h"

namespace quillan {

void FormEffectRecorder::formChanged(Form& form, FormProperty property) {
    if (property == FormProperty::Visible)
        m_log.add((form.visible() ? "show " : "hide ") + form.name());
    else if (property == FormProperty::Loaded && !form.loaded())
        m_log.add("unload " + form.name());
    else if (property == FormProperty::PopupMenu && form.popupMenu())
        m_log.add("popup " + form.name() + "." + form.popupMenu()->name());
}

void ScriptedModalLoop::runModal(Form& form) {
    if (body)
        body(form);
    if (form.visible())
        form.hide();
}

Harness::Harness(std::filesystem::path dataDir, std::time_t start)
    : clock(start),
      services{boxes,       clock,
               pump,        tray,
               modal,       processes,
               sound,       browser,
               drives,      dataDir,
               {&recorder}, {dataDir / "applications", dataDir / "Desktop", {"quillan"}, "network-modem"}} {
    forms = std::make_unique<Forms>(services, module1, dialUp, net, MailControls{mail, mail1});
}

} // namespace quillan
