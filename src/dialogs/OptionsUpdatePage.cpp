#include "dialogs/OptionsUpdatePage.h"

#include "dialogs/CatalogUpdateNow.h"
#include "dialogs/FieldLabels.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

COptionsUpdatePage::COptionsUpdatePage(const lumivane::UpdateOptions& options, CQorDoc* document,
                                       QWidget* parent)
    : QWidget(parent), m_document(document),
      m_automatic(new QCheckBox(QStringLiteral("&Automatically perform Live Updates"))),
      m_days(new QSpinBox),
      m_connected(
          new QCheckBox(QStringLiteral("&Only perform update if connected to the internet"))),
      m_updateNow(new QPushButton(QStringLiteral("&Update Now"))) {
    m_automatic->setChecked(options.automatic);
    m_days->setRange(lumivane::kMinUpdateDays, lumivane::kMaxUpdateDays);
    m_days->setValue(lumivane::ClampUpdateDays(options.days));
    m_connected->setChecked(options.connected);

    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral(
        "The update system ensures the latest version of the Halvard Optics lens  catalog is "
        "available to the program.  By updating the system will connect to the internet and "
        "download the most recent version of the catalog."));
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addWidget(m_automatic);
    auto* every = new QHBoxLayout;
    every->addWidget(lumivane::FieldLabel(QStringLiteral("Perform update every"), m_days));
    every->addWidget(m_days);
    every->addWidget(lumivane::PlainLabel(QStringLiteral("days.")));
    every->addStretch();
    layout->addLayout(every);
    layout->addWidget(m_connected);
    auto* now = new QHBoxLayout;
    now->addWidget(m_updateNow);
    now->addStretch();
    layout->addLayout(now);
    layout->addStretch();
    lumivane::ChainTabOrder({m_automatic, m_days, m_connected, m_updateNow});

    connect(m_automatic, &QCheckBox::toggled, this, &COptionsUpdatePage::ShowAutomatic);
    connect(m_updateNow, &QPushButton::clicked, this,
            [this] { lumivane::RunCatalogUpdateNow(m_document, this); });
    ShowAutomatic();
}

lumivane::UpdateOptions COptionsUpdatePage::Options() const {
    return {m_automatic->isChecked(), m_days->value(), m_connected->isChecked()};
}

void COptionsUpdatePage::ShowAutomatic() {
    const bool on = m_automatic->isChecked();
    m_days->setEnabled(on);
    m_connected->setEnabled(on);
}
