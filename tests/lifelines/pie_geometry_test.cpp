#include "lifelines/pie_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <numeric>
#include <set>

namespace {

const QSize PollChart(264, 214);
const QSize MarkBox(56, 15);
constexpr int TitleHeight = 15;

int spanSum(const std::vector<PieArc>& arcs) {
    return std::accumulate(arcs.begin(), arcs.end(), 0,
                           [](int sum, const PieArc& arc) { return sum + arc.span; });
}

// Whether a point lies on the pie as seen: its top, its wall or the bottom
// rim of the wall.
bool onPie(const PieLayout& layout, QPointF point) {
    const QRectF top(layout.top);
    const auto inEllipse = [&](const QRectF& ellipse) {
        const double x = (point.x() - ellipse.center().x()) / (ellipse.width() / 2);
        const double y = (point.y() - ellipse.center().y()) / (ellipse.height() / 2);
        return x * x + y * y < 1.0;
    };
    const QRectF side(top.left(), top.center().y(), top.width(), layout.depth);
    return inEllipse(top) || inEllipse(top.translated(0, layout.depth)) || side.contains(point);
}

// A slice of 30 degrees whose middle lies at the given angle in degrees.
PieArc sliceAround(int degrees) {
    return {(degrees - 15) * 16, 30 * 16};
}

} // namespace

TEST(MarkText, ShowsTheShareWithUpToTwoDecimalsAndTheDecimalComma) {
    EXPECT_EQ(markText("A", 20, 50), "A 40 %");
    EXPECT_EQ(markText("B", 1, 3), "B 33,33 %");
    EXPECT_EQ(markText("C", 2, 3), "C 66,67 %");
    EXPECT_EQ(markText("D", 0, 50), "D 0 %");
    EXPECT_EQ(markText("A", 10, 10), "A 100 %");
    EXPECT_EQ(markText("B", 1, 8), "B 12,5 %");
    EXPECT_EQ(markText("C", 1, 20), "C 5 %");
    EXPECT_EQ(markText("D", 1, 50), "D 2 %");
    EXPECT_EQ(markText("A", 1, 40), "A 2,5 %");
}

TEST(MarkText, RoundsAHalfHundredthUpAndShowsNoShareOfNothing) {
    EXPECT_EQ(markText("A", 1, 32), "A 3,13 %"); // 3.125
    EXPECT_EQ(markText("B", 3, 32), "B 9,38 %"); // 9.375
    EXPECT_EQ(markText("C", 1, 200), "C 0,5 %");
    EXPECT_EQ(markText("D", 1, 20001), "D 0 %"); // 0.004999...
    EXPECT_EQ(markText("A", 0, 0), "A 0 %");
}

TEST(SliceArcs, SharesTheCircleInProportionFromTheRotationCounterClockwise) {
    const std::vector<PieArc> arcs = sliceArcs({20, 10, 10, 10}, 0);
    EXPECT_EQ(arcs, (std::vector<PieArc>{{0, 2304}, {2304, 1152}, {3456, 1152}, {4608, 1152}}));
    const std::vector<PieArc> turned = sliceArcs({20, 10}, 45);
    EXPECT_EQ(turned, (std::vector<PieArc>{{720, 3840}, {4560, 1920}}));
}

TEST(SliceArcs, AlwaysMakeAWholeCircleAndEndWhereTheFirstBegins) {
    for (const std::vector<int>& values :
         {std::vector<int>{1, 1, 1, 1, 1, 1, 1}, {17, 13, 11, 9}, {49, 1}, {7, 0, 3}, {50}}) {
        for (const int rotation : {0, 5, 180, 355}) {
            const std::vector<PieArc> arcs = sliceArcs(values, rotation);
            EXPECT_EQ(spanSum(arcs), FullCircle);
            EXPECT_EQ(arcs.front().start, rotation * 16);
            for (std::size_t i = 1; i < arcs.size(); ++i) {
                EXPECT_EQ(arcs[i].start, (arcs[i - 1].start + arcs[i - 1].span) % FullCircle);
            }
        }
    }
}

TEST(SliceArcs, ZeroVotesHaveNoSpanAndNoVotesAtAllNoPie) {
    const std::vector<PieArc> arcs = sliceArcs({25, 0, 25, 0}, 90);
    EXPECT_EQ(arcs[1], (PieArc{4320, 0}));
    EXPECT_EQ(arcs[3].span, 0);
    EXPECT_EQ(spanSum(sliceArcs({0, 0}, 10)), 0);
}

TEST(VisibleWall, IsThePartOfTheSliceInTheFrontHalf) {
    EXPECT_TRUE(visibleWall({0, 180 * 16}).empty());
    EXPECT_TRUE(visibleWall({30 * 16, 100 * 16}).empty());
    EXPECT_EQ(visibleWall({200 * 16, 40 * 16}), (std::vector<PieArc>{{200 * 16, 40 * 16}}));
    EXPECT_EQ(visibleWall({150 * 16, 60 * 16}), (std::vector<PieArc>{{180 * 16, 30 * 16}}));
    EXPECT_EQ(visibleWall({330 * 16, 60 * 16}), (std::vector<PieArc>{{330 * 16, 30 * 16}}));
    EXPECT_EQ(visibleWall({90 * 16, 300 * 16}), (std::vector<PieArc>{{180 * 16, 180 * 16}}));
    EXPECT_TRUE(visibleWall({100 * 16, 0}).empty());
}

