// A read of a whole question sheet as a player meets it over many games:
// how many questions each level has, how evenly the right letters spread,
// and what would spoil a level: the same right answer again and again, two
// questions with one set of answers, the same question twice in other words.
#pragma once

#include "question_record.h"

#include <QStringList>

#include <array>
#include <vector>

struct SheetReview {
    // Index 1..15; index 0 unused.
    std::array<int, QuestionRecord::MaxLevel + 1> questions{};
    std::array<std::array<int, 4>, QuestionRecord::MaxLevel + 1> rightLetters{};
    // "level 7: ..." or "lines 12 and 840: ...", one a fault.
    QStringList faults;
};

struct ReviewRules {
    // Levels with fewer questions are a fault; 0 asks for none.
    int minimumPerLevel = 0;
    // No right letter under this share of a level, for levels of at least
    // `spreadFrom` questions: a handful cannot spread.
    double minimumLetterShare = 0.2;
    int spreadFrom = 20;
    int maximumRepeatsOfARightAnswer = 2;
    // Questions whose words overlap this much (shared words over all words)
    // read as one question.
    double nearDuplicate = 0.8;
    // Questions with the same right answer read as one from this overlap on.
    double sameFact = 0.5;
};

// The records in sheet order; the first is on line 2, under the header.
SheetReview reviewSheet(const std::vector<QuestionRecord>& records, const ReviewRules& rules = {});

// The words of a text as the review compares them: lower case, ё as е,
// without punctuation.
QStringList comparedWords(const QString& text);
