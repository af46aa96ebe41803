#pragma once
// The help pages of one folder as the help window needs them: their titles, the table of
// contents (contents.txt), the keyword index (each page's keywords meta tag) and a plain-text
// copy of every page for the full-text search.

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace lumivane {

class HelpBook {
public:
    struct ContentsEntry {
        QString title;
        QString page; // empty for a heading that only groups the entries below it
        int level = 0;
    };
    struct IndexEntry {
        QString keyword;
        QString page;
    };
    struct SearchHit {
        QString page;
        int count = 0;
    };

    // A folder that does not exist or holds no page gives an empty book.
    explicit HelpBook(const QString& folder);

    bool IsEmpty() const { return m_pages.isEmpty(); }
    QString Folder() const { return m_folder; }
    // File names of the pages, sorted.
    QStringList Pages() const { return m_pages; }
    bool HasPage(const QString& page) const { return m_titles.contains(page); }
    // The page's title, or its file name when it has none.
    QString Title(const QString& page) const;
    const std::vector<ContentsEntry>& Contents() const { return m_contents; }
    // Sorted by keyword regardless of case, then by page title.
    const std::vector<IndexEntry>& Index() const { return m_index; }
    // Pages holding every word of words (any case), most occurrences first.
    std::vector<SearchHit> Search(const QString& words) const;

private:
    void ReadPage(const QString& page);
    void ReadContents();
    void SortIndex();

    QString m_folder;
    QStringList m_pages;
    QHash<QString, QString> m_titles;
    QHash<QString, QString> m_texts; // lower-case plain text, title included
    std::vector<ContentsEntry> m_contents;
    std::vector<IndexEntry> m_index;
};

} // namespace lumivane
