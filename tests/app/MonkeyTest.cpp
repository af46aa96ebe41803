// A monkey in the main window: seeded random sequences of what a person can do (menus, the
// tree's context menus and buttons, the toolbar, keys, typing hostile values, drags, dialogs
// answered every way, undo and redo past both ends, items removed while shown), checking after
// each action that nothing broke and that the shown view's figures agree with the model. A
// failure, a crash or a sanitizer's report prints the seed and the last actions;
// LUMIVANE_MONKEY_SEED and LUMIVANE_MONKEY_ACTIONS replay a run, LUMIVANE_MONKEY_MINUTES runs
// until the time is up instead (scripts/monkey), and LUMIVANE_MONKEY_TRACE prints every action
// as it goes.

#include "app/DocumentCommands.h"
#include "app/MainFrame.h"
#include "app/PrintCommands.h"
#include "app/ProjectTreeBar.h"
#include "app/ProjectTreeModel.h"
#include "app/UndoBridge.h"
#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/QorDoc.h"
#include "support/ExampleProject.h"
#include "support/FileBytes.h"
#include "support/FixedClock.h"
#include "support/MailStandIn.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"
#include "ui/ProjectRelay.h"
#include "ui/QtSettingsStore.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <tuple>

#include "MonkeyAnswers.h"
#include "MonkeyDice.h"
#include "MonkeyHands.h"
#include "MonkeyJournal.h"
#include "MonkeyReplies.h"
#include "ViewFigures.h"

using namespace lumivane;
using namespace lumivane::test;

namespace {

constexpr std::uint32_t kSuiteSeed = 20241209;
constexpr int kSuiteActions = 2000;
// The undo history is taken back to its start and forward again this often, and at the end.
constexpr int kRewindEvery = 250;
// Beyond this the run fails with its seed; a hang past it ends the process with the journal.
constexpr std::chrono::seconds kSuiteTimeCap{100};
constexpr std::chrono::seconds kWatchdogMargin{15};

std::uint32_t SeedFromEnvironment(std::uint32_t fallback) {
    bool ok = false;
    const uint seed = qEnvironmentVariable("LUMIVANE_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : fallback;
}

int IntFromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The project as a save writes it, in the unit system given (the file marks it).
std::vector<std::uint8_t> ProjectBytes(const CQorDoc& doc, bool metric) {
    const bool shown = Ctx().metricUnits;
    Ctx().metricUnits = metric;
    Archive ar = Archive::ForStoring();
    WriteProject(ar, doc.GetContents());
    Ctx().metricUnits = shown;
    return ar.Bytes();
}

QString FirstDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) {
        ++at;
    }
    const auto around = [at](const std::vector<std::uint8_t>& bytes) {
        const std::size_t first = at > 8 ? at - 8 : 0;
        const std::size_t end = std::min(bytes.size(), at + 16);
        return first < end ? QByteArray(reinterpret_cast<const char*>(bytes.data() + first),
                                        static_cast<qsizetype>(end - first))
                                 .toHex(' ')
                           : QByteArray();
    };
    return QStringLiteral("%1 bytes against %2, first difference at byte %3 (from byte %4: %5 "
                          "against %6)")
        .arg(a.size())
        .arg(b.size())
        .arg(at)
        .arg(at > 8 ? at - 8 : 0)
        .arg(QString::fromLatin1(around(a)), QString::fromLatin1(around(b)));
}

// The whole failure with its journal; the test's own message keeps only its first line.
void ReportFailure(const QString& failure) {
    if (!failure.isEmpty()) {
        std::fputs(qPrintable(failure), stderr);
    }
}

// The offscreen platform's complaints about what it cannot do would bury the journal.
void QuietPlatform() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(u"This plugin does not support"_qs)) {
                previous(type, context, message);
            }
        });
}

} // namespace

// One run: the main window over the example project in a folder of its own, with mail going
// to a stand-in and printing to a PDF file, driven by one seed.
class MonkeyRun {
public:
    explicit MonkeyRun(std::uint32_t seed);
    MonkeyRun(const MonkeyRun&) = delete;
    MonkeyRun& operator=(const MonkeyRun&) = delete;

    // Empty when every action and every check passed.
    QString Run(int actions, std::chrono::seconds timeCap);
    int ActionsDone() const { return m_done; }
    std::vector<std::uint8_t> Bytes() const { return ProjectBytes(m_doc, true); }

private:
    struct Action {
        int weight;
        bool (MonkeyRun::*run)();
    };

