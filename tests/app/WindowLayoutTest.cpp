#include "app/MainFrame.h"
#include "base/AppContext.h"
#include "document/QorDoc.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ExampleProject.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "views/ColumnBoundHeader.h"
#include "views/FormatListCtrl.h"
#include "views/QorView.h"
#include "views/ScreenDisplay.h"
#include "views/SetUpListModel.h"
#include "views/ValueSlider.h"

#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyleOptionSlider>
#include <QTest>

#include <functional>
#include <memory>

namespace lumivane {

namespace {

// What the user can still use: a drawing this high, a slider track this long.
constexpr int kLeastDrawingHeight = 150;
constexpr int kLeastTrack = 90;
constexpr int kFigureGap = 4;

struct Shown {
    QString kind;
    std::function<void(ViewPane&, int format)> show;
};

const Shown kViews[] = {
    {u"auditorium"_qs,
     [](ViewPane& pane, int) {
         pane.ShowAuditorium(0);
     }},
    {u"projector"_qs,
     [](ViewPane& pane, int) {
         pane.ShowProjector(0, 0);
     }},
    {u"format"_qs,
     [](ViewPane& pane, int format) {
         pane.ShowFormat(0, 0, format);
     }},
    {u"lens"_qs,
     [](ViewPane& pane, int format) {
         pane.ShowLens(0, 0, format);
     }},
};

// Whether layout places widget, directly or through the layouts nested in it.
bool Lays(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget ||
            (item->layout() != nullptr && Lays(item->layout(), widget))) {
            return true;
        }
    }
    return false;
}

// The controls a layout of the view's page places that are narrower or lower than they ask
// to be at least, or that reach out of what holds them: text cut, a track lost, a button out
// of sight. Each as its class and text or name.
QStringList SqueezedControls(const QWidget* page) {
    QStringList squeezed;
    for (const QWidget* widget : page->findChildren<QWidget*>()) {
        const QWidget* holder = widget->parentWidget();
        if (!widget->isVisible() || holder == nullptr || holder->layout() == nullptr ||
            !Lays(holder->layout(), widget)) {
            continue;
        }
        // As layouts take it: a minimum the widget was given, else the one it hints at.
        const QSize given = widget->minimumSize();
        const QSize hint = widget->minimumSizeHint();
        const QSize least(given.width() > 0 ? given.width() : hint.width(),
                          given.height() > 0 ? given.height() : hint.height());
        const bool small = widget->width() < least.width() || widget->height() < least.height();
        if (small || !holder->rect().contains(widget->geometry())) {
            const auto* button = qobject_cast<const QAbstractButton*>(widget);
            squeezed.append(QString::fromLatin1(widget->metaObject()->className()) + u' ' +
                            (button != nullptr ? button->text() : widget->accessibleName()));
        }
    }
    return squeezed;
}

int TrackLength(const ValueSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    const QRect groove = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderGroove, slider);
    return slider->orientation() == Qt::Vertical ? groove.height() : groove.width();
}

// The figure columns of a set-up list whose text does not fit, and any title cut short.
QStringList CutColumns(const CFormatListCtrl* list) {
    QStringList cut;
    const QHeaderView* header = list->header();
    const SetUpListModel& model = list->Model();
    for (int column = SetUpListModel::FormatColumn; column < SetUpListModel::ColumnCount;
         ++column) {
        const QString title = model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        if (header->fontMetrics().horizontalAdvance(title) > header->sectionSize(column)) {
            cut.append(title);
        }
        if (column != SetUpListModel::ImageSizeColumn && column != SetUpListModel::FocalColumn) {
            continue;
        }
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString text = model.index(row, column).data().toString();
            // The text is painted two pixels inside its cell, cut to an ellipsis when too long;
            // a figure must also stand clear of the next column's text.
            const int room = header->sectionSize(column) - 4;
            const QFontMetrics metrics = list->fontMetrics();
            if (metrics.elidedText(text, Qt::ElideRight, room) != text ||
                metrics.horizontalAdvance(text) + kFigureGap > room) {
                cut.append(text);
            }
        }
    }
    return cut;
}

// The group of a view's light and sightline checks, if it has one.
const QWidget* LightChecks(const QWidget* page) {
    for (const QGroupBox* group : page->findChildren<QGroupBox*>()) {
        if (group->title().startsWith(u"Light"_qs)) {
            return group;
        }
    }
    return nullptr;
}

} // namespace

