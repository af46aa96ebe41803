#include "model/AuditoriumWizard.h"

#include "base/AppContext.h"
#include "base/NumberText.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumivane {

namespace {

constexpr double kFitSlack = 0.00001;
constexpr int kMaxFitPasses = 4;
// Relative: what a focal length may fall short by through rounding alone.
constexpr double kFocalSlack = 1e-9;
constexpr int kMaxSettleRounds = 6;
constexpr double kSettled = 1e-9;
// Metres a calculated screen may exceed the free wall by: rounding only.
constexpr double kWallSlack = 1e-6;
constexpr int kMaxShrinkPasses = 8;

const char* const kNoRoomMessage =
    "The free wall space leaves no room for a screen.  Make the wall larger, or the height of "
    "the screen bottom or the space to keep clear smaller.";
const char* const kNoFormatMessage =
    "Please check at least one format that the projector should support.";
const char* const kNoProjectorMessage = "No projector of the catalog can show the checked formats.";

struct FreeWall {
    double height;
    double width;
};

FreeWall FreeWallOf(const WizardAnswers& answers) {
    return {answers.wallHeight - answers.screenBottom - answers.verticalSpace,
            answers.wallWidth - answers.sideSpace};
}

// An image needs more than the lacing border on both sides; NaN fails too.
bool LeavesRoom(const FreeWall& wall) {
    const double border = 2 * ScreenEdge();
    return wall.height - border > 0 && wall.width - border > 0 && std::isfinite(wall.height) &&
           std::isfinite(wall.width);
}

// Sizes the image to the screen along the constant side; when the other side overflows, the
// image is sized by that side and the screen shrinks to it. True when the screen shrank.
bool FitOnce(CAuditorium& auditorium, CLensType& setUp, bool constantWidth) {
    const double e = ScreenEdge();
    const double height = auditorium.ScreenHeight() - 2 * e;
    const double width = auditorium.ScreenWidth() - 2 * e;
    if (constantWidth) {
        setUp.SetImageWidth(width);
        if (setUp.ImageHeight() <= height + kFitSlack) {
            return false;
        }
        setUp.SetImageHeight(height);
        auditorium.SetScreenWidth(setUp.ImageWidth() + 2 * e);
        return true;
    }
    setUp.SetImageHeight(height);
    if (setUp.ImageWidth() <= width + kFitSlack) {
        return false;
    }
    setUp.SetImageWidth(width);
    auditorium.SetScreenHeight(setUp.ImageHeight() + 2 * e);
    return true;
}

// A shrunk screen is fitted once more, which then holds; the bound only guards against
// arithmetic that never settles.
void Fit(CAuditorium& auditorium, CLensType& setUp, bool constantWidth) {
    for (int pass = 0; pass < kMaxFitPasses; ++pass) {
        if (!FitOnce(auditorium, setUp, constantWidth)) {
            return;
        }
    }
}

// The focal length the fitted image asks for, and the best lens that is not shorter: a
// shorter one would throw a larger image than the wall leaves room for.
void AimLens(CAuditorium& auditorium, CLensType& setUp, bool constantWidth) {
    const double slant = auditorium.GetSlantThrow(&setUp);
    const double focal =
        constantWidth ? CLensType::FocalFromThrow(slant, setUp.ImageWidth(), setUp.EffApertureW())
                      : CLensType::FocalFromThrow(slant, setUp.ImageHeight(), setUp.EffApertureH());
    setUp.SetFocalLength(1000 * focal);
    const double wanted = setUp.BareFocalMm() * (1 - kFocalSlack);
    ChooseBest(setUp,
               [wanted](const CLensChoice& choice) { return choice.GetAchievedFocal() >= wanted; });
}

// Measuring the images moves the calculated screen, and the screen's height moves the point
// each lens aims at; a few rounds bring both to rest.
void Settle(CAuditorium& auditorium) {
    for (int round = 0; round < kMaxSettleRounds; ++round) {
        const double height = auditorium.ScreenHeight();
        const double width = auditorium.ScreenWidth();
        auditorium.RefreshAllImages();
        auditorium.Recalculate(nullptr);
        if (std::fabs(auditorium.ScreenHeight() - height) < kSettled &&
            std::fabs(auditorium.ScreenWidth() - width) < kSettled) {
            return;
        }
    }
}

bool ScreenWithin(const CAuditorium& auditorium, const FreeWall& wall) {
    return auditorium.ScreenHeight() <= wall.height + kWallSlack &&
           auditorium.ScreenWidth() <= wall.width + kWallSlack;
}

// The share of its size an image on the screen may keep to fit the free wall; 1 or more when
// it fits already.
double RoomRatio(const CLensType& setUp, const FreeWall& wall) {
    const double border = 2 * ScreenEdge();
    return std::min((wall.height - border) / setUp.ExtentHeight(),
                    (wall.width - border) / setUp.ExtentWidth());
}

// The sizes the set-ups were fitted to, along the side the screen keeps constant.
std::vector<double> FittedSizes(const CAuditorium& auditorium, bool constantWidth) {
    std::vector<double> sizes;
    for (int i = 0; i < auditorium.LensTypeCount(); ++i) {
        const CLensType& setUp = *auditorium.GetLensType(i);
        sizes.push_back(constantWidth ? setUp.ImageWidth() : setUp.ImageHeight());
    }
    return sizes;
}

// An image that lands larger than the free wall allows (keystone, a curved screen, the focal
// length formula's own rounding) is fitted smaller by what it overflows and its lens aimed
// again. The fitted size shrinks, not the image thrown, which would give the overflow back.
void ShrinkOverflowing(CAuditorium& auditorium, const FreeWall& wall, bool constantWidth,
                       std::vector<double>& fitted) {
    for (int i = 0; i < auditorium.LensTypeCount(); ++i) {
        CLensType& setUp = *auditorium.GetLensType(i);
        const double ratio = RoomRatio(setUp, wall);
        if (!setUp.HasKnownFormat() || !(ratio < 1)) {
            continue;
        }
        double& size = fitted[static_cast<std::size_t>(i)];
        size *= ratio * (1 - kWallSlack);
        setUp.ClearLens();
        if (constantWidth) {
            setUp.SetImageWidth(size);
        } else {
            setUp.SetImageHeight(size);
        }
        AimLens(auditorium, setUp, constantWidth);
    }
}

// The calculated screen holds every image; should the images still not fit after the rounds
// of shrinking (a throw no lens can focus at gives no sound image at all), the screen is set to
// the free wall instead and the fit flags tell which image overflows it.
void KeepScreenOnTheWall(CAuditorium& auditorium, const FreeWall& wall, bool constantWidth,
                         std::vector<double> fitted) {
    Settle(auditorium);
    for (int pass = 0; pass < kMaxShrinkPasses && !ScreenWithin(auditorium, wall); ++pass) {
        ShrinkOverflowing(auditorium, wall, constantWidth, fitted);
        Settle(auditorium);
    }
    if (ScreenWithin(auditorium, wall)) {
        return;
    }
    auditorium.SetFixedScreen(true);
    auditorium.SetScreenHeight(wall.height);
    auditorium.SetScreenWidth(wall.width);
}

} // namespace

