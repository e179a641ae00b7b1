// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

// A field whose hint, under the mouse, is its whole text: a file's name may be
// longer than the field is wide.
class TextTipEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TextTipEdit(QWidget *parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};
