// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>

// A link drawn as underlined text: it takes the hover colour under the mouse
// and the rest colour again when the mouse leaves (disabled, it stays grey),
// and a left-button release over it, while enabled, activates it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

    void setColours(const QColor &rest, const QColor &hover);

Q_SIGNALS:
    void activated();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showColour(const QColor &colour);

    QColor rest_;
    QColor hover_;
};
