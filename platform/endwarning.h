// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

// A desktop notification shortly before the computer goes off, with actions
// that still stop it or put it off.
class EndWarning {
public:
    enum class Action { Cancel, Extend };

    virtual ~EndWarning() = default;
    // Shows the warning, replacing one shown before; invoked runs for the action the user chose.
    virtual void show(const QString &summary, const QString &body, int expireMs, std::function<void(Action)> invoked)
        = 0;
    virtual void withdraw() = 0;
};
