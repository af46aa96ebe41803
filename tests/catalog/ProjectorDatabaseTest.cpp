#include "catalog/ProjectorDatabase.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/FormatDatabase.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

using lumivane::ProjectorMenuNode;

CProjectorDatabase BuildFrom(const std::string& bytes) {
    lumivane::test::TempDir dir;
    std::ofstream(dir / "projectors.txt", std::ios::binary) << bytes;
    CProjectorDatabase db;
    db.BuildFromText(dir.path());
    return db;
}

void AddModel(CProjectorDatabase& db, const std::string& model, const std::string& series,
              const std::string& maker) {
    db.Append(CProjectorDescriptor(model, series, maker, 0, 0, 1));
}

// "Maker{Series{model=command}}" makes a whole menu comparable in one line.
std::string Outline(const ProjectorMenuNode& node) {
    if (!node.IsSubmenu()) {
        return node.text + "=" + std::to_string(node.command);
    }
    std::string text = node.text + "{";
    for (std::size_t i = 0; i < node.children.size(); ++i) {
        text += (i ? "," : "") + Outline(node.children[i]);
    }
    return text + "}";
}

} // namespace

TEST(ProjectorDatabaseTest, ABlankLineEndsTheCatalog) {
    const CProjectorDatabase db = BuildFrom("A;S;M;1;2;3\nB;S;M;1;2;3\n\nC;S;M;1;2;3\n");
    ASSERT_EQ(db.GetCount(), 2);
    EXPECT_EQ(db.GetModel(1), "B");
}

TEST(ProjectorDatabaseTest, ALineWithoutSeparatorEndsTheCatalogAndAnUnendedLineIsDropped) {
    EXPECT_EQ(BuildFrom("A;S;M;1;2;3\nnot a model\nC;S;M;1;2;3\n").GetCount(), 1);
    EXPECT_EQ(BuildFrom("A;S;M;1;2;3\r\n\r\nC;S;M;1;2;3\r\n").GetCount(), 1);
    EXPECT_EQ(BuildFrom("A;S;M;1;2;3\nB;S;M;1;2;3").GetCount(), 1);
}

TEST(ProjectorDatabaseTest, MissingFileLeavesTheCatalogEmpty) {
    lumivane::test::TempDir dir;
    CProjectorDatabase db;
    AddModel(db, "old", "S", "M");
    db.BuildFromText(dir.path());
    EXPECT_EQ(db.GetCount(), 0);
    EXPECT_TRUE(db.BuildMenu().children.empty());
}

TEST(ProjectorDatabaseTest, AccessorsByPositionAreSafeOutsideTheList) {
    const CProjectorDatabase db = BuildFrom("A;Generic;M;1;2;3\n");
    EXPECT_EQ(db.GetDisplayName(0), "A");
    EXPECT_EQ(db.GetMaker(0), "M");
    EXPECT_EQ(db.GetSeries(0), "Generic");
    EXPECT_EQ(db.GetModel(1), "");
    EXPECT_EQ(db.GetDisplayName(-1), "");
    EXPECT_EQ(db.GetAt(5), nullptr);
}

TEST(ProjectorDatabaseTest, MenuGroupsAdjacentMakersAndSeries) {
    CProjectorDatabase db;
    AddModel(db, "a1", "Alpha", "Kestrel");
    AddModel(db, "a2", "ALPHA", "kestrel");
    AddModel(db, "solo", "", "Kestrel");
    AddModel(db, "b1", "Beta", "Kestrel");
    AddModel(db, "c1", "Gamma", "Valcor");
    AddModel(db, "d1", "", "Valcor");
    AddModel(db, "a3", "Alpha", "Kestrel");
    EXPECT_EQ(Outline(db.BuildMenu()),
              "{Kestrel{Alpha{a1=32775,a2=32776},solo=32777,Beta{b1=32778}},"
              "Valcor{Gamma{c1=32779},d1=32780},Kestrel{Alpha{a3=32781}}}");
}

TEST(ProjectorDatabaseTest, MenuHoldsOnlyTheModelsOfItsCommandRange) {
    CProjectorDatabase db;
    for (int i = 0; i < 1002; ++i) {
        AddModel(db, "m" + std::to_string(i), "", "Maker");
    }
    const ProjectorMenuNode menu = db.BuildMenu();
    ASSERT_EQ(menu.children.size(), 1u);
    const auto& items = menu.children[0].children;
    ASSERT_EQ(items.size(), 1001u);
    EXPECT_EQ(items.back().command, CProjectorDatabase::LastModelCommand);
}

TEST(ProjectorDatabaseTest, StoreRoundTripsAndADamagedStoreKeepsTheList) {
    CProjectorDatabase source = BuildFrom("A;S;M;640;480;7\nB;Generic;N;0;0;1\n");
    lumivane::Archive out = lumivane::Archive::ForStoring();
    source.Serialize(out);
    ASSERT_EQ(out.Bytes().size(), 4u + (3 * 2 + 12) + (2 + 8 + 2 + 12));
    EXPECT_EQ(out.Bytes()[0], 2);

    CProjectorDatabase loaded;
    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    loaded.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    ASSERT_EQ(loaded.GetCount(), 2);
    EXPECT_EQ(loaded.GetAt(0)->GetHres(), 640);
    EXPECT_EQ(loaded.GetAt(0)->GetKinds(), 7);
    EXPECT_EQ(loaded.GetDisplayName(1), "B");

    std::vector<std::uint8_t> truncated = out.Bytes();
    truncated.pop_back();
    lumivane::Archive shortArchive = lumivane::Archive::ForLoading(truncated);
    EXPECT_THROW(loaded.Serialize(shortArchive), lumivane::ArchiveError);
    lumivane::Archive absurd = lumivane::Archive::ForLoading({0x00, 0x00, 0x00, 0x40, 1, 2});
    EXPECT_THROW(loaded.Serialize(absurd), lumivane::ArchiveError);
    EXPECT_EQ(loaded.GetCount(), 2);
}

TEST(ProjectorDatabaseTest, ShippedProjectorsShowEveryShippedFormat) {
    lumivane::ScopedAppContext context;
    CProjectorDatabase projectors;
    projectors.BuildFromText(lumivane::test::ShippedCatalogDir());
    CFormatDatabase formats;
    formats.BuildFromText(lumivane::test::ShippedCatalogDir());
    ASSERT_GE(projectors.GetCount(), 25);

    std::set<std::string> makers;
    bool generic = false;
    for (int i = 0; i < projectors.GetCount(); ++i) {
        makers.insert(projectors.GetMaker(i));
        generic = generic || projectors.GetSeries(i) == "Generic";
    }
    EXPECT_GE(makers.size(), 6u);
    EXPECT_TRUE(generic);

    for (int f = 0; f < formats.GetCount(); ++f) {
        bool shown = false;
        for (int p = 0; p < projectors.GetCount() && !shown; ++p) {
            shown = projectors.GetAt(p)->CanShow(*formats.GetAt(f));
        }
        EXPECT_TRUE(shown) << formats.GetFormatName(f);
    }

    // Every maker forms exactly one run, so the menu has one entry per maker.
    EXPECT_EQ(projectors.BuildMenu().children.size(), makers.size());
}
