#include "platform/machine_product_id.h"

#include <QMessageAuthenticationCode>
#include <QtEndian>

namespace {

// The game's own key: another program keyed differently gets another ID from
// the same machine id, and none can be traced back to it.
const QByteArray ProductIdKey = QByteArray::fromHex("35e9c04712f94ec6ebfcc8a934971ddc");

// Ten decimal digits drawn from eight bytes of the hash.
QString tenDigits(const QByteArray& hash, qsizetype from) {
    const quint64 value = qFromBigEndian<quint64>(hash.constData() + from);
    return QStringLiteral("%1").arg(value % 10'000'000'000ULL, 10, 10, QLatin1Char('0'));
}

} // namespace

QString productIdOfMachine(const QString& machineId) {
    if (machineId.isEmpty())
        return {};
    const QByteArray hash = QMessageAuthenticationCode::hash(machineId.toUtf8(), ProductIdKey,
                                                             QCryptographicHash::Sha256);
    const QString digits = tenDigits(hash, 0) + tenDigits(hash, 8);
    return digits.mid(0, 5) + u'-' + digits.mid(5, 3) + u'-' + digits.mid(8, 7) + u'-' +
           digits.mid(15, 5);
}
