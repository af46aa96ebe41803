// Every catalog record and the whole catalog store, over random records of every value class:
// written, read and written again, a record comes back byte for byte, and so does each field.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/TextArena.h"
#include "catalog/CatalogJson.h"
#include "catalog/CatalogStore.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "support/MemorySettingsStore.h"
#include "support/RandomCatalog.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using lumivane::Archive;
using lumivane::CatalogSet;
using lumivane::test::RandomCatalog;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kSeeds = 40;

// Lens, attachment and projector records keep their texts in their catalog's arena; format
// records own theirs.
template <class T> void Serialize(T& object, Archive& ar, lumivane::TextArena& texts) {
    if constexpr (requires { object.Serialize(ar, texts); }) {
        object.Serialize(ar, texts);
    } else {
        object.Serialize(ar);
    }
}

template <class T> Bytes Stored(T& object, lumivane::TextArena& texts) {
    Archive ar = Archive::ForStoring();
    Serialize(object, ar, texts);
    return ar.Bytes();
}

template <class T> std::unique_ptr<T> Loaded(const Bytes& bytes, lumivane::TextArena& texts) {
    Archive ar = Archive::ForLoading(bytes);
    auto object = std::make_unique<T>();
    Serialize(*object, ar, texts);
    EXPECT_TRUE(ar.AtEnd());
    return object;
}

// Write, read, write, read, write: catalog records are not normalised by reading, so all three
// writes agree; the returned object is the first one read back, its texts kept in texts.
template <class T> std::unique_ptr<T> RoundTrip(T& original, lumivane::TextArena& texts) {
    const Bytes first = Stored(original, texts);
    auto once = Loaded<T>(first, texts);
    const Bytes second = Stored(*once, texts);
    const Bytes third = Stored(*Loaded<T>(second, texts), texts);
    EXPECT_EQ(second, third);
    EXPECT_EQ(first, second);
    return once;
}

Bytes StoreBytes(CatalogSet& catalogs) {
    Archive ar = Archive::ForStoring();
    lumivane::SaveCatalogStore(ar, catalogs);
    return ar.Bytes();
}

CatalogSet LoadStore(const Bytes& bytes) {
    Archive ar = Archive::ForLoading(bytes);
    CatalogSet catalogs = lumivane::MakeEmptyCatalogs();
    lumivane::LoadCatalogStore(ar, catalogs);
    return catalogs;
}

class CatalogRoundTripTest : public ::testing::Test {
protected:
    lumivane::ScopedAppContext m_context;
    lumivane::TextArena m_texts;
};

TEST_F(CatalogRoundTripTest, LensAndAttachmentRecordsComeBackWhole) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        RandomCatalog random(seed);
        auto lens = random.Lens();
        auto lensBack = RoundTrip(*lens, m_texts);
        EXPECT_EQ(lensBack->Name(), lens->Name());
        EXPECT_EQ(lensBack->ShortName(), lens->ShortName());
        EXPECT_EQ(lensBack->Catalog(), lens->Catalog());
        EXPECT_EQ(lensBack->Id(), lens->Id());
        EXPECT_EQ(lensBack->Kinds(), lens->Kinds());

        auto attachment = random.Attachment();
        auto attachmentBack = RoundTrip(*attachment, m_texts);
        EXPECT_EQ(attachmentBack->Name(), attachment->Name());
        EXPECT_EQ(attachmentBack->Fit(), attachment->Fit());
    }
}

TEST_F(CatalogRoundTripTest, ProjectorAndFormatRecordsComeBackWhole) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        RandomCatalog random(seed);
        CProjectorDescriptor projector = random.Projector();
        auto projectorBack = RoundTrip(projector, m_texts);
        EXPECT_EQ(projectorBack->GetModel(), projector.GetModel());
        EXPECT_EQ(projectorBack->GetSeries(), projector.GetSeries());
        EXPECT_EQ(projectorBack->GetMaker(), projector.GetMaker());
        EXPECT_EQ(projectorBack->GetVres(), projector.GetVres());

        auto format = random.Format();
        auto formatBack = RoundTrip(*format, m_texts);
        EXPECT_EQ(formatBack->GetName(), format->GetName());
        EXPECT_EQ(formatBack->GetName2(), format->GetName2());
        EXPECT_EQ(formatBack->GetExcluded(), format->GetExcluded());
    }
}

TEST_F(CatalogRoundTripTest, TextOfEveryLengthClassSurvives) {
    for (const std::size_t length : lumivane::test::kTextLengthClasses) {
        for (const std::string& text :
             {std::string(length, 'x'), std::string(length / 2, 'y') + "\xE4\xB8\xAD"}) {
            SCOPED_TRACE(text.size());
            CProjectorDescriptor projector(text, "\xE2\x82\xAC", text, 1, 2, 3);
            EXPECT_EQ(RoundTrip(projector, m_texts)->GetModel(), text);
        }
    }
}

TEST_F(CatalogRoundTripTest, WholeStoresComeBackFieldForField) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        RandomCatalog random(seed);
        CatalogSet catalogs = random.Catalogs(6);
        const Bytes first = StoreBytes(catalogs);
        CatalogSet once = LoadStore(first);
        EXPECT_EQ(lumivane::CatalogsToJson(once), lumivane::CatalogsToJson(catalogs));
        const Bytes second = StoreBytes(once);
        CatalogSet twice = LoadStore(second);
        EXPECT_EQ(StoreBytes(twice), second);
        EXPECT_EQ(first, second);
    }
}

// User-defined formats live in the settings store in their registry form, which keeps three
// decimals: the first save rounds, and after that the text does not change.
TEST_F(CatalogRoundTripTest, UserFormatsSettleAfterOneSave) {
    auto store = std::make_shared<lumivane::test::MemorySettingsStore>();
    m_context.context().settingsStore = store;
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        RandomCatalog random(seed);
        CFormatDatabase original;
        for (std::int32_t i = 0; i < 5; ++i) {
            original.Append(random.CustomFormat(i));
        }
        original.SaveCustomFormats();
        CFormatDatabase once;
        once.LoadCustomFormats();
        ASSERT_EQ(once.GetCount(), original.GetCount());
        std::vector<std::string> secondTexts;
        for (int i = 0; i < once.GetCount(); ++i) {
            const CFormatDescriptor& a = *original.GetAt(i);
            const CFormatDescriptor& b = *once.GetAt(i);
            EXPECT_EQ(b.GetName(), a.GetName());
            EXPECT_EQ(b.GetName2(), a.GetName2());
            EXPECT_EQ(b.GetFlags(), a.GetFlags());
            EXPECT_EQ(b.GetExcluded(), a.GetExcluded());
            EXPECT_EQ(b.GetCustomIndex(), a.GetCustomIndex());
            EXPECT_EQ(b.GetAnamorphic(), a.GetAnamorphic());
            EXPECT_NEAR(b.GetHeight(), a.GetHeight(), 0.0005);
            secondTexts.push_back(b.ToText());
        }
        once.SaveCustomFormats();
        CFormatDatabase twice;
        twice.LoadCustomFormats();
        for (int i = 0; i < twice.GetCount(); ++i) {
            EXPECT_EQ(twice.GetAt(i)->ToText(), secondTexts[static_cast<std::size_t>(i)]);
        }
    }
}

} // namespace
