#pragma once
// A headless Tolvane on an in-memory settings key, started as the GUI starts.
#include <sstream>

#include "core/app.h"
#include "shell/program.h"
#include "shell/script_driver.h"

struct HeadlessApp {
    std::ostringstream out;
    tv::MemorySettingsKey key;
    tv::RecordingPlatform platform{out};
    tv::App app;

    explicit HeadlessApp(std::string separator = ".")
        : app(platform, installDefaults(key), tv::functionCatalogue(), std::move(separator)) {
        tv::buildWindows(app);
        tv::StartupSequence(app);
    }

    static tv::MemorySettingsKey& installDefaults(tv::MemorySettingsKey& k) {
        for (const auto& d : tv::repairDefaults()) k.values[d.name] = d.value;
        return k;
    }
    std::string messages() const { return out.str(); }
};
