#pragma once

#include <string>
#include <vector>

class QWidget;

namespace quillan {

// Builds the designed layout of the window called name into window; false when there is no such design.
bool buildDesignedForm(const std::string& name, QWidget& window);
std::vector<std::string> designedFormNames();
// The style's standard icons that the design of the window called name shows, by their enumerator names.
std::vector<std::string> designedFormIcons(const std::string& name);

} // namespace quillan
