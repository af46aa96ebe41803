#include "dialogs/CustomFormatDlg.h"

#include "base/AppContext.h"
#include "base/FieldLimits.h"
#include "dialogs/FieldLabels.h"
#include "views/ChoiceList.h"
#include "views/LengthEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

constexpr double kMetresPerMillimetre = 0.001;

// Aperture sizes are small: millimetres with metric units, inches otherwise.
LengthEdit* ApertureField(double millimetres, const lumivane::LengthLimits& limits) {
    auto* edit = new LengthEdit;
    edit->SetKind(lumivane::Ctx().metricUnits ? FineMillimetres : FineInches);
    edit->SetLimits(limits);
    edit->SetValue(millimetres * kMetresPerMillimetre);
    return edit;
}

} // namespace

CCustomFormatDlg::CCustomFormatDlg(const lumivane::CustomFormatFields& fields, QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(QString::fromStdString(fields.name))),
      m_width(ApertureField(fields.width, lumivane::kApertureLimits)),
      m_height(ApertureField(fields.height, lumivane::kApertureLimits)),
      m_diagonal(ApertureField(lumivane::ApertureDiagonal(fields.width, fields.height),
                               lumivane::kApertureDiagonalLimits)),
      m_anamorphic(new ChoiceList), m_diagonalShown(m_diagonal->Value()) {
    setWindowTitle(QStringLiteral("Custom Format"));
    setMinimumWidth(320);
    for (const auto& choice : lumivane::kAnamorphicChoices) {
        m_anamorphic->addItem(QString::fromLatin1(choice.text));
    }
    m_anamorphic->setCurrentIndex(fields.anamorphic);

    auto* form = new QFormLayout;
    form->addRow(lumivane::FieldLabel(QStringLiteral("&Name:"), m_name), m_name);
    form->addRow(lumivane::FieldLabel(QStringLiteral("&Width:"), m_width), m_width);
    form->addRow(lumivane::FieldLabel(QStringLiteral("&Height:"), m_height), m_height);
    form->addRow(lumivane::FieldLabel(QStringLiteral("D&iagonal:"), m_diagonal), m_diagonal);
    form->addRow(lumivane::FieldLabel(QStringLiteral("&Anamorphic:"), m_anamorphic), m_anamorphic);

    auto* types = new QGroupBox(QStringLiteral("Projector Types"));
    auto* grid = new QGridLayout(types);
    const int rows = static_cast<int>((lumivane::kFormatKindBoxes.size() + 1) / 2);
    for (std::size_t i = 0; i < lumivane::kFormatKindBoxes.size(); ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(lumivane::kFormatKindBoxes[i].text));
        box->setChecked(fields.kinds[i]);
        grid->addWidget(box, static_cast<int>(i) % rows, static_cast<int>(i) / rows);
        m_kinds.push_back(box);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(types);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCustomFormatDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_width, &LengthEdit::valueEdited, this, &CCustomFormatDlg::SizeEdited);
    connect(m_height, &LengthEdit::valueEdited, this, &CCustomFormatDlg::SizeEdited);
    connect(m_diagonal, &LengthEdit::valueEdited, this, &CCustomFormatDlg::DiagonalEdited);
}

lumivane::CustomFormatFields CCustomFormatDlg::Fields() const {
    lumivane::CustomFormatFields fields;
    fields.name = m_name->text().toStdString();
    fields.width = m_width->Value() / kMetresPerMillimetre;
    fields.height = m_height->Value() / kMetresPerMillimetre;
    fields.anamorphic = m_anamorphic->currentIndex();
    for (std::size_t i = 0; i < m_kinds.size(); ++i) {
        fields.kinds[i] = m_kinds[i]->isChecked();
    }
    return fields;
}

void CCustomFormatDlg::accept() {
    const std::string refusal = lumivane::CheckCustomFormat(Fields());
    if (!refusal.empty()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(refusal));
        return;
    }
    QDialog::accept();
}

void CCustomFormatDlg::SizeEdited() {
    m_diagonalShown = lumivane::ApertureDiagonal(m_width->Value(), m_height->Value());
    m_diagonal->SetValue(m_diagonalShown);
}

// A diagonal of no length (the field cleared while typing) scales nothing, so the sizes
// survive until a real diagonal is typed.
void CCustomFormatDlg::DiagonalEdited(double diagonal) {
    if (!(diagonal > 0)) {
        return;
    }
    const auto [width, height] =
        lumivane::ScaleToDiagonal(m_width->Value(), m_height->Value(), m_diagonalShown, diagonal);
    m_width->SetValue(width);
    m_height->SetValue(height);
    m_diagonalShown = diagonal;
}
