#pragma once
// Stands in for a detail view that is not there yet: the item's summary, as the reports print
// it, read-only.

#include "views/QorView.h"

class QTextBrowser;

class SummaryView : public CQorView {
    Q_OBJECT

public:
    SummaryView(CQorDoc& doc, lumivane::ViewKind kind, QWidget* parent);

    lumivane::ViewKind Kind() const override { return m_kind; }
    void Refresh(bool force) override;

private:
    lumivane::ViewKind m_kind;
    QTextBrowser* m_text;
};
