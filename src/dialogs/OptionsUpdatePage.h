#pragma once
// The Updates page of the options sheet: whether and how often the program looks for a newer
// lens catalog at start-up, and "Update Now", which fetches it at once.

#include "base/SettingsStartup.h"

#include <QWidget>

class CQorDoc;
class QCheckBox;
class QPushButton;
class QSpinBox;

class COptionsUpdatePage : public QWidget {
    Q_OBJECT

public:
    // "Update Now" re-resolves document (none: only the catalogs are reloaded).
    COptionsUpdatePage(const lumivane::UpdateOptions& options, CQorDoc* document,
                       QWidget* parent = nullptr);

    lumivane::UpdateOptions Options() const;

private:
    void ShowAutomatic();

    CQorDoc* m_document;
    QCheckBox* m_automatic;
    QSpinBox* m_days;
    QCheckBox* m_connected;
    QPushButton* m_updateNow;
};
