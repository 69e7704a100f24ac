#include "DriverTestForm.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmDriverTest);

} // namespace quillan
