#include "dialogs/FormatsDlg.h"

#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatDescriptor.h"
#include "dialogs/CustomFormatDlg.h"
#include "dialogs/FieldLabels.h"
#include "document/QorDoc.h"
#include "views/ChoiceList.h"
#include "views/LengthEdit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr double kMetresPerMillimetre = 0.001;
// The list shows only the first four anamorphic choices; 1.33 and 1.42 show no selection.
constexpr int kListedAnamorphicChoices = 4;

LengthEdit* ShownSize() {
    auto* edit = new LengthEdit;
    edit->SetShowOnly();
    return edit;
}

const CFormatDatabase& Catalog() {
    static const CFormatDatabase empty;
    const auto& formats = lumivane::Ctx().formats;
    return formats ? *formats : empty;
}

} // namespace

CFormatsDlg::CFormatsDlg(CQorDoc& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_edit(Catalog(), document), m_list(new QListWidget),
      m_name(new QLineEdit), m_width(ShownSize()), m_height(ShownSize()),
      m_anamorphic(new ChoiceList), m_new(new QPushButton(QStringLiteral("&New"))),
      m_editButton(new QPushButton(QStringLiteral("&Edit"))),
      m_delete(new QPushButton(QStringLiteral("&Delete"))) {
    setWindowTitle(QStringLiteral("Formats"));
    m_name->setReadOnly(true);
    for (int i = 0; i < kListedAnamorphicChoices; ++i) {
        m_anamorphic->addItem(
            QString::fromLatin1(lumivane::kAnamorphicChoices[static_cast<std::size_t>(i)].text));
    }
    m_anamorphic->setEnabled(false);
    lumivane::NameField(m_list, QStringLiteral("Formats"));

    auto* details = new QFormLayout;
    details->addRow(lumivane::FieldLabel(QStringLiteral("Name:"), m_name), m_name);
    details->addRow(lumivane::FieldLabel(QStringLiteral("Width:"), m_width), m_width);
    details->addRow(lumivane::FieldLabel(QStringLiteral("Height:"), m_height), m_height);
    details->addRow(lumivane::FieldLabel(QStringLiteral("Anamorphic:"), m_anamorphic),
                    m_anamorphic);
    auto* commands = new QVBoxLayout;
    commands->addLayout(details);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {m_new, m_editButton, m_delete}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    commands->addLayout(row);
    commands->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(m_list, 1);
    body->addLayout(commands);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    lumivane::ChainTabOrder({m_list, m_name, m_width, m_height, m_new, m_editButton, m_delete});
    resize(620, 380);

    connect(buttons, &QDialogButtonBox::accepted, this, &CFormatsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, &CFormatsDlg::ShowSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CFormatsDlg::FollowSelection);
    connect(m_new, &QPushButton::clicked, this, &CFormatsDlg::NewFormat);
    connect(m_editButton, &QPushButton::clicked, this, &CFormatsDlg::EditFormat);
    connect(m_delete, &QPushButton::clicked, this, &CFormatsDlg::DeleteFormat);
    Fill(-1);
}

void CFormatsDlg::accept() {
    if (lumivane::Ctx().formats) {
        m_edit.Commit(*lumivane::Ctx().formats, m_document.Editor());
    }
    QDialog::accept();
}

void CFormatsDlg::Fill(int select) {
    m_list->clear();
    for (int i = 0; i < m_edit.Count(); ++i) {
        m_list->addItem(QString::fromStdString(m_edit.At(i)->GetName()));
    }
    m_list->setCurrentRow(select);
    ShowSelected();
}

// A screen reader selects a row without making it current; the fields follow the selection.
void CFormatsDlg::FollowSelection() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (!selected.isEmpty() && m_list->row(selected.front()) != m_list->currentRow()) {
        m_list->setCurrentRow(m_list->row(selected.front()));
    }
}

void CFormatsDlg::ShowSelected() {
    const int row = m_list->currentRow();
    const CFormatDescriptor* format = m_edit.At(row);
    m_new->setEnabled(format != nullptr);
    m_editButton->setEnabled(m_edit.IsUserFormat(row));
    m_delete->setEnabled(m_edit.IsUserFormat(row));
    if (!format) {
        return;
    }
    const bool metric = lumivane::Ctx().metricUnits;
    m_name->setText(QString::fromStdString(format->GetName()));
    for (LengthEdit* size : {m_width, m_height}) {
        size->SetKind(metric ? FineMillimetres : FineInches);
    }
    m_width->SetValue(format->GetWidth() * kMetresPerMillimetre, true);
    m_height->SetValue(format->GetHeight() * kMetresPerMillimetre, true);
    const int anamorphic = lumivane::AnamorphicIndexOf(format->GetFlags());
    m_anamorphic->setCurrentIndex(anamorphic < kListedAnamorphicChoices ? anamorphic : -1);
}

bool CFormatsDlg::AskFields(lumivane::CustomFormatFields& fields) {
    CCustomFormatDlg dialog(fields, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    fields = dialog.Fields();
    return true;
}

void CFormatsDlg::Refuse(const std::string& message) {
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(message));
}

void CFormatsDlg::NewFormat() {
    const int source = m_list->currentRow();
    const CFormatDescriptor* format = m_edit.At(source);
    if (!format) {
        return;
    }
    lumivane::CustomFormatFields fields = lumivane::FieldsOf(*format);
    if (!AskFields(fields)) {
        return;
    }
    const std::string refusal = m_edit.AddCopy(source, fields);
    if (!refusal.empty()) {
        Refuse(refusal);
        return;
    }
    Fill(m_edit.Count() - 1);
}

void CFormatsDlg::EditFormat() {
    const int row = m_list->currentRow();
    if (!m_edit.IsUserFormat(row)) {
        return;
    }
    lumivane::CustomFormatFields fields = lumivane::FieldsOf(*m_edit.At(row));
    if (!AskFields(fields)) {
        return;
    }
    const std::string refusal = m_edit.Edit(row, fields);
    if (!refusal.empty()) {
        Refuse(refusal);
    }
    Fill(row);
}

void CFormatsDlg::DeleteFormat() {
    const int row = m_list->currentRow();
    if (row < 0) {
        return;
    }
    const std::string refusal = m_edit.Delete(row);
    if (!refusal.empty()) {
        Refuse(refusal);
        return;
    }
    Fill(-1);
}

namespace lumivane {

bool ShowFormatsDialog(CQorDoc& document, QWidget* parent) {
    CFormatsDlg dialog(document, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace lumivane
