#include "catalog/LensDatabase.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/LensSetupQuery.h"
#include "support/RecordBytes.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

using lumivane::Archive;
using lumivane::LensFormatNeeds;

namespace {

constexpr std::int32_t k35mm = 0x1;
constexpr std::int32_t kAnamorphic = 0x80;

class FakeSetup : public lumivane::LensSetupQuery {
public:
    FakeSetup(std::int32_t flags, std::int32_t excluded, double diagonal, double focal)
        : m_format(LensFormatNeeds{flags, excluded, diagonal}), m_focal(focal) {}

    std::optional<LensFormatNeeds> FormatNeeds() const override { return m_format; }
    std::int16_t Barrel() const override { return m_barrel; }
    double RequiredFocalMm() const override { return m_focal; }

    std::optional<LensFormatNeeds> m_format;
    std::int16_t m_barrel = 0;
    double m_focal;
};

FakeSetup Flat35(double focal) {
    return FakeSetup(k35mm, kAnamorphic, 23.8, focal);
}
FakeSetup Scope35(double focal) {
    return FakeSetup(k35mm | kAnamorphic, 0, 27.4, focal);
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Member {
    std::string lens;
    std::string attachment;
    int score;
    bool operator==(const Member&) const = default;
};

std::vector<Member> Candidates(const CLensDatabase& db, lumivane::LensSetupQuery& setUp) {
    std::vector<Member> members;
    db.WalkCandidates(setUp, [&](const CLensDescriptor& lens, const CAttachDescriptor* a, int s) {
        members.push_back({std::string(lens.ShortName()), std::string(a ? a->ShortName() : ""), s});
        return CLensDatabase::WalkStep::Continue;
    });
    return members;
}

// A small catalog: columns name;short;catalog;barrel;ref;min;max;offset;coverage;kinds;fit;rating
// and name;short;catalog;zoomMin;zoomMax;horiz;vert;kinds;fit;rating.
class LensDatabaseTest : public ::testing::Test {
protected:
    void Build(const std::string& lenses, const std::string& attachments) {
        WriteFile(m_dir / "lenses.txt", lenses);
        WriteFile(m_dir / "attach.txt", attachments);
        m_db.BuildFromText(m_dir.path());
    }
    void BuildSample() {
        Build("Fixed 50;F50;48-200050;705;50;50;50;10;30;1;8;80\n"
              "Zoom 50-100;Z50;48-200100;625;75;50;100;10;30;1;4;80\n"
              "Old 60;O60;48-200060;525;60;60;60;10;30;1;2;0\n"
              "Small 16;S16;48-200016;425;25;25;25;0;13;4;1;80\n"
              "Scope 75;SC75;48-200075;705;75;75;75;0;30;129;0;70\n",
              "Ana L;AL;48-206048;1;1;2;1;128;8;90\n"
              "Ana M;AM;48-206036;1;1;2;1;128;4;85\n"
              "Zoom att;ZA;48-208125;1;1.25;1;1;0;8;50\n");
    }

    lumivane::ScopedAppContext m_context;
    lumivane::test::TempDir m_dir;
    CLensDatabase m_db;
};

} // namespace

TEST_F(LensDatabaseTest, BuildsListsInFileOrder) {
    BuildSample();
    ASSERT_EQ(m_db.LensCount(), 5u);
    ASSERT_EQ(m_db.AttachmentCount(), 3u);
    EXPECT_EQ(m_db.Lens(0).ShortName(), "F50");
    EXPECT_EQ(m_db.Lens(4).ShortName(), "SC75");
    EXPECT_EQ(m_db.Attachment(2).ShortName(), "ZA");
    EXPECT_TRUE(m_db.Barrels().empty());
}

TEST_F(LensDatabaseTest, MissingFilesLeaveTheirListsEmpty) {
    WriteFile(m_dir / "lenses.txt", "L;L;1;705;50;50;50;0;30;1;0;80\n");
    m_db.BuildFromText(m_dir.path());
    EXPECT_EQ(m_db.LensCount(), 1u);
    EXPECT_EQ(m_db.AttachmentCount(), 0u);

    m_db.BuildFromText(m_dir / "no-such-folder");
    EXPECT_EQ(m_db.LensCount(), 0u);
    EXPECT_EQ(m_db.AttachmentCount(), 0u);
}

TEST_F(LensDatabaseTest, MalformedLinesGiveItemsWithDefaultsAndAnUnendedLineIsDropped) {
    Build("\nName only\nL;L;x;y;z;;;;;;;\nTail;T;1;705;50;50;50;0;30;1;0;80", "");
    ASSERT_EQ(m_db.LensCount(), 3u);
    EXPECT_EQ(m_db.Lens(0).Name(), "\n");
    EXPECT_EQ(m_db.Lens(1).Name(), "Name only\n");
    EXPECT_EQ(m_db.Lens(2).Barrel(), 0);
    EXPECT_EQ(m_db.Lens(2).Rating(), 0);
}

TEST_F(LensDatabaseTest, DuplicateItemNumbersAreMovedOnBy21845) {
    Build("A;A;X-1234;705;50;50;50;0;30;1;0;80\n"
          "B;B;6789;705;50;50;50;0;30;1;0;80\n"
          "C;C;Y-1234;705;50;50;50;0;30;1;0;80\n"
          "D;D;Z-1234;705;50;50;50;0;30;1;0;80\n",
          "E;E;W-1234;1;1;1;1;0;0;80\n"
          "F;F;6788;1;1;1;1;0;0;80\n");
    EXPECT_EQ(m_db.Lens(0).Id(), 4660);
    EXPECT_EQ(m_db.Lens(1).Id(), 0x6789);
    // 4660 + 21845 = 0x6789 is taken by B, so C moves on twice.
    EXPECT_EQ(m_db.Lens(2).Id(), static_cast<std::int16_t>(4660 + 2 * 21845));
    EXPECT_EQ(m_db.Lens(3).Id(), 4659); // 4660 + 3 x 21845, modulo 65536
    // E passes every lens number and ends at 4660 + 4 x 21845 = 0x6788, which F then leaves.
    EXPECT_EQ(m_db.Attachment(0).Id(), 0x6788);
    EXPECT_EQ(m_db.Attachment(1).Id(), static_cast<std::int16_t>(0x6788 + 21845));
}

TEST_F(LensDatabaseTest, AttachmentSharingALensNumberIsMovedOn) {
    Build("A;A;48-200050;705;50;50;50;0;30;1;0;80\n", "E;E;48-310050;1;1;1;1;0;0;80\n");
    EXPECT_EQ(m_db.Lens(0).Id(), 0x0050);
    EXPECT_EQ(m_db.Attachment(0).Id(), 0x0050 + 21845);

    // F, moved on from E's number, lands on the lens's number and moves on once more.
    Build("A;A;6789;705;50;50;50;0;30;1;0;80\n",
          "E;E;1234;1;1;1;1;0;0;80\nF;F;Q-1234;1;1;1;1;0;0;80\n");
    EXPECT_EQ(m_db.Lens(0).Id(), 0x6789);
    EXPECT_EQ(m_db.Attachment(0).Id(), 4660);
    EXPECT_EQ(m_db.Attachment(1).Id(), -17186); // 4660 + 2 x 21845, as a signed 16-bit number
}

TEST_F(LensDatabaseTest, FindItemLooksAtLensesFirst) {
    BuildSample();
    EXPECT_EQ(m_db.FindItem(0x0100), &m_db.Lens(1));
    EXPECT_EQ(m_db.FindItem(0x6036), &m_db.Attachment(1));
    EXPECT_EQ(m_db.FindItem(0x7777), nullptr);
}

TEST(LensDatabaseFocalPenaltyTest, WorkedValues) {
    EXPECT_EQ(CLensDatabase::FocalPenalty(105, 100, 80), 40);
    EXPECT_EQ(CLensDatabase::FocalPenalty(100, 100, 80), 80);
    EXPECT_EQ(CLensDatabase::FocalPenalty(100, 115, 80), 0);
    EXPECT_EQ(CLensDatabase::FocalPenalty(110, 100, 80), 0);
    EXPECT_EQ(CLensDatabase::FocalPenalty(105, 100, 81), 41);
    // 90 x (23 - 22.7272...) / 3 + 0.5 = 8.68
    EXPECT_EQ(CLensDatabase::FocalPenalty(44, 50, 90), 8);
    // (22 - 24) x 80 x 0.5 + 0.5 = -79.5, truncated toward zero
    EXPECT_EQ(CLensDatabase::FocalPenalty(120, 100, 80), -79);
}

TEST(LensDatabaseFocalPenaltyTest, DegenerateFocalLengthsStayDefined) {
    EXPECT_EQ(CLensDatabase::FocalPenalty(0, 50, 80), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(CLensDatabase::FocalPenalty(50, 0, 80), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(CLensDatabase::FocalPenalty(0, 50, 0), 0);
}

TEST_F(LensDatabaseTest, ScoreLensFollowsTheFocalRange) {
    BuildSample();
    const CLensDescriptor& zoom = m_db.Lens(1);
    auto setUp = Flat35(75);
    EXPECT_EQ(m_db.ScoreLens(setUp, zoom), 80);
    setUp.m_focal = 105;
    EXPECT_EQ(m_db.ScoreLens(setUp, zoom), 40);
    setUp.m_focal = 110;
    EXPECT_EQ(m_db.ScoreLens(setUp, zoom), 0);
    setUp.m_focal = 44;
    EXPECT_EQ(m_db.ScoreLens(setUp, zoom), 7);
}

TEST_F(LensDatabaseTest, ScoreLensNeedsEveryFormatFlag) {
    BuildSample();
    auto scope = Scope35(75);
    EXPECT_EQ(m_db.ScoreLens(scope, m_db.Lens(0)), 0);
    EXPECT_EQ(m_db.ScoreLens(scope, m_db.Lens(4)), 70);
    FakeSetup noFormat = Flat35(50);
    noFormat.m_format.reset();
    EXPECT_EQ(m_db.ScoreLens(noFormat, m_db.Lens(0)), 0);
}

TEST_F(LensDatabaseTest, FixedFocalLengthsRuleOutZoomLensesAndZoomAttachments) {
    BuildSample();
    auto flat = Flat35(60);
    auto scope = Scope35(75);
    EXPECT_EQ(m_db.ScoreLens(flat, m_db.Lens(1)), 80);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(flat, m_db.Lens(0), m_db.Attachment(2)), 40);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(1), m_db.Attachment(1)), 68);

