#include "ui/ProjectRelay.h"

#include "document/QorDoc.h"

namespace lumivane {

ProjectRelay::ProjectRelay(CQorDoc& doc, QObject* parent) : QObject(parent), m_doc(doc) {
    qRegisterMetaType<ItemPath>();
    m_doc.AddListener(this);
}

ProjectRelay::~ProjectRelay() {
    m_doc.RemoveListener(this);
}

void ProjectRelay::ItemAboutToBeInserted(const ItemPath& path) {
    Q_EMIT itemAboutToBeInserted(path);
}

void ProjectRelay::ItemInserted(const ItemPath& path) {
    Q_EMIT itemInserted(path);
}

void ProjectRelay::ItemAboutToBeRemoved(const ItemPath& path) {
    Q_EMIT itemAboutToBeRemoved(path);
}

void ProjectRelay::ItemRemoved(const ItemPath& path) {
    Q_EMIT itemRemoved(path);
}

void ProjectRelay::ItemAboutToBeReplaced(const ItemPath& path) {
    Q_EMIT itemAboutToBeReplaced(path);
}

void ProjectRelay::ItemReplaced(const ItemPath& path) {
    Q_EMIT itemReplaced(path);
}

void ProjectRelay::ItemChanged(const ItemPath& path, unsigned flags) {
    Q_EMIT itemChanged(path, flags);
}

void ProjectRelay::StepBegun() {
    Q_EMIT stepBegun();
}

void ProjectRelay::StepEnded() {
    Q_EMIT stepEnded();
}

void ProjectRelay::ProjectInfoChanged() {
    Q_EMIT projectInfoChanged();
}

void ProjectRelay::ModifiedChanged(bool modified) {
    Q_EMIT modifiedChanged(modified);
}

void ProjectRelay::TitleChanged(const std::string& title) {
    Q_EMIT titleChanged(QString::fromStdString(title));
}

void ProjectRelay::UnitsChanged() {
    Q_EMIT unitsChanged();
}

void ProjectRelay::CatalogsReplaced() {
    Q_EMIT catalogsReplaced();
}

void ProjectRelay::LensRulesChanged() {
    Q_EMIT lensRulesChanged();
}

void ProjectRelay::ProjectAboutToBeReplaced() {
    Q_EMIT projectAboutToBeReplaced();
}

void ProjectRelay::ProjectReplaced() {
    Q_EMIT projectReplaced();
}

} // namespace lumivane
