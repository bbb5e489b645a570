// A whole file read at once, for the formats whose records may span lines (a spreadsheet's
// quoted cells, an XML document): from a named file or, for "-", the standard input; and, for
// the spreadsheet, turned into UTF-8 as the batch reads text (input_text.h).
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

// The bytes of the file `name`, or of `in` for "-"; nothing where it could not be read.
std::optional<std::string> ReadWholeFile(const std::string &name, std::FILE *in);

// Text in UTF-8, without a byte-order mark, and whether it came with one or in another
// encoding: a file that came so goes back in UTF-8 with a mark, as Excel reads it.
struct Utf8Text {
    std::string text;
    bool marked = false;
};
Utf8Text AsUtf8Text(std::string_view bytes);

} // namespace tempidex