    void Start();
    void Note(const QString& line) { MonkeyJournal::Note(m_indent + line); }
    void Act();
    QStringList Check();
    QString SaveReopenFault();
    QStringList Rewind();
    void Undo(bool back);

    // What the monkey does: each returns false when it had nothing to act on.
    bool ClickTreeItem();
    bool TreeKeys();
    bool RenameInTree();
    bool TreeContextMenu();
    bool RemoveShownItem();
    bool TreeButtonMenu();
    bool MainMenu();
    bool ToolbarButton();
    bool UseWidget();
    bool WindowKeys();
    bool UndoOrRedoSome();
    bool RewindAll();
    bool ResizeWindow();

    // Journal lines of a dialog's answer are indented under the action that opened it.
    void AnswerDialog(QDialog& dialog);

    ProjectTreeBar& TreeBar() const {
        return *static_cast<ProjectTreeBar*>(m_frame->TreeDock()->widget());
    }
    QTreeView* Tree() const { return TreeBar().Tree(); }
    QList<QModelIndex> TreeItems() const;
    QModelIndex IndexOfShownItem() const;
    QMenu* OpenContextMenu(const QModelIndex& index);
    QList<QWidget*> Surfaces() const;

    ScopedAppContext m_context;
    TempDir m_folder;
    std::shared_ptr<FixedClock> m_clock = std::make_shared<FixedClock>();
    MailStandIn m_mail;
    CQorDoc m_doc{m_clock};
    std::unique_ptr<CMainFrame> m_frame;
    std::uint32_t m_seed;
    MonkeyDice m_dice;
    MonkeyHands m_hands;
    MonkeyReplies m_replies;
    MonkeyAnswers m_answers;
    QString m_indent;
    bool m_settingUp = true;
    bool m_ready = false;
    int m_done = 0;
    // The project as it was when the undo history last started afresh.
    std::vector<std::uint8_t> m_baseline;
};

MonkeyRun::MonkeyRun(std::uint32_t seed)
    : m_seed(seed), m_dice(seed), m_hands(m_dice, [this](const QString& line) { Note(line); }),
      m_replies(m_dice, m_hands, m_folder.path(), [this](const QString& line) { Note(line); }),
      m_answers([this](QDialog& dialog) { AnswerDialog(dialog); }) {
    InstallShippedCatalogs();
    Ctx().settingsStore = std::make_shared<QtSettingsStore>(
        QString::fromStdString((m_folder / "settings.ini").string()));
    MonkeyJournal::Begin(seed);
    Start();
}

// The run starts from the example saved once, so that every later save stamps the same date
// and undoing to the start can give the saved file's bytes.
void MonkeyRun::Start() {
    const auto example = m_folder / "Multiplex.hoprj";
    std::filesystem::copy_file(ExampleProjectPath(), example);
    WriteFileBytes(m_folder / "notes.hoprj", {'J', 'u', 's', 't', ' ', 'n', 'o', 't', 'e', 's'});
    std::vector<std::uint8_t> noise(512);
    for (std::uint8_t& byte : noise) {
        byte = static_cast<std::uint8_t>(m_dice.Below(256));
    }
    WriteFileBytes(m_folder / "noise.hoprj", noise);
    std::filesystem::create_directory(m_folder / "checks");

    m_frame = std::make_unique<CMainFrame>(m_doc);
    QObject::connect(&m_frame->Relay(), &ProjectRelay::projectReplaced, m_frame.get(),
                     [this] { m_baseline = Bytes(); });
    m_frame->Printing().SetPrinterChoice(
        [this](QPrinter& printer, int /*maxPage*/) { return m_replies.ChoosePrinter(printer); });
    m_frame->resize(1024, 720);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QVERIFY(m_frame->Commands().OpenFile(QString::fromStdString(example.string())));
    m_frame->Action(FrameCommand::Save)->trigger();
    QCOMPARE(ReadFileBytes(example), ProjectBytes(m_doc, Ctx().metricUnits));
    m_baseline = Bytes();
    m_settingUp = false;
    m_ready = true;
}

