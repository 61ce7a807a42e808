#include "windows/splash_texts.h"

#include "windows/registry_values.h"

#include <cstdlib>

namespace {

const QString WindowsKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
constexpr int TextLeft = 80;
constexpr int RuleBottom = 176; // the system line stands just under the rule
constexpr int RuleRight = 329;

// Owner, organisation and product ID, one a line upwards of the rule; a
// piece left empty takes no line.
void addRegistration(QList<SplashText>& texts, const SystemFacts& facts, int lineStep) {
    const QString registration = ReadRegistryValues(
        facts, RegistryRoot::LocalMachine, WindowsKey,
        QStringLiteral("RegisteredOwner,RegisteredOrganization,ProductID"), u'\n');
    int y = RuleBottom - 4 * lineStep;
    for (const QString& piece : registration.split(u'\n').mid(0, 3)) {
        if (piece.isEmpty())
            continue;
        texts.append({piece, TextLeft, y});
        y += lineStep;
    }
}

void addMachine(QList<SplashText>& texts, const SystemFacts& facts, int lineStep) {
    texts.append({ReadRegistryValues(facts, RegistryRoot::LocalMachine, WindowsKey,
                                     QStringLiteral("Version,VersionNumber"), u' '),
                  TextLeft, RuleBottom});
    const int y = RuleBottom + lineStep;
    texts.append({QStringLiteral("Доспупная физическая память:"), TextLeft, y});
    // Digits are not grouped: the Russian desktop separates thousands with a
    // space, and only a comma separator would group them.
    const QString memory = QString::number(facts.totalMemoryBytes / 1024) + QStringLiteral(" Кб");
    texts.append({memory, RuleRight, y, 0, false, true});
}

// An item missing from the version facts takes neither a line nor its font.
void addVersion(QList<SplashText>& texts, const VersionInfo& version, int lineStep) {
    int y = lineStep + 28;
    int pointSize = 0;
    if (!version.fileDescription.isEmpty()) {
        texts.append({version.fileDescription, TextLeft, y, pointSize});
        y += lineStep;
    }
    if (!version.fileVersion.isEmpty()) {
        pointSize = 9;
        texts.append({QStringLiteral("Версия: ") + version.fileVersion, 230, 5, pointSize});
    }
    if (!version.legalCopyright.isEmpty())
        texts.append({version.legalCopyright, TextLeft, y, pointSize});
    if (!version.companyName.isEmpty()) {
        y += lineStep;
        texts.append({version.companyName, TextLeft, y, pointSize});
    }
    if (!version.legalTrademarks.isEmpty()) {
        y += lineStep;
        texts.append({version.legalTrademarks, TextLeft, y, pointSize});
    }
    if (!version.productName.isEmpty())
        texts.append({version.productName, TextLeft, 16, 18, true});
}

} // namespace

int splashLineStep(int fontPixelHeight) {
    return std::abs(fontPixelHeight * 3 / 2);
}

QList<SplashText> splashTexts(const SystemFacts& facts, const VersionInfo& version, int lineStep) {
    QList<SplashText> texts;
    addRegistration(texts, facts, lineStep);
    addMachine(texts, facts, lineStep);
    addVersion(texts, version, lineStep);
    return texts;
}
