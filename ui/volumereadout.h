// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPixmap>
#include <vector>

// The volume readout, "Volume: 37 %". During a session its percent changes
// every few seconds for hours, each time after a second of sleep, when laying
// out and drawing text means reaching code and font data that have gone cold.
// While asked to keep pictures, it draws the texts of the percent shown and of
// the next ones below it (a fade only goes down) at once, as the label draws
// them, and each of those percents is then shown by copying its picture.
class VolumeReadout : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // "Volume: 37 %"
    static QString textFor(quint8 percent);

    // Its text is set here only, so that the picture shown is the text's.
    void showPercent(quint8 percent);
    void keepPictures(bool keep);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    static constexpr int MostPercent = 100;

    void drawPictures(int highest);
    void dropPictures();
    bool fits(const QPixmap &picture) const;

    bool keep_ = false;
    int percent_ = -1;                                                      // the percent shown; -1 before the first
    std::vector<QPixmap> pictures_ = std::vector<QPixmap>(MostPercent + 1); // by percent; most are null
};
