#pragma once
// A slider for a model value that also has a text field. It reports only what the user really
// moved: a programmatic move, a range change or merely tabbing onto it never writes back, so a
// model value that falls between two positions is never truncated by looking at it.
//
// Edit sessions: a drag (from button down to button up, including a click or a press held on
// the track) is one session; so is each keyboard step and each wheel turn. editStarted() comes
// right before the first valueReported() of a session and editFinished() ends it, so the undo
// layer can merge the reports of one session into one step. A session without a real move
// emits nothing.
//
// Only SetValue and SetRange move it quietly; setSliderPosition is a move by the user, and a
// screen reader's change of value goes that way.
//
// Beside a LengthEdit, link the two with LengthEdit::SetLinkedSlider and connect only to the
// field: it passes the slider's sessions on as its own.

#include <QSlider>

class ValueSlider : public QSlider {
    Q_OBJECT

public:
    explicit ValueSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Model value per slider position (1.0 to begin with).
    void SetScale(double scale);
    double Scale() const { return m_scale; }
    // The first position lies at the start of the track (left, or top), whichever of the two
    // is larger; with the larger first the slider runs reversed.
    void SetRange(int first, int last);
    bool IsReversed() const { return m_reversed; }

    // A mouse button is held on the slider: its moves are one drag.
    bool IsDragging() const { return m_dragging; }

    double Value() const;
    // Moves to value / scale truncated toward zero; never reports. Values that are not finite
    // leave the slider where it is.
    void SetValue(double value);

Q_SIGNALS:
    void editStarted();
    // The model value (position times scale) the user moved to.
    void valueReported(double value);
    void editFinished();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ReportIfMoved(int position);
    void FinishSession();
    void ApplyDirection();

    double m_scale = 1.0;
    bool m_reversed = false;
    bool m_dragging = false;
    bool m_inSession = false;
    // The position the model knows: the last one set or reported.
    int m_knownPosition = 0;
};
