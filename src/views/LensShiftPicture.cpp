#include "views/LensShiftPicture.h"

#include "document/QorDoc.h"
#include "model/LensPicture.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int kFrame = 2;
constexpr int kUnitsWide = 11;
constexpr int kSmallestUnits = 5;
const QColor kAperture(0, 255, 0);
const QColor kAsk(255, 0, 0);

QRect ToQt(const lumivane::PixelRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

} // namespace

LensShiftPicture::LensShiftPicture(CQorDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setAccessibleName(tr("Lens Shift"));
    Describe();
    setAttribute(Qt::WA_OpaquePaintEvent);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void LensShiftPicture::SetLensSetup(int auditorium, int projector, int format) {
    m_auditorium = auditorium;
    m_projector = projector;
    m_format = format;
    Describe();
    update();
}

// What the picture shows, in words; the owner sets the set-up again after every change.
void LensShiftPicture::Describe() {
    const CLensType* setUp = m_doc.GetLensType(m_auditorium, m_projector, m_format);
    QString text = tr("No lens set-up.");
    if (setUp && lumivane::PrimeBarrelMm(*setUp) > 0) {
        text = tr("The lens barrel over the film aperture, moved by the lens shift.");
    } else if (setUp) {
        text = tr("The film aperture. Please Select Lens.");
    }
    if (accessibleDescription() != text) {
        setAccessibleDescription(text);
    }
}

int LensShiftPicture::TextUnit() const {
    return fontMetrics().horizontalAdvance(QStringLiteral("Wy"));
}

QSize LensShiftPicture::sizeHint() const {
    const int side = kUnitsWide * TextUnit();
    return {side, side};
}

QSize LensShiftPicture::minimumSizeHint() const {
    const int side = kSmallestUnits * TextUnit();
    return {side, side};
}

void LensShiftPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true, &palette().brush(QPalette::Button));
    const QRect inside = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    const lumivane::LensPicture picture = lumivane::LayoutLensPicture(
        m_doc.GetLensType(m_auditorium, m_projector, m_format),
        {inside.left(), inside.top(), inside.right() + 1, inside.bottom() + 1});
    const QRect square = ToQt(picture.square);
    painter.setClipRect(square);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    // The aperture lies over the barrel's outline where a shift carries it past the edge.
    if (picture.barrel) {
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(ToQt(*picture.barrel));
    }
    if (picture.aperture) {
        painter.setBrush(kAperture);
        painter.drawRect(ToQt(*picture.aperture));
    }
    if (picture.askForLens) {
        painter.setPen(kAsk);
        const QString words[] = {tr("Please"), tr("Select"), tr("Lens")};
        const int line = painter.fontMetrics().height();
        for (int i = 0; i < 3; ++i) {
            const int middle = square.top() + square.height() * (i + 1) / 4;
            painter.drawText(QRect(square.left(), middle - line / 2, square.width(), line),
                             Qt::AlignCenter, words[i]);
        }
    }
}
