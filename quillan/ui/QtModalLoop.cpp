#include "QtModalLoop.h"

#include "runtime/Form.h"

#include <algorithm>

namespace quillan {

void QtModalLoop::runModal(Form& form) {
    if (!form.visible() || !form.loaded())
        return;
    QEventLoop loop;
    m_running.push_back({&form, &loop});
    loop.exec();
    m_running.erase(std::find_if(m_running.begin(), m_running.end(),
                                 [&loop](const Running& running) { return running.loop == &loop; }));
}

void QtModalLoop::formChanged(Form& form, FormProperty property) {
    if (property != FormProperty::Visible && property != FormProperty::Loaded)
        return;
    if (form.visible() && form.loaded())
        return;
    for (const Running& running : m_running)
        if (running.form == &form)
            running.loop->quit();
}

} // namespace quillan
