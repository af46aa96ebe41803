#include "views/SetUpListModel.h"

#include "document/ItemTracking.h"
#include "document/QorDoc.h"
#include "model/LensType.h"
#include "model/LightChecks.h"
#include "model/LightTexts.h"
#include "model/ProjectorType.h"
#include "ui/ProjectRelay.h"
#include "ui/QtText.h"

#include <utility>

using lumivane::ItemPath;
using lumivane::ProjectRelay;
using lumivane::Text;

SetUpListModel::SetUpListModel(CQorDoc& doc, ProjectRelay& relay, QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc) {
    connect(&relay, &ProjectRelay::itemAboutToBeInserted, this,
            &SetUpListModel::ItemAboutToBeInserted);
    connect(&relay, &ProjectRelay::itemInserted, this, &SetUpListModel::ItemInserted);
    connect(&relay, &ProjectRelay::itemAboutToBeRemoved, this,
            &SetUpListModel::ItemAboutToBeRemoved);
    connect(&relay, &ProjectRelay::itemRemoved, this, &SetUpListModel::ItemRemoved);
    connect(&relay, &ProjectRelay::itemChanged, this, &SetUpListModel::ItemChanged);
    connect(&relay, &ProjectRelay::unitsChanged, this, &SetUpListModel::Redraw);
    connect(&relay, &ProjectRelay::catalogsReplaced, this, &SetUpListModel::Rebuild);
    connect(&relay, &ProjectRelay::projectAboutToBeReplaced, this, &SetUpListModel::Drop);
}

void SetUpListModel::SetProjector(int auditorium, int projector) {
    const bool none = auditorium < 0 || projector < 0;
    const ItemPath wanted = none ? ItemPath{} : ItemPath::Projector(auditorium, projector);
    if (m_pending != Pending::None) {
        m_deferredProjector = wanted;
        return;
    }
    m_projector = wanted;
    Rebuild();
}

const CProjectorType* SetUpListModel::GetProjector() const {
    return m_projector.Level() == 2
               ? m_doc.GetProjector(m_projector.auditorium, m_projector.projector)
               : nullptr;
}

int SetUpListModel::SetUpCount() const {
    const CProjectorType* projector = GetProjector();
    return projector != nullptr ? projector->LensTypeCount() : 0;
}

const CLensType* SetUpListModel::SetUpAt(int row) const {
    const CProjectorType* projector = GetProjector();
    return projector != nullptr && row >= 0 && row < m_rows && row < projector->LensTypeCount()
               ? projector->GetLensType(row)
               : nullptr;
}

int SetUpListModel::FormatAt(int row) const {
    const CLensType* setUp = SetUpAt(row);
    return setUp != nullptr ? setUp->GetFormat() : -1;
}

int SetUpListModel::RowOfFormat(int format) const {
    const CProjectorType* projector = GetProjector();
    const int row = projector != nullptr ? projector->IndexOfFormat(format) : -1;
    return row < m_rows ? row : -1;
}

void SetUpListModel::Refresh(bool force) {
    if (force || SetUpCount() != m_rows) {
        Rebuild();
    } else {
        Redraw();
    }
}

void SetUpListModel::Rebuild() {
    if (m_pending != Pending::None) {
        m_rebuildWanted = true;
        return;
    }
    beginResetModel();
    m_rows = SetUpCount();
    ReadLensKinds();
    endResetModel();
}

void SetUpListModel::Redraw() {
    ReadLensKinds();
    if (m_rows > 0) {
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
    }
}

void SetUpListModel::ReadLensKinds() {
    m_lensKinds.clear();
    for (int row = 0; row < m_rows; ++row) {
        const CLensType* setUp = SetUpAt(row);
        m_lensKinds.push_back(setUp != nullptr ? lumivane::LensCellKindOf(*setUp)
                                               : lumivane::LensCellKind::NotAvailable);
    }
}

void SetUpListModel::Drop() {
    SetProjector(-1, -1);
}

bool SetUpListModel::IsOwnSetUp(const ItemPath& path) const {
    return path.Level() == 3 && m_projector.Level() == 2 &&
           path.auditorium == m_projector.auditorium && path.projector == m_projector.projector;
}

