// The view's copies of the seven user settings, loaded once at start and changed by their commands.
#pragma once

namespace quintrick {

struct SettingCopies {
    int m_speed = 9;      // tick and pause length in units of 111 ms
    int m_openMode = 0;   // computer hands face up in games 1 to 3
    int m_soundOn = 1;    // sound effects (played only when exactly 1)
    int m_ruleRem = 1;    // rule explanations (shown only when exactly 1)
    int m_dspRem = 1;     // hover explanations
    int m_nokoriDsp = 1;  // remaining-cards panel
    int m_dspInfo = 1;    // called suit and right indicators

    // The tick and pause length; a speed that cannot make a working timer gives the default 9.
    int TickMs() const {
        const int speed = (m_speed >= 1 && m_speed <= 1000) ? m_speed : 9;
        return speed * 111;
    }
};

}  // namespace quintrick
