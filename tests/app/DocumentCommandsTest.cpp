#include "app/DocumentCommands.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <filesystem>

#include "ModalAnswers.h"
#include "ProjectWindow.h"

namespace lumivane {

using test::ModalAnswers;

namespace {

ModalAnswers::Answer TypeInField(int field, const QString& text) {
    return [field, text](QDialog& dialog) {
        dialog.findChildren<QLineEdit*>().at(field)->setText(text);
        dialog.accept();
    };
}

} // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void saveAsksForTheProjectSettingsFirst();
    void aFailedSaveKeepsTheProjectModified();
    void aRecentFileThatNoLongerOpensIsDropped();
    void aFileThatIsNoProjectIsCalledAnUnexpectedFormat();
    void aModifiedProjectIsOfferedForSavingBeforeItGoes();
    void projectSettingsChangeTheProjectOnlyWhenATextChanged();
};

void DocumentCommandsTest::saveAsksForTheProjectSettingsFirst() {
    test::ProjectWindow w;
    w.Editor().AddAuditorium();
    ModalAnswers answers;
    QVERIFY(!w.commands.Save());
    QCOMPARE(answers.Seen(), QStringList{QStringLiteral("Project")});
    QVERIFY(!w.doc.IsProjectInfoSet());

    answers.Add(TypeInField(0, QStringLiteral("Ann")));
    answers.Add(ModalAnswers::ChooseFile(w.PathOf("first")));
    QVERIFY(w.commands.Save());
    QVERIFY(std::filesystem::exists(w.folder / "first.hoprj"));
    QCOMPARE(w.doc.GetProjectInfo().manager, std::string("Ann"));
    QVERIFY(w.doc.IsProjectInfoSet());
    QVERIFY(!w.doc.IsModified());
    QVERIFY(w.undo.Stack()->isClean());
    QCOMPARE(w.commands.RecentFiles(), QStringList{w.PathOf("first.hoprj")});
}

void DocumentCommandsTest::aFailedSaveKeepsTheProjectModified() {
    test::ProjectWindow w;
    const auto file = w.WriteEmptyProject("p.hoprj");
    QVERIFY(w.commands.OpenFile(w.PathOf("p.hoprj")));
    w.Editor().AddAuditorium();
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);

    ModalAnswers answers;
    answers.Add(ModalAnswers::Press(QMessageBox::Ok));
    QVERIFY(!w.commands.Save());
    QCOMPARE(answers.Seen(), QStringList{QStringLiteral("Error: Failed to save document.")});
    QVERIFY(w.doc.IsModified());
    QVERIFY(!w.undo.Stack()->isClean());
    QCOMPARE(w.doc.GetTitle(), std::string("p"));
}

void DocumentCommandsTest::aRecentFileThatNoLongerOpensIsDropped() {
    test::ProjectWindow w;
    const auto gone = w.WriteEmptyProject("a.hoprj");
    w.WriteEmptyProject("Main Street.HOPRJ");
    QSignalSpy titles(&w.commands, &DocumentCommands::windowTitleChanged);
    QVERIFY(w.commands.OpenFile(w.PathOf("a.hoprj")));
    QVERIFY(w.commands.OpenFile(w.PathOf("Main Street.HOPRJ")));
    QCOMPARE(titles.last().front().toString(), QStringLiteral("Main Street[*] - Lumivane 3.2"));
    QCOMPARE(w.commands.RecentFiles(),
             (QStringList{w.PathOf("Main Street.HOPRJ"), w.PathOf("a.hoprj")}));
    std::filesystem::remove(gone);

    ModalAnswers answers;
    answers.Add(ModalAnswers::Press(QMessageBox::Ok));
    w.commands.OpenRecent(1);
    QCOMPARE(answers.Seen(), QStringList{QStringLiteral("Error: Failed to open document.")});
    QCOMPARE(w.commands.RecentFiles(), QStringList{w.PathOf("Main Street.HOPRJ")});
    QCOMPARE(w.commands.WindowTitle(), QStringLiteral("Halvard Optics, Inc.[*] - Lumivane 3.2"));
}

// Their first four bytes would read as a version far newer than any program's.
void DocumentCommandsTest::aFileThatIsNoProjectIsCalledAnUnexpectedFormat() {
    test::ProjectWindow w;
    const QByteArray letter("Dear Sir,\nplease find the booth plan attached.\n");
    const QByteArray noise = QByteArray::fromHex("9e3b07c2d15a44f0") + QByteArray(256, '\x5a');
    ModalAnswers answers;
    for (const QByteArray& bytes : {letter, noise}) {
        QFile file(w.PathOf("not a project.hoprj"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        answers.Add(ModalAnswers::Press(QMessageBox::Ok));
        QVERIFY(!w.commands.OpenFile(file.fileName()));
    }
    QCOMPARE(answers.Seen(), QStringList(2, QStringLiteral("Error: Unexpected file format.")));
}

void DocumentCommandsTest::aModifiedProjectIsOfferedForSavingBeforeItGoes() {
    test::ProjectWindow w;
    w.Editor().AddAuditorium();
    ModalAnswers answers;
    answers.Add(ModalAnswers::Press(QMessageBox::Cancel));
    w.commands.New();
    QCOMPARE(answers.Seen(),
             QStringList{QStringLiteral("Lumivane 3.2: Save changes to Halvard Optics, Inc.?")});
    QCOMPARE(w.doc.GetAuditoriumCount(), 1);

    answers.Add(ModalAnswers::Press(QMessageBox::No));
    w.commands.New();
    QCOMPARE(w.doc.GetAuditoriumCount(), 0);
    QVERIFY(!w.doc.IsModified());
    QCOMPARE(w.undo.Stack()->count(), 0);
}

void DocumentCommandsTest::projectSettingsChangeTheProjectOnlyWhenATextChanged() {
    test::ProjectWindow w;
    ModalAnswers answers;
    answers.Add([](QDialog& dialog) { dialog.accept(); });
    w.commands.ProjectSettings();
    QVERIFY(w.doc.IsProjectInfoSet());
    QVERIFY(!w.doc.IsModified());

    answers.Add(TypeInField(4, QStringLiteral("Spring")));
    w.commands.ProjectSettings();
    QCOMPARE(w.doc.GetProjectInfo().endDate, std::string("Spring"));
    QVERIFY(w.doc.IsModified());
    QCOMPARE(w.undo.UndoAction()->text(), QStringLiteral("&Undo Project Settings"));
}

} // namespace lumivane

QTEST_MAIN(lumivane::DocumentCommandsTest)
#include "DocumentCommandsTest.moc"
