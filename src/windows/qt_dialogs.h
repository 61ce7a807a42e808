// The game's modal boxes and prompts on this desktop: message boxes with
// Russian titles and buttons, the text prompt and the file-open dialog. Each
// first gives the mouse back its arrow, and is modal to the whole game.
#pragma once

#include "platform/dialogs.h"

class QtDialogs : public Dialogs {
public:
    void info(const QString& text) override;
    void error(const QString& text) override;
    bool askYesNo(const QString& text) override;
    void runtimeError(const QString& text) override;
    QString inputText(const QString& caption, const QString& prompt,
                      const QString& defaultText) override;
    QString openFile(const QString& title, const QString& filterName, const QString& pattern,
                     const QString& folder) override;
};
