#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "search/EntrySearch.h"

namespace qx {

class EntryStore;
class QueryState;
class TovraLB;

// The rows of the main window's list for the current input, and the result timer that
// rebuilds them once typing has settled.
class ResultListModel {
public:
    ResultListModel(TovraLB& list, QueryState& query, EntryStore& store, int windowsVersion);

    // The 100 ms tick: rebuilds on the second tick after the last input change.
    void UpdateResultsTimerTimer(bool inputLockFree);
    // Rebuilds the list for the current input and selects row 0.
    void UniversalUpdate(bool notify);

    // Counts 0..7 with every tick: the caret blink and the busy spinner follow it.
    std::uint8_t cycleCounter() const { return cycleCounter_; }
    // The input the rows were last built for.
    const std::string& settledText() const { return settledText_; }
    // Runs once per tick after the rows are current; the queued keys replay here.
    std::function<void()> replayWaitingKeys;

private:
    TovraLB& list_;
    QueryState& query_;
    EntryStore& store_;
    int windowsVersion_;
    EntrySearch search_;
    std::uint8_t cycleCounter_ = 0;
    std::string settledText_;
};

}  // namespace qx
