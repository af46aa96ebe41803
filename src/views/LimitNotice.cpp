#include "views/LimitNotice.h"

#include <QToolTip>
#include <QWidget>

namespace lumivane {

void ShowLimitNotice(QWidget* field, const std::string& notice) {
    if (notice.empty() || !field->isVisible()) {
        return;
    }
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())),
                       QString::fromStdString(notice), field);
}

} // namespace lumivane
