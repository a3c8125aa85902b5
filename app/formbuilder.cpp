#include "formbuilder.h"

#include "controls.h"

#include <QWidget>

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

bool takesFocus(form::Kind kind)
{
    return kind == form::Kind::Button || kind == form::Kind::TextBox || kind == form::Kind::CheckBox;
}

// Labels, pictures and shapes have no window of their own on the form: they
// are drawn on their container, behind every windowed control.
bool isWindowless(form::Kind kind)
{
    return kind == form::Kind::Label || kind == form::Kind::Image || kind == form::Kind::Shape;
}

} // namespace

std::vector<BuiltControl> buildForm(QWidget &window, std::span<const form::Control> rows)
{
    std::vector<BuiltControl> built;
    built.reserve(rows.size());

    const auto container = [&](const char *name) -> QWidget * {
        const auto found = std::ranges::find_if(
            built, [name](const BuiltControl &b) { return name && std::string_view(b.row->name) == name; });
        return found != built.end() ? found->widget : &window;
    };

    for (const form::Control &row : rows) {
        QWidget *widget = createControl(row, container(row.container));
        widget->setObjectName(QLatin1String(row.name));
        widget->setGeometry(form::toPixels(row.place));
        built.push_back({&row, widget});
    }

    // Earlier rows in front of later ones, and windowless controls behind
    // all windowed ones; lowering in table order gives exactly that.
    for (const BuiltControl &b : built)
        b.widget->lower();
    for (const BuiltControl &b : built) {
        if (isWindowless(b.row->kind))
            b.widget->lower();
    }

    std::vector<BuiltControl> focusable;
    std::ranges::copy_if(built, std::back_inserter(focusable),
                         [](const BuiltControl &b) { return takesFocus(b.row->kind); });
    std::ranges::stable_sort(focusable,
                             [](const BuiltControl &a, const BuiltControl &b) { return a.row->tab < b.row->tab; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].widget, focusable[i].widget);
    if (!focusable.empty())
        focusable.front().widget->setFocus();
    return built;
}
