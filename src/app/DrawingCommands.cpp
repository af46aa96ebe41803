#include "app/DrawingCommands.h"

#include "app/MainFrame.h"
#include "app/UndoBridge.h"
#include "base/AppContext.h"
#include "base/SettingsStore.h"
#include "reports/DrawingDxf.h"
#include "ui/DrawingExport.h"
#include "ui/ScreenPainter.h"
#include "views/QorView.h"
#include "views/ScreenDisplay.h"
#include "views/ViewPane.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>

using lumivane::Ctx;

namespace {

const std::string kSection = "Layout";
const std::string kMeasures = "DrawingMeasures";

QString AskForFile(QWidget* window, bool dxf) {
    QFileDialog dialog(window, DrawingCommands::tr("Export Drawing"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters{DrawingCommands::tr("SVG Drawings (*.svg)")};
    if (dxf) {
        filters << DrawingCommands::tr("DXF Drawings (*.dxf)");
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("svg"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f.contains(QLatin1String("*.dxf")) ? QStringLiteral("dxf")
                                                                   : QStringLiteral("svg"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

} // namespace

DrawingCommands::DrawingCommands(CMainFrame& frame)
    : QObject(&frame), m_frame(frame),
      m_choose([&frame](bool dxf) { return AskForFile(&frame, dxf); }) {
    QAction* measures = m_frame.Action(FrameCommand::ToggleDrawingMeasures);
    if (lumivane::SettingsStore* store = Ctx().settingsStore.get()) {
        Ctx().drawingMeasures = store->ReadInt(kSection, kMeasures, 0) != 0;
    }
    measures->setChecked(Ctx().drawingMeasures);
    connect(measures, &QAction::toggled, this, &DrawingCommands::SetMeasures);
    connect(
        m_frame.Action(FrameCommand::ExportDrawing), &QAction::triggered, this,
        [this] {
            m_frame.Undo().CommitFieldEdits();
            Export();
        },
        kAfterMenu);
    connect(&m_frame.Pane(), &ViewPane::placeChanged, this, &DrawingCommands::FollowPlace);
    FollowPlace();
}

void DrawingCommands::SetMeasures(bool on) {
    Ctx().drawingMeasures = on;
    if (lumivane::SettingsStore* store = Ctx().settingsStore.get()) {
        store->WriteInt(kSection, kMeasures, on ? 1 : 0);
    }
    for (ScreenDisplay* display : m_frame.findChildren<ScreenDisplay*>()) {
        display->update();
    }
}

// Only a view with a drawing has one to export.
void DrawingCommands::FollowPlace() {
    const ScreenDisplay* display = ShownDisplay();
    m_frame.Action(FrameCommand::ExportDrawing)
        ->setEnabled(display && display->Scene().subjects.auditorium);
}

// The drawing shown by the view's display: its items, and the front view or the section.
const ScreenDisplay* DrawingCommands::ShownDisplay() const {
    CQorView* view = m_frame.Pane().CurrentView();
    return view ? view->findChild<ScreenDisplay*>() : nullptr;
}

void DrawingCommands::Export() {
    const ScreenDisplay* display = ShownDisplay();
    if (!display || !display->Scene().subjects.auditorium) {
        return;
    }
    const QString path = m_choose(lumivane::CanWriteDxf());
    if (path.isEmpty()) {
        return;
    }
    // Looked up again: nothing may have changed while the dialog was open, but nothing is
    // taken on trust either.
    const lumivane::ScreenScene scene = display->Scene();
    const QString error =
        lumivane::ExportDrawing(scene.subjects, scene.view == lumivane::ScreenView::Section,
                                lumivane::FileKindOf(path), path);
    if (!error.isEmpty()) {
        QMessageBox::critical(&m_frame, tr("Error"), error);
    }
}
