// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A flat button that shows only a picture: no frame at rest, a raised frame
// under the mouse, the picture centred and cut at the edges. It takes no
// keyboard focus unless given a focus policy; focused, it shows a focus
// mark, and Space, Return and Enter press it.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap picture_;
};
