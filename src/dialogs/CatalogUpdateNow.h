#pragma once
// "Update Now": fetch the newest catalog store into the store that start-up loads, with a
// progress dialog that can cancel it, then put the new catalogs under the open project.

class CQorDoc;
class QWidget;

namespace lumivane {

// Messages go to boxes over parent. document may be null (no project to re-resolve).
void RunCatalogUpdateNow(CQorDoc* document, QWidget* parent);

} // namespace lumivane
