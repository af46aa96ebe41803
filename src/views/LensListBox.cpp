#include "views/LensListBox.h"

#include "base/AppContext.h"
#include "document/ItemTracking.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/LensCandidates.h"
#include "model/LensListText.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "ui/ProjectRelay.h"
#include "ui/QtText.h"

#include <QAbstractListModel>
#include <QPainter>
#include <QStyledItemDelegate>

#include <vector>

using lumivane::ItemPath;
using lumivane::Text;

namespace {

constexpr int kTextInset = 2;
// The label ends this far short of the catalog number.
constexpr int kLabelGap = 3;

} // namespace

// The candidates are copies, so a row never points into the project.
class CandidateModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void Reset(std::vector<CLensChoice> candidates) {
        beginResetModel();
        m_candidates = std::move(candidates);
        endResetModel();
    }

    const CLensChoice* At(int row) const {
        return row >= 0 && row < rowCount() ? &m_candidates[static_cast<std::size_t>(row)]
                                            : nullptr;
    }

    int RowOf(const CLensChoice& choice) const {
        for (int row = 0; row < rowCount(); ++row) {
            if (At(row)->Items() == choice.Items()) {
                return row;
            }
        }
        return -1;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_candidates.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const CLensChoice* choice = At(index.row());
        if (choice == nullptr || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
            return {};
        }
        return Text(lumivane::CandidateText(*choice));
    }

private:
    std::vector<CLensChoice> m_candidates;
};

namespace {

// Paints a row line by line: one per item, then the focal length, on alternating colours.
class CandidateDelegate : public QStyledItemDelegate {
public:
    CandidateDelegate(CLensListBox& list, const CandidateModel& model)
        : QStyledItemDelegate(&list), m_list(list), m_model(model) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const CLensChoice* choice = m_model.At(index.row());
        const int lines = choice != nullptr ? static_cast<int>(choice->Items().size()) + 1 : 1;
        return {option.rect.width(), lines * m_list.LineHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const CLensChoice* choice = m_model.At(index.row());
        if (choice == nullptr) {
            return;
        }
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const bool odd = index.row() % 2 == 1;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(option.rect, selected ? palette.highlight()
                                       : odd    ? palette.button()
                                                : palette.base());
        painter->setPen(palette.color(selected ? QPalette::HighlightedText
                                      : odd    ? QPalette::ButtonText
                                               : QPalette::Text));
        painter->setFont(option.font);
        const int height = m_list.LineHeight();
        QRect line(option.rect.left(), option.rect.top(), option.rect.width(), height);
        for (const lumivane::CandidateLine& item : lumivane::CandidateLines(*choice)) {
            PaintItemLine(*painter, line, item);
            line.translate(0, height);
        }
        painter->drawText(line.adjusted(kTextInset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          Text(lumivane::CandidateFocalText(*choice)));
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
            m_list.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, &m_list);
        }
        painter->restore();
    }

private:
    static void PaintItemLine(QPainter& painter, const QRect& line,
                              const lumivane::CandidateLine& item) {
        const QString catalog = Text(item.catalog);
        const QRect numberRect = line.adjusted(0, 0, -kTextInset, 0);
        painter.drawText(numberRect, Qt::AlignRight | Qt::AlignVCenter, catalog);
        const int numberLeft =
            numberRect.right() - painter.fontMetrics().horizontalAdvance(catalog);
        QRect labelRect = line.adjusted(kTextInset, 0, 0, 0);
        labelRect.setRight(numberLeft - kLabelGap);
        painter.save();
        painter.setClipRect(labelRect);
        painter.drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter, Text(item.label));
        painter.restore();
    }

    CLensListBox& m_list;
    const CandidateModel& m_model;
};

} // namespace

