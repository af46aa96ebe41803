#include "document/LightBlock.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/ProjectEditor.h"
#include "document/ProjectFile.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/ModelCatalogs.h"
#include "support/RecordBytes.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

using Bytes = std::vector<std::uint8_t>;

class LightBlockTest : public ::testing::Test {
protected:
    LightBlockTest() {
        test::InstallModelCatalogs();
        for (int i = 0; i < 2; ++i) {
            contents.auditoriums.push_back(std::make_unique<CAuditorium>(i + 1));
            contents.auditoriums.back()->AddFormat(test::kFlatFormat, -1);
        }
    }

    Bytes Written() const {
        Archive ar = Archive::ForStoring();
        WriteProject(ar, contents);
        return ar.Bytes();
    }

    static ProjectContents Read(const Bytes& bytes) {
        Archive ar = Archive::ForLoading(bytes);
        ProjectContents read;
        EXPECT_EQ(ReadProject(ar, read), ProjectReadResult::Ok);
        return read;
    }

    // Room values of the second auditorium and the first auditorium's projector light.
    void SetValues() {
        RoomLight room;
        room.screenGain = 1.8;
        room.transmission3D = 0.16;
        room.rows = {4.5, 21.0, 1.15};
        room.boothFloor = 4.8;
        contents.auditoriums[1]->SetLight(room);
        contents.auditoriums[0]->GetProjector(0)->SetLight({31000.0, std::nullopt});
    }

    // The block as a later version might write it: a record kind and a key this program does
    // not know, around a screen gain for the first auditorium.
    static Bytes LaterBlock() {
        test::RecordBytes records;
        records.Short(9).Long(3).Byte(1).Byte(2).Byte(3);
        records.Short(1).Long(4 + 20).Long(0).Short(42).Double(7.0).Short(1).Double(1.3);
        test::RecordBytes block;
        block.Long(0x58564D4C).Short(7).Long(static_cast<std::int32_t>(records.bytes().size()));
        Bytes bytes = block.bytes();
        bytes.insert(bytes.end(), records.bytes().begin(), records.bytes().end());
        return bytes;
    }

    ScopedAppContext context;
    ProjectContents contents;
};

TEST_F(LightBlockTest, ValuesComeBackAndAProjectWithoutThemKeepsThePlainLayout) {
    const Bytes plain = Written();
    SetValues();
    const Bytes extended = Written();
    ASSERT_GT(extended.size(), plain.size());
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), extended.begin()));

    ProjectContents read = Read(extended);
    EXPECT_FALSE(read.lightBlockDropped);
    EXPECT_EQ(read.auditoriums[1]->Light(), contents.auditoriums[1]->Light());
    EXPECT_EQ(read.auditoriums[0]->GetProjector(0)->Light().lumens, 31000.0);
    EXPECT_FALSE(read.auditoriums[0]->Light().AnySet());

    // Unsetting every value again gives the plain bytes back.
    read.auditoriums[1]->SetLight({});
    read.auditoriums[0]->GetProjector(0)->SetLight({});
    Archive again = Archive::ForStoring();
    WriteProject(again, read);
    EXPECT_EQ(again.Bytes(), plain);
}

TEST_F(LightBlockTest, ADamagedBlockIsDroppedAndTheProjectStillOpens) {
    const std::size_t plainSize = Written().size();
    SetValues();
    const Bytes good = Written();
    std::vector<Bytes> damaged;
    damaged.emplace_back(good.begin(), good.end() - 3); // cut short
    damaged.push_back(good);
    damaged.back()[plainSize] ^= 0xFF; // not the tag
    damaged.push_back(good);
    damaged.back()[plainSize + 6] = 0xFF; // records longer than the file
    damaged.emplace_back(good.begin(), good.begin() + plainSize + 2);
    contents.auditoriums[0]->GetProjector(0)->SetLight({-5.0, std::nullopt});
    damaged.push_back(Written()); // a value out of range
    for (const Bytes& bytes : damaged) {
        const ProjectContents read = Read(bytes);
        EXPECT_TRUE(read.lightBlockDropped);
        ASSERT_EQ(read.auditoriums.size(), 2u);
        EXPECT_FALSE(read.auditoriums[1]->Light().AnySet());
        EXPECT_FALSE(read.auditoriums[0]->GetProjector(0)->Light().AnySet());
    }
}

