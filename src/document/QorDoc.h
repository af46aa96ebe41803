#pragma once
// The one open project: its information texts and its ordered auditoriums, with the modified
// flag, the title and the reading and writing of the project file around the model's
// records. The tree and the views follow it through a DocumentObserver.

#include "document/ProjectFile.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class CAuditorium;
class CLensChoice;
class CLensType;
class CProjectorType;

namespace lumivane {
class ClockAndLocale;
class DocumentObserver;
} // namespace lumivane

class CQorDoc {
public:
    // Answers the question before an auditorium with projectors is deleted: (text, caption).
    using ConfirmFn = std::function<bool(const std::string& text, const std::string& caption)>;

    static constexpr std::string_view kUntitledName = "Untitled";
    static constexpr std::string_view kSaveFailedMessage = "Failed to save document.";

    // Starts as a new project.
    explicit CQorDoc(std::shared_ptr<const lumivane::ClockAndLocale> clock);
    CQorDoc(const CQorDoc&) = delete;
    CQorDoc& operator=(const CQorDoc&) = delete;
    ~CQorDoc();

    // Null to stop telling anyone.
    void SetObserver(lumivane::DocumentObserver* observer) { m_observer = observer; }

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
    // The project settings were confirmed: takes the texts without marking the project
    // modified.
    void SetProjectInfo(const lumivane::ProjectInfo& info);

    // Everything the project file holds, for readers such as the command-line dump.
    const lumivane::ProjectContents& GetContents() const { return m_contents; }

    int GetAuditoriumCount() const { return static_cast<int>(m_contents.auditoriums.size()); }
    // Null when index is outside the list.
    CAuditorium* GetAuditorium(int index) const;
    int IndexOfAuditorium(const CAuditorium* auditorium) const;
    CAuditorium* FindAuditoriumOfProjector(const CProjectorType* projector) const;
    CAuditorium* AddAuditorium();
    CAuditorium* DuplicateAuditorium(int index);
    CAuditorium* AddAuditoriumFrom(const CAuditorium* source);
    // Takes over a finished auditorium (the auditorium wizard's).
    CAuditorium* AppendAuditorium(std::unique_ptr<CAuditorium> auditorium);
    // False when index is outside the list or the user said No.
    bool DeleteAuditorium(int index, const ConfirmFn& confirm);

    CProjectorType* AddProjector(int auditorium, int model);
    bool RemoveProjector(int auditorium, int projector);
    CLensType* AddFormat(int auditorium, int projector, int format);
    bool RemoveFormat(int auditorium, int projector, int format);
    // Gives the format's lens set-up that combination (one of its candidates); false when the
    // projector does not show the format.
    bool ChooseLens(int auditorium, int projector, int format, const CLensChoice& choice);
    bool ClearLens(int auditorium, int projector, int format);

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    // The title proposed for a file or for an untitled project ("Untitled").
    void SetTitle(std::string_view proposed);
    const std::string& GetTitle() const { return m_title; }
    const std::filesystem::path& GetPathName() const { return m_path; }

private:
    void ResetToNewProject();
    void UseUnitSystemFromSettings() const;
    CProjectorType* ProjectorAt(int auditorium, int projector) const;
    CLensType* LensTypeAt(int auditorium, int projector, int format) const;
    void LensChanged(int auditorium, int projector, int format);
    CAuditorium* Append(std::unique_ptr<CAuditorium> auditorium);

    std::shared_ptr<const lumivane::ClockAndLocale> m_clock;
    lumivane::DocumentObserver* m_observer = nullptr;
    lumivane::ProjectContents m_contents;
    bool m_modified = false;
    std::string m_title;
    std::filesystem::path m_path;
    int m_droppedItems = 0;
};
