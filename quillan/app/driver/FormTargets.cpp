#include "FormTargets.h"

namespace quillan {

FormSlot& FormTargets::slot(const std::string& formName) const {
    FormSlot* slot = m_forms.find(formName);
    if (!slot)
        throw CommandError("no form " + formName);
    return *slot;
}

Form& FormTargets::loaded(const std::string& formName) const {
    Form* form = peek(formName);
    if (!form)
        throw CommandError(formName + " is not loaded");
    return *form;
}

Control& FormTargets::control(const std::string& reference) const {
    const size_t dot = reference.find('.');
    if (dot == std::string::npos)
        throw CommandError("expected FORM.CONTROL: " + reference);
    Form& form = loaded(reference.substr(0, dot));
    Control* control = form.control(reference.substr(dot + 1));
    if (!control)
        throw CommandError("no control " + reference);
    return *control;
}

} // namespace quillan
