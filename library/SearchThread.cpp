#include "library/SearchThread.h"

#include "library/FindFileLister.h"

namespace plk {
namespace {

SearchStepHook& stepHookForTesting() {
    static SearchStepHook hook;
    return hook;
}

}  // namespace

void setSearchStepHookForTesting(SearchStepHook hook) { stepHookForTesting() = std::move(hook); }

TSearchThread::TSearchThread(SearchSettings settings, SearchObserver& observer, const GuiThreadCall& gui)
    : settings_(std::move(settings)),
      observer_(observer),
      gui_(gui),
      stepHook_(stepHookForTesting()),
      thread_([this] { Execute(); }) {}

TSearchThread::~TSearchThread() {
    abandon();
    thread_.join();
}

void TSearchThread::Terminate() {
    terminated_ = true;
    running_.open();
}

void TSearchThread::pause() {
    pauseRequested_ = true;
    running_.close();
}

void TSearchThread::resume() {
    running_.open();
    pauseRequested_ = false;
}

void TSearchThread::abandon() {
    abandoned_ = true;
    Terminate();
}

void TSearchThread::Execute() {
    FileCount = 0;
    try {
        SearchFolder(settings_.StartFolder, settings_.SearchPatterns);
        if (!terminated_) Synchronize(lostFolder_.empty() ? SearchStep::kSearchDone : SearchStep::kFolderLost);
    } catch (const std::exception& error) {
        fail(error.what());
    } catch (...) {
        fail("Unexpected error");
    }
    SearchObserver& observer = observer_;
    const TSearchThread* self = this;
    gui_.post([&observer, self] { observer.searchEnded(self); });
}

void TSearchThread::fail(const std::string& message) {
    // The run ends here, without SearchDone; the dialog learns why.
    failure_ = message;
    Synchronize(SearchStep::kSearchFailed);
}

void TSearchThread::SearchFolder(const std::string& Folder, const std::vector<std::string>& Patterns) {
    FindFileLister lister;
    FolderWalk walk(lister, *this);
    walk.searchFolder(Folder, Patterns);
    passedOver_ = walk.passedOver();
}

void TSearchThread::folderEntered(const std::string& folder) {
    CurrentPath = folder;
    Synchronize(SearchStep::kShowFolder);
}

void TSearchThread::fileFound(const std::string& path) {
    if (std::size_t(FileCount) >= settings_.maxRecords) {
        // One file more than the index may hold: the walk ends, and the
        // index keeps the records written so far.
        indexFull_ = true;
        return;
    }
    CurrentPath = path;
    ++FileCount;
    CurrentRecord.setNumber(FileCount);
    CurrentRecord.setPath(CurrentPath);
    Synchronize(SearchStep::kWriteRecord);
}

void TSearchThread::listingFailed(const std::string& folder, const ListingError& error) {
    lostFolder_ = folder;
    failure_ = error.message;
}

void TSearchThread::Synchronize(SearchStep step) {
    if (stepHook_) stepHook_(step);
    // A step already past this point when Pause is pressed still runs: Pause
    // holds the worker before its next step, never inside one.
    if (pauseRequested_) running_.wait();
    if (abandoned_) return;
    // abandoned_ is set on the GUI thread, so checking it again there, where
    // the step runs, cannot miss an abandon() that came while this call waited.
    gui_.run([this, step] {
        if (!abandoned_) runStep(step);
    });
}

void TSearchThread::runStep(SearchStep step) {
    switch (step) {
    case SearchStep::kShowFolder: ShowFolder(); break;
    case SearchStep::kWriteRecord: WriteRecord(); break;
    case SearchStep::kSearchDone: SearchDone(); break;
    case SearchStep::kSearchFailed: searchFailed(); break;
    case SearchStep::kFolderLost: folderLost(); break;
    }
}

// The worker looks for Stop on its own thread; a Stop pressed after that look
// but before the step runs here must not show a folder over "Stopped.", nor
// complete the run.
void TSearchThread::ShowFolder() {
    if (!terminated_) observer_.showFolder(CurrentPath);
}

void TSearchThread::WriteRecord() { observer_.writeRecord(CurrentRecord, FileCount); }

void TSearchThread::SearchDone() {
    if (!terminated_)
        observer_.searchDone({FileCount, indexFull_ ? SearchEnd::kIndexFull : SearchEnd::kComplete, passedOver_});
}

void TSearchThread::searchFailed() { observer_.searchFailed(failure_); }

// A stopped run is partial by the user's choice: a loss while it finishes
// its folder changes nothing of that.
void TSearchThread::folderLost() {
    if (!terminated_) observer_.folderLost(lostFolder_, failure_);
}

}  // namespace plk
