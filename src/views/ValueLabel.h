#pragma once
// A label that shows a value named by a caption elsewhere ("Lost (Crop)" beside "5.1%"). A
// screen reader knows it by the caption and reads the value as its text, with the colour it
// is shown in, so a value shown as a warning is heard as one too.

#include <QLabel>

class ValueLabel : public QLabel {
    Q_OBJECT

public:
    explicit ValueLabel(const QString& name, QWidget* parent = nullptr);

    // Shows text, in the warning colour or in the colours around it.
    void ShowValue(const QString& text, bool warning);
    bool IsWarning() const { return m_warning; }

private:
    bool m_warning = false;
};
