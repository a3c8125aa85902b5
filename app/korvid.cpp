#include "korvid.h"

#include "errorboundary.h"
#include "fonts.h"
#include "form.h"
#include "pictures.h"
#include "screenfollower.h"
#include "textbox.h"

#include "calc/answer.h"
#include "calc/freefall.h"
#include "calc/gravitation.h"
#include "calc/number.h"

#include <QCheckBox>
#include <QIcon>

namespace {

constexpr const char *kGravityPrompt = "重力加速度为(单位m/s^2)：";
constexpr const char *kHeightPrompt = "平抛运动的高度为(单位t)：";
constexpr const char *kTimePrompt = "平抛运动时间为(单位t)：";
constexpr const char *kDistancePrompt = "两天体（或物体）间的距离为(单位m)：";
constexpr const char *kCentralMassPrompt = "中心天体（或物体）的质量为(单位kg)：";
constexpr const char *kOrbitingMassPrompt = "围绕天体（或物体）的质量为(单位kg)：";

// Whichever way the user sets the box, its caption says they support the
// author; the value itself is theirs.
void showSupportCaption(QCheckBox &box)
{
    switch (box.checkState()) {
    case Qt::Checked: box.setText(QStringLiteral("支持（谢谢支持！）")); break;
    case Qt::Unchecked: box.setText(QStringLiteral("支持（好气啊，取消不了了吧！）")); break;
    case Qt::PartiallyChecked: // never set by a user; the caption stays
        break;
    }
}

} // namespace

Korvid::Korvid(const std::function<Dialogs(QWidget &window)> &dialogsOver, QWidget *parent)
    : QWidget(parent), dialogs_(dialogsOver(*this))
{
    setWindowTitle(QString::fromUtf8(form::kWindow.caption));
    setWindowIcon(QIcon(QPixmap::fromImage(picture(form::kWindow.icon))));
    // The client area, not the frame, goes where the form says.
    setGeometry(form::toPixels(form::kWindow.clientArea));

    controls_ = buildForm(*this, form::controls());
    new ScreenFollower(*this, [this](const QScreen &screen) { applyFonts(screen); }); // the window's own child
    for (const BuiltControl &control : controls_)
        wire(control);
}

void Korvid::wire(const BuiltControl &control)
{
    switch (control.row->properties.role) {
    case form::Role::None: break;
    case form::Role::Answers: answers_ = static_cast<TextBox *>(control.widget); break;
    case form::Role::FreeFallTime: onClick(control.widget, [this] { freeFallTime(); }); break;
    case form::Role::FreeFallDistance: onClick(control.widget, [this] { freeFallDistance(); }); break;
    case form::Role::Gravitation: onClick(control.widget, [this] { gravitation(); }); break;
    case form::Role::ClearAnswers: onClick(control.widget, [this] { clearAnswers(); }); break;
    case form::Role::SupportAuthor: {
        auto *box = static_cast<QCheckBox *>(control.widget);
        onClick(box, [box] { showSupportCaption(*box); });
        break;
    }
    }
}

// The table puts each role on a control of its kind (checked as it compiles),
// and every click role on a button or the check box.
void Korvid::onClick(QWidget *control, const std::function<void()> &handler)
{
    connect(static_cast<QAbstractButton *>(control), &QAbstractButton::clicked, this,
            [this, handler] { runGuarded(handler, dialogs_.report); });
}

// The form's faces and sizes are its own: a desktop theme that sets another
// application font must not move a caption, so every property is set on
// every control.
void Korvid::applyFonts(const QScreen &screen)
{
    setFont(formFont(form::kDefaultFont, &screen));
    for (const BuiltControl &control : controls_)
        control.widget->setFont(formFont(control.row->properties.font.value_or(form::kDefaultFont), &screen));
}

double Korvid::askNumber(const char *prompt) const
{
    const std::optional<QString> reply = dialogs_.ask(QString::fromUtf8(prompt));
    if (!reply)
        throw PromptCancelled{};
    return calc::leadingNumber(reply->toStdString());
}

void Korvid::freeFallTime()
{
    const double g = askNumber(kGravityPrompt);
    const double height = askNumber(kHeightPrompt);
    appendAnswer(calc::freeFallTime(g, height));
}

void Korvid::freeFallDistance()
{
    const double g = askNumber(kGravityPrompt);
    const double time = askNumber(kTimePrompt);
    appendAnswer(calc::freeFallDistance(g, time));
}

void Korvid::gravitation()
{
    const double r = askNumber(kDistancePrompt);
    const double centralMass = askNumber(kCentralMassPrompt);
    const double orbitingMass = askNumber(kOrbitingMassPrompt);
    appendAnswer(calc::gravitation(r, centralMass, orbitingMass));
}

void Korvid::appendAnswer(double value)
{
    answers_->append(QString::fromStdString(calc::formatAnswer(value)));
}

void Korvid::clearAnswers()
{
    answers_->clear();
}
