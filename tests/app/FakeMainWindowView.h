#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/input/KeyboardTarget.h"
#include "app/MainWindowView.h"
#include "controls/ListBoxModel.h"
#include "dialogs/EditEntryModel.h"
#include "fakes/FakeClock.h"
#include "search/SearchTestLists.h"
#include "skin/InputLineText.h"
#include "skin/RowMetrics.h"
#include "skin/SkinLook.h"

namespace qx::test {

// Records what the form asks of its window as short event strings.
class FakeMainWindowView : public IMainWindowView {
public:
    explicit FakeMainWindowView(FakeClock& clock) : list(clock), clock_(clock) {}

    void SetCaption(const std::string& text) override { Log("caption " + text); caption = text; }
    void MoveOffScreen() override { Log("offscreen"); onScreen = false; }
    void CenterOnWorkArea() override { Log("centre"); onScreen = true; }
    void ForceForeground() override { Log("foreground"); }
    void SetFormVisible(bool visible) override {
        formVisible = visible;
        Log(visible ? "show" : "hide");
    }
    bool IsFormEnabled() const override { return formEnabled; }
    void SetTrayIconVisible(bool visible) override {
        trayVisible = visible;
        Log(visible ? "tray on" : "tray off");
    }
    void MarkReleased() override { Log("released"); }
    void StartTimer(WindowTimer timer, unsigned ms) override { timers[timer] = ms; }
    void StopTimer(WindowTimer timer) override { timers.erase(timer); }
    void ProcessPendingMessages() override {}
    void MoveCaretToEnd() override { Log("caret to end"); }
    void ApplySkinLook(const SkinLook& applied) override {
        Log("look " + std::to_string(applied.tag));
        look = applied;
    }
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
    ListBoxModel& ResultList() override { return list; }
    void ShowBusyPanel(std::uint32_t c, const std::string& t) override { Log("busy " + std::to_string(c) + " " + t); }
    void HideBusyPanel() override { Log("busy hidden"); }
    // Time passes while messages run.
    void RunMessagesFor(unsigned ms) override {
        Log("messages " + std::to_string(ms));
        clock_.now += ms;
    }
    void FocusField(KeyField) override {}
    void ShowInputLine() override { Log("show input line"); }
    void ClearKeyCaptureField() override { Log("clear key capture"); }
    void ShowOptionsMenu() override { Log("options menu"); }
    std::optional<SecretText> PromptPassword(const std::string&, const std::string& prompt) override {
        Log("password " + prompt);
        return std::nullopt;
    }
    void ShowRowContextMenu(const RowMenuVisibility& visible) override {
        std::string shown = "row menu";
        for (bool item : visible) shown += item ? " 1" : " 0";
        Log(shown);
    }
    // The user's part in the edit dialog: acts on the model until it lets the dialog close.
    void ShowEntryEditor(EditEntryModel& editor) override {
        Log("editor");
        editorModel_ = &editor;
        if (whileEditorShown) whileEditorShown(editor);
        editorModel_ = nullptr;
    }
    void CloseEntryEditor() override {
        Log("close editor");
        if (editorModel_ && editorModel_->Close()) Log("editor closed");
    }
    bool IsEntryEditorEnabled() const override { return true; }
    bool ApplyOpacity(int alpha) override {
        Log("opacity " + std::to_string(alpha));
        return layeringWorks;
    }
    void ApplyStayOnTop(bool onTop) override { Log(onTop ? "on top" : "not on top"); }
    void ApplyListSize(int width, int height) override {
        Log("list size " + std::to_string(width) + "x" + std::to_string(height));
        const ImageSize size = list.ClampSize(width, height);  // as the window lays the list out
        list.SetSize(size.width, size.height);
    }
    void SetInputTextColour(std::optional<std::uint32_t> colour) override {
        Log(colour ? "input colour " + std::to_string(*colour) : "input colour normal");
    }
    void SetFormEnabled(bool enabled) override {
        formEnabled = enabled;
        Log(enabled ? "form on" : "form off");
    }

    // The rows of the list, as shown.
    std::vector<std::string> Rows() const { return Texts(list.Items()); }

    ListBoxModel list;
    std::vector<std::string> events;
    std::string caption;
    bool formVisible = false;
    bool formEnabled = true;
    bool onScreen = false;
    bool trayVisible = false;
    SkinLook look;  // the last look applied
    // Runs after each recorded event: a nested message pump inside that call.
    std::function<void(const std::string& event)> onEvent;
    std::uint64_t instanceAppearsAt = 0;  // 0: the new instance never appears
    std::function<void(EditEntryModel&)> whileEditorShown;
    std::map<WindowTimer, unsigned> timers;  // the running ones and their intervals
    bool ResultsTimerRunning() const { return timers.count(WindowTimer::Results) > 0; }

    // The window frame.
    void ApplyFontSmoothing(bool smooth) override { Log(smooth ? "cleartype" : "no cleartype"); }
    bool layeringWorks = true;  // false: the system has no layered windows

    // The painted input line, as a bar this wide with ten pixels a character shows it.
    void SetInputLineState(const InputLineState& state) override { inputLine = state; }
    InputLineText PaintedInputLine(int barWidth) const {
        InputLineState state = inputLine;
        state.barWidth = barWidth;
        return PlanInputLine(state, [](std::string_view text) { return static_cast<int>(text.size()) * 10; });
    }
    InputLineState inputLine;

    // Row drawing.
    void ApplyRowMetrics(const RowMetrics& metrics, bool smooth) override {
        rowMetrics = metrics;
        smoothRowFont = smooth;
        list.SetManualRowHeight(metrics.rowHeight);
        list.TextLeft = metrics.textLeft;
    }
    RowMetrics rowMetrics;  // the last metrics applied
    bool smoothRowFont = false;

private:
    void Log(const std::string& event) {
        events.push_back(event);
        if (onEvent) onEvent(event);
    }
    FakeClock& clock_;
    EditEntryModel* editorModel_ = nullptr;
};

}  // namespace qx::test
