// Feeds the same bytes to the catalog text reader, as lens and attachment lines, and to the
// lens catalog's store loader; then walks the candidates of a set-up made from the input, so
// hostile numbers reach the scoring too.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/TextArena.h"
#include "catalog/LensDatabase.h"
#include "catalog/LensSetupQuery.h"
#include "catalog/TextRecordReader.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using lumivane::TextRecordReader;

namespace {

class FuzzSetup : public lumivane::LensSetupQuery {
public:
    explicit FuzzSetup(const std::uint8_t* data, std::size_t size) {
        std::uint8_t head[20] = {};
        std::memcpy(head, data, size < sizeof head ? size : sizeof head);
        std::memcpy(&m_needs.flags, head, 4);
        std::memcpy(&m_needs.excluded, head + 4, 4);
        std::memcpy(&m_needs.filmDiagonal, head + 8, 8);
        std::memcpy(&m_barrel, head + 16, 2);
        m_focal = head[18] * 2.0 - head[19];
    }

    std::optional<lumivane::LensFormatNeeds> FormatNeeds() const override { return m_needs; }
    std::int16_t Barrel() const override { return m_barrel; }
    double RequiredFocalMm() const override { return m_focal; }

private:
    lumivane::LensFormatNeeds m_needs;
    std::int16_t m_barrel = 0;
    double m_focal = 0;
};

template <class Item> void ReadLines(const std::string& bytes, TextRecordReader::EndRule rule) {
    TextRecordReader file = TextRecordReader::FromBytes(bytes, rule);
    lumivane::TextArena texts;
    Item item;
    while (item.ReadTextRecord(file, texts) == 0) {
        if (item.Name().size() > TextRecordReader::kMaxRecordBytes * 3 + 3) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ReadLines<CLensDescriptor>(bytes, TextRecordReader::EndRule::EndOfFile);
    ReadLines<CAttachDescriptor>(bytes, TextRecordReader::EndRule::LineWithoutSeparator);

    lumivane::ScopedAppContext context;
    context.context().settings.m_fixedFocal = size % 2 == 1;
    CLensDatabase db;
    lumivane::Archive ar =
        lumivane::Archive::ForLoading(std::vector<std::uint8_t>(data, data + size));
    try {
        db.Serialize(ar);
    } catch (const lumivane::ArchiveError&) {
        return 0;
    }
    FuzzSetup setUp(data, size);
    db.WalkCandidates(setUp, [](const CLensDescriptor&, const CAttachDescriptor*, int) {
        return CLensDatabase::WalkStep::Continue;
    });
    db.FillBarrelList(setUp);
    return 0;
}
