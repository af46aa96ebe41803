#pragma once
// The Application page of the options sheet: the company information printed at the top of
// reports, and the tooltips box.

#include <QWidget>

class QCheckBox;
class QPlainTextEdit;

class COptionsAppPage : public QWidget {
    Q_OBJECT

public:
    explicit COptionsAppPage(const QString& company, QWidget* parent = nullptr);

    QString Company() const;

private:
    QCheckBox* m_tooltips;
    QPlainTextEdit* m_company;
};
