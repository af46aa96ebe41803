#pragma once
// Reader of the maker's catalog text files (lenses, attachments, formats, projectors): one
// record per line, columns separated by ';', raw Windows-1252 bytes, no comments, no header.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace lumivane {

// One line of a catalog text file, split at every ';' (so an empty column never shifts the
// columns after it). The line feed that ends the record stays at the end of the last column,
// together with a carriage return before it: a text column keeps every byte, a number column
// stops reading there.
class TextRecord {
public:
    TextRecord() = default;
    explicit TextRecord(std::vector<std::string> columns) : m_columns(std::move(columns)) {}

    std::size_t ColumnCount() const { return m_columns.size(); }

    // Raw bytes of column k; empty when the line has fewer columns.
    const std::string& Raw(std::size_t k) const;
    // Column k converted from Windows-1252 to UTF-8; empty when missing.
    std::string Text(std::size_t k) const;
    // Leading integer of column k (white space, sign, digits), saturated to 32 bits; 0 when
    // the column is missing or holds no number.
    std::int32_t Int(std::size_t k) const;
    // Leading real number of column k; 0 when the column is missing or holds no number.
    double Real(std::size_t k) const;

private:
    std::vector<std::string> m_columns;
};

class TextRecordReader {
public:
    // How a file ends besides its last byte: the projector list also stops at the first line
    // that holds no ';' (an empty line included).
    enum class EndRule { EndOfFile, LineWithoutSeparator };

    // Columns and bytes beyond these limits are dropped, so a hostile file cannot make the
    // reader allocate without bound; real catalog lines are far shorter.
    static constexpr std::size_t kMaxColumns = 64;
    static constexpr std::size_t kMaxRecordBytes = 65536;

    explicit TextRecordReader(const std::filesystem::path& path, EndRule rule = EndRule::EndOfFile);
    static TextRecordReader FromBytes(std::string bytes, EndRule rule = EndRule::EndOfFile);

    // False when the file could not be opened; such a reader reads no record.
    bool IsOpen() const { return m_in != nullptr; }

    // Reads the next record. False at the end: end of file (a last line without a line feed
    // is dropped) or, with LineWithoutSeparator, a line without ';'; every later call is false
    // too.
    bool ReadRecord(TextRecord& record);

private:
    TextRecordReader(std::unique_ptr<std::istream> in, EndRule rule);

    std::unique_ptr<std::istream> m_in;
    EndRule m_rule;
    bool m_ended = false;
};

} // namespace lumivane
