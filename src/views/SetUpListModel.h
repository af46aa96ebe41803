#pragma once
// The rows of the lens set-up list: one per lens set-up of one projector, in the projector's
// order. Rows name set-ups by position and look them up afresh, bounds-checked; the model
// follows the project's events, so rows come and go with their set-ups and everything that
// referred to a removed projector is dropped before it goes.

#include "document/ProjectEvents.h"
#include "model/LensListText.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

class CLensType;
class CProjectorType;
class CQorDoc;

namespace lumivane {
class ProjectRelay;
}

class SetUpListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        StateColumn,
        FormatColumn,
        ImageSizeColumn,
        FocalColumn,
        LensColumn,
        ColumnCount
    };
    enum Role {
        StateRole = Qt::UserRole,
        LinkRole,
        LensKindRole,
        FormatRole,
    };

    SetUpListModel(CQorDoc& doc, lumivane::ProjectRelay& relay, QObject* parent = nullptr);

    // A negative position lists nothing.
    void SetProjector(int auditorium, int projector);
    const lumivane::ItemPath& Projector() const { return m_projector; }
    // Rows rebuilt when forced or when the number of set-ups changed; else only redrawn.
    void Refresh(bool force);

    const CProjectorType* GetProjector() const;
    // Null outside the rows.
    const CLensType* SetUpAt(int row) const;
    // -1 outside the rows.
    int FormatAt(int row) const;
    int RowOfFormat(int format) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int SetUpCount() const;
    QString CellText(const CLensType& setUp, lumivane::LensCellKind kind, int column) const;
    // The set-up's luminance and the lumens it needs, told in each cell's tooltip.
    QString LightText(const CLensType& setUp) const;
    bool IsOwnSetUp(const lumivane::ItemPath& path) const;
    void Rebuild();
    // After the "done" of the pending change at path: what waited for it.
    void EndPending(const lumivane::ItemPath& path, bool inserted);
    void Redraw();
    void ReadLensKinds();
    void Drop();
    void ItemAboutToBeInserted(const lumivane::ItemPath& path);
    void ItemInserted(const lumivane::ItemPath& path);
    void ItemAboutToBeRemoved(const lumivane::ItemPath& path);
    void ItemRemoved(const lumivane::ItemPath& path);
    void ItemChanged(const lumivane::ItemPath& path);

    CQorDoc& m_doc;
    lumivane::ItemPath m_projector;
    // The rows as the views know them; the project runs ahead of it between an "about to"
    // event and its "done".
    int m_rows = 0;
    // The insertion or removal begun at an "about to" event, which only its "done" ends. A
    // move to another projector, or a rebuild, asked for in between waits for the "done"; a
    // list moved onto the projector in between hears a "done" it never began, and rebuilds.
    enum class Pending { None, Insert, Remove };
    Pending m_pending = Pending::None;
    std::optional<lumivane::ItemPath> m_deferredProjector;
    bool m_rebuildWanted = false;
    // Whether the lens catalog could serve each row costs a catalog search, so it is asked
    // when the rows change, not each time a row is painted.
    std::vector<lumivane::LensCellKind> m_lensKinds;
};
