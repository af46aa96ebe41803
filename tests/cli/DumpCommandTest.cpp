#include "base/SourcePaths.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstdint>
#include <fstream>
#include <string>

#include "CliRun.h"

using namespace lumivane;
using lumivane::test::CliRun;
using lumivane::test::Native;

namespace {

const QString kExample = QStringLiteral(LUMIVANE_SOURCE_DATA_DIR "/examples/Multiplex.hoprj");

std::string Dword(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

// A current-version file: the version, the five empty texts, then what follows.
std::string CurrentFile(const std::string& rest) {
    return Dword(12) + std::string(5, '\0') + rest;
}

QJsonArray Array(const QJsonObject& object, const char* key) {
    return object.value(QLatin1String(key)).toArray();
}

} // namespace

class DumpCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<test::TempDir>(); }

    void exampleProjectDumpsEverySetUpWithItsLensAndGeometry() {
        const CliRun run = Dump({kExample});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject project = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(project.value(QStringLiteral("fileVersion")).toInt(), 12);
        const QJsonArray auditoriums = Array(project, "auditoriums");
        QCOMPARE(auditoriums.size(), 3);
        for (const auto& auditorium : auditoriums) {
            for (const auto& projector : Array(auditorium.toObject(), "projectors")) {
                const QJsonArray setUps = Array(projector.toObject(), "lensSetups");
                QCOMPARE(setUps.size(), 2);
                for (const auto& setUp : setUps) {
                    const QJsonObject s = setUp.toObject();
                    QVERIFY(s.value(QStringLiteral("choice")).isObject());
                    QVERIFY(s.value(QStringLiteral("geometry")).isObject());
                    QVERIFY(!s.contains(QStringLiteral("candidates")));
                    // Lengths are metres: a cinema image is metres wide, not millimetres.
                    const double width = s.value(QStringLiteral("extentWidth")).toDouble();
                    QVERIFY2(width > 5 && width < 30, qPrintable(QString::number(width)));
                }
            }
        }
    }

    void candidatesComeBestFirstAndLeaveTheModelAsItWas() {
        const CliRun plain = Dump({kExample});
        const CliRun withCandidates = Dump({kExample, QStringLiteral("--candidates")});
        QCOMPARE(withCandidates.exitCode, 0);
        QJsonObject project = QJsonDocument::fromJson(withCandidates.out).object();
        const QJsonObject setUp =
            Array(Array(Array(project, "auditoriums")[0].toObject(), "projectors")[0].toObject(),
                  "lensSetups")[0]
                .toObject();
        const QJsonArray candidates = Array(setUp, "candidates");
        QVERIFY(!candidates.isEmpty());
        QVERIFY(candidates.size() <= 200);
        for (qsizetype i = 1; i < candidates.size(); ++i) {
            QVERIFY(candidates[i - 1].toObject().value(QStringLiteral("quality")).toInt() >=
                    candidates[i].toObject().value(QStringLiteral("quality")).toInt());
        }
        // Apart from the candidate lists, the dump is the same as without them.
        QCOMPARE(StripCandidates(QJsonDocument::fromJson(withCandidates.out).object()),
                 QJsonDocument::fromJson(plain.out).object());
    }

    void hostileFilesAreRefusedWithTheirMessage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("message");
        const QByteArray unexpected("Unexpected file format.\n");
        QTest::newRow("2^31 auditoriums")
            << QByteArray::fromStdString(CurrentFile(Dword(0x80000000u))) << unexpected;
        QTest::newRow("4 GiB manager text")
            << QByteArray::fromStdString(Dword(12) + "\xFF\xFF\xFF" + Dword(0xFFFFFFFFu))
            << unexpected;
        QTest::newRow("4 GiB wide text")
            << QByteArray::fromStdString(Dword(12) + "\xFF\xFE\xFF\xFF\xFF\xFF" +
                                         Dword(0xFFFFFFFFu))
            << unexpected;
        QTest::newRow("cut in the texts") << QByteArray("\x0C\0\0\0\x05", 5) << unexpected;
        QTest::newRow("garbage after the version")
            << QByteArray::fromStdString(Dword(12) + std::string(4096, '\xA5')) << unexpected;
        QTest::newRow("empty") << QByteArray() << unexpected;
        // The first four bytes of these read as a version far beyond any program's.
        QTest::newRow("a text file")
            << QByteArray("Dear Sir,\nplease find the booth plan.\n") << unexpected;
        QTest::newRow("random bytes")
            << QByteArray::fromStdString("\x9E\x3B\x07\xC2" + std::string(512, '\x5A'))
            << unexpected;
    }

    void hostileFilesAreRefusedWithTheirMessage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, message);
        const auto file = *m_dir / "hostile.hoprj";
        std::ofstream(file, std::ios::binary).write(bytes.constData(), bytes.size());
        const CliRun run = Dump({Native(file)});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, message);
        QVERIFY(run.out.isEmpty());
    }

    void newerFileAndMissingFileAreErrors() {
        const auto newer = *m_dir / "newer.hoprj";
        std::ofstream(newer, std::ios::binary) << CurrentFile(Dword(0)).replace(0, 1, "\x0D");
        const CliRun tooNew = Dump({Native(newer)});
        QCOMPARE(tooNew.exitCode, 1);
        QVERIFY(!tooNew.err.isEmpty());
        QVERIFY(tooNew.err != QByteArray("Unexpected file format.\n"));

        const CliRun missing = Dump({Native(*m_dir / "nowhere.hoprj")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(!missing.err.isEmpty());
    }

private:
    static QJsonObject StripCandidates(QJsonObject project) {
        QJsonArray auditoriums = Array(project, "auditoriums");
        for (auto auditorium : auditoriums) {
            QJsonObject a = auditorium.toObject();
            QJsonArray projectors = Array(a, "projectors");
            for (auto projector : projectors) {
                QJsonObject p = projector.toObject();
                QJsonArray setUps = Array(p, "lensSetups");
                for (auto setUp : setUps) {
                    QJsonObject s = setUp.toObject();
                    s.remove(QStringLiteral("candidates"));
                    setUp = s;
                }
                p.insert(QStringLiteral("lensSetups"), setUps);
                projector = p;
            }
            a.insert(QStringLiteral("projectors"), projectors);
            auditorium = a;
        }
        project.insert(QStringLiteral("auditoriums"), auditoriums);
        return project;
    }

    CliRun Dump(QStringList arguments) const {
        arguments.prepend(QStringLiteral("dump"));
        return test::RunWithShippedCatalog(arguments, m_dir->path());
    }

    std::unique_ptr<test::TempDir> m_dir;
};

QTEST_GUILESS_MAIN(DumpCommandTest)
#include "DumpCommandTest.moc"
