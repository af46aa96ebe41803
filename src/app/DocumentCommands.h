#pragma once
// The File commands of the one project: New, Open, Save, Save As, the recent files and the
// question before a modified project is closed, with the project settings that the first save
// asks for. Every message box and file dialog is modal over the window.
//
// The recent files live in the settings store's list, which these commands update as files
// are opened and saved.

#include "document/ProjectEvents.h"

#include <QObject>
#include <QString>
#include <QStringList>

class CQorDoc;
class QWidget;
class UndoBridge;

class DocumentCommands : public QObject, public lumivane::ProjectListener {
    Q_OBJECT

public:
    DocumentCommands(CQorDoc& doc, UndoBridge& undo, QWidget* window, QObject* parent = nullptr);
    ~DocumentCommands() override;
    DocumentCommands(const DocumentCommands&) = delete;
    DocumentCommands& operator=(const DocumentCommands&) = delete;

    // Opens path as the project (the command line, dropped files), asking first to save a
    // modified project. False when the user cancelled or the file was refused.
    bool OpenFile(const QString& path);
    // Before the project goes (exit, New, Open): a modified project asks whether to save it.
    // False when the user cancelled or the save failed.
    bool CanClose();

    // Full paths, newest first.
    QStringList RecentFiles() const;
    // The File menu's entry for a recent file: "&1 " and the path shortened to 30 characters.
    QString RecentMenuText(int index) const;
    // "<title>[*] - Lumivane 3.2"; the window shows the marker while the project is modified.
    QString WindowTitle() const;

public Q_SLOTS:
    void New();
    void Open();
    // Both return false when nothing was saved (cancelled or failed).
    bool Save();
    bool SaveAs();
    void OpenRecent(int index);
    // The project texts at any time; OK changes the project only when a text changed.
    void ProjectSettings();

Q_SIGNALS:
    void recentFilesChanged();
    void windowTitleChanged(const QString& title);

private:
    // The project settings are confirmed before a project is first saved; false on Cancel.
    bool ConfirmProjectInfo();
    bool EditProjectInfo();
    bool SaveTo(const QString& path);
    bool OpenPath(const QString& path);
    QString AskFileName(bool saving) const;
    void NoteRecent(const QString& path, bool opened);
    void ShowError(const std::string& text) const;
    void TitleChanged(const std::string& title) override;

    CQorDoc& m_doc;
    UndoBridge& m_undo;
    QWidget* m_window;
};
