#include "formbuilder.h"

#include "controls.h"

#include <QWidget>

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

QRect toPixels(const layout::Control &row)
{
    using layout::toPixels;
    return {toPixels(row.left), toPixels(row.top), toPixels(row.width), toPixels(row.height)};
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

std::vector<BuiltControl> buildForm(QWidget &window, std::span<const layout::Control> rows)
{
    std::vector<BuiltControl> built;
    built.reserve(rows.size());

    // The table names only containers of earlier rows; it is checked when it
    // is compiled.
    const auto container = [&](const char *name) -> QWidget * {
        const auto found = std::find_if(built.begin(), built.end(), [name](const BuiltControl &b) {
            return name && std::string_view(b.row->name) == name;
        });
        return found != built.end() ? found->widget : &window;
    };

    for (const layout::Control &row : rows) {
        QWidget *widget = createControl(row, container(row.in));
        widget->setObjectName(QLatin1String(row.name));
        widget->setGeometry(toPixels(row));
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
    std::copy_if(built.begin(), built.end(), std::back_inserter(focusable),
                 [](const BuiltControl &b) { return takesFocus(b.row->kind); });
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const BuiltControl &a, const BuiltControl &b) { return a.row->tab < b.row->tab; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].widget, focusable[i].widget);
    if (!focusable.empty())
        focusable.front().widget->setFocus();
    return built;
}
