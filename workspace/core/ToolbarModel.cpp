#include "ToolbarModel.h"

namespace dlx {

const std::array<ToolButtonPlace, kToolButtonCount> &toolButtons() {
    static const std::array<ToolButtonPlace, kToolButtonCount> buttons = {{
        {1, 60, "เริ่มใหม่", "clearBothPanes"},
        {2, 450, "เปิดต้นฉบับ", "mnuOpen"},
        {3, 840, "บันทึก", "saveActivePane"},
        {4, 1230, "พิมพ์", "printActivePane"},
        {5, 1620, "เพิ่มศัพท์", "mnuAdd"},
        {7, 2010, "ตัด", "mnuCut"},
        {8, 2400, "คัดลอก", "mnuCopy"},
        {9, 2790, "วาง", "mnuPaste"},
        {10, 3180, "ย้อนกลับ", "mnuUndo"},
        {11, 3570, "ตัวอักขระ", "fontOfActivePane"},
        {12, 3960, "รูปแบบแนวนอน", "mnuCurX"},
        {6, 4350, "รูปแบบแนวตั้ง", "mnuCurY"},
    }};
    return buttons;
}

std::optional<ToolButtonPlace> toolButton(int index) {
    for (const auto &b : toolButtons())
        if (b.index == index)
            return b;
    return std::nullopt;
}

void ToolbarHover::DrawRect(int index, std::uint32_t light, std::uint32_t dark) {
    if (!valid(index))
        return;
    frames_[static_cast<std::size_t>(index)] = HoverFrame{light, dark};
}

void ToolbarHover::ClearRect() {
    for (int i = 1; i <= kToolButtonCount; ++i)
        if (i != hotButton_)
            DrawRect(i, face_, face_);
}

void ToolbarHover::eraseHoverFrame() {
    if (hotButton_ == 0)
        hotButton_ = 1;
    DrawRect(hotButton_, face_, face_);
}

void ToolbarHover::pointerMoved(int index) {
    if (!toolIdle_)
        return;
    hotButton_ = index;
    DrawRect(hotButton_, kFrameLight, kFrameDark);
    ClearRect();
}

void ToolbarHover::leftDown(int index) {
    if (valid(index))
        pressed_[static_cast<std::size_t>(index)] = true;
    toolIdle_ = false;
}

void ToolbarHover::leftUp(int index) {
    if (valid(index))
        pressed_[static_cast<std::size_t>(index)] = false;
    DrawRect(hotButton_, kFrameLight, kFrameDark);
    toolIdle_ = true;
}

std::optional<HoverFrame> ToolbarHover::frame(int index) const {
    if (!valid(index))
        return std::nullopt;
    return frames_[static_cast<std::size_t>(index)];
}

bool ToolbarHover::raised(int index) const {
    const auto f = frame(index);
    return f && f->light == kFrameLight && f->dark == kFrameDark;
}

bool ToolbarHover::pressed(int index) const {
    return valid(index) && pressed_[static_cast<std::size_t>(index)];
}

} // namespace dlx
