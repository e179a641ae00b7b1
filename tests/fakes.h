#pragma once

#include <QStringList>

#include "session/shell.h"
#include "ui/formhandlers.h"

// Records what the window hands over, in order.
class RecordingHandlers : public FormHandlers {
public:
    QStringList calls;
    void loadSettings() override { calls << QStringLiteral("loadSettings"); }
    void readMasterVolume() override { calls << QStringLiteral("readMasterVolume"); }
    void applyCommandLine() override { calls << QStringLiteral("applyCommandLine"); }
    void trackBarChanged() override { calls << QStringLiteral("trackBarChanged"); }
    void mouseWheel(bool up) override { calls << (up ? QStringLiteral("wheelUp") : QStringLiteral("wheelDown")); }
    void startCancelClicked() override { calls << QStringLiteral("startCancelClicked"); }
};

class RecordingShell : public Shell {
public:
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened << url; }
};
