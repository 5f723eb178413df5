#include "ToolbarModel.h"

namespace dlx {

const std::array<ToolButtonPlace, kToolButtonCount> &toolButtons() {
    static const std::array<ToolButtonPlace, kToolButtonCount> buttons = {{
        {1, 60, "เริ่มใหม่"},
        {2, 450, "เปิดต้นฉบับ"},
        {3, 840, "บันทึก"},
        {4, 1230, "พิมพ์"},
        {5, 1620, "เพิ่มศัพท์"},
        {7, 2010, "ตัด"},
        {8, 2400, "คัดลอก"},
        {9, 2790, "วาง"},
        {10, 3180, "ย้อนกลับ"},
        {11, 3570, "ตัวอักขระ"},
        {12, 3960, "รูปแบบแนวนอน"},
        {6, 4350, "รูปแบบแนวตั้ง"},
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
        if (i != HotButton)
            DrawRect(i, face_, face_);
}

void ToolbarHover::eraseHoverFrame() {
    if (HotButton == 0)
        HotButton = 1;
    DrawRect(HotButton, face_, face_);
}

void ToolbarHover::pointerMoved(int index) {
    if (!ToolIdle)
        return;
    HotButton = index;
    DrawRect(HotButton, kFrameLight, kFrameDark);
    ClearRect();
}

void ToolbarHover::leftDown(int index) {
    if (valid(index))
        pressed_[static_cast<std::size_t>(index)] = true;
    ToolIdle = false;
}

void ToolbarHover::leftUp(int index) {
    if (valid(index))
        pressed_[static_cast<std::size_t>(index)] = false;
    DrawRect(HotButton, kFrameLight, kFrameDark);
    ToolIdle = true;
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
