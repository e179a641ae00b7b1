// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// An etched vertical line along the left edge, used between the end-action choices.
class EtchedLine : public QWidget {
    Q_OBJECT
public:
    explicit EtchedLine(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