// The main window at the smallest size we support and at its default size, every view of the
// example project in it, checked for what a user would see.
class WindowLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void aSmallWindowScrollsEveryViewRatherThanSqueezingIt();
    void aDefaultWindowShowsEveryViewWhole();

private:
    // Shows view in the window at size; the view's scrolling page, or null.
    QScrollArea* ShowAt(const Shown& view, QSize size);

    std::unique_ptr<ScopedAppContext> m_context;
    std::unique_ptr<CQorDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

void WindowLayoutTest::init() {
    m_context = std::make_unique<ScopedAppContext>();
    test::InstallShippedCatalogs();
    m_doc = std::make_unique<CQorDoc>(std::make_shared<test::FixedClock>());
    test::BuildExampleProject(*m_doc);
    m_frame = std::make_unique<CMainFrame>(*m_doc);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

void WindowLayoutTest::cleanup() {
    m_frame.reset();
    m_doc.reset();
    m_context.reset();
}

QScrollArea* WindowLayoutTest::ShowAt(const Shown& view, QSize size) {
    m_frame->resize(size);
    view.show(m_frame->Pane(), m_doc->GetProjector(0, 0)->GetLensType(0)->GetFormat());
    // The layouts settle over a few rounds: a view may rearrange its groups for the width.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents();
    }
    const QString shots = qEnvironmentVariable("LUMIVANE_SCREENSHOTS");
    if (!shots.isEmpty()) {
        m_frame->grab().save(u"%1/window-%2-%3x%4.png"_qs.arg(shots, view.kind)
                                 .arg(size.width())
                                 .arg(size.height()));
    }
    return m_frame->Pane().CurrentView()->findChild<QScrollArea*>();
}

void WindowLayoutTest::aSmallWindowScrollsEveryViewRatherThanSqueezingIt() {
    for (const Shown& view : kViews) {
        const QScrollArea* page = ShowAt(view, {800, 560});
        QVERIFY2(page != nullptr, qPrintable(view.kind));
        QVERIFY2(m_frame->Pane().CurrentView()->width() <= 560, qPrintable(view.kind));
        const QWidget* content = page->widget();
        const QStringList squeezed = SqueezedControls(content);
        QVERIFY2(squeezed.isEmpty(), qPrintable(view.kind + u": "_qs + squeezed.join(u", ")));
        // Only up and down: nothing waits out of sight at the right.
        QVERIFY2(page->horizontalScrollBar()->maximum() == 0, qPrintable(view.kind));
        const auto* drawing = content->findChild<ScreenDisplay*>();
        QVERIFY2(drawing->height() >= kLeastDrawingHeight, qPrintable(view.kind));
        for (const ValueSlider* slider : content->findChildren<ValueSlider*>()) {
            QVERIFY2(TrackLength(slider) >= kLeastTrack,
                     qPrintable(view.kind + u' ' + slider->accessibleName()));
        }
        if (const auto* list = content->findChild<CFormatListCtrl*>()) {
            const QStringList cut = CutColumns(list);
            QVERIFY2(cut.isEmpty(), qPrintable(view.kind + u": "_qs + cut.join(u", ")));
        }
    }
}

void WindowLayoutTest::aDefaultWindowShowsEveryViewWhole() {
    for (const Shown& view : kViews) {
        const QScrollArea* page = ShowAt(view, {1024, 720});
        // The light checks sit below the drawing: the room, its drawing and the position are
        // whole, the checks start in sight and may be a scroll away.
        const QWidget* checks = LightChecks(page->widget());
        const int wholeTo = checks != nullptr ? checks->mapTo(page->viewport(), QPoint()).y()
                                              : page->widget()->height();
        QVERIFY2(wholeTo <= page->viewport()->height(), qPrintable(view.kind));
        QVERIFY2(page->horizontalScrollBar()->maximum() == 0, qPrintable(view.kind));
        const QStringList squeezed = SqueezedControls(page->widget());
        QVERIFY2(squeezed.isEmpty(), qPrintable(view.kind + u": "_qs + squeezed.join(u", ")));
    }
}

} // namespace lumivane

QTEST_MAIN(lumivane::WindowLayoutTest)
#include "WindowLayoutTest.moc"
