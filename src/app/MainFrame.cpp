#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/DocumentCommands.h"
#include "app/DrawingCommands.h"
#include "app/HelpWindow.h"
#include "app/MailCommands.h"
#include "app/PrintCommands.h"
#include "app/ProjectTreeBar.h"
#include "app/ScreenBars.h"
#include "app/UndoBridge.h"
#include "base/SettingsStore.h"
#include "base/WindowPlacement.h"
#include "dialogs/AdjustFormatDlg.h"
#include "dialogs/AuditoriumWizardSheet.h"
#include "dialogs/FormatsDlg.h"
#include "dialogs/OptionsSheet.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "document/ViewKind.h"
#include "ui/IconLibrary.h"
#include "ui/ProjectMail.h"
#include "ui/ProjectRelay.h"
#include "views/ItemViews.h"
#include "views/QorView.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include <optional>

using lumivane::Ctx;
using lumivane::PlacementRect;
using lumivane::WindowPlacement;

namespace {

const std::string kLayoutSection = "Layout";
const std::string kLayoutState = "State";
const std::string kLayoutStatusBar = "StatusBar";
const std::string kWindowSection = "Window";
const std::string kPosition = "Position";
// Raised when the bars change so much that an older layout would misplace them.
constexpr int kLayoutVersion = 1;
constexpr QSize kDefaultSize{1024, 720};
constexpr int kTreeWidth = 240;

lumivane::SettingsStore* Store() {
    return Ctx().settingsStore.get();
}

PlacementRect ToPlacement(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

QRect FromPlacement(const PlacementRect& r) {
    return {QPoint(r.left, r.top), QSize(r.right - r.left, r.bottom - r.top)};
}

std::vector<PlacementRect> AvailableScreens() {
    std::vector<PlacementRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(ToPlacement(screen->availableGeometry()));
    }
    return screens;
}

using Entries = std::initializer_list<std::optional<FrameCommand>>;
constexpr std::nullopt_t kSeparator = std::nullopt;

// Adds the commands' actions to a menu or toolbar in order, an empty entry as a separator.
template <class Bar> void AddEntries(Bar& bar, const CMainFrame& frame, Entries entries) {
    for (const auto& entry : entries) {
        if (entry) {
            bar.addAction(frame.Action(*entry));
        } else {
            bar.addSeparator();
        }
    }
}

// The first project file among the dropped ones; empty when there is none.
QString DroppedProject(const QMimeData* mime) {
    for (const QUrl& url : mime->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() &&
            QFileInfo(path).suffix().compare(u"hoprj", Qt::CaseInsensitive) == 0) {
            return path;
        }
    }
    return {};
}

} // namespace

