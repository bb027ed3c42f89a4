#include "app/MainForm.h"

#include "controls/ListBoxModel.h"
#include "platform/FileDialogs.h"
#include "skin/FrameLayout.h"
#include "skin/Skin.h"

namespace qx {

namespace {

constexpr int kBackgroundLockId = 90;

}  // namespace

void MainForm::StartSkin() {
    // Remembered before the first look, which then needs no second pass.
    skin_->SetNoLayer(noLayer_);
    skin_->SetCustomBackgroundPath(settings_.customBackgroundPath);
    (void)skin_->SetRowIconSize(RowIconSize());
    const SkinOutcome outcome = skin_->SelectAtStartup(settings_.macOSSkin, settings_.customSkin);
    ApplySkinLook();
    // The stored choice stays in the settings: a skin that failed once may load next time.
    ReportSkin(outcome);
}

void MainForm::ApplySkinLook() {
    if (!skin_ || !skin_->chosen()) return;
    skin_->SetButtonCaptions(language_.Text(texts::ShowAllEntries), language_.Text(texts::OptionsButton),
                             language_.Text(texts::InfoHelpButton));
    ListBoxModel& list = view_.ResultList();
    const int windowHeight = list.Height() + skin_->ListTop() + skin_->look().properties.listBottom;
    skin_->ComposeBackground(windowHeight, list.Width(), list.Height());
    list.SetSizeLimits(ListLimitsFor(skin_->look()));
    view_.ApplySkinLook(skin_->look());
    SendRowMetrics();
}

void MainForm::UpdateRowIconSize(bool scale) {
    if (!skin_ || !skin_->chosen()) return;
    scaleRows_ = scale;
    const SkinOutcome outcome = skin_->SetRowIconSize(RowIconSize());
    if (skin_->isCustom())
        ApplySkinLook();
    else
        SendRowMetrics();
    // Only this call goes without scaling; the next skin change scales again.
    scaleRows_ = true;
    ReportSkin(outcome);
}

void MainForm::ReportSkin(const std::optional<SkinFailure>& failure) {
    if (!failure) return;
    const std::string text = language_.Text(texts::SkinLoadError) + failure->skinName + "\r" + failure->detail;
    if (failure->fellBack)
        ShowInfo(text);
    else
        platform_.boxes.ShowError(text);
}

std::vector<ThemeMenuItem> MainForm::ThemeMenuItems() { return skin_ ? skin_->MenuItems() : std::vector<ThemeMenuItem>{}; }

void MainForm::ChooseTheme(const ThemeMenuItem& item) {
    if (!skin_) return;
    const SkinOutcome outcome = skin_->Choose(item);
    settings_.macOSSkin = skin_->tag();
    settings_.customSkin = skin_->name();
    ApplySkinLook();
    ReportSkin(outcome);
    if (started_) SaveSettings();
}

void MainForm::ChooseBackground(bool custom) {
    if (!skin_) return;
    // The picker and the new background hold the input, as any dialog does.
    SetUserInput(false, kBackgroundLockId);
    std::optional<std::string> path = std::string();
    if (custom) {
        path = platform_.fileDialogs ? platform_.fileDialogs->ChooseBitmap() : std::nullopt;
        // A picture that cannot be read is refused here, where the user can pick another.
        const DecodedBitmap picture = path ? ReadBitmapFile(platform_.files, *path) : DecodedBitmap{};
        if (path && !picture) {
            ShowInfo(language_.Text(texts::BackgroundLoadError) + *path + "\r" + picture.error);
            path.reset();
        }
    }
    if (path) {
        settings_.customBackgroundPath = *path;
        skin_->SetCustomBackgroundPath(*path);
        ApplySkinLook();
        SaveSettings();
    }
    SetUserInput(true, kBackgroundLockId);
}

void MainForm::OnWindowResized(int windowHeight) {
    if (!skin_ || !skin_->chosen()) return;
    const ListBoxModel& list = view_.ResultList();
    // The window takes the look again only when the background changed with the height.
    if (skin_->ComposeBackground(windowHeight, list.Width(), list.Height())) view_.ApplySkinLook(skin_->look());
}

}  // namespace qx
