#pragma once
// Work handed on by a recalculation (the field solver's line), run on one
// worker thread; what it returns runs afterwards on the window thread. Work
// that has not started when newer work arrives is dropped: only the newest
// inputs count. Destroying the object waits for the work that runs and
// drops every ending not yet delivered.
#include <QObject>
#include <QThreadPool>

#include "core/platform.h"

namespace tv {

class BackgroundWorker : public QObject {
public:
    BackgroundWorker();
    ~BackgroundWorker() override;

    void run(Platform::BackgroundWork work);
    // Waits until every piece of work has run and its ending has run on
    // this (the window) thread.
    void waitForDone();

private:
    QThreadPool pool_;
};

}  // namespace tv
