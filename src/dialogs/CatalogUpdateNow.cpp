#include "dialogs/CatalogUpdateNow.h"

#include "base/AppContext.h"
#include "catalog/CatalogStore.h"
#include "catalog/CatalogUpdate.h"
#include "document/CatalogReload.h"
#include "ui/CatalogLocations.h"
#include "ui/QtCatalogFetcher.h"

#include <QMessageBox>
#include <QProgressDialog>

namespace lumivane {

namespace {

const QString kMakerCaption = QStringLiteral("Halvard Optics, Inc.");
constexpr int kBytesPerKilobyte = 1024;

// Shows how much has arrived and lets Cancel stop the transfer, also before its first byte.
class ProgressFetcher : public CatalogFetcher {
public:
    explicit ProgressFetcher(QProgressDialog& progress) : m_progress(progress) {
        QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                         [this] { m_transport.Abort(); });
    }

    FetchOutcome Fetch(const std::string& url, const Sink& sink) override {
        return m_transport.Fetch(url, [&](std::span<const std::uint8_t> chunk) {
            m_received += chunk.size();
            m_progress.setLabelText(
                QStringLiteral("Downloading the lens catalog: %1 KB received.")
                    .arg(static_cast<qulonglong>(m_received / kBytesPerKilobyte)));
            return !m_progress.wasCanceled() && sink(chunk);
        });
    }
    bool IsSystemOffline() override { return m_transport.IsSystemOffline(); }

private:
    QProgressDialog& m_progress;
    QtCatalogFetcher m_transport;
    std::size_t m_received = 0;
};

std::filesystem::path StoreThatStartUpLoads() {
    const std::string& path = Ctx().settings.m_catalogStorePath;
    return path.empty() ? CatalogStoreLocation()
                        : std::filesystem::path(QString::fromStdString(path).toStdU16String());
}

// The download result, or -1 when the user cancelled it.
int Download(const std::filesystem::path& store, QWidget* parent) {
    QProgressDialog progress(QStringLiteral("Connecting to the catalog server..."),
                             QStringLiteral("Cancel"), 0, 0, parent);
    progress.setWindowTitle(QStringLiteral("Update Now"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.show();
    ProgressFetcher fetcher(progress);
    const std::string address = CatalogStoreAddress(CatalogServerBase(Ctx().settingsStore.get()));
    const int result = DownloadCatalogStore(store, address, UpdateNowDownloadFlags, fetcher,
                                            IsCompleteCatalogStore);
    return progress.wasCanceled() ? -1 : result;
}

void Reload(CQorDoc* document, const std::filesystem::path& store, QWidget* parent) {
    if (!document) {
        ReloadCatalogStore(store);
        return;
    }
    const std::string message = CatalogReloadMessage(ReloadCatalogsUnderProject(*document, store));
    if (!message.empty()) {
        QMessageBox::information(parent, kMakerCaption, QString::fromStdString(message));
    }
}

} // namespace

void RunCatalogUpdateNow(CQorDoc* document, QWidget* parent) {
    const std::filesystem::path store = StoreThatStartUpLoads();
    const int result = Download(store, parent);
    if (result < 0) {
        return;
    }
    const QString text = QString::fromStdString(DownloadResultMessage(result));
    if (result != DownloadSucceeded) {
        QMessageBox::critical(parent, QStringLiteral("Error"), text);
        return;
    }
    QMessageBox::information(parent, kMakerCaption, text);
    Reload(document, store, parent);
}

} // namespace lumivane