    lumivane::Ctx().settings.m_fixedFocal = true;
    EXPECT_EQ(m_db.ScoreLens(flat, m_db.Lens(1)), 0);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(flat, m_db.Lens(0), m_db.Attachment(2)), 0);
    // A zoom lens stays out even with a fixed attachment.
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(1), m_db.Attachment(1)), 0);
    flat.m_focal = 50;
    EXPECT_EQ(m_db.ScoreLens(flat, m_db.Lens(0)), 80);
}

TEST_F(LensDatabaseTest, AttachmentMustFitAndCompleteTheFormatFlags) {
    BuildSample();
    auto scope = Scope35(50);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(0), m_db.Attachment(0)), 72);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(0), m_db.Attachment(1)), 0);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(0), m_db.Attachment(2)), 0);
    auto flat = Flat35(50);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(flat, m_db.Lens(0), m_db.Attachment(0)), 0);
}

TEST_F(LensDatabaseTest, AttachmentScoreUsesTheVerticalFactorAndIntegerRatings) {
    Build("Fixed 50;F50;1;705;50;50;50;0;30;1;8;80\n"
          "Negative;NEG;2;705;50;50;50;0;30;1;8;-50\n",
          "Compressor;VC;3;1;1;1;0.5;128;8;100\n"
          "Weak;W;4;1;1;2;1;128;8;30\n");
    // The compressor's factor on 50 mm is 0.554115, so the pair reaches 90.23 mm.
    auto scope = Scope35(95);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(0), m_db.Attachment(0)), 38);
    scope.m_focal = 90; // just short of it
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(0), m_db.Attachment(0)), 79);
    scope.m_focal = 50 / (1.10823 * 0.5);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(0), m_db.Attachment(0)), 80);
    scope.m_focal = 50;
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(0), m_db.Attachment(1)), 24);
    EXPECT_EQ(m_db.ScoreLensWithAttachment(scope, m_db.Lens(1), m_db.Attachment(1)), -15);
}

