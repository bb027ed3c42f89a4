#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/ListBoxModel.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/TestStore.h"
#include "search/PrefixCharacters.h"
#include "search/QueryState.h"
#include "search/ResultListModel.h"
#include "search/SearchTestLists.h"
#include "store/EntryStore.h"

namespace qx::test {

inline const std::string& kResultsData = kData;

// The result list as the main window wires it: store, query, list control and model, with
// the hooks recording what they were asked and the view switch going through the model.
class ResultListFixture : public ::testing::Test, public NoQueryHooks {
protected:
    void SetUp() override {
        list.SetSize(200, 3 * 19);  // three rows in view
        store = std::make_unique<EntryStore>(TestStoreContext(fs, system));
        model = std::make_unique<ResultListModel>(list, query, *store, system.version);
        ResultListHooks hooks;
        hooks.isInputLockFree = [this] { return lockFree; };
        hooks.isFolderBrowsing = [this] { return browsing; };
        hooks.isWindowEnabled = [this] { return windowEnabled; };
        hooks.setInputText = [this](const std::string& text) {
            calls.push_back("input '" + text + "'");
            query.FormEditChange(text);
        };
        hooks.listFolder = [this](bool reload) { calls.push_back(reload ? "list folder reload" : "list folder"); };
        hooks.refreshFolder = [this] { calls.push_back("refresh folder"); };
        model->SetHooks(std::move(hooks));
        WaitingKeysHooks keys;
        keys.goInto = [this] { calls.push_back("go into " + list.SelectedText()); };
        keys.launch = [this](ModifierKeys) { launched.push_back(list.SelectedText()); };
        model->SetWaitingKeysHooks(std::move(keys));
    }

    // Entries straight into the EntryList, sorted as after a load.
    void AddEntries(const std::vector<std::string>& names) {
        std::string added;
        for (const std::string& name : names) store->AddEntryFromLine(name + "|v", false, added, false, false, true);
        store->SortEntries();
    }
    void Type(const std::string& text) { query.FormEditChange(text); }
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) model->OnResultsTick(lockFree);
    }
    std::vector<std::string> Shown() const { return Texts(list.Items()); }

    // IQueryHooks, beyond what a search without a window needs
    bool IsFolderBrowsing() const override { return browsing; }
    void SetFolderBrowsing(bool on) override { browsing = on; }
    bool IsInputLockFree() const override { return lockFree; }
    void SwitchToSearchResults() override { model->SwitchView(true); }

    FakeClock clock;
    FakeFileSystem fs;
    FakeSystemInfo system;
    FakeMessageBoxes boxes;
    PrefixCharacters prefixes;
    QueryState query{prefixes, *this};
    ListBoxModel list{clock};
    std::unique_ptr<EntryStore> store;
    std::unique_ptr<ResultListModel> model;

    bool lockFree = true;
    bool browsing = false;
    bool windowEnabled = true;
    std::vector<std::string> calls;
    std::vector<std::string> launched;
};

}  // namespace qx::test