TEST(VisibleWall, OfASliceWiderThanAHalfCanShowAtBothEnds) {
    EXPECT_EQ(visibleWall({300 * 16, 270 * 16}),
              (std::vector<PieArc>{{300 * 16, 60 * 16}, {180 * 16, 30 * 16}}));
}

TEST(PieLayout, TopIsSeenFrom45DegreesAboveAndCentredUnderTheTitle) {
    const PieLayout layout = pieLayout(PollChart, TitleHeight, MarkBox);
    EXPECT_NEAR(layout.top.height(), layout.top.width() * std::cos(std::numbers::pi / 4), 1.0);
    EXPECT_GT(layout.depth, 0);
    EXPECT_LT(layout.depth, layout.top.height() / 2);
    EXPECT_NEAR(layout.top.center().x(), PollChart.width() / 2, 1);
    EXPECT_EQ(layout.title, QRect(0, 2, PollChart.width(), TitleHeight));
    EXPECT_GT(layout.top.top(), layout.title.bottom() + MarkArrowLength + MarkBox.height());
    // The poll's panel leaves room for a pie more than 100 pixels across.
    EXPECT_GT(layout.top.width(), 100);
}

TEST(PieLayout, PieGrowsWithTheChartAndVanishesInOneTooSmall) {
    const int poll = pieLayout(PollChart, TitleHeight, MarkBox).top.width();
    EXPECT_GT(pieLayout({528, 428}, TitleHeight, MarkBox).top.width(), poll);
    EXPECT_TRUE(pieLayout({100, 60}, TitleHeight, MarkBox).top.isEmpty());
}

TEST(MarkPlace, ArrowIsEightPixelsLongAndPointsAwayFromTheCentre) {
    const PieLayout layout = pieLayout(PollChart, TitleHeight, MarkBox);
    const QPointF centre = QRectF(layout.top).center();
    for (int degrees = 0; degrees < 360; degrees += 5) {
        const MarkPlace place = markPlace(layout, sliceAround(degrees), MarkBox);
        const QPointF arrow = place.arrowEnd - place.anchor;
        EXPECT_NEAR(std::hypot(arrow.x(), arrow.y()), MarkArrowLength, 1e-9);
        const QPointF out = place.anchor - centre;
        EXPECT_GT(arrow.x() * out.x() + arrow.y() * out.y(), 0.0) << degrees;
    }
}

TEST(MarkPlace, ArrowLeavesTheTopRimBehindAndTheWallsLowerRimInFront) {
    const PieLayout layout = pieLayout(PollChart, TitleHeight, MarkBox);
    const QRectF top(layout.top);
    const MarkPlace back = markPlace(layout, sliceAround(90), MarkBox);
    EXPECT_NEAR(back.anchor.x(), top.center().x(), 1e-9);
    EXPECT_NEAR(back.anchor.y(), top.top(), 1e-9);
    const MarkPlace front = markPlace(layout, sliceAround(270), MarkBox);
    EXPECT_NEAR(front.anchor.y(), top.bottom() + layout.depth, 1e-9);
    const MarkPlace right = markPlace(layout, sliceAround(0), MarkBox);
    EXPECT_NEAR(right.anchor.x(), top.right(), 1e-9);
    EXPECT_EQ(right.box.left(), qRound(right.arrowEnd.x()));
}

TEST(MarkPlace, MarksNeverCoverThePieAndStayInTheChartAtAnyTurn) {
    for (const QSize chart : {PollChart, QSize(528, 428), QSize(264, 400), QSize(400, 160)}) {
        const PieLayout layout = pieLayout(chart, TitleHeight, MarkBox);
        const QRect below(0, layout.title.bottom() + 1, chart.width(),
                          chart.height() - layout.title.bottom() - 1);
        for (int degrees = 0; degrees < 360; degrees += 5) {
            const QRect box = markPlace(layout, sliceAround(degrees), MarkBox).box;
            EXPECT_TRUE(below.contains(box)) << degrees << " in " << chart.width();
            bool covers = false;
            for (int x = box.left(); x <= box.right(); ++x) {
                covers |=
                    onPie(layout, QPointF(x, box.top())) || onPie(layout, QPointF(x, box.bottom()));
            }
            for (int y = box.top(); y <= box.bottom(); ++y) {
                covers |=
                    onPie(layout, QPointF(box.left(), y)) || onPie(layout, QPointF(box.right(), y));
            }
            EXPECT_FALSE(covers) << degrees << " in " << chart.width();
        }
    }
}

TEST(TurnedRotation, StepsFiveDegreesAndComesRoundIn72Turns) {
    EXPECT_EQ(turnedRotation(0), 5);
    EXPECT_EQ(turnedRotation(355), 0);
    std::set<int> seen;
    int rotation = 40;
    for (int turn = 0; turn < 72; ++turn) {
        rotation = turnedRotation(rotation);
        seen.insert(rotation);
    }
    EXPECT_EQ(rotation, 40);
    EXPECT_EQ(seen.size(), 72u);
    EXPECT_EQ(*seen.rbegin(), 355);
}
