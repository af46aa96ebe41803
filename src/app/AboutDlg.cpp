#include "app/AboutDlg.h"

#include "ui/IconLibrary.h"

#include <QMouseEvent>
#include <QPainter>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Lumivane"));
    // The words are in the picture; this lets a screen reader say them too.
    setAccessibleName(windowTitle());
    setAccessibleDescription(
        QStringLiteral("Lumivane 3.2, by Halvard Optics, Inc. Click anywhere to close."));
    setFixedSize(kPictureSize);
}

void CAboutDlg::paintEvent(QPaintEvent*) {
    if (m_picture.isNull() || m_picture.devicePixelRatio() != devicePixelRatioF()) {
        m_picture =
            lumivane::LoadPicture(QStringLiteral("about"), kPictureSize, devicePixelRatioF());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void CAboutDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}
