// The modal boxes and prompts the game asks its player with.
#pragma once

#include <QString>

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void info(const QString& text) = 0;          // "Информация"
    virtual void error(const QString& text) = 0;         // "Ошибка"
    virtual bool askYesNo(const QString& text) = 0;      // "Вопрос"
    // A run-time error that ended a command, titled with the application title.
    virtual void runtimeError(const QString& text) = 0;
    // A text prompt; the default text comes back when the player cancels.
    virtual QString inputText(const QString& caption, const QString& prompt,
                              const QString& defaultText) = 0;
    // A file-open dialog; an empty text when the player cancels.
    virtual QString openFile(const QString& title, const QString& filterName,
                             const QString& pattern, const QString& folder) = 0;
};
