// The modified Wheeler expression for planar spiral inductors.
#include "calc/board/planar_inductor_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/numbertext.h"

using namespace tv::inductor;

namespace {

// 5 turns, 10 mil conductors and spacing, 350 mil outer diameter, in um.
constexpr Coil kDefault{5, 254, 254, 8890};

TEST(PlanarInductor, DefaultCoilInEveryShape) {
    struct Case {
        Shape shape;
        double nH;
    } cases[] = {{Shape::Square, 248.5936}, {Shape::Hexagonal, 208.0525},
                 {Shape::Octagonal, 209.3337}, {Shape::Circular, 210.8410}};
    for (const Case& c : cases) {
        Result r = planarInductor(c.shape, kDefault);
        EXPECT_NEAR(r.inner, 4318, 1e-9);
        EXPECT_NEAR(r.fill, 0.3462, 5e-5);
        EXPECT_NEAR(r.nH, c.nH, 5e-5) << static_cast<int>(c.shape);
    }
}

// Too many turns: the inner diameter goes negative (-830 mils), the fill
// factor leaves 0..1, and the formula still gives a value.
TEST(PlanarInductor, TurnsThatDoNotFit) {
    Result r = planarInductor(Shape::Square, {30, 254, 254, 8890});
    EXPECT_NEAR(r.inner / 25.4, -830, 1e-9);
    EXPECT_NEAR(r.fill, 29972.0 / -12192, 1e-12);
    EXPECT_TRUE(std::isfinite(r.nH));
}

// dout + din = 0 leaves the fill factor and the inductance without a value.
TEST(PlanarInductor, NoFiniteValueWhenTheDiametersCancel) {
    // din = 100 - (2 * 1 * 25 + 2 * 2 * 37.5) = -100
    Result r = planarInductor(Shape::Square, {2, 37.5, 25, 100});
    EXPECT_NEAR(r.inner, -100, 1e-12);
    EXPECT_FALSE(std::isfinite(r.fill));
    // davg is 0 too, but a coil without a fill factor has no inductance to show.
    EXPECT_FALSE(std::isfinite(r.nH));
}

TEST(PlanarInductor, FieldsReadAPointOrAComma) {
    struct Case {
        const char* text;
        const char* separator;
        double value;
    } cases[] = {{"10,5", ".", 10.5}, {"10.5", ".", 10.5}, {"10,5", ",", 10.5},
                 {"10.5", ",", 10.5}, {"350", ",", 350},   {"2'5", "'", 2.5},
                 {"-1e2", ".", -100}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(readCoilNumber(c.text, c.separator), c.value) << c.text;
    // Under another separator a comma still turns into a point, which that
    // separator does not read.
    struct Bad {
        const char* text;
        const char* separator;
    } bad[] = {{"1,2,3", "."}, {"", "."}, {"ten", ","}, {"1.2,3", ","}, {"2,5", "'"}};
    for (const Bad& b : bad) {
        try {
            readCoilNumber(b.text, b.separator);
            ADD_FAILURE() << b.text;
        } catch (const tv::ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + b.text + "' is not a valid floating point value");
        }
    }
}

}  // namespace
