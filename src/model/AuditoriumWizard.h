#pragma once
// The auditorium wizard without its pages: the answers it asks for, their start values, the
// linked space and percent fields, and Finish, which builds the auditorium from the answers:
// the largest screen the free wall allows, every checked format's image fitted on it, the
// focal length each needs and the best lens for each.

#include <array>
#include <memory>
#include <string>
#include <vector>

class CAuditorium;

namespace lumivane {

struct WizardFormatBox {
    const char* text;
    // The format's position in the format catalog.
    int format;
    bool checkedAtStart;
};

// The projector page's format boxes, in the order their set-ups are fitted.
extern const std::array<WizardFormatBox, 8> kWizardFormatBoxes;

struct WizardAnswers {
    double wallHeight = 6.0;
    double wallWidth = 14.0;
    double screenBottom = 2.0;
    bool constantWidth = true;
    double lensHeight = 6.0;
    double throwDistance = 30.0;
    // Format catalog positions, in the order of the boxes.
    std::vector<int> formats;
    // Totals: left and right together, above and below together.
    double sideSpace = 0.0;
    double verticalSpace = 0.0;
};

// The pages' start values: the free wall is the screen of fresh (a new auditorium), the
// throw its default throw.
WizardAnswers StartAnswers(const CAuditorium& fresh);

// The percent field shows a space as a whole percentage of its wall, 0 to 100; a wall of no
// size gives 0.
int PercentOfWall(double space, double wall);
// The space a percentage (taken as 0 to 100) of the wall comes to.
double SpaceFromPercent(double percent, double wall);

struct WizardResult {
    // Null when the answers cannot give an auditorium; message then says why.
    std::unique_ptr<CAuditorium> auditorium;
    std::string message;
};

// Finish: a new auditorium named after number, built from the answers.
WizardResult BuildWizardAuditorium(const WizardAnswers& answers, int number);

} // namespace lumivane
