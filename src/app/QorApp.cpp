#include "app/QorApp.h"

#include "app/UpdatePromptDlg.h"
#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "base/Version.h"
#include "catalog/CatalogStore.h"
#include "catalog/CatalogUpdate.h"
#include "document/ClockAndLocale.h"
#include "document/ProjectFile.h"
#include "document/QorDoc.h"
#include "ui/CatalogLocations.h"
#include "ui/ProcessSetup.h"
#include "ui/QtCatalogFetcher.h"
#include "ui/QtSettingsStore.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <ctime>

namespace {

const std::string kErrorCaption = "Error";
const std::string kMakerCaption = "Halvard Optics, Inc.";

// Clocks need not fill in the day of the year; normalising the date works it out.
int DayOfYear(std::tm now) {
    now.tm_isdst = -1;
    std::mktime(&now);
    return now.tm_yday;
}

CQorApp::UpdateAnswer AskUpdateWithDialog(QWidget* parent) {
    CUpdatePromptDlg dialog(parent);
    switch (dialog.exec()) {
    case QDialog::Accepted:
        return CQorApp::UpdateAnswer::Ok;
    case CUpdatePromptDlg::NeverResult:
        return CQorApp::UpdateAnswer::Never;
    default:
        return CQorApp::UpdateAnswer::Cancel;
    }
}

void ShowMessageBox(QWidget* parent, CQorApp::MessageKind kind, const std::string& caption,
                    const std::string& text) {
    const QString title = QString::fromStdString(caption);
    const QString body = QString::fromStdString(text);
    if (kind == CQorApp::MessageKind::Error) {
        QMessageBox::critical(parent, title, body);
    } else {
        QMessageBox::information(parent, title, body);
    }
}

} // namespace

namespace lumivane {

bool ShouldOfferLiveUpdate(const SettingsStore& store, const AppSettings& settings,
                           const std::string& serverBase, int today) {
    return !serverBase.empty() && IsLiveUpdateDue(store, settings, today);
}

std::string DownloadResultCaption(int result) {
    return result == DownloadSucceeded ? kMakerCaption : kErrorCaption;
}

} // namespace lumivane

CQorApp::UserInterface CQorApp::RealDialogs(QWidget* parent) {
    return {[parent] { return AskUpdateWithDialog(parent); },
            [parent](MessageKind kind, const std::string& caption, const std::string& text) {
                ShowMessageBox(parent, kind, caption, text);
            }};
}

CQorApp::Locations CQorApp::ProgramLocations() {
    return {lumivane::CatalogStoreLocation(), lumivane::CatalogTextLocation(),
            QCoreApplication::applicationFilePath().toStdString()};
}

CQorApp::CQorApp(std::shared_ptr<const lumivane::ClockAndLocale> clock, UserInterface ui,
                 Locations locations)
    : m_clock(std::move(clock)), m_ui(std::move(ui)), m_locations(std::move(locations)) {}

CQorApp::~CQorApp() = default;

bool CQorApp::InitInstance(const std::filesystem::path& projectFile) {
    using namespace lumivane;
    // One reading of the clock serves both the due test and the day written after an update.
    const int today = DayOfYear(m_clock->LocalNow());
    AppContext& context = Ctx();

    m_store = InstallSettings(QString(), *m_clock);
    context.settings.m_previewPages = ReadPreviewPages(*m_store);

    context.settings.m_catalogStorePath = m_locations.catalogStore.string();
    OfferLiveUpdate(*m_store, today);
    LoadCatalogs();

    m_document = std::make_unique<CQorDoc>(m_clock);
    if (!projectFile.empty() && !OpenCommandLineFile(projectFile)) {
        return false;
    }
    context.settings.m_helpFilePath = HelpFilePath(m_locations.programPath);
    return true;
}

int CQorApp::ExitInstance() {
    using namespace lumivane;
    if (!m_store) {
        return 0;
    }
    WriteWindowSettings(*m_store, Ctx().settings);
    WritePreviewPages(*m_store, Ctx().settings.m_previewPages);
    m_store->Sync();
    return 0;
}

std::vector<std::string> CQorApp::RecentFiles() const {
    return m_store ? lumivane::ReadRecentFiles(*m_store) : std::vector<std::string>{};
}

void CQorApp::OfferLiveUpdate(lumivane::SettingsStore& store, int today) {
    using namespace lumivane;
    const std::string serverBase = CatalogServerBase(&store);
    if (!ShouldOfferLiveUpdate(store, Ctx().settings, serverBase, today)) {
        return;
    }
    switch (m_ui.askUpdate()) {
    case UpdateAnswer::Never:
        WriteNeverUpdate(store);
        break;
    case UpdateAnswer::Ok:
        DownloadUpdate(store, serverBase, today);
        break;
    case UpdateAnswer::Cancel:
        break;
    }
}

void CQorApp::DownloadUpdate(lumivane::SettingsStore& store, const std::string& serverBase,
                             int today) {
    using namespace lumivane;
    QtCatalogFetcher fetcher;
    const int result =
        DownloadCatalogStore(m_locations.catalogStore, CatalogStoreAddress(serverBase),
                             StartupDownloadFlags, fetcher, IsCompleteCatalogStore);
    m_ui.showMessage(result == DownloadSucceeded ? MessageKind::Information : MessageKind::Error,
                     DownloadResultCaption(result), DownloadResultMessage(result));
    if (result == DownloadSucceeded) {
        WriteUpdateSucceeded(store, today);
    }
}

void CQorApp::LoadCatalogs() {
    using namespace lumivane;
    const OpenedCatalogs opened =
        InstallStartupCatalogs(m_locations.catalogStore, m_locations.catalogText);
    const std::string message = CatalogOpenMessage(opened, StoreWriting::Write);
    if (!message.empty()) {
        m_ui.showMessage(MessageKind::Information, kProgramTitle, message);
    }
}

bool CQorApp::OpenCommandLineFile(const std::filesystem::path& projectFile) {
    using namespace lumivane;
    const ProjectReadResult result = m_document->OpenDocument(projectFile, true);
    if (result != ProjectReadResult::Ok) {
        m_ui.showMessage(MessageKind::Error, kErrorCaption, ProjectReadMessage(result));
        return false;
    }
    NoteRecentFile(*m_store, std::filesystem::absolute(projectFile).string());
    return true;
}
