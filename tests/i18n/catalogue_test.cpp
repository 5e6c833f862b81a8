// The English catalogue: complete as committed, nothing in the sources that it lacks, and an
// English text for every string-table entry, every character and every province.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <set>

#include "conquest/kuni_table.h"
#include "engine/roster.h"
#include "engine/strings.h"
#include "english.h"
#include "shell/play_reason.h"
#include "text/ui_text.h"

namespace quintrick::testing {
namespace {

const QString kCatalogue = QStringLiteral(QUINTRICK_SOURCE_DIR "/translations/quintrick_en.ts");

struct Message {
    QString context, source, comment, translation, type;
};

std::vector<Message> ReadCatalogue(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() != QLatin1String("message")) continue;
        Message m{context, {}, {}, {}, {}};
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("source")) {
                m.source = xml.readElementText();
            } else if (xml.name() == QLatin1String("comment")) {
                m.comment = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                m.type = xml.attributes().value(QLatin1String("type")).toString();
                m.translation = xml.readElementText();
            } else {
                xml.skipCurrentElement();
            }
        }
        messages.push_back(m);
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The %1, %2 ... of a text, which a translation must keep.
std::set<QString> Markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    std::set<QString> found;
    for (const auto& m : marker.globalMatch(text)) found.insert(m.captured());
    return found;
}

// Every message that is not finished (new, unfinished, vanished, obsolete), is empty, or lost a
// marker of its source.
std::string Faults(const std::vector<Message>& messages) {
    std::string faults;
    for (const Message& m : messages) {
        QString why;
        if (!m.type.isEmpty()) why = m.type;
        if (m.translation.isEmpty()) why = QStringLiteral("no translation");
        if (why.isEmpty() && Markers(m.source) != Markers(m.translation))
            why = QStringLiteral("markers");
        if (!why.isEmpty()) {
            faults += (m.context + u' ' + m.comment + QStringLiteral(" \"") + m.source +
                       QStringLiteral("\": ") + why + u'\n')
                          .toStdString();
        }
    }
    return faults;
}

TEST(Catalogue, TheCommittedEnglishIsComplete) {
    const std::vector<Message> messages = ReadCatalogue(kCatalogue);
    ASSERT_GT(messages.size(), 200u);
    EXPECT_EQ(Faults(messages), "");
}

