#include "app/HelpWindow.h"

#include "base/SourcePaths.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

using namespace lumivane;

namespace {

const QString kHelpFolder = QStringLiteral(LUMIVANE_SOURCE_DATA_DIR "/help");

QString ReadPage(const QString& page) {
    QFile file(QDir(kHelpFolder).filePath(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString ShownText(const HelpWindow& window) {
    return window.findChild<QTextBrowser*>(QStringLiteral("page"))->toPlainText();
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void opensTheHomeAndDefaultPages() {
        HelpWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Lumivane Help"));
        window.ShowPage(QStringLiteral("Welcome.htm"));
        QVERIFY(window.isVisible());
        QCOMPARE(window.CurrentPage(), QStringLiteral("Welcome.htm"));
        QVERIFY(ShownText(window).contains(QStringLiteral("Halvard Optics, Inc.")));
        window.ShowIndex();
        QCOMPARE(window.CurrentPage(), QStringLiteral("about.htm"));
    }

    void everyLinkAndEntryNamesAPage() {
        const HelpBook book(kHelpFolder);
        QVERIFY(book.Pages().size() >= 20);
        static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#]*)"));
        for (const QString& page : book.Pages()) {
            for (const auto& match : link.globalMatch(ReadPage(page))) {
                const QString target = match.captured(1);
                QVERIFY2(target.isEmpty() || target.startsWith(u"http") ||
                             QFile::exists(QDir(kHelpFolder).filePath(target)),
                         qPrintable(page + QStringLiteral(" -> ") + target));
            }
        }
        QStringList listed;
        for (const auto& entry : book.Contents()) {
            QVERIFY2(entry.page.isEmpty() || book.HasPage(entry.page), qPrintable(entry.page));
            listed.append(entry.page);
        }
        for (const QString& page : book.Pages()) {
            QVERIFY2(listed.contains(page), qPrintable(page + QStringLiteral(" not in contents")));
        }
    }

    void followsLinksAndGoesBackAndForward() {
        HelpWindow window;
        window.ShowPage(QStringLiteral("Welcome.htm"));
        auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("page"));
        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("locks.htm")));
        QCOMPARE(window.CurrentPage(), QStringLiteral("locks.htm"));
        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("units.htm#x")));
        QCOMPARE(window.CurrentPage(), QStringLiteral("units.htm"));

        auto* back = window.findChild<QAction*>(QStringLiteral("back"));
        auto* forward = window.findChild<QAction*>(QStringLiteral("forward"));
        QVERIFY(back->isEnabled() && !forward->isEnabled());
        back->trigger();
        back->trigger();
        QCOMPARE(window.CurrentPage(), QStringLiteral("Welcome.htm"));
        QVERIFY(!back->isEnabled() && forward->isEnabled());
        forward->trigger();
        QCOMPARE(window.CurrentPage(), QStringLiteral("locks.htm"));
    }

    void indexFilterOpensTheKeywordsPage() {
        HelpWindow window;
        window.ShowIndex();
        auto* filter = window.findChild<QLineEdit*>(QStringLiteral("indexFilter"));
        QTest::keyClicks(filter, QStringLiteral("lock focal"));
        const auto* index = window.findChild<QListWidget*>(QStringLiteral("index"));
        QVERIFY(index->currentItem() && !index->currentItem()->isHidden());
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(window.CurrentPage(), QStringLiteral("locks.htm"));
    }

    void searchFindsPagesHoldingEveryWord() {
        HelpWindow window;
        window.ShowPage(QStringLiteral("Welcome.htm"));
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("searchField"));
        auto* results = window.findChild<QListWidget*>(QStringLiteral("searchResults"));
        QTest::keyClicks(field, QStringLiteral("Trapazoidal CORNER"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(results->item(0)->text(), QStringLiteral("Adjust Format"));
        QTest::keyClick(results, Qt::Key_Return);
        QCOMPARE(window.CurrentPage(), QStringLiteral("adjustformat.htm"));

        field->setText(QStringLiteral("trapazoidal zebra"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(results->count(), 1);
        QVERIFY(!(results->item(0)->flags() & Qt::ItemIsEnabled));
    }

    void missingPagesAreReported() {
        HelpWindow window;
        window.ShowPage(QStringLiteral("nowhere.htm"));
        QVERIFY(ShownText(window).contains(QStringLiteral("could not be found")));
        HelpWindow lost(nullptr, QStringLiteral("/no/such/folder"));
        lost.ShowPage(QStringLiteral("Welcome.htm"));
        QVERIFY(ShownText(lost).contains(QStringLiteral("were not found")));
    }

    void inputsAreNamedAfterTheirLabels() {
        HelpWindow window;
        const auto labels = window.findChildren<QLabel*>();
        QVERIFY(labels.size() >= 4);
        for (const QLabel* label : labels) {
            QVERIFY(label->buddy());
            QCOMPARE(label->buddy()->accessibleName(), QString(label->text()).remove(u'&'));
        }
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