QString MonkeyRun::Run(int actions, std::chrono::seconds timeCap) {
    if (!m_ready) {
        return QStringLiteral("The example could not be opened and saved.");
    }
    const MonkeyWatchdog watchdog(timeCap + kWatchdogMargin);
    QElapsedTimer clock;
    clock.start();
    const auto failed = [this](const QStringList& faults) {
        return faults.join(QLatin1Char('\n')) + QLatin1Char('\n') + MonkeyJournal::Summary() +
               QStringLiteral("replay with LUMIVANE_MONKEY_SEED=%1 LUMIVANE_MONKEY_ACTIONS=%2\n")
                   .arg(m_seed)
                   .arg(m_done);
    };
    while (m_done < actions || actions < 0) {
        if (clock.elapsed() > std::chrono::milliseconds(timeCap).count()) {
            if (actions < 0) {
                break;
            }
            return failed({QStringLiteral("The run took over %1 s for %2 actions.")
                               .arg(timeCap.count())
                               .arg(m_done)});
        }
        ++m_done;
        Act();
        QStringList faults = Check();
        if (faults.isEmpty() && m_done % kRewindEvery == 0) {
            faults = Rewind();
        }
        if (!faults.isEmpty()) {
            return failed(faults);
        }
    }
    const QStringList faults = Rewind();
    return faults.isEmpty() ? QString() : failed(faults);
}

void MonkeyRun::Act() {
    static constexpr Action kActions[] = {
        {12, &MonkeyRun::ClickTreeItem},  {4, &MonkeyRun::TreeKeys},
        {2, &MonkeyRun::RenameInTree},    {12, &MonkeyRun::TreeContextMenu},
        {3, &MonkeyRun::RemoveShownItem}, {6, &MonkeyRun::TreeButtonMenu},
        {7, &MonkeyRun::MainMenu},        {3, &MonkeyRun::ToolbarButton},
        {30, &MonkeyRun::UseWidget},      {5, &MonkeyRun::WindowKeys},
        {9, &MonkeyRun::UndoOrRedoSome},  {1, &MonkeyRun::RewindAll},
        {1, &MonkeyRun::ResizeWindow}};
    int total = 0;
    for (const Action& action : kActions) {
        total += action.weight;
    }
    if (!m_frame->isVisible()) {
        Note(QStringLiteral("#%1 the window closed: shown again").arg(m_done));
        m_frame->show();
    }
    // A person comes back to the window after the help window took the keys. The offscreen
    // platform may also hand the activation to a menu closed long ago; a field of a window
    // that is not active never gets the focus, and typed keys would reach it all the same.
    if (!Surfaces().contains(QApplication::activeWindow())) {
        m_frame->activateWindow();
        if (!QTest::qWaitForWindowActive(m_frame.get())) {
            Note(QStringLiteral("#%1 the window could not be made active").arg(m_done));
        }
    }
    for (;;) {
        int draw = m_dice.Below(total);
        const Action* chosen = kActions;
        while (draw >= chosen->weight) {
            draw -= chosen->weight;
            ++chosen;
        }
        m_indent = QStringLiteral("#%1 ").arg(m_done);
        const bool acted = (this->*chosen->run)();
        m_indent.clear();
        if (acted) {
            return;
        }
    }
}

QStringList MonkeyRun::Check() {
    // A person looks once the window has caught up: the refreshes the action queued have run.
    QCoreApplication::processEvents();
    QStringList faults = m_answers.TakeFaults();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        faults << QStringLiteral("\"%1\" is still open").arg(modal->windowTitle());
        modal->close();
    }
    faults << FigureMismatches(*m_frame);
    const QString reopened = SaveReopenFault();
    if (!reopened.isEmpty()) {
        faults << reopened;
    }
    return faults;
}

// Saves the project as the window would, opens the file again as the window does, recalculating
// every auditorium, and saves once more.
QString MonkeyRun::SaveReopenFault() {
    const bool metric = Ctx().metricUnits;
    const int dropped = Ctx().droppedCatalogItems;
    const auto path = m_folder / "checks" / "saved.hoprj";
    const std::vector<std::uint8_t> saved = ProjectBytes(m_doc, metric);
    WriteFileBytes(path, saved);
    std::vector<std::uint8_t> again;
    {
        CQorDoc reopened(m_clock);
        if (reopened.OpenDocument(path, true) == ProjectReadResult::Ok) {
            again = ProjectBytes(reopened, metric);
        }
    }
    Ctx().metricUnits = metric;
    Ctx().droppedCatalogItems = dropped;
    if (again == saved) {
        return {};
    }
    return again.empty() ? QStringLiteral("A saved project could not be opened again.")
                         : QStringLiteral("A saved project opens to other bytes: %1")
                               .arg(FirstDifference(saved, again));
}

