#pragma once

#include <QLabel>
#include <QPixmap>
#include <vector>

// The volume readout, "Volume: 37 %". During a session its percent changes
// every few seconds for hours, each time after a second of sleep, when laying
// out and drawing text means reaching code and font data that have gone cold.
// While asked to keep pictures, it draws all of its 101 texts at once, as the
// label draws them, and a new percent is then shown by copying a picture.
class VolumeReadout : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Its text is set here only, so that the picture shown is the text's.
    void showPercent(quint8 percent);
    // Draws the pictures (now, and again whenever the look changes) or lets them go.
    void keepPictures(bool keep);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void drawPictures();
    bool picturesFit() const;

    bool keep_ = false;
    bool drawingPictures_ = false;
    int percent_ = -1; // the picture to show; none for any other text
    std::vector<QPixmap> pictures_; // by percent, empty when not kept or out of date
};
