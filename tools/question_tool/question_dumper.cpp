#include "question_dumper.h"

#include "question_record.h"
#include "question_sheet.h"
#include "question_table_reader.h"

namespace {

QByteArray rightLetter(const QByteArray& number) {
    const QByteArray letters = "ABCD";
    const int right = number.size() == 1 ? number[0] - '1' : -1;
    return right >= 0 && right < letters.size() ? letters.mid(right, 1) : number;
}

} // namespace

QByteArray QuestionDumper::Dump(const QString& path, bool withDeleted) {
    QuestionTableReader table(path, withDeleted);
    QByteArray sheet = QuestionSheet::HeaderLine();
    if (withDeleted)
        sheet += "\tdeleted";
    sheet += '\n';
    for (; !table.atEnd(); table.next()) {
        sheet += table.levelText();
        for (int text = 0; text < QuestionRecord::TextCount; ++text)
            sheet += '\t' + QuestionSheet::Cell(table.text(text));
        sheet += '\t' + rightLetter(table.rightText());
        if (withDeleted)
            sheet += table.deleted() ? "\t*" : "\t";
        sheet += '\n';
    }
    return sheet;
}
