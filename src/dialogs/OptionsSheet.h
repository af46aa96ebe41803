#pragma once
// The options sheet ("&Options..." in the Settings menu): the company information, the
// defaults of new auditoriums and the live-update settings. OK takes everything into the
// application's settings and writes it to the settings store at once; Cancel changes nothing.

#include <QDialog>

class COptionsAppPage;
class COptionsScreenPage;
class COptionsUpdatePage;
class CQorDoc;

class COptionsSheet : public QDialog {
    Q_OBJECT

public:
    // "Update Now" on the Updates page re-resolves document, which may be null.
    explicit COptionsSheet(CQorDoc* document, QWidget* parent = nullptr);

    void accept() override;

private:
    COptionsAppPage* m_application;
    COptionsScreenPage* m_screen;
    COptionsUpdatePage* m_updates;
};

namespace lumivane {

// Shows the sheet; true when it was closed with OK, and the current view should be repainted.
bool ShowOptionsSheet(CQorDoc* document, QWidget* parent);

} // namespace lumivane
