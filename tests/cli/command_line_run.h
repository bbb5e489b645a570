// The command line run in-process, on temporary files standing for its standard streams.
#pragma once

#include "command_line.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

std::string ReadAll(std::FILE *file) {
    std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

using Arguments = std::vector<std::string>;

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts(1);
    for (const char c : text)
        if (c == separator)
            parts.emplace_back();
        else
            parts.back().push_back(c);
    return parts;
}

// The command line's standard streams are temporary files.
Outcome Tempidex(const std::vector<std::string> &arguments, const std::string &input = {}) {
    std::FILE *in = std::tmpfile(), *out = std::tmpfile(), *err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    std::vector<std::string> all{"tempidex"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const int status = tempidex::RunCommandLine(all, in, out, err);
    std::fclose(in);
    return {status, ReadAll(out), ReadAll(err)};
}

} // namespace
