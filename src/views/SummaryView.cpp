#include "views/SummaryView.h"

#include "base/RichTextDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <QTextBrowser>
#include <QVBoxLayout>

SummaryView::SummaryView(CQorDoc& doc, lumivane::ViewKind kind, QWidget* parent)
    : CQorView(doc, parent), m_kind(kind), m_text(new QTextBrowser(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    m_text->setAccessibleName(tr("Summary"));
    setAccessibleName(tr("Summary"));
}

void SummaryView::Refresh(bool /*force*/) {
    RichTextDoc summary;
    const CAuditorium* auditorium = GetAuditorium();
    const CProjectorType* projector = GetProjector();
    const CLensType* setUp = GetLensType();
    if (setUp != nullptr &&
        (m_kind == lumivane::ViewKind::Format || m_kind == lumivane::ViewKind::Lens)) {
        setUp->WriteSummary(summary, *auditorium, *projector, true);
    } else if (projector != nullptr && m_kind == lumivane::ViewKind::Projector) {
        projector->WriteSummary(summary);
    } else if (auditorium != nullptr) {
        auditorium->WriteSummary(summary);
    }
    m_text->setPlainText(QString::fromStdString(summary.GetText()));
}