// Every score of a lens alone and with each attachment, worked out separately from the rating
// and penalty formulas: a fixed 60 mm lens and a 70-100 mm zoom with a built-in anamorphic
// element, each with a 2x adapter whose vertical factor 1.5 is corrected on the 60 mm lens
// (to 1.530765) but not on the zoom (mean 85 mm is out of range), a 1.25x magnifier and a
// 1-1.3x zoom attachment.
TEST_F(LensDatabaseTest, ScoresOfEveryCombinationOnBothSidesOfTheFocalRange) {
    Build("Prime 60;P60;1;705;60;60;60;0;30;1;8;90\n"
          "Zoom 70-100;Z70;2;705;85;70;100;0;30;129;8;75\n",
          "Ana 2x;A2;3;1;1;2;1.5;128;8;95\n"
          "Mag 1.25;M;4;1.25;1.25;1;1;0;8;88\n"
          "Var zoom;VZ;5;1;1.3;1;1;0;8;70\n");
    EXPECT_NEAR(m_db.Attachment(0).VerticalStretch(&m_db.Lens(0)), 1.530765, 1e-12);
    EXPECT_EQ(m_db.Attachment(0).VerticalStretch(&m_db.Lens(1)), 1.5);

    const auto scores = [this](FakeSetup setUp) {
        std::vector<int> all;
        for (std::size_t i = 0; i < m_db.LensCount(); ++i) {
            all.push_back(m_db.ScoreLens(setUp, m_db.Lens(i)));
            for (std::size_t j = 0; j < m_db.AttachmentCount(); ++j) {
                all.push_back(
                    m_db.ScoreLensWithAttachment(setUp, m_db.Lens(i), m_db.Attachment(j)));
            }
        }
        return all;
    };
    // Order: P60, P60+A2, P60+M, P60+VZ, Z70, Z70+A2, Z70+M, Z70+VZ.
    EXPECT_EQ(scores(Flat35(44)), (std::vector<int>{-127, 0, -291, -89, -219, 0, -368, -152}));
    EXPECT_EQ(scores(Flat35(57)), (std::vector<int>{58, 0, -86, 41, -38, 0, -168, -26}));
    EXPECT_EQ(scores(Flat35(66)), (std::vector<int>{0, 0, 7, 63, 45, 0, -76, 31}));
    EXPECT_EQ(scores(Flat35(80)), (std::vector<int>{-209, 0, 26, 47, 75, 0, 25, 52}));
    EXPECT_EQ(scores(Flat35(110)), (std::vector<int>{-659, 0, -289, -194, 0, 0, 66, 52}));
    EXPECT_EQ(scores(Scope35(44)), (std::vector<int>{0, -18, 0, 0, -219, 42, -368, -152}));
    EXPECT_EQ(scores(Scope35(57)), (std::vector<int>{0, -300, 0, 0, -38, 71, -168, -26}));
    EXPECT_EQ(scores(Scope35(72)), (std::vector<int>{0, -625, 0, 0, 75, 14, -28, 52}));

    auto scope = Scope35(66);
    EXPECT_EQ(Candidates(m_db, scope),
              (std::vector<Member>{{"Z70", "", 45}, {"Z70", "A2", 71}, {"Z70", "VZ", 31}}));
    EXPECT_EQ(m_db.BoundBarrel(scope), 705);
}

