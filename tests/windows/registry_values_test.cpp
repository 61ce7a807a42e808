#include "windows/registry_values.h"

#include "machine_facts.h"

#include <gtest/gtest.h>

namespace {

const QString WindowsKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion");

QString read(const SystemFacts& facts, const QString& names, QChar separator = u',') {
    return ReadRegistryValues(facts, RegistryRoot::LocalMachine, WindowsKey, names, separator);
}

} // namespace

// The splash reads the system as name and kernel joined by a space.
TEST(ReadRegistryValues, JoinsValuesWithTheGivenSeparator) {
    EXPECT_EQ(read(sampleMachine(), QStringLiteral("Version,VersionNumber"), u' '),
              QStringLiteral("Debian GNU/Linux 12 (bookworm) 6.1.0-18-amd64"));
}

TEST(ReadRegistryValues, JoinsWithCommaUnlessToldOtherwise) {
    EXPECT_EQ(read(sampleMachine(), QStringLiteral("RegisteredOwner,ProductID")),
              QStringLiteral("Иван Петров,51207-394-8816023-40571"));
}

// An empty organisation between two values leaves two separators in a row.
TEST(ReadRegistryValues, EmptyValueInTheMiddleAddsNothingButItsSeparator) {
    EXPECT_EQ(read(sampleMachine(),
                   QStringLiteral("RegisteredOwner,RegisteredOrganization,ProductID"), u'\n'),
              QStringLiteral("Иван Петров\n\n51207-394-8816023-40571"));
}

// No separator is put after an empty result, so the next value moves up.
TEST(ReadRegistryValues, EmptyFirstValueLetsTheNextOneMoveUp) {
    EXPECT_EQ(
        read(sampleMachine(), QStringLiteral("RegisteredOrganization,RegisteredOwner,Version")),
        QStringLiteral("Иван Петров,Debian GNU/Linux 12 (bookworm)"));
}

TEST(ReadRegistryValues, MissingValueReadsAsQuestionMark) {
    EXPECT_EQ(read(sampleMachine(), QStringLiteral("RegisteredOwner,CurrentVersion,VersionNumber")),
              QStringLiteral("Иван Петров,?,6.1.0-18-amd64"));
    EXPECT_EQ(read(sampleMachine(), QStringLiteral("CurrentVersion")), QStringLiteral("?"));
}

// The buffer holds 259 bytes of text and its NUL; Cyrillic takes one byte a
// letter in the Windows code page, however long it is in UTF-8.
TEST(ReadRegistryValues, ValueLongerThanTheBufferReadsAsQuestionMark) {
    SystemFacts facts = sampleMachine();
    facts.registeredOwner = QString(259, u'Ж');
    EXPECT_EQ(read(facts, QStringLiteral("RegisteredOwner")), facts.registeredOwner);
    facts.registeredOwner = QString(260, u'Ж');
    EXPECT_EQ(read(facts, QStringLiteral("RegisteredOwner,ProductID")),
              QStringLiteral("?,51207-394-8816023-40571"));
}

TEST(ReadRegistryValues, StopsAtTheFirstEmptyName) {
    const SystemFacts facts = sampleMachine();
    EXPECT_EQ(read(facts, QStringLiteral("Version,,VersionNumber")), facts.osName);
    EXPECT_EQ(read(facts, QStringLiteral("Version,")), facts.osName);
    EXPECT_EQ(read(facts, QString()), QString());
}

TEST(ReadRegistryValues, MatchesKeyAndValueNamesWithoutRegardToCase) {
    EXPECT_EQ(ReadRegistryValues(sampleMachine(), RegistryRoot::LocalMachine,
                                 QStringLiteral("software\\microsoft\\WINDOWS\\currentversion"),
                                 QStringLiteral("registeredowner,VERSIONNUMBER")),
              QStringLiteral("Иван Петров,6.1.0-18-amd64"));
}

// This desktop is no Windows NT, and the current user's keys are not kept here.
TEST(ReadRegistryValues, KeyThatCannotBeOpenedReadsAsError) {
    const SystemFacts facts = sampleMachine();
    const QString owner = QStringLiteral("RegisteredOwner");
    EXPECT_EQ(ReadRegistryValues(facts, RegistryRoot::LocalMachine,
                                 QStringLiteral("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"),
                                 owner),
              QStringLiteral("!Ошибка"));
    EXPECT_EQ(ReadRegistryValues(facts, RegistryRoot::LocalMachine,
                                 QStringLiteral("SOFTWARE\\Microsoft\\Windows"), owner),
              QStringLiteral("!Ошибка"));
    EXPECT_EQ(ReadRegistryValues(facts, RegistryRoot::CurrentUser, WindowsKey, owner),
              QStringLiteral("!Ошибка"));
}