TEST(Catalogue, TheSourcesHoldNoTextItLacks) {
    // lupdate over the sources, as the update_translations target runs it, into a copy: a text
    // of the sources the catalogue lacks comes in unfinished, one it lost is marked vanished.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("quintrick_en.ts"));
    ASSERT_TRUE(QFile::copy(kCatalogue, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QStringList arguments =
        QStringLiteral(QUINTRICK_LUPDATE_OPTIONS).split(u' ', Qt::SkipEmptyParts);
    arguments << QStringLiteral("-extensions") << QStringLiteral("cpp,h")
              << QStringLiteral(QUINTRICK_SOURCE_DIR "/src") << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUINTRICK_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const std::vector<Message> updated = ReadCatalogue(copy);
    EXPECT_EQ(Faults(updated), "") << "run the target update_translations and translate";
    EXPECT_EQ(updated.size(), ReadCatalogue(kCatalogue).size());
}

// A text's markers filled at once with values of several digits, as the program fills them.
QString FillAtOnce(const QString& text, const QStringList& values) {
    QString filled = text;
    // QString::arg with several arguments replaces each marker by its own value in one pass.
    switch (values.size()) {
        case 1:
            return filled.arg(values[0]);
        case 2:
            return filled.arg(values[0], values[1]);
        case 3:
            return filled.arg(values[0], values[1], values[2]);
        case 4:
            return filled.arg(values[0], values[1], values[2], values[3]);
        default:
            return filled.arg(values[0], values[1], values[2], values[3], values[4]);
    }
}

TEST(Catalogue, EveryMarkedTextTakesValuesOfSeveralDigits) {
    // "10", "11" ... as values: a text filled in two steps would read "%21" as a marker of its
    // own; filled at once, every value stands whole and no marker is left.
    int checked = 0;
    for (const Message& m : ReadCatalogue(kCatalogue)) {
        for (const QString& text : {m.source, m.translation}) {
            const std::set<QString> markers = Markers(text);
            if (markers.empty()) continue;
            ASSERT_LE(markers.size(), 5u) << text.toStdString();
            QStringList values;
            for (int i = 0; i < int(markers.size()); ++i) values << QString::number(10 + i);
            const QString filled = FillAtOnce(text, values);
            for (const QString& value : values) {
                EXPECT_TRUE(filled.contains(value))
                    << m.comment.toStdString() << ": " << filled.toStdString();
            }
            EXPECT_EQ(Markers(filled).size(), 0u) << filled.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

TEST(Catalogue, NoTextIsFilledInTwoSteps) {
    // text.arg(a).arg(b) reads a value that starts with digits as part of the next marker (a
    // rank 1 before "%2" made "%21"): every text is filled in one call.
    static const QRegularExpression twoSteps(
        QStringLiteral("\\.arg\\((?:[^()]|\\((?:[^()]|\\([^()]*\\))*\\))*\\)\\s*\\.arg\\("));
    QDirIterator it(QStringLiteral(QUINTRICK_SOURCE_DIR "/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString code = QString::fromUtf8(file.readAll());
        ++files;
        const QRegularExpressionMatch found = twoSteps.match(code);
        EXPECT_FALSE(found.hasMatch())
            << file.fileName().toStdString() << ": " << found.captured().toStdString();
    }
    EXPECT_GT(files, 100);
}

TEST(Catalogue, EveryStringTableTextIsInEnglish) {
    English();
    int entries = 0;
    for (int id = 30000; id < 31000; ++id) {
        const std::string_view japanese = LoadString(id);
        if (japanese.empty()) continue;
        ++entries;
        const QString english = UiText(id);
        EXPECT_FALSE(english.isEmpty()) << id;
        EXPECT_FALSE(HasJapanese(english)) << id << ": " << english.toStdString();
        EXPECT_EQ(Markers(english),
                  Markers(QString::fromUtf8(japanese.data(), qsizetype(japanese.size()))))
            << id;
    }
    EXPECT_GT(entries, 140);
    for (int c = 0; c < kRosterSize; ++c) {
        EXPECT_FALSE(UiRosterName(c).isEmpty()) << c;
        EXPECT_FALSE(HasJapanese(UiRosterName(c))) << c;
    }
    EXPECT_EQ(UiRosterName(kKestrel), QStringLiteral("Kestrel"));
    EXPECT_EQ(UiPlayerName(std::string(RosterName(kHarrier))), QStringLiteral("Harrier"));
}

TEST(Catalogue, EveryStepAComputerNamesHasItsWordsInEnglish) {
    // The names of the steps are the quoted lower-case names of the players' step tables; the
    // review window shows each in words, and in English in the English interface.
    English();
    static const QRegularExpression name(QStringLiteral("\"([a-z]+(?:-[a-z]+)*)\""));
    std::set<QString> names;
    for (const char* path : {"/src/players/choices.cpp", "/src/players/sampling_player.cpp"}) {
        QFile file(QStringLiteral(QUINTRICK_SOURCE_DIR) + QLatin1String(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        auto found = name.globalMatch(QString::fromUtf8(file.readAll()));
        while (found.hasNext()) names.insert(found.next().captured(1));
    }
    EXPECT_GE(names.size(), 26u);
    std::set<QString> texts;
    for (const QString& why : names) {
        const QString text = PlayReasonText(why.toStdString());
        EXPECT_FALSE(text.isEmpty()) << why.toStdString();
        EXPECT_FALSE(HasJapanese(text)) << why.toStdString() << ": " << text.toStdString();
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), names.size()) << "two steps say the same";
}

TEST(Catalogue, TheProvinceNamesSplitInBothLanguages) {
    English();
    // The English names are separated by commas, the Japanese ones stand two characters each.
    for (int p = 0; p < kProvinces; ++p) {
        const QString english = QString::fromStdString(KuniName(p, &UiTextUtf8));
        EXPECT_FALSE(english.isEmpty()) << p;
        EXPECT_FALSE(HasJapanese(english) || english.contains(u',')) << p;
        EXPECT_EQ(QString::fromStdString(KuniName(p)).size(), 2) << p;
        // The texts write each name as the English maps do.
        EXPECT_EQ(KuniName(p, &UiTextUtf8), KuniRomanName(p)) << p;
    }
    EXPECT_EQ(KuniName(0, &UiTextUtf8), "Ezo");
    EXPECT_EQ(KuniName(74, &UiTextUtf8), "Tsushima");
    EXPECT_EQ(KuniName(75, &UiTextUtf8), "");
    EXPECT_EQ(KuniNameFrom("Ezo,Tsugaru", 1), "Tsugaru");
    EXPECT_EQ(KuniNameFrom("Ezo,Tsugaru", 2), "");
    EXPECT_EQ(KuniNameFrom("蝦夷津軽", 1), "津軽");
}

}  // namespace
}  // namespace quintrick::testing
