// Reads arbitrary bytes as an authors' question sheet and reviews what it
// accepts: a sheet the tool cannot take must be refused with an AppError
// that names its faults, never a crash or a hang.
#include "question_sheet.h"
#include "sheet_review.h"
#include "storage/app_error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray sheet(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const std::vector<QuestionRecord> records = QuestionSheet::Parse(sheet);
        for (const QuestionRecord& record : records)
            if (record.level < 1 || record.level > QuestionRecord::MaxLevel || record.right < 1 ||
                record.right > 4)
                std::abort();
        reviewSheet(records);
    } catch (const AppError& error) {
        if (error.text().isEmpty())
            std::abort();
    }
    return 0;
}
