#pragma once
// A drop-down list that a screen reader knows by its label. On Linux Qt names a list by the
// entry it shows, so "Screen Curve" would be heard as "None, combo box"; this one is named by
// its accessible name (or the label it is the buddy of) and gives the entry as its value.

#include <QComboBox>

class ChoiceList : public QComboBox {
    Q_OBJECT

public:
    explicit ChoiceList(const QString& name = {}, QWidget* parent = nullptr);
};
