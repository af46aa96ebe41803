// What the user waits for in the window, on the offscreen platform: each benchmark acts as the
// user does (a click, a key, a mouse move, a command) on the real main window over the project
// of a cinema chain of 200 auditoriums, then processes events until the widgets that show the
// result have painted.

#include "app/DocumentCommands.h"
#include "app/MainFrame.h"
#include "app/ProjectTreeBar.h"
#include "app/ProjectTreeModel.h"
#include "app/UndoBridge.h"
#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "support/BenchCatalogs.h"
#include "support/BenchProject.h"
#include "support/TargetSummary.h"
#include "support/TempDir.h"
#include "ui/QtClockAndLocale.h"
#include "ui/QtSettingsStore.h"
#include "views/QorView.h"
#include "views/ScreenDisplay.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "gui/PaintWatch.h"

using namespace lumivane;
using namespace lumivane::bench;

namespace {

// An auditorium in the middle of the chain, so rows before and after it count.
constexpr int kShown = 100;
constexpr double kInteractionLimit = 8e-3;
constexpr double kOpenLimit = 100e-3;

class ChainWindow {
public:
    explicit ChainWindow(std::filesystem::path file) : m_file(std::move(file)) {
        m_frame.resize(1280, 800);
        m_frame.show();
        m_shown = QTest::qWaitForWindowExposed(&m_frame) && Reopen();
    }

    // The window is on the screen with the chain open.
    bool Shown() const { return m_shown; }

    CQorDoc& Doc() { return m_doc; }
    CMainFrame& Frame() { return m_frame; }
    ViewPane& Pane() { return m_frame.Pane(); }
    QString File() const { return QString::fromStdString(m_file.string()); }
    ProjectTreeBar& TreeBar() {
        return *static_cast<ProjectTreeBar*>(m_frame.TreeDock()->widget());
    }
    QTreeView& Tree() { return *TreeBar().Tree(); }

    // The chain as its file holds it, unmodified, with the tree filled again and painted.
    bool Reopen() {
        return ActAndPaint(
                   [this] { m_opened = m_doc.OpenDocument(m_file, true) == ProjectReadResult::Ok; },
                   {[this] {
                       return TreeBar().Tree()->viewport();
                   }}) &&
               m_opened;
    }

    // Runs action and waits until the view then shown has painted.
    bool ShowAndPaint(const std::function<void()>& action) {
        return ActAndPaint(action, {[this] {
                               return static_cast<QWidget*>(Pane().CurrentView());
                           }});
    }

