#include "base/LengthEditModel.h"

#include "base/AppContext.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using lumivane::LengthEditModel;

// A length field as a view embeds it: the texts it showed and the values its slider was told.
class LengthEditModelTest : public ::testing::Test {
protected:
    LengthEditModelTest() {
        edit.SetDisplaySink([this](const std::string& text) { shown.push_back(text); });
        edit.SetLinkedSlider([this](double value) { slider.push_back(value); });
    }

    void UseMetric(bool metric) { m_context.context().metricUnits = metric; }

    // Starts from a value without recording how it got there.
    void Hold(double metres) {
        edit.SetValue(metres, false);
        shown.clear();
        slider.clear();
    }

    void StepTo(int delta, double expected) {
        edit.Step(delta);
        EXPECT_NEAR(edit.Value(), expected, 1e-12);
    }

    LengthEditModel edit;
    std::vector<std::string> shown;
    std::vector<double> slider;

private:
    lumivane::ScopedAppContext m_context;
};

constexpr int Up = -1;
constexpr int Down = +1;

TEST_F(LengthEditModelTest, NewFieldHoldsTheMarkerSoTheFirstValueIsShown) {
    EXPECT_EQ(edit.Value(), LengthEditModel::InitialMarker);
    EXPECT_EQ(LengthEditModel::InitialMarker, -1234.5);
    EXPECT_EQ(edit.Kind(), Length);
    edit.SetValue(0.0, true);
    EXPECT_EQ(shown, std::vector<std::string>{"0.00m"});
    EXPECT_EQ(slider, std::vector<double>{0.0});
}

// An empty field (no item) stays empty when it is committed, entered, or its kind changes.
TEST_F(LengthEditModelTest, TheMarkerIsShownAsNothing) {
    Hold(2.0);
    edit.ForceValue(LengthEditModel::InitialMarker);
    edit.Refresh();
    edit.EnterReleased(true);
    edit.SetKind(Millimetres);
    EXPECT_EQ(shown, std::vector<std::string>(4, ""));
    EXPECT_TRUE(slider.empty());
}

TEST_F(LengthEditModelTest, SettingTheSameValueDoesNothing) {
    Hold(2.0);
    edit.SetValue(2.0, true);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(slider.empty());
    EXPECT_EQ(edit.Value(), 2.0);
}

TEST_F(LengthEditModelTest, NanIsShownAsNotAvailableAndNeverReachesTheSlider) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Hold(2.0);
    edit.SetValue(nan, true);
    edit.SetValue(nan, true);
    EXPECT_EQ(shown, std::vector<std::string>{"N/A"});
    EXPECT_TRUE(slider.empty());
    edit.SetValue(3.0, true);
    EXPECT_EQ(shown.back(), "3.00m");
    EXPECT_EQ(slider, std::vector<double>{3.0});
}

TEST_F(LengthEditModelTest, ForcedValueIsRewrittenEvenWhenUnchanged) {
    Hold(-1.0);
    edit.ForceValue(-1.0);
    EXPECT_EQ(shown, std::vector<std::string>{"1.00m"});
    EXPECT_EQ(slider, std::vector<double>{-1.0});
}

TEST_F(LengthEditModelTest, SliderIsToldOnlyWhenAskedAndInMillimetresForThatKind) {
    edit.SetValue(1.5, false);
    EXPECT_TRUE(slider.empty());
    edit.SetKind(Millimetres);
    edit.SetValue(0.0125, true);
    EXPECT_EQ(shown.back(), "12.5mm");
    EXPECT_EQ(slider, std::vector<double>{12.5});
}

TEST_F(LengthEditModelTest, TextFollowsKindAndUnitSystem) {
    UseMetric(false);
    edit.SetValue(-0.0125, false);
    EXPECT_EQ(shown.back(), "0' 0\"");
    edit.SetKind(Millimetres);
    EXPECT_EQ(shown.back(), "-12.5mm");
    edit.SetKind(FineMillimetres);
    EXPECT_EQ(shown.back(), "-12.50mm");
    edit.SetKind(FineInches);
    EXPECT_EQ(shown.back(), "0.492\"");
    const auto count = shown.size();
    edit.SetKind(FineInches);
    EXPECT_EQ(shown.size(), count);
    UseMetric(true);
    edit.SetKind(Length);
    EXPECT_EQ(shown.back(), "0.01m");
}

