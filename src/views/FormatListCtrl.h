#pragma once
// The lens set-up list of a projector, as the projector and format views show it beside the
// screen drawing: one row per format with the set-up's state, its link button, format, image
// size, focal length and lens. A "Not Selected" lens flashes red every two seconds (not while
// a column bound is being dragged). Selecting a row makes its set-up the view's current one;
// the link button clears a chosen lens, else unlinks a linked set-up, else links it.

#include <QTimer>
#include <QTreeView>

class ColumnBoundHeader;
class CQorDoc;
class SetUpListModel;

namespace lumivane {
class ProjectRelay;
}

class CFormatListCtrl : public QTreeView {
    Q_OBJECT

public:
    static constexpr int kBlinkMilliseconds = 2000;

    CFormatListCtrl(CQorDoc& doc, lumivane::ProjectRelay& relay, QWidget* parent = nullptr);

    // The projector whose set-ups are listed; negative positions list nothing.
    void SetProjector(int auditorium, int projector);
    // Rows rebuilt when forced or when the number of set-ups changed; else only redrawn.
    void Refresh(bool force);
    // Selects the row of format without telling formatSelected; -1 selects none.
    void SelectFormat(int format);
    // The selected row's format, -1 without one.
    int SelectedFormat() const;

    SetUpListModel& Model() const { return *m_model; }
    bool IsBlinkOn() const { return m_blinkOn; }
    bool IsBlinking() const { return m_blink.isActive(); }
    // The row whose link button is held down, -1 for none.
    int PressedRow() const { return m_pressedRow; }
    int RowHeight() const { return m_rowHeight; }

Q_SIGNALS:
    // The user selected the row of format. Focus alone selects nothing.
    void formatSelected(int format);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    void LayOut();
    // Gives the figure columns room for their widest figure, and the list room for them.
    void FitColumns();
    int LinkButtonX(const QPoint& position) const;
    void ToggleLink(int row);

    CQorDoc& m_doc;
    SetUpListModel* m_model;
    ColumnBoundHeader* m_header;
    QTimer m_blink;
    bool m_blinkOn = true;
    int m_pressedRow = -1;
    int m_rowHeight = 15;
    bool m_selecting = false;
};
