#include "app/PrintCommands.h"

#include "app/MainFrame.h"
#include "app/PrinterJobs.h"
#include "base/Archive.h"
#include "document/ProjectEditor.h"
#include "document/ProjectFile.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "support/ExampleProject.h"
#include "support/FileBytes.h"
#include "support/FixedClock.h"
#include "support/MailStandIn.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"
#include "ui/QtSettingsStore.h"

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QTest>

#include "ModalAnswers.h"
#include "PdfText.h"

using lumivane::Ctx;
using lumivane::test::ModalAnswers;

class PrintCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_configHome.path().string()));
    }

    void init() {
        m_context = std::make_unique<lumivane::ScopedAppContext>();
        Ctx().settingsStore = std::make_shared<lumivane::QtSettingsStore>();
        lumivane::test::InstallShippedCatalogs();
        m_doc = std::make_unique<CQorDoc>(std::make_shared<lumivane::test::FixedClock>());
        m_doc->OpenDocument(lumivane::test::ExampleProjectPath(), true);
        m_mail = std::make_unique<lumivane::test::MailStandIn>();
        m_pdf = QString::fromStdString((m_dir / "out.pdf").string());
        m_adjust = {};
    }

    void cleanup() {
        m_frame.reset();
        m_mail.reset();
        m_doc.reset();
        m_context.reset();
    }

    void reportsPrintTheChosenRangeAndDrawCopiesThePdfCannotMake() {
        QCOMPARE(Printed(FrameCommand::Print).size(), 2);
        QCOMPARE(m_maxPage, 32767);
        m_adjust = [](QPrinter& printer) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 3);
            printer.setCopyCount(2);
        };
        // The range ends past the last page: the copies are of page 2 alone.
        const QStringList pages = Printed(FrameCommand::Print);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].trimmed().startsWith(u"Multiplex"_qs));
        QVERIFY(pages[1].trimmed().endsWith(u'2'));
        QCOMPARE(Printed(FrameCommand::PrintProductList).size(), 4);
        m_adjust = {};
        const QStringList light = Printed(FrameCommand::PrintLightReport);
        QVERIFY(!light.isEmpty());
        QVERIFY(light[0].contains(u"Light and Sightlines"_qs));
        QVERIFY(light.join(u'\n').contains(u"Lumens needed:"_qs));
    }

    void detailsPagesFollowTheProjectAndTheItemShown() {
        QCOMPARE(Printed(FrameCommand::PrintProjectDetails).size(), 9);
        QCOMPARE(m_maxPage, 9);
        Frame().Pane().ShowAuditorium(1);
        QCOMPARE(Printed(FrameCommand::PrintItemDetails).size(),
                 m_doc->GetAuditorium(1)->LensTypeCount() + 1);
        QAction* item = Frame().Action(FrameCommand::PrintItemDetails);
        Frame().Pane().ShowProjector(1, m_doc->Editor().AddProjector(1, 0, {}));
        QVERIFY(!item->isEnabled());
        Frame().Pane().ShowProjectView();
        QVERIFY(!item->isEnabled());
        m_doc->NewDocument();
        QVERIFY(!Frame().Action(FrameCommand::PrintProjectDetails)->isEnabled());
    }

    void aPrinterThatFailsSaysSoUnderItsCaption() {
        m_pdf = QString::fromStdString((m_dir / "missing" / "out.pdf").string());
        ModalAnswers answers;
        Printed(FrameCommand::PrintProjectDetails);
        Frame().Pane().ShowAuditorium(0);
        Printed(FrameCommand::PrintItemDetails);
        QCOMPARE(answers.Seen(),
                 (QStringList{u"ERROR: The printer specified is not accessable."_qs,
                              u"Error: The printer specified is not accessable."_qs}));
    }

    void thePreviewKeepsThePagesSideBySideThatTheUserChose() {
        Ctx().settings.m_previewPages = 2;
        ModalAnswers answers;
        QPrintPreviewWidget::ViewMode shown{};
        answers.Add([&shown](QDialog& preview) {
            auto* pages = preview.findChild<QPrintPreviewWidget*>();
            shown = pages->viewMode();
            pages->setSinglePageViewMode();
            preview.reject();
        });
        Run(FrameCommand::PrintPreview);
        QCOMPARE(shown, QPrintPreviewWidget::FacingPagesView);
        QCOMPARE(Ctx().settings.m_previewPages, 1);
    }

    void theTextFileIsTheProjectReport() {
        ModalAnswers answers;
        answers.Add(ModalAnswers::ChooseFile(QString::fromStdString((m_dir / "r.txt").string())));
        Frame();
        Ctx().settings.m_company = "Roxy Screens\n1 Main Street\n555-0100";
        Run(FrameCommand::PrintToTextFile);
        QCOMPARE(lumivane::test::ReadFileText(m_dir / "r.txt"),
                 lumivane::test::ReadFileText(lumivane::test::ExampleReportPath()));
    }

    void theCommandLinePrintsTheReportOrSaysWhyNot() {
        QCOMPARE(lumivane::PrintReportFromCommandLine(*m_doc, nullptr),
                 std::string(lumivane::kNoPrinterMessage));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdf);
        QCOMPARE(lumivane::PrintReportFromCommandLine(*m_doc, &printer), std::string());
        QCOMPARE(lumivane::test::PdfPages(m_pdf).size(), 2);
    }

    void mailCommandsNeedAMailProgram() {
        QVERIFY(Frame().Action(FrameCommand::EmailProjectPdf)->isEnabled());
        m_frame.reset();
        m_mail->HidePath();
        QVERIFY(!Frame().Action(FrameCommand::EmailProject)->isEnabled());
        QVERIFY(!Frame().Action(FrameCommand::EmailProjectData)->isEnabled());
    }

    void mailingLeavesTheDocumentAsItWas() {
        m_doc->Editor().AddAuditorium();
        const auto bytes = Bytes();
        const auto fileBytes = lumivane::test::ReadFileBytes(m_doc->GetPathName());
        Run(FrameCommand::EmailProject);
        const auto arguments = m_mail->TakeArguments();
        QCOMPARE(arguments.size(), std::size_t{3});
        QCOMPARE(std::filesystem::path(arguments[2]).filename().string(),
                 std::string("Multiplex.hoprj"));
        QVERIFY(arguments[2] != m_doc->GetPathName().string());
        Run(FrameCommand::EmailProjectPdf);
        QCOMPARE(m_mail->Attached(), std::string("%PDF"));
        Run(FrameCommand::EmailProjectData);
        QVERIFY(m_mail->TakeArguments().back().starts_with("Multiplex\nAuditorium List"));
        QVERIFY(m_doc->IsModified());
        QVERIFY(Bytes() == bytes);
        QVERIFY(lumivane::test::ReadFileBytes(m_doc->GetPathName()) == fileBytes);
    }

    void mailFailuresAreTold() {
        ModalAnswers answers;
        qputenv("STAND_IN_EXIT", "3");
        Run(FrameCommand::EmailProjectData);
        m_doc->NewDocument();
        Run(FrameCommand::EmailProjectPdf);
        QCOMPARE(answers.Seen(), (QStringList{u"Error: Send Mail failed to send message."_qs,
                                              u"Error: Cannot email an empty project."_qs}));
    }

