#include "views/FieldSilence.h"

#include <QObject>

void SilenceFields(QObject& owner) {
    for (QObject* part : owner.findChildren<QObject*>()) {
        part->blockSignals(true);
    }
}