TEST_F(LengthEditModelTest, InfiniteValueShowsNotAvailableInEveryKind) {
    edit.SetValue(std::numeric_limits<double>::infinity(), false);
    for (const LengthKind kind : {Millimetres, FineMillimetres, FineInches, Length}) {
        edit.SetKind(kind);
        EXPECT_EQ(shown.back(), "N/A");
    }
}

TEST_F(LengthEditModelTest, TypedTextChangesTheValueQuietlyAndKeepsItsSign) {
    Hold(-0.5);
    edit.TextChangedByUser("0.7");
    EXPECT_EQ(edit.Value(), -0.7);
    edit.TextChangedByUser("-2");
    EXPECT_EQ(edit.Value(), -2.0);
    Hold(0.5);
    edit.TextChangedByUser("-2");
    EXPECT_EQ(edit.Value(), 2.0);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(slider.empty());
}

TEST_F(LengthEditModelTest, WithoutLowerLimitATypedSignDecides) {
    edit.SetNoLowerLimit(true);
    Hold(0.5);
    edit.TextChangedByUser("-");
    edit.TextChangedByUser(" -1.5");
    EXPECT_EQ(edit.Value(), -1.5);
    edit.TextChangedByUser("1.5");
    EXPECT_EQ(edit.Value(), 1.5);
    Hold(-0.5);
    edit.TextChangedByUser("2");
    EXPECT_EQ(edit.Value(), -2.0);
    edit.TextChangedByUser("+2");
    EXPECT_EQ(edit.Value(), 2.0);
}

TEST_F(LengthEditModelTest, TypingIntoANeverSetFieldGivesAPositiveValueInTheKindsBareUnit) {
    edit.SetKind(Millimetres);
    edit.TextChangedByUser("35");
    EXPECT_DOUBLE_EQ(edit.Value(), 0.035);
}

TEST_F(LengthEditModelTest, OwnTextWritesAreNotTakenForTyping) {
    edit.SetDisplaySink([this](const std::string& text) {
        EXPECT_TRUE(edit.IsUpdating());
        edit.TextChangedByUser("99");
        shown.push_back(text);
    });
    edit.SetValue(1.25, true);
    EXPECT_EQ(edit.Value(), 1.25);
    EXPECT_FALSE(edit.IsUpdating());
    edit.TextChangedByUser("3");
    EXPECT_EQ(edit.Value(), 3.0);
}

TEST_F(LengthEditModelTest, FocusLossRewritesTypedTextCanonicallyAndTellsTheSlider) {
    UseMetric(false);
    Hold(1.0);
    edit.TextChangedByUser("3'10\"");
    edit.FocusLost();
    EXPECT_EQ(shown, std::vector<std::string>{"3' 10\""});
    ASSERT_EQ(slider.size(), 1u);
    EXPECT_NEAR(slider[0], 1.16842, 5e-6);
}

TEST_F(LengthEditModelTest, RefreshRewritesEvenAnUnchangedValue) {
    Hold(2.0);
    edit.Refresh();
    EXPECT_EQ(shown, std::vector<std::string>{"2.00m"});
    EXPECT_EQ(slider, std::vector<double>{2.0});
}

TEST_F(LengthEditModelTest, EnterRewritesEvenZeroUnlessTheFieldIsDisabled) {
    Hold(1.0);
    edit.TextChangedByUser("3");
    edit.EnterReleased(false);
    EXPECT_TRUE(shown.empty());
    edit.EnterReleased(true);
    EXPECT_EQ(shown, std::vector<std::string>{"3.00m"});
    EXPECT_EQ(slider, std::vector<double>{3.0});

    edit.TextChangedByUser("abc");
    shown.clear();
    slider.clear();
    edit.EnterReleased(true);
    EXPECT_EQ(shown, std::vector<std::string>{"0.00m"});
    EXPECT_EQ(slider, std::vector<double>{0.0});
    EXPECT_EQ(edit.Value(), 0.0);
}

