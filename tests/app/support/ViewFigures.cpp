#include "ViewFigures.h"

#include "base/AppContext.h"
#include "base/LengthEditModel.h"
#include "base/NumberText.h"
#include "catalog/LensDatabase.h"
#include "model/Auditorium.h"
#include "model/AuditoriumTexts.h"
#include "model/ImageDetailsText.h"
#include "model/LensCandidates.h"
#include "model/LensListText.h"
#include "model/LensType.h"
#include "model/LensViewTexts.h"
#include "model/ProjectorTexts.h"
#include "model/ProjectorType.h"
#include "model/SummaryText.h"
#include "ui/QtText.h"
#include "views/FormatListCtrl.h"
#include "views/LengthEdit.h"
#include "views/LensListBox.h"
#include "views/ProjectorView.h"
#include "views/QorView.h"
#include "views/SetUpListModel.h"
#include "views/ValueLabel.h"
#include "views/ValueSlider.h"
#include "views/ViewPane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "AccessibleWidgets.h"

namespace lumivane::test {

namespace {

using lumivane::Text;

// The extents a set-up keeps are measured before the room follows an edit, and a curved
// screen that grows or shrinks then moves its images by a little: up to this share of them.
// An extent left from before the edit is off by far more.
constexpr double kExtentLag = 0.02;
constexpr double kMillimetresPerMetre = 1000.0;
// The lens view's shift sliders count tenths of the shift.
constexpr double kShiftSliderPerShift = 10.0;

// The text a length field of kind shows for metres.
QString FieldText(double metres, LengthKind kind) {
    std::string text;
    LengthEditModel model;
    model.SetKind(kind);
    model.SetDisplaySink([&text](const std::string& shown) { text = shown; });
    model.SetValue(metres, false);
    return Text(text);
}

QString YesNo(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// Collects the disagreements of one view, each named after what the user sees.
class FigureCheck {
public:
    explicit FigureCheck(const QWidget& view) : m_view(view) {}

    const QStringList& Mismatches() const { return m_mismatches; }

    void Expect(const QString& what, const QString& shown, const QString& truth) {
        if (shown != truth) {
            m_mismatches << u"%1 shows \"%2\", the model \"%3\""_qs.arg(what, shown, truth);
        }
    }

    template <class W> W* Find(const QString& name) {
        W* widget = Named<W>(&m_view, name);
        if (widget == nullptr) {
            m_mismatches << u"no control named \"%1\""_qs.arg(name);
        }
        return widget;
    }

    template <class W> W* FindByName(const QString& objectName) {
        W* widget = m_view.findChild<W*>(objectName);
        if (widget == nullptr) {
            m_mismatches << u"no %1 in the view"_qs.arg(objectName);
        }
        return widget;
    }

    // A field the user is typing into (it has the focus and holds text it would rewrite, or
    // an edit it has not settled on) is the user's, not the model's; so is the slider that
    // follows it.
    static bool IsTyping(const LengthEdit& field) {
        return field.hasFocus() &&
               (field.InBurst() || field.text() != FieldText(field.Value(), field.Kind()));
    }

    void Length(const QString& name, double metres) {
        if (const LengthEdit* field = Find<LengthEdit>(name)) {
            if (!IsTyping(*field)) {
                Expect(name, field->text(), FieldText(metres, field->Kind()));
            }
        }
    }

    void Empty(const QString& name) {
        if (const LengthEdit* field = Find<LengthEdit>(name)) {
            Expect(name, field->text(), {});
        }
    }

    // Where the slider stands for value: one position of it, or its end for a value beyond.
    void Slider(const QString& name, double value) {
        const ValueSlider* slider = Find<ValueSlider>(name);
        const LengthEdit* field = Named<LengthEdit>(&m_view, name);
        if (slider == nullptr || !std::isfinite(value) || (field != nullptr && IsTyping(*field))) {
            return;
        }
        const double scale = slider->Scale();
        const double low = std::min(slider->minimum(), slider->maximum()) * scale;
        const double high = std::max(slider->minimum(), slider->maximum()) * scale;
        const double wanted = std::clamp(value, low, high);
        if (std::abs(slider->Value() - wanted) >= std::abs(scale) + 1e-9) {
            Expect(name + u" slider"_qs, QString::number(slider->Value()), QString::number(wanted));
        }
    }

    void Label(const QString& objectName, const std::string& truth) {
        if (const QLabel* label = FindByName<QLabel>(objectName)) {
            Expect(objectName, label->text(), Text(truth));
        }
    }

    void Value(const QString& name, const DetailFigure& truth) {
        if (const ValueLabel* label = Find<ValueLabel>(name)) {
            Expect(name, label->text(), Text(truth.text));
            Expect(name + u" warning"_qs, YesNo(label->IsWarning()), YesNo(truth.warning));
        }
    }

    void Index(const QString& name, int truth) {
        if (const QComboBox* list = Find<QComboBox>(name)) {
            Expect(name, list->currentText(), truth >= 0 ? list->itemText(truth) : QString());
        }
    }

    void Checked(const QString& text, bool truth) {
        for (const QAbstractButton* button : m_view.findChildren<QAbstractButton*>()) {
            if (button->text() == text || button->accessibleName() == text) {
                Expect(text, YesNo(button->isChecked()), YesNo(truth));
                return;
            }
        }
        m_mismatches << u"no button \"%1\""_qs.arg(text);
    }

    // A button that reads what it switches to, found by what it does.
    void Toggle(const QString& description, const QString& text, bool checked) {
        for (const QPushButton* button : m_view.findChildren<QPushButton*>()) {
            if (button->accessibleDescription() == description) {
                Expect(description, button->text(), text);
                Expect(text + u" pressed"_qs, YesNo(button->isChecked()), YesNo(checked));
                return;
            }
        }
        m_mismatches << u"no button that \"%1\""_qs.arg(description);
    }

    void Comments(const std::string& truth) {
        if (const QPlainTextEdit* field = Find<QPlainTextEdit>(u"Comments"_qs)) {
            Expect(u"Comments"_qs, field->toPlainText(), Text(truth));
        }
    }

    void Count(const QString& name, std::int32_t truth) {
        const QLineEdit* field = Find<QLineEdit>(name);
        if (field == nullptr) {
            return;
        }
        if (field->hasFocus()) {
            Expect(name, QString::number(SeatCountFromText(field->text().toStdString())),
                   QString::number(truth));
        } else {
            Expect(name, field->text(), Text(FormatInt(truth)));
        }
    }

    const QWidget& View() const { return m_view; }

private:
    const QWidget& m_view;
    QStringList m_mismatches;
};

void CheckAuditorium(FigureCheck& check, const CAuditorium& a) {
    check.Index(u"Screen Curve"_qs, a.CurveTypeValue());
    check.Slider(u"Curve"_qs, a.CurveValue());
    check.Label(u"curveText"_qs, CurveText(a));
    check.Index(u"Screen Tilt"_qs, a.TiltTypeValue());
    check.Slider(u"Tilt"_qs, a.GetTiltAngle());
    check.Label(u"tiltText"_qs, TiltText(a.GetTiltAngle()));
    check.Length(u"Throw"_qs, a.DefaultThrow());
    check.Slider(u"Throw"_qs, a.DefaultThrow());
    check.Comments(a.Comments());
    check.Length(u"Finished floor to screen bottom"_qs, a.FloorToScreen());
    check.Length(u"Finished floor to lens"_qs, a.FloorToBooth());
    check.Length(u"Size of front wall"_qs, a.FrontWall()[0]);
    check.Length(u"Size of front wall by"_qs, a.FrontWall()[1]);
    check.Count(u"Seats"_qs, a.Seats());
    check.Count(u"Handicapped"_qs, a.HandicappedSeats());
    check.Label(u"auditoriumName"_qs, a.Name());
    check.Label(u"seatTotal"_qs, SeatsTotalText(a));
    check.Label(u"projectorCount"_qs, ProjectorCountText(a));
    check.Checked(u"Calc porthole"_qs, a.CalcPorthole() != 0);
    check.Length(u"Porthole distance"_qs, a.PortholeDistance());
    const bool set = a.FixedScreen() != 0;
    check.Toggle(u"Calc: the screen holds all images; Set: the screen size is typed in"_qs,
                 set ? u"Set"_qs : u"Calc"_qs, set);
    check.Length(u"Screen Size"_qs, a.ScreenWidth());
    check.Length(u"Screen Size by"_qs, a.ScreenHeight());
}

// What the set-up list shows of a set-up's lens, without regard to the column's width.
std::string LensCellText(const CLensType& setUp) {
    const LensCellKind kind = LensCellKindOf(setUp);
    return kind == LensCellKind::Chosen
               ? ChosenLensText(setUp.Choice(), [](const std::string&) { return true; })
               : MissingLensText(kind);
}

// The model's own figures of a set-up that the list shows: the extents it keeps must be those
// of its image now, and its fit flag must follow from them.
void CheckKeptFigures(FigureCheck& check, const CAuditorium& a, const CLensType& setUp,
                      const QString& row) {
    const auto [height, width] = a.MeasureExtents(setUp);
    const auto lags = [](double kept, double measured) {
        return std::abs(kept - measured) > kExtentLag * std::abs(measured);
    };
    if (std::isfinite(height) && std::isfinite(width) &&
        (lags(setUp.ExtentHeight(), height) || lags(setUp.ExtentWidth(), width))) {
        check.Expect(
            row + u" kept extents"_qs,
            Text(LengthText(setUp.ExtentHeight()) + " x " + LengthText(setUp.ExtentWidth())),
            Text(LengthText(height) + " x " + LengthText(width)));
    }
    check.Expect(row + u" masked"_qs, YesNo(setUp.Masked() != 0), YesNo(!a.Fits(setUp)));
}

void CheckSetUpRow(FigureCheck& check, const SetUpListModel& rows, int row, const CAuditorium& a,
                   const CLensType& setUp) {
    const QString name = u"set-up row %1 (%2)"_qs.arg(row).arg(Text(setUp.GetFormatName()));
    const auto cell = [&](int column, int role = Qt::DisplayRole) {
        return rows.index(row, column).data(role);
    };
    check.Expect(name + u" format"_qs, cell(SetUpListModel::FormatColumn).toString(),
                 Text(setUp.GetFormatName()));
    check.Expect(name + u" image size"_qs, cell(SetUpListModel::ImageSizeColumn).toString(),
                 Text(ImageSizeText(a, setUp)));
    check.Expect(name + u" focal length"_qs, cell(SetUpListModel::FocalColumn).toString(),
                 Text(FocalText(setUp)));
    check.Expect(name + u" lens"_qs, cell(SetUpListModel::LensColumn).toString(),
                 Text(LensCellText(setUp)));
    check.Expect(name + u" state"_qs, cell(SetUpListModel::StateColumn).toString(),
                 Text(StateText(setUp)));
    check.Expect(
        name + u" state icon"_qs,
        QString::number(cell(SetUpListModel::StateColumn, SetUpListModel::StateRole).toInt()),
        QString::number(static_cast<int>(StateOf(setUp))));
    check.Expect(
        name + u" link icon"_qs,
        QString::number(cell(SetUpListModel::StateColumn, SetUpListModel::LinkRole).toInt()),
        QString::number(static_cast<int>(LinkStateOf(setUp))));
    CheckKeptFigures(check, a, setUp, name);
}

void CheckSetUpList(FigureCheck& check, const CAuditorium& a, const CProjectorType& p,
                    int shownFormat) {
    const auto* list = check.View().findChild<CFormatListCtrl*>();
    if (list == nullptr) {
        check.Expect(u"set-up list"_qs, u"missing"_qs, u"shown"_qs);
        return;
    }
    const SetUpListModel& rows = list->Model();
    check.Expect(u"set-up rows"_qs, QString::number(rows.rowCount()),
                 QString::number(p.LensTypeCount()));
    for (int row = 0; row < std::min(rows.rowCount(), p.LensTypeCount()); ++row) {
        CheckSetUpRow(check, rows, row, a, *p.GetLensType(row));
    }
    check.Expect(u"selected set-up row"_qs, QString::number(list->SelectedFormat()),
                 QString::number(p.HasFormat(shownFormat) ? shownFormat : -1));
}

void CheckCandidates(FigureCheck& check, const CLensType* setUp) {
    const auto* list = check.View().findChild<CLensListBox*>();
    if (list == nullptr) {
        check.Expect(u"lens list"_qs, u"missing"_qs, u"shown"_qs);
        return;
    }
    const std::vector<CLensChoice> candidates =
        setUp != nullptr ? ListCandidates(*setUp) : std::vector<CLensChoice>{};
    check.Expect(u"lens candidates"_qs, QString::number(list->CandidateCount()),
                 QString::number(candidates.size()));
    const int rows = std::min(list->CandidateCount(), static_cast<int>(candidates.size()));
    for (int row = 0; row < rows; ++row) {
        check.Expect(u"lens candidate %1"_qs.arg(row),
                     list->model()->index(row, 0).data().toString(),
                     Text(CandidateText(candidates[static_cast<std::size_t>(row)])));
    }
    const QComboBox* diameters = check.Find<QComboBox>(u"Diameter"_qs);
    const auto& catalog = Ctx().lenses;
    if (diameters == nullptr) {
        return;
    }
    const CLensDatabase::BarrelList barrels =
        setUp != nullptr && catalog ? catalog->FillBarrelList(*setUp) : CLensDatabase::BarrelList{};
    QStringList offered;
    for (int i = 0; i < diameters->count(); ++i) {
        offered << diameters->itemText(i);
    }
    QStringList truth;
    for (const std::string& label : barrels.labels) {
        truth << Text(label);
    }
    check.Expect(u"diameters"_qs, offered.join(u", "_qs), truth.join(u", "_qs));
    check.Expect(u"diameter"_qs, diameters->currentText(),
                 barrels.selection >= 0 && barrels.selection < truth.size()
                     ? truth[barrels.selection]
                     : QString());
}

// The image controls and the position of the projector and format views.
void CheckSetUpControls(FigureCheck& check, const CAuditorium& a, const CProjectorType& p,
                        const CLensType* setUp) {
    const bool byWidth = a.ConstantHeight() == 0;
    check.Toggle(u"Edits the image height, or pressed the width"_qs,
                 byWidth ? u"Width"_qs : u"Height"_qs, byWidth);
    const QString size = byWidth ? u"Image Width"_qs : u"Image Height"_qs;
    if (setUp != nullptr) {
        check.Length(size, byWidth ? setUp->ImageWidth() : setUp->ImageHeight());
        check.Slider(size, byWidth ? setUp->ImageWidth() : setUp->ImageHeight());
        const double focal = setUp->GetFocal(true, true);
        check.Length(u"Focal Length"_qs, focal / kMillimetresPerMetre);
        check.Slider(u"Focal Length"_qs, focal);
    } else {
        check.Empty(size);
        check.Empty(u"Focal Length"_qs);
    }
    check.Length(u"Throw"_qs, p.GetThrow());
    check.Slider(u"Throw"_qs, p.GetThrow());
    const ShownPosition shown = ShownPositionOf(p);
    check.Length(u"Lateral"_qs, shown.lateral);
    check.Length(u"Lens Height"_qs, shown.lensHeight);
    if (const auto* lateral = check.Find<LengthEdit>(u"Lateral"_qs)) {
        check.Expect(u"side"_qs, BuddyText(&check.View(), lateral),
                     QString::fromLatin1(shown.side));
    }
    if (const auto* height = check.Find<LengthEdit>(u"Lens Height"_qs)) {
        check.Expect(u"up or down"_qs, BuddyText(&check.View(), height),
                     QString::fromLatin1(shown.updown));
    }
    CheckCandidates(check, setUp);
}

void CheckProjectorDetails(FigureCheck& check, const CAuditorium& a, const CProjectorType& p) {
    check.Label(u"projectorName"_qs, p.Name());
    check.Label(u"verticalAngle"_qs, VerticalAngleText(p.GetVerticalAngle()));
    check.Label(u"horizontalAngle"_qs, HorizontalAngleText(p.GetHorizontalAngle()));
    const QLabel* porthole = check.FindByName<QLabel>(u"porthole"_qs);
    if (porthole == nullptr) {
        return;
    }
    const bool calculated = a.CalcPorthole() != 0;
    check.Expect(u"porthole shown"_qs, YesNo(!porthole->isHidden()), YesNo(calculated));
    if (calculated) {
        check.Expect(u"porthole"_qs, porthole->text(), Text(PortholeText(p)));
    }
}

void CheckImageDetails(FigureCheck& check, const CAuditorium* a, const CProjectorType* p,
                       const CLensType* setUp) {
    const ImageDetailsText details = ImageDetailsFor(a, p, setUp);
    check.Value(u"Height"_qs, {details.height, false});
    check.Value(u"Width (Top)"_qs, {details.topWidth, false});
    check.Value(u"Width (Bottom)"_qs, {details.bottomWidth, false});
    check.Value(u"Lost (Crop)"_qs, details.lost);
    check.Value(u"Vertical Keystone"_qs, details.verticalKeystone);
    check.Value(u"Horizontal Keystone"_qs, details.horizontalKeystone);
    check.Value(u"Vertical Stretch"_qs, details.verticalStretch);
    check.Value(u"Horizontal Stretch"_qs, details.horizontalStretch);
    check.Value(u"Curve"_qs, details.curve);
}

void CheckLensView(FigureCheck& check, const CAuditorium* a, const CLensType* setUp) {
    const LensDetailsText texts = LensDetailsFor(setUp);
    check.Label(u"lensName"_qs, texts.name);
    check.Label(u"lensFocalLength"_qs, texts.focalLength);
    check.Label(u"lensDiameter"_qs, texts.diameter);
    check.Label(u"shiftText"_qs, texts.shift);
    // Without a set-up the auditorium's settings are not shown either.
    const CAuditorium* shown = setUp != nullptr ? a : nullptr;
    check.Checked(u"Allow lens shift"_qs, shown != nullptr && shown->AllowLensShift() != 0);
    check.Checked(u"Auto lens shift"_qs, shown != nullptr && shown->AutoLensShift() != 0);
    check.Index(u"Alignment"_qs, shown != nullptr ? AlignmentRow(shown->AlignmentValue()) : -1);
    check.Comments(shown != nullptr ? shown->Comments() : std::string());
    check.Slider(u"Horizontal Shift"_qs,
                 setUp != nullptr ? setUp->ShiftH() * kShiftSliderPerShift : 0.0);
    check.Slider(u"Vertical Shift"_qs,
                 setUp != nullptr ? setUp->ShiftV() * kShiftSliderPerShift : 0.0);
}

// The format the view's set-up controls act on.
int ShownFormat(const CQorView& view) {
    if (const auto* projector = qobject_cast<const CProjectorView*>(&view)) {
        return projector->CurrentFormat();
    }
    return view.Format();
}

void CheckView(FigureCheck& check, const CQorView& view) {
    const CAuditorium* a = view.GetAuditorium();
    if (view.IsAuditoriumView()) {
        if (a != nullptr) {
            CheckAuditorium(check, *a);
        }
        return;
    }
    const CProjectorType* p = view.GetProjector();
    const int format = ShownFormat(view);
    const CLensType* setUp = p != nullptr ? p->FindLensType(format) : nullptr;
    if (view.IsLensView()) {
        CheckLensView(check, a, setUp);
        return;
    }
    if (a == nullptr || p == nullptr) {
        return;
    }
    CheckSetUpList(check, *a, *p, format);
    CheckSetUpControls(check, *a, *p, setUp);
    if (view.IsProjectorView()) {
        CheckProjectorDetails(check, *a, *p);
    } else if (view.IsFormatView()) {
        CheckImageDetails(check, a, p, setUp);
    }
}

} // namespace

QStringList FigureMismatches(QWidget& window) {
    // The lens list lists afresh once the change that asked for it is complete.
    QCoreApplication::sendPostedEvents();
    auto* pane = qobject_cast<ViewPane*>(&window);
    if (pane == nullptr) {
        pane = window.findChild<ViewPane*>();
    }
    if (pane == nullptr) {
        return {u"no view pane"_qs};
    }
    const CQorView* view = pane->CurrentView();
    if (view == nullptr) {
        return {u"no view shown"_qs};
    }
    FigureCheck check(*view);
    CheckView(check, *view);
    return check.Mismatches();
}

} // namespace lumivane::test
