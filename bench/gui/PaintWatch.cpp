#include "gui/PaintWatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace lumivane::bench {

namespace {

constexpr qint64 kPatienceMs = 1000;

} // namespace

PaintWatch::PaintWatch(std::vector<Target> targets)
    : m_targets(std::move(targets)), m_painted(m_targets.size(), false) {
    QCoreApplication::instance()->installEventFilter(this);
}

PaintWatch::~PaintWatch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool PaintWatch::Wait() {
    QElapsedTimer waited;
    waited.start();
    while (!std::all_of(m_painted.begin(), m_painted.end(), [](bool painted) { return painted; })) {
        if (waited.elapsed() > kPatienceMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        const auto* painted = static_cast<const QWidget*>(watched);
        for (std::size_t i = 0; i < m_targets.size(); ++i) {
            const QWidget* target = m_targets[i]();
            if (target != nullptr && (target == painted || target->isAncestorOf(painted))) {
                m_painted[i] = true;
            }
        }
    }
    return false;
}

bool ActAndPaint(const std::function<void()>& action, std::vector<PaintWatch::Target> targets) {
    PaintWatch watch(std::move(targets));
    action();
    return watch.Wait();
}

} // namespace lumivane::bench
