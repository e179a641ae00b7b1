// SPDX-License-Identifier: MIT
#include "platform/desktopshell.h"

#include <QDesktopServices>
#include <QProcess>

#include "settings/filenamebytes.h"

void DesktopShell::open(const QUrl &url)
{
    // The result is not examined: a missing handler is not the user's problem at 3 a.m.
    QDesktopServices::openUrl(url);
}

void DesktopShell::openFile(const QString &pathOrUrl)
{
    // xdg-open itself, as a process with one argument, so the name reaches it
    // exactly as it stands and its exit status tells whether a program took it.
    auto *process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    // A path whose bytes are not UTF-8 would lose them on the way to the
    // process; as a file URL its bytes travel percent-encoded.
    const bool asItStands = FileNameBytes::isUtf8(pathOrUrl) || !pathOrUrl.startsWith(QLatin1Char('/'));
    process->setArguments({asItStands ? pathOrUrl
                                      : QStringLiteral("file://")
                                   + QString::fromLatin1(FileNameBytes::encode(pathOrUrl).toPercentEncoding("/"))});
    process->setStandardInputFile(QProcess::nullDevice());
    // The process is nobody's child: it may outlive us, and is deleted once done.
    connect(process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        Q_EMIT fileOpened(status == QProcess::NormalExit && exitCode == 0);
    });
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Q_EMIT fileOpened(false);
    });
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start();
}
