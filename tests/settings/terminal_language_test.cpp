// The language the programs speak on the terminal: the Jazyk line when the
// file has one that reads, else the first of LANGUAGE, LC_ALL, LC_MESSAGES
// and LANG that is set and not empty.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "game/settings/setup_ini.h"
#include "game/settings/terminal_language.h"

namespace {

using settings::Language;

TEST(TerminalLanguage, TheFileChoosesElseTheFirstLanguageVariableSet) {
    constexpr Language cs = Language::kCzech, en = Language::kEnglish;
    const struct {
        const char* file;  // setup.ini's text; nullptr: no file
        std::map<std::string, std::string> environment;
        Language spoken;
    } cases[] = {
        // The file's choice wins over any environment, in any case and with
        // blanks; the last of two lines counts.
        {"Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\nJazyk=en\r\n", {{"LANG", "cs_CZ.UTF-8"}}, en},
        {"Zvuky=Ano\nHlasitost=100\nTick=0\n jazyk = CS \n", {{"LANGUAGE", "en"}}, cs},
        {"Zvuky=Ano\nHlasitost=100\nTick=0\nJazyk=en\nJazyk=cs\n", {{"LANG", "C"}}, cs},
        // A last line that does not read chooses nothing, whatever came
        // before it.
        {"Zvuky=Ano\nHlasitost=100\nTick=0\nJazyk=de\n", {{"LANG", "cs_CZ.UTF-8"}}, cs},
        {"Zvuky=Ano\nHlasitost=100\nTick=0\nJazyk=de\n", {{"LANG", "C.UTF-8"}}, en},
        {"Zvuky=Ano\nHlasitost=100\nTick=0\nJazyk=cs\nJazyk=\n", {{"LANG", "en_GB"}}, en},
        // The first three lines are never the language's, even if so named.
        {"Jazyk=en\nJazyk=en\nJazyk=en\n", {{"LANG", "cs_CZ"}}, cs},
        // The shipped file has no Jazyk line: the environment decides.
        {"Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n", {{"LANG", "cs_CZ.UTF-8"}}, cs},
        {nullptr, {{"LANG", "en_US.UTF-8"}}, en},
        // LANGUAGE before LC_ALL before LC_MESSAGES before LANG; empty
        // values are passed over.
        {nullptr, {{"LANGUAGE", "cs:en"}, {"LANG", "en_US.UTF-8"}}, cs},
        {nullptr, {{"LANGUAGE", "en_GB:cs"}, {"LC_ALL", "cs_CZ.UTF-8"}}, en},
        {nullptr, {{"LANGUAGE", ""}, {"LC_ALL", "cs_CZ.UTF-8"}, {"LANG", "C"}}, cs},
        {nullptr, {{"LC_ALL", ""}, {"LC_MESSAGES", "C"}, {"LANG", "cs_CZ.UTF-8"}}, en},
        {nullptr, {{"LC_MESSAGES", "cs_CZ@euro"}, {"LANG", "en_US"}}, cs},
        {nullptr, {{"LANG", "cs"}}, cs},
        {nullptr, {{"LANG", "cs.UTF-8"}}, cs},
        // Other languages, a Czech-looking one among them, and nothing set.
        {nullptr, {{"LANG", "csb_PL.UTF-8"}}, en},
        {nullptr, {{"LANG", "sk_SK.UTF-8"}}, en},
        {nullptr, {{"LANG", "CS_CZ"}}, en},
        {nullptr, {{"LANG", "POSIX"}}, en},
        {nullptr, {}, en},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "(no file)");
        const std::optional<Language> chosen =
            c.file ? settings::ChosenLanguage(settings::SplitSetupIni(c.file)) : std::nullopt;
        const auto environment = [&](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(settings::TerminalLanguage(chosen, environment), c.spoken);
    }
}

}  // namespace
