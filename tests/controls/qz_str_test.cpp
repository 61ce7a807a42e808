#include "controls/qz_str.h"

#include <gtest/gtest.h>

TEST(TQzStr, AssignedLinesAreACopyThatLaterChangesToTheSourceLeaveAlone) {
    TQzStr list;
    QStringList source{QStringLiteral("[Иван]"), QStringLiteral("Balance=100")};
    list.setStrings(source);
    source[1] = QStringLiteral("Balance=0");
    source << QStringLiteral("extra");
    EXPECT_EQ(list.strings(),
              (QStringList{QStringLiteral("[Иван]"), QStringLiteral("Balance=100")}));
}

TEST(TQzStr, LinesAddedThroughTheListStayInTheComponent) {
    TQzStr list;
    list.strings() << QStringLiteral("<html>");
    list.strings() << QStringLiteral("</html>");
    EXPECT_EQ(list.strings().size(), 2);
    EXPECT_EQ(list.strings().last(), QStringLiteral("</html>"));
}
