#include "windows/qt_dialogs.h"

#include "support/modal_answer.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// What the player saw in a message box.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::TextFormat format = Qt::AutoText;
};

SeenBox look(QMessageBox& box) {
    SeenBox seen{box.windowTitle(), box.text(), box.icon(), {}, box.textFormat()};
    for (QAbstractButton* button : box.buttons())
        seen.buttons << button->text();
    return seen;
}

QMessageBox& asBox(QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    EXPECT_NE(box, nullptr);
    return *box;
}

QAbstractButton* buttonTitled(QWidget& window, const QString& text) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Types Cyrillic text key by key, as a Russian keyboard would.
void typeInto(QWidget& box, const QString& text) {
    for (const QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(letter), Qt::NoModifier);
}

// Types the name into the dialog's name box and presses "Открыть". Choosing
// through selectFile() may choose nothing: it leaves the name box alone once
// the box has the focus, which comes whenever the window is activated.
void chooseByName(QFileDialog& dialog, const QString& name) {
    auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameBox, nullptr);
    nameBox->setText(name);
    QAbstractButton* open = buttonTitled(dialog, QStringLiteral("Открыть"));
    ASSERT_NE(open, nullptr);
    open->click();
}

// Shows a box through `show` and closes it with its OK button.
SeenBox seenOkBox(const std::function<void(QtDialogs&)>& show) {
    SeenBox seen;
    const ModalAnswer okPressed(QStringLiteral("the message box"), [&](QWidget& modal) {
        QMessageBox& box = asBox(modal);
        seen = look(box);
        box.button(QMessageBox::Ok)->click();
    });
    QtDialogs dialogs;
    show(dialogs);
    return seen;
}

} // namespace

