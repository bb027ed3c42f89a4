// The window frame's behaviour: list resizing by the grip, opacity and its menu.
#include "app/MainForm.h"
#include "controls/ListBoxModel.h"
#include "skin/Skin.h"

namespace qx {

namespace {

// A grip drag reaches the window at most once per this many milliseconds.
constexpr unsigned kResizeIntervalMs = 10;
// Layered windows came with this Windows version.
constexpr int kLayeredWindowsVersion = 500;

}  // namespace

void MainForm::AttachListResizing() {
    ListBoxModel& list = view_.ResultList();
    list.ResizeByOwner = [this](int width, int height) { RequestListSize(width, height); };
    list.OnResizeFinished = [this] { ListResizeFinished(); };
}

void MainForm::RequestListSize(int width, int height) {
    // The timer is not restarted by later steps: a mouse that keeps moving faster than the
    // tick would otherwise leave the window behind until it stops.
    if (!pendingListSize_) view_.StartTimer(WindowTimer::Resize, kResizeIntervalMs);
    pendingListSize_ = ImageSize{width, height};
}

void MainForm::OnResizeTick() {
    view_.StopTimer(WindowTimer::Resize);
    if (!pendingListSize_) return;
    const ImageSize size = view_.ResultList().ClampSize(pendingListSize_->width, pendingListSize_->height);
    pendingListSize_.reset();
    view_.ApplyListSize(size.width, size.height);
}

void MainForm::ListResizeFinished() {
    // The last step of the drag may still wait for its tick.
    OnResizeTick();
    const ListBoxModel& list = view_.ResultList();
    if (IsFolderBrowsing()) {
        settings_.folderListWidth = list.Width();
        settings_.folderListHeight = list.Height();
    } else {
        settings_.listWidth = list.Width();
        settings_.listHeight = list.Height();
    }
    SaveSettings();
}

void MainForm::SetOpacity(int alpha, bool save, bool reapply) {
    const bool wasNoLayer = noLayer_;
    settings_.alpha = alpha;
    if (alpha == kNotLayered) {
        noLayer_ = true;
        view_.ApplyOpacity(kNotLayered);
    } else {
        noLayer_ = platform_.system.WindowsVersionNumber() < kLayeredWindowsVersion || !view_.ApplyOpacity(alpha);
    }
    if (save) SaveSettings();
    // Magenta turns grey or back into the colour key.
    if (reapply && noLayer_ != wasNoLayer && skin_) ReportSkin(skin_->SetNoLayer(noLayer_));
}

void MainForm::SetOpacityPercent(int percent) {
    if (percent == kNotLayered) ShowInfo(language_.Text(texts::TransparencyOffWarning));
    SetOpacity(percent == kNotLayered ? kNotLayered : PercentToAlpha(percent), true, true);
    // The background is composed afresh for the window's height.
    ApplySkinLook();
}

}  // namespace qx
