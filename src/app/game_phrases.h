// What the show says and plays at each verdict, indexed as the game counts:
// praise by the answer-click counter 1..9, right-answer sounds and
// wrong-answer messages by the phrase counter 1..4, teases by level 6..15.
#pragma once

#include <array>
#include <string_view>

inline constexpr std::array<std::u16string_view, 10> PraisePhrases{
    u"",
    u"П р а в и л ь н о !!!",
    u"М о л о д е ц !!!",
    u"Ох, и умный ты, однако!",
    u"У г а д а л !!!",
    u"В е р н о!",
    u"Наверное ты ЗНАЛ!",
    u"Отлично! Так держать!",
    u"И это без сомнений правильный ответ!",
    u"Да! Даа! Дааа! Yes!"};

inline constexpr std::array<std::u16string_view, 5> RightSounds{
    u"", u"appl", u"yes", u"ugadal", u"winner"};

inline constexpr std::array<std::u16string_view, 5> WrongPhrases{
    u"",
    u"Эх ты, вундеркинд! Проиграл!",
    u"И чему тебя только в школе учили!",
    u"О, это что-то новенькое!",
    u"Опять не угадал, Двоешник!"};

inline constexpr std::array<std::u16string_view, 16> TeasePhrases{
    u"", u"", u"", u"", u"", u"",
    u"А если хорошенько подумать?",
    u"А подсказкой воспользоваться не хотите?",
    u"Вы уверены?",
    u"Звонить не будем?",
    u"А зал думает по-другому!",
    u"Ой! может другую кнопку нажмете?",
    u"Что-то Вы не то делаете!",
    u"А может, не надо?",
    u"А если хорошенько подумать?",
    u"Ай!"};
