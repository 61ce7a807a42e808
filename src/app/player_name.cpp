#include "app/player_name.h"

QString sanitizePlayerName(const QString& typed)
{
    QString name = typed;
    name.replace(u'[', u'(').replace(u']', u')');
    for (QChar& c : name)
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    return name.trimmed();
}