const std::array<WizardFormatBox, 8> kWizardFormatBoxes{{
    {"35mm Widescreen (1.85)", 0, true},
    {"35mm Widescreen (1.66)", 2, false},
    {"35mm Standard (1.37)", 1, false},
    {"35mm Cinemascope", 3, true},
    {"16mm Flat", 5, false},
    {"70mm 570", 7, false},
    {"70mm 870", 8, false},
    {"35mm Slides", 32, false},
}};

WizardAnswers StartAnswers(const CAuditorium& fresh) {
    WizardAnswers answers;
    answers.wallHeight = fresh.ScreenHeight();
    answers.wallWidth = fresh.ScreenWidth();
    answers.throwDistance = fresh.DefaultThrow();
    for (const WizardFormatBox& box : kWizardFormatBoxes) {
        if (box.checkedAtStart) {
            answers.formats.push_back(box.format);
        }
    }
    return answers;
}

int PercentOfWall(double space, double wall) {
    const double percent = space * 100 / wall + 0.5;
    if (!(wall > 0) || !std::isfinite(percent)) {
        return 0;
    }
    return std::clamp(TruncToInt32(percent), 0, 100);
}

double SpaceFromPercent(double percent, double wall) {
    const double space = std::clamp(percent, 0.0, 100.0) * 0.01 * wall;
    return std::isfinite(space) ? space : 0.0;
}

WizardResult BuildWizardAuditorium(const WizardAnswers& answers, int number) {
    const FreeWall wall = FreeWallOf(answers);
    if (!LeavesRoom(wall)) {
        return {nullptr, kNoRoomMessage};
    }
    if (answers.formats.empty()) {
        return {nullptr, kNoFormatMessage};
    }
    auto auditorium = std::make_unique<CAuditorium>(number);
    auditorium->SetFixedScreen(false);
    auditorium->SetConstantHeight(!answers.constantWidth);
    auditorium->SetFrontWall(answers.wallWidth, answers.wallHeight);
    auditorium->SetFloorToScreen(answers.screenBottom);
    auditorium->SetFloorToBooth(answers.lensHeight);
    // Before the screen: with no projectors yet, setting the throw recalculates an empty
    // screen, which would overwrite the size the free wall gives.
    auditorium->SetDefaultThrow(answers.throwDistance, 0);
    auditorium->SetScreenHeight(wall.height);
    auditorium->SetScreenWidth(wall.width);
    for (const int format : answers.formats) {
        auditorium->AddFormat(format, -1);
    }
    if (auditorium->LensTypeCount() == 0) {
        return {nullptr, kNoProjectorMessage};
    }
    for (int p = 0; p < auditorium->ProjectorCount(); ++p) {
        CProjectorType& projector = *auditorium->GetProjector(p);
        projector.SetLensHeight(answers.lensHeight - answers.screenBottom);
        projector.SetLateral(0);
    }
    // Set-ups fitted before a later one shrinks the screen keep their size; measuring the
    // images below brings the screen to hold them all.
    for (int i = 0; i < auditorium->LensTypeCount(); ++i) {
        CLensType& setUp = *auditorium->GetLensType(i);
        if (setUp.HasKnownFormat()) {
            Fit(*auditorium, setUp, answers.constantWidth);
            AimLens(*auditorium, setUp, answers.constantWidth);
        }
    }
    // The images are measured where the chosen lenses put them before the calculated screen
    // is made to hold them; recalculating first would size it from the extents of the
    // unfitted images.
    KeepScreenOnTheWall(*auditorium, wall, answers.constantWidth,
                        FittedSizes(*auditorium, answers.constantWidth));
    return {std::move(auditorium), {}};
}

} // namespace lumivane
