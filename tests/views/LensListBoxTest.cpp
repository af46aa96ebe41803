#include "views/LensListBox.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/LensDatabase.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensChoice.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ExampleProject.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "ui/ProjectRelay.h"
#include "views/FormatListCtrl.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

std::vector<std::uint8_t> ProjectBytes(const CQorDoc& doc) {
    lumivane::Archive out = lumivane::Archive::ForStoring();
    lumivane::WriteProject(out, doc.GetContents());
    return out.Bytes();
}

struct SetUpPlace {
    int auditorium = -1;
    int projector = -1;
    int format = -1;
};

} // namespace

// The candidates of the example project's set-ups, chosen with the mouse.
class LensListBoxTest : public QObject {
    Q_OBJECT

    std::unique_ptr<lumivane::ScopedAppContext> m_context;
    std::unique_ptr<CQorDoc> m_doc;
    std::unique_ptr<lumivane::ProjectRelay> m_relay;
    std::unique_ptr<CLensListBox> m_list;

    template <typename Visit> void ForEverySetUp(Visit visit) {
        for (int a = 0; a < m_doc->GetAuditoriumCount(); ++a) {
            for (int p = 0; p < m_doc->GetAuditorium(a)->ProjectorCount(); ++p) {
                const CProjectorType& projector = *m_doc->GetProjector(a, p);
                for (int s = 0; s < projector.LensTypeCount(); ++s) {
                    visit(SetUpPlace{a, p, projector.GetLensType(s)->GetFormat()});
                }
            }
        }
    }

    // The first set-up with a lens-and-attachment candidate it has not chosen, and that
    // candidate's row.
    std::pair<SetUpPlace, int> WithAttachment() {
        std::pair<SetUpPlace, int> found{{}, -1};
        ForEverySetUp([&](const SetUpPlace& place) {
            m_list->SetSetUp(place.auditorium, place.projector, place.format);
            for (int row = 0; row < m_list->CandidateCount() && found.second < 0; ++row) {
                if (m_list->CandidateAt(row)->Items().size() == 2 &&
                    m_list->currentIndex().row() != row) {
                    found = {place, row};
                }
            }
        });
        return found;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_context = std::make_unique<lumivane::ScopedAppContext>();
        lumivane::test::InstallShippedCatalogs();
        m_doc = std::make_unique<CQorDoc>(std::make_shared<lumivane::test::FixedClock>());
        QCOMPARE(m_doc->OpenDocument(lumivane::test::ExampleProjectPath(), true),
                 lumivane::ProjectReadResult::Ok);
        m_relay = std::make_unique<lumivane::ProjectRelay>(*m_doc);
        m_list = std::make_unique<CLensListBox>(*m_doc, *m_relay);
        m_list->resize(260, 400);
    }

    void cleanup() {
        m_list.reset();
        m_relay.reset();
        m_doc.reset();
        m_context.reset();
    }

    void candidatesComeBestFirstInRowsAsTallAsTheirItems() {
        const auto [place, row] = WithAttachment();
        QVERIFY(row >= 0);
        m_list->SetSetUp(place.auditorium, place.projector, place.format);
        for (int r = 0; r < m_list->CandidateCount(); ++r) {
            const CLensChoice& choice = *m_list->CandidateAt(r);
            QVERIFY(r == 0 || m_list->CandidateAt(r - 1)->GetQuality() >= choice.GetQuality());
            const int lines = static_cast<int>(choice.Items().size()) + 1;
            QCOMPARE(m_list->visualRect(m_list->model()->index(r, 0)).height(),
                     lines * m_list->LineHeight());
        }
    }

    void choosingARowKeepsItsAttachment() {
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
        const auto [place, row] = WithAttachment();
        m_list->SetSetUp(place.auditorium, place.projector, place.format);
        const std::vector<const CDescriptor*> items = m_list->CandidateAt(row)->Items();
        QSignalSpy chosen(m_list.get(), &CLensListBox::lensChosen);
        const QModelIndex index = m_list->model()->index(row, 0);
        m_list->scrollTo(index);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                          m_list->visualRect(index).center());
        const CLensType& setUp =
            *m_doc->GetLensType(place.auditorium, place.projector, place.format);
        QCOMPARE(setUp.Choice().Items(), items);
        QCOMPARE(chosen.count(), 1);
        QVERIFY(m_doc->IsModified());
        QTRY_VERIFY(m_list->currentIndex().isValid());
        QCOMPARE(m_list->CandidateAt(m_list->currentIndex().row())->Items(), items);
    }

    void aBarrelIsPickedFromTheListsOwnDiameters() {
        SetUpPlace mine;
        SetUpPlace other;
        ForEverySetUp([&](const SetUpPlace& place) {
            const CLensType& setUp =
                *m_doc->GetLensType(place.auditorium, place.projector, place.format);
            const auto diameters = lumivane::Ctx().lenses->FillBarrelList(setUp).diameters;
            (diameters.size() > 1 && mine.format < 0 ? mine : other) = place;
        });
        m_list->SetSetUp(mine.auditorium, mine.projector, mine.format);
        const std::vector<std::int16_t> diameters = m_list->Barrels().diameters;
        lumivane::Ctx().lenses->FillBarrelList(
            *m_doc->GetLensType(other.auditorium, other.projector, other.format));
        QVERIFY(lumivane::Ctx().lenses->Barrels() != diameters);
        QVERIFY(m_list->ChooseBarrel(static_cast<int>(diameters.size()) - 1));
        QCOMPARE(m_doc->GetLensType(mine.auditorium, mine.projector, mine.format)->Barrel(),
                 diameters.back());
        QVERIFY(!m_list->ChooseBarrel(static_cast<int>(diameters.size())));
    }

    void showingBothListsForEverySetUpLeavesTheProjectAsItWas() {
        const std::vector<std::uint8_t> before = ProjectBytes(*m_doc);
        CFormatListCtrl formats(*m_doc, *m_relay);
        formats.resize(600, 160);
        ForEverySetUp([&](const SetUpPlace& place) {
            formats.SetProjector(place.auditorium, place.projector);
            formats.SelectFormat(place.format);
            m_list->SetSetUp(place.auditorium, place.projector, place.format);
            formats.grab();
            m_list->grab();
        });
        QCoreApplication::processEvents();
        QCOMPARE(ProjectBytes(*m_doc), before);
        QVERIFY(!m_doc->IsModified());
    }
};

QTEST_MAIN(LensListBoxTest)
#include "LensListBoxTest.moc"
