#include "model/ProjectorType.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/Length.h"
#include "base/NumberText.h"
#include "base/RichTextDoc.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/ProjectorDatabase.h"
#include "catalog/ProjectorDescriptor.h"
#include "model/Auditorium.h"
#include "model/ImageGeometry.h"
#include "model/LensType.h"
#include "model/SummaryText.h"

#include <algorithm>
#include <cmath>
#include <utility>

using lumivane::LockProjector;

namespace {

constexpr double kDegreesPerRadian = 57.29577951307999939;

std::string DisplayNameOf(const CProjectorDescriptor* model) {
    return model ? model->GetDisplayName() : std::string("Unknown projector");
}

double NewThrow() {
    return lumivane::Ctx().metricUnits ? 30.0 : MetresFromFeet(100);
}

} // namespace

CProjectorType::CProjectorType(int model)
    : m_throw(NewThrow()), m_model(static_cast<std::int16_t>(std::clamp(model, -32768, 32767))) {
    m_name = DisplayNameOf(GetModelDescriptor());
}

CProjectorType::CProjectorType(const CProjectorType& source)
    : m_name(source.m_name), m_useDefaultThrow(source.m_useDefaultThrow),
      m_autoLensShift(source.m_autoLensShift), m_allowLensShift(source.m_allowLensShift),
      m_spare(source.m_spare), m_alignment(source.m_alignment), m_throw(source.GetThrow()),
      m_lateral(source.m_lateral), m_lensHeight(source.m_lensHeight),
      m_imageOffsetV(source.m_imageOffsetV), m_imageOffsetH(source.m_imageOffsetH),
      m_model(source.m_model), m_light(source.m_light) {
    for (const auto& lensType : source.m_lensTypes) {
        auto copy = std::make_unique<CLensType>(*lensType);
        TakePanelResolution(*copy);
        m_lensTypes.push_back(std::move(copy));
    }
}

CProjectorType::~CProjectorType() = default;

std::string CProjectorType::ModelName() const {
    return DisplayNameOf(GetModelDescriptor());
}

const CProjectorDescriptor* CProjectorType::GetModelDescriptor() const {
    const auto& projectors = lumivane::Ctx().projectors;
    return projectors ? projectors->GetAt(m_model) : nullptr;
}

void CProjectorType::TakePanelResolution(CLensType& lensType) const {
    if (const CProjectorDescriptor* model = GetModelDescriptor()) {
        lensType.SetPanelResolution(model->GetHres(), model->GetVres());
    }
}

double CProjectorType::GetThrow() const {
    if (m_useDefaultThrow && m_auditorium) {
        return m_auditorium->DefaultThrow();
    }
    return m_throw;
}

void CProjectorType::SetThrow(double t, int force) {
    if (2 * t < m_lensHeight) {
        m_lensHeight = 2 * t;
    }
    if (2 * t < m_lateral) {
        m_lateral = 2 * t;
    }
    if (m_useDefaultThrow && m_auditorium) {
        m_auditorium->SetDefaultThrow(t, force);
    }
    m_throw = t;
    if (!m_auditorium) {
        return;
    }
    const LockMode mode = lumivane::Ctx().lockMode;
    for (const auto& lensType : m_lensTypes) {
        const double s = m_auditorium->GetSlantThrow(lensType.get());
        if (mode == LockFocalLength && force == 0) {
            lensType->FocalFromThrowUnlessFocalLocked(s);
        } else if (mode == LockImageSize && force == 0) {
            lensType->ImageFromThrowUnlessImageLocked(s);
        } else {
            lensType->ApplyThrow(s);
        }
    }
}

bool CProjectorType::SupportsFormat(int format) const {
    const auto& formats = lumivane::Ctx().formats;
    const CProjectorDescriptor* model = GetModelDescriptor();
    const CFormatDescriptor* descriptor = formats ? formats->GetAt(format) : nullptr;
    return model && descriptor && model->CanShow(*descriptor);
}

int CProjectorType::FirstSupportedFormat(int start) const {
    const auto& formats = lumivane::Ctx().formats;
    if (!formats) {
        return -1;
    }
    for (int f = std::max(start, 0); f < formats->GetCount(); ++f) {
        if (SupportsFormat(f)) {
            return f;
        }
    }
    return -1;
}

CLensType* CProjectorType::GetOrAddLensType(int format) {
    if (CLensType* existing = FindLensType(format)) {
        return existing;
    }
    if (!SupportsFormat(format)) {
        return nullptr;
    }
    auto lensType = std::make_unique<CLensType>(format);
    TakePanelResolution(*lensType);
    m_lensTypes.push_back(std::move(lensType));
    return m_lensTypes.back().get();
}

void CProjectorType::AddLensType(std::unique_ptr<CLensType> lensType) {
    m_lensTypes.push_back(std::move(lensType));
}

// The selection stays on the set-up it named: removing an earlier one moves it down.
void CProjectorType::RemoveLensType(int format) {
    const int index = IndexOfFormat(format);
    if (index < 0) {
        return;
    }
    m_lensTypes.erase(m_lensTypes.begin() + index);
    if (m_selected == index) {
        m_selected = m_lensTypes.empty() ? -1 : 0;
    } else if (m_selected > index) {
        --m_selected;
    }
    m_selected = std::clamp(m_selected, -1, LensTypeCount() - 1);
}

CLensType* CProjectorType::FindLensType(int format) {
    return const_cast<CLensType*>(std::as_const(*this).FindLensType(format));
}

const CLensType* CProjectorType::FindLensType(int format) const {
    const int index = IndexOfFormat(format);
    return index >= 0 ? m_lensTypes[static_cast<std::size_t>(index)].get() : nullptr;
}

