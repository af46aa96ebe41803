#pragma once
// The base of every view of the right-hand pane. A view shows one item of the project, named
// by position (the pane keeps the position current as items come and go), reads the model
// through the document on every Refresh and changes it only through the document's editor.

#include "document/ProjectEvents.h"
#include "document/ViewKind.h"

#include <QWidget>

class CAuditorium;
class CLensType;
class CProjectorType;
class CQorDoc;

class CQorView : public QWidget {
    Q_OBJECT

public:
    CQorView(CQorDoc& doc, QWidget* parent);
    ~CQorView() override;

    virtual lumivane::ViewKind Kind() const = 0;
    bool IsProjectView() const { return Kind() == lumivane::ViewKind::Project; }
    bool IsAuditoriumView() const { return Kind() == lumivane::ViewKind::Auditorium; }
    bool IsProjectorView() const { return Kind() == lumivane::ViewKind::Projector; }
    bool IsFormatView() const { return Kind() == lumivane::ViewKind::Format; }
    bool IsLensView() const { return Kind() == lumivane::ViewKind::Lens; }

    // The item to show: auditorium and projector rows, and for the format and lens views the
    // set-up's format (catalog index). Shows it at once, every field rewritten.
    void SetItem(const lumivane::ItemPath& path, int format);
    // The pane moves the item's rows when items before it come or go; nothing is redrawn, but
    // a view whose drawing names the item by its rows names it anew.
    virtual void MoveItem(const lumivane::ItemPath& path) { m_path = path; }
    const lumivane::ItemPath& Item() const { return m_path; }
    int Format() const { return m_format; }
    // The format of the set-up a command's re-fit goes around while this view is shown; -1
    // for none. A projector view names the set-up its list shows.
    virtual int ShownSetUp() const { return IsFormatView() || IsLensView() ? m_format : -1; }

    // The items shown, looked up afresh; null where the view has none.
    const CAuditorium* GetAuditorium() const;
    const CProjectorType* GetProjector() const;
    const CLensType* GetLensType() const;

    // Fields from the model. Unless forced, a field whose value did not change keeps its text.
    virtual void Refresh(bool force) = 0;
    // Every field rewritten, as after a change of unit system.
    void ResetFields() { Refresh(true); }
    // Stores what the user is typing, before the project is saved or undone.
    virtual void CommitEdits() {}

protected:
    CQorDoc& Doc() const { return m_doc; }

private:
    CQorDoc& m_doc;
    lumivane::ItemPath m_path;
    int m_format = -1;
};
