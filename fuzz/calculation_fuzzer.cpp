// Arbitrary triples of doubles, as replies can give them (finite: a reply
// beyond double range is an error before any calculation), through the
// three calculations: each gives a finite answer or one of the run-time
// errors 5, 6 and 11, never anything else.
#include "calc/answer.h"
#include "calc/errors.h"
#include "calc/freefall.h"
#include "calc/gravitation.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

template<typename Calculation>
void check(const char *name, Calculation calculation)
{
    try {
        const double result = calculation();
        if (!std::isfinite(result)) {
            std::fprintf(stderr, "%s gave a non-finite result\n", name);
            std::abort();
        }
        calc::formatAnswer(result);
    } catch (const calc::RuntimeError &error) {
        const int n = error.number();
        if (n != 5 && n != 6 && n != 11) {
            std::fprintf(stderr, "%s ended in error %d\n", name, n);
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double v[3] = {};
    if (size < sizeof v)
        return 0;
    std::memcpy(v, data, sizeof v);
    for (const double x : v) {
        if (!std::isfinite(x))
            return 0;
    }
    check("free-fall time", [&] { return double(calc::freeFallTime(v[0], v[1])); });
    check("free-fall distance", [&] { return double(calc::freeFallDistance(v[0], v[1])); });
    check("gravitation", [&] { return calc::gravitation(v[0], v[1], v[2]); });
    return 0;
}
