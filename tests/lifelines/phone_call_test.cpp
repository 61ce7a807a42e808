// Phone-a-friend: the friend and reply counters, the reply, the misleading
// pairs and the number to dial.
#include "lifelines/phone_call.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CallFacts facts(int storedFriend, int storedPhrase, int rightAnswer, int level, int winnings)
{
    CallFacts facts;
    facts.storedFriend = storedFriend;
    facts.storedPhrase = storedPhrase;
    facts.rightAnswer = rightAnswer;
    facts.level = level;
    facts.winnings = winnings;
    facts.answers = {QStringLiteral("Волга"), QStringLiteral("Нева"), QStringLiteral("Обь"),
                     QStringLiteral("Дон")};
    return facts;
}

TEST(PhoneNumber, IsTheFirstSixDigitsOfFriendReplyAnswerLevelAndWinnings)
{
    EXPECT_EQ(phoneNumber(3, 3, 2, 7, 2000), "332720");
    EXPECT_EQ(phoneNumber(5, 1, 4, 12, 64000), "514126");
}

TEST(PhoneNumber, TheFirstQuestionsShortNumberIsPaddedWithNinesToSeven)
{
    EXPECT_EQ(phoneNumber(1, 1, 2, 1, 0), "1121099");
}

TEST(PhoneCall, CountersRunOnAndRestartAtOneAfterTheLastOrOutOfRange)
{
    EXPECT_EQ(nextFriend(0), 1);
    EXPECT_EQ(nextFriend(8), 9);
    for (int stored : {9, -5, 1000})
        EXPECT_EQ(nextFriend(stored), 1) << stored;
    EXPECT_EQ(nextPhrase(3), 4);
    for (int stored : {4, 9, -5, 1000})
        EXPECT_EQ(nextPhrase(stored), 1) << stored;
}

TEST(PhoneCall, AnHonestFriendNamesTheRightAnswerInTheTemplateOfHisPhrase)
{
    const PhoneCall call = preparePhoneCall(facts(0, 0, 2, 1, 0));
    EXPECT_EQ(call.friendNo, 1);
    EXPECT_EQ(call.phraseNo, 1);
    EXPECT_FALSE(call.misleads);
    EXPECT_EQ(call.reply, "Я думаю, \rчто правильный ответ:\r\"Нева\"!");
    EXPECT_EQ(call.number, "1121099");

    EXPECT_EQ(preparePhoneCall(facts(1, 1, 3, 4, 300)).reply,
              "Правильный ответ: \r  \"Обь\",\r    Я это точно знаю!");
    EXPECT_EQ(preparePhoneCall(facts(2, 2, 1, 4, 300)).reply, "Скорее всего, \r   ответ \"Волга\"!");
}

TEST(PhoneCall, AFriendOnHisFourthPhraseDoesNotKnow)
{
    const PhoneCall call = preparePhoneCall(facts(0, 3, 4, 3, 200));
    EXPECT_EQ(call.reply, "Зря ты мне позвонил,\r       Я ответа не знаю!");
    EXPECT_EQ(call.number, "144320");
}

TEST(PhoneCall, AMisleadingFriendNamesTheAnswerAfterTheRightOneAndDialsItsNumber)
{
    // Friend 7, phrase 3, right answer D: he names A in the first template.
    const PhoneCall call = preparePhoneCall(facts(6, 2, 4, 5, 500));
    EXPECT_TRUE(call.misleads);
    EXPECT_EQ(call.templateNo, 1);
    EXPECT_EQ(call.reply, "Я думаю, \rчто правильный ответ:\r\"Волга\"!");
    EXPECT_EQ(call.number.mid(1, 1), "1");
}

TEST(PhoneCall, AMisleadingFriendWhoseAnswerWouldBeDSaysHeDoesNotKnow)
{
    // Friend 6, phrase 4, right answer C.
    const PhoneCall call = preparePhoneCall(facts(5, 3, 3, 5, 500));
    EXPECT_TRUE(call.misleads);
    EXPECT_EQ(call.reply, "Зря ты мне позвонил,\r       Я ответа не знаю!");
    EXPECT_EQ(call.number, "643550");
}

TEST(PhoneCall, FromFreshSettingsCallsSevenNineTwentyFourAndTwentySixOfEveryThirtySixMislead)
{
    int storedFriend = 0;
    int storedPhrase = 0;
    std::vector<int> misleading;
    for (int callNo = 1; callNo <= 72; ++callNo) {
        const PhoneCall call = preparePhoneCall(facts(storedFriend, storedPhrase, 2, 3, 200));
        storedFriend = call.friendNo;
        storedPhrase = call.phraseNo;
        if (call.misleads)
            misleading.push_back(callNo);
    }
    EXPECT_EQ(misleading, (std::vector<int>{7, 9, 24, 26, 43, 45, 60, 62}));
}

} // namespace
