#include "frmAlternateDial.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmHelpAlternative.h"
#include "modules/Numeric.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmAlternateDial);

frmAlternateDial::frmAlternateDial(Forms& forms)
    : Form(forms.services(), kName, "Dialing Alternate Numbers", 6000),
      m_forms(forms), m_boxes{&textAN1, &textAN2, &textAN3, &textAN4, &textAN5,
                              &textAN6, &textAN7, &textAN8, &textAN9, &textAN10} {
    const std::array<Frame*, kSlots> frames{&Frame1, &Frame2, &Frame3, &Frame4, &Frame5,
                                            &Frame6, &Frame7, &Frame8, &Frame9, &Frame10};
    const std::array<Label*, kSlots> labels{&Label1, &Label2, &Label3, &Label4, &Label5,
                                            &Label6, &Label7, &Label8, &Label9, &Label10};
    for (int k = 1; k <= kSlots; ++k) {
        const size_t i = static_cast<size_t>(k - 1);
        frames[i]->setCaption("Dialing Sequence = " + std::to_string(k));
        labels[i]->setCaption("Phone Number :");
        TextBox& box = *m_boxes[i];
        box.setText("0");
        box.Change = [this, &box] { textAN_Change(box); };
    }
    cmdOkAlternative.setCaption("&OK");
    Command3.setCaption("Help");
    cmdOkAlternative.Click = [this] { cmdOkAlternative_Click(); };
    Command3.Click = [this] { m_forms.get<frmHelpAlternative>().show(); };
}

void frmAlternateDial::textAN_Change(TextBox& box) {
    // "0" marks an empty slot.
    if (box.text().empty()) {
        box.setText("0");
        return;
    }
    // The whole text must read as a number, so dashes and inner blanks are refused.
    if (isNumeric(box.text()))
        return;
    services().boxes.show("Enter numerical values for your phone number", MsgButtons::OK,
                          MsgIcon::Exclamation, "Phone Number Error Format");
    box.setText("");
    box.setFocus();
}

void frmAlternateDial::cmdOkAlternative_Click() {
    hide();
    KeyedCollection& profiles = m_forms.m().profiledata;
    // Without the profile's record there is nothing to anchor the numbers to: keep the collection as it is.
    std::string previous = profilecontext + "DialAN";
    if (!profiles.contains(previous))
        return;
    for (int k = 1; k <= kSlots; ++k)
        profiles.remove(profilecontext + "AN" + std::to_string(k));
    for (int k = 1; k <= kSlots; ++k) {
        const std::string key = profilecontext + "AN" + std::to_string(k);
        profiles.addAfter(key, textAN(k).text(), previous);
        previous = key;
    }
}

} // namespace quillan
