#pragma once
// The drawing's commands: "Export Drawing..." in the File menu writes the drawing shown (front
// view or section, as the view's display shows it) as SVG or DXF; "Drawing Measures" in the
// View menu shows the dimensions, the scale bar and every format of the projector in every
// drawing, and is remembered in the settings store. The file name is asked through one
// function, the file dialog, so tests export without a dialog.

#include <QObject>
#include <QString>

#include <functional>

class CMainFrame;
class ScreenDisplay;

class DrawingCommands : public QObject {
    Q_OBJECT

public:
    // The file to write, given whether DXF can be written; empty when the user cancelled.
    using FileChoice = std::function<QString(bool dxf)>;

    explicit DrawingCommands(CMainFrame& frame);

    void SetFileChoice(FileChoice choice) { m_choose = std::move(choice); }

private:
    void Export();
    void SetMeasures(bool on);
    void FollowPlace();
    const ScreenDisplay* ShownDisplay() const;

    CMainFrame& m_frame;
    FileChoice m_choose;
};
