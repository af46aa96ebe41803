#include "app/ProjectTreeModel.h"

#include "document/ProjectEditor.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ExampleProject.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "ProjectWindow.h"

namespace lumivane {

class ProjectTreeModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void followsEachEditOneItemAtATime();
    void openingAProjectResetsOnce();
};

void ProjectTreeModelTest::followsEachEditOneItemAtATime() {
    test::ProjectWindow f;
    ProjectTreeModel model(f.doc, f.relay);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    ProjectEditor& editor = f.doc.Editor();
    editor.AddAuditorium();
    editor.AddAuditorium();
    const QPersistentModelIndex other = model.AuditoriumIndex(1);
    QCOMPARE(editor.AddProjector(0, 0, {}), 0);
    editor.AddFormat(0, 0, 0);
    const CLensType& setUp = *f.doc.GetLensType(0, 0, 0);
    const QModelIndex format = model.SetUpIndex(0, 0, 0);
    QCOMPARE(format.data().toString(), QString::fromStdString(setUp.GetFormatName()));
    QCOMPARE(format.data(ProjectTreeModel::LevelRole).toInt(), int(ProjectTreeModel::FormatLevel));
    QVERIFY(!format.data(Qt::DecorationRole).value<QIcon>().isNull());
    QCOMPARE(model.rowCount(format), 0);

    editor.ChooseLens(0, 0, 0, ListCandidates(setUp).front());
    QCOMPARE(model.LensIndex(0, 0, 0).data().toString(),
             QString::fromStdString(setUp.Choice().GetName()));
    editor.RenameAuditorium(1, "Hall");
    QCOMPARE(other.data().toString(), QStringLiteral("Hall"));
    editor.ClearLens(0, 0, 0);
    QVERIFY(!model.LensIndex(0, 0, 0).isValid());

    QCOMPARE(editor.CopyProjector(0, 0, 0), 1);
    QCOMPARE(model.SetUpIndex(0, 1, 0).data(ProjectTreeModel::FormatRole).toInt(), 0);
    const QPersistentModelIndex copy = model.ProjectorIndex(0, 1);
    editor.DeleteProjector(0, 0);
    QCOMPARE(copy.row(), 0);
    QCOMPARE(ProjectTreeModel::PathOf(copy), ItemPath::Projector(0, 0));

    const ProjectSnapshot before = editor.TakeSnapshot();
    editor.RenameProjector(0, 0, "Left");
    editor.Restore(before, editor.TakeSnapshot());
    QCOMPARE(model.ProjectorIndex(0, 0).data().toString(),
             QString::fromStdString(f.doc.GetProjector(0, 0)->Name()));
    QVERIFY(other.isValid()); // only the restored auditorium came back anew
    QCOMPARE(resets.count(), 0);
}

void ProjectTreeModelTest::openingAProjectResetsOnce() {
    test::ProjectWindow f;
    ProjectTreeModel model(f.doc, f.relay);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QCOMPARE(f.doc.OpenDocument(test::ExampleProjectPath(), true), ProjectReadResult::Ok);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), f.doc.GetAuditoriumCount());
    QCOMPARE(model.rowCount(model.AuditoriumIndex(0)), f.doc.GetAuditorium(0)->ProjectorCount());
}

} // namespace lumivane

QTEST_MAIN(lumivane::ProjectTreeModelTest)
#include "ProjectTreeModelTest.moc"
