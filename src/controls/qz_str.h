// A scratch list of text lines: the lines of the results file while it is
// scanned, the lines of the top-ten page, the advertisement text. Assigning a
// list copies its lines; the source may change afterwards without effect.
#pragma once

#include <QObject>
#include <QStringList>

class TQzStr : public QObject {
    Q_OBJECT

public:
    explicit TQzStr(QObject* owner = nullptr)
        : QObject(owner) {}

    QStringList& strings() { return m_strings; }
    const QStringList& strings() const { return m_strings; }
    void setStrings(const QStringList& lines) { m_strings = lines; }

private:
    QStringList m_strings;
};
