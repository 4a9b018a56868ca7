#include "game/windows/language.h"

#include <QCoreApplication>
#include <QTranslator>

#include "game/core/terminal.h"
#include "game/platform/shown_text.h"
#include "game/settings/terminal_language.h"

namespace game {
namespace {

settings::Language inUse = settings::Language::kCzech;

constexpr const char* kEnglishFile = ":/translations/karvelun_en.qm";

QTranslator& EnglishTexts() {
    static QTranslator translator;
    return translator;
}

// The terminal's English, apart from the windows'.
QTranslator& TerminalEnglish() {
    static QTranslator translator;
    return translator;
}

}  // namespace

void UseLanguage(settings::Language language) {
    if (language == inUse) return;
    QTranslator& english = EnglishTexts();
    if (language == settings::Language::kEnglish) {
        if (english.isEmpty() && !english.load(QString::fromLatin1(kEnglishFile))) {
            Tell(SHOWN_TEXT("Terminal", "Anglické texty chybí, hra poběží česky"));
            return;
        }
        QCoreApplication::installTranslator(&english);
    } else {
        QCoreApplication::removeTranslator(&english);
    }
    inUse = language;
}

void UseTerminalLanguage(settings::Language language) {
    QTranslator& english = TerminalEnglish();
    if (language == settings::Language::kEnglish &&
        (!english.isEmpty() || english.load(QString::fromLatin1(kEnglishFile)))) {
        SetTerminalWording([&english](const char* context, const char* czech, int number) {
            const QString text = english.translate(context, czech, nullptr, number);
            return text.isEmpty() ? std::string(czech) : text.toStdString();
        });
    } else {
        SetTerminalWording(nullptr);
    }
}

void UseLanguagesOf(const Settings& settings) {
    UseLanguage(settings.language);
    UseTerminalLanguage(settings::TerminalLanguage(settings.chosenLanguage));
}

void UseTerminalLanguageOfFile(const std::string& settingsFile) {
    const std::optional<settings::SetupLines> lines = settings::ReadSetupLines(settingsFile);
    UseTerminalLanguage(
        settings::TerminalLanguage(lines ? settings::ChosenLanguage(*lines) : std::nullopt));
}

void UseLanguagesOfFile(const std::string& settingsFile) {
    const std::optional<settings::SetupLines> lines = settings::ReadSetupLines(settingsFile);
    UseLanguage(lines ? settings::ValuesOfLines(*lines).language : settings::Language::kCzech);
    UseTerminalLanguageOfFile(settingsFile);
}

settings::Language LanguageInUse() {
    return inUse;
}

bool EnglishShown() {
    return inUse == settings::Language::kEnglish;
}

QString Shown(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

QString Shown(const char* context, const std::string& text) {
    return QCoreApplication::translate(context, text.c_str());
}

}  // namespace game
