#pragma once
// The Screen page of the options sheet: the lacing allowance, the lock, and the curve, tilt
// and porthole that new auditoriums take, with previews of what a new auditorium would get.
// The page only shows its model (ScreenOptionsModel) and passes the user's changes to it.

#include "model/ScreenOptionsModel.h"

#include <QWidget>

class LengthEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class ValueSlider;

class COptionsScreenPage : public QWidget {
    Q_OBJECT

public:
    explicit COptionsScreenPage(const AppSettings& options, QWidget* parent = nullptr);

    // Everything the page edits, into options.
    void ApplyTo(AppSettings& options) const { m_model.ApplyTo(options); }

private:
    QGroupBox* CurveGroup();
    QGroupBox* TiltGroup();
    QWidget* LacingRow();
    QWidget* PortholeRow();
    void Connect();
    void ShowCurve();
    void ShowTilt();
    void ShowPorthole();

    lumivane::ScreenOptionsModel m_model;
    LengthEdit* m_lacing;
    QCheckBox* m_lock;
    QComboBox* m_curveType;
    ValueSlider* m_curveSlider;
    QLabel* m_curvePercent;
    QLabel* m_curveFraction;
    QLabel* m_chordDepth;
    QComboBox* m_tiltType;
    ValueSlider* m_tiltSlider;
    QLabel* m_tiltAngle;
    QLabel* m_tiltDirection;
    LengthEdit* m_distance;
    LengthEdit* m_height;
    QLabel* m_heightSide;
    QCheckBox* m_porthole;
    LengthEdit* m_portholeDistance;
};
