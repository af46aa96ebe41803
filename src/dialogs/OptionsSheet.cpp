#include "dialogs/OptionsSheet.h"

#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "dialogs/OptionsAppPage.h"
#include "dialogs/OptionsScreenPage.h"
#include "dialogs/OptionsUpdatePage.h"
#include "ui/QtSettingsStore.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

lumivane::UpdateOptions StoredUpdateOptions() {
    const auto& store = lumivane::Ctx().settingsStore;
    return store ? lumivane::ReadUpdateOptions(*store) : lumivane::UpdateOptions();
}

} // namespace

COptionsSheet::COptionsSheet(CQorDoc* document, QWidget* parent)
    : QDialog(parent), m_application(new COptionsAppPage(
                           QString::fromStdString(lumivane::Ctx().settings.m_company))),
      m_screen(new COptionsScreenPage(lumivane::Ctx().settings)),
      m_updates(new COptionsUpdatePage(StoredUpdateOptions(), document)) {
    setWindowTitle(QStringLiteral("Options"));
    auto* tabs = new QTabWidget;
    tabs->addTab(m_application, QStringLiteral("Application"));
    tabs->addTab(m_screen, QStringLiteral("Screen"));
    tabs->addTab(m_updates, QStringLiteral("Updates"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// The options are written now as well as when the main window closes, so they survive a run
// that ends without closing it.
void COptionsSheet::accept() {
    AppSettings& settings = lumivane::Ctx().settings;
    settings.m_company = m_application->Company().toStdString();
    m_screen->ApplyTo(settings);
    if (const auto& store = lumivane::Ctx().settingsStore) {
        lumivane::WriteOptions(*store, settings);
        lumivane::WriteUpdateOptions(*store, m_updates->Options(), settings);
        if (auto* qtStore = dynamic_cast<lumivane::QtSettingsStore*>(store.get())) {
            qtStore->Sync();
        }
    }
    QDialog::accept();
}

namespace lumivane {

bool ShowOptionsSheet(CQorDoc* document, QWidget* parent) {
    COptionsSheet sheet(document, parent);
    return sheet.exec() == QDialog::Accepted;
}

} // namespace lumivane
