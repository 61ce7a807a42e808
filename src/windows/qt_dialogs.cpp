#include "windows/qt_dialogs.h"

#include "windows/answer_only_filter.h"
#include "windows/full_stop.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A longer name or city would crowd the ranking and the boxes that address the player.
constexpr int LongestTypedText = 40;

// The busy cursor of a long command must not hang over a box the player answers.
void restoreArrowCursor() {
    while (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
}

// "\r" (alone or before "\n") breaks the line.
QString withLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void prepareBox(QMessageBox& box, const QString& text) {
    restoreArrowCursor();
    // Texts may carry file names and player names: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(withLineBreaks(text));
    box.setWindowModality(Qt::ApplicationModal);
}

void showOkBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, QString(), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    prepareBox(box, text);
    box.exec();
}

} // namespace

void QtDialogs::info(const QString& text) {
    showOkBox(QMessageBox::Information, QStringLiteral("Информация"), text);
}

void QtDialogs::error(const QString& text) {
    showOkBox(QMessageBox::Critical, QStringLiteral("Ошибка"), text);
}

bool QtDialogs::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Вопрос"), QString(),
                    QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    const AnswerOnlyFilter onlyAnswers(box);
    prepareBox(box, text);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void QtDialogs::runtimeError(const QString& text) {
    showOkBox(QMessageBox::Critical, QStringLiteral("Zambrel"), withFullStop(text));
}

QString QtDialogs::inputText(const QString& caption, const QString& prompt,
                             const QString& defaultText) {
    restoreArrowCursor();
    QInputDialog dialog;
    dialog.setWindowTitle(caption);
    dialog.setLabelText(withLineBreaks(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.findChild<QLineEdit*>()->setMaxLength(LongestTypedText);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return defaultText;
    return dialog.textValue();
}

QString QtDialogs::openFile(const QString& title, const QString& filterName, const QString& pattern,
                            const QString& folder) {
    restoreArrowCursor();
    // Qt's own dialog, so that its captions are Russian on every desktop.
    QFileDialog dialog(nullptr, title, folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(filterName + QStringLiteral(" (") + pattern + u')');
    // A name typed without an extension takes the pattern's.
    dialog.setDefaultSuffix(QFileInfo(pattern).suffix());
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Открыть"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
