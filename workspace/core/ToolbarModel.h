#pragma once
// The twelve picture buttons along the top of the main window and their hover frame: which button carries the
// raised frame (HotButton), whether a button is held down (ToolIdle), and the frame each button was last
// given by DrawRect. Colours are 0x00BBGGRR.
#include <array>
#include <cstdint>
#include <optional>

namespace dlx {

struct ToolButtonPlace {
    int index;           ///< ImgTool(index), 1..12
    int left;            ///< twips; every button is 360 x 360 at top 0
    const char *tooltip; ///< UTF-8
    const char *command; ///< object name of the window's action a click triggers ("mnuOpen", "saveActivePane")
};

inline constexpr int kToolButtonTwips = 360;
inline constexpr int kToolButtonCount = 12;
inline constexpr std::uint32_t kFrameLight = 0xFFFFFF;
inline constexpr std::uint32_t kFrameDark = 0x404040;

/// The buttons in left-to-right order (button 6 is the rightmost).
const std::array<ToolButtonPlace, kToolButtonCount> &toolButtons();

/// Button `index` (its place and tooltip), or nothing for an index outside 1..12.
std::optional<ToolButtonPlace> toolButton(int index);

struct HoverFrame {
    std::uint32_t light = 0, dark = 0;
    bool operator==(const HoverFrame &) const = default;
};

class ToolbarHover {
public:
    explicit ToolbarHover(std::uint32_t buttonFace) : face_(buttonFace) {}

    /// HotButton: the button that carries (or last carried) the raised frame; 0 before any.
    int hotButton() const { return hotButton_; }
    /// ToolIdle: false while a button is held down, which freezes the hover.
    bool toolIdle() const { return toolIdle_; }

    /// Frames button `index` in the two colours; an index that names no button is ignored.
    void DrawRect(int index, std::uint32_t light, std::uint32_t dark);
    /// Paints every button but HotButton's frame in the button-face colour.
    void ClearRect();
    /// HotButton (1 when none yet) gets the button-face frame.
    void eraseHoverFrame();

    /// The pointer moves over button `index`: raised frame there, erased elsewhere (only while no button is held).
    void pointerMoved(int index);
    /// Left button down on `index`: pressed look, ToolIdle false.
    void leftDown(int index);
    /// Left button up on `index`: rest look, raised frame on HotButton, ToolIdle true. The caller then runs the
    /// button's command.
    void leftUp(int index);

    /// The frame button `index` was last drawn with, if any.
    std::optional<HoverFrame> frame(int index) const;
    /// True when the button shows the raised frame (light and dark edges).
    bool raised(int index) const;
    bool pressed(int index) const;

private:
    static bool valid(int index) { return index >= 1 && index <= kToolButtonCount; }
    std::uint32_t face_;
    int hotButton_ = 0;
    bool toolIdle_ = true;
    std::array<std::optional<HoverFrame>, kToolButtonCount + 1> frames_{};
    std::array<bool, kToolButtonCount + 1> pressed_{};
};

} // namespace dlx
