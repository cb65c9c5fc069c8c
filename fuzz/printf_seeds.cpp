// Writes the seed corpus of printf_format_fuzz: a double, an integer, then a format text.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const double values[] = {90.1257, -1.59372, 999999.5, 1e300, 5e-324};
    const char* formats[] = {"%15.6g", "%#g",    "%-+12.4e;", "%08.3f %%",
                             "%d",     "x%5u y", "%s %p %*d"};
    int number = 0;
    for (const double value : values) {
        for (const char* format : formats) {
            const long long integer = std::fabs(value) < 1e18 ? static_cast<long long>(value) : 42;
            std::string bytes(16, '\0');
            std::memcpy(bytes.data(), &value, 8);
            std::memcpy(bytes.data() + 8, &integer, 8);
            bytes += format;
            std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(++number),
                              std::ios::binary | std::ios::trunc);
            out << bytes;
            if (!out)
                return 1;
        }
    }
    return 0;
}
