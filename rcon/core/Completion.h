// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Completing the word before the command line's caret: the words a server knows (its command
// and variable names, read from its `cmdlist` and `cvarlist` output) and those of the commands
// sent before. Letters match in either case, through the code page.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

// Where the word that ends the text begins: after the last blank, tab, semicolon or double
// quotation mark (the server's own separators), or at 0.
std::size_t wordStart(std::string_view text);

// Each command name of `cmdlist` output: one a line, then a count ("42 commands"). Lines that
// hold a blank (the count, "Bad rconpassword.") are no names.
std::vector<std::string> parseCommandList(std::string_view output);

// Each variable name of `cvarlist` output: flag columns, the name, then its value in quotation
// marks; the totals at the end have no value and are no names.
std::vector<std::string> parseVariableList(std::string_view output);

// The words of the texts (blank-separated), for the commands sent before.
std::vector<std::string> wordsOf(const std::vector<std::string>& texts);

// The distinct words, in the order a list shows them, that begin with the prefix but are not
// just it; a word met in several cases is kept in the first case met.
std::vector<std::string> completionsOf(std::string_view prefix,
                                       const std::vector<std::string>& words);

}  // namespace rcon
