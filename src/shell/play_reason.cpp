#include "play_reason.h"

#include <algorithm>
#include <iterator>

#include "text/ui_text.h"

namespace quintrick {
namespace {

// The line around the phrase.
constexpr int kReasonLine = 30470;

struct Reason {
    std::string_view why;  // the step's name as the players give it
    int text;              // its string-table entry
};

// Every step of the characters' follow and lead orders, the fallback when a step named a card
// the rules forbid, and the sampling player's three ways of choosing.
constexpr Reason kReasons[] = {
    {"joker", 30471},
    {"only-card", 30472},
    {"last-gives-jack-or-queen", 30473},
    {"beside-opponents-joker", 30474},
    {"take-trick", 30475},
    {"feed-partner", 30476},
    {"jack-or-queen-on-partners-ace", 30477},
    {"ace-of-suit", 30478},
    {"lowest-of-suit", 30479},
    {"discard-jack-or-queen-on-partners-ace", 30480},
    {"low-non-trump", 30481},
    {"trump-over", 30482},
    {"low-card", 30483},
    {"lowest-picture", 30484},
    {"second-card", 30485},
    {"joker-lead", 30486},
    {"top-non-trump", 30487},
    {"non-trump", 30488},
    {"top-trump", 30489},
    {"low-trump", 30490},
    {"ace", 30491},
    {"top-card", 30492},
    {"lowest-legal", 30493},
    {"search", 30494},
    {"only-choice", 30495},
    {"no-world", 30496},
};

}  // namespace

QString PlayReasonText(std::string_view why) {
    const auto it = std::find_if(std::begin(kReasons), std::end(kReasons),
                                 [why](const Reason& r) { return r.why == why; });
    return it == std::end(kReasons) ? QString() : UiText(it->text);
}

QString PlayReasonLine(std::string_view why) {
    const QString text = PlayReasonText(why);
    return text.isEmpty() ? text : UiText(kReasonLine).arg(text);
}

}  // namespace quintrick
