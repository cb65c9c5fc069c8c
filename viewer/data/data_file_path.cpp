// Data-file paths of a description, the same for every file format.
#include "data_file_path.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "common/codec_1252.h"

namespace grafyon {

namespace {

// Upper case of a Windows-1252 byte: ASCII, the accented Latin letters and the four
// letters that 1252 places in its 0x80 row.
unsigned char UpperCase1252(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)  // a grave ... thorn, without the division sign
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
        case 0x9A:  // s caron
        case 0x9C:  // oe
        case 0x9E:  // z caron
            return static_cast<unsigned char>(c - 0x10);
        case 0xFF:  // y diaeresis
            return 0x9F;
        default:
            return c;
    }
}

// The name in Windows-1252, or nothing when it holds a character 1252 cannot (such a name
// compares byte for byte).
std::optional<std::string> As1252(const std::string& utf8) {
    std::string bytes = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(bytes) != utf8)
        return std::nullopt;
    return bytes;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

bool IsPlainDataFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    const std::optional<std::string> x = As1252(a);
    const std::optional<std::string> y = As1252(b);
    if (!x || !y || x->size() != y->size())
        return false;
    for (std::size_t i = 0; i < x->size(); ++i) {
        if (UpperCase1252(static_cast<unsigned char>((*x)[i])) !=
            UpperCase1252(static_cast<unsigned char>((*y)[i])))
            return false;
    }
    return true;
}

std::string FindDataFile(const std::string& folder, const std::string& name) {
    const std::string exact = JoinPath(folder, name);
    if (!IsPlainDataFileName(name))
        return exact;
    std::error_code error;
    if (std::filesystem::exists(exact, error) || error)
        return exact;
    const std::filesystem::path where = folder.empty() ? "." : folder;
    std::optional<std::string> found;
    std::filesystem::directory_iterator it(where, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (found && entry >= *found)
            continue;
        std::error_code typeError;
        if (EqualsIgnoringCase(entry, name) && it->is_regular_file(typeError))
            found = entry;
    }
    return found ? JoinPath(folder, *found) : exact;
}

}  // namespace grafyon
