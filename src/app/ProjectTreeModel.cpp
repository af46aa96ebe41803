#include "app/ProjectTreeModel.h"

#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "ui/IconLibrary.h"
#include "ui/ProjectRelay.h"

#include <algorithm>
#include <string>
#include <utility>

namespace lumivane {

// One item of the mirror. Auditoriums and projectors are known by their row, set-ups by their
// format as well; the texts are what the tree last showed.
struct ProjectTreeModel::Node {
    Level level = NoLevel;
    int format = -1;
    QString text;
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;

    int Row() const {
        const auto& siblings = parent->children;
        const auto found = std::find_if(siblings.begin(), siblings.end(),
                                        [this](const auto& child) { return child.get() == this; });
        return static_cast<int>(found - siblings.begin());
    }
};

class ProjectTreeModel::Following {
public:
    explicit Following(ProjectTreeModel& model) : m_model(model) { ++m_model.m_following; }
    ~Following() { --m_model.m_following; }
    Following(const Following&) = delete;
    Following& operator=(const Following&) = delete;

private:
    ProjectTreeModel& m_model;
};

namespace {

ItemPath ParentPath(const ItemPath& path) {
    switch (path.Level()) {
    case 3:
        return ItemPath::Projector(path.auditorium, path.projector);
    case 2:
        return ItemPath::Auditorium(path.auditorium);
    default:
        return {};
    }
}

int LastRow(const ItemPath& path) {
    return path.Level() == 3 ? path.setUp : path.Level() == 2 ? path.projector : path.auditorium;
}

ItemPath ChildPath(const ItemPath& path, int row) {
    switch (path.Level()) {
    case 0:
        return ItemPath::Auditorium(row);
    case 1:
        return ItemPath::Projector(path.auditorium, row);
    default:
        return ItemPath::SetUp(path.auditorium, path.projector, row);
    }
}

} // namespace

ProjectTreeModel::ProjectTreeModel(CQorDoc& doc, ProjectRelay& relay, QObject* parent)
    : QAbstractItemModel(parent), m_doc(doc),
      m_root(std::make_unique<Node>()), m_icons{LoadIcon(QStringLiteral("auditorium")),
                                                LoadIcon(QStringLiteral("projector")),
                                                LoadIcon(QStringLiteral("format")),
                                                LoadIcon(QStringLiteral("lens"))} {
    Rebuild();
    connect(&relay, &ProjectRelay::itemAboutToBeInserted, this,
            &ProjectTreeModel::ItemAboutToBeInserted);
    connect(&relay, &ProjectRelay::itemInserted, this, &ProjectTreeModel::ItemInserted);
    connect(&relay, &ProjectRelay::itemAboutToBeRemoved, this,
            &ProjectTreeModel::ItemAboutToBeRemoved);
    connect(&relay, &ProjectRelay::itemChanged, this, &ProjectTreeModel::ItemChanged);
    connect(&relay, &ProjectRelay::catalogsReplaced, this, [this] {
        const Following following(*this);
        Sync(*m_root, {}, true);
    });
    // The old items stay alive until the new project is in, as selections may still name them.
    connect(&relay, &ProjectRelay::projectAboutToBeReplaced, this, [this] {
        m_resetting = true;
        beginResetModel();
    });
    connect(&relay, &ProjectRelay::projectReplaced, this, [this] {
        Rebuild();
        endResetModel();
        m_resetting = false;
    });
}

ProjectTreeModel::~ProjectTreeModel() = default;

ProjectTreeModel::Node* ProjectTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

QModelIndex ProjectTreeModel::IndexOfNode(const Node* node) const {
    if (node == nullptr || node == m_root.get()) {
        return {};
    }
    return createIndex(node->Row(), 0, const_cast<Node*>(node));
}

QModelIndex ProjectTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const Node* owner = NodeOf(parent);
    if (column != 0 || row < 0 || static_cast<std::size_t>(row) >= owner->children.size()) {
        return {};
    }
    return createIndex(row, 0, owner->children[static_cast<std::size_t>(row)].get());
}

QModelIndex ProjectTreeModel::parent(const QModelIndex& child) const {
    return child.isValid() ? IndexOfNode(NodeOf(child)->parent) : QModelIndex();
}

int ProjectTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) {
        return 0;
    }
    return static_cast<int>(NodeOf(parent)->children.size());
}

int ProjectTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

QVariant ProjectTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Node& node = *NodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node.text;
    case Qt::DecorationRole:
        return m_icons[node.level - 1];
    case LevelRole:
        return static_cast<int>(node.level);
    case FormatRole:
        return node.format;
    default:
        return {};
    }
}

