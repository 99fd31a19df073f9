#include "platform/background_work.h"

#include <QCoreApplication>

namespace tv {

BackgroundWorker::BackgroundWorker() { pool_.setMaxThreadCount(1); }

BackgroundWorker::~BackgroundWorker() {
    pool_.clear();
    pool_.waitForDone();
}

void BackgroundWorker::run(Platform::BackgroundWork work) {
    pool_.clear();
    pool_.start([this, work = std::move(work)] {
        std::function<void()> done = work();
        // Queued to this object, in the window thread; dropped with it.
        QMetaObject::invokeMethod(this, [done = std::move(done)] { done(); }, Qt::QueuedConnection);
    });
}

void BackgroundWorker::waitForDone() {
    pool_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

}  // namespace tv
