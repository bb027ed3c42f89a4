// The main window's side of row drawing: the row metrics for the current icon size and look,
// and each row resolved on its first paint.
#include "app/EntryIcons.h"
#include "app/MainForm.h"
#include "app/RowResolution.h"
#include "controls/ListBoxModel.h"
#include "search/FolderBrowser.h"
#include "skin/Skin.h"
#include "store/EntryRows.h"
#include "store/EntryStore.h"

namespace qx {

namespace {

constexpr double kDefaultPixelsPerInch = 96.0;

}  // namespace

int MainForm::RowIconSize() const {
    return LargeRowIcons() ? LargeIconSize(platform_.system.LargeShellIconSize()) : kSmallRowIcons;
}

void MainForm::SendRowMetrics() {
    if (!skin_ || !skin_->chosen()) return;
    const double dpiFactor = platform_.system.PixelsPerInch().y / kDefaultPixelsPerInch;
    rowMetrics_ = ComputeRowMetrics(skin_->look(), LargeRowIcons(), scaleRows_, dpiFactor,
                                    platform_.system.LargeShellIconSize());
    view_.ApplyRowMetrics(rowMetrics_, settings_.smoothFonts);
}

RowContext MainForm::RowPaintContext() const {
    RowContext context;
    if (IsFolderBrowsing())
        context.mode = IsPathMode(query_->currentText()) ? ListMode::ShellFolder : ListMode::FileFolder;
    context.commandInput = query_->Mode() != InputMode::EntrySearch;
    context.markToText = MarkToText();
    context.markTextExtra = view_.ResultList().MarkTextExtra;
    context.customBackground = !settings_.customBackgroundPath.empty();
    return context;
}

RowToPaint MainForm::RowForPainting(int index) {
    ListBoxModel& list = view_.ResultList();
    if (index < 0 || index >= list.Count()) return {};
    const std::string text = list.Items().Strings(index);
    RowSources sources;
    sources.mode = RowPaintContext().mode;
    sources.entryIcons = entryIcons_.get();
    sources.iconCache = &store_->IconCache();
    sources.icons = iconSource_;
    sources.files = &platform_.files;
    sources.folder = query_->browsedFolder();
    if (browser_) sources.shellItem = [this](const std::string& row) { return browser_->FindShellItem(row); };
    if (platform_.shellView)
        sources.shellDetail = [this](const ShellViewItem& item, int column) {
            return platform_.shellView->ItemDetail(item, column);
        };
    sources.folderFlags = query_->folderFlags();
    sources.iconSize = rowMetrics_.iconSize;
    sources.thousandsSeparator = language_.languageIndex() == 0 ? '.' : ',';
    RowToPaint row = ResolveRow(EntryAt(list.Items(), index), text, sources);
    row.input.text = list.DisplayText(text);
    return row;
}

}  // namespace qx
