#include "app/DocumentCommands.h"

#include "app/UndoBridge.h"
#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "base/Version.h"
#include "dialogs/ProjectSettingsDlg.h"
#include "document/LightBlock.h"
#include "document/ProjectEditor.h"
#include "document/ProjectFile.h"
#include "document/QorDoc.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUndoStack>

namespace {

constexpr std::size_t kRecentMenuLength = 30;

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

QString FromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

QString ProgramTitle() {
    return QString::fromLatin1(lumivane::kProgramTitle);
}

lumivane::SettingsStore* Store() {
    return lumivane::Ctx().settingsStore.get();
}

} // namespace

DocumentCommands::DocumentCommands(CQorDoc& doc, UndoBridge& undo, QWidget* window, QObject* parent)
    : QObject(parent), m_doc(doc), m_undo(undo), m_window(window) {
    m_doc.AddListener(this);
}

DocumentCommands::~DocumentCommands() {
    m_doc.RemoveListener(this);
}

void DocumentCommands::New() {
    if (CanClose()) {
        m_doc.NewDocument();
    }
}

void DocumentCommands::Open() {
    const QString path = AskFileName(false);
    if (!path.isEmpty()) {
        OpenFile(path);
    }
}

bool DocumentCommands::OpenFile(const QString& path) {
    return CanClose() && OpenPath(path);
}

void DocumentCommands::OpenRecent(int index) {
    const QStringList files = RecentFiles();
    if (index >= 0 && index < files.size()) {
        OpenFile(files[index]);
    }
}

bool DocumentCommands::OpenPath(const QString& path) {
    const lumivane::ProjectReadResult result = m_doc.OpenDocument(ToPath(path), true);
    const bool opened = result == lumivane::ProjectReadResult::Ok;
    NoteRecent(path, opened);
    if (!opened) {
        ShowError(lumivane::ProjectReadMessage(result));
        return false;
    }
    const std::string dropped = lumivane::DroppedItemsMessage(m_doc.DroppedItemCount());
    if (!dropped.empty()) {
        QMessageBox::information(m_window, ProgramTitle(), QString::fromStdString(dropped));
    }
    if (m_doc.GetContents().lightBlockDropped) {
        QMessageBox::warning(m_window, ProgramTitle(),
                             QString::fromUtf8(lumivane::kLightBlockDroppedText));
    }
    return true;
}

bool DocumentCommands::CanClose() {
    m_undo.CommitFieldEdits();
    if (!m_doc.IsModified()) {
        return true;
    }
    const QString question =
        tr("Save changes to %1?").arg(QString::fromStdString(m_doc.GetTitle()));
    switch (QMessageBox::question(m_window, ProgramTitle(), question,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool DocumentCommands::Save() {
    m_undo.CommitFieldEdits();
    if (m_doc.GetPathName().empty()) {
        return SaveAs();
    }
    return ConfirmProjectInfo() && SaveTo(FromPath(m_doc.GetPathName()));
}

bool DocumentCommands::SaveAs() {
    m_undo.CommitFieldEdits();
    if (!ConfirmProjectInfo()) {
        return false;
    }
    const QString path = AskFileName(true);
    return !path.isEmpty() && SaveTo(path);
}

bool DocumentCommands::SaveTo(const QString& path) {
    if (!m_doc.SaveDocument(ToPath(path))) {
        ShowError(std::string(CQorDoc::kSaveFailedMessage));
        return false;
    }
    m_undo.Stack()->setClean();
    NoteRecent(path, true);
    return true;
}

bool DocumentCommands::ConfirmProjectInfo() {
    return m_doc.IsProjectInfoSet() || EditProjectInfo();
}

void DocumentCommands::ProjectSettings() {
    EditProjectInfo();
}

bool DocumentCommands::EditProjectInfo() {
    CProjectSettingsDlg dialog(m_doc.GetProjectInfo(), m_window);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    m_doc.Editor().SetProjectInfo(dialog.Info());
    return true;
}

QString DocumentCommands::AskFileName(bool saving) const {
    const QString current = FromPath(m_doc.GetPathName());
    QFileDialog dialog(m_window, saving ? tr("Save As") : tr("Open"),
                       QFileInfo(current).absolutePath(), tr("Project Files (*.hoprj)"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("hoprj"));
    if (saving && !current.isEmpty()) {
        dialog.selectFile(current);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QStringList DocumentCommands::RecentFiles() const {
    QStringList files;
    if (const lumivane::SettingsStore* store = Store()) {
        for (const std::string& file : lumivane::ReadRecentFiles(*store)) {
            files << QString::fromStdString(file);
        }
    }
    return files;
}

QString DocumentCommands::RecentMenuText(int index) const {
    const QStringList files = RecentFiles();
    if (index < 0 || index >= files.size()) {
        return {};
    }
    QString name = QString::fromStdString(
        lumivane::ShortenedRecentName(files[index].toStdString(), kRecentMenuLength));
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

void DocumentCommands::NoteRecent(const QString& path, bool opened) {
    lumivane::SettingsStore* store = Store();
    if (store == nullptr) {
        return;
    }
    // Windows users read the list in the File menu, and other programs in the registry, with
    // the system's backslashes.
    const std::string file =
        QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
    if (opened) {
        lumivane::NoteRecentFile(*store, file);
    } else {
        lumivane::ForgetRecentFile(*store, file);
    }
    Q_EMIT recentFilesChanged();
}

QString DocumentCommands::WindowTitle() const {
    QString title = QString::fromStdString(m_doc.GetTitle());
    // A "[*]" in a file name is text, not the window's modified marker.
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title + QStringLiteral("[*] - ") + ProgramTitle();
}

void DocumentCommands::ShowError(const std::string& text) const {
    QMessageBox::critical(m_window, tr("Error"), QString::fromStdString(text));
}

void DocumentCommands::TitleChanged(const std::string& /*title*/) {
    Q_EMIT windowTitleChanged(WindowTitle());
}
