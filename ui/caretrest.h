// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

// A blinking text caret repaints its field twice a second, all night when
// the window is left in front during a fade. As GTK desktops do, the caret
// stops blinking, and stays shown, after some seconds without keyboard or
// mouse input to the program, and blinks again at the next.
class CaretRest : public QObject {
    Q_OBJECT
public:
    explicit CaretRest(int restAfterMs = 10000, QObject *parent = nullptr);
    ~CaretRest() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rest();

    QTimer idle_;
    int flashTime_;
    bool resting_ = false;
};
