#include "whole_file.h"

#include "console.h"
#include "input_text.h"

#include <array>

namespace tempidex {

std::optional<std::string> ReadWholeFile(const std::string &name, std::FILE *in) {
    std::FILE *file = name == "-" ? in : OpenToRead(name);
    if (!file)
        return std::nullopt;
    std::string bytes;
    std::array<char, 1 << 16> block;
    for (std::size_t got; (got = std::fread(block.data(), 1, block.size(), file)) > 0;)
        bytes.append(block.data(), got);
    const bool failed = std::ferror(file) != 0;
    if (file != in)
        std::fclose(file);
    if (failed)
        return std::nullopt;
    return bytes;
}

Utf8Text AsUtf8Text(std::string_view bytes) {
    Utf8Text result;
    const ByteOrderMark mark = ByteOrderMarkOf(bytes);
    bytes.remove_prefix(mark.length);
    result.marked = mark.length > 0 || mark.encoding != TextEncoding::Utf8;
    std::string decoded;
    if (mark.encoding != TextEncoding::Utf8) {
        Utf16Decoder decoder(mark.encoding == TextEncoding::Utf16BigEndian);
        decoder.decode(bytes, decoded);
        decoder.finish(decoded);
        bytes = decoded;
    }
    if (IsValidUtf8(bytes)) {
        result.text.assign(bytes);
        return result;
    }
    // Windows-1252, or a mixture: each line that is not UTF-8 read as Windows-1252.
    result.marked = true;
    std::string scratch;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        result.text.append(AsUtf8(bytes.substr(at, end - at), scratch));
        if (end < bytes.size())
            result.text.push_back('\n');
        at = end + 1;
    }
    return result;
}

} // namespace tempidex
