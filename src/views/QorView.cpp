#include "views/QorView.h"

#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "views/FieldSilence.h"

CQorView::CQorView(CQorDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {}

CQorView::~CQorView() {
    SilenceFields(*this);
}

void CQorView::SetItem(const lumivane::ItemPath& path, int format) {
    m_path = path;
    m_format = format;
    Refresh(true);
}

const CAuditorium* CQorView::GetAuditorium() const {
    return m_doc.GetAuditorium(m_path.auditorium);
}

const CProjectorType* CQorView::GetProjector() const {
    return m_doc.GetProjector(m_path.auditorium, m_path.projector);
}

const CLensType* CQorView::GetLensType() const {
    return m_doc.GetLensType(m_path.auditorium, m_path.projector, m_format);
}
