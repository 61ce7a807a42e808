#include "records/reset_rule.h"

#include "records/game_date.h"

std::optional<QString> ResetRefusal(const QString& lastReset, const QDate& today) {
    const auto last = TryStrToDate(lastReset);
    if (!last || last->daysTo(today) >= ResetWaitDays)
        return std::nullopt;
    // "только после" names the last day refused, so the sentence holds on the
    // day the wipe becomes possible.
    return QStringLiteral("Вы можете обнулить свой результат\rтолько после ") +
           DateToStr(last->addDays(ResetWaitDays - 1));
}