TEST_F(LightBlockTest, ALaterVersionsBlockIsReadPastWhatItAdds) {
    Bytes bytes = Written();
    const Bytes later = LaterBlock();
    bytes.insert(bytes.end(), later.begin(), later.end());
    const ProjectContents read = Read(bytes);
    EXPECT_FALSE(read.lightBlockDropped);
    EXPECT_EQ(read.auditoriums[0]->Light().screenGain, 1.3);
}

class Steps : public EditRecorder {
public:
    void Recorded(const StepName& step, ProjectSnapshot before, ProjectSnapshot) override {
        labels.emplace_back(step.label);
        last = std::move(before);
    }
    std::vector<std::string> labels;
    ProjectSnapshot last;
};

TEST(LightEditTest, EachValueIsOneUndoStepAndValuesOutOfRangeChangeNothing) {
    ScopedAppContext context;
    test::InstallModelCatalogs();
    CQorDoc doc{std::make_shared<test::FixedClock>()};
    ProjectEditor& editor = doc.Editor();
    Steps steps;
    editor.AddAuditorium();
    editor.AddProjector(0, test::kPanelProjector, {});
    editor.SetRecorder(&steps);

    EXPECT_FALSE(editor.SetScreenGain(0, 0.0));
    EXPECT_FALSE(editor.SetScreenGain(0, 5.5));
    EXPECT_FALSE(editor.SetPortGlass(0, 1.01));
    EXPECT_FALSE(editor.SetLightOutput(0, 0, -1.0));
    EXPECT_FALSE(editor.SetSeatRows(0, {10.0, 9.0, std::nullopt}));
    EXPECT_FALSE(editor.SetBoothFloor(0, -0.5));
    EXPECT_TRUE(steps.labels.empty());

    const ProjectSnapshot start = editor.TakeSnapshot();
    EXPECT_TRUE(editor.SetLightOutput(0, 0, 28000.0));
    EXPECT_TRUE(editor.SetLightFactor(0, 0, 0.5));
    EXPECT_TRUE(editor.SetScreenGain(0, 1.4));
    EXPECT_TRUE(editor.SetPortGlass(0, 0.97));
    EXPECT_TRUE(editor.Set3DTransmission(0, 0.2));
    EXPECT_TRUE(editor.SetSeatRows(0, {5.0, 20.0, 1.2}));
    EXPECT_TRUE(editor.SetBoothFloor(0, 4.8));
    EXPECT_EQ(steps.labels,
              (std::vector<std::string>{"Light Output", "Light Factor", "Screen Gain", "Port Glass",
                                        "3D Transmission", "Seat Rows", "Booth Floor"}));
    EXPECT_EQ(doc.GetAuditorium(0)->Light().rows.eyeHeight, 1.2);

    // Undoing a step takes back only its value; undoing to the start takes back all.
    editor.Restore(steps.last, editor.TakeSnapshot());
    EXPECT_FALSE(doc.GetAuditorium(0)->Light().boothFloor);
    EXPECT_EQ(doc.GetAuditorium(0)->Light().rows.nearest, 5.0);
    EXPECT_EQ(doc.GetAuditorium(0)->Light().transmission3D, 0.2);
    editor.Restore(start, editor.TakeSnapshot());
    EXPECT_FALSE(doc.GetAuditorium(0)->Light().AnySet());
    EXPECT_FALSE(doc.GetProjector(0, 0)->Light().AnySet());
    editor.SetRecorder(nullptr);
}

} // namespace
} // namespace lumivane
