#pragma once

#include "CommandError.h"

#include "forms/Forms.h"
#include "runtime/Control.h"
#include "runtime/Form.h"

#include <string>

namespace quillan {

// Finds the forms and controls that commands name, as FORM or FORM.CONTROL, without loading anything.
class FormTargets {
  public:
    explicit FormTargets(Forms& forms) : m_forms(forms) {}

    FormSlot& slot(const std::string& formName) const;
    // The loaded form, or null.
    Form* peek(const std::string& formName) const { return slot(formName).peek(); }
    Form& loaded(const std::string& formName) const;
    Control& control(const std::string& reference) const;

    // The control when it is of kind T; `what` names the kind in the error.
    template <class T> T& as(const std::string& reference, const char* what) const {
        auto* typed = dynamic_cast<T*>(&control(reference));
        if (!typed)
            throw CommandError(reference + " is not " + what);
        return *typed;
    }

    // The same, and reachable by a user now.
    template <class T> T& reachable(const std::string& reference, const char* what) const {
        T& typed = as<T>(reference, what);
        if (!typed.reachable())
            throw CommandError(reference + " is not reachable");
        return typed;
    }

  private:
    Forms& m_forms;
};

} // namespace quillan
