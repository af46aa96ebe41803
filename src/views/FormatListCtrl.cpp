#include "views/FormatListCtrl.h"

#include "base/ColumnBounds.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/LensListText.h"
#include "model/LensType.h"
#include "views/ColumnBoundHeader.h"
#include "views/ListIcons.h"
#include "views/SetUpListModel.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <QTimer>

#include <cmath>

namespace {

using lumivane::LensCellKind;

constexpr int kTextInset = 2;
// A figure's room beyond its text, so it never reads as one with the next column's.
constexpr int kFigureGap = 8;
// The joined lens labels must leave this much of the lens column free.
constexpr int kLensMargin = 3;
const QColor kBlinkRed(255, 0, 0);

lumivane::Rgb RgbOf(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

QColor ColourOf(const lumivane::Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// Paints each row whole, opaque, from the model and the list's blink and press state.
class SetUpRowDelegate : public QStyledItemDelegate {
public:
    explicit SetUpRowDelegate(CFormatListCtrl& list) : QStyledItemDelegate(&list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), m_list.RowHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette& palette = option.palette;
        const QColor background = palette.color(selected ? QPalette::Highlight : QPalette::Base);
        const QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        painter->save();
        painter->fillRect(option.rect, background);
        painter->setFont(option.font);
        switch (index.column()) {
        case SetUpListModel::StateColumn:
            PaintStateAndButton(*painter, option, index, selected);
            break;
        case SetUpListModel::LensColumn:
            PaintLens(*painter, option, index, background, text);
            break;
        default:
            PaintText(*painter, option.rect, index.data().toString(), text);
            break;
        }
        painter->restore();
    }

private:
    static void PaintText(QPainter& painter, const QRect& cell, const QString& words,
                          const QColor& colour) {
        painter.setPen(colour);
        painter.setClipRect(cell);
        // A name cut short ends in an ellipsis, never in the next column's first letters.
        const QRect room = cell.adjusted(kTextInset, 0, -kTextInset, 0);
        painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(words, Qt::ElideRight, room.width()));
    }

    void PaintStateAndButton(QPainter& painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index, bool selected) const {
        const QRect row = option.rect;
        const int icon = lumivane::kStateIconWidth;
        PaintStateIcon(
            painter, QRectF(row.left(), row.top() + (row.height() - icon) / 2, icon, icon),
            static_cast<lumivane::SetUpState>(index.data(SetUpListModel::StateRole).toInt()));
        QStyleOptionButton button;
        button.initFrom(m_list.viewport());
        button.rect =
            QRect(row.left() + icon, row.top(), lumivane::kFixedColumnsWidth - icon, row.height());
        const bool pushed = selected && m_list.PressedRow() == index.row();
        button.state |= pushed ? QStyle::State_Sunken : QStyle::State_Raised;
        m_list.style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, &m_list);
        const int side = std::min(button.rect.width(), button.rect.height()) - 4;
        QRectF face(0, 0, side, side);
        face.moveCenter(QRectF(button.rect).center() + (pushed ? QPointF(1, 1) : QPointF()));
        PaintLinkIcon(
            painter, face,
            static_cast<lumivane::LinkState>(index.data(SetUpListModel::LinkRole).toInt()));
    }

    void PaintLens(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                   const QColor& background, const QColor& text) const {
        const auto kind =
            static_cast<LensCellKind>(index.data(SetUpListModel::LensKindRole).toInt());
        switch (kind) {
        case LensCellKind::NotSelected:
            PaintText(painter, option.rect, index.data().toString(),
                      m_list.IsBlinkOn() ? kBlinkRed : text);
            return;
        case LensCellKind::NotAvailable: {
            const lumivane::Rgb fill = lumivane::NotAvailableFill(RgbOf(background));
            painter.fillRect(option.rect, ColourOf(fill));
            PaintText(painter, option.rect, index.data().toString(),
                      ColourOf(lumivane::NotAvailableText(fill)));
            return;
        }
        case LensCellKind::Chosen:
            break;
        }
        const CLensType* setUp = m_list.Model().SetUpAt(index.row());
        if (setUp == nullptr) {
            return;
        }
        const QFontMetrics metrics(option.font);
        const int room = option.rect.width() - kLensMargin;
        const std::string words =
            lumivane::ChosenLensText(setUp->Choice(), [&](const std::string& joined) {
                return metrics.horizontalAdvance(QString::fromStdString(joined)) <= room;
            });
        PaintText(painter, option.rect, QString::fromStdString(words), text);
    }

    CFormatListCtrl& m_list;
};

} // namespace

CFormatListCtrl::CFormatListCtrl(CQorDoc& doc, lumivane::ProjectRelay& relay, QWidget* parent)
    : QTreeView(parent), m_doc(doc), m_model(new SetUpListModel(doc, relay, this)),
      m_header(new ColumnBoundHeader(this)) {
    setAccessibleName(tr("Lens set-ups"));
    setHeader(m_header);
    setModel(m_model);
    setItemDelegate(new SetUpRowDelegate(*this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setIndentation(0);
    connect(&m_blink, &QTimer::timeout, this, [this] {
        m_blinkOn = !m_blinkOn;
        viewport()->update();
    });
    connect(m_header, &ColumnBoundHeader::dragStarted, &m_blink, &QTimer::stop);
    connect(m_header, &ColumnBoundHeader::dragFinished, this,
            [this] { m_blink.start(kBlinkMilliseconds); });
    m_blink.setObjectName(QStringLiteral("blink"));
    m_blink.start(kBlinkMilliseconds);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CFormatListCtrl::FitColumns);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &CFormatListCtrl::FitColumns);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &CFormatListCtrl::FitColumns);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &CFormatListCtrl::FitColumns);
    LayOut();
    FitColumns();
}

