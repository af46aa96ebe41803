#include "dialogs/OptionsAppPage.h"

#include "dialogs/FieldLabels.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QLabel* Explanation(const QString& text) {
    QLabel* label = lumivane::PlainLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

COptionsAppPage::COptionsAppPage(const QString& company, QWidget* parent)
    : QWidget(parent), m_tooltips(new QCheckBox(QStringLiteral("Display &Tooltips"))),
      m_company(new QPlainTextEdit) {
    // Set each time the sheet opens; the bars' tooltips do not depend on it.
    m_tooltips->setChecked(true);
    m_company->setPlainText(company);
    m_company->setTabChangesFocus(true);
    m_company->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Explanation(QStringLiteral(
        "Tooltips are the help text that appears automatically when the cursor is held over a "
        "control.")));
    layout->addWidget(m_tooltips);
    layout->addSpacing(8);
    layout->addWidget(Explanation(QStringLiteral(
        "Company Information should include the name, shipping address, and phone number for "
        "your company.  This information will appear at the top of your printed forms.")));
    layout->addWidget(lumivane::FieldLabel(QStringLiteral("Company Information:"), m_company));
    layout->addWidget(m_company, 1);
}

QString COptionsAppPage::Company() const {
    return m_company->toPlainText();
}
