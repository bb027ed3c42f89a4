#pragma once
#include <string>
#include <vector>

#include "app/MainWindowView.h"
#include "fakes/FakeClock.h"

namespace qx::test {

// Records what the form asks of its window as short event strings.
class FakeMainWindowView : public IMainWindowView {
public:
    explicit FakeMainWindowView(FakeClock& clock) : clock_(clock) {}

    void SetCaption(const std::string& text) override { Log("caption " + text); caption = text; }
    void MoveOffScreen() override { Log("offscreen"); onScreen = false; }
    void CenterOnWorkArea() override { Log("centre"); onScreen = true; }
    void ForceForeground() override { Log("foreground"); }
    void SetFormVisible(bool visible) override { Log(visible ? "show" : "hide"); formVisible = visible; }
    bool IsFormVisible() const override { return formVisible; }
    void SetTrayIconVisible(bool visible) override { Log(visible ? "tray on" : "tray off"); }
    void MarkReleased() override { Log("released"); }
    void StartTimer(FormTimer timer, unsigned ms) override { Log("start timer " + Name(timer) + " " + std::to_string(ms)); }
    void StopTimer(FormTimer timer) override { Log("stop timer " + Name(timer)); }
    void ProcessPendingMessages() override { ++pumps; }
    void SleepMs(unsigned ms) override { clock_.now += ms; }
    void RequestRestore() override { Log("restore request"); }
    void RequestMinimise() override { Log("minimise request"); }
    bool FindInstanceWindow(const std::string& text) const override {
        return instanceAppearsAt != 0 && clock_.now >= instanceAppearsAt && text == "Quillox Application Launcher";
    }
    bool StartProgram(const std::string& exe, const std::string& folder) override {
        Log("start " + exe + " in " + folder);
        return true;
    }
    void SetInputEnabled(bool enabled) override { Log(enabled ? "input on" : "input off"); }
    void SetInputText(const std::string& text) override { Log("input '" + text + "'"); }
    void ShowEntries() override { Log("show entries"); }

    std::vector<std::string> events;
    std::string caption;
    bool formVisible = false;
    bool onScreen = false;
    int pumps = 0;
    std::uint64_t instanceAppearsAt = 0;  // 0: the new instance never appears

private:
    static std::string Name(FormTimer timer) { return timer == FormTimer::Startup ? "startup" : "housekeeping"; }
    void Log(std::string event) { events.push_back(std::move(event)); }
    FakeClock& clock_;
};

}  // namespace qx::test
