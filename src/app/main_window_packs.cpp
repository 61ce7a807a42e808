// Question packs: a pack made with the question tool is merged into the
// question table once, remembered by its name in tulip.dat, and deleted.
#include "app/main_window.h"

#include "adverts/clip_links.h"
#include "app/table_session.h"
#include "platform/services.h"
#include "storage/ini_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString MergedPacksKey = QStringLiteral("AddFaq-1-4");

} // namespace

QString MainWindow::advertFile() const { return ::advertFile(m_services.paths.dataFolder); }

void MainWindow::NewFaq()
{
    const QString chosen =
        m_services.dialogs.openFile(QStringLiteral("Новые вопросы"), QStringLiteral("Пополнение вопросов"),
                                    QStringLiteral("faq??.dbf"), m_services.paths.dataFolder);
    if (chosen.isEmpty())
        return;
    const QFileInfo pack(chosen);
    const QString name = pack.fileName();
    QString merged = IniReadStr(advertFile(), CommonSection, MergedPacksKey, {});
    // A name within the list counts as merged, as part of a longer one too.
    if (merged.contains(name)) {
        m_services.dialogs.error(QStringLiteral("Эта порция вопросов уже загружена!"));
        return;
    }
    merged += u';' + name;
    if (!appendPack(pack))
        return;
    IniWriteStr(advertFile(), CommonSection, MergedPacksKey, merged);
    m_services.dialogs.info(QStringLiteral("Новая порция вопросов благополучно добавлена!"));
    QFile::remove(chosen);
}

bool MainWindow::appendPack(const QFileInfo& pack)
{
    const TableSession packSession(m_packTable);
    const TableSession questionSession(m_questionTable);
    m_packTable.SetDatabaseName(pack.absolutePath());
    m_packTable.SetTableName(pack.fileName());
    m_packTable.OpenTable();
    m_questionTable.SetDatabaseName(m_services.paths.dataFolder);
    m_questionTable.OpenTable();
    // Refused before a byte is copied: the question table stays as it was.
    if (m_packTable.IsSameFile(m_questionTable)) {
        m_services.dialogs.error(
            QStringLiteral("Таблицу вопросов нельзя добавить к ней самой. Выберите порцию вопросов (faq??.dbf)."));
        return false;
    }
    if (!m_packTable.HasSameLayout(m_questionTable)) {
        m_services.dialogs.error(
            QStringLiteral("Файл %1 — не порция вопросов: его записи устроены не так, как в таблице вопросов. "
                           "Ничего не добавлено.")
                .arg(pack.fileName()));
        return false;
    }
    while (!m_packTable.AtEnd()) {
        m_packTable.AppendCopyTo(m_questionTable);
        m_packTable.GoNext();
    }
    return true;
}
