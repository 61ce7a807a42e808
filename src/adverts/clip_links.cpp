#include "adverts/clip_links.h"

#include <QUrl>

namespace {

struct Split {
    QString before;
    QString after;
};

// Without the separator the whole text is what comes after it.
Split splitAtFirst(const QString& text, QChar separator)
{
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return {QString(), text};
    return {text.left(at), text.mid(at + 1)};
}

} // namespace

QString advertFile(const QString& dataFolder) { return dataFolder + QStringLiteral("tulip.dat"); }

int clipToShow(int counter, int clipCount)
{
    return counter < 1 || counter > clipCount ? 1 : counter;
}

ClipLinks splitClipLinks(const QString& stored)
{
    const Split icon = splitAtFirst(stored, u';');
    const Split links = splitAtFirst(icon.after, u';');
    return {icon.before, links.before, links.after};
}

QString webLinkTarget(const QString& web, const QString& programFolder)
{
    const QString address = web.trimmed();
    if (address.isEmpty())
        return {};
    // A scheme is more than one letter: "C:" is a drive, not a scheme.
    if (QUrl(address).scheme().size() > 1)
        return address;
    if (address.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return QStringLiteral("http://") + address;
    const qsizetype part = address.indexOf(u'#');
    QUrl target = QUrl::fromLocalFile(programFolder + address.left(part < 0 ? address.size() : part));
    if (part >= 0)
        target.setFragment(address.mid(part + 1));
    return target.toString(QUrl::FullyEncoded);
}
