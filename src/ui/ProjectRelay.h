#pragma once
// Re-emits the project's change events as Qt signals, so widgets and item models follow the
// project with ordinary connections. One relay per document; it listens for its lifetime.

#include "document/ProjectEvents.h"

#include <QMetaType>
#include <QObject>
#include <QString>

class CQorDoc;

Q_DECLARE_METATYPE(lumivane::ItemPath)

namespace lumivane {

class ProjectRelay : public QObject, public ProjectListener {
    Q_OBJECT

public:
    explicit ProjectRelay(CQorDoc& doc, QObject* parent = nullptr);
    ~ProjectRelay() override;
    ProjectRelay(const ProjectRelay&) = delete;
    ProjectRelay& operator=(const ProjectRelay&) = delete;

    CQorDoc& Document() const { return m_doc; }

Q_SIGNALS:
    void itemAboutToBeInserted(const lumivane::ItemPath& path);
    void itemInserted(const lumivane::ItemPath& path);
    void itemAboutToBeRemoved(const lumivane::ItemPath& path);
    void itemRemoved(const lumivane::ItemPath& path);
    void itemAboutToBeReplaced(const lumivane::ItemPath& path);
    void itemReplaced(const lumivane::ItemPath& path);
    void itemChanged(const lumivane::ItemPath& path, unsigned flags);
    void stepBegun();
    void stepEnded();
    void projectInfoChanged();
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);
    void unitsChanged();
    void catalogsReplaced();
    void lensRulesChanged();
    void projectAboutToBeReplaced();
    void projectReplaced();

private:
    void ItemAboutToBeInserted(const ItemPath& path) override;
    void ItemInserted(const ItemPath& path) override;
    void ItemAboutToBeRemoved(const ItemPath& path) override;
    void ItemRemoved(const ItemPath& path) override;
    void ItemAboutToBeReplaced(const ItemPath& path) override;
    void ItemReplaced(const ItemPath& path) override;
    void ItemChanged(const ItemPath& path, unsigned flags) override;
    void StepBegun() override;
    void StepEnded() override;
    void ProjectInfoChanged() override;
    void ModifiedChanged(bool modified) override;
    void TitleChanged(const std::string& title) override;
    void UnitsChanged() override;
    void CatalogsReplaced() override;
    void LensRulesChanged() override;
    void ProjectAboutToBeReplaced() override;
    void ProjectReplaced() override;

    CQorDoc& m_doc;
};

} // namespace lumivane
