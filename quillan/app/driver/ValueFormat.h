#pragma once

#include "modules/NumberOrText.h"
#include "runtime/Form.h"
#include "runtime/MessageBoxes.h"

#include <string>

namespace quillan {

// How the driver prints values: texts double-quoted with escapes, numbers and booleans bare.
std::string boolWord(bool value);
std::string numberOrTextWord(const NumberOrText& value);
std::string iconWord(MsgIcon icon);
std::string answerWord(MsgAnswer answer);
std::string windowStateWord(WindowState state);

// OK, Yes, No or Cancel, in any case; throws CommandError for anything else.
MsgAnswer parseAnswer(const std::string& word);
// A whole decimal integer within [min, max]; throws CommandError naming what it is otherwise.
long long parseInteger(const std::string& word, const char* what, long long min, long long max);

} // namespace quillan
