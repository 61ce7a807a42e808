#include "platform/linux_system_facts.h"

#include "platform/machine_product_id.h"

#include <QFile>

#include <gtest/gtest.h>

// The about box shows this computer's product ID, never the machine id.
TEST(LinuxSystemFacts, ProductIdIsThatOfThisMachineNeverItsMachineId) {
    QFile file(QStringLiteral("/etc/machine-id"));
    if (!file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this computer has no machine id";
    const QString machineId = QString::fromUtf8(file.readLine()).trimmed();
    const QString productId = readLinuxSystemFacts().productId;
    EXPECT_EQ(productId, productIdOfMachine(machineId));
    EXPECT_FALSE(productId.contains(machineId.left(8), Qt::CaseInsensitive));
}