TEST_F(LensDatabaseTest, EligibilityTestsKindsExclusionCoverageAndRating) {
    BuildSample();
    auto flat = Flat35(50);
    EXPECT_TRUE(m_db.IsEligible(flat, m_db.Lens(0), false));
    EXPECT_FALSE(m_db.IsEligible(flat, m_db.Lens(2), false)); // rated 0
    EXPECT_FALSE(m_db.IsEligible(flat, m_db.Lens(3), false)); // 16 mm only
    EXPECT_FALSE(m_db.IsEligible(flat, m_db.Lens(4), false)); // anamorphic excluded
    FakeSetup atCoverage(k35mm, 0, 30.0, 50);
    EXPECT_TRUE(m_db.IsEligible(atCoverage, m_db.Lens(0), false));
    FakeSetup beyondCoverage(k35mm, 0, 30.01, 50);
    EXPECT_FALSE(m_db.IsEligible(beyondCoverage, m_db.Lens(0), false));
    EXPECT_EQ(flat.m_barrel, 0);
}

TEST_F(LensDatabaseTest, BarrelLockRefusesOtherBarrelsAndTakesAnyWhenThereIsNone) {
    BuildSample();
    auto flat = Flat35(50);
    EXPECT_TRUE(m_db.IsEligible(flat, m_db.Lens(1), true));
    EXPECT_FALSE(m_db.IsEligible(flat, m_db.Lens(2), true)); // rated 0
    flat.m_barrel = 525;
    EXPECT_FALSE(m_db.IsEligible(flat, m_db.Lens(0), true));
    EXPECT_TRUE(m_db.IsEligible(flat, m_db.Lens(0), false));
}

