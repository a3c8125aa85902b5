#pragma once

#include "metadata.h"

#include <QRect>

#include <cstdint>
#include <optional>
#include <span>

// The form as data: every control of the window, its container, geometry,
// caption, looks and place in the focus order. The window builds itself from
// this table in one loop, so the table is the one place to change the form.
namespace form {

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

// A colour of the form is &H00BBGGRR&, red in the low byte. With this bit
// set it is no colour but the index of a system colour in the low byte: one
// the desktop's theme gives, which changes with the theme.
constexpr std::uint32_t kSystemColour = 0x80000000u;

// A rectangle in twips, from the client origin of what holds it.
struct Twips {
    int left, top, width, height;
};

// 15 twips are one logical pixel; Qt's high-DPI scaling does the rest.
constexpr QRect toPixels(const Twips &twips)
{
    const auto pixels = [](int length) { return (length + 7) / 15; };
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

// What only some controls have, named where a row sets it.
struct Properties {
    std::optional<std::uint32_t> back = {}; // background colour; a shape's fill
    std::optional<std::uint32_t> fore = {}; // text colour; a shape's border
    std::optional<Font> font = {}; // unset: kDefaultFont
    const char *picture = nullptr; // an image's picture, by its name in pictures.h
    bool readOnly = false; // text boxes
    const char *accessibleName = nullptr; // for screen readers, where no caption names the control
    bool decorative = false; // only drawn, never read out: a hairline, a band of colour
    Role role = Role::None;
};

// The container of a control that lies on the window itself, in no frame.
constexpr const char *kNoFrame = nullptr;

struct Control {
    const char *name;
    Kind kind;
    const char *container; // the frame it lies in, by its name, or kNoFrame
    Twips place;
    int tab; // focus order; controls that take no focus ignore it
    const char *text = ""; // caption, or the initial text of a text box
    Properties properties = {};
};

struct Window {
    const char *caption;
    Twips clientArea; // on the screen
    const char *icon; // by its name in pictures.h
};

inline constexpr Window kWindow{KORVID_WINDOW_TITLE, {1470, 3435, 13590, 9585}, "icon"};

// Within each container, a row lies in front of every row after it.
std::span<const Control> controls();

} // namespace form
