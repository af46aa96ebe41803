#include "app/HelpBook.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>

namespace lumivane {

namespace {

const QString kContentsFile = QStringLiteral("contents.txt");
constexpr int kIndentPerLevel = 2;

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString FirstCapture(const QString& html, const QRegularExpression& pattern) {
    const QRegularExpressionMatch match = pattern.match(html);
    return match.hasMatch() ? QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText()
                            : QString();
}

QString TitleOf(const QString& html) {
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    return FirstCapture(html, title).simplified();
}

QStringList KeywordsOf(const QString& html) {
    static const QRegularExpression meta(
        QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QStringList keywords;
    for (const QString& keyword : FirstCapture(html, meta).split(u',')) {
        if (!keyword.trimmed().isEmpty()) {
            keywords.append(keyword.simplified());
        }
    }
    return keywords;
}

int CountOf(const QString& text, const QString& word) {
    int count = 0;
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + word.size())) {
        ++count;
    }
    return count;
}

} // namespace

HelpBook::HelpBook(const QString& folder) : m_folder(folder) {
    if (folder.isEmpty()) {
        return;
    }
    const QDir dir(folder);
    m_pages =
        dir.entryList({QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& page : std::as_const(m_pages)) {
        ReadPage(page);
    }
    ReadContents();
    SortIndex();
}

QString HelpBook::Title(const QString& page) const {
    const QString title = m_titles.value(page);
    return title.isEmpty() ? page : title;
}

void HelpBook::ReadPage(const QString& page) {
    const QString html = ReadText(QDir(m_folder).filePath(page));
    const QString title = TitleOf(html);
    m_titles.insert(page, title);
    m_texts.insert(page,
                   (title + u'\n' + QTextDocumentFragment::fromHtml(html).toPlainText()).toLower());
    for (const QString& keyword : KeywordsOf(html)) {
        m_index.push_back({keyword, page});
    }
}

void HelpBook::ReadContents() {
    const QStringList lines =
        ReadText(QDir(m_folder).filePath(kContentsFile)).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QString text = line.trimmed();
        if (text.isEmpty() || text.startsWith(u'#')) {
            continue;
        }
        const qsizetype indent = line.indexOf(text.at(0));
        const qsizetype bar = text.lastIndexOf(u'|');
        ContentsEntry entry;
        entry.level = static_cast<int>(indent / kIndentPerLevel);
        entry.title = (bar < 0 ? text : text.left(bar)).trimmed();
        entry.page = bar < 0 ? QString() : text.mid(bar + 1).trimmed();
        m_contents.push_back(entry);
    }
}

void HelpBook::SortIndex() {
    std::stable_sort(m_index.begin(), m_index.end(),
                     [this](const IndexEntry& a, const IndexEntry& b) {
                         const int byKeyword = a.keyword.compare(b.keyword, Qt::CaseInsensitive);
                         if (byKeyword != 0) {
                             return byKeyword < 0;
                         }
                         return Title(a.page).compare(Title(b.page), Qt::CaseInsensitive) < 0;
                     });
}

std::vector<HelpBook::SearchHit> HelpBook::Search(const QString& words) const {
    const QStringList wanted = words.simplified().toLower().split(u' ', Qt::SkipEmptyParts);
    std::vector<SearchHit> hits;
    if (wanted.isEmpty()) {
        return hits;
    }
    for (const QString& page : m_pages) {
        const QString text = m_texts.value(page);
        SearchHit hit{page, 0};
        for (const QString& word : wanted) {
            const int count = CountOf(text, word);
            if (count == 0) {
                hit.count = 0;
                break;
            }
            hit.count += count;
        }
        if (hit.count > 0) {
            hits.push_back(hit);
        }
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const SearchHit& a, const SearchHit& b) { return a.count > b.count; });
    return hits;
}

} // namespace lumivane