CMainFrame::CMainFrame(CQorDoc& doc, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_relay(new lumivane::ProjectRelay(doc, this)),
      m_pane(new ViewPane(doc, *m_relay, this)), m_undo(new UndoBridge(doc, *m_pane, this)),
      m_commands(new DocumentCommands(doc, *m_undo, this, this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(lumivane::LoadIcon(QStringLiteral("lumivane")));
    setCentralWidget(m_pane);
    setAcceptDrops(true);
    // The lock mode is not kept between runs.
    Ctx().lockMode = LockThrow;

    MakeActions();
    MakeMenus();
    MakeToolBar();
    MakeStatusBar();
    MakeTreeDock();
    ConnectFileCommands();
    ConnectSettingsCommands();
    ConnectViewCommands();
    ConnectHelpCommands();
    m_printing = new PrintCommands(doc, *this);
    new MailCommands(doc, *this, lumivane::MakeProjectMailer());
    m_drawings = new DrawingCommands(*this);
    MakeViews();

    if (lumivane::SettingsStore* store = Store()) {
        lumivane::ReadOptions(*store, Ctx().settings);
    }
    RestoreLayout();
    RestorePlacement();
    setWindowTitle(m_commands->WindowTitle());
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::RefreshView() {
    if (CQorView* view = m_pane->CurrentView()) {
        view->Refresh(true);
    }
}

// The tree bar listens to the relay and the pane, which as earlier children would otherwise go
// first.
CMainFrame::~CMainFrame() {
    delete m_treeDock;
}

void CMainFrame::MakeActions() {
    for (int i = 0; i < kFrameCommandCount; ++i) {
        m_actions[i] = MakeFrameAction(static_cast<FrameCommand>(i), this);
        addAction(m_actions[i]);
    }
    auto* units = new QActionGroup(this);
    units->addAction(Action(FrameCommand::EnglishUnits));
    units->addAction(Action(FrameCommand::MetricUnits));
    auto* locks = new QActionGroup(this);
    locks->addAction(Action(FrameCommand::LockThrow));
    locks->addAction(Action(FrameCommand::LockImageSize));
    locks->addAction(Action(FrameCommand::LockFocalLength));
}

void CMainFrame::MakeMenus() {
    using enum FrameCommand;
    QMenu* file = menuBar()->addMenu(tr("&File"));
    AddEntries(*file, *this,
               {New,
                Open,
                Save,
                SaveAs,
                kSeparator,
                Print,
                PrintPreview,
                PrintPurchaseList,
                PrintProjectDetails,
                PrintItemDetails,
                PrintProductList,
                PrintLightReport,
                PreviewLightReport,
                kSeparator,
                PrintToTextFile,
                ExportDrawing,
                kSeparator,
                EmailProject,
                EmailProjectData,
                EmailProjectPdf,
                kSeparator});
    MakeRecentFileActions(file);
    AddEntries(*file, *this, {kSeparator, Exit});

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(m_undo->UndoAction());
    edit->addAction(m_undo->RedoAction());
    AddEntries(*edit, *this, {kSeparator, Cut, Copy, Paste, kSeparator, AuditoriumWizard});

    AddEntries(*menuBar()->addMenu(tr("&Settings")), *this,
               {EnglishUnits, MetricUnits, kSeparator, LockThrow, LockImageSize, LockFocalLength,
                kSeparator, FixedFocalLengths, kSeparator, ProjectSettings, FilmFormats, Options});
    AddEntries(
        *menuBar()->addMenu(tr("&View")), *this,
        {ToggleToolbar, ToggleStatusBar, ToggleProjectTree, kSeparator, ToggleDrawingMeasures});
    AddEntries(*menuBar()->addMenu(tr("&Help")), *this, {HelpIndex, AboutMaker, kSeparator, About});
}
// Menu entries carry the list position they open, so they need no numbering of their own.
void CMainFrame::MakeRecentFileActions(QMenu* menu) {
    m_noRecentFile = menu->addAction(tr("Recent File"));
    m_noRecentFile->setObjectName(QStringLiteral("actionRecentFileNone"));
    m_noRecentFile->setStatusTip(tr("The projects opened last are listed here"));
    m_noRecentFile->setEnabled(false);
    for (int i = 0; i < lumivane::kRecentFileCount; ++i) {
        QAction* recent = menu->addAction(QString());
        recent->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
        recent->setData(i);
        connect(
            recent, &QAction::triggered, this,
            [this, recent] { m_commands->OpenRecent(recent->data().toInt()); }, kAfterMenu);
        m_recentFiles[i] = recent;
    }
    FillRecentFiles();
}

void CMainFrame::MakeToolBar() {
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    using enum FrameCommand;
    const Entries buttons = {
        New,         Open,       Save,       kSeparator,   ToggleProjectTree, Print,    kSeparator,
        ScreenCurve, ScreenTilt, kSeparator, EmailProject, EmailProjectData,  HelpIndex};
    AddEntries(*m_toolBar, *this, buttons);
    for (const auto& button : buttons) {
        if (button) {
            m_toolBar->widgetForAction(Action(*button))->setAccessibleName(ToolButtonName(*button));
        }
    }
}

void CMainFrame::MakeStatusBar() {
    // Qt cannot read the lock keys portably, so the bar has no CAP, NUM and SCRL indicators.
    auto* ready = new QLabel(tr("Ready"));
    ready->setObjectName(QStringLiteral("idleMessage"));
    statusBar()->addWidget(ready, 1);
}

void CMainFrame::MakeTreeDock() {
    m_treeDock = new QDockWidget(tr("Project"), this);
    m_treeDock->setObjectName(QStringLiteral("ProjectTreeBar"));
    auto* bar = new ProjectTreeBar(m_doc, *m_relay, *m_pane, m_treeDock);
    bar->UseWizardAction(Action(FrameCommand::AuditoriumWizard));
    bar->SetAdjustFormatHandler([this](int auditorium, int projector, int format) {
        lumivane::RunAdjustFormat(m_doc, auditorium, projector, format, this);
    });
    m_treeDock->setWidget(bar);
    addDockWidget(Qt::LeftDockWidgetArea, m_treeDock);
}

void CMainFrame::ConnectFileCommands() {
    using enum FrameCommand;
    connect(Action(New), &QAction::triggered, m_commands, &DocumentCommands::New, kAfterMenu);
    connect(Action(Open), &QAction::triggered, m_commands, &DocumentCommands::Open, kAfterMenu);
    connect(Action(Save), &QAction::triggered, m_commands, &DocumentCommands::Save, kAfterMenu);
    connect(Action(SaveAs), &QAction::triggered, m_commands, &DocumentCommands::SaveAs, kAfterMenu);
    connect(Action(Exit), &QAction::triggered, this, &QWidget::close, kAfterMenu);
    connect(m_commands, &DocumentCommands::recentFilesChanged, this, &CMainFrame::FillRecentFiles);
    connect(m_commands, &DocumentCommands::windowTitleChanged, this, &QWidget::setWindowTitle);
    connect(m_relay, &lumivane::ProjectRelay::modifiedChanged, this, &QWidget::setWindowModified);
}

void CMainFrame::ConnectSettingsCommands() {
    using enum FrameCommand;
    connect(Action(EnglishUnits), &QAction::triggered, this, [this] { UseMetricUnits(false); });
    connect(Action(MetricUnits), &QAction::triggered, this, [this] { UseMetricUnits(true); });
    connect(Action(LockThrow), &QAction::triggered, this, [this] { UseLockMode(::LockThrow); });
    connect(Action(LockImageSize), &QAction::triggered, this,
            [this] { UseLockMode(::LockImageSize); });
    connect(Action(LockFocalLength), &QAction::triggered, this,
            [this] { UseLockMode(::LockFocalLength); });
    connect(Action(FixedFocalLengths), &QAction::triggered, this, &CMainFrame::UseFixedFocal);
    connect(Action(ProjectSettings), &QAction::triggered, m_commands,
            &DocumentCommands::ProjectSettings, kAfterMenu);
    connect(
        Action(FilmFormats), &QAction::triggered, this,
        [this] { lumivane::ShowFormatsDialog(m_doc, this); }, kAfterMenu);
    connect(
        Action(Options), &QAction::triggered, this,
        [this] {
            if (lumivane::ShowOptionsSheet(&m_doc, this)) {
                RefreshView();
            }
        },
        kAfterMenu);
    // The auditorium the wizard built is shown, and the tree selects it with the pane; shown
    // as soon as its step is recorded, so that redo shows it again.
    connect(
        Action(AuditoriumWizard), &QAction::triggered, this,
        [this] {
            const int added = lumivane::RunAuditoriumWizard(m_doc, this);
            if (added >= 0) {
                m_pane->ShowAuditorium(added);
            }
        },
        kAfterMenu);
    // Reading a project can switch the units too.
    connect(m_relay, &lumivane::ProjectRelay::unitsChanged, this, &CMainFrame::ShowUnits);
    connect(m_relay, &lumivane::ProjectRelay::projectReplaced, this, &CMainFrame::ShowUnits);
    ShowUnits();
    Action(LockThrow)->setChecked(true);
    Action(FixedFocalLengths)->setChecked(Ctx().settings.m_fixedFocal);
}

void CMainFrame::ConnectViewCommands() {
    using enum FrameCommand;
    // Each bar's own toggle action follows it however it is hidden, its close button included.
    const auto follow = [this](QAction* command, QWidget* bar, QAction* barToggle) {
        command->setChecked(true);
        connect(command, &QAction::triggered, bar, &QWidget::setVisible);
        if (barToggle != nullptr) {
            connect(barToggle, &QAction::toggled, command, &QAction::setChecked);
        }
    };
    follow(Action(ToggleToolbar), m_toolBar, m_toolBar->toggleViewAction());
    follow(Action(ToggleStatusBar), statusBar(), nullptr);
    follow(Action(ToggleProjectTree), m_treeDock, m_treeDock->toggleViewAction());
}

void CMainFrame::ConnectHelpCommands() {
    using enum FrameCommand;
    connect(Action(HelpIndex), &QAction::triggered, this,
            [this] { OpenHelp([](lumivane::HelpWindow& help) { help.ShowIndex(); }); });
    connect(Action(AboutMaker), &QAction::triggered, this, [this] {
        OpenHelp(
            [](lumivane::HelpWindow& help) { help.ShowPage(lumivane::HelpWindow::kHomePage); });
    });
    connect(
        Action(About), &QAction::triggered, this,
        [this] {
            CAboutDlg about(this);
            about.exec();
        },
        kAfterMenu);
}

// The views and the screen bars store each field's burst of edits as one undo step.
void CMainFrame::MakeViews() {
    ViewHooks hooks{[this](const QObject* field) { m_undo->FieldEdited(field); },
                    [this](const QObject* field) { m_undo->FieldFinished(field); },
                    {},
                    [this](int auditorium, int projector, int format) {
                        m_pane->ShowFormat(auditorium, projector, format);
                    }};
    m_screenBars = new ScreenBars(
        m_doc, *m_pane, *m_relay, hooks,
        {m_toolBar, Action(FrameCommand::ScreenCurve), Action(FrameCommand::ScreenTilt)}, this);
    hooks.showTiltBar = [this] {
        m_screenBars->ShowTiltBar();
    };
    RegisterItemViews(*m_pane, *m_relay, hooks);
}

void CMainFrame::FillRecentFiles() {
    const QStringList files = m_commands->RecentFiles();
    for (int i = 0; i < lumivane::kRecentFileCount; ++i) {
        QAction* recent = m_recentFiles[i];
        recent->setVisible(i < files.size());
        if (i < files.size()) {
            recent->setText(m_commands->RecentMenuText(i));
            recent->setStatusTip(tr("Open %1").arg(QDir::toNativeSeparators(files[i])));
        }
    }
    m_noRecentFile->setVisible(files.isEmpty());
}

void CMainFrame::ShowUnits() {
    const bool metric = Ctx().metricUnits;
    Action(FrameCommand::MetricUnits)->setChecked(metric);
    Action(FrameCommand::EnglishUnits)->setChecked(!metric);
}

// The editor tells every listener, so the pane rewrites the fields of the view shown.
void CMainFrame::UseMetricUnits(bool metric) {
    m_doc.Editor().SetMetricUnits(metric);
    if (lumivane::SettingsStore* store = Store()) {
        lumivane::WriteUnitChoice(*store, metric);
    }
    ShowUnits();
}

// The next computation uses the mode; nothing changes at once.
void CMainFrame::UseLockMode(LockMode mode) {
    Ctx().lockMode = mode;
}

void CMainFrame::UseFixedFocal(bool fixedFocal) {
    m_doc.Editor().SetFixedFocal(fixedFocal);
    if (CQorView* view = m_pane->CurrentView()) {
        view->ResetFields();
    }
    if (lumivane::SettingsStore* store = Store()) {
        lumivane::WriteFixedFocal(*store, fixedFocal);
    }
}

void CMainFrame::OpenHelp(const std::function<void(lumivane::HelpWindow&)>& show) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_help == nullptr) {
        m_help = new lumivane::HelpWindow(this);
    }
    show(*m_help);
    QGuiApplication::restoreOverrideCursor();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_commands->CanClose()) {
        event->ignore();
        return;
    }
    SaveLayout();
    SavePlacement();
    if (lumivane::SettingsStore* store = Store()) {
        lumivane::WriteOptions(*store, Ctx().settings);
    }
    if (m_help != nullptr) {
        m_help->close();
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedProject(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DroppedProject(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opening may first ask to save; the question waits until the drag has ended.
    QMetaObject::invokeMethod(
        this, [this, path] { m_commands->OpenFile(path); }, Qt::QueuedConnection);
}

void CMainFrame::RestoreLayout() {
    resizeDocks({m_treeDock}, {kTreeWidth}, Qt::Horizontal);
    lumivane::SettingsStore* store = Store();
    if (store == nullptr) {
        return;
    }
    if (const auto state = store->ReadBlock(kLayoutSection, kLayoutState)) {
        restoreState(QByteArray(reinterpret_cast<const char*>(state->data()),
                                static_cast<qsizetype>(state->size())),
                     kLayoutVersion);
    }
    statusBar()->setHidden(store->ReadInt(kLayoutSection, kLayoutStatusBar, 1) == 0);
    // The bars' own toggles learn of a change only once the window is on screen.
    Action(FrameCommand::ToggleToolbar)->setChecked(!m_toolBar->isHidden());
    Action(FrameCommand::ToggleStatusBar)->setChecked(!statusBar()->isHidden());
    Action(FrameCommand::ToggleProjectTree)->setChecked(!m_treeDock->isHidden());
}

void CMainFrame::SaveLayout() {
    lumivane::SettingsStore* store = Store();
    if (store == nullptr) {
        return;
    }
    const QByteArray state = saveState(kLayoutVersion);
    store->WriteBlock(kLayoutSection, kLayoutState, {state.begin(), state.end()});
    store->WriteInt(kLayoutSection, kLayoutStatusBar, statusBar()->isHidden() ? 0 : 1);
}

// Without a usable stored placement the window takes a default size centred on its screen.
void CMainFrame::RestorePlacement() {
    const QRect available = screen()->availableGeometry();
    resize(kDefaultSize.boundedTo(available.size() * 0.9));
    move(available.center() - rect().center());
    lumivane::SettingsStore* store = Store();
    const auto bytes =
        store != nullptr ? store->ReadBlock(kWindowSection, kPosition) : std::nullopt;
    const auto placement =
        bytes ? lumivane::UsablePlacement(*bytes, AvailableScreens()) : std::nullopt;
    if (!placement) {
        return;
    }
    setGeometry(FromPlacement(placement->normal));
    if (placement->showCommand == WindowPlacement::kShowMaximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void CMainFrame::SavePlacement() {
    lumivane::SettingsStore* store = Store();
    if (store == nullptr) {
        return;
    }
    WindowPlacement placement;
    placement.showCommand = isMaximized()   ? WindowPlacement::kShowMaximized
                            : isMinimized() ? WindowPlacement::kShowMinimized
                                            : WindowPlacement::kShowNormal;
    const QRect normal = normalGeometry();
    placement.normal = ToPlacement(normal.isValid() ? normal : geometry());
    store->WriteBlock(kWindowSection, kPosition, lumivane::EncodePlacement(placement));
}
