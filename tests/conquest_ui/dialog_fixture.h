// A map dialog over an in-memory profile, with scripted message boxes and platform services.
#pragma once

#include <QImage>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "conquest/kuni_table.h"
#include "conquest/kunitori_dialog.h"
#include "engine/roster.h"
#include "memory_profile.h"
#include "recording_box.h"

namespace quintrick::test {

class FakeHost : public IKunitoriHost {
  public:
    void PlaySound(int sound) override { sounds.push_back(sound); }
    void ShowPlainBox(QWidget*, std::string_view caption, std::string_view text) override {
        plainBoxes.push_back(std::string(caption) + "|" + std::string(text));
    }
    QString AskSaveFileName(QWidget*, const QString& title, const QString& name,
                            const QString& suffix, const QString& filter) override {
        asked.push_back(title + "|" + name + "|" + suffix + "|" + filter);
        return saveAs;
    }
    bool ShowFolderOf(const QString& path, IMessageBox&) override {
        folders.push_back(path);
        return true;
    }
    std::vector<int> sounds;
    std::vector<std::string> plainBoxes;
    std::vector<QString> asked;
    QString saveAs;
    std::vector<QString> folders;
};

struct DialogFixture {
    MemoryProfile profile;
    RecordingBox box;
    FakeHost host;

    explicit DialogFixture(int human = kKestrel) : human(human) {
        ResetKunitori(profile, box, false);
        box.Clear();
    }

    KunitoriContext Context(int soundOn = 1) {
        std::array<std::string, 5> names;
        for (int player = 0; player < 4; ++player) {
            names[player] = std::string(RosterName(ComputerCharacter(player)));
        }
        names[4] = std::string(RosterName(human));
        return KunitoriContext{human, names, soundOn, profile, box, host};
    }

    std::unique_ptr<CKunitori> Open(int soundOn = 1) {
        return std::make_unique<CKunitori>(Context(soundOn));
    }

    int human;
};

inline QRgb Rgb(int character) {
    const KuniRgb c = *KuniColor(character);
    return qRgb(c.red, c.green, c.blue);
}

inline QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

}  // namespace quintrick::test
