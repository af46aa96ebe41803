#pragma once
// "Formats" ("&Film Formats..." in the Settings menu): every format of the catalog, with New,
// Edit and Delete for the user's own. The changes are made on a copy of the list: OK hands it
// to the catalog, saves the user formats and makes the project follow in one undo step; Cancel
// changes nothing.

#include "document/FormatCatalogEdit.h"

#include <QDialog>

class CQorDoc;
class LengthEdit;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class CFormatsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CFormatsDlg(CQorDoc& document, QWidget* parent = nullptr);

    void accept() override;

private:
    void Fill(int select);
    void ShowSelected();
    void FollowSelection();
    void NewFormat();
    void EditFormat();
    void DeleteFormat();
    // Asks the custom-format dialog; false when the user cancels it.
    bool AskFields(lumivane::CustomFormatFields& fields);
    void Refuse(const std::string& message);

    CQorDoc& m_document;
    lumivane::FormatCatalogEdit m_edit;
    QListWidget* m_list;
    QLineEdit* m_name;
    LengthEdit* m_width;
    LengthEdit* m_height;
    QComboBox* m_anamorphic;
    QPushButton* m_new;
    QPushButton* m_editButton;
    QPushButton* m_delete;
};

namespace lumivane {

// Shows the dialog; true when it ended with OK.
bool ShowFormatsDialog(CQorDoc& document, QWidget* parent);

} // namespace lumivane
