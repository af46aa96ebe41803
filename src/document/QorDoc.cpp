#include "document/QorDoc.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/SettingsStartup.h"
#include "base/Utf8Path.h"
#include "document/ClockAndLocale.h"
#include "document/ProjectEditor.h"
#include "document/ProjectEvents.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <cctype>
#include <exception>

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

CQorDoc::CQorDoc(std::shared_ptr<const lumivane::ClockAndLocale> clock)
    : m_clock(std::move(clock)), m_editor(std::make_unique<lumivane::ProjectEditor>(*this)) {
    ResetToNewProject();
}

CQorDoc::~CQorDoc() = default;

void CQorDoc::AddListener(lumivane::ProjectListener* listener) {
    if (listener != nullptr &&
        std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
        m_listeners.push_back(listener);
    }
}

void CQorDoc::RemoveListener(lumivane::ProjectListener* listener) {
    std::erase(m_listeners, listener);
}

void CQorDoc::Notify(const std::function<void(lumivane::ProjectListener&)>& event) {
    // A listener may remove itself (or another) while it is told.
    const std::vector<lumivane::ProjectListener*> listeners = m_listeners;
    for (lumivane::ProjectListener* listener : listeners) {
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end()) {
            event(*listener);
        }
    }
}

void CQorDoc::NewDocument() {
    UseUnitSystemFromSettings();
    ReplaceContents(std::nullopt);
}

void CQorDoc::ResetToNewProject() {
    const std::string now = lumivane::CurrentDateTimeText(*m_clock);
    m_contents = lumivane::ProjectContents{};
    m_contents.info = lumivane::ProjectInfo{"", now, now, "", "", false};
    m_contents.fileVersion = lumivane::CurrentFileVersion;
    m_modified = false;
    m_path.clear();
    m_droppedItems = 0;
    m_editor->ForgetSnapshots();
    SetTitle(kUntitledName);
}

// Replaces the whole project with contents, or with a new project.
void CQorDoc::ReplaceContents(std::optional<lumivane::ProjectContents> contents) {
    Notify([](lumivane::ProjectListener& l) { l.ProjectAboutToBeReplaced(); });
    const bool wasModified = m_modified;
    ResetToNewProject();
    if (contents) {
        m_contents = std::move(*contents);
    }
    Notify([](lumivane::ProjectListener& l) { l.ProjectReplaced(); });
    if (wasModified) {
        Notify([](lumivane::ProjectListener& l) { l.ModifiedChanged(false); });
    }
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
    if (recalculate) {
        for (const auto& auditorium : read.auditoriums) {
            auditorium->Recalculate(nullptr);
        }
    }
    ReplaceContents(std::move(read));
    m_path = path;
    m_droppedItems = lumivane::Ctx().droppedCatalogItems;
    SetTitle(lumivane::Utf8FromPath(path.filename()));
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
    if (previousChange != m_contents.info.lastChange) {
        Notify([](lumivane::ProjectListener& l) { l.ProjectInfoChanged(); });
    }
    SetModifiedFlag(false);
    m_path = path;
    SetTitle(lumivane::Utf8FromPath(path.filename()));
    return true;
}

void CQorDoc::SetModifiedFlag(bool modified) {
    if (m_modified == modified) {
        return;
    }
    m_modified = modified;
    Notify([modified](lumivane::ProjectListener& l) { l.ModifiedChanged(modified); });
}

const CAuditorium* CQorDoc::GetAuditorium(int index) const {
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

const CAuditorium* CQorDoc::FindAuditoriumOfProjector(const CProjectorType* projector) const {
    for (const auto& auditorium : m_contents.auditoriums) {
        for (int i = 0; i < auditorium->ProjectorCount(); ++i) {
            if (auditorium->GetProjector(i) == projector) {
                return auditorium.get();
            }
        }
    }
    return nullptr;
}

const CProjectorType* CQorDoc::GetProjector(int auditorium, int projector) const {
    const CAuditorium* owner = GetAuditorium(auditorium);
    if (owner == nullptr || projector < 0 || projector >= owner->ProjectorCount()) {
        return nullptr;
    }
    return owner->GetProjector(projector);
}

const CLensType* CQorDoc::GetLensType(int auditorium, int projector, int format) const {
    const CProjectorType* owner = GetProjector(auditorium, projector);
    return owner == nullptr ? nullptr : owner->FindLensType(format);
}

void CQorDoc::SetTitle(std::string_view proposed) {
    if (proposed == kUntitledName) {
        proposed = kUntitledTitle;
    }
    const auto dot = proposed.rfind('.');
    if (dot != std::string_view::npos &&
        EqualsIgnoringCase(proposed.substr(dot), lumivane::kProjectExtension)) {
        proposed = proposed.substr(0, dot);
    }
    if (m_title != proposed) {
        m_title = std::string(proposed);
        Notify([this](lumivane::ProjectListener& l) { l.TitleChanged(m_title); });
    }
}
