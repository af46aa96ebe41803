#include "base/SourcePaths.h"
#include "support/CatalogFiles.h"
#include "support/TempDir.h"
#include "ui/QtSettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTest>

#include <fstream>

#include "CliRun.h"

using namespace lumivane;
using lumivane::test::CliRun;
using lumivane::test::Native;

namespace {

const QString kShipped = QStringLiteral(LUMIVANE_SOURCE_DATA_DIR "/catalog");

} // namespace

class CatalogCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        QtSettingsStore(Settings()).Sync();
    }

    void buildThenDumpGivesTheCatalogsOfTheTextFiles() {
        const QString store = Native(*m_dir / "database.dta");
        const CliRun build = Cli({QStringLiteral("build"), QStringLiteral("--catalog-dir"),
                                  kShipped, QStringLiteral("--out"), store});
        QCOMPARE(build.exitCode, 0);
        QVERIFY(build.err.isEmpty());

        const CliRun fromStore = Cli({QStringLiteral("dump"), QStringLiteral("--store"), store});
        QCOMPARE(fromStore.exitCode, 0);
        const CliRun fromText =
            Cli({QStringLiteral("dump"), QStringLiteral("--catalog-dir"), kShipped});
        QCOMPARE(fromText.exitCode, 0);
        QCOMPARE(fromStore.out, fromText.out);

        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(fromStore.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(root.value(QStringLiteral("lenses")).toArray().size() >= 80);
        QVERIFY(root.value(QStringLiteral("attachments")).toArray().size() >= 12);
        QVERIFY(root.value(QStringLiteral("projectors")).toArray().size() >= 25);
        const QJsonArray formats = root.value(QStringLiteral("formats")).toArray();
        QVERIFY(formats.size() >= 40);
        const QJsonObject scope = formats.at(3).toObject();
        QCOMPARE(scope.value(QStringLiteral("width")).toDouble(), 41.92);
        QCOMPARE(scope.value(QStringLiteral("anamorphic")).toDouble(), 2.0);
        QCOMPARE(scope.value(QStringLiteral("customIndex")).toInt(), -1);
    }

    void userFormatsComeFromTheSettingsFile() {
        {
            QtSettingsStore settings(Settings());
            settings.WriteString("Formats", "0", "My Flat;MF;1.5;10;15;1;0");
            settings.Sync();
        }
        const CliRun dump =
            Cli({QStringLiteral("dump"), QStringLiteral("--catalog-dir"), kShipped});
        QCOMPARE(dump.exitCode, 0);
        const QJsonArray formats =
            QJsonDocument::fromJson(dump.out).object().value(QStringLiteral("formats")).toArray();
        const QJsonObject last = formats.last().toObject();
        QCOMPARE(last.value(QStringLiteral("name")).toString(), QStringLiteral("My Flat"));
        QCOMPARE(last.value(QStringLiteral("customIndex")).toInt(), 0);
    }

    void dumpWithoutSourceReadsWhatStartupWouldAndWritesNothing() {
        const auto programStore = test::CliFolder() / "database.dta";
        QVERIFY2(!std::filesystem::exists(programStore), "a store beside the tool is read first");
        test::WriteSmallCatalog(m_dir->path());
        const CliRun dump = Cli({QStringLiteral("dump")});
        QCOMPARE(dump.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(dump.out).object();
        QCOMPARE(root.value(QStringLiteral("lenses")).toArray().size(), 3);
        QCOMPARE(root.value(QStringLiteral("formats")).toArray().size(), 2);
        QVERIFY(!std::filesystem::exists(programStore));
    }

    void badInputIsAnErrorOnStderr() {
        const auto garbage = *m_dir / "garbage.dta";
        std::ofstream(garbage) << "not a catalog store";
        const CliRun damaged =
            Cli({QStringLiteral("dump"), QStringLiteral("--store"), Native(garbage)});
        QVERIFY(damaged.exitCode != 0);
        QVERIFY(damaged.out.isEmpty());
        QCOMPARE(damaged.err.trimmed(), QByteArray("Unexpected file format."));

        QVERIFY(Cli({QStringLiteral("build")}).exitCode != 0);
        QVERIFY(Cli({QStringLiteral("dump"), QStringLiteral("--store"), Native(garbage),
                     QStringLiteral("--catalog-dir"), kShipped})
                    .exitCode != 0);
        QVERIFY(Cli({QStringLiteral("dump"), QStringLiteral("--catalog-dir"),
                     Native(*m_dir / "missing")})
                    .exitCode != 0);
        QVERIFY(Cli({QStringLiteral("frobnicate")}).exitCode != 0);
    }

    void updateWithoutServerReportsNoConnection() {
        const auto store = *m_dir / "database.dta";
        std::ofstream(store) << "old";
        const CliRun update =
            Cli({QStringLiteral("update"), QStringLiteral("--store"), Native(store)});
        QCOMPARE(update.exitCode, 1);
        QCOMPARE(update.err.trimmed(),
                 QByteArray("The internet connection could not be established."));

        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const QString closed = QStringLiteral("http://127.0.0.1:%1/files/").arg(probe.serverPort());
        probe.close();
        const CliRun refused = Cli({QStringLiteral("update"), QStringLiteral("--store"),
                                    Native(store), QStringLiteral("--url"), closed});
        QCOMPARE(refused.exitCode, 1);
        std::ifstream in(store);
        std::string kept;
        in >> kept;
        QCOMPARE(kept, std::string("old"));
    }

private:
    QString Settings() const { return Native(*m_dir / "settings.ini"); }

    CliRun Cli(QStringList arguments) const {
        QProcessEnvironment environment = test::CliEnvironment(m_dir->path());
        environment.remove(QStringLiteral("LUMIVANE_CATALOG_URL"));
        environment.insert(QStringLiteral("no_proxy"), QStringLiteral("127.0.0.1,localhost"));
        arguments.prepend(QStringLiteral("catalog"));
        arguments << QStringLiteral("--settings") << Settings();
        return test::RunCli(arguments, m_dir->path(), environment);
    }

    std::unique_ptr<test::TempDir> m_dir;
};

QTEST_GUILESS_MAIN(CatalogCommandsTest)
#include "CatalogCommandsTest.moc"
