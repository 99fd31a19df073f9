// The one table of the twenty program functions, in menu and tab order. A new
// calculator puts its module into its row here.
#include "core/catalogue.h"

#include "calc/modules.h"

namespace tv {

const Catalogue& functionCatalogue() {
    static const Catalogue cat{
        {{
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
        }},
    };
    return cat;
}

}  // namespace tv
