#include "trace_writer.h"

#include <iomanip>

namespace quintrick {
namespace {

template <typename Range>
void Array(std::ostream& out, const Range& values, int count) {
    out << '[';
    for (int i = 0; i < count; ++i) out << (i ? "," : "") << values[i];
    out << ']';
}

}  // namespace

void TraceWriter::OnGameStart(int game, int trump) {
    if (game == 1) {
        m_out << R"({"ev":"match","index":)" << ++m_match << R"(,"character":)" << m_gs.m_entryNo
              << "}\n";
    }
    m_out << R"({"ev":"game","game":)" << game << R"(,"trump":)" << trump << "}\n";
}

void TraceWriter::OnDeal(int seed) {
    m_out << R"({"ev":"deal","game":)" << m_gs.m_game << R"(,"battle":)" << m_gs.m_battle
          << R"(,"seed":)" << seed << R"(,"hands":[)";
    for (int seat = 0; seat < kSeats; ++seat) {
        if (seat) m_out << ',';
        Array(m_out, m_gs.m_hand[seat], kHandSize);
    }
    m_out << "]}\n";
}

void TraceWriter::OnRedeal(int seed) {
    m_out << R"({"ev":"redeal","seed":)" << seed << "}\n";
}

void TraceWriter::OnExchange(int a, int b) {
    m_out << R"({"ev":"exchange","a":)" << a << R"(,"b":)" << b << "}\n";
}

void TraceWriter::OnRelated() {
    m_out << R"({"ev":"related","holder":)";
    Array(m_out, m_gs.m_holder, kSeats);
    m_out << R"(,"seatPlayer":)";
    Array(m_out, m_gs.m_seatPlayer, kSeats);
    m_out << "}\n";
}

void TraceWriter::OnLeader(int seat) {
    m_out << R"({"ev":"leader","seat":)" << seat << "}\n";
}

void TraceWriter::OnShow(int seat, CardId first, CardId second) {
    m_out << R"({"ev":"show","seat":)" << seat << R"(,"cards":[)" << first << ',' << second
          << "]}\n";
}

void TraceWriter::OnTrump(int seat, int suit) {
    m_out << R"({"ev":"trump","seat":)" << seat << R"(,"suit":)" << suit << "}\n";
}

void TraceWriter::OnCall(int seat, int suit) {
    m_out << R"({"ev":"call","seat":)" << seat << R"(,"suit":)" << suit << "}\n";
}

void TraceWriter::OnPlay(int seat, CardId card, const char* why) {
    m_out << R"({"ev":"play","seat":)" << seat << R"(,"card":)" << card;
    if (why && *why) m_out << R"(,"why":")" << why << '"';
    m_out << "}\n";
}

void TraceWriter::OnTrick(int winner, int related, int unrelated) {
    m_out << R"({"ev":"trick","winner":)" << winner << R"(,"R":)" << related << R"(,"U":)"
          << unrelated << "}\n";
}

void TraceWriter::OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) {
    m_out << R"({"ev":"declare","kind":")" << (kind == 0 ? "sixteen" : "reverse") << R"(","by":")"
          << (byComputer ? "computer" : "human") << R"(","answer":)" << (answer ? "true" : "false");
    if (byComputer) m_out << R"(,"seed":)" << seed << R"(,"r":)" << draw;
    m_out << "}\n";
}

void TraceWriter::OnResult(int result) {
    m_out << R"({"ev":"result","game":)" << m_gs.m_game << R"(,"battle":)" << m_gs.m_battle
          << R"(,"result":)" << result << R"(,"points":)";
    Array(m_out, m_gs.m_points[m_gs.m_game - 1], kSeats);
    m_out << "}\n";
}

void TraceWriter::OnStones(int player, int character, int delta, int stored) {
    m_out << R"({"ev":"stones","player":)" << player << R"(,"character":)" << character
          << R"(,"delta":)" << delta << R"(,"stored":)" << stored << "}\n";
}

void TraceWriter::OnHuman(HumanPolicy policy, const HumanChoice& c) {
    m_out << R"({"ev":"human","policy":")" << PolicyName(policy) << R"(","kind":")" << c.kind
          << '"';
    if (c.card != kNoCard) m_out << R"(,"pos":)" << c.pos << R"(,"card":)" << c.card;
    if (c.suit >= 0) m_out << R"(,"suit":)" << c.suit;
    if (c.answer >= 0) m_out << R"(,"answer":)" << (c.answer ? "true" : "false");
    if (c.search && c.search->worlds > 0) {
        const std::ios_base::fmtflags flags = m_out.flags();
        const std::streamsize precision = m_out.precision();
        m_out << std::fixed << std::setprecision(3) << R"(,"worlds":)" << c.search->worlds
              << R"(,"points":)" << c.search->best.points << R"(,"win":)"
              << c.search->best.winShare;
        m_out.flags(flags);
        m_out.precision(precision);
    }
    m_out << "}\n";
}

void TraceWriter::End(int matches) {
    m_out << R"({"ev":"end","matches":)" << matches << "}\n";
}

}  // namespace quintrick
