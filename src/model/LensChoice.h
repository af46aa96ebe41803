#pragma once
// One lens combination from the maker's catalog: a prime lens, optionally followed by an
// attachment, with the focal range, attachment factors, adapter ring and the score it earns
// for the lens set-up it was last evaluated for.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CDescriptor;
class CLensDescriptor;
class CLensDatabase;
class CLensType;

namespace lumivane {
class Archive;

// The catalog number of adapter ring 1 or 2; empty for no ring.
std::string_view AdapterRingCatalog(std::int32_t ring);
} // namespace lumivane

class CLensChoice {
public:
    CLensChoice() = default;

    // Appends a catalog item, updating the factors and the adapter ring as a combination is
    // built in the program.
    void AddItem(const CDescriptor* item);
    // Recomputes focal, achieved focal and quality for the set-up.
    void Evaluate(const CLensType& setUp);
    double GetMinFocal() const;
    double GetMaxFocal() const;
    double GetCoverage() const;
    void Clear();
    std::string GetName() const;
    void Serialize(lumivane::Archive& ar);

    bool IsEmpty() const { return m_items.empty(); }
    const std::vector<const CDescriptor*>& Items() const { return m_items; }
    const CLensDescriptor* FirstLens() const;
    std::int32_t GetQuality() const { return m_quality; }
    double GetFocal() const { return m_focal; }
    double GetAchievedFocal() const { return m_achievedFocal; }
    double GetFactorH() const { return m_factorH; }
    double GetFactorV() const { return m_factorV; }
    std::int32_t GetAdapterRing() const { return m_adapterRing; }

private:
    // The lower focal bound for ring 2 differs between building a combination and reading
    // one from a file; both are kept so old projects list the same rings as before.
    void Append(const CDescriptor* item, double ring2LowerFocal);
    // Shortest and longest focal length of the combination in millimetres.
    std::pair<double, double> FocalRange() const;

    std::int32_t m_quality = 0;
    double m_focal = 0.0;
    double m_achievedFocal = 0.0;
    double m_factorH = 1.0;
    double m_factorV = 1.0;
    std::int32_t m_adapterRing = 0;
    std::vector<const CDescriptor*> m_items;
    // Keeps the items alive when the catalog is replaced by a live update while a project is
    // open.
    std::shared_ptr<const CLensDatabase> m_catalog;
};
