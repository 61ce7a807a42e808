#include "support/modal_answer.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

constexpr auto ShortDeadline = 200ms;

// The box a player would leave standing.
class StandingBox : public QMessageBox {
public:
    StandingBox()
        : QMessageBox(QMessageBox::Question, QStringLiteral("Вопрос"), QStringLiteral("?")) {
        setWindowModality(Qt::ApplicationModal);
    }
};

} // namespace

TEST(ModalAnswer, AnswersTheBoxOnceItIsUp) {
    StandingBox box;
    int answers = 0;
    {
        const ModalAnswer answer(QStringLiteral("the box"), [&](QWidget& modal) {
            ++answers;
            EXPECT_EQ(&modal, &box);
            box.done(7);
        });
        EXPECT_EQ(box.exec(), 7);
    }
    EXPECT_EQ(answers, 1);
}

TEST(ModalAnswer, ABoxLeftStandingIsClosedAtTheDeadlineAndFailsTheTestByItsName) {
    StandingBox box;
    QElapsedTimer clock;
    clock.start();
    EXPECT_NONFATAL_FAILURE(
        {
            const ModalAnswer ignored(
                QStringLiteral("the standing box"), [](QWidget&) {}, ShortDeadline);
            box.exec();
        },
        "Not answered: the standing box stayed open");
    EXPECT_FALSE(box.isVisible());
    EXPECT_LT(clock.elapsed(), 10 * ShortDeadline.count());
}

// An answer that opens a box of its own and leaves it: both loops end.
TEST(ModalAnswer, EveryNestedBoxIsClosedAtTheDeadline) {
    QDialog outer;
    outer.setWindowModality(Qt::ApplicationModal);
    StandingBox inner;
    EXPECT_NONFATAL_FAILURE(
        {
            const ModalAnswer nested(
                QStringLiteral("the outer box"), [&](QWidget&) { inner.exec(); }, ShortDeadline);
            EXPECT_EQ(outer.exec(), QDialog::Rejected);
        },
        "the outer box");
    EXPECT_FALSE(inner.isVisible());
    EXPECT_FALSE(outer.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ModalAnswer, ASecondBoxAfterTheAnsweredOneIsClosedAtTheDeadline) {
    StandingBox first;
    StandingBox second;
    second.setWindowTitle(QStringLiteral("Ещё вопрос"));
    EXPECT_NONFATAL_FAILURE(
        {
            const ModalAnswer answer(
                QStringLiteral("the first box"), [&](QWidget&) { first.done(QDialog::Accepted); },
                ShortDeadline);
            first.exec();
            second.exec();
        },
        "Ещё вопрос");
    EXPECT_FALSE(second.isVisible());
}

// It fails where it ends, and never answers the box of the next test.
TEST(ModalAnswer, AHelperThatNeverSeesItsBoxFailsAndLeavesNothingBehind) {
    int staleAnswers = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            const ModalAnswer unseen(QStringLiteral("the missing box"), [&](QWidget& modal) {
                ++staleAnswers;
                static_cast<QDialog&>(modal).done(1);
            });
        },
        "Not answered: the missing box never showed");
    StandingBox next;
    const ModalAnswer answer(QStringLiteral("the next box"), [&](QWidget&) { next.done(2); });
    EXPECT_EQ(next.exec(), 2);
    EXPECT_EQ(staleAnswers, 0);
}
