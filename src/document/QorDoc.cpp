#include "document/QorDoc.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/SettingsStartup.h"
#include "document/ClockAndLocale.h"
#include "document/DocumentObserver.h"
#include "model/Auditorium.h"
#include "model/EditCommands.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <cctype>
#include <exception>

namespace {

constexpr std::string_view kProjectExtension = ".hoprj";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

CQorDoc::CQorDoc(std::shared_ptr<const lumivane::ClockAndLocale> clock)
    : m_clock(std::move(clock)) {
    ResetToNewProject();
}

CQorDoc::~CQorDoc() = default;

void CQorDoc::NewDocument() {
    UseUnitSystemFromSettings();
    ResetToNewProject();
    if (m_observer != nullptr) {
        m_observer->ProjectReplaced();
    }
}

void CQorDoc::ResetToNewProject() {
    const std::string now = lumivane::CurrentDateTimeText(*m_clock);
    m_contents = lumivane::ProjectContents{};
    m_contents.info = lumivane::ProjectInfo{"", now, now, "", "", false};
    m_contents.fileVersion = lumivane::CurrentFileVersion;
    m_modified = false;
    m_path.clear();
    m_droppedItems = 0;
    SetTitle(kUntitledName);
}

// The unit choice may have changed in the options since the last project was opened.
void CQorDoc::UseUnitSystemFromSettings() const {
    lumivane::AppContext& context = lumivane::Ctx();
    if (context.settingsStore != nullptr) {
        context.metricUnits =
            lumivane::DecideMetricUnits(*context.settingsStore, m_clock->LocaleIsMetric());
    }
}

lumivane::ProjectReadResult CQorDoc::OpenDocument(const std::filesystem::path& path,
                                                  bool recalculate) {
    UseUnitSystemFromSettings();
    lumivane::ProjectContents read;
    lumivane::Ctx().droppedCatalogItems = 0;
    const lumivane::ProjectReadResult result = lumivane::ReadProjectFile(path, read);
    if (result != lumivane::ProjectReadResult::Ok) {
        NewDocument();
        return result;
    }
    m_contents = std::move(read);
    if (recalculate) {
        for (const auto& auditorium : m_contents.auditoriums) {
            auditorium->Recalculate(nullptr);
        }
    }
    m_modified = false;
    m_path = path;
    m_droppedItems = lumivane::Ctx().droppedCatalogItems;
    SetTitle(path.filename().string());
    if (m_observer != nullptr) {
        m_observer->ProjectReplaced();
    }
    return result;
}

bool CQorDoc::SaveDocument(const std::filesystem::path& path) {
    // A cleared lastChange is the user's choice and stays cleared.
    const std::string previousChange = m_contents.info.lastChange;
    if (!previousChange.empty()) {
        m_contents.info.lastChange = lumivane::CurrentDateTimeText(*m_clock);
    }
    bool saved = false;
    try {
        lumivane::Archive ar = lumivane::Archive::ForStoring();
        lumivane::WriteProject(ar, m_contents);
        saved = ar.SaveToFile(path);
    } catch (const std::exception&) {
        saved = false;
    }
    if (!saved) {
        m_contents.info.lastChange = previousChange;
        return false;
    }
    m_modified = false;
    m_path = path;
    SetTitle(path.filename().string());
    return true;
}

void CQorDoc::SetProjectInfo(const lumivane::ProjectInfo& info) {
    m_contents.info = info;
    m_contents.info.projectInfoSet = true;
}

CAuditorium* CQorDoc::GetAuditorium(int index) const {
    if (index < 0 || index >= GetAuditoriumCount()) {
        return nullptr;
    }
    return m_contents.auditoriums[static_cast<std::size_t>(index)].get();
}

int CQorDoc::IndexOfAuditorium(const CAuditorium* auditorium) const {
    const auto found = std::find_if(m_contents.auditoriums.begin(), m_contents.auditoriums.end(),
                                    [auditorium](const auto& a) { return a.get() == auditorium; });
    return found == m_contents.auditoriums.end()
               ? -1
               : static_cast<int>(found - m_contents.auditoriums.begin());
}

CAuditorium* CQorDoc::FindAuditoriumOfProjector(const CProjectorType* projector) const {
    for (const auto& auditorium : m_contents.auditoriums) {
        for (int i = 0; i < auditorium->ProjectorCount(); ++i) {
            if (auditorium->GetProjector(i) == projector) {
                return auditorium.get();
            }
        }
    }
    return nullptr;
}

CAuditorium* CQorDoc::AddAuditorium() {
    return Append(std::make_unique<CAuditorium>(GetAuditoriumCount() + 1));
}

CAuditorium* CQorDoc::DuplicateAuditorium(int index) {
    return AddAuditoriumFrom(GetAuditorium(index));
}

CAuditorium* CQorDoc::AddAuditoriumFrom(const CAuditorium* source) {
    if (source == nullptr) {
        return nullptr;
    }
    return Append(std::make_unique<CAuditorium>(GetAuditoriumCount() + 1, source));
}

CAuditorium* CQorDoc::AppendAuditorium(std::unique_ptr<CAuditorium> auditorium) {
    if (auditorium == nullptr) {
        return nullptr;
    }
    return Append(std::move(auditorium));
}

// Every way of adding an auditorium marks the project modified, so that closing asks before a
// new or copied auditorium is lost.
CAuditorium* CQorDoc::Append(std::unique_ptr<CAuditorium> auditorium) {
    m_contents.auditoriums.push_back(std::move(auditorium));
    m_modified = true;
    if (m_observer != nullptr) {
        m_observer->AuditoriumInserted(GetAuditoriumCount() - 1);
    }
    return m_contents.auditoriums.back().get();
}

bool CQorDoc::DeleteAuditorium(int index, const ConfirmFn& confirm) {
    CAuditorium* auditorium = GetAuditorium(index);
    if (auditorium == nullptr) {
        return false;
    }
    // Without anyone to ask, an auditorium with projectors is kept.
    if (auditorium->ProjectorCount() > 0 &&
        (!confirm || !confirm("Are you sure you want to delete " + auditorium->Name() + "?",
                              "Delete Auditorium"))) {
        return false;
    }
    const auto position = m_contents.auditoriums.begin() + index;
    const std::unique_ptr<CAuditorium> removed = std::move(*position);
    m_contents.auditoriums.erase(position);
    m_modified = true;
    if (m_observer != nullptr) {
        m_observer->AuditoriumRemoved(index, *removed);
    }
    return true;
}

CProjectorType* CQorDoc::ProjectorAt(int auditorium, int projector) const {
    const CAuditorium* owner = GetAuditorium(auditorium);
    if (owner == nullptr || projector < 0 || projector >= owner->ProjectorCount()) {
        return nullptr;
    }
    return owner->GetProjector(projector);
}

CProjectorType* CQorDoc::AddProjector(int auditorium, int model) {
    CAuditorium* owner = GetAuditorium(auditorium);
    if (owner == nullptr) {
        return nullptr;
    }
    CProjectorType* projector = owner->AddProjector(model);
    m_modified = true;
    if (m_observer != nullptr) {
        m_observer->ProjectorInserted(auditorium, owner->ProjectorCount() - 1);
    }
    return projector;
}

bool CQorDoc::RemoveProjector(int auditorium, int projector) {
    const CProjectorType* removed = ProjectorAt(auditorium, projector);
    if (removed == nullptr) {
        return false;
    }
    if (m_observer != nullptr) {
        m_observer->ProjectorRemoved(auditorium, projector, *removed);
    }
    m_contents.auditoriums[static_cast<std::size_t>(auditorium)]->RemoveProjector(projector);
    m_modified = true;
    return true;
}

CLensType* CQorDoc::AddFormat(int auditorium, int projector, int format) {
    if (ProjectorAt(auditorium, projector) == nullptr) {
        return nullptr;
    }
    CLensType* lensType = GetAuditorium(auditorium)->AddFormat(format, projector);
    if (lensType == nullptr) {
        return nullptr;
    }
    m_modified = true;
    if (m_observer != nullptr) {
        m_observer->FormatInserted(auditorium, projector, format);
        m_observer->LensUpdated(auditorium, projector, format);
    }
    return lensType;
}

bool CQorDoc::RemoveFormat(int auditorium, int projector, int format) {
    const CProjectorType* owner = ProjectorAt(auditorium, projector);
    if (owner == nullptr || !owner->HasFormat(format)) {
        return false;
    }
    GetAuditorium(auditorium)->RemoveFormat(format, projector);
    m_modified = true;
    if (m_observer != nullptr) {
        m_observer->FormatRemoved(auditorium, projector, format);
    }
    return true;
}

CLensType* CQorDoc::LensTypeAt(int auditorium, int projector, int format) const {
    const CProjectorType* owner = ProjectorAt(auditorium, projector);
    return owner == nullptr ? nullptr : owner->FindLensType(format);
}

bool CQorDoc::ChooseLens(int auditorium, int projector, int format, const CLensChoice& choice) {
    CLensType* setUp = LensTypeAt(auditorium, projector, format);
    if (setUp == nullptr) {
        return false;
    }
    lumivane::EditChooseLens(*GetAuditorium(auditorium), *setUp, choice);
    LensChanged(auditorium, projector, format);
    return true;
}

bool CQorDoc::ClearLens(int auditorium, int projector, int format) {
    CLensType* setUp = LensTypeAt(auditorium, projector, format);
    if (setUp == nullptr) {
        return false;
    }
    lumivane::EditClearLens(*GetAuditorium(auditorium), *setUp);
    LensChanged(auditorium, projector, format);
    return true;
}

void CQorDoc::LensChanged(int auditorium, int projector, int format) {
    m_modified = true;
    if (m_observer != nullptr) {
        m_observer->LensUpdated(auditorium, projector, format);
    }
}

void CQorDoc::SetTitle(std::string_view proposed) {
    if (proposed == kUntitledName) {
        m_title = "Halvard Optics, Inc.";
        return;
    }
    const auto dot = proposed.rfind('.');
    if (dot != std::string_view::npos &&
        EqualsIgnoringCase(proposed.substr(dot), kProjectExtension)) {
        proposed = proposed.substr(0, dot);
    }
    m_title = std::string(proposed);
}
