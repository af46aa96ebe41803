#pragma once
// The about box: the program's picture, exactly its size, gone at a click anywhere or Esc.

#include <QDialog>
#include <QPixmap>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kPictureSize{400, 310};

    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture; // rendered for the screen's pixel ratio, again when that changes
};