int CProjectorType::IndexOfFormat(int format) const {
    for (std::size_t i = 0; i < m_lensTypes.size(); ++i) {
        if (m_lensTypes[i]->GetFormat() == format) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CProjectorType::Contains(const CLensType* lensType) const {
    return std::any_of(m_lensTypes.begin(), m_lensTypes.end(),
                       [lensType](const auto& own) { return own.get() == lensType; });
}

CLensType* CProjectorType::GetLensType(int index) {
    return const_cast<CLensType*>(std::as_const(*this).GetLensType(index));
}

const CLensType* CProjectorType::GetLensType(int index) const {
    if (index < 0 || index >= LensTypeCount()) {
        return nullptr;
    }
    return m_lensTypes[static_cast<std::size_t>(index)].get();
}

void CProjectorType::SetLensShiftCopies(std::int32_t allow, std::int32_t automatic,
                                        std::int32_t alignment) {
    m_allowLensShift = static_cast<std::uint8_t>(allow & 0xFF);
    m_autoLensShift = static_cast<std::uint8_t>(automatic & 0xFF);
    m_alignment = alignment;
}

void CProjectorType::SetImageOffsets(double vertical, double horizontal) {
    m_imageOffsetV = vertical;
    m_imageOffsetH = horizontal;
}

double CProjectorType::GetVerticalAngle() const {
    if (!m_auditorium) {
        return 0.0;
    }
    const double e = lumivane::Ctx().settings.m_screenEdge;
    const double H = m_auditorium->ScreenHeight();
    const double g = (LockProjector() ? H / 2 : m_lensHeight) + m_imageOffsetV;
    const double m = g - (H - 2 * e);
    const double h = GetThrow();
    return std::atan(VerticalAimRise(h, g, m) / h) * kDegreesPerRadian;
}

double CProjectorType::GetHorizontalAngle() const {
    return std::atan(((LockProjector() ? 0.0 : m_lateral) + m_imageOffsetH) / GetThrow()) *
           kDegreesPerRadian;
}

std::pair<double, double> CProjectorType::GetPortholeSize() const {
    double width = 0.0;
    double height = 0.0;
    ImageGeometry geometry;
    geometry.SetPortholeMode(true);
    for (const auto& lensType : m_lensTypes) {
        geometry.SetSubjects(m_auditorium, this, lensType.get());
        const double h = geometry.InnerHeight();
        const double w = geometry.TopWidth();
        if (h > height) {
            height = h;
        }
        if (w > width) {
            width = w;
        }
    }
    return {width, height};
}

void CProjectorType::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteShort(m_model);
        ar.WriteText(m_name);
        ar.WriteByte(m_reserved);
        ar.WriteByte(static_cast<std::uint8_t>(m_useDefaultThrow & 0xFF));
        ar.WriteDouble(m_throw);
        ar.WriteDouble(m_lensHeight);
        ar.WriteDouble(m_lateral);
        ar.WriteByte(m_autoLensShift);
        ar.WriteByte(m_allowLensShift);
        ar.WriteByte(m_spare);
        ar.WriteLong(m_alignment);
        ar.WriteLong(static_cast<std::int32_t>(m_lensTypes.size()));
        for (const auto& lensType : m_lensTypes) {
            lensType->Serialize(ar);
        }
        return;
    }
    const int v = ar.FileVersion();
    m_model = ar.ReadShort();
    m_name = ar.ReadText();
    m_reserved = ar.ReadByte();
    if (v > 10) {
        m_useDefaultThrow = ar.ReadByte();
    }
    m_throw = ar.ReadDouble();
    m_lensHeight = ar.ReadDouble();
    m_lateral = ar.ReadDouble();
    if (v > 11) {
        m_autoLensShift = ar.ReadByte();
        m_allowLensShift = ar.ReadByte();
        m_spare = ar.ReadByte();
        m_alignment = ar.ReadLong();
    }
    const std::uint32_t count = ar.ReadCount(1);
    m_lensTypes.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        auto lensType = std::make_unique<CLensType>(0);
        TakePanelResolution(*lensType);
        lensType->Serialize(ar);
        m_lensTypes.push_back(std::move(lensType));
    }
}

void CProjectorType::WriteSummary(RichTextDoc& text) const {
    using lumivane::FormatFixed;
    using lumivane::LengthText;
    lumivane::BeginSummary(text, m_name, 11);
    if (m_auditorium && m_auditorium->CalcPorthole()) {
        const auto [width, height] = GetPortholeSize();
        text.AppendText("Image size at porthole: " + LengthText(height) + " x " +
                        LengthText(width) + " at a distance of " +
                        LengthText(m_auditorium->PortholeDistance()) +
                        "\n  The porthole must be cut larger than this to allow for projector "
                        "adjustment.\n");
    }
    text.AppendText("Throw Distance: " + LengthText(GetThrow()) + "\n");
    const double vertical = GetVerticalAngle();
    std::string angles = "Projector Angle:\t" + FormatFixed(std::fabs(vertical), 1) +
                         (vertical >= 0 ? " degrees down" : " degrees up");
    const double horizontal = GetHorizontalAngle();
    if (horizontal != 0) {
        angles += " " + FormatFixed(std::fabs(horizontal), 1) +
                  (horizontal >= 0 ? " degrees left" : " degrees right");
    }
    text.AppendText(angles + "\n");
    if (m_auditorium) {
        for (const auto& lensType : m_lensTypes) {
            lensType->WriteSummary(text, *m_auditorium, *this, false);
        }
    }
    lumivane::EndSummary(text);
}
