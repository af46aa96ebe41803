#include "dialogs/ProjectSettingsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The fields are 155 dialog units wide: a quarter of the average character width each.
constexpr int kFieldWidthQuarterChars = 155;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

std::string ToUtf8(const QLineEdit* field) {
    return field->text().toStdString();
}

} // namespace

CProjectSettingsDlg::CProjectSettingsDlg(const lumivane::ProjectInfo& info, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Project"));
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    // Created top to bottom, so the tab order follows the layout.
    m_fields = {AddField(*form, tr("Manager"), info.manager),
                AddField(*form, tr("Project Date:"), info.projectDate),
                AddField(*form, tr("Last Change:"), info.lastChange),
                AddField(*form, tr("Start Date:"), info.startDate),
                AddField(*form, tr("End Date:"), info.endDate)};
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QLineEdit* CProjectSettingsDlg::AddField(QFormLayout& form, const QString& label,
                                         const std::string& text) {
    auto* field = new QLineEdit(FromUtf8(text), this);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field);
    field->setAccessibleName(label);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * kFieldWidthQuarterChars / 4);
    form.addRow(caption, field);
    return field;
}

lumivane::ProjectInfo CProjectSettingsDlg::Info() const {
    return {ToUtf8(m_fields[0]), ToUtf8(m_fields[1]), ToUtf8(m_fields[2]),
            ToUtf8(m_fields[3]), ToUtf8(m_fields[4]), true};
}