// The header is hidden, but screen readers still name the column.
QVariant ProjectTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return tr("Project");
    }
    return QAbstractItemModel::headerData(section, orientation, role);
}

Qt::ItemFlags ProjectTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (LevelOf(index)) {
    case AuditoriumLevel:
    case ProjectorLevel:
        return flags | Qt::ItemIsEditable;
    case LensLevel:
        return flags | Qt::ItemNeverHasChildren;
    default:
        return flags;
    }
}

bool ProjectTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    const ItemPath path = PathOf(index);
    const std::string name = value.toString().toStdString();
    switch (LevelOf(index)) {
    case AuditoriumLevel:
        return m_doc.Editor().RenameAuditorium(path.auditorium, name);
    case ProjectorLevel:
        return m_doc.Editor().RenameProjector(path.auditorium, path.projector, name);
    default:
        return false;
    }
}

ProjectTreeModel::Level ProjectTreeModel::LevelOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<const Node*>(index.internalPointer())->level : NoLevel;
}

ItemPath ProjectTreeModel::PathOf(const QModelIndex& index) {
    std::vector<int> rows;
    for (const Node* node = index.isValid() ? static_cast<const Node*>(index.internalPointer())
                                            : nullptr;
         node != nullptr && node->parent != nullptr; node = node->parent) {
        rows.insert(rows.begin(), node->Row());
    }
    ItemPath path;
    int* fields[] = {&path.auditorium, &path.projector, &path.setUp};
    for (std::size_t level = 0; level < rows.size() && level < 3; ++level) {
        *fields[level] = rows[level];
    }
    return path;
}

int ProjectTreeModel::FormatOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<const Node*>(index.internalPointer())->format : -1;
}

QModelIndex ProjectTreeModel::AuditoriumIndex(int auditorium) const {
    return IndexOfNode(NodeAt(ItemPath::Auditorium(auditorium)));
}

QModelIndex ProjectTreeModel::ProjectorIndex(int auditorium, int projector) const {
    return IndexOfNode(NodeAt(ItemPath::Projector(auditorium, projector)));
}

QModelIndex ProjectTreeModel::SetUpIndex(int auditorium, int projector, int format) const {
    const Node* owner = NodeAt(ItemPath::Projector(auditorium, projector));
    if (owner == nullptr || format < 0) {
        return {};
    }
    for (const auto& setUp : owner->children) {
        if (setUp->format == format) {
            return IndexOfNode(setUp.get());
        }
    }
    return {};
}

QModelIndex ProjectTreeModel::LensIndex(int auditorium, int projector, int format) const {
    return index(0, 0, SetUpIndex(auditorium, projector, format));
}

ProjectTreeModel::Node* ProjectTreeModel::NodeAt(const ItemPath& path) const {
    Node* node = m_root.get();
    for (int level = 1; level <= path.Level(); ++level) {
        const int row = level == 1 ? path.auditorium : level == 2 ? path.projector : path.setUp;
        if (row < 0 || static_cast<std::size_t>(row) >= node->children.size()) {
            return nullptr;
        }
        node = node->children[static_cast<std::size_t>(row)].get();
    }
    return node;
}

const CLensType* ProjectTreeModel::SetUpOf(const ItemPath& path) const {
    const CProjectorType* projector = m_doc.GetProjector(path.auditorium, path.projector);
    return projector != nullptr ? projector->GetLensType(path.setUp) : nullptr;
}

QString ProjectTreeModel::TextAt(const ItemPath& path) const {
    std::string text;
    if (path.Level() == 1) {
        const CAuditorium* auditorium = m_doc.GetAuditorium(path.auditorium);
        text = auditorium != nullptr ? auditorium->Name() : std::string();
    } else if (path.Level() == 2) {
        const CProjectorType* projector = m_doc.GetProjector(path.auditorium, path.projector);
        text = projector != nullptr ? projector->Name() : std::string();
    } else if (const CLensType* setUp = SetUpOf(path)) {
        text = setUp->GetFormatName();
    }
    return QString::fromStdString(text);
}

std::unique_ptr<ProjectTreeModel::Node> ProjectTreeModel::Build(const ItemPath& path,
                                                                Node* parent) const {
    auto node = std::make_unique<Node>();
    node->parent = parent;
    node->level = static_cast<Level>(path.Level());
    node->text = TextAt(path);
    if (node->level != FormatLevel) {
        BuildChildren(*node, path);
    } else if (const CLensType* setUp = SetUpOf(path)) {
        node->format = setUp->GetFormat();
        if (setUp->HasCombination()) {
            node->children.push_back(LensNode(*node, *setUp));
        }
    }
    return node;
}

