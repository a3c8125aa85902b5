#include "korvid.h"

#include "controls.h"
#include "errorboundary.h"
#include "layout.h"
#include "pictures.h"
#include "prompt.h"

#include "calc/answer.h"
#include "calc/freefall.h"
#include "calc/gravitation.h"

#include "support/supportcheck.h"

#include <QCheckBox>
#include <QIcon>
#include <QLineEdit>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

namespace {

QRect toPixels(int left, int top, int width, int height)
{
    return {layout::toPixels(left), layout::toPixels(top), layout::toPixels(width), layout::toPixels(height)};
}

bool takesFocus(layout::Kind kind)
{
    return kind == layout::Kind::Button || kind == layout::Kind::TextBox || kind == layout::Kind::CheckBox;
}

// Labels, pictures and shapes have no window of their own on the form: they
// are drawn on their container, behind every windowed control.
bool isWindowless(layout::Kind kind)
{
    return kind == layout::Kind::Label || kind == layout::Kind::Image || kind == layout::Kind::Shape;
}

} // namespace

Korvid::Korvid(QWidget *parent) : QWidget(parent)
{
    const layout::Window &window = layout::kWindow;
    setWindowTitle(QString::fromUtf8(window.caption));
    setWindowIcon(QIcon(QPixmap::fromImage(picture(window.icon))));
    // The client area, not the frame, goes where the form says.
    setGeometry(toPixels(window.left, window.top, window.width, window.height));

    buildForm();
    wireHandlers();
}

void Korvid::buildForm()
{
    struct Built {
        const layout::Control *row;
        QWidget *widget;
    };
    std::vector<Built> built;
    built.reserve(layout::form().size());

    const auto container = [&](const char *name) -> QWidget * {
        if (!name)
            return this;
        const auto found = std::find_if(built.begin(), built.end(),
                                        [name](const Built &b) { return std::string_view(b.row->name) == name; });
        Q_ASSERT_X(found != built.end(), "Korvid::buildForm", "a container must come before what it contains");
        return found != built.end() ? found->widget : this;
    };

    for (const layout::Control &row : layout::form()) {
        QWidget *widget = createControl(row, container(row.in));
        widget->setObjectName(QLatin1String(row.name));
        widget->setGeometry(toPixels(row.left, row.top, row.width, row.height));
        built.push_back({&row, widget});
    }

    // Earlier rows in front of later ones, and windowless controls behind
    // all windowed ones; lowering in table order gives exactly that.
    for (const Built &b : built)
        b.widget->lower();
    for (const Built &b : built) {
        if (isWindowless(b.row->kind))
            b.widget->lower();
    }

    std::vector<Built> focusable;
    std::copy_if(built.begin(), built.end(), std::back_inserter(focusable),
                 [](const Built &b) { return takesFocus(b.row->kind); });
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const Built &a, const Built &b) { return a.row->tab < b.row->tab; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].widget, focusable[i].widget);
    if (!focusable.empty())
        focusable.front().widget->setFocus();
}

void Korvid::wireHandlers()
{
    answerBox_ = findChild<QLineEdit *>(QStringLiteral("Text2"));
    supportBox_ = findChild<QCheckBox *>(QStringLiteral("Check1"));

    // clang-format off
    const std::pair<const char *, void (Korvid::*)()> wiring[] = {
        {"Check1",   &Korvid::supportClicked},
        {"Command1", &Korvid::freeFallTime},
        {"Command2", &Korvid::freeFallDistance},
        {"Command8", &Korvid::gravitation},
        {"Command9", &Korvid::clearAnswer},
    };
    // clang-format on
    for (const auto &[name, handler] : wiring) {
        auto *control = findChild<QAbstractButton *>(QLatin1String(name));
        connect(control, &QAbstractButton::clicked, this,
                [this, handler = handler] { runGuarded(this, [this, handler] { (this->*handler)(); }); });
    }
}

void Korvid::freeFallTime()
{
    const double g = promptNumber(this, calc::kGravityPrompt);
    const double height = promptNumber(this, calc::kHeightPrompt);
    appendAnswer(calc::freeFallTime(g, height));
}

void Korvid::freeFallDistance()
{
    const double g = promptNumber(this, calc::kGravityPrompt);
    const double time = promptNumber(this, calc::kTimePrompt);
    appendAnswer(calc::freeFallDistance(g, time));
}

void Korvid::gravitation()
{
    const double r = promptNumber(this, calc::kDistancePrompt);
    const double centralMass = promptNumber(this, calc::kCentralMassPrompt);
    const double orbitingMass = promptNumber(this, calc::kOrbitingMassPrompt);
    appendAnswer(calc::gravitation(r, centralMass, orbitingMass));
}

void Korvid::appendAnswer(double value)
{
    answerBox_->setText(answerBox_->text() + QString::fromStdString(calc::formatAnswer(value)));
}

void Korvid::clearAnswer()
{
    answerBox_->clear();
}

void Korvid::supportClicked()
{
    support::updateSupportCaption(*supportBox_);
}
