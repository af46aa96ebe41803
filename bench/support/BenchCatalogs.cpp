#include "support/BenchCatalogs.h"

#include "base/NumberText.h"
#include "base/SourcePaths.h"
#include "catalog/CatalogStore.h"

#include <fstream>
#include <functional>
#include <stdexcept>
#include <utility>

namespace lumivane::bench {

namespace {

using Columns = std::vector<std::string>;
// Rewrites the columns of one record for copy c (never called for the original, copy 0).
using CopyEdit = std::function<void(Columns& columns, int copy, int serial)>;

Columns SplitRecord(const std::string& line) {
    Columns columns(1);
    for (const char c : line) {
        if (c == ';') {
            columns.emplace_back();
        } else if (c != '\r') {
            columns.back() += c;
        }
    }
    return columns;
}

std::string JoinRecord(const Columns& columns) {
    std::string line;
    for (const std::string& column : columns) {
        line += (line.empty() ? "" : ";") + column;
    }
    return line + '\n';
}

std::vector<Columns> ReadRecords(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::vector<Columns> records;
    std::string line;
    while (std::getline(in, line)) {
        if (line.find(';') != std::string::npos) {
            records.push_back(SplitRecord(line));
        }
    }
    return records;
}

void AppendCopyMark(Columns& columns, std::initializer_list<std::size_t> which, int copy) {
    for (const std::size_t k : which) {
        if (k < columns.size()) {
            columns[k] += " S" + FormatInt(copy);
        }
    }
}

void ScaleColumns(Columns& columns, std::initializer_list<std::size_t> which, double factor) {
    for (const std::size_t k : which) {
        if (k < columns.size()) {
            columns[k] = FormatFixed(ParseDoublePrefix(columns[k]) * factor, 2);
        }
    }
}

// Catalog numbers end in distinct digits, so the copies get item numbers of their own.
std::string CatalogNumber(int series, int serial) {
    return "48-" + FormatInt(series * 100000 + serial);
}

void EditLens(Columns& columns, int copy, int serial) {
    AppendCopyMark(columns, {0, 1}, copy);
    if (columns.size() > 2) {
        columns[2] = CatalogNumber(3, serial);
    }
    ScaleColumns(columns, {4, 5, 6}, 1.0 + 0.035 * copy);
}

void EditAttachment(Columns& columns, int copy, int serial) {
    AppendCopyMark(columns, {0, 1}, copy);
    if (columns.size() > 2) {
        columns[2] = CatalogNumber(4, serial);
    }
}

void EditFormat(Columns& columns, int copy, int) {
    AppendCopyMark(columns, {0, 1}, copy);
}

void EditProjector(Columns& columns, int copy, int) {
    AppendCopyMark(columns, {0, 2}, copy);
}

void WriteScaledFile(const std::filesystem::path& source, const std::filesystem::path& target,
                     int copies, const CopyEdit& edit) {
    const std::vector<Columns> records = ReadRecords(source);
    std::ofstream out(target, std::ios::binary);
    int serial = 0;
    for (int copy = 0; copy < copies; ++copy) {
        for (Columns columns : records) {
            if (copy > 0) {
                edit(columns, copy, serial);
            }
            ++serial;
            out << JoinRecord(columns);
        }
    }
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + target.string());
    }
}

void WriteStore(const BenchCatalog& catalog) {
    CatalogSet catalogs = BuildCatalogsFromText(catalog.textFolder);
    if (!WriteCatalogStore(catalog.store, catalogs)) {
        throw std::runtime_error("cannot write " + catalog.store.string());
    }
}

} // namespace

std::filesystem::path ShippedCatalogFolder() {
    return std::filesystem::path(LUMIVANE_SOURCE_DATA_DIR) / "catalog";
}

void WriteScaledCatalog(const std::filesystem::path& source, const std::filesystem::path& target,
                        int copies) {
    WriteScaledFile(source / "lenses.txt", target / "lenses.txt", copies, EditLens);
    WriteScaledFile(source / "attach.txt", target / "attach.txt", copies, EditAttachment);
    WriteScaledFile(source / "formats.txt", target / "formats.txt", copies, EditFormat);
    WriteScaledFile(source / "projectors.txt", target / "projectors.txt", copies, EditProjector);
}

BenchCatalogs::BenchCatalogs() {
    m_shipped = {"shipped", ShippedCatalogFolder(), m_folder / "shipped.dta"};
    m_synthetic = {"synthetic", m_folder / "synthetic", m_folder / "synthetic.dta"};
    std::filesystem::create_directory(m_synthetic.textFolder);
    WriteScaledCatalog(m_shipped.textFolder, m_synthetic.textFolder, kSyntheticCopies);
    WriteStore(m_shipped);
    WriteStore(m_synthetic);
}

CatalogSet InstallCatalogText(const std::filesystem::path& folder) {
    CatalogSet catalogs = BuildCatalogsFromText(folder);
    InstallCatalogs(catalogs);
    return catalogs;
}

} // namespace lumivane::bench
