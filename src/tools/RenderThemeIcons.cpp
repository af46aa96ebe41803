// Renders the application icon as the PNG files of a freedesktop icon theme, so desktops that
// do not scale SVG icons still show the program and its project files sharply at every size.
//
// lumivane-render-icons OUTDIR writes OUTDIR/<N>x<N>/apps/lumivane.png and
// OUTDIR/<N>x<N>/mimetypes/application-x-lumivane-project.png for each size the icon is drawn at.

#include "ui/IconLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QTextStream>

namespace {

const QStringList kThemeFiles = {QStringLiteral("apps/lumivane.png"),
                                 QStringLiteral("mimetypes/application-x-lumivane-project.png")};

bool WriteSize(const QDir& out, const QPixmap& pixmap, int size) {
    const QString sizeFolder = QStringLiteral("%1x%1/").arg(size);
    for (const QString& file : kThemeFiles) {
        const QString path = out.filePath(sizeFolder + file);
        if (!QDir().mkpath(QFileInfo(path).path()) || !pixmap.save(path, "PNG")) {
            QTextStream(stderr) << "Cannot write " << path << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: lumivane-render-icons OUTDIR\n";
        return 2;
    }
    const QIcon icon = lumivane::LoadIcon(QStringLiteral("lumivane"));
    if (icon.availableSizes().isEmpty()) {
        QTextStream(stderr) << "The application icon is missing from the resources.\n";
        return 1;
    }
    const QDir out(arguments.at(1));
    for (const QSize& size : icon.availableSizes()) {
        if (!WriteSize(out, icon.pixmap(size), size.width())) {
            return 1;
        }
    }
    return 0;
}
