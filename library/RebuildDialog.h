// The Rebuild Music Library dialog: the start folder and the name patterns
// of a rebuild, Start/Stop, Pause/Resume, and the run's progress. Modeless;
// closing only hides it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/CoalescedPaint.h"
#include "gui/DialogFocus.h"
#include "gui/GuiThreadCall.h"
#include "gui/ModelessDialog.h"
#include "library/IndexRewrite.h"
#include "library/RetiredWorkers.h"
#include "library/SearchThread.h"

namespace plk {

class TForm3 : public ModelessDialog, private SearchObserver {
public:
    // Child control ids, for GetDlgItem.
    enum ControlId {
        GroupBox1 = 100, Label1, Edit1, Button1, Label2, Edit2, ListBox1, Button2, Button3,
        GroupBox2, Label3, Button4, Button5, Button6, StatusBar1
    };

    // readIndex reloads the main window's library: it runs when a rebuild
    // completes and whenever the dialog closes. A run writes at most
    // maxRecords records (lowered by tests).
    explicit TForm3(std::function<void()> readIndex = {}, std::size_t maxRecords = kMaxIndexRecords);
    ~TForm3() override;

    // Handlers, named after control and event.
    void Button1Click();  // Browse
    void Button2Click();  // Add
    void Button3Click();  // Remove
    void Button4Click();  // Pause or Resume
    void Button5Click();  // Start or Stop
    void Button6Click();  // Close
    void Edit2Change();
    void ListBox1Click();

    // Greys or enables Close in the window menu (and so the title bar's close button).
    void EnableCloseItem(bool Enable);

    // A worker, running or stopped and finishing its folder, has not ended yet.
    bool searching() const { return SearchThread != nullptr || !retired_.empty(); }

    // Log-off or shutdown: a run still going is abandoned, and the index
    // gets back what it held before the run. Safe to call more than once.
    void sessionEnding();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void FormClose();
    void FormDestroy();
    void createControls();
    // Where the dialog's run stands. The captions and states of Start/Stop,
    // Pause/Resume, Close and the window menu's Close follow from it alone.
    enum class RunState { kIdle, kRunning, kPaused };
    bool running() const;
    void Start();
    void Stop();
    // The run is over for the dialog (its worker may still be finishing a
    // folder); Label3 tells how it ended.
    void enterIdle(const char* outcome);
    void setRunState(RunState state);
    void setStatus(const std::string& text);
    // False, with a box shown, when another copy of the program holds the
    // index for its own rebuild.
    bool holdIndex();
    void restoreIndex();
    void endFailedRun(const std::string& text);

    // SearchObserver: the worker's steps, on the GUI thread.
    void showFolder(const std::string& folder) override;
    void writeRecord(const TLibraryRecord& record, std::int32_t fileCount) override;
    void searchDone(const SearchResult& result) override;
    void searchFailed(const std::string& message) override;
    void folderLost(const std::string& folder, const std::string& message) override;
    void searchEnded(const TSearchThread* thread) override;

    // The run settings: the index path, and the folder and patterns of the
    // current or last run.
    std::string IndexFileName;
    std::string StartFolder;
    std::vector<std::string> SearchPatterns;

    // The index, held from Start until the run's worker ends.
    IndexRewrite rewrite_;
    std::function<void()> readIndex_;
    const std::size_t maxRecords_;
    RunState runState_ = RunState::kIdle;
    DialogFocus focus_;
    // Label3's folder and the status bar's count change with every step of a
    // run; they are drawn a few times a second.
    std::unique_ptr<CoalescedPaint> progress_;
    GuiThreadCall gui_;
    // The current run's worker, and stopped workers of earlier runs that a new
    // Start has abandoned but that have not ended yet.
    std::unique_ptr<TSearchThread> SearchThread;
    RetiredWorkers<TSearchThread> retired_;
};

}  // namespace plk
