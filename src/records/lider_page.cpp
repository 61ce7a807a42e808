#include "records/lider_page.h"

#include "storage/app_error.h"
#include "storage/atomic_file.h"
#include "storage/code_page.h"

#include <QDir>

namespace {

// The separator is shown below the tenth row: the top ten above it.
constexpr int TopTenCount = 10;

const QStringList PageHead{
    QStringLiteral("<HTML>"),
    QStringLiteral("<HEAD>"),
    QStringLiteral("<meta charset=\"windows-1251\">"),
    QStringLiteral("<TITLE>QZ Soft</TITLE>"),
    QStringLiteral("</HEAD>"),
    QStringLiteral("<body background=\"IMG/colorbar.jpg\" bgcolor=\"#FFFFFF\" text=\"#000000\" "
                   "link=\"#000000\" vlink=\"#000000\">"),
    QStringLiteral("</BODY>"),
    QStringLiteral("<base target=\"top\">"),
    QStringLiteral(
        "<table width=\"100%\" border=\"1\" BORDERCOLOR=\"#FF0000\" bgcolor=\"#ffffff\">"),
    QStringLiteral("<caption><font size=4><b>Zambrel!</b></caption>"),
    QStringLiteral("<tr BGCOLOR=\"#800000\">"),
    QStringLiteral("  <th><b><i><font size=2 color=\"#ffffff\">Очки</b></i></th>"),
    QStringLiteral("  <th><b><i><font size=2 color=\"#ffffff\">Игроки</b></i></th>"),
    QStringLiteral("  <th><b><i><font size=2 color=\"#ffffff\">Сумма(руб.)</b></i></th>"),
    QStringLiteral("  <th><b><i><font size=2 color=\"#ffffff\">Дата & Время</b></i></th>"),
    QStringLiteral("  <th><b><i><font size=2 color=\"#ffffff\">Место</b></i></th>"),
    QStringLiteral("</tr>"),
};

QString tableRow(const QStringList& cells) {
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        row += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
    return row + QStringLiteral("</tr>");
}

} // namespace

QStringList LiderPageLines(const QList<RankingRow>& rows) {
    QStringList lines = PageHead;
    bool separated = false;
    for (qsizetype shown = 1; shown <= rows.size(); ++shown) {
        const RankingRow& row = rows[shown - 1];
        const QString score = row.scoreText();
        lines.append(tableRow({score, row.name, QString::number(row.money), row.date, row.city}));
        if (!separated && (shown == TopTenCount || score == QStringLiteral("0"))) {
            lines.append(tableRow(QStringList(5)));
            separated = true;
        }
    }
    lines.append(QStringLiteral("</table>"));
    lines.append(QStringLiteral("</HTML>"));
    return lines;
}

QString WriteLiderPage(const QString& folder, const QList<RankingRow>& rows) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(LiderPageName));
    QByteArray content;
    for (const QString& line : LiderPageLines(rows))
        content += cp1251::encode(line) + "\r\n";
    if (!replaceFileAtomically(path, content))
        throw AppError(QStringLiteral("Cannot create file %1").arg(path));
    return path;
}
