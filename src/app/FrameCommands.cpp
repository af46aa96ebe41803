#include "app/FrameCommands.h"

#include "ui/IconLibrary.h"

#include <QAction>
#include <QKeySequence>

namespace {

enum Availability { Ready, Later, Never };

struct CommandInfo {
    const char* name;
    const char* text;
    // Status-bar prompt and tooltip, split at "\n".
    const char* prompt;
    // Portable key texts, "; " between several.
    const char* keys = "";
    const char* icon = "";
    bool checkable = false;
    Availability availability = Ready;
};

// In the order of FrameCommand.
const CommandInfo kCommands[kFrameCommandCount] = {
    {"New", "&New", "Create a new project\nNew", "Ctrl+N", "new"},
    {"Open", "&Open...", "Open an existing project\nOpen", "Ctrl+O", "open"},
    {"Save", "&Save", "Save the active project\nSave", "Ctrl+S", "save"},
    {"SaveAs", "Save &As...", "Save the active project with a new name\nSave As"},
    {"Print", "&Print...", "Print the project report\nPrint", "Ctrl+P", "print"},
    {"PrintPreview", "Print Pre&view...",
     "Show the project report as it will be printed\nPrint Preview"},
    {"PrintPurchaseList", "Print Purchase &List...",
     "Print the lenses and attachments the project needs\nPrint Purchase List"},
    {"PrintProjectDetails", "Print Project &Details...",
     "Print the details pages of every item of the project\nPrint Project Details"},
    {"PrintItemDetails", "Print Item Details...",
     "Print the details pages of the item shown\nPrint Item Details"},
    {"PrintProductList", "Print P&roduct List...",
     "Print the products of the lens catalog\nPrint Product List"},
    {"PrintLightReport", "Print Light and Si&ghtlines...",
     "Print the light and sightline checks of every auditorium\nPrint Light and Sightlines"},
    {"PreviewLightReport", "Light and Sightlines Previe&w...",
     "Show the light and sightline checks as they will be printed\nLight and Sightlines "
     "Preview"},
    {"PrintToTextFile", "Print to &Text File...",
     "Write the project report to a text file\nPrint to Text File"},
    {"ExportDrawing", "Export Draw&ing...",
     "Write the drawing shown as an SVG or DXF file for others\nExport Drawing", "", "", false,
     Later},
    {"EmailProject", "&Email Project", "Send the project file by e-mail\nEmail Project", "",
     "email"},
    {"EmailProjectData", "Email Project &Data",
     "Send the project report in the body of an e-mail\nEmail Project Data", "", "email-data"},
    {"EmailProjectPdf", "Email Project &PDF",
     "Send the project details as a PDF file by e-mail\nEmail Project PDF"},
    {"Exit", "E&xit", "Quit the application; prompts to save the project\nExit"},
    {"Cut", "Cu&t", "Cut the selection and put it on the Clipboard\nCut", "Ctrl+X; Shift+Del", "",
     false, Never},
    {"Copy", "&Copy", "Copy the selection and put it on the Clipboard\nCopy", "Ctrl+C; Ctrl+Ins",
     "", false, Never},
    {"Paste", "&Paste", "Insert the Clipboard contents\nPaste", "Ctrl+V; Shift+Ins", "", false,
     Never},
    {"AuditoriumWizard", "&Auditorium Wizard...",
     "Build a new auditorium from a few answers\nAuditorium Wizard"},
    {"EnglishUnits", "&English Units", "Show lengths in feet and inches\nEnglish Units", "", "",
     true},
    {"MetricUnits", "&Metric Units", "Show lengths in metres\nMetric Units", "", "", true},
    {"LockThrow", "Lock &Throw", "Keep the throw distance when other values change\nLock Throw", "",
     "", true},
    {"LockImageSize", "Lock &Image Size",
     "Keep the image size when other values change\nLock Image Size", "", "", true},
    {"LockFocalLength", "Lock Focal &Length",
     "Keep the focal length when other values change\nLock Focal Length", "", "", true},
    {"FixedFocalLengths", "Fi&xed Focal Lengths",
     "Treat every lens as a fixed focal length lens\nFixed Focal Lengths", "", "", true},
    {"ProjectSettings", "Project Settings...",
     "Edit the manager and the dates of the project\nProject Settings"},
    {"FilmFormats", "&Film Formats...",
     "Add, change or remove your own film formats\nFilm Formats"},
    {"Options", "&Options...",
     "Change the company information and the defaults of new auditoriums\nOptions"},
    {"ToggleToolbar", "&Toolbar", "Show or hide the toolbar\nToggle Toolbar", "", "", true},
    {"ToggleStatusBar", "&Status Bar", "Show or hide the status bar\nToggle Status Bar", "", "",
     true},
    {"ToggleProjectTree", "&Project Tree", "Show or hide the project tree\nToggle Project Tree", "",
     "project-tree", true},
    {"ToggleDrawingMeasures", "Drawing &Measures",
     "Show dimensions, a scale bar and every format of the projector in the drawing\nDrawing "
     "Measures",
     "", "", true},
    {"HelpIndex", "&Index", "Open the help with its index\nHelp Index", "", "help"},
    {"AboutMaker", "About &Halvard Optics",
     "Open the help at its welcome page\nAbout Halvard Optics"},
    {"About", "&About Lumivane...",
     "Display program information, version number and copyright\nAbout"},
    {"ScreenCurve", "Screen Curve", "Screen Curve\nScreen Curve", "", "screen-curve", true, Later},
    {"ScreenTilt", "Screen Tilt", "Screen Tilt\nScreen Tilt", "", "screen-tilt", true, Later},
};

const CommandInfo& Info(FrameCommand command) {
    return kCommands[static_cast<int>(command)];
}

} // namespace

QAction* MakeFrameAction(FrameCommand command, QObject* parent) {
    const CommandInfo& info = Info(command);
    auto* action = new QAction(QString::fromLatin1(info.text), parent);
    action->setObjectName(QStringLiteral("action") + QString::fromLatin1(info.name));
    const QStringList prompt = QString::fromLatin1(info.prompt).split(u'\n');
    action->setStatusTip(prompt.front());
    action->setToolTip(prompt.back());
    action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(info.keys)));
    if (*info.icon != '\0') {
        action->setIcon(lumivane::LoadIcon(QString::fromLatin1(info.icon)));
    }
    action->setCheckable(info.checkable);
    // A check mark says more than a framed icon.
    action->setIconVisibleInMenu(!info.checkable);
    action->setEnabled(info.availability == Ready);
    return action;
}

QString ToolButtonName(FrameCommand command) {
    // The button is known by the help command's full name; "Index" alone would not say whose.
    if (command == FrameCommand::HelpIndex) {
        return QStringLiteral("Help Index");
    }
    return PlainCommandText(QString::fromLatin1(Info(command).text));
}

QString PlainCommandText(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    if (plain.endsWith(QStringLiteral("..."))) {
        plain.chop(3);
    }
    return plain;
}
