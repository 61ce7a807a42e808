#include "question_table_writer.h"

#include "storage/app_error.h"
#include "questions/dbf_field.h"
#include "questions/dbf_header.h"

#include <QSaveFile>

namespace {

constexpr quint8 DBase3 = 0x03;
constexpr int DescriptorSize = 32;
constexpr char Terminator = 0x0D;
constexpr char EndOfData = 0x1A;

const std::vector<DbfField>& questionFields() {
    static const std::vector<DbfField> fields = [] {
        std::vector<DbfField> list;
        int offset = 1;
        const auto add = [&](const QByteArray& name, char type, int length) {
            list.emplace_back(name, type, offset, length, 0);
            offset += length;
        };
        add("NN", 'N', 2);
        for (int text = 0; text < QuestionRecord::TextCount; ++text)
            add(QuestionRecord::TextFields()[text], 'C', QuestionRecord::TextLength(text));
        add("ZN", 'N', 1);
        return list;
    }();
    return fields;
}

int recordLength() {
    return questionFields().back().offset() + questionFields().back().length();
}

QByteArray descriptor(const DbfField& field) {
    QByteArray bytes(DescriptorSize, '\0');
    bytes.replace(0, field.name().size(), field.name());
    bytes[11] = field.type();
    bytes[16] = char(field.length() & 0xFF);
    bytes[17] = char(field.type() == 'C' ? field.length() >> 8 : field.decimals());
    return bytes;
}

} // namespace

void QuestionTableWriter::Write(const QString& path, const std::vector<QuestionRecord>& records,
                                const QDateTime& now) {
    QByteArray table = header(int(records.size()), now);
    for (const QuestionRecord& question : records)
        table += record(question);
    table += EndOfData;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(table) != table.size() || !file.commit())
        throw AppError(QStringLiteral("Unable to write to %1: %2").arg(path, file.errorString()));
}

QByteArray QuestionTableWriter::header(int recordCount, const QDateTime& now) {
    const int headerLength = DbfHeader::Size + int(questionFields().size()) * DescriptorSize + 1;
    DbfHeader header = DbfHeader::Blank(DBase3, quint16(headerLength), quint16(recordLength()));
    header.restamp(quint32(recordCount), now, 0);
    QByteArray bytes = header.bytes();
    for (const DbfField& field : questionFields())
        bytes += descriptor(field);
    bytes += Terminator;
    return bytes;
}

QByteArray QuestionTableWriter::record(const QuestionRecord& question) {
    QByteArray bytes(recordLength(), ' ');
    const std::vector<DbfField>& fields = questionFields();
    fields.front().setInteger(bytes, question.level);
    for (int text = 0; text < QuestionRecord::TextCount; ++text)
        fields[text + 1].setText(bytes, question.stored[text]);
    fields.back().setInteger(bytes, question.right);
    return bytes;
}
