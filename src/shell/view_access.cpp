// The view's commands for playing without sight, colour or the mouse: the volume, the mute key,
// the key reference, the state of the game said on request, and the announcements of the table
// as a text line.
#include <QActionGroup>
#include <QLabel>
#include <QMenu>

#include "access_settings.h"
#include "key_reference.h"
#include "shell/extras/command_ids.h"
#include "view.h"

namespace quintrick {
namespace {

constexpr int kVolumeSteps = 5;  // 0, 25, 50, 75, 100 % in the menu
constexpr int kVolumeKeyStep = 10;

}  // namespace

void CT40913View::LoadAccessSettings() {
    m_sound.SetVolume(Read(m_profile, entries::kVolume));
}

void CT40913View::AddAccessItems(QMenu& menu) {
    QMenu* volume = menu.addMenu(tr("音量(&V)"));
    volume->setObjectName(QStringLiteral("volumeMenu"));
    auto* steps = new QActionGroup(volume);
    for (int i = 0; i < kVolumeSteps; ++i) {
        const int percent = i * 100 / (kVolumeSteps - 1);
        QAction* item = AddItem(*volume, kCmdVolume0 + i, tr("%1 %").arg(percent));
        item->setCheckable(true);
        item->setChecked(m_sound.Volume() == percent);
        steps->addAction(item);
    }
    volume->addSeparator();
    //: The keys that change the volume in steps of 10 %.
    AddItem(*volume, kCmdVolumeDown, tr("下げる\t-"));
    AddItem(*volume, kCmdVolumeUp, tr("上げる\t+"));
    QAction* jimaku = AddItem(menu, kCmdJimaku, tr("実況を文字でも表示(&W)"));
    jimaku->setCheckable(true);
    jimaku->setChecked(Read(m_profile, entries::kJimaku) == 1);
}

bool CT40913View::AccessCommand(int id) {
    if (id >= kCmdVolume0 && id <= kCmdVolume100) {
        SetVolume((id - kCmdVolume0) * 100 / (kVolumeSteps - 1));
        return true;
    }
    switch (id) {
        case kCmdVolumeDown:
        case kCmdVolumeUp: {
            // To the next multiple of the step, so that 25 % goes to 20 % or 30 %.
            const int now = m_sound.Volume();
            const int to =
                id == kCmdVolumeUp
                    ? (now / kVolumeKeyStep + 1) * kVolumeKeyStep
                    : (now + kVolumeKeyStep - 1) / kVolumeKeyStep * kVolumeKeyStep - kVolumeKeyStep;
            SetVolume(to);
            return true;
        }
        case kCmdJimaku:
            Write(m_profile, entries::kJimaku, Read(m_profile, entries::kJimaku) == 1 ? 0 : 1);
            ShowJimaku(m_words.Announcement());
            return true;
        case kCmdKeyReference:
            if (!m_keyReference) m_keyReference = new CKeyReference(this);
            if (m_keyReference->Toggle()) m_words.Announce(this, m_keyReference->accessibleName());
            return true;
        case kCmdSayState:
            m_words.Announce(this, m_words.Status());
            ShowJimaku(m_words.Announcement());
            return true;
        default:
            return false;
    }
}

void CT40913View::SetVolume(int percent) {
    m_sound.SetVolume(percent);
    Write(m_profile, entries::kVolume, m_sound.Volume());
    //: Said when the volume changes: %1 the new volume in per cent.
    Say(tr("音量 %1 %").arg(m_sound.Volume()));
}

void CT40913View::MuteCommand() {
    OnCommand(kCmdSound);
    Say(m_set.m_soundOn == 1 ? tr("効果音 オン") : tr("効果音 オフ"));
}

void CT40913View::Say(const QString& text) {
    m_words.Announce(this, text);
    ShowJimaku(text);
}

void CT40913View::ShowJimaku(const QString& text) {
    const bool on = Read(m_profile, entries::kJimaku) == 1 && !text.isEmpty();
    if (!on) {
        if (m_jimaku) m_jimaku->hide();
        return;
    }
    if (!m_jimaku) {
        m_jimaku = new QLabel(this);
        m_jimaku->setObjectName(QStringLiteral("jimaku"));
        m_jimaku->setAlignment(Qt::AlignCenter);
        m_jimaku->setWordWrap(true);
        m_jimaku->setStyleSheet(QStringLiteral(
            "QLabel { background: rgba(0, 0, 0, 190); color: white; padding: 4px 12px; }"));
        // The text line repeats what screen readers are told already.
        m_jimaku->setAccessibleName(tr("実況"));
        m_jimaku->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QFont f = m_jimaku->font();
    f.setPixelSize(std::max(12, height() / 40));
    m_jimaku->setFont(f);
    m_jimaku->setText(text);
    // Above the field, below the icon row: the hands and the field stay in view.
    const int lineHeight = QFontMetrics(f).height() * 2 + 8;
    m_jimaku->setGeometry(width() / 6, height() / 9, width() * 2 / 3, lineHeight);
    m_jimaku->show();
    m_jimaku->raise();
}

}  // namespace quintrick
