// Why a computer chose its card, in words of the interface language: the name of the step of its
// order that chose it ("take-trick", "search") turned into a short phrase for the review window.
#pragma once

#include <QString>
#include <string_view>

namespace quintrick {

// The phrase of a step's name; empty for an empty or unknown name (nothing is shown then).
QString PlayReasonText(std::string_view why);
// The line the review window shows under the card played ("選んだ理由: …"); empty as above.
QString PlayReasonLine(std::string_view why);

}  // namespace quintrick
