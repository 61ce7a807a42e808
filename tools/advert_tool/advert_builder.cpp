#include "advert_builder.h"

#include "advert_data_file.h"
#include "clip_manifest.h"
#include "clip_page.h"
#include "storage/app_error.h"
#include "storage/whole_file.h"

#include <QDir>

void AdvertBuilder::Build(const QString& clipsFolder, const QString& dataPath) {
    const QDir folder(clipsFolder);
    const QString manifestPath = folder.filePath(QString::fromLatin1(ManifestName));
    const auto manifest = readWholeFile(manifestPath);
    if (!manifest)
        throw AppError(QStringLiteral("Cannot find file %1").arg(manifestPath));

    QStringList problems;
    QList<AdvertClip> clips;
    for (const ClipEntry& entry : ClipManifest::Parse(*manifest, manifestPath, problems)) {
        if (entry.pageFile.isEmpty())
            continue;
        const QString pagePath = folder.filePath(entry.pageFile);
        const auto source = readWholeFile(pagePath);
        if (!source) {
            problems << QStringLiteral("%1:%2: there is no clip file %3")
                            .arg(manifestPath)
                            .arg(entry.line)
                            .arg(pagePath);
            continue;
        }
        clips.append({entry.links(), ClipPage::FromSource(*source, pagePath, problems)});
    }
    if (!problems.isEmpty())
        throw AppError(problems.join(u'\n'));
    AdvertDataFile::Write(dataPath, clips);
}
