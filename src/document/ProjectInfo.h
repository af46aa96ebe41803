#pragma once
// The five free texts of a project that the project settings edit and the reports print.

#include <string>

namespace lumivane {

struct ProjectInfo {
    std::string manager;
    std::string projectDate;
    std::string lastChange;
    std::string startDate;
    std::string endDate;

    bool operator==(const ProjectInfo&) const = default;
};

} // namespace lumivane
