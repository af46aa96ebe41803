#include "dialogs/AuditoriumWizardSheet.h"

#include "base/FieldLimits.h"
#include "dialogs/FieldLabels.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "ui/IconLibrary.h"
#include "views/LengthEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using lumivane::FieldLabel;
using lumivane::PlainLabel;

const QString kTitle = QStringLiteral("Auditorium Wizard");
const QSize kPictureSize(100, 188);
constexpr int kMinimumWidth = 620;

LengthEdit* LengthField(double value) {
    auto* edit = new LengthEdit;
    edit->SetValue(value);
    return edit;
}

QLabel* Sentence(const QString& text) {
    QLabel* label = PlainLabel(text);
    label->setWordWrap(true);
    return label;
}

// A line of widgets, left-aligned.
QHBoxLayout* Line(std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        line->addWidget(widget);
    }
    line->addStretch();
    return line;
}

// The page's picture on the left, its questions on the right.
QVBoxLayout* PageLayout(QWizardPage* page, const QString& picture) {
    auto* picturePlace = new QLabel;
    picturePlace->setPixmap(
        lumivane::LoadPicture(picture, kPictureSize, page->devicePixelRatioF()));
    picturePlace->setAlignment(Qt::AlignTop);
    auto* questions = new QVBoxLayout;
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(picturePlace);
    layout->addSpacing(8);
    layout->addLayout(questions, 1);
    return questions;
}

} // namespace

CScreenPage::CScreenPage(const lumivane::WizardAnswers& start)
    : m_wallHeight(LengthField(start.wallHeight)), m_wallWidth(LengthField(start.wallWidth)),
      m_screenBottom(LengthField(start.screenBottom)),
      m_constantHeight(new QRadioButton(QStringLiteral("Constant Height"))),
      m_constantWidth(new QRadioButton(QStringLiteral("Constant Width"))) {
    (start.constantWidth ? m_constantWidth : m_constantHeight)->setChecked(true);
    QVBoxLayout* questions = PageLayout(this, QStringLiteral("wizard-wall"));
    questions->addWidget(Sentence(QStringLiteral(
        "Welcome to the Auditorium Wizard, a tool to help you set up an auditorium quickly and "
        "easily by just asking a few simple questions.")));
    questions->addWidget(Sentence(QStringLiteral(
        "The Wizard will calculate the largest screen possible given the dimensions of your "
        "wall.")));
    questions->addSpacing(6);
    questions->addWidget(
        PlainLabel(QStringLiteral("The free wallspace available for the screen is")));
    questions->addLayout(
        Line({m_wallHeight, FieldLabel(QStringLiteral("high and"), m_wallHeight)}));
    questions->addLayout(Line({m_wallWidth, FieldLabel(QStringLiteral("wide."), m_wallWidth)}));
    questions->addLayout(
        Line({FieldLabel(QStringLiteral("The bottom of the screen is"), m_screenBottom),
              m_screenBottom, PlainLabel(QStringLiteral("above the finished floor."))}));
    questions->addLayout(Line({m_constantHeight, m_constantWidth}));
    questions->addStretch();
    lumivane::ChainTabOrder(
        {m_wallHeight, m_wallWidth, m_screenBottom, m_constantHeight, m_constantWidth});
}

void CScreenPage::initializePage() {
    wizard()->setWindowTitle(kTitle);
}

void CScreenPage::AddAnswers(lumivane::WizardAnswers& answers) const {
    answers.wallHeight = m_wallHeight->Value();
    answers.wallWidth = m_wallWidth->Value();
    answers.screenBottom = m_screenBottom->Value();
    answers.constantWidth = m_constantWidth->isChecked();
}

double CScreenPage::WallHeight() const {
    return m_wallHeight->Value();
}

double CScreenPage::WallWidth() const {
    return m_wallWidth->Value();
}

CProjectorPage::CProjectorPage(const lumivane::WizardAnswers& start)
    : m_lensHeight(LengthField(start.lensHeight)), m_throw(LengthField(start.throwDistance)) {
    m_throw->SetLimits(lumivane::kThrowLimits);
    QVBoxLayout* questions = PageLayout(this, QStringLiteral("wizard-booth"));
    questions->addWidget(
        Sentence(QStringLiteral("Please fill in the boxes below as best you can.")));
    questions->addLayout(
        Line({FieldLabel(QStringLiteral("The projector lens is"), m_lensHeight), m_lensHeight,
              PlainLabel(QStringLiteral("above the finished floor and"))}));
    questions->addLayout(
        Line({m_throw, FieldLabel(QStringLiteral("away from the screen."), m_throw)}));
    questions->addSpacing(6);
    questions->addWidget(PlainLabel(QStringLiteral("The projector should support the formats")));
    auto* boxes = new QGridLayout;
    const auto& table = lumivane::kWizardFormatBoxes;
    for (std::size_t i = 0; i < table.size(); ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(table[i].text));
        box->setChecked(std::find(start.formats.begin(), start.formats.end(), table[i].format) !=
                        start.formats.end());
        boxes->addWidget(box, static_cast<int>(i % 4), static_cast<int>(i / 4));
        m_formats.push_back(box);
    }
    questions->addLayout(boxes);
    questions->addStretch();
    QWidget::setTabOrder(m_lensHeight, m_throw);
    QWidget::setTabOrder(m_throw, m_formats.front());
    for (std::size_t i = 1; i < m_formats.size(); ++i) {
        QWidget::setTabOrder(m_formats[i - 1], m_formats[i]);
    }
}

