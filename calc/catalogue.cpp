// The one table of the twenty program functions, in menu and tab order. A new
// calculator declares its module here and puts it into its row.
#include "core/catalogue.h"

#include <array>

namespace tv {

// The modules, each defined in its own file.
extern const CalculatorModule viaPropertiesModule;        // board/via_properties.cpp
extern const CalculatorModule conductorPropertiesModule;  // conductor/conductor_properties.cpp
extern const CalculatorModule fusingCurrentModule;        // conductor/fusing_current.cpp
extern const CalculatorModule padstackModule;             // board/padstack.cpp
extern const CalculatorModule conductorSpacingModule;     // board/conductor_spacing.cpp
extern const CalculatorModule planarInductorsModule;      // board/planar_inductors.cpp
extern const CalculatorModule embeddedResistorsModule;    // board/embedded_resistors.cpp
extern const CalculatorModule conductorImpedanceModule;   // lines/conductor_impedance.cpp
extern const CalculatorModule wavelengthModule;           // lines/wavelength.cpp
extern const CalculatorModule erEffectiveModule;          // lines/er_effective.cpp
extern const CalculatorModule mechanicalModule;           // reference/mechanical.cpp
extern const CalculatorModule conversionModule;           // reference/conversion.cpp
extern const CalculatorModule bandwidthModule;            // lines/bandwidth.cpp
extern const CalculatorModule differentialPairsModule;    // lines/differential_pairs.cpp
extern const CalculatorModule crosstalkModule;            // lines/crosstalk.cpp
extern const CalculatorModule pdnModule;                  // utility/pdn.cpp
extern const CalculatorModule thermalModule;              // utility/thermal.cpp
extern const CalculatorModule ppmModule;                  // utility/ppm.cpp
extern const CalculatorModule ohmsLawModule;              // utility/ohms_law.cpp
extern const CalculatorModule reactanceModule;            // utility/reactance.cpp

const char* FunctionEntry::id() const { return module ? module->id : nullptr; }

namespace {

constexpr std::array<FunctionEntry, kFunctionCount> kRows{{
    {Fn::Via, "ViaProperties1", "&Via Properties", "Via Properties", "GroupBox1", " Via Characteristics ", &viaPropertiesModule},
    {Fn::Conductor, "ConductorProperties1", "&Conductor Properties", "Conductor Properties", "GroupBox5", " Conductor Characteristics ", &conductorPropertiesModule},
    {Fn::Bandwidth, "SignalProperties1", "&Bandwidth && Max Conductor Length", "Bandwidth && Max Conductor Length", "GroupBox6", " Bandwidth && Max Conductor Length ", &bandwidthModule},
    {Fn::DifferentialPairs, "DifferentialPairs1", "&Differential Pair Calculator", "Differential Pairs", "GroupBox8", " Differential Pairs ", &differentialPairsModule},
    {Fn::Padstack, "Padstacks1", "&Padstack Calculator", "Padstack Calculator", "GroupBox10", " Padstack Calculator ", &padstackModule},
    {Fn::Mechanical, "Mechanical1", "&Mechanical Information", "Mechanical Information", "GroupBox11", " Mechanical Info ", &mechanicalModule},
    {Fn::Spacing, "ConductorSpacing1", "M&inimum Conductor &Spacing", "Conductor Spacing", "GroupBox13", " Minimum Conductor Spacing ", &conductorSpacingModule},
    {Fn::Impedance, "RFImpedances1", "Conductor &Impedance", "Conductor Impedance", "GroupBox15", " Conductor Impedance ", &conductorImpedanceModule},
    {Fn::Conversion, "ConversionData1", "C&onversion Calculator", "Conversion Data", "GroupBox7", " Units Conversion Data ", &conversionModule},
    {Fn::PlanarInductors, "PlanarInductors1", "Planar I&nductors", "Planar Inductors", "GroupBox20", " Planar Inductors Calculator ", &planarInductorsModule},
    {Fn::Pdn, "PDNImpedance1", "P&DN Calculator", "PDN Calculator", "GroupBox23", " Plane Information ", &pdnModule},
    {Fn::Thermal, "ThermalManagement1", "&Thermal Management", "Thermal", "GroupBox27", " Thermal Management ", &thermalModule},
    {Fn::Fusing, "FuseCurrent1", "&Fusing Current", "Fusing Current", "GroupBox33", " Fusing Current ", &fusingCurrentModule},
    {Fn::EmbeddedResistors, "EmbeddedRs1", "Embedded &R's", "Embedded Resistors", "GroupBox34", "  PTF Embedded Resistors  ", &embeddedResistorsModule},
    {Fn::Ppm, "PPMCalculator1", "PPM C&alculator", "PPM Calculator", "GroupBox36", " PPM Calculator ", &ppmModule},
    {Fn::Crosstalk, "CrosstalkCalculator1", "Crosstal&k Calculator", "Crosstalk Calculator", "GroupBox39", " Crosstalk Calculator ", &crosstalkModule},
    {Fn::Wavelength, "WavelengthCalculator1", "Wavelength Calc&ulator", "Wavelength Calculator", "GroupBox22", " Wavelength Calculator ", &wavelengthModule},
    {Fn::ErEffective, "ErEffective1", "Er Effecti&ve", "Er Effective", "GroupBox43", " Er Effective ", &erEffectiveModule},
    {Fn::OhmsLaw, "OhmsLaw1", "&Ohm's Law", "Ohm's Law", "GroupBox47", " Ohm's Law ", &ohmsLawModule},
    {Fn::Reactance, "XlXcReactance1", "&XC XL Reactance", "Reactance", "GroupBox48", " XC XL Reactance ", &reactanceModule},
}};

// Every row is its function's, in order (a missing row leaves an empty one,
// which names the first function).
constexpr bool rowsInOrder() {
    for (int i = 0; i < kFunctionCount; ++i)
        if (kRows[static_cast<std::size_t>(i)].index() != i) return false;
    return true;
}
static_assert(rowsInOrder(), "each function needs its row, in order");

}  // namespace

const Catalogue& functionCatalogue() {
    static const Catalogue cat{{kRows.begin(), kRows.end()}};
    return cat;
}

}  // namespace tv
