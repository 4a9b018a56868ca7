#include "setup/terminal_text.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>

namespace setup {
namespace {

QTranslator& English() {
    static QTranslator translator;
    return translator;
}

bool englishInUse = false;

}  // namespace

void UseTerminalLanguage(settings::Language language) {
    englishInUse =
        language == settings::Language::kEnglish &&
        (!English().isEmpty() || English().load(QStringLiteral(":/translations/setup_en.qm")));
}

QString TerminalText(const char* context, const char* czech) {
    if (englishInUse) {
        const QString english = English().translate(context, czech);
        if (!english.isEmpty()) return english;
    }
    return QString::fromUtf8(czech);
}

void TellOnTerminal(const QString& line) {
    std::fprintf(stderr, "setup: %s\n", line.toUtf8().constData());
}

QString ToolUsage(const QString& program) {
    return TerminalText("Setup", QT_TRANSLATE_NOOP("Setup",
                                                   "Použití: %1 [--help]\n"
                                                   "Nastavení hry Karvelun v jednom okně: zvuk, "
                                                   "hlasitost, tempo hry, okna, hudba,\n"
                                                   "jazyk, obtížnost a klávesy. Uloží je do "
                                                   "setup.ini, který hra čte při spuštění.\n"
                                                   "\n"
                                                   "  --help  vypíše tuto nápovědu\n"))
        .arg(program);
}

}  // namespace setup
