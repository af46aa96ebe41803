#pragma once
// The lens barrel over the film aperture of one set-up: the barrel moves with the lens shift,
// so the user sees how far off the axis the aperture sits. Without a lens it shows the
// aperture alone and asks for a lens. Only a picture: it takes no input.

#include <QWidget>

class CQorDoc;

class LensShiftPicture : public QWidget {
    Q_OBJECT

public:
    explicit LensShiftPicture(CQorDoc& doc, QWidget* parent = nullptr);

    // The set-up by position, looked up at every paint; -1 for none.
    void SetLensSetup(int auditorium, int projector, int format);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int TextUnit() const;
    void Describe();

    CQorDoc& m_doc;
    int m_auditorium = -1;
    int m_projector = -1;
    int m_format = -1;
};
