#pragma once
// A small floating bar of the main window that edits the screen of the auditorium the pane
// shows. It holds no model item: the auditorium is named afresh at every use, so whatever
// the project does in between, the bar never reaches a removed one.

#include "views/AuditoriumFields.h"
#include "views/ViewHooks.h"

#include <QWidget>

#include <functional>

class ScreenBar : public QWidget {
    Q_OBJECT

public:
    // auditorium names the auditorium shown now, -1 for none.
    ScreenBar(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium, const QString& title,
              QWidget* parent);
    ~ScreenBar() override;

    // Shows the auditorium of the moment, or none; forced, every length is written anew, as
    // after a change of unit system.
    virtual void Redisplay(bool force) = 0;

Q_SIGNALS:
    void visibilityChanged(bool visible);

protected:
    const AuditoriumFields& Fields() const { return m_fields; }
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    AuditoriumFields m_fields;
};
