// zambrel-adverts: the authors' tool for the advertisement clips. It builds
// tulip.dat, which the game reads its clips from, out of a clips folder.
#include "advert_builder.h"
#include "storage/app_error.h"

#include <QStringList>

#include <cstdio>

namespace {

constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;

const char UsageText[] =
    "Usage:\n"
    "  zambrel-adverts build CLIPS_FOLDER TULIP.dat\n"
    "      Write the advertisement clips of CLIPS_FOLDER into TULIP.dat. The\n"
    "      folder holds clips.txt, one clip a line in the order of showing:\n"
    "          icon | web address | e-mail address | clip file\n"
    "      (icon ICO1 to ICO8 or empty, links may be empty, no \";\" in a field;\n"
    "      \"#\" starts a comment line), and the clip files: RTF pages in UTF-8,\n"
    "      no line beginning with \"[\". When TULIP.dat exists, only its clips are\n"
    "      replaced: the merged question packs (\"AddFaq-1-4\") and every other\n"
    "      key of COMMON stay as they are. Nothing is written when any line is\n"
    "      refused.\n"
    "  zambrel-adverts --help\n"
    "Exit status: 0 done, 1 failed, 2 wrong usage.\n";

void print(std::FILE* stream, const QByteArray& text) {
    std::fwrite(text.constData(), 1, size_t(text.size()), stream);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args == QStringList{QStringLiteral("--help")}) {
        print(stdout, UsageText);
        return Ok;
    }
    if (args.size() != 3 || args[0] != QStringLiteral("build")) {
        print(stderr, UsageText);
        return Usage;
    }
    try {
        AdvertBuilder::Build(args[1], args[2]);
        return Ok;
    } catch (const AppError& error) {
        print(stderr, "zambrel-adverts: " + (error.text() + u'\n').toUtf8());
        return Failed;
    }
}
