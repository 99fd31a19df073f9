#pragma once
// The addresses the program opens through the desktop, and link labels. The
// maker's pages and the reference pages all live under the reserved example
// domain.
#include <string>

namespace tv {

class App;
class Component;

namespace links {

// The maker's web address as the window caption and the About window show it.
inline constexpr const char* site = "www.example.com";
inline constexpr const char* salesMail = "sales@example.com";

inline constexpr const char* home = "https://www.example.com/";
inline constexpr const char* about = "https://www.example.com/about";
inline constexpr const char* help = "https://www.example.com/tolvane/help";
inline constexpr const char* feedback = "https://www.example.com/tolvane/feedback";
inline constexpr const char* contact = "https://www.example.com/contact";
inline constexpr const char* designQuote = "https://www.example.com/quote/pcb-design";
inline constexpr const char* manufacturingQuote = "https://www.example.com/quote/pcb-manufacturing";
inline constexpr const char* productQuote = "https://www.example.com/quote/product-development";
inline constexpr const char* pcbDesign = "https://www.example.com/services/pcb-design";
inline constexpr const char* engineering = "https://www.example.com/services/electronic-engineering";
inline constexpr const char* software = "https://www.example.com/services/software-development";
inline constexpr const char* consulting = "https://www.example.com/services/consulting";
inline constexpr const char* assembly = "https://www.example.com/services/pcb-assembly";
inline constexpr const char* manufacturing = "https://www.example.com/services/pcb-manufacturing";

inline constexpr const char* facebook = "https://facebook.example.com/corvexpcbdesign";
inline constexpr const char* twitter = "https://twitter.example.com/corvexpcbdesign";
inline constexpr const char* linkedin = "https://linkedin.example.com/company/corvex-pcb-design";
inline constexpr const char* youtube = "https://youtube.example.com/@corvexpcbdesign";
inline constexpr const char* developer = "https://linkedin.example.com/in/tolvane-developers";
inline constexpr const char* donation = "https://payments.example.com/";

// Reference pages the calculator panels link to.
inline constexpr const char* ipc = "https://ipc.example.com/";
inline constexpr const char* speedOfLight = "https://encyclopedia.example.com/wiki/Speed_of_light";
inline constexpr const char* wavelength = "https://encyclopedia.example.com/wiki/Wavelength";
inline constexpr const char* erEffective = "https://rf-encyclopedia.example.com/effective-dielectric-constant";
inline constexpr const char* planarInductances =
    "https://papers.example.com/simple-accurate-expressions-for-planar-spiral-inductances.pdf";

// The document beside the program's executable.
inline constexpr const char* eula = "EULA.pdf";

}  // namespace links

// A clickable picture or menu item: a click opens the target.
void opensOnClick(App& app, Component& c, std::string target);
// A link label: blue, red while the mouse is over it, a click opens the target.
void makeLink(App& app, Component& label, std::string target);

}  // namespace tv
