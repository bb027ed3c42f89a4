// The main window's row drawing: the row font and metrics, each row painted through the row
// painter, and the balloon that shows a folder row's full details.
#include "app/win32/MainWindow.h"

#include <commctrl.h>

#include "text/LanguageStrings.h"

namespace qx {

namespace {

constexpr UINT kBalloonMs = 20000;
constexpr UINT_PTR kBalloonTimer = 1;

void CALLBACK HideBalloon(HWND tooltip, UINT, UINT_PTR timer, DWORD) {
    KillTimer(tooltip, timer);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = GetParent(tooltip);
    tool.uId = 1;
    SendMessageA(tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void MainWindow::ApplyRowMetrics(const RowMetrics& metrics, bool smoothFonts) {
    UniqueFont font(CreateFontA(metrics.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                smoothFonts ? CLEARTYPE_QUALITY : DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                metrics.fontName.c_str()));
    ListBoxModel& list = resultList_.Model();
    list.SetManualRowHeight(metrics.rowHeight);
    list.TextLeft = metrics.textLeft;
    rowPainter_.SetMetrics(metrics);
    // The list lets go of the old font before it is freed.
    if (font) resultList_.SetFont(font.get());
    if (font) rowFont_ = std::move(font);
    resultList_.Invalidate();
}

void MainWindow::PaintListItem(HDC canvas, int index) {
    ListBoxModel& list = resultList_.Model();
    std::uint32_t* bits = resultList_.PaintPixels();
    if (!bits) return;
    const PixelView pixels(list.Width(), list.Height(), bits);
    if (index < 0) {
        rowPainter_.DrawBackground(canvas, pixels, list);
        return;
    }
    RowToPaint row;
    row.input.text = list.Items().Strings(index);
    if (form_) row = form_->RowForPainting(index);
    rowPainter_.DrawRow(canvas, pixels, list, index, row, form_ ? form_->RowPaintContext() : RowContext{});
}

void MainWindow::CreateRowTooltip() {
    rowTooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_BALLOON | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                  instance_, nullptr);
    if (!rowTooltip_) return;
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = hwnd_;
    tool.uId = 1;
    tool.lpszText = const_cast<char*>("");
    SendMessageA(rowTooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(rowTooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
    resultList_.OnMouseMoved = [this](int x, int y, bool leftButtonDown) {
        if (x < 0) HideRowTooltip();
        else UpdateRowTooltip(x, y, leftButtonDown);
    };
}

void MainWindow::HideRowTooltip() {
    tooltipRow_ = -1;
    if (rowTooltip_) HideBalloon(rowTooltip_, 0, kBalloonTimer, 0);
}

void MainWindow::UpdateRowTooltip(int x, int y, bool leftButtonDown) {
    ListBoxModel& list = resultList_.Model();
    if (!rowTooltip_ || !form_ || !list.FolderMode()) {
        if (tooltipRow_ >= 0) HideRowTooltip();
        return;
    }
    const int row = list.RowAt(y);
    if (row == tooltipRow_) return;
    HideRowTooltip();
    if (row < 0 || row >= list.Count()) return;
    tooltipRow_ = row;
    const RowToPaint painted = form_->RowForPainting(row);
    if (!painted.input.folderListing) return;
    const RowTooltip tip =
        PlanRowTooltip(painted.input, rowPainter_.DetailTruncated(list, row),
                       list.ZoneAt(x, y) == ListZone::Rows, leftButtonDown, form_->languageIndex());
    if (!tip.show) return;
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = hwnd_;
    tool.uId = 1;
    tool.lpszText = const_cast<char*>(tip.text.c_str());
    SendMessageA(rowTooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(rowTooltip_, TTM_SETTITLEA, TTI_INFO, reinterpret_cast<LPARAM>(tip.title.c_str()));
    POINT at{x, y};
    ClientToScreen(resultList_.Handle(), &at);
    SendMessageA(rowTooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageA(rowTooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(rowTooltip_, kBalloonTimer, kBalloonMs, &HideBalloon);
}

}  // namespace qx
