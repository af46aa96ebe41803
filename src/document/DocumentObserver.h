#pragma once
// What the project document tells the project tree and the views, so that they follow single
// changes without rebuilding. Indexes are positions in the document's auditorium list, the
// auditorium's projector list and the format catalog.

class CAuditorium;
class CProjectorType;

namespace lumivane {

class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;

    // Auditorium index has been appended or inserted.
    virtual void AuditoriumInserted(int index) = 0;
    // Auditorium index has left the list; it is still alive during the call, so views that
    // show it or any of its items can let go of them.
    virtual void AuditoriumRemoved(int index, const CAuditorium& removed) = 0;
    virtual void ProjectorInserted(int auditorium, int projector) = 0;
    // Called while the projector still exists, just before it is destroyed.
    virtual void ProjectorRemoved(int auditorium, int projector, const CProjectorType& removed) = 0;
    virtual void FormatInserted(int auditorium, int projector, int format) = 0;
    virtual void FormatRemoved(int auditorium, int projector, int format) = 0;
    // The lens combination of a format was chosen, changed or cleared.
    virtual void LensUpdated(int auditorium, int projector, int format) = 0;
    // New, Open or a refused file: every view forgets its item and the tree is rebuilt.
    virtual void ProjectReplaced() = 0;
};

} // namespace lumivane
