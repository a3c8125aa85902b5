#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The form as data: every control of the window, its container, geometry,
// caption, looks and place in the focus order. The window builds itself from
// this table in one loop, so the table is the one place to change the form.
namespace layout {

enum class Kind { Button, TextBox, CheckBox, Frame, Image, Label, Shape };

// What a control does in the calculator beyond showing itself. The window
// wires each role to its behaviour; most controls have none.
enum class Role { None, Answers, FreeFallTime, FreeFallDistance, Gravitation, ClearAnswers, SupportAuthor };

struct Font {
    double points;
    int weight; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
};

// The form's own font, and its dialogs': "宋体" 9 pt.
constexpr Font kDefaultFont{9, 400};

// A colour of the form with this bit set is no colour but the index of a
// system colour, one the desktop's theme gives.
constexpr std::uint32_t kSystemColour = 0x80000000u;

// What only some controls have, named where a row sets it.
struct Details {
    std::optional<std::uint32_t> back = {}; // colour &H00BBGGRR& or system colour; a shape's fill
    std::optional<std::uint32_t> fore = {}; // text colour; a shape's border
    std::optional<Font> font = {}; // unset: kDefaultFont
    const char *picture = nullptr; // an image's picture, by its name in pictures.h
    bool readOnly = false; // text boxes
    const char *accessibleName = nullptr; // for screen readers, where no caption names the control
    bool decorative = false; // only drawn, never read out: a hairline, a band of colour
    Role role = Role::None;
};

struct Control {
    const char *name;
    Kind kind;
    const char *in; // the containing frame; nullptr for the window itself
    int left, top, width, height; // twips, from the container's client origin
    int tab; // focus order; controls that take no focus ignore it
    const char *text = ""; // caption, or the initial text of a text box
    Details more = {};
};

struct Window {
    const char *caption;
    int left, top, width, height; // twips: the client area on the screen
    const char *icon; // by its name in pictures.h
};

extern const Window kWindow;

// Within each container, a row lies in front of every row after it.
std::span<const Control> form();

// 15 twips are one logical pixel; Qt's high-DPI scaling does the rest.
constexpr int toPixels(int twips)
{
    return (twips + 7) / 15;
}

} // namespace layout
