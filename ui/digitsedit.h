// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

// A field for a number of at most two digits: typing anything but a digit or
// Backspace does nothing. Any typed character clears a "missing" mark (the
// base colour goes back to white). A validator limits typing and pasting to
// two characters, but not what code puts there, so stored texts load unchanged.
class DigitsEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DigitsEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
