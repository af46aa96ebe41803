#include "app/ScreenBars.h"

#include "ui/ProjectRelay.h"
#include "views/ScreenCurveBar.h"
#include "views/ScreenTiltBar.h"
#include "views/ViewPane.h"

#include <QAction>
#include <QToolBar>

ScreenBars::ScreenBars(CQorDoc& doc, ViewPane& pane, lumivane::ProjectRelay& relay, ViewHooks hooks,
                       const Buttons& buttons, QWidget* frame)
    : QObject(frame), m_doc(doc), m_pane(pane), m_hooks(std::move(hooks)), m_buttons(buttons),
      m_frame(frame) {
    using lumivane::ProjectRelay;
    for (QAction* button : {buttons.curve, buttons.tilt}) {
        button->setEnabled(true);
        button->setChecked(false);
    }
    connect(buttons.curve, &QAction::triggered, this,
            [this] { Toggle(Made(m_curveBar, m_buttons.curve), m_buttons.curve); });
    connect(buttons.tilt, &QAction::triggered, this,
            [this] { Toggle(Made(m_tiltBar, m_buttons.tilt), m_buttons.tilt); });

    const auto follow = [this] {
        Redisplay(false);
    };
    connect(&pane, &ViewPane::placeChanged, this, follow);
    connect(&relay, &ProjectRelay::itemChanged, this, follow);
    connect(&relay, &ProjectRelay::itemInserted, this, follow);
    connect(&relay, &ProjectRelay::itemRemoved, this, follow);
    connect(&relay, &ProjectRelay::projectReplaced, this, follow);
    connect(&relay, &ProjectRelay::unitsChanged, this, [this] { Redisplay(true); });
}

void ScreenBars::ShowTiltBar() {
    ScreenTiltBar* bar = Made(m_tiltBar, m_buttons.tilt);
    if (bar->isHidden()) {
        ShowUnder(bar, m_buttons.tilt);
    }
}

template <class Bar> Bar* ScreenBars::Made(Bar*& bar, QAction* button) {
    if (bar == nullptr) {
        bar = new Bar(
            m_doc, m_hooks, [this] { return m_pane.CurrentPlace().path.auditorium; }, m_frame);
        // However the bar goes (its close button included), the button follows.
        connect(bar, &ScreenBar::visibilityChanged, button, &QAction::setChecked);
    }
    return bar;
}

void ScreenBars::Toggle(ScreenBar* bar, QAction* button) {
    if (bar->isHidden()) {
        ShowUnder(bar, button);
    } else {
        bar->hide();
    }
}

// The bar's top-left corner goes to the bottom-left corner of its button.
void ScreenBars::ShowUnder(ScreenBar* bar, QAction* button) {
    if (QWidget* widget = m_buttons.toolBar->widgetForAction(button);
        widget != nullptr && widget->isVisible()) {
        bar->move(widget->mapToGlobal(QPoint(0, widget->height())));
    }
    bar->show();
}

void ScreenBars::Redisplay(bool force) {
    for (ScreenBar* bar : std::initializer_list<ScreenBar*>{m_curveBar, m_tiltBar}) {
        if (bar != nullptr && bar->isVisible()) {
            bar->Redisplay(force);
        }
    }
}