void SetUpListModel::EndPending(const ItemPath& path, bool inserted) {
    m_pending = Pending::None;
    if (m_deferredProjector) {
        m_projector = inserted ? lumivane::AfterInsert(*m_deferredProjector, path)
                               : lumivane::AfterRemove(*m_deferredProjector, path);
        m_deferredProjector.reset();
        m_rebuildWanted = true;
    }
    if (std::exchange(m_rebuildWanted, false)) {
        Rebuild();
    }
}

void SetUpListModel::ItemAboutToBeInserted(const ItemPath& path) {
    if (IsOwnSetUp(path)) {
        beginInsertRows({}, path.setUp, path.setUp);
        m_pending = Pending::Insert;
    }
}

void SetUpListModel::ItemInserted(const ItemPath& path) {
    if (m_pending == Pending::Insert) {
        ++m_rows;
        ReadLensKinds();
        endInsertRows();
        EndPending(path, true);
        return;
    }
    if (IsOwnSetUp(path)) {
        Refresh(false);
        return;
    }
    m_projector = lumivane::AfterInsert(m_projector, path);
}

void SetUpListModel::ItemAboutToBeRemoved(const ItemPath& path) {
    if (IsOwnSetUp(path)) {
        beginRemoveRows({}, path.setUp, path.setUp);
        m_pending = Pending::Remove;
    } else if (lumivane::IsAtOrInside(m_projector, path)) {
        Drop();
    }
}

void SetUpListModel::ItemRemoved(const ItemPath& path) {
    if (m_pending == Pending::Remove) {
        --m_rows;
        ReadLensKinds();
        endRemoveRows();
        EndPending(path, false);
        return;
    }
    if (IsOwnSetUp(path)) {
        Refresh(false);
        return;
    }
    m_projector = lumivane::AfterRemove(m_projector, path);
}

void SetUpListModel::ItemChanged(const ItemPath& path) {
    if (m_projector.Level() == 2 && path.auditorium == m_projector.auditorium) {
        Refresh(false);
    }
}

int SetUpListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int SetUpListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SetUpListModel::data(const QModelIndex& index, int role) const {
    const CLensType* setUp = SetUpAt(index.row());
    if (setUp == nullptr) {
        return {};
    }
    const auto kind = m_lensKinds[static_cast<std::size_t>(index.row())];
    switch (role) {
    case StateRole:
        return static_cast<int>(lumivane::StateOf(*setUp));
    case LinkRole:
        return static_cast<int>(lumivane::LinkStateOf(*setUp));
    case LensKindRole:
        return static_cast<int>(kind);
    case FormatRole:
        return setUp->GetFormat();
    case Qt::DisplayRole:
        return CellText(*setUp, kind, index.column());
    case Qt::ToolTipRole:
        return CellText(*setUp, kind, index.column()) + u'\n' + LightText(*setUp);
    default:
        return {};
    }
}

QString SetUpListModel::LightText(const CLensType& setUp) const {
    const CAuditorium* auditorium = m_doc.GetAuditorium(m_projector.auditorium);
    const CProjectorType* projector = GetProjector();
    if (auditorium == nullptr || projector == nullptr) {
        return {};
    }
    return Text(lumivane::SetUpLightRowText(lumivane::CheckSetUp(*auditorium, *projector, setUp)));
}

QString SetUpListModel::CellText(const CLensType& setUp, lumivane::LensCellKind kind,
                                 int column) const {
    switch (column) {
    case StateColumn:
        return Text(lumivane::StateText(setUp));
    case FormatColumn:
        return Text(setUp.GetFormatName());
    case ImageSizeColumn:
        return Text(lumivane::ImageSizeText(*m_doc.GetAuditorium(m_projector.auditorium), setUp));
    case FocalColumn:
        return Text(lumivane::FocalText(setUp));
    default:
        return Text(
            kind == lumivane::LensCellKind::Chosen
                ? lumivane::ChosenLensText(setUp.Choice(), [](const std::string&) { return true; })
                : lumivane::MissingLensText(kind));
    }
}

QVariant SetUpListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kTitles[] = {"", "Lens Type", "Image Size", "Focal Length", "Lens"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount) {
        return {};
    }
    return QString::fromLatin1(kTitles[section]);
}
