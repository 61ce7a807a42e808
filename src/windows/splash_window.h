// The splash window that greets the player while the game starts and, with
// another caption, serves as the about box: the program's name and version,
// whom the computer is registered to, its system and its memory. What it
// shows is fixed when it is made; it is painted the same on every exposure.
// A box that wants the player's answer never opens under it: the splash
// gives way.
#pragma once

#include "platform/system_facts.h"
#include "windows/fixed_window.h"
#include "windows/splash_texts.h"
#include "windows/version_info.h"

#include <QIcon>
#include <QPixmap>

class SplashWindow : public FixedWindow {
public:
    SplashWindow(const QIcon& icon, const QString& caption, const SystemFacts& facts,
                 const VersionInfo& version, QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drawRule(QPainter& painter) const;
    void drawText(QPainter& painter, const SplashText& line) const;

    QPixmap m_icon;
    QList<SplashText> m_texts;
};

// The one splash window of the game: showing a new one closes the old one.
// With an owner it is modal to that window and stays above it.
void ShowSplash(const QIcon& icon, const QString& caption, const SystemFacts& facts,
                const VersionInfo& version, QWidget* owner = nullptr);
void CloseSplash();
