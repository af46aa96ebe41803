#pragma once
// The model keeps its texts in UTF-8; every widget shows them through this one conversion.

#include <QString>

#include <string>

namespace lumivane {

inline QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace lumivane
