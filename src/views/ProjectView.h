#pragma once
// The pane shown for the project itself: the start picture with the words "Project View".

#include "views/QorView.h"

class CProjectView : public CQorView {
    Q_OBJECT

public:
    CProjectView(CQorDoc& doc, QWidget* parent);

    lumivane::ViewKind Kind() const override { return lumivane::ViewKind::Project; }
    void Refresh(bool /*force*/) override {}

protected:
    void paintEvent(QPaintEvent* event) override;
};
