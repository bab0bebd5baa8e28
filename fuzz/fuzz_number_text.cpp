// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the number texts and the charge estimate. Any input either converts or fails
// with one of the messages the user is meant to see; nothing crashes, reads out of bounds or
// gives a non-finite result, and an estimate's text reads back as the number it stands for.
//
// Input: byte 0 picks the decimal separator, bytes 1 and 2 the slider's position; the rest is
// the time text, then after a zero byte the distance text (the fixed 0.1 mm if there is none),
// up to the next zero byte.
#include "charge_estimate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>

using namespace korvane;

namespace {

// The separators that regional settings give: a point, a comma, none, and the Arabic one.
const std::string Separators[] = {".", ",", "", "\xd9\xab"};

[[noreturn]] void fault(const char *what, const std::string &text)
{
    std::fprintf(stderr, "%s: '%s'\n", what, text.c_str());
    std::abort();
}

std::string notANumber(const std::string &text)
{
    return "'" + text + "' is not a valid floating point value";
}

std::string escaped(const std::string &separator)
{
    std::string result;
    for (char c : separator) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos)
            result += '\\';
        result += c;
    }
    return result;
}

// The grammar of a number text, written independently of the conversion: spaces, a sign,
// digits with at most one separator and at least one digit, an exponent, spaces. Also the form
// of an estimate's text. Compiled once per separator.
struct Grammar {
    std::regex number;
    std::regex estimate;
};

const Grammar &grammarFor(const std::string &separator)
{
    static std::map<std::string, Grammar> grammars;
    auto found = grammars.find(separator);
    if (found == grammars.end()) {
        const std::string sep = escaped(separator.empty() ? "." : separator);
        Grammar grammar {std::regex("^ *[+-]?(?:[0-9]+(?:" + sep + "[0-9]*)?|" + sep +
                                    "[0-9]+)(?:[eE][+-]?[0-9]+)? *$"),
                         std::regex("^-?[0-9]" + sep + "[0-9]{5}E[+-][0-9]{3,}$")};
        found = grammars.emplace(separator, std::move(grammar)).first;
    }
    return found->second;
}

bool isNumberText(const std::string &text, const std::string &separator)
{
    return std::regex_match(text, grammarFor(separator).number);
}

// Whether the text may stand for a value beyond the 80-bit range (about 1.19e4932): its
// exponent plus the digits before the separator reach that far.
bool mayOverflow(const std::string &text)
{
    long exponent = 0;
    const std::size_t e = text.find_first_of("eE");
    if (e != std::string::npos) {
        std::size_t i = e + 1;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000L);
        if (negative)
            exponent = -exponent;
    }
    return exponent + long(text.size()) >= 4931;
}

// Converts or fails as the number text rules say; returns whether it converted.
bool checkConversion(const std::string &text, const std::string &separator)
{
    try {
        const Extended value = parseNumberText(text, separator);
        if (!value.isFinite())
            fault("a non-finite number", text);
        if (!isNumberText(text, separator))
            fault("converted a text that is no number", text);
        return true;
    } catch (const EstimateError &error) {
        if (error.what() != notANumber(text))
            fault("a conversion failed with another message", error.what());
        if (isNumberText(text, separator) && !mayOverflow(text))
            fault("a number text within range did not convert", text);
        return false;
    }
}

void checkEstimate(const ApparatusState &state, const std::string &time,
                   const std::string &distance, const std::string &separator, bool timeConverts)
{
    try {
        const std::optional<Extended> n = estimateCharge(state, time, distance, separator);
        if (!n) {
            if (state.VoltageSetting != 0 && !time.empty())
                fault("no estimate without a reason", time);
            return;
        }
        if (!n->isFinite())
            fault("a non-finite estimate", time);
        const std::string text = formatEstimate(*n, separator);
        if (!std::regex_match(text, grammarFor(separator).estimate))
            fault("an estimate's text is malformed", text);
        const Extended back = parseNumberText(text, separator);
        if ((back - *n).magnitude() > Extended(5.0e-6) * n->magnitude())
            fault("an estimate's text does not read back as its value", text);
    } catch (const EstimateError &error) {
        const std::string message = error.what();
        if (!timeConverts && !time.empty() && state.VoltageSetting != 0) {
            if (message != notANumber(time))
                fault("a bad time text is not the one reported", message);
            return;
        }
        if (message != notANumber(distance) && message != estimate_messages::DivisionByZero &&
            message != estimate_messages::InvalidOperation &&
            message != estimate_messages::Overflow)
            fault("the estimate failed with an unknown message", message);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::string &separator = Separators[data[0] % 4];
    ApparatusState state;
    initialiseApparatus(state);
    state.VoltageSetting = (data[1] | data[2] << 8) % 5001;

    const std::string rest(reinterpret_cast<const char *>(data) + 3, size - 3);
    const std::size_t cut = rest.find('\0');
    const std::string time = rest.substr(0, cut);
    // A text field holds no zero byte, so a second one ends the distance text.
    const std::string distance = cut == std::string::npos
        ? "0" + (separator.empty() ? std::string(".") : separator) + "0001"
        : rest.substr(cut + 1, rest.find('\0', cut + 1) - cut - 1);

    const bool timeConverts = checkConversion(time, separator);
    checkConversion(distance, separator);
    checkEstimate(state, time, distance, separator, timeConverts);
    return 0;
}
