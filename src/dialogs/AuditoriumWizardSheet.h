#pragma once
// The auditorium wizard ("&Auditorium Wizard..."): three pages of questions about the wall,
// the projector and the space to keep clear, and Finish, which builds the auditorium from the
// answers and adds it to the project as one undo step.

#include "model/AuditoriumWizard.h"

#include <QWizard>

#include <memory>

class CAuditorium;
class CQorDoc;
class LengthEdit;
class QCheckBox;
class QRadioButton;
class QSpinBox;

// Page 1: the free wall, the height of the screen bottom, constant height or width.
class CScreenPage : public QWizardPage {
    Q_OBJECT

public:
    explicit CScreenPage(const lumivane::WizardAnswers& start);
    void initializePage() override;
    void AddAnswers(lumivane::WizardAnswers& answers) const;
    double WallHeight() const;
    double WallWidth() const;

private:
    LengthEdit* m_wallHeight;
    LengthEdit* m_wallWidth;
    LengthEdit* m_screenBottom;
    QRadioButton* m_constantHeight;
    QRadioButton* m_constantWidth;
};

// Page 2: where the projector stands and the formats it must show.
class CProjectorPage : public QWizardPage {
    Q_OBJECT

public:
    explicit CProjectorPage(const lumivane::WizardAnswers& start);
    void AddAnswers(lumivane::WizardAnswers& answers) const;

private:
    LengthEdit* m_lensHeight;
    LengthEdit* m_throw;
    std::vector<QCheckBox*> m_formats;
};

// Page 3: the space to keep clear around the screen, as a length or a percentage of the wall.
class CAreaPage : public QWizardPage {
    Q_OBJECT

public:
    CAreaPage(const lumivane::WizardAnswers& start, const CScreenPage& wall);
    void AddAnswers(lumivane::WizardAnswers& answers) const;

private:
    void Link(LengthEdit* space, QSpinBox* percent, double (CScreenPage::*wall)() const);

    const CScreenPage& m_wall;
    LengthEdit* m_sideSpace;
    QSpinBox* m_sidePercent;
    LengthEdit* m_verticalSpace;
    QSpinBox* m_verticalPercent;
    // Set while one of a linked pair writes the other.
    bool m_linking = false;
};

class CAuditoriumWizard : public QWizard {
    Q_OBJECT

public:
    // number names the auditorium Finish builds.
    CAuditoriumWizard(int number, QWidget* parent = nullptr);
    ~CAuditoriumWizard() override;

    lumivane::WizardAnswers Answers() const;
    // The auditorium Finish built; null before.
    std::unique_ptr<CAuditorium> TakeAuditorium();

protected:
    // Finish builds the auditorium, or says why it cannot and stays open.
    bool validateCurrentPage() override;

private:
    int m_number;
    CScreenPage* m_screen;
    CProjectorPage* m_projector;
    CAreaPage* m_area;
    std::unique_ptr<CAuditorium> m_built;
};

namespace lumivane {

// Runs the wizard over parent; on Finish appends the auditorium to the project and returns
// its index, on Cancel returns -1 and changes nothing.
int RunAuditoriumWizard(CQorDoc& document, QWidget* parent);

} // namespace lumivane
