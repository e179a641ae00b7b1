#pragma once

#include <QUrl>

// Hands a file or a link to the program the desktop associates with it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QUrl &url) = 0;
};
