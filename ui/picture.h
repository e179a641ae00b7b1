// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

// A picture drawn from the top-left corner, cut at the edges. Unlike a label
// it keeps its look when its panel is disabled.
class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);

    void setPixmap(const QPixmap &pixmap);
    QPixmap pixmap() const { return pixmap_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap pixmap_;
};
