#pragma once
// The built-in help: the pages shipped in share/lumivane/help, with a table of contents, a
// keyword index with a filter, a full-text search, and back and forward through the pages
// visited.

#include "app/HelpBook.h"

#include <QMainWindow>

class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QUrl;

namespace lumivane {

class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    static const QString kHomePage;    // "Welcome.htm"
    static const QString kDefaultPage; // "about.htm"

    // An empty folder means the help folder shipped with the program.
    explicit HelpWindow(QWidget* parent = nullptr, const QString& folder = {});

    // Opens page ("Welcome.htm", optionally with "#anchor"), then shows and raises the window.
    // A page that does not exist is answered with a page saying so.
    void ShowPage(const QString& page);
    // The default page with the keyword index in front.
    void ShowIndex();
    // The file name of the page shown, empty when none is.
    QString CurrentPage() const;

    const HelpBook& Book() const { return m_book; }

private:
    QWidget* MakeContentsTab();
    QWidget* MakeIndexTab();
    QWidget* MakeSearchTab();
    void MakeToolBar();
    void FilterIndex(const QString& text);
    void RunSearch();
    void OpenListedPage(const QListWidget* list, const QString& findText);
    void FollowLink(const QUrl& url);
    void FollowSource(const QUrl& url);
    void ShowMissing(const QString& message);

    HelpBook m_book;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    QListWidget* m_index = nullptr;
    QLineEdit* m_searchField = nullptr;
    QPushButton* m_searchButton = nullptr;
    QListWidget* m_results = nullptr;
    QTextBrowser* m_browser = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
};

} // namespace lumivane
