#pragma once
// The lens combinations of the catalog that can serve one lens set-up, best first, as the
// projector and format views show them: each row as tall as its combination has items, with
// each item's catalog number and label and the combination's focal length. Choosing a row
// gives the set-up that combination, attachment and all. The list also keeps the barrel
// diameters on offer for the set-up, as it found them, for the view's diameter drop-down.

#include "catalog/LensDatabase.h"
#include "document/ProjectEvents.h"

#include <QListView>

class CandidateModel;
class CLensChoice;
class CQorDoc;

namespace lumivane {
class ProjectRelay;
}

class CLensListBox : public QListView {
    Q_OBJECT

public:
    static constexpr int kMinimumLineHeight = 15;

    CLensListBox(CQorDoc& doc, lumivane::ProjectRelay& relay, QWidget* parent = nullptr);

    // The set-up whose candidates are listed, named by its projector and format; negative
    // values list nothing. Lists at once.
    void SetSetUp(int auditorium, int projector, int format);
    // Lists the candidates and the diameters afresh; the project's changes do so by themselves
    // once the change is complete.
    void Refresh();
    const lumivane::ItemPath& Projector() const { return m_projector; }
    int Format() const { return m_format; }

    int CandidateCount() const;
    // Null outside the rows.
    const CLensChoice* CandidateAt(int row) const;
    const CLensDatabase::BarrelList& Barrels() const { return m_barrels; }
    // Binds the set-up to the diameter at index of Barrels(); false outside the list.
    bool ChooseBarrel(int index);
    // The height of one line of a row: each item has one, and the focal length one more.
    int LineHeight() const;

Q_SIGNALS:
    // The user gave the set-up of format the combination of a row.
    void lensChosen(int format);
    // The candidates and the diameters were listed afresh.
    void refilled();

protected:
    // Selecting a row chooses it; focus alone chooses nothing.
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    void Drop();
    void ScheduleRefresh();
    void SelectChosen();
    void ItemAboutToBeRemoved(const lumivane::ItemPath& path);
    void ItemMoved(const lumivane::ItemPath& path, bool inserted);

    CQorDoc& m_doc;
    CandidateModel* m_model;
    lumivane::ItemPath m_projector;
    int m_format = -1;
    CLensDatabase::BarrelList m_barrels;
    bool m_refreshPending = false;
    bool m_filling = false;
};