// Redoes to the end of the history, undoes past its start, where the project must be as it
// began, and redoes past the end again, where it must be as it was. The Edit menu's commands
// do it: in a text field the keys would undo the field's own typing instead.
QStringList MonkeyRun::Rewind() {
    Note(QStringLiteral("redo to the end, undo past the start, redo past the end"));
    m_frame->Undo().CommitFieldEdits();
    QUndoStack* stack = m_frame->Undo().Stack();
    QAction* undo = m_frame->Undo().UndoAction();
    QAction* redo = m_frame->Undo().RedoAction();
    const auto redoAll = [&] {
        for (int i = stack->index(), past = stack->count() + 2; i < past; ++i) {
            redo->trigger();
        }
    };
    redoAll();
    const std::vector<std::uint8_t> end = Bytes();
    const int steps = stack->index();
    if (steps > 0) {
        const QString last = stack->undoText();
        undo->trigger();
        redo->trigger();
        if (Bytes() != end) {
            return {QStringLiteral("Undoing and redoing \"%1\" does not give the project back: %2")
                        .arg(last, FirstDifference(Bytes(), end))};
        }
    }
    for (int i = 0; i < steps + 2; ++i) {
        const QString undone = stack->undoText();
        undo->trigger();
        if (stack->count() != steps) {
            return {QStringLiteral("Undoing \"%1\" recorded \"%2\", which cut the redo history.")
                        .arg(undone, stack->text(stack->count() - 1))};
        }
    }
    QStringList faults;
    if (stack->index() != 0) {
        faults << QStringLiteral("Undo stopped at step %1 of %2.").arg(stack->index()).arg(steps);
    } else if (Bytes() != m_baseline) {
        faults << QStringLiteral("Undoing %1 steps to the start does not give the project as "
                                 "it began: %2")
                      .arg(steps)
                      .arg(FirstDifference(Bytes(), m_baseline));
    }
    redoAll();
    if (Bytes() != end) {
        faults << QStringLiteral("Redoing %1 steps does not give the project back: %2")
                      .arg(steps)
                      .arg(FirstDifference(Bytes(), end));
    }
    return faults;
}

// Half of the steps go through the keys, half through the Edit menu's commands.
void MonkeyRun::Undo(bool back) {
    if (m_dice.Chance(50)) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : m_frame.get(), back ? Qt::Key_Z : Qt::Key_Y,
                        Qt::ControlModifier);
    } else {
        (back ? m_frame->Undo().UndoAction() : m_frame->Undo().RedoAction())->trigger();
    }
}

QList<QModelIndex> MonkeyRun::TreeItems() const {
    QList<QModelIndex> items;
    const QAbstractItemModel* model = Tree()->model();
    QList<QModelIndex> owners = {QModelIndex()};
    while (!owners.isEmpty()) {
        const QModelIndex owner = owners.takeFirst();
        for (int row = 0; row < model->rowCount(owner); ++row) {
            items << model->index(row, 0, owner);
            owners << items.back();
        }
    }
    return items;
}

QModelIndex MonkeyRun::IndexOfShownItem() const {
    const ViewPane::Place& place = m_frame->Pane().CurrentPlace();
    const ProjectTreeModel& model = *TreeBar().Model();
    const ItemPath& path = place.path;
    switch (place.kind) {
    case ViewKind::Auditorium:
        return model.AuditoriumIndex(path.auditorium);
    case ViewKind::Projector:
        return model.ProjectorIndex(path.auditorium, path.projector);
    case ViewKind::Format:
        return model.SetUpIndex(path.auditorium, path.projector, place.format);
    case ViewKind::Lens:
        return model.LensIndex(path.auditorium, path.projector, place.format);
    case ViewKind::Project:
        break;
    }
    return {};
}

QMenu* MonkeyRun::OpenContextMenu(const QModelIndex& index) {
    QTreeView* tree = Tree();
    tree->scrollTo(index);
    const QPoint at = tree->visualRect(index).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The windows a person can reach: the main window and the bars and dock floating over it.
QList<QWidget*> MonkeyRun::Surfaces() const {
    QList<QWidget*> surfaces;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Tool) &&
            qobject_cast<QDialog*>(window) == nullptr &&
            !window->inherits("lumivane::HelpWindow")) {
            surfaces << window;
        }
    }
    // The application keeps its windows in a hash, whose order follows their addresses.
    const auto key = [this](const QWidget* window) {
        return std::make_tuple(window != m_frame.get(),
                               QString::fromLatin1(window->metaObject()->className()),
                               window->windowTitle(), window->objectName());
    };
    std::sort(surfaces.begin(), surfaces.end(),
              [&key](const QWidget* a, const QWidget* b) { return key(a) < key(b); });
    return surfaces;
}

