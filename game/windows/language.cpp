#include "game/windows/language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>

namespace game {
namespace {

settings::Language inUse = settings::Language::kCzech;

QTranslator& EnglishTexts() {
    static QTranslator translator;
    return translator;
}

}  // namespace

void UseLanguage(settings::Language language) {
    if (language == inUse) return;
    QTranslator& english = EnglishTexts();
    if (language == settings::Language::kEnglish) {
        if (english.isEmpty() && !english.load(QStringLiteral(":/translations/karvelun_en.qm"))) {
            std::fprintf(stderr, "karvelun: the English texts are missing, playing in Czech\n");
            return;
        }
        QCoreApplication::installTranslator(&english);
    } else {
        QCoreApplication::removeTranslator(&english);
    }
    inUse = language;
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
