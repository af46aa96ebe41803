#include "views/ViewPane.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/LensCandidates.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "ui/ProjectRelay.h"
#include "views/QorView.h"

#include <QStandardPaths>
#include <QTest>

#include <memory>

using lumivane::ViewKind;

namespace {

// A format view that only counts how often it is asked to show the project again.
class CountingView : public CQorView {
public:
    using CQorView::CQorView;
    ViewKind Kind() const override { return ViewKind::Format; }
    void Refresh(bool) override { ++refreshes; }
    int refreshes = 0;
};

} // namespace

// The pane keeps showing the same item while the rows around it change, and steps back to
// what held an item that goes away.
class ViewPaneTest : public QObject {
    Q_OBJECT

    std::unique_ptr<lumivane::ScopedAppContext> m_context;
    std::unique_ptr<CQorDoc> m_doc;
    std::unique_ptr<lumivane::ProjectRelay> m_relay;
    std::unique_ptr<ViewPane> m_pane;
    int m_format = -1;

    lumivane::ProjectEditor& Editor() { return m_doc->Editor(); }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_context = std::make_unique<lumivane::ScopedAppContext>();
        lumivane::test::InstallShippedCatalogs();
        m_doc = std::make_unique<CQorDoc>(std::make_shared<lumivane::test::FixedClock>());
        m_relay = std::make_unique<lumivane::ProjectRelay>(*m_doc);
        m_pane = std::make_unique<ViewPane>(*m_doc, *m_relay);
        for (int a = 0; a < 2; ++a) {
            Editor().AddAuditorium();
            Editor().AddProjector(a, 0, {});
            Editor().AddProjector(a, 0, {});
        }
        m_format = m_doc->GetProjector(1, 1)->FirstSupportedFormat(0);
        Editor().AddFormat(1, 1, m_format);
    }

    void cleanup() {
        m_pane.reset();
        m_relay.reset();
        m_doc.reset();
        m_context.reset();
    }

    // A command that touches several items, and the undo of it, repaint the view once each.
    void aStepRefreshesTheShownViewOnce() {
        CountingView* view = nullptr;
        m_pane->RegisterView(ViewKind::Format, [&view](CQorDoc& doc, QWidget* parent) {
            return view = new CountingView(doc, parent);
        });
        m_pane->ShowFormat(1, 1, m_format);
        QVERIFY(view != nullptr);
        const lumivane::ProjectSnapshot before = Editor().TakeSnapshot();
        int events = 0;
        connect(m_relay.get(), &lumivane::ProjectRelay::itemChanged, this, [&events] { ++events; });
        view->refreshes = 0;
        const auto choice = lumivane::NthCandidate(*m_doc->GetLensType(1, 1, m_format), 0);
        QVERIFY(choice.has_value());
        Editor().ChooseLens(1, 1, m_format, *choice, Editor().RefitOfViewed());
        QVERIFY(events > 1);
        QCOMPARE(view->refreshes, 1);
        Editor().Restore(before, Editor().TakeSnapshot());
        QCOMPARE(view->refreshes, 2);
    }

    void followsItsItemWhenEarlierRowsComeAndGo() {
        m_pane->ShowFormat(1, 1, m_format);
        Editor().DeleteAuditorium(0, [](const std::string&, const std::string&) { return true; });
        QCOMPARE(m_pane->CurrentPlace().path, lumivane::ItemPath::SetUp(0, 1, 0));
        Editor().DeleteProjector(0, 0);
        QCOMPARE(m_pane->CurrentPlace().path, lumivane::ItemPath::SetUp(0, 0, 0));
        QCOMPARE(m_pane->CurrentView()->GetLensType(), m_doc->GetLensType(0, 0, m_format));
        QVERIFY(m_pane->CurrentView()->IsFormatView());
    }

    void removingTheShownItemShowsWhatHeldIt() {
        m_pane->ShowLens(1, 1, m_format);
        Editor().RemoveFormat(1, 1, m_format);
        QVERIFY(m_pane->CurrentView()->IsProjectorView());
        QCOMPARE(m_pane->CurrentPlace().path, lumivane::ItemPath::Projector(1, 1));
        Editor().DeleteProjector(1, 1);
        QVERIFY(m_pane->CurrentView()->IsAuditoriumView());
        Editor().DeleteAuditorium(1, [](const std::string&, const std::string&) { return true; });
        QVERIFY(m_pane->CurrentView()->IsProjectView());
    }

    void anItemThatDoesNotExistShowsTheProject() {
        m_pane->ShowProjector(5, 0);
        QVERIFY(m_pane->CurrentView()->IsProjectView());
        m_pane->ShowAuditorium(1);
        m_doc->NewDocument();
        QVERIFY(m_pane->CurrentView()->IsProjectView());
    }
};

QTEST_MAIN(ViewPaneTest)
#include "ViewPaneTest.moc"