TEST_F(LensDatabaseTest, CandidatesWalkLensesThenTheirAttachmentsInCatalogOrder) {
    BuildSample();
    auto scope = Scope35(50);
    EXPECT_EQ(Candidates(m_db, scope), (std::vector<Member>{{"F50", "AL", 72}}));
    EXPECT_EQ(scope.m_barrel, 0);
    EXPECT_EQ(m_db.BoundBarrel(scope), 705);

    scope.m_focal = 75;
    EXPECT_EQ(Candidates(m_db, scope), (std::vector<Member>{{"SC75", "", 70}}));

    auto flat = Flat35(60);
    flat.m_barrel = 625;
    EXPECT_EQ(Candidates(m_db, flat), (std::vector<Member>{{"Z50", "", 80}}));
    flat.m_barrel = 0;
    EXPECT_EQ(Candidates(m_db, flat), (std::vector<Member>{{"F50", "ZA", 40}}));
}

TEST_F(LensDatabaseTest, WalkStopsWhenTheVisitorSaysSo) {
    Build("A;A;1;705;50;50;50;0;30;1;8;80\nB;B;2;705;50;50;50;0;30;1;8;70\n",
          "Z;Z;3;1;1.25;1;1;0;8;50\n");
    auto flat = Flat35(50);
    EXPECT_EQ(Candidates(m_db, flat).size(), 4u);
    int visits = 0;
    m_db.WalkCandidates(flat, [&](const CLensDescriptor&, const CAttachDescriptor*, int) {
        ++visits;
        return visits == 2 ? CLensDatabase::WalkStep::Stop : CLensDatabase::WalkStep::Continue;
    });
    EXPECT_EQ(visits, 2);
    EXPECT_TRUE(m_db.AnyCandidate(flat));
}

TEST_F(LensDatabaseTest, NoCandidateWhenTheFirstLensPassingFormatAndCoverageIsRatedZero) {
    Build("Small;S16;3;425;60;60;60;0;30;4;0;80\n"
          "Old;O60;1;525;60;60;60;0;30;1;0;0\nNew;N60;2;705;60;60;60;0;30;1;0;80\n",
          "");
    auto flat = Flat35(60);
    EXPECT_FALSE(m_db.AnyCandidate(flat));
    EXPECT_EQ(flat.m_barrel, 0);
    EXPECT_EQ(m_db.BoundBarrel(flat), 525);
    flat.m_barrel = 705;
    EXPECT_TRUE(m_db.AnyCandidate(flat));
    EXPECT_EQ(m_db.BoundBarrel(flat), 705);
    FakeSetup slide(0x100, 0, 41.0, 100);
    EXPECT_EQ(m_db.BoundBarrel(slide), 0);
}

TEST_F(LensDatabaseTest, BarrelListOffersEachDiameterOnceAndSelectsTheSetUps) {
    BuildSample();
    auto flat = Flat35(50);
    flat.m_barrel = 625;
    auto list = m_db.FillBarrelList(flat);
    EXPECT_EQ(list.labels, (std::vector<std::string>{"70.5mm", "62.5mm"}));
    EXPECT_EQ(m_db.Barrels(), (std::vector<std::int16_t>{705, 625}));
    EXPECT_EQ(list.diameters, m_db.Barrels());
    EXPECT_EQ(list.selection, 1);
    EXPECT_EQ(flat.m_barrel, 625);

    auto scope = Scope35(50);
    scope.m_barrel = 525; // only the lens rated 0 has it
    list = m_db.FillBarrelList(scope);
    EXPECT_EQ(list.labels, (std::vector<std::string>{"70.5mm", "62.5mm"}));
    EXPECT_EQ(list.selection, 0);
    EXPECT_EQ(scope.m_barrel, 525);
}

