#include "platform/desktop_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

void DesktopShell::openDocument(const QString& nameOrAddress)
{
    // A bare file name is taken relative to the current folder, as the shell does.
    const QUrl url = QUrl::fromUserInput(nameOrAddress, QDir::currentPath(),
                                         QUrl::AssumeLocalFile);
    QDesktopServices::openUrl(url);
}
