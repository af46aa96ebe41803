#include "base/SourcePaths.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

#include <QTest>

#include <filesystem>
#include <fstream>
#include <string>

#include "CliRun.h"

using namespace lumivane;
using lumivane::test::CliRun;
using lumivane::test::Native;

namespace {

const std::filesystem::path kExample = LUMIVANE_SOURCE_DATA_DIR "/examples/Multiplex.hoprj";

} // namespace

class EditCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_project = m_dir->path() / "Projekt.hoprj";
        std::filesystem::copy_file(kExample, m_project);
    }

    void aScriptEditsTheProjectInPlaceAndSaysWhatEachLineDid() {
        const auto before = test::ReadFileBytes(m_project);
        const CliRun run = Edit(R"({"op": "RenameAuditorium", "auditorium": 0, "name": "Saal 1"}
{"op": "EditThrow", "auditorium": 0, "projector": 0, "throwDistance": 22})");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("line 1: RenameAuditorium: Rename Auditorium\n"
                                     "line 2: EditThrow: Edit Throw\n"));
        QVERIFY(test::ReadFileBytes(m_project) != before);
        const CliRun dump =
            test::RunWithShippedCatalog({QStringLiteral("dump"), Native(m_project)}, m_dir->path());
        QVERIFY(dump.out.contains("\"Saal 1\""));
    }

    void aFailingLineLeavesEveryFileAsItWas() {
        const auto before = test::ReadFileBytes(m_project);
        const auto output = m_dir->path() / "out.hoprj";
        const CliRun run = Edit(R"({"op": "RenameAuditorium", "auditorium": 0, "name": "Saal 1"}
{"op": "RenameAuditorium", "auditorium": 99, "name": "x"})",
                                {QStringLiteral("--output"), Native(output)});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith("line 2: no auditorium 99"));
        QCOMPARE(test::ReadFileBytes(m_project), before);
        QVERIFY(!std::filesystem::exists(output));
    }

    void theListNamesTheOperations() {
        const CliRun run = test::RunWithShippedCatalog(
            {QStringLiteral("edit"), QStringLiteral("--list")}, m_dir->path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("ChooseLens {auditorium, projector, format, candidate, shown}"));
    }

private:
    CliRun Edit(const std::string& script, const QStringList& more = {}) {
        const auto ops = m_dir->path() / "ops.jsonl";
        std::ofstream(ops, std::ios::binary) << script << '\n';
        QStringList arguments{QStringLiteral("edit"), Native(m_project), QStringLiteral("--ops"),
                              Native(ops)};
        return test::RunWithShippedCatalog(arguments + more, m_dir->path());
    }

    std::unique_ptr<test::TempDir> m_dir;
    std::filesystem::path m_project;
};

QTEST_GUILESS_MAIN(EditCommandTest)
#include "EditCommandTest.moc"