void CProjectorPage::AddAnswers(lumivane::WizardAnswers& answers) const {
    answers.lensHeight = m_lensHeight->Value();
    answers.throwDistance = m_throw->Value();
    answers.formats.clear();
    for (std::size_t i = 0; i < m_formats.size(); ++i) {
        if (m_formats[i]->isChecked()) {
            answers.formats.push_back(lumivane::kWizardFormatBoxes[i].format);
        }
    }
}

CAreaPage::CAreaPage(const lumivane::WizardAnswers& start, const CScreenPage& wall)
    : m_wall(wall), m_sideSpace(LengthField(start.sideSpace)), m_sidePercent(new QSpinBox),
      m_verticalSpace(LengthField(start.verticalSpace)), m_verticalPercent(new QSpinBox) {
    QVBoxLayout* questions = PageLayout(this, QStringLiteral("wizard-wall"));
    questions->addWidget(Sentence(QStringLiteral(
        "Not all of the available wall area can be used for the screen.  Make sure there is "
        "enough room for space required by fire codes, building codes, and any extra mechanical "
        "additions.")));
    auto* grid = new QGridLayout;
    const QString percent = QStringLiteral("percent");
    grid->addWidget(FieldLabel(QStringLiteral("Space on left and right (total)"), m_sideSpace), 0,
                    0);
    grid->addWidget(m_sideSpace, 0, 1);
    grid->addWidget(m_sidePercent, 0, 2);
    grid->addWidget(PlainLabel(percent), 0, 3);
    grid->addWidget(FieldLabel(QStringLiteral("Space above and below (total)"), m_verticalSpace), 1,
                    0);
    grid->addWidget(m_verticalSpace, 1, 1);
    grid->addWidget(m_verticalPercent, 1, 2);
    grid->addWidget(PlainLabel(percent), 1, 3);
    grid->setColumnStretch(4, 1);
    questions->addLayout(grid);
    questions->addStretch();
    // Both percent fields read "percent"; their names say of what.
    lumivane::NameField(m_sidePercent, QStringLiteral("percent of the free wall width"));
    lumivane::NameField(m_verticalPercent, QStringLiteral("percent of the free wall height"));
    lumivane::ChainTabOrder({m_sideSpace, m_sidePercent, m_verticalSpace, m_verticalPercent});
    Link(m_sideSpace, m_sidePercent, &CScreenPage::WallWidth);
    Link(m_verticalSpace, m_verticalPercent, &CScreenPage::WallHeight);
}

void CAreaPage::Link(LengthEdit* space, QSpinBox* percent, double (CScreenPage::*wall)() const) {
    percent->setRange(0, 100);
    percent->setValue(lumivane::PercentOfWall(space->Value(), (m_wall.*wall)()));
    connect(percent, &QSpinBox::valueChanged, this, [this, space, wall](int value) {
        if (m_linking) {
            return;
        }
        m_linking = true;
        space->SetValue(lumivane::SpaceFromPercent(value, (m_wall.*wall)()));
        m_linking = false;
    });
    connect(space, &LengthEdit::valueEdited, this, [this, percent, wall](double metres) {
        if (m_linking) {
            return;
        }
        m_linking = true;
        const QSignalBlocker quiet(percent);
        percent->setValue(lumivane::PercentOfWall(metres, (m_wall.*wall)()));
        m_linking = false;
    });
}

void CAreaPage::AddAnswers(lumivane::WizardAnswers& answers) const {
    answers.sideSpace = m_sideSpace->Value();
    answers.verticalSpace = m_verticalSpace->Value();
}

CAuditoriumWizard::CAuditoriumWizard(int number, QWidget* parent)
    : QWizard(parent), m_number(number) {
    const lumivane::WizardAnswers start = lumivane::StartAnswers(CAuditorium(number));
    m_screen = new CScreenPage(start);
    m_projector = new CProjectorPage(start);
    m_area = new CAreaPage(start, *m_screen);
    addPage(m_screen);
    addPage(m_projector);
    addPage(m_area);
    setWindowTitle(kTitle);
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    // Each of the pages' sentences fits on one line. The height is left to the first show:
    // before it the pages are not laid out yet and would leave room for the buttons alone.
    setMinimumWidth(kMinimumWidth);
}

CAuditoriumWizard::~CAuditoriumWizard() = default;

lumivane::WizardAnswers CAuditoriumWizard::Answers() const {
    lumivane::WizardAnswers answers;
    m_screen->AddAnswers(answers);
    m_projector->AddAnswers(answers);
    m_area->AddAnswers(answers);
    return answers;
}

std::unique_ptr<CAuditorium> CAuditoriumWizard::TakeAuditorium() {
    return std::move(m_built);
}

bool CAuditoriumWizard::validateCurrentPage() {
    if (currentPage() != m_area) {
        return QWizard::validateCurrentPage();
    }
    lumivane::WizardResult result = lumivane::BuildWizardAuditorium(Answers(), m_number);
    if (!result.auditorium) {
        QMessageBox::warning(this, kTitle, QString::fromStdString(result.message));
        return false;
    }
    m_built = std::move(result.auditorium);
    return true;
}

namespace lumivane {

int RunAuditoriumWizard(CQorDoc& document, QWidget* parent) {
    CAuditoriumWizard wizard(document.GetAuditoriumCount() + 1, parent);
    if (wizard.exec() != QDialog::Accepted) {
        return -1;
    }
    return document.Editor().AppendAuditorium(wizard.TakeAuditorium());
}

} // namespace lumivane