TEST_F(LengthEditModelTest, CoarseMetricStepsSnapToHalfMetres) {
    Hold(2.37);
    StepTo(Up, 2.5);
    EXPECT_EQ(shown.back(), "2.50m");
    EXPECT_EQ(slider.back(), 2.5);
    Hold(2.37);
    StepTo(Down, 2.0);
    StepTo(Down, 1.5);
    StepTo(Up, 2.0);
}

TEST_F(LengthEditModelTest, FineStepsPerKindAndUnitSystem) {
    edit.SetFineSteps(true);
    Hold(2.37);
    StepTo(Up, 2.4);
    UseMetric(false);
    Hold(MetresFromFeet(3.0));
    StepTo(Up, MetresFromFeet(37 * 0.08333333333333333));
    EXPECT_EQ(shown.back(), "3' 1\"");
    edit.SetFineSteps(false);
    StepTo(Up, MetresFromFeet(4.0));
    EXPECT_EQ(shown.back(), "4' 0\"");

    edit.SetKind(FineMillimetres);
    Hold(0.0125);
    StepTo(Up, 0.0126);
    EXPECT_EQ(shown.back(), "12.60mm");
    edit.SetKind(Millimetres);
    Hold(0.0125);
    StepTo(Up, 0.013);
    EXPECT_EQ(shown.back(), "13.0mm");
    StepTo(Down, 0.012);
    edit.SetKind(FineInches);
    Hold(MetresFromFeet(1.0));
    StepTo(Up, MetresFromFeet(121) * 0.008333333333333333);
    EXPECT_EQ(shown.back(), "12.100\"");
}

TEST_F(LengthEditModelTest, StepsStopAtOneStepUnlessZeroIsAllowed) {
    Hold(0.0);
    StepTo(Up, 0.5);
    StepTo(Down, 0.5);
    edit.SetZeroAllowed(true);
    StepTo(Down, 0.0);
    EXPECT_EQ(shown.back(), "0.00m");
    StepTo(Down, 0.0);
    StepTo(Up, 0.5);
}

TEST_F(LengthEditModelTest, NoLowerLimitStepsIntoNegativeValues) {
    edit.SetNoLowerLimit(true);
    Hold(0.5);
    StepTo(Down, 0.0);
    StepTo(Down, -0.5);
    EXPECT_EQ(shown.back(), "0.50m");
    Hold(-0.3);
    StepTo(Down, -0.5);
    Hold(-0.3);
    StepTo(Up, 0.0);
}

TEST_F(LengthEditModelTest, ZeroDeltaKeepsAnOffStepValueButAppliesTheFloor) {
    Hold(2.37);
    edit.Step(0);
    EXPECT_TRUE(shown.empty());
    Hold(0.1);
    StepTo(0, 0.5);
}

// What the user types never leaves the field's limits, however hostile; the text is left as
// typed until the user settles, then shows the limit with its unit, and the notice says which.
TEST_F(LengthEditModelTest, HostileTextIsHeldWithinTheLimits) {
    edit.SetLimits(lumivane::kThrowLimits);
    Hold(22.0);
    const std::string nines(300, '9');
    const struct {
        std::string text;
        double held;
        std::string notice;
    } cases[] = {
        {nines, 300.0, "The largest value allowed is 300.00m."},
        {nines + "mm", 300.0, "The largest value allowed is 300.00m."},
        {std::string(10000, '8'), 300.0, "The largest value allowed is 300.00m."},
        {std::string(10000, 'x'), 3.0, "The smallest value allowed is 3.00m."},
        {"1e308", 300.0, "The largest value allowed is 300.00m."},
        {"inf", 3.0, "The smallest value allowed is 3.00m."},
        {"nan", 3.0, "The smallest value allowed is 3.00m."},
        {"-5", 5.0, ""},
        {"", 3.0, "The smallest value allowed is 3.00m."},
        {"0.00", 3.0, "The smallest value allowed is 3.00m."},
        {"22", 22.0, ""},
    };
    for (const auto& c : cases) {
        edit.TextChangedByUser(c.text);
        EXPECT_EQ(edit.Value(), c.held) << c.text.substr(0, 20);
        EXPECT_TRUE(shown.empty());
        edit.EnterReleased(true);
        EXPECT_EQ(edit.TakeLimitNotice(), c.notice) << c.text.substr(0, 20);
        EXPECT_EQ(edit.TakeLimitNotice(), "");
        shown.clear();
    }
}