bool MonkeyRun::ClickTreeItem() {
    QTreeView* tree = Tree();
    const QList<QModelIndex> items = TreeItems();
    if (!tree->isVisible() || items.isEmpty()) {
        return false;
    }
    const QModelIndex index = m_dice.Pick(items);
    // A click on the selected item starts renaming after a delay, which would make the run
    // depend on the machine's speed; renaming has an action of its own.
    if (tree->selectionModel()->isSelected(index)) {
        return false;
    }
    tree->scrollTo(index);
    Note(QStringLiteral("click tree item \"%1\"").arg(index.data().toString()));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
    return true;
}

bool MonkeyRun::TreeKeys() {
    if (!Tree()->isVisible()) {
        return false;
    }
    m_hands.Keys(Tree(),
                 {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End},
                 m_dice.Between(1, 3));
    return true;
}

bool MonkeyRun::RenameInTree() {
    QTreeView* tree = Tree();
    if (!tree->isVisible() || !tree->currentIndex().isValid()) {
        return false;
    }
    Note(QStringLiteral("F2 on \"%1\"").arg(tree->currentIndex().data().toString()));
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_F2);
    if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        m_hands.Type(editor, m_hands.WordsText());
        if (editor == QApplication::focusWidget()) {
            QTest::keyClick(editor, m_dice.Chance(50) ? Qt::Key_Return : Qt::Key_Escape);
        }
    }
    return true;
}

bool MonkeyRun::TreeContextMenu() {
    const QList<QModelIndex> items = TreeItems();
    if (!Tree()->isVisible() || items.isEmpty()) {
        return false;
    }
    const QModelIndex index = m_dice.Pick(items);
    Note(QStringLiteral("right-click tree item \"%1\"").arg(index.data().toString()));
    if (QMenu* menu = OpenContextMenu(index)) {
        m_hands.Choose(menu, [](const QAction*) { return true; });
    }
    return true;
}

bool MonkeyRun::RemoveShownItem() {
    const QModelIndex index = IndexOfShownItem();
    if (!Tree()->isVisible() || !index.isValid()) {
        return false;
    }
    Note(QStringLiteral("remove the shown \"%1\"").arg(index.data().toString()));
    if (QMenu* menu = OpenContextMenu(index)) {
        m_hands.Choose(menu, [](const QAction* action) {
            static const QStringList removals = {u"Delete Auditorium"_qs, u"Delete Projector"_qs,
                                                 u"Remove Format"_qs, u"Clear Lens"_qs};
            return removals.contains(action->text());
        });
    }
    return true;
}

bool MonkeyRun::TreeButtonMenu() {
    QList<QToolButton*> buttons;
    for (QToolButton* button : TreeBar().findChildren<QToolButton*>()) {
        if (button->menu() != nullptr && button->isVisible() && button->isEnabled()) {
            buttons << button;
        }
    }
    if (buttons.isEmpty()) {
        return false;
    }
    QToolButton* button = m_dice.Pick(buttons);
    Note(QStringLiteral("open the tree's %1 menu").arg(MonkeyHands::Name(button)));
    button->menu()->popup(button->mapToGlobal(button->rect().bottomLeft()));
    m_hands.Choose(button->menu(), [](const QAction*) { return true; });
    return true;
}

bool MonkeyRun::MainMenu() {
    QList<QMenu*> menus;
    for (const QAction* entry : m_frame->menuBar()->actions()) {
        if (entry->menu() != nullptr && entry->isEnabled()) {
            menus << entry->menu();
        }
    }
    QMenu* menu = m_dice.Pick(menus);
    Note(QStringLiteral("open the %1 menu").arg(menu->title().remove(QLatin1Char('&'))));
    menu->popup(m_frame->menuBar()->mapToGlobal(QPoint(0, m_frame->menuBar()->height())));
    m_hands.Choose(menu, [](const QAction*) { return true; });
    return true;
}

bool MonkeyRun::ToolbarButton() {
    auto* toolBar = m_frame->findChild<QToolBar*>(u"MainToolBar"_qs);
    QList<QWidget*> buttons;
    for (QAction* action : toolBar->actions()) {
        QWidget* button = toolBar->widgetForAction(action);
        if (!action->isSeparator() && button != nullptr && button->isVisible() &&
            action->isEnabled()) {
            buttons << button;
        }
    }
    if (buttons.isEmpty()) {
        return false;
    }
    m_hands.Click(m_dice.Pick(buttons));
    return true;
}