TEST(QtDialogs, InfoIsTitledInformationWithInformationIconAndOk) {
    const SeenBox seen = seenOkBox([](QtDialogs& d) { d.info(QStringLiteral("Игра окончена")); });
    EXPECT_EQ(seen.title, QStringLiteral("Информация"));
    EXPECT_EQ(seen.text, QStringLiteral("Игра окончена"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
}

TEST(QtDialogs, ErrorIsTitledErrorWithCriticalIconAndOk) {
    const SeenBox seen = seenOkBox([](QtDialogs& d) { d.error(QStringLiteral("Нет денег")); });
    EXPECT_EQ(seen.title, QStringLiteral("Ошибка"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
}

TEST(QtDialogs, RuntimeErrorIsTitledWithTheGameAndClosedWithFullStop) {
    const SeenBox seen = seenOkBox(
        [](QtDialogs& d) { d.runtimeError(QStringLiteral("Cannot open file TULIP.DBF")); });
    EXPECT_EQ(seen.title, QStringLiteral("Zambrel"));
    EXPECT_EQ(seen.text, QStringLiteral("Cannot open file TULIP.DBF."));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

// "\r" breaks the line, alone or before "\n"; markup in a name stays text.
TEST(QtDialogs, CarriageReturnBreaksTheLineAndMarkupStaysText) {
    const SeenBox seen =
        seenOkBox([](QtDialogs& d) { d.info(QStringLiteral("Игрок <b>Иван</b>\rбаланс\r\n100")); });
    EXPECT_EQ(seen.text, QStringLiteral("Игрок <b>Иван</b>\nбаланс\n100"));
    EXPECT_EQ(seen.format, Qt::PlainText);
}

TEST(QtDialogs, BoxGivesTheMouseBackItsArrow) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    bool arrowInBox = false;
    const ModalAnswer okPressed(QStringLiteral("the error box"), [&](QWidget& modal) {
        arrowInBox = QApplication::overrideCursor() == nullptr;
        asBox(modal).button(QMessageBox::Ok)->click();
    });
    QtDialogs().error(QStringLiteral("x"));
    EXPECT_TRUE(arrowInBox);
}

TEST(QtDialogs, AskYesNoOffersOnlyYesAndNo) {
    SeenBox seen;
    const ModalAnswer noPressed(QStringLiteral("the question box"), [&](QWidget& modal) {
        QMessageBox& box = asBox(modal);
        seen = look(box);
        buttonTitled(box, QStringLiteral("Нет"))->click();
    });
    EXPECT_FALSE(QtDialogs().askYesNo(QStringLiteral("Сыграем ещё?")));
    EXPECT_EQ(seen.title, QStringLiteral("Вопрос"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    seen.buttons.sort();
    EXPECT_EQ(seen.buttons, QStringList({QStringLiteral("Да"), QStringLiteral("Нет")}));
}

// Escape and the window's close button leave the question standing.
TEST(QtDialogs, AskYesNoCannotBeClosedWithoutAnAnswer) {
    bool openAfterEscape = false;
    bool openAfterClose = false;
    const ModalAnswer yesPressed(QStringLiteral("the question box"), [&](QWidget& modal) {
        QMessageBox& box = asBox(modal);
        QTest::keyClick(&box, Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &box,
                        Qt::Key_Escape);
        openAfterEscape = box.isVisible();
        box.close();
        openAfterClose = box.isVisible();
        buttonTitled(box, QStringLiteral("Да"))->click();
    });
    EXPECT_TRUE(QtDialogs().askYesNo(QStringLiteral("Сыграем ещё?")));
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(openAfterClose);
}

TEST(QtDialogs, InputTextGivesTheTypedText) {
    QString caption;
    QString prompt;
    const ModalAnswer typed(QStringLiteral("the name box"), [&](QWidget& modal) {
        auto& input = dynamic_cast<QInputDialog&>(modal);
        caption = input.windowTitle();
        prompt = input.labelText();
        input.setTextValue(QStringLiteral("Пётр"));
        input.accept();
    });
    EXPECT_EQ(QtDialogs().inputText(QStringLiteral("Новая игра"), QStringLiteral("Ваше имя:"),
                                    QStringLiteral("Иван")),
              QStringLiteral("Пётр"));
    EXPECT_EQ(caption, QStringLiteral("Новая игра"));
    EXPECT_EQ(prompt, QStringLiteral("Ваше имя:"));
}

// The name and the city both go through this box; typing stops at 40.
TEST(QtDialogs, InputTextTakesAtMostFortyCharacters) {
    const QString typed = QStringLiteral("Константин Константинопольский-Задунайский Младший");
    ASSERT_EQ(typed.size(), 50);
    const ModalAnswer typedAndAccepted(QStringLiteral("the name box"), [&](QWidget& modal) {
        auto& input = dynamic_cast<QInputDialog&>(modal);
        auto* nameBox = input.findChild<QLineEdit*>();
        ASSERT_NE(nameBox, nullptr);
        nameBox->clear();
        typeInto(*nameBox, typed);
        input.accept();
    });
    EXPECT_EQ(QtDialogs().inputText(QStringLiteral("Новая игра"), QStringLiteral("Ваше имя:"),
                                    QStringLiteral("Иван")),
              typed.left(40));
}

TEST(QtDialogs, InputTextGivesTheDefaultBackOnCancel) {
    QString offered;
    QStringList buttons;
    const ModalAnswer cancelled(QStringLiteral("the name box"), [&](QWidget& modal) {
        auto& input = dynamic_cast<QInputDialog&>(modal);
        offered = input.textValue();
        for (const QPushButton* button : input.findChildren<QPushButton*>())
            buttons << button->text();
        input.findChild<QLineEdit*>()->setText(QStringLiteral("Пётр"));
        input.reject();
    });
    EXPECT_EQ(QtDialogs().inputText(QStringLiteral("Новая игра"), QStringLiteral("Ваше имя:"),
                                    QStringLiteral("Иван")),
              QStringLiteral("Иван"));
    EXPECT_EQ(offered, QStringLiteral("Иван"));
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({QStringLiteral("OK"), QStringLiteral("Отмена")}));
}

TEST(QtDialogs, OpenFileOffersOneFilterInTheFolderAndGivesTheChosenFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile pack(folder.filePath(QStringLiteral("faq01.dbf")));
    ASSERT_TRUE(pack.open(QIODevice::WriteOnly));
    pack.close();
    QStringList filters;
    QString shownFolder;
    QString title;
    const ModalAnswer chosen(QStringLiteral("the file-open dialog"), [&](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        filters = dialog.nameFilters();
        shownFolder = dialog.directory().absolutePath();
        title = dialog.windowTitle();
        chooseByName(dialog, QFileInfo(pack).fileName());
    });
    const QString file =
        QtDialogs().openFile(QStringLiteral("Добавить вопросы"), QStringLiteral("Вопросы"),
                             QStringLiteral("faq??.dbf"), folder.path());
    EXPECT_EQ(QFileInfo(file).canonicalFilePath(), QFileInfo(pack).canonicalFilePath());
    EXPECT_EQ(filters, QStringList{QStringLiteral("Вопросы (faq??.dbf)")});
    EXPECT_EQ(shownFolder, QDir(folder.path()).absolutePath());
    EXPECT_EQ(title, QStringLiteral("Добавить вопросы"));
}

TEST(QtDialogs, OpenFileGivesNothingOnCancel) {
    const ModalAnswer cancelled(QStringLiteral("the file-open dialog"),
                                [](QWidget& modal) { dynamic_cast<QFileDialog&>(modal).reject(); });
    EXPECT_EQ(QtDialogs().openFile(QStringLiteral("Добавить вопросы"), QStringLiteral("Вопросы"),
                                   QStringLiteral("faq??.dbf"), QDir::tempPath()),
              QString());
}
