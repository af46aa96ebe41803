#include "base/SourcePaths.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

#include "CliRun.h"

using namespace lumivane;
using lumivane::test::CliRun;
using lumivane::test::Native;

namespace {

const std::filesystem::path kExample = LUMIVANE_SOURCE_DATA_DIR "/examples/Multiplex.hoprj";

QStringList Keys(const QJsonValue& value) {
    QStringList keys = value.toObject().keys();
    keys.sort();
    return keys;
}

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names) {
        list.append(QString::fromLatin1(name));
    }
    return list;
}

} // namespace

class ChecksCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_project = m_dir->path() / "Projekt.hoprj";
        std::filesystem::copy_file(kExample, m_project);
    }

    void theJsonNamesEveryFigureAndClaimsNothingUnknown() {
        // The example gives every value; taken back, nothing is claimed.
        QVERIFY(Checks()
                    .value(QStringLiteral("auditoriums"))
                    .toArray()[0][u"farthestRowAngle"_qs]
                    .isDouble());
        QCOMPARE(Edit(R"({"op": "SetLightOutput", "auditorium": 0, "projector": 0, "lumens": null}
{"op": "SetSeatRows", "auditorium": 0, "nearest": null, "farthest": null, "eyeHeight": null})")
                     .exitCode,
                 0);
        const QJsonObject first =
            Checks().value(QStringLiteral("auditoriums")).toArray()[0].toObject();
        QCOMPARE(Keys(first), Names({"audienceCentreAngle", "farthestRowAngle", "name",
                                     "nearestRowVerticalAngle", "setUps"}));
        QVERIFY(first.value(QStringLiteral("farthestRowAngle")).isNull());
        const QJsonValue setUp = first.value(QStringLiteral("setUps")).toArray()[0];
        QCOMPARE(Keys(setUp),
                 Names({"format", "imageAreaM2", "imageWidthM", "lumensNeeded", "luminanceCdM2",
                        "luminanceFl", "projector", "targetCdM2", "verdict"}));
        QVERIFY(setUp[QStringLiteral("lumensNeeded")].isNull());
        QVERIFY(setUp[QStringLiteral("verdict")].isNull());
        QVERIFY(setUp[QStringLiteral("imageAreaM2")].toDouble() > 1.0);
    }

    void valuesSetByEditGiveTheFiguresTheFormulaGives() {
        const CliRun edit =
            Edit(R"({"op": "SetLightOutput", "auditorium": 0, "projector": 0, "lumens": 20000}
{"op": "SetScreenGain", "auditorium": 0, "gain": 1.5}
{"op": "SetPortGlass", "auditorium": 0, "transmission": 0.9}
{"op": "SetSeatRows", "auditorium": 0, "nearest": 4, "farthest": 18, "eyeHeight": 1.2})");
        QCOMPARE(edit.exitCode, 0);
        QVERIFY(edit.out.contains("line 1: SetLightOutput: Light Output\n"));
        QVERIFY(edit.out.contains("line 4: SetSeatRows: Seat Rows\n"));
        const QJsonObject first =
            Checks().value(QStringLiteral("auditoriums")).toArray()[0].toObject();
        const QJsonObject setUp = first.value(QStringLiteral("setUps")).toArray()[0].toObject();
        const double area = setUp.value(QStringLiteral("imageAreaM2")).toDouble();
        const double luminance = setUp.value(QStringLiteral("luminanceCdM2")).toDouble();
        const double needed = setUp.value(QStringLiteral("lumensNeeded")).toDouble();
        const double target = setUp.value(QStringLiteral("targetCdM2")).toDouble();
        // The share of the panel or aperture is the same in both, so the two agree.
        QVERIFY(std::fabs(luminance / target - 20000.0 / needed) < 1e-9);
        QVERIFY(luminance <= 20000.0 * 0.9 * 1.5 / (std::numbers::pi * area) + 1e-9);
        QCOMPARE(setUp.value(QStringLiteral("luminanceFl")).toDouble(), luminance / 3.426);
        QVERIFY(setUp.value(QStringLiteral("verdict")).isString());
        const double width = setUp.value(QStringLiteral("imageWidthM")).toDouble();
        QVERIFY(first.value(QStringLiteral("farthestRowAngle")).toDouble() >=
                2 * std::atan(width / 2 / 18.0) * 180 / std::numbers::pi - 1e-9);

        const CliRun text = test::RunWithShippedCatalog(
            {QStringLiteral("checks"), Native(m_project)}, m_dir->path());
        QCOMPARE(text.exitCode, 0);
        QVERIFY(text.out.contains("Light and Sightlines"));
        QVERIFY(text.out.contains("Lumens needed:"));
    }

    void valuesOutOfRangeAreRefusedWithAMessage() {
        const auto before = std::filesystem::file_size(m_project);
        const std::pair<const char*, const char*> refusals[] = {
            {R"({"op": "SetLightOutput", "auditorium": 0, "projector": 0, "lumens": -1})",
             "\"lumens\" must lie between 0 and"},
            {R"({"op": "SetScreenGain", "auditorium": 0, "gain": 0})", "\"gain\" must be above 0"},
            {R"({"op": "SetScreenGain", "auditorium": 0, "gain": 5.5})", "\"gain\" must lie"},
            {R"({"op": "SetPortGlass", "auditorium": 0, "transmission": 1.1})",
             "\"transmission\" must lie between 0 and 1"},
            {R"({"op": "SetSeatRows", "auditorium": 0, "nearest": 9, "farthest": 5, "eyeHeight": null})",
             "\"farthest\" must not be nearer than \"nearest\""},
        };
        for (const auto& [line, reason] : refusals) {
            const CliRun run = Edit(line);
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(reason), run.err.constData());
        }
        QCOMPARE(std::filesystem::file_size(m_project), before);
    }

private:
    QJsonObject Checks() {
        const CliRun run = test::RunWithShippedCatalog(
            {QStringLiteral("checks"), Native(m_project), QStringLiteral("--json")}, m_dir->path());
        if (run.exitCode != 0) {
            qWarning("%s", run.err.constData());
        }
        return QJsonDocument::fromJson(run.out).object();
    }

    CliRun Edit(const std::string& script) {
        const auto ops = m_dir->path() / "ops.jsonl";
        std::ofstream(ops, std::ios::binary) << script << '\n';
        return test::RunWithShippedCatalog(
            {QStringLiteral("edit"), Native(m_project), QStringLiteral("--ops"), Native(ops)},
            m_dir->path());
    }

    std::unique_ptr<test::TempDir> m_dir;
    std::filesystem::path m_project;
};

QTEST_GUILESS_MAIN(ChecksCommandTest)
#include "ChecksCommandTest.moc"
