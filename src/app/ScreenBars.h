#pragma once
// The main window's two floating bars for the screen curve and tilt. Each is made on the
// first press of its toolbar button and placed under the button; the button shows it again
// there, or hides it, and is checked while it is shown. The bars follow the auditorium the
// pane shows and redisplay on every change of the project and of the unit system.

#include "views/ViewHooks.h"

#include <QObject>

class CQorDoc;
class QAction;
class QToolBar;
class QWidget;
class ScreenBar;
class ScreenCurveBar;
class ScreenTiltBar;
class ViewPane;

namespace lumivane {
class ProjectRelay;
}

class ScreenBars : public QObject {
    Q_OBJECT

public:
    struct Buttons {
        QToolBar* toolBar;
        QAction* curve;
        QAction* tilt;
    };

    ScreenBars(CQorDoc& doc, ViewPane& pane, lumivane::ProjectRelay& relay, ViewHooks hooks,
               const Buttons& buttons, QWidget* frame);

    // What the auditorium view's "Details" asks for: the tilt bar, unless it is shown.
    void ShowTiltBar();
    // Null until first shown.
    ScreenCurveBar* CurveBar() const { return m_curveBar; }
    ScreenTiltBar* TiltBar() const { return m_tiltBar; }

private:
    template <class Bar> Bar* Made(Bar*& bar, QAction* button);
    void Toggle(ScreenBar* bar, QAction* button);
    void ShowUnder(ScreenBar* bar, QAction* button);
    void Redisplay(bool force);

    CQorDoc& m_doc;
    ViewPane& m_pane;
    ViewHooks m_hooks;
    Buttons m_buttons;
    QWidget* m_frame;
    ScreenCurveBar* m_curveBar = nullptr;
    ScreenTiltBar* m_tiltBar = nullptr;
};
