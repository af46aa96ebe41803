#include "app/UpdatePromptDlg.h"

#include "base/Version.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

CUpdatePromptDlg::CUpdatePromptDlg(QWidget* parent) : QDialog(parent) {
    const QString program = QString::fromLatin1(lumivane::kProgramTitle);
    setWindowTitle(program);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WrappedLabel(
        QStringLiteral("Halvard ") + program +
            QStringLiteral(" will check the internet to see if a new version of the Halvard "
                           "Optics lens information is available.  This is done to ensure you "
                           "will have the most up to date information."),
        this));
    layout->addWidget(WrappedLabel(QStringLiteral("Press Cancel to prevent this download, or "
                                                  "select Never to prevent all future downloads."),
                                   this));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* never = new QPushButton(QStringLiteral("Never"), this);
    ok->setDefault(true);
    for (QPushButton* button : {ok, cancel, never}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(never, &QPushButton::clicked, this, [this] { done(NeverResult); });
    setMinimumWidth(420);
}
