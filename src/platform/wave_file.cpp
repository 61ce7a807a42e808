#include "platform/wave_file.h"

#include <QFile>

#include <cstdint>

namespace {
std::uint32_t le32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (std::uint32_t(u[3]) << 24);
}
} // namespace

int waveDurationMs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    std::uint32_t byteRate = 0;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const std::uint32_t size = le32(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = file.read(size);
            if (fmt.size() < 16)
                return -1;
            byteRate = le32(fmt.constData() + 8);
            if (size % 2)
                file.skip(1);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0)
                return -1;
            return static_cast<int>(std::uint64_t(size) * 1000 / byteRate);
        } else if (!file.skip(size + size % 2)) {
            return -1;
        }
    }
}
