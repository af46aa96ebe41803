#pragma once
// The main window's commands: each one's menu text with its mnemonic, its keys, its status-bar
// prompt and tooltip and its toolbar icon. Commands whose work comes with later parts of the
// program (the screen bars) are made here too, greyed; those parts find them by FrameCommand,
// connect and enable them.

#include <QString>
#include <Qt>

class QAction;
class QObject;

// Commands that may open a dialog or ask a question run once their menu has closed and
// whoever invoked them has been answered: a screen reader's call then returns at once instead
// of waiting on the dialog.
inline constexpr Qt::ConnectionType kAfterMenu = Qt::QueuedConnection;

enum class FrameCommand {
    New,
    Open,
    Save,
    SaveAs,
    Print,
    PrintPreview,
    PrintPurchaseList,
    PrintProjectDetails,
    PrintItemDetails,
    PrintProductList,
    PrintLightReport,
    PreviewLightReport,
    PrintToTextFile,
    ExportDrawing,
    EmailProject,
    EmailProjectData,
    EmailProjectPdf,
    Exit,
    Cut,
    Copy,
    Paste,
    AuditoriumWizard,
    EnglishUnits,
    MetricUnits,
    LockThrow,
    LockImageSize,
    LockFocalLength,
    FixedFocalLengths,
    ProjectSettings,
    FilmFormats,
    Options,
    ToggleToolbar,
    ToggleStatusBar,
    ToggleProjectTree,
    ToggleDrawingMeasures,
    HelpIndex,
    AboutMaker,
    About,
    ScreenCurve,
    ScreenTilt,
};
inline constexpr int kFrameCommandCount = static_cast<int>(FrameCommand::ScreenTilt) + 1;

// The command's action, parented to parent, with its object name ("actionNew" and so on).
// Commands that nothing carries out yet start greyed; Cut, Copy and Paste stay greyed, since
// their keys reach the focused text field, which does the work itself.
QAction* MakeFrameAction(FrameCommand command, QObject* parent);

// What a screen reader announces for the command's toolbar button.
QString ToolButtonName(FrameCommand command);

// A menu text as plain words: no mnemonic marker, no trailing "...".
QString PlainCommandText(const QString& text);
