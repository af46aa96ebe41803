#include "app/HelpWindow.h"

#include "ui/DataFolders.h"
#include "ui/IconLibrary.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <vector>

namespace lumivane {

const QString HelpWindow::kHomePage = QStringLiteral("Welcome.htm");
const QString HelpWindow::kDefaultPage = QStringLiteral("about.htm");

namespace {

constexpr int kPageRole = Qt::UserRole;
const QString kNoPages = QStringLiteral("The help pages were not found. They belong in the folder "
                                        "share/lumivane/help beside the program's bin folder.");

QString ShippedHelpFolder() {
    const auto folder = FindDataFolder("help");
    return folder.empty() ? QString() : QString::fromStdU16String(folder.u16string());
}

// A label above its input, which takes the label's text (less the mnemonic) as its
// accessible name, so screen readers announce what is on screen.
void AddLabelled(QVBoxLayout* layout, const QString& text, QWidget* input) {
    auto* label = new QLabel(text);
    label->setBuddy(input);
    input->setAccessibleName(QString(text).remove(u'&'));
    layout->addWidget(label);
    layout->addWidget(input);
}

QString PageOf(const QListWidgetItem* item) {
    return item ? item->data(kPageRole).toString() : QString();
}

bool IsExternal(const QUrl& url) {
    const QString scheme = url.scheme();
    return scheme == u"http" || scheme == u"https" || scheme == u"mailto";
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent, const QString& folder)
    : QMainWindow(parent), m_book(folder.isEmpty() ? ShippedHelpFolder() : folder) {
    setWindowTitle(QStringLiteral("Lumivane Help"));
    setWindowIcon(LoadIcon(QStringLiteral("help")));
    setObjectName(QStringLiteral("helpWindow"));

    m_tabs = new QTabWidget;
    m_tabs->addTab(MakeContentsTab(), QStringLiteral("&Contents"));
    m_tabs->addTab(MakeIndexTab(), QStringLiteral("I&ndex"));
    m_tabs->addTab(MakeSearchTab(), QStringLiteral("&Search"));

    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("page"));
    m_browser->setAccessibleName(QStringLiteral("Page"));
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::FollowSource);

    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    setCentralWidget(splitter);
    MakeToolBar();

    QWidget::setTabOrder(m_contents, m_indexFilter);
    QWidget::setTabOrder(m_indexFilter, m_index);
    QWidget::setTabOrder(m_index, m_searchField);
    QWidget::setTabOrder(m_searchField, m_searchButton);
    QWidget::setTabOrder(m_searchButton, m_results);
    QWidget::setTabOrder(m_results, m_browser);
    resize(900, 640);

    if (m_book.IsEmpty()) {
        ShowMissing(kNoPages);
    }
}

QWidget* HelpWindow::MakeContentsTab() {
    m_contents = new QTreeWidget;
    m_contents->setObjectName(QStringLiteral("contents"));
    m_contents->setAccessibleName(QStringLiteral("Contents"));
    m_contents->setHeaderHidden(true);
    std::vector<QTreeWidgetItem*> parents;
    for (const HelpBook::ContentsEntry& entry : m_book.Contents()) {
        parents.resize(std::min<std::size_t>(parents.size(), entry.level));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(parents.back());
        item->setText(0, entry.title);
        item->setData(0, kPageRole, entry.page);
        parents.push_back(item);
    }
    m_contents->expandAll();
    const auto open = [this](QTreeWidgetItem* item) {
        const QString page = item ? item->data(0, kPageRole).toString() : QString();
        if (!page.isEmpty()) {
            ShowPage(page);
        }
    };
    connect(m_contents, &QTreeWidget::itemClicked, this, open);
    connect(m_contents, &QTreeWidget::itemActivated, this, open);
    return m_contents;
}

QWidget* HelpWindow::MakeIndexTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    m_indexFilter = new QLineEdit;
    m_indexFilter->setObjectName(QStringLiteral("indexFilter"));
    m_index = new QListWidget;
    m_index->setObjectName(QStringLiteral("index"));
    AddLabelled(layout, QStringLiteral("&Look for"), m_indexFilter);
    AddLabelled(layout, QStringLiteral("&Keywords"), m_index);

    const auto& entries = m_book.Index();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto sameKeyword = [&](std::size_t j) {
            return j < entries.size() &&
                   entries[j].keyword.compare(entries[i].keyword, Qt::CaseInsensitive) == 0;
        };
        const bool shared = (i > 0 && sameKeyword(i - 1)) || sameKeyword(i + 1);
        auto* item = new QListWidgetItem(
            shared
                ? QStringLiteral("%1 (%2)").arg(entries[i].keyword, m_book.Title(entries[i].page))
                : entries[i].keyword,
            m_index);
        item->setData(kPageRole, entries[i].page);
    }
    connect(m_indexFilter, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
    connect(m_indexFilter, &QLineEdit::returnPressed, this,
            [this] { OpenListedPage(m_index, QString()); });
    connect(m_index, &QListWidget::itemActivated, this,
            [this] { OpenListedPage(m_index, QString()); });
    connect(m_index, &QListWidget::itemClicked, this,
            [this] { OpenListedPage(m_index, QString()); });
    return tab;
}

