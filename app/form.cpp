#include "form.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace form {
namespace {

constexpr std::uint32_t kSystemWindowBackground = kSystemColour | 5;

constexpr Font kForgiveFont{21.75, 700, true};
constexpr Font kWideForgiveFont{18, 400};
constexpr Font kLinkFont{9, 400, false, true};

constexpr const char *kForgive = "原谅作者，功能正在开发中...";

// clang-format off
constexpr std::array kForm = {
//  name                 kind             container  left   top  width height  tab  caption or text, properties
    Control{"Command15", Kind::Button,   kNoFrame, { 5040,  240,  1215,  375},  23, "千万别点！"},
    Control{"Command14", Kind::Button,   kNoFrame, { 3840,  240,  1215,  375},  22, "官网"},
    Control{"Command13", Kind::Button,   kNoFrame, { 2640,  240,  1215,  375},  21, "帮助"},
    Control{"Command12", Kind::Button,   kNoFrame, { 1440,  240,  1215,  375},  20, "设置"},
    Control{"Command11", Kind::Button,   kNoFrame, {  240,  240,  1215,  375},  19, "科学小故事"},
    Control{"Text1",     Kind::TextBox,  kNoFrame, { 3000, 8760,  4215,  375},  13, "吐槽框（虽然作者看不到）", {.accessibleName = "吐槽框"}},
    Control{"Check1",    Kind::CheckBox, kNoFrame, {  120, 8760,  3015,  375},  10, "是否支持作者", {.role = Role::SupportAuthor}},
    Control{"Frame4",    Kind::Frame,    kNoFrame, {12000, 8040,  1455, 1455},   9, "作者猥琐头像"},
    Control{"Image1",    Kind::Image,    "Frame4", {  240,  240,  1035, 1110},  -1, "", {.picture = "portrait", .accessibleName = "作者猥琐头像"}},
    Control{"Frame1",    Kind::Frame,    kNoFrame, {  120,  840, 13335, 7095},   0, "有用部分", {.back = 0x0080FF80}},
    Control{"Frame8",    Kind::Frame,    "Frame1", { 6720, 3360,  6495, 2895},  27, "化学专区", {.back = 0x00C0FFC0}},
    Control{"Command16", Kind::Button,   "Frame8", {  120,  240,  6255, 2535},  29, kForgive, {.font = kForgiveFont}},
    Control{"Frame5",    Kind::Frame,    "Frame1", { 6720,  240,  6495, 3015},  24, "生物专区", {.back = 0x00FFC0FF, .fore = 0x00000000}},
    Control{"Command10", Kind::Button,   "Frame5", {  120,  240,  6255, 2535},  28, kForgive, {.font = kForgiveFont}},
    Control{"Command9",  Kind::Button,   "Frame1", {12360, 6360,   735,  615},  18, "点击清空文本框", {.role = Role::ClearAnswers}},
    Control{"Text2",     Kind::TextBox,  "Frame1", {  840, 6360, 11415,  630},  17, "", {.readOnly = true, .accessibleName = "答案", .role = Role::Answers}},
    Control{"Frame3",    Kind::Frame,    "Frame1", {  120, 3360,  6615, 2895},   8, "数学专区", {.back = 0x00C0FFFF}},
    Control{"Frame6",    Kind::Frame,    "Frame3", { 6600,    0,    15, 2895},  25, "Frame6", {.decorative = true}},
    Control{"Frame7",    Kind::Frame,    "Frame6", {    0,    0,    15, 1695},  26, "Frame7", {.decorative = true}},
    Control{"Command7",  Kind::Button,   "Frame3", {  120,  240,  6375, 2535},  14, kForgive, {.font = kForgiveFont}},
    Control{"Command6",  Kind::Button,   "Frame1", {  240, 2175,  6375,  840},   6, kForgive, {.font = kWideForgiveFont}},
    Control{"Command5",  Kind::Button,   "Frame1", { 2520, 1320,  1815,  615},   5, "平抛运动竖直位移 （正在开发）"},
    Control{"Command4",  Kind::Button,   "Frame1", {  240, 1320,  1815,  615},   4, "平抛运动水平位移 （正在开发）"},
    Control{"Command3",  Kind::Button,   "Frame1", { 4800,  480,  1815,  615},   3, "平抛运动初速度计算（正在开发）"},
    Control{"Command2",  Kind::Button,   "Frame1", { 2520,  480,  1815,  375},   2, "自由落体运动距离", {.role = Role::FreeFallDistance}},
    Control{"Command1",  Kind::Button,   "Frame1", {  240,  480,  1815,  375},   1, "自由落体运动时间", {.role = Role::FreeFallTime}},
    Control{"Frame2",    Kind::Frame,    "Frame1", {  120,  240,  6615, 3015},   7, "物理专区", {.back = 0x00FFFF00}},
    Control{"Command8",  Kind::Button,   "Frame2", { 4680, 1080,  1815,  615},  15, "万有引力大小计算", {.role = Role::Gravitation}},
    Control{"Label1",    Kind::Label,    "Frame1", {  120, 6600,   735,  255},  16, "答案为：", {.back = kSystemWindowBackground}},
    Control{"Label10",   Kind::Label,    kNoFrame, { 6480,  240,  1935,  375},  36, "PS:该功能区尚未编辑，你点了也没用，哈哈"},
    Control{"Label9",    Kind::Label,    kNoFrame, { 7440, 8760,  4455,  375},  35, "PS：由于系统不完善，请勿不输入数值就点击确定，会导致软件错误闪退"},
    Control{"Label5",    Kind::Label,    kNoFrame, { 7440, 9240,  3135,  255},  34, "PS:暂无官网"},
    Control{"Label4",    Kind::Label,    kNoFrame, { 1440, 9240,  2055,  255},  33, "官方客服QQ请到官网查找"},
    Control{"Label8",    Kind::Label,    kNoFrame, { 3720, 9240,  3735,  255},  32, "版本号：V" KORVID_VERSION " " KORVID_BUILD_TAG " 更新时间：" KORVID_RELEASE_DATE_DOTTED},
    Control{"Label7",    Kind::Label,    kNoFrame, { 6840, 8040,  5175,  255},  31, "对不起，由于目前功能尚未完善，请需要更新的用户到官网更新"},
    Control{"Label6",    Kind::Label,    kNoFrame, {  120, 9240,  1095,  255},  30, "点击进入官网", {.fore = 0x00FF0000, .font = kLinkFont}},
    Control{"Shape1",    Kind::Shape,    kNoFrame, {  120,  120,  6255,  615},  -1, "", {.back = 0x00FFFF80, .fore = 0x000000FF, .decorative = true}},
    Control{"Label3",    Kind::Label,    kNoFrame, {  120, 8400,  8655,  255},  12, "如遇问题请联系" KORVID_MAKER "客服QQ反馈；青柚编程协会QQ群：000000000，群里偶尔教编程"},
    Control{"Label2",    Kind::Label,    kNoFrame, {  120, 8040,  6255,  255},  11, "PS：由于功能未完善，请点击清空文本框按钮再进行第二次计算 /(ㄒoㄒ)/~~"},
};
// clang-format on

// Every container is a frame of an earlier row: the window builds the table
// in order and places each control in a container it has built already.
constexpr bool containersComeFirst()
{
    for (auto row = kForm.begin(); row != kForm.end(); ++row) {
        const auto isItsFrame = [&](const Control &earlier) {
            return earlier.kind == Kind::Frame && std::string_view(earlier.name) == row->container;
        };
        if (row->container && !std::any_of(kForm.begin(), row, isItsFrame))
            return false;
    }
    return true;
}
static_assert(containersComeFirst(), "a row's container must be a frame named in an earlier row");

// The kind of control a role's behaviour works on; any for no role.
constexpr std::optional<Kind> kindFor(Role role)
{
    switch (role) {
    case Role::None: break;
    case Role::Answers: return Kind::TextBox;
    case Role::SupportAuthor: return Kind::CheckBox;
    case Role::FreeFallTime:
    case Role::FreeFallDistance:
    case Role::Gravitation:
    case Role::ClearAnswers: return Kind::Button;
    }
    return std::nullopt;
}

// The window takes each role's control to be of its kind, and has one answer
// box to append to.
constexpr bool rolesFitTheirControls()
{
    int answerBoxes = 0;
    for (const Control &row : kForm) {
        if (kindFor(row.properties.role).value_or(row.kind) != row.kind)
            return false;
        answerBoxes += row.properties.role == Role::Answers ? 1 : 0;
    }
    return answerBoxes == 1;
}
static_assert(rolesFitTheirControls(), "a role on a control of another kind, or not exactly one answer box");

// A system colour follows the desktop's theme; labels take it by its role,
// where frames and shapes paint the form's fixed colours.
constexpr bool systemColoursOnLabels()
{
    return std::ranges::all_of(kForm, [](const Control &row) {
        const bool system = (row.properties.back.value_or(0) | row.properties.fore.value_or(0)) & kSystemColour;
        return !system || row.kind == Kind::Label;
    });
}
static_assert(systemColoursOnLabels(), "a system colour on a control other than a label");

} // namespace

std::span<const Control> controls()
{
    return kForm;
}

} // namespace form
