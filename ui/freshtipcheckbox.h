// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>

// A check box whose hint tells of something that may change at any time:
// it asks for the news each time the hint is about to show, and takes an
// answer that comes while the hint is up at once.
class FreshTipCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    void showTip(const QString &text);

Q_SIGNALS:
    void tipWanted();

protected:
    bool event(QEvent *event) override;
};
