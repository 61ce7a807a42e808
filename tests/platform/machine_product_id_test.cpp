#include "platform/machine_product_id.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString OneMachine = QStringLiteral("5b7e2c94d01f4a38b6e9c2d7a1f08e35");
const QString OtherMachine = QStringLiteral("0f3c9a1e2b4d4f6a8c0e1a2b3c4d5e6f");

// Every run of eight characters of the machine id that the ID shows.
QStringList eightDigitRunsShown(const QString& productId, const QString& machineId) {
    QStringList shown;
    for (qsizetype at = 0; at + 8 <= machineId.size(); ++at)
        if (productId.contains(machineId.mid(at, 8), Qt::CaseInsensitive))
            shown << machineId.mid(at, 8);
    return shown;
}

} // namespace

TEST(MachineProductId, LooksLikeAProductId) {
    const QRegularExpression form(QStringLiteral("^\\d{5}-\\d{3}-\\d{7}-\\d{5}$"));
    EXPECT_TRUE(form.match(productIdOfMachine(OneMachine)).hasMatch())
        << productIdOfMachine(OneMachine).toStdString();
    EXPECT_TRUE(form.match(productIdOfMachine(OtherMachine)).hasMatch())
        << productIdOfMachine(OtherMachine).toStdString();
}

// The ID a player once saw comes back on every start and every build.
TEST(MachineProductId, IsTheSameForOneMachineOnEveryStart) {
    EXPECT_EQ(productIdOfMachine(OneMachine), productIdOfMachine(OneMachine));
    EXPECT_EQ(productIdOfMachine(OneMachine).toStdString(), "38946-636-5093154-76190");
}

TEST(MachineProductId, DiffersBetweenMachines) {
    EXPECT_NE(productIdOfMachine(OneMachine), productIdOfMachine(OtherMachine));
}

TEST(MachineProductId, ShowsNothingOfTheMachineId) {
    for (const QString& machineId : {OneMachine, OtherMachine, QString(32, u'1')}) {
        const QString productId = productIdOfMachine(machineId);
        EXPECT_FALSE(productId.contains(machineId, Qt::CaseInsensitive)) << productId.toStdString();
        EXPECT_EQ(eightDigitRunsShown(productId, machineId), QStringList())
            << productId.toStdString();
    }
}

TEST(MachineProductId, IsEmptyWithoutAMachineId) {
    EXPECT_EQ(productIdOfMachine(QString()), QString());
}
