// Feeds arbitrary bytes to the INI reader and writer: every read must stay
// inside the text, and a write must keep the document readable. The readers
// and the one-value write that work on a large file's bytes must agree with
// the whole document.
#include "storage/ini_document.h"
#include "storage/ini_sections.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniDocument document(content);
    if (document.toBytes() != content)
        __builtin_trap();  // an untouched document must give back its bytes

    const QByteArrayList sections = document.sectionNames();
    for (const QByteArray& section : sections) {
        const auto value = document.value(section, "k");
        if (value && value->size() > IniMaxValueLength)
            __builtin_trap();
        const auto found = findIniValue(content, section, "k");
        if (found.has_value() != value.has_value() || (found && found->toByteArray() != *value))
            __builtin_trap();
    }
    const QByteArray section = sections.isEmpty() ? QByteArray("S") : sections.front();
    document.setValue(section, "k", "v");
    if (withIniValue(content, section, "k", "v") != document.toBytes())
        __builtin_trap();
    if (IniDocument(document.toBytes()).value(section, "k") != QByteArray("v"))
        __builtin_trap();
    document.eraseSection(section);
    return 0;
}
