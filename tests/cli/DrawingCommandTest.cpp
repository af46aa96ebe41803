#include "base/SourcePaths.h"
#include "reports/DrawingDxf.h"
#include "support/TempDir.h"

#include <QFile>
#include <QMap>
#include <QTest>
#include <QXmlStreamReader>

#include "CliRun.h"

using namespace lumivane;
using lumivane::test::CliRun;
using lumivane::test::Native;

namespace {

const QString kExample = QStringLiteral(LUMIVANE_SOURCE_DATA_DIR "/examples/Multiplex.hoprj");

// The texts of an SVG file by the layer group they stand in, read with Qt's XML reader.
QMap<QString, QStringList> TextsByLayer(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QXmlStreamReader xml(&file);
    QMap<QString, QStringList> texts;
    QString layer;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("g") &&
            xml.attributes().hasAttribute(QLatin1String("id"))) {
            layer = xml.attributes().value(QLatin1String("id")).toString();
            texts[layer];
        } else if (xml.name() == QLatin1String("text")) {
            texts[layer] << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    return xml.hasError() ? QMap<QString, QStringList>{} : texts;
}

} // namespace

class DrawingCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<test::TempDir>(); }

    void frontViewIsWrittenAsSvgWithItsLayers() {
        const QString svg = Out(QStringLiteral("front.svg"));
        const CliRun run = Cli({kExample, QStringLiteral("--item"), QStringLiteral("0/0/0"),
                                QStringLiteral("--svg"), svg});
        QCOMPARE(run.exitCode, 0);
        const QMap<QString, QStringList> texts = TextsByLayer(svg);
        QCOMPARE(texts.keys(), (QStringList{QStringLiteral("dimensions"), QStringLiteral("grid"),
                                            QStringLiteral("images"), QStringLiteral("screen"),
                                            QStringLiteral("text")}));
        QVERIFY(texts[QStringLiteral("dimensions")].contains(
            QStringLiteral("Screen (w/o lacing) : 14.56m")));
        QVERIFY(texts[QStringLiteral("text")].filter(QStringLiteral("Flat: ")).size() == 1);
    }

    void sectionMeasuresTheThrowOnce() {
        const QString svg = Out(QStringLiteral("section.svg"));
        QCOMPARE(Cli({kExample, QStringLiteral("--item"), QStringLiteral("0"),
                      QStringLiteral("--section"), QStringLiteral("--svg"), svg})
                     .exitCode,
                 0);
        const QStringList dimensions = TextsByLayer(svg)[QStringLiteral("dimensions")];
        QCOMPARE(dimensions.filter(QStringLiteral("Throw Distance : 30.00m")).size(), 1);
    }

    void dxfIsWrittenForCad() {
        const QString dxf = Out(QStringLiteral("front.dxf"));
        const CliRun run = Cli({kExample, QStringLiteral("--item"), QStringLiteral("1/0"),
                                QStringLiteral("--dxf"), dxf});
        if (!CanWriteDxf()) {
            // A build without the DXF library (the Windows one) says so and writes nothing.
            QCOMPARE(run.exitCode, 1);
            QVERIFY(run.err.contains("cannot write DXF files; write SVG instead"));
            QVERIFY(!QFile::exists(dxf));
            return;
        }
        QCOMPARE(run.exitCode, 0);
        QFile file(dxf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("dimensions"));
        QVERIFY(bytes.trimmed().endsWith("EOF"));
    }

    void badCommandLinesSaySoAndWriteNothing() {
        const QString svg = Out(QStringLiteral("x.svg"));
        QVERIFY(Cli({kExample, QStringLiteral("--svg"), svg}).err.contains("Usage:"));
        QVERIFY(Cli({kExample, QStringLiteral("--item"), QStringLiteral("0"),
                     QStringLiteral("--svg"), svg, QStringLiteral("--dxf"), svg})
                    .err.contains("Usage:"));
        const CliRun bad = Cli({kExample, QStringLiteral("--item"), QStringLiteral("0/x"),
                                QStringLiteral("--svg"), svg});
        QCOMPARE(bad.exitCode, 1);
        QVERIFY(bad.err.contains("--item takes positions from 0"));
        const CliRun missing = Cli({kExample, QStringLiteral("--item"), QStringLiteral("7"),
                                    QStringLiteral("--svg"), svg});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.endsWith("The project has no item 7.\n"));
        QVERIFY(!QFile::exists(svg));
    }

private:
    QString Out(const QString& name) const { return Native(*m_dir / name.toStdString()); }

    CliRun Cli(QStringList arguments) const {
        arguments.prepend(QStringLiteral("drawing"));
        return test::RunWithShippedCatalog(arguments, m_dir->path());
    }

    std::unique_ptr<test::TempDir> m_dir;
};

QTEST_GUILESS_MAIN(DrawingCommandTest)
#include "DrawingCommandTest.moc"
