// Phone-a-friend's arithmetic: which of the nine friends answers, in which
// of the four replies, whether he misleads, and the number to dial. Two
// counters kept between runs advance by one with every call, so the pair
// runs through all 36 combinations; in four of them the friend misleads.
#pragma once

#include <QString>

#include <array>

inline constexpr int FriendCount = 9;
inline constexpr int PhraseCount = 4;
// The dialled number is compared with this many last characters of the one shown.
inline constexpr int DialledDigits = 6;

// The counter after the one stored: 1 after the last, and 1 for a stored
// value that is out of range.
int nextFriend(int stored);
int nextPhrase(int stored);

struct PhoneCall {
    int friendNo = 1;
    int phraseNo = 1;
    // The reply's template, and the answer named when the friend misleads.
    int templateNo = 1;
    bool misleads = false;
    // With "\r" for each line break.
    QString reply;
    QString number;
};

struct CallFacts {
    int storedFriend = 0;
    int storedPhrase = 0;
    int rightAnswer = 1;
    int level = 1;
    int winnings = 0;
    // The four answers as shown on the buttons, without their letters.
    std::array<QString, 4> answers;
};

PhoneCall preparePhoneCall(const CallFacts& facts);

// The reply of a template: 1..3 name the answer, 4 does not know.
QString friendReply(int templateNo, const QString& answer);
// The friend's number, at least six characters: the first six of the
// friend, the template, the right answer, the level and the winnings, or,
// when those make fewer, padded with nines to seven.
QString phoneNumber(int friendNo, int templateNo, int rightAnswer, int level, int winnings);
