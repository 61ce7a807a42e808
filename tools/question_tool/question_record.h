// One question as the authors' sheet and the question table both hold it:
// the level, the question and its four answers in their stored form, and the
// letter of the right answer as a number 1 to 4.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <array>

struct QuestionRecord {
    // Texts in file order: the question, then answers A to D.
    static constexpr int TextCount = 5;
    static constexpr int QuestionLength = 254;
    static constexpr int AnswerLength = 100;
    static constexpr int MaxLevel = 15;

    static const QByteArrayList& TextFields(); // "QQ", "A1" .. "A4"
    static int TextLength(int text) { return text == 0 ? QuestionLength : AnswerLength; }
    // For texts 1 to 4: the letters A to D.
    static QChar AnswerLetter(int text);
    // "the question", "answer A" .. "answer D", as messages name the texts.
    static QString TextName(int text);

    int level = 0;
    std::array<QByteArray, TextCount> stored;
    int right = 0;
};