TEST_F(LengthEditModelTest, OnlyTheLastTextCounts) {
    edit.SetLimits(lumivane::kImageSizeLimits);
    Hold(4.0);
    edit.TextChangedByUser("0");
    edit.TextChangedByUser("0.");
    edit.TextChangedByUser("0.5");
    EXPECT_EQ(edit.Value(), 0.5);
    EXPECT_EQ(edit.TakeLimitNotice(), "");
}

TEST_F(LengthEditModelTest, LimitsAreShownInTheFieldsOwnUnit) {
    edit.SetKind(Millimetres);
    edit.SetLimits(lumivane::kFocalLengthLimits);
    Hold(0.065);
    edit.TextChangedByUser("0.0");
    EXPECT_EQ(edit.Value(), 0.005);
    edit.FocusLost();
    EXPECT_EQ(shown.back(), "5.0mm");
    EXPECT_EQ(edit.TakeLimitNotice(), "The smallest value allowed is 5.0mm.");
    edit.TextChangedByUser("2m");
    EXPECT_EQ(edit.TakeLimitNotice(), "The largest value allowed is 1000.0mm.");

    UseMetric(false);
    edit.SetKind(Length);
    edit.SetLimits(lumivane::kThrowLimits);
    edit.TextChangedByUser("2000'");
    EXPECT_EQ(edit.TakeLimitNotice(), "The largest value allowed is 984' 3\".");
}

// A position keeps its side: beyond the limit on either side it is held at that side's limit.
TEST_F(LengthEditModelTest, SignedFieldsAreHeldOnTheSideTyped) {
    edit.SetNoLowerLimit(true);
    edit.SetLimits(lumivane::kPositionLimits);
    Hold(1.0);
    edit.TextChangedByUser("-" + std::string(300, '9'));
    EXPECT_EQ(edit.Value(), -300.0);
    EXPECT_EQ(edit.TakeLimitNotice(), "The largest value allowed is 300.00m.");
    edit.TextChangedByUser("-2");
    EXPECT_EQ(edit.Value(), -2.0);
}

// A field whose limits take no negative value shows no sign to keep: a negative value held
// from a file gives way to the positive value typed.
TEST_F(LengthEditModelTest, TheHeldSignSurvivesOnlyWhereTheLimitsAllowIt) {
    edit.SetLimits(lumivane::kImageSizeLimits);
    Hold(-0.5);
    edit.TextChangedByUser("0.7");
    EXPECT_EQ(edit.Value(), 0.7);
    EXPECT_EQ(edit.TakeLimitNotice(), "");
}

TEST_F(LengthEditModelTest, StepsStopAtTheLimits) {
    edit.SetLimits(lumivane::kThrowLimits);
    Hold(3.2);
    StepTo(Down, 3.0);
    StepTo(Down, 3.0);
    EXPECT_EQ(edit.TakeLimitNotice(), "The smallest value allowed is 3.00m.");
    Hold(299.8);
    StepTo(Up, 300.0);
    EXPECT_EQ(edit.TakeLimitNotice(), "");
    StepTo(Up, 300.0);
    EXPECT_EQ(edit.TakeLimitNotice(), "The largest value allowed is 300.00m.");
    // A value beyond the limits from a file steps back within them.
    Hold(1e39);
    StepTo(Down, 300.0);
}

TEST_F(LengthEditModelTest, ValuesSetByTheProgramAreShownAsTheyAre) {
    edit.SetLimits(lumivane::kThrowLimits);
    edit.SetValue(1e39, true);
    EXPECT_EQ(edit.Value(), 1e39);
    edit.SetValue(1.0, true);
    EXPECT_EQ(shown.back(), "1.00m");
    EXPECT_EQ(edit.TakeLimitNotice(), "");
}

} // namespace