bool MonkeyRun::UseWidget() {
    QList<QWidget*> widgets;
    for (const QWidget* surface : Surfaces()) {
        widgets << MonkeyHands::Usable(surface);
    }
    if (widgets.isEmpty()) {
        return false;
    }
    m_hands.Use(m_dice.Pick(widgets));
    return true;
}

bool MonkeyRun::WindowKeys() {
    static const QList<QKeyCombination> keys = {Qt::CTRL | Qt::Key_Z,
                                                Qt::CTRL | Qt::Key_Y,
                                                Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
                                                Qt::ALT | Qt::Key_Backspace,
                                                Qt::CTRL | Qt::Key_S,
                                                Qt::CTRL | Qt::Key_N,
                                                Qt::CTRL | Qt::Key_O,
                                                Qt::CTRL | Qt::Key_P,
                                                QKeyCombination(Qt::Key_Escape),
                                                QKeyCombination(Qt::Key_Return),
                                                QKeyCombination(Qt::Key_Tab)};
    const QKeyCombination key = m_dice.Pick(keys);
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus != nullptr ? focus : m_frame.get();
    Note(QStringLiteral("key %1 on %2")
             .arg(QKeySequence(key).toString(), MonkeyHands::Name(target)));
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    return true;
}

bool MonkeyRun::UndoOrRedoSome() {
    const bool back = m_dice.Chance(55);
    const int times = m_dice.Between(1, 4);
    Note(QStringLiteral("%1 %2 times").arg(back ? u"undo"_qs : u"redo"_qs).arg(times));
    for (int i = 0; i < times; ++i) {
        Undo(back);
    }
    return true;
}

bool MonkeyRun::RewindAll() {
    const QStringList faults = Rewind();
    for (const QString& fault : faults) {
        Note(fault);
    }
    return true;
}

bool MonkeyRun::ResizeWindow() {
    static const QList<QSize> sizes = {
        {800, 560}, {1024, 720}, {1280, 800}, {640, 480}, {1600, 1000}};
    const QSize size = m_dice.Pick(sizes);
    Note(QStringLiteral("resize the window to %1 x %2").arg(size.width()).arg(size.height()));
    m_frame->resize(size);
    QCoreApplication::processEvents();
    return true;
}

void MonkeyRun::AnswerDialog(QDialog& dialog) {
    const QString indent = m_indent;
    m_indent += QStringLiteral("  ");
    m_replies.Answer(dialog, m_settingUp, m_answers.Depth());
    m_indent = indent;
}

class MonkeyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QuietPlatform();
    }
    void aSeedReplaysTheSameRun();
    void everyActionLeavesTheProjectWhole();
};

void MonkeyTest::aSeedReplaysTheSameRun() {
    constexpr int kActions = 120;
    QString journals[2];
    std::vector<std::uint8_t> bytes[2];
    for (int i = 0; i < 2; ++i) {
        MonkeyRun run(kSuiteSeed + 1);
        const QString failure = run.Run(kActions, kSuiteTimeCap);
        ReportFailure(failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure.section(QLatin1Char('\n'), 0, 0)));
        journals[i] = MonkeyJournal::Summary();
        bytes[i] = run.Bytes();
    }
    QCOMPARE(journals[1], journals[0]);
    QVERIFY(bytes[1] == bytes[0]);
}

void MonkeyTest::everyActionLeavesTheProjectWhole() {
    const int minutes = IntFromEnvironment("LUMIVANE_MONKEY_MINUTES", 0);
    const std::uint32_t seed = SeedFromEnvironment(kSuiteSeed);
    const int actions =
        minutes > 0 ? -1 : IntFromEnvironment("LUMIVANE_MONKEY_ACTIONS", kSuiteActions);
    const std::chrono::seconds cap =
        minutes > 0 ? std::chrono::seconds(minutes * 60) : kSuiteTimeCap;
    qInfo("monkey seed %u", seed);
    MonkeyRun run(seed);
    const QString failure = run.Run(actions, cap);
    qInfo("monkey seed %u: %d actions", seed, run.ActionsDone());
    ReportFailure(failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure.section(QLatin1Char('\n'), 0, 0)));
}

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
