#include "search/ResultListModel.h"

#include "controls/OvraLB.h"
#include "search/QueryState.h"
#include "store/EntryStore.h"

namespace qx {

ResultListModel::ResultListModel(TovraLB& list, QueryState& query, EntryStore& store, int windowsVersion)
    : list_(list), query_(query), store_(store), windowsVersion_(windowsVersion) {}

void ResultListModel::UpdateResultsTimerTimer(bool inputLockFree) {
    cycleCounter_ = static_cast<std::uint8_t>((cycleCounter_ + 1) % 8);
    if (!query_.searchResultsView || !inputLockFree) return;
    if (++query_.settleCounter == 2) {
        UniversalUpdate(true);
        return;
    }
    if (query_.settleCounter > 2) {
        query_.settleCounter = 2;
        if (replayWaitingKeys) replayWaitingKeys();
    }
}

void ResultListModel::UniversalUpdate(bool notify) {
    query_.settleCounter = 2;
    search_.SearchEntries(query_, store_.EntryList(), store_.CommandHistory().Lines(), store_.UrlHistory().Lines(),
                          list_.Items(), windowsVersion_);
    list_.SetSelected(0);
    settledText_ = query_.currentText();
    list_.SetTopIndex(0);
    if (notify) list_.Repaint();
}

}  // namespace qx
