// The record filter of a question round: "(NN = 7)" admits the questions of
// level 7, a blank level counting as 0. An empty expression admits every
// record; any other form is refused.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class DbfFilter {
public:
    // Fails with "Filter expression must return boolean result".
    static DbfFilter Parse(const QString& expression);

    bool admitsAll() const { return m_fieldName.isEmpty(); }
    const QByteArray& fieldName() const { return m_fieldName; }
    // `fieldBytes` are the raw bytes of the named field.
    bool admits(QByteArrayView fieldBytes) const;

private:
    QByteArray m_fieldName;
    qint64 m_value = 0;
};
