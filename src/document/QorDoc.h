#pragma once
// The one open project: its information texts and its ordered auditoriums, with the modified
// flag, the title and the reading and writing of the project file around the model's
// records. Everyone reads the project through it; every change goes through its
// ProjectEditor, and whoever follows the project listens to its ProjectListener events.

#include "document/ProjectFile.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CAuditorium;
class CLensChoice;
class CLensType;
class CProjectorType;

namespace lumivane {
class ClockAndLocale;
class ProjectEditor;
class ProjectListener;
} // namespace lumivane

class CQorDoc {
public:
    // Answers the question before an auditorium with projectors is deleted: (text, caption).
    using ConfirmFn = std::function<bool(const std::string& text, const std::string& caption)>;

    static constexpr std::string_view kUntitledName = "Untitled";
    static constexpr std::string_view kUntitledTitle = "Halvard Optics, Inc.";
    static constexpr std::string_view kSaveFailedMessage = "Failed to save document.";

    // Starts as a new project.
    explicit CQorDoc(std::shared_ptr<const lumivane::ClockAndLocale> clock);
    CQorDoc(const CQorDoc&) = delete;
    CQorDoc& operator=(const CQorDoc&) = delete;
    ~CQorDoc();

    // Listeners are told in the order they were added; one may remove itself while told.
    void AddListener(lumivane::ProjectListener* listener);
    void RemoveListener(lumivane::ProjectListener* listener);

    // The one way to change the project.
    lumivane::ProjectEditor& Editor() { return *m_editor; }

    // An empty untitled project dated now.
    void NewDocument();
    // Replaces the project with the file's. A file that is refused leaves a new empty project,
    // never part of it or the previous project under the refused file's name. With recalculate
    // every auditorium recomputes after reading, as the program does when it shows a project.
    lumivane::ProjectReadResult OpenDocument(const std::filesystem::path& path, bool recalculate);
    // Writes the project in the current version, replacing path in one step; false (and the
    // old file untouched, the project unchanged) when it could not be written.
    bool SaveDocument(const std::filesystem::path& path);
    // Catalog items that the last file named but the catalog no longer has, dropped on reading.
    int DroppedItemCount() const { return m_droppedItems; }

    const lumivane::ProjectInfo& GetProjectInfo() const { return m_contents.info; }
    bool IsProjectInfoSet() const { return m_contents.info.projectInfoSet; }

    // Everything the project file holds, for readers such as the command-line dump.
    const lumivane::ProjectContents& GetContents() const { return m_contents; }

    int GetAuditoriumCount() const { return static_cast<int>(m_contents.auditoriums.size()); }
    // Null when index is outside the list.
    const CAuditorium* GetAuditorium(int index) const;
    int IndexOfAuditorium(const CAuditorium* auditorium) const;
    const CAuditorium* FindAuditoriumOfProjector(const CProjectorType* projector) const;
    // Null when a position is outside its list.
    const CProjectorType* GetProjector(int auditorium, int projector) const;
    const CLensType* GetLensType(int auditorium, int projector, int format) const;

    bool IsModified() const { return m_modified; }
    // For the undo history, which knows when the project is back where it was saved.
    void SetModifiedFlag(bool modified = true);

    // The title proposed for a file or for an untitled project ("Untitled").
    void SetTitle(std::string_view proposed);
    const std::string& GetTitle() const { return m_title; }
    const std::filesystem::path& GetPathName() const { return m_path; }

private:
    friend class lumivane::ProjectEditor;

    void ResetToNewProject();
    void UseUnitSystemFromSettings() const;
    void ReplaceContents(std::optional<lumivane::ProjectContents> contents);
    void Notify(const std::function<void(lumivane::ProjectListener&)>& event);

    std::shared_ptr<const lumivane::ClockAndLocale> m_clock;
    std::vector<lumivane::ProjectListener*> m_listeners;
    std::unique_ptr<lumivane::ProjectEditor> m_editor;
    lumivane::ProjectContents m_contents;
    bool m_modified = false;
    std::string m_title;
    std::filesystem::path m_path;
    int m_droppedItems = 0;
};
