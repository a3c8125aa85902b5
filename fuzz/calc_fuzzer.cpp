// Any bytes a user could paste into a prompt, converted as the prompts do and
// formatted as the answer box does; and the same bytes, where there are
// enough, as three finite doubles put through the three calculations. Checks
// invariants, not examples; a broken one aborts.
#include "calc/answer.h"
#include "calc/errors.h"
#include "calc/freefall.h"
#include "calc/gravitation.h"
#include "calc/number.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void broken(const char *what, const std::string &detail)
{
    std::fprintf(stderr, "broken invariant: %s: %s\n", what, detail.c_str());
    std::abort();
}

// -?[0-9]+\.[0-9]{7}, and never "-0.0000000".
std::string answer(double value)
{
    static const std::regex shape("-?[0-9]+\\.[0-9]{7}");
    std::string text = calc::formatAnswer(value);
    if (!std::regex_match(text, shape) || text == "-0.0000000")
        broken("answer shape", text);
    return text;
}

void reply(std::string_view reply)
{
    double value = 0;
    try {
        value = calc::leadingNumber(reply);
    } catch (const calc::RuntimeError &error) {
        if (error.code() != calc::ErrorCode::Overflow)
            broken("conversion error other than overflow", std::to_string(static_cast<int>(error.code())));
        return;
    }
    if (!std::isfinite(value))
        broken("conversion gave a non-finite value", std::string(reply));
    const std::string text = answer(value);

    // The text reads back as the value to half a unit of the seventh decimal
    // (plus the rounding to 15 significant digits), and formats as itself.
    // Only the largest doubles round to 15 digits beyond double range.
    double back = 0;
    try {
        back = calc::leadingNumber(text);
    } catch (const calc::RuntimeError &) {
        if (std::fabs(value) < 1.797693134862315e308)
            broken("read back overflows", text);
        return;
    }
    if (std::fabs(back - value) > 0.5e-7 + 1e-14 * std::fabs(value))
        broken("read back too far from the value", text);
    if (calc::formatAnswer(back) != text)
        broken("formatting the value read back", text + " vs " + calc::formatAnswer(back));
}

// A finite answer, or one of the run-time errors 5, 6 and 11.
template<typename Calculation>
void calculate(const char *name, Calculation calculation)
{
    try {
        const double result = calculation();
        if (!std::isfinite(result))
            broken("non-finite result", name);
        answer(result);
    } catch (const calc::RuntimeError &error) {
        const int n = static_cast<int>(error.code());
        if (n != 5 && n != 6 && n != 11)
            broken(name, "error " + std::to_string(n));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reply(std::string_view(reinterpret_cast<const char *>(data), size));

    // Replies beyond double range are errors before any calculation.
    double v[3] = {};
    if (size < sizeof v)
        return 0;
    std::memcpy(v, data, sizeof v);
    if (!std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2]))
        return 0;
    calculate("free-fall time", [&] { return double(calc::freeFallTime(v[0], v[1])); });
    calculate("free-fall distance", [&] { return double(calc::freeFallDistance(v[0], v[1])); });
    calculate("gravitation", [&] { return calc::gravitation(v[0], v[1], v[2]); });
    return 0;
}
