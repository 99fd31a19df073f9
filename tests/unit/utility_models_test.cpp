// The circuit utilities on their own: Ohm's law and its resistor circuits,
// reactance, PPM, PDN impedance and thermal estimates.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calc/utility/ohms_law_model.h"
#include "calc/utility/pdn_model.h"
#include "calc/utility/ppm_model.h"
#include "calc/utility/reactance_model.h"
#include "calc/utility/thermal_model.h"

namespace {

using namespace tv;

double par(double a, double b) { return a * b / (a + b); }

TEST(OhmsLaw, EirTriangle) {
    struct Case {
        ohms::SolveFor solveFor;
        double first, second, value, watts;
    } cases[] = {
        {ohms::SolveFor::Volts, 1, 12, 12, 12},   // 1 A through 12 ohms
        {ohms::SolveFor::Amps, 12, 12, 1, 12},    // 12 V over 12 ohms
        {ohms::SolveFor::Ohms, 12, 2, 6, 24},     // 12 V driving 2 A
        {ohms::SolveFor::Volts, 0.5, 100, 50, 25},
    };
    for (const auto& c : cases) {
        auto r = ohms::solveEir(c.solveFor, c.first, c.second);
        EXPECT_DOUBLE_EQ(r.value, c.value) << static_cast<int>(c.solveFor);
        EXPECT_DOUBLE_EQ(r.watts, c.watts) << static_cast<int>(c.solveFor);
    }
}

TEST(OhmsLaw, ZeroDivisorsHaveNoFiniteValue) {
    EXPECT_FALSE(std::isfinite(ohms::solveEir(ohms::SolveFor::Amps, 12, 0).value));
    EXPECT_FALSE(std::isfinite(ohms::solveEir(ohms::SolveFor::Amps, 12, 0).watts));
    EXPECT_FALSE(std::isfinite(ohms::solveEir(ohms::SolveFor::Ohms, 0, 0).value));
    EXPECT_FALSE(std::isfinite(ohms::ledCurrent(12, 2, 0).result));
    EXPECT_FALSE(std::isfinite(ohms::ledResistor(12, 12, 0).result));
}

TEST(OhmsLaw, LedBiasBothWays) {
    auto r = ohms::ledResistor(12, 2, 10);
    EXPECT_NEAR(r.result, 1000, 1e-9);
    EXPECT_NEAR(r.watts, 0.1, 1e-12);
    auto i = ohms::ledCurrent(12, 2, 1000);
    EXPECT_NEAR(i.result, 10, 1e-12);
    EXPECT_NEAR(i.watts, 0.1, 1e-12);
    // 5 V, a 3.3 V LED at 20 mA: 85 ohms, 34 mW.
    r = ohms::ledResistor(5, 3.3, 20);
    EXPECT_NEAR(r.result, 85, 1e-9);
    EXPECT_NEAR(r.watts, 0.034, 1e-12);
}

TEST(OhmsLaw, SeriesChain) {
    std::vector<double> two{330, 330}, three{330, 330, 330}, mixed{100, 200, 300, 400};
    auto n = ohms::series(5, two);
    EXPECT_DOUBLE_EQ(n.total, 660);
    EXPECT_NEAR(n.current, 0.00757576, 5e-9);
    EXPECT_NEAR(n.branch[0], 2.5, 1e-12);
    EXPECT_NEAR(n.watts[1], 0.0189394, 5e-8);
    n = ohms::series(5, three);
    EXPECT_NEAR(n.branch[2], 1.66667, 5e-6);
    EXPECT_NEAR(n.watts[2], 0.0084175, 5e-8);
    // 10 V over 1 kohm: 10 mA, drops 1, 2, 3 and 4 V.
    n = ohms::series(10, mixed);
    EXPECT_DOUBLE_EQ(n.total, 1000);
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(n.branch[k], k + 1, 1e-12);
    EXPECT_NEAR(n.watts[3], 0.04, 1e-12);
}

TEST(OhmsLaw, ParallelSet) {
    std::vector<double> two{330, 330}, mixed{100, 100, 50};
    auto n = ohms::parallel(5, two);
    EXPECT_NEAR(n.total, 165, 1e-9);
    EXPECT_NEAR(n.current, 0.03030303, 5e-9);
    EXPECT_NEAR(n.branch[0], 0.0151515, 5e-8);
    EXPECT_NEAR(n.watts[1], 0.0757576, 5e-8);
    n = ohms::parallel(5, mixed);
    EXPECT_NEAR(n.total, 25, 1e-9);
    EXPECT_NEAR(n.current, 0.2, 1e-12);
    EXPECT_NEAR(n.branch[2], 0.1, 1e-12);
    // A shorted branch: no resistance left, the currents have no finite value.
    std::vector<double> shorted{330, 0};
    n = ohms::parallel(5, shorted);
    EXPECT_EQ(n.total, 0);
    EXPECT_FALSE(std::isfinite(n.current));
    EXPECT_FALSE(std::isfinite(n.branch[1]));
}

TEST(OhmsLaw, MatchedPadsOf3dB) {
    auto pi = ohms::piPad(3, 50, 50);
    EXPECT_NEAR(pi.r1, 292.40, 0.005);
    EXPECT_NEAR(pi.r2, 292.40, 0.005);
    EXPECT_NEAR(pi.r3, 17.61, 0.005);
    auto t = ohms::tPad(3, 50, 50);
    EXPECT_NEAR(t.r1, 8.55, 0.005);
    EXPECT_NEAR(t.r2, 8.55, 0.005);
    EXPECT_NEAR(t.r3, 141.93, 0.005);
}

// Between unequal impedances each pad, terminated by the other port's
// impedance, shows the right impedance at both ports; R1 always faces the
// larger impedance, whichever port has it.
TEST(OhmsLaw, PadsMatchUnequalPorts) {
    for (double dB : {6.0, 10.0, 20.0}) {
        for (auto [zin, zout] : {std::pair{75.0, 50.0}, std::pair{50.0, 75.0}, std::pair{600.0, 150.0}}) {
            double z1 = std::max(zin, zout), z2 = std::min(zin, zout);
            auto pi = ohms::piPad(dB, zin, zout);
            EXPECT_NEAR(par(pi.r1, pi.r3 + par(pi.r2, z2)), z1, 1e-9) << dB;
            EXPECT_NEAR(par(pi.r2, pi.r3 + par(pi.r1, z1)), z2, 1e-9) << dB;
            auto t = ohms::tPad(dB, zin, zout);
            EXPECT_NEAR(t.r1 + par(t.r3, t.r2 + z2), z1, 1e-9) << dB;
            EXPECT_NEAR(t.r2 + par(t.r3, t.r1 + z1), z2, 1e-9) << dB;
        }
    }
    auto a = ohms::piPad(10, 75, 50), b = ohms::piPad(10, 50, 75);
    EXPECT_DOUBLE_EQ(a.r1, b.r1);
    EXPECT_DOUBLE_EQ(a.r2, b.r2);
}

TEST(OhmsLaw, PadsAtZeroAttenuationHaveNoFiniteShunt) {
    auto pi = ohms::piPad(0, 50, 50);
    EXPECT_FALSE(std::isfinite(pi.r1));
    EXPECT_FALSE(std::isfinite(pi.r2));
    EXPECT_EQ(pi.r3, 0);
    auto t = ohms::tPad(0, 50, 50);
    EXPECT_FALSE(std::isfinite(t.r1));
    EXPECT_FALSE(std::isfinite(t.r3));
    EXPECT_FALSE(std::isfinite(ohms::piPad(3, 0, 0).r1));
}

TEST(Reactance, ReferenceCircuits) {
    using namespace tv::reactance;
    struct Case {
        int f, c, l;  // unit item indexes
        double fv, cv, lv;
        double xc, xl, fr;
    } cases[] = {
        {0, 0, 0, 1, 1, 1, 0.1592, 6283.1800, 5032.9255},            // 1 MHz, 1 uF, 1 mH
        {0, 2, 2, 100, 100, 10, 15.9155, 6.2832, 159155077.5244},    // 100 MHz, 100 pF, 10 nH
        {2, 1, 1, 50, 10, 1, 318310.155, 0.000314159, 1591550.7752},   // 50 Hz, 10 nF, 1 uH
    };
    for (const auto& k : cases) {
        double hz = k.fv * kFrequencyFactor[k.f];
        double farads = k.cv / kCapacitanceDivisor[k.c];
        double henries = k.lv / kInductanceDivisor[k.l];
        EXPECT_NEAR(capacitive(hz, farads), k.xc, std::abs(k.xc) * 1e-6 + 5e-5);
        EXPECT_NEAR(inductive(hz, henries), k.xl, std::abs(k.xl) * 1e-6 + 5e-5);
        EXPECT_NEAR(resonantFrequency(farads, henries), k.fr, 5e-5);
    }
    EXPECT_FALSE(std::isfinite(capacitive(0, 1e-6)));
    EXPECT_FALSE(std::isfinite(capacitive(1e6, 0)));
    EXPECT_FALSE(std::isfinite(resonantFrequency(1e-6, 0)));
    EXPECT_FALSE(std::isfinite(resonantFrequency(-1e-6, 1e-3)));
}

TEST(Ppm, BothConverters) {
    auto band = ppm::ppmToHertz(32000, 25);
    EXPECT_NEAR(band.variation, 0.8, 1e-12);
    EXPECT_NEAR(band.maximum, 32000.8, 1e-9);
    EXPECT_NEAR(band.minimum, 31999.2, 1e-9);
    auto tol = ppm::hertzToPpm(32000, 32001);
    EXPECT_DOUBLE_EQ(tol.variation, 1);
    EXPECT_DOUBLE_EQ(tol.ppm, 31.25);
    tol = ppm::hertzToPpm(32000, 31999);
    EXPECT_DOUBLE_EQ(tol.variation, -1);
    EXPECT_DOUBLE_EQ(tol.ppm, -31.25);
    EXPECT_FALSE(std::isfinite(ppm::hertzToPpm(0, 1).ppm));
    EXPECT_FALSE(std::isfinite(ppm::hertzToPpm(0, 0).ppm));
}

TEST(Pdn, TargetImpedance) {
    EXPECT_NEAR(pdn::targetImpedance(5, 5, 5, 80, 50), 0.08, 1e-12);
    // 1.2 V, 10 A, 3 % margin all AC, 100 % transient: 3.6 mohm.
    EXPECT_NEAR(pdn::targetImpedance(1.2, 10, 3, 100, 100), 0.0036, 1e-12);
    EXPECT_FALSE(std::isfinite(pdn::targetImpedance(5, 0, 5, 80, 50)));
}

TEST(Pdn, PlaneCapacitanceInBothUnits) {
    double c = pdn::planeCapacitance(4.6, 64, 2, false);
    EXPECT_NEAR(c, 33120.00, 0.005);
    EXPECT_NEAR(pdn::planeReactance(1, c), 4.8054, 5e-5);
    // The same plane after the units switch: 41290.32 sq mm, 0.0508 mm.
    double sqmm = pdn::squareInchesToSquareMm(64);
    EXPECT_DOUBLE_EQ(sqmm, 41290.32);
    EXPECT_NEAR(pdn::planeCapacitance(4.6, sqmm, 0.0508, true), 33120.00, 0.005);
    EXPECT_DOUBLE_EQ(pdn::squareMmToSquareInches(sqmm), 64);
    EXPECT_DOUBLE_EQ(pdn::squareMmToSquareInches(1000), 1.55);
    EXPECT_DOUBLE_EQ(pdn::squareMmToSquareInches(-1000), -1.55);
    EXPECT_FALSE(std::isfinite(pdn::planeCapacitance(4.6, 64, 0, false)));
    EXPECT_FALSE(std::isfinite(pdn::planeReactance(0, c)));
}

TEST(Thermal, TemperatureAboveAmbient) {
    EXPECT_DOUBLE_EQ(thermal::temperature(5, 3, 22), 37);
    EXPECT_DOUBLE_EQ(thermal::temperature(5, 25, 200), 325);
    EXPECT_DOUBLE_EQ(thermal::temperature(-1, 3, 22), 19);
}

}  // namespace
