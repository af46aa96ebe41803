#include "ui/IconLibrary.h"

#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <array>

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

} // namespace

QIcon LoadIcon(const QString& name) {
    QIcon icon;
    for (const int size : kSizes) {
        const QString file = SourceFor(name, size);
        if (!file.isEmpty()) {
            icon.addPixmap(Render(file, QSize(size, size)));
        }
    }
    return icon;
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
