// The one table of the twenty program functions, in menu and tab order.
#include "catalogue.h"

#include "modules.h"

namespace tv {

const Catalogue& functionCatalogue() {
    static const Catalogue cat{
        {{
            {0, "ViaProperties1", "&Via Properties", "Via Properties", "GroupBox1", " Via Characteristics ", &viaPropertiesModule},
            {1, "ConductorProperties1", "&Conductor Properties", "Conductor Properties", "GroupBox5", " Conductor Characteristics ", &conductorPropertiesModule},
            {2, "SignalProperties1", "&Bandwidth && Max Conductor Length", "Bandwidth && Max Conductor Length", "GroupBox6", " Bandwidth && Max Conductor Length ", nullptr},
            {3, "DifferentialPairs1", "&Differential Pair Calculator", "Differential Pairs", "GroupBox8", " Differential Pairs ", nullptr},
            {4, "Padstacks1", "&Padstack Calculator", "Padstack Calculator", "GroupBox10", " Padstack Calculator ", nullptr},
            {5, "Mechanical1", "&Mechanical Information", "Mechanical Information", "GroupBox11", " Mechanical Info ", nullptr},
            {6, "ConductorSpacing1", "M&inimum Conductor &Spacing", "Conductor Spacing", "GroupBox13", " Minimum Conductor Spacing ", nullptr},
            {7, "RFImpedances1", "Conductor &Impedance", "Conductor Impedance", "GroupBox15", " Conductor Impedance ", nullptr},
            {8, "ConversionData1", "C&onversion Calculator", "Conversion Data", "GroupBox7", " Units Conversion Data ", nullptr},
            {9, "PlanarInductors1", "Planar I&nductors", "Planar Inductors", "GroupBox20", " Planar Inductors Calculator ", nullptr},
            {10, "PDNImpedance1", "P&DN Calculator", "PDN Calculator", "GroupBox23", " Plane Information ", nullptr},
            {11, "ThermalManagement1", "&Thermal Management", "Thermal", "GroupBox27", " Thermal Management ", nullptr},
            {12, "FuseCurrent1", "&Fusing Current", "Fusing Current", "GroupBox33", " Fusing Current ", &fusingCurrentModule},
            {13, "EmbeddedRs1", "Embedded &R's", "Embedded Resistors", "GroupBox34", "  PTF Embedded Resistors  ", nullptr},
            {14, "PPMCalculator1", "PPM C&alculator", "PPM Calculator", "GroupBox36", " PPM Calculator ", nullptr},
            {15, "CrosstalkCalculator1", "Crosstal&k Calculator", "Crosstalk Calculator", "GroupBox39", " Crosstalk Calculator ", nullptr},
            {16, "WavelengthCalculator1", "Wavelength Calc&ulator", "Wavelength Calculator", "GroupBox22", " Wavelength Calculator ", nullptr},
            {17, "ErEffective1", "Er Effecti&ve", "Er Effective", "GroupBox43", " Er Effective ", nullptr},
            {18, "OhmsLaw1", "&Ohm's Law", "Ohm's Law", "GroupBox47", " Ohm's Law ", nullptr},
            {19, "XlXcReactance1", "&XC XL Reactance", "Reactance", "GroupBox48", " XC XL Reactance ", nullptr},
        }},
        // Units switch order: via, conductor, fusing current (the shared groups
        // convert first, inside the switch itself).
        {&viaPropertiesModule, &conductorPropertiesModule, &fusingCurrentModule},
    };
    return cat;
}

}  // namespace tv
