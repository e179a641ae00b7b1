// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTimeEdit>

// The wake-up time. The mouse wheel over it is the window's (the volume), so
// it does not spin the time; Tab leaves it rather than walking its hour,
// minute and second.
class AlarmTimeEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    using QDateTimeEdit::QDateTimeEdit;

protected:
    void wheelEvent(QWheelEvent *event) override;
    bool focusNextPrevChild(bool next) override;
};
