// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Hands a file or a link to the program the desktop associates with it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QUrl &url) = 0;
    // The start file: a path or a URL, as one argument to the desktop's handler.
    // done tells whether the handler reported success.
    virtual void openFile(const QString &pathOrUrl, std::function<void(bool opened)> done = {}) = 0;
};
