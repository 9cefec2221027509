// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluates the calculator's math functions and its number texts over the
// same seeded arguments on any target, one line a value, so that the desktop
// (glibc) and the page (WebAssembly) can be compared line by line:
//
//   varnock-math-sample values SEED COUNT   fn argument result text
//   varnock-math-sample format SEED COUNT   fmt value text strtod(text) strtod(%.17g)
//   varnock-math-sample check < LINES       recomputes such lines, prints those that differ
//
// Doubles are printed as 16 hex digits of their bits, texts as "%.15g".
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A small generator whose sequence is the same on every target; the
// arguments are built from its bits by exact operations only.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15u + 1) {}

    std::uint64_t next() {  // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // Uniform in [low, high), 53 random bits.
    double uniform(double low, double high) {
        return low + (high - low) * (static_cast<double>(next() >> 11) * 0x1p-53);
    }
    // Uniform integer in [low, high].
    std::int64_t integer(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    // A random mantissa times two to a power in [minExponent, maxExponent].
    double magnitude(int minExponent, int maxExponent) {
        const double mantissa = uniform(1.0, 2.0);
        return std::ldexp(mantissa, static_cast<int>(integer(minExponent, maxExponent)));
    }
    double signed_(double x) { return (next() & 1) != 0 ? -x : x; }

private:
    std::uint64_t state_;
};

constexpr double kDegreesPerRadian = 57.29577951308232;  // as the calculator divides
constexpr double kThousandths = 1000.0;

// Angles as the calculator sees them: radians, typed degrees converted, and
// small to huge magnitudes.
double angle(Random& random, long i) {
    switch (i % 3) {
        case 0:
            return random.uniform(-10.0, 10.0);
        case 1:
            return static_cast<double>(random.integer(-3'600'000, 3'600'000)) / kThousandths /
                   kDegreesPerRadian;
        default:
            return random.signed_(random.magnitude(-30, 70));
    }
}

double sineArgument(Random& random, long i) {
    if (i % 2 == 0) return random.uniform(-1.0, 1.0);
    return random.signed_(1.0 - random.magnitude(-53, -1) / 2);  // near the ends
}

// Positive numbers over every decade, typed decimals, and near 1.
double logArgument(Random& random, long i) {
    switch (i % 3) {
        case 0:
            return random.magnitude(-1074, 1023);
        case 1:
            return static_cast<double>(random.integer(1, 100'000'000)) / kThousandths;
        default:
            return random.uniform(0.5, 2.0);
    }
}

double exponentArgument(Random& random, long i, double low, double high) {
    if (i % 2 == 0) return random.uniform(low, high);
    return static_cast<double>(random.integer(static_cast<std::int64_t>(low * kThousandths),
                                              static_cast<std::int64_t>(high * kThousandths))) /
           kThousandths;
}

struct Function {
    const char* name;
    double (*evaluate)(double);
    double (*argument)(Random&, long);
};

const Function kFunctions[] = {
    {"sin", [](double x) { return std::sin(x); }, angle},
    {"cos", [](double x) { return std::cos(x); }, angle},
    {"tan", [](double x) { return std::tan(x); }, angle},
    {"asin", [](double x) { return std::asin(x); }, sineArgument},
    {"acos", [](double x) { return std::acos(x); }, sineArgument},
    {"atan", [](double x) { return std::atan(x); },
     [](Random& r, long) { return r.signed_(r.magnitude(-30, 60)); }},
    {"log10", [](double x) { return std::log10(x); }, logArgument},
    {"log", [](double x) { return std::log(x); }, logArgument},
    {"exp", [](double x) { return std::exp(x); },
     [](Random& r, long i) { return exponentArgument(r, i, -745.0, 710.0); }},
    {"pow10", [](double x) { return std::pow(10.0, x); },
     [](Random& r, long i) { return exponentArgument(r, i, -330.0, 310.0); }},
    {"sqrt", [](double x) { return std::sqrt(x); },
     [](Random& r, long) { return r.magnitude(-1074, 1023); }},
};

const Function* findFunction(const char* name) {
    for (const Function& function : kFunctions)
        if (std::strcmp(function.name, name) == 0) return &function;
    return nullptr;
}

// memcpy rather than std::bit_cast, which emscripten's libc++ lacks.
std::uint64_t bits(double x) {
    std::uint64_t word;
    std::memcpy(&word, &x, sizeof word);
    return word;
}
double fromBits(std::uint64_t word) {
    double x;
    std::memcpy(&x, &word, sizeof x);
    return x;
}

std::string text(const char* format, double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, x);
    return buffer;
}

