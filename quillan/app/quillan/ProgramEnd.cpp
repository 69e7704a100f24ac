#include "ProgramEnd.h"

#include "forms/frmStart.h"

#include <QCoreApplication>

namespace quillan {

void ProgramEnd::formChanged(Form& form, FormProperty property) {
    if (property == FormProperty::Loaded && !form.loaded() && form.name() == frmStart::kName)
        QCoreApplication::quit();
}

} // namespace quillan
