#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "engine/engine.h"
#include "engine/geometry.h"
#include "tests/engine/fake_windows.h"

namespace pelloric {
namespace {

using test::FakeWindows;

// The two uniform values that draw `number`: its column first, then the
// number within the column.
std::vector<double> Draws(int number) {
    const int col = (number - 1) / 15 + 1;
    return {(col - 1 + 0.5) / 5.0, (number - ColumnLow(col) + 0.5) / 15.0};
}

struct DrawFixture : ::testing::Test {
    GameState s;
    FakeWindows ui;
};

TEST_F(DrawFixture, SeventyFiveDistinctBallsThenTheCallerStops) {
    ClockRandom rnd;
    Engine e(s, rnd, ui);
    ui.callerOn = true;
    std::set<int> seen;
    for (int n = 1; n <= 75; ++n) {
        const auto got = e.DrawBall();
        ASSERT_EQ(got, std::optional<int32_t>(n));
        const int ball = s.Called[n];
        EXPECT_TRUE(seen.insert(ball).second) << "ball " << ball << " twice";
        EXPECT_EQ(s.CallCol[n], (ball - 1) / 15 + 1) << "the letter matches the number's column";
    }
    EXPECT_EQ(seen.size(), 75u);
    EXPECT_TRUE(ui.callerOn);

    EXPECT_EQ(e.DrawBall(), std::nullopt);
    EXPECT_FALSE(ui.callerOn);
    EXPECT_EQ(s.CalledCount, 76);
    EXPECT_EQ(s.Called[76], 0);

    // The caller switched on again by a claim that is not valid: one more step each time.
    s.CalledCount = 77;
    ui.callerOn = true;
    EXPECT_EQ(e.DrawBall(), std::nullopt);
    EXPECT_EQ(s.CalledCount, 78);
    EXPECT_FALSE(ui.callerOn);
}

TEST_F(DrawFixture, TheLastBallIsFoundHoweverManyDrawsItTakes) {
    // 74 balls out, 75 left; the script offers every taken number first.
    for (int n = 1; n <= 74; ++n) s.Called[n] = n;
    s.CalledCount = 74;
    std::vector<double> script;
    for (int round = 0; round < 3; ++round)
        for (int n = 1; n <= 74; ++n) {
            const auto d = Draws(n);
            script.insert(script.end(), d.begin(), d.end());
        }
    const auto last = Draws(75);
    script.insert(script.end(), last.begin(), last.end());
    ScriptedRandom rnd(script);
    Engine e(s, rnd, ui);
    EXPECT_EQ(e.DrawBall(), std::optional<int32_t>(75));
    EXPECT_EQ(s.Called[75], 75);
    EXPECT_EQ(s.CallCol[75], 5);
    EXPECT_EQ(rnd.Used(), script.size());
    EXPECT_EQ(rnd.reseeds, 1) << "one re-seed per call, none per redraw";
}

// The generator's largest value, for the column and for the number, stays in
// range: r * 15 + 61 would give 76.
TEST_F(DrawFixture, TheLargestUniformValueDrawsTheTopOfTheColumn) {
    const double top = std::nextafter(1.0, 0.0);
    for (int col = 1; col <= 5; ++col) {
        ScriptedRandom rnd({PickValue(col - 1, 5), top});
        Engine e(s, rnd, ui);
        s.CalledCount = 0;
        ASSERT_EQ(e.DrawBall(), std::optional<int32_t>(1));
        EXPECT_EQ(s.Called[1], ColumnHigh(col));
        EXPECT_EQ(s.CallCol[1], col);
    }
    ScriptedRandom rnd({top, top});
    Engine e(s, rnd, ui);
    s.CalledCount = 0;
    e.DrawBall();
    EXPECT_EQ(s.Called[1], 75);
    EXPECT_EQ(s.CallCol[1], 5);
}

TEST_F(DrawFixture, ARepeatDrawsTheColumnAgainToo) {
    std::vector<double> script = Draws(31);                  // first call: N31
    for (double v : Draws(31)) script.push_back(v);           // second call: N31 again ...
    script.push_back((1 - 1 + 0.5) / 5.0);                    // ... so column B is drawn anew
    script.push_back((4 - 1 + 0.5) / 15.0);                   // and B4
    ScriptedRandom rnd(script);
    Engine e(s, rnd, ui);
    e.DrawBall();
    e.DrawBall();
    EXPECT_EQ(s.Called[2], 4);
    EXPECT_EQ(s.CallCol[2], 1);
}

TEST_F(DrawFixture, RollBallLandsAtTheFiftySeventhStep) {
    ScriptedRandom rnd;
    Engine e(s, rnd, ui);
    ui.ballTimerOn = true;
    s.BallStep = 56;
    e.RollBall(s.BallStep);
    EXPECT_EQ(ui.rollingBallTop, 1480);
    EXPECT_TRUE(ui.ballTimerOn);
    EXPECT_FALSE(ui.ballLabelShown);
    EXPECT_EQ(s.BallStep, 56);

    ui.log.clear();
    s.BallStep = 57;
    e.RollBall(s.BallStep);
    EXPECT_EQ(s.BallStep, 0);
    const std::vector<std::string> order = {"ShowRollingBall", "RollingBallTop=1515", "BallTimer=off", "ShowBallLabel",
                                            "RollingBallAtRest"};
    EXPECT_EQ(ui.log, order);

    int16_t first = 1;
    e.RollBall(first);
    EXPECT_EQ(ui.rollingBallTop, -445);
}

}  // namespace
}  // namespace pelloric