    // The first set-up's format of the shown auditorium's first projector.
    int ShownFormat() {
        const auto* model = TreeBar().Model();
        return ProjectTreeModel::FormatOf(model->index(0, 0, model->ProjectorIndex(kShown, 0)));
    }

private:
    std::filesystem::path m_file;
    CQorDoc m_doc{std::make_shared<QtClockAndLocale>()};
    CMainFrame m_frame{m_doc};
    bool m_opened = false;
    bool m_shown = false;
};

ChainWindow* g_window = nullptr;

template <class Widget> Widget* FindNamed(QWidget* view, const QString& name) {
    if (view == nullptr) {
        return nullptr;
    }
    for (Widget* widget : view->findChildren<Widget*>()) {
        if (widget->accessibleName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

QWidget* CurrentView() {
    return g_window->Pane().CurrentView();
}

void Fail(benchmark::State& state, const char* what) {
    state.SkipWithError(what);
}

void MeasureOpen(benchmark::State& state) {
    ChainWindow& window = *g_window;
    if (!window.Reopen()) {
        return Fail(state, "the project did not open");
    }
    for (auto _ : state) {
        // The pane goes back to the project view on opening: it must have something to paint.
        state.PauseTiming();
        const bool away = window.ShowAndPaint([&] { window.Pane().ShowAuditorium(kShown); });
        state.ResumeTiming();
        const bool painted =
            away && ActAndPaint([&] { window.Frame().Commands().OpenFile(window.File()); },
                                {CurrentView, [&] {
                                     return window.Tree().viewport();
                                 }});
        if (!painted || window.Doc().GetAuditoriumCount() != kChainAuditoriums) {
            return Fail(state, "the opened project was not shown");
        }
    }
}

// Undo of one edit of one auditorium's audience distance; the redo between two undos is not
// timed.
void MeasureUndo(benchmark::State& state) {
    ChainWindow& window = *g_window;
    if (!window.Reopen() || !window.ShowAndPaint([&] { window.Pane().ShowAuditorium(kShown); })) {
        return Fail(state, "the auditorium was not shown");
    }
    UndoBridge& undo = window.Frame().Undo();
    const double distance = window.Doc().GetAuditorium(kShown)->AudienceDistance();
    window.Doc().Editor().SetAuditoriumSetting(
        kShown, lumivane::AuditoriumSetting::AudienceDistance, distance + 0.5);
    if (!undo.UndoAction()->isEnabled()) {
        return Fail(state, "the edit was not recorded");
    }
    for (auto _ : state) {
        if (!window.ShowAndPaint([&] { undo.UndoAction()->trigger(); })) {
            return Fail(state, "the undo was not shown");
        }
        state.PauseTiming();
        const bool redone = window.ShowAndPaint([&] { undo.RedoAction()->trigger(); });
        state.ResumeTiming();
        if (!redone) {
            return Fail(state, "the redo was not shown");
        }
    }
}

enum TreeLevel { AuditoriumItem, ProjectorItem, FormatItem, LensItem, kTreeLevels };

QModelIndex TreeItem(TreeLevel level, int format) {
    const ProjectTreeModel& model = *g_window->TreeBar().Model();
    switch (level) {
    case AuditoriumItem:
        return model.AuditoriumIndex(kShown);
    case ProjectorItem:
        return model.ProjectorIndex(kShown, 0);
    case FormatItem:
        return model.SetUpIndex(kShown, 0, format);
    default:
        return model.LensIndex(kShown, 0, format);
    }
}

// The tree's current item moves as a click or an arrow key moves it.
bool ClickTreeItem(const QModelIndex& item) {
    return g_window->ShowAndPaint([&] { g_window->Tree().setCurrentIndex(item); });
}

// A click in the tree on an item of the given level, coming from the level before it.
void MeasureTreeSelect(benchmark::State& state, TreeLevel level) {
    ChainWindow& window = *g_window;
    if (!window.Reopen()) {
        return Fail(state, "the project did not open");
    }
    const int format = window.ShownFormat();
    const QModelIndex from =
        TreeItem(static_cast<TreeLevel>((level + kTreeLevels - 1) % kTreeLevels), format);
    const QModelIndex to = TreeItem(level, format);
    window.Tree().scrollTo(TreeItem(AuditoriumItem, format), QAbstractItemView::PositionAtTop);
    for (auto _ : state) {
        state.PauseTiming();
        const bool away = ClickTreeItem(from);
        state.ResumeTiming();
        if (!away || !ClickTreeItem(to) || window.Tree().currentIndex() != to) {
            return Fail(state, "the click did not show the item");
        }
    }
}

ScreenDisplay* DraggableDisplay(QWidget* view) {
    if (view == nullptr) {
        return nullptr;
    }
    QList<ScreenDisplay*> displays = view->findChildren<ScreenDisplay*>();
    if (auto* itself = qobject_cast<ScreenDisplay*>(view)) {
        displays.append(itself);
    }
    for (ScreenDisplay* display : displays) {
        if (display->isVisible() && display->LastFrontLayout().dragHandle) {
            return display;
        }
    }
    return nullptr;
}

// The projector view's drawing, whose marker drags the projector.
ScreenDisplay* ShowDraggable() {
    ChainWindow& window = *g_window;
    window.ShowAndPaint([&] { window.Pane().ShowProjector(kShown, 0); });
    return DraggableDisplay(CurrentView());
}

// One mouse move of a drag of the projector's marker, back and forth by a few pixels.
void MeasureDrag(benchmark::State& state) {
    ChainWindow& window = *g_window;
    if (!window.Reopen()) {
        return Fail(state, "the project did not open");
    }
    ScreenDisplay* display = ShowDraggable();
    if (display == nullptr) {
        return Fail(state, "the projector view shows no marker to drag");
    }
    const auto handle = *display->LastFrontLayout().dragHandle;
    const QPoint marker(handle.x, handle.y);
    QTest::mousePress(display, Qt::LeftButton, {}, marker);
    int step = 0;
    for (auto _ : state) {
        const QPoint to = marker + QPoint(++step % 2 == 0 ? 6 : -6, 0);
        if (!ActAndPaint([&] { QTest::mouseMove(display, to); }, {[display] {
                             return display;
                         }}) ||
            !display->IsDragging()) {
            return Fail(state, "the drag step was not drawn");
        }
    }
    QTest::mouseRelease(display, Qt::LeftButton, {}, marker);
    if (!window.Doc().IsModified()) {
        Fail(state, "the drag moved nothing");
    }
}

// The projector is first given a throw of its own, as a click on the field's label does: while
// it follows the auditorium's default the field takes no typing.
QAbstractSpinBox* ShowThrowField() {
    ChainWindow& window = *g_window;
    window.Doc().Editor().SetLockThrowDistance(kShown, 0, false);
    window.ShowAndPaint([&] { window.Pane().ShowProjector(kShown, 0); });
    return FindNamed<QAbstractSpinBox>(CurrentView(), QStringLiteral("Throw"));
}

// The last digit of a throw and Enter: the model recomputed, the fields refreshed and the
// drawing repainted. The digits before it are typed untimed.
void MeasureTypeThrow(benchmark::State& state) {
    ChainWindow& window = *g_window;
    if (!window.Reopen()) {
        return Fail(state, "the project did not open");
    }
    QAbstractSpinBox* field = ShowThrowField();
    if (field == nullptr) {
        return Fail(state, "the projector view has no field named Throw");
    }
    const double before = window.Doc().GetProjector(kShown, 0)->GetThrow();
    field->setFocus();
    int typed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("24."));
        state.ResumeTiming();
        const bool shown = window.ShowAndPaint([&] {
            QTest::keyClick(field, ++typed % 2 == 0 ? Qt::Key_5 : Qt::Key_6);
            QTest::keyClick(field, Qt::Key_Return);
        });
        if (!shown) {
            return Fail(state, "the new throw was not shown");
        }
    }
    if (window.Doc().GetProjector(kShown, 0)->GetThrow() == before) {
        Fail(state, "the typed throw changed nothing");
    }
}

// The chain written once as a project file, which every benchmark opens.
std::filesystem::path WriteChain(const test::TempDir& folder) {
    const std::filesystem::path file = folder / "chain.hoprj";
    Archive chain = Archive::ForStoring();
    WriteProject(chain, BuildChainProject(kChainAuditoriums));
    return chain.SaveToFile(file) ? file : std::filesystem::path();
}

void Register(const std::string& name, void (*measure)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name.c_str(), measure)->Unit(benchmark::kMillisecond);
}

// The offscreen platform cannot size a window for a window manager and says so at every dock
// layout; the benchmark's output stays readable without it.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QStringLiteral("propagateSizeHints"))) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietOffscreenNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const test::TempDir folder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder.path().string()));
    }
    QStandardPaths::setTestModeEnabled(true);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    ScopedAppContext context;
    InstallCatalogText(ShippedCatalogFolder());
    Ctx().settingsStore = std::make_shared<QtSettingsStore>(
        QString::fromStdString((folder / "settings.ini").string()));
    const std::filesystem::path chain = WriteChain(folder);
    if (chain.empty()) {
        return 1;
    }
    ChainWindow window(chain);
    if (!window.Shown()) {
        return 1;
    }
    g_window = &window;

    Register("GuiOpen/200-auditoriums", MeasureOpen);
    Register("GuiUndo/audience-distance", MeasureUndo);
    const std::array<const char*, kTreeLevels> levels = {"auditorium", "projector", "format",
                                                         "lens"};
    for (int level = 0; level < kTreeLevels; ++level) {
        benchmark::RegisterBenchmark(("GuiTreeSelect/" + std::string(levels[level])).c_str(),
                                     MeasureTreeSelect, static_cast<TreeLevel>(level))
            ->Unit(benchmark::kMillisecond);
    }
    Register("GuiDragMarker/one-step", MeasureDrag);
    Register("GuiTypeThrow/digit-and-enter", MeasureTypeThrow);

    std::vector<Target> targets = {
        TimeLimit("open 200 auditoriums, tree filled, view painted", "GuiOpen/200-auditoriums",
                  kOpenLimit),
        TimeLimit("undo one edit, 200 auditoriums", "GuiUndo/audience-distance", kInteractionLimit),
        TimeLimit("drag a projector marker, one step", "GuiDragMarker/one-step", kInteractionLimit),
        TimeLimit("type a throw, last digit and Enter", "GuiTypeThrow/digit-and-enter",
                  kInteractionLimit)};
    for (const char* level : levels) {
        targets.push_back(TimeLimit(std::string("tree selection to a ") + level,
                                    std::string("GuiTreeSelect/") + level, kInteractionLimit));
    }
    const int result = RunWithTargets(argc, argv, targets);
    g_window = nullptr;
    return result;
}