std::unique_ptr<ProjectTreeModel::Node> ProjectTreeModel::LensNode(Node& parent,
                                                                   const CLensType& setUp) {
    auto lens = std::make_unique<Node>();
    lens->parent = &parent;
    lens->level = LensLevel;
    lens->format = parent.format;
    lens->text = QString::fromStdString(setUp.Choice().GetName());
    return lens;
}

int ProjectTreeModel::ChildCount(const ItemPath& path) const {
    if (path.Level() == 0) {
        return m_doc.GetAuditoriumCount();
    }
    if (path.Level() == 1) {
        const CAuditorium* auditorium = m_doc.GetAuditorium(path.auditorium);
        return auditorium != nullptr ? auditorium->ProjectorCount() : 0;
    }
    const CProjectorType* projector = m_doc.GetProjector(path.auditorium, path.projector);
    return projector != nullptr ? projector->LensTypeCount() : 0;
}

void ProjectTreeModel::BuildChildren(Node& node, const ItemPath& path) const {
    const int count = ChildCount(path);
    for (int row = 0; row < count; ++row) {
        node.children.push_back(Build(ChildPath(path, row), &node));
    }
}

void ProjectTreeModel::Rebuild() {
    m_root->children.clear();
    BuildChildren(*m_root, {});
}

void ProjectTreeModel::Reset() {
    beginResetModel();
    Rebuild();
    endResetModel();
}

void ProjectTreeModel::ItemAboutToBeInserted(const ItemPath& path) {
    const Following following(*this);
    Node* parent = NodeAt(ParentPath(path));
    const int row = LastRow(path);
    m_insertParent = nullptr;
    if (parent == nullptr || parent->level >= FormatLevel || row < 0 ||
        static_cast<std::size_t>(row) > parent->children.size()) {
        return;
    }
    beginInsertRows(IndexOfNode(parent), row, row);
    m_insertParent = parent;
    m_insertRow = row;
}

void ProjectTreeModel::ItemInserted(const ItemPath& path) {
    const Following following(*this);
    Node* parent = std::exchange(m_insertParent, nullptr);
    if (parent == nullptr || m_insertRow != LastRow(path)) {
        // An insertion the model was not told about first: start afresh rather than guess.
        Reset();
        return;
    }
    parent->children.insert(parent->children.begin() + m_insertRow, Build(path, parent));
    endInsertRows();
}

// The whole removal happens before the project removes the item: whoever reacts to the
// removal (the pane showing the parent, the tree selecting it) then finds the tree without it.
void ProjectTreeModel::ItemAboutToBeRemoved(const ItemPath& path) {
    const Following following(*this);
    Node* node = NodeAt(path);
    if (node == nullptr) {
        return;
    }
    const int row = node->Row();
    beginRemoveRows(IndexOfNode(node->parent), row, row);
    node->parent->children.erase(node->parent->children.begin() + row);
    endRemoveRows();
}

void ProjectTreeModel::ItemChanged(const ItemPath& path, unsigned flags) {
    if ((flags & (ChangeName | ChangeLens)) == 0) {
        return;
    }
    const Following following(*this);
    if (Node* node = NodeAt(path)) {
        Sync(*node, path, (flags & ChangeLens) != 0);
    }
}

void ProjectTreeModel::Sync(Node& node, const ItemPath& path, bool deep) {
    if (node.level == FormatLevel) {
        SyncLens(node, path);
    }
    if (const QString text = TextAt(path); node.level != NoLevel && text != node.text) {
        node.text = text;
        const QModelIndex changed = IndexOfNode(&node);
        Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    }
    if (deep && node.level < FormatLevel) {
        for (std::size_t row = 0; row < node.children.size(); ++row) {
            Sync(*node.children[row], ChildPath(path, static_cast<int>(row)), true);
        }
    }
}

void ProjectTreeModel::SyncLens(Node& setUp, const ItemPath& path) {
    const CLensType* model = SetUpOf(path);
    const bool wanted = model != nullptr && model->HasCombination();
    const QModelIndex parent = IndexOfNode(&setUp);
    if (!wanted && !setUp.children.empty()) {
        beginRemoveRows(parent, 0, 0);
        setUp.children.clear();
        endRemoveRows();
    } else if (wanted && setUp.children.empty()) {
        beginInsertRows(parent, 0, 0);
        setUp.children.push_back(LensNode(setUp, *model));
        endInsertRows();
    } else if (wanted) {
        const QString text = LensNode(setUp, *model)->text;
        if (setUp.children.front()->text != text) {
            setUp.children.front()->text = text;
            const QModelIndex lens = index(0, 0, parent);
            Q_EMIT dataChanged(lens, lens, {Qt::DisplayRole, Qt::EditRole});
        }
    }
}

} // namespace lumivane
