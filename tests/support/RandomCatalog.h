#pragma once
// A seeded source of random but valid catalog records for round-trip tests: every field takes
// values of every class its type allows (texts at the archive's length-prefix boundaries and
// beyond Windows-1252, doubles that are NaN, infinite, negative zero or subnormal), and the
// same seed always gives the same records.

#include "base/TextArena.h"
#include "catalog/CatalogStore.h"
#include "catalog/ProjectorDescriptor.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

class CAttachDescriptor;
class CFormatDescriptor;
class CLensDescriptor;
class CProjectorDescriptor;

namespace lumivane {
class Archive;
}

namespace lumivane::test {

// Byte counts where the archive's text prefix changes form (one byte, a word, the wide
// marker's neighbourhood, a dword).
inline constexpr std::size_t kTextLengthClasses[] = {254, 255, 65533, 65534};

class RandomCatalog {
public:
    explicit RandomCatalog(std::uint32_t seed) : m_random(seed) {}

    // Empty, ASCII, Windows-1252 beyond ASCII, text Windows-1252 cannot hold, or ASCII text of
    // one of kTextLengthClasses.
    std::string Text();
    // Text that the registry form of a format can hold: no ';', carriage return or line feed.
    std::string StorableName();
    double Number();
    // A real number as catalogs and formats hold them: finite, up to a few thousand.
    double Measure();
    std::int32_t Int();
    std::int16_t Short();

    // Lenses, attachments and projector models keep their texts in this generator, so they
    // must not outlive it.
    std::unique_ptr<CLensDescriptor> Lens();
    std::unique_ptr<CAttachDescriptor> Attachment();
    CProjectorDescriptor Projector();
    std::unique_ptr<CFormatDescriptor> Format();
    // A user-defined format, as the format dialog makes them.
    std::unique_ptr<CFormatDescriptor> CustomFormat(std::int32_t index);
    // All three catalogs, with up to maxItems records in each list.
    CatalogSet Catalogs(std::size_t maxItems);

private:
    std::size_t Below(std::size_t n);
    void WriteDescriptorRecord(Archive& ar);
    void WriteLensRecord(Archive& ar);
    void WriteAttachmentRecord(Archive& ar);

    std::mt19937 m_random;
    TextArena m_texts;
};

} // namespace lumivane::test
