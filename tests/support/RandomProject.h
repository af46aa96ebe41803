#pragma once
// A seeded source of random but valid projects for round-trip tests, built through the model's
// own operations on the catalogs of ModelCatalogs.h (install them first): auditoriums with
// texts of every length class, projectors, lens set-ups of every test format, lens choices
// from the lens catalog and panel corners.

#include "document/ProjectFile.h"
#include "support/RandomCatalog.h"

#include <cstdint>
#include <memory>
#include <random>

class CAuditorium;

namespace lumivane::test {

class RandomProject {
public:
    explicit RandomProject(std::uint32_t seed) : m_values(seed), m_random(seed) {}

    std::unique_ptr<CAuditorium> Auditorium(int number);
    ProjectContents Project(int maxAuditoriums);

private:
    double Between(double low, double high);
    void AddLensSetUps(CAuditorium& auditorium);

    RandomCatalog m_values;
    std::mt19937 m_random;
};

} // namespace lumivane::test
