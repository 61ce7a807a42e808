#include "windows/full_stop.h"

QString withFullStop(const QString& text) {
    if (!text.isEmpty() && text.back() > u'.')
        return text + u'.';
    return text;
}
