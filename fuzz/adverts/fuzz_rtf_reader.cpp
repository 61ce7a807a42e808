// Feeds arbitrary bytes to the reader of the advertisement clips: it must
// end, and what it gives must be a page the view can show, never larger than
// the clip that made it.
#include "adverts/rtf_reader.h"

#include <cstddef>
#include <cstdint>

namespace {

// A run the view can show: some text, no control character, a sane size.
bool isShowable(const RtfRun& run) {
    if (run.text.isEmpty())
        return false;
    for (const QChar ch : run.text)
        if (ch.unicode() < 0x20 && ch != u'\t')
            return false;
    const auto& size = run.format.pointSize;
    return !size || (*size >= 1 && *size <= 1638);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RtfPage page = readRtf(bytes);
    // Every character on the page costs at least one byte of the clip.
    qsizetype characters = 0;
    for (const RtfParagraph& paragraph : page.paragraphs) {
        for (const RtfRun& run : paragraph.runs) {
            if (!isShowable(run))
                __builtin_trap();
            characters += run.text.size();
        }
    }
    if (characters > bytes.size() || page.paragraphs.size() > bytes.size())
        __builtin_trap();
    return 0;
}