TEST_F(LensDatabaseTest, EmptyBarrelListLeavesTheSetUpAlone) {
    BuildSample();
    FakeSetup slide(0x100, 0, 41.0, 100);
    slide.m_barrel = 425;
    const auto list = m_db.FillBarrelList(slide);
    EXPECT_TRUE(list.labels.empty());
    EXPECT_EQ(list.selection, -1);
    EXPECT_TRUE(m_db.Barrels().empty());
    EXPECT_EQ(slide.m_barrel, 425);
}

TEST_F(LensDatabaseTest, RebuildingEmptiesTheBarrelList) {
    BuildSample();
    auto flat = Flat35(50);
    m_db.FillBarrelList(flat);
    ASSERT_FALSE(m_db.Barrels().empty());
    BuildSample();
    EXPECT_TRUE(m_db.Barrels().empty());
}

TEST_F(LensDatabaseTest, StoreLayoutIsCountsAndRecords) {
    Build("L;L;48-201234;705;50;45;55;12.5;30;27;40;95\n", "A;A;48-206048;0.9;1.1;2;1;192;8;95\n");
    Archive out = Archive::ForStoring();
    m_db.Serialize(out);
    const auto expected = lumivane::test::RecordBytes()
                              .Long(1)
                              .Short(4660)
                              .Text("L")
                              .Text("L")
                              .Text("48-201234")
                              .Long(95)
                              .Long(705)
                              .Double(50)
                              .Double(45)
                              .Double(55)
                              .Double(12.5)
                              .Double(30)
                              .Long(27)
                              .Long(40)
                              .Long(1)
                              .Short(0x6048)
                              .Text("A")
                              .Text("A")
                              .Text("48-206048")
                              .Long(95)
                              .Double(1.1)
                              .Double(0.9)
                              .Double(2)
                              .Double(1)
                              .Long(192)
                              .Long(8)
                              .bytes();
    EXPECT_EQ(out.Bytes(), expected);
}

TEST_F(LensDatabaseTest, LoadReplacesTheCatalogWithTheStoredOne) {
    BuildSample();
    Archive out = Archive::ForStoring();
    m_db.Serialize(out);

    CLensDatabase loaded;
    Archive in = Archive::ForLoading(out.Bytes());
    loaded.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    ASSERT_EQ(loaded.LensCount(), m_db.LensCount());
    ASSERT_EQ(loaded.AttachmentCount(), m_db.AttachmentCount());
    for (std::size_t i = 0; i < loaded.LensCount(); ++i) {
        EXPECT_EQ(loaded.Lens(i).Id(), m_db.Lens(i).Id());
        EXPECT_EQ(loaded.Lens(i).Name(), m_db.Lens(i).Name());
        EXPECT_EQ(loaded.Lens(i).FocalMax(), m_db.Lens(i).FocalMax());
    }
    EXPECT_EQ(loaded.Attachment(2).ZoomMax(), 1.25);
}

TEST_F(LensDatabaseTest, DamagedStoreLeavesTheCatalogAsItWas) {
    BuildSample();
    Archive out = Archive::ForStoring();
    m_db.Serialize(out);
    auto truncated = out.Bytes();
    truncated.resize(truncated.size() - 3);
    Archive in = Archive::ForLoading(truncated);
    EXPECT_THROW(m_db.Serialize(in), lumivane::ArchiveError);
    EXPECT_EQ(m_db.LensCount(), 5u);
    EXPECT_EQ(m_db.AttachmentCount(), 3u);

    Archive negative = Archive::ForLoading(lumivane::test::RecordBytes().Long(-1).bytes());
    EXPECT_THROW(m_db.Serialize(negative), lumivane::ArchiveError);
    Archive huge = Archive::ForLoading(lumivane::test::RecordBytes().Long(0x7FFFFFFF).bytes());
    EXPECT_THROW(m_db.Serialize(huge), lumivane::ArchiveError);
    EXPECT_EQ(m_db.LensCount(), 5u);
}

namespace {

std::filesystem::path ShippedCatalogDir() {
    return std::filesystem::path(LUMIVANE_TEST_DATA_DIR).parent_path().parent_path() / "data" /
           "catalog";
}

} // namespace