CLensListBox::CLensListBox(CQorDoc& doc, lumivane::ProjectRelay& relay, QWidget* parent)
    : QListView(parent), m_doc(doc), m_model(new CandidateModel(this)) {
    setAccessibleName(tr("Lens candidates"));
    setModel(m_model);
    setItemDelegate(new CandidateDelegate(*this, *m_model));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(false);
    using lumivane::ProjectRelay;
    connect(&relay, &ProjectRelay::itemAboutToBeRemoved, this, &CLensListBox::ItemAboutToBeRemoved);
    connect(&relay, &ProjectRelay::itemRemoved, this,
            [this](const ItemPath& path) { ItemMoved(path, false); });
    connect(&relay, &ProjectRelay::itemInserted, this,
            [this](const ItemPath& path) { ItemMoved(path, true); });
    connect(&relay, &ProjectRelay::itemChanged, this, [this](const ItemPath& path) {
        if (path.auditorium == m_projector.auditorium) {
            ScheduleRefresh();
        }
    });
    connect(&relay, &ProjectRelay::catalogsReplaced, this, &CLensListBox::ScheduleRefresh);
    connect(&relay, &ProjectRelay::lensRulesChanged, this, &CLensListBox::ScheduleRefresh);
    connect(&relay, &ProjectRelay::projectAboutToBeReplaced, this, &CLensListBox::Drop);
}

void CLensListBox::SetSetUp(int auditorium, int projector, int format) {
    const bool none = auditorium < 0 || projector < 0 || format < 0;
    m_projector = none ? ItemPath{} : ItemPath::Projector(auditorium, projector);
    m_format = none ? -1 : format;
    Refresh();
}

void CLensListBox::Drop() {
    SetSetUp(-1, -1, -1);
}

int CLensListBox::CandidateCount() const {
    return m_model->rowCount();
}

const CLensChoice* CLensListBox::CandidateAt(int row) const {
    return m_model->At(row);
}

int CLensListBox::LineHeight() const {
    return std::max(kMinimumLineHeight, fontMetrics().height());
}

void CLensListBox::Refresh() {
    m_refreshPending = false;
    const CLensType* setUp =
        m_doc.GetLensType(m_projector.auditorium, m_projector.projector, m_format);
    const auto& catalog = lumivane::Ctx().lenses;
    m_filling = true;
    m_model->Reset(setUp != nullptr ? lumivane::ListCandidates(*setUp)
                                    : std::vector<CLensChoice>{});
    m_barrels =
        setUp != nullptr && catalog ? catalog->FillBarrelList(*setUp) : CLensDatabase::BarrelList{};
    SelectChosen();
    m_filling = false;
    Q_EMIT refilled();
}

// The row of the combination the set-up has, so the keyboard starts from there.
void CLensListBox::SelectChosen() {
    const CLensType* setUp =
        m_doc.GetLensType(m_projector.auditorium, m_projector.projector, m_format);
    const int row =
        setUp != nullptr && setUp->HasCombination() ? m_model->RowOf(setUp->Choice()) : -1;
    if (row >= 0) {
        setCurrentIndex(m_model->index(row));
    }
}

void CLensListBox::ScheduleRefresh() {
    if (m_refreshPending) {
        return;
    }
    m_refreshPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_refreshPending) {
                Refresh();
            }
        },
        Qt::QueuedConnection);
}

bool CLensListBox::ChooseBarrel(int index) {
    if (index < 0 || index >= static_cast<int>(m_barrels.diameters.size())) {
        return false;
    }
    return m_doc.Editor().ChooseBarrel(m_projector.auditorium, m_projector.projector, m_format,
                                       m_barrels.diameters[static_cast<std::size_t>(index)]);
}

void CLensListBox::selectionChanged(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
    QListView::selectionChanged(selected, deselected);
    const QModelIndexList rows = selected.indexes();
    const CLensChoice* chosen = rows.isEmpty() ? nullptr : m_model->At(rows.front().row());
    if (m_filling || chosen == nullptr) {
        return;
    }
    // A copy: the rows are listed afresh once the project has changed.
    const CLensChoice choice = *chosen;
    if (m_doc.Editor().ChooseLens(m_projector.auditorium, m_projector.projector, m_format,
                                  choice)) {
        Q_EMIT lensChosen(m_format);
    }
}

void CLensListBox::ItemAboutToBeRemoved(const ItemPath& path) {
    const CProjectorType* projector =
        m_doc.GetProjector(m_projector.auditorium, m_projector.projector);
    const int row = projector != nullptr ? projector->IndexOfFormat(m_format) : -1;
    if (row >= 0 &&
        lumivane::IsAtOrInside(ItemPath::SetUp(m_projector.auditorium, m_projector.projector, row),
                               path)) {
        Drop();
    }
}

void CLensListBox::ItemMoved(const ItemPath& path, bool inserted) {
    m_projector = inserted ? lumivane::AfterInsert(m_projector, path)
                           : lumivane::AfterRemove(m_projector, path);
}
