#pragma once
// What a user waits for after an action in the window is the picture: the benchmarks process
// events until the widgets that show the result have painted. A watch notes paint events of
// its targets (and their children) from its creation on, so it is made before the action.

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace lumivane::bench {

class PaintWatch : public QObject {
public:
    // Each target is looked up when a paint happens, so it may name a widget the action makes.
    using Target = std::function<QWidget*()>;

    explicit PaintWatch(std::vector<Target> targets);
    ~PaintWatch() override;
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    // Processes events until every target has painted; false when one has not within a second.
    bool Wait();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<Target> m_targets;
    std::vector<bool> m_painted;
};

// Runs action, then processes events until every target has painted.
bool ActAndPaint(const std::function<void()>& action, std::vector<PaintWatch::Target> targets);

} // namespace lumivane::bench
