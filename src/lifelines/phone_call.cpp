#include "lifelines/phone_call.h"

namespace {

int nextInCycle(int stored, int count)
{
    const int next = stored + 1;
    return next >= 1 && next <= count ? next : 1;
}

// The pairs 6+4, 7+3, 8+2 and 9+1.
bool misleadingPair(int friendNo, int phraseNo) { return friendNo + phraseNo == 10; }

} // namespace

int nextFriend(int stored) { return nextInCycle(stored, FriendCount); }
int nextPhrase(int stored) { return nextInCycle(stored, PhraseCount); }

QString friendReply(int templateNo, const QString& answer)
{
    switch (templateNo) {
    case 1:
        return QStringLiteral("Я думаю, \rчто правильный ответ:\r\"%1\"!").arg(answer);
    case 2:
        return QStringLiteral("Правильный ответ: \r  \"%1\",\r    Я это точно знаю!").arg(answer);
    case 3:
        return QStringLiteral("Скорее всего, \r   ответ \"%1\"!").arg(answer);
    default:
        return QStringLiteral("Зря ты мне позвонил,\r       Я ответа не знаю!");
    }
}

QString phoneNumber(int friendNo, int templateNo, int rightAnswer, int level, int winnings)
{
    QString number = (QString::number(friendNo) + QString::number(templateNo) +
                      QString::number(rightAnswer) + QString::number(level) + QString::number(winnings))
                         .left(DialledDigits);
    if (number.size() < DialledDigits)
        number = number.leftJustified(DialledDigits + 1, u'9');
    return number;
}

PhoneCall preparePhoneCall(const CallFacts& facts)
{
    PhoneCall call;
    call.friendNo = nextFriend(facts.storedFriend);
    call.phraseNo = nextPhrase(facts.storedPhrase);
    call.misleads = misleadingPair(call.friendNo, call.phraseNo);
    // A misleading friend names the answer after the right one; the same
    // number picks his reply, so as the fourth he knows nothing.
    call.templateNo = call.misleads ? facts.rightAnswer % 4 + 1 : call.phraseNo;
    const int named = call.misleads ? call.templateNo : facts.rightAnswer;
    call.reply = friendReply(call.templateNo,
                             named >= 1 && named <= 4 ? facts.answers[named - 1] : QString());
    call.number = phoneNumber(call.friendNo, call.templateNo, facts.rightAnswer, facts.level, facts.winnings);
    return call;
}
