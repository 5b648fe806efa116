// The rebuild's worker: walks the folder tree on its own thread and hands
// every visible step and every write of the index to the GUI thread, waiting
// until each has run there.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/GuiThreadCall.h"
#include "library/FolderWalk.h"
#include "library/IndexFile.h"
#include "library/LibraryRecord.h"
#include "system/Event.h"
#include "system/Thread.h"

namespace plk {

class TSearchThread;

// The steps a run hands to the GUI thread.
enum class SearchStep { kShowFolder, kWriteRecord, kSearchDone, kSearchFailed, kFolderLost };

// Test seam: while set, each worker created afterwards calls it on its own
// thread just before it hands a step to the GUI thread, so that a test can
// hold a run at that very moment. Empty in the program.
using SearchStepHook = std::function<void(SearchStep)>;
void setSearchStepHookForTesting(SearchStepHook hook);

// What one run works with; copied by the worker, so the dialog's settings
// can change during the run for the next one.
struct SearchSettings {
    std::string IndexFileName;
    std::string StartFolder;  // ends in a backslash
    std::vector<std::string> SearchPatterns;
    // The most records the run writes: no more than a load takes, so that
    // the index it leaves is never one the program refuses.
    std::size_t maxRecords = kMaxIndexRecords;
};

// How a run that was not stopped ended: its walk completed, or it found
// more files than the index may hold and ended at the last one that fits.
enum class SearchEnd { kComplete, kIndexFull };

// What a run that was not stopped found.
struct SearchResult {
    std::int32_t fileCount = 0;
    SearchEnd end = SearchEnd::kComplete;
    FolderWalk::PassedOver passedOver;
};

// The dialog's side of a run. Every call comes on the GUI thread.
class SearchObserver {
public:
    virtual ~SearchObserver() = default;
    virtual void showFolder(const std::string& folder) = 0;
    // Appends the record to the index and shows the count. A FileError
    // thrown here ends the run with searchFailed.
    virtual void writeRecord(const TLibraryRecord& record, std::int32_t fileCount) = 0;
    // The run ended without a stop; the worker waits until this returns.
    virtual void searchDone(const SearchResult& result) = 0;
    // The index could not be written; the run has ended.
    virtual void searchFailed(const std::string& message) = 0;
    // folder's drive or share stopped answering; the run has ended, and
    // what it wrote is only part of the library.
    virtual void folderLost(const std::string& folder, const std::string& message) = 0;
    // The worker's body has returned (or is about to): it can be joined.
    virtual void searchEnded(const TSearchThread* thread) = 0;
};

class TSearchThread : private FolderWalk::Events {
public:
    // Starts at once. Every record goes to the observer, which writes it.
    TSearchThread(SearchSettings settings, SearchObserver& observer, const GuiThreadCall& gui);
    // Abandons the run and waits for the thread to end.
    ~TSearchThread() override;

    // The stop request: read when the worker enters a folder, so the folder it
    // is in is still finished, and read again on the GUI thread by the folder
    // and completion steps, so a stopped run never shows a folder or "Done."
    // after "Stopped.". Wakes a paused worker.
    void Terminate();
    // Pause holds the worker before its next step on the GUI thread; it holds
    // nothing then that the GUI thread needs.
    void pause();
    void resume();
    // The run's results are no longer wanted (a new run has emptied the index,
    // or the program ends): no further step reaches the GUI thread or the
    // index, and the walk ends at once. Called on the GUI thread.
    void abandon();

private:
    void Execute();
    void fail(const std::string& message);
    void SearchFolder(const std::string& Folder, const std::vector<std::string>& Patterns);
    // The steps run on the GUI thread.
    void ShowFolder();
    void WriteRecord();
    void SearchDone();
    void searchFailed();
    void folderLost();
    void Synchronize(SearchStep step);
    void runStep(SearchStep step);

    bool stopRequested() override { return terminated_; }
    // The walk ends at once when the run is abandoned, and when the index is full.
    bool abandoned() override { return abandoned_ || indexFull_; }
    void folderEntered(const std::string& folder) override;
    void fileFound(const std::string& path) override;
    void listingFailed(const std::string& folder, const ListingError& error) override;

    const SearchSettings settings_;
    SearchObserver& observer_;
    const GuiThreadCall& gui_;
    const SearchStepHook stepHook_;

    std::string CurrentPath;
    std::int32_t FileCount = 0;
    // Reused for every file of the run: a shorter path leaves the tail of a
    // longer earlier one behind its length byte, as the index format allows.
    TLibraryRecord CurrentRecord{};
    std::string failure_;
    std::string lostFolder_;
    // Set by the worker; read by SearchDone while the worker waits for it.
    bool indexFull_ = false;
    FolderWalk::PassedOver passedOver_;

    std::atomic<bool> terminated_{false};
    std::atomic<bool> abandoned_{false};
    // The flag spares the worker a wait on the event (a kernel call) at every
    // step of a run that is not paused.
    std::atomic<bool> pauseRequested_{false};
    ManualResetEvent running_{true};
    Thread thread_;  // last: starts once everything above is ready
};

}  // namespace plk
