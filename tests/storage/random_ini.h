// Random INI files for tests that hold a fast path over a file's bytes to
// what an IniDocument of the whole file gives.
#pragma once

#include "storage/code_page.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QStringList>

// A file of every oddity at once: keys before any section, duplicates in
// other case, headers indented, cut short or followed by text, quotes,
// comments and all three line breaks.
inline QByteArray trickyIniFile()
{
    return cp1251::encode(QStringLiteral(
    "k=orphan\r\n; note\r\n"
    "[Вася]\r\nИгра=1\r\nигра=dup\r\nfree text\r\n\r\n;c=1\r\n"
    "  [Петя]\nИгра=2\n Место = ' Тула '\n"
    "[ВАСЯ]\rИгра=3\r"
    "[Маша]  \r\nИгра=\"4\"\r\nМесто=\"\r\n"
    "[Оля] team\r\nИгра=5\r\n"
    "[]\r\nИгра=6\r\n"
    "[\r\nИгра=7\r\n"
    "[a]b]\r\nИгра=8\r\n"
    "[ петя ]\r\nИгра=9\r\n;c\r\n"
    "\t[ЁЖИК]\t\r\nИгра= 10 =11\r\nМесто\r\n"
    "[Вася]\r\nИгра=12"));
}

// Random INI files of odd headers, duplicates, quotes, comments, text lines
// and mixed line breaks, with names, keys and values to look up or write,
// the same for every run of a seed.
class RandomIni {
public:
    explicit RandomIni(quint32 seed) : m_random(seed) {}

    QByteArray file() {
        QByteArray out;
        const int lines = pick(60);
        for (int i = 0; i < lines; ++i)
            out += line() + ending();
        if (pick(4) == 0)
            out += line();
        return out;
    }
    QByteArray name() {
        QByteArray text = cp1251::encode(NamePool[pick(NamePool.size())]);
        if (pick(3) == 0)
            text = cp1251::encode(cp1251::decode(text).toUpper());
        return blanks() + text + blanks();
    }
    QByteArray key() { return blanks() + cp1251::encode(KeyPool[pick(KeyPool.size())]) + blanks(); }
    QByteArray value() {
        static const QList<QByteArray> pool{"", "1", "a=b", "\"q\"", "'q'", "\"", "'x\"", " v "};
        if (pick(20) == 0)
            return QByteArray(2040 + pick(20), 'v');
        return blanks() + pool[pick(pool.size())] + blanks();
    }

private:
    int pick(qsizetype n) { return static_cast<int>(m_random.bounded(static_cast<quint32>(n))); }
    QByteArray blanks() {
        static const QList<QByteArray> pool{"", "", "", " ", "\t", "  "};
        return pool[pick(pool.size())];
    }
    QByteArray ending() {
        static const QList<QByteArray> pool{"\r\n", "\r\n", "\r\n", "\n", "\r", "\n\r", "\r\r\n"};
        return pool[pick(pool.size())];
    }
    QByteArray line() {
        switch (pick(10)) {
        case 0:
        case 1:
        case 2: {
            static const QList<QByteArray> tails{"]", "]", "]", "] tail", "", "]]"};
            return blanks() + '[' + name() + tails[pick(tails.size())] + blanks();
        }
        case 3:
            return blanks() + ";" + key() + "=" + value();
        case 4:
            return blanks();
        case 5:
            return blanks() + "text without value" + blanks();
        default:
            return key() + "=" + value();
        }
    }

    static inline const QStringList NamePool{"Вася", "вася", "Петя", "Ёж", "a", "A]", "", "Оля"};
    static inline const QStringList KeyPool{"Игра", "игра", "DT", "dt", "Место", "", "x y"};
    QRandomGenerator m_random;
};
