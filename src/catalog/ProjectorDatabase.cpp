#include "catalog/ProjectorDatabase.h"

#include "base/Archive.h"
#include "catalog/TextRecordReader.h"

#include <algorithm>

namespace {

using lumivane::ProjectorMenuNode;

// The shortest store record: three empty texts and three 32-bit numbers.
constexpr std::size_t kMinProjectorRecordSize = 3 + 3 * 4;

// Collects the menu while the models are walked in order. A sub-menu is opened lazily and
// closed into its parent under the maker or series text current at that moment; an empty one
// is dropped.
class MenuBuilder {
public:
    explicit MenuBuilder(const CProjectorDescriptor& first)
        : m_maker(first.GetMaker()), m_series(first.GetSeries()) {}

    void Add(const CProjectorDescriptor& model, int command) {
        if (!CProjectorDescriptor::EqualsNoCase(model.GetMaker(), m_maker)) {
            CloseSeries();
            CloseMaker();
            m_maker = model.GetMaker();
            m_series = model.GetSeries();
        } else if (!CProjectorDescriptor::EqualsNoCase(model.GetSeries(), m_series)) {
            CloseSeries();
            m_series = model.GetSeries();
        }
        ProjectorMenuNode item{std::string(model.GetModel()), command, {}};
        if (model.GetSeries().empty()) {
            CloseSeries();
            m_makerItems.push_back(std::move(item));
        } else {
            m_seriesItems.push_back(std::move(item));
        }
    }

    ProjectorMenuNode Finish() {
        CloseSeries();
        CloseMaker();
        return std::move(m_root);
    }

private:
    void CloseSeries() { Close(m_seriesItems, m_series, m_makerItems); }
    void CloseMaker() { Close(m_makerItems, m_maker, m_root.children); }

    static void Close(std::vector<ProjectorMenuNode>& items, const std::string& title,
                      std::vector<ProjectorMenuNode>& parent) {
        if (!items.empty()) {
            parent.push_back(ProjectorMenuNode{title, 0, std::move(items)});
            items.clear();
        }
    }

    ProjectorMenuNode m_root;
    std::vector<ProjectorMenuNode> m_makerItems;
    std::vector<ProjectorMenuNode> m_seriesItems;
    std::string m_maker;
    std::string m_series;
};

} // namespace

void CProjectorDatabase::BuildFromText(const std::filesystem::path& folder) {
    m_projectors.clear();
    m_texts = {};
    lumivane::TextRecordReader reader(folder / "projectors.txt",
                                      lumivane::TextRecordReader::EndRule::LineWithoutSeparator);
    for (;;) {
        CProjectorDescriptor projector;
        if (projector.ReadTextRecord(reader, m_texts) != 0) {
            break;
        }
        m_projectors.push_back(std::move(projector));
    }
}

void CProjectorDatabase::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteDword(static_cast<std::uint32_t>(m_projectors.size()));
        for (CProjectorDescriptor& projector : m_projectors) {
            projector.Serialize(ar, m_texts);
        }
        return;
    }
    const std::uint32_t count = ar.ReadCount(kMinProjectorRecordSize);
    lumivane::TextArena texts;
    std::vector<CProjectorDescriptor> loaded;
    loaded.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        loaded.emplace_back().Serialize(ar, texts);
    }
    m_projectors = std::move(loaded);
    m_texts = std::move(texts);
}

lumivane::ProjectorMenuNode CProjectorDatabase::BuildMenu() const {
    if (m_projectors.empty()) {
        return {};
    }
    MenuBuilder builder(m_projectors.front());
    const int count = std::min(GetCount(), LastModelCommand - FirstModelCommand + 1);
    for (int i = 0; i < count; ++i) {
        builder.Add(m_projectors[i], FirstModelCommand + i);
    }
    return builder.Finish();
}

const CProjectorDescriptor* CProjectorDatabase::GetAt(int position) const {
    return position >= 0 && position < GetCount() ? &m_projectors[position] : nullptr;
}

std::string CProjectorDatabase::GetModel(int position) const {
    const CProjectorDescriptor* projector = GetAt(position);
    return projector ? std::string(projector->GetModel()) : std::string();
}

std::string CProjectorDatabase::GetSeries(int position) const {
    const CProjectorDescriptor* projector = GetAt(position);
    return projector ? std::string(projector->GetSeries()) : std::string();
}

std::string CProjectorDatabase::GetMaker(int position) const {
    const CProjectorDescriptor* projector = GetAt(position);
    return projector ? std::string(projector->GetMaker()) : std::string();
}

std::string CProjectorDatabase::GetDisplayName(int position) const {
    const CProjectorDescriptor* projector = GetAt(position);
    return projector ? projector->GetDisplayName() : std::string();
}

CProjectorDescriptor& CProjectorDatabase::Append(CProjectorDescriptor projector) {
    projector.KeepTextsIn(m_texts);
    m_projectors.push_back(projector);
    return m_projectors.back();
}
