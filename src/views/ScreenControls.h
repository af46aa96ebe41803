#pragma once
// The curve and tilt controls the auditorium view and the screen bars share.

#include <QString>

#include <initializer_list>
#include <string>
#include <vector>

class LengthEdit;
class QComboBox;
class QGridLayout;
class QLayout;
class QWidget;
class ValueSlider;

namespace lumivane {

QComboBox* MakeTypeList(const std::vector<std::string>& entries, const QString& name);
// Selects index without telling anyone; an index the list does not have selects nothing.
void ShowIndex(QComboBox* list, int index);

// 15 to 500 percent of the throw.
ValueSlider* MakeCurveSlider(const QString& name);
// -10.0 to 20.0 degrees in tenths.
ValueSlider* MakeTiltSlider(const QString& name);

// A small pane scrolls the view's page rather than shortening the slider's track below what
// can be set by eye.
void KeepTrack(ValueSlider* slider);

// Room for a length of three digits before the point in either unit system, while a wider
// window gives the field the room its longest text wants.
void FitLengthField(LengthEdit* field);

// The widgets side by side in their natural sizes, the rest of the row left empty.
QLayout* Row(std::initializer_list<QWidget*> widgets);

// A right-aligned label in column and its field beside it, at row: the label is the field's
// buddy and the field is named after it for screen readers.
void AddLabelledField(QGridLayout* layout, const QString& text, QWidget* field, int row,
                      int column);

} // namespace lumivane
