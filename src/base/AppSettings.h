#pragma once
// The application's settings record: every value the whole program shares, filled at start-up
// (and, for the "Options" members, when the main window is created) from the settings store.

#include <array>
#include <cstdint>
#include <string>

struct AppSettings {
    std::array<std::int32_t, 3> m_columns{333, 500, 666};
    std::int32_t m_updateDays = 30;
    bool m_fixedFocal = false;
    // Pages the print preview shows side by side; 0 until the user chose.
    std::int32_t m_previewPages = 0;
    std::string m_catalogStorePath;
    std::string m_helpFilePath;
    std::string m_company;
    double m_screenEdge = 0.0;
    std::int32_t m_lockProjector = 0;
    std::int16_t m_radiusType = 0;
    double m_radiusValue = 0.0;
    std::int16_t m_tiltType = 0;
    double m_tiltValue = 0.0;
    double m_tiltDepth = 0.0;
    std::int32_t m_porthole = 0;
    double m_portholeThrow = 0.0;
};
