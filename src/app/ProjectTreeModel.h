#pragma once
// The project as the tree shows it: auditoriums, their projectors, each projector's lens
// set-ups (one per format shown) and, under a set-up with a chosen lens, the lens. The model
// keeps a mirror of the labels it shows and follows the project's change events one item at a
// time, so views keep their expansion, selection and scroll position; only a new or opened
// project resets it. Labels of auditoriums and projectors can be edited; the edit goes through
// the project's editor.

#include "document/ProjectEvents.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <memory>
#include <vector>

class CLensType;
class CQorDoc;

namespace lumivane {

class ProjectRelay;

class ProjectTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Level { NoLevel = 0, AuditoriumLevel, ProjectorLevel, FormatLevel, LensLevel };
    enum Role {
        // The index's Level.
        LevelRole = Qt::UserRole + 1,
        // The set-up's format (catalog index) on the format and lens levels, else -1.
        FormatRole,
    };

    ProjectTreeModel(CQorDoc& doc, ProjectRelay& relay, QObject* parent = nullptr);
    ~ProjectTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Renames an auditorium or a projector; other levels refuse.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    static Level LevelOf(const QModelIndex& index);
    // The rows of the auditorium and projector an index lies in (the project for none).
    static ItemPath PathOf(const QModelIndex& index);
    static int FormatOf(const QModelIndex& index);

    QModelIndex AuditoriumIndex(int auditorium) const;
    QModelIndex ProjectorIndex(int auditorium, int projector) const;
    QModelIndex SetUpIndex(int auditorium, int projector, int format) const;
    // Invalid when the set-up has no lens chosen.
    QModelIndex LensIndex(int auditorium, int projector, int format) const;

    // True while the model applies a change of the project, or while a new project replaces
    // the old: selection changes meanwhile are the model's doing, not the user's, and the
    // model is not to be asked for items.
    bool IsFollowing() const { return m_following > 0 || m_resetting; }

private:
    struct Node;
    class Following;

    Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOfNode(const Node* node) const;
    // The node at path (its deepest row), or null.
    Node* NodeAt(const ItemPath& path) const;
    // The label of the item at path as the project has it now.
    QString TextAt(const ItemPath& path) const;
    std::unique_ptr<Node> Build(const ItemPath& path, Node* parent) const;
    static std::unique_ptr<Node> LensNode(Node& parent, const CLensType& setUp);
    int ChildCount(const ItemPath& path) const;
    void BuildChildren(Node& node, const ItemPath& path) const;
    void Rebuild();
    void Reset();
    // Brings one node's label, and a set-up's lens item, in line with the project.
    void Sync(Node& node, const ItemPath& path, bool deep);
    void SyncLens(Node& setUp, const ItemPath& path);
    const CLensType* SetUpOf(const ItemPath& path) const;

    void ItemAboutToBeInserted(const ItemPath& path);
    void ItemInserted(const ItemPath& path);
    void ItemAboutToBeRemoved(const ItemPath& path);
    void ItemChanged(const ItemPath& path, unsigned flags);

    CQorDoc& m_doc;
    std::unique_ptr<Node> m_root;
    // The parent and row announced by the last "about to be inserted", until it is inserted.
    Node* m_insertParent = nullptr;
    int m_insertRow = -1;
    int m_following = 0;
    bool m_resetting = false;
    QIcon m_icons[4];
};

} // namespace lumivane
