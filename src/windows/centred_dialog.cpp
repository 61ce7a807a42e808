#include "windows/centred_dialog.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

void execCentred(QDialog& dialog)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->geometry().center() - dialog.rect().center());
    dialog.exec();
}
