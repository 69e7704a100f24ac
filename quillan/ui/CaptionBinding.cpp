#include "CaptionBinding.h"

#include "QtText.h"

namespace quillan {

void CaptionBinding::refresh(Property property, bool initial) {
    if (property == Property::Caption && !(initial && control().caption().empty()))
        m_setCaption(toQt(control().caption()));
    ControlBinding::refresh(property, initial);
}

} // namespace quillan
