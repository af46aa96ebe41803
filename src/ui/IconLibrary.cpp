#include "ui/IconLibrary.h"

#include <QDirIterator>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>
#include <vector>

namespace lumivane {

namespace {

const QString kFolder = QStringLiteral(":/icons/");
constexpr std::array<int, 3> kGrids = {32, 24, 16};
constexpr std::array<int, 7> kSizes = {16, 24, 32, 48, 64, 128, 256};

QString GridFile(const QString& name, int grid) {
    return kFolder + name + u'-' + QString::number(grid) + QStringLiteral(".svg");
}

// The coarsest grid that divides the size, so each stroke falls on whole pixels.
QString SourceFor(const QString& name, int size) {
    for (const int grid : kGrids) {
        const QString file = GridFile(name, grid);
        if (size % grid == 0 && QFile::exists(file)) {
            return file;
        }
    }
    return {};
}

QPixmap Render(const QString& file, QSize pixels) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) {
        return {};
    }
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// Renders each size of an icon the first time it is asked for. Most icons are only ever shown
// at one or two sizes, and rendering every size of every icon up to 256 pixels took more than
// half of the program's start.
class GridIconEngine : public QIconEngine {
public:
    // sources: the drawing for each size, smallest first.
    explicit GridIconEngine(std::vector<std::pair<int, QString>> sources)
        : m_sources(std::move(sources)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Ensure(rect.size() * painter->device()->devicePixelRatio());
        m_rendered.paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Ensure(size);
        return m_rendered.actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Ensure(size);
        return m_rendered.pixmap(size, mode, state);
    }
    // size is in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        Ensure(size);
        return m_rendered.pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& source : m_sources) {
            sizes.append(QSize(source.first, source.first));
        }
        return sizes;
    }
    QString key() const override { return QStringLiteral("lumivane-grid"); }
    QIconEngine* clone() const override { return new GridIconEngine(*this); }

private:
    // Renders the size that fits pixels, the smallest at least as large, else the largest.
    void Ensure(QSize pixels) {
        const int wanted = std::max(pixels.width(), pixels.height());
        auto chosen = std::find_if(m_sources.begin(), m_sources.end(),
                                   [wanted](const auto& source) { return source.first >= wanted; });
        if (chosen == m_sources.end()) {
            chosen = std::prev(m_sources.end());
        }
        if (!m_done.contains(chosen->first)) {
            m_done.append(chosen->first);
            m_rendered.addPixmap(Render(chosen->second, QSize(chosen->first, chosen->first)));
        }
    }

    std::vector<std::pair<int, QString>> m_sources;
    QList<int> m_done;
    QIcon m_rendered;
};

} // namespace

QIcon LoadIcon(const QString& name) {
    std::vector<std::pair<int, QString>> sources;
    for (const int size : kSizes) {
        QString file = SourceFor(name, size);
        if (!file.isEmpty()) {
            sources.emplace_back(size, std::move(file));
        }
    }
    return sources.empty() ? QIcon() : QIcon(new GridIconEngine(std::move(sources)));
}

QPixmap LoadPicture(const QString& name, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap = Render(kFolder + name + QStringLiteral(".svg"), size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QStringList IconNames() {
    static const QRegularExpression gridSuffix(QStringLiteral("-(16|24|32)\\.svg$"));
    QStringList names;
    QDirIterator it(kFolder);
    while (it.hasNext()) {
        const QString file = it.next().mid(kFolder.size());
        if (file.contains(gridSuffix)) {
            names.append(QString(file).remove(gridSuffix));
        }
    }
    names.sort();
    names.removeDuplicates();
    return names;
}

} // namespace lumivane
