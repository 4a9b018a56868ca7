#include "game/windows/translated_text.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>

#include "game/core/key_bindings.h"
#include "game/core/key_text.h"
#include "game/core/terminal.h"
#include "game/levels/current_campaign.h"
#include "game/levels/text_catalogue.h"
#include "game/platform/shown_text.h"
#include "game/windows/language.h"

namespace game {
namespace {

QString QStringOf(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string InEnglishKeys(const QString& text) {
    return settings::FillKeyNames(text.toStdString(), ActiveKeyBindings().Keys(), LastKeyDevice(),
                                  settings::KeyLanguage::English);
}

// The English of a text of the rules; nothing when the translation lacks it.
std::optional<QString> EnglishOfRulesText(const PlayerText& text) {
    const std::string& source = text.pattern.empty() ? text.czech : text.pattern;
    const int n = text.HasNumber() ? text.number : -1;
    QString english = QCoreApplication::translate("Rules", source.c_str(), nullptr, n);
    // Untranslated, Qt gives back the template with its number: the Czech
    // text is better then (its own plural ending).
    QString untranslated = QStringOf(source);
    if (n >= 0) untranslated.replace(QLatin1String("%n"), QString::number(n));
    // A text the windows also show in a message box of their own is
    // translated there once.
    if (english == untranslated)
        english = QCoreApplication::translate("Message", source.c_str(), nullptr, n);
    if (english == untranslated) return std::nullopt;
    if (english.contains(QLatin1Char('{'))) english = QStringOf(InEnglishKeys(english));
    if (text.pattern.find("%1") != std::string::npos) english = english.arg(QStringOf(text.name));
    return english;
}

}  // namespace

namespace {

struct CampaignTexts {
    std::string folder;
    std::optional<TextCatalogue> catalogue;
    bool read = false;
};

CampaignTexts& TheCampaignTexts() {
    static CampaignTexts texts;
    return texts;
}

}  // namespace

void ForgetCampaignTexts() {
    TheCampaignTexts().read = false;
}

const std::string* EnglishOfCampaignText(std::string_view czech) {
    auto& [folder, catalogue, read] = TheCampaignTexts();
    const std::string path = CurrentCataloguePath();
    if (!read || path != folder) {
        read = true;
        folder = path;
        std::string error;
        catalogue = TextCatalogue::Load(path, &error);
        if (!catalogue) Tell(SHOWN_TEXT("Terminal", "Texty úrovní zůstanou česky: %1"), {error});
    }
    return catalogue ? catalogue->Find(czech) : nullptr;
}

QString ShownText(const PlayerText& text) {
    if (EnglishShown()) {
        if (text.fromLevel) {
            if (const std::string* english = EnglishOfCampaignText(text.pattern))
                return QStringOf(InEnglishKeys(QStringOf(*english)));
        } else if (std::optional<QString> english = EnglishOfRulesText(text)) {
            return *english;
        }
    }
    return QStringOf(text.czech);
}

QString ShownMessageText(const PlayerText& text) {
    QString shown = ShownText(text);
    if (EnglishShown() && shown == QStringOf(text.czech)) shown = Shown("Message", text.czech);
    return shown;
}

}  // namespace game