void CFormatListCtrl::SetProjector(int auditorium, int projector) {
    m_pressedRow = -1;
    m_model->SetProjector(auditorium, projector);
}

void CFormatListCtrl::Refresh(bool force) {
    m_model->Refresh(force);
}

void CFormatListCtrl::SelectFormat(int format) {
    const int row = m_model->RowOfFormat(format);
    m_selecting = true;
    if (row < 0) {
        selectionModel()->clear();
    } else {
        setCurrentIndex(m_model->index(row, 0));
    }
    m_selecting = false;
}

int CFormatListCtrl::SelectedFormat() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : m_model->FormatAt(rows.front().row());
}

void CFormatListCtrl::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    QTreeView::selectionChanged(selected, deselected);
    if (m_selecting) {
        return;
    }
    const int format = SelectedFormat();
    if (format >= 0) {
        Q_EMIT formatSelected(format);
        return;
    }
    // The list always names the shown set-up. A control-click empties it, and so does a
    // screen reader's row selection just before it selects the new row: once that has
    // settled, a list still empty shows its set-up again.
    const QModelIndexList left = deselected.indexes();
    const int shown = left.isEmpty() ? -1 : m_model->FormatAt(left.front().row());
    QTimer::singleShot(0, this, [this, shown] {
        if (SelectedFormat() < 0) {
            SelectFormat(shown);
        }
    });
}

int CFormatListCtrl::LinkButtonX(const QPoint& position) const {
    return position.x() - visualRect(m_model->index(0, 0)).left();
}

void CFormatListCtrl::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const QModelIndex index = indexAt(position);
    if (event->button() == Qt::LeftButton && index.isValid() &&
        lumivane::IsOnLinkButton(LinkButtonX(position))) {
        m_pressedRow = index.row();
    }
    QTreeView::mousePressEvent(event);
    viewport()->update();
}

void CFormatListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const int pressed = m_pressedRow;
    m_pressedRow = -1;
    QTreeView::mouseReleaseEvent(event);
    if (pressed >= 0 && indexAt(position).row() == pressed &&
        lumivane::IsOnLinkButton(LinkButtonX(position))) {
        ToggleLink(pressed);
    }
    viewport()->update();
}

// The link button has no focus of its own, so the space bar presses the current row's.
void CFormatListCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && currentIndex().isValid()) {
        ToggleLink(currentIndex().row());
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CFormatListCtrl::ToggleLink(int row) {
    const lumivane::ItemPath& projector = m_model->Projector();
    const int format = m_model->FormatAt(row);
    if (format >= 0) {
        m_doc.Editor().ToggleLink(projector.auditorium, projector.projector, format);
    }
}

void CFormatListCtrl::resizeEvent(QResizeEvent* event) {
    LayOut();
    QTreeView::resizeEvent(event);
}

void CFormatListCtrl::changeEvent(QEvent* event) {
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        LayOut();
        FitColumns();
    }
}

// The names may shorten, the figures may not: only the image size and the focal length claim
// their widest text; every column keeps room for its title.
void CFormatListCtrl::FitColumns() {
    const QFontMetricsF text(font());
    const QFontMetrics title = m_header->fontMetrics();
    const int titleMargins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, m_header);
    lumivane::ColumnLeast least{};
    for (int column = SetUpListModel::FormatColumn; column < SetUpListModel::ColumnCount;
         ++column) {
        int widest = title.horizontalAdvance(
                         m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) +
                     titleMargins;
        const bool figure =
            column == SetUpListModel::ImageSizeColumn || column == SetUpListModel::FocalColumn;
        for (int row = 0; figure && row < m_model->rowCount(); ++row) {
            const QString words = m_model->index(row, column).data().toString();
            // Rounded up, with a clear gap before the next column's text.
            widest = std::max(widest, static_cast<int>(std::ceil(text.horizontalAdvance(words))) +
                                          kTextInset + kFigureGap);
        }
        least[static_cast<std::size_t>(column - SetUpListModel::FormatColumn)] = widest;
    }
    m_header->SetLeast(least);
    setMinimumWidth(lumivane::LeastListWidth(least) + 2 * frameWidth() +
                    style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
}

void CFormatListCtrl::LayOut() {
    const int textHeight = fontMetrics().size(Qt::TextSingleLine, QStringLiteral("Wy")).height();
    const lumivane::SetUpListLayout layout = lumivane::LayOutSetUpList(height(), textHeight);
    if (layout.headerHeight != m_header->sizeHint().height()) {
        m_header->SetHeight(layout.headerHeight);
        updateGeometries();
    }
    if (layout.rowHeight != m_rowHeight) {
        m_rowHeight = layout.rowHeight;
        scheduleDelayedItemsLayout();
    }
}
