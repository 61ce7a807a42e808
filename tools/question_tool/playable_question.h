// What a player needs to answer a question: a question and four answers that
// show more than spaces, and no two answers that look alike on screen. Both
// the sheet and the table check hold their questions to it.
#pragma once

#include "question_record.h"

#include <QString>
#include <QStringList>

#include <array>

class PlayableQuestion {
public:
    using Texts = std::array<QString, QuestionRecord::TextCount>;

    // `texts` as the player sees them: the question, then answers A to D.
    // One line per problem, e.g. "answer B: the text is empty" or
    // "answers A and C read the same".
    static QStringList Problems(const Texts& texts);
};
