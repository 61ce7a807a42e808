// Builds tulip.dat from an author's clips folder: the manifest clips.txt and
// the pages it names. Every problem of every line is found before anything
// is written, so a refused folder leaves tulip.dat as it was.
#pragma once

#include <QString>

class AdvertBuilder {
public:
    static constexpr char ManifestName[] = "clips.txt";

    // Throws AppError with one line per problem, each naming its file and line.
    static void Build(const QString& clipsFolder, const QString& dataPath);
};
