// Any bytes a user could paste into a prompt: converted as the prompts do,
// and the value formatted as the answer box does. Checks invariants, not
// examples; a broken one aborts.
#include "calc/answer.h"
#include "calc/errors.h"
#include "calc/number.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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
void checkShape(const std::string &text)
{
    static const std::regex shape("-?[0-9]+\\.[0-9]{7}");
    if (!std::regex_match(text, shape))
        broken("answer shape", text);
    if (text == "-0.0000000")
        broken("negative zero", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view reply(reinterpret_cast<const char *>(data), size);
    double value = 0;
    try {
        value = calc::leadingNumber(reply);
    } catch (const calc::RuntimeError &error) {
        if (error.code() != calc::ErrorCode::Overflow)
            broken("conversion error other than overflow", std::to_string(error.number()));
        return 0;
    }
    if (!std::isfinite(value))
        broken("conversion gave a non-finite value", std::string(reply));

    const std::string text = calc::formatAnswer(value);
    checkShape(text);

    // The text reads back as the value to half a unit of the seventh decimal
    // (plus the rounding to 15 significant digits), and formats as itself.
    // Only the largest doubles round to 15 digits beyond double range.
    double back = 0;
    try {
        back = calc::leadingNumber(text);
    } catch (const calc::RuntimeError &) {
        if (std::fabs(value) < 1.797693134862315e308)
            broken("read back overflows", text);
        return 0;
    }
    const double tolerance = 0.5e-7 + 1e-14 * std::fabs(value);
    if (std::fabs(back - value) > tolerance)
        broken("read back too far from the value", text);
    if (calc::formatAnswer(back) != text)
        broken("formatting the value read back", text + " vs " + calc::formatAnswer(back));
    return 0;
}