TEST(ShippedLensCatalogTest, LoadsWithUniqueItemNumbers) {
    lumivane::ScopedAppContext context;
    CLensDatabase db;
    db.BuildFromText(ShippedCatalogDir());
    EXPECT_EQ(db.LensCount(), 115u);
    EXPECT_EQ(db.AttachmentCount(), 19u);

    std::set<std::int16_t> ids;
    for (std::size_t i = 0; i < db.LensCount(); ++i) {
        ids.insert(db.Lens(i).Id());
    }
    for (std::size_t i = 0; i < db.AttachmentCount(); ++i) {
        ids.insert(db.Attachment(i).Id());
    }
    EXPECT_EQ(ids.size(), db.LensCount() + db.AttachmentCount());
}

TEST(ShippedLensCatalogTest, HoldsTheKindsOfItemsLensChoiceNeeds) {
    lumivane::ScopedAppContext context;
    CLensDatabase db;
    db.BuildFromText(ShippedCatalogDir());
    const std::set<std::int32_t> barrels{425, 525, 625, 705};
    int builtInAnamorphic = 0;
    int ratedZero = 0;
    for (std::size_t i = 0; i < db.LensCount(); ++i) {
        const CLensDescriptor& lens = db.Lens(i);
        EXPECT_TRUE(barrels.count(lens.Barrel())) << lens.Name();
        EXPECT_LE(lens.FocalMin(), lens.FocalMax()) << lens.Name();
        EXPECT_GE(lens.FocalMin(), 15.0) << lens.Name();
        EXPECT_LE(lens.FocalMax(), 200.0) << lens.Name();
        builtInAnamorphic += (lens.Kinds() & 0x80) != 0;
        ratedZero += lens.Rating() == 0;
    }
    EXPECT_GE(builtInAnamorphic, 2);
    EXPECT_GE(ratedZero, 2);

    std::int32_t attachmentKinds = 0;
    for (std::size_t i = 0; i < db.AttachmentCount(); ++i) {
        const CAttachDescriptor& a = db.Attachment(i);
        attachmentKinds |= a.Kinds();
        bool mounts = false;
        for (std::size_t j = 0; j < db.LensCount(); ++j) {
            mounts = mounts || (a.Fit() & ~db.Lens(j).AttachFit()) == 0;
        }
        EXPECT_TRUE(mounts) << a.Name();
    }
    for (std::int32_t bit : {0x20, 0x40, 0x80, 0x8000, 0x10000, 0x40000, 0x80000}) {
        EXPECT_NE(attachmentKinds & bit, 0) << bit;
    }
}

TEST(ShippedLensCatalogTest, EveryKindOfFormatFindsACandidate) {
    lumivane::ScopedAppContext context;
    CLensDatabase db;
    db.BuildFromText(ShippedCatalogDir());
    const std::vector<FakeSetup> setUps = {
        FakeSetup(0x1, 0x80, 23.83, 85),         // 35 mm flat 1.85
        FakeSetup(0x1 | 0x80, 0, 27.35, 85),     // 35 mm scope
        FakeSetup(0x1 | 0x40000, 0, 25.9, 70),   // 35 mm anamorphic 1.33
        FakeSetup(0x1 | 0x8000, 0, 25.9, 70),    // 35 mm anamorphic 1.5
        FakeSetup(0x1 | 0x10000, 0, 25.9, 70),   // 35 mm anamorphic 1.9
        FakeSetup(0x1 | 0x80000, 0, 25.9, 70),   // 35 mm anamorphic 1.42
        FakeSetup(0x4, 0x80, 12.05, 35),         // 16 mm flat
        FakeSetup(0x4 | 0x80, 0, 12.05, 35),     // 16 mm scope
        FakeSetup(0x2, 0, 53.35, 100),           // 70 mm 5-perf
        FakeSetup(0x8, 0, 60.0, 120),            // 70 mm 8-perf
        FakeSetup(0x10, 0, 66.0, 150),           // 70 mm 10-perf
        FakeSetup(0x100, 0, 41.0, 100),          // slide
        FakeSetup(0x200, 0, 53.7, 150),          // super slide
        FakeSetup(0x3800, 0, 25.0, 40),          // DMD 0.98"
        FakeSetup(0x3800 | 0x4000, 0, 35.0, 60), // D-Cinema 1.38"
        FakeSetup(0x20000, 0, 25.0, 40),         // LCD
    };
    for (FakeSetup setUp : setUps) {
        EXPECT_TRUE(db.AnyCandidate(setUp)) << std::hex << setUp.m_format->flags;
    }
}
