#include "base/SettingsStartup.h"

#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumivane {
namespace {

using test::MemorySettingsStore;

TEST(SettingsStartupTest, EmptyStoreGivesTheDefaults) {
    const MemorySettingsStore store;
    AppSettings settings;
    settings.m_columns = {1, 2, 3};
    settings.m_updateDays = 7;
    settings.m_fixedFocal = true;
    settings.m_company = "old";
    settings.m_screenEdge = 1.0;
    ReadWindowSettings(store, settings);
    ReadOptions(store, settings);
    ReadFixedFocal(store, settings);

    EXPECT_EQ(settings.m_columns, (std::array<std::int32_t, 3>{333, 500, 666}));
    EXPECT_EQ(settings.m_updateDays, 30);
    EXPECT_FALSE(settings.m_fixedFocal);
    EXPECT_EQ(settings.m_company, "");
    EXPECT_EQ(settings.m_screenEdge, 0.0);
    EXPECT_EQ(settings.m_radiusType, 0);
    EXPECT_EQ(settings.m_tiltType, 0);
    EXPECT_EQ(settings.m_portholeThrow, 0.0);
    EXPECT_EQ(ReadPreviewPages(store), 0);
    EXPECT_TRUE(ReadRecentFiles(store).empty());
}

TEST(SettingsStartupTest, WindowColumnsRoundTripAndDamagedOnesFallBack) {
    MemorySettingsStore store;
    AppSettings settings;
    settings.m_columns = {250, 400, 900};
    WriteWindowSettings(store, settings);
    EXPECT_EQ(store.ReadInt("Window", "Column2", 0), 400);

    AppSettings read;
    ReadWindowSettings(store, read);
    EXPECT_EQ(read.m_columns, settings.m_columns);

    store.WriteInt("Window", "Column1", 800);
    ReadWindowSettings(store, read);
    EXPECT_EQ(read.m_columns, (std::array<std::int32_t, 3>{333, 500, 666}));
    store.WriteInt("Window", "Column1", -5);
    ReadWindowSettings(store, read);
    EXPECT_EQ(read.m_columns[0], 333);
}

TEST(SettingsStartupTest, OptionsRoundTripAsThousandths) {
    MemorySettingsStore store;
    AppSettings settings;
    settings.m_company = "Kino Černá\nMain Street 1";
    settings.m_screenEdge = 0.0254;
    settings.m_lockProjector = 1;
    settings.m_radiusType = 6;
    settings.m_radiusValue = 1.2345;
    settings.m_tiltType = 1;
    settings.m_tiltValue = -1.5;
    settings.m_tiltDepth = -0.0009;
    settings.m_porthole = 1;
    settings.m_portholeThrow = 3.0;
    WriteOptions(store, settings);

    EXPECT_EQ(store.ReadInt("Options", "ScreenEdge", 99), 25);
    EXPECT_EQ(store.ReadInt("Options", "RadiusValue", 99), 1235);
    EXPECT_EQ(store.ReadInt("Options", "TiltValue", 99), -1500);
    EXPECT_EQ(store.ReadInt("Options", "TiltDepth", 99), -1);
    EXPECT_EQ(store.ReadInt("Options", "PortholeThrow", 99), 3000);
    EXPECT_EQ(store.ReadString("Options", "Company", ""), settings.m_company);

    AppSettings read;
    ReadOptions(store, read);
    EXPECT_DOUBLE_EQ(read.m_screenEdge, 0.025);
    EXPECT_DOUBLE_EQ(read.m_radiusValue, 1.235);
    EXPECT_DOUBLE_EQ(read.m_tiltValue, -1.5);
    EXPECT_DOUBLE_EQ(read.m_tiltDepth, -0.001);
    EXPECT_EQ(read.m_lockProjector, 1);
    EXPECT_EQ(read.m_radiusType, 6);
    EXPECT_EQ(read.m_tiltType, 1);
    EXPECT_EQ(read.m_porthole, 1);
    EXPECT_EQ(read.m_company, settings.m_company);
}

TEST(SettingsStartupTest, ThousandthsRoundSaturateAndIgnoreNaN) {
    EXPECT_EQ(ThousandthsFromValue(2.01), 2010);
    EXPECT_EQ(ThousandthsFromValue(-2.01), -2010);
    EXPECT_EQ(ThousandthsFromValue(0.0254), 25);
    EXPECT_EQ(ThousandthsFromValue(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(ThousandthsFromValue(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ThousandthsFromValue(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_DOUBLE_EQ(ValueFromThousandths(-1500), -1.5);
}

TEST(SettingsStartupTest, TypeIndexOutsideItsListReadsAsNone) {
    MemorySettingsStore store;
    store.WriteInt("Options", "RadiusType", 7);
    store.WriteInt("Options", "TiltType", -1);
    AppSettings settings;
    settings.m_radiusType = 3;
    settings.m_tiltType = 2;
    ReadOptions(store, settings);
    EXPECT_EQ(settings.m_radiusType, 0);
    EXPECT_EQ(settings.m_tiltType, 0);
}

TEST(SettingsStartupTest, RecentFilesAreAListOfFour) {
    MemorySettingsStore store;
    WriteRecentFiles(
        store, {"/a/one.hoprj", "/b/two.hoprj", "three.hoprj", "/d/four.hoprj", "/e/five.hoprj"});
    EXPECT_EQ(store.ReadString("Recent File List", "File1", ""), "/a/one.hoprj");
    EXPECT_EQ(store.ReadString("Recent File List", "File4", ""), "/d/four.hoprj");
    EXPECT_FALSE(store.Has("Recent File List", "File5"));
    EXPECT_EQ(ReadRecentFiles(store).size(), 4u);

    WriteRecentFiles(store, {"/x/only.hoprj"});
    EXPECT_EQ(ReadRecentFiles(store), std::vector<std::string>{"/x/only.hoprj"});
    EXPECT_FALSE(store.Has("Recent File List", "File2"));

    store.WriteString("Recent File List", "File3", "/gap.hoprj");
    EXPECT_EQ(ReadRecentFiles(store), (std::vector<std::string>{"/x/only.hoprj", "/gap.hoprj"}));
}

TEST(SettingsStartupTest, OpenedFilesComeFirstAndFilesThatFailLeave) {
    MemorySettingsStore store;
    for (const char* file :
         {"/a.hoprj", "/b.hoprj", "/c.hoprj", "/d.hoprj", "/b.hoprj", "/e.hoprj"}) {
        NoteRecentFile(store, file);
    }
    EXPECT_EQ(ReadRecentFiles(store),
              (std::vector<std::string>{"/e.hoprj", "/b.hoprj", "/d.hoprj", "/c.hoprj"}));
    ForgetRecentFile(store, "/d.hoprj");
    EXPECT_EQ(ReadRecentFiles(store),
              (std::vector<std::string>{"/e.hoprj", "/b.hoprj", "/c.hoprj"}));
}

TEST(SettingsStartupTest, RecentNamesKeepTheFrontAndAsManyLastFoldersAsFit) {
    EXPECT_EQ(ShortenedRecentName("/srv/Main.hoprj", 30), "/srv/Main.hoprj");
    EXPECT_EQ(ShortenedRecentName("/srv/projects/2024/spring/Main.hoprj", 30),
              "/srv/.../spring/Main.hoprj");
    EXPECT_EQ(ShortenedRecentName("/home/user/projects/cinema/Multiplex.hoprj", 30),
              "/home/.../Multiplex.hoprj");
    EXPECT_EQ(ShortenedRecentName("/home/user/A very long project name.hoprj", 30),
              "A very long project name.hoprj");
    // Characters count, not bytes.
    EXPECT_EQ(ShortenedRecentName("/home/user/kino/Übersicht/ßß.hoprj", 30),
              "/home/.../Übersicht/ßß.hoprj");
#ifdef _WIN32
    // Windows paths, with a drive or a server share at the front; elsewhere a backslash is part
    // of a name.
    EXPECT_EQ(ShortenedRecentName("C:\\Users\\Jürgen\\Projekte\\2024\\Main.hoprj", 30),
              "C:\\Users\\...\\2024\\Main.hoprj");
    EXPECT_EQ(ShortenedRecentName("\\\\server\\kinos\\projekte\\2024\\Main.hoprj", 30),
              "\\\\server\\kinos\\...\\Main.hoprj");
#endif
}

TEST(SettingsStartupTest, PreviewPagesOfZeroAreNotWritten) {
    MemorySettingsStore store;
    WritePreviewPages(store, 0);
    EXPECT_FALSE(store.Has("Settings", "PreviewPages"));
    WritePreviewPages(store, 2);
    EXPECT_EQ(ReadPreviewPages(store), 2);
    WritePreviewPages(store, 0);
    EXPECT_EQ(ReadPreviewPages(store), 2);
}

TEST(SettingsStartupTest, CatalogStoreSitsInTheProgramFolder) {
    EXPECT_EQ(CatalogStorePath("/opt/lumivane/bin/lumivane"), "/opt/lumivane/bin/database.dta");
    EXPECT_EQ(CatalogStorePath("/lumivane"), "/database.dta");
    EXPECT_EQ(CatalogStorePath("lumivane"), "");
#ifdef _WIN32
    EXPECT_EQ(CatalogStorePath("C:\\Program Files\\Lumivane\\lumivane.exe"),
              "C:\\Program Files\\Lumivane\\database.dta");
#endif
    EXPECT_EQ(CatalogStorePath(""), "");
}

TEST(SettingsStartupTest, HelpFileReplacesTheExtension) {
    EXPECT_EQ(HelpFilePath("/opt/lumivane/lumivane.exe"), "/opt/lumivane/lumivane.CHM");
    EXPECT_EQ(HelpFilePath("/opt/lumivane/lumivane"), "/opt/lumivane/lumivane.CHM");
    EXPECT_EQ(HelpFilePath("/home/a.b/lumivane"), "/home/a.b/lumivane.CHM");
    EXPECT_EQ(HelpFilePath("qor.1.exe"), "qor.1.CHM");
    EXPECT_EQ(HelpFilePath("C:\\Lumivane 3.2\\lumivane.exe"), "C:\\Lumivane 3.2\\lumivane.CHM");
}

TEST(SettingsStartupTest, UpdateAfterNewYearIsDueFromFebruary) {
    for (int day = 0; day <= 30; ++day) {
        EXPECT_FALSE(IsUpdateDue(0, 30, day)) << day;
    }
    for (int day = 31; day <= 365; ++day) {
        EXPECT_TRUE(IsUpdateDue(0, 30, day)) << day;
    }
}

TEST(SettingsStartupTest, DecemberUpdateIsNotDueAgainBeforeTheIntervalPasses) {
    for (int day = 350; day <= 365; ++day) {
        EXPECT_FALSE(IsUpdateDue(350, 30, day)) << day;
    }
    EXPECT_EQ(DaysSinceUpdate(350, 15), 30);
    EXPECT_FALSE(IsUpdateDue(350, 30, 15));
    EXPECT_TRUE(IsUpdateDue(350, 30, 16));
    EXPECT_TRUE(IsUpdateDue(350, 30, 349));
}

TEST(SettingsStartupTest, LastDayOfALeapYearCountsAsTheYearsEnd) {
    EXPECT_EQ(DaysSinceUpdate(365, 0), 1);
    EXPECT_EQ(DaysSinceUpdate(0, 365), 364);
    EXPECT_EQ(DaysSinceUpdate(364, 365), 0);
}

TEST(SettingsStartupTest, IntervalOutsideAYearTakesTheNearestBound) {
    EXPECT_EQ(IsUpdateDue(100, 0, 102), IsUpdateDue(100, 1, 102));
    EXPECT_TRUE(IsUpdateDue(100, -40, 102));
    EXPECT_FALSE(IsUpdateDue(100, -40, 101));
    EXPECT_FALSE(IsUpdateDue(100, std::numeric_limits<std::int32_t>::max(), 98));
    EXPECT_TRUE(IsUpdateDue(100, std::numeric_limits<std::int32_t>::max(), 99));
    EXPECT_EQ(IsUpdateDue(100, 365, 99), IsUpdateDue(100, 1000, 99));
}

TEST(SettingsStartupTest, HostileLastUpdateStaysWithinTheYear) {
    EXPECT_EQ(DaysSinceUpdate(-1000, 10), 10);
    EXPECT_EQ(DaysSinceUpdate(std::numeric_limits<std::int32_t>::max(), 0), 1);
}

TEST(SettingsStartupTest, LiveUpdateNeedsAutomaticOne) {
    MemorySettingsStore store;
    AppSettings settings;
    EXPECT_TRUE(IsLiveUpdateDue(store, settings, 40));
    EXPECT_FALSE(IsLiveUpdateDue(store, settings, 20));

    store.WriteInt("Settings", "Automatic", 2);
    EXPECT_FALSE(IsLiveUpdateDue(store, settings, 40));
    store.WriteInt("Settings", "Automatic", 1);
    WriteNeverUpdate(store);
    EXPECT_EQ(store.ReadInt("Settings", "Automatic", 1), 0);
    EXPECT_FALSE(IsLiveUpdateDue(store, settings, 40));
}

TEST(SettingsStartupTest, SuccessfulUpdateRestartsTheInterval) {
    MemorySettingsStore store;
    AppSettings settings;
    WriteUpdateSucceeded(store, 200);
    EXPECT_EQ(store.ReadInt("Settings", "LastUpdate", 0), 200);
    EXPECT_FALSE(IsLiveUpdateDue(store, settings, 230));
    EXPECT_TRUE(IsLiveUpdateDue(store, settings, 231));
}

TEST(SettingsStartupTest, FixedFocalMeansOnlyOne) {
    MemorySettingsStore store;
    AppSettings settings;
    for (const std::int32_t value : {0, 2, -1, 100}) {
        store.WriteInt("Settings", "FixedFocal", value);
        ReadFixedFocal(store, settings);
        EXPECT_FALSE(settings.m_fixedFocal) << value;
    }
    WriteFixedFocal(store, true);
    ReadFixedFocal(store, settings);
    EXPECT_TRUE(settings.m_fixedFocal);
}

TEST(SettingsStartupTest, MetricChoiceOverridesTheLocale) {
    MemorySettingsStore store;
    EXPECT_TRUE(DecideMetricUnits(store, true));
    EXPECT_FALSE(DecideMetricUnits(store, false));

    WriteUnitChoice(store, false);
    EXPECT_EQ(store.ReadInt("Settings", "Metric", 0), 2);
    EXPECT_FALSE(DecideMetricUnits(store, true));

    WriteUnitChoice(store, true);
    EXPECT_EQ(store.ReadInt("Settings", "Metric", 0), 1);
    EXPECT_TRUE(DecideMetricUnits(store, false));

    // Any other stored choice is an explicit choice that is not metric.
    store.WriteInt("Settings", "Metric", 7);
    EXPECT_FALSE(DecideMetricUnits(store, true));
    EXPECT_FALSE(DecideMetricUnits(store, false));
}

TEST(SettingsStartupTest, UpdateOptionsKeepTheIntervalWithinTwoMonths) {
    MemorySettingsStore store;
    const UpdateOptions defaults = ReadUpdateOptions(store);
    EXPECT_TRUE(defaults.automatic);
    EXPECT_EQ(defaults.days, 30);
    EXPECT_FALSE(defaults.connected);

    store.WriteInt("Settings", "Update", 400);
    EXPECT_EQ(ReadUpdateOptions(store).days, 60);
    AppSettings settings;
    WriteUpdateOptions(store, {false, 0, true}, settings);
    EXPECT_EQ(store.ReadInt("Settings", "Automatic", 9), 0);
    EXPECT_EQ(store.ReadInt("Settings", "Update", 9), 1);
    EXPECT_EQ(store.ReadInt("Settings", "Connected", 9), 1);
    EXPECT_EQ(settings.m_updateDays, 1);
}

} // namespace
} // namespace lumivane
