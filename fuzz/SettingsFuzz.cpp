// Everything start-up and the main window read from the settings store, with every value the
// input's choice: a damaged or hand-edited store. The values read must keep the settings
// record within what the rest of the program relies on.

#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "base/SettingsStore.h"
#include "catalog/FormatDatabase.h"

#include <algorithm>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>

#include "FormatRoundTrip.h"
#include "FuzzSupport.h"

using lumivane::fuzz::Require;

namespace {

// Answers every read with the next value of the input; reads past its end get the default,
// as from an empty store. Writes are not kept.
class InputStore : public lumivane::SettingsStore {
public:
    explicit InputStore(FuzzedDataProvider& input) : m_input(input) {}

    std::int32_t ReadInt(const std::string&, const std::string&,
                         std::int32_t defaultValue) const override {
        return m_input.remaining_bytes() == 0 ? defaultValue
                                              : m_input.ConsumeIntegral<std::int32_t>();
    }
    std::string ReadString(const std::string&, const std::string&,
                           const std::string& defaultValue) const override {
        return m_input.remaining_bytes() == 0 ? defaultValue
                                              : m_input.ConsumeRandomLengthString(512);
    }
    std::optional<std::vector<std::uint8_t>> ReadBlock(const std::string&,
                                                       const std::string&) const override {
        if (m_input.remaining_bytes() == 0) {
            return std::nullopt;
        }
        const std::string bytes = m_input.ConsumeRandomLengthString(512);
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }
    void WriteInt(const std::string&, const std::string&, std::int32_t) override {}
    void WriteString(const std::string&, const std::string&, const std::string&) override {}
    void WriteBlock(const std::string&, const std::string&,
                    const std::vector<std::uint8_t>&) override {}
    void DeleteSection(const std::string&) override {}

private:
    FuzzedDataProvider& m_input;
};

void RequireSaneSettings(const AppSettings& settings) {
    const auto& columns = settings.m_columns;
    Require(columns[0] >= 0 && std::is_sorted(columns.begin(), columns.end()) &&
            columns[2] <= 1000);
    Require(settings.m_radiusType >= 0 && settings.m_radiusType < 7);
    Require(settings.m_tiltType >= 0 && settings.m_tiltType < 3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int today = input.ConsumeIntegralInRange(0, 365);
    auto store = std::make_shared<InputStore>(input);
    lumivane::ScopedAppContext context;
    AppSettings& settings = context.context().settings;

    lumivane::ReadWindowSettings(*store, settings);
    lumivane::ReadOptions(*store, settings);
    lumivane::ReadFixedFocal(*store, settings);
    RequireSaneSettings(settings);
    lumivane::IsLiveUpdateDue(*store, settings, today);
    lumivane::DecideMetricUnits(*store, true);
    lumivane::ReadPreviewPages(*store);
    const auto recent = lumivane::ReadRecentFiles(*store);
    Require(recent.size() <= static_cast<std::size_t>(lumivane::kRecentFileCount));
    Require(std::none_of(recent.begin(), recent.end(), [](const auto& f) { return f.empty(); }));

    context.context().settingsStore = store;
    CFormatDatabase formats;
    formats.LoadCustomFormats();
    for (int i = 0; i < formats.GetCount(); ++i) {
        Require(formats.GetAt(i)->IsCustom());
        lumivane::fuzz::RequireStableRegistryForm(*formats.GetAt(i));
    }
    return 0;
}
