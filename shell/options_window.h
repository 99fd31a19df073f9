#pragma once
// The Program Options window: IPC version, manual copper entry, etch factor,
// via settings and colour theme. Each option is stored the moment it changes.
namespace tv {

class App;

void installOptionsWindow(App& app);

}  // namespace tv