QWidget* HelpWindow::MakeSearchTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    m_searchField = new QLineEdit;
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_results = new QListWidget;
    m_results->setObjectName(QStringLiteral("searchResults"));
    AddLabelled(layout, QStringLiteral("Search &for"), m_searchField);
    m_searchButton = new QPushButton(QStringLiteral("&Go"));
    m_searchButton->setObjectName(QStringLiteral("searchButton"));
    layout->addWidget(m_searchButton);
    AddLabelled(layout, QStringLiteral("&Pages found"), m_results);

    connect(m_searchField, &QLineEdit::returnPressed, this, &HelpWindow::RunSearch);
    connect(m_searchButton, &QPushButton::clicked, this, &HelpWindow::RunSearch);
    const auto open = [this] {
        OpenListedPage(m_results, m_searchField->text());
    };
    connect(m_results, &QListWidget::itemActivated, this, open);
    connect(m_results, &QListWidget::itemClicked, this, open);
    return tab;
}

void HelpWindow::MakeToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"),
                            m_browser, &QTextBrowser::backward);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setShortcut(QKeySequence::Back);
    m_back->setEnabled(false);
    m_forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                               QStringLiteral("Forward"), m_browser, &QTextBrowser::forward);
    m_forward->setObjectName(QStringLiteral("forward"));
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setEnabled(false);
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                   QStringLiteral("Home"), this, [this] { ShowPage(kHomePage); });
    home->setObjectName(QStringLiteral("home"));
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
}

void HelpWindow::ShowPage(const QString& page) {
    const QString file = page.section(u'#', 0, 0);
    if (m_book.IsEmpty()) {
        ShowMissing(kNoPages);
    } else if (!m_book.HasPage(file)) {
        ShowMissing(QStringLiteral("The help page \"%1\" could not be found.").arg(file));
    } else {
        QUrl url = QUrl::fromLocalFile(QDir(m_book.Folder()).filePath(file));
        const QString anchor = page.section(u'#', 1);
        if (!anchor.isEmpty()) {
            url.setFragment(anchor);
        }
        m_browser->setSource(url);
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowIndex() {
    m_tabs->setCurrentIndex(1);
    ShowPage(kDefaultPage);
    m_indexFilter->setFocus();
}

QString HelpWindow::CurrentPage() const {
    return m_browser->source().isLocalFile() ? m_browser->source().fileName() : QString();
}

void HelpWindow::FilterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < m_index->count(); ++row) {
        QListWidgetItem* item = m_index->item(row);
        const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first) {
            first = item;
        }
    }
    m_index->setCurrentItem(first);
}

void HelpWindow::RunSearch() {
    m_results->clear();
    const auto hits = m_book.Search(m_searchField->text());
    for (const HelpBook::SearchHit& hit : hits) {
        auto* item = new QListWidgetItem(m_book.Title(hit.page), m_results);
        item->setData(kPageRole, hit.page);
    }
    if (hits.empty()) {
        auto* none =
            new QListWidgetItem(QStringLiteral("No page holds all of these words."), m_results);
        none->setFlags(Qt::NoItemFlags);
        return;
    }
    m_results->setCurrentRow(0);
}

void HelpWindow::OpenListedPage(const QListWidget* list, const QString& findText) {
    const QString page = PageOf(list->currentItem());
    if (page.isEmpty()) {
        return;
    }
    ShowPage(page);
    const QString firstWord = findText.simplified().section(u' ', 0, 0);
    if (!firstWord.isEmpty()) {
        m_browser->find(firstWord);
    }
}

void HelpWindow::FollowLink(const QUrl& url) {
    if (IsExternal(url)) {
        QDesktopServices::openUrl(url);
        return;
    }
    // Through ShowPage, so a link to a page that is missing says so instead of going blank.
    const QUrl target = m_browser->source().resolved(url);
    ShowPage(target.fileName() + (target.hasFragment() ? u'#' + target.fragment() : QString()));
}

void HelpWindow::FollowSource(const QUrl& url) {
    const QString page = url.fileName();
    const QSignalBlocker blocker(m_contents);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if ((*it)->data(0, kPageRole).toString() == page) {
            m_contents->setCurrentItem(*it);
            return;
        }
    }
    m_contents->clearSelection();
}

void HelpWindow::ShowMissing(const QString& message) {
    m_browser->setHtml(
        QStringLiteral("<h2>Lumivane Help</h2><p>%1</p>").arg(message.toHtmlEscaped()));
}

} // namespace lumivane
