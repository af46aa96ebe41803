#pragma once
// Tells the user, beside the field and without a dialog, that what they typed was brought back
// to the field's limit.

#include <string>

class QWidget;

namespace lumivane {

// Nothing for an empty notice.
void ShowLimitNotice(QWidget* field, const std::string& notice);

} // namespace lumivane
