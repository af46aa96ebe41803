// Project files that claim more than any file can hold: two billion records or a text of
// 4 GiB. They must be refused with "Unexpected file format." at once, in a child process whose
// address space is capped, so a reader that trusted the claim would fail here.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/ProjectFile.h"
#include "model/Auditorium.h"
#include "support/BoundedChild.h"
#include "support/ModelCatalogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iostream>

namespace {

using lumivane::Archive;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kAddressLimit = std::size_t{1} << 30;
constexpr std::uint32_t kTwoBillion = 0x80000000u;

Bytes WrittenProject(int auditoriums, bool withProjector) {
    lumivane::ProjectContents contents;
    for (int i = 0; i < auditoriums; ++i) {
        auto auditorium = std::make_unique<CAuditorium>(i + 1);
        if (withProjector) {
            auditorium->AddProjector(0);
        }
        contents.auditoriums.push_back(std::move(auditorium));
    }
    Archive ar = Archive::ForStoring();
    lumivane::WriteProject(ar, contents);
    return ar.Bytes();
}

// Replaces the count that ends a written file (its last four bytes).
Bytes WithLastCount(Bytes bytes, std::uint32_t count) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[bytes.size() - 4 + i] = static_cast<std::uint8_t>(count >> (8 * i));
    }
    return bytes;
}

Bytes VersionThen(const std::function<void(Archive&)>& rest) {
    Archive ar = Archive::ForStoring();
    ar.WriteDword(12);
    rest(ar);
    return ar.Bytes();
}

class HostileProjectFileTest : public ::testing::Test {
protected:
    // Reads the file in a capped child and expects the corrupt-file message.
    void ExpectRefused(const Bytes& bytes, const char* what) {
        const auto path = m_dir / "hostile.hoprj";
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        const auto outcome = lumivane::test::RunBounded(
            [&] {
                lumivane::ScopedAppContext context;
                lumivane::ProjectContents contents;
                const auto result = lumivane::ReadProjectFile(path, contents);
                return lumivane::ProjectReadMessage(result) == "Unexpected file format.";
            },
            kAddressLimit);
        EXPECT_TRUE(outcome.passed) << what << ": " << outcome.failure;
        std::cout << "[ peak     ] " << what << ": " << outcome.peakKib << " KiB"
                  << (lumivane::test::AddressSpaceCapApplies() ? " (address space 1 GiB)"
                                                               : " (no cap under ASan)")
                  << "\n";
        RecordProperty(what, static_cast<int>(outcome.peakKib));
    }

    lumivane::test::TempDir m_dir;
};

// Without this the tests below could not tell a bounded reader from a greedy one.
TEST_F(HostileProjectFileTest, TheCapStopsAGreedyReader) {
    if (!lumivane::test::AddressSpaceCapApplies()) {
        GTEST_SKIP() << "no address space cap under AddressSanitizer";
    }
    const auto outcome = lumivane::test::RunBounded(
        [] { return std::vector<std::uint8_t>(std::size_t{2} << 30, 1).back() == 1; },
        kAddressLimit);
    EXPECT_FALSE(outcome.passed);
}

TEST_F(HostileProjectFileTest, TwoBillionRecordsAtAnyLevelAreRefused) {
    ExpectRefused(WithLastCount(WrittenProject(0, false), kTwoBillion), "auditoriums");
    ExpectRefused(WithLastCount(WrittenProject(1, false), kTwoBillion), "projectors");
    ExpectRefused(WithLastCount(WrittenProject(2, true), kTwoBillion), "lens set-ups");
    ExpectRefused(WithLastCount(WrittenProject(0, false), 0xFFFFFFFFu), "auditoriums 2^32-1");
}

TEST_F(HostileProjectFileTest, FourGibibyteTextsAreRefused) {
    ExpectRefused(VersionThen([](Archive& ar) {
                      ar.WriteByte(0xFF);
                      ar.WriteWord(0xFFFF);
                      ar.WriteDword(0xFFFFFFFFu);
                  }),
                  "narrow text");
    ExpectRefused(VersionThen([](Archive& ar) {
                      ar.WriteByte(0xFF);
                      ar.WriteWord(0xFFFE);
                      ar.WriteByte(0xFF);
                      ar.WriteWord(0xFFFF);
                      ar.WriteDword(0xFFFFFFFFu);
                  }),
                  "wide text");
}

// The same claims in a real-sized file: a valid project of many auditoriums, then a count
// no file could satisfy.
TEST_F(HostileProjectFileTest, ClaimsAfterALargeValidPartAreRefused) {
    Bytes bytes = WrittenProject(2000, true);
    ExpectRefused(WithLastCount(bytes, kTwoBillion), "lens set-ups after 2000 auditoriums");
}

// Files before version 10 list the set-ups of an auditorium without projectors; each was
// looked up in the auditorium's list before being added, so a few megabytes of set-ups took
// minutes to read.
TEST_F(HostileProjectFileTest, OldFileOfManySetUpsReadsWhole) {
    lumivane::test::InstallModelCatalogs();
    constexpr std::uint32_t kSetUps = 200000;
    Archive ar = Archive::ForStoring();
    ar.WriteDword(9);
    ar.WriteDword(1);
    ar.WriteText("Auditorium 1");
    ar.WriteText("");
    const auto doubles = [&ar](int n, double v) {
        for (int i = 0; i < n; ++i) {
            ar.WriteDouble(v);
        }
    };
    doubles(3, 5.0); // unit mark, screen height and width
    ar.WriteShort(0);
    doubles(1, 1.0); // porthole distance
    ar.WriteShort(0);
    ar.WriteShort(0);
    doubles(3, 0.0); // two unused values and the curve
    ar.WriteShort(0);
    doubles(3, 1.0); // tilt and audience
    ar.WriteShort(0);
    ar.WriteLong(0);
    ar.WriteLong(1);
    ar.WriteDword(kSetUps);
    for (std::uint32_t k = 0; k < kSetUps; ++k) {
        ar.WriteShort(lumivane::test::kFlatFormat);
        ar.WriteShort(0);
        ar.WriteShort(0);
        doubles(3, 1.0); // image height, width and focal length
        ar.WriteShort(0);
        doubles(4, 0.0); // extents and shifts
        ar.WriteDword(0);
    }
    const auto path = m_dir / "many.hoprj";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(ar.Bytes().data()),
               static_cast<std::streamsize>(ar.Bytes().size()));

    const auto outcome = lumivane::test::RunBounded(
        [&] {
            lumivane::ScopedAppContext context;
            lumivane::test::InstallModelCatalogs();
            lumivane::ProjectContents contents;
            return lumivane::ReadProjectFile(path, contents) == lumivane::ProjectReadResult::Ok &&
                   contents.auditoriums.size() == 1 &&
                   contents.auditoriums[0]->LensTypeCount() == static_cast<int>(kSetUps);
        },
        kAddressLimit);
    EXPECT_TRUE(outcome.passed) << outcome.failure;
    std::cout << "[ peak     ] " << kSetUps << " set-ups of a version 9 file: " << outcome.peakKib
              << " KiB\n";
}

} // namespace
