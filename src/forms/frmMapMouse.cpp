// The map window's mouse: order entry with clicks and double clicks, moving the map by
// dragging it with the right button.
#include "forms/frmMap.h"

#include "forms/frmGrantAccess.h"
#include "forms/frmSpy.h"
#include "forms/frmWinQZ.h"
#include "orders/AreaOrders.h"
#include "state/Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace dered {

namespace {

constexpr int kLastGridTopRow = 287;

// A dragged view position held to what the settings can store; ClampView then wraps it.
int16_t ViewPosition(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<int16_t>(std::clamp<int32_t>(Nearest(std::clamp(value, -1.0e6, 1.0e6)),
                                                    std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

} // namespace

void frmMap::picView_MouseDown(int16_t button, int16_t shift, float x, float y) {
    if (button != kRightButton) {
        return;
    }
    if (shift == kEditCellShift) {
        EditCellAtPoint();
        return;
    }
    caption.SetText("Map - Drag Mode");
    platform_.SetPointer(Pointer::Cross);
    dragStart_ = ViewPoint{x, y};
}

void frmMap::picView_MouseMove(int16_t, int16_t, float x, float y) {
    pointer_ = {x, y};
    staHover.SetText(HoverTextAt(x, y));
}

void frmMap::picView_MouseUp(int16_t button, int16_t, float x, float y) {
    lastButton_ = button;
    if (button == kRightButton) {
        DropAt(x, y);
    }
}

void frmMap::DropAt(float x, float y) {
    if (!dragStart_) {
        return;
    }
    for (size_t i = 0; i < optCommandRect.size(); ++i) {
        const ControlRect& rect = optCommandRect[i];
        if (rect.Contains(x, y)) {
            optCommand_DragDrop(static_cast<int>(i), x - static_cast<float>(rect.left),
                                y - static_cast<float>(rect.top));
            return;
        }
    }
    if (x >= 0.0f && y >= 0.0f && x < static_cast<float>(canvas.ViewWidth()) &&
        y < static_cast<float>(canvas.ViewHeight())) {
        picView_DragDrop(x, y);
        return;
    }
    // Dropped outside the window: the map stays, but the drag mode ends.
    EndDrag();
}

void frmMap::picView_DragDrop(float x, float y, DragSource source) {
    // A drop only ever ends a drag of the view.
    if (source != DragSource::PictureBox || !dragStart_) {
        return;
    }
    SettingsRecord& settings = records_.settings;
    settings.MapX = ViewPosition(static_cast<double>(x) - dragStart_->x + settings.MapX);
    settings.MapY = ViewPosition(static_cast<double>(y) - dragStart_->y + settings.MapY);
    ClampView(settings, canvas.Geometry(), canvas.ViewHeight());
    canvas.RefreshView();
    EndDrag();
}

void frmMap::optCommand_DragDrop(int index, float x, float y, DragSource source) {
    if (source != DragSource::PictureBox || index < 0 ||
        index >= static_cast<int>(optCommandRect.size())) {
        return;
    }
    const ControlRect& rect = optCommandRect[index];
    picView_DragDrop(static_cast<float>(rect.left) + x, static_cast<float>(rect.top) + y, source);
}

void frmMap::EndDrag() {
    dragStart_.reset();
    ShowCaption();
    platform_.SetPointer(Pointer::Default);
}

void frmMap::EditCellAtPoint() {
    EditCell(CellAtPoint(canvas.Geometry(), records_.settings, pointer_.x, pointer_.y));
}

void frmMap::ScrollGridToArea(int16_t area) {
    if (area >= 1 && area <= MaxArea) {
        windows_.winQZ.grdArea.SetTopRow(std::min<int>(area, kLastGridTopRow));
    }
}

void frmMap::picView_DblClick() {
    if (Game().PendingCommand != MapCommand::None) {
        return;
    }
    const int refreshed = canvas.Refreshes();
    if (!entry_.Begin(optCommand.Chosen(), canvas.AreaAt(pointer_.x, pointer_.y))) {
        return;
    }
    // A two-click order only began: the view is as it was but for the outline of its area.
    if (canvas.Refreshes() == refreshed && canvas.Loaded() &&
        Game().PendingCommand != MapCommand::None) {
        canvas.OutlineBegunOrder();
    } else {
        canvas.UpdateView();
    }
    ShowNextClick();
}

void frmMap::CancelEntry() {
    if (entry_.Cancel()) {
        canvas.UpdateView();
    }
    ShowNextClick();
}

void frmMap::picView_Click() {
    if (lastButton_ != kLeftButton) {
        return;
    }
    const MapCommand before = Game().PendingCommand;
    const int refreshed = canvas.Refreshes();
    RunClickCommand(canvas.AreaAt(pointer_.x, pointer_.y));
    // A refused target settles no area, but the outline goes with the pending command; a
    // stored order has already refreshed the view.
    if (before != Game().PendingCommand && canvas.Refreshes() == refreshed) {
        canvas.UpdateView();
    }
    ShowNextClick();
}

void frmMap::RunClickCommand(int16_t area) {
    switch (Game().PendingCommand) {
    case MapCommand::None:
        ScrollGridToArea(area);
        break;
    case MapCommand::Move:
    case MapCommand::SupportAttack:
    case MapCommand::SupportDefence:
    case MapCommand::Convoy:
        entry_.Complete(area);
        break;
    case MapCommand::GrantAccess:
        // Map clicks reach the spy grid and the grant-access area box only while open.
        if (windows_.grantAccess.IsLoaded()) {
            windows_.grantAccess.txtArea.SetText(SignedText(area));
        }
        break;
    case MapCommand::Spy:
        if (windows_.spy.IsLoaded()) {
            windows_.spy.AddTarget(area);
        }
        break;
    case MapCommand::Victory:
        break;
    }
}

} // namespace dered
