#include "windows/splash_texts.h"

#include "machine_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

constexpr int Step = 16;

VersionInfo fullVersion() {
    return VersionInfo{QStringLiteral("Телевикторина"),   QStringLiteral("1.0.0"),
                       QStringLiteral("(C) 2026 ZeZoza"), QStringLiteral("ZeZoza"),
                       QStringLiteral("Zambrel!™"),       QStringLiteral("Zambrel!")};
}

std::optional<SplashText> find(const QList<SplashText>& texts, const QString& text) {
    const auto it = std::find_if(texts.begin(), texts.end(),
                                 [&](const SplashText& line) { return line.text == text; });
    if (it == texts.end())
        return std::nullopt;
    return *it;
}

// Lines of the default font drawn at x = 80 above the rule, top to bottom.
QStringList registrationLines(const QList<SplashText>& texts) {
    QStringList lines;
    for (const SplashText& line : texts)
        if (line.x == 80 && line.y < 176 && line.y >= 176 - 4 * Step && line.pointSize == 0)
            lines << QStringLiteral("%1@%2").arg(line.text).arg(line.y);
    return lines;
}

} // namespace

TEST(SplashLineStep, IsHalfAgainTheFontHeightWhicheverItsSign) {
    EXPECT_EQ(splashLineStep(11), 16);
    EXPECT_EQ(splashLineStep(-11), 16);
    EXPECT_EQ(splashLineStep(12), 18);
    EXPECT_EQ(splashLineStep(-13), 19);
}

// Without an organisation the owner and the product ID take the two top lines.
TEST(SplashTexts, EmptyOrganisationLeavesTwoRegistrationLines) {
    const auto texts = splashTexts(sampleMachine(), fullVersion(), Step);
    EXPECT_EQ(registrationLines(texts),
              QStringList({QStringLiteral("Иван Петров@112"),
                           QStringLiteral("51207-394-8816023-40571@128")}));
}

TEST(SplashTexts, OwnerOrganisationAndProductIdTakeThreeLines) {
    SystemFacts facts = sampleMachine();
    facts.registeredOrganization = QStringLiteral("ZeZoza");
    EXPECT_EQ(registrationLines(splashTexts(facts, fullVersion(), Step)),
              QStringList({QStringLiteral("Иван Петров@112"), QStringLiteral("ZeZoza@128"),
                           QStringLiteral("51207-394-8816023-40571@144")}));
}

TEST(SplashTexts, EmptyOwnerLetsTheOrganisationMoveUp) {
    SystemFacts facts = sampleMachine();
    facts.registeredOwner.clear();
    facts.registeredOrganization = QStringLiteral("ZeZoza");
    EXPECT_EQ(
        registrationLines(splashTexts(facts, fullVersion(), Step)),
        QStringList({QStringLiteral("ZeZoza@112"), QStringLiteral("51207-394-8816023-40571@128")}));
}

TEST(SplashTexts, SystemStandsUnderTheRuleAndMemoryEndsAtTheRightEdge) {
    const auto texts = splashTexts(sampleMachine(), fullVersion(), Step);
    EXPECT_EQ(
        find(texts, QStringLiteral("Debian GNU/Linux 12 (bookworm) 6.1.0-18-amd64")),
        (SplashText{QStringLiteral("Debian GNU/Linux 12 (bookworm) 6.1.0-18-amd64"), 80, 176}));
    EXPECT_EQ(find(texts, QStringLiteral("Доспупная физическая память:")),
              (SplashText{QStringLiteral("Доспупная физическая память:"), 80, 192}));
    // 16 GiB and 1023 bytes: the odd bytes are cut, the digits not grouped.
    EXPECT_EQ(find(texts, QStringLiteral("16777216 Кб")),
              (SplashText{QStringLiteral("16777216 Кб"), 329, 192, 0, false, true}));
}

// The version's small font stays for the lines after it; the name is big and red.
TEST(SplashTexts, VersionFactsStandAtTheirPlacesInTheirFonts) {
    const auto texts = splashTexts(sampleMachine(), fullVersion(), Step);
    EXPECT_EQ(find(texts, QStringLiteral("Телевикторина")),
              (SplashText{QStringLiteral("Телевикторина"), 80, 44}));
    EXPECT_EQ(find(texts, QStringLiteral("Версия: 1.0.0")),
              (SplashText{QStringLiteral("Версия: 1.0.0"), 230, 5, 9}));
    EXPECT_EQ(find(texts, QStringLiteral("(C) 2026 ZeZoza")),
              (SplashText{QStringLiteral("(C) 2026 ZeZoza"), 80, 60, 9}));
    EXPECT_EQ(find(texts, QStringLiteral("ZeZoza")),
              (SplashText{QStringLiteral("ZeZoza"), 80, 76, 9}));
    EXPECT_EQ(find(texts, QStringLiteral("Zambrel!™")),
              (SplashText{QStringLiteral("Zambrel!™"), 80, 92, 9}));
    EXPECT_EQ(find(texts, QStringLiteral("Zambrel!")),
              (SplashText{QStringLiteral("Zambrel!"), 80, 16, 18, true}));
}

TEST(SplashTexts, MissingVersionFactsTakeNeitherLineNorFont) {
    VersionInfo version = fullVersion();
    version.fileDescription.clear();
    version.fileVersion.clear();
    version.companyName.clear();
    const auto texts = splashTexts(sampleMachine(), version, Step);
    EXPECT_FALSE(find(texts, QStringLiteral("Версия: ")));
    EXPECT_EQ(find(texts, QStringLiteral("(C) 2026 ZeZoza")),
              (SplashText{QStringLiteral("(C) 2026 ZeZoza"), 80, 44}));
    EXPECT_EQ(find(texts, QStringLiteral("Zambrel!™")),
              (SplashText{QStringLiteral("Zambrel!™"), 80, 60}));
}

// Without version facts the splash shows the machine's lines only.
TEST(SplashTexts, NoVersionFactsLeaveTheMachineLinesOnly) {
    const auto texts = splashTexts(sampleMachine(), VersionInfo{}, Step);
    EXPECT_EQ(texts.size(), 5);
    for (const SplashText& line : texts)
        EXPECT_GE(line.y, 176 - 4 * Step) << line.text.toStdString();
}