private:
    CMainFrame& Frame() {
        if (!m_frame) {
            m_frame = std::make_unique<CMainFrame>(*m_doc);
            m_frame->Printing().SetPrinterChoice([this](QPrinter& printer, int maxPage) {
                m_maxPage = maxPage;
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(m_pdf);
                if (m_adjust) {
                    m_adjust(printer);
                }
                return true;
            });
        }
        return *m_frame;
    }

    // A command runs once its menu would have closed.
    void Run(FrameCommand command) {
        Frame().Action(command)->trigger();
        QCoreApplication::sendPostedEvents();
    }

    QStringList Printed(FrameCommand command) {
        QFile::remove(m_pdf);
        Run(command);
        return lumivane::test::PdfPages(m_pdf);
    }

    std::vector<std::uint8_t> Bytes() const {
        lumivane::Archive ar = lumivane::Archive::ForStoring();
        lumivane::WriteProject(ar, m_doc->GetContents());
        return ar.Bytes();
    }

    lumivane::test::TempDir m_configHome;
    lumivane::test::TempDir m_dir;
    QString m_pdf;
    std::unique_ptr<lumivane::ScopedAppContext> m_context;
    std::unique_ptr<CQorDoc> m_doc;
    std::unique_ptr<lumivane::test::MailStandIn> m_mail;
    std::unique_ptr<CMainFrame> m_frame;
    std::function<void(QPrinter&)> m_adjust;
    int m_maxPage = 0;
};

QTEST_MAIN(PrintCommandsTest)
#include "PrintCommandsTest.moc"
