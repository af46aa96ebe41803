#include "views/ProjectView.h"

#include "ui/IconLibrary.h"

#include <QPainter>

namespace {

constexpr QSize kPictureSize(640, 480);

} // namespace

CProjectView::CProjectView(CQorDoc& doc, QWidget* parent) : CQorView(doc, parent) {
    setAccessibleName(tr("Project View"));
    setAccessibleDescription(tr("The start picture of the project."));
}

// The picture stays at its size in the middle, cut to the pane when the pane is smaller, on
// white.
void CProjectView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QPixmap picture =
        lumivane::LoadPicture(QStringLiteral("start"), kPictureSize, devicePixelRatioF());
    const QPoint origin((width() - kPictureSize.width()) / 2,
                        (height() - kPictureSize.height()) / 2);
    painter.drawPixmap(QRect(origin, kPictureSize), picture);
    painter.setFont(font());
    painter.drawText(QPoint(20, 20 + painter.fontMetrics().ascent()), tr("Project View"));
}
