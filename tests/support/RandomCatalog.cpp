#include "support/RandomCatalog.h"

#include "base/Archive.h"
#include "base/NumberText.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatFlags.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"

#include <bit>
#include <limits>

namespace lumivane::test {

namespace {

// Lens and attachment fields have no setters: the catalog builds them only from its files, so
// random records are made the same way, from a store record of random values.
template <class Item> std::unique_ptr<Item> LoadItem(const Archive& stored, TextArena& texts) {
    Archive in = Archive::ForLoading(stored.Bytes());
    auto item = std::make_unique<Item>();
    item->Serialize(in, texts);
    return item;
}

} // namespace

std::size_t RandomCatalog::Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
}

std::string RandomCatalog::Text() {
    static const char* const kPieces[] = {
        "Lens", " ",   "70.5mm",       "\xC3\xA9",         "\xE2\x82\xAC", "\xC2\xA0",
        "\t",   "'\"", "\xE4\xB8\xAD", "\xF0\x9F\x8E\xA5", "\xE2\x80\x93"};
    switch (Below(6)) {
    case 0:
        return {};
    case 1:
        return std::string(kTextLengthClasses[Below(std::size(kTextLengthClasses))],
                           static_cast<char>('a' + Below(26)));
    default: {
        std::string text;
        for (std::size_t n = 1 + Below(8); n > 0; --n) {
            text += kPieces[Below(std::size(kPieces))];
        }
        return text;
    }
    }
}

std::string RandomCatalog::StorableName() {
    std::string name = Text();
    for (char& c : name) {
        if (c == ';' || c == '\r' || c == '\n') {
            c = '_';
        }
    }
    return name;
}

double RandomCatalog::Number() {
    switch (Below(8)) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return Below(2) ? std::numeric_limits<double>::infinity()
                        : -std::numeric_limits<double>::infinity();
    case 2:
        return Below(2) ? 0.0 : -0.0;
    case 3:
        return std::numeric_limits<double>::denorm_min() * static_cast<double>(1 + Below(1000));
    case 4:
        return std::bit_cast<double>(static_cast<std::uint64_t>(m_random()) << 32 | m_random());
    default:
        return std::uniform_real_distribution<double>(-1e4, 1e4)(m_random);
    }
}

double RandomCatalog::Measure() {
    return std::uniform_real_distribution<double>(0.0, 5000.0)(m_random);
}

std::int32_t RandomCatalog::Int() {
    switch (Below(4)) {
    case 0:
        return Below(2) ? std::numeric_limits<std::int32_t>::min()
                        : std::numeric_limits<std::int32_t>::max();
    case 1:
        return static_cast<std::int32_t>(Below(1024));
    default:
        return static_cast<std::int32_t>(m_random());
    }
}

std::int16_t RandomCatalog::Short() {
    return static_cast<std::int16_t>(m_random());
}

void RandomCatalog::WriteDescriptorRecord(Archive& ar) {
    ar.WriteShort(Short());
    ar.WriteText(Text());
    ar.WriteText(Text());
    ar.WriteText(Text());
    ar.WriteLong(Int());
}

void RandomCatalog::WriteLensRecord(Archive& ar) {
    WriteDescriptorRecord(ar);
    ar.WriteLong(Int());
    for (int i = 0; i < 5; ++i) {
        ar.WriteDouble(Number());
    }
    ar.WriteLong(Int());
    ar.WriteLong(Int());
}

void RandomCatalog::WriteAttachmentRecord(Archive& ar) {
    WriteDescriptorRecord(ar);
    for (int i = 0; i < 4; ++i) {
        ar.WriteDouble(Number());
    }
    ar.WriteLong(Int());
    ar.WriteLong(Int());
}

std::unique_ptr<CLensDescriptor> RandomCatalog::Lens() {
    Archive ar = Archive::ForStoring();
    WriteLensRecord(ar);
    return LoadItem<CLensDescriptor>(ar, m_texts);
}

std::unique_ptr<CAttachDescriptor> RandomCatalog::Attachment() {
    Archive ar = Archive::ForStoring();
    WriteAttachmentRecord(ar);
    return LoadItem<CAttachDescriptor>(ar, m_texts);
}

CProjectorDescriptor RandomCatalog::Projector() {
    const std::string_view model = m_texts.Add(Text());
    const std::string_view series = m_texts.Add(Text());
    const std::string_view maker = m_texts.Add(Text());
    return CProjectorDescriptor(model, series, maker, Int(), Int(), Int());
}

std::unique_ptr<CFormatDescriptor> RandomCatalog::Format() {
    auto format = std::make_unique<CFormatDescriptor>();
    format->SetName(Text());
    format->SetName2(Text());
    format->SetAspect(Number());
    format->SetHeight(Number());
    format->SetWidth(Number());
    format->SetFlags(Int());
    format->SetExcluded(Int());
    format->SetAnamorphic(Number());
    return format;
}

// The dialog's formats are unsqueezed by the factors of their flags, as reading does.
std::unique_ptr<CFormatDescriptor> RandomCatalog::CustomFormat(std::int32_t index) {
    namespace Flag = lumivane::FormatFlag;
    static const std::int32_t kSqueezeFlags[] = {0,
                                                 Flag::Anamorphic200,
                                                 Flag::Anamorphic148,
                                                 Flag::Anamorphic190,
                                                 Flag::Anamorphic133,
                                                 Flag::Anamorphic142};
    const std::int32_t flags =
        static_cast<std::int32_t>(Below(0x4000)) | kSqueezeFlags[Below(std::size(kSqueezeFlags))];
    auto format = std::make_unique<CFormatDescriptor>();
    format->ParseText(StorableName() + ';' + StorableName() + ";1;1;1;" +
                          lumivane::FormatInt(flags) + ';' + lumivane::FormatInt(Int()),
                      index);
    format->SetAspect(Measure() / 1000 * format->GetAnamorphic());
    format->SetHeight(Measure());
    format->SetWidth(Measure() * format->GetAnamorphic());
    return format;
}

CatalogSet RandomCatalog::Catalogs(std::size_t maxItems) {
    CatalogSet catalogs = MakeEmptyCatalogs();
    Archive lenses = Archive::ForStoring();
    const std::size_t lensCount = Below(maxItems + 1);
    lenses.WriteLong(static_cast<std::int32_t>(lensCount));
    for (std::size_t i = 0; i < lensCount; ++i) {
        WriteLensRecord(lenses);
    }
    const std::size_t attachmentCount = Below(maxItems + 1);
    lenses.WriteLong(static_cast<std::int32_t>(attachmentCount));
    for (std::size_t i = 0; i < attachmentCount; ++i) {
        WriteAttachmentRecord(lenses);
    }
    Archive in = Archive::ForLoading(lenses.Bytes());
    catalogs.lenses->Serialize(in);
    for (std::size_t n = Below(maxItems + 1); n > 0; --n) {
        catalogs.projectors->Append(Projector());
    }
    for (std::size_t n = Below(maxItems + 1); n > 0; --n) {
        catalogs.formats->Append(Format());
    }
    return catalogs;
}

} // namespace lumivane::test