constexpr const char* kFormatName = "fmt";

// One "values" line: the function, its argument and result, the result's text.
std::string valueLine(const Function& function, double x) {
    const double y = function.evaluate(x);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%s %016" PRIx64 " %016" PRIx64 " %s", function.name,
                  bits(x), bits(y), text("%.15g", y).c_str());
    return buffer;
}

// One "format" line: the value, its text, and what strtod reads back from
// that text and from the exact "%.17g" one.
std::string formatLine(double x) {
    const std::string shown = text("%.15g", x);
    const std::string exact = text("%.17g", x);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%s %016" PRIx64 " %s %016" PRIx64 " %016" PRIx64,
                  kFormatName, bits(x), shown.c_str(), bits(std::strtod(shown.c_str(), nullptr)),
                  bits(std::strtod(exact.c_str(), nullptr)));
    return buffer;
}

void printValues(Random& random, long count) {
    for (const Function& function : kFunctions) {
        for (long i = 0; i < count; ++i)
            std::puts(valueLine(function, function.argument(random, i)).c_str());
    }
}

// Any double: random bits (subnormals, infinities and NaNs of both signs
// included), typed decimals, and NaNs made by arithmetic, whose sign is the
// machine's.
double anyDouble(Random& random, long i) {
    volatile double infinity = HUGE_VAL;
    switch (i % 4) {
        case 0:
            return fromBits(random.next());
        case 1:
            return fromBits(random.next() >> random.integer(0, 63));
        case 2: {
            const double digits = static_cast<double>(random.integer(0, 1'000'000'000));
            const double scale = std::pow(10.0, static_cast<double>(random.integer(0, 20)));
            return random.signed_(digits / scale);
        }
        default:
            return i % 8 == 3 ? infinity - infinity : 0.0 * infinity;
    }
}

void printFormats(Random& random, long count) {
    for (long i = 0; i < count; ++i) std::puts(formatLine(anyDouble(random, i)).c_str());
}

// Recomputes every "values" or "format" line read from its name and
// argument; prints the ones that come out otherwise and returns failure if
// any did (or none was read).
int checkLines() {
    char line[256];
    char name[16];
    std::uint64_t argument = 0;
    long lines = 0;
    long differing = 0;
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        line[std::strcspn(line, "\n")] = '\0';
        if (std::sscanf(line, "%15s %" SCNx64, name, &argument) != 2) continue;
        ++lines;
        const double x = fromBits(argument);
        const Function* function = findFunction(name);
        const std::string again = function != nullptr                   ? valueLine(*function, x)
                                  : std::strcmp(name, kFormatName) == 0 ? formatLine(x)
                                                                        : "unknown";
        if (again != line) {
            std::printf("expected: %s\n     got: %s\n", line, again.c_str());
            ++differing;
        }
    }
    std::printf("%ld lines checked, %ld differ\n", lines, differing);
    return lines > 0 && differing == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

int usage() {
    std::fprintf(stderr, "usage: varnock-math-sample values|format SEED COUNT | check < LINES\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "check") == 0) return checkLines();
    if (argc != 4) return usage();
    Random random(std::strtoull(argv[2], nullptr, 10));
    const long count = std::strtol(argv[3], nullptr, 10);
    if (std::strcmp(argv[1], "values") == 0)
        printValues(random, count);
    else if (std::strcmp(argv[1], "format") == 0)
        printFormats(random, count);
    else
        return usage();
    return EXIT_SUCCESS;
}
